#pragma once
// The ".cvl" database file: its layout as named offsets, the encoder and the
// decoder of a whole file's bytes, and the Slovak message for each way a file
// can fail to be a database or to be written.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/cv_nebula.h"
#include "platform/result.h"

// Sizes of the stored forms.
inline constexpr std::size_t DATABASE_HEADER_SIZE = 1031;
inline constexpr std::size_t NEBULA_RECORD_SIZE = 809;
// A million records is a hundred times the largest catalogue of nebulae; a
// greater count is treated as damage rather than an order to allocate
// gigabytes.
inline constexpr int32_t MAX_NUMBER_OF_ITEMS = 1'000'000;

// The header: the signature, then the fields of TDatabaseInfo.
namespace cvl_header {
inline constexpr std::size_t Signature = 0;  // "CVL"
inline constexpr std::size_t Path = 3;
inline constexpr std::size_t NameOfDatabase = 259;
inline constexpr std::size_t Autor = 515;
inline constexpr std::size_t NumberOfItems = 771;
inline constexpr std::size_t Description = 775;
}  // namespace cvl_header

// One record, relative to its start; the records follow the header.
namespace cvl_record {
inline constexpr std::size_t IndexOfItem = 0;
inline constexpr std::size_t NameOfNebula = 4;
inline constexpr std::size_t NGC = 260;
inline constexpr std::size_t Rect = 264;
inline constexpr std::size_t Dec = 272;
inline constexpr std::size_t Distance = 280;
inline constexpr std::size_t Magnitude = 288;
inline constexpr std::size_t TypeOfNebula = 296;
inline constexpr std::size_t Picture = 297;
inline constexpr std::size_t Description = 553;
}  // namespace cvl_record

// The stored form of a database (header and N records, byte for byte).
// Bytes of a text past its length are written as zeros.
void EncodeDatabase(const TDatabaseInfo& Info, const TNebulas& Records, std::string& Out);

enum class TDatabaseError : uint8_t {
  None,
  NotCorvala,   // the signature is not "CVL"
  TooShort,     // shorter than the header
  BadCount,     // a negative or impossibly large number of records
  BadLength,    // the length is not 1031 + 809 x N
  BadType,      // a record's kind of nebula is not 0 to 6
  CannotOpen,
  CannotRead,
  ReadOnly,     // a save: the file has no write permission
  NotRegular,   // a save: the name is taken by a folder, a device ...
  CannotWrite,  // a save: creating, writing or replacing the file failed
};
// Loads and saves of a database file; the message names the file.
using TDatabaseResult = TResult<TDatabaseError>;

// The failure Code of the file F with its Slovak message; Record is the
// 1-based record at fault for BadType, Errno the system's reason (a full
// disk is worth telling).
TDatabaseResult DatabaseFailure(TDatabaseError Code, std::string_view F, int32_t Record = 0, int Errno = 0);

// Parses a whole file's bytes, read from the file F. On failure Info and
// Records are untouched. Thumbnails of the parsed records are not loaded.
TDatabaseResult DecodeDatabase(std::string_view Bytes, TDatabaseInfo& Info, TNebulas& Records, std::string_view F);
