#include "screen.h"

namespace fonts_test {

Screen::Screen() {
  platform::Install(&host_);
  InitRastrix("fonts_tests");
  Clear();
}

Screen::~Screen() {
  CloseRastrix();
  platform::Install(nullptr);
}

void Screen::Clear() {
  SetViewport(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
  SetColor(0, 0, 0, 0);
  FillRectangle(0, 0, SCREEN_WIDTH - 1, SCREEN_HEIGHT - 1);
  SetColor(255, 255, 255, 0);
}

bool Screen::Ink(int x, int y) const {
  const uint8_t* p = VirtualScreen + (size_t(y) * SCREEN_WIDTH + x) * 4;
  return p[0] != 0 || p[1] != 0 || p[2] != 0;
}

int Screen::CountInk(int x, int y, int w, int h) const {
  int n = 0;
  for (int yy = y; yy < y + h; ++yy)
    for (int xx = x; xx < x + w; ++xx) n += Ink(xx, yy) ? 1 : 0;
  return n;
}

LoadedFont::LoadedFont(const std::string& path) { LoadFNTFont(path, font, result); }

LoadedFont::~LoadedFont() { FreeFNTFont(font); }

}  // namespace fonts_test
