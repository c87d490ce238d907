#pragma once
// The observatory: the nebulae of the loaded database on a round map of the
// sky as an observer sees them at a chosen place and moment, with a simulated
// clock that runs at one of three speeds. The user edits the local date and
// time and the position, points at a nebula to focus it and opens its record.
//
// The map's list refers to the records by position and is rebuilt whenever
// the catalogue's Revision changes, so it never outlives the records it designates.

#include <array>
#include <cstdint>
#include <vector>
#include <string>
#include <string_view>

#include "catalogue/cv_calendar.h"
#include "catalogue/cv_sim_clock.h"
#include "catalogue/cv_database_watch.h"
#include "forms/cv_dialog_form.h"
#include "forms/cv_sky_map.h"
#include "vc/vc_edit.h"
#include "vc/vc_form.h"
#include "vc/vc_panel.h"
#include "vc/vc_radio_button.h"

class TTextInput : public TEdit {
 public:
  std::string InputName;  // Windows-1250, used in the messages
  int32_t MinValue = 0;
  int32_t MaxValue = 0;

  void OnLostFocus() override;
  void OnAccept() override;
  // Checks and applies the typed text; a refused text is reported and the
  // field shows the current value again. The base recalculates the map.
  virtual void ApplyNewValue();

 protected:
  // Reports Text on the error form and shows the current value again.
  void Refuse(std::string_view Text);
  virtual void Restore() {}
};

class TTimeInput : public TTextInput {
 public:
  int32_t IntValue = 0;
  TTimePart TimePart = TP_Year;

  void ApplyNewValue() override;

 protected:
  void Restore() override;
};

class TPositionInput : public TTextInput {
 public:
  double RealValue = 0;
  double* Target = nullptr;

  void ApplyNewValue() override;

 protected:
  void Restore() override;
};

class TTimePanel : public TPanel {
 public:
  TOwned<TTimeInput> Day;
  TOwned<TTimeInput> Month;
  TOwned<TTimeInput> Year;
  TOwned<TTimeInput> Hour;
  TOwned<TTimeInput> Minute;

  void OnCreate() override;
  void OnDraw() override;
};

class TPositionPanel : public TPanel {
 public:
  TOwned<TPositionInput> Longitude;
  TOwned<TPositionInput> Latitude;

  void OnCreate() override;
  void OnDraw() override;
};

class TSpeedRadioButton : public TRadioButton {
 public:
  uint8_t Speed = 1;

  void OnChange() override;
};

class TSpeedPanel : public TPanel {
 public:
  TOwned<TSpeedRadioButton> VeryFast;
  TOwned<TSpeedRadioButton> Fast;
  TOwned<TSpeedRadioButton> Normal;

  void OnCreate() override;
};

// Stands for "a nebula of the map has the keyboard focus"; no size, draws nothing.
class TFocus_Nebulas : public TVisualComponent {
 public:
  bool FocusFromForm = false;  // the focus came from the pointer

  void CreateComponent(PComponentBase Adress_);
  void OnFocus() override;
  void OnKeyDown(uint8_t Key) override;
};

// Follows TFocus_Nebulas in the focus order and hands the focus straight
// back to it, which moves on to the next nebula.
class TFocus_Gate : public TVisualComponent {
 public:
  void CreateComponent(PComponentBase Adress_);
  void OnFocus() override;
};

class TObservatoryForm : public TDialogForm {
 public:
  TOwned<TTimePanel> TimePanel;
  TOwned<TPositionPanel> PositionPanel;
  TOwned<TSpeedPanel> SpeedPanel;
  TOwned<TDialogOKButton> OKButton;
  // Puts the clock back to the present after the date was changed.
  class TNowButton : public TButton {
   public:
    void OnMouseLeftClick(int32_t X, int32_t Y) override;
  };
  TOwned<TNowButton> NowButton;
  double Latitude = 0;
  double Longitude = 0;
  TSimClock Clock;
  bool Reload = true;
  TObservingNebulas ObservingNebulas;
  TPicture DefaultThumbnail;
  TOwned<TFocus_Nebulas> Focus_Nebulas;
  TOwned<TFocus_Gate> Focus_Gate;
  int32_t FocusedNebula = -1;
  double MouseAz = 0;
  double MouseElev = 0;
  // Rows of thumbnails that opaque thumbnails drawn after them cover wholly
  // leave no pixel and are skipped; false draws every row (for comparison).
  bool SkipHiddenThumbnails = true;
  // The list refers to records by position: any change of the database rebuilds it.
  TDatabaseWatch ListedDatabase{TDatabaseChange::AnyChange};

  void OnCreate() override;
  void OnFree() override;
  void OnDraw() override;
  void OnCheck() override;
  void OnMouseIs(int32_t X, int32_t Y) override;
  void OnMouseMove(int32_t X, int32_t Y) override;
  void OnMouseLeftDoubleClick(int32_t X, int32_t Y) override;
  void OnShow() override;
  // The simulated clock := the system's, the map recomputed; the speed stays.
  void ClockToNow();
  void OnHide() override;

  // Shows the current values in the inputs that do not hold the focus.
  void ActualizeComponents();
  void RecalculateNebulas();
  // Opens the record of ObservingNebulas[Ind] in the item view; nothing for
  // an index outside the list.
  void ListNebula(int32_t Ind);

  // Moves the simulated clock by Minutes, stopping at the ends of the
  // supported years, and recalculates. Returns false when it had to stop.
  bool MoveClock(int64_t Minutes);
  // Sets the simulated instant, brought into the supported years.
  void SetClock(TDiffDate Minutes);
  int32_t LocalPart(TTimePart Part) const;
  // The topmost nebula whose rectangle holds the canvas point, or -1.
  int32_t NebulaAt(int32_t X, int32_t Y) const;
  // Gives the keyboard focus to the nebula at Ind as the pointer does.
  void FocusNebula(int32_t Ind);
  bool NebulaListFocused() const;

  // The focused nebula's read-out, drawn beside the speed panel: its name,
  // then for the observatory's local date and place its rise and set (or
  // that it never sets or never rises there), culmination time and
  // elevation. Each line fits the width of its place in the form's font.
  // Returns the number of lines, 0 while no nebula holds the focus.
  static constexpr int32_t kReadOutLines = 4;
  using TReadOutLine = std::array<char, 96>;
  int32_t NebulaReadOut(std::array<TReadOutLine, kReadOutLines>& Lines) const;
  // Where read-out line I starts on the canvas and how wide it may be.
  static TViewport ReadOutPlace(int32_t I);

 private:
  // The steps of drawing: the thumbnails (only the rows of each that later
  // ones leave visible), the grid with its labels, the read-outs.
  void DrawThumbnails();
  void DrawVisibleRows(const TObservingNebula& O, const TPicture& Picture, uint32_t Hidden);
  void DrawSkyGrid();
  void DrawReadOut();
  const TPicture& PictureOf(const TObservingNebula& O) const;
  // Marks in HiddenRows, per list element, the rows (bit r: row r from the
  // top) that thumbnails drawn after it cover wholly.
  void FindHiddenRows();
  std::vector<uint32_t> HiddenRows;  // reused between frames
  // Which pixels of the map area (canvas -64 .. 447 both ways) later
  // thumbnails have covered so far, one bit each.
  static constexpr int32_t kCoverOrigin = -64;
  static constexpr int32_t kCoverSize = 512;
  static constexpr int32_t kCoverWords = kCoverSize / 64;
  std::array<uint64_t, kCoverSize * kCoverWords> Covered{};
};

extern TOwned<TObservatoryForm> ObservatoryForm;
