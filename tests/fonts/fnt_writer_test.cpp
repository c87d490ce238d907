#include "tools/fnt_writer/fnt_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fnt_file.h"
#include "screen.h"

namespace fonts_test {
namespace {

constexpr uint16_t kHeight = 7;

// Five glyphs 'A'..'E' whose shapes exercise byte-column packing: a 10-pixel
// glyph spills two bits into a second column, one is blank, one is 16 wide.
fnt_writer::Face TestFace(uint16_t version) {
  fnt_writer::Face f;
  f.version = version;
  f.first_char = 'A';
  f.last_char = 'E';
  f.pix_height = kHeight;
  f.ascent = 6;
  f.default_char = 'C';
  f.break_char = 'B';
  const uint16_t widths[] = {10, 3, 1, 16, 8};
  for (int i = 0; i < 5; ++i) {
    fnt_writer::Glyph g;
    g.width = widths[i];
    if (i != 1) {
      g.pixels.resize(size_t(g.width) * kHeight);
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < g.width; ++x)
          g.pixels[size_t(y) * g.width + x] = (x * 3 + y * (i + 1)) % 4 == 0 || x == g.width - 1;
    }
    f.glyphs.push_back(g);
  }
  return f;
}

bool SourceInk(const fnt_writer::Face& f, uint8_t code, int x, int y) {
  const fnt_writer::Glyph& g = f.glyphs[code - f.first_char];
  return !g.pixels.empty() && g.pixels[size_t(y) * g.width + x] != 0;
}

std::string WriteTemp(const fnt_writer::Face& face, const std::string& name) {
  EXPECT_TRUE(fnt_writer::WriteFile(face, name));
  return name;
}

class WriterVersion : public testing::TestWithParam<uint16_t> {};

TEST_P(WriterVersion, HeaderTableAndBitmapsFollowThePublishedLayout) {
  fnt_writer::Face face = TestFace(GetParam());
  face.copyright = std::string(70, 'c');
  auto file = ParseFnt(fnt_writer::Write(face));
  ASSERT_TRUE(file);
  const bool v3 = GetParam() == 0x300;

  EXPECT_EQ(file->version, GetParam());
  EXPECT_EQ(file->U32(2), file->bytes.size());
  EXPECT_EQ(file->bytes[6 + 59], 'c');
  EXPECT_EQ(file->U16(66), 0);  // dfType survives an over-long copyright
  EXPECT_EQ(file->pix_width, 0);
  EXPECT_EQ(file->pix_height, kHeight);
  EXPECT_EQ(file->bytes[90] & 1, 1);  // variable pitch
  EXPECT_EQ(file->U16(93), 16);       // dfMaxWidth
  EXPECT_EQ(file->first, 'A');
  EXPECT_EQ(file->last, 'E');
  EXPECT_EQ(file->default_char, 'C');
  EXPECT_EQ(file->break_char, 'B');
  if (v3) {
    EXPECT_EQ(file->U32(118), 0x12u);  // DFF_PROPORTIONAL | DFF_1COLOR
  }

  // Five entries and the sentinel, then the bitmaps.
  EXPECT_EQ(file->bits_offset, file->HeaderSize() + file->EntrySize() * 6);
  for (uint8_t c = 'A'; c <= 'E'; ++c) {
    ASSERT_EQ(file->Width(c), face.glyphs[c - 'A'].width);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < file->Width(c); ++x)
        ASSERT_EQ(file->Ink(c, x, y), SourceInk(face, c, x, y)) << c << " " << x << "," << y;
  }
  EXPECT_EQ(file->EntryOffset(1) - file->EntryOffset(0), 2u * kHeight);  // 10 px: two columns
  const uint32_t sentinel = file->EntryOffset(5);
  EXPECT_GT(file->EntryWidth(5), 0);
  for (size_t i = 0; i < (file->EntryWidth(5) + 7u) / 8u * kHeight; ++i)
    EXPECT_EQ(file->bytes.at(sentinel + i), 0);

  const uint32_t face_at = file->U32(105);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file->bytes.at(face_at))), "Corvala");
  EXPECT_EQ(face_at + 8, file->bytes.size());
}

