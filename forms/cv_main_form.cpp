#include "forms/cv_main_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "forms/cv_about_form.h"
#include "forms/cv_add_form.h"
#include "forms/cv_encyclopedia_form.h"
#include "forms/cv_exit_form.h"
#include "forms/cv_overwrite_form.h"
#include "catalogue/cv_database_workflow.h"
#include "catalogue/cv_globals.h"
#include "forms/cv_file_new_form.h"
#include "forms/cv_help_form.h"
#include "forms/cv_informations_form.h"
#include "forms/cv_list_form.h"
#include "forms/cv_observatory_form.h"
#include "forms/cv_open_form.h"
#include "forms/cv_picture_buttons.h"
#include "forms/cv_save_as_form.h"
#include "forms/cv_settings_form.h"
#include "platform/cp1250.h"
#include "rastrix/fnt.h"

TOwned<TMainForm> MainForm;

namespace {

// The colour key of the main form's pictures.
constexpr TColor kKey{128, 128, 0, 0};

constexpr uint32_t kArcButtonWidth = 150;
constexpr uint32_t kArcButtonHeight = 54;
constexpr uint32_t kItemWidth = 170;
constexpr uint32_t kItemHeight = 26;
constexpr int32_t kOpenedWindowsX = 427;
constexpr int32_t kOpenedWindowsY = 738;
// The status bar's catalogue name: after the date's piece, clear of the
// open-windows button; the saved note stays this long.
constexpr int32_t kCatalogueTextX = 112;
constexpr int32_t kCatalogueTextEnd = kOpenedWindowsX - 12;
constexpr uint32_t kSavedNoteMs = 3000;

template <class T>
void CreateArcButton(TOwned<T>& Slot, std::string_view Title, double Theta, bool Right, bool Upper,
                     std::string_view Name) {
  const TPoint at = ArcButtonPosition(Theta, Right, Upper);
  std::string pic1 = "Pictures\\" + std::string(Name) + "1.bmp";
  std::string pic2 = "Pictures\\" + std::string(Name) + "2.bmp";
  Slot = new T();
  Slot->CreateComponent(&Slot, true, BS_Classic, Title, at.X, at.Y, kArcButtonWidth, kArcButtonHeight, pic1, pic2);
}

template <class T>
void CreateMenuItem(TOwned<T>& Slot, std::string_view Title, int32_t X, int32_t Y, PComponentBase Superior) {
  Slot = new T();
  Slot->CreateComponent(&Slot, false, MIT_Left, BS_Classic, Title, X, Y, kItemWidth, kItemHeight);
  Slot->SuperiorMenuItems.assign(1, Superior);
  Slot->AlphaBlending = 255;
}

// Links a column of items top to bottom through their up and down neighbours.
template <class... Slots>
void LinkColumn(Slots&... Items) {
  TMenuItem* column[] = {Items.Get()...};
  PComponentBase slots[] = {&Items...};
  constexpr std::size_t n = sizeof...(Items);
  for (std::size_t i = 0; i < n; ++i) {
    column[i]->Neighbours.UpMenuItem = i > 0 ? slots[i - 1] : nullptr;
    column[i]->Neighbours.DownMenuItem = i + 1 < n ? slots[i + 1] : nullptr;
  }
}

}  // namespace

TPoint ArcButtonPosition(double Theta, bool Right, bool Upper) {
  const double dx = 220.0 * std::sin(Theta);
  const double dy = 220.0 * std::cos(Theta);
  TPoint p;
  p.X = static_cast<int32_t>(std::lround(Right ? 637.0 + dx : 237.0 - dx));
  p.Y = static_cast<int32_t>(std::lround(Upper ? 230.0 - dy : 230.0 + dy));
  return p;
}

// ---------------------------------------------------------------- main form buttons

void TMainFormButton::CreateComponent(PComponentBase Adress_, bool CanFocus_, TButtonStyle ButtonStyle_,
                                      std::string_view Title_, int32_t X_, int32_t Y_, uint32_t Width_,
                                      uint32_t Height_, std::string_view PicStr1_, std::string_view PicStr2_) {
  PicStr1.assign(PicStr1_);
  PicStr2.assign(PicStr2_);
  TButton::CreateComponent(Adress_, CanFocus_, ButtonStyle_, Title_, X_, Y_, Width_, Height_);
}

