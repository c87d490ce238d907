#include "tools/artgen/art_gallery.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "tools/artgen/art_noise.h"
#include "tools/artgen/art_sky.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

double MinSide(const Canvas& c) { return std::min(c.Width(), c.Height()); }

// A faint, grainy sky background: real exposures are never pure black.
void SkyBackground(Canvas& c, uint32_t seed, Rgb tint, double level) {
  c.Map([&](int x, int y, Rgb p) {
    double n = Fbm(x * 0.012, y * 0.012, seed, 4);
    return p + tint * (level * (0.6 + 0.5 * n));
  });
}

// A dark shape in front of the light, with a faint bright rim where the light
// behind it grazes its edge. softness widens the edge (pixels); the dust inside
// is mottled, as real clouds are never evenly opaque.
void AddSilhouette(Canvas& c, const Sdf& sdf, uint32_t seed, double strength, Rgb rim, double roughness,
                   double softness = 2.5) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      double d = sdf(x + 0.5, y + 0.5) + roughness * Fbm(x * 0.09, y * 0.09, seed, 5);
      double cov = SmoothStep(softness, -1.5 * softness, d);
      if (cov <= 0.0 && d > 6.0) continue;
      double mottle = 0.55 + 0.45 * Clamp01(0.5 + 0.5 * Fbm(x * 0.05, y * 0.05, seed + 99, 4));
      Rgb& p = c.At(x, y);
      p = p * std::exp(-strength * cov * mottle);
      if (d > -1.0 && d < 6.0) p = p + rim * (std::exp(-std::pow((d - 1.0) / 1.8, 2.0)) * 0.3);
    }
}

void Finish(Canvas& c, double exposure) { c.ToneMap(exposure); }

// ---- Planetary nebulae -------------------------------------------------------

enum class PnShape { Ring, Bipolar, Nested, Round, Helix, Saturn };

void Planetary(Canvas& c, uint32_t seed, PnShape shape, double size, double angle, double aspect, Rgb inner,
               Rgb outer) {
  Rng rng(seed);
  SkyBackground(c, seed, {0.02, 0.02, 0.035}, 1.0);
  StarField(c, rng, 2.2, 0.8);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5;
  double r = MinSide(c) * size;
  Frame f{cx, cy, r, r * aspect, angle};
  switch (shape) {
    case PnShape::Ring: {
      Cloud halo{{cx, cy, r * 1.5, r * 1.5 * aspect, angle}, outer * 0.25, seed + 1, 3.0, 0.2, 0.8, 1.0, 2.5};
      AddCloud(c, halo);
      AddShell(c, {f, outer * 1.3, seed + 2, 0.22, 0.05, 0.35, 5.0, 0.0});
      AddShell(c, {{cx, cy, r * 0.82, r * 0.82 * aspect, angle},
                   Mix(outer, inner, 0.6) * 0.9,
                   seed + 3,
                   0.25,
                   0.04,
                   0.2,
                   4.0,
                   0.0});
      Cloud core{{cx, cy, r * 0.7, r * 0.7 * aspect, angle}, inner * 0.7, seed + 4, 2.0, 0.1, 0.5, 1.0, 2.0};
      AddCloud(c, core);
      break;
    }
    case PnShape::Helix: {
      AddShell(c, {f, outer * 1.1, seed + 2, 0.28, 0.1, 0.55, 6.0, 0.1});
      AddShell(c, {{cx + r * 0.05, cy, r * 0.62, r * 0.66 * aspect, angle + 0.6},
                   Mix(outer, inner, 0.5),
                   seed + 5,
                   0.22,
                   0.08,
                   0.5,
                   6.0,
                   0.1});
      Cloud core{{cx, cy, r * 0.55, r * 0.55, 0}, inner * 0.55, seed + 4, 2.0, 0.2, 0.6, 1.0, 2.0};
      AddCloud(c, core);
      // Cometary knots on the inner rim of the ring.
      for (int i = 0; i < 90; ++i) {
        double a = rng.Uniform(0, 2 * kPi), rr = r * rng.Uniform(0.55, 0.8);
        double kx = cx + std::cos(a) * rr, ky = cy + std::sin(a) * rr * aspect;
        c.Glow(kx, ky, 0.9, outer * rng.Uniform(0.2, 0.5));
      }
      break;
    }
    case PnShape::Bipolar: {
      Cloud glow{{cx, cy, r * 0.9, r * 0.6, angle}, inner * 0.45, seed + 1, 2.5, 0.3, 0.7, 1.0, 2.0};
      AddCloud(c, glow);
      AddLobes(c, {f, outer * 1.7, seed + 2, 3.5, 0.16});
      AddLobes(c, {{cx, cy, r * 0.75, r * 0.75 * aspect, angle}, inner * 1.1, seed + 3, 4.0, 0.2});
      // The hot core shines through the waist, behind the dust torus.
      c.Glow(cx, cy, r * 0.07, Rgb{1.0, 0.95, 0.9} * 1.2);
      Dust torus{{cx, cy, r * 0.12, r * 0.45, angle}, seed + 5, 1.4, 2.0, -0.4, false, 2.5};
      AddDust(c, torus);
      break;
    }
    case PnShape::Nested: {
      Cloud halo{{cx, cy, r * 1.6, r * 1.6, 0}, outer * 0.18, seed + 1, 4.0, 0.3, 1.2, 1.3, 1.5};
      AddCloud(c, halo);
      for (int i = 0; i < 4; ++i) {
        double a = angle + i * 0.45;
        double s = 1.0 - i * 0.12;
        AddShell(c, {{cx, cy, r * 0.9 * s, r * 0.45 * s, a},
                     Mix(inner, outer, i * 0.25) * 0.55,
                     seed + 10 + i,
                     0.16,
                     0.06,
                     0.3,
                     5.0,
                     0.15});
      }
      Cloud core{{cx, cy, r * 0.35, r * 0.22, angle}, inner * 1.2, seed + 4, 2.0, 0.1, 0.5, 1.0, 2.5};
      AddCloud(c, core);
      break;
    }
    case PnShape::Round: {
      Cloud halo{{cx, cy, r * 1.3, r * 1.3 * aspect, angle}, outer * 0.3, seed + 1, 3.0, 0.15, 0.7, 1.0, 2.0};
      AddCloud(c, halo);
      Shell disk{f, Mix(inner, outer, 0.3), seed + 2, 0.3, 0.05, 0.25, 4.0, 1.6};
      AddShell(c, disk);
      Cloud core{{cx, cy, r * 0.7, r * 0.7 * aspect, angle}, inner * 0.6, seed + 4, 3.0, 0.2, 0.9, 1.0, 2.0};
      AddCloud(c, core);
      break;
    }
    case PnShape::Saturn: {
      Shell disk{f, Mix(inner, outer, 0.2), seed + 2, 0.3, 0.04, 0.2, 4.0, 1.4};
      AddShell(c, disk);
      for (int s = -1; s <= 1; s += 2) {
        double ax = cx + std::cos(angle) * r * 1.9 * s, ay = cy + std::sin(angle) * r * 1.9 * s;
        c.Glow(ax, ay, r * 0.12, outer * 0.8);
        for (int i = 1; i < 12; ++i) {
          double t = i / 12.0 * 1.9;
          c.Glow(cx + std::cos(angle) * r * t * s, cy + std::sin(angle) * r * t * s, r * 0.1, outer * 0.06);
        }
      }
      break;
    }
  }
  Star(c, cx, cy, 1.1, {0.85, 0.92, 1.0});
  Finish(c, 1.4);
}

