#pragma once
// The virtual screen: one flat 1024 x 768 x 32-bit buffer that every drawing
// routine writes, the current colour and clip rectangle, and the hand-over of
// finished frames to the platform's presentation.

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int32_t SCREEN_WIDTH = 1024;
inline constexpr int32_t SCREEN_HEIGHT = 768;
inline constexpr uint32_t MAX_SIZE = 20971520;  // largest pixel or glyph block (20 MiB)
inline constexpr uint32_t SCREEN_BYTES = SCREEN_WIDTH * SCREEN_HEIGHT * 4;

// Field order B, G, R, Alpha is the pixel layout; Alpha 0 = opaque, 255 = invisible.
struct TColor {
  uint8_t B = 0;
  uint8_t G = 0;
  uint8_t R = 0;
  uint8_t Alpha = 0;
  friend bool operator==(const TColor&, const TColor&) = default;
};
static_assert(sizeof(TColor) == 4);

// Inclusive rectangle; empty when X1 > X2 or Y1 > Y2.
struct TViewport {
  int32_t X1 = 0;
  int32_t Y1 = 0;
  int32_t X2 = 0;
  int32_t Y2 = 0;
  friend bool operator==(const TViewport&, const TViewport&) = default;
};

using PDataElement = uint8_t*;

struct TFont;

extern PDataElement VirtualScreen;  // SCREEN_BYTES bytes, pixel (X, Y) at (Y * 1024 + X) * 4
extern TColor Color;
extern TViewport Viewport;
extern std::vector<TFont*> LoadedFonts;
extern std::string ApplicationID;  // the window title given to InitRastrix

void InitRastrix(const char* ApplicationID_);
void CloseRastrix();
void SetColor(uint8_t R, uint8_t G, uint8_t B, uint8_t Alpha);
void SetViewport(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
void ClearVirtualScreen();
void Flip();
// Night mode: Flip hands the platform the virtual screen's luminance in the
// red channel alone, for eyes adapted to the dark. The virtual screen itself
// (and so every screenshot the program saves) is left as drawn. Off, Flip
// costs nothing more.
void SetNightMode(bool On);
bool NightMode();
// The frame Flip presents for a virtual screen in night mode, written to Out
// (SCREEN_BYTES bytes).
void NightFrame(const uint8_t* Screen, uint8_t* Out);
// Available physical memory in bytes, saturated to the largest signed 32-bit value
// (and that value itself while no platform backend is installed).
int32_t GetAvailRamMemory();
