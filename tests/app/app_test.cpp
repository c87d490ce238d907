// The application object: the frame loop's order, Tab and Control+Shift,
// re-activation, modal blocking, menus over moving forms, the cursor shape,
// the close request and shutdown.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "vc/vc_app.h"
#include "platform/files.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace {

std::vector<std::string> journal;

struct ProcessEnded {
  int status;
};

[[noreturn]] void ThrowingExit(int status) { throw ProcessEnded{status}; }

class TLoggedForm : public TForm {
 public:
  std::string Name;
  int Checks = 0, Draws = 0, Shows = 0, Clicks = 0;
  void OnCheck() override { ++Checks; }
  void OnDraw() override { ++Draws; }
  void OnShow() override { ++Shows; }
  void OnMouseLeftClick(int32_t, int32_t) override { ++Clicks; }
  void OnFree() override { journal.push_back(Name + ".Free"); }
};

class TCountingButton : public TButton {
 public:
  int Clicks = 0;
  void OnMouseLeftClick(int32_t, int32_t) override { ++Clicks; }
};

// Shows a form as a modal one when clicked.
class TModalOpener : public TButton {
 public:
  TForm* Target = nullptr;
  void OnMouseLeftClick(int32_t, int32_t) override { Target->Show(ST_Modal); }
};

class TTestApplication : public TApplication {
 public:
  void Prologue() override { journal.push_back("Prologue"); }
  void OnStartCycle() override { journal.push_back("Start"); }
  void OnEndCycle() override {
    journal.push_back("End");
    if (FramesLeft > 0 && --FramesLeft == 0) Finish = true;
  }
  void Epilogue() override { journal.push_back("Epilogue"); }
  void OnFree() override { journal.push_back("App.Free"); }
  int FramesLeft = 0;
};

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(CORVALA_SOURCE_DIR) / "data");
    platform::Install(&host);
    RenewToolkit();
    SetExitHook(&ThrowingExit);
    app = new TTestApplication();
    app->Create("Corvala test");
  }
  void TearDown() override {
    if (app != nullptr) {
      try {
        app->Free();
      } catch (const ProcessEnded&) {
      }
    }
    SetExitHook(nullptr);
    RenewToolkit();
    platform::Install(nullptr);
    std::filesystem::current_path(previous);
  }

  // Ends the application as the program does; returns the exit status.
  int FreeApplication() {
    int status = -1;
    try {
      app->Free();
    } catch (const ProcessEnded& e) {
      status = e.status;
    }
    app = nullptr;
    return status;
  }

  TLoggedForm* MakeForm(TOwned<TLoggedForm>& slot, const std::string& name, TPositionType type, int x, int y,
                        uint32_t w = 300, uint32_t h = 200) {
    slot = new TLoggedForm();
    slot->Name = name;
    slot->CreateComponent(&slot, type, FS_Classic, name, w, h);
    slot->CenterX = false;
    slot->CenterY = false;
    slot->SetX(x);
    slot->SetY(y);
    return slot.Get();
  }

  void Button(TOwned<TCountingButton>& slot, int x, int y) {
    slot = new TCountingButton();
    slot->CreateComponent(&slot, true, BS_Classic, "Tlačidlo", x, y, 80, 20);
    Toolkit().ActualComponent = slot->MotherComponent;
  }

  void Frame() {
    app->RunFrame();
    host.Advance(20);
  }
  void Press(int key) {
    host.SetKey(key, true);
    Frame();
    host.SetKey(key, false);
    Frame();
  }
  void Click(int x, int y) {
    host.SetCursor(x, y);
    Frame();
    Press(vk::LBUTTON);
  }

  std::filesystem::path previous;
  platform::HeadlessBackend host;
  TTestApplication* app = nullptr;
  // Slots outlive the application's Free, which empties them.
  TOwned<TCountingButton> b1, b2, b3;
  TOwned<TModalOpener> opener;
  TOwned<TMenuItem> fileItem, openItem;
  TOwned<TLoggedForm> f1, f2, f3;
};

