#include "tools/cvltool/catalogue_generator.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/cp1250.h"
#include "platform/files.h"

namespace catalogue_generator {
namespace {

// splitmix64: small, fast, and the same sequence on every platform and
// standard library (the standard distributions are not).
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Uniform in [lo, hi].
  int32_t Between(int32_t lo, int32_t hi) {
    return lo + static_cast<int32_t>(Next() % static_cast<uint64_t>(hi - lo + 1));
  }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Next() % N];
  }

 private:
  uint64_t state_;
};

// Rounded to a number of decimals, as catalogues print them.
double Round(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

constexpr std::array<std::string_view, 40> kNouns = {
    "Orol"_cp,     "Labuť"_cp,   "Ruža"_cp,      "Srdce"_cp,     "Duša"_cp,    "Plameň"_cp,  "Kôň"_cp,
    "Pelikán"_cp,  "Laguna"_cp,  "Trifid"_cp,    "Omega"_cp,     "Mesiac"_cp,  "Bublina"_cp, "Kužeľ"_cp,
    "Iris"_cp,     "Medúza"_cp,  "Krab"_cp,      "Sova"_cp,      "Činka"_cp,   "Prsteň"_cp,  "Duch"_cp,
    "Mačka"_cp,    "Motýľ"_cp,   "Eskimák"_cp,   "Helix"_cp,     "Vlk"_cp,     "Delfín"_cp,  "Kokón"_cp,
    "Jaskyňa"_cp,  "Pacman"_cp,  "Čarodejnica"_cp, "Hlava"_cp,   "Fajka"_cp,   "Had"_cp,     "Tulipán"_cp,
    "Kalifornia"_cp, "Klobúk"_cp, "Oko"_cp,      "Závoj"_cp,     "Vír"_cp};

constexpr std::array<std::string_view, 24> kNamed = {
    "Veľká hmlovina v Orióne"_cp, "Severná Amerika"_cp,   "Konská hlava"_cp,     "Plamenná hmlovina"_cp,
    "Hmlovina Rozeta"_cp,         "Uhoľné vrece"_cp,      "Mačacia labka"_cp,    "Hmlovina Tarantula"_cp,
    "Hmlovina Carina"_cp,         "Rho Ophiuchi"_cp,      "Hmlovina Bumerang"_cp, "Červený obdĺžnik"_cp,
    "Sivá hmlovina"_cp,           "Hmlovina Tvár"_cp,     "Vianočný stromček"_cp, "Hubbleova hmlovina"_cp,
    "Hmlovina Kozorožec"_cp,      "Temná veža"_cp,        "Hmlovina Prízrak"_cp, "Modrý konský pysk"_cp,
    "Hmlovina Krevety"_cp,        "Južné plejády"_cp,     "Hmlovina Ryba"_cp,    "Hmlovina Gama Cygni"_cp};

constexpr std::array<std::string_view, 30> kConstellations = {
    "v Orióne"_cp,      "v Labuti"_cp,       "v Strelcovi"_cp,    "v Škorpiónovi"_cp, "v Býkovi"_cp,
    "v Perzeovi"_cp,    "v Kasiopeji"_cp,    "v Cefeovi"_cp,      "v Lýre"_cp,        "v Drakovi"_cp,
    "v Hadovi"_cp,      "v Jednorožcovi"_cp, "v Blížencoch"_cp,   "v Povozníkovi"_cp, "v Plachtách"_cp,
    "v Lodnom kýle"_cp, "v Kentaurovi"_cp,   "v Južnom kríži"_cp, "vo Vodnárovi"_cp,  "v Androméde"_cp,
    "v Pegasovi"_cp,    "vo Veľrybe"_cp,     "v Eridane"_cp,      "v Zajacovi"_cp,    "v Hydre"_cp,
    "v Líštičke"_cp,    "v Orlovi"_cp,       "v Herkulovi"_cp,    "vo Vlkovi"_cp,     "v Tukane"_cp};

// Each sentence is followed by a constellation.
constexpr std::array<std::string_view, 6> kSentences = {
    "Slabá hmlovina "_cp,           "Jasná hmlovina "_cp,          "Rozsiahly oblak "_cp,
    "Vhodná pre malý ďalekohľad, "_cp, "Vidieť ju len na fotografiách, "_cp, "Kompaktný objekt "_cp};

std::string Number(int32_t n) { return std::to_string(n); }

// The kind of object a designation stands for, and its name.
struct Naming {
  std::string Name;
  int32_t NGC = 0;
  TTypeOfNebula Type = TN_Planetary;
  bool TypeFixed = false;
};

Naming MakeName(Random& random) {
  Naming n;
  const double u = random.Unit();
  if (u < 0.35) {
    n.NGC = random.Between(1, 7840);
    n.Name = "NGC " + Number(n.NGC);
  } else if (u < 0.50) {
    n.Name = "IC " + Number(random.Between(1, 5386));
  } else if (u < 0.62) {
    n.Name = "Hmlovina "_cps + std::string(random.Pick(kNouns));
  } else if (u < 0.72) {
    n.Name = std::string(random.Pick(kNamed));
  } else if (u < 0.82) {
    n.Name = "Sh2-" + Number(random.Between(1, 313));
    n.Type = random.Unit() < 0.8 ? TN_H2 : TN_H1;
    n.TypeFixed = true;
  } else if (u < 0.90) {
    n.Name = "Barnard " + Number(random.Between(1, 370));
    n.Type = TN_Dark;
    n.TypeFixed = true;
  } else if (u < 0.95) {
    n.Name = "HH " + Number(random.Between(1, 1000));
    n.Type = TN_HerbigHar;
    n.TypeFixed = true;
  } else {
    n.Name = "vdB " + Number(random.Between(1, 158));
    n.Type = TN_Reflection;
    n.TypeFixed = true;
  }
  return n;
}

std::string PictureName(std::string_view stem, int32_t number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "_%05d.bmp", number);
  return std::string(stem) + digits;
}

}  // namespace

