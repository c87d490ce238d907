#pragma once
// The records of the catalogue: a nebula, the header of a database, the
// short strings their texts are stored in, and the enumerations that go with
// them (kind of nebula, sort key, direction).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rastrix/bmp.h"

// A Pascal short string: a length byte and room for 255 Windows-1250 bytes.
// Assigning a longer text keeps its first 255 bytes. The bytes past Length
// are kept zero so that copies and files are deterministic.
struct TShortString {
  static constexpr std::size_t Capacity = 255;

  uint8_t Length = 0;
  std::array<char, Capacity> Chars{};

  TShortString() = default;
  TShortString(std::string_view text) { Assign(text); }
  TShortString& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  void Assign(std::string_view text);
  std::string_view View() const { return {Chars.data(), Length}; }
  std::string Str() const { return std::string(View()); }
  bool Empty() const { return Length == 0; }
  operator std::string_view() const { return View(); }

  friend bool operator==(const TShortString& a, std::string_view b) { return a.View() == b; }
  friend bool operator==(const TShortString& a, const TShortString& b) { return a.View() == b.View(); }
};

enum TTypeOfNebula : uint8_t {
  TN_Planetary,
  TN_Supernova,
  TN_HerbigHar,
  TN_H1,
  TN_H2,
  TN_Reflection,
  TN_Dark,
};
inline constexpr int TYPE_OF_NEBULA_COUNT = 7;

enum TSortType : uint8_t {
  ST_IndexOfItem,
  ST_NameOfNebula,
  ST_NGC,
  ST_Rect,
  ST_Dec,
  ST_Distance,
  ST_Magnitude,
  ST_TypeOfNebula,
  ST_Picture,
  ST_Description,
};
inline constexpr int SORT_TYPE_COUNT = 10;

enum TDirection : uint8_t { D_Up, D_Down };

// The display text of each kind of nebula, in Windows-1250.
std::string_view TypeOfNebulaText(TTypeOfNebula Type);

struct TNebula {
  int32_t IndexOfItem = 0;
  TShortString NameOfNebula;
  int32_t NGC = 0;
  double Rect = 0.0;       // right ascension, hours
  double Dec = 0.0;        // declination, degrees
  double Distance = 0.0;   // light years
  double Magnitude = 0.0;  // apparent magnitude
  TTypeOfNebula TypeOfNebula = TN_Planetary;
  TShortString Picture;  // relative to the database file's folder; may be empty
  TShortString Description;
  // In memory only: the picture at no more than 32 x 32 pixels. The record
  // that loaded it owns the pixels; a copy of the record carries a view of
  // them (TPicture::View), which must not outlive the original: holders of
  // copies rebuild them when the catalogue's Revision moves on.
  TPicture Thumbnail;
  // In memory only: tells the record apart while the program runs, since
  // sorting moves it and deleting another one may change its number. Given
  // by the loaded database (cv_globals); 0 for records made elsewhere.
  uint32_t Serial = 0;

  TNebula() = default;
  TNebula(const TNebula& Other);
  TNebula& operator=(const TNebula& Other);
  TNebula(TNebula&&) noexcept = default;
  TNebula& operator=(TNebula&&) noexcept = default;
  ~TNebula() = default;
};
using TNebulas = std::vector<TNebula>;

struct TDatabaseInfo {
  TShortString Path;
  TShortString NameOfDatabase;
  TShortString Autor;
  int32_t NumberOfItems = 0;
  TShortString Description;
};
