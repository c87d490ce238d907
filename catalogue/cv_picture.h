#pragma once
// A record's picture as the catalogue sees a load of it: the BMP loader's
// result codes (rastrix/bmp.h) as named outcomes, each with its Slovak message.

#include <cstdint>
#include <string_view>

#include "platform/result.h"

// The values are the BMP loader's codes, so that a code converts as it is.
enum class TPictureError : uint8_t {
  None,
  CannotOpen,        // missing, or not a readable BMP
  Compressed,
  UnsupportedDepth,  // neither 8 nor 24 bits per pixel
  TooLarge,
  NoMemory,
  RequestFailed,     // a memory request failed
};
using TPictureResult = TResult<TPictureError>;

// The outcome of LoadBMPPicture's code Code, with its message.
TPictureResult PictureResult(uint8_t Code);
// The message for Code; empty for None, "Neznáma chyba!" for a code the list lacks.
std::string_view PictureErrorText(TPictureError Code);
