#pragma once
// Between the Windows files (files_win32.cpp) and locks (file_state_win32.cpp):
// a file held open for a lock cannot be replaced by a rename on Windows, and
// a lock would not survive the replacement anyway (file_state.h), so a save
// over a file this process has locked drops that lock first.

#include <string>

namespace platform::win32 {

// Releases every FileLock of this process on the file at `path` (UTF-16),
// however it is named; nothing when the file is missing or not locked here.
void DropOwnLocksOn(const std::wstring& path);

}  // namespace platform::win32
