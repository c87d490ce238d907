#include "forms/cv_list_form.h"

#include <algorithm>
#include <charconv>

#include "catalogue/cv_number_text.h"
#include "forms/cv_add_form.h"
#include "forms/cv_delete_form.h"
#include "forms/cv_list_item_form.h"
#include "platform/cp1250.h"
#include "platform/platform.h"
#include "platform/vk.h"
#include "rastrix/fnt.h"
#include "rastrix/primitives.h"

TOwned<TListForm> ListForm;
TComponentBase* ActivePropertyButton = nullptr;

namespace {

struct TColumn {
  std::string_view Title;
  int32_t Width;
  int32_t X;
  TSortType SortType;
};

constexpr std::array<TColumn, LIST_COLUMNS> kColumns = {{
    {"Index", 50, 20, ST_IndexOfItem},
    {"Názov hmloviny"_cp, 120, 80, ST_NameOfNebula},
    {"NGC", 50, 210, ST_NGC},
    {"Rekt.", 50, 270, ST_Rect},
    {"Dek.", 50, 330, ST_Dec},
    {"Vzdial. [ly]", 80, 390, ST_Distance},
    {"Mag", 50, 480, ST_Magnitude},
    {"Typ", 120, 540, ST_TypeOfNebula},
    {"Obrázok"_cp, 120, 670, ST_Picture},
    {"Popis", 100, 800, ST_Description},
}};

// The first row's container is this entry of the form's focus list, after
// the three title-bar buttons.
constexpr uint32_t FIRST_ROW_FOCUS_POSITION = 3;

// Pacing of a held Up or Down key: the first step once the key has been
// down for more than 25 ms, the second after a pause like a typed key's,
// then one about every 50 ms.
constexpr int32_t STEP_DELAY = 25;
constexpr int32_t FIRST_REPEAT_PAUSE = 300;
constexpr int32_t REPEAT_PAUSE = 50;

int32_t Tick() { return static_cast<int32_t>(platform::Current().TickCount()); }

void AppendWhole(std::string& Text, int32_t Value) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, Value).ptr;
  Text.append(buffer, end);
}

void AppendReal(std::string& Text, double Value) {
  char buffer[THREE_DECIMALS_BUFFER];
  Text.append(buffer, FormatThreeDecimals(Value, buffer));
}

}  // namespace

void ListCellText(const TNebula& r, int Column, std::string& Text) {
  Text.clear();
  switch (Column) {
    case 0: AppendWhole(Text, r.IndexOfItem); break;
    case 1: Text.assign(r.NameOfNebula.View()); break;
    case 2: AppendWhole(Text, r.NGC); break;
    case 3: AppendReal(Text, r.Rect); break;
    case 4: AppendReal(Text, r.Dec); break;
    case 5:
      if (DistanceUnknown(r.Distance))
        Text.assign(UnknownDistanceText());
      else
        AppendReal(Text, r.Distance);
      break;
    case 6: AppendReal(Text, r.Magnitude); break;
    case 7: Text.assign(TypeOfNebulaText(r.TypeOfNebula)); break;
    case 8: Text.assign(r.Picture.View()); break;
    default: Text.assign(r.Description.View()); break;
  }
}

// ---------------------------------------------------------------- components

void TListForm::TListButton::OnDraw() {
  Arrow = A_None;
  if (ActivePropertyButton == this) Arrow = Direction == D_Up ? A_Up : A_Down;
  if (Arrow == A_None) return;
  const int32_t x1 = RealCanvasPos.X1;
  const int32_t y1 = RealCanvasPos.Y1;
  const int32_t y2 = RealCanvasPos.Y2;
  SetColor(TextColor.R, TextColor.G, TextColor.B, AlphaBlending);
  Line(x1 + 3, y1, x1 + 3, y2);
  if (Arrow == A_Up) {
    Line(x1, y1 + 5, x1 + 3, y1);
    Line(x1 + 3, y1, x1 + 6, y1 + 5);
  } else {
    Line(x1, y2 - 5, x1 + 3, y2);
    Line(x1 + 3, y2, x1 + 6, y2 - 5);
  }
}

