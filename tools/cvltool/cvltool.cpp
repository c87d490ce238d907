// cvltool: the catalogue from the command line. Exports a ".cvl" database as
// CSV, builds one from CSV, checks one, and writes the settings record that
// makes the program open a database at start. It reads and writes files with
// the program's own catalogue code.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/cv_globals.h"
#include "catalogue/cv_settings.h"
#include "platform/command_line.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "tools/cvltool/catalogue_csv.h"
#include "tools/cvltool/catalogue_generator.h"

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  cvltool export FILE.cvl                 print the database as CSV (UTF-8)\n"
    "  cvltool import FILE.csv FILE.cvl [--path P] [--name N] [--author A] [--description D]\n"
    "                                          build a database from CSV\n"
    "  cvltool generate N FILE.cvl [--seed S] [--thumbnails FRACTION] [--path P] [--name N] [--author A]\n"
    "                                          [--description D]\n"
    "                                          make up N records; a FRACTION (0 to 1) of them get a\n"
    "                                          32 x 32 picture, written beside FILE.cvl\n"
    "  cvltool check FILE.cvl                  validate a database and summarise it\n"
    "  cvltool settings FILE.ini DATABASE_PATH [--latitude L] [--longitude L]\n"
    "                                          write a settings record that opens DATABASE_PATH at start\n"
    "CSV columns: number,name,ngc,ra_hours,dec_degrees,distance_ly,magnitude,type,picture,description\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "cvltool: %s\n", message.c_str());
  return 1;
}

// The catalogue's messages are Windows-1250; the terminal speaks UTF-8.
void PrintMessage(std::string_view text) { std::fprintf(stderr, "cvltool: %s\n", cp1250::ToUtf8(text).c_str()); }

// Command-line file names are UTF-8; the catalogue code takes program paths.
bool ProgramPath(std::string_view native, std::string& path) {
  cp1250::Conversion c = cp1250::FromUtf8(native);
  if (!c.ok) return false;
  path = std::move(c.text);
  return true;
}

bool ReadWholeFile(const std::string& name, std::string& bytes) {
  // A path made from UTF-8 explicitly: a narrow one is ANSI on Windows.
  std::ifstream in(std::filesystem::path(std::u8string(name.begin(), name.end())), std::ios::binary);
  if (!in) return false;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  return in.eof() && !in.bad();
}

// --name value pairs after the positional arguments.
bool Options(int argc, char** argv, int first, const std::set<std::string>& known,
             std::map<std::string, std::string>& values) {
  for (int i = first; i < argc; i += 2) {
    std::string key = argv[i];
    if (!known.count(key) || i + 1 >= argc) return false;
    values[key] = argv[i + 1];
  }
  return true;
}

bool LoadQuietly(const std::string& native) {
  std::string path;
  if (!ProgramPath(native, path)) {
    Fail(native + ": the file name has characters outside Windows-1250");
    return false;
  }
  if (!platform::FileExists(path)) {
    Fail(native + ": no such file");
    return false;
  }
  return LoadDatabase(path, false).Ok();
}

int Export(const std::string& file) {
  if (!LoadQuietly(file)) return 1;
  std::string out;
  std::string error;
  if (!catalogue_csv::Export(Catalogue().Nebulas, Catalogue().DatabaseInfo.NumberOfItems, out, error))
    return Fail(file + ": " + error);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the output");
}

int Import(int argc, char** argv) {
  if (argc < 4) return Usage();
  std::map<std::string, std::string> options;
  if (!Options(argc, argv, 4, {"--path", "--name", "--author", "--description"}, options)) return Usage();
  const std::string csv_file = argv[2];
  const std::string cvl_file = argv[3];

  std::string target;
  if (!ProgramPath(cvl_file, target)) return Fail(cvl_file + ": the file name has characters outside Windows-1250");
  std::string header[4];
  const char* keys[4] = {"--path", "--name", "--author", "--description"};
  for (int i = 0; i < 4; ++i) {
    std::string why;
    std::string value = options.count(keys[i]) ? options[keys[i]] : (i == 0 ? cvl_file : std::string());
    if (!catalogue_csv::ToShortText(value, header[i], why)) return Fail(std::string(keys[i]) + ": " + why);
  }

  std::string text;
  if (!ReadWholeFile(csv_file, text)) return Fail(csv_file + ": cannot read the file");
  TNebulas records;
  std::string error;
  if (!catalogue_csv::Import(text, records, error)) return Fail(csv_file + ": " + error + "; nothing was written");

  NewDatabase(header[0], header[1], header[2], header[3]);
  Catalogue().Nebulas = std::move(records);
  Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
  Catalogue().DatabaseFile = target;
  if (!SaveDatabase()) return 1;
  std::printf("%s: %d records written\n", cvl_file.c_str(), Catalogue().DatabaseInfo.NumberOfItems);
  return 0;
}

