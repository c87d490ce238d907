#pragma once
// The radio button: a round marker and a focusable title in a container, sized
// from the title. One button of a group is checked; groups are built after
// creation with AddNeighbour:
//
//   Normal->AddNeighbour(&Fast);
//   Normal->AddNeighbour(&VeryFast);   // Normal, Fast and VeryFast: one group
//
// A click on the marker or the title, or Enter on the focused title, checks the
// button, unchecks the rest of its group and calls OnChange.

#include <cstdint>
#include <string>
#include <string_view>

#include "vc/vc_container.h"
#include "vc/vc_label.h"
#include "vc/vc_panel.h"

// The round marker with its dot.
class TRadioPanel : public TPanel {
 public:
  bool Checked = false;

  void OnDraw() override;
  void MouseArrive(int32_t X_, int32_t Y_) override;
  void MouseLeave(int32_t X_, int32_t Y_) override;
};

class TRadioButton : public TContainer {
 public:
  // The title label: the part that holds the keyboard focus.
  class TTitlePanel : public TLabel {
   public:
    void MouseArrive(int32_t X_, int32_t Y_) override;
    void MouseLeave(int32_t X_, int32_t Y_) override;
  };

  TOwned<TRadioPanel> RadioPanel;
  TOwned<TTitlePanel> TitlePanel;
  Array_Of_PComponentBase Neighbours;  // the other buttons of the group
  std::string Title;                   // Windows-1250
  bool Checked = false;                // set freely by code; OnChange reports users only

  // An unchecked button at (X, Y) in the component under construction, in the
  // first loaded font: title length + 35 pixels wide, at least 13 tall.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_);

  void DimensionChange() override;
  void Check() override;
  void CatchFocus() override;
  void SetFont(TFont* Font_) override;
  // A user checked this button.
  virtual void OnChange() {}

  // Joins the button Neighbour designates, with its group, to this button's
  // group. Anything but a radio button is ignored.
  void AddNeighbour(PComponentBase Neighbour);
  void ChangeTitle(std::string_view Title_);
  const std::string& GetTitle() const { return Title; }

 private:
  int32_t PanelY() const;
};
