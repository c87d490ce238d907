#pragma once
// The label: a raised panel without borders, sized to its title.

#include <cstdint>
#include <string_view>

#include "vc/vc_panel.h"

class TLabel : public TPanel {
 public:
  // The size follows the title in the first loaded font: 18 pixels wider and
  // 10 pixels taller than the text, which sits centred.
  void CreateComponent(PComponentBase Adress_, bool CanFocus_, int32_t X_, int32_t Y_, std::string_view Title_);

  // Resizes to the title in the current font; the title offset stays.
  void DimensionChange() override;
};
