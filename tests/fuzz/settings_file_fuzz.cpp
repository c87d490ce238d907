// The settings file reader. Oracles: a file shorter than a record is refused
// and leaves the defaults; any other gives settings within range, the state
// telling whether a coordinate had to be mended; the decision to write them
// back at exit holds only once they change.

#include <string>
#include <string_view>

#include "catalogue/cv_settings.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  const std::string name = fuzz::WriteScratchFile(Data, Size, ".ini");
  const TSettingsFile read = ReadSettings(name).Code;
  FUZZ_CHECK((read != TSettingsFile::Refused) == (Size >= SETTINGS_RECORD_SIZE));
  if (read == TSettingsFile::Refused) {
    FUZZ_CHECK(Settings.ImplicitDatabase.Empty() && !Settings.UseImplicitDatabase && Settings.Latitude == 0 &&
               Settings.Longitude == 0);
  } else {
    FUZZ_CHECK(read == TSettingsFile::Accepted || read == TSettingsFile::Mended);
    FUZZ_CHECK(Settings.Latitude >= -90 && Settings.Latitude <= 90);
    FUZZ_CHECK(Settings.Longitude >= -180 && Settings.Longitude <= 180);
    const auto length = static_cast<unsigned char>(Data[0]);
    FUZZ_CHECK(Settings.ImplicitDatabase.View() ==
               std::string_view(reinterpret_cast<const char*>(Data) + 1, length));
  }
  // The file is still there: nothing read is worth writing back until changed.
  FUZZ_CHECK(!SettingsWorthWriting(name));
  Settings.Latitude = Settings.Latitude == 1 ? 2 : 1;
  FUZZ_CHECK(SettingsWorthWriting(name));
  Settings = TSettings();
  return 0;
}
