// The database file reader. Oracles: an accepted file writes back to the
// same records; every sort is a permutation that orders what it can compare
// and leaves the rest in place; the fast sort order matches the literal
// exchange sort; records that export to CSV import back unchanged.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/cv_database_file.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_sort.h"
#include "tests/fuzz/fuzz_support.h"
#include "tools/cvltool/catalogue_csv.h"

namespace {

bool SameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
}

bool SameRecord(const TNebula& a, const TNebula& b) {
  return a.IndexOfItem == b.IndexOfItem && a.NameOfNebula.View() == b.NameOfNebula.View() && a.NGC == b.NGC &&
         SameDouble(a.Rect, b.Rect) && SameDouble(a.Dec, b.Dec) && SameDouble(a.Distance, b.Distance) &&
         SameDouble(a.Magnitude, b.Magnitude) && a.TypeOfNebula == b.TypeOfNebula &&
         a.Picture.View() == b.Picture.View() && a.Description.View() == b.Description.View();
}

std::vector<std::string> RecordBytes(const TDatabaseInfo& Info, const TNebulas& Records) {
  std::string all;
  EncodeDatabase(Info, Records, all);
  std::vector<std::string> out;
  for (std::size_t at = DATABASE_HEADER_SIZE; at < all.size(); at += NEBULA_RECORD_SIZE)
    out.push_back(all.substr(at, NEBULA_RECORD_SIZE));
  return out;
}

// The numeric key of a record, or nothing for the text keys.
bool NumericKey(const TNebula& r, TSortType Type, double& Key) {
  switch (Type) {
    case ST_IndexOfItem: Key = r.IndexOfItem; return true;
    case ST_NGC: Key = r.NGC; return true;
    case ST_Rect: Key = r.Rect; return true;
    case ST_Dec: Key = r.Dec; return true;
    case ST_Distance: Key = r.Distance; return true;
    case ST_Magnitude: Key = r.Magnitude; return true;
    case ST_TypeOfNebula: Key = r.TypeOfNebula; return true;
    default: return false;
  }
}

void CheckSorts(const TDatabaseInfo& Info, const TNebulas& Records) {
  std::vector<std::string> before = RecordBytes(Info, Records);
  std::sort(before.begin(), before.end());
  for (int type = ST_IndexOfItem; type <= ST_Description; ++type) {
    for (TDirection direction : {D_Up, D_Down}) {
      TNebulas sorted = Records;
      SortNebulas(sorted, Info.NumberOfItems, static_cast<TSortType>(type), direction);
      std::vector<std::string> after = RecordBytes(Info, sorted);
      std::sort(after.begin(), after.end());
      FUZZ_CHECK(after == before);
      bool seen = false;
      double previous = 0;
      for (std::size_t i = 0; i < sorted.size(); ++i) {
        double key = 0;
        if (!NumericKey(sorted[i], static_cast<TSortType>(type), key)) break;
        if (std::isnan(key)) {
          // A key that compares to nothing never moves.
          FUZZ_CHECK(SameRecord(sorted[i], Records[i]));
          continue;
        }
        if (seen) FUZZ_CHECK(direction == D_Up ? previous <= key : previous >= key);
        previous = key;
        seen = true;
      }
    }
  }
}

// The fast order against the exchange sort run literally, on ranks taken
// from the input bytes (-1 stands for a key that compares to nothing).
void CheckExchangeOrder(const uint8_t* Data, std::size_t Size) {
  const std::size_t n = std::min<std::size_t>(Size, 64);
  std::vector<int32_t> ranks(n);
  for (std::size_t i = 0; i < n; ++i) ranks[i] = static_cast<int32_t>(Data[i] % 9) - 1;
  std::vector<std::size_t> literal(n);
  for (std::size_t i = 0; i < n; ++i) literal[i] = i;
  for (std::size_t i = 0; i < n; ++i)
    for (std::size_t j = i; j < n; ++j) {
      const int32_t a = ranks[literal[j]], b = ranks[literal[i]];
      if (a >= 0 && b >= 0 && a < b) std::swap(literal[i], literal[j]);
    }
  std::vector<int32_t> order;
  ExchangeSortOrder(ranks, order);
  FUZZ_CHECK(order.size() == n);
  for (std::size_t i = 0; i < n; ++i) FUZZ_CHECK(static_cast<std::size_t>(order[i]) == literal[i]);
}

void CheckCsvRoundTrip(const TDatabaseInfo& Info, const TNebulas& Records) {
  std::string csv, error;
  // Bytes that are no character of Windows-1250 cannot be exported; that is refused, not lost.
  if (!catalogue_csv::Export(Records, Info.NumberOfItems, csv, error)) {
    FUZZ_CHECK(!error.empty());
    return;
  }
  TNebulas imported;
  // Numbers that are not positive and unique are refused on import.
  if (!catalogue_csv::Import(csv, imported, error)) return;
  FUZZ_CHECK(imported.size() == Records.size());
  for (std::size_t i = 0; i < Records.size(); ++i) FUZZ_CHECK(SameRecord(imported[i], Records[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size) {
  CheckExchangeOrder(Data, Size);
  const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
  TDatabaseInfo info;
  TNebulas records;
  const TDatabaseResult decoded = DecodeDatabase(bytes, info, records, "x.cvl");
  if (!decoded) {
    FUZZ_CHECK(!decoded.Message.empty());
    return 0;
  }
  FUZZ_CHECK(info.NumberOfItems >= 0 && records.size() == static_cast<std::size_t>(info.NumberOfItems));

  std::string encoded;
  EncodeDatabase(info, records, encoded);
  FUZZ_CHECK(encoded.size() == Size);
  TDatabaseInfo info2;
  TNebulas records2;
  FUZZ_CHECK(DecodeDatabase(encoded, info2, records2, "x.cvl").Ok());
  FUZZ_CHECK(info2.Path.View() == info.Path.View() && info2.NameOfDatabase.View() == info.NameOfDatabase.View() &&
             info2.Autor.View() == info.Autor.View() && info2.Description.View() == info.Description.View());
  for (std::size_t i = 0; i < records.size(); ++i) FUZZ_CHECK(SameRecord(records2[i], records[i]));

  // Sorting costs N log N per key; a few hundred records find what thousands would.
  if (records.size() <= 300) CheckSorts(info, records);
  CheckCsvRoundTrip(info, records);
  return 0;
}
