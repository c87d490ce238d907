#pragma once
// The list of the loaded records: ten columns by fifteen rows, sorted by the
// column whose header was clicked last, narrowed by an optional search, with
// a scroll bar, a selected row (mouse or arrow keys) and three picture
// buttons that view, revise or delete the selected record.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_database_watch.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_list_view.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_button.h"
#include "vc/vc_check_box.h"
#include "vc/vc_edit.h"
#include "vc/vc_form.h"
#include "vc/vc_panel.h"
#include "vc/vc_scroll_bar.h"

inline constexpr int LIST_COLUMNS = 10;
inline constexpr int LIST_ROWS = 15;

// The arrow a column header shows: none, or the direction of its order.
enum TArrow : uint8_t { A_None, A_Up, A_Down };

class TListForm : public TDialogForm {
 public:
  // A column header: sorts by its column, the other way round each time.
  class TListButton : public TButton {
   public:
    TArrow Arrow = A_None;
    TDirection Direction = D_Up;
    TSortType SortType = ST_IndexOfItem;
    void OnDraw() override;
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };

  // A cell: its text at the left edge, centred vertically.
  class TListPanel : public TPanel {
   public:
    std::string ShowedText;
    void OnDraw() override;
  };

  // The view, revise and delete buttons: two pictures, no focus.
  class TItemButton : public TPictureButton {};
  class TListItemButton : public TItemButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;

   protected:
    std::string_view NormalPictureName() const override { return "Pictures\\ListItemButton1.bmp"; }
    std::string_view HighlightedPictureName() const override { return "Pictures\\ListItemButton2.bmp"; }
  };
  class TReviseItemButton : public TItemButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;

   protected:
    std::string_view NormalPictureName() const override { return "Pictures\\ModifyItemButton1.bmp"; }
    std::string_view HighlightedPictureName() const override { return "Pictures\\ModifyItemButton2.bmp"; }
  };
  class TDeleteItemButton : public TItemButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;

   protected:
    std::string_view NormalPictureName() const override { return "Pictures\\DeleteItemButton1.bmp"; }
    std::string_view HighlightedPictureName() const override { return "Pictures\\DeleteItemButton2.bmp"; }
  };

  // The invisible focus holder of a row: Enter views, Space revises and
  // Delete deletes the row's record.
  class TContainer : public TPanel {
   public:
    void OnCreate() override;
    void Check() override;
    void KeyClick(uint8_t Key) override;

   private:
    bool enter_handled_ = false;  // Enter is tracked twice; one press acts once
  };

  // Refill the cells at the next check; due after every change of the records.
  TRefreshFlag Refresh{TDatabaseChange::AnyChange};
  int32_t ActiveLine = 0;  // 1-based row of the shown records that is selected; 0 none
  int32_t LastInput = 0;   // Up key pacing
  int32_t LastInput2 = 0;  // Down key pacing
  int32_t ScrollBarPos = 0;
  std::string SearchString;  // the search text last applied
  TSortType SortType = ST_IndexOfItem;
  TDirection Direction = D_Up;
  std::array<std::array<TOwned<TListPanel>, LIST_ROWS>, LIST_COLUMNS> ListPanels;  // [column][row]
  std::array<TOwned<TListButton>, LIST_COLUMNS> PropertyButtons;
  std::array<TOwned<TContainer>, LIST_ROWS> Container;
  TOwned<TScrollBar> ScrollBar1;
  TOwned<TReviseItemButton> ReviseItemButton;
  TOwned<TListItemButton> ListItemButton;
  TOwned<TDeleteItemButton> DeleteItemButton;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TEdit> SearchEdit;
  TOwned<TCheckBox> SearchBox;

  // The records shown: sorted and searched again only when something changed.
  TListView View;

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;
  void OnCheck() override;
  // Anywhere over the form the wheel scrolls the rows.
  bool MouseWheel(int32_t Notches) override { return ScrollBar1->MouseWheel(Notches); }

  // Refills the 150 cells from the shown records at the scroll position.
  void ListAllItems();
  // The number of records shown.
  int32_t ShownCount() const { return static_cast<int32_t>(View.Count()); }

  // What the three buttons and the row keys do with the selected row.
  void ViewSelected();
  void ReviseSelected();
  void DeleteSelected();

 private:
  // The steps of a check, with Count records shown from scroll position P:
  // scroll, search and rebuild; a click selects its row; the selection
  // follows the focus (true while a row holds it); held arrow keys step it;
  // the selected row is coloured.
  void UpdateRows();
  void SelectClickedRow(int32_t Count, int32_t P);
  bool FollowFocus(int32_t Count, int32_t P);
  void PaceArrowKeys(bool RowFocused);
  // One held arrow key: a step after STEP_DELAY, then repeated steps.
  void PaceKey(uint8_t Key, int32_t Step, int32_t& Last, int32_t& Steps, int32_t Now);
  void ColourRows();
  // Steps the selection by one row (Up or Down), scrolling when it leaves
  // the visible rows.
  void StepSelection(int32_t Step);
  void FocusActiveRow();
  // The search edit's text as last seen: a change is typing, which switches
  // the search on.
  std::string seen_search_text_;
  int32_t up_steps_ = 0;
  int32_t down_steps_ = 0;
  // The row whose holder had the focus when the delete question was asked;
  // it gets the focus back once the question is answered.
  int32_t asked_row_ = 0;
};

extern TOwned<TListForm> ListForm;

// The list's current sort column header.
extern TComponentBase* ActivePropertyButton;

// The text of column C (0 to 9) for a record, as the list shows it.
void ListCellText(const TNebula& Record, int Column, std::string& Text);
