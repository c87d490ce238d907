#include "tools/fntgen/fntgen.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_DRIVER_H
#include FT_MODULE_H

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <utility>

#include "platform/cp1250.h"

namespace fntgen {
namespace {

constexpr uint8_t kFirst = 32;
constexpr uint8_t kLast = 255;
// The first byte Windows-1250 leaves unassigned; it carries the box drawn for
// every code the font cannot show, so it is the default character.
constexpr uint8_t kUnassignedDefault = 0x81;

struct Library {
  FT_Library lib = nullptr;
  ~Library() {
    if (lib) FT_Done_FreeType(lib);
  }
};

struct FaceHandle {
  FT_Face face = nullptr;
  ~FaceHandle() {
    if (face) FT_Done_Face(face);
  }
};

// One rendered glyph before it is placed into the common cell.
struct Rendered {
  int advance = 0;
  int left = 0;  // bitmap_left: pen to the first ink column
  int top = 0;   // bitmap_top: baseline to the first ink row
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> ink;  // width x rows, 1 = ink
};

bool OpenFace(FT_Library lib, const std::string& path, uint16_t ppem, FaceHandle& handle,
              std::string& error) {
  if (FT_New_Face(lib, path.c_str(), 0, &handle.face) != 0) {
    error = "cannot open the face " + path;
    return false;
  }
  if (FT_Set_Pixel_Sizes(handle.face, 0, ppem) != 0) {
    error = path + " cannot be scaled to " + std::to_string(ppem) + " pixels";
    return false;
  }
  return true;
}

// Glyph names of lining figures in faces whose plain digits are old-style.
constexpr const char* kLiningFigures[10] = {"zero.lnum", "one.lnum", "two.lnum", "three.lnum",
                                            "four.lnum", "five.lnum", "six.lnum", "seven.lnum",
                                            "eight.lnum", "nine.lnum"};

// An outlined box for faces whose default glyph is blank.
Rendered Box(uint16_t ppem) {
  Rendered r;
  r.width = std::max(3, ppem / 2);
  r.rows = std::max(3, ppem * 2 / 3);
  r.advance = r.width + 2;
  r.left = 1;
  r.top = r.rows;
  r.ink.assign(size_t(r.width) * r.rows, 0);
  for (int y = 0; y < r.rows; ++y)
    for (int x = 0; x < r.width; ++x)
      if (x == 0 || y == 0 || x == r.width - 1 || y == r.rows - 1) r.ink[size_t(y) * r.width + x] = 1;
  return r;
}

bool RenderGlyph(FT_Face face, FT_UInt index, bool autohint, Rendered& out) {
  // The auto-hinter's mono target leaves stems of one face one and two pixels
  // wide at random; its normal target snaps them evenly, and the result is
  // still rendered in one bit.
  const FT_Int32 flags = autohint ? FT_LOAD_FORCE_AUTOHINT | FT_LOAD_TARGET_NORMAL
                                  : FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO;
  if (FT_Load_Glyph(face, index, flags) != 0) return false;
  FT_GlyphSlot slot = face->glyph;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return false;
  const FT_Bitmap& bm = slot->bitmap;
  out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  out.left = slot->bitmap_left;
  out.top = slot->bitmap_top;
  out.width = static_cast<int>(bm.width);
  out.rows = static_cast<int>(bm.rows);
  out.ink.assign(size_t(out.width) * out.rows, 0);
  for (int y = 0; y < out.rows; ++y) {
    const unsigned char* row = bm.buffer + y * bm.pitch;
    for (int x = 0; x < out.width; ++x)
      if (row[x / 8] & (0x80 >> (x % 8))) out.ink[size_t(y) * out.width + x] = 1;
  }
  return true;
}

// Places a rendered glyph into a cell of the font's height. The cell is the
// glyph's advance; ink that would stick out is moved inside when it fits and
// otherwise widens the cell, so no stroke is ever cut off.
fnt_writer::Glyph Place(const Rendered& r, int ascent, int height) {
  int ink_left = r.width, ink_right = -1;
  for (int y = 0; y < r.rows; ++y)
    for (int x = 0; x < r.width; ++x)
      if (r.ink[size_t(y) * r.width + x]) {
        ink_left = std::min(ink_left, x);
        ink_right = std::max(ink_right, x);
      }
  int cell = std::max(r.advance, 1);
  int shift = r.left;  // cell column of the bitmap's column 0
  if (ink_right >= 0) {
    const int ink_width = ink_right - ink_left + 1;
    if (ink_width > cell) cell = ink_width;
    if (shift + ink_left < 0) shift = -ink_left;
    if (shift + ink_right >= cell) shift = cell - 1 - ink_right;
  }
  fnt_writer::Glyph g;
  g.width = static_cast<uint16_t>(cell);
  g.pixels.assign(size_t(cell) * height, 0);
  for (int y = 0; y < r.rows; ++y) {
    const int cy = ascent - r.top + y;
    assert(cy >= 0 && cy < height);
    for (int x = 0; x < r.width; ++x) {
      if (!r.ink[size_t(y) * r.width + x]) continue;
      const int cx = shift + x;
      assert(cx >= 0 && cx < cell);
      g.pixels[size_t(cy) * cell + cx] = 1;
    }
  }
  return g;
}

}  // namespace

const std::vector<Request>& ProgramFonts() {
  static const std::vector<Request> fonts = [] {
    const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    const std::string serif = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
    const std::string serif_bold = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf";
    const std::string garamond = "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf";
    // A converted face is a modified version under the faces' licences, so it
    // carries a name of its own and the original copyright notice.
    const std::string vera_notice = "Copyright (c) 2003 Bitstream, Inc.; DejaVu changes PD";
    const std::string liberation_notice = "Copyright (c) 2012 Red Hat, Inc.; SIL OFL 1.1";
    const std::string garamond_notice = "Copyright (c) 2010-2012 Georg Duffner; SIL OFL 1.1";
    auto make = [](std::string source, uint16_t points, uint16_t weight, uint8_t family,
                   std::string name, std::string copyright, std::string output) {
      Request r;
      r.source = std::move(source);
      r.points = points;
      r.weight = weight;
      r.family = family;
      r.face_name = std::move(name);
      r.copyright = std::move(copyright);
      r.output = std::move(output);
      return r;
    };
    std::vector<Request> list;
    Request r;
    r = make(dejavu, 10, 400, fnt_writer::kFamilySwiss, "Corvala Sans", vera_notice,
         "Tahoma_10pt_normal.fnt");
    list.push_back(r);
    r = make(serif, 11, 400, fnt_writer::kFamilyRoman, "Corvala Serif", liberation_notice,
         "TNR_11pt_normal.fnt");
    list.push_back(r);
    r = make(serif_bold, 11, 700, fnt_writer::kFamilyRoman, "Corvala Serif", liberation_notice,
         "TNR_11pt_bold.fnt");
    list.push_back(r);
    // The face's own CFF hints lose thin stems (the t's bar) in one-bit
    // rendering at this size; the auto-hinter keeps them. Edit fields show
    // numbers, so lining figures; the per-mille sign comes from the serif face.
    r = make(garamond, 12, 400, fnt_writer::kFamilyRoman, "Corvala Garamond",
         garamond_notice, "Garamond_12pt_normal.fnt");
    r.fallback = serif;
    r.autohint = true;
    r.lining_figures = true;
    list.push_back(r);
    r = make(serif, 9, 400, fnt_writer::kFamilyRoman, "Corvala Serif", liberation_notice,
         "TNR_9pt_normal.fnt");
    list.push_back(r);
    r = make(serif_bold, 14, 700, fnt_writer::kFamilyRoman, "Corvala Serif", liberation_notice,
         "TNR_14pt_bold.fnt");
    list.push_back(r);
    return list;
  }();
  return fonts;
}

uint16_t PixelsPerEm(uint16_t points) { return static_cast<uint16_t>((points * 96 + 36) / 72); }

bool Render(const Request& request, fnt_writer::Face& out, std::string& error) {
  Library library;
  if (FT_Init_FreeType(&library.lib) != 0) {
    error = "FreeType cannot start";
    return false;
  }
  // The classic TrueType interpreter runs the faces' instructions in full,
  // which is what they were written for in one-bit rendering; the newer one
  // ignores horizontal hints and smears composite glyphs such as the l with caron.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_35;
  if (FT_Property_Set(library.lib, "truetype", "interpreter-version", &interpreter) != 0) {
    error = "this FreeType lacks the classic TrueType interpreter";
    return false;
  }
  const uint16_t ppem = PixelsPerEm(request.points);
  FaceHandle handle, fallback_handle;
  if (!OpenFace(library.lib, request.source, ppem, handle, error)) return false;
  FT_Face face = handle.face;
  if (!request.fallback.empty() &&
      !OpenFace(library.lib, request.fallback, ppem, fallback_handle, error))
    return false;

  std::vector<Rendered> rendered(kLast - kFirst + 1);
  Rendered notdef;
  if (!RenderGlyph(face, 0, request.autohint, notdef)) {
    error = "the face has no usable default glyph";
    return false;
  }
  if (std::find(notdef.ink.begin(), notdef.ink.end(), 1) == notdef.ink.end()) notdef = Box(ppem);

  for (int code = kFirst; code <= kLast; ++code) {
    const char32_t cp = cp1250::ToCodePoint(static_cast<unsigned char>(code));
    Rendered& r = rendered[code - kFirst];
    if (cp == 0 || cp == 0x7F) {  // unassigned bytes and the delete control
      r = notdef;
      continue;
    }
    FT_Face from = face;
    FT_UInt index = 0;
    if (request.lining_figures && cp >= '0' && cp <= '9')
      index = FT_Get_Name_Index(face, kLiningFigures[cp - '0']);
    if (index == 0) index = FT_Get_Char_Index(face, cp);
    if (index == 0 && fallback_handle.face) {
      from = fallback_handle.face;
      index = FT_Get_Char_Index(from, cp);
    }
    char name[32];
    std::snprintf(name, sizeof name, "U+%04X (byte %d)", static_cast<unsigned>(cp), code);
    if (index == 0) {
      error = std::string("the face lacks ") + name;
      return false;
    }
    if (!RenderGlyph(from, index, request.autohint, r)) {
      error = std::string("cannot render ") + name;
      return false;
    }
  }

  // The cell holds the face's own ascent and descent, enlarged where some glyph
  // reaches further, so that every glyph sits on one baseline uncut.
  const double scale = double(ppem) / face->units_per_EM;
  int ascent = static_cast<int>(face->ascender * scale + 0.5);
  int descent = static_cast<int>(-face->descender * scale + 0.5);
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
    ascent = static_cast<int>(os2->usWinAscent * scale + 0.5);
    descent = static_cast<int>(os2->usWinDescent * scale + 0.5);
  }
  for (const Rendered& r : rendered) {
    if (r.rows == 0) continue;
    ascent = std::max(ascent, r.top);
    descent = std::max(descent, r.rows - r.top);
  }
  const int height = ascent + descent;

  out = fnt_writer::Face{};
  out.version = 0x300;
  out.face_name = request.face_name;
  out.copyright = request.copyright;
  out.points = request.points;
  out.vert_res = 96;
  out.horiz_res = 96;
  out.ascent = static_cast<uint16_t>(ascent);
  out.internal_leading = static_cast<uint16_t>(std::max(0, height - ppem));
  out.external_leading = 0;
  out.weight = request.weight;
  out.charset = 238;
  out.family = request.family;
  out.pix_width = 0;
  out.pix_height = static_cast<uint16_t>(height);
  out.first_char = kFirst;
  out.last_char = kLast;
  out.default_char = kUnassignedDefault;
  out.break_char = ' ';
  for (const Rendered& r : rendered) out.glyphs.push_back(Place(r, ascent, height));
  return true;
}

}  // namespace fntgen
