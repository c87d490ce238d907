#include "benchmark/benchmark.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>

namespace benchmark {

namespace {

// The library's own limit: beyond it a benchmark is too cheap to measure.
constexpr IterationCount kMaxIterations = 1000000000;

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The whole process's CPU time, as the library takes it for one thread.
double CpuSeconds() {
#ifdef _WIN32
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
  auto ticks = [](const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(kernel) + ticks(user)) * 1e-7;
#else
  timespec t{};
  if (clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t) != 0) return 0;
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
#endif
}

std::vector<std::unique_ptr<internal::Benchmark>>& Registry() {
  static std::vector<std::unique_ptr<internal::Benchmark>> registry;
  return registry;
}

struct Options {
  std::string filter = ".";
  double min_time = 0.5;
  std::string program = "benchmark";
} options;

const char* UnitName(TimeUnit unit) {
  switch (unit) {
    case kNanosecond: return "ns";
    case kMicrosecond: return "us";
    case kMillisecond: return "ms";
    case kSecond: return "s";
  }
  return "ns";
}

double UnitPerSecond(TimeUnit unit) {
  switch (unit) {
    case kNanosecond: return 1e9;
    case kMicrosecond: return 1e6;
    case kMillisecond: return 1e3;
    case kSecond: return 1;
  }
  return 1e9;
}

// The library's layout: more digits for small figures, none for large ones.
std::string FormatTime(double t) {
  char text[32];
  const char* format = t < 1 ? "%10.3f" : t < 10 ? "%10.2f" : t < 100 ? "%10.1f" : "%10.0f";
  std::snprintf(text, sizeof text, format, t);
  return text;
}

// 1234567 as "1.23457M", as the library prints its counters (rates in bytes
// count in thousands of 1024, still written "G").
std::string HumanReadable(double value, Counter::OneK one_k) {
  static const char* const kPrefixes[] = {"", "k", "M", "G", "T", "P"};
  const double k = static_cast<int>(one_k);
  int exponent = 0;
  double v = value;
  while (std::fabs(v) >= k && exponent < 5) {
    v /= k;
    ++exponent;
  }
  char text[48];
  std::snprintf(text, sizeof text, "%.6g%s", v, kPrefixes[exponent]);
  return text;
}

std::string RunName(const internal::Benchmark& b, const std::vector<int64_t>& args) {
  std::string name = b.Name();
  for (int64_t a : args) name += "/" + std::to_string(a);
  if (b.FixedIterations() > 0) name += "/iterations:" + std::to_string(b.FixedIterations());
  return name;
}

bool TakeFlag(const char* arg, const char* name, std::string& value) {
  const size_t n = std::strlen(name);
  if (std::strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
  value = arg + n + 1;
  return true;
}

}  // namespace

State::State(IterationCount iterations, std::vector<int64_t> ranges)
    : max_iterations(iterations), ranges_(std::move(ranges)) {}

void State::StartKeepRunning() {
  started_ = true;
  ResumeTiming();
}

void State::FinishKeepRunning() {
  if (running_) PauseTiming();
  finished_ = true;
}

void State::PauseTiming() {
  if (!running_) return;
  wall_seconds_ += WallSeconds() - wall_start_;
  cpu_seconds_ += CpuSeconds() - cpu_start_;
  running_ = false;
}

void State::ResumeTiming() {
  if (running_) return;
  running_ = true;
  cpu_start_ = CpuSeconds();
  wall_start_ = WallSeconds();
}

void State::SkipWithError(const std::string& message) {
  if (!error_) error_message_ = message;
  error_ = true;
}

namespace internal {

Benchmark* Register(Benchmark* benchmark) {
  Registry().emplace_back(benchmark);
  return benchmark;
}

Benchmark* Benchmark::ArgsProduct(const std::vector<std::vector<int64_t>>& lists) {
  std::vector<std::vector<int64_t>> product{{}};
  for (const auto& list : lists) {
    std::vector<std::vector<int64_t>> longer;
    for (const auto& prefix : product)
      for (int64_t value : list) {
        longer.push_back(prefix);
        longer.back().push_back(value);
      }
    product = std::move(longer);
  }
  for (auto& args : product) args_.push_back(std::move(args));
  return this;
}

IterationCount NextIterations(IterationCount iterations, double seconds, double min_time) {
  // Aim 40 % past the minimum so that the next run is very likely the last;
  // a run too short to say much about the rate grows tenfold instead.
  double multiplier = min_time * 1.4 / std::max(seconds, 1e-9);
  if (seconds / min_time <= 0.1) multiplier = 10.0;
  const double next = std::max(multiplier * static_cast<double>(iterations), static_cast<double>(iterations) + 1.0);
  return std::min<IterationCount>(static_cast<IterationCount>(std::llround(std::min(next, 1e18))), kMaxIterations);
}

class Runner {
 public:
  explicit Runner(size_t name_width) : name_width_(static_cast<int>(name_width)) {}

