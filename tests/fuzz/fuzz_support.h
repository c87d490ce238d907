#pragma once
// Shared by the fuzz targets. The same entry points run under libFuzzer
// (`make fuzz`) and, through corpus_main.cpp, over the committed corpora in
// the ordinary test run, so every past finding stays a regression test.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// An oracle that does not hold is a finding: report it and abort, which
// libFuzzer records as a crash with its input.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (0)

namespace fuzz {

// The loaders read from named files; each process writes its input to a file
// of its own in a memory-backed folder where there is one.
std::string WriteScratchFile(const uint8_t* Data, std::size_t Size, const char* Extension);

}  // namespace fuzz
