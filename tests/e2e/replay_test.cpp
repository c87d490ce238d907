// The harness's script parser and its Slovak keyboard table.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "tools/replay/replay.h"
#include "tools/replay/slovak_keys.h"

namespace replay {
namespace {

std::vector<Command> ParseOk(std::string_view text) {
  std::vector<Command> commands;
  ScriptError error;
  EXPECT_TRUE(Parse(text, commands, error)) << "line " << error.line << ": " << error.reason;
  return commands;
}

ScriptError ParseError(std::string_view text) {
  std::vector<Command> commands;
  ScriptError error;
  EXPECT_FALSE(Parse(text, commands, error)) << text;
  return error;
}

TEST(ReplayScript, CommandsCarryTheirArgumentsAndLines) {
  const auto c = ParseOk(
      "\xEF\xBB\xBF# comment\r\n\r\nclock 2024-02-29 23:59:58 utc-90\r\nstep 16\nframes 3\nwait 50\n"
      "move 1023 767\ndown LBUTTON\nup 65\npress OEM_PLUS\nclick 1 2\nrclick 3 4\ndblclick 5 6\n"
      "shot out/a b.bmp\ndump state.txt  \n");
  ASSERT_EQ(c.size(), 13u);
  EXPECT_EQ(c[0].op, Op::Clock);
  EXPECT_EQ(c[0].line, 3);
  EXPECT_EQ(c[0].utc.Year, 2024);
  EXPECT_EQ(c[0].utc.Day, 29);
  EXPECT_EQ(c[0].utc.Second, 58);
  EXPECT_EQ(c[0].offset_minutes, -90);
  EXPECT_EQ(c[1].a, 16);
  EXPECT_EQ(c[2].a, 3);
  EXPECT_EQ(c[3].op, Op::Wait);
  EXPECT_EQ(c[4].a, 1023);
  EXPECT_EQ(c[4].b, 767);
  EXPECT_EQ(c[5].a, 1);
  EXPECT_EQ(c[6].a, 65);
  EXPECT_EQ(c[7].a, 0xBB);
  EXPECT_EQ(c[10].op, Op::DblClick);
  EXPECT_EQ(c[11].file, "out/a b.bmp");
  EXPECT_EQ(c[12].file, "state.txt");
  EXPECT_EQ(c[12].line, 15);
  // Digit names are keys of the digit row; longer numbers are codes.
  EXPECT_EQ(ParseOk("press 7\n")[0].a, 0x37);
  EXPECT_EQ(ParseOk("press 27\n")[0].a, 27);
  EXPECT_EQ(ParseOk("wheel -3\n")[0].a, -3);
  EXPECT_EQ(ParseOk("wheel +2\n")[0].op, Op::Wheel);
}

TEST(ReplayScript, ErrorsNameTheLineAndTheReason) {
  struct Case {
    const char* script;
    int line;
    const char* reason;
  };
  const Case cases[] = {
      {"frames 1\nframes\n", 2, "takes 1 argument"},
      {"frames -1\n", 1, "whole number"},
      {"frames 1x\n", 1, "whole number"},
      {"step 0\n", 1, "between 1"},
      {"move 10\n", 1, "takes 2 arguments"},
      {"move 10 768\n", 1, "Y must lie between 0 and 767"},
      {"down 256\n", 1, "unknown key"},
      {"down 01x\n", 1, "unknown key"},
      {"down lbutton\n", 1, "unknown key"},
      {"clock 2026-13-01 00:00:00\n", 1, "no such date"},
      {"clock 2025-02-29 00:00:00\n", 1, "no such date"},
      {"clock 2026-01-01 24:00:00\n", 1, "no such time"},
      {"clock 2026-01-01 00:00\n", 1, "HH:MM:SS"},
      {"clock 2026-01-01 00:00:00 gmt+1\n", 1, "utc+M"},
      {"clock 1600-12-31 00:00:00\n", 1, "no such date"},
      {"shot\n", 1, "needs a file name"},
      {"type ok\ntype \xE2\x82\xAC\n", 2, "cannot type"},
      {"type \xE6\x97\xA5\n", 1, "outside Windows-1250"},
      {"frames 1\n\xFF\n", 2, "not valid UTF-8"},
      {"Frames 1\n", 1, "unknown command"},
      {"wheel 0\n", 1, "but 0"},
      {"wheel 1001\n", 1, "from -1000 to 1000"},
  };
  for (const Case& c : cases) {
    const ScriptError e = ParseError(c.script);
    EXPECT_EQ(e.line, c.line) << c.script;
    EXPECT_NE(e.reason.find(c.reason), std::string::npos) << c.script << " gave: " << e.reason;
  }
}

TEST(ReplayScript, TypeKeepsTheRestOfTheLineAsWritten) {
  const auto c = ParseOk("type  a \n");
  ASSERT_EQ(c.size(), 1u);
  // " a " after the separating space: space, a, space.
  EXPECT_EQ(c[0].keys, (std::vector<uint8_t>{32, 65, 32}));
  EXPECT_EQ(c[0].shifts, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(ParseOk("type\n")[0].keys.empty());
}

std::vector<KeyStroke> Keys(std::string_view utf8) {
  const cp1250::Conversion c = cp1250::FromUtf8(utf8);
  EXPECT_TRUE(c.ok && c.text.size() == 1) << utf8;
  auto keys = KeysFor(static_cast<unsigned char>(c.text[0]));
  EXPECT_TRUE(keys.has_value()) << utf8;
  return keys.value_or(std::vector<KeyStroke>{});
}

bool Same(const std::vector<KeyStroke>& a, const std::vector<KeyStroke>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].Key != b[i].Key || a[i].Shift != b[i].Shift) return false;
  return true;
}

TEST(SlovakKeys, SingleKeysAndShift) {
  EXPECT_TRUE(Same(Keys("a"), {{65, false}}));
  EXPECT_TRUE(Same(Keys("Z"), {{90, true}}));
  EXPECT_TRUE(Same(Keys("š"), {{51, false}}));
  EXPECT_TRUE(Same(Keys("3"), {{51, true}}));
  EXPECT_TRUE(Same(Keys("é"), {{48, false}})) << "one key beats the dead-key pair";
  EXPECT_TRUE(Same(Keys("ô"), {{186, false}}));
  EXPECT_TRUE(Same(Keys("°"), {{192, true}}));
  EXPECT_TRUE(Same(Keys("*"), {{106, false}}));
  EXPECT_TRUE(Same(Keys("-"), {{189, false}})) << "the main keyboard's minus key";
  EXPECT_TRUE(Same(Keys("!"), {{222, true}}));
}

TEST(SlovakKeys, DeadKeysForTheOtherAccents) {
  EXPECT_TRUE(Same(Keys("Á"), {{187, false}, {65, true}}));
  EXPECT_TRUE(Same(Keys("ó"), {{187, false}, {79, false}}));
  EXPECT_TRUE(Same(Keys("ň"), {{187, true}, {78, false}}));
  EXPECT_TRUE(Same(Keys("Ľ"), {{187, true}, {76, true}}));
  EXPECT_TRUE(Same(Keys("ď"), {{187, true}, {68, false}}));
  EXPECT_TRUE(Same(Keys("ŕ"), {{187, false}, {82, false}}));
}

TEST(SlovakKeys, EveryTypableByteAndNothingElse) {
  int typable = 0;
  for (int b = 1; b < 256; ++b)
    if (KeysFor(static_cast<unsigned char>(b))) ++typable;
  EXPECT_FALSE(KeysFor('\t').has_value());
  EXPECT_FALSE(KeysFor(0xA9).has_value()) << "the copyright sign";
  EXPECT_FALSE(KeysFor(0x92).has_value()) << "the lone acute mark needs two presses";
  EXPECT_FALSE(KeysFor('~').has_value()) << "no tilde in the layout's table";
  EXPECT_FALSE(KeysFor('@').has_value());
  EXPECT_FALSE(KeysFor(0xAD).has_value()) << "the soft hyphen";
  // Letters, digits and signs of the main keys and the pad, and the accented
  // letters of the two dead keys.
  EXPECT_EQ(typable, 126);
}

}  // namespace
}  // namespace replay
