#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "platform/cp1250.h"
#include "tests/rastrix/rastrix_fixture.h"
#include "tests/rastrix/reference.h"
#include "tests/support/bmp_builder.h"
#include "tools/fnt_writer/fnt_writer.h"

namespace {

// A proportional face whose glyph for code c is 3 + c % 10 pixels wide (some
// need two byte columns) with a pattern that differs from code to code.
fnt_writer::Face TestFace(uint16_t version, uint16_t height = 13, uint8_t first = 32, uint8_t last = 255) {
  fnt_writer::Face face;
  face.version = version;
  face.pix_height = height;
  face.first_char = first;
  face.last_char = last;
  face.default_char = '?';
  face.break_char = ' ';
  for (int c = first; c <= last; ++c) {
    fnt_writer::Glyph g;
    g.width = static_cast<uint16_t>(3 + c % 10);
    g.pixels.resize(size_t(g.width) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < g.width; ++x) g.pixels[size_t(y) * g.width + x] = (x * 7 + y * 3 + c) % 5 < 2;
    face.glyphs.push_back(g);
  }
  return face;
}

// The text as the face says it looks, drawn pixel by pixel on the reference.
void ReferenceText(ReferenceScreen& ref, const fnt_writer::Face& face, int64_t x, int64_t y, std::string_view text) {
  for (unsigned char ch : text) {
    int code = ch;
    if (code < face.first_char || code > face.last_char) code = face.default_char;
    const fnt_writer::Glyph& g = face.glyphs[code - face.first_char];
    for (int r = 0; r < face.pix_height; ++r)
      for (int c = 0; c < g.width; ++c)
        if (!g.pixels.empty() && g.pixels[size_t(r) * g.width + c]) ref.Pixel(x + c, y + r);
    x += g.width;
  }
}

}  // namespace

class FntTest : public RastrixTest {
 protected:
  void TearDown() override {
    FreeFNTFont(font_);
    RastrixTest::TearDown();
  }
  uint8_t Load(const std::vector<uint8_t>& bytes) {
    const std::string path = PathOf("f.fnt");
    EXPECT_TRUE(test_support::WriteBytes(path, bytes));
    uint8_t result = 99;
    LoadFNTFont(path, font_, result);
    return result;
  }
  void ExpectScreenIs(const ReferenceScreen& ref) {
    for (size_t i = 0; i < SCREEN_BYTES; ++i)
      ASSERT_EQ(VirtualScreen[i], ref.bytes[i]) << "pixel " << (i / 4) % 1024 << "," << i / 4096;
  }
  TFont font_;
};

TEST_F(FntTest, LoadsBothVersionsAndRegistersTheFontOnce) {
  for (uint16_t version : {0x200, 0x300}) {
    ASSERT_EQ(Load(fnt_writer::Write(TestFace(version, 14, 30, 200))), 0) << version;
    EXPECT_TRUE(font_.Loaded);
    EXPECT_EQ(font_.Version, version);
    EXPECT_EQ(font_.PixHeight, 14);
    EXPECT_EQ(font_.FirstChar, 30);
    EXPECT_EQ(font_.LastChar, 200);
    EXPECT_EQ(font_.DefaultChar, '?');
    EXPECT_EQ(font_.BreakChar, ' ');
    EXPECT_EQ(font_.FileName, PathOf("f"));
    EXPECT_EQ(std::count(LoadedFonts.begin(), LoadedFonts.end(), &font_), 1);
    EXPECT_EQ(GetTextLength(font_, "AB"), uint32_t(3 + 'A' % 10 + 3 + 'B' % 10));
  }
  FreeFNTFont(font_);
  EXPECT_EQ(std::count(LoadedFonts.begin(), LoadedFonts.end(), &font_), 0);
  EXPECT_EQ(GetTextLength(font_, "AB"), 0u);
}

