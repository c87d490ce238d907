#include <gtest/gtest.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

#include <cerrno>

#include <filesystem>
#include <string>

#include "catalogue_fixture.h"
#include "catalogue/cv_globals.h"
#include "catalogue/cv_sort.h"
#include "platform/cp1250.h"
#include "platform/files.h"

namespace catalogue_test {
namespace {

// Offsets straight from the file tables.
constexpr std::size_t kHeader = 1031;
constexpr std::size_t kRecord = 809;

struct HandRecord {
  int32_t index;
  std::string name;
  int32_t ngc;
  double rect, dec, distance, magnitude;
  uint8_t type;
  std::string picture, description;
};

// A file image whose unused text bytes hold `filler`, so that a reader that
// looks past a length byte would be caught.
std::string HandFile(std::string_view path, std::string_view name, std::string_view author,
                     std::string_view description, const std::vector<HandRecord>& records, char filler) {
  std::string b(kHeader + kRecord * records.size(), filler);
  b[0] = 'C';
  b[1] = 'V';
  b[2] = 'L';
  PutShort(b, 3, path);
  PutShort(b, 259, name);
  PutShort(b, 515, author);
  PutI32(b, 771, static_cast<int32_t>(records.size()));
  PutShort(b, 775, description);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const HandRecord& r = records[i];
    std::size_t o = kHeader + kRecord * i;
    PutI32(b, o + 0, r.index);
    PutShort(b, o + 4, r.name);
    PutI32(b, o + 260, r.ngc);
    PutF64(b, o + 264, r.rect);
    PutF64(b, o + 272, r.dec);
    PutF64(b, o + 280, r.distance);
    PutF64(b, o + 288, r.magnitude);
    PutU8(b, o + 296, r.type);
    PutShort(b, o + 297, r.picture);
    PutShort(b, o + 553, r.description);
  }
  return b;
}

const std::vector<HandRecord> kTwo = {
    {1, "Veľká hmlovina v Orióne"_cps, 1976, 5.588, -5.39, 1344, 4.0, 5, "orion.bmp", "M 42"},
    {2, "Prstencová"_cps, 6720, 18.893, 33.029, 2300, 8.8, 0, "", "Lýra"_cps},
};

using DatabaseFileTest = CatalogueTest;

TNebula Numbered(int32_t number) {
  TNebula n;
  n.IndexOfItem = number;
  return n;
}

TEST_F(DatabaseFileTest, ReadsAHandBuiltFileAndIgnoresBytesPastEachText) {
  const std::string f = scratch_.File("a.cvl");
  WriteFile(f, HandFile("C:\\a.cvl", "Hmloviny", "Autor", "Popis", kTwo, '\xEE'));
  Catalogue().Modified = true;
  ASSERT_TRUE(LoadDatabase(f));
  EXPECT_TRUE(Catalogue().Loaded);
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_EQ(Catalogue().DatabaseFile, f);
  EXPECT_EQ(Catalogue().DatabaseInfo.Path, "C:\\a.cvl");
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, "Hmloviny");
  EXPECT_EQ(Catalogue().DatabaseInfo.Autor, "Autor");
  EXPECT_EQ(Catalogue().DatabaseInfo.Description, "Popis");
  ASSERT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 2);
  ASSERT_EQ(Catalogue().Nebulas.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const TNebula& n = Catalogue().Nebulas[i];
    EXPECT_EQ(n.IndexOfItem, kTwo[i].index);
    EXPECT_EQ(n.NameOfNebula, kTwo[i].name);
    EXPECT_EQ(n.NGC, kTwo[i].ngc);
    EXPECT_EQ(n.Rect, kTwo[i].rect);
    EXPECT_EQ(n.Dec, kTwo[i].dec);
    EXPECT_EQ(n.Distance, kTwo[i].distance);
    EXPECT_EQ(n.Magnitude, kTwo[i].magnitude);
    EXPECT_EQ(n.TypeOfNebula, kTwo[i].type);
    EXPECT_EQ(n.Picture, kTwo[i].picture);
    EXPECT_EQ(n.Description, kTwo[i].description);
  }
  EXPECT_TRUE(RecentMessages().empty());
}