void TListForm::TListButton::OnMouseLeftClick(int32_t, int32_t) {
  ActivePropertyButton = this;
  Direction = Direction == D_Up ? D_Down : D_Up;
  ListForm->SortType = SortType;
  ListForm->Direction = Direction;
  ListForm->Refresh = true;
}

void TListForm::TListPanel::OnDraw() {
  if (ShowedText.empty() || Font == nullptr) return;
  SetColor(TextColor.R, TextColor.G, TextColor.B, AlphaBlending);
  const int32_t height = RealCanvasPos.Y2 - RealCanvasPos.Y1 + 1;
  WriteText(RealCanvasPos.X1, RealCanvasPos.Y1 + (height - Font->PixHeight) / 2, *Font, ShowedText);
}

void TListForm::TListItemButton::OnMouseLeftClick(int32_t, int32_t) { ListForm->ViewSelected(); }
void TListForm::TReviseItemButton::OnMouseLeftClick(int32_t, int32_t) { ListForm->ReviseSelected(); }
void TListForm::TDeleteItemButton::OnMouseLeftClick(int32_t, int32_t) { ListForm->DeleteSelected(); }

void TListForm::TContainer::OnCreate() {
  AddTrackedKey(vk::RETURN);
  AddTrackedKey(vk::SPACE);
  AddTrackedKey(vk::DELETE_);
}

void TListForm::TContainer::Check() {
  enter_handled_ = false;
  TPanel::Check();
}

void TListForm::TContainer::KeyClick(uint8_t Key) {
  if (Key == vk::RETURN) {
    // Both tracked Enters of one press arrive in the same check; the item
    // view is opened once.
    if (enter_handled_) return;
    enter_handled_ = true;
    ListForm->ListItemButton->OnMouseLeftClick(-1, -1);
  } else if (Key == vk::SPACE) {
    ListForm->ReviseItemButton->OnMouseLeftClick(-1, -1);
  } else if (Key == vk::DELETE_) {
    ListForm->DeleteItemButton->OnMouseLeftClick(-1, -1);
  }
}

// ---------------------------------------------------------------- the form

