// The CSV import of cvltool: whatever it accepts exports to a text that
// imports to the same records and exports to the very same text.

#include <cmath>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_support.h"
#include "tools/cvltool/catalogue_csv.h"

namespace {

bool SameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  const std::string_view text(reinterpret_cast<const char*>(Data), Size);
  TNebulas records;
  std::string error;
  if (!catalogue_csv::Import(text, records, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  const auto count = static_cast<int32_t>(records.size());
  std::string exported;
  FUZZ_CHECK(catalogue_csv::Export(records, count, exported, error));
  TNebulas again;
  FUZZ_CHECK(catalogue_csv::Import(exported, again, error));
  FUZZ_CHECK(again.size() == records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TNebula &a = records[i], &b = again[i];
    FUZZ_CHECK(a.IndexOfItem == b.IndexOfItem && a.NameOfNebula.View() == b.NameOfNebula.View() && a.NGC == b.NGC &&
               SameDouble(a.Rect, b.Rect) && SameDouble(a.Dec, b.Dec) && SameDouble(a.Distance, b.Distance) &&
               SameDouble(a.Magnitude, b.Magnitude) && a.TypeOfNebula == b.TypeOfNebula &&
               a.Picture.View() == b.Picture.View() && a.Description.View() == b.Description.View());
  }
  std::string exported_again;
  FUZZ_CHECK(catalogue_csv::Export(again, count, exported_again, error));
  FUZZ_CHECK(exported_again == exported);
  return 0;
}
