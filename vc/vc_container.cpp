#include "vc/vc_container.h"

void TContainer::CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_,
                                 uint32_t Height_) {
  TVisualComponent::CreateComponent(Adress_, false);
  X = X_;
  Y = Y_;
  Width = static_cast<int32_t>(Width_);
  Height = static_cast<int32_t>(Height_);
  TContainer::DimensionChange();
  CanCatchMouseEvent = false;
}

void TContainer::DimensionChange() {
  TVisualComponent::DimensionChange();
  const int32_t dx = Width > 0 ? 1 : 0;
  const int32_t dy = Height > 0 ? 1 : 0;
  ComponentPos = TViewport{X, Y, X + Width - dx, Y + Height - dy};
  CanvasPos = TViewport{0, 0, Width - dx, Height - dy};
}