void TListForm::OnCreate() {
  LoadFormIcon(*this);
  // Creation order is the focus order: the row holders first.
  for (TOwned<TContainer>& row : Container) {
    row = new TContainer();
    row->CreateComponent(&row, true, PS_Classic, -10, -10, 0, 0);
  }
  for (int c = 0; c < LIST_COLUMNS; ++c) {
    const TColumn& column = kColumns[static_cast<std::size_t>(c)];
    TOwned<TListButton>& header = PropertyButtons[static_cast<std::size_t>(c)];
    header = new TListButton();
    header->SortType = column.SortType;
    header->CreateComponent(&header, true, BS_Classic, column.Title, column.X, 20,
                            static_cast<uint32_t>(column.Width), 17);
    for (int r = 0; r < LIST_ROWS; ++r) {
      TOwned<TListPanel>& cell = ListPanels[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
      cell = new TListPanel();
      cell->CreateComponent(&cell, false, PS_DownSituated, column.X - 1, 20 + 25 * (r + 1),
                            static_cast<uint32_t>(column.Width + 2), 19);
      cell->Background = TColor{255, 255, 255, 0};
      cell->Borders = TBorders{true, true, true, true};
    }
  }
  ScrollBar1 = new TScrollBar();
  ScrollBar1->CreateComponent(&ScrollBar1, SBT_Vertical, 910, 39, 364, 15);
  ScrollBar1->WheelStep = 3;
  ListItemButton = new TListItemButton();
  ListItemButton->CreateComponent(&ListItemButton, false, BS_Classic, "List Item button", 20, 445, 110, 27);
  ReviseItemButton = new TReviseItemButton();
  ReviseItemButton->CreateComponent(&ReviseItemButton, false, BS_Classic, "Revise Item button", 20, 495, 110, 27);
  DeleteItemButton = new TDeleteItemButton();
  DeleteItemButton->CreateComponent(&DeleteItemButton, false, BS_Classic, "Delete Item button", 20, 545, 110, 27);
  CreateDialogButton(OKButton, 840, 545);
  SearchEdit = new TEdit();
  SearchEdit->CreateComponent(&SearchEdit, 721, 445, 200, 20);
  if (LoadedFonts.size() > 3 && LoadedFonts[3] != nullptr) SearchEdit->SetFont(LoadedFonts[3]);
  SearchBox = new TCheckBox();
  SearchBox->CreateComponent(&SearchBox, 597, 445, "Vyhľadávanie:"_cp);
  // The box's title reaches a few pixels into the edit and hid its first
  // letter: the edit lies above it (the focus order stays).
  const auto edit = std::find(RegisteredComponents.begin(), RegisteredComponents.end(), &SearchEdit);
  if (edit != RegisteredComponents.end()) std::rotate(edit, edit + 1, RegisteredComponents.end());
  ActivePropertyButton = PropertyButtons[0].Get();
  ActiveLine = 0;
}

void TListForm::OnFree() {
  FreeBMPPicture(Icon);
  ActivePropertyButton = nullptr;
}

void TListForm::OnShow() { OKButton->CatchFocus(); }

void TListForm::ListAllItems() {
  const int32_t count = ShownCount();
  const uint32_t most = count <= LIST_ROWS ? 0u : static_cast<uint32_t>(count - LIST_ROWS);
  if (ScrollBar1->GetMaxValue() != most) ScrollBar1->SetMaxValue(most);
  // A shorter list (a search, a deletion) must not leave the view scrolled
  // past its end with nothing to show.
  if (ScrollBar1->Position > static_cast<int32_t>(most)) ScrollBar1->SetPosition(static_cast<int32_t>(most));
  const int32_t p = ScrollBar1->Position;
  ScrollBarPos = p;
  for (int r = 0; r < LIST_ROWS; ++r) {
    const bool filled = p + r < count;
    for (int c = 0; c < LIST_COLUMNS; ++c) {
      std::string& text = ListPanels[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]->ShowedText;
      if (filled)
        ListCellText(View.Row(static_cast<std::size_t>(p + r)), c, text);
      else
        text.clear();
    }
  }
}

void TListForm::OnCheck() {
  if (asked_row_ != 0 && !DeleteForm->Visible) {
    // The answered question leaves the keyboard with the list, on the row
    // that was selected (or the last one, should the list have shrunk).
    if (Toolkit().ActiveForm == &DeleteForm || Toolkit().ActiveForm == nullptr) Toolkit().ActiveForm = Adress;
    Container[static_cast<std::size_t>(asked_row_ - 1)]->CatchFocus();
    asked_row_ = 0;
  }
  UpdateRows();
  const int32_t count = ShownCount();
  const int32_t p = ScrollBar1->Position;
  for (int r = 0; r < LIST_ROWS; ++r) Container[static_cast<std::size_t>(r)]->Enable = p + r + 1 <= count;
  SelectClickedRow(count, p);
  PaceArrowKeys(FollowFocus(count, p));
  ColourRows();
}

void TListForm::UpdateRows() {
  // Steps 1 to 3 of a frame: scroll, search, rebuild. The view sorts and
  // filters only when its inputs changed; the cells are refilled only then.
  bool refill = ScrollBar1->Position != ScrollBarPos;
  // Typing is asking to search; the box stays to switch the search off.
  if (SearchEdit->Text != seen_search_text_) {
    seen_search_text_ = SearchEdit->Text;
    if (!seen_search_text_.empty()) SearchBox->Checked = true;
  }
  if (SearchBox->Checked && SearchEdit->Text != SearchString) {
    SearchString = SearchEdit->Text;
    Refresh = true;
  }
  if (View.Update(SortType, Direction, SearchBox->Checked && !SearchEdit->Text.empty(), SearchEdit->Text))
    refill = true;
  if (Refresh) {
    Refresh = false;
    refill = true;
  }
  if (refill) ListAllItems();
}

void TListForm::SelectClickedRow(int32_t Count, int32_t P) {
  // A click on any cell of a filled row selects it.
  for (int r = 0; r < LIST_ROWS; ++r) {
    if (P + r + 1 > Count) continue;
    for (int c = 0; c < LIST_COLUMNS; ++c) {
      if (!ListPanels[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]->PMouseLeftClick) continue;
      ActiveLine = P + r + 1;
      Container[static_cast<std::size_t>(r)]->CatchFocus();
      PositionOfFocusedComponent = FIRST_ROW_FOCUS_POSITION + static_cast<uint32_t>(r);
      break;
    }
  }
}

bool TListForm::FollowFocus(int32_t Count, int32_t P) {
  // A row is selected exactly while its holder has the keyboard focus.
  for (int r = 0; r < LIST_ROWS; ++r) {
    if (Toolkit().Focused != &Container[static_cast<std::size_t>(r)]) continue;
    ActiveLine = std::min(P + r + 1, Count);
    if (ActiveLine == 0) return false;
    FocusActiveRow();
    return true;
  }
  return false;
}

void TListForm::PaceArrowKeys(bool RowFocused) {
  const int32_t now = Tick();
  if (!RowFocused) {
    ActiveLine = 0;
    LastInput = LastInput2 = now;
    up_steps_ = down_steps_ = 0;
    return;
  }
  PaceKey(vk::DOWN, 1, LastInput2, down_steps_, now);
  PaceKey(vk::UP, -1, LastInput, up_steps_, now);
}

void TListForm::PaceKey(uint8_t Key, int32_t Step, int32_t& Last, int32_t& Steps, int32_t Now) {
  if (!KeyIsDown(Key)) {
    Last = Now;
    Steps = 0;
  } else if (Now - Last > STEP_DELAY) {
    StepSelection(Step);
    Last = Now + (Steps++ == 0 ? FIRST_REPEAT_PAUSE : REPEAT_PAUSE) - STEP_DELAY;
  }
}

void TListForm::ColourRows() {
  const int32_t p = ScrollBar1->Position;
  for (int r = 0; r < LIST_ROWS; ++r) {
    const bool selected = p + r + 1 == ActiveLine;
    for (int c = 0; c < LIST_COLUMNS; ++c) {
      TListPanel& cell = *ListPanels[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
      cell.Background = selected ? TColor{155, 0, 0, 0} : TColor{255, 255, 255, 0};
      cell.TextColor = selected ? TColor{255, 255, 255, 0} : TColor{0, 0, 0, 0};
    }
  }
}

void TListForm::StepSelection(int32_t Step) {
  const int32_t count = ShownCount();
  ActiveLine = std::clamp(ActiveLine + Step, 1, std::max(count, 1));
  const int32_t p = ScrollBar1->Position;
  if (ActiveLine > p + LIST_ROWS) ScrollBar1->SetPosition(ActiveLine - LIST_ROWS);
  if (ActiveLine < p + 1) ScrollBar1->SetPosition(ActiveLine - 1);
  // Scrolled: the rows show the new records in this very frame, and the
  // focus goes to the holder of the row that now shows the selection.
  if (ScrollBar1->Position != ScrollBarPos) ListAllItems();
  if (count == 0) ActiveLine = 0;
  FocusActiveRow();
}

void TListForm::FocusActiveRow() {
  const int32_t row = ActiveLine - ScrollBar1->Position;
  if (ActiveLine == 0 || row < 1 || row > LIST_ROWS) return;
  TContainer& holder = *Container[static_cast<std::size_t>(row - 1)];
  if (Toolkit().Focused != holder.Adress) holder.CatchFocus();
}

void TListForm::ViewSelected() {
  if (ActiveLine < 1 || ActiveLine > ShownCount()) return;
  ShowListItem(View.Row(static_cast<std::size_t>(ActiveLine - 1)));
}

void TListForm::ReviseSelected() {
  if (ActiveLine < 1 || ActiveLine > ShownCount()) return;
  ReviseForm->FillFrom(View.Position(static_cast<std::size_t>(ActiveLine - 1)));
  ReviseForm->Show(ST_Unmodal);
}

void TListForm::DeleteSelected() {
  if (ActiveLine < 1 || ActiveLine > ShownCount()) return;
  const std::size_t position = View.Position(static_cast<std::size_t>(ActiveLine - 1));
  asked_row_ = ActiveLine - ScrollBar1->Position;
  if (asked_row_ < 1 || asked_row_ > LIST_ROWS) asked_row_ = 0;
  DeleteForm->Ask(position);
}
