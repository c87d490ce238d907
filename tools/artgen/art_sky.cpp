#include "tools/artgen/art_sky.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Visits every pixel within the frame's reach (reach in envelope radii).
template <class F>
void ForFrame(Canvas& c, const Frame& f, double reach, F&& body) {
  double r = reach * std::max(f.rx, f.ry);
  int x0 = std::max(0, static_cast<int>(f.cx - r)), x1 = std::min(c.Width() - 1, static_cast<int>(f.cx + r) + 1);
  int y0 = std::max(0, static_cast<int>(f.cy - r)), y1 = std::min(c.Height() - 1, static_cast<int>(f.cy + r) + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double u, v;
      f.Local(x + 0.5, y + 0.5, u, v);
      body(x, y, u, v);
    }
}

}  // namespace

void Frame::Local(double x, double y, double& u, double& v) const {
  double dx = x - cx, dy = y - cy;
  double ca = std::cos(angle), sa = std::sin(angle);
  u = (dx * ca + dy * sa) / rx;
  v = (-dx * sa + dy * ca) / ry;
}

void Star(Canvas& c, double x, double y, double flux, Rgb tint, bool spikes) {
  c.Glow(x, y, 0.55, tint * flux);
  if (flux > 0.4) {
    c.Glow(x, y, 1.6, tint * (flux * 0.12));
    c.Glow(x, y, 5.0, tint * (flux * 0.025));
  }
  if (spikes && flux > 1.2) {
    int len = static_cast<int>(6.0 * std::sqrt(flux) + 4.0);
    for (int d = 2; d <= len; ++d) {
      double w = flux * 0.35 * std::pow(1.0 - static_cast<double>(d) / len, 2.0);
      int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
      c.Add(ix + d, iy, tint * w);
      c.Add(ix - d, iy, tint * w);
      c.Add(ix, iy + d, tint * w);
      c.Add(ix, iy - d, tint * w);
    }
  }
}

Rgb StarTint(Rng& rng) {
  double t = rng.Uniform();
  if (t < 0.25) return {0.78, 0.87, 1.0};
  if (t < 0.60) return {1.0, 1.0, 1.0};
  if (t < 0.85) return {1.0, 0.92, 0.78};
  return {1.0, 0.78, 0.58};
}

void StarField(Canvas& c, Rng& rng, double density, double bright, bool spikes) {
  int count = static_cast<int>(density * c.Width() * c.Height() / 1000.0);
  for (int i = 0; i < count; ++i) {
    double x = rng.Uniform(0, c.Width()), y = rng.Uniform(0, c.Height());
    double u = rng.Uniform();
    // Many faint stars, few bright ones, as on any real exposure.
    double flux = 0.05 * std::pow(10.0, 1.6 * u * u * u * u) * (0.6 + 0.8 * rng.Uniform());
    if (rng.Uniform() < 0.012) flux = rng.Uniform(1.0, 3.0);
    Star(c, x, y, flux * bright, StarTint(rng), spikes);
  }
}

void AddCloud(Canvas& c, const Cloud& k) {
  ForFrame(c, k.frame, 2.2, [&](int x, int y, double u, double v) {
    double s = k.detail;
    double wu = u + k.warp * Fbm(u * s * 0.5, v * s * 0.5, k.seed + 11, 4);
    double wv = v + k.warp * Fbm(u * s * 0.5 + 5.2, v * s * 0.5 - 1.3, k.seed + 12, 4);
    double env = std::exp(-(wu * wu + wv * wv) * k.falloff);
    if (env < 1e-3) return;
    double n = Fbm(wu * s, wv * s, k.seed + 13, k.octaves);
    double d = env * Clamp01(0.45 + 0.75 * n * k.contrast);
    if (k.gamma != 1.0) d = std::pow(d, k.gamma);
    c.Add(x, y, k.color * d);
  });
}

void AddDust(Canvas& c, const Dust& k) {
  ForFrame(c, k.frame, 2.5, [&](int x, int y, double u, double v) {
    double env = std::exp(-(u * u + v * v) * k.falloff);
    if (env < 1e-3) return;
    double s = k.detail;
    double amount;
    if (k.lanes) {
      double r = Ridged(u * s, v * s, k.seed, 5);
      amount = SmoothStep(0.35 + k.threshold, 0.85, r);
    } else {
      double n = Fbm(u * s, v * s, k.seed, 6);
      amount = SmoothStep(k.threshold, k.threshold + 0.45, n);
    }
    double tau = k.strength * env * amount;
    if (tau <= 0.0) return;
    Rgb& p = c.At(x, y);
    p.r *= std::exp(-tau * 0.80);
    p.g *= std::exp(-tau * 0.92);
    p.b *= std::exp(-tau * 1.05);
  });
}

