#pragma once
// What the tests need from the system, the same on Linux and Windows:
// running a program without a shell (no quoting rules to differ) and a fresh
// scratch folder.

#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// Runs args[0] with the other words as its arguments, in `folder` (empty: the
// current one), its standard output to `out` and standard error to `err`
// (empty: discarded; the same file for both: both there, in order). Words
// and paths are UTF-8. Returns the exit status, or -1 when the program could
// not run or did not end normally.
int RunProgram(const std::vector<std::string>& args, const std::filesystem::path& folder = {},
               const std::filesystem::path& out = {}, const std::filesystem::path& err = {});

// A new empty folder under the system's folder for temporary files, its name
// starting with `prefix`.
std::filesystem::path MakeScratchFolder(const std::string& prefix);

}  // namespace test_support
