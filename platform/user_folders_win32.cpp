// platform/user_folders.h on Windows. Native paths are UTF-8 strings; every
// std::filesystem path is made from UTF-16, since a narrow string would be
// read in the ANSI code page.
#include <windows.h>
// After windows.h, which it builds on.
#include <shlobj.h>
// windows.h's MoveFile macro would rename platform::MoveFile here.
#undef MoveFile

#include <filesystem>
#include <system_error>

#include "platform/user_folders.h"
#include "platform/win32_text.h"

namespace platform {

namespace fs = std::filesystem;
using win32::Utf8;
using win32::Wide;

namespace {

fs::path PathOf(const std::string& native) { return fs::path(Wide(native)); }
std::string NativeOf(const fs::path& path) { return Utf8(path.native()); }

}  // namespace

std::string ExecutableFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (n == 0) return {};
    if (n < name.size()) {
      name.resize(n);
      break;
    }
    name.resize(name.size() * 2);
  }
  return NativeOf(fs::path(name).parent_path());
}

std::string DataHome() {
  PWSTR folder = nullptr;
  std::string home;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder)))
    home = Utf8(folder);
  CoTaskMemFree(folder);
  if (home.empty()) {
    if (const wchar_t* appdata = _wgetenv(L"APPDATA")) home = Utf8(appdata);
  }
  return home;
}

// Windows keeps settings in the same roaming folder as the data: the program's
// settings and catalogues then share %APPDATA%\Corvala.
std::string ConfigHome() { return DataHome(); }

bool MoveFile(const std::string& from, const std::string& to) {
  // Across volumes the system copies and then deletes; a failed copy leaves
  // the file where it was. An existing target is not replaced, as on POSIX
  // where the caller moves only to a free name.
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MakeFolders(const std::string& native) {
  std::error_code error;
  fs::create_directories(PathOf(native), error);
  return FolderExists(native);
}

bool FolderExists(const std::string& native) {
  std::error_code error;
  return fs::is_directory(PathOf(native), error);
}

bool CopyFolderContents(const std::string& from, const std::string& to) {
  // Folder by folder and file by file: fs::copy of a folder would copy the
  // folder's attributes, which this library does not support on Windows.
  const fs::path source = PathOf(from);
  const fs::path target = PathOf(to);
  std::error_code error;
  fs::create_directories(target, error);
  if (error) return false;
  for (fs::recursive_directory_iterator it(source, error), end; !error && it != end; it.increment(error)) {
    const fs::path there = target / fs::relative(it->path(), source, error);
    if (error) break;
    if (it->is_directory(error)) fs::create_directories(there, error);
    else fs::copy_file(it->path(), there, fs::copy_options::skip_existing, error);
  }
  return !error;
}

std::string AbsolutePath(const std::string& native) {
  std::error_code error;
  const fs::path absolute = fs::absolute(PathOf(native), error);
  return error ? native : NativeOf(absolute.lexically_normal());
}

std::string InstalledFilesFolder() {
  // The installer leaves its uninstaller beside the program; a portable copy
  // (the zip) has none and works in its own folder.
  const std::string bin = ExecutableFolder();
  if (bin.empty() || GetFileAttributesW(Wide(bin + "\\uninstall.exe").c_str()) == INVALID_FILE_ATTRIBUTES) return {};
  return bin;
}

std::string UserDataFolder() {
  const std::string home = DataHome();
  return home.empty() ? std::string() : home + "\\Corvala";
}

std::string UserDataFolderHint() { return "%APPDATA%\\Corvala"; }

std::string SettingsFolderHint() { return "%APPDATA%\\Corvala"; }

namespace {

// The path the file system gives an existing folder or file: links and
// junctions followed, names spelt as on the disk. Empty when it cannot be opened.
std::wstring FinalPath(const std::wstring& path) {
  const HANDLE h = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::wstring out(MAX_PATH, L'\0');
  DWORD n = GetFinalPathNameByHandleW(h, out.data(), static_cast<DWORD>(out.size()), FILE_NAME_NORMALIZED);
  if (n >= out.size()) {
    out.resize(n + 1);
    n = GetFinalPathNameByHandleW(h, out.data(), static_cast<DWORD>(out.size()), FILE_NAME_NORMALIZED);
  }
  CloseHandle(h);
  if (n == 0 || n >= out.size()) return {};
  out.resize(n);
  // The answer is in the long-path form; the program's paths are plain ones.
  if (out.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\" + out.substr(7);
  if (out.rfind(L"\\\\?\\", 0) == 0) return out.substr(4);
  return out;
}

}  // namespace

std::string ResolvedPath(const std::string& native) {
  std::error_code error;
  const fs::path absolute = fs::absolute(PathOf(native), error);
  if (error) return native;
  const fs::path name = absolute.filename();
  // "x\.." as a last name is a folder, not a name to keep.
  if (name.empty() || name == L"." || name == L"..") {
    const std::wstring folder = FinalPath(absolute.lexically_normal().native());
    return folder.empty() ? NativeOf(absolute) : Utf8(folder);
  }
  const std::wstring folder = FinalPath(absolute.parent_path().native());
  return folder.empty() ? NativeOf(absolute) : NativeOf(fs::path(folder) / name);
}

bool NativeFileReadable(const std::string& native) {
  const HANDLE h = CreateFileW(Wide(native).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

bool ChangeFolder(const std::string& native) { return SetCurrentDirectoryW(Wide(native).c_str()) != 0; }

}  // namespace platform
