#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "catalogue_fixture.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_sort.h"

namespace catalogue_test {
namespace {

// The exchange sort exactly as described, on ranks where -1 compares to nothing.
std::vector<int32_t> LiteralOrder(const std::vector<int32_t>& ranks) {
  std::vector<int32_t> key = ranks;
  std::vector<int32_t> who(ranks.size());
  for (std::size_t i = 0; i < who.size(); ++i) who[i] = static_cast<int32_t>(i);
  auto less = [](int32_t a, int32_t b) { return a >= 0 && b >= 0 && a < b; };
  for (std::size_t i = 0; i < key.size(); ++i)
    for (std::size_t j = i; j < key.size(); ++j)
      if (less(key[j], key[i])) {
        std::swap(key[i], key[j]);
        std::swap(who[i], who[j]);
      }
  return who;
}

TEST(ExchangeSortOrder, MatchesTheLiteralSortOnEverySmallInput) {
  std::vector<int32_t> order;
  for (int n = 0; n <= 8; ++n) {
    for (int alphabet = 1; alphabet <= 4; ++alphabet) {
      // Every sequence of n keys from 0 .. alphabet-1; the largest key stands for NaN.
      long total = 1;
      for (int i = 0; i < n; ++i) total *= alphabet;
      for (long code = 0; code < total; ++code) {
        std::vector<int32_t> ranks(static_cast<std::size_t>(n));
        long c = code;
        for (int i = 0; i < n; ++i, c /= alphabet) ranks[static_cast<std::size_t>(i)] = static_cast<int32_t>(c % alphabet);
        std::vector<int32_t> with_nan = ranks;
        for (int32_t& r : with_nan)
          if (alphabet > 2 && r == alphabet - 1) r = -1;
        // Ranks need not be dense for the core; both variants must agree.
        for (const auto* input : {&ranks, &with_nan}) {
          ExchangeSortOrder(*input, order);
          ASSERT_EQ(order, LiteralOrder(*input)) << "n=" << n << " code=" << code;
        }
      }
    }
  }
}

TEST(ExchangeSortOrder, MatchesTheLiteralSortOnLargeRandomInputs) {
  std::mt19937 random(20261208);
  std::vector<int32_t> order;
  for (int round = 0; round < 60; ++round) {
    const int n = 1 + static_cast<int>(random() % 1500);
    const int distinct = 1 + static_cast<int>(random() % (round % 3 == 0 ? 4 : 60));
    std::vector<int32_t> ranks(static_cast<std::size_t>(n));
    for (int32_t& r : ranks) r = static_cast<int32_t>(random() % distinct);
    if (round % 5 == 0)
      for (int32_t& r : ranks)
        if (random() % 10 == 0) r = -1;
    ExchangeSortOrder(ranks, order);
    ASSERT_EQ(order, LiteralOrder(ranks)) << "round " << round;
  }
}

// The whole sort on records against the literal one with the described
// comparisons, written here independently of the program's key preparation.
bool TextLess(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
  return a.size() < b.size();
}

bool KeyLess(const TNebula& a, const TNebula& b, TSortType type) {
  switch (type) {
    case ST_IndexOfItem: return a.IndexOfItem < b.IndexOfItem;
    case ST_NameOfNebula: return TextLess(a.NameOfNebula.View(), b.NameOfNebula.View());
    case ST_NGC: return a.NGC < b.NGC;
    case ST_Rect: return a.Rect < b.Rect;
    case ST_Dec: return a.Dec < b.Dec;
    case ST_Distance: return a.Distance < b.Distance;
    case ST_Magnitude: return a.Magnitude < b.Magnitude;
    case ST_TypeOfNebula: return a.TypeOfNebula < b.TypeOfNebula;
    case ST_Picture: return TextLess(a.Picture.View(), b.Picture.View());
    case ST_Description: return TextLess(a.Description.View(), b.Description.View());
  }
  return false;
}

void LiteralSort(TNebulas& r, TSortType type, TDirection direction) {
  for (std::size_t i = 0; i < r.size(); ++i)
    for (std::size_t j = i; j < r.size(); ++j)
      if (direction == D_Up ? KeyLess(r[j], r[i], type) : KeyLess(r[i], r[j], type)) std::swap(r[i], r[j]);
}

// Records with few distinct values per field; the thumbnail's name tags each
// record, so that equal keys can still be told apart afterwards.
TNebulas RandomRecords(std::mt19937& random, int n) {
  const std::string texts[] = {"", "a", "A", "ab", "Ab", "abc", "b", "Z", "\xC1", "\xE1", "a\xFF", "a\x01"};
  const double reals[] = {-1.5, 0.0, -0.0, 2.25, 2.25, 1e300, -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  TNebulas r(static_cast<std::size_t>(n));
  auto pick = [&](int k) { return static_cast<std::size_t>(random() % static_cast<unsigned>(k)); };
  for (int i = 0; i < n; ++i) {
    TNebula& x = r[static_cast<std::size_t>(i)];
    x.IndexOfItem = static_cast<int32_t>(pick(6)) - 2;
    x.NameOfNebula = texts[pick(12)];
    x.NGC = static_cast<int32_t>(pick(3)) * 1000000000;
    x.Rect = reals[pick(5)];
    x.Dec = reals[pick(8)];
    x.Distance = reals[pick(3)];
    x.Magnitude = reals[pick(8)];
    x.TypeOfNebula = static_cast<TTypeOfNebula>(pick(7));
    x.Picture = texts[pick(4)];
    x.Description = texts[pick(12)];
    x.Thumbnail.FileName = std::to_string(i);
  }
  return r;
}

std::vector<std::string> Tags(const TNebulas& r) {
  std::vector<std::string> tags;
  for (const TNebula& x : r) tags.push_back(x.Thumbnail.FileName);
  return tags;
}

TEST(SortNebulas, MatchesTheLiteralSortForEveryKeyAndDirection) {
  std::mt19937 random(4);
  for (int round = 0; round < 12; ++round) {
    const int n = round < 6 ? 1 + round * 3 : 150 + round * 20;
    const TNebulas original = RandomRecords(random, n);
    for (int type = 0; type < SORT_TYPE_COUNT; ++type)
      for (TDirection direction : {D_Up, D_Down}) {
        TNebulas fast = original;
        TNebulas slow = original;
        SortNebulas(fast, n, static_cast<TSortType>(type), direction);
        LiteralSort(slow, static_cast<TSortType>(type), direction);
        ASSERT_EQ(Tags(fast), Tags(slow)) << "n=" << n << " type=" << type << " direction=" << int(direction);
      }
  }
}

TNebulas Named(std::initializer_list<std::string_view> names) {
  TNebulas r;
  int i = 0;
  for (std::string_view name : names) {
    TNebula x;
    x.IndexOfItem = ++i;
    x.NameOfNebula = name;
    r.push_back(x);
  }
  return r;
}

std::vector<std::string> Names(const TNebulas& r) {
  std::vector<std::string> names;
  for (const TNebula& x : r) names.push_back(x.NameOfNebula.Str());
  return names;
}

TEST(SortNebulas, FollowsTheDocumentedExamples) {
  TNebulas r = Named({"b", "B", "a"});
  SortNebulas(r, 3, ST_NameOfNebula, D_Up);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"B", "a", "b"}));

