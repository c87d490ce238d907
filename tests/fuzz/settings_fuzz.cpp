// The settings record reader: whatever it accepts writes back as a record
// that reads as the same settings.

#include <cmath>
#include <string>
#include <string_view>

#include "catalogue/cv_settings.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
  TSettings value;
  if (DecodeSettings(bytes, value).Code == TSettingsFile::Refused) return 0;
  FUZZ_CHECK(value.Latitude >= -90 && value.Latitude <= 90 && value.Longitude >= -180 && value.Longitude <= 180);
  std::string encoded;
  EncodeSettings(value, encoded);
  FUZZ_CHECK(encoded.size() == SETTINGS_RECORD_SIZE);
  TSettings again;
  FUZZ_CHECK(DecodeSettings(encoded, again).Ok());
  FUZZ_CHECK(again.ImplicitDatabase.View() == value.ImplicitDatabase.View() &&
             again.UseImplicitDatabase == value.UseImplicitDatabase && again.Latitude == value.Latitude &&
             again.Longitude == value.Longitude);
  return 0;
}
