#include "tools/artgen/art_ui.h"

#include <algorithm>
#include <cmath>

#include "platform/cp1250.h"
#include "tools/artgen/art_noise.h"
#include "tools/artgen/art_sky.h"
#include "tools/artgen/art_text.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Font indexes as the program assigns them.
constexpr int kFontTahoma10 = 0;
constexpr int kFontTnr11 = 1;
constexpr int kFontTnr11Bold = 2;
constexpr int kFontTnr14Bold = 5;

// The dialogs' face colour, so the rounded corners of their buttons blend in.
const Rgb kDialogFace = Bytes(236, 233, 216);
// Behind keyed shapes: rim pixels are mixed towards the dark desktop.
const Rgb kNight{0.02, 0.03, 0.07};

double Rotated(double x, double y, double cx, double cy, double a, double& ry) {
  double dx = x - cx, dy = y - cy;
  ry = cy + (-dx * std::sin(a) + dy * std::cos(a));
  return cx + dx * std::cos(a) + dy * std::sin(a);
}

double QuestionSdf(double x, double y, double ex, double ey, double s) {
  double cy = ey - 4 * s;
  double r = std::hypot(x - ex, y - cy);
  double ring = std::fabs(r - 5 * s) - 1.6 * s;
  if (y > cy && x < ex + 1 * s) ring = std::max(ring, 1.0);
  double stem = std::min(SdSegment(x, y, ex + 3.6 * s, cy + 3.4 * s, ex, ey + 2 * s, 1.6 * s),
                         SdSegment(x, y, ex, ey + 2 * s, ex, ey + 4 * s, 1.6 * s));
  double dot = SdCircle(x, y, ex, ey + 8.5 * s, 1.9 * s);
  return std::min({ring, stem, dot});
}

double EmblemSdf(Emblem e, double x, double y, double ex, double ey) {
  switch (e) {
    case Emblem::File: {
      double body = SdRoundRect(x, y, ex, ey, 8, 11, 1.5);
      double cut = ((x - ex) - (y - ey) - 12.5) / 1.4142;
      double doc = std::max(body, cut);
      double fold = std::max(SdSegment(x, y, ex + 1.5, ey - 11, ex + 8, ey - 4.5, 0.9), -cut - 2.5);
      double lines = 1e9;
      for (int k = -1; k <= 2; ++k)
        lines = std::min(lines, SdSegment(x, y, ex - 4.5, ey + k * 3.5, ex + 4.5, ey + k * 3.5, 0.75));
      return std::min(std::max(doc, -lines), fold);
    }
    case Emblem::Database: {
      double d = 1e9;
      for (int k = -1; k <= 1; ++k) {
        double el = std::fabs(SdEllipse(x, y, ex, ey + k * 6.5, 10, 3.6)) - 1.0;
        if (k > -1 && y < ey + k * 6.5) el = std::max(el, 1.0);
        d = std::min(d, el);
      }
      d = std::min(d, SdSegment(x, y, ex - 10, ey - 6.5, ex - 10, ey + 6.5, 1.0));
      d = std::min(d, SdSegment(x, y, ex + 10, ey - 6.5, ex + 10, ey + 6.5, 1.0));
      return d;
    }
    case Emblem::Observatory: {
      double dome = std::max(SdCircle(x, y, ex, ey + 2, 9), (y - (ey + 2)));
      double slit = SdSegment(x, y, ex + 1, ey - 6.5, ex + 4.5, ey + 1, 1.3);
      double base = SdRoundRect(x, y, ex, ey + 5.5, 11, 3, 1);
      double scope = SdSegment(x, y, ex + 2.5, ey - 2, ex + 9, ey - 10, 1.5);
      double star = std::min(SdCircle(x, y, ex - 8, ey - 9, 1.2), SdCircle(x, y, ex - 3, ey - 12, 0.9));
      return std::min({std::max(dome, -slit), base, scope, star});
    }
    case Emblem::Encyclopedia: {
      double ly, ry;
      double lx = Rotated(x, y, ex - 5.5, ey, 0.15, ly);
      double rx = Rotated(x, y, ex + 5.5, ey, -0.15, ry);
      double left = SdRoundRect(lx, ly, ex - 5.5, ey, 5, 8, 1);
      double right = SdRoundRect(rx, ry, ex + 5.5, ey, 5, 8, 1);
      double lines = 1e9;
      for (int k = -1; k <= 1; ++k) {
        lines = std::min(lines, SdSegment(lx, ly, ex - 8.5, ey + k * 3.5, ex - 2.5, ey + k * 3.5, 0.6));
        lines = std::min(lines, SdSegment(rx, ry, ex + 2.5, ey + k * 3.5, ex + 8.5, ey + k * 3.5, 0.6));
      }
      return std::max(std::min(left, right), -lines);
    }
    case Emblem::Settings: {
      double r = std::hypot(x - ex, y - ey), a = std::atan2(y - ey, x - ex);
      double teeth = std::clamp(std::cos(a * 8.0) * 2.5, -1.0, 1.0);
      double outer = (r - (8.0 + 2.2 * teeth)) * 0.8;
      return std::max(outer, -(r - 3.5));
    }
    case Emblem::Help:
      return QuestionSdf(x, y, ex, ey - 1, 1.15);
    case Emblem::About: {
      double dot = SdCircle(x, y, ex, ey - 8, 2.2);
      double stem = SdRoundRect(x, y, ex, ey + 2, 2, 6.5, 0.8);
      double serif = SdRoundRect(x, y, ex, ey + 8, 5, 1, 0.5);
      double cap = SdRoundRect(x, y, ex - 1.5, ey - 3.5, 3.5, 1, 0.5);
      return std::min({dot, stem, serif, cap});
    }
    case Emblem::Exit: {
      double r = std::hypot(x - ex, y - ey - 1);
      double ring = std::fabs(r - 8) - 1.6;
      if (y < ey && std::fabs(x - ex) < 4.5) ring = std::max(ring, 4.5 - std::fabs(x - ex));
      double bar = SdSegment(x, y, ex, ey - 10, ex, ey + 0.5, 1.6);
      return std::min(ring, bar);
    }
    case Emblem::Windows: {
      double back = std::fabs(SdRoundRect(x, y, ex + 2, ey - 2, 6, 4.5, 1)) - 0.8;
      double front = SdRoundRect(x, y, ex - 2, ey + 2, 6, 4.5, 1);
      double frontRing = std::fabs(front) - 0.8;
      double bar = std::max(SdRoundRect(x, y, ex - 2, ey - 1.5, 6, 1.2, 0.5), front);
      double backVisible = std::max(back, -(front - 0.8));
      return std::min({backVisible, frontRing, bar});
    }
  }
  return 1e9;
}

