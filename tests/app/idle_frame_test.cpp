// An idle frame of the loop allocates nothing: forms, buttons and an open
// menu are checked, drawn and presented from memory that already exists.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "vc/vc_app.h"
#include "tests/support/allocation_counter.h"
#include "platform/headless_backend.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"

namespace {

struct Ended {};

class TIdleForm : public TForm {
 public:
  TOwned<TButton> Button;
  TOwned<TMenuItem> Main, Sub;
  void OnCreate() override {
    Button = new TButton();
    Button->CreateComponent(&Button, true, BS_Classic, "OK", 10, 10, 80, 20);
    Toolkit().ActualComponent = Adress;
    Main = new TMenuItem();
    Main->CreateComponent(&Main, true, MIT_Button, BS_Classic, "Súbor", 10, 50, 60, 15);
    Toolkit().ActualComponent = Adress;
    Sub = new TMenuItem();
    Sub->CreateComponent(&Sub, false, MIT_Right, BS_Classic, "Otvoriť", 10, 75, 100, 15);
    Sub->SuperiorMenuItems.push_back(&Main);
    Toolkit().ActualComponent = Adress;
  }
};

TOwned<TIdleForm> idleForm;

class TIdleApplication : public TApplication {
 public:
  void OnCreate() override {
    idleForm = new TIdleForm();
    idleForm->CreateComponent(&idleForm, PT_Normal, FS_Classic, "Nečinné", 300, 200);
    idleForm->Show(ST_Unmodal);
  }
};

TEST(IdleFrame, AllocatesNothing) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(std::filesystem::path(CORVALA_SOURCE_DIR) / "data");
  platform::HeadlessBackend host;
  platform::Install(&host);
  RenewToolkit();
  auto* app = new TIdleApplication();
  app->Create("idle");
  Toolkit().ActiveComponent = &idleForm->Main;  // the submenu is open
  const TViewport b = idleForm->RealCanvasPos;
  host.SetCursor(b.X1 + 20, b.Y1 + 20);  // hovering the button
  for (int i = 0; i < 3; ++i) app->RunFrame();

  // The counter itself works.
  long before = test_support::AllocationCount();
  std::string* volatile probe = new std::string(100, 'x');
  delete probe;
  ASSERT_GE(test_support::AllocationCount() - before, 1);

  before = test_support::AllocationCount();
  for (int i = 0; i < 50; ++i) {
    app->RunFrame();
    host.Advance(20);
  }
  EXPECT_EQ(test_support::AllocationCount() - before, 0);
  EXPECT_TRUE(idleForm->Sub->Visible);

  SetExitHook([](int) { throw Ended{}; });
  try {
    app->Free();
  } catch (const Ended&) {
  }
  SetExitHook(nullptr);
  RenewToolkit();
  platform::Install(nullptr);
  std::filesystem::current_path(previous);
}

}  // namespace
