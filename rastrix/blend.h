#pragma once
// Pixel writing shared by the primitives, pictures and text. A colour with
// transparency a (0 opaque .. 255 invisible) turns a byte old into
// nearest(old * (1 - F) + c * F) with F = 1 - a / 255. That value is the
// rational (old * a + c * (255 - a)) / 255, which can never lie exactly halfway
// between two integers (its doubled numerator is even, 255 is odd), so the
// integer form below rounds it identically without touching floating point.

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "rastrix/display.h"

namespace rastrix_detail {

// Rounds to the nearest integer, halfway cases to the even neighbour, as the
// default floating-point rounding does.
inline int64_t Nearest(double x) { return static_cast<int64_t>(std::nearbyint(x)); }

inline uint8_t BlendByte(uint32_t old, uint32_t alpha, uint32_t colour) {
  return static_cast<uint8_t>((old * alpha + colour * (255 - alpha) + 127) / 255);
}

// The clip rectangle actually used: the viewport, never reaching off the screen
// even if someone assigned Viewport directly.
struct Clip {
  int64_t X1, Y1, X2, Y2;
  bool Empty() const { return X1 > X2 || Y1 > Y2; }
};

inline Clip CurrentClip() {
  return Clip{std::max<int64_t>(Viewport.X1, 0), std::max<int64_t>(Viewport.Y1, 0),
              std::min<int64_t>(Viewport.X2, SCREEN_WIDTH - 1), std::min<int64_t>(Viewport.Y2, SCREEN_HEIGHT - 1)};
}

inline uint8_t* ScreenAt(int64_t x, int64_t y) {
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  assert(x >= 0 && x < SCREEN_WIDTH && y >= 0 && y < SCREEN_HEIGHT);
  return VirtualScreen + (y * SCREEN_WIDTH + x) * 4;
}

// A drawing colour prepared once per primitive: the choice between copying and
// blending is made before any pixel loop.
struct Ink {
  uint8_t B, G, R;
  uint32_t Alpha;
  uint32_t KB, KG, KR;  // colour * (255 - Alpha) + 127, the constant part of the blend

  explicit Ink(TColor c)
      : B(c.B), G(c.G), R(c.R), Alpha(c.Alpha),
        KB(c.B * (255u - c.Alpha) + 127), KG(c.G * (255u - c.Alpha) + 127), KR(c.R * (255u - c.Alpha) + 127) {}

  bool Opaque() const { return Alpha == 0; }
  bool Invisible() const { return Alpha == 255; }

  void Copy(uint8_t* p) const {
    p[0] = B;
    p[1] = G;
    p[2] = R;
  }
  void Blend(uint8_t* p) const {
    p[0] = static_cast<uint8_t>((p[0] * Alpha + KB) / 255);
    p[1] = static_cast<uint8_t>((p[1] * Alpha + KG) / 255);
    p[2] = static_cast<uint8_t>((p[2] * Alpha + KR) / 255);
  }
  void Put(uint8_t* p) const {
    if (Alpha == 0) Copy(p);
    else Blend(p);
  }
};

// Blends a run of whole pixels. Four pixels are done at once in 16-bit lanes:
// the fourth byte of each pixel gets the weight 255 and no colour, which gives
// back the old byte, and x / 255 for x < 65536 equals (x * 0x8081) >> 23.
inline void BlendRun(const Ink& ink, uint8_t* p, size_t pixels) {
#if defined(__SSE2__)
  const __m128i weight = _mm_setr_epi16(static_cast<short>(ink.Alpha), static_cast<short>(ink.Alpha),
                                        static_cast<short>(ink.Alpha), 255, static_cast<short>(ink.Alpha),
                                        static_cast<short>(ink.Alpha), static_cast<short>(ink.Alpha), 255);
  const __m128i constant = _mm_setr_epi16(static_cast<short>(ink.KB), static_cast<short>(ink.KG),
                                          static_cast<short>(ink.KR), 127, static_cast<short>(ink.KB),
                                          static_cast<short>(ink.KG), static_cast<short>(ink.KR), 127);
  const __m128i reciprocal = _mm_set1_epi16(static_cast<short>(0x8081));
  const __m128i zero = _mm_setzero_si128();
  for (; pixels >= 4; pixels -= 4, p += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(v, zero), weight), constant);
    __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(v, zero), weight), constant);
    lo = _mm_srli_epi16(_mm_mulhi_epu16(lo, reciprocal), 7);
    hi = _mm_srli_epi16(_mm_mulhi_epu16(hi, reciprocal), 7);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; pixels > 0; --pixels, p += 4) ink.Blend(p);
}

// Stores one four-byte pixel value into a run of pixels. Long runs use the
// processor's string store, which runs as fast as memset does.
inline void FillRun(uint8_t* p, size_t pixels, uint32_t value) {
#if defined(__x86_64__) && defined(__GNUC__)
  if (pixels >= 256) {
    asm volatile("rep stosl" : "+D"(p), "+c"(pixels) : "a"(value) : "memory");
    return;
  }
#endif
#if defined(__SSE2__)
  for (; pixels > 0 && (reinterpret_cast<uintptr_t>(p) & 15) != 0; --pixels, p += 4) std::memcpy(p, &value, 4);
  const __m128i v = _mm_set1_epi32(static_cast<int>(value));
  for (; pixels >= 16; pixels -= 16, p += 64) {
    _mm_store_si128(reinterpret_cast<__m128i*>(p), v);
    _mm_store_si128(reinterpret_cast<__m128i*>(p + 16), v);
    _mm_store_si128(reinterpret_cast<__m128i*>(p + 32), v);
    _mm_store_si128(reinterpret_cast<__m128i*>(p + 48), v);
  }
#endif
  for (; pixels > 0; --pixels, p += 4) std::memcpy(p, &value, 4);
}

// Writes the pixels X1..X2 of row Y that lie inside the clip rectangle.
inline void Span(const Ink& ink, const Clip& clip, int64_t y, int64_t x1, int64_t x2) {
  if (y < clip.Y1 || y > clip.Y2) return;
  x1 = std::max(x1, clip.X1);
  x2 = std::min(x2, clip.X2);
  if (x1 > x2) return;
  uint8_t* p = ScreenAt(x1, y);
  if (ink.Opaque()) {
    uint8_t* const end = p + (x2 - x1 + 1) * 4;
    for (; p != end; p += 4) ink.Copy(p);
  } else {
    BlendRun(ink, p, static_cast<size_t>(x2 - x1 + 1));
  }
}

inline void Plot(const Ink& ink, const Clip& clip, int64_t x, int64_t y) {
  if (x < clip.X1 || x > clip.X2 || y < clip.Y1 || y > clip.Y2) return;
  ink.Put(ScreenAt(x, y));
}

}  // namespace rastrix_detail
