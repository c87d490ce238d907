#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <filesystem>

namespace fuzz {

std::string WriteScratchFile(const uint8_t* Data, std::size_t Size, const char* Extension) {
  static const std::string folder =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
  const std::string name = folder + "/corvala_fuzz_" + std::to_string(::getpid()) + Extension;
  std::FILE* f = std::fopen(name.c_str(), "wb");
  FUZZ_CHECK(f != nullptr);
  FUZZ_CHECK(std::fwrite(Data, 1, Size, f) == Size);
  FUZZ_CHECK(std::fclose(f) == 0);
  return name;
}

}  // namespace fuzz
