#include "forms/cv_settings_form.h"

#include "catalogue/cv_messages.h"
#include "catalogue/cv_number_text.h"
#include "catalogue/cv_places.h"
#include "forms/cv_observatory_form.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TSettingsForm> SettingsForm;

namespace {

// Shows Message and puts the last accepted Value back into Edit.
void Reject(TEdit& Edit, std::string_view Message, double Value) {
  ShowErrorMessage(Message);
  Edit.SetText(FixedDecimals(Value, 5));
  Edit.Refresh = true;
}

// The checks of a coordinate field: a number within [-Limit, Limit] is
// accepted into Accepted; anything else is refused with a message and the
// field shows Accepted again.
void ApplyCoordinate(TEdit& Edit, double& Accepted, double Limit, std::string_view NotANumber,
                     std::string_view OutOfRange) {
  double value = 0;
  if (!ParseRealNumber(Edit.Text, value)) {
    Reject(Edit, NotANumber, Accepted);
  } else if (value > Limit || value < -Limit) {
    Reject(Edit, OutOfRange, Accepted);
  } else {
    Accepted = value;
  }
}

}  // namespace

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
    edit->SetText(FixedDecimals(edit == form.PositionSet->LatitudeEdit.Get() ? place.Latitude : place.Longitude, 5));
    edit->Refresh = true;
  }
}

void TPlaceComboBox::ChooseFor(double Latitude, double Longitude) {
  ChoosedItem = 1;
  const auto places = KnownPlaces();
  for (std::size_t i = 0; i < places.size(); ++i)
    if (places[i].Latitude == Latitude && places[i].Longitude == Longitude) ChoosedItem = static_cast<int32_t>(i) + 2;
}

void TSettingsForm::OnOK() {
  TSettingsForm& form = *this;
  double longitude = 0;
  double latitude = 0;
  if (!ParseRealNumber(form.PositionSet->LongitudeEdit->Text, longitude) ||
      !ParseRealNumber(form.PositionSet->LatitudeEdit->Text, latitude))
    return;
  Settings.ImplicitDatabase = std::string_view(form.DatabaseSet->PathEdit->Text).substr(0, TShortString::Capacity);
  Settings.UseImplicitDatabase = form.DatabaseSet->UsePathBox->Checked;
  Settings.Latitude = latitude;
  Settings.Longitude = longitude;
  const bool observatory = form.ObservatoryWaits;
  form.Hide();
  if (observatory) ObservatoryForm->Show(ST_Unmodal);
}

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
  PositionSet->LongitudeEdit->SetText(FixedDecimals(Settings.Longitude, 5));
  PositionSet->LongitudeEdit->Refresh = true;
  PositionSet->LatitudeEdit->SetText(FixedDecimals(Settings.Latitude, 5));
  PositionSet->LatitudeEdit->Refresh = true;
  PositionSet->PlaceBox->ChooseFor(Settings.Latitude, Settings.Longitude);
  Load_Settings = false;
  Tmp_Settings = Settings;
}

void TSettingsForm::OnHide() {
  Load_Settings = true;
  ObservatoryWaits = false;
}