// ---- Supernova remnants -------------------------------------------------------

enum class SnrShape { Shell, Crab, Arc, Pencil };

void Supernova(Canvas& c, uint32_t seed, SnrShape shape, double size, double angle) {
  Rng rng(seed);
  SkyBackground(c, seed, {0.03, 0.025, 0.035}, 1.0);
  StarField(c, rng, 3.0, 0.8);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5, r = MinSide(c) * size;
  switch (shape) {
    case SnrShape::Crab: {
      Frame f{cx, cy, r * 1.25, r * 0.9, angle};
      Cloud synchrotron{f, Rgb{0.45, 0.6, 1.0} * 0.9, seed + 1, 2.0, 0.3, 0.6, 1.0, 2.2};
      AddCloud(c, synchrotron);
      for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
          double u, v;
          f.Local(x + 0.5, y + 0.5, u, v);
          double wu = u + 0.25 * Fbm(u * 1.5, v * 1.5, seed + 2, 3),
                 wv = v + 0.25 * Fbm(u * 1.5 + 4, v * 1.5, seed + 3, 3);
          double env = SmoothStep(1.05, 0.7, std::sqrt(wu * wu + wv * wv));
          if (env <= 0) continue;
          double web = Ridged(u * 3.5, v * 3.5, seed + 4, 5);
          double t = Clamp01(0.5 + 0.8 * Fbm(u * 2.0, v * 2.0, seed + 5, 3));
          Rgb col = Mix(Rgb{1.0, 0.35, 0.2}, Rgb{1.0, 0.75, 0.35}, t);
          c.Add(x, y, col * (env * std::pow(web, 2.5) * 1.6));
        }
      Star(c, cx + r * 0.05, cy - r * 0.05, 0.5, {1, 1, 1});
      break;
    }
    case SnrShape::Shell: {
      Frame f{cx, cy, r, r * 0.95, angle};
      AddShell(c, {f, kHalpha * 1.2, seed + 1, 0.12, 0.12, 0.85, 6.0, 0.15});
      AddShell(c, {{cx, cy, r * 0.93, r * 0.9, angle}, kOxygen * 0.5, seed + 2, 0.08, 0.12, 0.9, 7.0, 0.0});
      break;
    }
    case SnrShape::Arc: {
      // A piece of a huge shell: the centre lies off the picture.
      double big = MinSide(c) * 1.6;
      double ccx = cx - std::cos(angle) * big * 0.78, ccy = cy - std::sin(angle) * big * 0.78;
      Frame f{ccx, ccy, big * 0.8, big * 0.8, 0};
      double a0 = angle - 0.55, a1 = angle + 0.55;
      AddShell(c, {f, kHalpha * 1.3, seed + 1, 0.05, 0.05, 0.95, 9.0, 0.0, a0, a1});
      AddShell(c,
               {{ccx, ccy, big * 0.77, big * 0.77, 0}, kOxygen * 1.0, seed + 2, 0.04, 0.05, 0.95, 10.0, 0.0, a0, a1});
      AddShell(c, {{ccx, ccy, big * 0.72, big * 0.72, 0},
                   Mix(kHalpha, kOxygen, 0.5) * 0.6,
                   seed + 3,
                   0.06,
                   0.06,
                   0.9,
                   8.0,
                   0.0,
                   a0,
                   a1});
      break;
    }
    case SnrShape::Pencil: {
      Frame f{cx, cy, r * 1.8, r * 0.1, angle};
      Cloud line{f, kOxygen * 0.9, seed + 1, 6.0, 0.3, 1.2, 1.3, 2.0};
      AddCloud(c, line);
      Cloud red{{cx + 6, cy + 3, r * 1.6, r * 0.14, angle}, kHalpha * 0.5, seed + 2, 5.0, 0.3, 1.0, 1.0, 2.0};
      AddCloud(c, red);
      break;
    }
  }
  Finish(c, 1.3);
}

// ---- Herbig-Haro objects -------------------------------------------------------

void HerbigHaro(Canvas& c, uint32_t seed, double angle, bool two_sided, double length, bool edge_on_disk = false) {
  Rng rng(seed);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5;
  SkyBackground(c, seed, {0.05, 0.025, 0.03}, 1.0);
  StarField(c, rng, 2.5, 0.7);
  Cloud glow{
      {cx, cy, c.Width() * 0.6, c.Height() * 0.6, 0.3}, Rgb{0.35, 0.12, 0.12} * 0.5, seed + 1, 2.5, 0.5, 1.0, 1.0, 1.0};
  AddCloud(c, glow);
  AddDust(c, {{cx, cy, c.Width() * 0.45, c.Height() * 0.4, angle + 1.2}, seed + 2, 3.5, 2.0, -0.1, false, 1.0});
  double len = MinSide(c) * length;
  AddJet(c, rng, cx, cy, angle, len, Rgb{1.0, 0.45, 0.35});
  if (two_sided) AddJet(c, rng, cx, cy, angle + kPi, len * 0.85, Rgb{1.0, 0.5, 0.4});
  if (edge_on_disk) {
    // Starlight scattered off the disc's two faces, split by its dark midplane.
    double m = MinSide(c);
    for (int side = -1; side <= 1; side += 2) {
      double ox = cx + std::cos(angle) * m * 0.025 * side, oy = cy + std::sin(angle) * m * 0.025 * side;
      AddCloud(c, {{ox, oy, m * 0.06, m * 0.03, angle + 1.5708},
                   Rgb{1.0, 0.8, 0.6} * 1.4,
                   seed + 8 + side,
                   1.5,
                   0.1,
                   0.4,
                   1.0,
                   2.0});
    }
    Sdf midplane = [=](double x, double y) {
      double u = (x - cx) * std::cos(angle) + (y - cy) * std::sin(angle);
      double v = -(x - cx) * std::sin(angle) + (y - cy) * std::cos(angle);
      return std::max(std::fabs(u) - m * 0.008, std::fabs(v) - m * 0.09);
    };
    AddSilhouette(c, midplane, seed + 9, 3.0, Rgb{0, 0, 0}, 0.5, 1.0);
  } else {
    // The young star is hidden in its disc; light escapes through the outflow cavity.
    AddReflection(c, cx, cy, MinSide(c) * 0.08, Rgb{0.7, 0.55, 0.45}, seed + 3);
    Star(c, cx, cy, 0.8, {1.0, 0.75, 0.55});
  }
  Finish(c, 1.4);
}

