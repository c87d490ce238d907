#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/rastrix/rastrix_fixture.h"
#include "tests/support/bmp_builder.h"

using test_support::BmpOptions;
using test_support::BuildBmp24;
using test_support::BuildBmp8;
using test_support::Rgb;
namespace off = test_support::bmp_offsets;

namespace {

// A picture whose every pixel tells where it came from.
std::vector<Rgb> Gradient(int w, int h) {
  std::vector<Rgb> out(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      out[size_t(y) * w + x] = Rgb{uint8_t(x), uint8_t(x >> 8), uint8_t(y * 7 + (y >> 8))};
  return out;
}

Rgb PictureAt(const TPicture& p, uint32_t x, uint32_t y) {
  const uint8_t* q = p.PictureAdr + (size_t(y) * p.ImageWidth + x) * 4;
  return Rgb{q[0], q[1], q[2]};
}

uint8_t ReferenceBlendFor(int old, int colour, int alpha) {
  const double f = 1.0 - alpha / 255.0;
  return static_cast<uint8_t>(std::lround(old * (1.0 - f) + colour * f));
}

Rgb ScreenRgb(int x, int y) {
  const uint8_t* q = VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
  return Rgb{q[0], q[1], q[2]};
}

}  // namespace

class BmpTest : public RastrixTest {
 protected:
  void TearDown() override {
    FreeBMPPicture(picture_);
    RastrixTest::TearDown();
  }
  uint8_t Load(const std::vector<uint8_t>& bytes, int32_t max_w = 2147483647, int32_t max_h = 2147483647) {
    const std::string path = PathOf("p.bmp");
    EXPECT_TRUE(test_support::WriteBytes(path, bytes));
    uint8_t result = 99;
    LoadBMPPicture(path, picture_, max_w, max_h, result);
    return result;
  }
  void ExpectPicture(int w, int h, const std::vector<Rgb>& pixels) {
    ASSERT_TRUE(picture_.Loaded);
    ASSERT_EQ(picture_.ImageWidth, uint32_t(w));
    ASSERT_EQ(picture_.ImageHeight, uint32_t(h));
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(PictureAt(picture_, x, y), pixels[size_t(y) * w + x]) << x << "," << y;
  }
  TPicture picture_;
};

TEST_F(BmpTest, Reads24BitRowsBottomUpWithTheirPadding) {
  const std::vector<Rgb> pixels = Gradient(3, 4);
  const std::vector<uint8_t> file = BuildBmp24(3, 4, pixels);
  ASSERT_EQ(file.size(), 54u + 4 * 12) << "3 pixels wide: 9 bytes and 3 of padding per row";
  EXPECT_EQ(Load(file), 0);
  ExpectPicture(3, 4, pixels);
  EXPECT_EQ(picture_.FileName, PathOf("p"));
}

TEST_F(BmpTest, Reads8BitRowsThroughThePalette) {
  std::vector<Rgb> palette(256);
  for (int i = 0; i < 256; ++i) palette[i] = Rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)};
  const std::vector<uint8_t> indices = {0, 1, 2, 250, 251, 252, 7, 8, 9};
  const std::vector<uint8_t> file = BuildBmp8(3, 3, palette, indices);
  ASSERT_EQ(file.size(), 1078u + 3 * 4) << "3 pixels wide: one padding byte per row";
  EXPECT_EQ(Load(file), 0);
  std::vector<Rgb> expected;
  for (uint8_t i : indices) expected.push_back(palette[i]);
  ExpectPicture(3, 3, expected);
}

TEST_F(BmpTest, ReadsUnusualButValidLayouts) {
  const std::vector<Rgb> pixels = Gradient(5, 3);
  BmpOptions top_down;
  top_down.top_down = true;
  EXPECT_EQ(Load(BuildBmp24(5, 3, pixels, top_down)), 0);
  ExpectPicture(5, 3, pixels);

  BmpOptions larger;
  larger.info_size = 124;
  larger.extra_gap = 6;
  larger.pad_last_row = false;
  EXPECT_EQ(Load(BuildBmp24(5, 3, pixels, larger)), 0);
  ExpectPicture(5, 3, pixels);

  std::vector<uint8_t> no_offset = BuildBmp8(2, 2, {Rgb{1, 2, 3}, Rgb{4, 5, 6}}, {1, 0, 0, 1});
  test_support::Put32(no_offset, off::kDataOffset, 0);
  EXPECT_EQ(Load(no_offset), 0) << "a zero offset means the rows follow the palette";
  ExpectPicture(2, 2, {Rgb{4, 5, 6}, Rgb{1, 2, 3}, Rgb{1, 2, 3}, Rgb{4, 5, 6}});

  BmpOptions short_palette;
  short_palette.palette_entries = 2;
  EXPECT_EQ(Load(BuildBmp8(2, 2, {Rgb{1, 2, 3}, Rgb{4, 5, 6}}, {0, 1, 1, 9}, short_palette)), 0);
  ExpectPicture(2, 2, {Rgb{1, 2, 3}, Rgb{4, 5, 6}, Rgb{4, 5, 6}, Rgb{0, 0, 0}});
}

