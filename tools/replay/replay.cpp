#include "tools/replay/replay.h"

#include <csignal>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "vc/vc_app.h"
#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "platform/signals.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "tools/replay/slovak_keys.h"
#include "vc/vc_base.h"
#include "vc/vc_form.h"

#if defined(__SANITIZE_ADDRESS__)
#define CORVALA_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVALA_LEAK_CHECK 1
#endif
#endif
#ifdef CORVALA_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace replay {

namespace {

// --- Parsing ---

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    std::size_t j = i;
    while (j < s.size() && s[j] != ' ' && s[j] != '\t') ++j;
    if (j > i) words.push_back(s.substr(i, j - i));
    i = j;
  }
  return words;
}

// A decimal number with an optional sign, nothing else.
std::optional<int64_t> Number(std::string_view s) {
  if (s.empty()) return std::nullopt;
  int64_t v = 0;
  const char* first = s.data();
  if (*first == '+') ++first;
  auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
  if (ec != std::errc() || ptr != s.data() + s.size() || first == s.data() + s.size()) return std::nullopt;
  return v;
}

// A fixed-width field of digits.
std::optional<int> Digits(std::string_view s, std::size_t at, std::size_t count) {
  if (at + count > s.size()) return std::nullopt;
  int v = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

bool LeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

std::optional<int> KeyCode(std::string_view name) {
  if (auto code = vk::FromName(name)) return *code;
  if (auto n = Number(name); n && name.front() != '+' && name.front() != '-' && *n >= 1 && *n <= 255)
    return static_cast<int>(*n);
  return std::nullopt;
}

struct Parser {
  std::vector<Command>& out;
  ScriptError& error;

  bool Fail(int line, std::string reason) {
    error.line = line;
    error.reason = std::move(reason);
    return false;
  }

  bool ParseLine(int line, std::string_view raw) {
    const std::string_view text = Trim(raw);
    if (text.empty() || text.front() == '#') return true;
    Command c;
    c.line = line;
    c.text = std::string(text);
    const std::vector<std::string_view> w = Words(text);
    const std::string_view op = w[0];
    auto count = [&](std::size_t n) {
      if (w.size() == n + 1) return true;
      std::string reason = "'";
      reason.append(op).append("' takes ").append(std::to_string(n)).append(n == 1 ? " argument" : " arguments");
      return Fail(line, reason);
    };
    auto natural = [&](std::string_view s, int64_t lo, int64_t hi, const char* what, int64_t& v) {
      auto n = Number(s);
      if (!n || s.front() == '+' || s.front() == '-')
        return Fail(line, std::string(what) + " must be a whole number: '" + std::string(s) + "'");
      if (*n < lo || *n > hi)
        return Fail(line, std::string(what) + " must lie between " + std::to_string(lo) + " and " +
                              std::to_string(hi));
      v = *n;
      return true;
    };
    auto point = [&]() {
      if (!count(2)) return false;
      return natural(w[1], 0, SCREEN_WIDTH - 1, "X", c.a) && natural(w[2], 0, SCREEN_HEIGHT - 1, "Y", c.b);
    };
    auto key = [&]() {
      if (!count(1)) return false;
      auto code = KeyCode(w[1]);
      if (!code) return Fail(line, "unknown key '" + std::string(w[1]) + "'");
      c.a = *code;
      return true;
    };
    auto file = [&]() {
      const std::string_view name = Trim(text.substr(op.size()));
      if (name.empty()) return Fail(line, std::string("'").append(op).append("' needs a file name"));
      c.file = std::string(name);
      return true;
    };

    bool ok = false;
    if (op == "clock") {
      c.op = Op::Clock;
      ok = ParseClock(line, w, c);
    } else if (op == "step") {
      c.op = Op::Step;
      ok = count(1) && natural(w[1], 1, 3600000, "the step", c.a);
    } else if (op == "frames") {
      c.op = Op::Frames;
      ok = count(1) && natural(w[1], 0, 100000000, "the frame count", c.a);
    } else if (op == "wait") {
      c.op = Op::Wait;
      ok = count(1) && natural(w[1], 0, 1000000000, "the wait", c.a);
    } else if (op == "move") {
      c.op = Op::Move;
      ok = point();
    } else if (op == "click") {
      c.op = Op::Click;
      ok = point();
    } else if (op == "rclick") {
      c.op = Op::RClick;
      ok = point();
    } else if (op == "dblclick") {
      c.op = Op::DblClick;
      ok = point();
    } else if (op == "down") {
      c.op = Op::Down;
      ok = key();
    } else if (op == "up") {
      c.op = Op::Up;
      ok = key();
    } else if (op == "press") {
      c.op = Op::Press;
      ok = key();
    } else if (op == "type") {
      c.op = Op::Type;
      ok = ParseType(line, raw, c);
    } else if (op == "shot") {
      c.op = Op::Shot;
      ok = file();
    } else if (op == "dump") {
      c.op = Op::Dump;
      ok = file();
    } else if (op == "wheel") {
      c.op = Op::Wheel;
      ok = count(1);
      if (ok) {
        const auto n = Number(w[1]);
        ok = (n && *n != 0 && *n >= -1000 && *n <= 1000) ||
             Fail(line, "the notches must be a whole number from -1000 to 1000 but 0: '" + std::string(w[1]) + "'");
        if (ok) c.a = *n;
      }
    } else if (op == "signal") {
      c.op = Op::Signal;
      ok = count(1);
      if (ok) {
        c.a = w[1] == "TERM" ? SIGTERM : w[1] == "INT" ? SIGINT : w[1] == "HUP" ? kHangup : 0;
        ok = c.a != 0 || Fail(line, "'signal' takes TERM, INT or HUP");
      }
    } else if (op == "restart") {
      c.op = Op::Restart;
      ok = count(0);
    } else if (op == "program") {
      c.op = Op::Program;
      c.file = std::string(Trim(text.substr(op.size())));
      ok = !c.file.empty() || Fail(line, "'program' needs a command");
    } else {
      return Fail(line, "unknown command '" + std::string(op) + "'");
    }
    if (ok) out.push_back(std::move(c));
    return ok;
  }

  bool ParseClock(int line, const std::vector<std::string_view>& w, Command& c) {
    if (w.size() != 3 && w.size() != 4) return Fail(line, "'clock' takes a date, a time and an optional utc+M");
    const std::string_view d = w[1], t = w[2];
    auto year = Digits(d, 0, 4), month = Digits(d, 5, 2), day = Digits(d, 8, 2);
    if (d.size() != 10 || d[4] != '-' || d[7] != '-' || !year || !month || !day)
      return Fail(line, "the date must be YYYY-MM-DD");
    auto hour = Digits(t, 0, 2), minute = Digits(t, 3, 2), second = Digits(t, 6, 2);
    if (t.size() != 8 || t[2] != ':' || t[5] != ':' || !hour || !minute || !second)
      return Fail(line, "the time must be HH:MM:SS");
    if (*year < 1601 || *month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month))
      return Fail(line, "no such date: " + std::string(d));
    if (*hour > 23 || *minute > 59 || *second > 59) return Fail(line, "no such time: " + std::string(t));
    c.utc.Year = static_cast<uint16_t>(*year);
    c.utc.Month = static_cast<uint16_t>(*month);
    c.utc.Day = static_cast<uint16_t>(*day);
    c.utc.Hour = static_cast<uint16_t>(*hour);
    c.utc.Minute = static_cast<uint16_t>(*minute);
    c.utc.Second = static_cast<uint16_t>(*second);
    c.offset_minutes = 0;
    if (w.size() == 4) {
      const std::string_view z = w[3];
      if (z.size() < 5 || z.substr(0, 3) != "utc" || (z[3] != '+' && z[3] != '-'))
        return Fail(line, "the zone must be utc+M or utc-M");
      const std::string_view m = z.substr(4);
      auto minutes = Number(m);
      if (!minutes || m.front() == '+' || m.front() == '-' || *minutes > 1440)
        return Fail(line, "the zone offset must be 0 to 1440 minutes");
      c.offset_minutes = static_cast<int>(z[3] == '-' ? -*minutes : *minutes);
    }
    return true;
  }

  bool ParseType(int line, std::string_view raw, Command& c) {
    // The text is the rest of the line after one separating space, kept as written.
    std::string_view rest = raw;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    rest.remove_prefix(4);
    if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
    if (!rest.empty()) {
      if (rest.front() != ' ' && rest.front() != '\t') return Fail(line, "unknown command");
      rest.remove_prefix(1);
    }
    const cp1250::Conversion conv = cp1250::FromUtf8(rest);
    if (!conv.ok)
      return Fail(line, "the text has a character outside Windows-1250 at byte " +
                            std::to_string(conv.error_offset + 1));
    for (unsigned char ch : conv.text) {
      auto keys = KeysFor(ch);
      if (!keys)
        return Fail(line, "the Slovak keyboard cannot type '" + cp1250::ToUtf8(std::string(1, static_cast<char>(ch))) +
                              "'");
      for (const KeyStroke& k : *keys) {
        c.keys.push_back(k.Key);
        c.shifts.push_back(k.Shift);
      }
    }
    return true;
  }
};

