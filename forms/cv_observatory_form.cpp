#include "forms/cv_observatory_form.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "catalogue/cv_globals.h"
#include "catalogue/cv_messages.h"
#include "catalogue/cv_number_text.h"
#include "catalogue/cv_settings.h"
#include "catalogue/cv_sky.h"
#include "forms/cv_list_item_form.h"
#include "platform/cp1250.h"
#include "platform/platform.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TObservatoryForm> ObservatoryForm;

namespace {

uint32_t Now() { return platform::Current().TickCount(); }

std::string RangeMessage(int32_t MinValue, int32_t MaxValue) {
  return "Vstupný údaj mimo rozsah <"_cps + std::to_string(MinValue) + "," + std::to_string(MaxValue) + "> !";
}

}  // namespace

// ---------------------------------------------------------------- read-out

namespace {

// Appends Text to Line, cut (with an ellipsis) where it would pass Width
// pixels in Font, or the buffer's end.
void AppendFitting(TObservatoryForm::TReadOutLine& Line, std::string_view Text, const TFont& Font,
                   int32_t Width) {
  std::size_t used = std::strlen(Line.data());
  if (used + 2 > Line.size()) return;
  const auto length = [&Font](std::string_view T) { return static_cast<int32_t>(GetTextLength(Font, T)); };
  const int32_t start = length(std::string_view(Line.data(), used));
  std::size_t take = std::min(Text.size(), Line.size() - 2 - used);  // room for an ellipsis and the end
  const bool cut = take < Text.size() || start + length(Text.substr(0, take)) > Width;
  const std::string_view ellipsis = "\x85";
  if (cut)
    while (take > 0 && start + length(Text.substr(0, take)) + length(ellipsis) > Width) --take;
  std::memcpy(Line.data() + used, Text.data(), take);
  used += take;
  if (cut) Line[used++] = ellipsis[0];
  Line[used] = '\0';
}

// Minutes after local midnight as "HH:MM", to the nearest minute.
std::array<char, 8> ClockText(double Minutes) {
  const long m = std::lround(Minutes) % 1440;
  std::array<char, 8> text{};
  std::snprintf(text.data(), text.size(), "%02ld:%02ld", m / 60, m % 60);
  return text;
}

}  // namespace

TViewport TObservatoryForm::ReadOutPlace(int32_t I) {
  // Two lines under the speed panel reach the form's right edge, two more
  // beside the OK button stop short of it.
  constexpr int32_t kX = 448;
  constexpr int32_t kY[kReadOutLines] = {369, 384, 403, 420};
  const int32_t right = I < 2 ? 647 : 536;
  return TViewport{kX, kY[I], right, kY[I] + 13};
}

int32_t TObservatoryForm::NebulaReadOut(std::array<TReadOutLine, kReadOutLines>& Lines) const {
  if (!NebulaListFocused() || FocusedNebula < 0 || FocusedNebula >= static_cast<int32_t>(ObservingNebulas.size()))
    return 0;
  const std::size_t record = static_cast<std::size_t>(ObservingNebulas[static_cast<std::size_t>(FocusedNebula)].Record);
  if (record >= Catalogue().Nebulas.size()) return 0;
  const TNebula& n = Catalogue().Nebulas[record];
  const TFont& font = ProgramFont(0);
  const auto width = [](int32_t I) { return ReadOutPlace(I).X2 - ReadOutPlace(I).X1 + 1; };
  for (TReadOutLine& line : Lines) line[0] = '\0';
  AppendFitting(Lines[0], n.NameOfNebula.View(), font, width(0));

  TRiseSet day;
  if (!RiseCulminationSet(n.Rect, n.Dec, LocalPart(TP_Year), LocalPart(TP_Month), LocalPart(TP_Day), Clock.UTCDiff,
                          Longitude, Latitude, day))
    return 1;
  switch (day.Kind) {
    case RK_RisesAndSets:
      AppendFitting(Lines[1], "východ "_cp, font, width(1));
      AppendFitting(Lines[1], ClockText(day.Rise).data(), font, width(1));
      AppendFitting(Lines[1], "  západ "_cp, font, width(1));
      AppendFitting(Lines[1], ClockText(day.Set).data(), font, width(1));
      break;
    case RK_NeverSets:
      AppendFitting(Lines[1], "nikdy nezapadá"_cp, font, width(1));
      break;
    case RK_NeverRises:
      AppendFitting(Lines[1], "nikdy nevychádza"_cp, font, width(1));
      return 2;
  }
  AppendFitting(Lines[2], "kulm. "_cp, font, width(2));
  AppendFitting(Lines[2], ClockText(day.Culmination).data(), font, width(2));
  char elevation[16];
  std::snprintf(elevation, sizeof elevation, "%.0f\xB0", day.CulminationElevation);
  AppendFitting(Lines[3], "výška "_cp, font, width(3));
  AppendFitting(Lines[3], elevation, font, width(3));
  return 4;
}

