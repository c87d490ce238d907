#include "vc/vc_label.h"

#include "rastrix/fnt.h"

namespace {

uint32_t TextLength(const TFont* font, std::string_view text) {
  return font != nullptr ? GetTextLength(*font, text) : 0;
}

uint32_t PixHeight(const TFont* font) { return font != nullptr ? font->PixHeight : 0; }

}  // namespace

void TLabel::CreateComponent(PComponentBase Adress_, bool CanFocus_, int32_t X_, int32_t Y_,
                             std::string_view Title_) {
  Font = LoadedFonts.empty() ? nullptr : LoadedFonts[0];
  const uint32_t length = TextLength(Font, Title_);
  const uint32_t height = PixHeight(Font);
  TPanel::CreateComponent(Adress_, CanFocus_, PS_Classic, X_, Y_, length + 10, height + 2);
  Title = std::string(Title_);
  const int64_t outerWidth = int64_t{ComponentPos.X2} - ComponentPos.X1 + 1;
  const int64_t outerHeight = int64_t{ComponentPos.Y2} - ComponentPos.Y1 + 1;
  TitleX = static_cast<int32_t>((outerWidth - length) / 2);
  TitleY = static_cast<int32_t>((outerHeight - height) / 2);
}

void TLabel::DimensionChange() {
  Width = static_cast<int32_t>(TextLength(Font, Title) + 10);
  Height = static_cast<int32_t>(PixHeight(Font) + 2);
  TPanel::DimensionChange();
}
