// The stamps and the clip art, and the pictures of their choosers:
//  * "icons/icon20.kvr" .. "icons/icon199.kvr": the 180 icon stamps, 32 x 64 sheets (AND mask
//    above, image below), and "stampwin.kvr", the 1920 x 96 picture of the icon-stamp chooser
//    that shows them 60 across and 3 down, ICON_(20 + column + 60 row);
//  * "stamps/NAME.bmp": one 64 x 64 square stamp per subject on the transparent colour
//    RGB 166, 202, 240;
//  * "art/hm1.bmp" .. "art/hm8.bmp" (wide: image above its mask, 200 x 100 each) and
//    "art/vm1.bmp" .. "art/vm8.bmp" (tall: image left of its mask, 100 x 200 each): pairs of
//    subjects, the image black outside the figures and the mask white there;
//  * "art/NAME.wmf": clip-art metafiles;
//  * "a22.kvr", the square-stamp sheet template, and the choosers' buttons.
#include <string>
#include <utility>
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "subjects.h"

namespace art {

namespace {

constexpr COLORREF kStampClear = gdi::RGB(166, 202, 240);
// Marks what a figure leaves uncovered; never drawn by a subject.
constexpr COLORREF kClear = gdi::RGB(0x5A, 0x0B, 0x3C);

void DrawSubject(Canvas& c, const Subject& s, int tint, double ox, double oy, double scale) {
  RasterSketch sketch(c, ox, oy, scale);
  s.draw(sketch, tint);
}

// Icon stamp k (0..179): every subject in its own colours first, then in the other tints.
std::pair<const Subject*, int> IconSubject(int k) {
  const auto& all = Subjects();
  const int n = static_cast<int>(all.size());
  return {&all[static_cast<std::size_t>(k % n)], k / n};
}

void DrawIconStamps(const fs::path& dir) {
  fs::create_directories(dir / "icons");
  Canvas chooser(1920, 96, kWhite);
  for (int k = 0; k < 180; ++k) {
    const auto [subject, tint] = IconSubject(k);
    Canvas icon(32, 32, kClear);
    DrawSubject(icon, *subject, tint, 1, 1, 0.3);
    SaveMasked(icon, kClear, false, dir / "icons" / ("icon" + std::to_string(20 + k) + ".kvr"));
    // The chooser's cells alternate two light backgrounds so that each stamp shows its place.
    const int col = k % 60, row = k / 60;
    const COLORREF cell = (col + row) % 2 ? kWhite : Shade(kSky, 0);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const COLORREF p = icon.Pixel(x, y);
        chooser.SetPixel(col * 32 + x, row * 32 + y, p == kClear ? cell : p);
      }
  }
  chooser.Save(dir / "stampwin.kvr");
}

void DrawSquareStamps(const fs::path& dir) {
  fs::create_directories(dir / "stamps");
  for (const Subject& s : Subjects()) {
    Canvas c(64, 64, kStampClear);
    DrawSubject(c, s, 0, 2, 2, 0.6);
    c.Save(dir / "stamps" / (s.name + ".bmp"));
  }
}

// A large stamp: the figures drawn on the clear colour become the image (black outside them)
// and the mask (white outside them), at (0, 0) and at mask_at.
void SaveLargeStamp(const Canvas& art, int mask_x, int mask_y, const fs::path& file) {
  Canvas out(200, 200, kBlack);
  for (int y = 0; y < art.Height(); ++y)
    for (int x = 0; x < art.Width(); ++x) {
      const bool clear = art.Pixel(x, y) == kClear;
      out.SetPixel(x, y, clear ? kBlack : art.Pixel(x, y));
      out.SetPixel(mask_x + x, mask_y + y, clear ? kWhite : kBlack);
    }
  out.Save(file);
}

void DrawLargeStamps(const fs::path& dir) {
  fs::create_directories(dir / "art");
  const std::pair<const char*, const char*> wide[] = {
      {"cat", "dog"},        {"car", "bus"},     {"fish", "whale"},   {"duck", "frog"},
      {"apple", "cherries"}, {"sun", "rainbow"}, {"turtle", "snail"}, {"boy", "girl"}};
  const std::pair<const char*, const char*> tall[] = {
      {"sun", "house"},     {"bird", "tree"}, {"butterfly", "flower"}, {"moon", "rocket"},
      {"balloon", "bunny"}, {"kite", "girl"}, {"ladybug", "mushroom"}, {"icecream", "cake"}};
  for (int i = 0; i < 8; ++i) {
    Canvas w(200, 100, kClear);
    DrawSubject(w, SubjectNamed(wide[i].first), 0, 2, 4, 0.92);
    DrawSubject(w, SubjectNamed(wide[i].second), 0, 102, 4, 0.92);
    SaveLargeStamp(w, 0, 100, dir / "art" / ("hm" + std::to_string(i + 1) + ".bmp"));
    Canvas t(100, 200, kClear);
    DrawSubject(t, SubjectNamed(tall[i].first), 0, 4, 2, 0.92);
    DrawSubject(t, SubjectNamed(tall[i].second), 0, 4, 102, 0.92);
    SaveLargeStamp(t, 100, 0, dir / "art" / ("vm" + std::to_string(i + 1) + ".bmp"));
  }
}

// Each metafile covers its subject's box, 20 logical units to a design unit, at 800 units per
// inch: a subject 100 design units wide is 240 pixels wide at its natural size.
constexpr const char* kClipArt[] = {"cat",   "dog",    "fish",  "bird",     "butterfly", "ladybug",
                                    "owl",   "turtle", "bee",   "car",      "bus",       "sailboat",
                                    "plane", "rocket", "apple", "icecream", "carrot",    "flower",
                                    "tree",  "cactus", "girl",  "rainbow",  "whale",     "crab"};

void DrawClipArt(const fs::path& dir) {
  fs::create_directories(dir / "art");
  for (const char* name : kClipArt) {
    const Subject& s = SubjectNamed(name);
    constexpr double kUnits = 20;
    WmfWriter out(static_cast<int>((s.r - s.l) * kUnits), static_cast<int>((s.b - s.t) * kUnits), 800);
    {
      MetafileSketch sketch(out, s.l, s.t, kUnits);
      s.draw(sketch, 0);
    }
    out.Save(dir / "art" / (s.name + ".wmf"));
  }
}

void DrawChooserButtons(const fs::path& dir) {
  // The sheet template: its pixels are all overwritten when a stamp is prepared.
  Canvas(128, 64, kWhite).Save(dir / "a22.kvr");
  {
    // "More stamps": a yellow button with an arrow, on the chooser's black.
    Canvas c(150, 46, kBlack);
    Painter p(c);
    p.Style(kWhite, Shade(kYellow, 4), 2).Round(2, 2, 148, 44, 16);
    p.Text(62, 9, "MORE", 24, kBlack);
    p.Style(kBlack, Shade(kGreen, 5), 2).Poly({{112, 12}, {136, 23}, {112, 34}});
    c.Save(dir / "stmore.kvr");
  }
  const auto cross = [](int w, int h, const fs::path& file) {
    Canvas c(w, h, kBlack);
    Painter p(c);
    p.Style(kWhite, Shade(kRed, 5), 2).Round(1, 1, w - 1, h - 1, 10);
    p.Pen(kWhite, 5);
    p.Line(w * 0.3, h * 0.28, w * 0.7, h * 0.72);
    p.Line(w * 0.7, h * 0.28, w * 0.3, h * 0.72);
    c.Save(file);
  };
  cross(41, 36, dir / "stcancel.kvr");
  cross(40, 35, dir / "wmfno.kvr");
  Canvas yes(40, 40, kBlack);
  {
    Painter p(yes);
    p.Style(kWhite, Shade(kGreen, 5), 2).Round(1, 1, 39, 39, 10);
    p.Pen(kWhite, 5);
    p.Lines({{9, 21}, {17, 29}, {31, 11}});
  }
  yes.Save(dir / "wmfyes.kvr");
}

}  // namespace

void DrawStampsAndClipArt(const fs::path& dir) {
  DrawIconStamps(dir);
  DrawSquareStamps(dir);
  DrawLargeStamps(dir);
  DrawClipArt(dir);
  DrawChooserButtons(dir);
}

}  // namespace art
