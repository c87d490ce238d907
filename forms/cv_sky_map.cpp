#include "forms/cv_sky_map.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
