// One whole frame of the application loop (key scan, menu and form input,
// drawing, presentation to memory) with ten overlapping forms full of buttons
// and an open menu. The goal is under 3 ms a frame.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include "vc/vc_app.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace {

std::atomic<uint64_t> allocations{0};

}  // namespace

// The counting replacement below allocates with malloc and releases with free;
// GCC cannot see that the two replaced operators belong together.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kForms = 10;
constexpr int kButtonsPerForm = 24;
constexpr int kSubItems = 4;

class TBenchForm : public TForm {
 public:
  TOwned<TButton> Buttons[kButtonsPerForm];
  TOwned<TMenuItem> MainItem;
  TOwned<TMenuItem> SubItems[kSubItems];

  void OnCreate() override {
    MainItem = new TMenuItem();
    MainItem->CreateComponent(&MainItem, true, MIT_Button, BS_Classic, "Súbor", 4, 4, 60, 15);
    Toolkit().ActualComponent = Adress;
    for (int i = 0; i < kSubItems; ++i) {
      SubItems[i] = new TMenuItem();
      SubItems[i]->CreateComponent(&SubItems[i], false, i == 0 ? MIT_Right : MIT_Button, BS_Classic, "Položka",
                                   4, 29 + 25 * i, 120, 15);
      SubItems[i]->SuperiorMenuItems.push_back(&MainItem);
      SubItems[i]->Borders = TBorders{true, true, true, true};
      Toolkit().ActualComponent = Adress;
    }
    for (int i = 0; i < kButtonsPerForm; ++i) {
      Buttons[i] = new TButton();
      Buttons[i]->CreateComponent(&Buttons[i], true, BS_Classic, "Tlačidlo", 10 + (i % 3) * 125, 40 + (i / 3) * 30,
                                  110, 15);
      Toolkit().ActualComponent = Adress;
    }
  }
};

TOwned<TBenchForm> forms[kForms];

class TBenchApplication : public TApplication {
 public:
  void OnCreate() override {
    for (int i = 0; i < kForms; ++i) {
      forms[i] = new TBenchForm();
      forms[i]->CreateComponent(&forms[i], PT_Normal, FS_Classic, "Okno " + std::to_string(i), 400, 300);
      forms[i]->CenterX = false;
      forms[i]->CenterY = false;
      forms[i]->SetX(20 + 50 * i);
      forms[i]->SetY(20 + 35 * i);
      forms[i]->Show(ST_Unmodal);
    }
  }
};

void BM_Frame(benchmark::State& state) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(CORVALA_SOURCE_DIR) / "data");
  platform::HeadlessBackend host;
  platform::Install(&host);
  auto* app = new TBenchApplication();
  app->Create("frame bench");
  // The top form's menu is open and the cursor rests on one of its buttons.
  Toolkit().ActiveComponent = &forms[kForms - 1]->MainItem;
  host.SetCursor(20 + 50 * 9 + 6 + 30, 20 + 35 * 9 + 32 + 45);
  for (int i = 0; i < 5; ++i) app->RunFrame();

  const uint64_t before = allocations.load();
  int64_t frames = 0;
  for (auto _ : state) {
    app->RunFrame();
    host.Advance(16);
    ++frames;
  }
  state.counters["allocations_per_frame"] =
      benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(frames));

  SetExitHook([](int) { throw 0; });
  try {
    app->Free();
  } catch (int) {
  }
  SetExitHook(nullptr);
  platform::Install(nullptr);
  std::filesystem::current_path(previous);
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMillisecond);

}  // namespace