TEST_F(DatabaseFileTest, WritesExactlyTheTabledBytesWithZerosPastEachText) {
  const std::string f = scratch_.File("b.cvl");
  NewDatabase(f, "Hmloviny", "Autor", "Popis");
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_FALSE(Exists(f)) << "nothing is written before a save";
  for (const HandRecord& h : kTwo) {
    TNebula n;
    n.NameOfNebula = h.name;
    n.NGC = h.ngc;
    n.Rect = h.rect;
    n.Dec = h.dec;
    n.Distance = h.distance;
    n.Magnitude = h.magnitude;
    n.TypeOfNebula = static_cast<TTypeOfNebula>(h.type);
    n.Picture = h.picture;
    n.Description = h.description;
    AddNebula(n);
  }
  ASSERT_TRUE(SaveDatabase());
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(f), HandFile(f, "Hmloviny", "Autor", "Popis", kTwo, '\0'));
  EXPECT_FALSE(Exists(f + "~"));
}

TEST_F(DatabaseFileTest, EmptyDatabaseIsTheHeaderAlone) {
  const std::string f = scratch_.File("empty.cvl");
  NewDatabase(f, "", "", "");
  ASSERT_TRUE(SaveDatabase());
  std::string bytes = ReadFile(f);
  ASSERT_EQ(bytes.size(), 1031u);
  EXPECT_EQ(bytes.substr(0, 3), "CVL");
  EXPECT_EQ(bytes.substr(771, 4), std::string(4, '\0'));
  ASSERT_TRUE(LoadDatabase(f));
  EXPECT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 0);
  EXPECT_TRUE(Catalogue().Nebulas.empty());
}

TEST_F(DatabaseFileTest, SaveWithoutADatabaseWritesNothingAndClearsModified) {
  Catalogue().Modified = true;
  EXPECT_TRUE(SaveDatabase());
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_TRUE(std::filesystem::is_empty(scratch_.Path()));
}

// Loads a good database, marks it modified and returns a snapshot to compare with.
std::string LoadGoodDatabase(const ScratchFolder& scratch) {
  const std::string good = scratch.File("good.cvl");
  WriteFile(good, HandFile("good", "Dobrá"_cp, "", "", kTwo, '\0'));
  EXPECT_TRUE(LoadDatabase(good));
  Catalogue().Modified = true;
  std::string image;
  EncodeDatabase(Catalogue().DatabaseInfo, Catalogue().Nebulas, image);
  return image;
}

void ExpectUnchanged(const std::string& before, const ScratchFolder& scratch) {
  std::string now;
  EncodeDatabase(Catalogue().DatabaseInfo, Catalogue().Nebulas, now);
  EXPECT_EQ(now, before);
  EXPECT_EQ(Catalogue().DatabaseFile, scratch.File("good.cvl"));
  EXPECT_TRUE(Catalogue().Loaded);
  EXPECT_TRUE(Catalogue().Modified);
}

TEST_F(DatabaseFileTest, RejectsAWrongSignatureAndKeepsTheLoadedDatabase) {
  const std::string before = LoadGoodDatabase(scratch_);
  std::string good = HandFile("x", "", "", "", kTwo, '\0');
  const std::pair<const char*, std::string> cases[] = {
      {"lower.cvl", "cvl" + good.substr(3)},
      {"cvx.cvl", "CVX" + good.substr(3)},
      {"two.cvl", "CV"},
      {"none.cvl", ""},
  };
  for (const auto& [name, bytes] : cases) {
    ClearRecentMessages();
    const std::string f = scratch_.File(name);
    WriteFile(f, bytes);
    EXPECT_FALSE(LoadDatabase(f)) << name;
    ASSERT_EQ(RecentMessages().size(), 1u) << name;
    EXPECT_EQ(RecentMessages()[0], "Súbor \""_cps + f + "\" nebol vytvorený v Corvala!"_cps);
    ExpectUnchanged(before, scratch_);
  }
}

