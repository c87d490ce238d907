#pragma once
// A backend without a window, for tests and the replay harness. Everything it
// reports is set by its owner, so a run is fully deterministic:
//
//   platform::HeadlessBackend host;
//   platform::Install(&host);
//   host.SetKey(vk::RETURN, true);   // the key is held from now on
//   host.SetCursor(100, 200);        // the pointer moves
//   host.Advance(20);                // tick count and both clocks move on
//   ... run a frame ...
//   host.Frame()[...]                // the last presented frame, B, G, R, X
//
// Keys behave like the real asynchronous key state: a key set down and up
// again before the program polled it still reads as down once.
//
// The tick count starts at kDefaultTick, the clock at 2000-01-01 00:00:00 UTC
// with local time equal to UTC, available memory at kDefaultMemory, and the
// cursor at (0, 0). Nothing here allocates except OpenDisplay.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/changed_rows.h"
#include "platform/platform.h"
#include "platform/polled_input.h"

namespace platform {

class HeadlessBackend final : public PolledInput {
 public:
  static constexpr uint32_t kDefaultTick = 10000000;
  static constexpr uint64_t kDefaultMemory = uint64_t{1} << 30;
  static constexpr uint32_t kDoubleClickTime = 500;

  HeadlessBackend();

  // --- What the owner controls ---

  // Presses (down = true) or releases a virtual key 1..255; 1 and 2 are the
  // left and right mouse buttons.
  void SetKey(int vk, bool down);
  // Moves the pointer; clamped to the open display (to 1024 x 768 before one
  // is open), as a real pointer cannot leave the screen.
  void SetCursor(int x, int y);
  // Moves the tick count and both wall clocks forward by ms milliseconds.
  void Advance(uint32_t ms);
  void SetTick(uint32_t tick);
  // Sets the wall clock: utc is the UTC time (its DayOfWeek is ignored and
  // recomputed), local time is utc + local_offset_minutes. The date must be a
  // valid Gregorian date from year 1601 on.
  void SetClock(const SystemTime& utc, int local_offset_minutes);
  void SetAvailableMemory(uint64_t bytes);
  // Turns the mouse wheel by notches (positive away from the user); the
  // program takes them at its next frame.
  void TurnWheel(int notches) { wheel_notches_ += notches; }
  // As if the user pressed the window's close button.
  void RequestClose();
  // As if the window had been uncovered or restored: its picture is gone and
  // the next frame must be shown whole.
  void Expose();

  // --- What the owner observes ---

  bool DisplayOpen() const { return open_; }
  const std::string& Title() const { return title_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The last presented frame (Width() x Height() x 4 bytes); empty before the
  // first Present after OpenDisplay.
  const std::vector<uint8_t>& Frame() const { return frame_; }
  // Frames presented since construction.
  uint64_t FrameCount() const { return frame_count_; }
  // Of those, the frames a window would have been repainted for (the real
  // backend skips frames equal to the one on the display), and the rows the
  // last of them changed.
  uint64_t ShownCount() const { return shown_count_; }
  RowSpan LastShownRows() const { return last_shown_; }
  CursorShape Cursor() const { return cursor_shape_; }
  // Pointer moves made by the program itself (SetCursorPos).
  uint64_t CursorMoves() const { return cursor_moves_; }
  // The rest the program last allowed before its next frame (SetIdleWait);
  // nothing waits here, so runs stay deterministic.
  uint32_t IdleWait() const { return idle_wait_; }

  // --- Backend ---

  void OpenDisplay(const char* title, int width, int height) override;
  void Present(const uint8_t* frame) override;
  void CloseDisplay() override;
  void SetCursorPos(int x, int y) override;
  void SetCursorShape(CursorShape shape) override;
  uint32_t DoubleClickTime() override { return kDoubleClickTime; }
  int TakeWheelNotches() override {
    const int notches = wheel_notches_;
    wheel_notches_ = 0;
    return notches;
  }
  uint32_t TickCount() override { return tick_; }
  SystemTime UtcTime() override;
  SystemTime LocalTime() override;
  uint64_t AvailableMemory() override { return memory_; }
  void SetIdleWait(uint32_t ms) override { idle_wait_ = ms; }

 private:
  void ClampCursor();

  bool open_ = false;
  std::string title_;
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> frame_;
  uint64_t frame_count_ = 0;
  ChangedRows changed_;
  uint64_t shown_count_ = 0;
  RowSpan last_shown_;

  CursorShape cursor_shape_ = CursorShape::Arrow;
  uint64_t cursor_moves_ = 0;
  int wheel_notches_ = 0;

  uint32_t tick_ = kDefaultTick;
  int64_t utc_ms_ = 0;  // milliseconds since 1601-01-01 00:00 UTC
  int64_t local_offset_ms_ = 0;
  uint64_t memory_ = kDefaultMemory;
  uint32_t idle_wait_ = 0;
};

}  // namespace platform