TEST_F(AppTest, CreateOpensTheDisplayAndLoadsTheDefaultFont) {
  EXPECT_TRUE(host.DisplayOpen());
  EXPECT_EQ(host.Title(), "Corvala test");
  ASSERT_EQ(LoadedFonts.size(), 1u);
  EXPECT_TRUE(LoadedFonts[0]->Loaded);
  EXPECT_EQ(Toolkit().DoubleClickTime, static_cast<int32_t>(platform::HeadlessBackend::kDoubleClickTime));
}

TEST_F(AppTest, RunCallsTheHooksInOrderUntilFinish) {
  app->FramesLeft = 2;
  const uint64_t before = host.FrameCount();
  app->Run();
  EXPECT_EQ(journal, (std::vector<std::string>{"Prologue", "Start", "End", "Start", "End", "Epilogue"}));
  EXPECT_EQ(host.FrameCount(), before + 2);
}

TEST_F(AppTest, FreeReleasesFormsTopFirstAndEndsWithStatusZero) {
  MakeForm(f1, "f1", PT_Normal, 10, 10);
  MakeForm(f2, "f2", PT_Normal, 10, 10);
  f1->Show(ST_Unmodal);  // now above f2
  journal.clear();
  EXPECT_EQ(FreeApplication(), 0);
  EXPECT_EQ(journal, (std::vector<std::string>{"App.Free", "f1.Free", "f2.Free"}));
  EXPECT_TRUE(Toolkit().OpenedWindows.empty());
  EXPECT_TRUE(LoadedFonts.empty());
  EXPECT_FALSE(host.DisplayOpen());
  EXPECT_FALSE(f1);
}

TEST_F(AppTest, AMissingOrDamagedDefaultFontEndsTheProgramWithAMessageAndAFailure) {
  const std::filesystem::path empty = std::filesystem::temp_directory_path() / "corvala_app_test_nofont";
  std::filesystem::remove_all(empty);
  std::filesystem::create_directories(empty);
  std::filesystem::current_path(empty);
  ASSERT_EQ(FreeApplication(), 0);
  for (int damaged = 0; damaged < 2; ++damaged) {
    if (damaged) {
      std::filesystem::create_directory("Fonts");
      std::ofstream("Fonts/Tahoma_10pt_normal.fnt") << "not a font";
    }
    auto* second = new TTestApplication();
    int status = -1;
    testing::internal::CaptureStderr();
    try {
      second->Create("again");
    } catch (const ProcessEnded& e) {
      status = e.status;
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find(platform::NativePath("Fonts\\Tahoma_10pt_normal.fnt")), std::string::npos) << err;
    EXPECT_FALSE(host.DisplayOpen()) << "the failed start-up has released everything";
  }
  // Windows removes no folder that is a process's current one.
  std::filesystem::current_path(empty.parent_path());
  std::filesystem::remove_all(empty);
}

TEST_F(AppTest, CloseRequestReachesTheHook) {
  host.RequestClose();
  Frame();
  EXPECT_TRUE(app->Finish);
}

TEST_F(AppTest, TabSkipsDisabledComponentsAndWraps) {
  MakeForm(f1, "f1", PT_Normal, 100, 100)->Show(ST_Unmodal);
  Button(b1, 10, 10);
  Button(b2, 10, 40);
  Button(b3, 10, 70);
  b2->Enable = false;
  b1->CatchFocus();
  Frame();
  Press(vk::TAB);
  EXPECT_EQ(Toolkit().Focused, &b3);
  Press(vk::TAB);
  EXPECT_EQ(Toolkit().Focused, &f1->MinimizeButton) << "wraps to the first title button";
  EXPECT_EQ(f1->PositionOfFocusedComponent, 0u);
}

TEST_F(AppTest, TabWithNothingElseFocusableKeepsTheStartingEntry) {
  MakeForm(f1, "f1", PT_Normal, 100, 100)->Show(ST_Unmodal);
  f1->IsExitButton = f1->IsMinimizeButton = f1->IsMaximizeButton = false;
  Button(b1, 10, 10);
  b1->Enable = false;
  b1->CatchFocus();
  Frame();
  Press(vk::TAB);
  EXPECT_EQ(Toolkit().Focused, &b1);
}