TEST_F(DatabaseFileTest, RefusesDamagedFilesWithAMessageAndKeepsTheLoadedDatabase) {
  const std::string before = LoadGoodDatabase(scratch_);
  const std::string good = HandFile("x", "", "", "", kTwo, '\0');
  std::string negative = good;
  PutI32(negative, 771, -1);
  std::string absurd = good;
  PutI32(absurd, 771, 0x7FFFFFFF);
  std::string more = good;
  PutI32(more, 771, 3);
  std::string type = good;
  PutU8(type, kHeader + kRecord + 296, 7);
  const std::pair<std::string, std::string> cases[] = {
      {"short", good.substr(0, good.size() - 1)},
      {"long", good + '\0'},
      {"header", good.substr(0, 500)},
      {"negative", negative},
      {"absurd", absurd},
      {"more", more},
      {"type", type},
  };
  for (const auto& [name, bytes] : cases) {
    ClearRecentMessages();
    const std::string f = scratch_.File(name + ".cvl");
    WriteFile(f, bytes);
    EXPECT_FALSE(LoadDatabase(f)) << name;
    ASSERT_EQ(RecentMessages().size(), 1u) << name;
    const std::string& message = RecentMessages()[0];
    EXPECT_EQ(message.find("Súbor \""_cps + f + "\" "), 0u) << name;
    EXPECT_NE(message.find("poškodený"_cp), std::string::npos) << name;
    ExpectUnchanged(before, scratch_);
  }
  ClearRecentMessages();
  ASSERT_FALSE(LoadDatabase(scratch_.File("type.cvl")));
  EXPECT_NE(RecentMessages()[0].find("záznam č. 2 "_cp), std::string::npos);
}

TEST(DatabaseFailureTest, EachFailureHasItsOwnWords) {
  const struct {
    TDatabaseError code;
    int error;
    std::string text;
  } cases[] = {
      {TDatabaseError::None, 0, ""},
      {TDatabaseError::NotCorvala, 0, "Súbor \"a.cvl\" nebol vytvorený v Corvala!"_cps},
      {TDatabaseError::TooShort, 0, "Súbor \"a.cvl\" je poškodený: chýba mu hlavička databázy!"_cps},
      {TDatabaseError::BadCount, 0, "Súbor \"a.cvl\" je poškodený: neplatný počet záznamov!"_cps},
      {TDatabaseError::BadLength, 0, "Súbor \"a.cvl\" je poškodený: dĺžka nezodpovedá počtu záznamov!"_cps},
      {TDatabaseError::BadType, 0, "Súbor \"a.cvl\" je poškodený: záznam č. 7 má neplatný typ hmloviny!"_cps},
      {TDatabaseError::CannotOpen, ENOENT, "Súbor \"a.cvl\" sa nedá otvoriť!"_cps},
      {TDatabaseError::CannotRead, EIO, "Súbor \"a.cvl\" sa nedá prečítať!"_cps},
      {TDatabaseError::ReadOnly, 0, "Súbor \"a.cvl\" je len na čítanie, databáza sa neuložila!"_cps},
      {TDatabaseError::NotRegular, 0, "\"a.cvl\" nie je obyčajný súbor, databáza sa doň neuloží!"_cps},
      {TDatabaseError::CannotWrite, EIO, "Databázu sa nepodarilo uložiť do súboru \"a.cvl\"!"_cps},
      {TDatabaseError::CannotWrite, ENOSPC,
       "Databázu sa nepodarilo uložiť do súboru \"a.cvl\"! Na disku nie je miesto."_cps},
  };
  for (const auto& c : cases) {
    const TDatabaseResult result = DatabaseFailure(c.code, "a.cvl", 7, c.error);
    EXPECT_EQ(result.Message, c.text);
    EXPECT_EQ(result.Code, c.code);
    EXPECT_EQ(result.Error, c.error);
  }
}

