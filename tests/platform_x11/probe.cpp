// Drives the SDL backend on a real X server (normally a private Xvfb started
// by run_probe.sh): presents a known frame, reads the screen back with xwd,
// injects pointer and key events with xdotool, and checks what the backend
// reports. Exits 0 when every check passed.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "platform/sdl_backend.h"
#include "platform/vk.h"

extern char** environ;

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

int g_failures = 0;

void Fail(const std::string& what) {
  ++g_failures;
  std::fprintf(stderr, "FAIL: %s\n", what.c_str());
}

void Note(const std::string& what) { std::fprintf(stderr, "probe: %s\n", what.c_str()); }

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

std::string ToString(Rgb c) {
  char text[32];
  std::snprintf(text, sizeof text, "(%d,%d,%d)", c.r, c.g, c.b);
  return text;
}

// A frame every pixel of which can be told from its neighbours' blocks: 16 x 16
// blocks of different colours, distinct in each channel so that a swapped
// channel order shows, and a one-pixel white border.
Rgb PatternAt(int x, int y) {
  if (x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1) return {255, 255, 255};
  const int bx = x / 64, by = y / 48;
  return {static_cast<uint8_t>(bx * 16 + 8), static_cast<uint8_t>(by * 16 + 4),
          static_cast<uint8_t>((bx * 5 + by * 11) * 3 % 200 + 30)};
}

std::vector<uint8_t> MakeFrame() {
  std::vector<uint8_t> frame(static_cast<size_t>(kWidth) * kHeight * 4);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const Rgb c = PatternAt(x, y);
      uint8_t* p = &frame[(static_cast<size_t>(y) * kWidth + x) * 4];
      p[0] = c.b;
      p[1] = c.g;
      p[2] = c.r;
      p[3] = 0x5A;  // the fourth byte carries nothing and must not show
    }
  return frame;
}

class Probe {
 public:
  Probe() : frame_(MakeFrame()) {}

  platform::SdlBackend& backend() { return backend_; }

  // Presents n frames, polling every key after each like the frame loop does.
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      backend_.Present(frame_.data());
      for (int code = 1; code <= 255; ++code)
        if (backend_.KeyDown(code)) seen_.insert(code);
    }
  }

  void ClearSeen() { seen_.clear(); }
  const std::set<int>& Seen() const { return seen_; }

  // Runs a command to its end while frames keep being presented (the X
  // server and SDL must not stall while the tool works). Returns its output,
  // or nothing when it failed or took longer than timeout_ms.
  std::optional<std::string> Run(const std::vector<std::string>& args, int timeout_ms = 10000) {
    char out_name[] = "/tmp/corvala_probe_XXXXXX";
    const int out_fd = mkstemp(out_name);
    if (out_fd < 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_fd, 1);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out_fd);
    std::optional<std::string> result;
    if (spawned == 0) {
      int status = 0;
      bool done = false;
      for (int waited = 0; waited < timeout_ms && !done; waited += 16) {
        Frames(1);
        done = waitpid(pid, &status, WNOHANG) == pid;
      }
      if (!done) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        Note(args[0] + " timed out");
      } else if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        std::ifstream in(out_name, std::ios::binary);
        result = std::string(std::istreambuf_iterator<char>(in), {});
      } else {
        Note(args[0] + " failed");
      }
    }
    unlink(out_name);
    return result;
  }

 private:
  platform::SdlBackend backend_;
  std::vector<uint8_t> frame_;
  std::set<int> seen_;
};

// --- Reading the screen back ---