TEST_F(BmpTest, ScalingKeepsTheAspectAndNeverReachesZero) {
  std::vector<uint8_t> header = BuildBmp8(2000, 1000, {}, std::vector<uint8_t>(2000 * 1000, 0));
  EXPECT_EQ(Load(header, 200, 200), 0);
  EXPECT_EQ(picture_.ImageWidth, 200u);
  EXPECT_EQ(picture_.ImageHeight, 100u);
  EXPECT_EQ(Load(header, 1000, 100), 0);
  EXPECT_EQ(picture_.ImageWidth, 200u);
  EXPECT_EQ(picture_.ImageHeight, 100u);
  EXPECT_EQ(Load(BuildBmp8(1, 5000, {}, std::vector<uint8_t>(5000, 0)), 10, 10), 0);
  EXPECT_EQ(picture_.ImageWidth, 1u);
  EXPECT_EQ(picture_.ImageHeight, 10u);
  EXPECT_EQ(Load(BuildBmp8(300, 2, {}, std::vector<uint8_t>(600, 0)), 10, 10), 0);
  EXPECT_EQ(picture_.ImageWidth, 10u);
  EXPECT_EQ(picture_.ImageHeight, 1u) << "nearest(10 / 300 x 2) = 0 becomes 1";
  EXPECT_EQ(Load(BuildBmp8(4, 4, {}, std::vector<uint8_t>(16, 0)), -5, 0), 0);
  EXPECT_EQ(picture_.ImageWidth, 1u);
  EXPECT_EQ(picture_.ImageHeight, 1u);
}

TEST_F(BmpTest, ScaledLoadsSampleTheNearestSourceRowsAndColumns) {
  const int w = 301, h = 203;
  const std::vector<Rgb> pixels = Gradient(w, h);
  for (bool top_down : {false, true}) {
    BmpOptions o;
    o.top_down = top_down;
    ASSERT_EQ(Load(BuildBmp24(w, h, pixels, o), 40, 40), 0);
    const uint32_t tw = picture_.ImageWidth, th = picture_.ImageHeight;
    ASSERT_EQ(tw, 40u);
    ASSERT_EQ(th, 27u);  // nearest(40 / 301 x 203) = nearest(26.98)
    for (uint32_t ty = 0; ty < th; ++ty)
      for (uint32_t tx = 0; tx < tw; ++tx) {
        // Rows count from the bottom in the mapping, as the file stores them.
        const uint32_t from_bottom = th - 1 - ty;
        const long src_row_from_bottom = std::min<long>(std::lrint(double(h) / th * from_bottom), h - 1);
        const long sy = h - 1 - src_row_from_bottom;
        const long sx = std::min<long>(std::lrint(double(w) / tw * tx), w - 1);
        ASSERT_EQ(PictureAt(picture_, tx, ty), pixels[size_t(sy) * w + sx]) << tx << "," << ty << " " << top_down;
      }
  }
}

TEST_F(BmpTest, ResultCodesFollowTheCheckOrder) {
  std::vector<uint8_t> file = BuildBmp24(3000, 2000, std::vector<Rgb>(3000 * 2000));
  EXPECT_EQ(Load(file), 4);
  EXPECT_FALSE(picture_.Loaded);
  host_.SetAvailableMemory(1 << 20);
  EXPECT_EQ(Load(file), 5) << "too big and too little memory: the later check wins";
  EXPECT_EQ(Load(BuildBmp24(600, 600, std::vector<Rgb>(600 * 600))), 5);
  EXPECT_EQ(Load(BuildBmp24(600, 600, std::vector<Rgb>(600 * 600)), 100, 100), 0) << "the scaled size counts";
  host_.SetAvailableMemory(uint64_t{1} << 30);

  std::vector<uint8_t> small = BuildBmp24(4, 4, std::vector<Rgb>(16));
  test_support::Put32(small, off::kCompression, 1);
  EXPECT_EQ(Load(small), 2);
  test_support::Put16(small, off::kBitsPerPixel, 4);
  EXPECT_EQ(Load(small), 3) << "a compressed 4-bit file reports the later failure";
  test_support::Put32(small, off::kCompression, 0);
  test_support::Put16(small, off::kBitsPerPixel, 32);
  EXPECT_EQ(Load(small), 3);

  uint8_t result = 99;
  LoadBMPPicture(PathOf("missing.bmp"), picture_, result);
  EXPECT_EQ(result, 1);
  EXPECT_FALSE(picture_.Loaded);
}