// ---------------------------------------------------------------- inputs

void TTextInput::OnLostFocus() { ApplyNewValue(); }
void TTextInput::OnAccept() { ApplyNewValue(); }
void TTextInput::ApplyNewValue() { ObservatoryForm->RecalculateNebulas(); }

void TTextInput::Refuse(std::string_view Message) {
  // Restored before the message: the modal error form takes the focus away,
  // and the field's lost-focus check must then find a valid text.
  Restore();
  Refresh = true;
  ShowErrorMessage(Message);
}

void TTimeInput::Restore() { SetText(std::to_string(ObservatoryForm->LocalPart(TimePart))); }

void TTimeInput::ApplyNewValue() {
  TObservatoryForm& form = *ObservatoryForm;
  if (!ParseWholeNumber(Text, IntValue)) {
    Refuse(InputName + " musí byť celé číslo!"_cps);
    return;
  }
  if (IntValue > MaxValue || IntValue < MinValue) {
    Refuse(RangeMessage(MinValue, MaxValue));
    return;
  }
  if (IntValue == form.LocalPart(TimePart)) return;
  if (!form.Clock.SetLocalPart(TimePart, IntValue, Now())) {
    Refuse(RangeMessage(MinValue, MaxValue));
    return;
  }
  form.ActualizeComponents();
  // The clock stopped at the end of its years: the field shows where it stands.
  if (form.LocalPart(TimePart) != IntValue) Restore();
  TTextInput::ApplyNewValue();
}

void TPositionInput::Restore() {
  if (Target != nullptr) SetText(FixedDecimals(*Target, 5));
}

void TPositionInput::ApplyNewValue() {
  if (!ParseRealNumber(Text, RealValue)) {
    Refuse(InputName + " musí byť reálne číslo!"_cps);
    return;
  }
  if (RealValue > MaxValue || RealValue < MinValue) {
    Refuse(RangeMessage(MinValue, MaxValue));
    return;
  }
  if (Target != nullptr) *Target = RealValue;
  TTextInput::ApplyNewValue();
}

// ---------------------------------------------------------------- panels

namespace {

template <class T>
void CreateInput(TOwned<T>& Slot, int32_t X, int32_t Y, uint32_t Width, std::string_view Name, int32_t MinValue,
                 int32_t MaxValue) {
  Slot = new T();
  Slot->CreateComponent(&Slot, X, Y, Width, 20);
  Slot->InputName = std::string(Name);
  Slot->MinValue = MinValue;
  Slot->MaxValue = MaxValue;
}

void TitledPanel(TPanel& Panel, std::string_view Title) {
  Panel.Title = std::string(Title);
  Panel.TitleX = 10;
  Panel.TitleY = 1;
  Panel.Borders = TBorders{true, true, true, true};
}

// A label at X, moved left where it would run under its input and hide its colon.
void WriteLabel(const TVisualComponent& Panel, int32_t X, int32_t Y, std::string_view Text,
                const TVisualComponent& Input) {
  const TFont& font = ProgramFont(0);
  X = std::min(X, Input.X - 2 - static_cast<int32_t>(GetTextLength(font, Text)));
  SetColor(0, 0, 0, 0);
  WriteText(Panel.RealCanvasPos.X1 + X, Panel.RealCanvasPos.Y1 + Y, font, Text);
}

}  // namespace

