// The program: the command line, its folders, the real window, the
// application object and its frame loop.
#include <cstdio>
#include <string>
#include <vector>

#include "app/corvala.h"
#include "app/cv_launch.h"
#include "platform/files.h"
#include "platform/command_line.h"
#include "platform/signals.h"
#include "platform/user_folders.h"
#include "platform/window_backend.h"

#ifndef CORVALA_VERSION
#define CORVALA_VERSION "unknown"
#endif

int main(int argc, char** argv) {
  // From the first moment: a signal during the first start's copying is
  // then taken at the end of the first frame, like any other.
  platform::CatchTerminationSignals();
  const std::vector<std::string> words = platform::CommandLineArguments(argc, argv);
  std::vector<const char*> args;
  for (const std::string& word : words) args.push_back(word.c_str());
  TLaunchOptions options = ParseCommandLine(static_cast<int>(args.size()), args.data());
  if (!options.Error.empty()) {
    std::fprintf(stderr, "corvala: %s\nViac hovorí \"corvala --help\".\n", options.Error.c_str());
    return 2;
  }
  if (options.Help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("corvala %s\n", CORVALA_VERSION);
    return 0;
  }
  // The catalogue is named relative to where the user is, before the
  // program moves to its data folder, and resolved as the system would
  // resolve it: through links, not as text.
  if (!options.Catalogue.empty()) options.Catalogue = platform::ResolvedPath(options.Catalogue);
  std::string error;
  StartupCatalogue = CatalogueProgramPath(options, error);
  if (!error.empty()) {
    std::fprintf(stderr, "corvala: %s\n", error.c_str());
    return 2;
  }
  TLaunchFolders folders;
  const std::string problem = PrepareFolders(folders);
  if (!problem.empty()) {
    std::fprintf(stderr, "corvala: %s\n", problem.c_str());
    return 1;
  }

  platform::Install(&platform::WindowBackend(options.Window));
  CreateDatabaseApplication();
  Database->Run();
  Database->Free();
}
