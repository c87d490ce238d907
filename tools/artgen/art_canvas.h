#pragma once
// A floating-point picture that the generators paint into before it is handed
// to the raster unit: smooth shapes need fractional coverage and nebulae need
// light that adds up beyond white before it is tone-mapped.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
};

inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
inline Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, double t) { return a + (b - a) * t; }
// A colour from 0..255 bytes.
inline Rgb Bytes(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

double Clamp01(double v);
double SmoothStep(double e0, double e1, double x);

// Signed distances (negative inside) of the shapes the pictures are built from.
double SdCircle(double x, double y, double cx, double cy, double r);
double SdRoundRect(double x, double y, double cx, double cy, double hw, double hh, double r);
double SdSegment(double x, double y, double ax, double ay, double bx, double by, double r);
double SdEllipse(double x, double y, double cx, double cy, double rx, double ry);

using Sdf = std::function<double(double, double)>;
using Shader = std::function<Rgb(double, double)>;

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return px_[static_cast<size_t>(y) * width_ + x]; }
  const Rgb& At(int x, int y) const { return px_[static_cast<size_t>(y) * width_ + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Mixes c into the pixel with weight a (0..1).
  void Blend(int x, int y, Rgb c, double a);
  void Add(int x, int y, Rgb c);

  // Paints the area where sdf < 0 with the shader's colour, edges anti-aliased
  // over one pixel; opacity scales the coverage.
  void Fill(const Sdf& sdf, const Shader& shader, double opacity = 1.0);
  void Fill(const Sdf& sdf, Rgb color, double opacity = 1.0);
  // Additive Gaussian light.
  void Glow(double cx, double cy, double sigma, Rgb color);
  // Every pixel through f(x, y, current colour).
  void Map(const std::function<Rgb(int, int, Rgb)>& f);

  // Shape coverage for pictures drawn with a colour key: 1 inside, 0 outside.
  // Starts at 1 everywhere; CutTo keeps only the inside of sdf.
  void CutTo(const Sdf& sdf);
  double Coverage(int x, int y) const { return cover_[static_cast<size_t>(y) * width_ + x]; }

  // 1 - exp(-exposure * light): the nebulae's additive light squeezed into 0..1.
  void ToneMap(double exposure);

 private:
  int width_;
  int height_;
  std::vector<Rgb> px_;
  std::vector<double> cover_;
};

// The colour key of the program's keyed pictures: R 0, G 128, B 128.
inline constexpr uint8_t kKeyR = 0, kKeyG = 128, kKeyB = 128;

// Copies the canvas to the virtual screen at (0, 0), writes it as a 24-bit BMP
// and clears the screen again. With keyed set, pixels outside the shape become
// the key colour and no pixel inside it equals the key. Returns false when the
// file could not be written.
bool SavePicture(const Canvas& canvas, const std::string& native_path, bool keyed);

// Separable box blur of a single-channel mask, applied three times (close to Gaussian).
void BlurMask(std::vector<double>& mask, int width, int height, int radius);

}  // namespace art
