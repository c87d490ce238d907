#include "vc/vc_combo_box.h"

#include <algorithm>

#include "platform/vk.h"
#include "rastrix/fnt.h"

void TComboBoxScrollBar::OnCreate() {
  Button1Adr = &Button1;
  Button2Adr = &Button2;
  PanelUpAdr = &PanelUp;
  PanelDownAdr = &PanelDown;
}

void TComboBoxRow::Check() {
  if (Hidden && Toolkit().MenuItemProces.Running && Toolkit().MenuItemProces.Proces == P_Input) {
    // Opening the list must not show it: no entry of its own.
    Visible = false;
    return;
  }
  TMenuItem::Check();
}

int32_t TComboBox::LineHeight() const { return Font != nullptr ? Font->PixHeight : 0; }

void TComboBox::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, int32_t ComboBoxWidth_) {
  ComboBoxWidth = ComboBoxWidth_;
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  const int32_t h = LineHeight();
  const int32_t w = ComboBoxWidth;
  TContainer::CreateComponent(Adress_, X_, Y_, static_cast<uint32_t>(std::max(w + 10, 0)),
                              static_cast<uint32_t>((h + 10) * 6));
  for (int i = 5; i >= 1; --i) {
    TOwned<TComboBoxRow>& row = ComboBoxItems[static_cast<std::size_t>(i - 1)];
    row = new TComboBoxRow();
    row->CreateComponent(&row, false, MIT_Button, BS_Classic, "", 0, (h + 10) * i,
                         static_cast<uint32_t>(std::max(w, 0)), static_cast<uint32_t>(h));
    row->Borders = TBorders{true, false, i == 5, false};
    row->CenteredText = false;
  }
  MainComboBoxItem = new TMenuItem();
  MainComboBoxItem->CreateComponent(&MainComboBoxItem, true, MIT_Down, BS_Classic, "", 0, 0,
                                    static_cast<uint32_t>(std::max(w, 0)), static_cast<uint32_t>(h));
  MainComboBoxItem->Borders = TBorders{true, true, true, true};
  MainComboBoxItem->CenteredText = false;
  ComboBoxScrollBar = new TComboBoxScrollBar();
  ComboBoxScrollBar->CreateComponent(&ComboBoxScrollBar, SBT_Vertical, w - 9, h + 29,
                                     static_cast<uint32_t>(std::max((h + 10) * 5 - 38, 0)), 5);
  Focus_Port = &MainComboBoxItem;
  MainComboBoxItem->Neighbours.DownMenuItem = &ComboBoxItems[0];
  for (std::size_t i = 0; i < 5; ++i) {
    TComboBoxRow& row = *ComboBoxItems[i];
    row.SuperiorMenuItems = {&MainComboBoxItem, ComboBoxScrollBar->Button1Adr, ComboBoxScrollBar->Button2Adr,
                             ComboBoxScrollBar->PanelUpAdr, ComboBoxScrollBar->PanelDownAdr};
    row.Neighbours.UpMenuItem = i > 0 ? &ComboBoxItems[i - 1] : nullptr;
    row.Neighbours.DownMenuItem = i < 4 ? &ComboBoxItems[i + 1] : nullptr;
  }
  ChoosedItem = 1;
  AlphaBlending = 0;
  DimensionChange();
  OnCreate();
  Toolkit().ActualComponent = MotherComponent;
}

void TComboBox::DimensionChange() {
  const int32_t h = LineHeight();
  const int32_t w = ComboBoxWidth;
  Width = w + 10;
  Height = (h + 10) * 6;
  const auto count = static_cast<int32_t>(ListOfItems.size());
  if (MainComboBoxItem && ComboBoxScrollBar) {
    for (int i = 5; i >= 1; --i) {
      TComboBoxRow& row = *ComboBoxItems[static_cast<std::size_t>(i - 1)];
      row.SetY((h + 10) * i);
      row.SetWidth(std::max(count > 5 ? w - 19 : w, 0));
      row.SetHeight(h);
    }
    MainComboBoxItem->SetWidth(std::max(w, 0));
    MainComboBoxItem->SetHeight(h);
    TScrollBar& bar = *ComboBoxScrollBar;
    bar.SetX(w - 9);
    bar.SetY(h + 29);
    bar.SetScrollBarLength((h + 10) * 5 - 38);
    if (count > 5) {
      bar.SetMaxValue(static_cast<uint32_t>(count - 5));
      for (auto& row : ComboBoxItems) {
        row->Enable = true;
        row->Hidden = false;
      }
    } else {
      bar.SetMaxValue(0);
      for (int i = 1; i <= 5; ++i) {
        TComboBoxRow& row = *ComboBoxItems[static_cast<std::size_t>(i - 1)];
        const bool used = i <= count;
        row.Enable = used;
        row.Hidden = !used;
        if (!used) row.Visible = false;
      }
    }
  }
  TContainer::DimensionChange();
}

