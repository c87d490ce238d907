// Costs the platform layer adds to every frame: handing over the finished
// frame and polling the 255 virtual keys, on the headless backend that the
// tests and the replay harness run thousands of frames on.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/headless_backend.h"
#include "platform/sdl_keymap.h"
#include "platform/system_time.h"

namespace {

void BM_HeadlessPresent(benchmark::State& state) {
  platform::HeadlessBackend host;
  host.OpenDisplay("bench", 1024, 768);
  std::vector<uint8_t> frame(1024 * 768 * 4, 0x40);
  for (auto _ : state) {
    host.Present(frame.data());
    benchmark::DoNotOptimize(host.Frame().data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(frame.size()));
}
BENCHMARK(BM_HeadlessPresent);

void BM_PollAllKeys(benchmark::State& state) {
  platform::HeadlessBackend host;
  host.SetKey('A', true);
  for (auto _ : state) {
    int down = 0;
    for (int code = 1; code <= 255; ++code) down += host.KeyDown(code);
    benchmark::DoNotOptimize(down);
  }
}
BENCHMARK(BM_PollAllKeys);

void BM_ClockReading(benchmark::State& state) {
  platform::HeadlessBackend host;
  for (auto _ : state) {
    host.Advance(16);
    benchmark::DoNotOptimize(host.LocalTime());
  }
}
BENCHMARK(BM_ClockReading);

void BM_ScancodeTranslation(benchmark::State& state) {
  for (auto _ : state) {
    int sum = 0;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) sum += platform::VirtualKeyFromScancode(static_cast<SDL_Scancode>(sc));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScancodeTranslation);

}  // namespace
