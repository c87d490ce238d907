// The replay script parser: any text parses, or fails at a line of the text
// with a reason; a parsed script holds only commands within their bounds.

#include <algorithm>
#include <csignal>
#include <string_view>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "tools/replay/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  const std::string_view text(reinterpret_cast<const char*>(Data), Size);
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  std::vector<replay::Command> commands;
  replay::ScriptError error;
  if (!replay::Parse(text, commands, error)) {
    FUZZ_CHECK(error.line >= 1 && error.line <= lines && !error.reason.empty());
    return 0;
  }
  int previous = 0;
  for (const replay::Command& c : commands) {
    FUZZ_CHECK(c.line > previous && c.line <= lines);
    previous = c.line;
    if (c.op == replay::Op::Type) FUZZ_CHECK(c.keys.size() == c.shifts.size());
    // The harness raises it in its own process: only the three ending signals.
    if (c.op == replay::Op::Signal) FUZZ_CHECK(c.a == SIGTERM || c.a == SIGINT || c.a == replay::kHangup);
  }
  return 0;
}
