// The list form over a generated catalogue of 20,000 records (believable
// names, many equal keys): a settled frame, the frame after a header click
// (a full sort in the exchange sort's order) and the frame after one more
// search character. Beside them, in the same run, the work of rebuilding the
// list in every frame: the quadratic exchange sort itself and the sort,
// filter and copy done from scratch.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/corvala.h"
#include "bench/runtime_folder.h"
#include "catalogue/cv_list_view.h"
#include "catalogue/cv_sort.h"
#include "forms/cv_list_form.h"
#include "platform/headless_backend.h"
#include "tests/support/list_reference.h"
#include "tools/cvltool/catalogue_csv.h"
#include "tools/cvltool/catalogue_generator.h"

namespace {

constexpr int32_t kRecords = 20000;

void LoadGenerated() {
  NewDatabase("big.cvl", "Big", "", "");
  Catalogue().Nebulas = catalogue_generator::Generate(kRecords, catalogue_generator::TOptions{});
  Catalogue().DatabaseInfo.NumberOfItems = kRecords;
  ++Catalogue().Revision;
}

// A committed catalogue, read as cvltool reads it.
void LoadCsv(const char* Relative) {
  std::ifstream in(std::string(CORVALA_SOURCE_DIR) + "/" + Relative, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  std::string error;
  NewDatabase("csv.cvl", "Csv", "", "");
  if (!catalogue_csv::Import(text.str(), Catalogue().Nebulas, error))
    throw std::runtime_error(Relative + (": " + error));
  Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
  ++Catalogue().Revision;
}

// The program started with the list form shown over the generated records,
// or over a committed catalogue's.
class ShownList {
 public:
  explicit ShownList(const char* Csv = nullptr) {
    platform::Install(&backend_);
    CreateDatabaseApplication();
    Database->RunFrame();
    if (Csv != nullptr)
      LoadCsv(Csv);
    else
      LoadGenerated();
    ListForm->Show(ST_Unmodal);
    Frames(3);
  }
  ~ShownList() {
    ReleaseDatabaseApplication();
    platform::Install(nullptr);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      backend_.Advance(16);
      Database->RunFrame();
    }
  }

 private:
  RuntimeFolder folder_;
  platform::HeadlessBackend backend_;
};

// Reference in the same run: the main window alone, with the same records loaded.
void BM_MainWindowFrameReference(benchmark::State& state) {
  ShownList list;
  ListForm->Hide();
  list.Frames(2);
  for (auto _ : state) list.Frames(1);
}
BENCHMARK(BM_MainWindowFrameReference)->Unit(benchmark::kMillisecond);

void BM_ListFormSettledFrame(benchmark::State& state) {
  ShownList list;
  ListForm->PropertyButtons[1]->OnMouseLeftClick(-1, -1);  // by name
  list.Frames(2);
  for (auto _ : state) list.Frames(1);
}
BENCHMARK(BM_ListFormSettledFrame)->Unit(benchmark::kMillisecond);

// The same over the real catalogues: argument 0 the sample, 1 the NGC/IC nebulae.
void BM_ListFormSettledFrameCatalogue(benchmark::State& state) {
  ShownList list(state.range(0) == 0 ? "data/samples/hmloviny.csv" : "data/catalogues/ngc-ic.csv");
  ListForm->PropertyButtons[1]->OnMouseLeftClick(-1, -1);
  list.Frames(2);
  for (auto _ : state) list.Frames(1);
  state.counters["records"] = Catalogue().DatabaseInfo.NumberOfItems;
}
BENCHMARK(BM_ListFormSettledFrameCatalogue)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each iteration clicks the next header: a new key or the other direction.
// Argument 1: with a search active, whose folded texts of every record are
// then gathered again in the new order.
void BM_ListFormFrameAfterHeaderClick(benchmark::State& state) {
  ShownList list;
  if (state.range(0) == 1) ListForm->SearchEdit->Text = "velka";
  int column = 0;
  for (auto _ : state) {
    ListForm->PropertyButtons[static_cast<std::size_t>(column)]->OnMouseLeftClick(-1, -1);
    column = (column + 1) % LIST_COLUMNS;
    list.Frames(1);
  }
}
BENCHMARK(BM_ListFormFrameAfterHeaderClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each iteration types one more character or takes it back. Argument 0: a
// name ("Hmlovina K" and one letter less), 1: digits that every number field
// has to be formatted for ("12" and "1"), 2: lower case without diacritics
// found inside names and descriptions ("hmlovina v" and one letter less).
void BM_ListFormFrameAfterSearchCharacter(benchmark::State& state) {
  ShownList list;
  ListForm->SearchBox->Checked = true;
  const char* texts[3][2] = {{"Hmlovina ", "Hmlovina K"}, {"1", "12"}, {"hmlovina ", "hmlovina v"}};
  const auto& pair = texts[state.range(0)];
  int k = 0;
  for (auto _ : state) {
    ListForm->SearchEdit->Text = pair[k];
    k = 1 - k;
    list.Frames(1);
  }
}
BENCHMARK(BM_ListFormFrameAfterSearchCharacter)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What rebuilding in every frame costs: the exchange sort as written (for I,
// for J from I, exchange when record J must come before record I) over the
// already sorted records, where it compares N x (N + 1) / 2 pairs and
// exchanges nothing.
void BM_LiteralExchangeSortPerFrame(benchmark::State& state) {
  TNebulas records = catalogue_generator::Generate(kRecords, catalogue_generator::TOptions{});
  SortNebulas(records, kRecords, ST_NameOfNebula, D_Up);
  for (auto _ : state) {
    std::size_t exchanges = 0;
    for (std::size_t i = 0; i < records.size(); ++i)
      for (std::size_t j = i; j < records.size(); ++j)
        if (records[j].NameOfNebula.View() < records[i].NameOfNebula.View()) {
          std::swap(records[i], records[j]);
          ++exchanges;
        }
    benchmark::DoNotOptimize(exchanges);
  }
}
BENCHMARK(BM_LiteralExchangeSortPerFrame)->Unit(benchmark::kMillisecond)->Iterations(2);

// The rebuild from scratch with the fast sort: sort, filter and copy the
// shown records, as every frame would without the cache. Argument as for
// the search benchmark, 2: no search.
void BM_RebuildFromScratchPerFrame(benchmark::State& state) {
  TNebulas records = catalogue_generator::Generate(kRecords, catalogue_generator::TOptions{});
  TNebulas shown;
  const char* texts[3] = {"Hmlovina K", "12", ""};
  const char* text = texts[state.range(0)];
  for (auto _ : state) {
    RebuildListLiterally(records, kRecords, ST_NameOfNebula, D_Up, *text != '\0', text, shown);
    benchmark::DoNotOptimize(shown.data());
  }
}
BENCHMARK(BM_RebuildFromScratchPerFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