// A few faint stars inside a face, so the plaques feel cut from the night sky.
void FaceStars(Canvas& c, const Sdf& inside, uint32_t seed, int count, double level) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double x = rng.Uniform(0, c.Width()), y = rng.Uniform(0, c.Height());
    if (inside(x, y) > -3.0) continue;
    double f = level * rng.Uniform(0.3, 1.0);
    c.Blend(static_cast<int>(x), static_cast<int>(y), {0.85, 0.9, 1.0}, f);
  }
}

// Largest of the given fonts whose text fits into width.
int FittingFont(std::string_view text, int width, std::initializer_list<int> fonts) {
  int last = kFontTahoma10;
  for (int f : fonts) {
    last = f;
    if (TextWidth(f, text) > 0 && TextWidth(f, text) <= width) return f;
  }
  return last;
}

void Caption(Canvas& c, std::string_view text, int font, double cx, double cy, Rgb color, Rgb shadow, bool glow,
             Rgb glow_color) {
  TextMask m = RenderText(font, text);
  int w = m.width - 2 * m.pad, h = m.height - 2 * m.pad;
  int x = static_cast<int>(std::lround(cx - w / 2.0)), y = static_cast<int>(std::lround(cy - h / 2.0));
  if (glow) DrawHalo(c, m, x, y, 2, 0, 0, glow_color, 0.7);
  DrawMask(c, m, x + 1, y + 1, shadow, 0.8);
  DrawMask(c, m, x, y, color);
}

// A glossy plaque: a vertical gradient face, a sheen on its upper half and a
// bevelled metal rim.
void Plaque(Canvas& c, const Sdf& shape, Rgb top, Rgb bottom, Rgb rim_top, Rgb rim_bottom, double sheen) {
  double h = c.Height();
  c.Fill(shape, [&](double, double y) { return Mix(top, bottom, y / h); });
  Sdf upper = [&](double x, double y) { return std::max(shape(x, y) + 2.0, y - h * 0.48); };
  c.Fill(upper, Rgb{1, 1, 1}, sheen);
  Sdf rim = [&](double x, double y) { return std::fabs(shape(x, y) + 0.9) - 0.9; };
  c.Fill(rim, [&](double, double y) { return Mix(rim_top, rim_bottom, y / h); });
  Sdf inner = [&](double x, double y) { return std::fabs(shape(x, y) + 2.4) - 0.5; };
  c.Fill(inner, Rgb{0, 0, 0}, 0.35);
}

}  // namespace

