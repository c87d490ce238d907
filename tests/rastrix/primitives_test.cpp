#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <utility>

#include "tests/rastrix/rastrix_fixture.h"
#include "tests/rastrix/reference.h"

using PrimitivesTest = RastrixTest;

TEST_F(PrimitivesTest, BlendingMatchesTheFloatingPointFormulaForEveryInput) {
  // Every alpha, every colour byte and every old byte, through the real fill
  // path: a row whose pixels hold the old values 0..255 in all four bytes (plus
  // two more, so that the run does not end on a multiple of four pixels).
  for (int a = 0; a < 256; ++a)
    for (int c = 0; c < 256; ++c) {
      for (int x = 0; x < 258; ++x) std::memset(VirtualScreen + x * 4, x & 0xFF, 4);
      SetColor(uint8_t(c), uint8_t(255 - c), uint8_t(c ^ 0x55), uint8_t(a));
      FillRectangle(0, 0, 257, 0);
      for (int x = 0; x < 258; ++x) {
        const uint8_t old = static_cast<uint8_t>(x);
        const uint8_t* p = VirtualScreen + x * 4;
        if (p[0] != ReferenceBlend(old, Color.B, Color.Alpha) || p[1] != ReferenceBlend(old, Color.G, Color.Alpha) ||
            p[2] != ReferenceBlend(old, Color.R, Color.Alpha) || (a != 0 && p[3] != old))
          FAIL() << "alpha " << a << " colour " << c << " old " << x;
      }
    }
}

TEST_F(PrimitivesTest, PixelCopiesOpaqueBlendsTranslucentAndSkipsInvisible) {
  SetColor(255, 0, 0, 0);
  Pixel(7, 3);
  EXPECT_EQ(PixelAt(7, 3), (TColor{0, 0, 255, 0}));
  SetColor(255, 255, 255, 0);
  Pixel(8, 3);
  SetColor(255, 0, 0, 51);
  Pixel(8, 3);
  EXPECT_EQ(PixelAt(8, 3), (TColor{51, 51, 255, 0}));
  SetColor(0, 0, 0, 255);
  Pixel(8, 3);
  EXPECT_EQ(PixelAt(8, 3), (TColor{51, 51, 255, 0}));
  SetColor(9, 9, 9, 0);
  VirtualScreen[(3 * 1024 + 9) * 4 + 3] = 77;
  Pixel(9, 3);
  EXPECT_EQ(PixelAt(9, 3).Alpha, 77) << "the fourth byte is not written by a pixel";
}

TEST_F(PrimitivesTest, PixelIsClippedAtViewportAndScreenEdges) {
  SetColor(255, 255, 255, 0);
  for (int y : {-1, 0, 767, 768})
    for (int x : {-1, 0, 1023, 1024, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()})
      Pixel(x, y);
  EXPECT_EQ(TouchedPixels(), (Points{{0, 0}, {1023, 0}, {0, 767}, {1023, 767}}));
  ClearVirtualScreen();
  SetViewport(10, 20, 11, 21);
  for (int y = 19; y <= 22; ++y)
    for (int x = 9; x <= 12; ++x) Pixel(x, y);
  EXPECT_EQ(TouchedPixels(), (Points{{10, 20}, {11, 20}, {10, 21}, {11, 21}}));
}