void TMainFormButton::OnCreate() {
  LoadProgramPicture(PicStr1, Picture1);
  LoadProgramPicture(PicStr2, Picture2);
  TranColor = kKey;
}

bool TMainFormButton::Highlighted() const {
  return Adress != nullptr && (Toolkit().Focused == Adress || Toolkit().ActiveComponent == Adress);
}

void TMainFormButton::OnDraw() {
  const TPicture& picture = Highlighted() ? Picture2 : Picture1;
  ShowAlphaScaleBMPPicture(RealCanvasPos.X1, RealCanvasPos.Y1, picture, picture.ImageWidth, picture.ImageHeight,
                           0, true, TranColor);
}

void TMainFormButton::OnMouseMove(int32_t, int32_t) { Toolkit().Focused = Adress; }

void TObservatoryButton::OnMouseLeftClick(int32_t, int32_t) {
  // With no position stored the map would show the sky over the Gulf of
  // Guinea: ask for a place first, once a run.
  if (!SettingsForm->PlaceAsked && Settings.Latitude == 0.0 && Settings.Longitude == 0.0) {
    SettingsForm->AskForPlace();
    return;
  }
  ObservatoryForm->Show(ST_Unmodal);
}
void TEncyclopediaButton::OnMouseLeftClick(int32_t, int32_t) { EncyclopediaForm->Show(ST_Unmodal); }
void TSettingsButton::OnMouseLeftClick(int32_t, int32_t) { SettingsForm->Show(ST_Unmodal); }
void THelpButton::OnMouseLeftClick(int32_t, int32_t) { HelpForm->Show(ST_Unmodal); }
void TAboutButton::OnMouseLeftClick(int32_t, int32_t) { AboutForm->Show(ST_Unmodal); }
void TMainExitButton::OnMouseLeftClick(int32_t, int32_t) { AskToQuit(); }

// ---------------------------------------------------------------- menu items

void TDatabaseMenuItem::OnCreate() {
  LoadProgramPicture("Pictures\\DatabaseMenuItem1.bmp", Picture1);
  LoadProgramPicture("Pictures\\DatabaseMenuItem2.bmp", Picture2);
}

void TDatabaseMenuItem::OnDraw() {
  const bool highlighted = PMouseIs || (Adress != nullptr && Toolkit().Focused == Adress);
  ShowBMPPicture(RealCanvasPos.X1, RealCanvasPos.Y1, highlighted ? Picture2 : Picture1);
  if (Font == nullptr) return;
  SetColor(0, 0, 0, 0);
  WriteText(RealCanvasPos.X1 + 10, RealCanvasPos.Y1 + 5, *Font, Title);
}

void TFileNewItem::OnMouseLeftClick(int32_t, int32_t) { FileNewForm->Show(ST_Unmodal); }
void TOpenItem::OnMouseLeftClick(int32_t, int32_t) { OpenForm->Show(ST_Unmodal); }
void TSaveItem::OnMouseLeftClick(int32_t, int32_t) { ShowOverwriteQuestionFor(RequestSave()); }
void TSaveAsItem::OnMouseLeftClick(int32_t, int32_t) { SaveAsForm->Show(ST_Unmodal); }
void TInformationsItem::OnMouseLeftClick(int32_t, int32_t) { InformationsForm->Open(); }
void TAddItem::OnMouseLeftClick(int32_t, int32_t) { AddForm->Show(ST_Unmodal); }
void TListItem::OnMouseLeftClick(int32_t, int32_t) { ListForm->Show(ST_Unmodal); }

// ---------------------------------------------------------------- status bar

void TStatusBar::OnCreate() {
  LoadProgramPicture("Pictures\\StatusBarTexture.bmp", Texture);
  LoadProgramPicture("Pictures\\StatusBarDate1.bmp", Date1);
  LoadProgramPicture("Pictures\\StatusBarDate2.bmp", Date2);
  TranColor = kKey;
  // The strings keep their room from here on, so the clock never allocates.
  for (std::string& part : TimeString) part.reserve(8);
  date_text_.reserve(32);
  clock_text_.reserve(32);
  catalogue_text_.reserve(TShortString::Capacity + 2);
  saves_seen_ = Catalogue().Saves;
}