void PaintArcButton(Canvas& c, std::string_view caption, Emblem emblem, bool emblem_left, bool highlighted) {
  double W = c.Width(), H = c.Height();
  c = Canvas(c.Width(), c.Height(), kNight);
  Sdf shape = [=](double x, double y) { return SdRoundRect(x, y, W / 2, H / 2, W / 2 - 1, H / 2 - 1, H / 2 - 3); };
  Rgb top = highlighted ? Rgb{0.20, 0.38, 0.70} : Rgb{0.13, 0.20, 0.40};
  Rgb bottom = highlighted ? Rgb{0.06, 0.14, 0.34} : Rgb{0.03, 0.06, 0.16};
  Rgb rim_top = highlighted ? Rgb{1.0, 0.92, 0.62} : Rgb{0.78, 0.84, 0.96};
  Rgb rim_bottom = highlighted ? Rgb{0.72, 0.50, 0.18} : Rgb{0.30, 0.36, 0.52};
  Plaque(c, shape, top, bottom, rim_top, rim_bottom, highlighted ? 0.16 : 0.10);
  FaceStars(c, shape, emblem_left ? 11 : 12, 40, highlighted ? 0.6 : 0.4);
  if (highlighted) {
    // A soft inner glow, as if the plaque were lit from behind.
    c.Map([&](int x, int y, Rgb p) {
      double d = shape(x + 0.5, y + 0.5);
      if (d > 0) return p;
      double g = std::exp(-std::pow((d + 6.0) / 6.0, 2.0)) * 0.25;
      return p + Rgb{0.45, 0.65, 1.0} * g;
    });
  }
  double ex = emblem_left ? H / 2 : W - H / 2, ey = H / 2;
  double mr = H / 2 - 6;
  c.Fill([&](double x, double y) { return SdCircle(x, y, ex, ey, mr); },
         [&](double x, double y) {
           double t = Clamp01(std::hypot(x - ex + 5, y - ey + 6) / (mr * 1.6));
           return Mix(highlighted ? Rgb{0.16, 0.28, 0.52} : Rgb{0.10, 0.14, 0.28}, Rgb{0.01, 0.02, 0.06}, t);
         });
  c.Fill([&](double x, double y) { return std::fabs(SdCircle(x, y, ex, ey, mr)) - 1.0; },
         [&](double, double y) { return Mix(rim_top, rim_bottom, y / H); });
  Rgb ink = highlighted ? Rgb{1.0, 0.93, 0.68} : Rgb{0.82, 0.88, 1.0};
  c.Fill([&](double x, double y) { return EmblemSdf(emblem, x, y, ex, ey); }, ink);
  double left = emblem_left ? H - 2 : 8, right = emblem_left ? W - 8 : W - H + 2;
  int font = FittingFont(caption, static_cast<int>(right - left), {kFontTnr14Bold, kFontTnr11Bold, kFontTnr11});
  Caption(c, caption, font, (left + right) / 2, H / 2, highlighted ? Rgb{1, 1, 1} : Rgb{0.86, 0.90, 1.0}, {0, 0, 0.05},
          highlighted, {1.0, 0.85, 0.45});
  c.CutTo(shape);
}

