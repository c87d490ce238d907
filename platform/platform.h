#pragma once
// The operating-system services the program uses, behind one small interface:
// presentation of finished frames, polled input, clocks and memory status.
// Two backends implement it: SdlBackend (sdl_backend.h, a real window) and
// HeadlessBackend (headless_backend.h, tests and the replay harness). Exactly
// one is installed at a time.

#include <cstdint>

namespace platform {

// Calendar time with the fields of the Windows SYSTEMTIME record, in its order.
struct SystemTime {
  uint16_t Year = 2000;
  uint16_t Month = 1;      // 1..12
  uint16_t DayOfWeek = 0;  // 0 = Sunday
  uint16_t Day = 1;        // 1..31
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  uint16_t Second = 0;
  uint16_t Milliseconds = 0;
};

enum class CursorShape { Arrow, Hand };

class Backend {
 public:
  virtual ~Backend() = default;

  // Presentation. OpenDisplay takes over the screen for width x height frames;
  // Present shows one frame (width x height pixels of 4 bytes B, G, R, unused;
  // top row first) and returns when the caller may overwrite the buffer. Present
  // is also where a windowed backend drains its event queue, once a frame.
  virtual void OpenDisplay(const char* title, int width, int height) = 0;
  virtual void Present(const uint8_t* frame) = 0;
  virtual void CloseDisplay() = 0;

  // Asynchronous state of a Windows virtual-key code 1..255 (1 and 2 are the
  // left and right mouse buttons). True while the key is down, and also once
  // after a press that was released before anyone asked, so that a quick tap
  // between two frames is never lost.
  virtual bool KeyDown(int vk) = 0;

  // Cursor position in frame pixels (0..width-1, 0..height-1).
  virtual void GetCursorPos(int& x, int& y) = 0;
  virtual void SetCursorPos(int x, int y) = 0;
  virtual void SetCursorShape(CursorShape shape) = 0;
  virtual uint32_t DoubleClickTime() = 0;

  // The desktop asked the window to close (its close button, Alt+F4). Returns
  // true once per request. A backend whose display could not be opened asks
  // once too, so that the program does not run on where nobody can see it.
  virtual bool TakeCloseRequest() = 0;

  // Milliseconds since some fixed start; wraps like a 32-bit counter.
  virtual uint32_t TickCount() = 0;
  virtual SystemTime UtcTime() = 0;
  virtual SystemTime LocalTime() = 0;

  // Available physical memory in bytes.
  virtual uint64_t AvailableMemory() = 0;
};

// The installed backend; it is a contract violation to ask before one is installed.
Backend& Current();
// Installs a backend (not owned). Passing nullptr uninstalls.
void Install(Backend* backend);
bool Installed();

}  // namespace platform
