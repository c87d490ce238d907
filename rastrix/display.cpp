#include "rastrix/display.h"

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
  platform::Current().Present(VirtualScreen);
}

int32_t GetAvailRamMemory() {
  constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  if (!platform::Installed()) return std::numeric_limits<int32_t>::max();
  const uint64_t available = platform::Current().AvailableMemory();
  return static_cast<int32_t>(available > kMax ? kMax : available);
}