TEST_F(FntTest, TextIsDrawnGlyphByGlyphInBothVersionsAndEveryClip) {
  const std::string text = "Súbor s obrázkom, 10 ks"_cps + " \x01\xff!";
  for (uint16_t version : {0x200, 0x300}) {
    const fnt_writer::Face face = TestFace(version);
    ASSERT_EQ(Load(fnt_writer::Write(face)), 0);
    const TViewport viewports[] = {{0, 0, 1023, 767}, {25, 3, 60, 9}, {0, 0, 0, 0}, {900, 700, 1023, 767}};
    const int positions[][2] = {{10, 5}, {-7, -4}, {20, 0}, {1000, 760}, {-300, 100}, {30, -12}};
    for (const TViewport& v : viewports)
      for (const auto& p : positions)
        for (uint8_t alpha : {0, 90}) {
          ClearVirtualScreen();
          for (size_t i = 0; i < SCREEN_BYTES; i += 5) VirtualScreen[i] = uint8_t(i >> 4);
          ReferenceScreen ref;
          std::memcpy(ref.bytes.data(), VirtualScreen, SCREEN_BYTES);
          SetViewport(v.X1, v.Y1, v.X2, v.Y2);
          SetColor(250, 120, 30, alpha);
          ref.viewport = Viewport;
          ref.color = Color;
          WriteText(p[0], p[1], font_, text);
          ReferenceText(ref, face, p[0], p[1], text);
          ExpectScreenIs(ref);
        }
  }
}

TEST_F(FntTest, OnlyTheBitsInsideTheGlyphWidthAreDrawn) {
  fnt_writer::Face face = TestFace(0x300, 4, 'A', 'C');
  face.default_char = 'A';
  face.glyphs[1].width = 10;  // 'B': two byte columns
  face.glyphs[1].pixels.assign(40, 0);
  std::vector<uint8_t> bytes = fnt_writer::Write(face);
  // Fill B's second byte column entirely, the six bits beyond the width included.
  const size_t table = fnt_writer::offsets::kHeader3 + 6;
  const uint32_t offset = bytes[table + 2] | bytes[table + 3] << 8 | bytes[table + 4] << 16;
  std::memset(bytes.data() + offset + 4, 0xFF, 4);
  ASSERT_EQ(Load(bytes), 0);
  SetColor(255, 255, 255, 0);
  WriteText(0, 0, font_, "B");
  Points expected;
  for (int y = 0; y < 4; ++y) expected.insert(expected.end(), {{8, y}, {9, y}});
  EXPECT_EQ(TouchedPixels(), expected);
}

TEST_F(FntTest, CodesOutsideTheFontUseTheDefaultCharacter) {
  const fnt_writer::Face face = TestFace(0x200, 13, 32, 126);
  ASSERT_EQ(Load(fnt_writer::Write(face)), 0);
  EXPECT_EQ(GetTextLength(font_, "\n"), GetTextLength(font_, "?"));
  EXPECT_EQ(GetTextLength(font_, "\xe1"), GetTextLength(font_, "?"));
  SetColor(255, 255, 255, 0);
  WriteText(0, 0, font_, "\n");
  const Points drawn = TouchedPixels();
  ClearVirtualScreen();
  WriteText(0, 0, font_, "?");
  EXPECT_EQ(TouchedPixels(), drawn);
  EXPECT_FALSE(drawn.empty());
  EXPECT_EQ(GetTextLength(font_, ""), 0u);
}

TEST_F(FntTest, ADefaultCharacterOutsideTheFontFallsBackToAPresentGlyph) {
  fnt_writer::Face face = TestFace(0x300, 13, 32, 126);
  face.default_char = 200;
  ASSERT_EQ(Load(fnt_writer::Write(face)), 0);
  EXPECT_EQ(GetTextLength(font_, "\x05"), GetTextLength(font_, " "));
  face.default_char = 10;
  face.break_char = 5;
  ASSERT_EQ(Load(fnt_writer::Write(face)), 0);
  EXPECT_EQ(GetTextLength(font_, "\x05\xf0"), 2 * GetTextLength(font_, " "));
}

