// The pictures of the "Music and Sound Control" window: the 320 x 200 background "jukebox.kvr",
// the 32 x 32 switch pictures "sndon.kvr", "sndoff.kvr", "muson.kvr" and "musoff.kvr", and the
// 40 x 40 close picture "jukeok.kvr".
//
// The window lays its pictures over the background at fixed places: the sound switch at
// (255, 20), the music switch at (254, 81) and the close picture at (231, 131); it writes the
// labels "Sounds" at (185, 26) and "Music" at (189, 87) in aqua straight onto the background.
// So the right part of the background is a dark panel with room for the labels, a mount under
// each picture, and the jukebox itself stands on the left.
#include <utility>
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

const COLORREF kNight = Shade(kViolet, 9);
const COLORREF kPanel = Shade(kBlue, 9);

// An eighth note with its head centred on (x, y).
void Note(Painter& p, double x, double y, double s, COLORREF colour) {
  p.Pen(kBlack, 3 * s).Line(x + 3 * s, y, x + 3 * s, y - 14 * s);
  p.Pen(colour, 1.5 * s).Line(x + 3 * s, y, x + 3 * s, y - 14 * s);
  p.Pen(colour, 2 * s).Arc(x + 3 * s, y - 20 * s, x + 11 * s, y - 8 * s, 180, 300);
  p.Style(kBlack, colour, 1).Ellipse(x - 4 * s, y - 3 * s, x + 4 * s, y + 3 * s);
}

void Jukebox(Painter& p) {
  const double l = 16, r = 166, cx = (l + r) / 2;
  // The cabinet: an arch on a box, banded with the colours of the rainbow.
  const COLORREF bands[] = {Shade(kRed, 5), Shade(kOrange, 4), Shade(kYellow, 6), Shade(kGreen, 4),
                            Shade(kSky, 4)};
  p.Style(kBlack, Shade(kBrown, 5), 3).Ellipse(l, 8, r, 128);
  p.Style(kBlack, Shade(kBrown, 5), 3).Rect(l, 68, r + 1, 190);
  p.NoPen().Brush(Shade(kBrown, 5)).Rect(l + 2, 60, r - 1, 80);
  for (int i = 0; i < 5; ++i) {
    const double in = 8 + 5 * i;
    p.NoPen().Brush(bands[i]).Ellipse(l + in, 8 + in, r - in, 128 - in);
    p.Rect(l + in, 68, r - in, 118);
  }
  // The window with the record turning behind it.
  p.Style(kBlack, Shade(kViolet, 8), 2).Ellipse(l + 34, 42, r - 34, 122);
  p.Rect(l + 34, 82, r - 34, 118);
  p.NoPen().Brush(Shade(kViolet, 8)).Rect(l + 35, 80, r - 35, 90);
  p.Style(Shade(kGrey, 7), kBlack, 1).Ellipse(cx - 34, 84, cx + 34, 112);
  p.Pen(Shade(kGrey, 7), 1).NoBrush().Ellipse(cx - 26, 88, cx + 26, 108);
  p.Ellipse(cx - 18, 91, cx + 18, 105);
  p.Style(kBlack, Shade(kRed, 5), 1).Ellipse(cx - 9, 94, cx + 9, 102);
  p.Pen(Shade(kGrey, 3), 3).Line(cx + 30, 62, cx + 14, 96);
  p.Style(kBlack, Shade(kGrey, 4), 1).Circle(cx + 30, 62, 5);
  DrawStar(p, {cx - 24, 64}, 7, 3, Shade(kYellow, 5), {1, kBlack});
  // The song buttons.
  p.Style(kBlack, Shade(kGrey, 2), 2).Round(l + 14, 126, r - 14, 146, 8);
  const COLORREF buttons[] = {Shade(kRed, 5), Shade(kYellow, 6),  Shade(kGreen, 4),
                              Shade(kSky, 4), Shade(kMagenta, 4), Shade(kOrange, 4)};
  for (int i = 0; i < 6; ++i) p.Style(kBlack, buttons[i], 1).Circle(l + 34 + 17 * i, 136, 5);
  // The loudspeaker grille.
  p.Style(kBlack, Shade(kBrown, 8), 2).Round(l + 14, 152, r - 14, 184, 10);
  p.Pen(Shade(kOrange, 3), 3);
  for (int i = 0; i < 9; ++i) p.Line(l + 30 + 12 * i, 157, l + 30 + 12 * i, 180);
  p.Style(kBlack, Shade(kGrey, 6), 2).Rect(l + 4, 188, l + 22, 196);
  p.Rect(r - 22, 188, r - 4, 196);
}