// --- Running ---

platform::HeadlessBackend host;
TApplication* app = nullptr;
Application running;
const std::vector<Command>* script = nullptr;
std::size_t current = 0;          // index of the running command
int64_t framesLeftInCommand = 0;  // frames the running command still has to run
uint32_t step = 20;

int64_t FramesOf(const Command& c) {
  switch (c.op) {
    case Op::Frames: return c.a;
    case Op::Wait: return (c.a + step - 1) / step;
    case Op::Move:
    case Op::Wheel:
    case Op::Signal:
    case Op::Down:
    case Op::Up: return 1;
    case Op::Press: return 2;
    case Op::Click:
    case Op::RClick: return 3;
    case Op::DblClick: return 6;
    case Op::Type: {
      int64_t n = 0;
      for (bool shift : c.shifts) n += shift ? 4 : 2;
      return n;
    }
    default: return 0;
  }
}

[[noreturn]] void End(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
#ifdef CORVALA_LEAK_CHECK
  // _Exit skips the sanitizer's own check at exit, so run it here: memory the
  // program can no longer reach is a leak (and ends the run with its status).
  __lsan_do_leak_check();
#endif
  // Without static destructors: the program's own objects stay as they are.
  std::_Exit(status);
}

[[noreturn]] void RuntimeError(const Command& c, const std::string& reason) {
  std::cerr << "corvala-replay: line " << c.line << ": " << reason << std::endl;
  End(kScriptError);
}

