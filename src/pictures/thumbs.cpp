#include "pictures/thumbs.h"

#include <algorithm>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "media/sound.h"
#include "pictures/pictureset.h"

namespace pd {

using platform::MouseButton;

const std::vector<gdi::POINT> kThumbsOutline = {
    {20, 73},   {37, 70},   {40, 76},   {40, 65},   {44, 65},   {47, 79},   {48, 79},   {48, 58},
    {57, 49},   {61, 50},   {97, 50},   {137, 42},  {158, 39},  {180, 34},  {196, 30},  {225, 29},
    {243, 31},  {258, 37},  {275, 45},  {292, 56},  {306, 66},  {309, 68},  {313, 66},  {327, 53},
    {343, 41},  {358, 34},  {376, 28},  {399, 25},  {412, 26},  {449, 30},  {471, 36},  {484, 40},
    {507, 44},  {535, 48},  {550, 47},  {551, 42},  {566, 43},  {570, 52},  {582, 52},  {582, 63},
    {597, 64},  {604, 403}, {590, 404}, {590, 419}, {586, 419}, {599, 404}, {343, 408}, {331, 414},
    {318, 416}, {306, 415}, {296, 413}, {292, 410}, {21, 411},  {22, 402},  {20, 73},
};

namespace {

constexpr int kWidth = 620, kHeight = 430;
constexpr int kLabelX = 360, kLabelY = 30;
constexpr gdi::POINT kSlots[4] = {{87, 60}, {87, 190}, {332, 60}, {332, 190}};

// Where a slot shows a file that cannot be read: a plain grey card, so the other pictures of the
// page still show and the child can see that something is there.
void DrawPlaceholder(const gdi::HDC& dc, int x, int y, gdi::SIZE size) {
  gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 1, PaletteColours[65] | kPaletteRelative);
  gdi::HBRUSH brush = gdi::CreateSolidBrush(PaletteColours[62] | kPaletteRelative);
  gdi::HGDIOBJ old_pen = gdi::SelectObject(dc, pen);
  gdi::HGDIOBJ old_brush = gdi::SelectObject(dc, brush);
  gdi::Rectangle(dc, x, y, x + size.cx, y + size.cy);
  gdi::SelectObject(dc, old_pen);
  gdi::SelectObject(dc, old_brush);
}

}  // namespace

gdi::SIZE ThumbSize(int mode) {
  if (mode == 2) return {200, 100};
  if (mode == 3) return {65, 130};
  return {200, 130};
}

gdi::HBITMAP PrepareThumbnail(int mode, const std::string& path, std::string* error) {
  gdi::HBITMAP file = gdi::LoadBmpFile(path, error);
  if (!file || (mode != 2 && mode != 3)) return file;
  // A large stamp is shown composed over white: its mask half (below a wide stamp's image, beside
  // a tall one's) with SRCAND, then its image half with SRCPAINT.
  const bool wide = mode == 2;
  const int w = wide ? 200 : 100, h = wide ? 100 : 200;
  gdi::HBITMAP out = gdi::CreateDIBSection32(w, h);
  out->Fill(0xFFFFFF);
  BitmapCanvas dst(out), src(file);
  gdi::BitBlt(dst.dc(), 0, 0, w, h, src.dc(), wide ? 0 : 100, wide ? 100 : 0, gdi::SRCAND);
  gdi::BitBlt(dst.dc(), 0, 0, w, h, src.dc(), 0, 0, gdi::SRCPAINT);
  return out;
}

ThumbPage FirstThumbPage(int count) {
  return {0, std::min(count - 1, 3)};
}

ThumbPage NextThumbPage(ThumbPage page, int count) {
  const int last_index = count - 1;
  if (page.last + 4 <= last_index) return {page.first + 4, page.last + 4};
  if (page.last < last_index) {
    if (last_index - 3 < 0) return FirstThumbPage(count);
    return {last_index - 3, last_index};
  }
  return FirstThumbPage(count);
}

ThumbPage PreviousThumbPage(ThumbPage page, int count) {
  const int last_index = count - 1;
  if (page.first - 4 >= 0) return {page.first - 4, page.last - 4};
  if (last_index > 3) return {last_index - 3, last_index};
  return FirstThumbPage(count);
}

