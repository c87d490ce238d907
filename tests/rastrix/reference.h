#pragma once
// A second, deliberately plain drawing of the primitives on a private buffer:
// every pixel goes through one clipped write with the floating-point blending
// formula, and every loop runs exactly as the drawing rules describe it, with
// no fast paths. The raster unit must produce the same bytes.

#include <cstdint>
#include <vector>

#include "rastrix/display.h"

class ReferenceScreen {
 public:
  std::vector<uint8_t> bytes;  // SCREEN_BYTES, same layout as the virtual screen
  TColor color;
  TViewport viewport;

  ReferenceScreen();
  void Pixel(int64_t x, int64_t y);
  void Line(int64_t x1, int64_t y1, int64_t x2, int64_t y2);
  void Circle(int64_t xs, int64_t ys, int64_t r);
  void Circle(int64_t xs, int64_t ys, int64_t r, int64_t width);
  void FillCircle(int64_t xs, int64_t ys, int64_t r);
  void Rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t width);
  void FillRectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2);
};

// The blending formula as written: nearest(old * (1 - F) + colour * F), F = 1 - alpha / 255.
uint8_t ReferenceBlend(uint8_t old, uint8_t colour, uint8_t alpha);
