// corvala-replay [--test-application | --gallery] SCRIPT
//
// Runs the program's application (or, with --test-application, the harness's
// own test application, with --gallery its control gallery) on the headless backend, driven by SCRIPT. Exit status: 0 the script ran to its
// end, 2 a script error, 3 the program ended before the end of the script.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "tools/replay/gallery.h"
#include "tools/replay/program_hooks.h"
#include "tools/replay/replay.h"
#include "tools/replay/test_app.h"

int main(int argc, char** argv) {
  bool testApplication = false;
  bool gallery = false;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--test-application" && !testApplication && !gallery) testApplication = true;
    else if (arg == "--gallery" && !testApplication && !gallery) gallery = true;
    else if (path == nullptr) path = argv[i];
    else path = nullptr, i = argc;
  }
  if (path == nullptr || argc > (testApplication || gallery ? 3 : 2)) {
    std::cerr << "usage: corvala-replay [--test-application | --gallery] SCRIPT" << std::endl;
    return replay::kScriptError;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "corvala-replay: cannot read " << path << std::endl;
    return replay::kScriptError;
  }
  std::ostringstream text;
  text << in.rdbuf();

  std::vector<replay::Command> commands;
  replay::ScriptError error;
  if (!replay::Parse(text.str(), commands, error)) {
    std::cerr << "corvala-replay: line " << error.line << ": " << error.reason << std::endl;
    return replay::kScriptError;
  }
  if (testApplication) replay::Run(commands, replay::Application{&replay::CreateTestApplication});
  if (gallery) replay::Run(commands, replay::Application{&replay::CreateGalleryApplication, &replay::GalleryStateLines});
  replay::Run(commands, replay::ProgramApplication());
}
