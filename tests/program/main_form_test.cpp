// The main form: arc geometry, the picture buttons' highlight, the menus and
// their actions, the list of open windows and the status bar's clock.
#include <numbers>

#include "forms/cv_about_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_main_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_open_form.h"
#include "forms/cv_settings_form.h"
#include "platform/cp1250.h"
#include "program_fixture.h"

namespace program_test {
namespace {

TEST(ArcButtons, PositionsLieOnTheTwoArcs) {
  constexpr double kNear = std::numbers::pi / 9;
  constexpr double kFar = 5 * std::numbers::pi / 18;
  EXPECT_EQ(ArcButtonPosition(kNear, false, true), (TPoint{162, 23}));
  EXPECT_EQ(ArcButtonPosition(kFar, false, true), (TPoint{68, 89}));
  EXPECT_EQ(ArcButtonPosition(kFar, false, false), (TPoint{68, 371}));
  EXPECT_EQ(ArcButtonPosition(kNear, false, false), (TPoint{162, 437}));
  EXPECT_EQ(ArcButtonPosition(kNear, true, true), (TPoint{712, 23}));
  EXPECT_EQ(ArcButtonPosition(kFar, true, true), (TPoint{806, 89}));
  EXPECT_EQ(ArcButtonPosition(kFar, true, false), (TPoint{806, 371}));
  EXPECT_EQ(ArcButtonPosition(kNear, true, false), (TPoint{712, 437}));
}

TEST(StatusBarClock, TwoDigitPartsButTheYear) {
  TStatusBar bar;
  platform::SystemTime t;
  t.Day = 1;
  t.Month = 1;
  t.Year = 2027;
  t.Hour = 9;
  t.Minute = 5;
  t.Second = 7;
  bar.FormatTime(t);
  EXPECT_EQ(bar.DateText(), "01.01.2027");
  EXPECT_EQ(bar.ClockText(), "09:05 07");
  t.Day = 31;
  t.Month = 12;
  t.Year = 999;
  t.Hour = 23;
  t.Minute = 59;
  t.Second = 59;
  bar.FormatTime(t);
  EXPECT_EQ(bar.DateText(), "31.12.999");
  EXPECT_EQ(bar.ClockText(), "23:59 59");
}

class MainFormTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    Start();
    Frame();
  }
  // The centre of a component's outer rectangle on the screen.
  static TPoint Centre(const TVisualComponent& c) {
    return TPoint{(c.RealComponentPos.X1 + c.RealComponentPos.X2) / 2,
                  (c.RealComponentPos.Y1 + c.RealComponentPos.Y2) / 2};
  }
  void ClickOn(const TVisualComponent& c) {
    const TPoint p = Centre(c);
    Click(p.X, p.Y);
  }
  int ListedWindows() const {
    int n = 0;
    for (const auto& item : MainForm->OpenedWindowsItems) n += item->GetX() == 427;
    return n;
  }
};

TEST_F(MainFormTest, TheCanvasCoversTheScreenAndTheButtonsSitWhereDrawn) {
  EXPECT_EQ(MainForm->RealCanvasPos, (TViewport{0, 0, 1023, 767}));
  EXPECT_EQ(MainForm->FileButton->RealComponentPos.X1, 162);
  EXPECT_EQ(MainForm->FileButton->RealComponentPos.Y1, 23);
  EXPECT_EQ(MainForm->OpenItem->GetY(), 103);
  EXPECT_EQ(MainForm->ListItem->GetY(), 195);
  EXPECT_EQ(MainForm->OpenedWindowsItems[20]->GetY(), 192);
  EXPECT_EQ(MainForm->StatusBar->RealComponentPos.Y1, 742);
}

TEST_F(MainFormTest, HoverMovesTheHighlightFromButtonToButton) {
  EXPECT_FALSE(MainForm->FileButton->Highlighted());
  const TPoint file = Centre(*MainForm->FileButton);
  backend_.SetCursor(file.X, file.Y);
  Frame();
  backend_.SetCursor(file.X + 1, file.Y);
  Frame();
  EXPECT_TRUE(MainForm->FileButton->Highlighted());
  const TPoint db = Centre(*MainForm->DatabaseButton);
  backend_.SetCursor(db.X, db.Y);
  Frame();
  backend_.SetCursor(db.X, db.Y + 1);
  Frame();
  EXPECT_FALSE(MainForm->FileButton->Highlighted());
  EXPECT_TRUE(MainForm->DatabaseButton->Highlighted());
}

