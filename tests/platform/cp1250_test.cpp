#include "platform/cp1250.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Assigned(int byte) { return byte < 0x80 || cp1250::kHighHalf[byte - 0x80] != 0; }

static_assert("Súbor"_cp == std::string_view("S\xFA" "bor"));
static_assert("Ľadová hmlovina"_cp.size() == 15);

TEST(Cp1250, EveryAssignedByteSurvivesARoundTrip) {
  int assigned = 0;
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    if (!Assigned(byte)) continue;
    ++assigned;
    const std::string one(1, static_cast<char>(byte));
    const cp1250::Conversion back = cp1250::FromUtf8(cp1250::ToUtf8(one));
    ASSERT_TRUE(back.ok) << "byte " << byte;
    EXPECT_EQ(back.text, one) << "byte " << byte;
    all += one;
  }
  EXPECT_EQ(assigned, 251);
  EXPECT_EQ(cp1250::FromUtf8(cp1250::ToUtf8(all)).text, all);
  // A few well-known letters land where Slovak text expects them.
  EXPECT_EQ(cp1250::ToUtf8("\x8A\x9A\xBC\xBE\xF4"), "ŠšĽľô");
}

TEST(Cp1250, UnassignedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(cp1250::ToUtf8("a\x81z"), "a\xEF\xBF\xBDz");
  EXPECT_EQ(cp1250::ToUtf8(std::string("\0", 1)), std::string("\0", 1));
}

TEST(Cp1250, RefusesCharactersOutsideTheSet) {
  struct Case {
    const char* utf8;
    size_t offset;
  };
  const Case cases[] = {
      {"ab日", 2},      // CJK
      {"ñ", 0},         // Spanish eñe: Windows-1250 has ń but not ñ
      {"ok😀", 2},      // four-byte sequence
      {"x\xEF\xBF\xBD", 1},  // the replacement character itself
  };
  for (const Case& c : cases) {
    const cp1250::Conversion result = cp1250::FromUtf8(c.utf8);
    EXPECT_FALSE(result.ok) << c.utf8;
    EXPECT_EQ(result.error_offset, c.offset) << c.utf8;
  }
}

TEST(Cp1250, RefusesMalformedUtf8) {
  const char* const malformed[] = {
      "\x80",              // continuation without a lead byte
      "a\xC3",             // truncated sequence
      "\xC3(",             // bad continuation
      "\xC0\xAF",          // overlong "/"
      "\xC1\x9C",          // overlong "\"
      "\xE0\x80\x80",      // overlong NUL
      "\xED\xA0\x80",      // UTF-16 surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xFF",
  };
  for (const char* text : malformed) EXPECT_FALSE(cp1250::FromUtf8(text).ok) << testing::PrintToString(text);
}

}  // namespace
