// The generator's building blocks: seeded noise and randomness, signed
// distances and the canvas's anti-aliased fill. The pictures' look rests on
// them, and their determinism on the noise being a pure function.

#include "tools/artgen/art_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tools/artgen/art_noise.h"
#include "tools/artgen/art_text.h"

namespace {

TEST(Noise, IsAPureFunctionOfPositionAndSeed) {
  double a = art::Fbm(3.7, -2.2, 41, 6);
  EXPECT_EQ(a, art::Fbm(3.7, -2.2, 41, 6));
  // Another seed gives another field, not a shifted copy of the same values.
  int same = 0;
  for (int i = 0; i < 200; ++i) {
    double x = i * 0.37, y = i * 0.11;
    if (std::fabs(art::Noise(x, y, 1) - art::Noise(x, y, 2)) < 1e-9) ++same;
  }
  EXPECT_LT(same, 10);
}

TEST(Noise, StaysInRangeAndIsContinuousAcrossLatticeLines) {
  double lo = 1e9, hi = -1e9;
  for (int j = 0; j < 120; ++j)
    for (int i = 0; i < 120; ++i) {
      double x = i * 0.173 - 7.0, y = j * 0.191 - 9.0;
      double n = art::Noise(x, y, 7);
      lo = std::min(lo, n), hi = std::max(hi, n);
      double f = art::Fbm(x, y, 7, 6);
      ASSERT_LE(std::fabs(f), 1.2);
      double r = art::Ridged(x, y, 7, 5);
      ASSERT_GE(r, 0.0);
      ASSERT_LE(r, 1.0);
    }
  EXPECT_LT(lo, -0.5);
  EXPECT_GT(hi, 0.5);
  // Integer coordinates are lattice lines; the value may not jump there,
  // including at negative coordinates where truncation and floor differ.
  for (double x : {-3.0, -1.0, 0.0, 1.0, 5.0})
    for (double y : {-2.5, 0.25, 3.75}) {
      EXPECT_NEAR(art::Noise(x - 1e-7, y, 3), art::Noise(x + 1e-7, y, 3), 1e-4);
      EXPECT_NEAR(art::Noise(y, x - 1e-7, 3), art::Noise(y, x + 1e-7, 3), 1e-4);
    }
}

TEST(Rng, RepeatsPerSeedAndSpreadsUniformly) {
  art::Rng a(99), b(99), c(100);
  double sum = 0;
  bool differs = false;
  for (int i = 0; i < 10000; ++i) {
    double u = a.Uniform();
    ASSERT_EQ(u, b.Uniform());
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    differs |= u != c.Uniform();
    sum += u;
  }
  EXPECT_TRUE(differs);
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
  EXPECT_NE(art::SeedFromText("m57.bmp"), art::SeedFromText("m27.bmp"));
}

TEST(Distances, RoundRectAndSegmentMeasureTrueDistances) {
  EXPECT_DOUBLE_EQ(art::SdRoundRect(10, 5, 10, 5, 8, 4, 2), -4.0);
  EXPECT_DOUBLE_EQ(art::SdRoundRect(21, 5, 10, 5, 8, 4, 2), 3.0);
  // At the corner the rounding leaves a gap of r * (sqrt 2 - 1) along the diagonal.
  EXPECT_NEAR(art::SdRoundRect(18, 9, 10, 5, 8, 4, 2), 2.0 * (std::sqrt(2.0) - 1.0), 1e-9);
  EXPECT_DOUBLE_EQ(art::SdSegment(5, 3, 0, 0, 10, 0, 1), 2.0);
  EXPECT_DOUBLE_EQ(art::SdSegment(13, 4, 0, 0, 10, 0, 0), 5.0);
  EXPECT_DOUBLE_EQ(art::SdCircle(3, 4, 0, 0, 1), 4.0);
}

TEST(CanvasFill, CoversPixelsByTheirCentres) {
  art::Canvas c(8, 1, {0, 0, 0});
  c.Fill([](double x, double) { return x - 4.5; }, art::Rgb{1, 1, 1});
  for (int x = 0; x < 4; ++x) EXPECT_DOUBLE_EQ(c.At(x, 0).g, 1.0) << x;
  EXPECT_DOUBLE_EQ(c.At(4, 0).g, 0.5);  // the edge runs through this pixel's centre
  for (int x = 5; x < 8; ++x) EXPECT_DOUBLE_EQ(c.At(x, 0).g, 0.0) << x;
}

TEST(CanvasFill, OpacityAndCutCombine) {
  art::Canvas c(4, 1, {1, 0, 0});
  c.Fill([](double, double) { return -10.0; }, art::Rgb{0, 0, 1}, 0.25);
  EXPECT_DOUBLE_EQ(c.At(0, 0).r, 0.75);
  EXPECT_DOUBLE_EQ(c.At(0, 0).b, 0.25);
  c.CutTo([](double x, double) { return x - 2.0; });
  c.CutTo([](double x, double) { return 1.0 - x; });  // keeps only pixel 1
  EXPECT_EQ(c.Coverage(0, 0), 0.0);
  EXPECT_EQ(c.Coverage(1, 0), 1.0);
  EXPECT_EQ(c.Coverage(2, 0), 0.0);
}

TEST(CanvasToneMap, SqueezesAnyLightIntoTheDisplayRangeInOrder) {
  art::Canvas c(4, 1);
  c.At(0, 0) = {-1, 0, 0};
  c.At(1, 0) = {0.1, 0.1, 0.1};
  c.At(2, 0) = {1, 1, 1};
  c.At(3, 0) = {50, 50, 50};
  c.ToneMap(1.3);
  EXPECT_EQ(c.At(0, 0).r, 0.0);
  EXPECT_LT(c.At(1, 0).r, c.At(2, 0).r);
  EXPECT_LT(c.At(2, 0).r, c.At(3, 0).r);
  EXPECT_LE(c.At(3, 0).r, 1.0);
}

TEST(TextMask, ScalingKeepsTheInkCentredAndGrowsThePadding) {
  art::TextMask m;
  m.pad = 2;
  m.width = 5;
  m.height = 5;
  m.ink.assign(25, 0.0);
  for (int y = 1; y < 4; ++y) m.ink[y * 5 + 2] = 1.0;  // a short vertical stroke
  art::TextMask big = art::ScaleMask(m, 3);
  ASSERT_EQ(big.width, 15);
  ASSERT_EQ(big.height, 15);
  EXPECT_EQ(big.pad, 6);
  EXPECT_GT(big.ink[7 * 15 + 7], 0.9);  // the stroke's middle
  EXPECT_LT(big.ink[7 * 15 + 1], 0.1);  // far from it
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_NEAR(big.ink[y * 15 + x], big.ink[y * 15 + 14 - x], 1e-9);
}

}  // namespace
