#include "effects/sprites.h"

#include <cstdlib>

#include "core/assets.h"
#include "core/canvas.h"
#include "effects/pacing.h"
#include "media/sound.h"

namespace pd {

using namespace gdi;

namespace {

// Sheet rows: every frame's image at y 1, its mask at y 54.
constexpr int kImageRow = 1;
constexpr int kMaskRow = 54;

// A sprite sheet and the saved pixels under the sprite, with the canvas they go on.
class Sprite {
 public:
  Sprite(const HDC& canvas, const std::string& sheet_file, int w, int h)
      : canvas_(canvas), w_(w), h_(h), sheet_(LoadAssetBitmap(sheet_file)) {
    if (!sheet_) return;
    // The saved pixels get a bitmap the size of the sheet, as a second load of it would give.
    under_ = CreateDIBSection32(sheet_->Width(), sheet_->Height());
    sheet_dc_ = std::make_unique<BitmapCanvas>(sheet_);
    under_dc_ = std::make_unique<BitmapCanvas>(under_);
  }
  bool Loaded() const { return static_cast<bool>(sheet_); }
  void SaveUnder(int l, int t) { BitBlt(under_dc_->dc(), 0, 0, w_, h_, canvas_, l, t, SRCCOPY); }
  void RestoreUnder(int l, int t) { BitBlt(canvas_, l, t, w_, h_, under_dc_->dc(), 0, 0, SRCCOPY); }
  // The frame at sheet column x drawn at (l, t): the mask cuts the figure's hole, the image fills it.
  void Draw(int x, int l, int t) {
    BitBlt(canvas_, l, t, w_, h_, sheet_dc_->dc(), x, kMaskRow, SRCAND);
    BitBlt(canvas_, l, t, w_, h_, sheet_dc_->dc(), x, kImageRow, SRCPAINT);
  }

 private:
  const HDC& canvas_;
  int w_, h_;
  HBITMAP sheet_, under_;
  std::unique_ptr<BitmapCanvas> sheet_dc_, under_dc_;
};

// AnimationBusy for the length of a run, however it ends.
struct BusyScope {
  BusyScope() { AnimationBusy = true; }
  ~BusyScope() { AnimationBusy = false; }
};

void Line(const HDC& dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

}  // namespace

void DropBomb(int x, int y) {
  const int l = x - 38, t = y - 25;
  {
    WindowCanvas canvas(CanvasWindow);
    const HDC& dc = canvas.dc();
    SelectObject(dc, CreatePen(PS_SOLID, 8, CurrentColour | kPaletteRelative));
    SelectObject(dc, CreateSolidBrush(PaletteColours[kWhiteIndex] | kPaletteRelative));
    Sprite bomb(dc, "a930.kvr", 76, 49);
    if (!bomb.Loaded()) return;
    bomb.SaveUnder(l, t);
    StepClock clock(kBombStepMs);
    PlaySoundEffect(1);
    // The fuse burns down over four frames, two steps each.
    static constexpr int kFrames[8] = {1, 1, 81, 81, 161, 161, 241, 241};
    for (int frame : kFrames) {
      clock.WaitForStep();
      bomb.RestoreUnder(l, t);
      bomb.Draw(frame, l, t);
      ShowCanvasNow();
    }
    // 79 white discs with a ring in the current colour, each over the last, so the ring races
    // out to a radius of 320.
    int drawn = 1;
    AnimateCanvas(kBombRingsMs, [&](double share) {
      const int last = share >= 1 ? 80 : std::max(drawn + 1, 2 + static_cast<int>(78 * share));
      for (int j = drawn + 1; j <= last; ++j) Ellipse(dc, x - 4 * j, y - 4 * j, x + 4 * j, y + 4 * j);
      drawn = last;
    });
  }
  WindowCanvas canvas(CanvasWindow);
  PatBlt(canvas.dc(), 0, 0, CanvasWidth, CanvasHeight, WHITENESS);
}

void LayTrack(int x, int y) {
  BusyScope busy;
  PlaySoundEffect(45);
  int l = x - 38, t = y - 25;
  // The rails' last points, their heights now and where the last tie was laid.
  int ax = x + 25, ay = y + 10, bx = x + 20, by = y + 16;
  int ya = y + 10, yb = y + 16;
  int tie = x + 25;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, 2, CurrentColour | kPaletteRelative));
  Sprite train(dc, "a931.kvr", 76, 49);
  if (!train.Loaded()) return;
  train.SaveUnder(l, t);
  // One time in three the train runs straight; otherwise it sinks a pixel a step.
  const int dy = Random(3) == 1 ? 0 : 1;
  StepClock clock(kSpriteStepMs);
  int f = 1;
  while (t < CanvasHeight && t > -49 && l > -70) {
    clock.WaitForStep();
    train.RestoreUnder(l, t);
    const int nax = l + 58, nbx = l + 68;
    Line(dc, ax, ay, nax, ya);
    Line(dc, bx, by, nbx, yb);
    if (std::abs(tie - nax) >= 10) {
      Line(dc, nax, ya - 3, nbx, yb + 3);
      tie = nax;
    }
    l -= 5;
    ax = nax, ay = ya, bx = nbx, by = yb;
    t += dy, ya += dy, yb += dy;
    // The fresh rails under the sprite become part of what it covers.
    train.SaveUnder(l, t);
    train.Draw(1 + 80 * (f - 1), l, t);
    f = f % 4 + 1;
    ShowCanvasNow();
  }
  train.RestoreUnder(l, t);
}

void SkiDown(int x, int y) {
  BusyScope busy;
  bool started = false;
  int l = x - 25, t = y - 25;
  int px = l + 8, py = t + 43, ty = t + 43;
  WindowCanvas canvas(CanvasWindow);
  const HDC& dc = canvas.dc();
  SelectObject(dc, CreatePen(PS_SOLID, PenSize, CurrentColour | kPaletteRelative));
  Sprite billy(dc, "a932.kvr", 49, 49);
  if (!billy.Loaded()) return;
  billy.SaveUnder(l, t);
  int run = 2 + Random(15);
  StepClock clock(kSpriteStepMs);
  int dx = -(1 + Random(8));
  int s = 0, f = 1;
  // Where the skis touch the snow in each pose, and the poses played forwards and back.
  static constexpr int kSkiOffset[8] = {8, 12, 25, 36, 44, 36, 25, 12};
  static constexpr int kPose[8] = {1, 54, 107, 160, 213, 160, 107, 54};
  while (t < CanvasHeight) {
    clock.WaitForStep();
    billy.RestoreUnder(l, t);
    t += 4, ++s, ty += 4;
    l += dx;
    const int tx = l + kSkiOffset[f - 1];
    Line(dc, tx, ty, px, py);
    px = tx, py = ty;
    if (s >= run) {
      dx = dx < 0 ? 1 + Random(8) : -(1 + Random(8));
      s = 0;
      run = 2 + Random(15);
    }
    billy.SaveUnder(l, t);
    billy.Draw(kPose[f - 1], l, t);
    ShowCanvasNow();
    if (!started) {
      // Billy's call as he sets off, heard to its end before he moves on, sound effects on or off.
      started = true;
      Sound().PlayToEnd(AssetPath("snd44.kvr"));
    }
    if (f == 5) PlaySoundEffect(42);
    if (f == 1) PlaySoundEffect(41);
    f = f % 8 + 1;
  }
  PlaySoundEffect(43);
  billy.RestoreUnder(l, t);
}

}  // namespace pd
