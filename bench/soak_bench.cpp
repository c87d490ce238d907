// A long session: 100,000 frames walking every menu of the main window and
// every form, saving the catalogue and taking screenshots on the way. The
// figures are the resident memory at the start and the end of the walk; a
// leak or a cache that only grows shows as a difference between the two.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/corvala.h"
#include "catalogue/cv_globals.h"
#include "forms/cv_main_form.h"
#include "platform/headless_backend.h"
#include "platform/vk.h"
#include "tools/cvltool/catalogue_csv.h"
#include "vc/vc_base.h"
#include "vc/vc_form.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFrames = 100000;

double ResidentMegabytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_SoakEveryMenuAndForm(benchmark::State& state) {
  char pattern[] = "/tmp/corvala-soak-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    state.SkipWithError("no scratch folder");
    return;
  }
  const fs::path folder = pattern;
  const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
  fs::copy(data / "Fonts", folder / "Fonts", fs::copy_options::recursive);
  fs::copy(data / "Pictures", folder / "Pictures", fs::copy_options::recursive);
  const fs::path previous = fs::current_path();
  fs::current_path(folder);

  // The sample catalogue, saved over and over.
  std::ifstream csv_in(data / "samples" / "hmloviny.csv", std::ios::binary);
  const std::string csv((std::istreambuf_iterator<char>(csv_in)), std::istreambuf_iterator<char>());
  TNebulas records;
  std::string error;
  catalogue_csv::Import(csv, records, error);

  platform::HeadlessBackend backend;
  platform::Install(&backend);
  for (auto _ : state) {
    CreateDatabaseApplication();
    Database->RunFrame();
    NewDatabase("Hmloviny.cvl", "Hmloviny", "Soak", "");
    for (const TNebula& r : records) AddNebula(r);
    SaveDatabase();

    auto frames = [&](int n) {
      for (int i = 0; i < n; ++i) {
        Database->RunFrame();
        backend.Advance(20);
      }
    };
    frames(10);
    const double start = ResidentMegabytes();

    TMainForm& main = *MainForm;
    TVisualComponent* buttons[] = {main.FileButton.Get(),         main.DatabaseButton.Get(),
                                   main.ObservatoryButton.Get(),  main.EncyclopediaButton.Get(),
                                   main.SettingsButton.Get(),     main.HelpButton.Get(),
                                   main.AboutButton.Get(),        main.OpenedWindowsButton.Get()};
    int frame = 0;
    std::size_t step = 0;
    while (frame < kFrames) {
      // A main-window button: hovered, clicked (its menu opens), left again.
      TVisualComponent* b = buttons[step % std::size(buttons)];
      const TViewport& r = b->RealComponentPos;
      backend.SetCursor((r.X1 + r.X2) / 2, (r.Y1 + r.Y2) / 2);
      frames(2);
      backend.SetKey(vk::LBUTTON, true);
      frames(1);
      backend.SetKey(vk::LBUTTON, false);
      frames(20);
      backend.SetCursor(512, 700);
      frames(2);
      // Then one form of the program shown over the main window and closed.
      if (auto* form = DerefAs<TForm>(Toolkit().AllForms[1 + step % (Toolkit().AllForms.size() - 1)])) {
        form->Show(ST_Unmodal);
        frames(20);
        form->Hide();
        frames(2);
      }
      frame += 49;
      ++step;
      if (step % 20 == 0) {
        Catalogue().Modified = true;
        SaveDatabase();
      }
      if (step % 100 == 0) {
        backend.SetKey(vk::SNAPSHOT, true);
        frames(1);
        backend.SetKey(vk::SNAPSHOT, false);
        frames(1);
        frame += 2;
        fs::remove_all(folder / "SnapShots");
      }
    }
    const double end = ResidentMegabytes();
    state.counters["frames"] = frame;
    state.counters["rss_start_MB"] = start;
    state.counters["rss_end_MB"] = end;
    state.counters["rss_growth_MB"] = end - start;
    ReleaseDatabaseApplication();
  }
  platform::Install(nullptr);
  fs::current_path(previous);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(BM_SoakEveryMenuAndForm)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
