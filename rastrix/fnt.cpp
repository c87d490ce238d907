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

// The result codes of LoadFNTFont, as fnt.h lists them.
constexpr uint8_t kUnreadable = 1, kFixedPitch = 2, kTooLarge = 3, kLowMemory = 4, kRequestFailed = 5;

// What the header says; the glyph table follows it and the bitmaps start at
// bits_offset, up to df_size.
struct FntHeader {
  uint16_t version = 0;
  size_t length = kHeader2;
  uint32_t df_size = 0;
  uint16_t pix_width = 0;
  uint16_t pix_height = 0;
  uint8_t first_char = 0, last_char = 0, default_char = 0, break_char = 0;
  uint32_t bits_offset = 0;

  int64_t Entry() const { return version == 0x200 ? 4 : 6; }  // bytes of one glyph table entry
  int64_t Count() const { return int64_t{last_char} - first_char + 1; }
  int64_t TableBytes() const { return Entry() * Count(); }
  int64_t BitsBytes() const { return int64_t{df_size} - bits_offset; }
};

// False for a file too short for its header and for anything but versions
// 2.x and 3.x: version 1.x has no glyph table, and nothing else is a font.
bool ReadHeader(std::FILE* file, FntHeader& h) {
  uint8_t header[kHeader2 + kHeader3Extra];
  if (std::fread(header, 1, kHeader2, file) != kHeader2) return false;
  h.version = le::Get16(header + 0);
  if (h.version != 0x200 && h.version != 0x300) return false;
  if (h.version == 0x300) {
    if (std::fread(header + kHeader2, 1, kHeader3Extra, file) != kHeader3Extra) return false;
    h.length += kHeader3Extra;
  }
  h.df_size = le::Get32(header + 2);
  h.pix_width = le::Get16(header + 86);
  h.pix_height = le::Get16(header + 88);
  h.first_char = header[95];
  h.last_char = header[96];
  h.default_char = header[97];
  h.break_char = header[98];
  h.bits_offset = le::Get32(header + 113);
  return true;
}

// 0, or why the font is refused: the codes 2 to 4 win over a header that
// cannot describe this file (1), a later one of them over an earlier one.
uint8_t Refusal(const FntHeader& h, int64_t file_length) {
  uint8_t result = 0;
  if (h.pix_width != 0) result = kFixedPitch;
  // With these two wrong no glyph data can be measured.
  if (h.first_char > h.last_char || h.bits_offset > h.df_size) return result != 0 ? result : kUnreadable;
  const int64_t size = h.TableBytes() + h.BitsBytes();
  if (size > MAX_SIZE) result = kTooLarge;
  if (size > GetAvailRamMemory()) result = kLowMemory;
  if (result != 0) return result;
  // The header must describe this very file: a height, a size the file really
  // has, and a glyph table inside it.
  if (h.pix_height == 0 || h.df_size > file_length || int64_t(h.length) + h.TableBytes() > h.df_size)
    return kUnreadable;
  return 0;
}

// The glyph table, then the bitmap block, into one block of glyphs.
bool ReadGlyphs(std::FILE* file, const FntHeader& h, uint8_t* glyphs) {
  const size_t table = static_cast<size_t>(h.TableBytes()), bits = static_cast<size_t>(h.BitsBytes());
  return std::fread(glyphs, 1, table, file) == table &&
         std::fseek(file, static_cast<long>(h.bits_offset), SEEK_SET) == 0 &&
         std::fread(glyphs + table, 1, bits, file) == bits;
}

// Every glyph's bitmap must lie inside the bitmap block; the map then lets
// drawing and measuring index glyphs directly. A default character outside
// the font falls back to the break character, or failing that to the first
// glyph, so every code maps to a real glyph.
bool BuildMap(const FntHeader& h, const uint8_t* glyphs, std::array<TFont::GlyphRef, 256>& map) {
  std::array<TFont::GlyphRef, 256> table_refs{};
  for (int64_t i = 0; i < h.Count(); ++i) {
    const uint8_t* e = glyphs + i * h.Entry();
    TFont::GlyphRef ref;
    ref.Width = le::Get16(e);
    const uint32_t offset = h.Entry() == 4 ? le::Get16(e + 2) : le::Get32(e + 2);
    if (ref.Width != 0) {
      const int64_t bitmap_bytes = (int64_t{ref.Width} + 7) / 8 * h.pix_height;
      if (offset < h.bits_offset || int64_t{offset} - h.bits_offset + bitmap_bytes > h.BitsBytes()) return false;
      ref.BitmapPos = static_cast<uint32_t>(h.TableBytes() + (offset - h.bits_offset));
    }
    table_refs[h.first_char + i] = ref;
  }
  const auto inside = [&h](uint8_t code) { return code >= h.first_char && code <= h.last_char; };
  const uint8_t fallback =
      inside(h.default_char) ? h.default_char : inside(h.break_char) ? h.break_char : h.first_char;
  for (int code = 0; code < 256; ++code)
    map[code] = table_refs[inside(static_cast<uint8_t>(code)) ? code : fallback];
  return true;
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
  Result_ = kUnreadable;
  platform::File file(platform::Open(FontName, "rb"));
  if (!file) return;
  const platform::FileResult<int64_t> length = platform::FileLength(file.get());
  if (!length) return;
  const int64_t file_length = length.Produced;
  FntHeader h;
  if (!ReadHeader(file.get(), h)) return;
  Result_ = Refusal(h, file_length);
  if (Result_ != 0) return;

  const int64_t size = h.TableBytes() + h.BitsBytes();
  std::unique_ptr<uint8_t[]> glyphs(new (std::nothrow) uint8_t[static_cast<size_t>(size)]);
  if (!glyphs) {
    Result_ = kRequestFailed;
    return;
  }
  if (!ReadGlyphs(file.get(), h, glyphs.get()) || !BuildMap(h, glyphs.get(), Font.Map)) {
    Result_ = kUnreadable;
    return;
  }

  Font.FileName = std::string(FontName.substr(0, FontName.size() >= 4 ? FontName.size() - 4 : 0));
  Font.Loaded = true;
  Font.Version = h.version;
  Font.PixHeight = h.pix_height;
  Font.FirstChar = h.first_char;
  Font.LastChar = h.last_char;
  Font.DefaultChar = h.default_char;
  Font.BreakChar = h.break_char;
  Font.BitsOffset = h.bits_offset;
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