TEST_F(BmpTest, BrokenFilesAreRefusedAsUnreadable) {
  const std::vector<uint8_t> good = BuildBmp24(5, 4, Gradient(5, 4));
  auto patched = [&](size_t at, uint32_t value) {
    std::vector<uint8_t> f = good;
    test_support::Put32(f, at, value);
    return f;
  };
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.begin() + 53)), 1) << "short header";
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.end() - 4)), 1) << "missing pixel bytes";
  EXPECT_EQ(Load(std::vector<uint8_t>(good.begin(), good.begin() + 54)), 1) << "no rows at all";
  EXPECT_EQ(Load(patched(off::kWidth, 0)), 1);
  EXPECT_EQ(Load(patched(off::kHeight, 0)), 1);
  EXPECT_EQ(Load(patched(off::kWidth, uint32_t(-5))), 1);
  EXPECT_EQ(Load(patched(off::kHeight, 0x80000000u)), 1);
  EXPECT_EQ(Load(patched(off::kInfoSize, 12)), 1) << "the old core header has another layout";
  EXPECT_EQ(Load(patched(off::kDataOffset, 20)), 1) << "rows inside the header";
  EXPECT_EQ(Load(patched(off::kDataOffset, 0xFFFFFFF0u)), 1) << "rows beyond the end";
  EXPECT_EQ(Load(patched(off::kHeight, 400)), 1) << "more rows promised than stored";
  EXPECT_EQ(Load(patched(off::kWidth, 0x7FFFFFFF)), 5) << "a row wider than memory";
  std::vector<uint8_t> eight = BuildBmp8(4, 4, {}, std::vector<uint8_t>(16, 0));
  test_support::Put32(eight, off::kColorsUsed, 257);
  EXPECT_EQ(Load(eight), 1);
  EXPECT_FALSE(picture_.Loaded);
}

TEST_F(BmpTest, LoadingOverALoadedPictureReplacesIt) {
  EXPECT_EQ(Load(BuildBmp24(2, 2, Gradient(2, 2))), 0);
  EXPECT_EQ(Load(BuildBmp24(3, 1, Gradient(3, 1))), 0);
  ExpectPicture(3, 1, Gradient(3, 1));
  uint8_t result = 99;
  LoadBMPPicture(PathOf("missing.bmp"), picture_, result);
  EXPECT_EQ(result, 1);
  EXPECT_FALSE(picture_.Loaded) << "a failed load must not leave the previous picture in place";
  FreeBMPPicture(picture_);
  FreeBMPPicture(picture_);
}

TEST_F(BmpTest, ShowCopiesWholeRowsClippedToTheViewport) {
  const std::vector<Rgb> pixels = Gradient(6, 5);
  ASSERT_EQ(Load(BuildBmp24(6, 5, pixels)), 0);
  picture_.PictureAdr[3] = 42;  // the fourth byte travels with the pixel
  ShowBMPPicture(-2, -1, picture_);
  EXPECT_EQ(ScreenRgb(0, 0), pixels[1 * 6 + 2]);
  EXPECT_EQ(ScreenRgb(3, 3), pixels[4 * 6 + 5]);
  EXPECT_FALSE(Touched(4, 0));
  EXPECT_FALSE(Touched(0, 4));
  ClearVirtualScreen();
  ShowBMPPicture(0, 0, picture_);
  EXPECT_EQ(PixelAt(0, 0).Alpha, 42);
  ClearVirtualScreen();
  SetViewport(101, 51, 102, 52);
  ShowBMPPicture(100, 50, picture_);
  EXPECT_EQ(TouchedPixels().size(), 4u);
  EXPECT_EQ(ScreenRgb(101, 51), pixels[1 * 6 + 1]);
  ShowBMPPicture(103, 50, picture_);
  ShowBMPPicture(95, 50, picture_);
  ShowBMPPicture(2147483647, -2147483647 - 1, picture_);
  EXPECT_EQ(TouchedPixels().size(), 4u);
  TPicture unloaded;
  ShowBMPPicture(101, 51, unloaded);
}