struct Screen {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

uint32_t BigEndian32(const std::string& data, size_t offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(data.data() + offset);
  return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

int MaskShift(uint32_t mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

// Decodes an XWD dump of a 24- or 32-bit TrueColor screen.
std::optional<Screen> ParseXwd(const std::string& data) {
  if (data.size() < 100) return std::nullopt;
  const uint32_t header_size = BigEndian32(data, 0);
  const uint32_t version = BigEndian32(data, 4);
  const uint32_t format = BigEndian32(data, 8);
  const uint32_t width = BigEndian32(data, 16);
  const uint32_t height = BigEndian32(data, 20);
  const uint32_t byte_order = BigEndian32(data, 28);
  const uint32_t bits_per_pixel = BigEndian32(data, 44);
  const uint32_t bytes_per_line = BigEndian32(data, 48);
  const uint32_t red_mask = BigEndian32(data, 56);
  const uint32_t green_mask = BigEndian32(data, 60);
  const uint32_t blue_mask = BigEndian32(data, 64);
  const uint32_t ncolors = BigEndian32(data, 76);
  if (version != 7 || format != 2 || (bits_per_pixel != 24 && bits_per_pixel != 32) || header_size < 100 || width == 0 || height == 0 ||
      width > 16384 || height > 16384 || ncolors > 65536 || bytes_per_line < width * (bits_per_pixel / 8)) {
    Note("unsupported XWD dump: version " + std::to_string(version) + ", format " + std::to_string(format) +
         ", " + std::to_string(bits_per_pixel) + " bits per pixel, " + std::to_string(width) + " x " +
         std::to_string(height));
    return std::nullopt;
  }
  const size_t image_offset = size_t{header_size} + size_t{ncolors} * 12;
  if (data.size() < image_offset + size_t{bytes_per_line} * height) return std::nullopt;
  Screen screen;
  screen.width = static_cast<int>(width);
  screen.height = static_cast<int>(height);
  screen.pixels.resize(size_t{width} * height);
  const size_t step = bits_per_pixel / 8;
  const int rs = MaskShift(red_mask), gs = MaskShift(green_mask), bs = MaskShift(blue_mask);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(data.data() + image_offset + size_t{y} * bytes_per_line +
                                                             size_t{x} * step);
      uint32_t v = 0;
      for (size_t i = 0; i < step; ++i) v |= uint32_t{p[byte_order == 0 ? i : step - 1 - i]} << (8 * i);
      screen.pixels[size_t{y} * width + x] = {static_cast<uint8_t>((v & red_mask) >> rs),
                                              static_cast<uint8_t>((v & green_mask) >> gs),
                                              static_cast<uint8_t>((v & blue_mask) >> bs)};
    }
  return screen;
}

// Where the scaled frame lies on the screen: the largest size that keeps the
// aspect ratio, centred.
struct Placement {
  double scale = 1;
  double left = 0, top = 0;
  double ToScreenX(double fx) const { return left + fx * scale; }
  double ToScreenY(double fy) const { return top + fy * scale; }
};

Placement PlacementFor(int screen_w, int screen_h) {
  Placement p;
  p.scale = std::min(double(screen_w) / kWidth, double(screen_h) / kHeight);
  p.left = (screen_w - std::floor(kWidth * p.scale)) / 2;
  p.top = (screen_h - std::floor(kHeight * p.scale)) / 2;
  p.left = std::floor(p.left);
  p.top = std::floor(p.top);
  return p;
}

std::optional<Screen> Capture(Probe& probe) {
  char name[] = "/tmp/corvala_probe_xwd_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return std::nullopt;
  close(fd);
  std::optional<Screen> screen;
  if (probe.Run({"xwd", "-root", "-silent", "-out", name})) {
    std::ifstream in(name, std::ios::binary);
    screen = ParseXwd(std::string(std::istreambuf_iterator<char>(in), {}));
  }
  unlink(name);
  return screen;
}

void CheckPicture(const Screen& screen) {
  const Placement place = PlacementFor(screen.width, screen.height);
  int wrong = 0;
  auto expect = [&](int sx, int sy, Rgb want, const char* what) {
    const Rgb got = screen.At(sx, sy);
    if (got == want) return;
    if (++wrong <= 8)
      Fail(std::string(what) + " at screen " + std::to_string(sx) + "," + std::to_string(sy) + ": got " +
           ToString(got) + ", want " + ToString(want));
  };

  if (screen.width == kWidth && screen.height == kHeight) {
    // Unscaled: the screen must be the frame, pixel for pixel.
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) expect(x, y, PatternAt(x, y), "pixel");
  } else {
    // Scaled: the middle of every block, and black bars outside the frame.
    for (int by = 0; by < 16; ++by)
      for (int bx = 0; bx < 16; ++bx) {
        const int fx = bx * 64 + 32, fy = by * 48 + 24;
        expect(static_cast<int>(place.ToScreenX(fx + 0.5)), static_cast<int>(place.ToScreenY(fy + 0.5)),
               PatternAt(fx, fy), "block");
      }
    const int frame_right = static_cast<int>(place.ToScreenX(kWidth));
    const int frame_bottom = static_cast<int>(place.ToScreenY(kHeight));
    for (int x = 0; x < screen.width; x += 7) {
      for (int y = 0; y + 1 < place.top; ++y) expect(x, y, {}, "top bar");
      for (int y = frame_bottom + 1; y < screen.height; ++y) expect(x, y, {}, "bottom bar");
    }
    for (int y = 0; y < screen.height; y += 7) {
      for (int x = 0; x + 1 < place.left; ++x) expect(x, y, {}, "left bar");
      for (int x = frame_right + 1; x < screen.width; ++x) expect(x, y, {}, "right bar");
    }
    if (place.top < 8 && place.left < 8) Note("no bars on this screen size");
  }
  if (wrong > 8) Fail(std::to_string(wrong) + " wrong pixels in all");
}

// The window title, given in Windows-1250, must reach X as UTF-8.
void CheckTitle(Probe& probe) {
  auto found = probe.Run({"xdotool", "search", "--name", "^Sk"});
  if (!found || found->empty()) {
    Fail("no window titled Sk...");
    return;
  }
  const std::string id = found->substr(0, found->find('\n'));
  auto name = probe.Run({"xdotool", "getwindowname", id});
  if (!name || *name != "Skúška ôčka\n") Fail("the window title is \"" + name.value_or("") + "\"");
}

// --- Pointer ---

std::optional<std::pair<int, int>> PointerOnScreen(Probe& probe) {
  auto out = probe.Run({"xdotool", "getmouselocation"});
  int x = 0, y = 0;
  if (!out || std::sscanf(out->c_str(), "x:%d y:%d", &x, &y) != 2) return std::nullopt;
  return std::make_pair(x, y);
}

void CheckPointer(Probe& probe, int screen_w, int screen_h) {
  const Placement place = PlacementFor(screen_w, screen_h);
  auto frame_x = [&](int sx) { return std::clamp(int(std::floor((sx + 0.5 - place.left) / place.scale)), 0, 1023); };
  auto frame_y = [&](int sy) { return std::clamp(int(std::floor((sy + 0.5 - place.top) / place.scale)), 0, 767); };

  const std::pair<int, int> targets[] = {
      {1, 1}, {400, 400}, {1023, 767}, {517, 3}, {0, 766}, {777, 383},
  };
  std::vector<std::pair<int, int>> screen_points;
  for (auto [fx, fy] : targets)
    screen_points.push_back({int(place.ToScreenX(fx + 0.5)), int(place.ToScreenY(fy + 0.5))});
  // The corners of the screen, in the bars when there are any: clamped.
  screen_points.push_back({0, 0});
  screen_points.push_back({screen_w - 1, screen_h - 1});

  for (auto [sx, sy] : screen_points) {
    if (!probe.Run({"xdotool", "mousemove", std::to_string(sx), std::to_string(sy)})) {
      Fail("xdotool mousemove");
      continue;
    }
    probe.Frames(4);
    int x = -1, y = -1;
    probe.backend().GetCursorPos(x, y);
    if (x != frame_x(sx) || y != frame_y(sy))
      Fail("pointer at screen " + std::to_string(sx) + "," + std::to_string(sy) + " read as frame " +
           std::to_string(x) + "," + std::to_string(y) + ", want " + std::to_string(frame_x(sx)) + "," +
           std::to_string(frame_y(sy)));
  }

  // The program moves the pointer: it must land on that frame pixel.
  probe.backend().SetCursorPos(512, 384);
  probe.Frames(4);
  auto where = PointerOnScreen(probe);
  if (!where) {
    Fail("xdotool getmouselocation");
  } else if (frame_x(where->first) != 512 || frame_y(where->second) != 384) {
    Fail("SetCursorPos(512, 384) put the pointer at screen " + std::to_string(where->first) + "," +
         std::to_string(where->second));
  }
  int x = -1, y = -1;
  probe.backend().GetCursorPos(x, y);
  if (x != 512 || y != 384)
    Fail("after SetCursorPos(512, 384) the pointer reads " + std::to_string(x) + "," + std::to_string(y));
}

// --- Keys and buttons ---

std::string Describe(const std::set<int>& codes) {
  std::string text = "{";
  for (int c : codes) {
    text += ' ';
    text += std::to_string(c);
  }
  return text + " }";
}

void CheckTap(Probe& probe, const std::vector<std::string>& command, const std::set<int>& want) {
  std::string name;
  for (const auto& part : command) name += part + " ";
  // Let whatever came before settle, then watch only this action.
  probe.Frames(3);
  probe.ClearSeen();
  if (!probe.Run(command)) {
    Fail(name + "could not run");
    return;
  }
  probe.Frames(6);
  if (probe.Seen() != want) Fail(name + "gave " + Describe(probe.Seen()) + ", want " + Describe(want));
  // Everything is released again by now.
  probe.ClearSeen();
  probe.Frames(2);
  if (!probe.Seen().empty()) Fail(name + "left keys down: " + Describe(probe.Seen()));
}

void CheckKeys(Probe& probe) {
  using K = std::vector<std::string>;
  auto key = [](const char* name) { return K{"xdotool", "key", name}; };
  CheckTap(probe, {"xdotool", "click", "1"}, {vk::LBUTTON});
  CheckTap(probe, {"xdotool", "click", "3"}, {vk::RBUTTON});
  // Physical positions of a Slovak QWERTZ keyboard.
  CheckTap(probe, key("y"), {'Z'});
  CheckTap(probe, key("z"), {'Y'});
  CheckTap(probe, key("q"), {'Q'});
  CheckTap(probe, key("3"), {'3'});
  CheckTap(probe, key("0"), {'0'});
  CheckTap(probe, key("grave"), {vk::OEM_3});
  CheckTap(probe, key("minus"), {vk::OEM_2});
  CheckTap(probe, key("equal"), {vk::OEM_8});
  CheckTap(probe, key("bracketleft"), {vk::OEM_4});
  CheckTap(probe, key("bracketright"), {vk::OEM_6});
  CheckTap(probe, key("semicolon"), {vk::OEM_1});
  CheckTap(probe, key("apostrophe"), {vk::OEM_7});
  CheckTap(probe, key("backslash"), {vk::OEM_5});
  CheckTap(probe, key("comma"), {vk::OEM_COMMA});
  CheckTap(probe, key("period"), {vk::OEM_PERIOD});
  CheckTap(probe, key("slash"), {vk::OEM_MINUS});
  CheckTap(probe, key("Print"), {vk::SNAPSHOT});
  CheckTap(probe, key("F5"), {vk::F1 + 4});
  CheckTap(probe, key("KP_Add"), {vk::ADD});
  CheckTap(probe, key("KP_Divide"), {vk::DIVIDE});
  CheckTap(probe, key("KP_Home"), {vk::HOME});  // the pad's 7 while Num Lock is off
  CheckTap(probe, key("Left"), {vk::LEFT});
  CheckTap(probe, key("BackSpace"), {vk::BACK});
  CheckTap(probe, key("Return"), {vk::RETURN});
  CheckTap(probe, key("shift+a"), {vk::SHIFT, vk::LSHIFT, 'A'});
  CheckTap(probe, key("ctrl+Tab"), {vk::CONTROL, vk::LCONTROL, vk::TAB});
  CheckTap(probe, key("Alt_L"), {vk::MENU, vk::LMENU});
  CheckTap(probe, key("KP_Enter"), {vk::RETURN});
  CheckTap(probe, key("Next"), {vk::NEXT});

  // A held key stays down frame after frame until it is released.
  probe.Run({"xdotool", "keydown", "Shift_L"});
  probe.Frames(3);
  bool held = true;
  for (int i = 0; i < 5; ++i) {
    probe.Frames(1);
    held = held && probe.backend().KeyDown(vk::SHIFT) && probe.backend().KeyDown(vk::LSHIFT);
  }
  if (!held) Fail("a held Shift did not read as down in every frame");
  probe.Run({"xdotool", "keyup", "Shift_L"});
  probe.Frames(4);
  probe.ClearSeen();
  probe.Frames(2);
  if (probe.Seen().count(vk::SHIFT) != 0) Fail("Shift still down after its release");
}

void CheckCloseRequest(Probe& probe) {
  probe.Frames(2);
  if (probe.backend().TakeCloseRequest()) Fail("a close request before any was made");
  probe.Run({"xdotool", "key", "alt+F4"});
  probe.Frames(6);
  if (!probe.backend().TakeCloseRequest()) Fail("Alt+F4 did not ask the window to close");
  if (probe.backend().TakeCloseRequest()) Fail("one close request was reported twice");
}

}  // namespace