// ---- Neutral hydrogen (shown as a 21 cm intensity map) ---------------------------

Rgb RadioPalette(double t) {
  static const Rgb kStops[] = {{0.02, 0.02, 0.10}, {0.05, 0.15, 0.45}, {0.05, 0.55, 0.65},
                               {0.45, 0.80, 0.30}, {0.98, 0.85, 0.20}, {0.95, 0.35, 0.10}};
  t = Clamp01(t) * 5.0;
  int i = std::min(4, static_cast<int>(t));
  return Mix(kStops[i], kStops[i + 1], t - i);
}

void NeutralHydrogen(Canvas& c, uint32_t seed, double angle, bool comet) {
  Canvas density(c.Width(), c.Height());
  double cx = c.Width() * 0.55, cy = c.Height() * 0.5, r = MinSide(c) * 0.32;
  AddCloud(density, {{cx, cy, r * (comet ? 1.0 : 1.6), r, angle}, {1, 1, 1}, seed, 2.2, 0.5, 1.0, 1.0, 1.6});
  if (comet) {
    for (int i = 1; i <= 4; ++i) {
      double d = r * 0.9 * i;
      AddCloud(density, {{cx - std::cos(angle) * d, cy - std::sin(angle) * d, r * 1.1, r * (0.6 + 0.1 * i), angle},
                         Rgb{1, 1, 1} * (0.55 - 0.1 * i),
                         seed + i,
                         2.5,
                         0.6,
                         1.0,
                         1.0,
                         1.8});
    }
  } else {
    AddCloud(density, {{cx - r * 0.9, cy + r * 0.4, r * 0.9, r * 0.6, angle + 0.8},
                       Rgb{1, 1, 1} * 0.6,
                       seed + 7,
                       2.5,
                       0.6,
                       1.0,
                       1.0,
                       1.8});
  }
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      double d = Clamp01(density.At(x, y).r * 0.9);
      Rgb col = RadioPalette(d);
      // Contour lines every tenth of the peak, as on a survey map.
      double contour = std::fabs(std::fmod(d * 10.0, 1.0) - 0.5);
      if (d > 0.08 && contour > 0.45) col = Mix(col, Rgb{0.9, 0.95, 1.0}, 0.35);
      c.At(x, y) = col;
    }
  // A faint coordinate grid.
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (x % 50 == 0 || y % 50 == 0) c.Blend(x, y, Rgb{0.6, 0.7, 0.9}, 0.12);
}

// ---- Emission nebulae (H II regions) --------------------------------------------

enum class HiiShape { Cloud, Rosette, Pillars, Trifid, Lagoon, Continent, Heart, Orion };

void Cluster(Canvas& c, Rng& rng, double x, double y, double spread, int n, double flux) {
  for (int i = 0; i < n; ++i) {
    // Drawn one by one, in the order the committed pictures were made with, so
    // every compiler draws the same stars.
    double star_flux = flux * rng.Uniform(0.5, 1.5);
    double sy = y + rng.Gauss() * spread;
    double sx = x + rng.Gauss() * spread;
    Star(c, sx, sy, star_flux, {0.8, 0.88, 1.0}, true);
  }
}

