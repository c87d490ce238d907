#pragma once
// The replay harness: runs an application object on the headless backend,
// driven frame by frame by a script of cursor moves, keys and clock settings,
// and writes screenshots and state dumps on request.

#include <csignal>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

class TApplication;

namespace replay {

// The signal command's HUP. Windows has none: the console closing stands for
// it there, under POSIX's number, as in platform/signals_win32.cpp.
#ifdef _WIN32
inline constexpr int kHangup = 1;
#else
inline constexpr int kHangup = SIGHUP;
#endif

enum class Op {
  Clock, Step, Frames, Wait, Move, Down, Up, Press, Click, RClick, DblClick, Type, Shot, Dump, Program, Wheel,
  Signal, Restart
};

struct Command {
  Op op = Op::Frames;
  int line = 0;           // 1-based line of the script
  std::string text;       // the line as written, for messages
  int64_t a = 0, b = 0;   // numbers: frames, milliseconds, coordinates, key code
  platform::SystemTime utc;
  int offset_minutes = 0;
  std::string file;        // shot and dump: native path; program: the command's text
  std::vector<uint8_t> keys;  // type: key codes, with shift flags in `shifts`
  std::vector<bool> shifts;
};

struct ScriptError {
  int line = 0;
  std::string reason;
};

// Parses a whole script; the first error ends parsing.
bool Parse(std::string_view script, std::vector<Command>& commands, ScriptError& error);

// An application the harness can run: its factory (it constructs the object
// and runs its Create), the extra lines of a state dump (each ending in a
// newline, may be null) and its own test-only commands, "program TEXT" in a
// script (an empty answer when done, else why not; may be null).
struct Application {
  TApplication* (*create)() = nullptr;
  std::string (*stateLines)() = nullptr;
  std::string (*command)(std::string_view text) = nullptr;
  // Releases what create made without ending the process, so that `restart`
  // can start the application again (may be null: it cannot be restarted).
  void (*release)() = nullptr;
};

// The state dump of the toolkit (and of the application, through its
// stateLines hook) as UTF-8 text.
std::string Dump();

// Exit statuses of the harness.
inline constexpr int kScriptRan = 0;
inline constexpr int kScriptError = 2;
inline constexpr int kProgramEnded = 3;

// Runs the commands against the application (its factory must install
// nothing itself: the harness has installed the headless backend). Does not
// return: the process ends with one of the statuses above.
[[noreturn]] void Run(const std::vector<Command>& commands, const Application& application);

}  // namespace replay
