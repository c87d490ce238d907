#pragma once
// FNT bitmap fonts (Windows font resources, versions 2.x and 3.x) and text:
// writing, measuring and word-wrapping Windows-1250 byte strings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rastrix/display.h"

// A font owns its glyphs and frees them when it goes, leaving LoadedFonts as
// well; it moves (its LoadedFonts entry follows it) but does not copy.
struct TFont {
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  TFont(TFont&& Other) noexcept;
  TFont& operator=(TFont&& Other) noexcept;
  ~TFont();

  std::string FileName;  // the loaded name without its last four characters
  bool Loaded = false;
  uint16_t Version = 0;  // 0x200 or 0x300
  uint16_t PixHeight = 0;
  uint8_t FirstChar = 0;
  uint8_t LastChar = 0;
  uint8_t DefaultChar = 0;
  uint8_t BreakChar = 0;
  uint32_t BitsOffset = 0;
  uint32_t GlyphsSize = 0;
  PDataElement Glyphs = nullptr;  // glyph table followed by the glyph bitmaps

  // Direct index from a character code to its validated glyph, filled by the
  // loader so that drawing never searches and never reads outside Glyphs.
  struct GlyphRef {
    uint16_t Width = 0;
    uint32_t BitmapPos = 0;  // position of the glyph's bitmap inside Glyphs
  };
  std::array<GlyphRef, 256> Map{};
};

// Result codes: 0 loaded, 1 cannot open (or not a readable font), 2 fixed pitch,
// 3 glyph data above MAX_SIZE, 4 not enough memory, 5 a memory request failed.
// Loading into a font that is already loaded replaces it.
void LoadFNTFont(std::string_view FontName, TFont& Font, uint8_t& Result_);
// Releases the glyph memory and removes the font from LoadedFonts. The program
// keeps its fonts for the whole run; tools and tests release theirs.
void FreeFNTFont(TFont& Font);
void WriteText(int32_t X, int32_t Y, const TFont& Font, std::string_view Text);
uint32_t GetTextLength(const TFont& Font, std::string_view Text);
void WriteAlignedText(int32_t X, int32_t Y, int32_t MaxWidth, const TFont& Font, std::string_view Text);
// The number of rows WriteAlignedText takes for Text (0 for an empty text).
uint32_t CountAlignedTextRows(int32_t MaxWidth, const TFont& Font, std::string_view Text);
