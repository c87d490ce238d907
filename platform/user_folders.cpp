#include "platform/user_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

std::string ExecutableFolder() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.parent_path().string();
}

std::string DataHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  // Relative values are invalid by the XDG rules and are ignored.
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.local/share";
  return {};
}

std::string ConfigHome() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return std::string(home) + "/.config";
  return {};
}

bool MoveFile(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(from, to, error);
  if (!error) return true;
  if (!fs::copy_file(from, to, fs::copy_options::none, error) || error) return false;
  fs::remove(from, error);
  return true;
}

bool MakeFolders(const std::string& native) {
  std::error_code error;
  fs::create_directories(native, error);
  return FolderExists(native);
}

bool FolderExists(const std::string& native) {
  std::error_code error;
  return fs::is_directory(native, error);
}

bool CopyFolderContents(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
  return !error;
}

std::string AbsolutePath(const std::string& native) {
  std::error_code error;
  const fs::path absolute = fs::absolute(native, error);
  return error ? native : absolute.lexically_normal().string();
}

std::string InstalledFilesFolder() {
  const std::string bin = ExecutableFolder();
  return bin.empty() ? std::string() : bin + "/../share/corvala";
}

std::string UserDataFolder() {
  const std::string home = DataHome();
  return home.empty() ? std::string() : home + "/corvala";
}

std::string UserDataFolderHint() { return "$XDG_DATA_HOME/corvala (inak ~/.local/share/corvala)"; }

std::string SettingsFolderHint() { return "$XDG_CONFIG_HOME/corvala\n(inak ~/.config/corvala)"; }

bool NativeFileReadable(const std::string& native) { return ::access(native.c_str(), R_OK) == 0; }

bool ChangeFolder(const std::string& native) { return ::chdir(native.c_str()) == 0; }

}  // namespace platform

namespace platform {

std::string ResolvedPath(const std::string& native) {
  std::error_code error;
  const fs::path absolute = fs::absolute(native, error);
  if (error) return native;
  // "x/.." as a last name is a folder, not a name to keep.
  const fs::path name = absolute.filename();
  if (name.empty() || name == "." || name == "..") {
    const fs::path folder = fs::canonical(absolute, error);
    return error ? absolute.string() : folder.string();
  }
  const fs::path folder = fs::canonical(absolute.parent_path(), error);
  return error ? absolute.string() : (folder / name).string();
}

}  // namespace platform
