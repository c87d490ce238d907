#include "tools/replay/test_app.h"

#include <string>

#include "vc/vc_app.h"
#include "platform/cp1250.h"
#include "platform/vk.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace replay {

namespace {

TApplication* application = nullptr;

class TMainWindow;
class TFirstWindow;
class TSecondWindow;
class TTopWindow;
class TQuestionWindow;
class TKeyLogWindow;

TOwned<TMainWindow> MainWindow;
TOwned<TFirstWindow> FirstWindow;
TOwned<TSecondWindow> SecondWindow;
TOwned<TTopWindow> TopWindow;
TOwned<TQuestionWindow> QuestionWindow;
TOwned<TKeyLogWindow> KeyLogWindow;

// A button that runs a plain function when clicked.
class TActionButton : public TButton {
 public:
  void (*Action)() = nullptr;
  void OnMouseLeftClick(int32_t, int32_t) override {
    if (Action != nullptr) Action();
  }
};

class TActionMenuItem : public TMenuItem {
 public:
  void (*Action)() = nullptr;
  void OnMouseLeftClick(int32_t, int32_t) override {
    if (Action != nullptr) Action();
  }
};

void MakeButton(TOwned<TActionButton>& slot, std::string_view title, int32_t x, int32_t y, void (*action)()) {
  slot = new TActionButton();
  slot->CreateComponent(&slot, true, BS_Classic, title, x, y, 100, 20);
  slot->Action = action;
}

void Place(TForm& form, int32_t x, int32_t y) {
  form.CenterX = false;
  form.CenterY = false;
  form.SetX(x);
  form.SetY(y);
}

class TMainWindow : public TForm {
 public:
  TOwned<TActionMenuItem> FileItem;
  TOwned<TActionMenuItem> NewWindowItem;
  TOwned<TActionMenuItem> EndItem;

  void OnCreate() override;
};

class TFirstWindow : public TForm {
 public:
  TOwned<TActionButton> ModalButton;
  TOwned<TActionButton> DisabledButton;
  TOwned<TActionButton> HideButton;

  void OnCreate() override;
};

class TSecondWindow : public TForm {
 public:
  TOwned<TActionButton> OKButton;
  int Refusals = 0;

  void OnCreate() override;
  // The first close request is refused, the later ones granted.
  void OnCloseQuery() override {
    if (Refusals++ == 0) Close = false;
  }
};

class TTopWindow : public TForm {};

class TQuestionWindow : public TForm {
 public:
  TOwned<TActionButton> OKButton;

  void OnCreate() override;
};

// Logs every key that goes down, " S65" for Shift+A, in its title.
class TKeyLogWindow : public TForm {
 public:
  void OnCheck() override {
    const bool shift = Toolkit().KeyboardKeysNew[vk::SHIFT];
    for (int k = 3; k <= 255; ++k) {
      if (k == vk::SHIFT || !KeyPressed(k)) continue;
      Title.append(shift ? " S" : " ").append(std::to_string(k));
    }
    // The log keeps the latest entries only.
    while (Title.size() > 60) {
      const std::size_t cut = Title.find(' ', 8);
      Title = "Záznam:"_cps + Title.substr(cut);
    }
  }
};

void TMainWindow::OnCreate() {
  FileItem = new TActionMenuItem();
  FileItem->CreateComponent(&FileItem, true, MIT_Button, BS_Classic, "Súbor"_cp, 10, 10, 60, 15);
  FileItem->Borders = TBorders{true, true, true, true};
  NewWindowItem = new TActionMenuItem();
  NewWindowItem->CreateComponent(&NewWindowItem, false, MIT_Right, BS_Classic, "Nové okno"_cp, 10, 35, 120, 15);
  NewWindowItem->SuperiorMenuItems.push_back(&FileItem);
  NewWindowItem->Action = [] {
    Toolkit().ActiveComponent = nullptr;
    SecondWindow->Show(ST_Unmodal);
  };
  EndItem = new TActionMenuItem();
  EndItem->CreateComponent(&EndItem, false, MIT_Button, BS_Classic, "Koniec"_cp, 10, 60, 120, 15);
  EndItem->SuperiorMenuItems.push_back(&FileItem);
  EndItem->Action = [] { application->Finish = true; };
  NewWindowItem->Neighbours.DownMenuItem = &EndItem;
  EndItem->Neighbours.UpMenuItem = &NewWindowItem;
}

void TSecondWindow::OnCreate() {
  MakeButton(OKButton, "OK", 20, 20, [] { SecondWindow->Hide(); });
}

void TFirstWindow::OnCreate() {
  MakeButton(ModalButton, "Modálne"_cp, 20, 20, [] { QuestionWindow->Show(ST_Modal); });
  MakeButton(DisabledButton, "Zakázané"_cp, 20, 60, nullptr);
  DisabledButton->Enable = false;
  MakeButton(HideButton, "Skryť"_cp, 20, 100, [] { FirstWindow->Hide(); });
}

void TQuestionWindow::OnCreate() {
  MakeButton(OKButton, "OK", 70, 30, [] { QuestionWindow->Hide(); });
}

class TTestApplication : public TApplication {
 public:
  void OnCreate() override {
    MainWindow = new TMainWindow();
    MainWindow->CreateComponent(&MainWindow, PT_Always_On_The_Bottom, FS_Classic, "Hlavné okno"_cp, 1012, 730);
    FirstWindow = new TFirstWindow();
    FirstWindow->CreateComponent(&FirstWindow, PT_Normal, FS_Classic, "Prvé okno"_cp, 400, 300);
    Place(*FirstWindow, 40, 120);
    SecondWindow = new TSecondWindow();
    // Stays centred, so that it maximises over the whole screen.
    SecondWindow->CreateComponent(&SecondWindow, PT_Normal, FS_Classic, "Druhé okno"_cp, 300, 200);
    TopWindow = new TTopWindow();
    TopWindow->CreateComponent(&TopWindow, PT_Always_On_The_Top, FS_Classic, "Navrchu"_cp, 200, 100);
    Place(*TopWindow, 780, 40);
    QuestionWindow = new TQuestionWindow();
    QuestionWindow->CreateComponent(&QuestionWindow, PT_Normal, FS_Classic, "Otázka"_cp, 240, 80);
    KeyLogWindow = new TKeyLogWindow();
    KeyLogWindow->CreateComponent(&KeyLogWindow, PT_Normal, FS_Classic, "Záznam:"_cp, 400, 20);
    Place(*KeyLogWindow, 560, 640);

    MainWindow->Show(ST_Unmodal);
    KeyLogWindow->Show(ST_Unmodal);
    TopWindow->Show(ST_Unmodal);
    SecondWindow->Show(ST_Unmodal);
    FirstWindow->Show(ST_Unmodal);
  }
};

}  // namespace

TApplication* CreateTestApplication() {
  auto* created = new TTestApplication();
  application = created;
  created->Create("Corvala");
  return created;
}

}  // namespace replay
