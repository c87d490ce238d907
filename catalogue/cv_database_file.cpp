#include "catalogue/cv_database_file.h"

#include <cassert>
#include <cerrno>
#include <iterator>

#include "platform/byte_order.h"
#include "platform/cp1250.h"

namespace {

void PutText(std::string& out, const TShortString& text) {
  out.push_back(static_cast<char>(text.Length));
  out.append(text.View());
  out.append(TShortString::Capacity - text.Length, '\0');
}

// Only the bytes up to the length byte's count carry meaning.
void GetText(const char* p, TShortString& text) {
  auto length = static_cast<unsigned char>(p[0]);
  text.Assign(std::string_view(p + 1, length));
}

}  // namespace

void EncodeDatabase(const TDatabaseInfo& Info, const TNebulas& Records, std::string& Out) {
  assert(Info.NumberOfItems >= 0 && static_cast<std::size_t>(Info.NumberOfItems) <= Records.size());
  Out.clear();
  Out.reserve(DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(Info.NumberOfItems));
  Out.append("CVL");
  PutText(Out, Info.Path);
  PutText(Out, Info.NameOfDatabase);
  PutText(Out, Info.Autor);
  le::AppendInt32(Out, Info.NumberOfItems);
  PutText(Out, Info.Description);
  for (int32_t i = 0; i < Info.NumberOfItems; ++i) {
    const TNebula& r = Records[static_cast<std::size_t>(i)];
    le::AppendInt32(Out, r.IndexOfItem);
    PutText(Out, r.NameOfNebula);
    le::AppendInt32(Out, r.NGC);
    le::AppendDouble(Out, r.Rect);
    le::AppendDouble(Out, r.Dec);
    le::AppendDouble(Out, r.Distance);
    le::AppendDouble(Out, r.Magnitude);
    Out.push_back(static_cast<char>(r.TypeOfNebula));
    PutText(Out, r.Picture);
    PutText(Out, r.Description);
  }
  assert(Out.size() ==
         DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(Info.NumberOfItems));
}

TDatabaseResult DecodeDatabase(std::string_view Bytes, TDatabaseInfo& Info, TNebulas& Records, std::string_view F) {
  // The comparison is case-sensitive and needs all three bytes.
  if (Bytes.size() < 3 || Bytes.substr(0, 3) != "CVL") return DatabaseFailure(TDatabaseError::NotCorvala, F);
  if (Bytes.size() < DATABASE_HEADER_SIZE) return DatabaseFailure(TDatabaseError::TooShort, F);
  const char* p = Bytes.data();
  int32_t count = le::GetInt32(p + cvl_header::NumberOfItems);
  if (count < 0 || count > MAX_NUMBER_OF_ITEMS) return DatabaseFailure(TDatabaseError::BadCount, F);
  if (Bytes.size() != DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(count))
    return DatabaseFailure(TDatabaseError::BadLength, F);
  for (int32_t i = 0; i < count; ++i) {
    auto type = static_cast<unsigned char>(p[DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * i + cvl_record::TypeOfNebula]);
    if (type >= TYPE_OF_NEBULA_COUNT) return DatabaseFailure(TDatabaseError::BadType, F, i + 1);
  }

  GetText(p + cvl_header::Path, Info.Path);
  GetText(p + cvl_header::NameOfDatabase, Info.NameOfDatabase);
  GetText(p + cvl_header::Autor, Info.Autor);
  Info.NumberOfItems = count;
  GetText(p + cvl_header::Description, Info.Description);
  Records.clear();
  Records.resize(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const char* q = p + DATABASE_HEADER_SIZE + NEBULA_RECORD_SIZE * static_cast<std::size_t>(i);
    TNebula& r = Records[static_cast<std::size_t>(i)];
    r.IndexOfItem = le::GetInt32(q + cvl_record::IndexOfItem);
    GetText(q + cvl_record::NameOfNebula, r.NameOfNebula);
    r.NGC = le::GetInt32(q + cvl_record::NGC);
    r.Rect = le::GetDouble(q + cvl_record::Rect);
    r.Dec = le::GetDouble(q + cvl_record::Dec);
    r.Distance = le::GetDouble(q + cvl_record::Distance);
    r.Magnitude = le::GetDouble(q + cvl_record::Magnitude);
    r.TypeOfNebula = static_cast<TTypeOfNebula>(q[cvl_record::TypeOfNebula]);
    GetText(q + cvl_record::Picture, r.Picture);
    GetText(q + cvl_record::Description, r.Description);
  }
  return {};
}

namespace {

// Each failure's words before and after the quoted file name, in the order
// of TDatabaseError.
struct TWording {
  std::string_view Before, After;
};
constexpr TWording kWordings[] = {
    {"", ""},
    {"Súbor "_cp, " nebol vytvorený v Corvala!"_cp},
    {"Súbor "_cp, " je poškodený: chýba mu hlavička databázy!"_cp},
    {"Súbor "_cp, " je poškodený: neplatný počet záznamov!"_cp},
    {"Súbor "_cp, " je poškodený: dĺžka nezodpovedá počtu záznamov!"_cp},
    {"Súbor "_cp, " je poškodený: záznam č. "_cp},  // then the record's number
    {"Súbor "_cp, " sa nedá otvoriť!"_cp},
    {"Súbor "_cp, " sa nedá prečítať!"_cp},
    {"Súbor "_cp, " je len na čítanie, databáza sa neuložila!"_cp},
    {"", " nie je obyčajný súbor, databáza sa doň neuloží!"_cp},
    {"Databázu sa nepodarilo uložiť do súboru "_cp, "!"},
};
static_assert(std::size(kWordings) == static_cast<std::size_t>(TDatabaseError::CannotWrite) + 1);

std::string Wording(TDatabaseError Code, std::string_view F, int32_t Record, int Errno) {
  if (Code == TDatabaseError::None) return {};
  const TWording& words = kWordings[static_cast<std::size_t>(Code)];
  std::string message(words.Before);
  message += '"';
  message += F;
  message += '"';
  message += words.After;
  if (Code == TDatabaseError::BadType) {
    message += std::to_string(Record);
    message += " má neplatný typ hmloviny!"_cp;
  }
  if (Code == TDatabaseError::CannotWrite && Errno == ENOSPC) message += " Na disku nie je miesto."_cp;
  return message;
}

}  // namespace

TDatabaseResult DatabaseFailure(TDatabaseError Code, std::string_view F, int32_t Record, int Errno) {
  return {Code, Wording(Code, F, Record, Errno), Errno};
}