  r = Named({"Abcd", "Abc"});
  SortNebulas(r, 2, ST_NameOfNebula, D_Up);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"Abc", "Abcd"}));

  // B, B' (equal to B), A: not stable, and stays put when sorted again.
  r = Named({"B", "B", "A"});
  SortNebulas(r, 3, ST_NameOfNebula, D_Up);
  EXPECT_EQ(r[0].IndexOfItem, 3);
  EXPECT_EQ(r[1].IndexOfItem, 2);
  EXPECT_EQ(r[2].IndexOfItem, 1);
  SortNebulas(r, 3, ST_NameOfNebula, D_Up);
  EXPECT_EQ(r[1].IndexOfItem, 2);
  EXPECT_EQ(r[2].IndexOfItem, 1);

  r = Named({"x", "y", "z"});
  r[0].IndexOfItem = 3;
  r[1].IndexOfItem = 1;
  r[2].IndexOfItem = 2;
  SortNebulas(r, 3, ST_IndexOfItem, D_Down);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"x", "z", "y"}));

  r = Named({"dark", "planetary", "h2"});
  r[0].TypeOfNebula = TN_Dark;
  r[1].TypeOfNebula = TN_Planetary;
  r[2].TypeOfNebula = TN_H2;
  SortNebulas(r, 3, ST_TypeOfNebula, D_Up);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"planetary", "h2", "dark"}));

  // Only the first Count records take part.
  r = Named({"c", "b", "a"});
  SortNebulas(r, 2, ST_NameOfNebula, D_Up);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"b", "c", "a"}));
}

TEST_F(CatalogueTest, SortChangesOnlyTheOrderOfTheLoadedRecords) {
  NewDatabase("x.cvl", "Názov", "", "");
  Catalogue().Nebulas = Named({"c", "a", "b"});
  Catalogue().Nebulas[0].Thumbnail.FileName = "thumb of c";
  Catalogue().DatabaseInfo.NumberOfItems = 3;
  Catalogue().Modified = false;
  Sort(ST_NameOfNebula, D_Up);
  EXPECT_EQ(Names(Catalogue().Nebulas), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Catalogue().Nebulas[2].IndexOfItem, 1);
  EXPECT_EQ(Catalogue().Nebulas[2].Thumbnail.FileName, "thumb of c");
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 3);

  for (int n : {0, 1}) {
    Catalogue().Nebulas = Named({"b", "a"});
    Catalogue().DatabaseInfo.NumberOfItems = n;
    Sort(ST_NameOfNebula, D_Up);
    EXPECT_EQ(Names(Catalogue().Nebulas), (std::vector<std::string>{"b", "a"}));
  }
}

}  // namespace
}  // namespace catalogue_test