TEST_F(FntTest, WrappedTextSkipsTooWideWordsAndKeepsEmptyWords) {
  // Glyphs: 'a' is 10 wide, 'W' 50 wide, the space 4 wide.
  fnt_writer::Face face;
  face.version = 0x300;
  face.pix_height = 6;
  face.first_char = ' ';
  face.last_char = 'a';
  face.default_char = ' ';
  for (int c = ' '; c <= 'a'; ++c) {
    fnt_writer::Glyph g;
    g.width = c == 'a' ? 10 : c == 'W' ? 50 : c == ' ' ? 4 : 1;
    g.pixels.assign(size_t(g.width) * 6, c != ' ');
    face.glyphs.push_back(g);
  }
  ASSERT_EQ(Load(fnt_writer::Write(face)), 0);
  SetColor(255, 255, 255, 0);
  WriteAlignedText(100, 200, 100, font_, "aa WWW a");
  // "aa" at (100, 200); "WWW" is 150 wide: not drawn, next line; "a" at (100, 206).
  for (int x = 100; x < 120; ++x) EXPECT_TRUE(Touched(x, 200)) << x;
  EXPECT_FALSE(Touched(120, 200));
  for (int x = 100; x < 110; ++x) EXPECT_TRUE(Touched(x, 206)) << x;
  EXPECT_FALSE(Touched(110, 206));
  EXPECT_EQ(TouchedPixels().size(), size_t(30 * 6));

  ClearVirtualScreen();
  WriteAlignedText(100, 200, 100, font_, " a");
  EXPECT_FALSE(Touched(103, 200));
  EXPECT_TRUE(Touched(104, 200)) << "a leading space is an empty word followed by one gap";

  ClearVirtualScreen();
  // 10 + 4 + 10 + 4 + ... : the sixth word would end at 100 + 6 * 14 + 10 = 194 <= 200.
  WriteAlignedText(100, 200, 100, font_, "a a a a a a a a");
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(Touched(100 + 14 * i, 200)) << i;
  EXPECT_TRUE(Touched(100, 206));
  EXPECT_FALSE(Touched(114, 206));
  EXPECT_EQ(TouchedPixels().size(), size_t(8 * 10 * 6));

  ClearVirtualScreen();
  WriteAlignedText(0, 0, 100, font_, "");
  WriteAlignedText(0, 0, -1, font_, "a");
  EXPECT_TRUE(TouchedPixels().empty());
}

TEST_F(FntTest, RefusedFontsAndTheirCodes) {
  const std::vector<uint8_t> good = fnt_writer::Write(TestFace(0x300));
  auto patched = [&](size_t at, uint32_t value, int bytes) {
    std::vector<uint8_t> f = good;
    for (int i = 0; i < bytes; ++i) f[at + i] = uint8_t(value >> (8 * i));
    return f;
  };
  namespace o = fnt_writer::offsets;
  fnt_writer::Face fixed = TestFace(0x200);
  fixed.pix_width = 8;
  EXPECT_EQ(Load(fnt_writer::Write(fixed)), 2);
  EXPECT_EQ(Load(patched(o::kSize, 30000000, 4)), 3);
  host_.SetAvailableMemory(1000);
  EXPECT_EQ(Load(good), 4);
  host_.SetAvailableMemory(uint64_t{1} << 30);
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.begin() + 100)), 1) << "short header";
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.begin() + 130)), 1) << "short 3.0 header";
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.end() - 10)), 1) << "dfSize beyond the file";
  EXPECT_EQ(Load(patched(o::kSize, 500, 4)), 1) << "table beyond dfSize";
  EXPECT_EQ(Load(patched(o::kVersion, 0x100, 2)), 1);
  EXPECT_EQ(Load(patched(o::kPixHeight, 0, 2)), 1);
  EXPECT_EQ(Load(patched(o::kLastChar, 0x10, 1)), 1) << "first after last";
  EXPECT_EQ(Load(patched(o::kBitsOffset, 0xFFFFFF, 4)), 1) << "bits beyond dfSize";
  EXPECT_EQ(Load(patched(o::kHeader3 + 2, 5, 4)), 1) << "a glyph inside the header";
  EXPECT_EQ(Load(patched(o::kHeader3 + 2, uint32_t(good.size() - 3), 4)), 1) << "a glyph past the bits";
  EXPECT_FALSE(font_.Loaded);
  uint8_t result = 99;
  LoadFNTFont(PathOf("missing.fnt"), font_, result);
  EXPECT_EQ(result, 1);
  SetColor(255, 255, 255, 0);
  WriteText(0, 0, font_, "abc");
  EXPECT_TRUE(TouchedPixels().empty());
  EXPECT_EQ(GetTextLength(font_, "abc"), 0u);
}
