#pragma once
// Pixel writing shared by the primitives, pictures and text. A colour with
// transparency a (0 opaque .. 255 invisible) turns a byte old into
// nearest(old * (1 - F) + c * F) with F = 1 - a / 255. That value is the
// rational (old * a + c * (255 - a)) / 255, which can never lie exactly halfway
// between two integers (its doubled numerator is even, 255 is odd), so the
// integer form below rounds it identically without touching floating point.

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

#include "rastrix/display.h"

namespace rastrix_detail {

// Rounds to the nearest integer, halfway cases to the even neighbour, as the
// default floating-point rounding does.
inline int64_t Nearest(double x) { return static_cast<int64_t>(std::nearbyint(x)); }

inline uint8_t BlendByte(uint32_t old, uint32_t alpha, uint32_t colour) {
  return static_cast<uint8_t>((old * alpha + colour * (255 - alpha) + 127) / 255);
}

// The clip rectangle actually used: the viewport, never reaching off the screen
// even if someone assigned Viewport directly.
struct Clip {
  int64_t X1, Y1, X2, Y2;
  bool Empty() const { return X1 > X2 || Y1 > Y2; }
};

inline Clip CurrentClip() {
  return Clip{std::max<int64_t>(Viewport.X1, 0), std::max<int64_t>(Viewport.Y1, 0),
              std::min<int64_t>(Viewport.X2, SCREEN_WIDTH - 1), std::min<int64_t>(Viewport.Y2, SCREEN_HEIGHT - 1)};
}

inline uint8_t* ScreenAt(int64_t x, int64_t y) {
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  assert(x >= 0 && x < SCREEN_WIDTH && y >= 0 && y < SCREEN_HEIGHT);
  return VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
}

// A drawing colour prepared once per primitive: the choice between copying and
// blending is made before any pixel loop.
struct Ink {
  uint8_t B, G, R;
  uint32_t Alpha;
  uint32_t KB, KG, KR;  // colour * (255 - Alpha) + 127, the constant part of the blend

  explicit Ink(TColor c)
      : B(c.B), G(c.G), R(c.R), Alpha(c.Alpha),
        KB(c.B * (255u - c.Alpha) + 127), KG(c.G * (255u - c.Alpha) + 127), KR(c.R * (255u - c.Alpha) + 127) {}

  bool Opaque() const { return Alpha == 0; }
  bool Invisible() const { return Alpha == 255; }

  void Copy(uint8_t* p) const {
    p[0] = B;
    p[1] = G;
    p[2] = R;
  }
  void Blend(uint8_t* p) const {
    p[0] = static_cast<uint8_t>((p[0] * Alpha + KB) / 255);
    p[1] = static_cast<uint8_t>((p[1] * Alpha + KG) / 255);
    p[2] = static_cast<uint8_t>((p[2] * Alpha + KR) / 255);
  }
  void Put(uint8_t* p) const {
    if (Alpha == 0) Copy(p);
    else Blend(p);
  }
};

// Writes the pixels X1..X2 of row Y that lie inside the clip rectangle.
inline void Span(const Ink& ink, const Clip& clip, int64_t y, int64_t x1, int64_t x2) {
  if (y < clip.Y1 || y > clip.Y2) return;
  x1 = std::max(x1, clip.X1);
  x2 = std::min(x2, clip.X2);
  if (x1 > x2) return;
  uint8_t* p = ScreenAt(x1, y);
  uint8_t* const end = p + (x2 - x1 + 1) * 4;
  if (ink.Opaque()) {
    for (; p != end; p += 4) ink.Copy(p);
  } else {
    for (; p != end; p += 4) ink.Blend(p);
  }
}

inline void Plot(const Ink& ink, const Clip& clip, int64_t x, int64_t y) {
  if (x < clip.X1 || x > clip.X2 || y < clip.Y1 || y > clip.Y2) return;
  ink.Put(ScreenAt(x, y));
}

}  // namespace rastrix_detail
