// Start-up of the whole program up to its first presented frame: the display,
// the six fonts, all 21 forms with their pictures, and one frame drawn and
// handed to the (headless) presentation. The goal is under 100 ms. A second
// figure is one steady frame of the idle main window.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/corvala.h"
#include "platform/headless_backend.h"

namespace fs = std::filesystem;

namespace {

// A scratch copy of the program's runtime folders, entered for the run.
class RuntimeFolder {
 public:
  RuntimeFolder() {
    char pattern[] = "/tmp/corvala-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    path_ = pattern;
    const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
    fs::copy(data / "Fonts", fs::path(path_) / "Fonts", fs::copy_options::recursive);
    fs::copy(data / "Pictures", fs::path(path_) / "Pictures", fs::copy_options::recursive);
    previous_ = fs::current_path();
    fs::current_path(path_);
  }
  ~RuntimeFolder() {
    if (path_.empty()) return;
    fs::current_path(previous_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }

 private:
  std::string path_;
  fs::path previous_;
};

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
