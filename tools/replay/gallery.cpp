#include "tools/replay/gallery.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "platform/cp1250.h"
#include "rastrix/fnt.h"
#include "vc/vc_app.h"
#include "vc/vc_book.h"
#include "vc/vc_button.h"
#include "vc/vc_check_box.h"
#include "vc/vc_combo_box.h"
#include "vc/vc_edit.h"
#include "vc/vc_form.h"
#include "vc/vc_label.h"
#include "vc/vc_page_control.h"
#include "vc/vc_radio_button.h"
#include "vc/vc_scroll_bar.h"

namespace replay {

namespace {

class TGalleryForm;
TOwned<TGalleryForm> Gallery;
TFont* Garamond = nullptr;  // the second font of the gallery application, when it loaded

constexpr int kBookPages = 3;
constexpr int kBookRows = 30;

// Enter in an edit moves on to the next one, as in the program's forms.
class TGalleryEdit : public TEdit {
 public:
  int Accepts = 0;
  PComponentBase Next = nullptr;
  void OnAccept() override {
    ++Accepts;
    if (TVisualComponent* next = Deref(Next)) next->CatchFocus();
  }
};

class TGalleryRadio : public TRadioButton {
 public:
  int* Changes = nullptr;
  void OnChange() override { ++*Changes; }
};

class TGalleryCheckBox : public TCheckBox {
 public:
  int Changes = 0;
  void OnChange() override { ++Changes; }
};

class TGalleryCombo : public TComboBox {
 public:
  int Accepts = 0;
  void OnAccept() override { ++Accepts; }
};

class TGalleryButton : public TButton {
 public:
  int Page = 0;
  void OnMouseLeftClick(int32_t, int32_t) override;
};

// Thirty numbered lines, 20 pixels apart.
class TGalleryBookPage : public TBookPage {
 public:
  int Number = 1;
  std::array<TOwned<TLabel>, kBookRows> Rows;
  void OnCreate() override {
    for (int i = 0; i < kBookRows; ++i) {
      char text[48];
      std::snprintf(text, sizeof text, "Strana %d, riadok %d", Number, i + 1);
      Rows[static_cast<std::size_t>(i)] = new TLabel();
      Rows[static_cast<std::size_t>(i)]->CreateComponent(&Rows[static_cast<std::size_t>(i)], false, 10, 6 + 20 * i,
                                                         text);
    }
  }
};

class TPositionPage : public TPage {
 public:
  TOwned<TLabel> Caption;
  TOwned<TGalleryEdit> Latitude;
  void OnCreate() override {
    Caption = new TLabel();
    Caption->CreateComponent(&Caption, false, 10, 12, "Zemepisná šírka:"_cp);
    Latitude = new TGalleryEdit();
    Latitude->CreateComponent(&Latitude, 150, 10, 120, 16);
    Latitude->SetText("48° 09' 00\""_cp);
  }
};

class TTimePage : public TPage {
 public:
  TOwned<TLabel> Caption;
  TOwned<TButton> Now;
  void OnCreate() override {
    Caption = new TLabel();
    Caption->CreateComponent(&Caption, false, 10, 12, "Miestny čas: 21:30"_cp);
    Now = new TButton();
    Now->CreateComponent(&Now, true, BS_Classic, "Teraz", 10, 50, 100, 20);
  }
};

class TDisplayPage : public TPage {
 public:
  TOwned<TCheckBox> Names;
  void OnCreate() override {
    Names = new TCheckBox();
    Names->CreateComponent(&Names, 10, 12, "Zobraziť mená hmlovín"_cp);
  }
};

class TGalleryForm : public TForm {
 public:
  TOwned<TLabel> NameCaption, GaramondCaption;
  TOwned<TGalleryEdit> NameEdit, GaramondEdit;
  int RadioChanges = 0;
  std::array<TOwned<TGalleryRadio>, 3> Speeds;
  TOwned<TGalleryCheckBox> Grid;
  TOwned<TScrollBar> VerticalBar, HorizontalBar;
  TOwned<TGalleryCombo> Types;
  TOwned<TBook> Book;
  std::array<TOwned<TGalleryBookPage>, kBookPages> BookPages;
  std::array<TOwned<TGalleryButton>, kBookPages> PageButtons;
  TOwned<TPageControl> Tabs;
  TOwned<TPositionPage> PositionPage;
  TOwned<TTimePage> TimePage;
  TOwned<TDisplayPage> DisplayPage;