// The program ended itself (its Free). That is the expected end only on the
// last frame of the script's last command.
[[noreturn]] void ProgramExit(int) {
  // A shot or dump that had to start the program first has not been done.
  const bool last = script != nullptr && current + 1 >= script->size() && framesLeftInCommand == 0 &&
                    FramesOf((*script)[current]) > 0;
  if (last) End(kScriptRan);
  const Command& c = (*script)[current];
  std::cerr << "corvala-replay: the program ended at line " << c.line << " (" << c.text
            << ") before the end of the script" << std::endl;
  End(kProgramEnded);
}

void EnsureApplication() {
  if (app != nullptr) return;
  app = running.create();
  assert(app != nullptr && "the application factory made no application");
  app->Prologue();
}

void Frame() {
  EnsureApplication();
  --framesLeftInCommand;
  app->RunFrame();
  host.Advance(step);
  if (app->Finish) {
    app->Epilogue();
    // Ended right before a restart: released, to be started again.
    const bool restarts = framesLeftInCommand == 0 && script != nullptr && current + 1 < script->size() &&
                          (*script)[current + 1].op == Op::Restart && running.release != nullptr;
    if (!restarts) app->Free();  // ends the process
    running.release();
    app = nullptr;
  }
}

void Restart(const Command& c) {
  if (running.release == nullptr) RuntimeError(c, "the application cannot be restarted");
  // Still running: stopped as a crash would stop it, without its shutdown.
  if (app != nullptr) running.release();
  app = nullptr;
}

void Key(int key, bool down) {
  host.SetKey(key, down);
  Frame();
}

void Click(const Command& c, int button) {
  host.SetCursor(static_cast<int>(c.a), static_cast<int>(c.b));
  Frame();
  Key(button, true);
  Key(button, false);
}

void Shot(const Command& c) {
  EnsureApplication();
  const std::vector<uint8_t>& frame = host.Frame();
  if (frame.size() != SCREEN_BYTES || VirtualScreen == nullptr) RuntimeError(c, "no frame has been presented");
  const cp1250::Conversion name = cp1250::FromUtf8(c.file);
  if (!name.ok) RuntimeError(c, "the file name has a character outside Windows-1250");
  // The writer saves the virtual screen, so the presented frame stands in for
  // it while it writes.
  std::vector<uint8_t> drawing(VirtualScreen, VirtualScreen + SCREEN_BYTES);
  std::memcpy(VirtualScreen, frame.data(), SCREEN_BYTES);
  const bool saved = SaveBMPPicture(SCREEN_VIEWPORT, name.text);
  std::memcpy(VirtualScreen, drawing.data(), SCREEN_BYTES);
  if (!saved) RuntimeError(c, "cannot write " + c.file);
}

void WriteDump(const Command& c) {
  EnsureApplication();
  std::ofstream out(c.file, std::ios::binary | std::ios::trunc);
  out << Dump();
  out.close();
  if (!out) RuntimeError(c, "cannot write " + c.file);
}

