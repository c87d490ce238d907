// The main() of every benchmark program, as benchmark_main gives it.
#include "benchmark/benchmark.h"

BENCHMARK_MAIN();
