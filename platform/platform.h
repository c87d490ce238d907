#pragma once
// The operating-system services the program uses, behind one small interface:
// presentation of finished frames, polled input, clocks and memory status.
// Two backends implement it: SdlBackend (sdl_backend.h, a real window) and
// HeadlessBackend (headless_backend.h, tests and the replay harness). Exactly
// one is installed at a time.

#include <cstdint>
#include <string>

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

  // Typed text. A backend with a real keyboard lets the system's layout make
  // the characters (dead keys, AltGr, CapsLock, compose); one without (the
  // headless backend) leaves typing to the program's own key table.
  virtual bool TypesText() { return false; }
  // The characters typed since the last call, in order, as Windows-1250
  // bytes (a character the code page lacks is dropped); replaces `text`.
  virtual void TakeTypedText(std::string& text) { text.clear(); }

  // Mouse-wheel notches turned since the last call, positive away from the
  // user (scrolling up).
  virtual int TakeWheelNotches() { return 0; }

  // The longest the next Present may rest waiting for input when nothing on
  // the screen changed, in milliseconds: the program knows when it must draw
  // again (a clock's next second, a caret's blink). 0 asks for no rest.
  virtual void SetIdleWait(uint32_t ms) { (void)ms; }
};

// The installed backend; it is a contract violation to ask before one is installed.
Backend& Current();
// Installs a backend (not owned). Passing nullptr uninstalls.
void Install(Backend* backend);
bool Installed();

}  // namespace platform