TEST_F(DatabaseFileTest, TextsKeepAtMost255Bytes) {
  const std::string exact(255, 'x');
  const std::string longer = std::string(255, 'y') + "zzz";
  TShortString s(longer);
  EXPECT_EQ(s.Length, 255);
  EXPECT_EQ(s.View(), longer.substr(0, 255));
  s = "ab";
  EXPECT_EQ(s.View(), "ab");
  EXPECT_EQ(s.Chars[2], '\0') << "bytes past the text are cleared";

  const std::string f = scratch_.File("long.cvl");
  NewDatabase(f, exact, longer, "");
  TNebula n;
  n.NameOfNebula = exact;
  n.Description = longer;
  AddNebula(n);
  ASSERT_TRUE(SaveDatabase());
  ASSERT_TRUE(LoadDatabase(f));
  EXPECT_EQ(Catalogue().DatabaseInfo.NameOfDatabase, exact);
  EXPECT_EQ(Catalogue().DatabaseInfo.Autor, longer.substr(0, 255));
  EXPECT_EQ(Catalogue().Nebulas[0].NameOfNebula, exact);
  EXPECT_EQ(Catalogue().Nebulas[0].Description, longer.substr(0, 255));
}

TEST_F(DatabaseFileTest, NewDatabaseBindsTheCutPath) {
  const std::string path = scratch_.File(std::string(300, 'p'));
  NewDatabase(path, "n", "a", "d");
  EXPECT_EQ(Catalogue().DatabaseInfo.Path.View(), std::string_view(path).substr(0, 255));
  EXPECT_EQ(Catalogue().DatabaseFile, path.substr(0, 255));
  EXPECT_TRUE(Catalogue().Loaded);
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 0);
}

int DiskFull(platform::FileStep step) { return step == platform::FileStep::Write ? ENOSPC : 0; }

TEST_F(DatabaseFileTest, AFailedSaveKeepsTheOldFileAndStaysModified) {
  const std::string f = scratch_.File("keep.cvl");
  const std::string old = HandFile("keep", "Stará"_cp, "", "", kTwo, '\0');
  WriteFile(f, old);
  ASSERT_TRUE(LoadDatabase(f));
  DeleteNebula(0);
  platform::SetFileFaultHook(&DiskFull);
  ClearRecentMessages();
  EXPECT_FALSE(SaveDatabase());
  platform::SetFileFaultHook(nullptr);
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(f), old);
  ASSERT_EQ(RecentMessages().size(), 1u);
  EXPECT_EQ(RecentMessages()[0],
            "Databázu sa nepodarilo uložiť do súboru \""_cps + f + "\"! Na disku nie je miesto."_cps);

  // A file without write permission is refused, not replaced.
  ::chmod(f.c_str(), 0444);
  EXPECT_FALSE(SaveDatabase());
  EXPECT_TRUE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(f), old);
  EXPECT_EQ(RecentMessages().back(), "Súbor \""_cps + f + "\" je len na čítanie, databáza sa neuložila!"_cps);

  ::chmod(f.c_str(), 0600);
  EXPECT_TRUE(SaveDatabase());
  EXPECT_FALSE(Catalogue().Modified);
  EXPECT_EQ(ReadFile(f).size(), kHeader + kRecord);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch_.Path()), std::filesystem::directory_iterator()), 1);

  NewDatabase(scratch_.File("missing/folder.cvl"), "", "", "");
  EXPECT_FALSE(SaveDatabase());
  EXPECT_TRUE(Catalogue().Modified);
}

// The process's peak memory so far, in kilobytes.
long PeakKilobytes() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
#endif
}

