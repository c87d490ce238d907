// The program's idle frames allocate nothing: the main window with its clock
// ticking, a hovered button, an open menu and a dialog are checked, drawn and
// presented from memory that already exists.
#include <string>

#include "forms/cv_exit_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_fullscreen_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_open_form.h"
#include "program_fixture.h"
#include "tests/support/allocation_counter.h"

namespace program_test {
namespace {

class IdleFrameTest : public ProgramTest {
 protected:
  // Runs frames with the clock moving a second each and counts allocations.
  long Measure(int frames) {
    const long before = test_support::AllocationCount();
    for (int i = 0; i < frames; ++i) {
      Database->RunFrame();
      backend_.Advance(1000);
    }
    return test_support::AllocationCount() - before;
  }
};

TEST_F(IdleFrameTest, MainWindowHoverOpenMenuAndDialog) {
  // The counter itself works; otherwise every measure below would read 0.
  const long before = test_support::AllocationCount();
  std::string* volatile probe = new std::string(100, 'x');
  delete probe;
  ASSERT_GE(test_support::AllocationCount() - before, 1);

  WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 3));
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  Frame(3);
  EXPECT_EQ(Measure(30), 0);

  // Hovering a button, then an open menu with its entries listed.
  const TViewport& b = MainForm->OpenedWindowsButton->RealComponentPos;
  Click(b.X1 + 20, b.Y1 + 10);
  backend_.SetCursor(b.X1 + 21, b.Y1 + 10);
  Frame(3);
  EXPECT_TRUE(MainForm->OpenedWindowsItems[0]->Visible);
  EXPECT_EQ(Measure(30), 0);

  AskToQuit();
  Frame(3);
  EXPECT_EQ(Measure(30), 0);
}

TEST_F(IdleFrameTest, FileFormsItemViewAndFullScreenPicture) {
  WriteFile(Path("a.cvl"), DatabaseBytes("Hmloviny", 3));
  Start();
  Frame();
  OpenDatabaseFile("a.cvl");
  FileNewForm->Show(ST_Unmodal);
  FileNewForm->PathEdit->SetText("nový.cvl");
  InformationsForm->Open();
  ShowListItem(Nebulas[0]);
  ShowFullscreenPicture();
  Frame(3);
  EXPECT_EQ(Measure(30), 0);
}

// At rest the main window's picture changes only with its clock, so a window
// is repainted once a second, not every frame.
TEST_F(IdleFrameTest, MainWindowAtRestIsShownOnlyWhenTheClockChanges) {
  Start();
  Frame(3);
  uint64_t shown = backend_.ShownCount();
  for (int i = 0; i < 60; ++i) {
    Database->RunFrame();
    backend_.Advance(16);
  }
  // About a second went by: at most the clock's one change.
  EXPECT_LE(backend_.ShownCount() - shown, 1u);
  shown = backend_.ShownCount();
  backend_.Advance(1000);
  Frame();
  EXPECT_EQ(backend_.ShownCount() - shown, 1u);
  // The clock is the status bar; nothing above it was shown again.
  EXPECT_GE(backend_.LastShownRows().first, 700);
}

}  // namespace
}  // namespace program_test