void TTimePanel::OnCreate() {
  TitledPanel(*this, "Čas a dátum"_cp);
  // Wide enough for two digits (four in the year) of the program's font.
  CreateInput(Day, 41, 24, 17, "Ďeň"_cp, 1, 31);
  CreateInput(Month, 103, 24, 17, "Mesiac"_cp, 1, 12);
  // The minute count covers these years only; a later year has no instant.
  CreateInput(Year, 156, 24, 34, "Rok"_cp, FIRST_YEAR, LAST_YEAR);
  CreateInput(Hour, 70, 59, 17, "Hodina"_cp, 0, 23);
  CreateInput(Minute, 154, 59, 17, "Minúta"_cp, 0, 59);
  Day->TimePart = TP_Day;
  Month->TimePart = TP_Month;
  Year->TimePart = TP_Year;
  Hour->TimePart = TP_Hour;
  Minute->TimePart = TP_Minute;
}

void TTimePanel::OnDraw() {
  WriteLabel(*this, 11, 30, "ďeň:"_cp, *Day);
  WriteLabel(*this, 69, 30, "mes.:"_cp, *Month);
  WriteLabel(*this, 131, 30, "rok:"_cp, *Year);
  WriteLabel(*this, 25, 65, "hodina:"_cp, *Hour);
  WriteLabel(*this, 108, 65, "minúta:"_cp, *Minute);
}

void TPositionPanel::OnCreate() {
  TitledPanel(*this, "Pozícia"_cp);
  // Wide enough for five decimals of a latitude or an eastern longitude.
  CreateInput(Latitude, 79, 24, 60, "Zemepisná šírka"_cp, -90, 90);
  CreateInput(Longitude, 79, 59, 60, "Zemepisná dĺžka"_cp, -180, 180);
}

void TPositionPanel::OnDraw() {
  WriteLabel(*this, 11, 30, "zem. šírka:"_cp, *Latitude);
  WriteLabel(*this, 11, 65, "zem. dĺžka:"_cp, *Longitude);
}

void TSpeedRadioButton::OnChange() { ObservatoryForm->Clock.Speed = Speed; }

void TSpeedPanel::OnCreate() {
  TitledPanel(*this, "Rýchlosť"_cp);
  Normal = new TSpeedRadioButton();
  Normal->CreateComponent(&Normal, 11, 24, "normálne"_cp);
  Normal->Speed = 1;
  Fast = new TSpeedRadioButton();
  Fast->CreateComponent(&Fast, 11, 53, "rýchlo"_cp);
  Fast->Speed = 2;
  VeryFast = new TSpeedRadioButton();
  VeryFast->CreateComponent(&VeryFast, 11, 82, "veľmi rýchlo"_cp);
  VeryFast->Speed = 3;
  Normal->AddNeighbour(&Fast);
  Normal->AddNeighbour(&VeryFast);
}

// ---------------------------------------------------------------- nebula focus

namespace {

void CreateFocusHolder(TVisualComponent& C, PComponentBase Adress_) {
  C.TVisualComponent::CreateComponent(Adress_, true);
  C.ComponentPos = EMPTY_VIEWPORT;
  C.CanvasPos = EMPTY_VIEWPORT;
  C.CanCatchMouseEvent = false;
  C.OnCreate();
  Toolkit().ActualComponent = C.MotherComponent;
}

}  // namespace

void TFocus_Nebulas::CreateComponent(PComponentBase Adress_) {
  CreateFocusHolder(*this, Adress_);
  AddTrackedKey(13);
}

void TFocus_Nebulas::OnFocus() {
  if (FocusFromForm) {
    FocusFromForm = false;
    return;
  }
  TObservatoryForm& form = *ObservatoryForm;
  ++form.FocusedNebula;
  if (form.FocusedNebula >= static_cast<int32_t>(form.ObservingNebulas.size())) {
    form.FocusedNebula = -1;
    form.TimePanel->Day->CatchFocus();
  }
}

void TFocus_Nebulas::OnKeyDown(uint8_t Key) {
  if (Key != 13) return;
  TObservatoryForm& form = *ObservatoryForm;
  form.ListNebula(form.FocusedNebula);
}