int Generate(int argc, char** argv) {
  if (argc < 4) return Usage();
  std::map<std::string, std::string> options;
  if (!Options(argc, argv, 4, {"--seed", "--thumbnails", "--path", "--name", "--author", "--description"}, options))
    return Usage();
  int32_t count = 0;
  if (!catalogue_csv::ParseInt32(argv[2], count) || count < 0 || count > MAX_NUMBER_OF_ITEMS)
    return Fail("N: a whole number from 0 to " + std::to_string(MAX_NUMBER_OF_ITEMS));
  const std::string cvl_file = argv[3];
  std::string target;
  if (!ProgramPath(cvl_file, target)) return Fail(cvl_file + ": the file name has characters outside Windows-1250");

  catalogue_generator::TOptions generate;
  if (options.count("--seed")) {
    int32_t seed = 0;
    if (!catalogue_csv::ParseInt32(options["--seed"], seed)) return Fail("--seed: a whole number");
    generate.Seed = static_cast<uint64_t>(static_cast<uint32_t>(seed));
  }
  if (options.count("--thumbnails") &&
      (!catalogue_csv::ParseDouble(options["--thumbnails"], generate.ThumbnailFraction) ||
       !(generate.ThumbnailFraction >= 0 && generate.ThumbnailFraction <= 1)))
    return Fail("--thumbnails: a fraction from 0 to 1");
  // Pictures are named after the database file, so two generated catalogues
  // can share a folder.
  std::string_view folder = FolderOf(target);
  std::string stem = target.substr(folder.size());
  if (std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) stem.resize(dot);
  generate.PictureStem = stem;

  std::string header[4];
  const char* keys[4] = {"--path", "--name", "--author", "--description"};
  for (int i = 0; i < 4; ++i) {
    std::string why;
    std::string value = options.count(keys[i]) ? options[keys[i]] : (i == 0 ? cvl_file : std::string());
    if (!catalogue_csv::ToShortText(value, header[i], why)) return Fail(std::string(keys[i]) + ": " + why);
  }

  TNebulas records = catalogue_generator::Generate(count, generate);
  if (!catalogue_generator::WriteThumbnails(records, folder)) return Fail(cvl_file + ": cannot write its pictures");
  NewDatabase(header[0], header[1], header[2], header[3]);
  Catalogue().Nebulas = std::move(records);
  Catalogue().DatabaseInfo.NumberOfItems = static_cast<int32_t>(Catalogue().Nebulas.size());
  Catalogue().DatabaseFile = target;
  if (!SaveDatabase()) return 1;
  std::printf("%s: %d records written\n", cvl_file.c_str(), Catalogue().DatabaseInfo.NumberOfItems);
  return 0;
}