TEST_F(DatabaseFileTest, AFifoIsNoDatabaseAndALengthIsCheckedBeforeTheRecordsAreRead) {
#ifdef _WIN32
  // Windows has no FIFO in a folder; its devices stand for what is no file.
  const std::string pipe = "NUL";
#else
  const std::string pipe = scratch_.File("pipe.cvl");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
  EXPECT_FALSE(platform::FileExists(pipe));
  EXPECT_FALSE(LoadDatabase(pipe));  // returns instead of waiting for a writer

  // One record announced, 600 MB present (a sparse file): refused without reading them.
  std::string header = HandFile("", "", "", "", kTwo, '\0').substr(0, kHeader);
  PutI32(header, 771, 1);
  const std::string big = scratch_.File("big.cvl");
  WriteFile(big, header);
  std::filesystem::resize_file(big, 600u << 20);
  const long before = PeakKilobytes();
  ClearRecentMessages();
  EXPECT_FALSE(LoadDatabase(big));
  EXPECT_LT(PeakKilobytes() - before, 100 * 1024) << "kilobytes more at the peak";
  ASSERT_EQ(RecentMessages().size(), 1u);
  EXPECT_NE(RecentMessages()[0].find("dĺžka nezodpovedá"_cp), std::string::npos);
}

TEST_F(DatabaseFileTest, ThumbnailsComeFromTheFilesFolder) {
  std::filesystem::create_directory(scratch_.File("sub"));
  WriteFile(scratch_.File("sub/orion.bmp"), TinyBmp(64, 48));
  std::vector<HandRecord> records = kTwo;
  records.push_back({3, "missing", 0, 0, 0, 0, 0, 1, "missing.bmp", ""});
  WriteFile(scratch_.File("sub/t.cvl"), HandFile("", "", "", "", records, '\0'));
  ASSERT_TRUE(LoadDatabase(scratch_.File("sub/t.cvl")));
  ASSERT_TRUE(Catalogue().Nebulas[0].Thumbnail.Loaded);
  EXPECT_EQ(Catalogue().Nebulas[0].Thumbnail.ImageWidth, 32u);
  EXPECT_EQ(Catalogue().Nebulas[0].Thumbnail.ImageHeight, 24u);
  EXPECT_FALSE(Catalogue().Nebulas[1].Thumbnail.Loaded);
  EXPECT_FALSE(Catalogue().Nebulas[2].Thumbnail.Loaded) << "a missing picture is no error";
  EXPECT_TRUE(RecentMessages().empty());

  // The loader's code comes up worded; the record only lacks its thumbnail.
  std::string flat = TinyBmp(4, 4);
  flat[28] = 16;  // bits per pixel
  WriteFile(scratch_.File("sub/flat.bmp"), flat);
  const std::string dir = scratch_.File("sub/");
  const struct {
    std::string_view picture;
    TPictureError code;
    std::string_view message;
  } loads[] = {
      {"orion.bmp", TPictureError::None, ""},
      {"missing.bmp", TPictureError::CannotOpen, "Súbor s obrázkom neexistuje, alebo sa nedá načítať!"_cp},
      {"flat.bmp", TPictureError::UnsupportedDepth,
       "Obrázok má nepodporovaný počet bitov na jeden pixel (podporované sú 8 a 24bpp)!"_cp},
  };
  for (const auto& load : loads) {
    Catalogue().Nebulas[2].Picture = load.picture;
    const TPictureResult result = LoadThumbnail(Catalogue().Nebulas[2], dir);
    EXPECT_EQ(result.Code, load.code) << load.picture;
    EXPECT_EQ(result.Message, load.message) << load.picture;
    EXPECT_EQ(Catalogue().Nebulas[2].Thumbnail.Loaded, result.Ok()) << load.picture;
  }

  // The same position in the next database has no picture, so no thumbnail.
  std::vector<HandRecord> plain = kTwo;
  plain[0].picture = "";
  WriteFile(scratch_.File("sub/u.cvl"), HandFile("", "", "", "", plain, '\0'));
  ASSERT_TRUE(LoadDatabase(scratch_.File("sub/u.cvl")));
  EXPECT_FALSE(Catalogue().Nebulas[0].Thumbnail.Loaded);
}

