#pragma once
// The check box: a square marker and a focusable title in a container, sized
// from the title. A click on the marker or the title, or Enter on the focused
// title, toggles Checked and calls OnChange.

#include <cstdint>
#include <string>
#include <string_view>

#include "vc/vc_container.h"
#include "vc/vc_label.h"
#include "vc/vc_panel.h"

// The square marker with its tick.
class TBoxPanel : public TPanel {
 public:
  bool Checked = false;

  void OnDraw() override;
  void MouseArrive(int32_t X_, int32_t Y_) override;
  void MouseLeave(int32_t X_, int32_t Y_) override;
};

class TCheckBox : public TContainer {
 public:
  // The title label: the part that holds the keyboard focus.
  class TTitlePanel : public TLabel {
   public:
    void MouseArrive(int32_t X_, int32_t Y_) override;
    void MouseLeave(int32_t X_, int32_t Y_) override;
  };

  TOwned<TTitlePanel> TitlePanel;
  TOwned<TBoxPanel> BoxPanel;
  std::string Title;     // Windows-1250
  bool Checked = false;  // set freely by code; OnChange reports users only

  // An unchecked box at (X, Y) in the component under construction, in the
  // first loaded font: title length + 41 pixels wide, at least 18 tall.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, std::string_view Title_);

  void DimensionChange() override;
  void Check() override;
  void CatchFocus() override;
  void SetFont(TFont* Font_) override;
  // A user toggled the box.
  virtual void OnChange() {}

  void ChangeTitle(std::string_view Title_);
  const std::string& GetTitle() const { return Title; }

 private:
  int32_t PanelY() const;
};
