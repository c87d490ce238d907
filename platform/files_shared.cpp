#include "platform/files_shared.h"

#include <algorithm>

namespace platform {

namespace {
std::string g_resource_folder;
FileFaultHook g_fault = nullptr;
}  // namespace

void SetResourceFolder(std::string_view native) { g_resource_folder = native; }
void SetFileFaultHook(FileFaultHook hook) { g_fault = hook; }

File Open(std::string_view program_path, const char* mode) { return File(OpenFile(program_path, mode)); }

namespace files_shared {

bool Nameable(std::string_view program_path) {
  return !program_path.empty() && program_path.find('\0') == std::string_view::npos;
}

OpenMode ParseMode(std::string_view mode) {
  OpenMode m{};
  m.update = mode.find('+') != std::string_view::npos;
  m.read_only = mode.front() == 'r' && !m.update;
  m.truncate = mode.front() == 'w';
  m.append = mode.front() == 'a';
  m.exclusive = mode.find('x') != std::string_view::npos;
  m.fopen_mode.assign(mode);
  m.fopen_mode.erase(std::remove(m.fopen_mode.begin(), m.fopen_mode.end(), 'x'), m.fopen_mode.end());
  return m;
}

const std::string& ResourceFolder() { return g_resource_folder; }

int Fault(FileStep step) { return g_fault != nullptr ? g_fault(step) : 0; }

}  // namespace files_shared
}  // namespace platform