void TStatusBar::FormatTime(const platform::SystemTime& T) {
  const unsigned parts[6] = {T.Day, T.Month, T.Year, T.Hour, T.Minute, T.Second};
  for (int i = 0; i < 6; ++i) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, i == 2 ? "%u" : "%02u", parts[i]);
    TimeString[i].assign(buffer);
  }
  date_text_.assign(TimeString[0]).append(".").append(TimeString[1]).append(".").append(TimeString[2]);
  clock_text_.assign(TimeString[3]).append(":").append(TimeString[4]).append(" ").append(TimeString[5]);
}

void TStatusBar::OnCheck() {
  Time = platform::Current().LocalTime();
  FormatTime(Time);
  catalogue_text_.clear();
  if (Catalogue().Loaded) {
    // A catalogue made without a name is known by its file.
    std::string_view name = Catalogue().DatabaseInfo.NameOfDatabase.View();
    if (name.empty()) {
      name = Catalogue().DatabaseFile;
      const std::size_t slash = name.find_last_of("\\/");
      if (slash != std::string_view::npos) name.remove_prefix(slash + 1);
    }
    catalogue_text_.assign(name.substr(0, TShortString::Capacity));
    if (Catalogue().Modified) catalogue_text_.append(" *");
  }
  const uint32_t now = platform::Current().TickCount();
  if (Catalogue().Saves != saves_seen_) {
    saves_seen_ = Catalogue().Saves;
    saved_note_ = true;
    saved_note_end_ = now + kSavedNoteMs;
  }
  if (saved_note_ && static_cast<int32_t>(now - saved_note_end_) >= 0) saved_note_ = false;
  // The note must go when its time is up, not at the next input.
  if (saved_note_) RedrawWithin(saved_note_end_ - now);
  RedrawWithin(1000u - std::min<uint32_t>(Time.Milliseconds, 999));
}

void TStatusBar::OnDraw() {
  const TViewport& c = RealCanvasPos;
  ShowAlphaScaleBMPPicture(c.X1, c.Y1, Date1, Date1.ImageWidth, Date1.ImageHeight, 0, true, TranColor);
  ShowAlphaScaleBMPPicture(c.X2 - static_cast<int32_t>(Date2.ImageWidth) + 1, c.Y1, Date2, Date2.ImageWidth,
                           Date2.ImageHeight, 0, true, TranColor);
  if (Font == nullptr) return;
  SetColor(255, 255, 255, 0);
  WriteText(c.X1 + 11, c.Y1 + 2, *Font, date_text_);
  WriteText(c.X1 + 947, c.Y1 + 2, *Font, clock_text_);
  DrawCatalogueText();
}

void TStatusBar::DrawCatalogueText() {
  // Between the date and the open-windows button, where nothing else lies; a
  // name too long for it loses its end rather than run under the button.
  const TViewport& c = RealCanvasPos;
  const int32_t x = c.X1 + kCatalogueTextX;
  const std::string_view note = "Uložené"_cp;
  const int32_t note_room = saved_note_ ? static_cast<int32_t>(GetTextLength(*Font, note)) + 12 : 0;
  const int32_t room = kCatalogueTextEnd - kCatalogueTextX - note_room;
  std::string_view text = catalogue_text_;
  while (!text.empty() && static_cast<int32_t>(GetTextLength(*Font, text)) > room) text.remove_suffix(1);
  SetColor(255, 255, 255, 0);
  WriteText(x, c.Y1 + 2, *Font, text);
  if (!saved_note_) return;
  SetColor(150, 230, 150, 0);
  WriteText(x + static_cast<int32_t>(GetTextLength(*Font, text)) + 12, c.Y1 + 2, *Font, note);
}

// ---------------------------------------------------------------- main form

