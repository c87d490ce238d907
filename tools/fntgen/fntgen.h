#pragma once
// Renders a TrueType or OpenType face into a Windows-1250 FNT 3.0 font with
// monochrome hinting at 96 dpi, the way the program's six fonts are made.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/fnt_writer/fnt_writer.h"

namespace fntgen {

struct Request {
  std::string source;        // path of the TrueType/OpenType file
  uint16_t points = 10;      // point size at 96 dpi
  uint16_t weight = 400;     // recorded in the header; the source face decides the look
  uint8_t family = fnt_writer::kFamilyDontCare;
  std::string face_name;     // written into the file
  std::string copyright;     // written into the file (60 bytes at most are kept)
  std::string output;        // file name inside the output folder
  std::string fallback;      // face for the few characters `source` lacks; empty = none
  bool autohint = false;     // FreeType's auto-hinter instead of the face's own hints
  bool lining_figures = false;  // digits from the face's ".lnum" glyphs when it has them
};

// The program's six fonts with the free faces they are made from.
const std::vector<Request>& ProgramFonts();

// Pixels per em for a point size at 96 dpi, rounded as Windows rounds it.
uint16_t PixelsPerEm(uint16_t points);

// Renders all of Windows-1250 32..255. On failure returns false and says why in `error`.
bool Render(const Request& request, fnt_writer::Face& face, std::string& error);

}  // namespace fntgen
