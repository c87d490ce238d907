#pragma once
// The application object and its frame loop: every frame scans the keys, moves
// the keyboard focus and the active window, lets menus and forms examine the
// input, draws the shown forms bottom to top and presents the result.
//
// A program derives its own class, constructs it, calls Create, Run and Free:
//
//   Database = new TDatabase();
//   Database->Create("Corvala");
//   Database->Run();
//   Database->Free();   // does not return
//
// Run is Prologue, RunFrame until Finish, Epilogue, so a driver (the replay
// harness) can step the very same loop one frame at a time.

#include <cstdint>
#include <string>
#include <string_view>

struct TFont;

class TApplication {
 public:
  TApplication() = default;
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  bool Finish = false;                // the loop ends after the frame in which this is set
  bool ClearingVirtualScreen = true;  // clear to black before drawing each frame

  // Opens the display, loads the default font (entry 0 of LoadedFonts) and
  // runs OnCreate. Without the default font the program says so on stderr
  // and ends at once with exit status 1.
  void Create(const char* ApplicationName);
  void Run();
  // One pass of the frame loop, in the loop's exact order.
  void RunFrame();
  // Frees the forms, the font list and the display, then ends the process
  // with exit code 0 through the exit hook.
  [[noreturn]] void Free();
  // What Free does before it ends the process: OnFree, the forms, the
  // default font, the application object itself, the display and the
  // toolkit's state. A test or a benchmark starts the program again after it.
  static void Release(TApplication* App);

  void ScanKeys();
  void CheckKeyboardInput();

  virtual void OnCreate() {}
  virtual void Prologue() {}
  virtual void OnStartCycle() {}
  virtual void OnEndCycle() {}
  virtual void Epilogue() {}
  virtual void OnFree() {}
  // The desktop asked the window to close. By default the loop ends.
  virtual void OnCloseRequest() { Finish = true; }

 protected:
  virtual ~TApplication() = default;

 private:
  TFont* default_font_ = nullptr;  // entry 0 of LoadedFonts, owned here
};

// Where Free ends the process. The default calls std::exit; a driver may
// install its own to choose the exit status. The hook must not return.
using TExitHook = void (*)(int Status);
void SetExitHook(TExitHook Hook);  // null restores the default
