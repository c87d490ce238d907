// The observatory's frame: the whole program frame (input, the observatory's
// clock and list, drawing of the main window and the map, presentation) with
// the sky map shown over Bratislava. At the fastest speed every frame
// advances the clock by more than a minute and so recalculates every record.
// A generated catalogue of 13,000 records spread over the whole sky, half of
// them with 32 x 32 thumbnails of their own, against the sample catalogue;
// and the literal list building (a growing array of record copies sorted by
// insertion) for comparison.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/corvala.h"
#include "catalogue/cv_database_file.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_settings.h"
#include "forms/cv_observatory_form.h"
#include "platform/headless_backend.h"
#include "bench/runtime_folder.h"
#include "tools/cvltool/catalogue_csv.h"
#include "tools/cvltool/catalogue_generator.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kNgcIc = -1;

// The program's runtime folders with one catalogue, in a scratch folder entered for the run.
class ObservatoryRun {
 public:
  // Records == 0: the sample catalogue; kNgcIc: the NGC/IC nebulae beside the sample's pictures.
  explicit ObservatoryRun(int32_t Records) {
    const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
    TNebulas records;
    if (Records > 0) {
      catalogue_generator::TOptions options;
      options.ThumbnailFraction = 0.5;
      records = catalogue_generator::Generate(Records, options);
      catalogue_generator::WriteThumbnails(records, "");
    } else {
      fs::copy(data / "samples", fs::current_path(), fs::copy_options::recursive);
      std::ifstream in(Records == kNgcIc ? data / "catalogues" / "ngc-ic.csv" : data / "samples" / "hmloviny.csv",
                       std::ios::binary);
      std::ostringstream text;
      text << in.rdbuf();
      std::string error;
      catalogue_csv::Import(text.str(), records, error);
    }
    TDatabaseInfo info;
    info.NameOfDatabase = "Bench";
    info.NumberOfItems = static_cast<int32_t>(records.size());
    std::string bytes;
    EncodeDatabase(info, records, bytes);
    std::ofstream("bench.cvl", std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    platform::Install(&backend_);
    platform::SystemTime night;
    night.Year = 2026;
    night.Month = 12;
    night.Day = 8;
    night.Hour = 21;
    backend_.SetClock(night, 60);
    CreateDatabaseApplication();
    Database->RunFrame();
    LoadDatabase("bench.cvl");
    Settings.Latitude = 48.1486;
    Settings.Longitude = 17.1077;
    ObservatoryForm->Show(ST_Unmodal);
    backend_.SetCursor(ObservatoryForm->RealCanvasPos.X1 + 150, ObservatoryForm->RealCanvasPos.Y1 + 150);
    for (int i = 0; i < 3; ++i) Frame();
  }
  ~ObservatoryRun() {
    ReleaseDatabaseApplication();
    platform::Install(nullptr);
  }
  void Frame() {
    backend_.Advance(16);
    Database->RunFrame();
  }

 private:
  RuntimeFolder folder_;  // first in, last out: the program is released before its folder goes
  platform::HeadlessBackend backend_;
};

// Generated catalogue size; 0 stands for the sample catalogue, -1 for the NGC/IC nebulae.
void BM_ObservatoryFrameFastest(benchmark::State& state) {
  ObservatoryRun run(static_cast<int32_t>(state.range(0)));
  ObservatoryForm->Clock.Speed = 3;
  for (auto _ : state) run.Frame();
  state.counters["listed"] = static_cast<double>(ObservatoryForm->ObservingNebulas.size());
}
BENCHMARK(BM_ObservatoryFrameFastest)->Arg(13000)->Arg(13960)->Arg(kNgcIc)->Arg(0)->Unit(benchmark::kMillisecond);

// Normal speed between minute changes: checks and drawing only.
void BM_ObservatoryFrameNormal(benchmark::State& state) {
  ObservatoryRun run(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) run.Frame();
}
BENCHMARK(BM_ObservatoryFrameNormal)->Arg(13000)->Arg(kNgcIc)->Arg(0)->Unit(benchmark::kMillisecond);

// The list building as first written: a fresh growing array of record copies
// and a stable insertion sort by top edge, then left edge.
struct TLiteralNebula {
  TNebula Data;
  TViewport SkyArea;
};

void LiteralRecalculate(const TNebulas& Records, const TNormalDate& UTCTime, double Latitude, double Longitude,
                        std::vector<TLiteralNebula>& List) {
  List = std::vector<TLiteralNebula>();
  for (const TNebula& record : Records) {
    double azimut = 0;
    double elevacia = 0;
    RaToAzim(record.Rect, record.Dec, UTCTime, Longitude, Latitude, azimut, elevacia);
    if (elevacia < 0) continue;
    double x = 0;
    double y = 0;
    PositionOnSky(azimut, elevacia, 400, x, y);
    const int32_t w = record.Thumbnail.Loaded ? static_cast<int32_t>(record.Thumbnail.ImageWidth) : 32;
    const int32_t h = record.Thumbnail.Loaded ? static_cast<int32_t>(record.Thumbnail.ImageHeight) : 32;
    List.push_back({record, ThumbnailArea(x, y, w, h)});
  }
  for (std::size_t i = 1; i < List.size(); ++i) {
    std::size_t j = i;
    while (j > 0 && (List[j - 1].SkyArea.Y1 > List[j].SkyArea.Y1 ||
                     (List[j - 1].SkyArea.Y1 == List[j].SkyArea.Y1 && List[j - 1].SkyArea.X1 > List[j].SkyArea.X1))) {
      std::swap(List[j - 1], List[j]);
      --j;
    }
  }
}

// The fastest-speed frame with the literal list building: a normal-speed
// frame (which builds no list) plus one literal recalculation.
void BM_ObservatoryFrameLiteralList(benchmark::State& state) {
  ObservatoryRun run(static_cast<int32_t>(state.range(0)));
  std::vector<TLiteralNebula> list;
  TNormalDate instant = ObservatoryForm->Clock.UTCTime;
  for (auto _ : state) {
    run.Frame();
    instant = DiffDateToNormalDate(NormalDateToDiffDate(instant) + 2);
    LiteralRecalculate(Catalogue().Nebulas, instant, 48.1486, 17.1077, list);
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["listed"] = static_cast<double>(list.size());
}
BENCHMARK(BM_ObservatoryFrameLiteralList)->Arg(13000)->Arg(0)->Unit(benchmark::kMillisecond);

// The positions as first computed, kept here to measure against in the same
// run: the catalogue's J2000 coordinates taken as coordinates of the date and
// a sidereal angle linear in the day count, with today's list building.
namespace formula {

double Reduce(double a) {
  if (!std::isfinite(a)) return a;
  if (a <= 0) a = std::fmod(a, 360.0) + 360.0;
  if (a >= 360) a = std::fmod(a, 360.0);
  return a;
}

void Recalculate(const TNebulas& Records, const TNormalDate& UTCTime, double Latitude, double Longitude,
                 TObservingNebulas& List) {
  List.clear();
  const double d = NormalDateToDiffDate(UTCTime) / 1440.0 - 0.5;
  const double lst = Reduce(d * 0.985647 + 100.46 + Longitude + (UTCTime.Minute / 60.0 + UTCTime.Hour) * 15);
  const double latSin = DSin(Latitude);
  const double latCos = DCos(Latitude);
  for (std::size_t i = 0; i < Records.size(); ++i) {
    const TNebula& record = Records[i];
    const double ha = Reduce(lst - record.Rect * 15);
    const double decSin = DSin(record.Dec);
    const double decCos = DCos(record.Dec);
    const double elevacia = DASin(decSin * latSin + decCos * latCos * DCos(ha));
    if (!(elevacia >= 0)) continue;
    double azimut = DATan2(DSin(ha), DCos(ha) * latSin - decSin / decCos * latCos) + 180;
    if (azimut >= 360) azimut -= 360;
    double x = 0;
    double y = 0;
    PositionOnSky(azimut, elevacia, 400, x, y);
    const int32_t w = record.Thumbnail.Loaded ? static_cast<int32_t>(record.Thumbnail.ImageWidth) : 32;
    const int32_t h = record.Thumbnail.Loaded ? static_cast<int32_t>(record.Thumbnail.ImageHeight) : 32;
    List.push_back({static_cast<int32_t>(i), record.IndexOfItem, ThumbnailArea(x, y, w, h)});
  }
  std::sort(List.begin(), List.end(), [](const TObservingNebula& a, const TObservingNebula& b) {
    if (a.SkyArea.Y1 != b.SkyArea.Y1) return a.SkyArea.Y1 < b.SkyArea.Y1;
    if (a.SkyArea.X1 != b.SkyArea.X1) return a.SkyArea.X1 < b.SkyArea.X1;
    return a.Record < b.Record;
  });
}

}  // namespace formula

// Before and after in one run: a frame that builds no list (normal speed)
// plus one list building, with the formula's positions (0) or the true
// positions the program uses (1). At the fastest speed every frame is such a
// frame.
void BM_ObservatoryFramePositions(benchmark::State& state) {
  ObservatoryRun run(13960);
  TObservingNebulas list;
  TNormalDate instant = ObservatoryForm->Clock.UTCTime;
  const bool truePositions = state.range(0) == 1;
  for (auto _ : state) {
    run.Frame();
    instant = DiffDateToNormalDate(NormalDateToDiffDate(instant) + 2);
    if (truePositions) {
      RecalculateNebulas(Catalogue().Nebulas, Catalogue().DatabaseInfo.NumberOfItems, instant, 48.1486, 17.1077, list,
                         -1, false);
    } else {
      formula::Recalculate(Catalogue().Nebulas, instant, 48.1486, 17.1077, list);
    }
    benchmark::DoNotOptimize(list.data());
  }
  state.SetLabel(truePositions ? "true positions" : "formula positions");
  state.counters["listed"] = static_cast<double>(list.size());
}
BENCHMARK(BM_ObservatoryFramePositions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The list building alone, both ways.
void BM_ObservatoryListOnly(benchmark::State& state) {
  ObservatoryRun run(13000);
  TObservingNebulas list;
  TNormalDate instant = ObservatoryForm->Clock.UTCTime;
  for (auto _ : state) {
    instant = DiffDateToNormalDate(NormalDateToDiffDate(instant) + 2);
    RecalculateNebulas(Catalogue().Nebulas, Catalogue().DatabaseInfo.NumberOfItems, instant, 48.1486, 17.1077, list, -1,
                       false);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_ObservatoryListOnly)->Unit(benchmark::kMillisecond);

// The same list building with the formula's positions.
void BM_ObservatoryListOnlyFormula(benchmark::State& state) {
  ObservatoryRun run(13000);
  TObservingNebulas list;
  TNormalDate instant = ObservatoryForm->Clock.UTCTime;
  for (auto _ : state) {
    instant = DiffDateToNormalDate(NormalDateToDiffDate(instant) + 2);
    formula::Recalculate(Catalogue().Nebulas, instant, 48.1486, 17.1077, list);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_ObservatoryListOnlyFormula)->Unit(benchmark::kMillisecond);

void BM_ObservatoryListOnlyLiteral(benchmark::State& state) {
  ObservatoryRun run(13000);
  std::vector<TLiteralNebula> list;
  TNormalDate instant = ObservatoryForm->Clock.UTCTime;
  for (auto _ : state) {
    instant = DiffDateToNormalDate(NormalDateToDiffDate(instant) + 2);
    LiteralRecalculate(Catalogue().Nebulas, instant, 48.1486, 17.1077, list);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_ObservatoryListOnlyLiteral)->Unit(benchmark::kMillisecond);

}  // namespace
