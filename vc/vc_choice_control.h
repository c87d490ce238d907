#pragma once
// What the check box and the radio button share: a marker and a focusable title
// in a container sized from the title. A click on the marker or the title, or
// Enter on the focused title, is a user's pick; the control decides what a pick
// does to Checked (Picked) and reports it through OnChange.

#include <cstdint>
#include <string>
#include <string_view>

#include "vc/vc_container.h"
#include "vc/vc_hand_panel.h"
#include "vc/vc_label.h"
#include "vc/vc_panel.h"

// The marker: shows Checked and offers the hand cursor. Controls draw the mark.
class TChoiceMark : public THandPanel {
 public:
  bool Checked = false;
};

class TChoiceControl : public TContainer {
 public:
  // The title label: the part that holds the keyboard focus.
  class TTitlePanel : public TLabel {
   public:
    void MouseArrive(int32_t X_, int32_t Y_) override;
    void MouseLeave(int32_t X_, int32_t Y_) override;
  };

  TOwned<TTitlePanel> TitlePanel;
  std::string Title;     // Windows-1250
  bool Checked = false;  // set freely by code; OnChange reports users only

  void DimensionChange() override;
  void Check() override;
  void CatchFocus() override;
  void SetFont(TFont* Font_) override;
  // A user changed Checked.
  virtual void OnChange() {}

  void ChangeTitle(std::string_view Title_);
  const std::string& GetTitle() const { return Title; }

 protected:
  // MarkerSize: the marker's outer size; TitleX: where the title starts.
  TChoiceControl(int32_t MarkerSize, int32_t TitleX) : MarkerSize_(MarkerSize), TitleX_(TitleX) {}

  // Creation in two steps around the marker, which the control creates in
  // between: an unchecked control at (X, Y) in the component under
  // construction, in the first loaded font. BeginCreate returns the height;
  // FinishCreate paints the marker white and adds the title.
  int32_t BeginCreate(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_);
  void FinishCreate();
  // The marker's Y for a control of the given height.
  int32_t MarkerY(int32_t Height_) const { return (Height_ - MarkerSize_) / 2; }

  virtual TChoiceMark& Mark() = 0;
  // A user picked the control: update Checked and call OnChange if it changed.
  virtual void Picked() = 0;

 private:
  int32_t ContentWidth() const;
  int32_t ContentHeight() const;
  int32_t PanelY() const;

  int32_t MarkerSize_;
  int32_t TitleX_;
};
