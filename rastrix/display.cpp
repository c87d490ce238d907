#include "rastrix/display.h"

#include <bit>
#include <cassert>
#include <cstring>
#include <limits>
#include <new>

#include "platform/platform.h"

PDataElement VirtualScreen = nullptr;
TColor Color;
TViewport Viewport;
std::vector<TFont*> LoadedFonts;
std::string ApplicationID;

namespace {

// The buffer is aligned to a cache line so that row copies and fills run at full speed.
constexpr std::align_val_t kScreenAlignment{64};

// The presented copy in night mode; allocated when night mode is turned on.
PDataElement g_night = nullptr;
bool g_night_mode = false;

void ReleaseNight() {
  if (g_night != nullptr) {
    ::operator delete[](g_night, kScreenAlignment);
    g_night = nullptr;
  }
  g_night_mode = false;
}

void ReleaseScreen() {
  if (VirtualScreen != nullptr) {
    ::operator delete[](VirtualScreen, kScreenAlignment);
    VirtualScreen = nullptr;
  }
}

}  // namespace

void InitRastrix(const char* ApplicationID_) {
  ApplicationID = ApplicationID_ != nullptr ? ApplicationID_ : "";
  platform::Backend& host = platform::Current();
  host.OpenDisplay(ApplicationID.c_str(), SCREEN_WIDTH, SCREEN_HEIGHT);
  ReleaseScreen();
  VirtualScreen = static_cast<PDataElement>(::operator new[](SCREEN_BYTES, kScreenAlignment));
  std::memset(VirtualScreen, 0, SCREEN_BYTES);
  host.SetCursorShape(platform::CursorShape::Arrow);
  host.SetCursorPos(SCREEN_WIDTH / 2, SCREEN_HEIGHT / 2);
  host.Present(VirtualScreen);
  SetViewport(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
}

void CloseRastrix() {
  ReleaseScreen();
  ReleaseNight();
  platform::Current().CloseDisplay();
}

void SetColor(uint8_t R, uint8_t G, uint8_t B, uint8_t Alpha) {
  Color.R = R;
  Color.G = G;
  Color.B = B;
  Color.Alpha = Alpha;
}

void SetViewport(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  // Only the outer limits are clamped; reversed corners stay reversed and so
  // make every primitive draw nothing.
  Viewport.X1 = X1 < 0 ? 0 : X1;
  Viewport.Y1 = Y1 < 0 ? 0 : Y1;
  Viewport.X2 = X2 > SCREEN_WIDTH - 1 ? SCREEN_WIDTH - 1 : X2;
  Viewport.Y2 = Y2 > SCREEN_HEIGHT - 1 ? SCREEN_HEIGHT - 1 : Y2;
}

void ClearVirtualScreen() {
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  std::memset(VirtualScreen, 0, SCREEN_BYTES);
}

void Flip() {
  assert(VirtualScreen != nullptr && "the raster unit is not initialised");
  if (g_night_mode) {
    NightFrame(VirtualScreen, g_night);
    platform::Current().Present(g_night);
    return;
  }
  platform::Current().Present(VirtualScreen);
}

void SetNightMode(bool On) {
  if (On && g_night == nullptr) g_night = static_cast<PDataElement>(::operator new[](SCREEN_BYTES, kScreenAlignment));
  g_night_mode = On;
}

bool NightMode() { return g_night_mode; }

void NightFrame(const uint8_t* Screen, uint8_t* Out) {
  // Rec. 601 weights in 8-bit fixed point; they sum to 256, so white stays
  // 255. Whole pixels at a time, which the compiler turns into vector code;
  // the shifts place the bytes B, G, R, X on either byte order.
  constexpr bool kLittle = std::endian::native == std::endian::little;
  constexpr uint32_t kB = kLittle ? 0 : 24, kG = kLittle ? 8 : 16, kR = kLittle ? 16 : 8, kX = kLittle ? 24 : 0;
  for (uint32_t i = 0; i < SCREEN_BYTES; i += 4) {
    uint32_t p = 0;
    std::memcpy(&p, Screen + i, 4);
    const uint32_t luminance = (29u * (p >> kB & 0xFF) + 150u * (p >> kG & 0xFF) + 77u * (p >> kR & 0xFF)) >> 8;
    p = (p & (0xFFu << kX)) | luminance << kR;
    std::memcpy(Out + i, &p, 4);
  }
}

int32_t GetAvailRamMemory() {
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  if (!platform::Installed()) return std::numeric_limits<int32_t>::max();
  const uint64_t available = platform::Current().AvailableMemory();
  return static_cast<int32_t>(available > kMax ? kMax : available);
}