TEST_F(AppTest, EnterHeldWhileTabBringsTheFocusClicksOnlyAfterARelease) {
  MakeForm(f1, "f1", PT_Normal, 100, 100)->Show(ST_Unmodal);
  Button(b1, 10, 10);
  Button(b2, 10, 40);
  b1->CatchFocus();
  Frame();
  host.SetKey(vk::RETURN, true);
  Frame();  // b1 sees the Enter press
  Press(vk::TAB);
  EXPECT_EQ(Toolkit().Focused, &b2);
  host.SetKey(vk::RETURN, false);
  Frame();
  EXPECT_EQ(b2->Clicks, 0) << "the release of a key held before the focus came is no click";
  Press(vk::RETURN);
  EXPECT_EQ(b2->Clicks, 1);
}

TEST_F(AppTest, ControlShiftCyclesFormsInCreationOrderSkippingDisabledOnes) {
  MakeForm(f1, "f1", PT_Normal, 10, 10)->Show(ST_Unmodal);
  MakeForm(f2, "f2", PT_Normal, 100, 100)->Show(ST_Unmodal);
  MakeForm(f3, "f3", PT_Normal, 200, 200)->Show(ST_Unmodal);
  f2->Enable = false;
  f1->Replace_To_The_Top();
  Frame();
  host.SetKey(vk::CONTROL, true);
  Press(vk::SHIFT);
  EXPECT_EQ(Toolkit().ActiveForm, &f3);
  EXPECT_EQ(Toolkit().OpenedWindows.back(), &f3);
  EXPECT_EQ(Toolkit().Focused, &f3->MinimizeButton);
  EXPECT_EQ(f3->Shows, 2);
  Press(vk::SHIFT);
  EXPECT_EQ(Toolkit().ActiveForm, &f1) << "wraps past the end of the creation order";
  host.SetKey(vk::CONTROL, false);
  Frame();
}

TEST_F(AppTest, HidingTheActiveFormActivatesTheTopmostRemainingOne) {
  MakeForm(f1, "f1", PT_Normal, 10, 10)->Show(ST_Unmodal);
  MakeForm(f2, "f2", PT_Normal, 100, 100)->Show(ST_Unmodal);
  MakeForm(f3, "f3", PT_Normal, 200, 200)->Show(ST_Unmodal);
  Frame();
  f3->Hide();
  Frame();
  EXPECT_EQ(Toolkit().ActiveForm, &f2);
  EXPECT_EQ(f2->Shows, 2) << "re-activation calls OnShow again";
}

TEST_F(AppTest, ModalFormBlocksInputBelowButEverythingIsDrawn) {
  MakeForm(f1, "f1", PT_Normal, 100, 100, 600, 400)->Show(ST_Unmodal);
  MakeForm(f2, "f2", PT_Normal, 300, 300, 100, 50)->Show(ST_Modal);
  Frame();
  const int checks = f1->Checks, draws = f1->Draws;
  Click(150, 200);  // on f1, away from the modal form
  EXPECT_EQ(f1->Checks, checks) << "no Check below a visible modal form";
  EXPECT_EQ(f1->Clicks, 0);
  EXPECT_EQ(f1->Draws, draws + 3) << "drawn in every one of the three frames";
  EXPECT_EQ(Toolkit().OpenedWindows.back(), &f2) << "a click below does not raise the lower form";
  f2->Hide();
  Click(150, 200);
  EXPECT_EQ(f1->Clicks, 1);
}

TEST_F(AppTest, AModalFormShownFromLowerInTheListStopsTheInputPassAtOnce) {
  // The question was created first, so it lies at the bottom of the list.
  MakeForm(f1, "question", PT_Normal, 400, 400, 100, 50);
  MakeForm(f2, "below", PT_Normal, 10, 10, 600, 400)->Show(ST_Unmodal);
  MakeForm(f3, "opener", PT_Normal, 100, 100, 200, 100)->Show(ST_Unmodal);
  opener = new TModalOpener();
  opener->CreateComponent(&opener, true, BS_Classic, "Otázka", 10, 10, 80, 20);
  opener->Target = f1.Get();
  host.SetCursor(100 + 6 + 20, 100 + 32 + 15);
  Frame();
  host.SetKey(vk::LBUTTON, true);
  Frame();
  const int openerChecks = f3->Checks, belowChecks = f2->Checks;
  host.SetKey(vk::LBUTTON, false);
  Frame();
  ASSERT_EQ(Toolkit().OpenedWindows.back(), &f1) << "the click showed the question on top";
  EXPECT_EQ(f3->Checks, openerChecks + 1) << "the opener is checked once";
  EXPECT_EQ(f2->Checks, belowChecks) << "nothing below the new modal form gets input";
  Frame();
  EXPECT_EQ(f3->Checks, openerChecks + 1);
}

