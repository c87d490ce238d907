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

}  // namespace
}  // namespace program_test
