#pragma once
// What the program must know of a file beyond its bytes: whether it is still
// the file it read (another program, or a second copy of this one, may have
// replaced it meanwhile), an advisory lock that marks a catalogue as open in
// one running program, and the names in a folder. Program paths, as in
// files.h. Every function here is the operating system's part: a port
// implements all of them (file_state_posix.cpp is the POSIX one).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace platform {

// A file as the file system sees it now. Two states of the same name compare
// equal only when nothing has replaced or rewritten the file in between.
struct FileState {
  bool exists = false;
  int64_t size = 0;
  int64_t modified_ns = 0;  // modification time, nanoseconds since 1970 UTC
  uint64_t device = 0;      // the file's identity: device and file number
  uint64_t file = 0;
  SystemTime modified_local;  // the modification time in the system's local time

  bool Same(const FileState& other) const {
    return exists == other.exists && size == other.size && modified_ns == other.modified_ns &&
           device == other.device && file == other.file;
  }
};

// The state of a regular file (links followed); `exists` is false for a
// missing name and for anything that is not a regular file.
FileState StateOf(std::string_view program_path);

// The names (program paths without the folder) of the regular files in a
// folder whose names begin with `prefix`; empty when the folder cannot be read.
std::vector<std::string> FilesInFolder(std::string_view program_folder, std::string_view prefix = {});

// An advisory lock held by this process on a file while it stays open. The
// system drops it when the process ends in any way, a crash included, so it
// can never be left stuck. A lock does not follow a file that is replaced by
// a rename: take it again after such a save.
enum class LockResult {
  Taken,          // this process holds it now
  HeldElsewhere,  // another process holds it
  Failed,         // the file cannot be locked (missing, or no locks here)
};

class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Releases a lock held before, then tries to lock the file without waiting.
  LockResult Take(std::string_view program_path);
  void Release();
  bool Held() const { return handle_ != kNone; }

 private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;  // the system's handle of the open file
};

}  // namespace platform
