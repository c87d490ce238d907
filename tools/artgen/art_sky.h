#pragma once
// Building blocks of the sky pictures. They add light to a canvas that starts
// black (or absorb it, for dust), so a picture is a stack of layers followed by
// one Canvas::ToneMap. Positions and sizes are in pixels.

#include <cstdint>

#include "tools/artgen/art_canvas.h"
#include "tools/artgen/art_noise.h"

namespace art {

// Typical emission colours: hydrogen-alpha red, oxygen teal, sulphur amber,
// scattered starlight blue.
inline constexpr Rgb kHalpha{1.0, 0.22, 0.30};
inline constexpr Rgb kOxygen{0.25, 0.85, 0.85};
inline constexpr Rgb kSulphur{1.0, 0.55, 0.20};
inline constexpr Rgb kBlueLight{0.45, 0.62, 1.0};

// An oriented, stretched frame: Local maps a pixel to unit coordinates in
// which the layer's envelope has radius 1.
struct Frame {
  double cx = 0, cy = 0, rx = 1, ry = 1, angle = 0;
  void Local(double x, double y, double& u, double& v) const;
};

// One star: a sharp core with peak light flux, a faint halo when bright and,
// with spikes, the four diffraction rays of a reflector.
void Star(Canvas& c, double x, double y, double flux, Rgb tint, bool spikes = false);
Rgb StarTint(Rng& rng);
// density stars per 1000 pixels; bright scales every flux.
void StarField(Canvas& c, Rng& rng, double density, double bright, bool spikes = true);

struct Cloud {
  Frame frame;
  Rgb color{1, 1, 1};
  uint32_t seed = 1;
  double detail = 2.5;    // noise features across the envelope's radius
  double warp = 0.5;      // how far the noise drags the envelope around
  double contrast = 1.0;  // clumpiness
  double gamma = 1.0;     // >1 concentrates the light in the densest parts
  double falloff = 2.0;   // Gaussian envelope steepness
  int octaves = 6;
};
// Glowing gas: a noise-shaped Gaussian envelope.
void AddCloud(Canvas& c, const Cloud& cloud);

// Dust in front of the light: pixels dim by exp(-tau), blue first. Patchy
// clouds come from fbm, lanes (ridges) from ridged noise.
struct Dust {
  Frame frame;
  uint32_t seed = 2;
  double strength = 2.0;
  double detail = 2.0;
  double threshold = 0.0;  // fbm level where the dust begins
  bool lanes = false;
  double falloff = 1.5;
};
void AddDust(Canvas& c, const Dust& dust);

// A thin glowing shell (planetary rings, supernova fronts) of unit radius in
// its frame; filaments > 0 breaks it into strands.
struct Shell {
  Frame frame;
  Rgb color{1, 1, 1};
  uint32_t seed = 3;
  double width = 0.12;
  double wobble = 0.08;    // radius variation
  double filaments = 0.0;  // 0 smooth .. 1 only strands
  double detail = 4.0;
  double fill = 0.0;                    // light inside the shell relative to its rim
  double arc_from = 0.0, arc_to = 0.0;  // radians; equal = full circle
};
void AddShell(Canvas& c, const Shell& shell);

// Two lobes along the frame's u axis with a pinched waist (bipolar planetaries).
struct Lobes {
  Frame frame;
  Rgb color{1, 1, 1};
  uint32_t seed = 4;
  double detail = 3.0;
  double waist = 0.18;  // half-width of the dark equatorial band
};
void AddLobes(Canvas& c, const Lobes& lobes);

// A collimated jet from (x, y) in direction angle: a chain of knots ending in
// a bow shock.
void AddJet(Canvas& c, Rng& rng, double x, double y, double angle, double length, Rgb color);

// Starlight scattered by dust around a bright star.
void AddReflection(Canvas& c, double x, double y, double radius, Rgb color, uint32_t seed, double streaks = 0.0,
                   double streak_angle = 0.0);

}  // namespace art