void Background(const fs::path& dir) {
  Canvas c(320, 200, kNight);
  Painter p(c);
  for (int i = 0; i < 40; ++i) {
    const double x = 320 * Jitter(i, 90), y = 200 * Jitter(i, 91);
    p.Blob(x, y, i % 5 ? 1 : 2, i % 3 ? Shade(kViolet, 3) : kWhite);
  }
  // The panel the labels and switches sit on.
  p.Style(Shade(kCyan, 2), kPanel, 3).Round(176, 8, 312, 192, 24);
  // A narrow mount round each switch and the close button, clear of the labels on their left.
  p.Style(Shade(kCyan, 4), Shade(kBlue, 6), 2).Round(252, 17, 291, 56, 10);
  p.Round(251, 78, 290, 117, 10);
  p.Round(227, 127, 276, 176, 12);
  Jukebox(p);
  Note(p, 180, 160, 1.1, Shade(kYellow, 6));
  Note(p, 290, 172, 0.9, Shade(kPink, 3));
  Note(p, 196, 182, 0.8, Shade(kLime, 3));
  Note(p, 8 + 7, 36, 0.7, Shade(kCyan, 2));
  c.Save(dir / "jukebox.kvr");
}

// A switch picture: a rounded button, green with its sign when on, red with the sign crossed
// out when off.
void Switch(const fs::path& file, bool on, bool music) {
  Canvas c(32, 32, Shade(kBlue, 6));
  Painter p(c);
  p.Style(kBlack, on ? Shade(kGreen, 5) : Shade(kRed, 6), 2).Round(1, 1, 31, 31, 10);
  p.Pen(on ? Shade(kGreen, 1) : Shade(kRed, 1), 2).NoBrush().Arc(4, 4, 28, 30, 100, 165);
  if (music) {
    p.Pen(kBlack, 4).Line(12, 22, 12, 8);
    p.Line(23, 20, 23, 6);
    p.Line(12, 8, 23, 6);
    p.Pen(kWhite, 2).Line(12, 22, 12, 8);
    p.Line(23, 20, 23, 6);
    p.Line(12, 8, 23, 6);
    p.Style(kBlack, kWhite, 1).Ellipse(5, 19, 13, 25);
    p.Ellipse(16, 17, 24, 23);
  } else {
    p.Style(kBlack, kWhite, 1).Rect(4, 12, 10, 20);
    p.Poly({{10, 12}, {16, 6}, {16, 26}, {10, 20}});
    if (on) {
      for (const auto& [colour, width] : {std::pair{kBlack, 4.0}, std::pair{kWhite, 2.0}}) {
        p.Pen(colour, width).NoBrush();
        p.Arc(12, 11, 22, 21, -55, 55);
        p.Arc(10, 5, 30, 27, -50, 50);
      }
    }
  }
  if (!on) {
    p.Pen(kBlack, 5).Line(6, 26, 26, 6);
    p.Pen(kWhite, 3).Line(6, 26, 26, 6);
  }
  c.Save(file);
}

}  // namespace

void DrawJukeboxPictures(const fs::path& dir) {
  Background(dir);
  Switch(dir / "sndon.kvr", true, false);
  Switch(dir / "sndoff.kvr", false, false);
  Switch(dir / "muson.kvr", true, true);
  Switch(dir / "musoff.kvr", false, true);
  TickButton(dir / "jukeok.kvr", Shade(kBlue, 6), kBlack, Shade(kGreen, 1));  // the close button
}

}  // namespace art