TEST_F(BmpTest, ScaledShowMapsTheLastTargetPixelToTheLastSourcePixel) {
  const std::vector<Rgb> row = {Rgb{10, 0, 0}, Rgb{20, 0, 0}, Rgb{30, 0, 0}, Rgb{40, 0, 0}};
  ASSERT_EQ(Load(BuildBmp24(4, 1, row)), 0);
  ShowAlphaScaleBMPPicture(0, 0, picture_, 4, 2, 0, false, TColor{});
  // Columns nearest(1/4 x 3), nearest(2/4 x 3), nearest(3/4 x 3), nearest(4/4 x 3).
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(ScreenRgb(0, y), row[1]);
    EXPECT_EQ(ScreenRgb(1, y), row[2]);
    EXPECT_EQ(ScreenRgb(2, y), row[2]);
    EXPECT_EQ(ScreenRgb(3, y), row[3]);
  }
  EXPECT_FALSE(Touched(4, 0));
  EXPECT_FALSE(Touched(0, 2));
  ShowAlphaScaleBMPPicture(10, 10, picture_, 0, 5, 0, false, TColor{});
  ShowAlphaScaleBMPPicture(10, 10, picture_, 5, 0, 0, false, TColor{});
  EXPECT_EQ(TouchedPixels().size(), 8u);
}

TEST_F(BmpTest, ScaledShowBlendsAndHonoursTheColourKey) {
  const std::vector<Rgb> pixels = {Rgb{0, 0, 0}, Rgb{200, 100, 50}, Rgb{0, 0, 0}, Rgb{200, 100, 50}};
  ASSERT_EQ(Load(BuildBmp24(2, 2, pixels)), 0);
  SetColor(255, 255, 255, 0);
  FillRectangle(0, 0, 20, 20);
  for (int alpha : {0, 100, 254}) {
    ShowAlphaScaleBMPPicture(0, 0, picture_, 16, 16, uint8_t(alpha), true, TColor{0, 0, 0, 0});
    // Keyed black pixels keep the white background; the others blend.
    EXPECT_EQ(ScreenRgb(0, 0), (Rgb{255, 255, 255}));  // column nearest(1/16) = 0: black, keyed
    const Rgb expected = alpha == 0 ? Rgb{200, 100, 50} : Rgb{ReferenceBlendFor(255, 200, alpha),
                                                               ReferenceBlendFor(255, 100, alpha),
                                                               ReferenceBlendFor(255, 50, alpha)};
    EXPECT_EQ(ScreenRgb(15, 15), expected) << alpha;
    FillRectangle(0, 0, 20, 20);
  }
  ShowAlphaScaleBMPPicture(0, 0, picture_, 16, 16, 0, false, TColor{0, 0, 0, 0});
  EXPECT_EQ(ScreenRgb(0, 0), (Rgb{0, 0, 0})) << "without the key black is drawn";
  FillRectangle(0, 0, 20, 20);
  ShowAlphaScaleBMPPicture(0, 0, picture_, 16, 16, 255, false, TColor{});
  EXPECT_EQ(ScreenRgb(15, 15), (Rgb{255, 255, 255}));
}

TEST_F(BmpTest, SaveWritesTheClippedRectangleBottomUp) {
  std::vector<Rgb> expected(100 * 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) {
      SetColor(uint8_t(x * 2), uint8_t(y * 5), uint8_t(x + y), 0);
      Pixel(x, y);
      expected[size_t(y) * 100 + x] = Rgb{uint8_t(x + y), uint8_t(y * 5), uint8_t(x * 2)};
    }
  const std::string path = PathOf("shot.bmp");
  ASSERT_TRUE(SaveBMPPicture(TViewport{-100, -100, 99, 49}, path));
  std::vector<uint8_t> want = BuildBmp24(100, 50, expected);
  test_support::Put32(want, 38, 100 * 300);  // resolutions as the program writes them
  test_support::Put32(want, 42, 50 * 300);
  EXPECT_EQ(test_support::ReadBytes(path), want);

  uint8_t result = 99;
  LoadBMPPicture(path, picture_, result);
  ASSERT_EQ(result, 0);
  ExpectPicture(100, 50, expected);
}

TEST_F(BmpTest, SaveOfTheWholeScreenAndOfNothing) {
  const std::string path = PathOf("full.bmp");
  ASSERT_TRUE(SaveBMPPicture(TViewport{0, 0, 1023, 1023}, path));
  EXPECT_EQ(test_support::ReadBytes(path).size(), 2359350u);
  const std::string none = PathOf("none.bmp");
  EXPECT_TRUE(SaveBMPPicture(TViewport{1024, 0, 2000, 10}, none));
  EXPECT_TRUE(SaveBMPPicture(TViewport{10, 10, 5, 20}, none));
  EXPECT_TRUE(test_support::ReadBytes(none).empty());
  EXPECT_FALSE(SaveBMPPicture(TViewport{0, 0, 10, 10}, PathOf("no/such/folder/x.bmp")));
}
