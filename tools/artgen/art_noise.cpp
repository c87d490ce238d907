#include "tools/artgen/art_noise.h"

#include <cmath>

namespace art {

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

double Rng::Gauss() {
  double u1 = Uniform();
  double u2 = Uniform();
  if (u1 < 1e-300) u1 = 1e-300;
  return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
}

uint64_t SeedFromText(const char* text) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (const char* p = text; *p; ++p) {
    h ^= static_cast<unsigned char>(*p);
    h *= 1099511628211ull;
  }
  return h;
}

namespace {

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x27d4eb2dU;
  h ^= static_cast<uint32_t>(x) * 0x85ebca6bU;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xc2b2ae35U;
  h ^= h >> 16;
  h *= 0x7feb352dU;
  h ^= h >> 15;
  h *= 0x846ca68bU;
  h ^= h >> 16;
  return h;
}

// One of 16 unit gradients, chosen by the hash.
double Grad(uint32_t h, double dx, double dy) {
  static const double kDir[16][2] = {{1.0, 0.0},  {0.9239, 0.3827},   {0.7071, 0.7071},   {0.3827, 0.9239},
                                     {0.0, 1.0},  {-0.3827, 0.9239},  {-0.7071, 0.7071},  {-0.9239, 0.3827},
                                     {-1.0, 0.0}, {-0.9239, -0.3827}, {-0.7071, -0.7071}, {-0.3827, -0.9239},
                                     {0.0, -1.0}, {0.3827, -0.9239},  {0.7071, -0.7071},  {0.9239, -0.3827}};
  const double* d = kDir[h & 15];
  return d[0] * dx + d[1] * dy;
}

double Fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

}  // namespace

double Noise(double x, double y, uint32_t seed) {
  double fx = std::floor(x);
  double fy = std::floor(y);
  auto ix = static_cast<int32_t>(fx);
  auto iy = static_cast<int32_t>(fy);
  double dx = x - fx;
  double dy = y - fy;
  double n00 = Grad(Hash(ix, iy, seed), dx, dy);
  double n10 = Grad(Hash(ix + 1, iy, seed), dx - 1.0, dy);
  double n01 = Grad(Hash(ix, iy + 1, seed), dx, dy - 1.0);
  double n11 = Grad(Hash(ix + 1, iy + 1, seed), dx - 1.0, dy - 1.0);
  double u = Fade(dx);
  double v = Fade(dy);
  double a = n00 + u * (n10 - n00);
  double b = n01 + u * (n11 - n01);
  return 1.4142 * (a + v * (b - a));
}

double Fbm(double x, double y, uint32_t seed, int octaves, double gain, double lacunarity) {
  double sum = 0.0;
  double amp = 1.0;
  double norm = 0.0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x, y, seed + 1013u * static_cast<uint32_t>(i));
    norm += amp;
    amp *= gain;
    // A small rotation between octaves hides the lattice's axes.
    double nx = lacunarity * (0.8 * x - 0.6 * y);
    double ny = lacunarity * (0.6 * x + 0.8 * y);
    x = nx + 17.3;
    y = ny - 9.1;
  }
  return sum / norm;
}

double Ridged(double x, double y, uint32_t seed, int octaves, double gain) {
  double sum = 0.0;
  double amp = 1.0;
  double norm = 0.0;
  double weight = 1.0;
  for (int i = 0; i < octaves; ++i) {
    double n = 1.0 - std::fabs(Noise(x, y, seed + 7919u * static_cast<uint32_t>(i)));
    n *= n;
    n *= weight;
    weight = n * 1.5 > 1.0 ? 1.0 : n * 1.5;
    sum += amp * n;
    norm += amp;
    amp *= gain;
    double nx = 2.0 * (0.8 * x - 0.6 * y);
    double ny = 2.0 * (0.6 * x + 0.8 * y);
    x = nx + 3.7;
    y = ny + 11.2;
  }
  return sum / norm;
}

}  // namespace art
