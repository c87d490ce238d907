#pragma once
// A scratch copy of the program's runtime folders (Fonts, Pictures), entered
// for the life of the object and removed afterwards, so that a benchmark runs
// the program as it finds its files in the field without touching the tree.
// Header only: every .cpp in bench/ is a benchmark program of its own.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

class RuntimeFolder {
 public:
  RuntimeFolder() {
    namespace fs = std::filesystem;
    char pattern[] = "/tmp/corvala-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    path_ = pattern;
    const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
    fs::copy(data / "Fonts", fs::path(path_) / "Fonts", fs::copy_options::recursive);
    fs::copy(data / "Pictures", fs::path(path_) / "Pictures", fs::copy_options::recursive);
    previous_ = fs::current_path();
    fs::current_path(path_);
  }
  ~RuntimeFolder() {
    if (path_.empty()) return;
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  RuntimeFolder(const RuntimeFolder&) = delete;
  RuntimeFolder& operator=(const RuntimeFolder&) = delete;

 private:
  std::string path_;
  std::filesystem::path previous_;
};
