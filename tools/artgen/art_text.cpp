#include "tools/artgen/art_text.h"

#include <algorithm>
#include <cmath>

#include "rastrix/rastrix.h"

namespace art {

namespace {

const TFont* FontAt(int font) {
  if (font < 0 || font >= static_cast<int>(LoadedFonts.size())) return nullptr;
  const TFont* f = LoadedFonts[font];
  return f != nullptr && f->Loaded ? f : nullptr;
}

}  // namespace

int TextWidth(int font, std::string_view text) {
  const TFont* f = FontAt(font);
  return f ? static_cast<int>(GetTextLength(*f, text)) : 0;
}

int FontHeight(int font) {
  const TFont* f = FontAt(font);
  return f ? f->PixHeight : 0;
}

TextMask RenderText(int font, std::string_view text, int pad) {
  TextMask m;
  m.pad = pad;
  m.width = TextWidth(font, text) + 2 * pad;
  m.height = FontHeight(font) + 2 * pad;
  m.ink.assign(static_cast<size_t>(m.width) * m.height, 0.0);
  const TFont* f = FontAt(font);
  if (!f || m.width > SCREEN_WIDTH || m.height > SCREEN_HEIGHT) return m;
  ClearVirtualScreen();
  SetViewport(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
  SetColor(255, 255, 255, 0);
  WriteText(pad, pad, *f, text);
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x)
      m.ink[static_cast<size_t>(y) * m.width + x] =
          VirtualScreen[(static_cast<size_t>(y) * SCREEN_WIDTH + x) * 4 + 2] / 255.0;
  ClearVirtualScreen();
  return m;
}

void DrawMask(Canvas& canvas, const TextMask& mask, int x, int y, Rgb color, double opacity) {
  for (int j = 0; j < mask.height; ++j)
    for (int i = 0; i < mask.width; ++i) {
      double a = mask.ink[static_cast<size_t>(j) * mask.width + i];
      if (a > 0.0) canvas.Blend(x - mask.pad + i, y - mask.pad + j, color, a * opacity);
    }
}

void DrawHalo(Canvas& canvas, const TextMask& mask, int x, int y, int radius, int dx, int dy, Rgb color,
              double opacity) {
  std::vector<double> soft = mask.ink;
  BlurMask(soft, mask.width, mask.height, radius);
  for (int j = 0; j < mask.height; ++j)
    for (int i = 0; i < mask.width; ++i) {
      double a = std::min(1.0, soft[static_cast<size_t>(j) * mask.width + i] * 2.0);
      if (a > 0.0) canvas.Blend(x - mask.pad + i + dx, y - mask.pad + j + dy, color, a * opacity);
    }
}

}  // namespace art

namespace art {

TextMask ScaleMask(const TextMask& mask, int factor) {
  TextMask out;
  out.pad = mask.pad * factor;
  out.width = mask.width * factor;
  out.height = mask.height * factor;
  out.ink.assign(static_cast<size_t>(out.width) * out.height, 0.0);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) {
      double sx = (x + 0.5) / factor - 0.5, sy = (y + 0.5) / factor - 0.5;
      int x0 = std::clamp(static_cast<int>(std::floor(sx)), 0, mask.width - 1);
      int y0 = std::clamp(static_cast<int>(std::floor(sy)), 0, mask.height - 1);
      int x1 = std::min(x0 + 1, mask.width - 1), y1 = std::min(y0 + 1, mask.height - 1);
      double fx = std::clamp(sx - x0, 0.0, 1.0), fy = std::clamp(sy - y0, 0.0, 1.0);
      auto at = [&](int i, int j) { return mask.ink[static_cast<size_t>(j) * mask.width + i]; };
      double top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
      double bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
      double v = top + (bottom - top) * fy;
      out.ink[static_cast<size_t>(y) * out.width + x] = v;
    }
  // Round off the pixel steps, then re-sharpen the edge so the letters stay crisp.
  BlurMask(out.ink, out.width, out.height, factor / 2);
  for (double& v : out.ink) v = SmoothStep(0.25, 0.6, v);
  return out;
}

}  // namespace art
