// fntgen: makes the program's FNT fonts from free TrueType/OpenType faces.
//   fntgen --all FOLDER                     the six program fonts into FOLDER
//   fntgen SOURCE POINTS WEIGHT NAME OUTPUT  one font of a face

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/fntgen/fntgen.h"

namespace {

bool Make(const fntgen::Request& request, const std::string& path) {
  fnt_writer::Face face;
  std::string error;
  if (!fntgen::Render(request, face, error)) {
    std::fprintf(stderr, "fntgen: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  if (!fnt_writer::WriteFile(face, path)) {
    std::fprintf(stderr, "fntgen: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s: %u px high, ascent %u\n", path.c_str(), face.pix_height, face.ascent);
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: fntgen --all FOLDER\n"
               "       fntgen SOURCE POINTS WEIGHT NAME OUTPUT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--all") {
    bool ok = true;
    for (const fntgen::Request& r : fntgen::ProgramFonts())
      ok = Make(r, std::string(argv[2]) + "/" + r.output) && ok;
    return ok ? 0 : 1;
  }
  if (argc != 6) return Usage();
  fntgen::Request r;
  r.source = argv[1];
  const long points = std::strtol(argv[2], nullptr, 10);
  const long weight = std::strtol(argv[3], nullptr, 10);
  if (points < 4 || points > 72 || weight < 100 || weight > 900) return Usage();
  r.points = static_cast<uint16_t>(points);
  r.weight = static_cast<uint16_t>(weight);
  r.face_name = argv[4];
  return Make(r, argv[5]) ? 0 : 1;
}
