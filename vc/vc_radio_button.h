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
#include <string_view>

#include "vc/vc_choice_control.h"

// The round marker with its dot.
class TRadioPanel : public TChoiceMark {
 public:
  void OnDraw() override;
};

class TRadioButton : public TChoiceControl {
 public:
  TRadioButton();

  TOwned<TRadioPanel> RadioPanel;
  Array_Of_PComponentBase Neighbours;  // the other buttons of the group

  // An unchecked button at (X, Y) in the component under construction, in the
  // first loaded font: title length + 35 pixels wide, at least 13 tall.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_);

  // Joins the button Neighbour designates, with its group, to this button's
  // group. Anything but a radio button is ignored.
  void AddNeighbour(PComponentBase Neighbour);

 protected:
  TChoiceMark& Mark() override { return *RadioPanel; }
  // Checks an unchecked button and unchecks the rest of its group.
  void Picked() override;
};
