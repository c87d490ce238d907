// The database file reader on a real file, with its length check before the
// records are read. Oracles: it accepts exactly the files whose length is the
// header's record count's; whatever it accepts is what an in-memory decode of
// the same bytes sees; LoadDatabase changes nothing when it refuses.

#include <cstring>
#include <string>
#include <string_view>

#include "catalogue/cv_database_file.h"
#include "catalogue/cv_globals.h"
#include "platform/byte_order.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  const std::string name = fuzz::WriteScratchFile(Data, Size, ".cvl");
  const std::string_view input(reinterpret_cast<const char*>(Data), Size);
  std::string bytes;
  const TDatabaseResult read = ReadDatabaseFile(name, bytes);

  const bool signed_ok = Size >= 3 && input.substr(0, 3) == "CVL";
  bool length_ok = false;
  if (signed_ok && Size >= DATABASE_HEADER_SIZE) {
    const int32_t count = le::GetInt32(input.data() + cvl_header::NumberOfItems);
    length_ok = count >= 0 && count <= MAX_NUMBER_OF_ITEMS &&
                Size == DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(count);
  }
  FUZZ_CHECK(read.Ok() == length_ok);
  FUZZ_CHECK(read.Ok() == read.Message.empty());
  if (read) FUZZ_CHECK(bytes == input);

  // A refused load leaves the loaded database as it was.
  RenewCatalogue();
  const bool loaded = LoadDatabase(name, false).Ok();
  TDatabaseInfo info;
  TNebulas records;
  const bool sound = length_ok && DecodeDatabase(input, info, records, name).Ok();
  FUZZ_CHECK(loaded == sound);
  if (!loaded) FUZZ_CHECK(!Catalogue().Loaded && Catalogue().Nebulas.empty() && Catalogue().DatabaseFile.empty());
  if (loaded) FUZZ_CHECK(Catalogue().Nebulas.size() == records.size() && Catalogue().DatabaseFile == name);
  RenewCatalogue();
  return 0;
}
