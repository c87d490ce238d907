#include "vc/vc_hand_panel.h"

void THandPanel::MouseArrive(int32_t X_, int32_t Y_) {
  TPanel::MouseArrive(X_, Y_);
  RequestHand();
}

void THandPanel::MouseLeave(int32_t X_, int32_t Y_) {
  TPanel::MouseLeave(X_, Y_);
  ReleaseHand();
}
