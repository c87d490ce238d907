// The observatory: its simulated clock, the inputs' checks, the focus over
// the nebulae and the map's frame.
#include "catalogue/cv_settings.h"
#include "forms/cv_error_form.h"
#include "forms/cv_observatory_form.h"
#include "platform/cp1250.h"
#include "program_fixture.h"
#include "rastrix/fnt.h"
#include "tests/support/allocation_counter.h"
#include "vc/vc_app.h"

namespace program_test {
namespace {

class ObservatoryTest : public ProgramTest {
 protected:
  // Starts the program with the clock at UTC (local = UTC + offset) and shows the observatory.
  void Open(platform::SystemTime utc, int offset = 0) {
    backend_.SetClock(utc, offset);
    Start();
    Frame();
    Settings.Latitude = 90;  // at the pole the sky turns about the zenith
    Settings.Longitude = 0;
    ObservatoryForm->Show(ST_Unmodal);
    Frame();
  }
  static platform::SystemTime Time(uint16_t y, uint16_t mo, uint16_t d, uint16_t h, uint16_t mi, uint16_t s = 0,
                                   uint16_t ms = 0) {
    platform::SystemTime t;
    t.Year = y;
    t.Month = mo;
    t.Day = d;
    t.Hour = h;
    t.Minute = mi;
    t.Second = s;
    t.Milliseconds = ms;
    return t;
  }
  // Records at the given declinations, all on one hour circle.
  static void Load(std::initializer_list<double> declinations) {
    Catalogue().Nebulas.clear();
    int32_t number = 1;
    for (double dec : declinations) {
      TNebula n;
      n.IndexOfItem = number++;
      n.Dec = dec;
      Catalogue().Nebulas.push_back(n);
    }
    Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
    Catalogue().Loaded = true;
    ++Catalogue().Revision;
  }
  TObservatoryForm& O() { return *ObservatoryForm; }
  TTimePanel& T() { return *O().TimePanel; }
  void Apply(TTextInput& input, std::string_view text) {
    input.SetText(text);
    input.ApplyNewValue();
    Frame();
  }
  TPoint Screen(const TViewport& area, int dx = 0, int dy = 0) {
    return TPoint{O().RealCanvasPos.X1 + area.X1 + dx, O().RealCanvasPos.Y1 + area.Y1 + dy};
  }
  bool WhiteAt(TPoint p) {
    const uint8_t* px = backend_.Frame().data() + (static_cast<std::size_t>(p.Y) * SCREEN_WIDTH + p.X) * 4;
    return px[0] == 255 && px[1] == 255 && px[2] == 255;
  }
};

TEST_F(ObservatoryTest, NormalSpeedTurnsTheMinuteWithTheRealClock) {
  Open(Time(2026, 12, 8, 12, 34, 56, 500), 60);
  EXPECT_EQ(T().Hour->Text, "13");
  EXPECT_EQ(T().Minute->Text, "34");
  // 3.5 s were left in the minute; one frame has passed since the showing.
  backend_.Advance(3440);
  Frame();
  EXPECT_EQ(O().Clock.UTCTime.Minute, 34);
  Frame();
  EXPECT_EQ(O().Clock.UTCTime.Minute, 35);
  EXPECT_EQ(T().Minute->Text, "35");
}

TEST_F(ObservatoryTest, FastestSpeedRunsAHundredMinutesASecondAndStopsAtTheLastYear) {
  Open(Time(2026, 12, 8, 12, 0));
  O().Clock.Speed = 3;
  const TDiffDate start = NormalDateToDiffDate(O().Clock.UTCTime);
  Frame(50);  // one second
  EXPECT_EQ(NormalDateToDiffDate(O().Clock.UTCTime) - start, 100);
  // A long pause (a modal dialog) near the end of the calendar stops the
  // clock at its last minute instead of passing an invalid count on.
  O().SetClock(LastClockMinute(O().Clock.UTCDiff) - 5);
  backend_.Advance(400000);
  Frame();
  EXPECT_EQ(NormalDateToDiffDate(O().Clock.UTCTime), LastClockMinute(O().Clock.UTCDiff));
  EXPECT_EQ(T().Year->Text, "2499");
  Frame(10);
  EXPECT_EQ(O().Clock.UTCTime, (TNormalDate{2499, 12, 31, 23, 59}));
  // Hiding and showing again starts at the real time, normal speed.
  O().Hide();
  O().Show(ST_Unmodal);
  EXPECT_EQ(O().Clock.UTCTime.Year, 2026);
  EXPECT_EQ(O().Clock.Speed, 1);
}

TEST_F(ObservatoryTest, ALocalHourTypedPastTheLastUtcMinuteStopsTheClockThere) {
  for (const int offset : {-60, -300}) {
    SCOPED_TRACE(offset);
    Open(Time(2499, 12, 31, 20, 0), offset);
    T().Hour->CatchFocus();  // typed in, as the user would
    Apply(*T().Hour, "23");
    EXPECT_EQ(O().Clock.UTCTime, (TNormalDate{2499, 12, 31, 23, 59}));
    EXPECT_EQ(T().Hour->Text, std::to_string(23 + offset / 60)) << "the field shows where the clock stands";
    ReleaseDatabaseApplication();
  }
}

TEST_F(ObservatoryTest, InputsRefuseBadValuesAndKeepWhatIsBeingEdited) {
  Open(Time(2026, 11, 10, 12, 0));
  ClearRecentMessages();
  Apply(*T().Day, "31");  // November has 30 days
  ASSERT_FALSE(RecentMessages().empty());
  EXPECT_EQ(RecentMessages().back(), "Vstupný údaj mimo rozsah <1,30> !"_cp);
  EXPECT_EQ(T().Day->Text, "10");
  Apply(*T().Year, "2500");
  EXPECT_EQ(RecentMessages().back(), "Vstupný údaj mimo rozsah <2000,2499> !"_cp);
  Apply(*O().PositionPanel->Latitude, "4x.5");
  EXPECT_EQ(RecentMessages().back(), "Zemepisná šírka musí byť reálne číslo!"_cp);
  EXPECT_EQ(O().PositionPanel->Latitude->Text, "90.00000");
  Apply(*O().PositionPanel->Longitude, "nan");
  EXPECT_EQ(RecentMessages().back(), "Zemepisná dĺžka musí byť reálne číslo!"_cp);
  Apply(*O().PositionPanel->Longitude, "+17.25");
  EXPECT_EQ(O().Longitude, 17.25);
  // 31 January and month 2: 31 February rolls over into March.
  ErrorForm->Hide();
  Apply(*T().Month, "1");
  Apply(*T().Day, "31");
  Apply(*T().Month, "2");
  EXPECT_EQ(O().Clock.UTCTime, (TNormalDate{2026, 3, 3, 12, 0}));
  // The field being edited is left alone while the clock runs.
  T().Minute->CatchFocus();
  Frame();
  T().Minute->SetText("4");
  O().Clock.Speed = 3;
  Frame(50);
  EXPECT_NE(O().Clock.UTCTime.Hour, 12);
  EXPECT_EQ(T().Minute->Text, "4");
  EXPECT_EQ(T().Hour->Text, std::to_string(O().Clock.UTCTime.Hour));
  // "Teraz" brings the clock back to the present at the speed chosen.
  O().NowButton->OnMouseLeftClick(-1, -1);
  EXPECT_EQ(O().Clock.UTCTime, (TNormalDate{2026, 11, 10, 12, 0}));
  EXPECT_EQ(O().Clock.Speed, 3);
}

TEST_F(ObservatoryTest, PointerAndTabFocusTheNebulaeAndTheFrameShowsOnlyThen) {
  Open(Time(2026, 12, 8, 12, 0));
  Load({80, 60, -5});  // the third never rises at the pole
  Frame();
  ASSERT_EQ(O().ObservingNebulas.size(), 2u);
  // Hovering focuses the topmost thumbnail under the pointer.
  const TViewport second = O().ObservingNebulas[1].SkyArea;
  backend_.SetCursor(Screen(second, 3, 3).X, Screen(second, 3, 3).Y);
  Frame();
  backend_.SetCursor(Screen(second, 5, 5).X, Screen(second, 5, 5).Y);
  Frame();
  EXPECT_EQ(O().FocusedNebula, 1);
  EXPECT_EQ(Toolkit().Focused, O().Focus_Nebulas.Get()->Adress);
  EXPECT_TRUE(WhiteAt(Screen(second, 0, 5)));
  // Tab from the last nebula goes on to the day input; the frame goes.
  backend_.SetKey(9, true);
  Frame();
  backend_.SetKey(9, false);
  Frame();
  EXPECT_EQ(Toolkit().Focused, T().Day.Get()->Adress);
  EXPECT_EQ(O().FocusedNebula, -1);
  EXPECT_FALSE(WhiteAt(Screen(second, 0, 5)));
  // A focused nebula that sets sends the focus to the day input.
  O().FocusNebula(0);
  Frame();
  Catalogue().Nebulas[static_cast<std::size_t>(O().ObservingNebulas[0].Record)].Dec = -1;
  ++Catalogue().Revision;
  Frame();
  EXPECT_EQ(O().FocusedNebula, -1);
  EXPECT_EQ(Toolkit().Focused, T().Day.Get()->Adress);
}

// The read-out of M 57 over Bratislava for the local day 2026-12-08 (UTC + 1),
// as astropy times it (tests/data/rise_set_reference.csv): rise 04:32.0,
// culmination 13:37.0 at 74.9 degrees, set 22:42.0.
TEST_F(ObservatoryTest, ReadOutNamesTheFocusedNebulaAndItsLocalDay) {
  Open(Time(2026, 12, 8, 23, 30), 60);
  Load({33.0292});
  Catalogue().Nebulas[0].Rect = 18.8931;
  Catalogue().Nebulas[0].NameOfNebula = TShortString("M 57");
  O().Latitude = 48.1486;
  O().Longitude = 17.1077;
  O().SetClock(NormalDateToDiffDate(TNormalDate{2026, 12, 8, 12, 0}));
  O().RecalculateNebulas();
  std::array<TObservatoryForm::TReadOutLine, TObservatoryForm::kReadOutLines> lines;
  EXPECT_EQ(O().NebulaReadOut(lines), 0) << "nothing while no nebula holds the focus";
  ASSERT_EQ(O().ObservingNebulas.size(), 1u);
  O().FocusNebula(0);
  ASSERT_EQ(O().NebulaReadOut(lines), 4);
  EXPECT_STREQ(lines[0].data(), "M 57");
  EXPECT_EQ(std::string(lines[1].data()), "východ 04:32  západ 22:42"_cps);
  EXPECT_STREQ(lines[2].data(), "kulm. 13:37");
  EXPECT_EQ(std::string(lines[3].data()), "výška 75°"_cps);
  // A name too long for its place is cut to fit, with an ellipsis.
  Catalogue().Nebulas[0].NameOfNebula = TShortString(std::string(80, 'W'));
  O().NebulaReadOut(lines);
  const TViewport place = TObservatoryForm::ReadOutPlace(0);
  EXPECT_LE(GetTextLength(ProgramFont(0), lines[0].data()), static_cast<uint32_t>(place.X2 - place.X1 + 1));
  EXPECT_EQ(std::string(lines[0].data()).back(), '\x85');
}

TEST_F(ObservatoryTest, FramesAtTheFastestSpeedAllocateNothing) {
  Open(Time(2026, 12, 8, 12, 0));
  Load({80, 70, 60, 50, 40, 30, 20, 10});
  O().Clock.Speed = 3;
  backend_.SetCursor(O().RealCanvasPos.X1 + 200, O().RealCanvasPos.Y1 + 200);
  Frame(10);
  const long before = test_support::AllocationCount();
  const TDiffDate start = NormalDateToDiffDate(O().Clock.UTCTime);
  Frame(30);
  EXPECT_EQ(test_support::AllocationCount() - before, 0);
  EXPECT_EQ(NormalDateToDiffDate(O().Clock.UTCTime) - start, 60);
}

TEST_F(ObservatoryTest, SkippingHiddenThumbnailsChangesNoPixel) {
  Open(Time(2026, 12, 8, 12, 0));
  // A crowded sky: the default thumbnail and small pictures of other sizes,
  // some of them hovered so that a focused frame lies among them.
  Catalogue().Nebulas.clear();
  TPicture pictures[3];
  uint8_t result = 0;
  LoadBMPPicture("Pictures\\default_thumbnail.bmp", pictures[0], 20, 20, result);
  LoadBMPPicture("Pictures\\OkButton1.bmp", pictures[1], 24, 24, result);
  LoadBMPPicture("Pictures\\Icon.bmp", pictures[2], 9, 9, result);
  for (const TPicture& p : pictures) ASSERT_TRUE(p.Loaded);
  uint32_t seed = 12345;
  auto next = [&seed]() { return (seed = seed * 1103515245u + 12345u) >> 8; };
  for (int32_t n = 0; n < 3000; ++n) {
    TNebula r;
    r.IndexOfItem = n + 1;
    r.Rect = (next() % 24000) / 1000.0;
    r.Dec = (next() % 90000) / 1000.0;
    if (n % 2 == 1) r.Thumbnail = pictures[next() % 3].View();
    Catalogue().Nebulas.push_back(r);
  }
  Catalogue().DatabaseInfo.NumberOfItems = 3000;
  ++Catalogue().Revision;
  backend_.SetCursor(O().RealCanvasPos.X1 + 230, O().RealCanvasPos.Y1 + 150);
  Frame();
  backend_.SetCursor(O().RealCanvasPos.X1 + 231, O().RealCanvasPos.Y1 + 150);
  Frame();
  ASSERT_GE(O().FocusedNebula, 0);
  const std::vector<uint8_t> skipping = backend_.Frame();
  O().SkipHiddenThumbnails = false;
  Frame();
  EXPECT_TRUE(backend_.Frame() == skipping);
  Catalogue().Nebulas.clear();
  Catalogue().DatabaseInfo.NumberOfItems = 0;
  ++Catalogue().Revision;
}

}  // namespace
}  // namespace program_test
