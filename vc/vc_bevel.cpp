#include "vc/vc_bevel.h"

#include <algorithm>

#include "rastrix/primitives.h"

namespace {

// A straight line as a one-pixel rectangle: the pixels Line would set, without
// the general line walk (forms draw many of these every frame).
void Straight(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  FillRectangle(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

}  // namespace

void DrawBevelRing(const TViewport& R, int32_t Inset, TColor TopLeft, TColor BottomRight, uint8_t Alpha,
                   const TBorders& Sides) {
  const int32_t x1 = R.X1 + Inset, y1 = R.Y1 + Inset, x2 = R.X2 - Inset, y2 = R.Y2 - Inset;
  SetColor(TopLeft.R, TopLeft.G, TopLeft.B, Alpha);
  if (Sides.Up) Straight(x1, y1, x2 - 1, y1);
  if (Sides.Left) Straight(x1, y1 + 1, x1, y2 - 1);
  SetColor(BottomRight.R, BottomRight.G, BottomRight.B, Alpha);
  if (Sides.Down) Straight(x1, y2, x2, y2);
  if (Sides.Right) Straight(x2, y1, x2, y2 - 1);
}
