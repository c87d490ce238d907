#pragma once
// Writer of Windows FNT font files (versions 2.0 and 3.0). The font generator
// uses it for the program's fonts, the tests for fonts built to order.

#include <cstdint>
#include <string>
#include <vector>

namespace fnt_writer {

struct Glyph {
  uint16_t width = 0;
  std::vector<uint8_t> pixels;  // width x face.pix_height, row-major, non-zero = ink
};

struct Face {
  uint16_t version = 0x300;     // 0x200 or 0x300
  std::string face_name = "Corvala";
  std::string copyright;
  uint16_t points = 10;
  uint16_t vert_res = 96;
  uint16_t horiz_res = 96;
  uint16_t ascent = 0;
  uint16_t internal_leading = 0;
  uint16_t external_leading = 0;
  bool italic = false;
  uint16_t weight = 400;
  uint8_t charset = 238;        // EASTEUROPE_CHARSET: Windows-1250
  uint16_t pix_width = 0;       // 0 = variable pitch
  uint16_t pix_height = 0;
  uint8_t first_char = 32;
  uint8_t last_char = 255;
  uint8_t default_char = '?';   // absolute character code
  uint8_t break_char = ' ';     // absolute character code
  std::vector<Glyph> glyphs;    // last_char - first_char + 1 of them
};

// The whole file. Layout: header (118 bytes, + 30 for 3.0), glyph table with one
// extra sentinel entry, glyph bitmaps in byte columns, then the face name.
std::vector<uint8_t> Write(const Face& face);
bool WriteFile(const Face& face, const std::string& path);

}  // namespace fnt_writer
