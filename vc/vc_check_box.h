#pragma once
// The check box: a square marker and a focusable title in a container, sized
// from the title. A click on the marker or the title, or Enter on the focused
// title, toggles Checked and calls OnChange.

#include <cstdint>
#include <string_view>

#include "vc/vc_choice_control.h"

// The square marker with its tick.
class TBoxPanel : public TChoiceMark {
 public:
  void OnDraw() override;
};

class TCheckBox : public TChoiceControl {
 public:
  TCheckBox();

  TOwned<TBoxPanel> BoxPanel;

  // An unchecked box at (X, Y) in the component under construction, in the
  // first loaded font: title length + 41 pixels wide, at least 18 tall.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_);

 protected:
  TChoiceMark& Mark() override { return *BoxPanel; }
  void Picked() override;
};
