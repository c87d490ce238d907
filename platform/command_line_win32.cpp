// platform/command_line.h on Windows: the words come from the UTF-16 command
// line (argv is in the ANSI code page and loses "č" or "ž"), and a program
// started from a console writes there although it is a GUI program.
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/command_line.h"
#include "platform/win32_text.h"

namespace platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  // Wine and a redirected start hand the standard handles over already.
  if (GetStdHandle(STD_OUTPUT_HANDLE) == nullptr && AttachConsole(ATTACH_PARENT_PROCESS)) {
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
  }
  SetConsoleOutputCP(CP_UTF8);
  // The same bytes out as on Linux: a CSV on stdout brings its own line ends,
  // which text mode would double.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return {argv, argv + argc};
  std::vector<std::string> result;
  for (int i = 0; i < count; ++i) result.push_back(win32::Utf8(words[i]));
  LocalFree(words);
  return result;
}

}  // namespace platform
