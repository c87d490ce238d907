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

#include "platform/result.h"

// windows.h, where included first, maps the name ReplaceFile to its own ReplaceFileW.
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace platform {

std::string NativePath(std::string_view program_path);

// The folder (native path) that holds the program's own "Fonts" and
// "Pictures" for an installed program. A name inside those two folders that
// does not exist in the current folder is then looked up there. Empty (the
// default) looks in the current folder only.
void SetResourceFolder(std::string_view native);

// fopen of a program path; mode as for fopen ("rb", "wb", ...). Only regular
// files open: a FIFO, a device or a folder is refused like a missing file
// (errno ENOENT), so that no read or write can hang on one.
std::FILE* OpenFile(std::string_view program_path, const char* mode);

// An open file that closes itself. Readers use this so that every early
// return of a loader closes its file.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
File Open(std::string_view program_path, const char* mode);

enum class FileError {
  None,
  Unnameable,  // an empty name, or one with a NUL inside
  NotRegular,  // the name is taken by a folder, a FIFO, a device ...
  ReadOnly,    // the file has no write permission
  Io,          // the system refused a step (its errno in `Error`)
};
// Platform results carry no message: the layer that knows what the file was
// for words it.
template <class Value = std::monostate>
using FileResult = TResult<FileError, Value>;

// The length of an open file in bytes, leaving the position at the start.
FileResult<int64_t> FileLength(std::FILE* f);

// A question, not an operation: false for anything but an existing regular file.
bool FileExists(std::string_view program_path);
FileResult<> RemoveFile(std::string_view program_path);
FileResult<> CreateFolder(std::string_view program_path);
// Replaces `to` with `from` in one step where the file system allows it.
FileResult<> RenameFile(std::string_view from, std::string_view to);

// Replaces the contents of a file so that it holds either all of its old or
// all of its new bytes at every moment, a power cut included: the bytes go to
// a file of a short name of its own in the same folder, are synced, renamed
// over the file, and the folder is synced. An existing file keeps its
// permission bits; a symbolic link stays a link and its target gets the new
// bytes. A file without write permission and a name that is not a regular
// file are refused, untouched. After a failure no temporary file is left.
FileResult<> ReplaceFile(std::string_view program_path, std::string_view bytes);

// Injected faults for tests: the hook is asked before each step of
// ReplaceFile and returns an errno value to make that step fail, 0 to let it run.
enum class FileStep { CreateTemporary, Write, SyncFile, Rename, SyncFolder };
using FileFaultHook = int (*)(FileStep step);
void SetFileFaultHook(FileFaultHook hook);

}  // namespace platform
