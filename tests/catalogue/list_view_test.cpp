#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_list_view.h"
#include "tests/support/list_reference.h"
#include "platform/cp1250.h"
#include "tools/cvltool/catalogue_csv.h"

namespace catalogue_test {
namespace {

TNebula Record(int32_t number, std::string_view name, int32_t ngc, double rect, double dec = 0, double distance = 1,
               double magnitude = 1) {
  TNebula r;
  r.IndexOfItem = number;
  r.NameOfNebula = name;
  r.NGC = ngc;
  r.Rect = rect;
  r.Dec = dec;
  r.Distance = distance;
  r.Magnitude = magnitude;
  r.TypeOfNebula = TN_Dark;
  return r;
}

std::vector<int32_t> Matching(const TNebulas& records, std::string_view text) {
  std::vector<int32_t> numbers;
  const TSearch search(text);
  for (const TNebula& r : records)
    if (MatchesSearch(r, search)) numbers.push_back(r.IndexOfItem);
  return numbers;
}

TEST(ListSearch, PrefixesOfTheShownTextsAndEqualNumbers) {
  const TNebulas records = {
      Record(12, "M", 1, 3),          Record(120, "M", 1, 3),   Record(3, "M", 1250, 3),
      Record(4, "M", 1, 12.0004),     Record(5, "12 Tau", 1, 3), Record(6, "M", 1, 3, 10.0),
      Record(7, "M", 10, 3),          Record(8, "M", 1, 3),     Record(9, "1e1 X", 1, 3),
      Record(10, "M", 1, 3, 1, 9.9999), Record(11, "M", 1, 3, 1, 1, -12.5),
  };
  // Number 12 and 120, NGC 1250, right ascension "12.000", the name "12 Tau".
  EXPECT_EQ(Matching(records, "12"), (std::vector<int32_t>{12, 120, 3, 4, 5}));
  // 1e1 is 10: the number 10, the declination 10 and NGC 10 equal it, the
  // name begins with the text; a distance shown as "10.000" is not 10.
  EXPECT_EQ(Matching(records, "1e1"), (std::vector<int32_t>{6, 7, 9, 10}));
  EXPECT_EQ(Matching(records, "-12.5"), (std::vector<int32_t>{11}));
  EXPECT_EQ(Matching(records, "Tmav"), Matching(records, ""));  // every type text is "Tmavá hmlovina"
  EXPECT_TRUE(Matching(records, "Tau 1").empty());                // no field holds it, folded or not
}

// What a new user types, over the sample catalogue.
TEST(ListSearch, FindsTheSampleCatalogueAsUsersType) {
  std::ifstream in(std::string(CORVALA_SOURCE_DIR) + "/data/samples/hmloviny.csv");
  std::stringstream csv;
  csv << in.rdbuf();
  TNebulas records;
  std::string error;
  ASSERT_TRUE(catalogue_csv::Import(csv.str(), records, error)) << error;
  ASSERT_EQ(records.size(), 43u);

  const struct {
    const char* typed;  // UTF-8, as on the keyboard
    std::vector<int32_t> rows;
  } cases[] = {
      // Designations inside the names and the NGC numbers, however spaced.
      {"M42", {24}},
      {"m42", {24}},
      {"M 1", {12, 27, 28}},
      {"NGC 7293", {3}},
      {"ngc7293", {3}},
      {"NGC ", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 24, 25, 26, 27, 28, 29, 30, 31, 32, 34, 35, 36}},
      {"ic 443", {16}},
      // Case and diacritics, anywhere in the name or the description.
      {"orion", {18, 21, 24, 35, 36, 39}},
      {"velka", {24, 29}},
      {"Veľká", {24, 29}},
      {"KRAB", {12}},
      {"zavoj", {13, 14, 38}},
      {"snehova gula", {10}},
      // Prefixes that found records before: numbers (the index 12, the
      // magnitudes "12.000", a declination and a right ascension), the
      // three-decimal texts, the type's text and the picture's name.
      {"12", {12, 16, 17, 23, 40}},
      {"22.49", {3}},
      {"-20.8", {3}},
      {"Tmavá", {36, 39, 40, 41, 42, 43}},  // 36: "Tmavá škvrna" in its description
      {"ngc6543.bmp", {4}},
  };
  for (const auto& c : cases) EXPECT_EQ(Matching(records, cp1250::FromUtf8(c.typed).text), c.rows) << c.typed;
}

// Random changes of every kind, each followed by a few frames; after each
// frame the cached view must show exactly what sorting and filtering from
// scratch shows, and leave the records in the same order.
TEST_F(CatalogueTest, CachedListEqualsTheRecomputationAfterEveryChange) {
  std::mt19937 random(11);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const char* names[] = {"A", "B", "Ab", "b", "", "A"};
  const char* searches[] = {"", "1", "2", "A", "b", "1e0", "0.5", "-", "Tm", "H", "x", "ngc 1", "aB"};

  for (int run = 0; run < 60; ++run) {
    RenewCatalogue();
    NewDatabase("mem.cvl", "", "", "");
    TNebulas literal;  // the records as the recomputation keeps them
    TListView view;
    TSortType sort = ST_IndexOfItem;
    TDirection direction = D_Up;
    bool box = false;
    std::string text;
    bool shown = true;

    auto random_fields = [&]() {
      TNebula r = Record(0, names[pick(6)], pick(4), pick(5) * 0.5, pick(3) - 1.0, 1e1 * pick(2), pick(3));
      r.TypeOfNebula = static_cast<TTypeOfNebula>(pick(3));
      r.Picture = names[pick(6)];
      r.Description = names[pick(6)];
      return r;
    };
    // The row the user acts on, and the record it stands for in each world.
    auto chosen_row = [&](std::size_t& cached, std::size_t& plain) {
      if (Catalogue().Nebulas.empty() || !shown) return false;
      TNebulas rows;
      RebuildListLiterally(literal, static_cast<int32_t>(literal.size()), sort, direction, box && !text.empty(),
                           text, rows);
      if (rows.empty()) return false;
      const std::size_t row = static_cast<std::size_t>(pick(static_cast<int>(rows.size())));
      cached = view.Position(row);
      plain = literal.size();
      while (plain-- > 0)
        if (literal[plain].IndexOfItem == rows[row].IndexOfItem) break;
      return true;
    };

    for (int step = 0; step < 80; ++step) {
      std::size_t cached = 0;
      std::size_t plain = 0;
      switch (pick(9)) {
        case 0:
        case 1: {
          const TNebula r = random_fields();
          AddNebula(r);
          literal.push_back(r);
          literal.back().IndexOfItem = SmallestFreeNumber(TNebulas(literal.begin(), literal.end() - 1));
          break;
        }
        case 2:
          if (chosen_row(cached, plain)) {
            const TNebula r = random_fields();
            ReviseNebula(cached, r, "");
            const int32_t number = literal[plain].IndexOfItem;
            literal[plain] = r;
            literal[plain].IndexOfItem = number;
          }
          break;
        case 3:
          if (chosen_row(cached, plain)) {
            DeleteNebula(cached);
            const int32_t number = literal[plain].IndexOfItem;
            literal.erase(literal.begin() + static_cast<std::ptrdiff_t>(plain));
            for (TNebula& r : literal)
              if (r.IndexOfItem > number) --r.IndexOfItem;
          }
          break;
        case 4:
          sort = static_cast<TSortType>(pick(SORT_TYPE_COUNT));
          direction = pick(2) ? D_Up : D_Down;
          break;
        case 5:
          text = searches[pick(13)];
          break;
        case 6:
          box = !box;
          break;
        case 7:
          shown = !shown;
          break;
        default:
          break;
      }
      if (!shown) continue;
      for (int frame = 0; frame < 1 + pick(2); ++frame) {
        TNebulas rows;
        RebuildListLiterally(literal, static_cast<int32_t>(literal.size()), sort, direction, box && !text.empty(),
                             text, rows);
        view.Update(sort, direction, box && !text.empty(), text);
        ASSERT_EQ(Catalogue().Nebulas.size(), literal.size());
        for (std::size_t i = 0; i < literal.size(); ++i)
          ASSERT_TRUE(Catalogue().Nebulas[i].IndexOfItem == literal[i].IndexOfItem)
              << "run " << run << " step " << step;
        ASSERT_EQ(view.Count(), rows.size()) << "run " << run << " step " << step;
        for (std::size_t i = 0; i < rows.size(); ++i) {
          const TNebula& a = view.Row(i);
          const TNebula& b = rows[i];
          ASSERT_TRUE(a.IndexOfItem == b.IndexOfItem && a.NameOfNebula == b.NameOfNebula && a.NGC == b.NGC &&
                      a.Rect == b.Rect && a.Dec == b.Dec && a.Distance == b.Distance &&
                      a.Magnitude == b.Magnitude && a.TypeOfNebula == b.TypeOfNebula && a.Picture == b.Picture &&
                      a.Description == b.Description)
              << "run " << run << " step " << step << " row " << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace catalogue_test