void Emission(Canvas& c, uint32_t seed, HiiShape shape) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height(), cx = W * 0.5, cy = H * 0.5, m = MinSide(c);
  SkyBackground(c, seed, {0.04, 0.02, 0.03}, 1.0);
  StarField(c, rng, 3.0, 0.7, false);
  switch (shape) {
    case HiiShape::Cloud: {
      AddCloud(c,
               {{cx, cy, m * 0.55, m * 0.42, rng.Uniform(0, kPi)}, kHalpha * 1.0, seed + 1, 2.5, 0.6, 1.2, 1.2, 1.6});
      AddCloud(c,
               {{cx, cy, m * 0.3, m * 0.25, 0.4}, Mix(kHalpha, kOxygen, 0.5) * 0.6, seed + 2, 3.0, 0.4, 1.0, 1.4, 2.0});
      AddDust(c, {{cx, cy, m * 0.6, m * 0.5, 0}, seed + 3, 2.5, 2.5, 0.1, true, 1.2});
      Cluster(c, rng, cx, cy, m * 0.08, 8, 1.0);
      break;
    }
    case HiiShape::Rosette: {
      AddShell(c, {{cx, cy, m * 0.33, m * 0.33, 0}, kHalpha * 1.0, seed + 1, 0.55, 0.15, 0.3, 4.0, 0.0});
      AddCloud(c, {{cx, cy, m * 0.6, m * 0.6, 0}, kHalpha * 0.3, seed + 2, 3.0, 0.4, 1.0, 1.0, 1.2});
      AddDust(c, {{cx, cy, m * 0.55, m * 0.55, 0}, seed + 3, 2.0, 3.0, 0.15, true, 1.0});
      Cluster(c, rng, cx, cy, m * 0.07, 12, 1.2);
      break;
    }
    case HiiShape::Pillars: {
      AddCloud(c, {{cx, cy * 0.8, m * 0.7, m * 0.55, 0.2},
                   Mix(kHalpha, kOxygen, 0.35) * 1.1,
                   seed + 1,
                   2.0,
                   0.5,
                   0.8,
                   1.0,
                   1.2});
      for (int i = 0; i < 3; ++i) {
        double px = W * (0.36 + 0.16 * i), top = H * (0.25 + 0.12 * (i == 1 ? 1.5 : i * 0.6)),
               w = m * (0.07 - 0.012 * i);
        Sdf column = [=](double x, double y) {
          return SdSegment(x, y, px + m * 0.05, H * 1.05, px, top, w * (1.0 + 0.8 * Clamp01((y - top) / H)));
        };
        AddSilhouette(c, column, seed + 10 + i, 2.4, Rgb{1.0, 0.75, 0.55} * 0.8, 5.0, 3.0);
      }
      Cluster(c, rng, W * 0.8, H * 0.2, m * 0.06, 6, 1.1);
      break;
    }
    case HiiShape::Trifid: {
      AddCloud(c, {{cx, cy + m * 0.05, m * 0.38, m * 0.36, 0}, kHalpha * 1.1, seed + 1, 2.0, 0.3, 0.9, 1.0, 1.8});
      AddReflection(c, cx, cy - m * 0.55, m * 0.22, kBlueLight * 0.9, seed + 2);
      for (int i = 0; i < 3; ++i) {
        double a = -kPi / 2 + i * 2.0 * kPi / 3.0 + 0.2;
        Sdf lane = [=](double x, double y) {
          return SdSegment(x, y, cx + std::cos(a) * m * 0.03, cy + std::sin(a) * m * 0.03, cx + std::cos(a) * m * 0.5,
                           cy + std::sin(a) * m * 0.5, m * 0.022);
        };
        AddSilhouette(c, lane, seed + 5 + i, 1.4, Rgb{0, 0, 0}, 3.0, 3.5);
      }
      Star(c, cx, cy, 1.5, {0.85, 0.9, 1.0}, true);
      break;
    }
    case HiiShape::Lagoon: {
      AddCloud(c, {{cx, cy, m * 0.75, m * 0.4, 0.1}, kHalpha * 0.9, seed + 1, 2.5, 0.5, 1.1, 1.1, 1.4});
      AddCloud(
          c,
          {{cx + m * 0.15, cy, m * 0.18, m * 0.14, 0}, Rgb{1.0, 0.85, 0.8} * 0.9, seed + 2, 3.0, 0.3, 1.0, 1.3, 2.0});
      Dust lagoon{{cx - m * 0.1, cy + m * 0.02, m * 0.6, m * 0.08, 0.25}, seed + 3, 2.2, 2.5, -0.2, false, 1.0};
      AddDust(c, lagoon);
      Cluster(c, rng, cx - m * 0.45, cy - m * 0.05, m * 0.08, 10, 0.9);
      break;
    }
    case HiiShape::Continent: {
      AddCloud(c, {{cx, cy, m * 0.9, m * 0.7, 0}, kHalpha * 0.9, seed + 1, 2.0, 0.5, 1.0, 1.0, 1.0});
      // The dark "Gulf of Mexico": a cloud of dust cutting into the glow.
      Sdf gulf = [=](double x, double y) {
        return std::min(SdEllipse(x, y, cx + m * 0.12, cy + m * 0.25, m * 0.22, m * 0.3),
                        SdEllipse(x, y, cx + m * 0.55, cy + m * 0.05, m * 0.3, m * 0.7));
      };
      AddSilhouette(c, gulf, seed + 4, 2.0, kHalpha * 0.3, 9.0, 10.0);
      break;
    }
    case HiiShape::Heart: {
      for (int s = -1; s <= 1; s += 2)
        AddShell(c, {{cx + s * m * 0.2, cy - m * 0.05, m * 0.25, m * 0.25, 0},
                     kHalpha * 0.8,
                     seed + 1 + s,
                     0.4,
                     0.15,
                     0.5,
                     4.0,
                     0.2});
      AddCloud(c, {{cx, cy + m * 0.15, m * 0.35, m * 0.3, 0.7}, kHalpha * 0.5, seed + 3, 3.0, 0.4, 1.0, 1.0, 1.5});
      Cluster(c, rng, cx, cy, m * 0.05, 7, 1.0);
      break;
    }
    case HiiShape::Orion: {
      Frame wings{cx - m * 0.05, cy + m * 0.08, m * 0.62, m * 0.5, 0.35};
      AddCloud(c, {wings, kHalpha * 1.1, seed + 1, 2.4, 0.7, 1.2, 1.2, 1.4});
      AddCloud(c, {{cx, cy, m * 0.3, m * 0.26, 0.2}, Rgb{0.55, 0.75, 0.85} * 0.8, seed + 2, 2.5, 0.4, 1.0, 1.6, 2.0});
      c.Glow(cx + m * 0.02, cy - m * 0.02, m * 0.05, Rgb{0.9, 0.95, 1.0} * 0.7);
      // The dark bay north-east of the core ("Fish's Mouth").
      Sdf mouth = [=](double x, double y) { return SdEllipse(x, y, cx + m * 0.12, cy - m * 0.14, m * 0.13, m * 0.06); };
      AddSilhouette(c, mouth, seed + 3, 1.6, Rgb{0, 0, 0}, 5.0);
      AddDust(c, {{cx + m * 0.1, cy - m * 0.3, m * 0.5, m * 0.3, 0.3}, seed + 4, 2.5, 2.5, -0.05, false, 1.2});
      AddCloud(
          c, {{cx + m * 0.05, cy - m * 0.38, m * 0.1, m * 0.09, 0}, kHalpha * 0.8, seed + 5, 3.0, 0.3, 1.0, 1.0, 2.0});
      Star(c, cx + m * 0.05, cy - m * 0.38, 0.8, {0.85, 0.9, 1.0});
      const double kTrap[4][2] = {{0.0, 0.0}, {0.015, 0.008}, {-0.01, 0.012}, {0.006, -0.012}};
      for (const auto& t : kTrap) Star(c, cx + m * (0.02 + t[0]), cy + m * (-0.02 + t[1]), 1.6, {0.85, 0.9, 1.0}, true);
      break;
    }
  }
  Finish(c, 1.3);
}

// ---- Reflection nebulae -----------------------------------------------------------

enum class ReflShape { Single, Cluster, Cloud, Witch };

void Reflection(Canvas& c, uint32_t seed, ReflShape shape) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height(), cx = W * 0.5, cy = H * 0.5, m = MinSide(c);
  SkyBackground(c, seed, {0.02, 0.025, 0.045}, 1.0);
  StarField(c, rng, 2.5, 0.8);
  switch (shape) {
    case ReflShape::Single: {
      AddReflection(c, cx, cy, m * 0.3, kBlueLight * 1.4, seed + 1, 0.3, 0.5);
      AddDust(c, {{cx, cy, m * 0.8, m * 0.7, 0}, seed + 2, 2.5, 2.5, -0.05, true, 0.8});
      Star(c, cx, cy, 2.2, {0.9, 0.95, 1.0}, true);
      break;
    }
    case ReflShape::Cluster: {
      for (int i = 0; i < 7; ++i) {
        double x = cx + rng.Gauss() * m * 0.22, y = cy + rng.Gauss() * m * 0.18;
        AddReflection(c, x, y, m * 0.16, kBlueLight * 0.9, seed + 10 + i, 0.8, 0.6);
        Star(c, x, y, 2.0, {0.85, 0.92, 1.0}, true);
      }
      break;
    }
    case ReflShape::Cloud: {
      AddReflection(c, cx - m * 0.1, cy - m * 0.05, m * 0.35, kBlueLight * 1.1, seed + 1, 0.2, 1.0);
      AddCloud(
          c, {{cx + m * 0.2, cy + m * 0.1, m * 0.25, m * 0.2, 0.5}, kHalpha * 0.25, seed + 3, 3.0, 0.5, 1.0, 1.0, 1.6});
      AddDust(c, {{cx, cy, m * 0.9, m * 0.8, 0}, seed + 2, 3.0, 2.0, 0.05, false, 0.8});
      Star(c, cx - m * 0.1, cy - m * 0.05, 1.6, {0.9, 0.95, 1.0}, true);
      Star(c, cx - m * 0.16, cy - m * 0.02, 1.0, {0.9, 0.95, 1.0}, true);
      break;
    }
    case ReflShape::Witch: {
      // A long cloud lit from one side by a bright star off its end (Rigel).
      double sx = W * 0.92, sy = H * 0.12;
      Frame f{cx - m * 0.1, cy + m * 0.05, m * 0.75, m * 0.3, -0.45};
      for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
          double u, v;
          f.Local(x + 0.5, y + 0.5, u, v);
          double wu = u + 0.35 * Fbm(u * 1.2, v * 1.2, seed + 5, 3),
                 wv = v + 0.35 * Fbm(u * 1.2 + 3, v * 1.2, seed + 6, 3);
          double env = std::exp(-(wu * wu + wv * wv) * 1.6);
          double gas = Clamp01(0.35 + 0.7 * Fbm(wu * 2.5, wv * 2.5, seed + 4, 6));
          double lit = 1.0 / (1.0 + std::hypot(x - sx, y - sy) / (m * 0.6));
          c.Add(x, y, kBlueLight * (env * gas * lit * 1.3));
        }
      Star(c, sx, sy, 4.0, {0.8, 0.88, 1.0}, true);
      break;
    }
  }
  Finish(c, 1.3);
}

