#pragma once
// Shared by the catalogue tests: a headless platform, a scratch folder, and
// files built byte by byte from the file tables rather than by our writer.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "catalogue/cv_globals.h"
#include "platform/headless_backend.h"
#include "tests/support/recent_messages.h"

namespace catalogue_test {

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& name);
void WriteFile(const std::string& name, std::string_view bytes);
bool Exists(const std::string& name);

// Little-endian stores into a byte image at a fixed offset.
void PutU8(std::string& bytes, std::size_t offset, uint8_t value);
void PutI32(std::string& bytes, std::size_t offset, int32_t value);
void PutF64(std::string& bytes, std::size_t offset, double value);
// A short string: the length byte, the text, and the rest left as it is.
void PutShort(std::string& bytes, std::size_t offset, std::string_view text);

// A 24-bit BMP of the given size filled with one colour.
std::string TinyBmp(int width, int height);

// Installs a headless backend and clears the catalogue's globals around each test.
class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  platform::HeadlessBackend backend_;
  ScratchFolder scratch_;
};

}  // namespace catalogue_test
