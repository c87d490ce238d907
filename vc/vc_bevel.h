#pragma once
// The bevelled edges of the toolkit's looks (button, panel, menu item, form):
// rings of four lines, light above and left, dark below and right for a
// raised edge, the other way round for a sunken one.

#include <cstdint>

#include "rastrix/display.h"
#include "vc/vc_base.h"

inline constexpr TBorders ALL_SIDES{true, true, true, true};

// One ring Inset pixels inside the rectangle R: the top and left lines in
// TopLeft, the bottom and right lines in BottomRight (only their R, G and B
// count; Alpha is the blending of the whole ring). The bottom line runs the
// full width and the right line the full height but its last pixel, so every
// pixel of the ring is drawn exactly once and blending gives the same result
// in any order. Sides leaves lines out; the others keep their extent.
void DrawBevelRing(const TViewport& R, int32_t Inset, TColor TopLeft, TColor BottomRight, uint8_t Alpha,
                   const TBorders& Sides = ALL_SIDES);
