#include "platform/files.h"

#include <cstdio>
#include <sys/stat.h>
#include <sys/types.h>

#include "platform/cp1250.h"

namespace platform {

std::string NativePath(std::string_view program_path) {
  std::string utf8 = cp1250::ToUtf8(program_path);
  for (char& c : utf8)
    if (c == '\\') c = '/';
  return utf8;
}

namespace {

// A NUL inside a name would silently cut the native path short and reach a
// different file, so such names name no file at all.
bool Nameable(std::string_view program_path) {
  return !program_path.empty() && program_path.find('\0') == std::string_view::npos;
}

}  // namespace

std::FILE* OpenFile(std::string_view program_path, const char* mode) {
  if (!Nameable(program_path)) return nullptr;
  return std::fopen(NativePath(program_path).c_str(), mode);
}

File Open(std::string_view program_path, const char* mode) { return File(OpenFile(program_path, mode)); }

int64_t FileLength(std::FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return -1;
  const long length = std::ftell(f);
  if (std::fseek(f, 0, SEEK_SET) != 0) return -1;
  return length;
}

bool FileExists(std::string_view program_path) {
  struct stat st {};
  return Nameable(program_path) && ::stat(NativePath(program_path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(std::string_view program_path) {
  return Nameable(program_path) && std::remove(NativePath(program_path).c_str()) == 0;
}

bool CreateFolder(std::string_view program_path) {
  return Nameable(program_path) && ::mkdir(NativePath(program_path).c_str(), 0777) == 0;
}

bool RenameFile(std::string_view from, std::string_view to) {
  return Nameable(from) && Nameable(to) && std::rename(NativePath(from).c_str(), NativePath(to).c_str()) == 0;
}

}  // namespace platform
