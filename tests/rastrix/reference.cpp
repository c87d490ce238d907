#include "tests/rastrix/reference.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

uint8_t ReferenceBlend(uint8_t old, uint8_t colour, uint8_t alpha) {
  const double f = 1.0 - alpha / 255.0;
  return static_cast<uint8_t>(std::lround(old * (1.0 - f) + colour * f));
}

namespace {
int64_t Sgn(int64_t v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }
int64_t RoundSqrt(double v) { return std::lround(std::sqrt(v)); }
}  // namespace

ReferenceScreen::ReferenceScreen() : bytes(SCREEN_BYTES, 0) {}

void ReferenceScreen::Pixel(int64_t x, int64_t y) {
  if (x < viewport.X1 || x > viewport.X2 || y < viewport.Y1 || y > viewport.Y2) return;
  uint8_t* p = &bytes[(y * SCREEN_WIDTH + x) * 4];
  if (color.Alpha == 0) {
    p[0] = color.B;
    p[1] = color.G;
    p[2] = color.R;
  } else {
    p[0] = ReferenceBlend(p[0], color.B, color.Alpha);
    p[1] = ReferenceBlend(p[1], color.G, color.Alpha);
    p[2] = ReferenceBlend(p[2], color.R, color.Alpha);
  }
}

void ReferenceScreen::Line(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t u = x2 - x1, v = y2 - y1, d1x = Sgn(u), d1y = Sgn(v);
  int64_t m = std::llabs(u), n = std::llabs(v), d2x, d2y;
  if (m > n) {
    d2x = d1x;
    d2y = 0;
  } else {
    d2x = 0;
    d2y = d1y;
    std::swap(m, n);
  }
  int64_t s = m / 2, x = x1, y = y1;
  for (int64_t i = 0; i <= m; ++i) {
    Pixel(x, y);
    s += n;
    if (s >= m) {
      s -= m;
      x += d1x;
      y += d1y;
    } else {
      x += d2x;
      y += d2y;
    }
  }
}

void ReferenceScreen::Circle(int64_t xs, int64_t ys, int64_t r) {
  r = std::llabs(r);
  int64_t last_x = r;
  for (int64_t y = 0; y <= r; ++y) {
    const int64_t x = RoundSqrt(double(r * r - y * y));
    do {
      Pixel(xs + last_x, ys + y);
      Pixel(xs - last_x, ys + y);
      Pixel(xs - last_x, ys - y);
      Pixel(xs + last_x, ys - y);
    } while (last_x-- > x);
    last_x = x;
  }
}

void ReferenceScreen::Circle(int64_t xs, int64_t ys, int64_t r, int64_t width) {
  if (width == 1) Circle(xs, ys, r);
  const int64_t half1 = (width - 1) / 2, half2 = width / 2;
  for (int64_t y = ys - r - half2; y <= ys + r + half2; ++y) {
    const int64_t dy = y - ys;
    const int64_t outer = RoundSqrt(double((r + half2) * (r + half2) - dy * dy));
    if (std::llabs(dy) < r - half1) {
      const int64_t inner = RoundSqrt(double((r - half1) * (r - half1) - dy * dy));
      for (int64_t x = xs - outer; x <= xs - inner; ++x) Pixel(x, y);
      for (int64_t x = xs + inner; x <= xs + outer; ++x) Pixel(x, y);
    } else {
      for (int64_t x = xs - outer; x <= xs + outer; ++x) Pixel(x, y);
    }
  }
}

void ReferenceScreen::FillCircle(int64_t xs, int64_t ys, int64_t r) {
  for (int64_t y = ys - r; y <= ys + r; ++y) {
    const int64_t c = RoundSqrt(double(r * r - (y - ys) * (y - ys)));
    for (int64_t x = xs - c; x <= xs + c; ++x) Pixel(x, y);
  }
}

void ReferenceScreen::Rectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2, int64_t width) {
  const int64_t half1 = (width - 1) / 2, half2 = width / 2;
  for (int64_t i = y1 - half1; i <= y1 + half2; ++i) Line(x1 - half1, i, x2 + half2, i);
  for (int64_t i = x1 - half1; i <= x1 + half2; ++i) Line(i, y1, i, y2);
  for (int64_t i = y2 - half1; i <= y2 + half2; ++i) Line(x1 - half1, i, x2 + half2, i);
  for (int64_t i = x2 - half1; i <= x2 + half2; ++i) Line(i, y2, i, y1);
}

void ReferenceScreen::FillRectangle(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  if (x1 > x2 || y1 > y2) return;
  if (x1 > viewport.X2 || x2 < viewport.X1 || y1 > viewport.Y2 || y2 < viewport.Y1) return;
  x1 = std::max<int64_t>(x1, viewport.X1);
  x2 = std::min<int64_t>(x2, viewport.X2);
  y1 = std::max<int64_t>(y1, viewport.Y1);
  y2 = std::min<int64_t>(y2, viewport.Y2);
  if (x1 > x2 || y1 > y2) return;  // a reversed viewport leaves no pixels to fill
  if (color.Alpha == 0) {
    for (int64_t x = x1; x <= x2; ++x) Pixel(x, y1);
    for (int64_t y = y1 + 1; y <= y2; ++y)
      std::memcpy(&bytes[(y * SCREEN_WIDTH + x1) * 4], &bytes[(y1 * SCREEN_WIDTH + x1) * 4], (x2 - x1 + 1) * 4);
    return;
  }
  for (int64_t y = y1; y <= y2; ++y)
    for (int64_t x = x1; x <= x2; ++x) Pixel(x, y);
}
