#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "catalogue/cv_number_text.h"

namespace {

TEST(NumberText, WholeNumbers) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {"12", true, 12},          {"-7", true, -7},          {"+7", true, 7},
      {"$1F", true, 31},         {"x1f", true, 31},         {"X1F", true, 31},
      {"0x1f", true, 31},        {"0X1F", true, 31},        {"-$1F", true, -31},
      {"%101", true, 5},         {"&17", true, 15},         {" \t 42", true, 42},
      {"0", true, 0},            {"007", true, 7},          {"2147483647", true, 2147483647},
      {"-2147483648", true, std::numeric_limits<int32_t>::min()},
      {"$7FFFFFFF", true, 2147483647},
      {"-$80000000", true, std::numeric_limits<int32_t>::min()},
      {"12a", false, 0},         {"", false, 0},            {"  ", false, 0},
      {"-", false, 0},           {"$", false, 0},           {"0x", false, 0},
      {"%102", false, 0},        {"&8", false, 0},          {"1f", false, 0},
      {"12 ", false, 0},         {"1.0", false, 0},         {"1e2", false, 0},
      {"2147483648", false, 0},  {"-2147483649", false, 0}, {"$80000000", false, 0},
      {"$FFFFFFFF", false, 0},   {"99999999999999999999", false, 0},
      {"--1", false, 0},         {"$-1", false, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 1234;
    EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.ok ? c.value : 1234) << '"' << c.text << '"';
  }
}

TEST(NumberText, RealNumbers) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {
      {"5.5", true, 5.5},     {".5", true, 0.5},       {"5.", true, 5.0},          {"1e2", true, 100},
      {"1E+2", true, 100},    {"-2.5e-1", true, -0.25}, {"+3", true, 3},           {" \t-0.125", true, -0.125},
      {"1e-400", true, 0.0},  {"0.000e999", true, 0.0}, {"5.58333", true, 5.58333},
      {"5,5", false, 0},      {"", false, 0},          {" ", false, 0},            {".", false, 0},
      {"-.", false, 0},       {"e2", false, 0},        {"1e", false, 0},           {"1e+", false, 0},
      {"5.5 ", false, 0},     {"5.5x", false, 0},      {"1e400", false, 0},        {"inf", false, 0},
      {"nan", false, 0},      {"0x10", false, 0},      {"--1", false, 0},          {"1.2.3", false, 0},
  };
  for (const Case& c : cases) {
    double value = 1234;
    EXPECT_EQ(ParseRealNumber(c.text, value), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(value, c.ok ? c.value : 1234) << '"' << c.text << '"';
  }
}

TEST(NumberText, ThreeDecimalsForShowingExactForEditing) {
  EXPECT_EQ(ThreeDecimals(12.5), "12.500");
  EXPECT_EQ(ThreeDecimals(-0.25), "-0.250");
  EXPECT_EQ(ThreeDecimals(5.58333), "5.583");
  EXPECT_EQ(ThreeDecimals(1.0005), "1.000");  // 1.0005 is stored a little below
  EXPECT_EQ(ThreeDecimals(-0.0001), "0.000");
  EXPECT_EQ(ThreeDecimals(1e20), "100000000000000000000.000");

  EXPECT_EQ(ExactDecimals(5.5), "5.500");
  EXPECT_EQ(ExactDecimals(-0.25), "-0.250");
  EXPECT_EQ(ExactDecimals(5.58333), "5.58333");
  EXPECT_EQ(ExactDecimals(0.1), "0.100");
  // Every finite double comes back bit for bit, whatever its size.
  std::mt19937_64 random(3);
  for (int i = 0; i < 20000; ++i) {
    uint64_t bits = random();
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    if (i % 2) value = static_cast<double>(static_cast<int64_t>(bits % 2000000) - 1000000) / 7.0;
    if (!std::isfinite(value)) continue;
    const std::string text = ExactDecimals(value);
    double back = 0;
    ASSERT_TRUE(ParseRealNumber(text, back)) << text;
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    if (std::fabs(value) < 1e9 && std::fabs(value) >= 1e-3) {
      ASSERT_EQ(text.find('e'), std::string::npos) << text;
    }
  }
}

// Every numeric field reads and shows its numbers through these: under a
// locale whose decimal separator is a comma, the program's own texts must
// still read back.
TEST(NumberText, ReadAndWrittenWithAPointUnderACommaLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  // Windows names its locales differently; "Slovak" has the decimal comma too.
  if (std::setlocale(LC_ALL, "sk_SK.UTF-8") == nullptr && std::setlocale(LC_ALL, "Slovak") == nullptr)
    GTEST_SKIP() << "the sk_SK.UTF-8 locale is not installed";
  char c_library[16];
  std::snprintf(c_library, sizeof c_library, "%.1f", 1.5);
  EXPECT_STREQ(c_library, "1,5") << "not a comma locale: the test proves nothing";

  EXPECT_EQ(FixedDecimals(48.1486, 5), "48.14860");
  EXPECT_EQ(FixedDecimals(-5.39, 5), "-5.39000");
  EXPECT_EQ(FixedDecimals(-0.000001, 5), "0.00000");
  EXPECT_EQ(FixedDecimals(17.25, 0), "17");
  EXPECT_EQ(ThreeDecimals(-5.39), "-5.390");
  EXPECT_EQ(ExactDecimals(48.1486), "48.1486");
  for (const double value : {48.1486, -5.39, 17.0, -179.99999, 0.00001}) {
    double back = 0;
    ASSERT_TRUE(ParseRealNumber(FixedDecimals(value, 5), back)) << value;
    EXPECT_EQ(back, value);
  }
  double real = 0;
  EXPECT_FALSE(ParseRealNumber("48,1486", real));
  EXPECT_TRUE(ParseRealNumber("-1.5e1", real));
  EXPECT_EQ(real, -15.0);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
