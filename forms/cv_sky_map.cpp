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

TViewport ThumbnailArea(double X, double Y, int32_t W, int32_t H) {
  // nearbyint rounds halves to even in the default rounding mode.
  TViewport area;
  area.X1 = static_cast<int32_t>(std::nearbyint(X)) - (W - 1) / 2 + SKY_CENTER;
  area.Y1 = SKY_CENTER - static_cast<int32_t>(std::nearbyint(Y)) - (H - 1) / 2;
  area.X2 = area.X1 + W - 1;
  area.Y2 = area.Y1 + H - 1;
  return area;
}

int32_t RecalculateNebulas(const TNebulas& Records, int32_t Count, const TNormalDate& UTCTime, double Latitude,
                           double Longitude, TObservingNebulas& ObservingNebulas, int32_t FocusedNebula,
                           bool FocusHeld) {
  int32_t remembered = -1;
  const bool remembering = FocusHeld && FocusedNebula >= 0 &&
                           static_cast<std::size_t>(FocusedNebula) < ObservingNebulas.size();
  if (remembering) remembered = ObservingNebulas[static_cast<std::size_t>(FocusedNebula)].IndexOfItem;

  ObservingNebulas.clear();
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(Count, 0)), Records.size());
  // The instant and the place are the same for every record: precession,
  // nutation, aberration and the sidereal angle are worked out once.
  const TSkyMoment moment = SkyMoment(UTCTime, Longitude, Latitude);
  for (std::size_t i = 0; i < count; ++i) {
    const TNebula& record = Records[i];
    double azimut = 0;
    double elevacia = 0;
    HorizonPosition(moment, record.Rect, record.Dec, azimut, elevacia);
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
    ObservingNebulas.push_back({static_cast<int32_t>(i), record.IndexOfItem, ThumbnailArea(x, y, w, h)});
  }
  // Top edge, then left edge, then database position: a total order, so the
  // in-place sort gives exactly the order of a stable sort by the two edges
  // (ties in database order) without its quadratic cost or a scratch buffer.
  std::sort(ObservingNebulas.begin(), ObservingNebulas.end(),
            [](const TObservingNebula& a, const TObservingNebula& b) {
              if (a.SkyArea.Y1 != b.SkyArea.Y1) return a.SkyArea.Y1 < b.SkyArea.Y1;
              if (a.SkyArea.X1 != b.SkyArea.X1) return a.SkyArea.X1 < b.SkyArea.X1;
              return a.Record < b.Record;
            });

  if (!remembering) return -1;
  int32_t focused = -1;
  for (std::size_t k = 0; k < ObservingNebulas.size(); ++k)
    if (ObservingNebulas[k].IndexOfItem == remembered) focused = static_cast<int32_t>(k);
  return focused;
}