void TFocus_Gate::CreateComponent(PComponentBase Adress_) { CreateFocusHolder(*this, Adress_); }

void TFocus_Gate::OnFocus() {
  TFocus_Nebulas& nebulas = *ObservatoryForm->Focus_Nebulas;
  nebulas.CatchFocus();
  nebulas.Focus();
  nebulas.OnFocus();
}

// ---------------------------------------------------------------- the form

void TObservatoryForm::TNowButton::OnMouseLeftClick(int32_t, int32_t) { ObservatoryForm->ClockToNow(); }

void TObservatoryForm::OnCreate() {
  LoadFormIcon(*this);
  LoadProgramPicture("Pictures\\default_thumbnail.bmp", DefaultThumbnail);
  Focus_Nebulas = new TFocus_Nebulas();
  Focus_Nebulas->CreateComponent(&Focus_Nebulas);
  Focus_Gate = new TFocus_Gate();
  Focus_Gate->CreateComponent(&Focus_Gate);
  Toolkit().ActualComponent = Adress;
  FocusedNebula = -1;
  TimePanel = new TTimePanel();
  TimePanel->CreateComponent(&TimePanel, false, PS_Classic, 420, 10, 202, 100);
  PositionPanel = new TPositionPanel();
  PositionPanel->CreateComponent(&PositionPanel, false, PS_Classic, 470, 130, 152, 100);
  PositionPanel->Latitude->Target = &Latitude;
  PositionPanel->Longitude->Target = &Longitude;
  SpeedPanel = new TSpeedPanel();
  SpeedPanel->CreateComponent(&SpeedPanel, false, PS_Classic, 470, 250, 152, 115);
  CreateDialogButton(OKButton, 541, 400);
  NowButton = new TNowButton();
  // Beside the map, clear of the read-out that fills the corner by the OK button.
  NowButton->CreateComponent(&NowButton, true, BS_Classic, "Teraz", 360, 400, 70, DIALOG_BUTTON_HEIGHT);
  platform::Backend& clock = platform::Current();
  Clock.UTCDiff = GetUTCDiff(clock.UtcTime(), clock.LocalTime());
  ObservingNebulas.clear();
  Reload = true;
}

void TObservatoryForm::OnFree() {
  FreeBMPPicture(Icon);
  FreeBMPPicture(DefaultThumbnail);
}

void TObservatoryForm::OnShow() {
  OKButton->CatchFocus();
  if (!Reload) return;
  Latitude = Settings.Latitude;
  Longitude = Settings.Longitude;
  Clock.Speed = 1;
  ClockToNow();
  Reload = false;
}

void TObservatoryForm::ClockToNow() {
  platform::Backend& clock = platform::Current();
  const platform::SystemTime now = clock.UtcTime();
  Clock.ToNow(now, clock.TickCount());
  ActualizeComponents();
  RecalculateNebulas();
}

void TObservatoryForm::OnHide() { Reload = true; }

void TObservatoryForm::SetClock(TDiffDate Minutes) { Clock.Set(Minutes); }

bool TObservatoryForm::MoveClock(int64_t Minutes) {
  const bool moved = Clock.Move(Minutes);
  ActualizeComponents();
  RecalculateNebulas();
  return moved;
}

void TObservatoryForm::OnCheck() {
  if (Clock.Run(Now())) {
    ActualizeComponents();
    RecalculateNebulas();
  }
  if (ListedDatabase.Changed()) RecalculateNebulas();
  // The map and the time fields change with the next simulated minute.
  RedrawWithin(static_cast<uint32_t>(std::min<int64_t>(Clock.UntilNextMinute(), LONGEST_REST)));
}

int32_t TObservatoryForm::LocalPart(TTimePart Part) const { return Clock.LocalPart(Part); }