void PaintWindowsButton(Canvas& c, bool highlighted) {
  double W = c.Width(), H = c.Height();
  c = Canvas(c.Width(), c.Height(), kNight);
  Sdf shape = [=](double x, double y) { return SdRoundRect(x, y, W / 2, H / 2, W / 2 - 1, H / 2 - 1, H / 2 - 2); };
  Plaque(c, shape, highlighted ? Rgb{0.20, 0.38, 0.70} : Rgb{0.12, 0.19, 0.38},
         highlighted ? Rgb{0.06, 0.14, 0.34} : Rgb{0.03, 0.06, 0.15},
         highlighted ? Rgb{1.0, 0.92, 0.62} : Rgb{0.70, 0.78, 0.92},
         highlighted ? Rgb{0.72, 0.50, 0.18} : Rgb{0.28, 0.34, 0.50}, 0.1);
  Rgb ink = highlighted ? Rgb{1.0, 0.93, 0.68} : Rgb{0.82, 0.88, 1.0};
  c.Fill([&](double x, double y) { return EmblemSdf(Emblem::Windows, x, y, 20, H / 2); }, ink);
  Caption(c, "Otvorené okná"_cp, kFontTnr11Bold, (34 + W - 10) / 2, H / 2, highlighted ? Rgb{1, 1, 1} : ink,
          {0, 0, 0.05}, highlighted, {1.0, 0.85, 0.45});
  c.CutTo(shape);
}

void PaintDialogButton(Canvas& c, std::string_view caption, Glyph glyph, bool highlighted) {
  double W = c.Width(), H = c.Height();
  c = Canvas(c.Width(), c.Height(), kDialogFace);
  Sdf shadow = [=](double x, double y) { return SdRoundRect(x, y, W / 2 + 0.5, H / 2 + 0.8, W / 2 - 1, H / 2 - 1, 5); };
  c.Fill(shadow, Rgb{0.45, 0.43, 0.38}, 0.5);
  Sdf shape = [=](double x, double y) { return SdRoundRect(x, y, W / 2, H / 2, W / 2 - 1, H / 2 - 1, 5); };
  Plaque(c, shape, highlighted ? Rgb{0.28, 0.50, 0.85} : Rgb{0.20, 0.30, 0.55},
         highlighted ? Rgb{0.10, 0.24, 0.55} : Rgb{0.06, 0.11, 0.26},
         highlighted ? Rgb{1.0, 0.92, 0.62} : Rgb{0.62, 0.70, 0.86},
         highlighted ? Rgb{0.72, 0.50, 0.18} : Rgb{0.12, 0.16, 0.28}, 0.14);
  Rgb ink = highlighted ? Rgb{1, 1, 1} : Rgb{0.88, 0.92, 1.0};
  double text_left = 6;
  if (glyph != Glyph::None) {
    double gx = 16, gy = H / 2;
    Sdf g;
    switch (glyph) {
      case Glyph::View:
        g = [=](double x, double y) {
          double eye = std::fabs(std::max(SdCircle(x, y, gx, gy + 6, 9), SdCircle(x, y, gx, gy - 6, 9))) - 0.9;
          return std::min(eye, SdCircle(x, y, gx, gy, 2.3));
        };
        break;
      case Glyph::Edit:
        g = [=](double x, double y) {
          double body = SdSegment(x, y, gx - 4, gy + 4, gx + 5, gy - 5, 1.8);
          double tip = SdSegment(x, y, gx - 6, gy + 6, gx - 4.5, gy + 4.5, 0.9);
          return std::min(body, tip);
        };
        break;
      case Glyph::Delete:
        g = [=](double x, double y) {
          return std::min(SdSegment(x, y, gx - 5, gy - 5, gx + 5, gy + 5, 1.4),
                          SdSegment(x, y, gx - 5, gy + 5, gx + 5, gy - 5, 1.4));
        };
        break;
      case Glyph::None:
        break;
    }
    c.Fill(g, highlighted ? Rgb{1.0, 0.9, 0.6} : Rgb{0.75, 0.82, 0.98});
    text_left = 26;
  }
  Caption(c, caption, kFontTnr11Bold, (text_left + W - 6) / 2, H / 2, ink, {0, 0, 0.08}, highlighted,
          {1.0, 0.85, 0.45});
}