// ---- Dark nebulae ---------------------------------------------------------------------

enum class DarkShape { Globule, Sack, Snake, Twin };

// A rich Milky Way field: thousands of faint stars over an unresolved glow.
void MilkyWay(Canvas& c, Rng& rng, uint32_t seed) {
  c.Map([&](int x, int y, Rgb p) {
    double n = Fbm(x * 0.008, y * 0.008, seed, 5);
    return p + Rgb{0.16, 0.13, 0.10} * Clamp01(0.55 + 0.6 * n);
  });
  StarField(c, rng, 14.0, 0.6, false);
  StarField(c, rng, 0.6, 1.0, true);
}

void Darkness(Canvas& c, uint32_t seed, DarkShape shape) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height(), cx = W * 0.5, cy = H * 0.5, m = MinSide(c);
  MilkyWay(c, rng, seed);
  switch (shape) {
    case DarkShape::Globule: {
      AddSilhouette(
          c, [=](double x, double y) { return SdCircle(x, y, cx, cy, m * 0.26); }, seed + 1, 6.0, Rgb{0, 0, 0}, 6.0,
          12.0);
      break;
    }
    case DarkShape::Sack: {
      AddDust(c, {{cx, cy, m * 0.55, m * 0.5, 0.3}, seed + 1, 5.0, 1.8, -0.25, false, 1.3});
      break;
    }
    case DarkShape::Snake: {
      for (int i = 0; i < 5; ++i) {
        double t0 = i / 5.0, t1 = (i + 1) / 5.0;
        auto px = [&](double t) { return W * (0.15 + 0.7 * t); };
        auto py = [&](double t) { return cy + std::sin(t * 6.0) * H * 0.18; };
        double ax = px(t0), ay = py(t0), bx = px(t1), by = py(t1);
        AddSilhouette(
            c, [=](double x, double y) { return SdSegment(x, y, ax, ay, bx, by, m * 0.025); }, seed + 1 + i, 2.2,
            Rgb{0, 0, 0}, 4.0, 6.0);
      }
      break;
    }
    case DarkShape::Twin: {
      AddSilhouette(
          c, [=](double x, double y) { return SdEllipse(x, y, cx - m * 0.25, cy, m * 0.22, m * 0.3); }, seed + 1, 3.0,
          Rgb{0, 0, 0}, 9.0, 10.0);
      AddSilhouette(
          c, [=](double x, double y) { return SdEllipse(x, y, cx + m * 0.3, cy - m * 0.05, m * 0.16, m * 0.35); },
          seed + 2, 3.0, Rgb{0, 0, 0}, 9.0, 10.0);
      AddSilhouette(
          c,
          [=](double x, double y) {
            return SdSegment(x, y, cx - m * 0.25, cy + m * 0.1, cx + m * 0.3, cy + m * 0.2, m * 0.04);
          },
          seed + 3, 2.5, Rgb{0, 0, 0}, 6.0, 8.0);
      break;
    }
  }
  Finish(c, 1.25);
}

// Signed distance to a closed polygon (even-odd inside test).
double SdPolygon(double x, double y, const double (*pts)[2], int n) {
  double d = 1e18;
  bool inside = false;
  for (int i = 0, j = n - 1; i < n; j = i++) {
    double ax = pts[j][0], ay = pts[j][1], bx = pts[i][0], by = pts[i][1];
    d = std::min(d, SdSegment(x, y, ax, ay, bx, by, 0.0));
    if (((by > y) != (ay > y)) && (x < (ax - bx) * (y - by) / (ay - by) + bx)) inside = !inside;
  }
  return inside ? -d : d;
}

// The horse's head in profile, facing left with the muzzle lowered, like a
// chess knight; s is the height of the head and neck above the cloud.
double HorseHeadSdf(double x, double y, double hx, double hy, double s) {
  static const double kOutline[][2] = {{0.02, -0.21},  {0.08, -0.10}, {0.14, 0.00},  {0.16, 0.30},  {0.20, 0.70},
                                       {0.24, 1.10},   {-0.10, 1.10}, {-0.06, 0.60}, {-0.02, 0.32}, {-0.07, 0.24},
                                       {-0.16, 0.21},  {-0.25, 0.17}, {-0.29, 0.11}, {-0.23, 0.03}, {-0.09, -0.07},
                                       {-0.03, -0.11}, {-0.01, -0.19}};
  constexpr int n = sizeof(kOutline) / sizeof(kOutline[0]);
  double pts[n][2];
  for (int i = 0; i < n; ++i) pts[i][0] = hx + kOutline[i][0] * s, pts[i][1] = hy + kOutline[i][1] * s;
  return SdPolygon(x, y, pts, n) - 0.012 * s;
}

