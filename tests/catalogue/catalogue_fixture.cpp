#include "catalogue_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/platform.h"
#include "tests/support/portable.h"

namespace catalogue_test {

ScratchFolder::ScratchFolder() {
  path_ = test_support::MakeScratchFolder("corvala-catalogue").string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& name, std::string_view bytes) {
  std::ofstream out(name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& name) { return std::filesystem::exists(name); }

void PutU8(std::string& bytes, std::size_t offset, uint8_t value) { bytes.at(offset) = static_cast<char>(value); }

void PutI32(std::string& bytes, std::size_t offset, int32_t value) {
  auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<char>(u >> (8 * i));
}

void PutF64(std::string& bytes, std::size_t offset, double value) {
  uint64_t u = 0;
  std::memcpy(&u, &value, 8);
  for (int i = 0; i < 8; ++i) bytes.at(offset + i) = static_cast<char>(u >> (8 * i));
}

void PutShort(std::string& bytes, std::size_t offset, std::string_view text) {
  PutU8(bytes, offset, static_cast<uint8_t>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) bytes.at(offset + 1 + i) = text[i];
}

std::string TinyBmp(int width, int height) {
  const int row = (width * 3 + 3) / 4 * 4;
  std::string b(54 + row * height, '\0');
  b[0] = 'B';
  b[1] = 'M';
  PutI32(b, 2, static_cast<int32_t>(b.size()));
  PutI32(b, 10, 54);
  PutI32(b, 14, 40);
  PutI32(b, 18, width);
  PutI32(b, 22, height);
  PutU8(b, 26, 1);
  PutU8(b, 28, 24);
  PutI32(b, 34, row * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      b[54 + y * row + x * 3 + 0] = 10;
      b[54 + y * row + x * 3 + 1] = 20;
      b[54 + y * row + x * 3 + 2] = 30;
    }
  return b;
}

void CatalogueTest::SetUp() {
  platform::Install(&backend_);
  RenewCatalogue();
  ClearRecentMessages();
  SetMessageHandler(nullptr);
}

void CatalogueTest::TearDown() {
  FreeThumbnails();
  RenewCatalogue();
  platform::Install(nullptr);
}

}  // namespace catalogue_test
