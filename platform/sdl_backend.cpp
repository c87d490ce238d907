#include "platform/sdl_backend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <unistd.h>

#include "platform/cp1250.h"
#include "platform/sdl_keymap.h"
#include "platform/system_time.h"
#include "platform/vk.h"

namespace platform {

namespace {

// Without a vertical sync to wait for, frames are paced at about this rate so
// that the polling loop does not spin a core at full speed.
constexpr uint64_t kFallbackFrameMs = 16;

bool WindowedRequested() {
  const char* value = std::getenv("CORVALA_WINDOWED");
  return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

int MouseButtonKey(uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return vk::LBUTTON;
    case SDL_BUTTON_RIGHT: return vk::RBUTTON;
    case SDL_BUTTON_MIDDLE: return vk::MBUTTON;
    case SDL_BUTTON_X1: return 0x05;
    case SDL_BUTTON_X2: return 0x06;
    default: return 0;
  }
}

}  // namespace

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
  if (open_) CloseDisplay();
}

void SdlBackend::OpenDisplay(const char* title, int width, int height) {
  assert(!open_ && "display opened twice");
  assert(width > 0 && height > 0);
  open_ = true;
  width_ = width;
  height_ = height;
  cursor_x_ = 0;
  cursor_y_ = 0;

  // A click that brings the window to the front is a click for the program too.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The frame is drawn in whole pixels; keep them sharp when scaled.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "corvala: no display available (%s)\n", SDL_GetError());
    close_requested_ = true;
    return;
  }
  sdl_started_ = true;

  // Window titles are Windows-1250 in the program and UTF-8 for SDL.
  const std::string utf8_title = cp1250::ToUtf8(title != nullptr ? title : "");
  const bool windowed = WindowedRequested();
  const uint32_t flags = windowed ? SDL_WINDOW_SHOWN : SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
  // A full-screen window is created at the desktop's size and place to begin
  // with: without a window manager to honour the full-screen request it would
  // otherwise stay frame-sized while SDL believes it fills the screen.
  SDL_Rect place{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
  SDL_Rect desktop{};
  if (!windowed && SDL_GetDisplayBounds(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) place = desktop;
  window_ = SDL_CreateWindow(utf8_title.c_str(), place.x, place.y, place.w, place.h, flags);
  if (window_ == nullptr) {
    std::fprintf(stderr, "corvala: the window could not be created (%s)\n", SDL_GetError());
    close_requested_ = true;
    return;
  }
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (renderer_ == nullptr) {
    std::fprintf(stderr, "corvala: no renderer for the window (%s)\n", SDL_GetError());
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    close_requested_ = true;
    return;
  }
  SDL_RendererInfo info{};
  vsync_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  SDL_RenderSetLogicalSize(renderer_, width, height);
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
  if (texture_ == nullptr) {
    std::fprintf(stderr, "corvala: no frame texture (%s)\n", SDL_GetError());
    close_requested_ = true;
  }

  arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  if (arrow_ != nullptr) SDL_SetCursor(arrow_);
  SDL_ShowCursor(SDL_ENABLE);
  // Keys are read as raw states; no text input or input method is wanted.
  SDL_StopTextInput();
  SDL_RaiseWindow(window_);

  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  last_present_ms_ = SDL_GetTicks64();
}

void SdlBackend::Present(const uint8_t* frame) {
  assert(open_ && "Present without an open display");
  assert(frame != nullptr);
  if (renderer_ != nullptr) {
    if (texture_ != nullptr) SDL_UpdateTexture(texture_, nullptr, frame, width_ * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (texture_ != nullptr) SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }
  Pace();
  DrainEvents();
}

void SdlBackend::Pace() {
  const bool hidden =
      window_ == nullptr || (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
  const uint64_t now = SDL_GetTicks64();
  if (vsync_ && !hidden) {
    // Some drivers accept a vertical sync and then never wait for it; after
    // a run of frames faster than any display refreshes the timer takes over.
    instant_presents_ = now - last_present_ms_ < 4 ? instant_presents_ + 1 : 0;
    if (instant_presents_ < 120) {
      last_present_ms_ = now;
      return;
    }
    vsync_ = false;
  }
  const uint64_t due = last_present_ms_ + kFallbackFrameMs;
  if (now < due) SDL_Delay(static_cast<uint32_t>(due - now));
  last_present_ms_ = std::max(due, now);
}

void SdlBackend::DrainEvents() {
  if (!sdl_started_) return;
  bool moved = false;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    switch (event.type) {
      case SDL_QUIT:
        close_requested_ = true;
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) close_requested_ = true;
        // Key releases that happen elsewhere never arrive; forget what is held
        // so that no key stays down for ever.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ReleaseAllKeys();
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        if (event.key.repeat != 0) break;
        const SDL_Scancode scancode = event.key.keysym.scancode;
        if (scancode < 0 || static_cast<size_t>(scancode) >= pressed_as_.size()) break;
        const bool down = event.type == SDL_KEYDOWN;
        int code = pressed_as_[scancode];
        if (down) {
          code = VirtualKeyFromScancode(scancode, (event.key.keysym.mod & KMOD_NUM) != 0);
          pressed_as_[scancode] = static_cast<uint8_t>(code);
        }
        if (code == 0) break;
        SetKeyState(code, down);
        if (down && code == vk::F1 + 3 && down_[vk::MENU]) close_requested_ = true;
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        const int code = MouseButtonKey(event.button.button);
        if (code != 0) SetKeyState(code, event.type == SDL_MOUSEBUTTONDOWN);
        moved = true;
        break;
      }
      case SDL_MOUSEMOTION:
        moved = true;
        break;
      default:
        break;
    }
  }
  if (moved) ReadMousePosition();
}