TEST_P(WriterVersion, LoaderReadsWhatTheWriterWrote) {
  Screen screen;
  const fnt_writer::Face face = TestFace(GetParam());
  // Named per version: ctest runs the cases side by side in one folder.
  const std::string path =
      WriteTemp(face, "fonts_test_roundtrip_" + std::to_string(GetParam()) + ".fnt");
  LoadedFont loaded(path);
  std::remove(path.c_str());
  ASSERT_EQ(loaded.result, 0);
  const TFont& f = loaded.font;
  ASSERT_TRUE(f.Loaded);
  EXPECT_EQ(f.Version, GetParam());
  EXPECT_EQ(f.PixHeight, kHeight);
  EXPECT_EQ(f.FirstChar, 'A');
  EXPECT_EQ(f.LastChar, 'E');
  EXPECT_EQ(f.DefaultChar, 'C');
  EXPECT_EQ(f.BreakChar, 'B');

  EXPECT_EQ(GetTextLength(f, "ABCDE"), 10u + 3 + 1 + 16 + 8);
  EXPECT_EQ(GetTextLength(f, "\n"), 1u);  // below FirstChar: the default character

  // Every glyph drawn alone matches its source pixels and nothing spills around it.
  for (uint8_t c = 'A'; c <= 'E'; ++c) {
    screen.Clear();
    WriteText(20, 30, f, std::string(1, char(c)));
    const int w = face.glyphs[c - 'A'].width;
    for (int y = -2; y < kHeight + 2; ++y)
      for (int x = -2; x < w + 2; ++x) {
        const bool inside = x >= 0 && x < w && y >= 0 && y < kHeight;
        ASSERT_EQ(screen.Ink(20 + x, 30 + y), inside && SourceInk(face, c, x, y))
            << c << " " << x << "," << y;
      }
  }

  // Glyphs follow one another without spacing.
  screen.Clear();
  WriteText(0, 0, f, "EA");
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(screen.Ink(8 + x, y), SourceInk(face, 'A', x, y));
}

INSTANTIATE_TEST_SUITE_P(Versions, WriterVersion, testing::Values(uint16_t{0x200}, uint16_t{0x300}),
                         [](const auto& info) { return info.param == 0x200 ? "V2" : "V3"; });

// One glyph of 8 x `columns` pixels, 100 rows high: `columns` x 100 bitmap bytes.
fnt_writer::Face WideFace(uint16_t version, uint16_t columns) {
  fnt_writer::Face f;
  f.version = version;
  f.first_char = f.last_char = f.default_char = f.break_char = 'W';
  f.pix_height = 100;
  fnt_writer::Glyph g;
  g.width = static_cast<uint16_t>(8 * columns);
  g.pixels.assign(size_t(g.width) * f.pix_height, 0);
  g.pixels[size_t(f.pix_height - 1) * g.width + g.width - 1] = 1;  // the very last pixel
  f.glyphs.push_back(g);
  return f;
}

TEST(FntWriter, VersionTwoRefusesBitmapsBeyondSixteenBitOffsets) {
  // 118 + 2 x 4 table bytes, the glyph, the one-column sentinel (x absent: average = 8 x columns).
  EXPECT_TRUE(fnt_writer::Write(WideFace(0x200, 327)).size() > 0);
  EXPECT_TRUE(fnt_writer::Write(WideFace(0x200, 400)).empty());
  EXPECT_FALSE(fnt_writer::WriteFile(WideFace(0x200, 400), "fonts_test_refused.fnt"));
  EXPECT_FALSE(std::remove("fonts_test_refused.fnt") == 0);

  // Version 3.0 takes it, and the loader finds the last pixel past 64 KiB.
  Screen screen;
  const std::string path = WriteTemp(WideFace(0x300, 400), "fonts_test_wide.fnt");
  LoadedFont loaded(path);
  std::remove(path.c_str());
  ASSERT_EQ(loaded.result, 0);
  WriteText(0, 0, loaded.font, "W");
  EXPECT_EQ(screen.CountInk(0, 0, SCREEN_WIDTH, 100), 0);  // the pixel lies at x = 3199, off screen
  WriteText(-3200 + 10, 0, loaded.font, "W");
  EXPECT_TRUE(screen.Ink(9, 99));
  EXPECT_EQ(screen.CountInk(0, 0, SCREEN_WIDTH, 100), 1);
}

TEST(FntWriter, FixedPitchIsWrittenAsSuchAndRefusedByTheLoader) {
  fnt_writer::Face face = TestFace(0x300);
  face.pix_width = 8;
  for (auto& g : face.glyphs) {
    g.width = 8;
    g.pixels.clear();
  }
  auto file = ParseFnt(fnt_writer::Write(face));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->pix_width, 8);
  EXPECT_EQ(file->bytes[90] & 1, 0);
  EXPECT_EQ(file->U32(118), 0x11u);  // DFF_FIXED | DFF_1COLOR

  Screen screen;
  const std::string path = WriteTemp(face, "fonts_test_fixed.fnt");
  LoadedFont loaded(path);
  std::remove(path.c_str());
  EXPECT_EQ(loaded.result, 2);
  EXPECT_FALSE(loaded.font.Loaded);
}

}  // namespace
}  // namespace fonts_test
