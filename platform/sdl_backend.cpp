#include "platform/sdl_backend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <initializer_list>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <dirent.h>
#include <unistd.h>

#include "platform/cp1250.h"
#include "platform/sdl_keymap.h"
#include "platform/signals.h"
#include "platform/system_time.h"
#include "platform/vk.h"

namespace platform {

namespace {

// Without a vertical sync to wait for, frames are paced at about this rate so
// that the polling loop does not spin a core at full speed.
constexpr uint64_t kFallbackFrameMs = 16;
// Once the picture has stood still for this many frames the loop rests: it
// waits up to kRestingFrameMs for the next frame, and any input event ends
// the wait at once, so the answer to the user is as quick as ever.
constexpr int kFramesBeforeRest = 30;
constexpr uint64_t kRestingFrameMs = 50;
// The longest slice of a rest between two looks for a termination signal.
constexpr uint64_t kSignalCheckMs = 100;

// A graphics driver can reach the hardware only through a device node of the
// kernel's rendering manager; without one every OpenGL is drawn by the
// processor, and there is no point in loading it.
bool GraphicsDevicePresent() {
  DIR* dir = opendir("/dev/dri");
  if (dir == nullptr) return false;
  bool found = false;
  while (const dirent* entry = readdir(dir))
    if (std::strncmp(entry->d_name, "card", 4) == 0 || std::strncmp(entry->d_name, "renderD", 7) == 0) found = true;
  closedir(dir);
  return found;
}

// An OpenGL renderer drawn by the processor (Mesa's llvmpipe and its kin,
// what a machine without a graphics driver gets) costs more for one
// full-screen texture than SDL's own software renderer, and brings the whole
// driver into memory with it.
bool SoftwareOpenGl(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr) return false;
  if (std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned int);
  const auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (get_string == nullptr) return false;
  constexpr unsigned int kGlRenderer = 0x1F01;
  const auto* name = reinterpret_cast<const char*>(get_string(kGlRenderer));
  if (name == nullptr) return false;
  for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast", "SVGA3D"})
    if (std::strstr(name, software) != nullptr) return true;
  return false;
}

// The largest whole factor by which a width x height window still fits the
// desktop's usable area, at least 1.
int WindowScale(int width, int height) {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  // Room for the title bar and borders the window manager adds.
  constexpr int kDecoration = 64;
  int scale = 1;
  while (width * (scale + 1) <= usable.w && height * (scale + 1) + kDecoration <= usable.h) ++scale;
  return scale;
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

SdlBackend::SdlBackend() { typed_.reserve(64); }

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
  // SIGINT and SIGTERM end the program (platform/signals.h); SDL would turn
  // them into a close request, which asks a question nobody answers.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The frame is drawn in whole pixels; keep them sharp when scaled.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "corvala: no display available (%s)\n", SDL_GetError());
    close_requested_ = true;
    return;
  }
  sdl_started_ = true;

  if (!MakeWindow(title, width, height)) {
    close_requested_ = true;
    return;
  }
  CreateRenderer();
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

  StartInput();

  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  changed_.Reset(width, height);
  shown_count_ = 0;
  last_present_ms_ = SDL_GetTicks64();
}