void TObservatoryForm::ActualizeComponents() {
  for (TPositionInput* input : {PositionPanel->Latitude.Get(), PositionPanel->Longitude.Get()}) {
    if (input->Adress == Toolkit().Focused || input->Target == nullptr) continue;
    input->SetText(FixedDecimals(*input->Target, 5));
  }
  const TNormalDate local = Clock.Local();
  TTimePanel& t = *TimePanel;
  t.Day->MaxValue = Clock.LocalMonthDays();
  const std::pair<TTimeInput*, int32_t> parts[] = {
      {t.Year.Get(), local.Year}, {t.Month.Get(), local.Month}, {t.Day.Get(), local.Day},
      {t.Hour.Get(), local.Hour}, {t.Minute.Get(), local.Minute}};
  for (const auto& [input, value] : parts) {
    if (input->Adress == Toolkit().Focused) continue;
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    // Unchanged texts are left alone: rewriting them would allocate and lay
    // the field out again on every minute at the fastest speed.
    if (input->Text != std::string_view(text, static_cast<std::size_t>(end - text)))
      input->SetText(std::string_view(text, static_cast<std::size_t>(end - text)));
  }
  TSpeedPanel& s = *SpeedPanel;
  for (TSpeedRadioButton* b : {s.Normal.Get(), s.Fast.Get(), s.VeryFast.Get()}) b->Checked = b->Speed == Clock.Speed;
}

bool TObservatoryForm::NebulaListFocused() const { return Toolkit().Focused == Focus_Nebulas.Get()->Adress; }

void TObservatoryForm::RecalculateNebulas() {
  const bool held = NebulaListFocused();
  ListedDatabase.Seen();
  FocusedNebula = ::RecalculateNebulas(Catalogue().Nebulas, Catalogue().DatabaseInfo.NumberOfItems, Clock.UTCTime,
                                       Latitude, Longitude, ObservingNebulas, FocusedNebula, held);
  if (FocusedNebula < 0 && held) TimePanel->Day->CatchFocus();
}

void TObservatoryForm::ListNebula(int32_t Ind) {
  if (Ind < 0 || Ind >= static_cast<int32_t>(ObservingNebulas.size())) return;
  const std::size_t record = static_cast<std::size_t>(ObservingNebulas[static_cast<std::size_t>(Ind)].Record);
  if (record >= Catalogue().Nebulas.size()) return;
  ShowListItem(Catalogue().Nebulas[record]);
}

int32_t TObservatoryForm::NebulaAt(int32_t X, int32_t Y) const {
  for (auto i = ObservingNebulas.size(); i-- > 0;) {
    const TViewport& a = ObservingNebulas[i].SkyArea;
    if (X >= a.X1 && X <= a.X2 && Y >= a.Y1 && Y <= a.Y2) return static_cast<int32_t>(i);
  }
  return -1;
}

void TObservatoryForm::FocusNebula(int32_t Ind) {
  TFocus_Nebulas& nebulas = *Focus_Nebulas;
  nebulas.CatchFocus();
  nebulas.FocusFromForm = true;
  FocusedNebula = Ind;
  // Performed here so that the framework sees no further change of focus.
  nebulas.Focus();
  nebulas.OnFocus();
  nebulas.Is_Focused = true;
}

void TObservatoryForm::OnMouseIs(int32_t X, int32_t Y) { SkyPointAt(X, Y, MouseAz, MouseElev); }

void TObservatoryForm::OnMouseMove(int32_t X, int32_t Y) {
  const int32_t found = NebulaAt(X, Y);
  if (found >= 0) FocusNebula(found);
}

void TObservatoryForm::OnMouseLeftDoubleClick(int32_t X, int32_t Y) {
  const int32_t found = NebulaAt(X, Y);
  if (found < 0) return;
  FocusNebula(found);
  ListNebula(found);
}

const TPicture& TObservatoryForm::PictureOf(const TObservingNebula& O) const {
  const TPicture& own = Catalogue().Nebulas[static_cast<std::size_t>(O.Record)].Thumbnail;
  return own.Loaded ? own : DefaultThumbnail;
}

