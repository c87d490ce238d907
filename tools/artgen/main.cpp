// artgen: draws every picture the program ships ("Pictures") and the pictures
// of the sample catalogue, with the program's own raster unit and fonts.
//
//   artgen --fonts data/Fonts --pictures data/Pictures
//          --catalogue data/samples/hmloviny.csv --samples data/samples
//
// The output depends on nothing but the sources and the fonts: no clock, no
// unseeded randomness.

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/cp1250.h"
#include "platform/headless_backend.h"
#include "platform/platform.h"
#include "rastrix/rastrix.h"
#include "tools/artgen/art_canvas.h"
#include "tools/artgen/art_gallery.h"
#include "tools/artgen/art_ui.h"
#include "tools/artgen/sample_catalogue.h"

namespace {

using art::Canvas;

struct PictureJob {
  std::string name;
  int width;
  int height;
  bool keyed;
  std::function<void(Canvas&)> paint;
};

std::vector<PictureJob> ProgramPictures() {
  using art::Emblem;
  using art::Glyph;
  std::vector<PictureJob> jobs;
  jobs.push_back({"ScreenPicture.bmp", 1024, 768, false, art::PaintScreenPicture});
  struct Arc {
    const char* base;
    std::string_view caption;
    Emblem emblem;
    bool left;
  };
  const Arc arcs[] = {
      {"FileButton", "Súbor"_cp, Emblem::File, true},
      {"DatabaseButton", "Databáza"_cp, Emblem::Database, true},
      {"ObservatoryButton", "Hvezdáreň"_cp, Emblem::Observatory, true},
      {"EncyclopediaButton", "Encyklopédia"_cp, Emblem::Encyclopedia, true},
      {"SettingsButton", "Nastavenia"_cp, Emblem::Settings, false},
      {"HelpButton", "Pomoc"_cp, Emblem::Help, false},
      {"AboutButton", "O programe"_cp, Emblem::About, false},
      {"ExitButton", "Koniec"_cp, Emblem::Exit, false},
  };
  for (const Arc& a : arcs)
    for (int state = 1; state <= 2; ++state) {
      jobs.push_back({std::string(a.base) + std::to_string(state) + ".bmp", 150, 54, true,
                      [a, state](Canvas& c) { art::PaintArcButton(c, a.caption, a.emblem, a.left, state == 2); }});
    }
  struct Dialog {
    const char* base;
    std::string_view caption;
    Glyph glyph;
    int width;
    int height;
  };
  const Dialog dialogs[] = {
      {"OkButton", "OK", Glyph::None, 84, 23},
      {"CancelButton", "Zrušiť"_cp, Glyph::None, 84, 23},
      {"YesButton", "Áno"_cp, Glyph::None, 84, 23},
      {"NoButton", "Nie", Glyph::None, 84, 23},
      {"ListItemButton", "Zobraziť"_cp, Glyph::View, 110, 27},
      {"ModifyItemButton", "Upraviť"_cp, Glyph::Edit, 110, 27},
      {"DeleteItemButton", "Odstrániť"_cp, Glyph::Delete, 110, 27},
      {"OpenButton", "Otvoriť"_cp, Glyph::None, 84, 23},
      {"LaterButton", "Neskôr"_cp, Glyph::None, 84, 23},
      {"RemoveButton", "Odstrániť"_cp, Glyph::None, 84, 23},
      {"OverwriteButton", "Prepísať"_cp, Glyph::None, 84, 23},
      {"SaveAsButton", "Uložiť ako"_cp, Glyph::None, 84, 23},
  };
  for (const Dialog& d : dialogs)
    for (int state = 1; state <= 2; ++state) {
      jobs.push_back({std::string(d.base) + std::to_string(state) + ".bmp", d.width, d.height, false,
                      [d, state](Canvas& c) { art::PaintDialogButton(c, d.caption, d.glyph, state == 2); }});
    }
  jobs.push_back({"OpenedWindowsButton1.bmp", 170, 26, true, [](Canvas& c) { art::PaintWindowsButton(c, false); }});
  jobs.push_back({"OpenedWindowsButton2.bmp", 170, 26, true, [](Canvas& c) { art::PaintWindowsButton(c, true); }});
  jobs.push_back({"DatabaseMenuItem1.bmp", 170, 26, false, [](Canvas& c) { art::PaintMenuItem(c, false); }});
  jobs.push_back({"DatabaseMenuItem2.bmp", 170, 26, false, [](Canvas& c) { art::PaintMenuItem(c, true); }});
  jobs.push_back({"StatusBarTexture.bmp", 64, 28, false, art::PaintStatusBarTexture});
  jobs.push_back({"StatusBarDate1.bmp", 100, 20, true, [](Canvas& c) { art::PaintStatusBarEnd(c, true); }});
  jobs.push_back({"StatusBarDate2.bmp", 80, 20, true, [](Canvas& c) { art::PaintStatusBarEnd(c, false); }});
  jobs.push_back({"Icon.bmp", 16, 16, false, art::PaintIcon});
  jobs.push_back({"Questionmark.bmp", 50, 50, true, art::PaintQuestionMark});
  jobs.push_back({"Exclamationmark.bmp", 50, 50, true, art::PaintExclamationMark});
  jobs.push_back({"default_thumbnail.bmp", 32, 32, false, art::PaintDefaultThumbnail});
  // The reference books show these beside a 228-pixel text column on 443-pixel pages.
  jobs.push_back({"OrionNebula.bmp", 200, 150, false, art::PaintOrionNebula});
  jobs.push_back({"HorseHead.bmp", 200, 150, false, art::PaintHorseHead});
  jobs.push_back({"nebulaHorse.bmp", 200, 150, false, art::PaintNebulaHorse});
  jobs.push_back({"Catseye.bmp", 200, 150, false, art::PaintCatsEye});
  jobs.push_back({"NGC_6302.bmp", 200, 150, false, art::PaintNgc6302});
  jobs.push_back({"kosatec.bmp", 200, 150, false, art::PaintIris});
  jobs.push_back({"starExplosion.bmp", 200, 150, false, art::PaintStarExplosion});
  return jobs;
}

bool Render(int width, int height, bool keyed, const std::function<void(Canvas&)>& paint, const std::string& path) {
  Canvas canvas(width, height);
  paint(canvas);
  if (!art::SavePicture(canvas, path, keyed)) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

// The loader registers each font in LoadedFonts, so the indexes follow this order.
bool LoadFonts(const std::string& dir, std::vector<std::unique_ptr<TFont>>& fonts) {
  const char* files[] = {"Tahoma_10pt_normal.fnt",   "TNR_11pt_normal.fnt", "TNR_11pt_bold.fnt",
                         "Garamond_12pt_normal.fnt", "TNR_9pt_normal.fnt",  "TNR_14pt_bold.fnt"};
  for (const char* f : files) {
    fonts.push_back(std::make_unique<TFont>());
    uint8_t result = 0;
    std::string path = dir + "/" + f;
    LoadFNTFont(cp1250::FromUtf8(path).text, *fonts.back(), result);
    if (result != 0) {
      std::fprintf(stderr, "artgen: cannot load font %s (code %u)\n", path.c_str(), result);
      return false;
    }
  }
  return true;
}

bool Samples(const std::string& csv_path, const std::string& out_dir) {
  std::ifstream in(csv_path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "artgen: cannot read %s\n", csv_path.c_str());
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  std::vector<art::CsvRow> rows;
  std::string error;
  if (!art::ParseCsv(text.str(), rows, error)) {
    std::fprintf(stderr, "artgen: %s: %s\n", csv_path.c_str(), error.c_str());
    return false;
  }
  // Every record is checked before anything is drawn, so a refused catalogue
  // leaves the output folder as it was.
  std::vector<std::pair<std::string, art::NebulaType>> jobs;
  for (size_t i = 1; i < rows.size(); ++i) {
    const art::CsvRow& row = rows[i];
    if (row.size() != art::kCatalogueColumns) {
      std::fprintf(stderr, "artgen: %s: record %zu has %zu fields\n", csv_path.c_str(), i, row.size());
      return false;
    }
    auto type = art::TypeIndex(row[7]);
    const std::string& picture = row[8];
    if (!type || picture.empty() || picture.find_first_of("/\\") != std::string::npos) {
      std::fprintf(stderr, "artgen: %s: record %zu has a bad type or picture\n", csv_path.c_str(), i);
      return false;
    }
    jobs.emplace_back(picture, static_cast<art::NebulaType>(*type));
  }
  bool ok = true;
  // Not a structured binding: clang 14 cannot capture one in a lambda.
  for (const auto& job : jobs)
    ok &= Render(
        300, 200, false, [&](Canvas& c) { art::PaintSample(c, job.first, job.second); }, out_dir + "/" + job.first);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string fonts = "data/Fonts", pictures, catalogue, samples, icons;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string key = argv[i];
    if (key == "--fonts")
      fonts = argv[i + 1];
    else if (key == "--pictures")
      pictures = argv[i + 1];
    else if (key == "--catalogue")
      catalogue = argv[i + 1];
    else if (key == "--samples")
      samples = argv[i + 1];
    else if (key == "--icons")
      icons = argv[i + 1];
    else {
      std::fprintf(stderr, "artgen: unknown option %s\n", key.c_str());
      return 2;
    }
  }
  if (argc % 2 == 0 || (pictures.empty() && samples.empty() && icons.empty()) ||
      samples.empty() != catalogue.empty()) {
    std::fprintf(stderr,
                 "usage: artgen [--fonts DIR] [--pictures OUTDIR] [--catalogue CSV --samples OUTDIR] [--icons OUTDIR]\n");
    return 2;
  }
  platform::HeadlessBackend host;
  platform::Install(&host);
  InitRastrix("artgen");
  std::vector<std::unique_ptr<TFont>> loaded;
  bool ok = LoadFonts(fonts, loaded);
  if (ok && !pictures.empty())
    for (const PictureJob& job : ProgramPictures())
      ok &= Render(job.width, job.height, job.keyed, job.paint, pictures + "/" + job.name);
  if (ok && !samples.empty()) ok &= Samples(catalogue, samples);
  // The program's icon at the sizes of the desktop's icon themes, drawn at
  // each size rather than enlarged from 16 pixels.
  if (ok && !icons.empty())
    for (int size : {16, 24, 32, 48, 64, 128, 256})
      ok &= Render(size, size, false, art::PaintIcon, icons + "/corvala_" + std::to_string(size) + ".bmp");
  for (auto& f : loaded) FreeFNTFont(*f);
  CloseRastrix();
  platform::Install(nullptr);
  return ok ? 0 : 1;
}