TEST_F(DatabaseFileTest, SortedRecordsAreSavedInTheirNewOrderWithTheirNumbers) {
  const std::string f = scratch_.File("sorted.cvl");
  WriteFile(f, HandFile("", "", "", "", kTwo, '\0'));
  ASSERT_TRUE(LoadDatabase(f));
  Sort(ST_IndexOfItem, D_Down);
  EXPECT_FALSE(Catalogue().Modified) << "sorting leaves Modified alone";
  ASSERT_TRUE(SaveDatabase());
  std::vector<HandRecord> reversed = {kTwo[1], kTwo[0]};
  EXPECT_EQ(ReadFile(f), HandFile("", "", "", "", reversed, '\0'));
  ASSERT_TRUE(LoadDatabase(f));
  EXPECT_EQ(Catalogue().Nebulas[0].IndexOfItem, 2);
  EXPECT_EQ(Catalogue().Nebulas[1].IndexOfItem, 1);
}

TEST_F(CatalogueTest, NewRecordsTakeTheSmallestFreeNumberAndGoToTheEnd) {
  TNebulas records;
  EXPECT_EQ(SmallestFreeNumber(records), 1);
  for (int32_t n : {1, 2, 4}) records.push_back(Numbered(n));
  EXPECT_EQ(SmallestFreeNumber(records), 3);
  records[2].IndexOfItem = 3;
  EXPECT_EQ(SmallestFreeNumber(records), 4);
  records[0].IndexOfItem = -5;
  records[1].IndexOfItem = 1000;
  EXPECT_EQ(SmallestFreeNumber(records), 1);

  NewDatabase(scratch_.File("n.cvl"), "", "", "");
  Catalogue().Modified = false;
  for (int32_t n : {1, 2, 4}) Catalogue().Nebulas.push_back(Numbered(n));
  Catalogue().DatabaseInfo.NumberOfItems = 3;
  EXPECT_EQ(AddNebula(Numbered(99)), 3u);
  EXPECT_EQ(Catalogue().Nebulas[3].IndexOfItem, 3);
  EXPECT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 4);
  EXPECT_TRUE(Catalogue().Modified);
}

TEST_F(CatalogueTest, DeletingRenumbersTheRecordsAbove) {
  NewDatabase(scratch_.File("d.cvl"), "", "", "");
  for (int32_t n : {3, 1, 5, 2, 4}) Catalogue().Nebulas.push_back(Numbered(n));
  Catalogue().DatabaseInfo.NumberOfItems = 5;
  Catalogue().Modified = false;
  DeleteNebula(3);  // the record numbered 2
  ASSERT_EQ(Catalogue().Nebulas.size(), 4u);
  EXPECT_EQ(Catalogue().DatabaseInfo.NumberOfItems, 4);
  EXPECT_TRUE(Catalogue().Modified);
  std::vector<int32_t> numbers;
  for (const TNebula& n : Catalogue().Nebulas) numbers.push_back(n.IndexOfItem);
  EXPECT_EQ(numbers, (std::vector<int32_t>{2, 1, 4, 3}));
}

TEST_F(CatalogueTest, MessagesReachTheHandlerAndAreKept) {
  static std::string seen;
  SetMessageHandler([](std::string_view text) { seen = std::string(text); });
  ShowErrorMessage("Chyba!");
  EXPECT_EQ(seen, "Chyba!");
  for (int i = 0; i < 40; ++i) ShowErrorMessage(std::to_string(i));
  ASSERT_FALSE(RecentMessages().empty());
  EXPECT_LE(RecentMessages().size(), 16u);
  EXPECT_EQ(RecentMessages().back(), "39");
  SetMessageHandler(nullptr);
}

TEST(TypeOfNebulaTexts, AreTheSevenSlovakNames) {
  EXPECT_EQ(TypeOfNebulaText(TN_Planetary), "Planetárna hmlovina"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_Supernova), "Pozostatok Supernovy"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_HerbigHar), "Herbigov-Harov objekt"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_H1), "H1"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_H2), "H2"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_Reflection), "Reflexná hmlovina"_cp);
  EXPECT_EQ(TypeOfNebulaText(TN_Dark), "Tmavá hmlovina"_cp);
}

}  // namespace
}  // namespace catalogue_test