namespace {

// Bits X1..X2 (0 <= X1 <= X2 < 64 * words) of one row of a bit map: whether all are set, and setting them.
bool AllSet(const uint64_t* Row, int32_t X1, int32_t X2) {
  for (int32_t w = X1 >> 6; w <= X2 >> 6; ++w) {
    const int32_t lo = std::max(X1, w * 64) - w * 64;
    const int32_t hi = std::min(X2, w * 64 + 63) - w * 64;
    const uint64_t mask = (hi == 63 ? ~uint64_t{0} : (uint64_t{1} << (hi + 1)) - 1) & ~((uint64_t{1} << lo) - 1);
    if ((Row[w] & mask) != mask) return false;
  }
  return true;
}

void SetBits(uint64_t* Row, int32_t X1, int32_t X2) {
  for (int32_t w = X1 >> 6; w <= X2 >> 6; ++w) {
    const int32_t lo = std::max(X1, w * 64) - w * 64;
    const int32_t hi = std::min(X2, w * 64 + 63) - w * 64;
    Row[w] |= (hi == 63 ? ~uint64_t{0} : (uint64_t{1} << (hi + 1)) - 1) & ~((uint64_t{1} << lo) - 1);
  }
}

}  // namespace

void TObservatoryForm::FindHiddenRows() {
  // Drawn from the top of the map down, a thumbnail is mostly covered by the
  // ones below it: often only its first rows stay visible. From the topmost
  // element down, each row is hidden when the opaque thumbnails drawn later
  // cover it across its whole width; then the element's own rows cover.
  HiddenRows.assign(ObservingNebulas.size(), 0);
  if (AlphaBlending != 0) return;  // blended pictures cover nothing
  Covered.fill(0);
  for (auto i = ObservingNebulas.size(); i-- > 0;) {
    const TObservingNebula& o = ObservingNebulas[i];
    const TPicture& picture = PictureOf(o);
    if (!picture.Loaded) continue;
    const int32_t x1 = o.SkyArea.X1 - kCoverOrigin;
    const int32_t y1 = o.SkyArea.Y1 - kCoverOrigin;
    const int32_t x2 = x1 + static_cast<int32_t>(picture.ImageWidth) - 1;
    const int32_t y2 = y1 + static_cast<int32_t>(picture.ImageHeight) - 1;
    // Off the bit map, or taller than the mask: drawn whole, covers nothing.
    if (x1 < 0 || y1 < 0 || x2 >= kCoverSize || y2 >= kCoverSize || y2 - y1 >= 32) continue;
    uint32_t hidden = 0;
    for (int32_t y = y1; y <= y2; ++y) {
      uint64_t* row = &Covered[static_cast<std::size_t>(y * kCoverWords)];
      if (AllSet(row, x1, x2)) {
        hidden |= uint32_t{1} << (y - y1);
      } else {
        SetBits(row, x1, x2);
      }
    }
    HiddenRows[i] = hidden;
  }
}

void TObservatoryForm::OnDraw() {
  // A database change later in this frame's checks leaves positions that
  // may no longer designate the records they were computed from.
  if (ListedDatabase.Changed()) RecalculateNebulas();
  SetViewport(RealCanvasViewport.X1, RealCanvasViewport.Y1, RealCanvasViewport.X2, RealCanvasViewport.Y2);
  SetColor(0, 0, 0, AlphaBlending);
  FillCircle(RealCanvasPos.X1 + SKY_CENTER, RealCanvasPos.Y1 + SKY_CENTER, SKY_RADIUS + 1);
  DrawThumbnails();
  DrawSkyGrid();
  DrawReadOut();
}

void TObservatoryForm::DrawThumbnails() {
  const int32_t ox = RealCanvasPos.X1;
  const int32_t oy = RealCanvasPos.Y1;
  const uint8_t a = AlphaBlending;
  const bool frame = NebulaListFocused();
  if (SkipHiddenThumbnails) {
    FindHiddenRows();
  } else {
    HiddenRows.assign(ObservingNebulas.size(), 0);
  }
  for (std::size_t i = 0; i < ObservingNebulas.size(); ++i) {
    const TObservingNebula& o = ObservingNebulas[i];
    const TPicture& picture = PictureOf(o);
    if (HiddenRows[i] != 0) {
      DrawVisibleRows(o, picture, HiddenRows[i]);
    } else if (a == 0) {
      ShowBMPPicture(ox + o.SkyArea.X1, oy + o.SkyArea.Y1, picture);
    } else {
      ShowAlphaScaleBMPPicture(ox + o.SkyArea.X1, oy + o.SkyArea.Y1, picture, picture.ImageWidth,
                               picture.ImageHeight, a, false, TColor{});
    }
    if (frame && static_cast<int32_t>(i) == FocusedNebula) {
      SetColor(255, 255, 255, a);
      Rectangle(ox + o.SkyArea.X1, oy + o.SkyArea.Y1, ox + o.SkyArea.X2, oy + o.SkyArea.Y2);
    }
  }
}