void HorseScene(Canvas& c, uint32_t seed, double hx, double hy, double s, bool wide) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height();
  SkyBackground(c, seed, {0.04, 0.02, 0.025}, 1.0);
  StarField(c, rng, 4.0, 0.8, false);
  // IC 434: a glowing curtain brightening towards sigma Orionis above it,
  // streaked downwards by the starlight.
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      double rel = (x - hx) / W;
      double curtain = SmoothStep(-0.45, 0.05, rel) * (0.55 + 0.45 * SmoothStep(H, 0, y));
      double streak = Ridged(x * 0.05, y * 0.008, seed + 1, 4);
      double n = Fbm(x * 0.02, y * 0.02, seed + 2, 5);
      c.Add(x, y, kHalpha * (curtain * Clamp01(0.35 + 0.35 * streak + 0.4 * n) * 1.1));
    }
  // The dark cloud L1630 filling the lower part, and the horse rising from it.
  double edge = hy + 0.62 * s;
  Sdf dark = [=](double x, double y) {
    double ground = edge - y + 0.12 * s * Fbm(x * 0.02, 0.5, seed + 3, 4);
    return std::min(HorseHeadSdf(x, y, hx, hy, s), ground);
  };
  AddSilhouette(c, dark, seed + 4, 5.0, Rgb{1.0, 0.45, 0.4} * 0.9, s * 0.018);
  // NGC 2023 glows blue in the dark cloud below.
  AddReflection(c, hx - 0.25 * W, hy + 0.62 * s, s * 0.12, kBlueLight * 0.8, seed + 5);
  Star(c, hx - 0.25 * W, hy + 0.62 * s, 1.0, {0.9, 0.95, 1.0}, true);
  if (wide) {
    // Alnitak and the Flame Nebula beside it.
    double ax = W * 0.18, ay = H * 0.22;
    AddCloud(
        c, {{ax + W * 0.04, ay + H * 0.12, W * 0.09, H * 0.2, 0.2}, kSulphur * 1.2, seed + 6, 2.0, 0.5, 1.1, 1.3, 1.5});
    AddDust(c, {{ax + W * 0.04, ay + H * 0.12, W * 0.12, H * 0.25, 0.2}, seed + 7, 2.0, 2.0, 0.25, true, 1.0});
    Star(c, ax, ay, 4.0, {0.8, 0.88, 1.0}, true);
  } else {
    Star(c, W * 0.9, H * 0.06, 3.0, {0.85, 0.9, 1.0}, true);
  }
  Finish(c, 1.35);
}

// The Swan (M17): a bright bar of gas with a curved neck rising from one end.
void Swan(Canvas& c, uint32_t seed) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height(), m = MinSide(c);
  SkyBackground(c, seed, {0.04, 0.02, 0.03}, 1.0);
  StarField(c, rng, 3.0, 0.7, false);
  AddCloud(c, {{W * 0.55, H * 0.58, m * 0.55, m * 0.16, -0.15},
               Mix(kHalpha, Rgb{1, 0.9, 0.85}, 0.4) * 2.4,
               seed + 1,
               3.0,
               0.3,
               0.8,
               1.2,
               2.0});
  AddCloud(c, {{W * 0.3, H * 0.4, m * 0.13, m * 0.3, 0.5}, kHalpha * 1.4, seed + 2, 3.0, 0.3, 0.8, 1.1, 2.0});
  AddCloud(c, {{W * 0.5, H * 0.5, m * 0.8, m * 0.6, 0}, kHalpha * 0.3, seed + 3, 2.0, 0.5, 1.0, 1.0, 1.2});
  AddDust(c, {{W * 0.5, H * 0.5, m * 0.8, m * 0.6, 0}, seed + 4, 1.2, 2.5, 0.25, true, 1.0});
  Finish(c, 1.3);
}

// The Carina Nebula: a vast glow cut by a V of dark dust, with Eta Carinae
// blazing near the notch.
void Carina(Canvas& c, uint32_t seed) {
  Rng rng(seed);
  double W = c.Width(), H = c.Height(), m = MinSide(c);
  SkyBackground(c, seed, {0.05, 0.03, 0.03}, 1.0);
  StarField(c, rng, 4.0, 0.8, false);
  AddCloud(c, {{W * 0.5, H * 0.5, m * 0.9, m * 0.6, 0.2}, kHalpha * 1.0, seed + 1, 2.5, 0.6, 1.1, 1.1, 1.0});
  AddCloud(c,
           {{W * 0.48, H * 0.45, m * 0.35, m * 0.3, 0.0}, Rgb{1.0, 0.8, 0.6} * 0.7, seed + 2, 3.0, 0.4, 1.0, 1.3, 1.8});
  for (int side = -1; side <= 1; side += 2) {
    double ax = W * 0.5, ay = H * 0.62, bx = W * 0.5 + side * m * 0.45, by = H * 0.1;
    AddSilhouette(
        c, [=](double x, double y) { return SdSegment(x, y, ax, ay, bx, by, m * 0.06); }, seed + 5 + side, 1.3,
        kSulphur * 0.3, 12.0, 12.0);
  }
  c.Glow(W * 0.46, H * 0.5, m * 0.02, Rgb{1.0, 0.7, 0.45} * 1.2);
  Star(c, W * 0.46, H * 0.5, 3.5, {1.0, 0.85, 0.7}, true);
  Finish(c, 1.3);
}

// The Tarantula: loops and shells of gas blown by the dense cluster in its heart.
void Tarantula(Canvas& c, uint32_t seed) {
  Rng rng(seed);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5, m = MinSide(c);
  SkyBackground(c, seed, {0.03, 0.02, 0.04}, 1.0);
  StarField(c, rng, 3.5, 0.6, false);
  AddCloud(c, {{cx, cy, m * 0.5, m * 0.45, 0}, Mix(kHalpha, kOxygen, 0.25) * 0.8, seed + 1, 2.5, 0.5, 1.0, 1.1, 1.5});
  for (int i = 0; i < 6; ++i) {
    double a = i * 1.05 + rng.Uniform(-0.3, 0.3), d = m * rng.Uniform(0.12, 0.3), r = m * rng.Uniform(0.1, 0.2);
    AddShell(c, {{cx + std::cos(a) * d, cy + std::sin(a) * d, r * 1.4, r * 1.4 * rng.Uniform(0.7, 1.0), a},
                 kHalpha * 0.45,
                 seed + 10 + i,
                 0.12,
                 0.25,
                 0.35,
                 4.0,
                 0.1});
  }
  Cluster(c, rng, cx, cy, m * 0.025, 14, 1.3);
  c.Glow(cx, cy, m * 0.04, Rgb{0.8, 0.9, 1.0} * 1.2);
  Finish(c, 1.3);
}

