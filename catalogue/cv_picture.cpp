#include "catalogue/cv_picture.h"

#include <string>

#include "platform/cp1250.h"

std::string_view PictureErrorText(TPictureError Code) {
  switch (Code) {
    case TPictureError::None: return {};
    case TPictureError::CannotOpen: return "Súbor s obrázkom neexistuje, alebo sa nedá načítať!"_cp;
    case TPictureError::Compressed: return "Obrázok je komprimovaný!"_cp;
    case TPictureError::UnsupportedDepth:
      return "Obrázok má nepodporovaný počet bitov na jeden pixel (podporované sú 8 a 24bpp)!"_cp;
    case TPictureError::TooLarge: return "Obrázok je príliš veľký, viac ako 20 MB!"_cp;
    case TPictureError::NoMemory: return "Nedostatok voľnej pamäte RAM!"_cp;
    case TPictureError::RequestFailed: break;
  }
  return "Neznáma chyba!"_cp;
}

TPictureResult PictureResult(uint8_t Code) {
  const auto code = static_cast<TPictureError>(Code);
  return {code, std::string(PictureErrorText(code))};
}
