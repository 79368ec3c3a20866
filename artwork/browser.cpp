// The thumbnail browser's background "a85.kvr" and the save query's "new picture" button.
#include <vector>

#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "props.h"

namespace art {

namespace {

// The browser window's outline (window pixels); the picture is drawn 3 pixels further in, as the
// window shows it from the picture's (3, 3).
const std::vector<Pt> kOutline = {
    {20, 73},   {37, 70},   {40, 76},   {40, 65},   {44, 65},   {47, 79},   {48, 79},   {48, 58},
    {57, 49},   {61, 50},   {97, 50},   {137, 42},  {158, 39},  {180, 34},  {196, 30},  {225, 29},
    {243, 31},  {258, 37},  {275, 45},  {292, 56},  {306, 66},  {309, 68},  {313, 66},  {327, 53},
    {343, 41},  {358, 34},  {376, 28},  {399, 25},  {412, 26},  {449, 30},  {471, 36},  {484, 40},
    {507, 44},  {535, 48},  {550, 47},  {551, 42},  {566, 43},  {570, 52},  {582, 52},  {582, 63},
    {597, 64},  {604, 403}, {590, 404}, {590, 419}, {586, 419}, {599, 404}, {343, 408}, {331, 414},
    {318, 416}, {306, 415}, {296, 413}, {292, 410}, {21, 411},  {22, 402},  {20, 73},
};

// An arrow pointing right (dir 1) or left (dir -1) in the box.
void Arrow(Painter& p, double l, double t, double r, double b, int dir) {
  const double mid = (t + b) / 2, head = dir > 0 ? r - (b - t) * 0.6 : l + (b - t) * 0.6;
  const double tip = dir > 0 ? r : l, tail = dir > 0 ? l : r;
  const double shaft = (b - t) * 0.22;
  p.Style(kBlack, Shade(kGreen, 3), 2)
      .Poly({{tail, mid - shaft},
             {head, mid - shaft},
             {head, t},
             {tip, mid},
             {head, b},
             {head, mid + shaft},
             {tail, mid + shaft}});
}

void Browser(const fs::path& dir) {
  Canvas c(626, 436, kBlack);
  Painter p(c, 3, 3);  // window coordinates
  p.Style(Shade(kViolet, 7), Shade(kSky, 1), 4).Poly(kOutline);
  // Stars scattered over the frame, away from the slots and the press areas.
  const Pt stars[] = {{300, 75}, {560, 100}, {560, 200}, {565, 300}, {45, 150},
                      {45, 250}, {50, 375},  {560, 380}, {310, 330}};
  for (const Pt& s : stars) DrawStar(p, s, 10, 4, Shade(kYellow, 5), {1.5, kBlack});
  // The four picture slots, each in a bold frame.
  const Pt slots[] = {{87, 60}, {87, 190}, {332, 60}, {332, 190}};
  for (const Pt& s : slots) {
    p.Style(kBlack, Shade(kViolet, 5), 1).Round(s.x - 7, s.y - 7, s.x + 207, s.y + 137, 10);
    p.NoPen().Brush(kWhite).Rect(s.x, s.y, s.x + 200, s.y + 130);
  }
  // Next and previous: arrows over their press areas, reaching down into the window.
  Arrow(p, 513, 40, 551, 64, 1);
  Arrow(p, 63, 46, 101, 70, -1);
  // Cancel: a red button with a white cross, below the second slot where its press area lies.
  p.Style(kBlack, Shade(kRed, 5), 2).Round(68, 322, 124, 344, 14);
  p.Pen(kWhite, 4).Line(88, 327, 104, 339);
  p.Line(88, 339, 104, 327);
  p.Text(96, 348, "cancel", 14, kBlack);
  p.OutlinedText(330, 350, "Pick a picture!", 34, Shade(kOrange, 4), kBlack, 2);
  c.Save(dir / "a85.kvr");
}

// A fresh sheet of paper with a bright star on it: "save as a brand new picture".
void NewPictureButton(const fs::path& dir) {
  Canvas c(75, 75, kBlack);
  Painter p(c);
  p.Style(kBlack, Shade(kSky, 4), 2).Round(1, 1, 74, 74, 14);
  p.Style(kBlack, kWhite, 2).Poly({{18, 10}, {48, 10}, {60, 22}, {60, 66}, {18, 66}});
  p.Style(kBlack, Shade(kGrey, 2), 1).Poly({{48, 10}, {48, 22}, {60, 22}});
  DrawStar(p, {39, 41}, 17, 7, Shade(kYellow, 5), {1.5, kBlack});
  p.OutlinedText(39, 55, "NEW", 13, Shade(kRed, 5), kWhite, 1);
  c.Save(dir / "savenew.kvr");
}

}  // namespace

void DrawBrowserPictures(const fs::path& dir) {
  Browser(dir);
  NewPictureButton(dir);
}

}  // namespace art