// NGC 1999: a small blue reflection glow with a dark T-shaped hole beside its star.
void KeyholeReflection(Canvas& c, uint32_t seed) {
  Rng rng(seed);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5, m = MinSide(c);
  SkyBackground(c, seed, {0.02, 0.025, 0.045}, 1.0);
  StarField(c, rng, 2.5, 0.7);
  AddReflection(c, cx, cy, m * 0.3, Rgb{0.65, 0.75, 1.0} * 1.6, seed + 1);
  AddDust(c, {{cx, cy, m * 0.9, m * 0.8, 0}, seed + 2, 2.5, 2.0, 0.1, false, 0.6});
  Sdf tee = [=](double x, double y) {
    return std::min(SdRoundRect(x, y, cx + m * 0.08, cy - m * 0.02, m * 0.1, m * 0.025, 2),
                    SdRoundRect(x, y, cx + m * 0.08, cy + m * 0.06, m * 0.025, m * 0.08, 2));
  };
  AddSilhouette(c, tee, seed + 3, 1.8, Rgb{0, 0, 0}, 3.0, 4.0);
  Star(c, cx - m * 0.04, cy, 2.0, {0.95, 0.95, 1.0}, true);
  Finish(c, 1.3);
}

struct SampleLook {
  std::function<void(Canvas&, uint32_t)> paint;
};

