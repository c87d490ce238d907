// Costs of the catalogue: sorting a large database by every key (the goal is
// under 100 ms for 20000 records with many equal keys), encoding and decoding
// its file, and rebuilding the observatory's list.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "catalogue/cv_globals.h"
#include "forms/cv_sky_map.h"
#include "catalogue/cv_sort.h"

namespace {

TNebulas Catalogue(int n) {
  std::mt19937 random(1);
  TNebulas r(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    TNebula& x = r[static_cast<std::size_t>(i)];
    x.IndexOfItem = static_cast<int32_t>(random() % 100);
    x.NameOfNebula = "NGC " + std::to_string(random() % 300);
    x.NGC = static_cast<int32_t>(random() % 500);
    x.Rect = (random() % 240) / 10.0;
    x.Dec = (static_cast<int>(random() % 180) - 90) * 1.0;
    x.Distance = (random() % 50) * 100.0;
    x.Magnitude = (random() % 40) / 4.0;
    x.TypeOfNebula = static_cast<TTypeOfNebula>(random() % 7);
    x.Picture = random() % 2 ? "" : "Obrazky\\hmlovina" + std::to_string(random() % 20) + ".bmp";
    x.Description = "Popis " + std::string(random() % 4, 'x');
  }
  return r;
}

void BM_Sort(benchmark::State& state) {
  const auto type = static_cast<TSortType>(state.range(0));
  const auto direction = static_cast<TDirection>(state.range(1));
  const TNebulas original = Catalogue(20000);
  TNebulas records;
  for (auto _ : state) {
    state.PauseTiming();
    records = original;
    state.ResumeTiming();
    SortNebulas(records, 20000, type, direction);
    benchmark::DoNotOptimize(records.data());
  }
}
BENCHMARK(BM_Sort)->ArgsProduct({benchmark::CreateDenseRange(0, SORT_TYPE_COUNT - 1, 1), {D_Up, D_Down}})
    ->Unit(benchmark::kMillisecond);

// The exchange sort run literally on prepared integer keys, for comparison.
void BM_LiteralExchangeSort(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  std::mt19937 random(2);
  std::vector<int32_t> original(n);
  for (int32_t& k : original) k = static_cast<int32_t>(random() % 100);
  for (auto _ : state) {
    std::vector<int32_t> keys = original;
    for (std::size_t i = 0; i < n; ++i)
      for (std::size_t j = i; j < n; ++j)
        if (keys[j] < keys[i]) std::swap(keys[i], keys[j]);
    benchmark::DoNotOptimize(keys.data());
  }
}
BENCHMARK(BM_LiteralExchangeSort)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_EncodeDatabase(benchmark::State& state) {
  TDatabaseInfo info;
  const TNebulas records = Catalogue(20000);
  info.NumberOfItems = 20000;
  std::string bytes;
  for (auto _ : state) {
    EncodeDatabase(info, records, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_EncodeDatabase)->Unit(benchmark::kMillisecond);

void BM_DecodeDatabase(benchmark::State& state) {
  TDatabaseInfo info;
  info.NumberOfItems = 20000;
  std::string bytes;
  EncodeDatabase(info, Catalogue(20000), bytes);
  TNebulas records;
  for (auto _ : state) {
    DecodeDatabase(bytes, info, records, "bench.cvl");
    benchmark::DoNotOptimize(records.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeDatabase)->Unit(benchmark::kMillisecond);

void BM_RecalculateNebulas(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  const TNebulas records = Catalogue(n);
  TObservingNebulas list;
  TNormalDate instant{2026, 12, 8, 3, 0};
  for (auto _ : state) {
    instant.Minute = (instant.Minute + 1) % 60;
    RecalculateNebulas(records, n, instant, 48.15, 17.11, list, -1, false);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_RecalculateNebulas)->Arg(300)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
