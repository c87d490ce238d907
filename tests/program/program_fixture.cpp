#include "program_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/cv_settings.h"
#include "tests/support/portable.h"

namespace fs = std::filesystem;

namespace program_test {

std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& name, std::string_view bytes) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& name) { return fs::exists(name); }

std::string DatabaseBytes(std::string_view name, int n) {
  TDatabaseInfo info;
  info.NameOfDatabase = name;
  info.Autor = "Autor";
  info.NumberOfItems = n;
  TNebulas records(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    records[i].IndexOfItem = i + 1;
    records[i].NameOfNebula = "Hmlovina " + std::to_string(i + 1);
    records[i].NGC = 1000 + i;
  }
  std::string bytes;
  EncodeDatabase(info, records, bytes);
  return bytes;
}

void ProgramTest::SetUp() {
  platform::Install(&backend_);
  folder_ = test_support::MakeScratchFolder("corvala-program").string();
  const fs::path data = fs::path(CORVALA_SOURCE_DIR) / "data";
  fs::copy(data / "Fonts", fs::path(folder_) / "Fonts", fs::copy_options::recursive);
  fs::copy(data / "Pictures", fs::path(folder_) / "Pictures", fs::copy_options::recursive);
  previous_folder_ = fs::current_path().string();
  fs::current_path(folder_);
  RenewCatalogue();
  ClearRecentMessages();
  Settings = TSettings();
}

void ProgramTest::Start() {
  CreateDatabaseApplication();
  started_ = true;
}

void ProgramTest::TearDown() {
  if (started_) ReleaseDatabaseApplication();
  fs::current_path(previous_folder_);
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  platform::Install(nullptr);
}

void ProgramTest::Frame(int count) {
  for (int i = 0; i < count; ++i) {
    Database->RunFrame();
    backend_.Advance(20);
  }
}

void ProgramTest::Click(int x, int y) {
  backend_.SetCursor(x, y);
  Frame();
  backend_.SetKey(1, true);
  Frame();
  backend_.SetKey(1, false);
  Frame();
}

}  // namespace program_test