void PaintMenuItem(Canvas& c, bool highlighted) {
  double W = c.Width(), H = c.Height();
  Rgb top = highlighted ? Rgb{0.82, 0.90, 1.0} : Rgb{0.95, 0.95, 0.97};
  Rgb bottom = highlighted ? Rgb{0.66, 0.80, 0.98} : Rgb{0.84, 0.86, 0.92};
  c.Map([&](int, int y, Rgb) { return Mix(top, bottom, (y + 0.5) / H); });
  // Hairlines: a light top edge, a darker bottom edge, separating stacked items.
  for (int x = 0; x < W; ++x) {
    c.Blend(x, 0, {1, 1, 1}, 0.9);
    c.Blend(x, static_cast<int>(H) - 1, {0.45, 0.50, 0.62}, 0.9);
  }
  for (int y = 0; y < H; ++y) {
    c.Blend(0, y, {0.55, 0.6, 0.72}, 0.8);
    c.Blend(static_cast<int>(W) - 1, y, {0.45, 0.50, 0.62}, 0.8);
  }
  if (highlighted) {
    // An accent bar on the left edge and a small star at the right end.
    for (int y = 2; y < H - 2; ++y)
      for (int x = 1; x < 4; ++x) c.Blend(x, y, {0.95, 0.70, 0.20}, 1.0);
    Canvas star(c.Width(), c.Height());
    Star(star, W - 14, H / 2, 1.6, {1.0, 0.8, 0.3}, true);
    c.Map([&](int x, int y, Rgb p) {
      Rgb s = star.At(x, y);
      double a = Clamp01(std::max({s.r, s.g, s.b}));
      return Mix(p, Rgb{0.95, 0.62, 0.10}, a);
    });
  }
}

void PaintStatusBarTexture(Canvas& c) {
  double H = c.Height();
  c.Map([&](int, int y, Rgb) {
    double t = (y + 0.5) / H;
    Rgb col = Mix(Rgb{0.10, 0.14, 0.27}, Rgb{0.02, 0.03, 0.08}, t);
    if (y == 0) col = Rgb{0.45, 0.55, 0.75};
    if (y == 1) col = Rgb{0.16, 0.22, 0.38};
    return col;
  });
}

void PaintStatusBarEnd(Canvas& c, bool left) {
  double W = c.Width(), H = c.Height();
  c = Canvas(c.Width(), c.Height(), kNight);
  // Flat against the screen edge, rounded towards the middle of the bar.
  Sdf shape = [=](double x, double y) {
    double body = SdRoundRect(x, y, left ? W / 2 - 10 : W / 2 + 10, H / 2, W / 2 + 10 - 1, H / 2 - 0.5, H / 2 - 1);
    return std::max(body, left ? -x : x - W);
  };
  Plaque(c, shape, Rgb{0.18, 0.28, 0.52}, Rgb{0.05, 0.09, 0.22}, Rgb{0.62, 0.72, 0.90}, Rgb{0.25, 0.32, 0.50}, 0.08);
  c.CutTo(shape);
}

void PaintIcon(Canvas& c) {
  double W = c.Width(), H = c.Height();
  // Drawn for 16 pixels; larger copies (the desktop's icons) scale every measure.
  double s = W / 16;
  c.Map([&](int x, int y, Rgb) {
    double t = std::hypot(x + 0.5 - W * 0.4, y + 0.5 - H * 0.35) / W;
    return Mix(Rgb{0.10, 0.16, 0.38}, Rgb{0.01, 0.02, 0.08}, Clamp01(t * 1.4));
  });
  // A tiny ringed nebula with its central star.
  c.Fill([&](double x, double y) { return std::fabs(SdEllipse(x, y, W / 2, H / 2, 5.2 * s, 4.2 * s)) - 1.3 * s; },
         Rgb{0.35, 0.90, 0.85}, 0.95);
  c.Fill([&](double x, double y) { return std::fabs(SdEllipse(x, y, W / 2, H / 2, 6.8 * s, 5.8 * s)) - 0.6 * s; },
         Rgb{1.0, 0.35, 0.40}, 0.8);
  c.Fill([&](double x, double y) { return SdCircle(x, y, W / 2, H / 2, 1.0 * s); }, Rgb{1, 1, 1});
  c.Fill([&](double x, double y) { return std::fabs(SdRoundRect(x, y, W / 2, H / 2, W / 2, H / 2, 2 * s)) - 0.5 * s; },
         Rgb{0.55, 0.65, 0.85}, 0.9);
}

