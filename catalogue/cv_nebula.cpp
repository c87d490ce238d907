#include "catalogue/cv_nebula.h"

#include <algorithm>
#include <cassert>
#include <cstring>

#include "platform/cp1250.h"

void TShortString::Assign(std::string_view text) {
  std::size_t n = std::min(text.size(), Capacity);
  // The source may be this string's own bytes, hence memmove.
  std::memmove(Chars.data(), text.data(), n);
  std::fill(Chars.begin() + static_cast<std::ptrdiff_t>(n), Chars.end(), '\0');
  Length = static_cast<uint8_t>(n);
}

std::string_view TypeOfNebulaText(TTypeOfNebula Type) {
  static constexpr std::array<std::string_view, TYPE_OF_NEBULA_COUNT> kTexts = {
      "Planetárna hmlovina"_cp, "Pozostatok Supernovy"_cp, "Herbigov-Harov objekt"_cp, "H1"_cp,
      "H2"_cp,                  "Reflexná hmlovina"_cp,    "Tmavá hmlovina"_cp,
  };
  assert(Type < TYPE_OF_NEBULA_COUNT);
  return kTexts[Type];
}

TNebula::TNebula(const TNebula& Other)
    : IndexOfItem(Other.IndexOfItem),
      NameOfNebula(Other.NameOfNebula),
      NGC(Other.NGC),
      Rect(Other.Rect),
      Dec(Other.Dec),
      Distance(Other.Distance),
      Magnitude(Other.Magnitude),
      TypeOfNebula(Other.TypeOfNebula),
      Picture(Other.Picture),
      Description(Other.Description),
      Thumbnail(Other.Thumbnail.View()),
      Serial(Other.Serial) {}

TNebula& TNebula::operator=(const TNebula& Other) {
  if (this != &Other) *this = TNebula(Other);
  return *this;
}
