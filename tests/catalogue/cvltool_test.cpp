#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_settings.h"
#include "platform/cp1250.h"
#include "tests/support/portable.h"
#include "tools/cvltool/catalogue_csv.h"
#include "tools/csv/csv.h"

namespace catalogue_test {
namespace {

const std::string kHeader = "number,name,ngc,ra_hours,dec_degrees,distance_ly,magnitude,type,picture,description\n";

TEST(Csv, ReadsQuotedFieldsAcrossLines) {
  std::vector<csv::Row> rows;
  auto result = csv::Read("\xEF\xBB\xBF" "a,\"b,c\",\"d\"\"e\"\r\n\r\n\"multi\nline\",,x\nlast", rows);
  ASSERT_TRUE(result.Ok) << result.Error;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Fields, (std::vector<std::string>{"a", "b,c", "d\"e"}));
  EXPECT_EQ(rows[1].Line, 3u);
  EXPECT_EQ(rows[1].Fields, (std::vector<std::string>{"multi\nline", "", "x"}));
  EXPECT_EQ(rows[2].Line, 5u);
  EXPECT_EQ(rows[2].Fields, (std::vector<std::string>{"last"}));

  std::string out;
  csv::AppendRow(out, {"plain", "with,comma", "say \"hi\"", "two\nlines", ""});
  EXPECT_EQ(out, "plain,\"with,comma\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
  ASSERT_TRUE(csv::Read(out, rows).Ok);
  EXPECT_EQ(rows[0].Fields, (std::vector<std::string>{"plain", "with,comma", "say \"hi\"", "two\nlines", ""}));
}

TEST(Csv, RefusesBrokenQuoting) {
  std::vector<csv::Row> rows;
  auto unclosed = csv::Read("a\nb,\"open\n\n", rows);
  EXPECT_FALSE(unclosed.Ok);
  EXPECT_EQ(unclosed.ErrorLine, 2u);
  auto stray = csv::Read("a,b\"c\n", rows);
  EXPECT_FALSE(stray.Ok);
  EXPECT_EQ(stray.ErrorLine, 1u);
  EXPECT_FALSE(csv::Read("\"a\"b\n", rows).Ok);
}

TEST(CatalogueCsv, NumbersReadBackExactly) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, 8);
    if (std::isnan(value)) continue;
    double back = 0;
    ASSERT_TRUE(catalogue_csv::ParseDouble(catalogue_csv::FormatDouble(value), back));
    ASSERT_EQ(std::memcmp(&back, &value, 8), 0) << catalogue_csv::FormatDouble(value);
  }
  double d = 0;
  EXPECT_TRUE(catalogue_csv::ParseDouble("-5.391", d));
  EXPECT_EQ(d, -5.391);
  EXPECT_TRUE(catalogue_csv::ParseDouble("+2e3", d));
  EXPECT_EQ(d, 2000);
  for (const char* bad : {"", "1,5", "1.5 ", " 1.5", "1.5x", "--1", "+"}) EXPECT_FALSE(catalogue_csv::ParseDouble(bad, d)) << bad;
  int32_t n = 0;
  EXPECT_FALSE(catalogue_csv::ParseInt32("2147483648", n));
  EXPECT_TRUE(catalogue_csv::ParseInt32("-2147483648", n));
}

TEST(CatalogueCsv, ImportNumbersFromTheColumnOrInFileOrder) {
  TNebulas r;
  std::string error;
  ASSERT_TRUE(catalogue_csv::Import(kHeader + ",A,1,1,2,3,4,0,,\n,B,2,1,2,3,4,Tmavá hmlovina,p.bmp,d\n", r, error))
      << error;
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].IndexOfItem, 1);
  EXPECT_EQ(r[1].IndexOfItem, 2);
  EXPECT_EQ(r[1].TypeOfNebula, TN_Dark);
  EXPECT_EQ(r[1].Picture, "p.bmp");

  ASSERT_TRUE(catalogue_csv::Import(kHeader + "7,A,,1,2,3,4,6,,\n3,B,2,1,2,3,4,Planetárna hmlovina,,\n", r, error));
  EXPECT_EQ(r[0].IndexOfItem, 7);
  EXPECT_EQ(r[0].NGC, 0) << "an empty NGC number is 0";
  EXPECT_EQ(r[1].IndexOfItem, 3);
  EXPECT_EQ(r[1].TypeOfNebula, TN_Planetary);
}