TEST_F(MainFormTest, EachArcButtonShowsItsForm) {
  // Each form opens over the buttons, so it is hidden again before the next
  // click. With no position stored the observatory asks for a place first.
  ClickOn(*MainForm->ObservatoryButton);
  EXPECT_TRUE(SettingsForm->Visible);
  EXPECT_FALSE(ObservatoryForm->Visible);
  SettingsForm->Hide();
  ClickOn(*MainForm->ObservatoryButton);
  EXPECT_TRUE(ObservatoryForm->Visible);
  ObservatoryForm->Hide();
  ClickOn(*MainForm->SettingsButton);
  EXPECT_TRUE(SettingsForm->Visible);
  SettingsForm->Hide();
  ClickOn(*MainForm->AboutButton);
  EXPECT_TRUE(AboutForm->Visible);
  EXPECT_EQ(Toolkit().ActiveForm, static_cast<PComponentBase>(&AboutForm));
  AboutForm->Hide();
  ClickOn(*MainForm->ExitButton);
  EXPECT_TRUE(ExitForm->Visible);
  EXPECT_FALSE(Terminate);
}

TEST_F(MainFormTest, TheFileMenuOpensWithItsFirstItemFocusedAndItsItemsAct) {
  EXPECT_FALSE(MainForm->OpenItem->Visible);
  ClickOn(*MainForm->FileButton);
  EXPECT_TRUE(MainForm->OpenItem->Visible);
  EXPECT_EQ(Toolkit().Focused, static_cast<PComponentBase>(&MainForm->FileNewItem));
  ClickOn(*MainForm->OpenItem);
  EXPECT_TRUE(OpenForm->Visible);
}

TEST_F(MainFormTest, SaveWritesAtOnceWithoutADialog) {
  WriteFile(Path("a.cvl"), DatabaseBytes("A", 1));
  ASSERT_TRUE(OpenDatabaseFile("a.cvl"));
  Catalogue().DatabaseInfo.NameOfDatabase = "B";
  Catalogue().Modified = true;
  MainForm->SaveItem->OnMouseLeftClick(-1, -1);
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(Path("a.cvl")), DatabaseBytes("B", 1));
  for (PComponentBase form : Toolkit().AllForms) {
    if (form == &MainForm) continue;
    EXPECT_FALSE(Deref(form)->Visible);
  }
}

TEST_F(MainFormTest, InformationsItemShowsTheFormAndAsksForARefresh) {
  InformationsForm->Refresh = false;
  MainForm->InformationsItem->OnMouseLeftClick(-1, -1);
  EXPECT_TRUE(InformationsForm->Visible);
  EXPECT_TRUE(InformationsForm->Refresh);
}

TEST_F(MainFormTest, TheOpenWindowsListFollowsTheShownAndMinimizedForms) {
  EXPECT_EQ(ListedWindows(), 1);
  EXPECT_EQ(MainForm->OpenedWindowsItems[0]->Title, "Databáza"_cp);

  SettingsForm->Show(ST_Unmodal);
  AboutForm->Show(ST_Unmodal);
  Frame();
  EXPECT_EQ(ListedWindows(), 3);
  // Creation order, not z-order.
  EXPECT_EQ(MainForm->OpenedWindowsItems[1]->Title, "Nastavenia");
  EXPECT_EQ(MainForm->OpenedWindowsItems[2]->Title, "O programe");

  SettingsForm->Minimized = true;
  SettingsForm->Hide();
  Frame(2);
  EXPECT_EQ(ListedWindows(), 3);
  EXPECT_EQ(Toolkit().ActiveForm, static_cast<PComponentBase>(&AboutForm));

  // Open the list, then press on the settings entry: the form comes back on top.
  ClickOn(*MainForm->OpenedWindowsButton);
  EXPECT_EQ(Toolkit().Focused, static_cast<PComponentBase>(&MainForm->OpenedWindowsItems[0]));
  ASSERT_TRUE(MainForm->OpenedWindowsItems[1]->Visible);
  const TViewport& entry = MainForm->OpenedWindowsItems[1]->RealComponentPos;
  // The items overlap by 10 pixels; the one above covers the top of this one.
  backend_.SetCursor(entry.X1 + 20, entry.Y1 + 15);
  Frame();
  backend_.SetKey(1, true);
  Frame();
  backend_.SetKey(1, false);
  Frame();
  EXPECT_TRUE(SettingsForm->Visible);
  EXPECT_FALSE(SettingsForm->Minimized);
  EXPECT_EQ(Toolkit().ActiveForm, static_cast<PComponentBase>(&SettingsForm));
  EXPECT_EQ(Toolkit().OpenedWindows.back(), static_cast<PComponentBase>(&SettingsForm));

  AboutForm->Hide();
  SettingsForm->Hide();
  Frame();
  EXPECT_EQ(ListedWindows(), 1);
}

TEST_F(MainFormTest, TheStatusBarShowsTheLocalClock) {
  platform::SystemTime utc;
  utc.Year = 2027;
  utc.Month = 1;
  utc.Day = 1;
  utc.Hour = 8;
  utc.Minute = 5;
  utc.Second = 7;
  backend_.SetClock(utc, 60);
  Frame();
  EXPECT_EQ(MainForm->StatusBar->DateText(), "01.01.2027");
  EXPECT_EQ(MainForm->StatusBar->ClockText(), "09:05 07");
}

}  // namespace
}  // namespace program_test