  void OnCreate() override;
};

void TGalleryButton::OnMouseLeftClick(int32_t, int32_t) { Gallery->Book->ChangePageNumber(Page); }

void TGalleryForm::OnCreate() {
  NameCaption = new TLabel();
  NameCaption->CreateComponent(&NameCaption, false, 20, 22, "Meno hmloviny:"_cp);
  NameEdit = new TGalleryEdit();
  NameEdit->CreateComponent(&NameEdit, 150, 20, 300, 20);
  GaramondCaption = new TLabel();
  GaramondCaption->CreateComponent(&GaramondCaption, false, 20, 62, "Poznámka:"_cp);
  GaramondEdit = new TGalleryEdit();
  GaramondEdit->CreateComponent(&GaramondEdit, 150, 60, 300, 20);
  if (Garamond != nullptr) GaramondEdit->SetFont(Garamond);
  GaramondEdit->SetText("Á Č Ž Ľ Ť Ý Ó É Ú Í Ď Ň Ô Ä – žltá hmlovina"_cp);
  NameEdit->Next = &GaramondEdit;
  GaramondEdit->Next = &NameEdit;

  constexpr const char* kSpeeds[] = {"Pomaly", "Rýchlo", "Veľmi rýchlo"};
  for (std::size_t i = 0; i < Speeds.size(); ++i) {
    Speeds[i] = new TGalleryRadio();
    const auto title = cp1250::FromUtf8(kSpeeds[i]).text;
    Speeds[i]->CreateComponent(&Speeds[i], 20, 110 + 28 * static_cast<int32_t>(i), title);
    Speeds[i]->Changes = &RadioChanges;
  }
  Speeds[0]->AddNeighbour(&Speeds[1]);
  Speeds[0]->AddNeighbour(&Speeds[2]);
  Speeds[0]->Checked = true;
  Grid = new TGalleryCheckBox();
  Grid->CreateComponent(&Grid, 20, 200, "Zobraziť mriežku"_cp);

  VerticalBar = new TScrollBar();
  VerticalBar->CreateComponent(&VerticalBar, SBT_Vertical, 480, 40, 200, 20);
  HorizontalBar = new TScrollBar();
  HorizontalBar->CreateComponent(&HorizontalBar, SBT_Horizontal, 219, 250, 200, 50);

  Types = new TGalleryCombo();
  Types->CreateComponent(&Types, 540, 20, 220);
  constexpr const char* kTypes[] = {"Planetárna hmlovina", "Emisná hmlovina",   "Reflexná hmlovina", "Temná hmlovina",
                                    "Zvyšok supernovy",    "Protoplanetárna", "Hviezdokopa s hmlovinou"};
  for (const char* type : kTypes) Types->AddItem(cp1250::FromUtf8(type).text);

  Book = new TBook();
  Book->CreateComponent(&Book, 20, 300, 400, 200);
  Toolkit().ActualComponent = &Book;
  for (int i = 0; i < kBookPages; ++i) {
    auto& page = BookPages[static_cast<std::size_t>(i)];
    page = new TGalleryBookPage();
    page->Number = i + 1;
    page->CreateComponent(&page);
    // The text is 600 pixels tall; 200 show at a time, 10 pixels a line.
    Book->AddBookPage(&page, (6 + 20 * kBookRows - 200) / 10 + 1);
  }
  Toolkit().ActualComponent = Adress;
  Book->ChangePageNumber(0);
  for (int i = 0; i < kBookPages; ++i) {
    auto& button = PageButtons[static_cast<std::size_t>(i)];
    button = new TGalleryButton();
    char title[16];
    std::snprintf(title, sizeof title, "Strana %d", i + 1);
    button->CreateComponent(&button, true, BS_Classic, title, 20 + 110 * i, 520, 90, 16);
    button->Page = i;
  }

  Tabs = new TPageControl();
  Tabs->CreateComponent(&Tabs, 540, 330, 400, 200);
  Toolkit().ActualComponent = &Tabs;
  PositionPage = new TPositionPage();
  PositionPage->CreateComponent(&PositionPage);
  Tabs->AddPage(&PositionPage, "Poloha");
  TimePage = new TTimePage();
  TimePage->CreateComponent(&TimePage);
  Tabs->AddPage(&TimePage, "Čas"_cp);
  DisplayPage = new TDisplayPage();
  DisplayPage->CreateComponent(&DisplayPage);
  Tabs->AddPage(&DisplayPage, "Zobrazenie");
  Toolkit().ActualComponent = Adress;
}

class TGalleryApplication : public TApplication {
 public:
  TFont GaramondFont;
  void OnCreate() override {
    uint8_t result = 0;
    LoadFNTFont("Fonts\\Garamond_12pt_normal.fnt", GaramondFont, result);
    Garamond = result == 0 ? &GaramondFont : nullptr;
    CreateGallery();
  }
};

std::string Quoted(std::string_view cp) {
  std::string out = "\"";
  out += cp1250::ToUtf8(cp);
  out += '"';
  return out;
}

}  // namespace

void CreateGallery() {
  Gallery = new TGalleryForm();
  Gallery->CreateComponent(&Gallery, PT_Normal, FS_Classic, "Galéria ovládacích prvkov"_cp, 980, 600);
  Gallery->Show(ST_Unmodal);
  Gallery->NameEdit->CatchFocus();
}

void FreeGallery() {
  if (Gallery) Gallery->Free();
}

TForm& GalleryForm() { return *Gallery; }
TEdit& GalleryEdit() { return *Gallery->NameEdit; }

TApplication* CreateGalleryApplication() {
  auto* created = new TGalleryApplication();
  created->Create("Corvala");
  return created;
}

std::string GalleryStateLines() {
  if (!Gallery) return {};
  const TGalleryForm& g = *Gallery;
  const auto edit = [](const char* name, const TGalleryEdit& e) {
    return std::string("gallery ") + name + " text=" + Quoted(e.Text) +
           " cursor=" + std::to_string(e.CursorPos + std::max(e.FirstChar, 1) - 1) +
           " first=" + std::to_string(e.FirstChar) +
           " accepts=" + std::to_string(e.Accepts) + "\n";
  };
  std::string out = edit("edit", *g.NameEdit) + edit("note", *g.GaramondEdit) +
                    edit("latitude", *g.PositionPage->Latitude);
  int checked = -1;
  for (std::size_t i = 0; i < g.Speeds.size(); ++i)
    if (g.Speeds[i]->Checked) checked = static_cast<int>(i);
  out += "gallery radio=" + std::to_string(checked) + " changes=" + std::to_string(g.RadioChanges) +
         " check=" + std::to_string(g.Grid->Checked) + " check-changes=" + std::to_string(g.Grid->Changes) +
         " names=" + std::to_string(g.DisplayPage->Names->Checked) + "\n";
  out += "gallery vbar=" + std::to_string(g.VerticalBar->Position) +
         " hbar=" + std::to_string(g.HorizontalBar->Position) + "\n";
  out += "gallery combo=" + std::to_string(g.Types->ChoosedItem) + " entry=" + Quoted(g.Types->MainComboBoxItem->Title) +
         " accepts=" + std::to_string(g.Types->Accepts) + "\n";
  out += "gallery book=" + std::to_string(g.Book->PageNumber) + " line=" + std::to_string(g.Book->Line) +
         " tab=" + std::to_string(g.Tabs->FirstPage) + "\n";
  return out;
}

}  // namespace replay