// A command the program itself understands (test set-ups the interface
// cannot reach yet).
void ProgramCommand(const Command& c) {
  EnsureApplication();
  if (running.command == nullptr) RuntimeError(c, "the application takes no program commands");
  const std::string reason = running.command(c.file);
  if (!reason.empty()) RuntimeError(c, reason);
}

void Execute(const Command& c) {
  switch (c.op) {
    case Op::Clock: host.SetClock(c.utc, c.offset_minutes); break;
    case Op::Step: step = static_cast<uint32_t>(c.a); break;
    case Op::Frames:
    case Op::Wait:
      while (framesLeftInCommand > 0) Frame();
      break;
    case Op::Move:
      host.SetCursor(static_cast<int>(c.a), static_cast<int>(c.b));
      Frame();
      break;
    case Op::Down: Key(static_cast<int>(c.a), true); break;
    case Op::Up: Key(static_cast<int>(c.a), false); break;
    case Op::Press:
      Key(static_cast<int>(c.a), true);
      Key(static_cast<int>(c.a), false);
      break;
    case Op::Click: Click(c, vk::LBUTTON); break;
    case Op::RClick: Click(c, vk::RBUTTON); break;
    case Op::DblClick:
      Click(c, vk::LBUTTON);
      Click(c, vk::LBUTTON);
      break;
    case Op::Type:
      for (std::size_t i = 0; i < c.keys.size(); ++i) {
        if (c.shifts[i]) Key(vk::SHIFT, true);
        Key(c.keys[i], true);
        Key(c.keys[i], false);
        if (c.shifts[i]) Key(vk::SHIFT, false);
      }
      break;
    case Op::Shot: Shot(c); break;
    case Op::Dump: WriteDump(c); break;
    case Op::Program: ProgramCommand(c); break;
    case Op::Wheel:
      host.TurnWheel(static_cast<int>(c.a));
      Frame();
      break;
    case Op::Signal:
      EnsureApplication();
      platform::CatchTerminationSignals();
#ifdef _WIN32
      // Windows' console events reach the program as requests the platform
      // notes; raising a C signal there would end the process at once.
      platform::NoteTerminationRequest(static_cast<int>(c.a));
#else
      std::raise(static_cast<int>(c.a));
#endif
      Frame();
      break;
    case Op::Restart: Restart(c); break;
  }
}

}  // namespace

bool Parse(std::string_view text, std::vector<Command>& commands, ScriptError& error) {
  commands.clear();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Parser parser{commands, error};
  int line = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    ++line;
    const std::string_view raw = text.substr(pos, end - pos);
    std::size_t check = 0;
    while (check < raw.size())
      if (!cp1250::DecodeUtf8(raw, check)) return parser.Fail(line, "the line is not valid UTF-8");
    if (!parser.ParseLine(line, raw)) return false;
    pos = end + 1;
  }
  return true;
}

std::string Dump() {
  std::string out;
  for (std::size_t i = 0; i < Toolkit().OpenedWindows.size(); ++i) {
    const TForm* form = DerefAs<TForm>(Toolkit().OpenedWindows[i]);
    if (form == nullptr) continue;
    const TViewport& r = form->ComponentPos;
    out += "form " + std::to_string(i) + " \"" + cp1250::ToUtf8(form->Title) +
           "\" visible=" + (form->Visible ? "1" : "0") + " modal=" + (form->ShowType == ST_Modal ? "1" : "0") +
           " active=" + (Toolkit().ActiveForm == form->Adress ? "1" : "0") +
           " minimized=" + (form->Minimized ? "1" : "0") + " rect=" + std::to_string(r.X1) + "," +
           std::to_string(r.Y1) + "," + std::to_string(r.X2) + "," + std::to_string(r.Y2) + "\n";
  }
  std::string focus;
  if (const TVisualComponent* focused = Deref(Toolkit().Focused)) {
    const TForm* form = DerefAs<TForm>(focused->MotherForm);
    if (form == nullptr) form = dynamic_cast<const TForm*>(focused);
    if (form != nullptr) focus = cp1250::ToUtf8(form->Title);
  }
  out += "focus \"" + focus + "\"\n";
  if (running.stateLines != nullptr) out += running.stateLines();
  return out;
}

void Run(const std::vector<Command>& commands, const Application& application) {
  running = application;
  script = &commands;
  platform::Install(&host);
  platform::SystemTime start;
  start.Year = 2026;
  host.SetClock(start, 0);
  SetExitHook(&ProgramExit);
  for (current = 0; current < commands.size(); ++current) {
    framesLeftInCommand = FramesOf(commands[current]);
    Execute(commands[current]);
  }
  End(kScriptRan);
}

}  // namespace replay
