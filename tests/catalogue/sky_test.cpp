#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/cv_sky.h"

namespace {

const TNormalDate kInstant{2026, 12, 8, 3, 0};

double AngleGap(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

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

TEST(SkyMath, PoleObserverSeesThePoleAtTheZenithAlways) {
  for (int32_t hour = 0; hour < 24; hour += 5) {
    double az = 0;
    double el = 0;
    RaToAzim(hour * 0.7, 90, TNormalDate{2031, 7, 4, hour, 13}, 17, 90, az, el);
    EXPECT_EQ(el, 90);
  }
}

TEST(SkyMath, CulminatingObjectsStandDueSouthOrDueNorth) {
  // At the North Pole the azimuth follows the hour angle, which gives the
  // local sidereal time for any longitude: LST = azimuth of RA 0 - 180.
  double az = 0;
  double el = 0;
  RaToAzim(0, 45, kInstant, 17, 90, az, el);
  const double lst = std::fmod(az - 180 + 360, 360);
  const double ra = lst / 15;  // hour angle 0 at the same place and instant
  RaToAzim(ra, 20, kInstant, 17, 48, az, el);
  EXPECT_NEAR(AngleGap(az, 180), 0, 1e-6);
  EXPECT_NEAR(el, 90 - 48 + 20, 1e-6);
  RaToAzim(ra, 70, kInstant, 17, 48, az, el);
  EXPECT_NEAR(AngleGap(az, 0), 0, 1e-6);
  EXPECT_GE(az, 0);
  EXPECT_LT(az, 360);
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

// Positions computed with astropy (tests/data/make_sky_reference.py), which
// applies precession, nutation and aberration that the formula leaves out.
TEST(SkyReference, AgreesWithAstropyToAFewTenthsOfADegree) {
  std::ifstream in(std::string(CORVALA_SOURCE_DIR) + "/tests/data/sky_reference.csv");
  ASSERT_TRUE(in) << "reference data missing";
  std::string line;
  std::getline(in, line);
  int rows = 0;
  double worst = 0;
  double sum = 0;
  while (std::getline(in, line)) {
    std::stringstream s(line);
    std::string name;
    std::getline(s, name, ',');
    double v[11];
    for (double& x : v) {
      std::string field;
      std::getline(s, field, ',');
      x = std::stod(field);
    }
    TNormalDate date{int32_t(v[2]), int32_t(v[3]), int32_t(v[4]), int32_t(v[5]), int32_t(v[6])};
    double az = 0;
    double el = 0;
    RaToAzim(v[0], v[1], date, v[8], v[7], az, el);
    // Angle between the two directions on the sky.
    const double k = 3.141592653589793 / 180;
    double c = std::sin(el * k) * std::sin(v[10] * k) + std::cos(el * k) * std::cos(v[10] * k) * std::cos((az - v[9]) * k);
    double gap = std::acos(std::min(1.0, std::max(-1.0, c))) / k;
    EXPECT_LT(gap, 0.5) << name << " " << line;
    worst = std::max(worst, gap);
    sum += gap;
    ++rows;
  }
  EXPECT_EQ(rows, 120);
  RecordProperty("worst_degrees", std::to_string(worst));
  std::printf("astropy comparison: %d positions, mean %.3f deg, worst %.3f deg\n", rows, sum / rows, worst);
}

}  // namespace