const std::map<std::string, SampleLook>& KnownObjects() {
  using P = PnShape;
  static const std::map<std::string, SampleLook> kLooks = {
      {"m57.bmp", {[](Canvas& c, uint32_t s) { Planetary(c, s, P::Ring, 0.25, 0.5, 0.78, kOxygen, kHalpha); }}},
      {"m27.bmp", {[](Canvas& c, uint32_t s) { Planetary(c, s, P::Bipolar, 0.3, 1.5, 0.9, kOxygen, kHalpha); }}},
      {"ngc7293.bmp", {[](Canvas& c, uint32_t s) { Planetary(c, s, P::Helix, 0.38, 0.3, 0.85, kOxygen, kHalpha); }}},
      {"ngc6543.bmp", {[](Canvas& c, uint32_t s) { Planetary(c, s, P::Nested, 0.3, 0.4, 1.0, kOxygen, kHalpha); }}},
      {"m97.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Round, 0.32, 0.0, 1.0, Rgb{0.35, 0.85, 0.75}, Rgb{0.6, 0.5, 0.6});
         // The owl's two dark eyes.
         double cx = c.Width() * 0.5, cy = c.Height() * 0.5, r = MinSide(c) * 0.32;
         for (int e = -1; e <= 1; e += 2)
           AddSilhouette(
               c,
               [=](double x, double y) { return SdEllipse(x, y, cx + e * r * 0.36, cy - r * 0.05, r * 0.2, r * 0.24); },
               s + 7 + e, 0.9, Rgb{0, 0, 0}, 2.0, 6.0);
       }}},
      {"m76.bmp", {[](Canvas& c, uint32_t s) { Planetary(c, s, P::Bipolar, 0.3, 0.7, 0.6, kOxygen, kHalpha); }}},
      {"ngc6302.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Bipolar, 0.45, -0.15, 0.7, Rgb{0.9, 0.85, 1.0}, Rgb{1.0, 0.45, 0.3});
       }}},
      {"ngc2392.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Ring, 0.22, 0.0, 1.0, Rgb{0.5, 0.8, 1.0}, Rgb{1.0, 0.6, 0.4});
       }}},
      {"ngc7009.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Saturn, 0.2, 0.35, 0.55, Rgb{0.4, 0.8, 1.0}, Rgb{0.9, 0.5, 0.5});
       }}},
      {"ngc7662.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Round, 0.22, 0.6, 0.85, Rgb{0.3, 0.65, 1.0}, Rgb{0.3, 0.8, 0.8});
       }}},
      {"ngc6826.bmp", {[](Canvas& c, uint32_t s) {
         Planetary(c, s, P::Round, 0.25, 0.3, 0.8, Rgb{0.35, 0.8, 0.9}, Rgb{0.9, 0.4, 0.45});
       }}},
      {"m1.bmp", {[](Canvas& c, uint32_t s) { Supernova(c, s, SnrShape::Crab, 0.3, 0.6); }}},
      {"ngc6992.bmp", {[](Canvas& c, uint32_t s) { Supernova(c, s, SnrShape::Arc, 0.4, 0.3); }}},
      {"ngc6960.bmp", {[](Canvas& c, uint32_t s) {
         Supernova(c, s, SnrShape::Arc, 0.4, 3.3);
         Star(c, c.Width() * 0.52, c.Height() * 0.45, 1.5, {1.0, 0.95, 0.85}, true);
       }}},
      {"sh2_240.bmp", {[](Canvas& c, uint32_t s) { Supernova(c, s, SnrShape::Shell, 0.42, 0.0); }}},
      {"ic443.bmp", {[](Canvas& c, uint32_t s) { Supernova(c, s, SnrShape::Shell, 0.36, 0.5); }}},
      {"ngc2736.bmp", {[](Canvas& c, uint32_t s) { Supernova(c, s, SnrShape::Pencil, 0.3, -0.45); }}},
      {"hh1_2.bmp", {[](Canvas& c, uint32_t s) { HerbigHaro(c, s, -1.2, true, 0.42); }}},
      {"hh46_47.bmp", {[](Canvas& c, uint32_t s) { HerbigHaro(c, s, 0.5, true, 0.45); }}},
      {"hh30.bmp", {[](Canvas& c, uint32_t s) { HerbigHaro(c, s, -1.5708, true, 0.4, true); }}},
      {"hh111.bmp", {[](Canvas& c, uint32_t s) { HerbigHaro(c, s, 3.1416, false, 0.7); }}},
      {"smith_cloud.bmp", {[](Canvas& c, uint32_t s) { NeutralHydrogen(c, s, -0.5, true); }}},
      {"leo_ring.bmp", {[](Canvas& c, uint32_t s) { NeutralHydrogen(c, s, 0.3, false); }}},
      {"m42.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Orion); }}},
      {"m8.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Lagoon); }}},
      {"m20.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Trifid); }}},
      {"m16.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Pillars); }}},
      {"ngc2237.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Rosette); }}},
      {"ngc7000.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Continent); }}},
      {"ic1805.bmp", {[](Canvas& c, uint32_t s) { Emission(c, s, HiiShape::Heart); }}},
      {"m17.bmp", {[](Canvas& c, uint32_t s) { Swan(c, s); }}},
      {"ngc3372.bmp", {[](Canvas& c, uint32_t s) { Carina(c, s); }}},
      {"ngc2070.bmp", {[](Canvas& c, uint32_t s) { Tarantula(c, s); }}},
      {"ngc1999.bmp", {[](Canvas& c, uint32_t s) { KeyholeReflection(c, s); }}},
      {"ngc7023.bmp", {[](Canvas& c, uint32_t s) { Reflection(c, s, ReflShape::Single); }}},
      {"m45.bmp", {[](Canvas& c, uint32_t s) { Reflection(c, s, ReflShape::Cluster); }}},
      {"m78.bmp", {[](Canvas& c, uint32_t s) { Reflection(c, s, ReflShape::Cloud); }}},
      {"ic2118.bmp", {[](Canvas& c, uint32_t s) { Reflection(c, s, ReflShape::Witch); }}},
      {"b33.bmp",
       {[](Canvas& c, uint32_t s) { HorseScene(c, s, c.Width() * 0.5, c.Height() * 0.42, c.Height() * 0.75, false); }}},
      {"coalsack.bmp", {[](Canvas& c, uint32_t s) { Darkness(c, s, DarkShape::Sack); }}},
      {"b68.bmp", {[](Canvas& c, uint32_t s) { Darkness(c, s, DarkShape::Globule); }}},
      {"b72.bmp", {[](Canvas& c, uint32_t s) { Darkness(c, s, DarkShape::Snake); }}},
      {"pipe.bmp", {[](Canvas& c, uint32_t s) { Darkness(c, s, DarkShape::Twin); }}},
  };
  return kLooks;
}

}  // namespace

void PaintOrionNebula(Canvas& c) { Emission(c, 4242, HiiShape::Orion); }

void PaintHorseHead(Canvas& c) { HorseScene(c, 3333, c.Width() * 0.52, c.Height() * 0.42, c.Height() * 0.78, false); }

void PaintNebulaHorse(Canvas& c) { HorseScene(c, 5151, c.Width() * 0.66, c.Height() * 0.5, c.Height() * 0.5, true); }

void PaintCatsEye(Canvas& c) { Planetary(c, 6543, PnShape::Nested, 0.3, 0.5, 1.0, kOxygen, kHalpha); }

void PaintNgc6302(Canvas& c) {
  Planetary(c, 6302, PnShape::Bipolar, 0.45, -0.15, 0.7, Rgb{0.9, 0.85, 1.0}, Rgb{1.0, 0.45, 0.3});
}

void PaintIris(Canvas& c) {
  Rng rng(7023);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5, m = MinSide(c);
  SkyBackground(c, 7023, {0.03, 0.025, 0.03}, 1.0);
  StarField(c, rng, 3.0, 0.7);
  AddReflection(c, cx, cy, m * 0.4, Rgb{0.55, 0.65, 1.0} * 3.0, 7024, 0.2, 0.0);
  // The petals: dusty filaments lit from inside, warm where they are dense.
  Frame f{cx, cy, m * 0.42, m * 0.42, 0};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      double u, v;
      f.Local(x + 0.5, y + 0.5, u, v);
      double r = std::sqrt(u * u + v * v), th = std::atan2(v, u);
      double petals = 0.5 + 0.5 * std::cos(th * 5.0 + 1.5 * Fbm(u, v, 7025, 3));
      double fil = Ridged(u * 3.0, v * 3.0, 7026, 5);
      double env = std::exp(-std::pow((r - 0.55) / 0.35, 2.0));
      c.Add(x, y, Rgb{0.85, 0.6, 0.5} * (env * petals * fil * 0.9));
    }
  AddDust(c, {{cx, cy, m * 1.1, m * 1.0, 0}, 7027, 2.0, 2.0, 0.15, false, 0.5});
  Star(c, cx, cy, 2.5, {0.9, 0.95, 1.0}, true);
  Finish(c, 1.35);
}

void PaintStarExplosion(Canvas& c) {
  Rng rng(1054);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5, m = MinSide(c);
  SkyBackground(c, 1054, {0.03, 0.02, 0.04}, 1.0);
  StarField(c, rng, 2.5, 0.7);
  AddShell(c, {{cx, cy, m * 0.36, m * 0.34, 0.2}, Rgb{1.0, 0.55, 0.25} * 1.3, 1055, 0.16, 0.15, 0.7, 6.0, 0.25});
  AddShell(c, {{cx, cy, m * 0.3, m * 0.29, 0.2}, kOxygen * 0.6, 1056, 0.12, 0.12, 0.8, 7.0, 0.0});
  // Radial rays of the blast.
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy, r = std::hypot(dx, dy) / m;
      double th = std::atan2(dy, dx);
      double rays = std::pow(Clamp01(0.5 + 0.5 * Noise(std::cos(th) * 6.0, std::sin(th) * 6.0, 1057)), 4.0);
      c.Add(x, y, Rgb{1.0, 0.85, 0.6} * (rays * std::exp(-r * 5.0) * 1.5));
    }
  c.Glow(cx, cy, m * 0.08, Rgb{1.0, 0.95, 0.85} * 2.0);
  Star(c, cx, cy, 8.0, {1.0, 1.0, 0.95}, true);
  Finish(c, 1.3);
}

void PaintDefaultThumbnail(Canvas& c) {
  // A dim, framed smudge around a faint star: plainly a stand-in, yet at home
  // on the night-sky map.
  Rng rng(32);
  double cx = c.Width() * 0.5, cy = c.Height() * 0.5;
  AddCloud(c, {{cx, cy, c.Width() * 0.36, c.Height() * 0.32, 0.5}, Rgb{0.55, 0.6, 0.9}, 33, 2.0, 0.3, 0.9, 1.0, 2.2});
  Star(c, cx, cy, 1.2, {0.9, 0.95, 1.0});
  c.ToneMap(1.5);
  c.Fill([&](double x, double y) { return std::fabs(SdRoundRect(x, y, cx, cy, cx - 0.5, cy - 0.5, 5.0)) - 0.6; },
         Rgb{0.45, 0.5, 0.7}, 0.9);
}

void PaintSample(Canvas& c, const std::string& picture, NebulaType type) {
  auto seed = static_cast<uint32_t>(SeedFromText(picture.c_str()));
  const auto& known = KnownObjects();
  auto it = known.find(picture);
  if (it != known.end()) {
    it->second.paint(c, seed);
    return;
  }
  Rng pick(seed);
  switch (type) {
    case NebulaType::Planetary:
      Planetary(c, seed, pick.Uniform() < 0.5 ? PnShape::Ring : PnShape::Round, pick.Uniform(0.18, 0.3),
                pick.Uniform(0, kPi), pick.Uniform(0.7, 1.0), kOxygen, kHalpha);
      break;
    case NebulaType::Supernova:
      Supernova(c, seed, SnrShape::Shell, pick.Uniform(0.3, 0.42), 0.0);
      break;
    case NebulaType::HerbigHaro:
      HerbigHaro(c, seed, pick.Uniform(0, 2 * kPi), true, 0.4);
      break;
    case NebulaType::HI:
      NeutralHydrogen(c, seed, pick.Uniform(-1, 1), pick.Uniform() < 0.5);
      break;
    case NebulaType::HII:
      Emission(c, seed, HiiShape::Cloud);
      break;
    case NebulaType::Reflection:
      Reflection(c, seed, ReflShape::Cloud);
      break;
    case NebulaType::Dark:
      Darkness(c, seed, pick.Uniform() < 0.5 ? DarkShape::Sack : DarkShape::Globule);
      break;
  }
}

}  // namespace art
