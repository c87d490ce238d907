#pragma once
// A panel that is clicked rather than looked at: the pointer becomes a hand
// while it is over it (the marks of check boxes and radio buttons, the tabs
// of a page control).

#include <cstdint>

#include "vc/vc_panel.h"

class THandPanel : public TPanel {
 public:
  void MouseArrive(int32_t X_, int32_t Y_) override;
  void MouseLeave(int32_t X_, int32_t Y_) override;
};
