#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fnt_file.h"
#include "platform/cp1250.h"
#include "screen.h"
#include "tools/fntgen/fntgen.h"

namespace fonts_test {
namespace {

struct Expected {
  const char* file;
  uint16_t min_height;
  uint16_t max_height;
};

std::string FontPath(const char* file) {
  return std::string(CORVALA_SOURCE_DIR) + "/data/Fonts/" + file;
}

// Every letter of Slovak and Czech beyond ASCII, both cases.
constexpr std::string_view kLetters = "áäčďéíĺľňóôŕšťúýžěřůÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽĚŘŮ"_cp;

class ProgramFont : public testing::TestWithParam<Expected> {
 protected:
  void SetUp() override {
    auto parsed = ParseFnt(ReadBytes(FontPath(GetParam().file)));
    ASSERT_TRUE(parsed) << GetParam().file;
    file_ = std::move(*parsed);
  }
  FntFile file_;
};

TEST_P(ProgramFont, LoadsAsAVariablePitchWindows1250Font) {
  Screen screen;
  LoadedFont loaded(FontPath(GetParam().file));
  ASSERT_EQ(loaded.result, 0);
  const TFont& f = loaded.font;
  EXPECT_EQ(f.Version, 0x300);
  EXPECT_EQ(file_.pix_width, 0);
  EXPECT_EQ(file_.U32(2), file_.bytes.size());
  EXPECT_GE(f.PixHeight, GetParam().min_height);
  EXPECT_LE(f.PixHeight, GetParam().max_height);
  EXPECT_EQ(f.FirstChar, 32);
  EXPECT_EQ(f.LastChar, 255);
  EXPECT_EQ(f.BreakChar, ' ');
  EXPECT_GT(GetTextLength(f, " "), 0u);
  EXPECT_LT(GetTextLength(f, "i"), GetTextLength(f, "m"));

  // Control codes and the unassigned bytes all show the default character, which has ink.
  const std::string default_char(1, char(f.DefaultChar));
  EXPECT_TRUE(file_.HasInk(f.DefaultChar));
  for (char c : std::string_view("\x01\x0A\x1F\x7F\x81\x83\x88\x90\x98", 9)) {
    EXPECT_EQ(GetTextLength(f, std::string(1, c)), GetTextLength(f, default_char));
    if (uint8_t(c) >= 32) {
      EXPECT_EQ(file_.TopRow(c), file_.TopRow(f.DefaultChar));
    }
  }
  // Every character of the set has a width, and every one but the spaces has ink.
  for (int code = 32; code <= 255; ++code) {
    EXPECT_GT(file_.Width(uint8_t(code)), 0) << code;
    if (code != ' ' && code != 0xA0 && code != 0xAD) {
      EXPECT_TRUE(file_.HasInk(uint8_t(code))) << code;
    }
  }
}

TEST_P(ProgramFont, SlovakAndCzechLettersAreDrawnWithTheirMarks) {
  Screen screen;
  LoadedFont loaded(FontPath(GetParam().file));
  ASSERT_EQ(loaded.result, 0);
  for (char c : kLetters) {
    const std::string text(1, c);
    const uint32_t width = GetTextLength(loaded.font, text);
    ASSERT_GT(width, 0u) << cp1250::ToUtf8(text);
    screen.Clear();
    WriteText(10, 10, loaded.font, text);
    EXPECT_GT(screen.CountInk(10, 10, int(width), loaded.font.PixHeight), 0) << cp1250::ToUtf8(text);
  }
  // A mark above a letter stands above the bare letter's top.
  const std::pair<std::string_view, std::string_view> marked[] = {
      {"á"_cp, "a"_cp}, {"č"_cp, "c"_cp}, {"ô"_cp, "o"_cp}, {"ů"_cp, "u"_cp}, {"ĺ"_cp, "l"_cp},
      {"Č"_cp, "C"_cp}, {"Á"_cp, "A"_cp}, {"Ô"_cp, "O"_cp}, {"Ů"_cp, "U"_cp}, {"Ř"_cp, "R"_cp},
      {"Ĺ"_cp, "L"_cp}, {"Š"_cp, "S"_cp}, {"Ž"_cp, "Z"_cp}, {"Ě"_cp, "E"_cp}, {"Í"_cp, "I"_cp}};
  for (auto [with, bare] : marked) {
    const auto top = file_.TopRow(uint8_t(with[0]));
    ASSERT_TRUE(top);
    EXPECT_LT(*top, *file_.TopRow(uint8_t(bare[0]))) << cp1250::ToUtf8(with);
  }
}

TEST_P(ProgramFont, LettersShareOneBaseline) {
  const int baseline = *file_.BottomRow('x');
  EXPECT_EQ(baseline, file_.ascent - 1);
  for (char c : std::string_view("aenzHINZ")) EXPECT_EQ(file_.BottomRow(uint8_t(c)), baseline) << c;
  for (char c : std::string_view("čňžŠŽ"_cp)) EXPECT_EQ(file_.BottomRow(uint8_t(c)), baseline);
  for (char c : std::string_view("gpy"))
    EXPECT_GT(*file_.BottomRow(uint8_t(c)), baseline + 1) << c << " has no descender";
}

TEST_P(ProgramFont, RegeneratingGivesTheCommittedBytes) {
  for (const fntgen::Request& request : fntgen::ProgramFonts()) {
    if (request.output != GetParam().file) continue;
    for (const std::string& source : {request.source, request.fallback})
      if (!source.empty() && !std::filesystem::exists(source))
        GTEST_SKIP() << source << " is not installed";
    fnt_writer::Face face;
    std::string error;
    ASSERT_TRUE(fntgen::Render(request, face, error)) << error;
    EXPECT_TRUE(fnt_writer::Write(face) == file_.bytes)
        << GetParam().file << " differs from a fresh rendering; run scripts/regen-fonts.sh";
    return;
  }
  FAIL() << GetParam().file << " is not among the generated fonts";
}

INSTANTIATE_TEST_SUITE_P(
    Six, ProgramFont,
    testing::Values(Expected{"Tahoma_10pt_normal.fnt", 12, 17}, Expected{"TNR_11pt_normal.fnt", 14, 19},
                    Expected{"TNR_11pt_bold.fnt", 14, 19}, Expected{"Garamond_12pt_normal.fnt", 15, 21},
                    Expected{"TNR_9pt_normal.fnt", 12, 16}, Expected{"TNR_14pt_bold.fnt", 18, 24}),
    [](const auto& info) {
      std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

}  // namespace
}  // namespace fonts_test
