// The ABOUT window's pictures and the program icon.
#include <cmath>
#include <string>

#include "artwork.h"
#include "png.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

const COLORREF kRainbow[] = {Shade(kRed, 5),   Shade(kOrange, 5), Shade(kYellow, 6),
                             Shade(kGreen, 4), Shade(kBlue, 0),   Shade(kViolet, 5)};

void Cloud(Painter& p, double x, double y, double s) {
  p.Style(Shade(kSky, 3), kWhite, 2);
  p.Ellipse(x, y + 8 * s, x + 30 * s, y + 24 * s);
  p.Ellipse(x + 18 * s, y + 8 * s, x + 52 * s, y + 26 * s);
  p.Ellipse(x + 10 * s, y, x + 34 * s, y + 18 * s);
  p.NoPen().Ellipse(x + 4 * s, y + 10 * s, x + 48 * s, y + 23 * s);
}

void Flower(Painter& p, double x, double y, COLORREF petals) {
  p.Pen(Shade(kGreen, 7), 2).Line(x, y, x, y + 10);
  p.Style(kBlack, petals, 1);
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * i / 5;
    p.Circle(x + 4 * std::cos(a), y + 4 * std::sin(a), 3);
  }
  p.Style(kBlack, Shade(kYellow, 6), 1).Circle(x, y, 2.5);
}

// The program's name in big letters, each in its own colour, with a bold outline and a shadow.
void Title(Painter& p, double cx, double top, double height) {
  const std::string name = "Pindoodle";
  const COLORREF letters[] = {Shade(kRed, 5),    Shade(kOrange, 5),  Shade(kYellow, 7),
                              Shade(kGreen, 4),  Shade(kSky, 5),     Shade(kBlue, 0),
                              Shade(kViolet, 5), Shade(kMagenta, 5), Shade(kPink, 5)};
  double width = 0;
  std::vector<double> advance;
  for (char ch : name) {
    advance.push_back(p.TextWidth(std::string(1, ch), height) + 1);
    width += advance.back();
  }
  double x = cx - width / 2;
  const unsigned left = gdi::TA_LEFT | gdi::TA_TOP;
  for (std::size_t i = 0; i < name.size(); ++i) {
    // Every other letter sits a little higher: the name bounces.
    const double y = top + (i % 2 ? -3 : 3);
    p.OutlinedText(x + 4, y + 4, std::string(1, name[i]), height, Shade(kViolet, 9), Shade(kViolet, 9), 3,
                   left);
    p.OutlinedText(x, y, std::string(1, name[i]), height, letters[i], kBlack, 3, left);
    x += advance[i];
  }
}

void About(const fs::path& dir) {
  Canvas c(484, 150, Shade(kSky, 0));
  Painter p(c);
  // A rainbow behind everything. Each band is drawn wider than its spacing and overlapped by the
  // next, so no sky shows between the bands.
  for (int i = 0; i < 6; ++i) {
    const double r = 212 - 9 * i;
    p.Pen(kRainbow[i], 12).NoBrush().Arc(242 - r, 205 - r, 242 + r, 205 + r, 0, 180);
  }
  // The sun, smiling, with its rays.
  p.Pen(Shade(kOrange, 5), 4);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    p.Line(44 + 30 * std::cos(a), 42 + 30 * std::sin(a), 44 + 40 * std::cos(a), 42 + 40 * std::sin(a));
  }
  DrawSmiley(p, {44, 42}, 25, Shade(kYellow, 5), {3, kBlack});
  Cloud(p, 370, 12, 1.3);
  Cloud(p, 150, 6, 0.8);
  // Hills with flowers.
  p.Style(kBlack, Shade(kGreen, 3), 3).Ellipse(-80, 118, 280, 300);
  p.Style(kBlack, Shade(kLime, 5), 3).Ellipse(200, 124, 580, 320);
  Flower(p, 30, 130, Shade(kPink, 4));
  Flower(p, 75, 138, Shade(kViolet, 3));
  Flower(p, 440, 136, Shade(kRed, 4));
  DrawStar(p, {455, 70}, 10, 4, Shade(kYellow, 5), {2, kBlack});
  DrawStar(p, {115, 20}, 7, 3, Shade(kYellow, 5), {2, kBlack});
  Title(p, 245, 30, 66);
  // A pencil finishing a rainbow squiggle under the name.
  const auto wave = WavePoints(110, 380, 126, 5, 3.0, 1);
  for (int k = 0; k < 3; ++k) {
    std::vector<Pt> line;
    for (const Pt& q : wave) line.push_back({q.x, q.y - 4 + 4 * k});
    p.Pen(kRainbow[k * 2], 4).Lines(line);
  }
  DrawPencil(p, {wave.back(), 35}, 80, 17, Shade(kYellow, 7), {2, kBlack});
  c.Save(dir / "about.kvr");
}

