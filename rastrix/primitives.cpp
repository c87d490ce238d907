#include "rastrix/primitives.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "rastrix/blend.h"

using rastrix_detail::Clip;
using rastrix_detail::CurrentClip;
using rastrix_detail::Ink;
using rastrix_detail::Nearest;
using rastrix_detail::Plot;
using rastrix_detail::ScreenAt;
using rastrix_detail::Span;

// Coordinates arrive as 32-bit values, but sums such as X2 + Half2 or R + Half2
// can leave that range, so everything inside works in 64 bits. Loops run only
// over the rows and columns that can reach the clip rectangle; because every
// pixel of one primitive is written by the same rule, visiting fewer positions
// (or visiting them in another order) leaves exactly the same bytes as the
// plain pixel-by-pixel walk, including pixels that are blended twice.

namespace {

int64_t Sgn(int64_t v) { return (v > 0) - (v < 0); }

// Inclusive integer interval; empty when Lo > Hi.
struct Range {
  int64_t Lo, Hi;
  bool Empty() const { return Lo > Hi; }
};

Range Intersect(Range a, Range b) { return Range{std::max(a.Lo, b.Lo), std::min(a.Hi, b.Hi)}; }

// The union of two intervals as at most two disjoint ones in ascending order,
// so that no position is visited twice.
int Union(Range a, Range b, Range out[2]) {
  if (a.Empty()) std::swap(a, b);
  if (a.Empty()) return 0;
  if (b.Empty()) {
    out[0] = a;
    return 1;
  }
  if (b.Lo < a.Lo) std::swap(a, b);
  if (b.Lo <= a.Hi + 1) {
    out[0] = Range{a.Lo, std::max(a.Hi, b.Hi)};
    return 1;
  }
  out[0] = a;
  out[1] = b;
  return 2;
}

// nearest(sqrt(a² - d²)) for |d| <= |a|, the squares taken in floating point
// because they may exceed 64-bit integers.
int64_t Chord(int64_t a, int64_t d) {
  const double da = static_cast<double>(a), dd = static_cast<double>(d);
  const double v = da * da - dd * dd;
  assert(v >= 0);
  return Nearest(std::sqrt(v));
}

void DrawLine(const Ink& ink, const Clip& clip, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  const int64_t u = x2 - x1, v = y2 - y1;
  const int64_t d1x = Sgn(u), d1y = Sgn(v);
  int64_t m = std::llabs(u), n = std::llabs(v);
  const bool x_major = m > n;
  if (!x_major) std::swap(m, n);
  if (m == 0) {
    Plot(ink, clip, x1, y1);
    return;
  }
  // Every step moves one pixel along the major axis; after i steps the error
  // term has taken floor((m / 2 + i * n) / m) steps along the minor axis. That
  // lets the walk start at the first step whose major coordinate is visible.
  const int64_t start = x_major ? x1 : y1;
  const int64_t dir = x_major ? d1x : d1y;
  const int64_t lo = x_major ? clip.X1 : clip.Y1, hi = x_major ? clip.X2 : clip.Y2;
  const Range visible = dir > 0 ? Range{lo - start, hi - start} : Range{start - hi, start - lo};
  const Range steps = Intersect(visible, Range{0, m});
  if (steps.Empty()) return;
  const __int128 total = static_cast<__int128>(m / 2) + static_cast<__int128>(steps.Lo) * n;
  int64_t minor = static_cast<int64_t>(total / m);
  int64_t s = static_cast<int64_t>(total % m);
  const int64_t minor_dir = x_major ? d1y : d1x;
  for (int64_t i = steps.Lo; i <= steps.Hi; ++i) {
    const int64_t major_pos = start + dir * i;
    const int64_t minor_pos = (x_major ? y1 : x1) + minor_dir * minor;
    if (x_major) Plot(ink, clip, major_pos, minor_pos);
    else Plot(ink, clip, minor_pos, major_pos);
    s += n;
    if (s >= m) {
      s -= m;
      ++minor;
    }
  }
}

void ThinCircle(const Ink& ink, const Clip& clip, int64_t xs, int64_t ys, int64_t r) {
  r = std::llabs(r);
  // Rows Y of the walk whose mirrored rows ys + Y or ys - Y are visible, and
  // likewise the columns.
  Range rows[2], cols[2];
  const Range all{0, r};
  const int row_count = Union(Intersect(Range{clip.Y1 - ys, clip.Y2 - ys}, all),
                              Intersect(Range{ys - clip.Y2, ys - clip.Y1}, all), rows);
  const int col_count = Union(Intersect(Range{clip.X1 - xs, clip.X2 - xs}, all),
                              Intersect(Range{xs - clip.X2, xs - clip.X1}, all), cols);
  for (int ri = 0; ri < row_count; ++ri) {
    int64_t last_x = rows[ri].Lo == 0 ? r : Chord(r, rows[ri].Lo - 1);
    for (int64_t y = rows[ri].Lo; y <= rows[ri].Hi; ++y) {
      const int64_t x = Chord(r, y);
      // The run from the previous row's X down to this row's X (one column at least).
      for (int ci = 0; ci < col_count; ++ci) {
        const Range run = Intersect(Range{x, last_x}, cols[ci]);
        for (int64_t lx = run.Hi; lx >= run.Lo; --lx) {
          Plot(ink, clip, xs + lx, ys + y);
          Plot(ink, clip, xs - lx, ys + y);
          Plot(ink, clip, xs - lx, ys - y);
          Plot(ink, clip, xs + lx, ys - y);
        }
      }
      last_x = x;
    }
  }
}

}  // namespace

