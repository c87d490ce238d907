#pragma once
// A small stand-in for Google Benchmark, for builds that lack the library
// (Debian ships no mingw-w64 build of it). It offers the part of its API that
// bench/ uses and measures the same way: each benchmark is run with a growing
// number of iterations until one run lasts at least the minimum time (0.5 s
// of CPU time), and that run's wall and CPU time per iteration is reported in
// the library's console layout. The same sources built against it on Linux
// give the fair reference for a comparison with Windows.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace benchmark {

using IterationCount = int64_t;

enum TimeUnit { kNanosecond, kMicrosecond, kMillisecond, kSecond };

class Counter {
 public:
  enum Flags {
    kDefaults = 0,
    kIsRate = 1,             // divided by the run's CPU time
    kAvgIterations = 2,      // divided by the run's iterations
    kIsIterationInvariantRate = kIsRate | kAvgIterations,
  };
  enum OneK { kIs1000 = 1000, kIs1024 = 1024 };

  Counter(double value = 0.0, Flags flags = kDefaults, OneK one_k = kIs1000)
      : value(value), flags(flags), oneK(one_k) {}
  operator double const&() const { return value; }
  operator double&() { return value; }

  double value;
  Flags flags;
  OneK oneK;
};

using UserCounters = std::map<std::string, Counter>;

namespace internal {
class Runner;
}  // namespace internal

class State {
 public:
  class StateIterator {
   public:
    // Unused by design in `for (auto _ : state)`.
    struct __attribute__((unused)) Value {};
    StateIterator() = default;
    explicit StateIterator(State* state) : left_(state->max_iterations), state_(state) {}
    Value operator*() const { return Value(); }
    StateIterator& operator++() {
      --left_;
      return *this;
    }
    bool operator!=(const StateIterator&) {
      if (__builtin_expect(left_ != 0, 1)) return true;
      state_->FinishKeepRunning();
      return false;
    }

   private:
    IterationCount left_ = 0;
    State* state_ = nullptr;
  };

  StateIterator begin() {
    StartKeepRunning();
    return StateIterator(this);
  }
  StateIterator end() { return StateIterator(); }

  // As in Google Benchmark, 0 inside the loop and the run's count after it.
  IterationCount iterations() const { return finished_ ? max_iterations : 0; }
  int64_t range(std::size_t pos = 0) const { return pos < ranges_.size() ? ranges_[pos] : 0; }

  void PauseTiming();
  void ResumeTiming();
  void SkipWithError(const std::string& message);
  bool error_occurred() const { return error_; }
  void SetBytesProcessed(int64_t bytes) {
    counters["bytes_per_second"] = Counter(static_cast<double>(bytes), Counter::kIsRate, Counter::kIs1024);
  }
  void SetItemsProcessed(int64_t items) {
    counters["items_per_second"] = Counter(static_cast<double>(items), Counter::kIsRate);
  }
  void SetLabel(const std::string& label) { label_ = label; }

  const IterationCount max_iterations;
  UserCounters counters;

 private:
  friend class internal::Runner;
  State(IterationCount iterations, std::vector<int64_t> ranges);
  void StartKeepRunning();
  void FinishKeepRunning();

  std::vector<int64_t> ranges_;
  bool started_ = false;
  bool finished_ = false;
  bool running_ = false;  // the clock is counting
  bool error_ = false;
  std::string error_message_;
  std::string label_;
  double wall_start_ = 0, cpu_start_ = 0;
  double wall_seconds_ = 0, cpu_seconds_ = 0;
};

namespace internal {

class Benchmark {
 public:
  Benchmark(std::string name, std::function<void(State&)> function)
      : name_(std::move(name)), function_(std::move(function)) {}

  Benchmark* Arg(int64_t x) { return Args({x}); }
  Benchmark* Args(const std::vector<int64_t>& args) {
    args_.push_back(args);
    return this;
  }
  // Every combination of the given values, the first list varying slowest.
  Benchmark* ArgsProduct(const std::vector<std::vector<int64_t>>& lists);
  Benchmark* Unit(TimeUnit unit) {
    unit_ = unit;
    return this;
  }
  Benchmark* Iterations(IterationCount n) {
    fixed_iterations_ = n;
    return this;
  }

  const std::string& Name() const { return name_; }
  const std::vector<std::vector<int64_t>>& ArgSets() const { return args_; }
  TimeUnit TimeUnitOf() const { return unit_; }
  IterationCount FixedIterations() const { return fixed_iterations_; }
  void Run(State& state) const { function_(state); }

 private:
  std::string name_;
  std::function<void(State&)> function_;
  std::vector<std::vector<int64_t>> args_;
  TimeUnit unit_ = kNanosecond;
  IterationCount fixed_iterations_ = 0;
};

Benchmark* Register(Benchmark* benchmark);

// The iteration count of the next run after one of `iterations` that took
// `seconds` (as Google Benchmark predicts it), for a run of `min_time`.
IterationCount NextIterations(IterationCount iterations, double seconds, double min_time);

}  // namespace internal

inline internal::Benchmark* RegisterBenchmark(const char* name, void (*function)(State&)) {
  return internal::Register(new internal::Benchmark(name, function));
}

// Keeps a value (and what it points to) from being optimised away.
template <class T>
inline void DoNotOptimize(T const& value) {
  asm volatile("" : : "r,m"(value) : "memory");
}
template <class T>
inline void DoNotOptimize(T& value) {
  asm volatile("" : "+r,m"(value) : : "memory");
}
// Makes every pending write to memory happen here.
inline void ClobberMemory() { asm volatile("" : : : "memory"); }

void Initialize(int* argc, char** argv);
bool ReportUnrecognizedArguments(int argc, char** argv);
std::size_t RunSpecifiedBenchmarks();
void Shutdown();

}  // namespace benchmark

#define BENCHMARK_PRIVATE_CONCAT2(a, b) a##b
#define BENCHMARK_PRIVATE_CONCAT(a, b) BENCHMARK_PRIVATE_CONCAT2(a, b)
#define BENCHMARK(function)                                                                     \
  [[maybe_unused]] static ::benchmark::internal::Benchmark* BENCHMARK_PRIVATE_CONCAT(           \
      benchmark_registered_, __COUNTER__) = ::benchmark::RegisterBenchmark(#function, function)

#define BENCHMARK_MAIN()                                                 \
  int main(int argc, char** argv) {                                      \
    ::benchmark::Initialize(&argc, argv);                                \
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;  \
    ::benchmark::RunSpecifiedBenchmarks();                               \
    ::benchmark::Shutdown();                                             \
    return 0;                                                            \
  }                                                                      \
  int main(int, char**)
