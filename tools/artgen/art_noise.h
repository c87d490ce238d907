#pragma once
// Seeded randomness and coherent noise for the procedural pictures. Everything
// here is a pure function of its seed, so a regenerated picture is byte-for-byte
// the committed one.

#include <cstdint>

namespace art {

// splitmix64: tiny, fast, and identical on every platform (unlike the standard
// distributions, whose output is implementation-defined).
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in [0, 1).
  double Uniform();
  double Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
  // Standard normal deviate (Box-Muller).
  double Gauss();

 private:
  uint64_t state_;
};

// A stable 64-bit seed from a text, so a picture's look follows its name.
uint64_t SeedFromText(const char* text);

// Gradient noise in about [-1, 1], smooth, lattice spacing 1.
double Noise(double x, double y, uint32_t seed);
// Fractal sum of Noise; the result stays in about [-1, 1].
double Fbm(double x, double y, uint32_t seed, int octaves, double gain = 0.5, double lacunarity = 2.0);
// Ridged fractal: thin bright creases where the noise crosses zero, in [0, 1].
double Ridged(double x, double y, uint32_t seed, int octaves, double gain = 0.5);

}  // namespace art
