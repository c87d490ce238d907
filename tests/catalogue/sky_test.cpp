#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/cv_sky.h"

namespace {

const TNormalDate kInstant{2026, 12, 8, 3, 0};

TEST(SkyMath, InverseTangentsAndSines) {
  EXPECT_EQ(DATan2(0, 0), 0);
  EXPECT_NEAR(DATan2(1, 0), 90, 1e-3);
  EXPECT_NEAR(DATan2(-1, 0), 270, 1e-3);
  EXPECT_DOUBLE_EQ(DATan2(0, -1), 180);
  EXPECT_DOUBLE_EQ(DATan2(-1, 1), 315);
  EXPECT_DOUBLE_EQ(DATan2(1, 1), 45);
  EXPECT_EQ(DASin(1), 90);
  EXPECT_EQ(DASin(-1), -90);
  EXPECT_EQ(DASin(1 + 1e-15), 90) << "rounding just past 1 is still the zenith";
  EXPECT_NEAR(DASin(0.5), 30, 1e-12);
  EXPECT_NEAR(DTan(45), 1, 1e-12);
}

TEST(SkyMath, HugeOrInfiniteCoordinatesDoNotHang) {
  double az = 0;
  double el = 0;
  RaToAzim(1e300, 10, kInstant, 0, 48, az, el);
  EXPECT_TRUE(std::isfinite(el));
  RaToAzim(std::numeric_limits<double>::infinity(), 10, kInstant, 0, 48, az, el);
  EXPECT_FALSE(el >= 0 || el < 0) << "no position for an infinite right ascension";
}

TEST(SkyMap, Projection) {
  double x = 0;
  double y = 0;
  PositionOnSky(123, 90, 400, x, y);
  EXPECT_NEAR(x, 0, 1e-12);
  EXPECT_NEAR(y, 0, 1e-12);
  PositionOnSky(0, 0, 400, x, y);  // north lies below the centre
  EXPECT_NEAR(x, 0, 1e-9);
  EXPECT_NEAR(y, -200, 1e-9);
  PositionOnSky(90, 0, 400, x, y);  // east to the left
  EXPECT_NEAR(x, -200, 1e-9);
  PositionOnSky(270, 45, 400, x, y);  // west to the right, halfway up
  EXPECT_NEAR(x, 100, 1e-9);
  PositionOnSky(180, -10, 400, x, y);  // below the horizon: beyond the rim
  EXPECT_NEAR(y, 200 + 200.0 / 9, 1e-9);
}

std::vector<std::vector<std::string>> ReadCsv(const std::string& Name) {
  std::ifstream in(std::string(CORVALA_SOURCE_DIR) + "/tests/data/" + Name);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    std::stringstream s(line);
    rows.emplace_back();
    for (std::string field; std::getline(s, field, ',');) rows.back().push_back(field);
  }
  return rows;
}

double Median(std::vector<double> Values) {
  std::sort(Values.begin(), Values.end());
  return Values[Values.size() / 2];
}

// Apparent positions from astropy (tests/data/make_sky_reference.py): every
// record of the sample catalogue at three sites and ten moments, 2000-2499.
TEST(SkyReference, AgreesWithAstropyToAnArcminute) {
  const auto rows = ReadCsv("sky_reference.csv");
  ASSERT_EQ(rows.size(), 1290u) << "reference data missing";
  std::vector<double> gaps;
  for (const auto& r : rows) {
    double v[11];
    for (int i = 0; i < 11; ++i) v[i] = std::stod(r[static_cast<std::size_t>(i + 1)]);
    const TNormalDate date{int32_t(v[2]), int32_t(v[3]), int32_t(v[4]), int32_t(v[5]), int32_t(v[6])};
    double az = 0;
    double el = 0;
    RaToAzim(v[0], v[1], date, v[8], v[7], az, el);
    ASSERT_TRUE(az >= 0 && az < 360) << az;
    const double k = 3.141592653589793 / 180;
    const double c =
        std::sin(el * k) * std::sin(v[10] * k) + std::cos(el * k) * std::cos(v[10] * k) * std::cos((az - v[9]) * k);
    const double gap = std::acos(std::min(1.0, std::max(-1.0, c))) / k * 60;
    EXPECT_LT(gap, 1.0) << "arcminutes, record " << r[0] << " at " << v[2] << "-" << v[3] << "-" << v[4];
    gaps.push_back(gap);
  }
  std::printf("astropy comparison: %zu positions, median %.4f', worst %.4f'\n", gaps.size(), Median(gaps),
              *std::max_element(gaps.begin(), gaps.end()));
}

// Rise, culmination and set from astropy's elevations minute by minute:
// objects that rise and set, never set and never rise, at four places.
TEST(SkyReference, RiseCulminationAndSetWithinTwoMinutesOfAstropy) {
  const auto rows = ReadCsv("rise_set_reference.csv");
  ASSERT_EQ(rows.size(), 11u) << "reference data missing";
  double worst = 0;
  for (const auto& r : rows) {
    TRiseSet got;
    ASSERT_TRUE(RiseCulminationSet(std::stod(r[1]), std::stod(r[2]), std::stoi(r[6]), std::stoi(r[7]),
                                   std::stoi(r[8]), std::stoi(r[5]), std::stod(r[4]), std::stod(r[3]), got));
    const std::string where = "record " + r[0] + " at " + r[3] + " on " + r[6] + "-" + r[7] + "-" + r[8];
    const TRiseKind kind = r[9] == "normal" ? RK_RisesAndSets : r[9] == "never_sets" ? RK_NeverSets : RK_NeverRises;
    EXPECT_EQ(got.Kind, kind) << where;
    EXPECT_NEAR(got.Culmination, std::stod(r[11]), 2) << where;
    worst = std::max(worst, std::fabs(got.Culmination - std::stod(r[11])));
    EXPECT_NEAR(got.CulminationElevation, std::stod(r[12]), 0.05) << where;
    if (kind != RK_RisesAndSets) continue;
    EXPECT_NEAR(got.Rise, std::stod(r[10]), 2) << where;
    EXPECT_NEAR(got.Set, std::stod(r[13]), 2) << where;
    worst = std::max({worst, std::fabs(got.Rise - std::stod(r[10])), std::fabs(got.Set - std::stod(r[13]))});
  }
  std::printf("astropy comparison: rise, culmination and set within %.3f minutes\n", worst);
  TRiseSet none;
  EXPECT_FALSE(RiseCulminationSet(1, 2, 2500, 1, 1, 0, 0, 0, none)) << "a year the calendar has not";
  EXPECT_FALSE(RiseCulminationSet(std::nan(""), 2, 2026, 1, 1, 0, 0, 0, none));
}

}  // namespace
