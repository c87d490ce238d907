#pragma once
// The view of one record: its fields as labelled texts and its picture in a
// panel; a right click on the picture shows it over the whole screen.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_database_watch.h"
#include "catalogue/cv_nebula.h"
#include "forms/cv_dialog_form.h"
#include "vc/vc_form.h"
#include "vc/vc_panel.h"

class TListItemForm : public TDialogForm {
 public:
  class TPicturePanel : public TPanel {
   public:
    TPicture Picture;
    uint8_t Result_ = 1;       // the last load's result code; 1 also for an empty picture name
    std::string ErrorMessage;  // the text for Result_, empty for 0
    std::string Caption;       // "Obrázok (<picture>)", built when a record is shown

    void OnDraw() override;
    void OnFree() override;
    void OnMouseRightClick(int32_t X, int32_t Y) override;
  };

  TOwned<TDialogOKButton> OKButton;
  TOwned<TPicturePanel> PicturePanel;

  // The texts shown, Windows-1250, each at most 255 characters.
  std::string IndexInArray;
  std::string NameOfNebula;
  std::string NGC;
  std::string Rect;
  std::string Dec;
  std::string Distance;
  std::string Magnitude;
  std::string TypeOfNebula;
  std::string Picture;
  std::string Description;

  // The record shown belongs to the database loaded when the form was shown;
  // once another one is loaded or created, the form hides itself.
  TDatabaseWatch ShownDatabase{TDatabaseChange::Replacement};

  void OnCreate() override;
  void OnFree() override;
  void OnShow() override;
  void OnCheck() override;
  void OnDraw() override;
};

extern TOwned<TListItemForm> ListItemForm;

// Shows record S in the item view: the form non-modally, its texts, and its
// picture loaded relative to the loaded database's folder. The list form and
// the observatory both show records through here.
void ShowListItem(const TNebula& S);

// The message for a picture load's result code (empty for 0).
std::string_view PictureLoadMessage(uint8_t Result_);

// A distance of 0 marks one that is not known (most of the NGC/IC nebulae):
// the list and the item view say so instead of showing a distance of nothing.
bool DistanceUnknown(double Distance);
std::string_view UnknownDistanceText();

// Where a picture of W x H goes in an area of AW x AH, relative to the area's
// top-left corner: scaled down to fit, aspect kept, never enlarged, centred.
struct TFittedPicture {
  int32_t X = 0;
  int32_t Y = 0;
  uint32_t Width = 0;
  uint32_t Height = 0;
};
TFittedPicture FitPicture(uint32_t W, uint32_t H, uint32_t AW, uint32_t AH);

// Draws Picture fitted into the AW x AH area at (X, Y), opaque.
void ShowFittedPicture(int32_t X, int32_t Y, uint32_t AW, uint32_t AH, const TPicture& Picture);
