#pragma once
// The program's command line as UTF-8 words, whatever the system's own form
// (Windows hands a GUI program UTF-16 and no console).

#include <string>
#include <vector>

namespace platform {

// The arguments, the program's name first. On Windows a program started from
// a console writes its --help and messages there.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace platform
