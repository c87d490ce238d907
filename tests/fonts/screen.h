#pragma once
// The raster unit set up on a headless display for the font tests, and fonts
// loaded through the program's own loader.

#include <cstdint>
#include <string>

#include "platform/headless_backend.h"
#include "rastrix/rastrix.h"

namespace fonts_test {

class Screen {
 public:
  Screen();
  ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // Black everywhere, the whole screen as viewport, white as the drawing colour.
  void Clear();
  bool Ink(int x, int y) const;
  // Pixels drawn inside the rectangle from (x, y), w x h.
  int CountInk(int x, int y, int w, int h) const;

 private:
  platform::HeadlessBackend host_;
};

// A font loaded by LoadFNTFont and released when it goes, so that LoadedFonts
// never keeps the address of a dead record.
struct LoadedFont {
  explicit LoadedFont(const std::string& path);
  ~LoadedFont();
  LoadedFont(const LoadedFont&) = delete;
  LoadedFont& operator=(const LoadedFont&) = delete;

  TFont font;
  uint8_t result = 255;
};

}  // namespace fonts_test
