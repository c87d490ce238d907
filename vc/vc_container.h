#pragma once
// The container: an invisible rectangle that only groups and clips its
// children. It never takes the mouse, so clicks go through it to whatever lies
// below.

#include <cstdint>

#include "vc/vc_base.h"

class TContainer : public TVisualComponent {
 public:
  // Unlike the other controls, creation leaves the container as the current
  // parent (ActualComponent) and runs no OnCreate: the caller creates the
  // children next and then restores ActualComponent itself.
  void CreateComponent(PComponentBase Adress_, int32_t X_, int32_t Y_, uint32_t Width_, uint32_t Height_);

  void DimensionChange() override;
};
