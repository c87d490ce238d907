// The sample catalogue: its CSV reader, and the CSV itself with its pictures.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tests/art/art_environment.h"
#include "tests/support/portable.h"
#include "tools/artgen/sample_catalogue.h"

namespace {

using art::CsvRow;
using art::ParseCsv;

std::vector<CsvRow> Parse(std::string_view text) {
  std::vector<CsvRow> rows;
  std::string error;
  EXPECT_TRUE(ParseCsv(text, rows, error)) << error;
  return rows;
}

TEST(CsvReader, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
  auto rows = Parse("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",,x\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], (CsvRow{"a", "b,c", "say \"hi\""}));
  EXPECT_EQ(rows[1], (CsvRow{"two\nlines", "", "x"}));
}

TEST(CsvReader, LastRecordWithoutLineBreakAndEmptyQuotedField) {
  auto rows = Parse("x,y\n1,\"\"");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (CsvRow{"1", ""}));
  EXPECT_TRUE(Parse("").empty());
}

TEST(CsvReader, MalformedQuotingIsAnErrorWithItsLine) {
  std::vector<CsvRow> rows;
  std::string error;
  EXPECT_FALSE(ParseCsv("a,b\nc,d\"e\n", rows, error));
  EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  EXPECT_FALSE(ParseCsv("a,\"open\n", rows, error));
  EXPECT_FALSE(ParseCsv("\"closed\"tail\n", rows, error));
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool ParseNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return *end == '\0';
}

TEST(SampleCatalogue, HasFortyOrMoreValidRecordsOfAllSevenTypes) {
  std::vector<CsvRow> rows = Parse(ReadFile(art_test::SamplesDir() + "/hmloviny.csv"));
  ASSERT_FALSE(rows.empty());
  ASSERT_EQ(rows[0], CsvRow(std::begin(art::kCatalogueHeader), std::end(art::kCatalogueHeader)));
  ASSERT_GE(rows.size(), 41u);
  std::set<int> types;
  std::set<std::string> names, pictures;
  for (size_t i = 1; i < rows.size(); ++i) {
    const CsvRow& r = rows[i];
    SCOPED_TRACE("record " + std::to_string(i));
    ASSERT_EQ(r.size(), art::kCatalogueColumns);
    EXPECT_EQ(r[0], std::to_string(i));
    double ngc, ra, dec, dist, mag;
    ASSERT_TRUE(ParseNumber(r[2], ngc) && ParseNumber(r[3], ra) && ParseNumber(r[4], dec) && ParseNumber(r[5], dist) &&
                ParseNumber(r[6], mag));
    EXPECT_EQ(ngc, static_cast<int>(ngc));
    EXPECT_TRUE(ngc == 0 || (ngc >= 1 && ngc <= 7840)) << "NGC numbers run from 1 to 7840";
    EXPECT_GE(ra, 0.0);
    EXPECT_LT(ra, 24.0);
    EXPECT_GE(dec, -90.0);
    EXPECT_LE(dec, 90.0);
    EXPECT_GT(dist, 0.0);
    EXPECT_GE(mag, -2.0);
    auto type = art::TypeIndex(r[7]);
    ASSERT_TRUE(type.has_value()) << r[7];
    types.insert(*type);
    // Every text must fit the record's short strings once in Windows-1250.
    for (size_t c : {size_t{1}, size_t{8}, size_t{9}}) {
      cp1250::Conversion text = cp1250::FromUtf8(r[c]);
      EXPECT_TRUE(text.ok) << r[c];
      EXPECT_FALSE(text.text.empty());
      EXPECT_LE(text.text.size(), 255u) << r[c];
    }
    EXPECT_TRUE(names.insert(r[1]).second) << "duplicate name " << r[1];
    EXPECT_TRUE(pictures.insert(r[8]).second) << "duplicate picture " << r[8];
    EXPECT_EQ(r[8].find_first_of("/\\"), std::string::npos) << "pictures lie beside the catalogue";
  }
  EXPECT_EQ(types.size(), 7u);
}

TEST(SampleCatalogue, EveryPictureLoadsAndIsTwoToSixHundredPixelsWide) {
  std::vector<CsvRow> rows = Parse(ReadFile(art_test::SamplesDir() + "/hmloviny.csv"));
  ASSERT_GE(rows.size(), 41u);
  for (size_t i = 1; i < rows.size(); ++i) {
    SCOPED_TRACE(rows[i][8]);
    art_test::LoadedPicture p(art_test::SamplesDir() + "/" + rows[i][8]);
    ASSERT_EQ(p.result, 0);
    EXPECT_GE(p.width(), 200);
    EXPECT_LE(p.width(), 600);
    // No picture may be a flat placeholder: real sky has light and shade.
    uint32_t lo = 255 * 3, hi = 0;
    for (int y = 0; y < p.height(); y += 3)
      for (int x = 0; x < p.width(); x += 3) {
        uint32_t c = p.RgbAt(x, y);
        uint32_t sum = (c >> 16) + ((c >> 8) & 255) + (c & 255);
        lo = std::min(lo, sum);
        hi = std::max(hi, sum);
      }
    EXPECT_GT(hi - lo, 200u);
  }
}

TEST(SampleCatalogue, ImportsIntoADatabaseWhoseEveryPictureResolves) {
#ifndef CVLTOOL_PATH
  GTEST_SKIP() << "the catalogue tool is not part of this build";
#else
  namespace fs = std::filesystem;
  fs::path dir = fs::path(CORVALA_BINARY_DIR) / "tests" / "art_import" / "samples";
  fs::remove_all(dir.parent_path());
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(art_test::SamplesDir()))
    fs::copy(entry.path(), dir / entry.path().filename());
  const std::string cvl = (dir / "Hmloviny.cvl").string();
  const fs::path log = dir.parent_path() / "check.txt";
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "import", (dir / "hmloviny.csv").string(), cvl, "--name", "Hmloviny"}),
            0);
  ASSERT_EQ(test_support::RunProgram({CVLTOOL_PATH, "check", cvl}, {}, log, log), 0);
  std::string report = ReadFile(log.string());
  EXPECT_EQ(report.find("warning"), std::string::npos) << report;
#endif
}

}  // namespace
