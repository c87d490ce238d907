#include "forms/cv_settings_form.h"

#include <charconv>
#include <cmath>

#include "catalogue/cv_messages.h"
#include "catalogue/cv_places.h"
#include "forms/cv_observatory_form.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TSettingsForm> SettingsForm;

namespace {

constexpr char SOFT_HYPHEN = '\xAD';

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// Where the number in Text ends when it starts at I, or npos when there is
// none: digits with an optional point (at least one digit in all) and an
// optional exponent.
std::size_t NumberEnd(std::string_view Text, std::size_t I) {
  std::size_t digits = 0;
  while (I < Text.size() && IsDigit(Text[I])) ++I, ++digits;
  if (I < Text.size() && Text[I] == '.') {
    ++I;
    while (I < Text.size() && IsDigit(Text[I])) ++I, ++digits;
  }
  if (digits == 0) return std::string_view::npos;
  if (I < Text.size() && (Text[I] == 'e' || Text[I] == 'E')) {
    ++I;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) ++I;
    const std::size_t start = I;
    while (I < Text.size() && IsDigit(Text[I])) ++I;
    if (I == start) return std::string_view::npos;
  }
  return I;
}

// Shows Message and puts the last accepted Value back into Edit.
void Reject(TEdit& Edit, std::string_view Message, double Value) {
  ShowErrorMessage(Message);
  Edit.SetText(FormatCoordinate(Value));
  Edit.Refresh = true;
}

// The checks of a coordinate field: a number within [-Limit, Limit] is
// accepted into Accepted; anything else is refused with a message and the
// field shows Accepted again.
void ApplyCoordinate(TEdit& Edit, double& Accepted, double Limit, std::string_view NotANumber,
                     std::string_view OutOfRange) {
  const std::optional<double> value = ParseCoordinate(Edit.Text);
  if (!value) {
    Reject(Edit, NotANumber, Accepted);
  } else if (*value > Limit || *value < -Limit) {
    Reject(Edit, OutOfRange, Accepted);
  } else {
    Accepted = *value;
  }
}

}  // namespace

std::optional<double> ParseCoordinate(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t')) ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == '+' || Text[i] == '-' || Text[i] == SOFT_HYPHEN)) {
    negative = Text[i] != '+';
    ++i;
  }
  const std::size_t end = NumberEnd(Text, i);
  if (end != Text.size()) return std::nullopt;
  double value = 0.0;
  // from_chars reads "." whatever the process's locale says.
  const auto [ptr, ec] = std::from_chars(Text.data() + i, Text.data() + end, value);
  if (ec != std::errc() || ptr != Text.data() + end || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::string FormatCoordinate(double Value) {
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, Value, std::chars_format::fixed, 5);
  if (ec != std::errc()) return "0.00000";
  return std::string(buffer, ptr);
}

void TLatitudeEdit::ApplyNewValue() {
  ApplyCoordinate(*this, SettingsForm->Tmp_Settings.Latitude, 90.0, "Zemepisná šírka musí byť reálne číslo!"_cp,
                  "Vstupný údaj mimo rozsah <-90,90> !"_cp);
}

void TLongitudeEdit::ApplyNewValue() {
  ApplyCoordinate(*this, SettingsForm->Tmp_Settings.Longitude, 180.0, "Zemepisná dĺžka musí byť reálne číslo!"_cp,
                  "Vstupný údaj mimo rozsah <-180,180> !"_cp);
}

namespace {

constexpr int32_t NOTE_WIDTH = 360;

// What both pages draw: a title, the labels of their fields, a rule and a note.
void DrawPage(const TViewport& Canvas, std::string_view Title, std::string_view Label1, std::string_view Label2,
              std::string_view Note) {
  const int32_t x = Canvas.X1, y = Canvas.Y1;
  SetColor(0, 0, 0, 0);
  WriteText(x + 20, y + 30, ProgramFont(2), Title);
  SetColor(0, 0, 100, 0);
  WriteText(x + 20, y + 80, ProgramFont(2), Label1);
  if (!Label2.empty()) WriteText(x + 20, y + 130, ProgramFont(2), Label2);
  SetColor(0, 0, 0, 0);
  const int32_t width = Canvas.X2 - Canvas.X1 + 1;
  Line(x + 20, y + 200, x + width - 20, y + 200);
  WriteAlignedText(x + 20, y + 210, NOTE_WIDTH, ProgramFont(1), Note);
}

}  // namespace

void TDatabaseSet::OnCreate() {
  PathEdit = new TEdit();
  PathEdit->CreateComponent(&PathEdit, 130, 77, 200, 20);
  PathEdit->SetFont(LoadedFonts.size() > 3 ? LoadedFonts[3] : nullptr);
  UsePathBox = new TCheckBox();
  UsePathBox->CreateComponent(&UsePathBox, 21, 130, "Použiť predvolenú databázu"_cp);
}

void TDatabaseSet::OnDraw() {
  DrawPage(RealCanvasPos, "Predvolená databáza"_cp, "Názov súboru: "_cp, {},
           "Pozn.: Predvolená databáza sa načítava hneď po spustení programu."_cp);
}