  void Header(bool counters) const {
    char text[160];
    std::snprintf(text, sizeof text, "%-*s %13s %15s %12s%s", name_width_, "Benchmark", "Time", "CPU",
                  "Iterations", counters ? " UserCounters..." : "");
    const std::string line(std::strlen(text), '-');
    std::printf("%s\n%s\n%s\n", line.c_str(), text, line.c_str());
  }

  void Run(const Benchmark& b, const std::vector<int64_t>& args) const {
    const std::string name = RunName(b, args);
    IterationCount iterations = b.FixedIterations() > 0 ? b.FixedIterations() : 1;
    for (;;) {
      State state(iterations, args);
      b.Run(state);
      if (!state.error_ && !state.finished_) {
        std::fprintf(stderr, "%s: the benchmark did not run its loop to the end\n", name.c_str());
        std::exit(1);
      }
      const double seconds = state.cpu_seconds_;
      const bool enough = b.FixedIterations() > 0 || state.error_ || iterations >= kMaxIterations ||
                          seconds >= options.min_time || state.wall_seconds_ >= 5 * options.min_time;
      if (enough) {
        Report(b, name, state);
        return;
      }
      iterations = NextIterations(iterations, seconds, options.min_time);
    }
  }

 private:
  void Report(const Benchmark& b, const std::string& name, const State& state) const {
    std::printf("%-*s ", name_width_, name.c_str());
    if (state.error_) {
      std::printf("ERROR OCCURRED: '%s'\n", state.error_message_.c_str());
      std::fflush(stdout);
      return;
    }
    const double n = static_cast<double>(state.max_iterations);
    const double scale = UnitPerSecond(b.TimeUnitOf());
    const char* unit = UnitName(b.TimeUnitOf());
    std::printf("%s %-4s %s %-4s %10lld", FormatTime(state.wall_seconds_ / n * scale).c_str(), unit,
                FormatTime(state.cpu_seconds_ / n * scale).c_str(), unit,
                static_cast<long long>(state.max_iterations));
    for (const auto& [counter, c] : state.counters) {
      double v = c.value;
      if (c.flags & Counter::kIsRate) v /= std::max(state.cpu_seconds_, 1e-12);
      if (c.flags & Counter::kAvgIterations) v /= n;
      std::printf(" %s=%s%s", counter.c_str(), HumanReadable(v, c.oneK).c_str(),
                  (c.flags & Counter::kIsRate) ? "/s" : "");
    }
    if (!state.label_.empty()) std::printf(" %s", state.label_.c_str());
    std::printf("\n");
    std::fflush(stdout);
  }

  int name_width_;
};

}  // namespace internal

void Initialize(int* argc, char** argv) {
  if (*argc > 0 && argv[0] != nullptr) options.program = argv[0];
  int kept = 1;
  for (int i = 1; i < *argc; ++i) {
    std::string value;
    if (TakeFlag(argv[i], "--benchmark_filter", value)) {
      options.filter = value;
    } else if (TakeFlag(argv[i], "--benchmark_min_time", value)) {
      // Seconds, written bare as the library 1.7 takes them or with an "s".
      char* end = nullptr;
      const double t = std::strtod(value.c_str(), &end);
      if (end == value.c_str() || !(t > 0) || (*end != 0 && std::strcmp(end, "s") != 0)) {
        std::fprintf(stderr, "%s: --benchmark_min_time wants seconds, not '%s'\n", argv[0], value.c_str());
        std::exit(1);
      }
      options.min_time = t;
    } else if (TakeFlag(argv[i], "--benchmark_color", value)) {
      // This console layout is never coloured.
    } else {
      argv[kept++] = argv[i];
    }
  }
  *argc = kept;
}

bool ReportUnrecognizedArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    std::fprintf(stderr, "%s: unrecognized command-line flag: %s\n", argv[0], argv[i]);
  return argc > 1;
}

size_t RunSpecifiedBenchmarks() {
  std::regex filter;
  try {
    filter = std::regex(options.filter);
  } catch (const std::regex_error&) {
    std::fprintf(stderr, "%s: the filter '%s' is no regular expression\n", options.program.c_str(),
                 options.filter.c_str());
    return 0;
  }
  struct Planned {
    const internal::Benchmark* benchmark;
    std::vector<int64_t> args;
  };
  std::vector<Planned> plan;
  size_t width = 10;
  for (const auto& b : Registry()) {
    std::vector<std::vector<int64_t>> sets = b->ArgSets();
    if (sets.empty()) sets.emplace_back();
    for (auto& args : sets) {
      const std::string name = RunName(*b, args);
      if (!std::regex_search(name, filter)) continue;
      width = std::max(width, name.size());
      plan.push_back({b.get(), std::move(args)});
    }
  }
  std::fprintf(stderr, "Running %s\nStand-in for Google Benchmark: each figure is one run of at least %g s of CPU time\n",
               options.program.c_str(), options.min_time);
  if (plan.empty()) {
    std::fprintf(stderr, "Failed to match any benchmarks against regex: %s\n", options.filter.c_str());
    return 0;
  }
  const internal::Runner runner(width);
  runner.Header(true);
  for (const Planned& p : plan) runner.Run(*p.benchmark, p.args);
  return plan.size();
}

void Shutdown() {}

}  // namespace benchmark
