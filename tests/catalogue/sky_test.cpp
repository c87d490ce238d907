#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "forms/cv_sky.h"

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

TEST(SkyMap, ProjectionAndPointerReadOut) {
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

  double az = 0;
  double el = 0;
  SkyPointAt(220, 220, az, el);
  EXPECT_EQ(az, 270);
  EXPECT_EQ(el, 90);
  SkyPointAt(220, 120, az, el);
  EXPECT_DOUBLE_EQ(az, 180);
  EXPECT_DOUBLE_EQ(el, 45);
  SkyPointAt(220, 320, az, el);
  EXPECT_DOUBLE_EQ(az, 360);
  SkyPointAt(420, 220, az, el);
  EXPECT_DOUBLE_EQ(el, 0);
  EXPECT_DOUBLE_EQ(az, 270);
  SkyPointAt(0, 220, az, el);
  EXPECT_LT(el, 0);
  EXPECT_DOUBLE_EQ(az, 90);

  // Reading back a projected point finds the same direction, to a pixel.
  for (double a = 5; a < 360; a += 37)
    for (double e = 3; e < 88; e += 11) {
      PositionOnSky(a, e, 400, x, y);
      SkyPointAt(static_cast<int32_t>(std::lround(220 + x)), static_cast<int32_t>(std::lround(220 - y)), az, el);
      EXPECT_NEAR(el, e, 0.5);
      EXPECT_NEAR(AngleGap(az, a), 0, 1.0 / ((90 - e) / 90 * 200) * 57.3 + 1e-9);
    }
}

// Observer at the North Pole: elevation = declination, azimuth = hour angle + 180.
struct PoleSky {
  double lst = 0;
  PoleSky() {
    double az = 0;
    double el = 0;
    RaToAzim(0, 45, kInstant, 0, 90, az, el);
    lst = std::fmod(az - 180 + 360, 360);
  }
  TNebula At(int32_t number, double hour_angle, double dec) const {
    TNebula n;
    n.IndexOfItem = number;
    n.Rect = std::fmod(lst - hour_angle + 720, 360) / 15;
    n.Dec = dec;
    return n;
  }
};

std::vector<int32_t> Numbers(const TObservingNebulas& list) {
  std::vector<int32_t> numbers;
  for (const TObservingNebula& o : list) numbers.push_back(o.Data.IndexOfItem);
  return numbers;
}

TEST(RecalculateNebulas, ListsVisibleNebulaeInDrawingOrder) {
  PoleSky sky;
  TNebulas records;
  records.push_back(sky.At(1, 60, 45));    // upper right (azimuth 240)
  records.push_back(sky.At(2, -60, 45));   // its mirror image, same top edge
  records.push_back(sky.At(3, 0, -10));    // below the horizon
  records.push_back(sky.At(4, 0, 90));     // zenith
  records.push_back(sky.At(5, 60, 45));    // same place as 1
  records.push_back(sky.At(6, 0, 10));     // due south, near the top of the map
  records[3].Thumbnail.Loaded = true;
  records[3].Thumbnail.ImageWidth = 20;
  records[3].Thumbnail.ImageHeight = 10;

  TObservingNebulas list;
  int32_t focus = RecalculateNebulas(records, 6, kInstant, 90, 0, list, -1, false);
  EXPECT_EQ(focus, -1);
  ASSERT_EQ(Numbers(list), (std::vector<int32_t>{6, 2, 1, 5, 4}));
  EXPECT_EQ(list[4].SkyArea, (TViewport{220 - 9, 220 - 4, 220 - 9 + 19, 220 - 4 + 9}));
  EXPECT_EQ(list[1].SkyArea.Y1, list[2].SkyArea.Y1);
  EXPECT_LT(list[1].SkyArea.X1, list[2].SkyArea.X1);
  EXPECT_EQ(list[2].SkyArea, list[3].SkyArea);
  EXPECT_EQ(list[2].SkyArea.X2 - list[2].SkyArea.X1, 31) << "no thumbnail: the default 32 x 32";
  EXPECT_EQ(list[0].SkyArea.X1, 220 - 15);
  EXPECT_LT(list[0].SkyArea.Y1, 220 - 150);

  // Only the first Count records count.
  RecalculateNebulas(records, 2, kInstant, 90, 0, list, -1, false);
  EXPECT_EQ(Numbers(list), (std::vector<int32_t>{2, 1}));
}

TEST(RecalculateNebulas, KeepsTheFocusOnTheSameNebula) {
  PoleSky sky;
  TNebulas records = {sky.At(1, 60, 45), sky.At(2, 0, 10), sky.At(3, -60, 45)};
  TObservingNebulas list;
  RecalculateNebulas(records, 3, kInstant, 90, 0, list, -1, false);
  ASSERT_EQ(Numbers(list), (std::vector<int32_t>{2, 3, 1}));

  // Number 1 moves to the top of the map; the focus follows it.
  records[0] = sky.At(1, 5, 5);
  EXPECT_EQ(RecalculateNebulas(records, 3, kInstant, 90, 0, list, 2, true), 0);
  EXPECT_EQ(list[0].Data.IndexOfItem, 1);
  // Without the keyboard focus nothing is remembered.
  EXPECT_EQ(RecalculateNebulas(records, 3, kInstant, 90, 0, list, 0, false), -1);
  // A focused nebula that sets loses the focus.
  records[0].Dec = -5;
  EXPECT_EQ(RecalculateNebulas(records, 3, kInstant, 90, 0, list, 0, true), -1);
  EXPECT_EQ(list.size(), 2u);
  // An index outside the list remembers nothing.
  EXPECT_EQ(RecalculateNebulas(records, 3, kInstant, 90, 0, list, 7, true), -1);
}

TEST(RecalculateNebulas, LeavesOutRecordsWithoutAPosition) {
  TNebulas records(3);
  records[0].Rect = std::numeric_limits<double>::quiet_NaN();
  records[1].Rect = std::numeric_limits<double>::infinity();
  records[2].Dec = std::numeric_limits<double>::infinity();
  TObservingNebulas list;
  RecalculateNebulas(records, 3, kInstant, 45, 0, list, -1, false);
  EXPECT_TRUE(list.empty());
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