namespace {

void Medallion(Canvas& c, Rgb light, Rgb dark, const Sdf& glyph) {
  double W = c.Width(), H = c.Height();
  c = Canvas(c.Width(), c.Height(), kDialogFace * 0.7);
  double r = W / 2 - 1.5;
  Sdf disc = [=](double x, double y) { return SdCircle(x, y, W / 2, H / 2, r); };
  c.Fill([=](double x, double y) { return SdCircle(x, y, W / 2 + 1, H / 2 + 1.5, r); }, Rgb{0.3, 0.3, 0.3}, 0.6);
  c.Fill(disc, [=](double x, double y) {
    double t = Clamp01(std::hypot(x - W * 0.38, y - H * 0.3) / (r * 1.7));
    return Mix(light, dark, t);
  });
  c.Fill([=](double x,
             double y) { return std::max(SdEllipse(x, y, W / 2, H * 0.33, r * 0.72, r * 0.42), disc(x, y) + 2); },
         Rgb{1, 1, 1}, 0.25);
  c.Fill([=](double x, double y) { return std::fabs(disc(x, y) + 0.8) - 0.8; }, dark * 0.6);
  c.Fill(glyph, Rgb{1, 1, 1});
  c.CutTo([=](double x, double y) { return SdCircle(x, y, W / 2 + 0.5, H / 2 + 0.75, r + 1.0); });
}

}  // namespace

void PaintQuestionMark(Canvas& c) {
  double W = c.Width(), H = c.Height();
  Medallion(c, {0.40, 0.65, 1.0}, {0.05, 0.18, 0.50},
            [=](double x, double y) { return QuestionSdf(x, y, W / 2, H / 2 - 1, 2.0); });
}

void PaintExclamationMark(Canvas& c) {
  double W = c.Width(), H = c.Height();
  Medallion(c, {1.0, 0.62, 0.35}, {0.62, 0.10, 0.05}, [=](double x, double y) {
    double bar = SdSegment(x, y, W / 2, H / 2 - 13, W / 2, H / 2 + 4, 3.4);
    double taper = SdSegment(x, y, W / 2, H / 2 - 13, W / 2, H / 2 + 4, 3.4 - (y - (H / 2 - 13)) * 0.08);
    double dot = SdCircle(x, y, W / 2, H / 2 + 12, 3.6);
    return std::min(std::max(bar, taper), dot);
  });
}

