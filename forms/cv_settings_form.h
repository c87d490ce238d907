#pragma once
// The settings: the default database opened at start and the default observer
// position the observatory starts from, on two pages of a page control. The
// form edits a working copy; only OK stores it into Settings.

#include "catalogue/cv_settings.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_check_box.h"
#include "vc/vc_combo_box.h"
#include "vc/vc_edit.h"
#include "vc/vc_page_control.h"

// An edit field that checks its value when Enter is pressed in it and when it
// loses the focus.
class TSettingsTextInput : public TEdit {
 public:
  void OnLostFocus() override { ApplyNewValue(); }
  void OnAccept() override { ApplyNewValue(); }
  virtual void ApplyNewValue() {}
};

class TLatitudeEdit : public TSettingsTextInput {
 public:
  void ApplyNewValue() override;
};

class TLongitudeEdit : public TSettingsTextInput {
 public:
  void ApplyNewValue() override;
};

class TDatabaseSet : public TPage {
 public:
  TOwned<TEdit> PathEdit;
  TOwned<TCheckBox> UsePathBox;

  void OnCreate() override;
  void OnDraw() override;
};

// The known places: entry 1 keeps the position as typed, every other one
// fills both coordinates.
class TPlaceComboBox : public TComboBox {
 public:
  void OnAccept() override;
  // Chooses the place at exactly these coordinates, or entry 1.
  void ChooseFor(double Latitude, double Longitude);
};

class TPositionSet : public TPage {
 public:
  TOwned<TLongitudeEdit> LongitudeEdit;
  TOwned<TLatitudeEdit> LatitudeEdit;
  TOwned<TPlaceComboBox> PlaceBox;

  void OnCreate() override;
  void OnDraw() override;
};

class TSettingsForm : public TDialogForm {
 public:
  TOwned<TDatabaseSet> DatabaseSet;
  TOwned<TPositionSet> PositionSet;
  TOwned<TPageControl> Layer;
  TOwned<TDialogOKButton> OKButton;
  TOwned<TDialogCancelButton> CancelButton;
  bool Load_Settings = true;
  TSettings Tmp_Settings;  // holds the last accepted latitude and longitude
  // Set when the observatory waits for a place: OK opens it.
  bool ObservatoryWaits = false;
  bool PlaceAsked = false;  // once a run is enough

  // Shows the position page to a user who has no position yet; OK then opens
  // the observatory.
  void AskForPlace();

  void OnOK() override;
  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;
  void OnHide() override;
};

extern TOwned<TSettingsForm> SettingsForm;
