// platform/file_state.h on Windows: program paths (Windows-1250) become
// UTF-16 for the wide-character calls, as in files_win32.cpp.
#include <windows.h>

#include <utility>

#include "platform/cp1250.h"
#include "platform/file_state.h"
#include "platform/files.h"
#include "platform/win32_file_lock.h"
#include "platform/win32_text.h"

namespace platform {

using win32::Wide;

namespace {

constexpr int64_t kUnixEpochIn100ns = 116444736000000000;  // 1601-01-01 to 1970-01-01

bool Nameable(std::string_view program_path) {
  return !program_path.empty() && program_path.find('\0') == std::string_view::npos;
}

// The lock is a byte far past any catalogue's end: Windows' byte-range locks
// are mandatory, and one over the file's bytes would stop every other reader,
// this program's own included.
constexpr DWORD kLockOffsetHigh = 0x40000000;

// A file's identity: its volume and its number there.
using FileId = std::pair<uint64_t, uint64_t>;

bool IdOf(HANDLE h, FileId& id) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(h, &info)) return false;
  id = {info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
  return true;
}

// The locks this process holds, with the files they lie on. Locks are few
// (one open catalogue), so a list is enough.
struct HeldLock {
  FileLock* lock;
  FileId file;
};
// Never destroyed: a FileLock with static storage may release itself after
// this file's statics are gone.
std::vector<HeldLock>& HeldLocks() {
  static auto* held = new std::vector<HeldLock>;
  return *held;
}

}  // namespace

namespace win32 {

void DropOwnLocksOn(const std::wstring& path) {
  if (HeldLocks().empty()) return;
  const HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  FileId id;
  const bool known = IdOf(h, id);
  CloseHandle(h);
  if (!known) return;
  const std::vector<HeldLock> held = HeldLocks();  // Release edits the list
  for (const HeldLock& entry : held)
    if (entry.file == id) entry.lock->Release();
}

}  // namespace win32

FileState StateOf(std::string_view program_path) {
  FileState state;
  if (!Nameable(program_path)) return state;
  // No access asked beyond the attributes: a file another program holds open
  // for writing still tells its state.
  const HANDLE h = CreateFileW(Wide(NativePath(program_path)).c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return state;
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) != 0 &&
                     (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
  CloseHandle(h);
  if (!known) return state;
  state.exists = true;
  state.size = static_cast<int64_t>((static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
  const int64_t written = static_cast<int64_t>(
      (static_cast<uint64_t>(info.ftLastWriteTime.dwHighDateTime) << 32) | info.ftLastWriteTime.dwLowDateTime);
  state.modified_ns = (written - kUnixEpochIn100ns) * 100;
  state.device = info.dwVolumeSerialNumber;
  state.file = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  SYSTEMTIME utc{};
  SYSTEMTIME local{};
  if (FileTimeToSystemTime(&info.ftLastWriteTime, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    state.modified_local.Year = local.wYear;
    state.modified_local.Month = local.wMonth;
    state.modified_local.DayOfWeek = local.wDayOfWeek;
    state.modified_local.Day = local.wDay;
    state.modified_local.Hour = local.wHour;
    state.modified_local.Minute = local.wMinute;
    state.modified_local.Second = local.wSecond;
  }
  return state;
}

std::vector<std::string> FilesInFolder(std::string_view program_folder, std::string_view prefix) {
  std::vector<std::string> names;
  std::string folder = program_folder.empty() ? std::string(".") : NativePath(program_folder);
  if (folder.back() != '\\' && folder.back() != '/') folder.push_back('\\');
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(Wide(folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) continue;
    // A name Windows-1250 cannot spell cannot be opened by a program path either.
    const cp1250::Conversion name = cp1250::FromUtf8(win32::Utf8(found.cFileName));
    if (name.ok && std::string_view(name.text).starts_with(prefix)) names.push_back(name.text);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

LockResult FileLock::Take(std::string_view program_path) {
  Release();
  if (!Nameable(program_path)) return LockResult::Failed;
  // Shared in every way, so that readers and a save's rename over the file
  // are not refused while the lock is held.
  const HANDLE h = CreateFileW(Wide(NativePath(program_path)).c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LockResult::Failed;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    CloseHandle(h);
    return LockResult::Failed;
  }
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
    const DWORD error = GetLastError();
    CloseHandle(h);
    return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION ? LockResult::HeldElsewhere
                                                                             : LockResult::Failed;
  }
  FileId id;
  if (!IdOf(h, id)) {
    CloseHandle(h);
    return LockResult::Failed;
  }
  handle_ = reinterpret_cast<intptr_t>(h);
  HeldLocks().push_back({this, id});
  return LockResult::Taken;
}

void FileLock::Release() {
  if (handle_ == kNone) return;
  // Closing the handle drops its locks.
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = kNone;
  std::vector<HeldLock>& held = HeldLocks();
  for (auto it = held.begin(); it != held.end(); ++it) {
    if (it->lock == this) {
      held.erase(it);
      break;
    }
  }
}

}  // namespace platform
