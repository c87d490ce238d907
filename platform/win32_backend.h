#pragma once
// The Windows backend: a window of the Win32 API covering the monitor (or an
// ordinary window with --window), the frame put on it with GDI, input from
// the window's messages, and the system's own clocks.
//
// As with the SDL backend, a frame equal to the one on the display is not
// shown again, and of a changed frame only its changed rows are drawn. The
// message queue is drained once a frame, so the window always answers.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/changed_rows.h"
#include "platform/platform.h"
#include "platform/polled_input.h"

struct HWND__;

namespace platform {

class Win32Backend final : public PolledInput {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  bool HasWindow() const { return window_ != nullptr; }
  // Before OpenDisplay: an ordinary window of the frame's size, enlarged by
  // the largest whole factor the desktop's work area has room for.
  void SetWindowed(bool windowed) { windowed_ = windowed; }
  uint64_t ShownCount() const { return shown_count_; }

  void OpenDisplay(const char* title, int width, int height) override;
  void Present(const uint8_t* frame) override;
  void CloseDisplay() override;
  void SetCursorPos(int x, int y) override;
  void SetCursorShape(CursorShape shape) override;
  uint32_t DoubleClickTime() override;
  uint32_t TickCount() override;
  SystemTime UtcTime() override;
  SystemTime LocalTime() override;
  uint64_t AvailableMemory() override;
  bool TypesText() override { return true; }
  void TakeTypedText(std::string& text) override;
  int TakeWheelNotches() override;
  void SetIdleWait(uint32_t ms) override;

  // Present's two halves without its frame pacing, for measuring them:
  // the changed rows of a frame put on the window (false when none changed),
  // and the window's messages answered.
  bool ShowChanges(const uint8_t* frame);
  void DrainMessages();

  // The window procedure's work; public for the procedure only.
  intptr_t HandleMessage(HWND__* window, unsigned message, uintptr_t wparam, intptr_t lparam);

 private:
  struct Placement {
    int x = 0, y = 0, width = 0, height = 0;  // the picture inside the client area
  };
  Placement PictureArea() const;
  void DrawRows(void* dc, int first, int count);
  void PaintWhole(void* dc);
  void Pace(bool presented);
  void SetKeyState(int vk, bool down);
  void ReleaseAllKeys();
  void MouseAt(intptr_t lparam);
  // HandleMessage's two halves: the window's own and the session's messages,
  // then input. Each says whether it handled the message, and its result.
  bool WindowMessage(HWND__* window, unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result);
  bool InputMessage(unsigned message, uintptr_t wparam, intptr_t lparam, intptr_t& result);
  // The parts of InputMessage for keys, typed characters and mouse buttons.
  void KeyMessage(uintptr_t wparam, intptr_t lparam);
  void CharMessage(uintptr_t wparam);
  void ButtonMessage(unsigned message, uintptr_t wparam, intptr_t lparam);

  HWND__* window_ = nullptr;
  bool open_ = false;
  bool windowed_ = false;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> shown_;  // the picture on the display, for WM_PAINT
  ChangedRows changed_;
  uint64_t shown_count_ = 0;
  int still_frames_ = 0;
  uint64_t last_present_ms_ = 0;
  bool idle_hinted_ = false;  // the program tells its rests (SetIdleWait)
  uint64_t idle_until_ms_ = 0;
  bool hand_ = false;

  // The code each physical key (scan code, extended bit) went down as, so that
  // its release matches even when the layout's mapping changed in between.
  std::array<uint8_t, 512> pressed_as_{};
  int wheel_ = 0;  // WHEEL_DELTA units not yet taken as notches
  int buttons_held_ = 0;
  std::string typed_;
  char16_t high_surrogate_ = 0;
};

}  // namespace platform
