#pragma once
// The combo box: a drop-down list of texts built from menu items. The main
// item shows the chosen entry; pressing it opens five rows below it, with a
// scroll bar when the list has more than five entries. Pressing a row (mouse
// or Enter) chooses its entry: ChoosedItem changes, PAccept is set for that one
// frame and OnAccept runs.
//
//   Types = new TTypeComboBox();
//   Types->CreateComponent(&Types, 120, 200, 180);
//   for (const auto& name : TypeNames) Types->AddItem(name);   // before the first frame
//   ... Types->ChoosedItem - 1 is the chosen entry's index

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vc/vc_container.h"
#include "vc/vc_menu_item.h"
#include "vc/vc_scroll_bar.h"

// A scroll bar that knows the slots of its parts, the superiors of the rows.
class TComboBoxScrollBar : public TScrollBar {
 public:
  PComponentBase Button1Adr = nullptr;
  PComponentBase Button2Adr = nullptr;
  PComponentBase PanelUpAdr = nullptr;
  PComponentBase PanelDownAdr = nullptr;

  void OnCreate() override;
};

// A row of the list. A row past the last entry stays hidden however the list
// is opened.
class TComboBoxRow : public TMenuItem {
 public:
  bool Hidden = false;

  void Check() override;
};

class TComboBox : public TContainer {
 public:
  TOwned<TMenuItem> MainComboBoxItem;
  std::array<TOwned<TComboBoxRow>, 5> ComboBoxItems;  // rows 1..5 at indexes 0..4
  TOwned<TComboBoxScrollBar> ComboBoxScrollBar;
  int32_t ComboBoxWidth = 0;
  std::vector<std::string> ListOfItems;  // Windows-1250
  int32_t ChoosedItem = 1;               // 1-based
  PComponentBase Focus_Port = nullptr;   // the main item
  bool PAccept = false;                  // an entry was chosen in this frame

  // The main item is ComboBoxWidth wide and one font line tall; the rows open
  // below it.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, int32_t ComboBoxWidth_);

  void DimensionChange() override;
  void Check() override;
  void CatchFocus() override;
  // Scrolls the open list a row a notch; a closed box lets the wheel pass.
  bool MouseWheel(int32_t Notches) override;
  // An entry was chosen in this frame.
  virtual void OnAccept() {}

  // Appends an entry and returns its 0-based index.
  int32_t AddItem(std::string_view Item);
  void SetComboBoxWidth(int32_t Value);
  int32_t GetComboBoxWidth() const { return ComboBoxWidth; }
  // Replaces entry Index (0-based); out of range does nothing.
  void ChangeItem(int32_t Index, std::string_view Item);
  // Removes entry Index (0-based), keeping the chosen entry where it can.
  void RemoveItem(int32_t Index);
  // Entry Index (0-based), or an empty text out of range.
  std::string_view GetItem(int32_t Index) const;

 private:
  int32_t LineHeight() const;
  std::array<bool, 5> rowWasPressed_{};
};
