#include "forms/cv_sky.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Brings an angle into [0, 360) exactly as repeatedly adding 360 while it is
// not positive and then subtracting 360 while it is 360 or more would: those
// steps are exact for doubles, so fmod gives the same value without a loop
// that could run for ever on a huge or infinite angle.
double ReduceAngle(double a) {
  if (!std::isfinite(a)) return a;
  if (a <= 0) a = std::fmod(a, 360.0) + 360.0;
  if (a >= 360) a = std::fmod(a, 360.0);
  return a;
}

}  // namespace

double DSin(double X) { return std::sin(X * kRad); }
double DCos(double X) { return std::cos(X * kRad); }
double DTan(double X) { return std::sin(X * kRad) / std::cos(X * kRad); }
double DATan(double X) { return std::atan(X) / kRad; }

double DASin(double X) {
  if (X >= 1) return 90;
  if (X <= -1) return -90;
  return DATan(X / std::sqrt(1 - X * X));
}

double DATan2(double Y, double X) {
  if (X == 0 && Y == 0) return 0;
  if (X == 0) X = 0.00001;
  double a = DATan(Y / X);
  if (X < 0) a += 180;
  if (Y < 0 && X > 0) a += 360;
  return a;
}

void RaToAzim(double RA, double Decl, const TNormalDate& Date, double Longit, double Lat, double& Azimut,
              double& Elevacia) {
  const double d = NormalDateToDiffDate(Date);
  const double dj2000 = d / 1440 - 0.5;
  const double ut = (Date.Minute / 60.0 + Date.Hour) * 15;
  const double lst = ReduceAngle(dj2000 * 0.985647 + 100.46 + Longit + ut);
  const double ha = ReduceAngle(lst - RA * 15);
  Elevacia = DASin(DSin(Decl) * DSin(Lat) + DCos(Decl) * DCos(Lat) * DCos(ha));
  Azimut = DATan2(DSin(ha), DCos(ha) * DSin(Lat) - DTan(Decl) * DCos(Lat)) + 180;
  if (Azimut >= 360) Azimut -= 360;
}

void PositionOnSky(double Azimut, double Elevacia, int32_t Priemer, double& X, double& Y) {
  const double r = (90 - Elevacia) / 90 * (Priemer / 2.0);
  const double omega = 360 - Azimut - 90;
  X = DCos(omega) * r;
  Y = DSin(omega) * r;
}

void SkyPointAt(int32_t PX, int32_t PY, double& MouseAz, double& MouseElev) {
  const int32_t dx = PX - SKY_CENTER;
  const int32_t dy = SKY_CENTER - PY;
  const double r = std::sqrt(double(dx) * dx + double(dy) * dy);
  double omega = 0;
  if (dy == 0)
    omega = dx >= 0 ? 0 : std::numbers::pi;
  else
    omega = std::acos(dx / r) * (dy > 0 ? 1 : -1);
  MouseElev = 90 - r / SKY_RADIUS * 90;
  MouseAz = 270 - omega * 180 / std::numbers::pi;
  if (MouseAz < 0) MouseAz += 360;
  if (MouseAz > 360) MouseAz -= 360;
}

int32_t RecalculateNebulas(const TNebulas& Records, int32_t Count, const TNormalDate& UTCTime, double Latitude,
                           double Longitude, TObservingNebulas& ObservingNebulas, int32_t FocusedNebula,
                           bool FocusHeld) {
  int32_t remembered = -1;
  bool remembering = FocusHeld && FocusedNebula >= 0 &&
                     static_cast<std::size_t>(FocusedNebula) < ObservingNebulas.size();
  if (remembering) remembered = ObservingNebulas[static_cast<std::size_t>(FocusedNebula)].Data.IndexOfItem;

  struct Placed {
    int32_t Record;
    TViewport Area;
  };
  std::vector<Placed> placed;
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(Count, 0)), Records.size());
  placed.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const TNebula& record = Records[i];
    double azimut = 0;
    double elevacia = 0;
    RaToAzim(record.Rect, record.Dec, UTCTime, Longitude, Latitude, azimut, elevacia);
    if (!(elevacia >= 0) || !std::isfinite(azimut)) continue;
    double x = 0;
    double y = 0;
    PositionOnSky(azimut, elevacia, 2 * SKY_RADIUS, x, y);
    int32_t w = 32;
    int32_t h = 32;
    if (record.Thumbnail.Loaded) {
      w = static_cast<int32_t>(record.Thumbnail.ImageWidth);
      h = static_cast<int32_t>(record.Thumbnail.ImageHeight);
    }
    // nearbyint rounds halves to even in the default rounding mode.
    TViewport area;
    area.X1 = static_cast<int32_t>(std::nearbyint(x)) - (w - 1) / 2 + SKY_CENTER;
    area.Y1 = SKY_CENTER - static_cast<int32_t>(std::nearbyint(y)) - (h - 1) / 2;
    area.X2 = area.X1 + w - 1;
    area.Y2 = area.Y1 + h - 1;
    placed.push_back({static_cast<int32_t>(i), area});
  }
  // A stable sort gives the same order as the stable insertion sort by the
  // top edge and then the left edge, without its quadratic cost.
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.Area.Y1 != b.Area.Y1 ? a.Area.Y1 < b.Area.Y1 : a.Area.X1 < b.Area.X1;
  });

  ObservingNebulas.resize(placed.size());
  for (std::size_t k = 0; k < placed.size(); ++k) {
    ObservingNebulas[k].Data = Records[static_cast<std::size_t>(placed[k].Record)];
    ObservingNebulas[k].SkyArea = placed[k].Area;
  }

  if (!remembering) return -1;
  int32_t focused = -1;
  for (std::size_t k = 0; k < ObservingNebulas.size(); ++k)
    if (ObservingNebulas[k].Data.IndexOfItem == remembered) focused = static_cast<int32_t>(k);
  return focused;
}
