#pragma once
// Writer of Windows FNT font files (versions 2.0 and 3.0). The font generator
// uses it for the program's fonts, the tests for fonts built to order.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fnt_writer {

struct Glyph {
  uint16_t width = 0;
  std::vector<uint8_t> pixels;  // width x face.pix_height, row-major, non-zero = ink; empty = blank
};

// Pitch-and-family families (high nibble of dfPitchAndFamily).
inline constexpr uint8_t kFamilyDontCare = 0x00;
inline constexpr uint8_t kFamilyRoman = 0x10;
inline constexpr uint8_t kFamilySwiss = 0x20;

struct Face {
  uint16_t version = 0x300;     // 0x200 or 0x300
  std::string face_name = "Corvala";
  std::string copyright;        // at most 60 bytes are kept
  uint16_t points = 10;
  uint16_t vert_res = 96;
  uint16_t horiz_res = 96;
  uint16_t ascent = 0;
  uint16_t internal_leading = 0;
  uint16_t external_leading = 0;
  bool italic = false;
  uint16_t weight = 400;
  uint8_t charset = 238;        // EASTEUROPE_CHARSET: Windows-1250
  uint8_t family = kFamilyDontCare;
  uint16_t pix_width = 0;       // 0 = variable pitch
  uint16_t pix_height = 0;
  uint8_t first_char = 32;
  uint8_t last_char = 255;
  uint8_t default_char = '?';   // absolute character code
  uint8_t break_char = ' ';     // absolute character code
  std::vector<Glyph> glyphs;    // last_char - first_char + 1 of them
};

// Header field offsets, shared with the tests that patch files on purpose.
namespace offsets {
inline constexpr size_t kVersion = 0, kSize = 2, kCopyright = 6, kType = 66, kPoints = 68,
                        kVertRes = 70, kHorizRes = 72, kAscent = 74, kInternalLeading = 76,
                        kExternalLeading = 78, kItalic = 80, kUnderline = 81, kStrikeOut = 82,
                        kWeight = 83, kCharSet = 85, kPixWidth = 86, kPixHeight = 88,
                        kPitchAndFamily = 90, kAvgWidth = 91, kMaxWidth = 93, kFirstChar = 95,
                        kLastChar = 96, kDefaultChar = 97, kBreakChar = 98, kWidthBytes = 99,
                        kDevice = 101, kFace = 105, kBitsPointer = 109, kBitsOffset = 113,
                        kReserved = 117;
inline constexpr size_t kHeader2 = 118;  // end of the common header
inline constexpr size_t kFlags = 118;    // first field of the 3.0 extension
inline constexpr size_t kHeader3 = 148;  // end of the 3.0 header
}  // namespace offsets

// The whole file. Layout: header (118 bytes, + 30 for 3.0), glyph table with one
// extra sentinel entry, glyph bitmaps in byte columns, then the face name.
// Returns an empty vector when the face cannot be written in its version
// (a 2.0 file whose bitmaps reach beyond the 16-bit offsets).
std::vector<uint8_t> Write(const Face& face);
// Replaces the file at `path` only once the whole font has been written.
bool WriteFile(const Face& face, const std::string& path);

}  // namespace fnt_writer
