#pragma once
// Shared set-up of the toolkit tests: a headless host, an open virtual screen
// and a fresh toolkit state, plus a probe component that logs its events.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/rastrix.h"
#include "vc/vc_base.h"

namespace vc_test {

// Every event of a component, as "<name>.<event>" in one shared log.
class TProbe : public TVisualComponent {
 public:
  std::string Name;
  std::vector<std::string>* Log = nullptr;

  void Note(const std::string& event) {
    if (Log != nullptr) Log->push_back(Name + "." + event);
  }
  void OnFree() override { Note("Free"); }
  void OnDraw() override { Note("Draw"); }
  void OnFocus() override { Note("Focus"); }
  void OnLostFocus() override { Note("LostFocus"); }
  void OnKeyDown(uint8_t k) override { Note("KeyDown" + std::to_string(k)); }
  void OnKeyClick(uint8_t k) override { Note("KeyClick" + std::to_string(k)); }
  void OnMouseArrive(int32_t, int32_t) override { Note("Arrive"); }
  void OnMouseLeave(int32_t, int32_t) override { Note("Leave"); }
  void OnMouseMove(int32_t, int32_t) override { Note("Move"); }
  void OnMouseLeftDown(int32_t, int32_t) override { Note("LeftDown"); }
  void OnMouseRightDown(int32_t, int32_t) override { Note("RightDown"); }
  void OnMouseLeftClick(int32_t x, int32_t y) override {
    Note("LeftClick");
    LastX = x;
    LastY = y;
  }
  void OnMouseRightClick(int32_t, int32_t) override { Note("RightClick"); }
  void OnMouseLeftDoubleClick(int32_t, int32_t) override { Note("LeftDouble"); }
  void OnMouseRightDoubleClick(int32_t, int32_t) override { Note("RightDouble"); }

  int32_t LastX = 0, LastY = 0;
};

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Install(&host);
    RenewToolkit();
    InitRastrix("toolkit test");
  }
  void TearDown() override {
    RenewToolkit();
    CloseRastrix();
    platform::Install(nullptr);
  }

  // The frame cycle's duties around one Check of the given roots (topmost first).
  void Frame(std::initializer_list<TVisualComponent*> roots) {
    Toolkit().Changed = false;
    for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysOld[k] = Toolkit().KeyboardKeysNew[k];
    for (int k = 1; k <= 255; ++k) Toolkit().KeyboardKeysNew[k] = host.KeyDown(k);
    if (!Toolkit().KeyboardKeysNew[vk::LBUTTON]) Toolkit().ChangedActiveComponent = false;
    for (TVisualComponent* root : roots) root->Check();
    host.Advance(step);
  }

  // Makes a probe with the given outer rectangle (relative to its mother's
  // canvas) and a canvas equal to it.
  TProbe* MakeProbe(TOwned<TProbe>& slot, const std::string& name, TViewport outer, bool canFocus = false) {
    slot = new TProbe();
    slot->Name = name;
    slot->Log = &log;
    // A probe without a parent is a root and owns the focus list, as a form does.
    const bool root = Toolkit().ActualComponent == nullptr;
    if (root) {
      slot->RegisterComponent = false;
      Toolkit().ActualForm = &slot;
    }
    slot->CreateComponent(&slot, canFocus);
    slot->ComponentPos = outer;
    slot->CanvasPos = TViewport{0, 0, outer.X2 - outer.X1, outer.Y2 - outer.Y1};
    Toolkit().ActualComponent = root ? nullptr : slot->MotherComponent;
    return slot.Get();
  }

  std::vector<std::string> Take() {
    std::vector<std::string> out;
    out.swap(log);
    return out;
  }

  platform::HeadlessBackend host;
  std::vector<std::string> log;
  uint32_t step = 20;
};

}  // namespace vc_test