bool SdlBackend::MakeWindow(const char* title, int width, int height) {
  // Window titles are Windows-1250 in the program and UTF-8 for SDL.
  const std::string utf8_title = cp1250::ToUtf8(title != nullptr ? title : "");
  const bool windowed = windowed_;
  const uint32_t flags = windowed ? SDL_WINDOW_SHOWN : SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
  // A full-screen window is created at the desktop's size and place to begin
  // with: without a window manager to honour the full-screen request it would
  // otherwise stay frame-sized while SDL believes it fills the screen.
  const int scale = windowed ? WindowScale(width, height) : 1;
  SDL_Rect place{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * scale, height * scale};
  SDL_Rect desktop{};
  if (!windowed && SDL_GetDisplayBounds(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) place = desktop;
  window_ = SDL_CreateWindow(utf8_title.c_str(), place.x, place.y, place.w, place.h, flags);
  if (window_ == nullptr) {
    std::fprintf(stderr, "corvala: the window could not be created (%s)\n", SDL_GetError());
    return false;
  }
  if (!icon_file_.empty()) {
    if (SDL_Surface* icon = SDL_LoadBMP(icon_file_.c_str())) {
      SDL_SetWindowIcon(window_, icon);
      SDL_FreeSurface(icon);
    }
  }
  return true;
}

void SdlBackend::StartInput() {
  arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  if (arrow_ != nullptr) SDL_SetCursor(arrow_);
  SDL_ShowCursor(SDL_ENABLE);
  // Characters come from the system's layout, its dead keys, AltGr and input
  // methods. Text input stays on while the window exists: which component
  // has the focus is the toolkit's business, not the platform's, and the
  // toolkit drops what arrives while no edit field has the focus.
  SDL_StartTextInput();
  SDL_RaiseWindow(window_);
}

void SdlBackend::CreateRenderer() {
  // A renderer named by the user (SDL_RENDER_DRIVER) is taken as it is.
  const bool chosen = SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr;
  if (chosen || GraphicsDevicePresent()) {
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  }
  if (renderer_ != nullptr && !chosen && SoftwareOpenGl(renderer_)) {
    SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
  }
  if (renderer_ == nullptr) {
    // The window's own surface, put to the X server directly, rather than a
    // texture of yet another OpenGL renderer behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
}

const char* SdlBackend::RendererName() const {
  SDL_RendererInfo info{};
  if (renderer_ == nullptr || SDL_GetRendererInfo(renderer_, &info) != 0 || info.name == nullptr) return "";
  return info.name;
}

void SdlBackend::Present(const uint8_t* frame) {
  assert(open_ && "Present without an open display");
  assert(frame != nullptr);
  bool presented = false;
  const bool hidden =
      window_ == nullptr || (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
  if (renderer_ != nullptr && texture_ != nullptr && !hidden) {
    const RowSpan rows = changed_.Take(frame);
    if (!rows.Empty()) {
      const SDL_Rect area{0, rows.first, width_, rows.count};
      SDL_UpdateTexture(texture_, &area, frame + static_cast<size_t>(rows.first) * width_ * 4, width_ * 4);
      // The window's previous picture is undefined after a present, so the
      // whole texture is drawn again; only the upload was saved.
      SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
      SDL_RenderClear(renderer_);
      SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
      SDL_RenderPresent(renderer_);
      ++shown_count_;
      presented = true;
    }
  }
  Pace(presented);
  DrainEvents();
}

void SdlBackend::Pace(bool presented) {
  still_frames_ = presented ? 0 : std::min(still_frames_ + 1, kFramesBeforeRest);
  const uint64_t now = SDL_GetTicks64();
  if (vsync_ && presented) {
    // Some drivers accept a vertical sync and then never wait for it; after
    // a run of frames faster than any display refreshes the timer takes over.
    instant_presents_ = now - last_present_ms_ < 4 ? instant_presents_ + 1 : 0;
    if (instant_presents_ < 120) {
      last_present_ms_ = now;
      return;
    }
    vsync_ = false;
  }
  if (idle_hinted_ && sdl_started_ && !presented && idle_until_ms_ > now) {
    // The program told when it next draws by itself; until then only input
    // can change the picture. The wait is cut into slices so that a
    // termination signal, which SDL's wait does not notice, ends it promptly.
    uint64_t t = now;
    while (t < idle_until_ms_ && !TerminationSignalPending()) {
      const uint64_t slice = std::min<uint64_t>(idle_until_ms_ - t, kSignalCheckMs);
      // A null event leaves whatever arrives in the queue for DrainEvents.
      if (SDL_WaitEventTimeout(nullptr, static_cast<int>(slice)) != 0) break;
      t = SDL_GetTicks64();
    }
    last_present_ms_ = SDL_GetTicks64();
    return;
  }
  if (!idle_hinted_ && still_frames_ >= kFramesBeforeRest && sdl_started_) {
    const uint64_t due = last_present_ms_ + kRestingFrameMs;
    // A null event leaves whatever arrives in the queue for DrainEvents.
    if (now < due) SDL_WaitEventTimeout(nullptr, static_cast<int>(due - now));
    last_present_ms_ = SDL_GetTicks64();
    return;
  }
  const uint64_t due = last_present_ms_ + kFallbackFrameMs;
  if (now < due) SDL_Delay(static_cast<uint32_t>(due - now));
  last_present_ms_ = std::max(due, now);
}

void SdlBackend::SetIdleWait(uint32_t ms) {
  idle_hinted_ = true;
  idle_until_ms_ = SDL_GetTicks64() + ms;
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
        // The window lost its picture or got a new size: show the next frame
        // whole even if it did not change.
        switch (event.window.event) {
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SHOWN:
          case SDL_WINDOWEVENT_RESTORED:
          case SDL_WINDOWEVENT_MAXIMIZED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            changed_.Invalidate();
            break;
          default:
            break;
        }
        // Key releases that happen elsewhere never arrive; forget what is held
        // so that no key stays down for ever.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ReleaseAllKeys();
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        changed_.Invalidate();
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
      case SDL_TEXTINPUT:
        AddTypedText(event.text.text);
        break;
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
      case SDL_MOUSEWHEEL:
        // Taken as reported, flipped or not: a desktop set to natural
        // scrolling wants the content to follow the fingers here too.
        wheel_notches_ += event.wheel.y;
        break;
      default:
        break;
    }
  }
  if (moved) ReadMousePosition();
}

void SdlBackend::AddTypedText(const char* utf8) {
  // More than a person types between two frames, even after a long stall;
  // the cap only keeps a program that never takes its text from growing.
  constexpr std::size_t kMostPending = 4096;
  const std::string_view text(utf8, strnlen(utf8, SDL_TEXTINPUTEVENT_TEXT_SIZE));
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::optional<char32_t> cp = cp1250::DecodeUtf8(text, pos);
    if (!cp) return;  // the rest of a malformed event cannot be trusted
    // Control characters are the editing keys' business.
    if (*cp < 0x20 || *cp == 0x7F) continue;
    const std::optional<unsigned char> byte = cp1250::FromCodePoint(*cp);
    if (byte && typed_.size() < kMostPending) typed_.push_back(static_cast<char>(*byte));
  }
}

void SdlBackend::TakeTypedText(std::string& text) {
  // assign reuses the capacity of both strings: no allocation while nothing
  // new was typed.
  text.assign(typed_);
  typed_.clear();
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

int SdlBackend::TakeWheelNotches() {
  const int notches = wheel_notches_;
  wheel_notches_ = 0;
  return notches;
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
  typed_.clear();
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

#include "platform/files.h"
#include "platform/window_backend.h"

namespace platform {

Backend& WindowBackend(bool windowed) {
  static SdlBackend backend;
  backend.SetWindowed(windowed);
  backend.SetIconFile(NativePath("Pictures\\Icon.bmp"));
  return backend;
}

}  // namespace platform