void TComboBox::Check() {
  TContainer::Check();
  TScrollBar& bar = *ComboBoxScrollBar;
  const auto count = static_cast<int32_t>(ListOfItems.size());
  const TComboBoxScrollBar& parts = *ComboBoxScrollBar;
  const bool listActive =
      Toolkit().ActiveComponent != nullptr &&
      (Toolkit().ActiveComponent == Focus_Port || Toolkit().ActiveComponent == parts.Button1Adr ||
       Toolkit().ActiveComponent == parts.Button2Adr || Toolkit().ActiveComponent == parts.PanelUpAdr ||
       Toolkit().ActiveComponent == parts.PanelDownAdr);
  bar.Visible = count > 5 && listActive;

  PAccept = false;
  for (int i = 1; i <= 5; ++i) {
    TComboBoxRow& row = *ComboBoxItems[static_cast<std::size_t>(i - 1)];
    const bool pressed = row.PMouseLeftDown || row.Enter_Pressed;
    bool& was = rowWasPressed_[static_cast<std::size_t>(i - 1)];
    // A row stays pressed while the button or Enter is held; the choice is
    // reported once, when the press begins.
    if (pressed && !was) {
      ChoosedItem = i + bar.Position;
      MainComboBoxItem->CatchFocus();
      PAccept = true;
      OnAccept();
    }
    was = pressed;
  }

  if (ChoosedItem >= 1 && ChoosedItem <= count)
    MainComboBoxItem->Title = ListOfItems[static_cast<std::size_t>(ChoosedItem - 1)];
  for (int i = 1; i <= 5; ++i) {
    TComboBoxRow& row = *ComboBoxItems[static_cast<std::size_t>(i - 1)];
    const int32_t entry = i + bar.Position - 1;
    if (row.Enable && entry >= 0 && entry < count) row.Title = ListOfItems[static_cast<std::size_t>(entry)];
  }

  // An arrow that a row has already used to move the focus in this frame's
  // menu pass is not used again here.
  if (Toolkit().CanControl) {
    if (KeyPressed(vk::UP) && Toolkit().Focused == &ComboBoxItems[0]) {
      if (bar.Position == 0) {
        MainComboBoxItem->CatchFocus();
      } else {
        bar.SetPosition(bar.Position - 1);
      }
      Toolkit().CanControl = false;
    } else if (KeyPressed(vk::DOWN) && Toolkit().Focused == &ComboBoxItems[4] && count > 5) {
      bar.SetPosition(bar.Position + 1);
      Toolkit().CanControl = false;
    }
  }
  if (SelfChanged) Toolkit().Changed = true;
}

bool TComboBox::MouseWheel(int32_t Notches) {
  const bool open = std::any_of(ComboBoxItems.begin(), ComboBoxItems.end(),
                                [](const TOwned<TComboBoxRow>& row) { return row->Visible; });
  return open && ComboBoxScrollBar->MouseWheel(Notches);
}

void TComboBox::CatchFocus() {
  if (MainComboBoxItem) MainComboBoxItem->CatchFocus();
}

int32_t TComboBox::AddItem(std::string_view Item) {
  ListOfItems.emplace_back(Item);
  DimensionChange();
  OnDimensionChange();
  return static_cast<int32_t>(ListOfItems.size()) - 1;
}

void TComboBox::SetComboBoxWidth(int32_t Value) {
  ComboBoxWidth = Value;
  DimensionChange();
  OnDimensionChange();
}

void TComboBox::ChangeItem(int32_t Index, std::string_view Item) {
  if (Index < 0 || Index >= static_cast<int32_t>(ListOfItems.size())) return;
  ListOfItems[static_cast<std::size_t>(Index)] = std::string(Item);
}

void TComboBox::RemoveItem(int32_t Index) {
  if (Index < 0 || Index >= static_cast<int32_t>(ListOfItems.size())) return;
  ListOfItems.erase(ListOfItems.begin() + Index);
  if (ChoosedItem - 1 > Index) --ChoosedItem;
  ChoosedItem = std::clamp<int32_t>(ChoosedItem, 1, std::max<int32_t>(static_cast<int32_t>(ListOfItems.size()), 1));
  DimensionChange();
  OnDimensionChange();
  TScrollBar& bar = *ComboBoxScrollBar;
  bar.SetPosition(bar.Position);
}

std::string_view TComboBox::GetItem(int32_t Index) const {
  if (Index < 0 || Index >= static_cast<int32_t>(ListOfItems.size())) return {};
  return ListOfItems[static_cast<std::size_t>(Index)];
}
