#include "pictures/prtquery.h"

#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "platform/platform.h"

namespace pd {

namespace {

constexpr gdi::COLORREF kLabelYellow = gdi::RGB(255, 255, 0);

// Draws text at (x, y) in bold lettering of the height, made smaller where the typeface the desktop
// has for it is too wide for the room up to right.
void DrawLabel(const gdi::HDC& dc, int x, int y, int height, const std::string& text, int right) {
  gdi::HFONT font;
  gdi::HGDIOBJ old_font;
  for (int h = height;; --h) {
    font = gdi::CreateFontA(-h, 0, 0, 0, gdi::FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    old_font = gdi::SelectObject(dc, font);
    gdi::SIZE extent;
    if (h <= 8 || !gdi::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent) ||
        x + extent.cx <= right)
      break;
    gdi::SelectObject(dc, old_font);
  }
  gdi::SetBkMode(dc, gdi::TRANSPARENT);
  gdi::SetTextColor(dc, kLabelYellow | kPaletteRelative);
  gdi::TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
  gdi::SelectObject(dc, old_font);
}

// "How do you want to save this picture?": a button for a brand new picture, and the older
// picture itself, which replaces it when pressed.
class Tprtquery : public platform::Form {
 public:
  Tprtquery() : image1_(this), image2_(this) {
    SetCaption("How do you want to save this picture?");
    SetColour(gdi::RGB(0, 0, 0));
    SetClientSize(427, 185);
    image1_.SetBounds(25, 42, 75, 75);
    image1_.SetHint("Save as a brand new picture");
    image2_.SetBounds(220, 15, 156, 109);
    image2_.SetHint("Replace this picture with the one on screen.");
    OnPaint = [this] { FormPaint(); };
    image1_.OnPaint = [this] { DrawNewButton(); };
    image2_.OnPaint = [this] { DrawOlderPicture(); };
    OnActivate = [this] { DrawOlderPicture(); };
    image1_.OnMouseUp = [this](platform::MouseButton, unsigned, int x, int y) {
      if (PointInBox(x, y, 0, 0, 75, 75)) Answer(false);
    };
    image2_.OnMouseUp = [this](platform::MouseButton, unsigned, int x, int y) {
      if (PointInBox(x, y, 0, 0, 156, 109)) Answer(true);
    };
    image1_.Show();
    image2_.Show();
  }

 private:
  void Answer(bool replace) {
    DialogResult = replace;
    Close(platform::mrOk);
  }

  void FormPaint() {
    WindowCanvas canvas(this);
    gdi::PatBlt(canvas.dc(), 0, 0, ClientWidth(), ClientHeight(), gdi::BLACKNESS);
    DrawLabel(canvas.dc(), 133, 59, 32, "OR", 215);
    DrawLabel(canvas.dc(), 159, 134, 19, "Replace This Older Picture", ClientWidth() - 4);
  }

  void DrawNewButton() {
    gdi::HBITMAP pic = LoadAssetBitmap("savenew.kvr");
    if (!pic) return;
    WindowCanvas canvas(&image1_);
    BitmapCanvas src(pic);
    gdi::BitBlt(canvas.dc(), 0, 0, 75, 75, src.dc(), 0, 0, gdi::SRCCOPY);
  }

  // The older picture, read afresh each time the query shows. One that has gone (deleted since it
  // was opened) shows as a plain grey card; choosing it writes the file anew.
  void DrawOlderPicture() {
    WindowCanvas canvas(&image2_);
    const gdi::HDC& dc = canvas.dc();
    std::string error;
    gdi::HBITMAP pic = CurrentPictureName.empty() ? nullptr : gdi::LoadBmpFile(CurrentPictureName, &error);
    if (!pic) {
      gdi::PatBlt(dc, 0, 0, 156, 109, gdi::WHITENESS);
      gdi::HBRUSH grey = gdi::CreateSolidBrush(PaletteColours[62] | kPaletteRelative);
      const gdi::RECT box{1, 1, 155, 108};
      gdi::FillRect(dc, box, grey);
      return;
    }
    BitmapCanvas src(pic);
    gdi::StretchBlt(dc, 0, 0, 156, 109, src.dc(), 0, 0, pic->Width(), pic->Height(), gdi::SRCCOPY);
  }

  platform::Window image1_;
  platform::Window image2_;
};

}  // namespace

void ShowSaveQuery() {
  Tprtquery query;
  query.ShowModal();
}

}  // namespace pd
