#include "rastrix/fnt.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "platform/byte_order.h"
#include "platform/files.h"
#include "rastrix/blend.h"

using rastrix_detail::Clip;
using rastrix_detail::CurrentClip;
using rastrix_detail::Ink;

namespace {

constexpr size_t kHeader2 = 118;       // the header common to versions 2.x and 3.x
constexpr size_t kHeader3Extra = 30;   // the further header bytes of version 3.x


void ReleaseGlyphs(TFont& font) {
  delete[] font.Glyphs;
  font.Glyphs = nullptr;
  font.GlyphsSize = 0;
  font.Loaded = false;
}

// Draws one glyph whose visible part is rows r0..r1 and pixel columns c0..c1,
// with the copy-or-blend choice fixed for the whole glyph.
template <bool kOpaque>
void DrawGlyph(const Ink& ink, const uint8_t* bitmap, uint32_t height, int64_t x, int64_t y, int64_t r0,
               int64_t r1, int64_t c0, int64_t c1) {
  for (int64_t column = c0 / 8; column <= c1 / 8; ++column) {
    const int64_t j0 = std::max<int64_t>(c0 - column * 8, 0), j1 = std::min<int64_t>(c1 - column * 8, 7);
    const uint8_t mask = static_cast<uint8_t>((0xFFu >> j0) & (0xFFu << (7 - j1)));
    const uint8_t* bytes = bitmap + column * height;
    const int64_t column_x = x + column * 8;
    for (int64_t r = r0; r <= r1; ++r) {
      uint8_t b = bytes[r] & mask;
      if (b == 0) continue;
      uint8_t* row = VirtualScreen + ((y + r) * SCREEN_WIDTH + column_x) * 4;
      while (b != 0) {
        const int j = std::countl_zero(b);  // 0 is the leftmost pixel of the byte column
        uint8_t* p = row + j * 4;
        if constexpr (kOpaque) ink.Copy(p);
        else ink.Blend(p);
        b = static_cast<uint8_t>(b & ~(0x80u >> j));
      }
    }
  }
}

}  // namespace

void FreeFNTFont(TFont& Font) {
  ReleaseGlyphs(Font);
  LoadedFonts.erase(std::remove(LoadedFonts.begin(), LoadedFonts.end(), &Font), LoadedFonts.end());
}

TFont::TFont(TFont&& Other) noexcept { *this = std::move(Other); }

TFont& TFont::operator=(TFont&& Other) noexcept {
  if (this == &Other) return *this;
  ReleaseGlyphs(*this);
  FileName = std::move(Other.FileName);
  Loaded = std::exchange(Other.Loaded, false);
  Version = Other.Version;
  PixHeight = Other.PixHeight;
  FirstChar = Other.FirstChar;
  LastChar = Other.LastChar;
  DefaultChar = Other.DefaultChar;
  BreakChar = Other.BreakChar;
  BitsOffset = Other.BitsOffset;
  GlyphsSize = std::exchange(Other.GlyphsSize, 0);
  Glyphs = std::exchange(Other.Glyphs, nullptr);
  Map = Other.Map;
  // A listed font keeps its place (its index) in LoadedFonts; otherwise it
  // takes the place of the font it came from.
  if (std::find(LoadedFonts.begin(), LoadedFonts.end(), this) != LoadedFonts.end())
    LoadedFonts.erase(std::remove(LoadedFonts.begin(), LoadedFonts.end(), &Other), LoadedFonts.end());
  else
    std::replace(LoadedFonts.begin(), LoadedFonts.end(), &Other, this);
  return *this;
}

TFont::~TFont() { FreeFNTFont(*this); }

