#pragma once
// The real backend: an SDL2 window covering the desktop, the frame scaled to
// fit with black bars where the aspect ratios differ, input polled from SDL's
// event queue once a frame, and the clocks of the C library.
//
// A frame equal to the one on the display is not shown again, and of a
// changed frame only its changed rows are uploaded: a program at rest then
// costs little more than its input polling. SetWindowed asks for an ordinary
// window instead of the full screen.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/changed_rows.h"
#include "platform/platform.h"
#include "platform/polled_input.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;

namespace platform {

class SdlBackend final : public PolledInput {
 public:
  SdlBackend();
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  // True while a window is open; false before OpenDisplay, after
  // CloseDisplay, and when the window could not be created (the program then
  // runs on without a visible result).
  bool HasWindow() const { return renderer_ != nullptr; }
  // Before OpenDisplay: an ordinary window of the frame's size, enlarged by
  // the largest whole factor the desktop has room for, instead of the whole
  // screen.
  void SetWindowed(bool windowed) { windowed_ = windowed; }
  // Before OpenDisplay: a BMP file (native path) the desktop shows as the
  // window's icon; none when it cannot be read.
  void SetIconFile(std::string native) { icon_file_ = std::move(native); }
  // Frames shown on the window since OpenDisplay (the others were equal to
  // the one already there, or the window was hidden).
  uint64_t ShownCount() const { return shown_count_; }
  // The SDL renderer in use ("opengl", "software", ...), empty without one.
  const char* RendererName() const;

  void OpenDisplay(const char* title, int width, int height) override;
  void Present(const uint8_t* frame) override;
  void CloseDisplay() override;
  void SetCursorPos(int x, int y) override;
  void SetCursorShape(CursorShape shape) override;
  uint32_t DoubleClickTime() override { return 500; }
  int TakeWheelNotches() override;
  uint32_t TickCount() override;
  SystemTime UtcTime() override;
  SystemTime LocalTime() override;
  uint64_t AvailableMemory() override;
  bool TypesText() override { return true; }
  void TakeTypedText(std::string& text) override;
  void SetIdleWait(uint32_t ms) override;

 private:
  void DrainEvents();
  void SetKeyState(int vk, bool down);
  void ReleaseAllKeys();
  void ReadMousePosition();
  void AddTypedText(const char* utf8);
  void Pace(bool presented);
  // The window at its place with its icon; false, after saying why, when there is none.
  bool MakeWindow(const char* title, int width, int height);
  // Cursors, text input and the focus for a new window.
  void StartInput();
  void CreateRenderer();

  bool open_ = false;
  bool sdl_started_ = false;
  int width_ = 0;
  int height_ = 0;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_Cursor* arrow_ = nullptr;
  SDL_Cursor* hand_ = nullptr;
  bool windowed_ = false;
  std::string icon_file_;
  bool vsync_ = false;
  ChangedRows changed_;
  uint64_t shown_count_ = 0;
  int still_frames_ = 0;  // frames in a row that showed nothing new
  int instant_presents_ = 0;
  uint64_t last_present_ms_ = 0;
  // When the program next draws by the clock (SetIdleWait); until a program
  // says so, a still picture is looked at again every kRestingFrameMs.
  bool idle_hinted_ = false;
  uint64_t idle_until_ms_ = 0;

  // The code each physical key went down as, so that its release matches
  // even when Num Lock changed in between.
  std::array<uint8_t, 512> pressed_as_{};
  // Windows-1250 characters typed since the program last took them.
  std::string typed_;
  int wheel_notches_ = 0;
};

}  // namespace platform