void TPositionSet::OnCreate() {
  TFont* font = LoadedFonts.size() > 3 ? LoadedFonts[3] : nullptr;
  LatitudeEdit = new TLatitudeEdit();
  LatitudeEdit->CreateComponent(&LatitudeEdit, 130, 77, 200, 20);
  LatitudeEdit->SetFont(font);
  LongitudeEdit = new TLongitudeEdit();
  LongitudeEdit->CreateComponent(&LongitudeEdit, 130, 127, 200, 20);
  LongitudeEdit->SetFont(font);
  PlaceBox = new TPlaceComboBox();
  // Above the coordinates: its list and scroll bar open over them, inside the page.
  PlaceBox->CreateComponent(&PlaceBox, 130, 52, 200);
  PlaceBox->AddItem("(vlastná poloha)"_cp);
  for (const TPlace& place : KnownPlaces()) PlaceBox->AddItem(place.Name);
}

void TPositionSet::OnDraw() {
  DrawPage(RealCanvasPos, "Predvolená pozícia"_cp, "Zem. šírka:"_cp, "Zem. dĺžka:"_cp,
           "Pozn.: Predvolená pozícia sa implicitne nastaví vo hvezdárni."_cp);
  SetColor(0, 0, 100, 0);
  WriteText(RealCanvasPos.X1 + 20, RealCanvasPos.Y1 + 53, ProgramFont(2), "Miesto:"_cp);
}

void TPlaceComboBox::OnAccept() {
  if (ChoosedItem < 2) return;
  const TPlace& place = KnownPlaces()[static_cast<std::size_t>(ChoosedItem - 2)];
  TSettingsForm& form = *SettingsForm;
  form.Tmp_Settings.Latitude = place.Latitude;
  form.Tmp_Settings.Longitude = place.Longitude;
  for (TEdit* edit : {static_cast<TEdit*>(form.PositionSet->LatitudeEdit.Get()),
                      static_cast<TEdit*>(form.PositionSet->LongitudeEdit.Get())}) {
    edit->SetText(FormatCoordinate(edit == form.PositionSet->LatitudeEdit.Get() ? place.Latitude : place.Longitude));
    edit->Refresh = true;
  }
}

void TPlaceComboBox::ChooseFor(double Latitude, double Longitude) {
  ChoosedItem = 1;
  const auto places = KnownPlaces();
  for (std::size_t i = 0; i < places.size(); ++i)
    if (places[i].Latitude == Latitude && places[i].Longitude == Longitude) ChoosedItem = static_cast<int32_t>(i) + 2;
}

void TSettingsForm::TOKButton1::OnMouseLeftClick(int32_t, int32_t) {
  TSettingsForm& form = *SettingsForm;
  const std::optional<double> longitude = ParseCoordinate(form.PositionSet->LongitudeEdit->Text);
  const std::optional<double> latitude = ParseCoordinate(form.PositionSet->LatitudeEdit->Text);
  if (!longitude || !latitude) return;
  Settings.ImplicitDatabase = std::string_view(form.DatabaseSet->PathEdit->Text).substr(0, TShortString::Capacity);
  Settings.UseImplicitDatabase = form.DatabaseSet->UsePathBox->Checked;
  Settings.Latitude = *latitude;
  Settings.Longitude = *longitude;
  const bool observatory = form.ObservatoryWaits;
  form.Hide();
  if (observatory) ObservatoryForm->Show(ST_Unmodal);
}

void TSettingsForm::TCancelButton1::OnMouseLeftClick(int32_t, int32_t) { SettingsForm->Hide(); }

void TSettingsForm::AskForPlace() {
  PlaceAsked = true;
  Show(ST_Unmodal);
  Layer->SetFirstPage(1);
  ObservatoryWaits = true;
}

void TSettingsForm::OnCreate() {
  LoadFormIcon(*this);
  DatabaseSet = new TDatabaseSet();
  DatabaseSet->CreateComponent(&DatabaseSet);
  PositionSet = new TPositionSet();
  PositionSet->CreateComponent(&PositionSet);
  Layer = new TPageControl();
  Layer->CreateComponent(&Layer, 5, 35, 391, 265);
  Layer->AddPage(&DatabaseSet, "Databáza"_cp);
  Layer->AddPage(&PositionSet, "Pozícia"_cp);
  Layer->SetFirstPage(0);
  CreateDialogButton(OKButton, 87, 310);
  CreateDialogButton(CancelButton, 228, 310);
  Load_Settings = true;
}

void TSettingsForm::OnFree() { FreeBMPPicture(Icon); }

void TSettingsForm::OnShow() {
  OKButton->CatchFocus();
  if (!Load_Settings) return;
  TEdit& path = *DatabaseSet->PathEdit;
  path.SetText(Settings.ImplicitDatabase.View());
  path.Refresh = true;
  DatabaseSet->UsePathBox->Checked = Settings.UseImplicitDatabase;
  PositionSet->LongitudeEdit->SetText(FormatCoordinate(Settings.Longitude));
  PositionSet->LongitudeEdit->Refresh = true;
  PositionSet->LatitudeEdit->SetText(FormatCoordinate(Settings.Latitude));
  PositionSet->LatitudeEdit->Refresh = true;
  PositionSet->PlaceBox->ChooseFor(Settings.Latitude, Settings.Longitude);
  Load_Settings = false;
  Tmp_Settings = Settings;
}

void TSettingsForm::OnHide() {
  Load_Settings = true;
  ObservatoryWaits = false;
}
