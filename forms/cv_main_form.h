#pragma once
// The main form: the program's desktop. A screen-sized form at the bottom of
// the stack whose title bar lies above the screen; eight picture buttons on
// two arcs, the file and database menus, the list of open windows and a
// status bar with the date and the clock. Every other window opens from here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "vc/vc_form.h"
#include "vc/vc_menu_item.h"
#include "vc/vc_panel.h"

// A button drawn from its two pictures alone: the toolkit's own look is made
// fully transparent after creation.
class TMainFormButton : public TButton {
 public:
  std::string PicStr1;  // normal look
  std::string PicStr2;  // highlighted look
  TPicture Picture1;
  TPicture Picture2;
  TColor TranColor;

  void CreateComponent(PComponentBase Adress_, bool CanFocus_, TButtonStyle ButtonStyle_, std::string_view Title_,
                       int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_, std::string_view PicStr1_,
                       std::string_view PicStr2_);

  void OnCreate() override;
  void OnDraw() override;
  void OnMouseMove(int32_t X, int32_t Y) override;

  // True when the highlighted picture is the one to draw.
  bool Highlighted() const;
};

class TObservatoryButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TEncyclopediaButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TSettingsButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class THelpButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TAboutButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
// The main form's own exit button. (TExitButton is the close button of
// every title bar; this one hides the form's field of that name.)
class TMainExitButton : public TMainFormButton {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};

// An item of the main form's drop-down menus, drawn from two pictures with
// its title on top.
class TDatabaseMenuItem : public TMenuItem {
 public:
  TPicture Picture1;
  TPicture Picture2;

  void OnCreate() override;
  void OnDraw() override;
};

class TFileNewItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TOpenItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TSaveItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TSaveAsItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TInformationsItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TAddItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};
class TListItem : public TDatabaseMenuItem {
 public:
  void OnMouseLeftClick(int32_t X, int32_t Y) override;
};

// The date and the clock at the bottom of the screen.
class TStatusBar : public TPanel {
 public:
  TPicture Date1;  // left end piece
  TPicture Date2;  // right end piece
  TColor TranColor;
  platform::SystemTime Time;
  std::array<std::string, 6> TimeString;  // day, month, year, hour, minute, second

  void OnCreate() override;
  void OnCheck() override;
  void OnDraw() override;

  // Fills TimeString from T, every part but the year with at least two
  // digits, and the two texts the bar shows.
  void FormatTime(const platform::SystemTime& T);
  // The date and the clock as shown, "06.12.2026" and "23:05 09".
  const std::string& DateText() const { return date_text_; }
  const std::string& ClockText() const { return clock_text_; }
  // The loaded catalogue's name, with " *" while it has unsaved changes;
  // empty with none loaded.
  const std::string& CatalogueText() const { return catalogue_text_; }
  // "Uložené" shows beside it for a few seconds after each save.
  bool SavedNoteShown() const { return saved_note_; }

 private:
  void DrawCatalogueText();
  std::string catalogue_text_;
  uint32_t saves_seen_ = 0;
  bool saved_note_ = false;
  uint32_t saved_note_end_ = 0;  // tick count
  std::string date_text_;  // kept between frames, so that an idle frame allocates nothing
  std::string clock_text_;
};

// The number of open-window items: one for each form of the program.
inline constexpr int OPENED_WINDOWS_ITEMS = 21;

class TMainForm : public TForm {
 public:
  TOwned<TStatusBar> StatusBar;
  TOwned<TMainFormButton> FileButton;
  TOwned<TMainFormButton> DatabaseButton;
  TOwned<TObservatoryButton> ObservatoryButton;
  TOwned<TEncyclopediaButton> EncyclopediaButton;
  TOwned<TSettingsButton> SettingsButton;
  TOwned<THelpButton> HelpButton;
  TOwned<TAboutButton> AboutButton;
  TOwned<TMainExitButton> ExitButton;
  TOwned<TMainFormButton> OpenedWindowsButton;
  TOwned<TFileNewItem> FileNewItem;
  TOwned<TOpenItem> OpenItem;
  TOwned<TSaveItem> SaveItem;
  TOwned<TSaveAsItem> SaveAsItem;
  TOwned<TInformationsItem> InformationsItem;
  TOwned<TAddItem> AddItem;
  TOwned<TListItem> ListItem;
  std::array<TOwned<TDatabaseMenuItem>, OPENED_WINDOWS_ITEMS> OpenedWindowsItems;  // [0] is item 1

  void OnCreate() override;
  void OnCheck() override;
};

extern TOwned<TMainForm> MainForm;

// Where an arc button lies: on a circle of radius 220 around (237, 230) for
// the left arc and (637, 230) for the right one, at angle Theta from the
// vertical, in the upper or lower half.
TPoint ArcButtonPosition(double Theta, bool Right, bool Upper);
