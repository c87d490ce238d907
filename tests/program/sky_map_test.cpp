#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <algorithm>
#include <limits>
#include <vector>

#include "forms/cv_sky_map.h"

namespace {

const TNormalDate kInstant{2026, 12, 8, 3, 0};

double AngleGap(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360 - d);
}

TEST(SkyMap, PointerReadOut) {
  double x = 0;
  double y = 0;
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
  for (const TObservingNebula& o : list) numbers.push_back(o.IndexOfItem);
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
  EXPECT_EQ(list[0].IndexOfItem, 1);
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

TEST(RecalculateNebulas, TheHorizonItselfIsListed) {
  // At latitude 15 an object near the meridian with a declination of about
  // -75 culminates on the horizon: narrow the declination down to the two
  // neighbouring values either side of elevation 0.
  const PoleSky sky;
  TNebulas records = {sky.At(1, 0, -80), sky.At(2, 0, -70)};
  double az = 0;
  double el = 0;
  for (int i = 0; i < 200; ++i) {
    const double mid = (records[0].Dec + records[1].Dec) / 2;
    if (mid == records[0].Dec || mid == records[1].Dec) break;
    RaToAzim(records[0].Rect, mid, kInstant, 0, 15, az, el);
    (el < 0 ? records[0] : records[1]).Dec = mid;
  }
  RaToAzim(records[1].Rect, records[1].Dec, kInstant, 0, 15, az, el);
  ASSERT_GE(el, 0.0);
  ASSERT_LT(el, 1e-9);
  TObservingNebulas list;
  RecalculateNebulas(records, 2, kInstant, 15, 0, list, -1, false);
  ASSERT_EQ(Numbers(list), (std::vector<int32_t>{2}));
  // Near due south on the rim, at the top of the map.
  EXPECT_NEAR(list[0].SkyArea.X1, 220 - 15, 2);
  EXPECT_EQ(list[0].SkyArea.Y1, 20 - 15);
}

// The thumbnails stand where astropy (tests/data/make_sky_reference.py) puts
// the objects, to the rounding of the pixel.
TEST(RecalculateNebulas, ThumbnailsStandWhereTheReferenceSeesTheObjects) {
  std::ifstream in(std::string(CORVALA_SOURCE_DIR) + "/tests/data/sky_reference.csv");
  ASSERT_TRUE(in);
  std::string line;
  std::getline(in, line);
  int placed = 0;
  while (std::getline(in, line)) {
    std::stringstream s(line);
    std::string field;
    std::getline(s, field, ',');
    double v[11];
    for (double& x : v) {
      std::getline(s, field, ',');
      x = std::stod(field);
    }
    if (v[10] < 2) continue;  // near or below the horizon the models may disagree about listing
    const TNormalDate date{int32_t(v[2]), int32_t(v[3]), int32_t(v[4]), int32_t(v[5]), int32_t(v[6])};
    TNebulas records(1);
    records[0].Rect = v[0];
    records[0].Dec = v[1];
    TObservingNebulas list;
    RecalculateNebulas(records, 1, date, v[7], v[8], list, -1, false);
    ASSERT_EQ(list.size(), 1u) << line;
    double x = 0;
    double y = 0;
    PositionOnSky(v[9], v[10], 400, x, y);
    const TViewport& a = list[0].SkyArea;
    EXPECT_NEAR(a.X1 + 15, 220 + x, 0.51) << line;
    EXPECT_NEAR(a.Y1 + 15, 220 - y, 0.51) << line;
    ++placed;
  }
  EXPECT_GT(placed, 40);
}

// The list equals the straightforward building: RaToAzim per record, the
// default size, and a stable sort by top edge and left edge. Positions on a
// coarse grid make many ties.
TEST(RecalculateNebulas, EqualsTheStraightforwardBuildingRecordForRecord) {
  TNebulas records;
  for (int32_t n = 0; n < 4000; ++n) {
    TNebula r;
    r.IndexOfItem = n + 1;
    r.Rect = (n * 7919 % 2400) / 100.0;
    r.Dec = (n * 104729 % 180) - 89.5;
    records.push_back(r);
  }
  records.push_back(records[17]);
  records.back().IndexOfItem = 4001;
  for (const TNormalDate& when : {kInstant, TNormalDate{2000, 1, 1, 0, 0}, TNormalDate{2499, 12, 31, 23, 59}}) {
    for (const double latitude : {48.1486, -33.9, 0.0}) {
      struct Expected {
        int32_t Record;
        TViewport Area;
      };
      std::vector<Expected> expected;
      for (std::size_t i = 0; i < records.size(); ++i) {
        double az = 0;
        double el = 0;
        RaToAzim(records[i].Rect, records[i].Dec, when, 17.1077, latitude, az, el);
        if (el < 0) continue;
        double x = 0;
        double y = 0;
        PositionOnSky(az, el, 400, x, y);
        expected.push_back({static_cast<int32_t>(i), ThumbnailArea(x, y, 32, 32)});
      }
      std::stable_sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
        return a.Area.Y1 != b.Area.Y1 ? a.Area.Y1 < b.Area.Y1 : a.Area.X1 < b.Area.X1;
      });
      TObservingNebulas list;
      RecalculateNebulas(records, static_cast<int32_t>(records.size()), when, latitude, 17.1077, list, -1, false);
      ASSERT_EQ(list.size(), expected.size());
      for (std::size_t k = 0; k < list.size(); ++k) {
        ASSERT_EQ(list[k].Record, expected[k].Record) << k;
        ASSERT_EQ(list[k].SkyArea, expected[k].Area) << k;
      }
    }
  }
}

}  // namespace