Tthumbs::Tthumbs() {
  SetBorderStyle(platform::BorderStyle::None);
  SetColour(gdi::RGB(0, 0, 0));
  SetClientSize(kWidth, kHeight);
  SetWindowRgn(
      gdi::CreatePolygonRgn(kThumbsOutline.data(), static_cast<int>(kThumbsOutline.size()), gdi::WINDING));
  OnShow = [this] { FormShow(); };
  OnPaint = [this] { DrawPage(); };
  OnActivate = [this] { DrawPage(); };
  OnMouseDown = [this](MouseButton, unsigned, int x, int y) { FormMouseDown(x, y); };
}

void Tthumbs::FormShow() {
  mode_ = ChooserMode;
  const std::string pattern = ListPattern(mode_);
  entries_ = pattern.empty() ? std::vector<std::string>() : ListPictureSet(pattern);
  page_ = FirstThumbPage(static_cast<int>(entries_.size()));
  background_ = LoadAssetBitmap("a85.kvr");
  DrawPage();
}

void Tthumbs::DrawPage() {
  WindowCanvas canvas(this);
  const gdi::HDC& dc = canvas.dc();
  gdi::PatBlt(dc, 0, 0, kWidth, kHeight, gdi::BLACKNESS);
  if (background_) {
    BitmapCanvas art(background_);
    gdi::BitBlt(dc, 0, 0, background_->Width() - 3, background_->Height() - 3, art.dc(), 3, 3, gdi::SRCCOPY);
  }
  const gdi::SIZE size = ThumbSize(mode_);
  for (int k = 0; k < 4 && page_.first + k <= page_.last; ++k) {
    const int x = kSlots[k].x, y = kSlots[k].y;
    std::string error;
    gdi::HBITMAP picture = PrepareThumbnail(mode_, entries_[page_.first + k], &error);
    if (!picture) {
      DrawPlaceholder(dc, x, y, size);
      continue;
    }
    BitmapCanvas src(picture);
    gdi::StretchBlt(dc, x, y, size.cx, size.cy, src.dc(), 0, 0, picture->Width(), picture->Height(),
                    gdi::SRCCOPY);
  }
  DrawLabel(dc);
}

std::string Tthumbs::LabelText() const {
  if (entries_.empty()) return {};
  return std::to_string(page_.first + 1) + " - " + std::to_string(page_.last + 1) + " of " +
         std::to_string(entries_.size());
}

void Tthumbs::DrawLabel(const gdi::HDC& dc) {
  const std::string text = LabelText();
  if (text.empty()) return;
  gdi::HFONT font = gdi::CreateFontA(-13, 0, 0, 0, gdi::FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "System");
  gdi::HGDIOBJ old_font = gdi::SelectObject(dc, font);
  gdi::SetBkMode(dc, gdi::OPAQUE);
  gdi::SetBkColor(dc, gdi::RGB(255, 255, 255));
  gdi::SetTextColor(dc, gdi::RGB(0, 0, 0));
  gdi::TextOutA(dc, kLabelX, kLabelY, text.c_str(), static_cast<int>(text.size()));
  gdi::SelectObject(dc, old_font);
}

void Tthumbs::FormMouseDown(int x, int y) {
  auto inside = [&](int left, int top, int right, int bottom) {
    return x > left && x < right && y > top && y < bottom;
  };
  const int count = static_cast<int>(entries_.size());
  // The cancel mark lies over the second slot and wins there.
  if (inside(67, 300, 125, 344)) {
    PlaySoundEffect(36);
    entries_.clear();
    Close(platform::mrCancel);
  } else if (inside(512, 33, 552, 53)) {
    PlaySoundEffect(34);
    page_ = NextThumbPage(page_, count);
    DrawPage();
  } else if (inside(62, 37, 102, 57)) {
    PlaySoundEffect(34);
    page_ = PreviousThumbPage(page_, count);
    DrawPage();
  } else {
    for (int k = 0; k < 4; ++k)
      if (inside(kSlots[k].x, kSlots[k].y, kSlots[k].x + 200, kSlots[k].y + 130)) {
        Choose(page_.first + k);
        return;
      }
  }
}

void Tthumbs::Choose(int index) {
  // A press on an empty slot closes the window like cancel.
  const bool picked = index <= page_.last && index < static_cast<int>(entries_.size());
  if (picked) {
    ChosenFile = entries_[index];
    DialogResult = true;
  }
  entries_.clear();
  background_.reset();
  Close(picked ? platform::mrOk : platform::mrCancel);
}

void ShowThumbs() {
  Tthumbs thumbs;
  thumbs.ShowModal();
}

}  // namespace pd