TNebulas Generate(int32_t Count, const TOptions& Options) {
  Random random(Options.Seed);
  TNebulas records(static_cast<std::size_t>(Count > 0 ? Count : 0));
  for (int32_t i = 0; i < Count; ++i) {
    TNebula& r = records[static_cast<std::size_t>(i)];
    r.IndexOfItem = i + 1;
    Naming naming = MakeName(random);
    r.NameOfNebula = naming.Name;
    r.NGC = naming.NGC;
    // Most objects outside the NGC have no number there; the others repeat
    // the numbers of the NGC objects, as cross-references do.
    if (r.NGC == 0 && random.Unit() < 0.4) r.NGC = random.Between(1, 7840);
    // Even over the sphere: uniform in right ascension and in sin(declination).
    r.Rect = Round(random.Unit() * 24.0, 4);
    r.Dec = Round(std::asin(2.0 * random.Unit() - 1.0) * 180.0 / std::numbers::pi, 4);
    r.Distance = Round(300.0 * std::pow(100.0, random.Unit()), -1);
    r.Magnitude = random.Unit() < 0.1 ? 99.99 : Round(4.0 + 12.0 * random.Unit(), 1);
    r.TypeOfNebula =
        naming.TypeFixed ? naming.Type : static_cast<TTypeOfNebula>(random.Between(0, TYPE_OF_NEBULA_COUNT - 1));
    if (Options.ThumbnailFraction > 0 && random.Unit() < Options.ThumbnailFraction)
      r.Picture = PictureName(Options.PictureStem, r.IndexOfItem);
    r.Description = std::string(random.Pick(kSentences)) + std::string(random.Pick(kConstellations)) + ".";
  }
  return records;
}

std::string ThumbnailBmp(const TNebula& Record) {
  constexpr int kSide = 32;
  constexpr int kRow = kSide * 3;  // already a multiple of four
  constexpr int kData = kRow * kSide;
  std::string bmp(54 + kData, '\0');
  auto put32 = [&](std::size_t at, uint32_t v) {
    for (int b = 0; b < 4; ++b) bmp[at + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
  };
  auto put16 = [&](std::size_t at, uint16_t v) {
    bmp[at] = static_cast<char>(v & 0xFF);
    bmp[at + 1] = static_cast<char>(v >> 8);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, kSide);
  put32(22, kSide);
  put16(26, 1);
  put16(28, 24);
  put32(34, kData);

  // Colour of the glow per kind of nebula (R, G, B); dark nebulae hide stars.
  static constexpr std::array<std::array<double, 3>, TYPE_OF_NEBULA_COUNT> kGlow = {{
      {80, 220, 200}, {240, 110, 60}, {250, 170, 80}, {230, 120, 160}, {235, 70, 90}, {90, 140, 250}, {40, 30, 25}}};
  const auto& glow = kGlow[Record.TypeOfNebula % TYPE_OF_NEBULA_COUNT];
  Random random(0xC0FFEEull * static_cast<uint64_t>(Record.IndexOfItem) + 17);
  const double cx = 12 + 8 * random.Unit();
  const double cy = 12 + 8 * random.Unit();
  const double rx = 5 + 7 * random.Unit();
  const double ry = 5 + 7 * random.Unit();
  const bool dark = Record.TypeOfNebula == TN_Dark;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = (x - cx) / rx;
      const double dy = (y - cy) / ry;
      const double w = std::exp(-(dx * dx + dy * dy));
      const double star = random.Unit() < 0.015 ? 90 + 140 * random.Unit() : 8;
      double rgb[3];
      for (int c = 0; c < 3; ++c) {
        const double sky = star;
        rgb[c] = dark ? sky * (1 - w) + glow[static_cast<std::size_t>(c)] * w
                      : sky + glow[static_cast<std::size_t>(c)] * w;
      }
      // Rows are stored bottom up, each pixel as B, G, R.
      const std::size_t at = 54 + static_cast<std::size_t>((kSide - 1 - y) * kRow + x * 3);
      for (int c = 0; c < 3; ++c)
        bmp[at + static_cast<std::size_t>(c)] = static_cast<char>(std::lround(std::fmin(255.0, rgb[2 - c])));
    }
  }
  return bmp;
}

bool WriteThumbnails(const TNebulas& Records, std::string_view Folder) {
  for (const TNebula& r : Records) {
    if (r.Picture.Empty()) continue;
    const std::string bmp = ThumbnailBmp(r);
    platform::File f = platform::Open(std::string(Folder) + r.Picture.Str(), "wb");
    if (!f) return false;
    if (std::fwrite(bmp.data(), 1, bmp.size(), f.get()) != bmp.size()) return false;
    if (std::fflush(f.get()) != 0) return false;
  }
  return true;
}

}  // namespace catalogue_generator