// With no X server to reach, the program must hear at once that it cannot be
// seen, and presenting must stay harmless.
int CheckWithoutDisplay() {
  Probe probe;
  probe.backend().OpenDisplay("Corvala", kWidth, kHeight);
  if (probe.backend().HasWindow()) Fail("a window opened without a display");
  probe.Frames(3);
  if (!probe.backend().TakeCloseRequest()) Fail("no close request without a display");
  if (probe.backend().TakeCloseRequest()) Fail("the close request came twice");
  probe.backend().CloseDisplay();
  return g_failures == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--without-display") == 0) return CheckWithoutDisplay();
  Probe probe;
  const std::string title = "Skúška ôčka"_cps;  // exercises the title's conversion
  probe.backend().OpenDisplay(title.c_str(), kWidth, kHeight);
  if (!probe.backend().HasWindow()) {
    Fail("no window could be opened");
    return 1;
  }
  probe.Frames(20);
  Note(std::string("renderer ") + probe.backend().RendererName());

  auto screen = Capture(probe);
  if (!screen) {
    Fail("the screen could not be read back");
  } else {
    Note("screen " + std::to_string(screen->width) + " x " + std::to_string(screen->height));
    CheckPicture(*screen);
    CheckTitle(probe);
    CheckPointer(probe, screen->width, screen->height);
    CheckKeys(probe);
    CheckCloseRequest(probe);
    // Hundreds of equal frames went by; only the first and those after the
    // window was mapped or exposed reach the screen.
    const uint64_t shown = probe.backend().ShownCount();
    if (shown > 10) Fail(std::to_string(shown) + " equal frames were shown again");
  }
  probe.backend().CloseDisplay();
  if (g_failures == 0) Note("all checks passed");
  return g_failures == 0 ? 0 : 1;
}
