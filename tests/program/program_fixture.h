#pragma once
// The whole program started on the headless backend in a scratch folder that
// holds copies of the program's fonts and pictures, as an installed copy would.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/corvala.h"
#include "catalogue/cv_globals.h"
#include "platform/headless_backend.h"
#include "tests/support/recent_messages.h"

namespace program_test {

std::string ReadFile(const std::string& name);
void WriteFile(const std::string& name, std::string_view bytes);
bool Exists(const std::string& name);

// A database file of n records named "Hmlovina 1" ... with the given name.
std::string DatabaseBytes(std::string_view name, int n);

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program (fonts, forms); Start-up is split so that a test can
  // lay out files first.
  void Start();
  void Frame(int count = 1);
  // Presses and releases the left button at (x, y), one frame each.
  void Click(int x, int y);
  std::string Path(std::string_view name) const { return folder_ + "/" + std::string(name); }

  platform::HeadlessBackend backend_;
  std::string folder_;

 private:
  std::string previous_folder_;
  bool started_ = false;
};

}  // namespace program_test
