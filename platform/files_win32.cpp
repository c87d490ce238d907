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
#include "platform/files_shared.h"
#include "platform/win32_file_lock.h"
#include "platform/win32_text.h"


namespace platform {

using files_shared::Failed;
using files_shared::Fault;
using files_shared::Nameable;
using files_shared::Unnameable;
using win32::ErrnoFromWin32;
using win32::Wide;

namespace {

bool StartsWithFolder(std::string_view path, std::string_view folder) {
  return path.size() > folder.size() && path.substr(0, folder.size()) == folder &&
         (path[folder.size()] == '\\' || path[folder.size()] == '/');
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

std::string NativePath(std::string_view program_path) {
  std::string utf8 = cp1250::ToUtf8(program_path);
  std::replace(utf8.begin(), utf8.end(), '/', '\\');
  const std::string& resources = files_shared::ResourceFolder();
  if (!resources.empty() && (StartsWithFolder(utf8, "Fonts") || StartsWithFolder(utf8, "Pictures")) &&
      Attributes(utf8) == INVALID_FILE_ATTRIBUTES)
    return resources + "\\" + utf8;
  return utf8;
}

std::FILE* OpenFile(std::string_view program_path, const char* mode) {
  if (!Nameable(program_path)) {
    errno = ENOENT;
    return nullptr;
  }
  const files_shared::OpenMode m = files_shared::ParseMode(mode);
  DWORD access = m.update ? GENERIC_READ | GENERIC_WRITE : m.read_only ? GENERIC_READ : GENERIC_WRITE;
  DWORD creation = OPEN_EXISTING;
  if (m.truncate) creation = CREATE_ALWAYS;
  if (m.append) {
    creation = OPEN_ALWAYS;
    access = m.update ? GENERIC_READ | FILE_APPEND_DATA : FILE_APPEND_DATA;
  }
  if (m.exclusive) creation = CREATE_NEW;
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
  int flags = _O_BINARY | (m.update ? _O_RDWR : m.read_only ? _O_RDONLY : _O_WRONLY);
  if (m.append) flags |= _O_APPEND;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags);
  if (fd < 0) {
    CloseHandle(h);
    return nullptr;
  }
  std::FILE* f = _fdopen(fd, m.fopen_mode.c_str());
  if (f == nullptr) _close(fd);
  return f;
}

FileResult<int64_t> FileLength(std::FILE* f) {
  if (_fseeki64(f, 0, SEEK_END) != 0) return {FileError::Io, {}, errno};
  const int64_t length = _ftelli64(f);
  if (length < 0 || _fseeki64(f, 0, SEEK_SET) != 0) return {FileError::Io, {}, errno};
  return {FileError::None, {}, 0, length};
}

bool FileExists(std::string_view program_path) {
  if (!Nameable(program_path)) return false;
  const std::string native = NativePath(program_path);
  const DWORD a = Attributes(native);
  return a != INVALID_FILE_ATTRIBUTES && !IsFolder(a) && (a & FILE_ATTRIBUTE_DEVICE) == 0 && OnDisk(Wide(native));
}

namespace {

// The result of a Win32 call that reports failure through GetLastError.
FileResult<> Done(bool succeeded) {
  if (succeeded) return {};
  return {FileError::Io, {}, ErrnoFromWin32(GetLastError())};
}

}  // namespace

FileResult<> RemoveFile(std::string_view program_path) {
  if (!Nameable(program_path)) return Unnameable();
  return Done(DeleteFileW(Wide(NativePath(program_path)).c_str()) != 0);
}

FileResult<> CreateFolder(std::string_view program_path) {
  if (!Nameable(program_path)) return Unnameable();
  return Done(CreateDirectoryW(Wide(NativePath(program_path)).c_str(), nullptr) != 0);
}

FileResult<> RenameFile(std::string_view from, std::string_view to) {
  if (!Nameable(from) || !Nameable(to)) return Unnameable();
  win32::DropOwnLocksOn(Wide(NativePath(to)));
  return Done(MoveFileExW(Wide(NativePath(from)).c_str(), Wide(NativePath(to)).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0);
}

namespace {


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

FileResult<> ReplaceFile(std::string_view program_path, std::string_view bytes) {
  if (!Nameable(program_path)) return Unnameable();
  const std::wstring target = Wide(NativePath(program_path));
  const DWORD attributes = GetFileAttributesW(target.c_str());
  bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) return Failed(FileError::Io, ErrnoFromWin32(error));
  }
  if (exists && ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 || !OnDisk(target)))
    return Failed(FileError::NotRegular, EINVAL);
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return Failed(FileError::ReadOnly, EACCES);
  const std::wstring folder = FolderOf(target);

  // The new bytes go to a file of a short name of its own in the same folder
  // (so that the final rename never crosses volumes), deleted unless renamed.
  if (const int e = Fault(FileStep::CreateTemporary)) return Failed(FileError::Io, e);
  std::wstring temporary;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int attempt = 0; h == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
    temporary = folder + L"\\.corvala-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt);
    h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
      return Failed(FileError::Io, ErrnoFromWin32(GetLastError()));
  }
  if (h == INVALID_HANDLE_VALUE) return Failed(FileError::Io, EEXIST);
  auto fail = [&](int error) {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    DeleteFileW(temporary.c_str());
    return Failed(FileError::Io, error);
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
  if (const int e = Fault(FileStep::SyncFolder)) return Failed(FileError::Io, e);
  return {};
}

}  // namespace platform