void AddShell(Canvas& c, const Shell& k) {
  bool arc = k.arc_to != k.arc_from;
  ForFrame(c, k.frame, 1.2 + 3.0 * k.width + k.wobble, [&](int x, int y, double u, double v) {
    double r = std::sqrt(u * u + v * v);
    double th = std::atan2(v, u);
    double ct = std::cos(th), st = std::sin(th);
    double radius = 1.0 + k.wobble * Fbm(ct * 2.0, st * 2.0, k.seed + 21, 4);
    double dr = (r - radius) / k.width;
    double rim = std::exp(-dr * dr);
    double inside = r < radius ? k.fill * SmoothStep(radius, radius * 0.4, r) * 0.6 + k.fill * 0.2 : 0.0;
    double light = rim + inside;
    if (light < 1e-3) return;
    if (arc) {
      double a = th;
      while (a < k.arc_from) a += 2 * kPi;
      double span = k.arc_to - k.arc_from;
      double t = (a - k.arc_from) / span;
      double fade = t > 1.0 ? 0.0 : SmoothStep(0.0, 0.15, t) * SmoothStep(1.0, 0.85, t);
      light *= fade;
      if (light < 1e-3) return;
    }
    double grain = 0.6 + 0.4 * Fbm(u * k.detail * 2, v * k.detail * 2, k.seed + 22, 4);
    if (k.filaments > 0.0) {
      double strands = Ridged(u * k.detail, v * k.detail, k.seed + 23, 5);
      grain = Mix(Rgb{grain, 0, 0}, Rgb{strands * 1.6, 0, 0}, k.filaments).r;
    }
    c.Add(x, y, k.color * (light * std::max(0.0, grain)));
  });
}

void AddLobes(Canvas& c, const Lobes& k) {
  ForFrame(c, k.frame, 1.8, [&](int x, int y, double u, double v) {
    double light = 0.0;
    for (int s = -1; s <= 1; s += 2) {
      double lu = (u - s * 0.55) / 0.62, lv = v / (0.28 + 0.45 * std::fabs(u));
      double e = std::exp(-(lu * lu + lv * lv) * 1.6);
      light += e;
    }
    double n = Fbm(u * k.detail, v * k.detail, k.seed, 5);
    double strands = Ridged(u * k.detail * 0.8, v * k.detail * 2.0, k.seed + 1, 4);
    light *= Clamp01(0.35 + 0.5 * n + 0.5 * strands);
    double waist = std::exp(-std::pow(u / k.waist, 2.0));
    light *= 1.0 - 0.85 * waist * std::exp(-v * v * 3.0);
    if (light > 1e-3) c.Add(x, y, k.color * light);
  });
}

void AddJet(Canvas& c, Rng& rng, double x, double y, double angle, double length, Rgb color) {
  double ca = std::cos(angle), sa = std::sin(angle);
  // A faint continuous beam carries the knots.
  for (int i = 0; i <= 100; ++i) {
    double d = length * i / 100.0;
    c.Glow(x + ca * d, y + sa * d, 0.9, color * (0.05 * (1.0 - 0.5 * i / 100.0)));
  }
  int knots = 9;
  for (int i = 1; i <= knots; ++i) {
    double t = static_cast<double>(i) / knots;
    double d = length * std::pow(t, 0.85) * rng.Uniform(0.92, 1.05);
    double side = rng.Gauss() * length * 0.012;
    double flux = 0.7 * (1.0 - 0.5 * t) * rng.Uniform(0.4, 1.0);
    // Each knot is a small shock drawn out along the flow.
    double size = 0.8 + 1.4 * t;
    for (int k = -2; k <= 2; ++k) {
      double along = d + k * size * 0.8;
      c.Glow(x + ca * along - sa * side, y + sa * along + ca * side, size, color * (flux * (1.0 - 0.3 * std::abs(k))));
    }
  }
  // The bow shock: a ragged parabolic cap opening back towards the source.
  double ex = x + ca * length * 1.08, ey = y + sa * length * 1.08;
  double w = length * 0.24;
  int reach = static_cast<int>(w * 1.8) + 2;
  uint32_t seed = static_cast<uint32_t>(rng.Next());
  for (int py = static_cast<int>(ey) - reach; py <= static_cast<int>(ey) + reach; ++py)
    for (int px = static_cast<int>(ex) - reach; px <= static_cast<int>(ex) + reach; ++px) {
      if (!c.Inside(px, py)) continue;
      double dx = px + 0.5 - ex, dy = py + 0.5 - ey;
      double along = dx * ca + dy * sa, across = -dx * sa + dy * ca;
      double curve = -(across * across) / (w * 1.1);
      double d = (along - curve) / (w * 0.22);
      // Bright on the leading edge, fading into the wake behind it.
      double profile = d > 0 ? std::exp(-d * d * 4.0) : std::exp(d * 0.9);
      double light = profile * std::exp(-std::pow(across / w, 2.0));
      light *= Clamp01(0.35 + 0.9 * Fbm(px * 0.12, py * 0.12, seed, 4));
      if (light > 1e-3) c.Add(px, py, color * (light * 0.8));
    }
  c.Glow(ex, ey, w * 0.25, color * 0.35);
}

void AddReflection(Canvas& c, double x, double y, double radius, Rgb color, uint32_t seed, double streaks,
                   double streak_angle) {
  Frame f{x, y, radius, radius, streak_angle};
  ForFrame(c, f, 3.0, [&](int px, int py, double u, double v) {
    double r = std::sqrt(u * u + v * v);
    double fall = std::exp(-r * 1.6) / (0.35 + r);
    if (fall < 2e-3) return;
    double n = Fbm(u * 2.2, v * 2.2, seed, 6);
    double dust = Clamp01(0.45 + 0.8 * n);
    if (streaks > 0.0) {
      double s = Ridged(u * 1.2, v * 6.0, seed + 5, 5);
      dust = Mix(Rgb{dust, 0, 0}, Rgb{dust * (0.4 + 1.2 * s), 0, 0}, streaks).r;
    }
    c.Add(px, py, color * (fall * dust * 0.55));
  });
}

}  // namespace art
