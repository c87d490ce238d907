// Windows only: what the Win32 backend's presentation costs for a changed
// frame, through its own path (row comparison, copy, GDI drawing, message
// pump) without the frame pacing, in a real window. First argument: 0 the
// full-screen popup, 1 the --window window; second: the changed rows, 768 for
// a whole frame or 20 for a band the height of the status bar.
// Without a display (no X server under Wine) every case is skipped.

#include <benchmark/benchmark.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32_backend.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// One window at a time (the backend owns the window procedure), kept for
// every run of the same mode: opening one takes far longer than a frame.
platform::Win32Backend* WindowFor(bool windowed) {
  static std::unique_ptr<platform::Win32Backend> host;
  static bool host_windowed = false;
  if (host && host_windowed == windowed) return host.get();
  host.reset();
  host = std::make_unique<platform::Win32Backend>();
  host_windowed = windowed;
  host->SetWindowed(windowed);
  host->OpenDisplay("Corvala GDI bench", kWidth, kHeight);
  // Lets the window be mapped and painted once before anything is timed.
  const DWORD until = GetTickCount() + 300;
  while (host->HasWindow() && GetTickCount() < until) {
    host->DrainMessages();
    Sleep(10);
  }
  return host.get();
}

std::string ClientSize() {
  RECT client{};
  const HWND window = FindWindowW(L"CorvalaWindow", nullptr);
  if (window == nullptr || !GetClientRect(window, &client)) return "no window";
  const std::string size = std::to_string(client.right) + "x" + std::to_string(client.bottom);
  // The backend draws 1:1 only into a client area of exactly the frame's size.
  return (client.right == kWidth && client.bottom == kHeight ? "SetDIBitsToDevice to " : "StretchDIBits into ") + size;
}

void BM_GdiPresent(benchmark::State& state) {
  const bool windowed = state.range(0) == 1;
  const int rows = static_cast<int>(state.range(1));
  platform::Win32Backend* host = WindowFor(windowed);
  if (!host->HasWindow()) {
    state.SkipWithError("no window could be opened (no display: run it under Wine with DISPLAY set)");
    return;
  }
  // Two frames that differ in `rows` rows at the bottom, shown in turn.
  std::vector<uint8_t> a(static_cast<size_t>(kWidth) * kHeight * 4), b;
  for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint8_t>(i * 7 / 4096);
  b = a;
  for (int y = kHeight - rows; y < kHeight; ++y)
    for (int x = 0; x < kWidth * 4; ++x) b[static_cast<size_t>(y) * kWidth * 4 + x] ^= 0x55;
  host->ShowChanges(a.data());
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    if (!host->ShowChanges(flip ? b.data() : a.data())) {
      state.SkipWithError("a changed frame was not shown (the window is minimised?)");
      break;
    }
    host->DrainMessages();
    GdiFlush();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * rows * kWidth * 4);
  state.SetLabel(ClientSize());
}
BENCHMARK(BM_GdiPresent)->ArgsProduct({{0, 1}, {768, 20}})->Unit(benchmark::kMicrosecond);

}  // namespace