void TMainForm::OnCreate() {
  // The title buttons lie above the screen; the keyboard walks only what is seen.
  FocusableComponents.clear();
  LoadProgramPicture("Pictures\\ScreenPicture.bmp", Texture);
  LoadFormIcon(*this);

  StatusBar = new TStatusBar();
  StatusBar->CreateComponent(&StatusBar, false, PS_Classic, 0, 742, 1016, 20);

  OpenedWindowsButton = new TMainFormButton();
  OpenedWindowsButton->CreateComponent(&OpenedWindowsButton, true, BS_Classic, "Opened Windows Button",
                                       kOpenedWindowsX, kOpenedWindowsY, kItemWidth, kItemHeight,
                                       "Pictures\\OpenedWindowsButton1.bmp", "Pictures\\OpenedWindowsButton2.bmp");

  constexpr double kNear = std::numbers::pi / 9;
  constexpr double kFar = 5 * std::numbers::pi / 18;
  CreateArcButton(FileButton, "File Button", kNear, false, true, "FileButton");
  CreateArcButton(DatabaseButton, "Database Button", kFar, false, true, "DatabaseButton");
  CreateArcButton(ObservatoryButton, "Observatory Button", kFar, false, false, "ObservatoryButton");
  CreateArcButton(EncyclopediaButton, "Encyclopedia Button", kNear, false, false, "EncyclopediaButton");
  CreateArcButton(SettingsButton, "Settings Button", kNear, true, true, "SettingsButton");
  CreateArcButton(HelpButton, "Help Button", kFar, true, true, "HelpButton");
  CreateArcButton(AboutButton, "About Button", kFar, true, false, "AboutButton");
  CreateArcButton(ExitButton, "Exit Button", kNear, true, false, "ExitButton");

  // Only the pictures drawn by the buttons themselves are to be seen.
  OpenedWindowsButton->AlphaBlending = 255;
  FileButton->AlphaBlending = 255;
  DatabaseButton->AlphaBlending = 255;
  ObservatoryButton->AlphaBlending = 255;
  EncyclopediaButton->AlphaBlending = 255;
  SettingsButton->AlphaBlending = 255;
  HelpButton->AlphaBlending = 255;
  AboutButton->AlphaBlending = 255;
  ExitButton->AlphaBlending = 255;

  // Each menu hangs below its button, one item every 26 pixels.
  CreateMenuItem(FileNewItem, "Nový súbor"_cp, 162, 77, &FileButton);
  CreateMenuItem(OpenItem, "Otvoriť"_cp, 162, 103, &FileButton);
  CreateMenuItem(SaveItem, "Uložiť"_cp, 162, 129, &FileButton);
  CreateMenuItem(SaveAsItem, "Uložiť ako"_cp, 162, 155, &FileButton);
  CreateMenuItem(InformationsItem, "Inf. o databáze"_cp, 68, 143, &DatabaseButton);
  CreateMenuItem(AddItem, "Pridať položku"_cp, 68, 169, &DatabaseButton);
  CreateMenuItem(ListItem, "Výpis položiek"_cp, 68, 195, &DatabaseButton);

  // The list of open windows grows upwards from its button.
  for (int i = 1; i <= OPENED_WINDOWS_ITEMS; ++i)
    CreateMenuItem(OpenedWindowsItems[i - 1], "Otvorene okno", kOpenedWindowsX,
                   kOpenedWindowsY - static_cast<int32_t>(kItemHeight) * i, &OpenedWindowsButton);

  LinkColumn(FileNewItem, OpenItem, SaveItem, SaveAsItem);
  LinkColumn(InformationsItem, AddItem, ListItem);
  for (int i = 0; i < OPENED_WINDOWS_ITEMS; ++i) {
    TDatabaseMenuItem& item = *OpenedWindowsItems[i];
    item.Neighbours.DownMenuItem = i > 0 ? &OpenedWindowsItems[i - 1] : nullptr;
    item.Neighbours.UpMenuItem = i + 1 < OPENED_WINDOWS_ITEMS ? &OpenedWindowsItems[i + 1] : nullptr;
  }
}

void TMainForm::OnCheck() {
  for (TOwned<TDatabaseMenuItem>& item : OpenedWindowsItems) item->SetX(2000);

  int shown = 0;
  for (PComponentBase slot : Toolkit().AllForms) {
    if (shown == OPENED_WINDOWS_ITEMS) break;
    TForm* form = DerefAs<TForm>(slot);
    if (form == nullptr || !(form->Minimized || form->Visible)) continue;
    TOwned<TDatabaseMenuItem>& item = OpenedWindowsItems[shown++];
    item->SetX(kOpenedWindowsX);
    if (item->Title != form->Title) item->Title = form->Title;
    if (Toolkit().ActiveComponent == &item && Toolkit().ActiveForm != slot) form->Show(ST_Unmodal);
  }

  if (FileButton->PMouseLeftClick) FileNewItem->CatchFocus();
  if (DatabaseButton->PMouseLeftClick) InformationsItem->CatchFocus();
  if (OpenedWindowsButton->PMouseLeftClick) OpenedWindowsItems[0]->CatchFocus();
}