int Check(const std::string& file) {
  if (!LoadQuietly(file)) return 1;
  const int32_t n = Catalogue().DatabaseInfo.NumberOfItems;
  std::printf("%s: Corvala database, %d records\n", file.c_str(), n);
  std::printf("  path:        %s\n", cp1250::ToUtf8(Catalogue().DatabaseInfo.Path.View()).c_str());
  std::printf("  name:        %s\n", cp1250::ToUtf8(Catalogue().DatabaseInfo.NameOfDatabase.View()).c_str());
  std::printf("  author:      %s\n", cp1250::ToUtf8(Catalogue().DatabaseInfo.Autor.View()).c_str());
  std::printf("  description: %s\n", cp1250::ToUtf8(Catalogue().DatabaseInfo.Description.View()).c_str());

  int counts[TYPE_OF_NEBULA_COUNT] = {};
  std::vector<int32_t> numbers;
  int warnings = 0;
  int pictures = 0;
  const std::string dir(FolderOf(Catalogue().DatabaseFile));
  for (int32_t i = 0; i < n; ++i) {
    const TNebula& r = Catalogue().Nebulas[static_cast<std::size_t>(i)];
    ++counts[r.TypeOfNebula];
    numbers.push_back(r.IndexOfItem);
    const double values[4] = {r.Rect, r.Dec, r.Distance, r.Magnitude};
    const char* names[4] = {"ra_hours", "dec_degrees", "distance_ly", "magnitude"};
    for (int k = 0; k < 4; ++k) {
      if (!std::isfinite(values[k])) {
        std::printf("  warning: record %d (number %d): %s is not a finite number\n", i + 1, r.IndexOfItem, names[k]);
        ++warnings;
      }
    }
    if (!r.Picture.Empty()) {
      ++pictures;
      if (!platform::FileExists(dir + r.Picture.Str())) {
        std::printf("  warning: record %d (number %d): picture \"%s\" not found\n", i + 1, r.IndexOfItem,
                    cp1250::ToUtf8(r.Picture.View()).c_str());
        ++warnings;
      }
    }
  }
  for (int t = 0; t < TYPE_OF_NEBULA_COUNT; ++t)
    std::printf("  %6d  %s\n", counts[t], cp1250::ToUtf8(TypeOfNebulaText(static_cast<TTypeOfNebula>(t))).c_str());
  std::printf("  %6d  pictures named\n", pictures);

  std::sort(numbers.begin(), numbers.end());
  bool gapless = true;
  for (int32_t i = 0; i < n; ++i) gapless = gapless && numbers[static_cast<std::size_t>(i)] == i + 1;
  if (!gapless) {
    std::printf("  warning: the records are not numbered 1 to %d without gaps or repeats\n", n);
    ++warnings;
  }
  std::printf("%s: %s\n", file.c_str(), warnings ? "readable, with warnings" : "OK");
  return 0;
}

int Settings_(int argc, char** argv) {
  if (argc < 4) return Usage();
  std::map<std::string, std::string> options;
  if (!Options(argc, argv, 4, {"--latitude", "--longitude"}, options)) return Usage();
  const std::string ini_file = argv[2];
  std::string ini;
  if (!ProgramPath(ini_file, ini)) return Fail(ini_file + ": the file name has characters outside Windows-1250");
  std::string database;
  std::string why;
  if (!catalogue_csv::ToShortText(argv[3], database, why)) return Fail(std::string("DATABASE_PATH: ") + why);

  Settings = TSettings();
  Settings.ImplicitDatabase = database;
  Settings.UseImplicitDatabase = true;
  if (options.count("--latitude") &&
      (!catalogue_csv::ParseDouble(options["--latitude"], Settings.Latitude) ||
       !(Settings.Latitude >= -90 && Settings.Latitude <= 90)))
    return Fail("--latitude: a number from -90 to 90");
  if (options.count("--longitude") &&
      (!catalogue_csv::ParseDouble(options["--longitude"], Settings.Longitude) ||
       !(Settings.Longitude >= -180 && Settings.Longitude <= 180)))
    return Fail("--longitude: a number from -180 to 180");
  if (!WriteSettings(ini)) return Fail(ini_file + ": cannot write the file");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // UTF-8 words on every system (Windows hands a program its words in UTF-16).
  std::vector<std::string> words = platform::CommandLineArguments(argc, argv);
  std::vector<char*> args;
  for (std::string& word : words) args.push_back(word.data());
  argc = static_cast<int>(args.size());
  args.push_back(nullptr);
  argv = args.data();
  SetMessageHandler(PrintMessage);
  if (argc < 2) return Usage();
  const std::string_view command = argv[1];
  if (command == "export" && argc == 3) return Export(argv[2]);
  if (command == "import") return Import(argc, argv);
  if (command == "generate") return Generate(argc, argv);
  if (command == "check" && argc == 3) return Check(argv[2]);
  if (command == "settings") return Settings_(argc, argv);
  return Usage();
}