void LoadFNTFont(std::string_view FontName, TFont& Font, uint8_t& Result_) {
  // A font loaded twice gives up its old glyphs rather than leaking them.
  if (Font.Loaded) ReleaseGlyphs(Font);
  Result_ = 0;
  platform::File file(platform::Open(FontName, "rb"));
  if (!file) {
    Result_ = 1;
    return;
  }
  const int64_t file_length = platform::FileLength(file.get());
  uint8_t header[kHeader2 + kHeader3Extra];
  if (file_length < 0 || std::fread(header, 1, kHeader2, file.get()) != kHeader2) {
    Result_ = 1;
    return;
  }
  const uint16_t version = le::Get16(header + 0);
  if (version != 0x200 && version != 0x300) {
    Result_ = 1;  // version 1.x has no glyph table, and nothing else is a font
    return;
  }
  size_t header_length = kHeader2;
  if (version == 0x300) {
    if (std::fread(header + kHeader2, 1, kHeader3Extra, file.get()) != kHeader3Extra) {
      Result_ = 1;
      return;
    }
    header_length += kHeader3Extra;
  }
  const uint32_t df_size = le::Get32(header + 2);
  const uint16_t pix_width = le::Get16(header + 86);
  const uint16_t pix_height = le::Get16(header + 88);
  const uint8_t first_char = header[95], last_char = header[96];
  const uint8_t default_char = header[97], break_char = header[98];
  const uint32_t bits_offset = le::Get32(header + 113);

  if (pix_width != 0) Result_ = 2;
  if (first_char > last_char || bits_offset > df_size) {
    if (Result_ == 0) Result_ = 1;  // no glyph data can be measured
    return;
  }
  const int64_t entry = version == 0x200 ? 4 : 6;
  const int64_t count = int64_t{last_char} - first_char + 1;
  const int64_t table_bytes = entry * count;
  const int64_t bits_bytes = int64_t{df_size} - bits_offset;
  const int64_t size = table_bytes + bits_bytes;
  if (size > MAX_SIZE) Result_ = 3;
  if (size > GetAvailRamMemory()) Result_ = 4;
  if (Result_ != 0) return;

  // The header must describe this very file: a height, a size the file really
  // has, and a glyph table inside it.
  if (pix_height == 0 || df_size > file_length || int64_t(header_length) + table_bytes > df_size) {
    Result_ = 1;
    return;
  }

  std::unique_ptr<uint8_t[]> glyphs(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
  if (!glyphs) {
    Result_ = 5;
    return;
  }
  if (std::fread(glyphs.get(), 1, static_cast<size_t>(table_bytes), file.get()) != size_t(table_bytes) ||
      std::fseek(file.get(), static_cast<long>(bits_offset), SEEK_SET) != 0 ||
      std::fread(glyphs.get() + table_bytes, 1, static_cast<size_t>(bits_bytes), file.get()) != size_t(bits_bytes)) {
    Result_ = 1;
    return;
  }

  // Every glyph's bitmap must lie inside the bitmap block; the map then lets
  // drawing and measuring index glyphs directly.
  std::array<TFont::GlyphRef, 256> table_refs{};
  for (int64_t i = 0; i < count; ++i) {
    const uint8_t* e = glyphs.get() + i * entry;
    const uint16_t width = le::Get16(e);
    const uint32_t offset = entry == 4 ? le::Get16(e + 2) : le::Get32(e + 2);
    TFont::GlyphRef ref;
    ref.Width = width;
    if (width != 0) {
      const int64_t bitmap_bytes = (int64_t{width} + 7) / 8 * pix_height;
      if (offset < bits_offset || int64_t{offset} - bits_offset + bitmap_bytes > bits_bytes) {
        Result_ = 1;
        return;
      }
      ref.BitmapPos = static_cast<uint32_t>(table_bytes + (offset - bits_offset));
    }
    table_refs[first_char + i] = ref;
  }
  // A default character outside the font falls back to the break character,
  // or failing that to the first glyph, so every code maps to a real glyph.
  uint8_t fallback = default_char;
  if (fallback < first_char || fallback > last_char)
    fallback = break_char >= first_char && break_char <= last_char ? break_char : first_char;
  for (int code = 0; code < 256; ++code)
    Font.Map[code] = table_refs[code < first_char || code > last_char ? fallback : code];

  Font.FileName = std::string(FontName.substr(0, FontName.size() >= 4 ? FontName.size() - 4 : 0));
  Font.Loaded = true;
  Font.Version = version;
  Font.PixHeight = pix_height;
  Font.FirstChar = first_char;
  Font.LastChar = last_char;
  Font.DefaultChar = default_char;
  Font.BreakChar = break_char;
  Font.BitsOffset = bits_offset;
  Font.GlyphsSize = static_cast<uint32_t>(size);
  Font.Glyphs = glyphs.release();
  if (std::find(LoadedFonts.begin(), LoadedFonts.end(), &Font) == LoadedFonts.end()) LoadedFonts.push_back(&Font);
}

void WriteText(int32_t X, int32_t Y, const TFont& Font, std::string_view Text) {
  if (!Font.Loaded || Text.empty()) return;
  const Ink ink(Color);
  const Clip clip = CurrentClip();
  if (ink.Invisible() || clip.Empty()) return;
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  const int64_t r0 = std::max<int64_t>(clip.Y1 - Y, 0);
  const int64_t r1 = std::min<int64_t>(clip.Y2 - Y, int64_t{Font.PixHeight} - 1);
  if (r0 > r1) return;
  int64_t x = X;
  for (const char ch : Text) {
    if (x > clip.X2) break;  // every later glyph starts further right
    const TFont::GlyphRef& g = Font.Map[static_cast<uint8_t>(ch)];
    if (g.Width != 0 && x + g.Width - 1 >= clip.X1) {
      const int64_t c0 = std::max<int64_t>(clip.X1 - x, 0);
      const int64_t c1 = std::min<int64_t>(clip.X2 - x, int64_t{g.Width} - 1);
      const uint8_t* bitmap = Font.Glyphs + g.BitmapPos;
      if (ink.Opaque()) DrawGlyph<true>(ink, bitmap, Font.PixHeight, x, Y, r0, r1, c0, c1);
      else DrawGlyph<false>(ink, bitmap, Font.PixHeight, x, Y, r0, r1, c0, c1);
    }
    x += g.Width;
  }
}

uint32_t GetTextLength(const TFont& Font, std::string_view Text) {
  if (!Font.Loaded) return 0;
  uint64_t length = 0;
  for (const char ch : Text) length += Font.Map[static_cast<uint8_t>(ch)].Width;
  return static_cast<uint32_t>(std::min<uint64_t>(length, std::numeric_limits<uint32_t>::max()));
}

namespace {

// Word-wraps Text to MaxWidth as WriteAlignedText draws it, calling
// Put(x, y, word) for every word it would write; returns the y of the last row.
template <class TPut>
int64_t LayOutAligned(int32_t X, int32_t Y, int32_t MaxWidth, const TFont& Font, std::string_view Text, TPut Put) {
  const int64_t gap = GetTextLength(Font, std::string_view(reinterpret_cast<const char*>(&Font.BreakChar), 1));
  const int64_t line_height = Font.PixHeight;
  int64_t cx = X, cy = Y;
  // Each space ends a word, so consecutive spaces yield empty words that still
  // move the pen by one gap.
  size_t start = 0;
  while (true) {
    const size_t space = Text.find(' ', start);
    const std::string_view word = Text.substr(start, space == std::string_view::npos ? Text.npos : space - start);
    const int64_t length = GetTextLength(Font, word);
    if (length > MaxWidth) {
      cy += line_height;
      cx = X;
    } else {
      if (cx + length > int64_t{X} + MaxWidth) {
        cy += line_height;
        cx = X;
      }
      Put(cx, cy, word);
      cx += length + gap;
    }
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return cy;
}

}  // namespace

void WriteAlignedText(int32_t X, int32_t Y, int32_t MaxWidth, const TFont& Font, std::string_view Text) {
  if (Text.empty()) return;
  LayOutAligned(X, Y, MaxWidth, Font, Text, [&Font](int64_t cx, int64_t cy, std::string_view word) {
    // Positions beyond the 32-bit range cannot be on the screen.
    if (cx <= std::numeric_limits<int32_t>::max() && cy <= std::numeric_limits<int32_t>::max())
      WriteText(static_cast<int32_t>(cx), static_cast<int32_t>(cy), Font, word);
  });
}

uint32_t CountAlignedTextRows(int32_t MaxWidth, const TFont& Font, std::string_view Text) {
  if (Text.empty() || Font.PixHeight == 0) return 0;
  const int64_t last = LayOutAligned(0, 0, MaxWidth, Font, Text, [](int64_t, int64_t, std::string_view) {});
  return static_cast<uint32_t>(last / Font.PixHeight + 1);
}
