#pragma once
// File names inside the program are Windows-1250 byte strings with "\" as the
// separator, relative to the current folder ("Fonts\Tahoma_10pt_normal.fnt").
// Every file the program opens goes through these helpers, which turn such a
// name into a native path (UTF-8, "/" on POSIX).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

std::string NativePath(std::string_view program_path);

// fopen of a program path; mode as for fopen ("rb", "wb", ...).
std::FILE* OpenFile(std::string_view program_path, const char* mode);

// An open file that closes itself. Readers use this so that every early
// return of a loader closes its file.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
File Open(std::string_view program_path, const char* mode);

// The length of an open file in bytes, leaving the position at the start;
// -1 when it cannot be told.
int64_t FileLength(std::FILE* f);

bool FileExists(std::string_view program_path);
bool RemoveFile(std::string_view program_path);
bool CreateFolder(std::string_view program_path);
// Replaces `to` with `from` in one step where the file system allows it.
bool RenameFile(std::string_view from, std::string_view to);

}  // namespace platform