void AboutButton(const fs::path& dir) {
  Canvas c(120, 40, kBlack);
  Painter p(c);
  p.Style(kBlack, Shade(kGreen, 4), 2).Round(1, 1, 119, 39, 18);
  p.Pen(Shade(kGreen, 1), 2).NoBrush().Arc(5, 4, 115, 50, 100, 165);
  DrawSmiley(p, {22, 20}, 13, Shade(kYellow, 5));
  p.OutlinedText(72, 8, "OK!", 22, kWhite, kBlack, 2);
  c.Save(dir / "aboutbtn.kvr");
}

// The icon in a 64 x 64 design square: a big "P" with a pencil doodling beside it, on a sky
// backdrop unless the corners are to stay clear.
void Icon(Painter& p, bool backdrop = true) {
  if (backdrop) p.NoPen().Brush(Shade(kSky, 1)).Rect(0, 0, 64, 64);
  p.Style(kBlack, kWhite, 3).Round(3, 3, 61, 61, 18);
  for (int i = 0; i < 3; ++i) {
    const double r = 17 - 3 * i;
    p.Pen(kRainbow[2 * i], 3.5).NoBrush().Arc(44 - r, 30 - r, 44 + r, 30 + r, 0, 100);
  }
  p.OutlinedText(23, 8, "P", 42, Shade(kRed, 5), kBlack, 3);
  p.Pen(Shade(kBlue, 0), 3).NoBrush().Lines(WavePoints(10, 34, 53, 3, 1.5, 1));
  DrawPencil(p, {{34, 53}, 50}, 31, 12, Shade(kYellow, 7), {1.2, kBlack});
}

}  // namespace

void DrawAboutPictures(const fs::path& dir) {
  About(dir);
  AboutButton(dir);
}

void DrawDesktopIcons(const fs::path& dir) {
  // Drawn once at 1024 pixels on a key colour the icon does not use, then each size averaged
  // down from it: the small sizes get smooth edges, and the corners outside the tile are clear.
  constexpr int kBig = 1024;
  const COLORREF key = gdi::RGB(255, 0, 255);
  Canvas big(kBig, kBig, key);
  {
    Painter p(big, 0, 0, kBig / 64.0);
    Icon(p, false);
  }
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const int k = kBig / size;
    std::vector<std::uint32_t> rgba(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        unsigned r = 0, g = 0, b = 0, n = 0;
        for (int yy = y * k; yy < (y + 1) * k; ++yy)
          for (int xx = x * k; xx < (x + 1) * k; ++xx) {
            const COLORREF c = big.Pixel(xx, yy);
            if (c == key) continue;
            r += gdi::GetRValue(c);
            g += gdi::GetGValue(c);
            b += gdi::GetBValue(c);
            ++n;
          }
        const unsigned alpha = n * 255 / (k * k);
        rgba[static_cast<std::size_t>(y) * size + x] =
            n == 0 ? 0 : (alpha << 24) | ((r / n) << 16) | ((g / n) << 8) | (b / n);
      }
    const fs::path folder = dir / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    SavePng(folder / "pindoodle.png", size, size, rgba);
  }
}

void DrawProgramIcon(const fs::path& dir) {
  for (const auto& [size, name] : {std::pair{64, "icon.kvr"}, std::pair{256, "icon256.kvr"}}) {
    Canvas c(size, size, kWhite);
    {
      Painter p(c, 0, 0, size / 64.0);
      Icon(p);
    }
    c.Save(dir / name);
  }
}

}  // namespace art
