// Start-up of the whole program up to its first presented frame: the display,
// the six fonts, all 21 forms with their pictures, and one frame drawn and
// handed to the (headless) presentation. The goal is under 100 ms. A second
// figure is one steady frame of the idle main window.

#include <benchmark/benchmark.h>

#include "app/corvala.h"
#include "bench/runtime_folder.h"
#include "platform/headless_backend.h"

namespace {

void BM_StartupToFirstFrame(benchmark::State& state) {
  RuntimeFolder folder;
  platform::HeadlessBackend backend;
  platform::Install(&backend);
  for (auto _ : state) {
    CreateDatabaseApplication();
    Database->RunFrame();
    benchmark::DoNotOptimize(backend.Frame().data());
    state.PauseTiming();
    ReleaseDatabaseApplication();
    state.ResumeTiming();
  }
  platform::Install(nullptr);
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_IdleMainWindowFrame(benchmark::State& state) {
  RuntimeFolder folder;
  platform::HeadlessBackend backend;
  platform::Install(&backend);
  CreateDatabaseApplication();
  Database->RunFrame();
  for (auto _ : state) {
    backend.Advance(16);
    Database->RunFrame();
  }
  ReleaseDatabaseApplication();
  platform::Install(nullptr);
}
BENCHMARK(BM_IdleMainWindowFrame)->Unit(benchmark::kMillisecond);

}  // namespace