TEST_F(PrimitivesTest, LinesFollowTheBresenhamWalk) {
  SetColor(255, 255, 255, 0);
  Line(5, 5, 5, 5);
  EXPECT_EQ(TouchedPixels(), (Points{{5, 5}}));
  ClearVirtualScreen();
  Line(0, 0, 3, 1);
  EXPECT_EQ(TouchedPixels(), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  ClearVirtualScreen();
  Line(0, 0, 2, 2);
  EXPECT_EQ(TouchedPixels(), (Points{{0, 0}, {1, 1}, {2, 2}}));
  ClearVirtualScreen();
  Line(3, 1, 0, 0);  // reversed: the error term starts from the other end
  EXPECT_EQ(TouchedPixels(), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
  ClearVirtualScreen();
  Line(10, 10, 11, 14);
  EXPECT_EQ(TouchedPixels(), (Points{{10, 10}, {10, 11}, {11, 12}, {11, 13}, {11, 14}}));
}

TEST_F(PrimitivesTest, HugeLinesAreClippedWithoutWalkingTheirWholeLength) {
  SetColor(255, 255, 255, 0);
  const int32_t lo = std::numeric_limits<int32_t>::min(), hi = std::numeric_limits<int32_t>::max();
  Line(lo, 5, hi, 5);
  Line(7, lo, 7, hi);
  Line(lo, lo, hi, hi);  // the diagonal through the origin
  for (int x = 0; x < 1024; ++x) EXPECT_TRUE(Touched(x, 5)) << x;
  for (int y = 0; y < 768; ++y) EXPECT_TRUE(Touched(7, y)) << y;
  for (int i = 0; i < 768; ++i) EXPECT_TRUE(Touched(i, i)) << i;
  EXPECT_EQ(TouchedPixels().size(), 1024u + 767u + 766u);
  ClearVirtualScreen();
  Circle(512, 384, hi);
  Circle(512, 384, hi, hi);
  FillCircle(512, 384, hi);
  Rectangle(lo, lo, hi, hi, hi);
  SUCCEED() << "returned in bounded time";
}

TEST_F(PrimitivesTest, SmallCirclesHaveTheirExactShape) {
  SetColor(255, 255, 255, 0);
  Circle(20, 20, 0);
  EXPECT_EQ(TouchedPixels(), (Points{{20, 20}}));
  ClearVirtualScreen();
  Circle(20, 20, 1);
  const Points ring{{19, 19}, {20, 19}, {21, 19}, {19, 20}, {21, 20}, {19, 21}, {20, 21}, {21, 21}};
  EXPECT_EQ(TouchedPixels(), ring);
  ClearVirtualScreen();
  Circle(50, 50, -5);
  const Points negative = TouchedPixels();
  ClearVirtualScreen();
  Circle(50, 50, 5);
  EXPECT_EQ(TouchedPixels(), negative);
  ClearVirtualScreen();
  FillCircle(50, 50, -5);
  EXPECT_TRUE(TouchedPixels().empty());
}

TEST_F(PrimitivesTest, TranslucentCircleCentreIsBlendedOncePerPlot) {
  // A circle of radius 0 plots its centre four times.
  SetColor(255, 255, 255, 0);
  Pixel(20, 20);
  SetColor(0, 0, 0, 128);
  Circle(20, 20, 0);
  uint8_t expected = 255;
  for (int i = 0; i < 4; ++i) expected = ReferenceBlend(expected, 0, 128);
  EXPECT_EQ(PixelAt(20, 20).B, expected);
}

TEST_F(PrimitivesTest, RectangleBandsOfWidthThree) {
  SetColor(255, 255, 255, 0);
  Rectangle(10, 10, 20, 20, 3);
  std::set<std::pair<int, int>> expected;
  for (int y : {9, 10, 11, 19, 20, 21})
    for (int x = 9; x <= 21; ++x) expected.insert({x, y});
  for (int x : {9, 10, 11, 19, 20, 21})
    for (int y = 10; y <= 20; ++y) expected.insert({x, y});
  const Points touched = TouchedPixels();
  const std::set<std::pair<int, int>> touched_set(touched.begin(), touched.end());
  EXPECT_EQ(touched_set, expected);
  ClearVirtualScreen();
  Rectangle(1, 1, 3, 2);
  EXPECT_EQ(TouchedPixels(), (Points{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
}

TEST_F(PrimitivesTest, FillRectangleClipsAsAWholeAndKeepsCornerOrder) {
  SetColor(255, 255, 255, 0);
  FillRectangle(10, 10, 5, 20);
  EXPECT_TRUE(TouchedPixels().empty());
  SetViewport(100, 200, 103, 201);
  FillRectangle(-50, -50, 2000, 2000);
  EXPECT_EQ(TouchedPixels(), (Points{{100, 200}, {101, 200}, {102, 200}, {103, 200},
                                     {100, 201}, {101, 201}, {102, 201}, {103, 201}}));
  SetViewport(0, 0, 1023, 767);
  ClearVirtualScreen();
  FillRectangle(1023, 767, 5000, 5000);
  FillRectangle(-5, -5, 0, 0);
  EXPECT_EQ(TouchedPixels(), (Points{{0, 0}, {1023, 767}}));
}

TEST_F(PrimitivesTest, OpaqueFillCopiesTheFirstRowIncludingItsFourthBytes) {
  VirtualScreen[(4 * 1024 + 2) * 4 + 3] = 9;  // fourth byte of (2, 4), the first row of the fill
  VirtualScreen[(5 * 1024 + 3) * 4 + 3] = 7;  // fourth byte of (3, 5), below it
  SetColor(1, 2, 3, 0);
  FillRectangle(2, 4, 3, 6);
  EXPECT_EQ(PixelAt(2, 4), (TColor{3, 2, 1, 9}));
  EXPECT_EQ(PixelAt(2, 6), (TColor{3, 2, 1, 9}));
  EXPECT_EQ(PixelAt(3, 5), (TColor{3, 2, 1, 0}));
}

TEST_F(PrimitivesTest, OpaqueFillOverUniformFourthBytesMatchesTheRowCopy) {
  // Random colours but one common fourth byte: the fill may then store a
  // repeated pixel value instead of copying the row, and must give the same bytes.
  std::mt19937 rng(99);
  ReferenceScreen ref;
  for (size_t i = 0; i < SCREEN_BYTES; ++i) ref.bytes[i] = i % 4 == 3 ? 7 : static_cast<uint8_t>(rng());
  std::memcpy(VirtualScreen, ref.bytes.data(), SCREEN_BYTES);
  const int rects[][4] = {{0, 0, 1023, 767}, {-9, 3, 2000, 700}, {5, 6, 300, 8}, {17, 0, 17, 767},
                          {1, 1, 1022, 766}, {0, 500, 1023, 500}, {0, 100, 1023, 101}};
  for (const auto& r : rects) {
    SetColor(static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()), 0);
    ref.color = Color;
    ref.viewport = Viewport;
    FillRectangle(r[0], r[1], r[2], r[3]);
    ref.FillRectangle(r[0], r[1], r[2], r[3]);
    ASSERT_EQ(std::memcmp(VirtualScreen, ref.bytes.data(), SCREEN_BYTES), 0) << r[0] << "," << r[1];
  }
}

namespace {

// Draws the same random primitive with the raster unit and with the plain
// reference, starting from the same random screen.
class RandomDrawing {
 public:
  explicit RandomDrawing(uint32_t seed) : rng_(seed) {}

  int Coord(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  void RandomColour(ReferenceScreen& ref) {
    const int kind = Coord(0, 3);
    const uint8_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : static_cast<uint8_t>(Coord(1, 254));
    SetColor(static_cast<uint8_t>(Coord(0, 255)), static_cast<uint8_t>(Coord(0, 255)),
             static_cast<uint8_t>(Coord(0, 255)), alpha);
    ref.color = Color;
  }

  void RandomViewport(ReferenceScreen& ref) {
    if (Coord(0, 2) == 0) SetViewport(0, 0, 1023, 767);
    else SetViewport(Coord(-50, 1000), Coord(-50, 700), Coord(0, 1100), Coord(0, 800));
    ref.viewport = Viewport;
  }

  // Returns a description for failure messages.
  std::string Draw(ReferenceScreen& ref) {
    const int what = Coord(0, 7);
    const int a = Coord(-200, 1224), b = Coord(-200, 968), c = Coord(-200, 1224), d = Coord(-200, 968);
    const int r = Coord(-60, 300), w = Coord(-3, 14);
    switch (what) {
      case 0: Pixel(a, b); ref.Pixel(a, b); return "Pixel";
      case 1: Line(a, b, c, d); ref.Line(a, b, c, d); return "Line";
      case 2: Circle(a, b, r); ref.Circle(a, b, r); return "Circle";
      case 3: Circle(a, b, r, w); ref.Circle(a, b, r, w); return "Circle(width " + std::to_string(w) + ")";
      case 4: FillCircle(a, b, r); ref.FillCircle(a, b, r); return "FillCircle";
      case 5: Rectangle(a, b, c, d, w); ref.Rectangle(a, b, c, d, w); return "Rectangle(width)";
      case 6: Rectangle(a, b, c, d); ref.Rectangle(a, b, c, d, 1); return "Rectangle";
      default: FillRectangle(a, b, c, d); ref.FillRectangle(a, b, c, d); return "FillRectangle";
    }
  }

 private:
  std::mt19937 rng_;
};

}  // namespace

TEST_F(PrimitivesTest, EveryPrimitiveMatchesThePlainPixelByPixelDrawing) {
  RandomDrawing random(20261208);
  ReferenceScreen ref;
  for (size_t i = 0; i < SCREEN_BYTES; ++i) ref.bytes[i] = static_cast<uint8_t>(random.Coord(0, 255));
  std::memcpy(VirtualScreen, ref.bytes.data(), SCREEN_BYTES);
  for (int i = 0; i < 1500; ++i) {
    random.RandomColour(ref);
    if (i % 5 == 0) random.RandomViewport(ref);
    const std::string what = random.Draw(ref);
    ASSERT_EQ(std::memcmp(VirtualScreen, ref.bytes.data(), SCREEN_BYTES), 0)
        << "drawing " << i << ": " << what << " with alpha " << int(Color.Alpha);
  }
}

// Compares a filled area against the formula applied to the bytes it covered
// before; the fourth bytes stay as they were unless the colour is opaque.
void ExpectFilledByFormula(const std::vector<uint8_t>& before, int x1, int y1, int x2, int y2) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) {
      const size_t p = (size_t(y) * SCREEN_WIDTH + x) * 4;
      ASSERT_EQ(VirtualScreen[p], ReferenceBlend(before[p], Color.B, Color.Alpha)) << int(Color.Alpha);
      ASSERT_EQ(VirtualScreen[p + 1], ReferenceBlend(before[p + 1], Color.G, Color.Alpha)) << int(Color.Alpha);
      ASSERT_EQ(VirtualScreen[p + 2], ReferenceBlend(before[p + 2], Color.R, Color.Alpha)) << int(Color.Alpha);
      if (Color.Alpha != 0) {
        ASSERT_EQ(VirtualScreen[p + 3], before[p + 3]);
      }
    }
}

TEST_F(PrimitivesTest, TranslucentFillMatchesTheFormulaForEveryAlpha) {
  std::mt19937 rng(7);
  for (size_t i = 0; i < SCREEN_BYTES; ++i) VirtualScreen[i] = static_cast<uint8_t>(rng());
  for (int alpha = 0; alpha < 256; ++alpha) {
    const std::vector<uint8_t> before = Screen();
    SetColor(static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()), static_cast<uint8_t>(rng()),
             static_cast<uint8_t>(alpha));
    FillRectangle(3, 5, 3 + 36, 5 + 28);
    ExpectFilledByFormula(before, 3, 5, 39, 33);
    for (auto [x, y] : {std::pair{2, 5}, std::pair{40, 5}, std::pair{3, 4}, std::pair{39, 34}})
      ASSERT_EQ(std::memcmp(VirtualScreen + (y * 1024 + x) * 4, before.data() + (y * 1024 + x) * 4, 4), 0);
    for (size_t i = 0; i < 40 * 4096; ++i) VirtualScreen[i] = static_cast<uint8_t>(rng());
  }
  const std::vector<uint8_t> before = Screen();
  SetColor(200, 100, 50, 128);
  FillRectangle(-5, -5, 2000, 2000);
  ExpectFilledByFormula(before, 0, 0, 1023, 767);
}