void PaintScreenPicture(Canvas& c) {
  double W = c.Width(), H = c.Height();
  Rng rng(1024768);
  // The sky: darker at the zenith, a little brighter towards the horizon.
  c.Map([&](int x, int y, Rgb) {
    double t = (y + 0.5) / H;
    Rgb sky = Mix(Rgb{0.004, 0.008, 0.03}, Rgb{0.02, 0.035, 0.08}, t * t);
    return sky + Rgb{0.01, 0.012, 0.025} * Fbm(x * 0.004, y * 0.004, 7, 4);
  });
  // The Milky Way: a diagonal band of unresolved stars with dust lanes.
  double ax = -100, ay = H * 0.95, bx = W + 100, by = -H * 0.25;
  double len = std::hypot(bx - ax, by - ay);
  auto band_at = [&](double x, double y) {
    double d = ((x - ax) * (by - ay) - (y - ay) * (bx - ax)) / len;
    d += 40.0 * Fbm(x * 0.003, y * 0.003, 21, 3);
    return std::exp(-std::pow(d / 150.0, 2.0));
  };
  c.Map([&](int x, int y, Rgb p) {
    double b = band_at(x, y);
    double n = Fbm(x * 0.006, y * 0.006, 22, 6);
    double glow = b * Clamp01(0.45 + 0.7 * n);
    return p + Mix(Rgb{0.10, 0.11, 0.15}, Rgb{0.20, 0.17, 0.14}, b) * glow;
  });
  // Unresolved stars crowd the band; clumped by noise like real star clouds.
  for (int i = 0; i < 90000; ++i) {
    double x = rng.Uniform(0, W), y = rng.Uniform(0, H);
    double clump = Clamp01(0.5 + 0.8 * Fbm(x * 0.01, y * 0.01, 24, 4));
    if (rng.Uniform() > band_at(x, y) * clump) continue;
    double f = rng.Uniform();
    Star(c, x, y, 0.04 + 0.16 * f * f, StarTint(rng), false);
  }
  // A faint nebula in the middle of the sky, between the two arcs.
  AddCloud(c, {{W * 0.54, H * 0.36, 230, 150, -0.5}, kHalpha * 0.22, 31, 2.4, 0.6, 1.1, 1.2, 1.3});
  AddCloud(c, {{W * 0.52, H * 0.33, 130, 95, 0.3}, kOxygen * 0.12, 32, 2.8, 0.5, 1.0, 1.2, 1.6});
  AddDust(c, {{W * 0.5, H * 0.45, W * 0.5, 160, -0.45}, 23, 1.3, 2.2, 0.15, true, 0.7});
  StarField(c, rng, 2.2, 0.65, true);
  c.ToneMap(1.1);

  // Two engraved circles carry the arc buttons; their ticks read like a star chart.
  const double kCentres[2][2] = {{317.0, 262.0}, {717.0, 262.0}};
  for (const auto& ctr : kCentres) {
    double cx = ctr[0], cy = ctr[1];
    c.Fill([&](double x, double y) { return std::fabs(SdCircle(x, y, cx, cy, 220)) - 0.6; }, Rgb{0.45, 0.58, 0.85},
           0.35);
    c.Fill([&](double x, double y) { return std::fabs(SdCircle(x, y, cx, cy, 246)) - 0.45; }, Rgb{0.45, 0.58, 0.85},
           0.22);
    for (int k = 0; k < 72; ++k) {
      double a = k * kPi / 36.0, inner = k % 6 == 0 ? 236 : 241;
      double x0 = cx + std::cos(a) * inner, y0 = cy + std::sin(a) * inner;
      double x1 = cx + std::cos(a) * 246, y1 = cy + std::sin(a) * 246;
      c.Fill([&](double x, double y) { return SdSegment(x, y, x0, y0, x1, y1, 0.45); }, Rgb{0.45, 0.58, 0.85}, 0.3);
    }
  }

  // The title in the lens between the circles.
  TextMask title = ScaleMask(RenderText(kFontTnr14Bold, "Corvala"), 3);
  int tw = title.width - 2 * title.pad, th = title.height - 2 * title.pad;
  int tx = static_cast<int>(517 - tw / 2), ty = static_cast<int>(238 - th / 2);
  DrawHalo(c, title, tx, ty, 8, 0, 0, Rgb{0.35, 0.55, 1.0}, 0.35);
  DrawMask(c, title, tx + 2, ty + 2, Rgb{0, 0, 0.02}, 0.7);
  for (int y = 0; y < title.height; ++y)
    for (int x = 0; x < title.width; ++x) {
      double a = title.ink[static_cast<size_t>(y) * title.width + x];
      if (a <= 0) continue;
      double t = static_cast<double>(y) / title.height;
      c.Blend(tx - title.pad + x, ty - title.pad + y, Mix(Rgb{1.0, 1.0, 1.0}, Rgb{0.62, 0.72, 0.95}, t), a);
    }
  TextMask sub = RenderText(kFontTnr11, "katalóg hmlovín a nočná obloha"_cp);
  int sw = sub.width - 2 * sub.pad;
  DrawMask(c, sub, 517 - sw / 2, ty + th + 10, Rgb{0.70, 0.78, 0.95}, 0.9);
  for (int x = 517 - sw / 2 - 30; x < 517 + sw / 2 + 30; ++x) {
    double f = 1.0 - std::fabs(x - 517.0) / (sw / 2 + 30);
    c.Blend(x, ty + th + 4, Rgb{0.6, 0.7, 0.95}, 0.5 * f);
  }

  // The horizon: dark hills with a small observatory dome against the sky glow.
  auto hill = [&](double x) {
    return H - 70 + 22 * std::sin(x * 0.004 + 0.8) + 10 * std::sin(x * 0.011 + 2.0) + 4 * Fbm(x * 0.02, 0.3, 41, 3);
  };
  c.Map([&](int x, int y, Rgb p) {
    double glow = std::exp(-std::max(0.0, hill(x) - y) / 90.0);
    return p + Rgb{0.04, 0.07, 0.10} * glow;
  });
  double domeX = 870, domeBase = hill(870) - 6;
  Sdf ground = [&](double x, double y) {
    double land = hill(x) - y;
    double building = SdRoundRect(x, y, domeX, domeBase + 6, 20, 14, 1);
    double dome = std::max(SdCircle(x, y, domeX, domeBase - 8, 20), y - (domeBase - 8));
    double slit = SdRoundRect(x, y, domeX + 4, domeBase - 18, 2.5, 12, 1);
    return std::min({land, building, std::max(dome, -slit)});
  };
  c.Fill(ground, [&](double, double y) {
    return Mix(Rgb{0.015, 0.02, 0.04}, Rgb{0.005, 0.008, 0.015}, Clamp01((y - 650) / 120));
  });
  c.Fill([&](double x, double y) { return SdCircle(x, y, domeX + 4, domeBase - 24, 1.2); }, Rgb{1.0, 0.85, 0.55}, 0.8);
}

}  // namespace art
