// The controls' cost per frame: checking and drawing a full-screen form packed
// with buttons, bevelled panels, labels and an open submenu, beside clearing the
// virtual screen (one memset of 3 MiB) as the yardstick of a frame's floor; and
// the control gallery with a key held in its edit field, empty or holding a
// long text, to show that typing costs the same however long the text is.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "vc/vc_base.h"
#include "vc/vc_button.h"
#include "vc/vc_form.h"
#include "vc/vc_label.h"
#include "vc/vc_menu_item.h"
#include "tools/replay/gallery.h"
#include "vc/vc_edit.h"
#include "vc/vc_panel.h"

namespace {

// One display and one default font for the whole run.
platform::HeadlessBackend* EnsureDisplay() {
  static platform::HeadlessBackend* host = [] {
    auto* h = new platform::HeadlessBackend();
    platform::Install(h);
    InitRastrix("bench");
    static TFont font;
    uint8_t result = 255;
    LoadFNTFont(std::string(CORVALA_SOURCE_DIR) + "/data/Fonts/Tahoma_10pt_normal.fnt", font, result);
    if (result != 0) LoadedFonts.push_back(&font);  // text then draws nothing, the rest still counts
    return h;
  }();
  return host;
}

// A maximal form: 48 buttons, 24 panels with all borders and titles, 12
// labels, a main-menu item with 10 open submenu items, one of them focused.
struct Scene {
  TOwned<TForm> form;
  TOwned<TButton> buttons[48];
  TOwned<TPanel> panels[24];
  TOwned<TLabel> labels[12];
  TOwned<TMenuItem> file;
  TOwned<TMenuItem> items[10];

  Scene() {
    EnsureDisplay();
    RenewToolkit();
    form = new TForm();
    form->CreateComponent(&form, PT_Normal, FS_Classic, "Zoznam", 1000, 700);
    for (int i = 0; i < 48; ++i) {
      buttons[i] = new TButton();
      buttons[i]->CreateComponent(&buttons[i], true, BS_Classic, "Tlačidlo"_cp, 10 + (i % 8) * 120, 300 + (i / 8) * 40,
                                  100, 20);
    }
    for (int i = 0; i < 24; ++i) {
      panels[i] = new TPanel();
      panels[i]->CreateComponent(&panels[i], false, i % 2 ? PS_Classic : PS_DownSituated, 200 + (i % 4) * 190,
                                 30 + (i / 4) * 40, 180, 24);
      panels[i]->Borders = TBorders{true, true, true, true};
      panels[i]->Title = "Hmlovina NGC 1976";
    }
    for (int i = 0; i < 12; ++i) {
      labels[i] = new TLabel();
      labels[i]->CreateComponent(&labels[i], false, 10 + (i % 6) * 160, 560 + (i / 6) * 40, "Deklinácia"_cp);
    }
    file = new TMenuItem();
    file->CreateComponent(&file, true, MIT_Down, BS_Classic, "Databáza"_cp, 0, 0, 80, 14);
    for (int i = 0; i < 10; ++i) {
      items[i] = new TMenuItem();
      items[i]->CreateComponent(&items[i], false, MIT_Right, BS_Classic, "Položka"_cp, 0, 24 + 24 * i, 150, 14);
      items[i]->SuperiorMenuItems.push_back(&file);
      items[i]->Borders = TBorders{true, true, true, true};
    }
    form->Show(ST_Unmodal);
    Toolkit().ActiveComponent = &file;
    Toolkit().Focused = &items[3];
  }
  ~Scene() {
    form->Free();
    RenewToolkit();
  }

  void Frame() {
    Toolkit().Changed = false;
    Toolkit().CanControl = true;
    Toolkit().Link = L_No_Response;
    MenuCheckPass(P_Input);
    form->Check();
    MenuCheckPass(P_Position);
    ClearVirtualScreen();
    form->Draw();
    MenuDrawPass();
  }
};

void BM_ClearVirtualScreen(benchmark::State& state) {
  EnsureDisplay();
  for (auto _ : state) {
    ClearVirtualScreen();
    benchmark::DoNotOptimize(VirtualScreen);
  }
}
BENCHMARK(BM_ClearVirtualScreen);

void BM_ControlsFrame(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    scene.Frame();
    benchmark::DoNotOptimize(VirtualScreen);
  }
  state.counters["components"] = 48 + 24 + 12 + 11 + 4;
}
BENCHMARK(BM_ControlsFrame);

// The gallery form with every control; its first edit holds state.range(0)
// characters with the cursor at the end. Each frame a key is down: a letter
// and Backspace by turns, so the text keeps its length while every frame types.
void BM_GalleryTypingFrame(benchmark::State& state) {
  platform::HeadlessBackend* host = EnsureDisplay();
  RenewToolkit();
  replay::CreateGallery();
  TForm& form = replay::GalleryForm();
  TEdit& edit = replay::GalleryEdit();
  std::string text;
  for (int64_t i = 0; i < state.range(0); ++i) text += static_cast<char>(i % 7 == 6 ? ' ' : 'a' + i % 26);
  edit.SetText(text);
  const auto frame = [&](int key) {
    Toolkit().Changed = false;
    Toolkit().CanControl = true;
    Toolkit().Link = L_No_Response;
    Toolkit().KeyboardKeysOld = Toolkit().KeyboardKeysNew;
    Toolkit().KeyboardKeysNew.fill(false);
    if (key != 0) Toolkit().KeyboardKeysNew[static_cast<uint8_t>(key)] = true;
    MenuCheckPass(P_Input);
    form.Check();
    MenuCheckPass(P_Position);
    ClearVirtualScreen();
    form.Draw();
    MenuDrawPass();
    host->Advance(20);
  };
  frame(0);
  frame(vk::END);
  frame(0);
  bool letter = true;
  for (auto _ : state) {
    frame(letter ? 'K' : vk::BACK);
    letter = !letter;
    benchmark::DoNotOptimize(VirtualScreen);
  }
  state.counters["chars"] = static_cast<double>(edit.Text.size());
  replay::FreeGallery();
  RenewToolkit();
}
BENCHMARK(BM_GalleryTypingFrame)->Arg(0)->Arg(1000);

}  // namespace
