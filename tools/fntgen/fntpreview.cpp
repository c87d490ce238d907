// fntpreview: draws sample lines of FNT fonts with the program's own text
// routines into the virtual screen and saves it as a PPM picture, so that a
// regenerated font can be looked at before it is committed.
//   fntpreview OUTPUT.ppm FONT.fnt...

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "rastrix/rastrix.h"

namespace {

constexpr std::string_view kSamples[] = {
    "Príliš žluťoučký kôň úpěl ďábelské ódy. Ľúbostná báseň pod Ťatrami."_cp,
    "ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ áäčďéíĺľňóôŕšťúýž ĚŘŮ ěřů 0123456789 ‰ € „“ §"_cp,
    "NGC 6543 Mačacie oko, rektascenzia 17h 58m 33s, deklinácia +66° 37', m = 8,1"_cp,
};

bool SavePpm(const char* path, int height) {
  std::FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  std::fprintf(f, "P6\n%d %d\n255\n", SCREEN_WIDTH, height);
  bool ok = true;
  for (int y = 0; y < height && ok; ++y)
    for (int x = 0; x < SCREEN_WIDTH && ok; ++x) {
      const uint8_t* p = VirtualScreen + (size_t(y) * SCREEN_WIDTH + x) * 4;
      const uint8_t rgb[3] = {p[2], p[1], p[0]};
      ok = std::fwrite(rgb, 1, 3, f) == 3;
    }
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: fntpreview OUTPUT.ppm FONT.fnt...\n");
    return 2;
  }
  platform::HeadlessBackend host;
  platform::Install(&host);
  InitRastrix("fntpreview");
  SetViewport(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
  SetColor(255, 255, 255, 0);
  FillRectangle(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);

  std::vector<TFont> fonts(argc - 2);
  int y = 4, status = 0;
  for (int i = 2; i < argc; ++i) {
    TFont& font = fonts[i - 2];
    uint8_t result = 0;
    LoadFNTFont(argv[i], font, result);
    if (result != 0) {
      std::fprintf(stderr, "fntpreview: %s: load result %u\n", argv[i], result);
      status = 1;
      continue;
    }
    SetColor(0, 0, 0, 0);
    for (std::string_view line : kSamples) {
      if (y + font.PixHeight > SCREEN_HEIGHT) break;
      WriteText(4, y, font, line);
      y += font.PixHeight;
    }
    SetColor(200, 200, 200, 0);
    if (y + 6 <= SCREEN_HEIGHT) FillRectangle(0, y + 2, SCREEN_WIDTH - 1, y + 3);
    y += 6;
  }
  if (!SavePpm(argv[1], std::min(y, SCREEN_HEIGHT))) {
    std::fprintf(stderr, "fntpreview: cannot write %s\n", argv[1]);
    status = 1;
  }
  for (TFont& font : fonts) FreeFNTFont(font);
  CloseRastrix();
  platform::Install(nullptr);
  return status;
}
