// The FNT reader: any file either loads with a result code of 0 and glyphs
// that draw every byte inside the screen's memory, clipped at every edge, or
// is refused with a code and nothing left allocated.

#include <string>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "rastrix/rastrix.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  static platform::HeadlessBackend host;
  static const bool ready = (platform::Install(&host), InitRastrix("fuzz"), true);
  static const std::string every_byte = [] {
    std::string s;
    for (int c = 1; c < 256; ++c) s.push_back(static_cast<char>(c));
    return s;
  }();
  (void)ready;
  const std::string name = fuzz::WriteScratchFile(Data, Size, ".fnt");
  TFont font;
  uint8_t result = 255;
  LoadFNTFont(name, font, result);
  FUZZ_CHECK(result <= 5);
  if (result != 0) return 0;
  WriteText(-9, -4, font, every_byte);
  WriteText(SCREEN_WIDTH - 20, SCREEN_HEIGHT - 3, font, every_byte);
  WriteAlignedText(3, 100, 50, font, every_byte);
  (void)GetTextLength(font, every_byte);
  FreeFNTFont(font);
  return 0;
}