void TObservatoryForm::DrawVisibleRows(const TObservingNebula& O, const TPicture& Picture, uint32_t Hidden) {
  // Each run of visible rows through a viewport narrowed to it.
  const TViewport& clip = RealCanvasViewport;
  const int32_t rows = static_cast<int32_t>(Picture.ImageHeight);
  const int32_t top = RealCanvasPos.Y1 + O.SkyArea.Y1;
  for (int32_t r = 0; r < rows;) {
    if (Hidden >> r & 1) {
      ++r;
      continue;
    }
    int32_t end = r;
    while (end + 1 < rows && !(Hidden >> (end + 1) & 1)) ++end;
    SetViewport(clip.X1, std::max(clip.Y1, top + r), clip.X2, std::min(clip.Y2, top + end));
    ShowBMPPicture(RealCanvasPos.X1 + O.SkyArea.X1, top, Picture);
    r = end + 1;
  }
  SetViewport(clip.X1, clip.Y1, clip.X2, clip.Y2);
}

void TObservatoryForm::DrawSkyGrid() {
  const int32_t ox = RealCanvasPos.X1;
  const int32_t oy = RealCanvasPos.Y1;
  const int32_t cx = ox + SKY_CENTER;
  const int32_t cy = oy + SKY_CENTER;
  const uint8_t a = AlphaBlending;
  SetColor(100, 100, 100, a);
  Line(ox + 19, cy, ox + 421, cy);
  Line(cx, oy + 19, cx, oy + 421);
  Circle(cx, cy, 100);

  SetColor(236, 233, 216, a);
  Circle(cx, cy, 211, 21);

  SetColor(50, 50, 50, a);
  const TFont& font = ProgramFont(0);
  WriteText(ox + 210, oy + 3, font, "180°"_cp);
  WriteText(ox + 217, oy + 424, font, "0°"_cp);
  WriteText(ox + 1, oy + 213, font, "90°"_cp);
  WriteText(ox + 424, oy + 213, font, "270°"_cp);
  // The cardinal points: azimuth counts from the north through the east.
  SetColor(140, 0, 0, a);
  WriteText(ox + 214 + static_cast<int32_t>(GetTextLength(font, "180°"_cp)), oy + 3, font, "J");
  WriteText(ox + 221 + static_cast<int32_t>(GetTextLength(font, "0°"_cp)), oy + 424, font, "S");
  WriteText(ox + 1, oy + 228, font, "V");
  WriteText(ox + 424, oy + 228, font, "Z");
}

void TObservatoryForm::DrawReadOut() {
  const int32_t ox = RealCanvasPos.X1;
  const int32_t oy = RealCanvasPos.Y1;
  const TFont& font = ProgramFont(0);
  SetColor(50, 50, 50, AlphaBlending);
  if (PMouseIs) {
    // One decimal: a pixel of the map spans almost half a degree.
    char text[64];
    std::snprintf(text, sizeof text, "Az.: %.1f\xB0", MouseAz);
    WriteText(ox + 10, oy + 400, font, text);
    std::snprintf(text, sizeof text, "Elev.: %.1f\xB0", MouseElev);
    WriteText(ox + 10, oy + 420, font, text);
  }
  std::array<TReadOutLine, kReadOutLines> lines;
  const int32_t count = NebulaReadOut(lines);
  for (int32_t i = 0; i < count; ++i) {
    const TViewport place = ReadOutPlace(i);
    WriteText(ox + place.X1, oy + place.Y1, font, lines[static_cast<std::size_t>(i)].data());
  }
}
