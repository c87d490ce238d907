// The program's idle frames allocate nothing: the main window with its clock
// ticking, a hovered button, an open menu and a dialog are checked, drawn and
// presented from memory that already exists. Between frames the program may
// rest only until its screen next changes by the clock.
#include <algorithm>
#include <string>

#include "forms/cv_exit_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_fullscreen_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_item_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_open_form.h"
#include "platform/vk.h"
#include "program_fixture.h"
#include "tests/support/allocation_counter.h"
#include "vc/vc_base.h"

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
  ShowListItem(Catalogue().Nebulas[0]);
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

// The rest a frame allows (the backend sleeps that long without input) must
// end no later than the screen's next change: frames drawn half-way and a
// millisecond before its end show nothing new, while the change itself comes
// when the rest ends. Checked with the clock at an odd millisecond.
class IdleWaitTest : public ProgramTest {
 protected:
  void StartAt(uint16_t Millisecond) {
    platform::SystemTime t;
    t.Year = 2026;
    t.Month = 12;
    t.Day = 9;
    t.Hour = 21;
    t.Minute = 59;
    t.Second = 57;
    t.Milliseconds = Millisecond;
    backend_.SetClock(t, 60);
    Start();
    Frame(3);
  }
  // Walks through `Changes` changes of the screen; returns the longest rest seen.
  uint32_t ExpectRestsEndByTheNextChange(int Changes, const char* Scene) {
    uint32_t longest = 0;
    Database->RunFrame();  // a rest is counted from the frame that allowed it
    for (int i = 0; i < Changes; ++i) {
      uint32_t wait = backend_.IdleWait();
      EXPECT_GE(wait, 1u) << Scene;
      EXPECT_LE(wait, LONGEST_REST) << Scene;
      longest = std::max(longest, wait);
      const uint64_t shown = backend_.ShownCount();
      for (uint32_t step : {wait / 2, wait - 1 - wait / 2}) {
        if (step == 0) continue;
        backend_.Advance(step);
        Database->RunFrame();
        EXPECT_EQ(backend_.ShownCount(), shown) << Scene << ": the screen changed during a rest of " << wait << " ms";
      }
      // Whatever is left of the rest, and the change is due.
      while (backend_.ShownCount() == shown && (wait = backend_.IdleWait()) <= 1) {
        backend_.Advance(1);
        Database->RunFrame();
      }
      EXPECT_GT(backend_.ShownCount(), shown) << Scene << ": the rest ended with nothing new";
    }
    return longest;
  }
};

TEST_F(IdleWaitTest, RestsLastUntilTheClockTheCaretOrTheObservatoryChanges) {
  StartAt(137);
  EXPECT_GT(ExpectRestsEndByTheNextChange(4, "main window"), 800u);

  FileNewForm->Show(ST_Unmodal);  // its name field has the focus: the caret blinks
  Frame();
  EXPECT_LE(ExpectRestsEndByTheNextChange(6, "caret"), 501u);
  FileNewForm->Hide();
  Frame();

  // The observatory at normal speed: its minute turns with the status clock's
  // seconds; faster, the map moves every few milliseconds.
  ObservatoryForm->Show(ST_Unmodal);
  Frame();
  ExpectRestsEndByTheNextChange(5, "observatory");
  ObservatoryForm->Clock.Speed = 3;
  Frame();
  EXPECT_LE(backend_.IdleWait(), 10u);

  // A held key repeats by the clock: no rest while it is down.
  backend_.SetKey(vk::DOWN, true);
  Frame();
  EXPECT_EQ(backend_.IdleWait(), 0u);
}

}  // namespace
}  // namespace program_test
