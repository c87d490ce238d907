#pragma once
// What the POSIX and the Windows parts of platform/files.h share: the rule
// for which names name a file, the mode an fopen-style mode string asks for,
// the resource folder and the injected faults.

#include <cerrno>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform::files_shared {

// A NUL inside a name would silently cut the native path short and reach a
// different file, so such names name no file at all.
bool Nameable(std::string_view program_path);
inline FileResult<> Unnameable() { return {FileError::Unnameable, {}, ENOENT}; }
inline FileResult<> Failed(FileError failure, int error) { return {failure, {}, error}; }

// An fopen mode ("rb", "r+b", "wbx", ...) taken apart.
struct OpenMode {
  bool read_only;   // "r" without "+"
  bool update;      // "+"
  bool truncate;    // "w"
  bool append;      // "a"
  bool exclusive;   // "x": the file must not exist yet
  std::string fopen_mode;  // the mode without "x", for fdopen
};
OpenMode ParseMode(std::string_view mode);

const std::string& ResourceFolder();

// The injected fault for a step of ReplaceFile, 0 when it is to run.
int Fault(FileStep step);

}  // namespace platform::files_shared
