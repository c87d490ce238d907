#include "tools/artgen/art_canvas.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "platform/cp1250.h"
#include "rastrix/rastrix.h"

namespace art {

double Clamp01(double v) { return v < 0.0 ? 0.0 : v > 1.0 ? 1.0 : v; }

double SmoothStep(double e0, double e1, double x) {
  double t = Clamp01((x - e0) / (e1 - e0));
  return t * t * (3.0 - 2.0 * t);
}

double SdCircle(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) - r; }

double SdRoundRect(double x, double y, double cx, double cy, double hw, double hh, double r) {
  double qx = std::fabs(x - cx) - hw + r;
  double qy = std::fabs(y - cy) - hh + r;
  double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double SdSegment(double x, double y, double ax, double ay, double bx, double by, double r) {
  double px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  double len2 = dx * dx + dy * dy;
  double h = len2 > 0.0 ? Clamp01((px * dx + py * dy) / len2) : 0.0;
  return std::hypot(px - dx * h, py - dy * h) - r;
}

double SdEllipse(double x, double y, double cx, double cy, double rx, double ry) {
  // Scaled circle distance: exact enough for the small ellipses of icons.
  double k = std::min(rx, ry);
  double nx = (x - cx) / rx, ny = (y - cy) / ry;
  return (std::sqrt(nx * nx + ny * ny) - 1.0) * k;
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      px_(static_cast<size_t>(width) * height, fill),
      cover_(static_cast<size_t>(width) * height, 1.0) {
  assert(width > 0 && height > 0 && width <= SCREEN_WIDTH && height <= SCREEN_HEIGHT);
}

void Canvas::Blend(int x, int y, Rgb c, double a) {
  if (!Inside(x, y) || a <= 0.0) return;
  Rgb& p = At(x, y);
  p = Mix(p, c, std::min(a, 1.0));
}

void Canvas::Add(int x, int y, Rgb c) {
  if (!Inside(x, y)) return;
  At(x, y) = At(x, y) + c;
}

void Canvas::Fill(const Sdf& sdf, const Shader& shader, double opacity) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      double cx = x + 0.5, cy = y + 0.5;
      double cov = Clamp01(0.5 - sdf(cx, cy));
      if (cov > 0.0) Blend(x, y, shader(cx, cy), cov * opacity);
    }
}

void Canvas::Fill(const Sdf& sdf, Rgb color, double opacity) {
  Fill(
      sdf, [color](double, double) { return color; }, opacity);
}

void Canvas::Glow(double cx, double cy, double sigma, Rgb color) {
  int r = static_cast<int>(std::ceil(sigma * 4.0));
  int x0 = std::max(0, static_cast<int>(cx) - r), x1 = std::min(width_ - 1, static_cast<int>(cx) + r);
  int y0 = std::max(0, static_cast<int>(cy) - r), y1 = std::min(height_ - 1, static_cast<int>(cy) + r);
  double inv = 1.0 / (2.0 * sigma * sigma);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      double w = std::exp(-(dx * dx + dy * dy) * inv);
      if (w > 1e-4) Add(x, y, color * w);
    }
}

void Canvas::Map(const std::function<Rgb(int, int, Rgb)>& f) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) At(x, y) = f(x, y, At(x, y));
}

void Canvas::CutTo(const Sdf& sdf) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      double& c = cover_[static_cast<size_t>(y) * width_ + x];
      c = std::min(c, Clamp01(0.5 - sdf(x + 0.5, y + 0.5)));
    }
}

void Canvas::ToneMap(double exposure) {
  for (Rgb& p : px_) {
    p.r = 1.0 - std::exp(-std::max(0.0, p.r) * exposure);
    p.g = 1.0 - std::exp(-std::max(0.0, p.g) * exposure);
    p.b = 1.0 - std::exp(-std::max(0.0, p.b) * exposure);
  }
}

namespace {

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0)); }

}  // namespace

bool SavePicture(const Canvas& canvas, const std::string& native_path, bool keyed) {
  // Key edges: a half-covered rim pixel either belongs to the shape (kept at
  // its colour, which was painted over a dark rim already) or becomes the key.
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      uint8_t* p = VirtualScreen + (static_cast<size_t>(y) * SCREEN_WIDTH + x) * 4;
      const Rgb& c = canvas.At(x, y);
      uint8_t r = ToByte(c.r), g = ToByte(c.g), b = ToByte(c.b);
      if (keyed) {
        if (canvas.Coverage(x, y) < 0.5) {
          r = kKeyR, g = kKeyG, b = kKeyB;
        } else if (r == kKeyR && g == kKeyG && b == kKeyB) {
          g = static_cast<uint8_t>(kKeyG + 1);
        }
      }
      p[0] = b, p[1] = g, p[2] = r;
    }
  cp1250::Conversion name = cp1250::FromUtf8(native_path);
  bool ok = name.ok && SaveBMPPicture({0, 0, canvas.Width() - 1, canvas.Height() - 1}, name.text);
  ClearVirtualScreen();
  return ok;
}

void BlurMask(std::vector<double>& mask, int width, int height, int radius) {
  if (radius <= 0) return;
  std::vector<double> tmp(mask.size());
  double norm = 1.0 / (2 * radius + 1);
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        double s = 0.0;
        for (int k = -radius; k <= radius; ++k) {
          int xx = std::clamp(x + k, 0, width - 1);
          s += mask[static_cast<size_t>(y) * width + xx];
        }
        tmp[static_cast<size_t>(y) * width + x] = s * norm;
      }
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        double s = 0.0;
        for (int k = -radius; k <= radius; ++k) {
          int yy = std::clamp(y + k, 0, height - 1);
          s += tmp[static_cast<size_t>(yy) * width + x];
        }
        mask[static_cast<size_t>(y) * width + x] = s * norm;
      }
  }
}

}  // namespace art
