// platform/files.h on Windows: the program's Windows-1250 names become UTF-16
// for the wide-character calls, so that "č" or "ž" in a name reaches the
// right file whatever the system's ANSI code page.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/win32_file_lock.h"
#include "platform/win32_text.h"


namespace platform {

using win32::ErrnoFromWin32;
using win32::Wide;

namespace {

std::string g_resource_folder;

bool StartsWithFolder(std::string_view path, std::string_view folder) {
  return path.size() > folder.size() && path.substr(0, folder.size()) == folder &&
         (path[folder.size()] == '\\' || path[folder.size()] == '/');
}

// A NUL inside a name would silently cut the path short and reach a
// different file, so such names name no file at all.
bool Nameable(std::string_view program_path) {
  return !program_path.empty() && program_path.find('\0') == std::string_view::npos;
}

DWORD Attributes(const std::string& native) { return GetFileAttributesW(Wide(native).c_str()); }

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A name that opens as a file on a disk: not a device such as NUL or CON,
// which answer to any folder's name and which the attributes do not tell.
bool OnDisk(const std::wstring& path) {
  const HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool disk = GetFileType(h) == FILE_TYPE_DISK;
  CloseHandle(h);
  return disk;
}

}  // namespace

void SetResourceFolder(std::string_view native) { g_resource_folder = native; }

std::string NativePath(std::string_view program_path) {
  std::string utf8 = cp1250::ToUtf8(program_path);
  std::replace(utf8.begin(), utf8.end(), '/', '\\');
  if (!g_resource_folder.empty() && (StartsWithFolder(utf8, "Fonts") || StartsWithFolder(utf8, "Pictures")) &&
      Attributes(utf8) == INVALID_FILE_ATTRIBUTES)
    return g_resource_folder + "\\" + utf8;
  return utf8;
}

std::FILE* OpenFile(std::string_view program_path, const char* mode) {
  if (!Nameable(program_path)) {
    errno = ENOENT;
    return nullptr;
  }
  const std::string_view m = mode;
  const bool update = m.find('+') != std::string_view::npos;
  DWORD access = update ? GENERIC_READ | GENERIC_WRITE : m.front() == 'r' ? GENERIC_READ : GENERIC_WRITE;
  DWORD creation = OPEN_EXISTING;
  if (m.front() == 'w') creation = CREATE_ALWAYS;
  if (m.front() == 'a') {
    creation = OPEN_ALWAYS;
    access = update ? GENERIC_READ | FILE_APPEND_DATA : FILE_APPEND_DATA;
  }
  if (m.find('x') != std::string_view::npos) creation = CREATE_NEW;
  // Other programs may read and even replace the file while it is open, as
  // on POSIX; a save renames over it.
  HANDLE h = CreateFileW(Wide(NativePath(program_path)).c_str(), access,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, creation,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    // A folder refuses to open without backup semantics: no such file.
    errno = error == ERROR_ACCESS_DENIED && IsFolder(Attributes(NativePath(program_path))) ? ENOENT
                                                                                           : ErrnoFromWin32(error);
    return nullptr;
  }
  // Only files on a disk: a console, a pipe or a device such as NUL is refused
  // like a missing file, so that no read or write can hang on one.
  if (GetFileType(h) != FILE_TYPE_DISK) {
    CloseHandle(h);
    errno = ENOENT;
    return nullptr;
  }
  int flags = _O_BINARY | (update ? _O_RDWR : m.front() == 'r' ? _O_RDONLY : _O_WRONLY);
  if (m.front() == 'a') flags |= _O_APPEND;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
  if (fd < 0) {
    CloseHandle(h);
    return nullptr;
  }
  std::string fmode(m);
  fmode.erase(std::remove(fmode.begin(), fmode.end(), 'x'), fmode.end());
  std::FILE* f = _fdopen(fd, fmode.c_str());
  if (f == nullptr) _close(fd);
  return f;
}

File Open(std::string_view program_path, const char* mode) { return File(OpenFile(program_path, mode)); }

int64_t FileLength(std::FILE* f) {
  if (_fseeki64(f, 0, SEEK_END) != 0) return -1;
  const int64_t length = _ftelli64(f);
  if (_fseeki64(f, 0, SEEK_SET) != 0) return -1;
  return length;
}

bool FileExists(std::string_view program_path) {
  if (!Nameable(program_path)) return false;
  const std::string native = NativePath(program_path);
  const DWORD a = Attributes(native);
  return a != INVALID_FILE_ATTRIBUTES && !IsFolder(a) && (a & FILE_ATTRIBUTE_DEVICE) == 0 && OnDisk(Wide(native));
}

bool RemoveFile(std::string_view program_path) {
  return Nameable(program_path) && DeleteFileW(Wide(NativePath(program_path)).c_str()) != 0;
}

bool CreateFolder(std::string_view program_path) {
  return Nameable(program_path) && CreateDirectoryW(Wide(NativePath(program_path)).c_str(), nullptr) != 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
  if (!Nameable(from) || !Nameable(to)) return false;
  win32::DropOwnLocksOn(Wide(NativePath(to)));
  return MoveFileExW(Wide(NativePath(from)).c_str(), Wide(NativePath(to)).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

namespace {

FileFaultHook g_fault = nullptr;

int Fault(FileStep step) { return g_fault != nullptr ? g_fault(step) : 0; }

WriteResult Failed(WriteFailure failure, int error) { return WriteResult{failure, error}; }

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return L".";
  return path.substr(0, slash);
}

bool WriteAll(HANDLE h, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

void SetFileFaultHook(FileFaultHook hook) { g_fault = hook; }

WriteResult ReplaceFile(std::string_view program_path, std::string_view bytes) {
  if (!Nameable(program_path)) return Failed(WriteFailure::Io, ENOENT);
  const std::wstring target = Wide(NativePath(program_path));
  const DWORD attributes = GetFileAttributesW(target.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return Failed(WriteFailure::Io, ErrnoFromWin32(error));
  }
  if (exists && ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 || !OnDisk(target)))
    return Failed(WriteFailure::NotRegular, EINVAL);
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return Failed(WriteFailure::ReadOnly, EACCES);
  const std::wstring folder = FolderOf(target);

  // The new bytes go to a file of a short name of its own in the same folder
  // (so that the final rename never crosses volumes), deleted unless renamed.
  if (const int e = Fault(FileStep::CreateTemporary)) return Failed(WriteFailure::Io, e);
  std::wstring temporary;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int attempt = 0; h == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
    temporary = folder + L"\\.corvala-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
    h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
      return Failed(WriteFailure::Io, ErrnoFromWin32(GetLastError()));
  }
  if (h == INVALID_HANDLE_VALUE) return Failed(WriteFailure::Io, EEXIST);
  auto fail = [&](int error) {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    DeleteFileW(temporary.c_str());
    return Failed(WriteFailure::Io, error);
  };
  if (const int e = Fault(FileStep::Write)) return fail(e);
  if (!WriteAll(h, bytes)) return fail(ErrnoFromWin32(GetLastError()));
  if (const int e = Fault(FileStep::SyncFile)) return fail(e);
  if (!FlushFileBuffers(h)) return fail(ErrnoFromWin32(GetLastError()));
  const bool closed = CloseHandle(h) != 0;
  h = INVALID_HANDLE_VALUE;
  if (!closed) return fail(ErrnoFromWin32(GetLastError()));
  if (const int e = Fault(FileStep::Rename)) return fail(e);
  // An open file cannot be renamed over on Windows; this process's own lock
  // on the old file would not cover the new one anyway.
  if (exists) win32::DropOwnLocksOn(target);
  // ReplaceFileW keeps the old file's attributes and permissions; where it
  // cannot (another volume's file system, a file just removed) the rename
  // with write-through does the same job without them.
  bool replaced = exists && ::ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
  if (!replaced &&
      MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0)
    return fail(ErrnoFromWin32(GetLastError()));
  // The rename reached the disk with MOVEFILE_WRITE_THROUGH; the folder step
  // is still asked so that injected faults act on both systems alike.
  if (const int e = Fault(FileStep::SyncFolder)) return Failed(WriteFailure::Io, e);
  return WriteResult{};
}

}  // namespace platform