TEST(CatalogueCsv, ImportNamesTheLineAndColumnOfABadField) {
  const std::pair<std::string, std::string> cases[] = {
      {kHeader + "1,A,1,1,2,3,4,0,,\n1,B,1,1,2,3,4,0,,\n", "line 3, column 1 (number): number 1 is already used on line 2"},
      {kHeader + "1,A,1,1,2,3,4,0,,\n,B,1,1,2,3,4,0,,\n", "line 3, column 1 (number)"},
      {kHeader + ",A,1,1,2,3,4,0,,\n2,B,1,1,2,3,4,0,,\n", "line 3, column 1 (number)"},
      {kHeader + "0,A,1,1,2,3,4,0,,\n", "line 2, column 1 (number)"},
      {kHeader + ",A,1,\"1,5\",2,3,4,0,,\n", "line 2, column 4 (ra_hours)"},
      {kHeader + ",A,1,1,2,3,4,7,,\n", "line 2, column 8 (type)"},
      {kHeader + ",A,1,1,2,3,4,0,,\n,\"multi\nline\",1,1,2,3,4,0,,Ω\n", "line 3, column 10 (description): character U+03A9"},
      {kHeader + ",A,1,1,2,3,4,0,,\n", ""},
      {kHeader + ",A,1,1,2,3,4,0\n", "line 2: 8 fields, expected 10"},
      {"name,number\n", "line 1: the header must be"},
      {kHeader + "," + std::string(256, 'x') + ",1,1,2,3,4,0,,\n", "line 2, column 2 (name): text longer than 255"},
  };
  for (const auto& [text, expected] : cases) {
    TNebulas r;
    std::string error;
    bool ok = catalogue_csv::Import(text, r, error);
    if (expected.empty()) {
      EXPECT_TRUE(ok) << error;
    } else {
      EXPECT_FALSE(ok) << text;
      EXPECT_EQ(error.substr(0, expected.size()), expected) << error;
    }
  }
}

int Tool(const std::vector<std::string>& args, const std::string& out = {}) {
  std::vector<std::string> command{CVLTOOL_PATH};
  command.insert(command.end(), args.begin(), args.end());
  return test_support::RunProgram(command, {}, out);
}

class CvltoolTest : public CatalogueTest {};

TEST_F(CvltoolTest, ExportThenImportGivesBackTheSameFile) {
  const std::string original = scratch_.File("original.cvl");
  NewDatabase(original, "Hmloviny, \"výber\""_cp, "Ľubomír Šťastný"_cp, "Opis\nna dva riadky"_cp);
  const char* names[] = {"Veľká hmlovina v Orióne", "Prsteň, \"M 57\"", "", "Čiara\r\nnová", "x"};
  const double reals[] = {5.588139, -0.0, 1e-300, 0.1, -123456.789e10};
  for (int i = 0; i < 5; ++i) {
    TNebula n;
    n.NameOfNebula = cp1250::FromUtf8(names[i]).text;
    n.NGC = i == 4 ? -2147483647 - 1 : 1976 + i;
    n.Rect = reals[i];
    n.Dec = -reals[(i + 1) % 5];
    n.Distance = reals[(i + 2) % 5];
    n.Magnitude = reals[(i + 3) % 5];
    n.TypeOfNebula = static_cast<TTypeOfNebula>(i + 2);
    n.Picture = i % 2 ? "" : "obr\xE1zky\\m42.bmp";
    n.Description = std::string(255, char('a' + i));
    AddNebula(n);
  }
  DeleteNebula(1);
  ASSERT_TRUE(SaveDatabase());

  const std::string csv = scratch_.File("export.csv");
  const std::string copy = scratch_.File("copy.cvl");
  ASSERT_EQ(Tool({"export", original}, csv), 0);
  ASSERT_EQ(Tool({"import", csv, copy, "--path", original, "--name", "Hmloviny, \"výber\"", "--author",
                  "Ľubomír Šťastný", "--description", "Opis\nna dva riadky"}),
            0);
  EXPECT_EQ(ReadFile(copy), ReadFile(original));
  EXPECT_EQ(Tool({"check", copy}), 0);
}

TEST_F(CvltoolTest, ABadLineWritesNothing) {
  const std::string csv = scratch_.File("bad.csv");
  const std::string cvl = scratch_.File("bad.cvl");
  WriteFile(csv, kHeader + ",A,1,1,2,3,4,0,,\n,B,1,1,2,3,4,0,,\n,C,1,1,two,3,4,0,,\n");
  EXPECT_NE(Tool({"import", csv, cvl}), 0);
  EXPECT_FALSE(Exists(cvl));

  WriteFile(cvl, "CVL but not a database");
  EXPECT_NE(Tool({"check", cvl}), 0);
  EXPECT_NE(Tool({"export", cvl}), 0);
  EXPECT_NE(Tool({"frobnicate"}), 0);
}

TEST_F(CvltoolTest, SettingsCommandWritesARecordThatOpensTheDatabase) {
  const std::string ini = scratch_.File("cv_settings.ini");
  ASSERT_EQ(Tool({"settings", ini, "samples\\Hmloviny.cvl", "--latitude", "48.15", "--longitude", "-17.1"}), 0);
  ASSERT_TRUE(ReadSettings(ini));
  EXPECT_EQ(Settings.ImplicitDatabase, "samples\\Hmloviny.cvl");
  EXPECT_TRUE(Settings.UseImplicitDatabase);
  EXPECT_EQ(Settings.Latitude, 48.15);
  EXPECT_EQ(Settings.Longitude, -17.1);
  EXPECT_NE(Tool({"settings", ini, "x", "--latitude", "91"}), 0);
}

}  // namespace
}  // namespace catalogue_test