void Pixel(int32_t X, int32_t Y) {
  const Ink ink(Color);
  if (ink.Invisible()) return;
  Plot(ink, CurrentClip(), X, Y);
}

void Line(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  DrawLine(ink, clip, X1, Y1, X2, Y2);
}

void Circle(int32_t XS, int32_t YS, int32_t R) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  ThinCircle(ink, clip, XS, YS, R);
}

void Circle(int32_t XS, int32_t YS, int32_t R, int32_t Line_Width) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  if (Line_Width == 1) ThinCircle(ink, clip, XS, YS, R);
  const int64_t half1 = (int64_t{Line_Width} - 1) / 2, half2 = Line_Width / 2;
  const int64_t outer_r = int64_t{R} + half2, inner_r = int64_t{R} - half1;
  if (outer_r < 0) return;
  const Range rows = Intersect(Range{YS - outer_r, YS + outer_r}, Range{clip.Y1, clip.Y2});
  for (int64_t y = rows.Lo; y <= rows.Hi; ++y) {
    const int64_t dy = y - YS;
    const int64_t outer = Chord(outer_r, dy);
    if (std::llabs(dy) < inner_r) {
      const int64_t inner = Chord(inner_r, dy);
      Span(ink, clip, y, XS - outer, XS - inner);
      Span(ink, clip, y, XS + inner, XS + outer);
    } else {
      Span(ink, clip, y, XS - outer, XS + outer);
    }
  }
}

void FillCircle(int32_t XS, int32_t YS, int32_t R) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty() || R < 0) return;
  const Range rows = Intersect(Range{int64_t{YS} - R, int64_t{YS} + R}, Range{clip.Y1, clip.Y2});
  for (int64_t y = rows.Lo; y <= rows.Hi; ++y) {
    const int64_t c = Chord(R, y - YS);
    Span(ink, clip, y, XS - c, XS + c);
  }
}

void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) { Rectangle(X1, Y1, X2, Y2, 1); }

void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t Line_Width) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  const int64_t half1 = (int64_t{Line_Width} - 1) / 2, half2 = Line_Width / 2;
  const int64_t left = int64_t{X1} - half1, right = int64_t{X2} + half2;
  // A horizontal line on an invisible row, or a vertical one in an invisible
  // column, draws nothing, so each band only walks its visible lines.
  const Range vis_rows{clip.Y1, clip.Y2}, vis_cols{clip.X1, clip.X2};
  const Range top = Intersect(Range{Y1 - half1, Y1 + half2}, vis_rows);
  for (int64_t i = top.Lo; i <= top.Hi; ++i) DrawLine(ink, clip, left, i, right, i);
  const Range left_band = Intersect(Range{X1 - half1, X1 + half2}, vis_cols);
  for (int64_t i = left_band.Lo; i <= left_band.Hi; ++i) DrawLine(ink, clip, i, Y1, i, Y2);
  const Range bottom = Intersect(Range{Y2 - half1, Y2 + half2}, vis_rows);
  for (int64_t i = bottom.Lo; i <= bottom.Hi; ++i) DrawLine(ink, clip, left, i, right, i);
  const Range right_band = Intersect(Range{X2 - half1, X2 + half2}, vis_cols);
  for (int64_t i = right_band.Lo; i <= right_band.Hi; ++i) DrawLine(ink, clip, i, Y2, i, Y1);
}

void FillRectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  if (X1 > X2 || Y1 > Y2) return;
  if (X1 > clip.X2 || X2 < clip.X1 || Y1 > clip.Y2 || Y2 < clip.Y1) return;
  const int64_t x1 = std::max<int64_t>(X1, clip.X1), x2 = std::min<int64_t>(X2, clip.X2);
  const int64_t y1 = std::max<int64_t>(Y1, clip.Y1), y2 = std::min<int64_t>(Y2, clip.Y2);
  const size_t row_bytes = static_cast<size_t>(x2 - x1 + 1) * 4;
  if (ink.Opaque()) {
    // The first row gets the colour; every row below becomes a copy of it,
    // fourth bytes included.
    Span(ink, clip, y1, x1, x2);
    if (y2 == y1) return;
    const uint8_t* first = ScreenAt(x1, y1);
    const size_t pixels = row_bytes / 4;
    bool uniform = true;
    for (size_t i = 1; i < pixels && uniform; ++i) uniform = first[i * 4 + 3] == first[3];
    if (!uniform) {
      for (int64_t y = y1 + 1; y <= y2; ++y) std::memcpy(ScreenAt(x1, y), first, row_bytes);
      return;
    }
    // Usually the fourth bytes agree, and then a copy of the row is one
    // repeated pixel value, stored without reading anything; full-width rows
    // are one contiguous block.
    uint32_t value;
    std::memcpy(&value, first, 4);
    if (pixels == static_cast<size_t>(SCREEN_WIDTH)) {
      rastrix_detail::FillRun(ScreenAt(x1, y1 + 1), pixels * static_cast<size_t>(y2 - y1), value);
    } else {
      for (int64_t y = y1 + 1; y <= y2; ++y) rastrix_detail::FillRun(ScreenAt(x1, y), pixels, value);
    }
    return;
  }
  for (int64_t y = y1; y <= y2; ++y) rastrix_detail::BlendRun(ink, ScreenAt(x1, y), row_bytes / 4);
}