TEST_F(AppTest, CursorTurnsToAHandOverButtons) {
  MakeForm(f1, "f1", PT_Normal, 100, 100)->Show(ST_Unmodal);
  Button(b1, 10, 10);
  host.SetCursor(100 + 6 + 20, 100 + 32 + 15);
  Frame();
  EXPECT_EQ(host.Cursor(), platform::CursorShape::Hand);
  EXPECT_EQ(Toolkit().MouseCursor, MC_Hand);
  host.SetCursor(300, 300);
  Frame();
  EXPECT_EQ(host.Cursor(), platform::CursorShape::Arrow);
}

class MenuAppTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    MakeForm(f1, "f1", PT_Normal, 100, 100, 400, 300)->Show(ST_Unmodal);
    MakeForm(f2, "f2", PT_Normal, 200, 300, 400, 300)->Show(ST_Unmodal);
    Toolkit().ActualComponent = &f1;
    Toolkit().ActualForm = &f1;
    fileItem = new TMenuItem();
    fileItem->CreateComponent(&fileItem, true, MIT_Button, BS_Classic, "Súbor", 10, 10, 60, 15);
    Toolkit().ActualComponent = &f1;
    openItem = new TMenuItem();
    // Hangs below the main item, far over the lower edge of its form.
    openItem->CreateComponent(&openItem, false, MIT_Button, BS_Classic, "Otvoriť", 10, 250, 100, 15);
    openItem->SuperiorMenuItems.push_back(&fileItem);
    Toolkit().ActualComponent = nullptr;
  }
};

TEST_F(MenuAppTest, OpenSubmenuIsDrawnAndHitAboveOtherForms) {
  Frame();
  EXPECT_FALSE(openItem->Visible);
  Click(100 + 6 + 20, 100 + 32 + 15);  // the main item
  EXPECT_EQ(Toolkit().ActiveComponent, &fileItem);
  EXPECT_TRUE(openItem->Visible);
  // The submenu item lies over f2; f2 is on top of f1 but gets nothing.
  const TViewport r = openItem->RealComponentPos;
  const int f2Clicks = f2->Clicks;
  host.SetCursor(r.X1 + 20, r.Y1 + 10);
  Frame();
  EXPECT_TRUE(openItem->PMouseIs);
  EXPECT_EQ(f2->Clicks, f2Clicks);
}

TEST_F(MenuAppTest, SubmenuFollowsAFormMovedDuringTheFormsInput) {
  Click(100 + 6 + 20, 100 + 32 + 15);
  ASSERT_TRUE(openItem->Visible);
  // A form moved by the program while its submenu is open: the position pass
  // puts the submenu at the new place in the same frame.
  f1->SetX(150);
  Frame();
  EXPECT_EQ(openItem->RealComponentPos.X1, 150 + 6 + 10);
  EXPECT_TRUE(openItem->Visible);
}

TEST_F(MenuAppTest, DraggingTheFormByItsTitleClosesTheSubmenuAndMovesTheItems) {
  Click(100 + 6 + 20, 100 + 32 + 15);
  ASSERT_TRUE(openItem->Visible);
  f1->Replace_To_The_Top();
  host.SetCursor(200, 110);
  Frame();
  host.SetKey(vk::LBUTTON, true);
  Frame();
  host.SetCursor(260, 150);
  Frame();
  EXPECT_EQ(f1->ComponentPos.X1, 160);
  EXPECT_EQ(f1->ComponentPos.Y1, 140);
  EXPECT_FALSE(openItem->Visible) << "the press on the title made the form the active component";
  host.SetKey(vk::LBUTTON, false);
  Frame();
  EXPECT_EQ(fileItem->RealComponentPos.X1, 160 + 6 + 10);
}

}  // namespace