void SdlBackend::SetKeyState(int code, bool down) {
  assert(code >= 1 && code <= 255);
  if (down && !down_[code]) tapped_[code] = true;
  down_[code] = down;
  const int generic = GenericModifier(code);
  if (generic == 0) return;
  bool any = false;
  for (int specific = 1; specific <= 255; ++specific)
    if (GenericModifier(specific) == generic && down_[specific]) any = true;
  if (any && !down_[generic]) tapped_[generic] = true;
  down_[generic] = any;
}

void SdlBackend::ReleaseAllKeys() {
  down_.fill(false);
  pressed_as_.fill(0);
}

void SdlBackend::ReadMousePosition() {
  if (renderer_ == nullptr) return;
  int wx = 0, wy = 0;
  SDL_GetMouseState(&wx, &wy);
  // The frame pixel under the middle of the window pixel, so that the pointer
  // hits the pixel that the scaled picture shows there.
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  SDL_RenderWindowToLogical(renderer_, wx, wy, &x0, &y0);
  SDL_RenderWindowToLogical(renderer_, wx + 1, wy + 1, &x1, &y1);
  cursor_x_ = std::clamp(static_cast<int>(std::floor((x0 + x1) / 2)), 0, width_ - 1);
  cursor_y_ = std::clamp(static_cast<int>(std::floor((y0 + y1) / 2)), 0, height_ - 1);
}

bool SdlBackend::KeyDown(int code) {
  if (code < 1 || code > 255) return false;
  const bool result = down_[code] || tapped_[code];
  tapped_[code] = false;
  return result;
}

void SdlBackend::GetCursorPos(int& x, int& y) {
  x = cursor_x_;
  y = cursor_y_;
}

void SdlBackend::SetCursorPos(int x, int y) {
  if (!open_) return;
  cursor_x_ = std::clamp(x, 0, width_ - 1);
  cursor_y_ = std::clamp(y, 0, height_ - 1);
  if (renderer_ == nullptr) return;
  // Aim at the middle of the frame pixel so that reading the position back
  // lands on the same pixel whatever the scale.
  int wx = 0, wy = 0;
  SDL_RenderLogicalToWindow(renderer_, cursor_x_ + 0.5f, cursor_y_ + 0.5f, &wx, &wy);
  SDL_WarpMouseInWindow(window_, wx, wy);
}

void SdlBackend::SetCursorShape(CursorShape shape) {
  SDL_Cursor* cursor = shape == CursorShape::Hand ? hand_ : arrow_;
  if (cursor != nullptr) SDL_SetCursor(cursor);
}

bool SdlBackend::TakeCloseRequest() {
  const bool result = close_requested_;
  close_requested_ = false;
  return result;
}

void SdlBackend::CloseDisplay() {
  if (!open_) return;
  if (hand_ != nullptr) SDL_FreeCursor(hand_);
  if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
  hand_ = arrow_ = nullptr;
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  if (sdl_started_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  sdl_started_ = false;
  open_ = false;
  down_.fill(false);
  tapped_.fill(false);
  pressed_as_.fill(0);
}

// Milliseconds since the machine started, as the Windows tick count the
// program was written against: large from the first frame on. The toolkit
// stamps "no click yet" as 0, so a count starting at the program's own start
// would pair the first click of the first second with that stamp and call it
// a double click.
uint32_t SdlBackend::TickCount() {
  timespec now{};
  if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
  return static_cast<uint32_t>(ms);  // wraps after 49.7 days, as there
}

SystemTime SdlBackend::UtcTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const int64_t ms = int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
  return SystemTimeFromMs(std::max<int64_t>(0, ms + kUnixEpochMs));
}

SystemTime SdlBackend::LocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  SystemTime t;
  t.Year = static_cast<uint16_t>(local.tm_year + 1900);
  t.Month = static_cast<uint16_t>(local.tm_mon + 1);
  t.DayOfWeek = static_cast<uint16_t>(local.tm_wday);
  t.Day = static_cast<uint16_t>(local.tm_mday);
  t.Hour = static_cast<uint16_t>(local.tm_hour);
  t.Minute = static_cast<uint16_t>(local.tm_min);
  t.Second = static_cast<uint16_t>(std::min(local.tm_sec, 59));  // no leap seconds in SYSTEMTIME
  t.Milliseconds = static_cast<uint16_t>(now.tv_nsec / 1000000);
  return t;
}

uint64_t SdlBackend::AvailableMemory() {
  if (std::FILE* file = std::fopen("/proc/meminfo", "r")) {
    char line[256];
    unsigned long long kib = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, file) != nullptr)
      found = std::sscanf(line, "MemAvailable: %llu kB", &kib) == 1;
    std::fclose(file);
    if (found) return static_cast<uint64_t>(kib) * 1024;
  }
  const long pages = sysconf(_SC_AVPHYS_PAGES);
  const long page_size = sysconf(_SC_PAGESIZE);
  if (pages > 0 && page_size > 0) return static_cast<uint64_t>(pages) * static_cast<uint64_t>(page_size);
  return 0;
}

}  // namespace platform
