#include "pictures/printing.h"

#include <algorithm>
#include <memory>
#include <new>
#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "tools/rounding.h"

namespace pd {

namespace {

int Round(float v) {
  return ClampToInt(RoundHalfEven(v));
}

void RepaintCanvas() {
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
}

}  // namespace

Tprntctl::Tprntctl()
    : label1_(this),
      label2_(this),
      image2_(this),
      image3_(this),
      image4_(this),
      image5_(this),
      scrollbar1_(this, platform::Orientation::Horizontal),
      pageimg_(this) {
  SetCaption("PRINT YOUR PICTURE ANYWHERE ON THE PAGE");
  SetColour(gdi::RGB(0, 0, 0));
  SetClientSize(485, 283);
  const gdi::COLORREF yellow = gdi::RGB(255, 255, 0);
  label2_.SetBounds(368, 25, 60, 20);
  label2_.SetCaption("PAGE:");
  label1_.SetBounds(364, 122, 60, 20);
  label1_.SetCaption("SIZE: ");
  for (platform::Label* label : {&label1_, &label2_}) {
    label->SetColour(gdi::RGB(0, 0, 0));
    label->SetTextColour(yellow);
    label->SetFont("MS Sans Serif", 16);
    label->Show();
  }
  struct Button {
    platform::Window* image;
    int left, top, width, height;
    const char* hint;
    const char* picture;
  };
  const Button buttons[] = {
      {&image2_, 340, 55, 46, 43, "Print in normal orientation", kPrintPortraitPicture},
      {&image3_, 402, 55, 44, 37, "Print the page sideways", kPrintLandscapePicture},
      {&image4_, 351, 201, 42, 39, "Go ahead and print the picture", kPrintGoPicture},
      {&image5_, 414, 206, 41, 37, "Don't print the picture!", kPrintCancelPicture},
  };
  for (const Button& b : buttons) {
    b.image->SetBounds(b.left, b.top, b.width, b.height);
    b.image->SetColour(gdi::RGB(0, 0, 0));
    b.image->SetHint(b.hint);
    b.image->OnPaint = [this, b] { DrawButton(*b.image, b.picture); };
    b.image->Show();
  }
  image2_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image2Click(); };
  image3_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image3Click(); };
  image4_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image4Click(); };
  image5_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image5Click(); };
  scrollbar1_.SetBounds(334, 147, 133, 18);
  scrollbar1_.SetRange(10, 95);
  scrollbar1_.SetPosition(50);
  scrollbar1_.SetLargeChange(10);
  scrollbar1_.SetHint("Change the size of the picture");
  scrollbar1_.OnScroll = [this](int) { ScrollBar1Change(); };
  scrollbar1_.Show();
  pageimg_.SetBounds(66, 14, 197, 254);
  pageimg_.SetColour(gdi::RGB(255, 255, 255));
  pageimg_.SetHint("Click the picture to move it around on the page.");
  pageimg_.OnPaint = [this] { DrawPreview(); };
  pageimg_.OnMouseDown = [this](platform::MouseButton, unsigned, int x, int y) { PageimgMouseDown(x, y); };
  pageimg_.OnMouseMove = [this](unsigned, int x, int y) { PageimgMouseMove(x, y); };
  pageimg_.OnMouseUp = [this](platform::MouseButton, unsigned, int x, int y) { PageimgMouseUp(x, y); };
  pageimg_.Show();
  OnMouseMove = [this](unsigned, int, int) { FormMouseMove(); };
  OnActivate = [this] { FormActivate(); };
}

platform::Window& Tprntctl::Image(int n) {
  switch (n) {
    case 2:
      return image2_;
    case 3:
      return image3_;
    case 4:
      return image4_;
    default:
      return image5_;
  }
}

void Tprntctl::SizePreview() {
  width_ = Round(static_cast<float>(scrollbar1_.Position()) * sx_);
  height_ = Round(static_cast<float>(scrollbar1_.Position()) * sy_);
}

void Tprntctl::DrawButton(platform::Window& image, const char* picture) {
  gdi::HBITMAP bitmap = LoadAssetBitmap(picture);
  if (!bitmap) return;
  WindowCanvas canvas(&image);
  BitmapCanvas src(bitmap);
  gdi::BitBlt(canvas.dc(), 0, 0, bitmap->Width(), bitmap->Height(), src.dc(), 0, 0, gdi::SRCCOPY);
}

void Tprntctl::DrawPreview() {
  WindowCanvas canvas(&pageimg_);
  gdi::PatBlt(canvas.dc(), 0, 0, pageimg_.ClientWidth(), pageimg_.ClientHeight(), gdi::WHITENESS);
  if (!CanvasSnapshot) return;
  BitmapCanvas snapshot(CanvasSnapshot);
  gdi::StretchBlt(canvas.dc(), x_, y_, width_, height_, snapshot.dc(), 0, 0, CanvasSnapshot->Width() - 2,
                  CanvasSnapshot->Height() - 2, gdi::SRCCOPY);
}

void Tprntctl::FormActivate() {
  dragging_ = false;
  SizePreview();
  x_ = y_ = 10;
  DrawPreview();
}

void Tprntctl::SetOrientation(int mode) {
  mode_ = mode;
  if (mode == 3) {
    pageimg_.SetBounds(66, 14, 197, 254);
    sx_ = 1.97f;
    sy_ = 1.5f;
  } else {
    pageimg_.SetBounds(19, 47, 289, 182);
    sx_ = 2.45f;
    sy_ = 1.82f;
  }
  SizePreview();
  x_ = y_ = 10;
  DrawPreview();
}

void Tprntctl::Image2Click() {
  SetOrientation(3);
}
void Tprntctl::Image3Click() {
  SetOrientation(4);
}

void Tprntctl::ScrollBar1Change() {
  SizePreview();
  DrawPreview();
}

void Tprntctl::Image4Click() {
  PrintX = x_;
  PrintY = y_;
  PrintMode = mode_;
  PrintSize = scrollbar1_.Position();
  Close(platform::mrOk);
}

void Tprntctl::Image5Click() {
  PrintX = PrintY = PrintMode = PrintSize = 0;
  Close(platform::mrCancel);
}

void Tprntctl::PageimgMouseDown(int x, int y) {
  if (x < x_ || x >= x_ + width_ || y < y_ || y >= y_ + height_) return;
  dragging_ = true;
  start_x_ = x_;
  start_y_ = y_;
  grab_x_ = x - x_;
  grab_y_ = y - y_;
}

void Tprntctl::PageimgMouseMove(int x, int y) {
  if (!dragging_) return;
  // With the button held the preview keeps the pointer; leaving it abandons the drag as a move
  // over the rest of the dialog does.
  if (x < 0 || y < 0 || x >= pageimg_.ClientWidth() || y >= pageimg_.ClientHeight()) {
    FormMouseMove();
    return;
  }
  x_ = x - grab_x_;
  y_ = y - grab_y_;
  DrawPreview();
}

void Tprntctl::PageimgMouseUp(int x, int y) {
  if (!dragging_) return;
  x_ = x - grab_x_;
  y_ = y - grab_y_;
  dragging_ = false;
  if (x_ < 0) x_ = 10;
  if (y_ < 0) y_ = 10;
  DrawPreview();
}

void Tprntctl::FormMouseMove() {
  if (!dragging_) return;
  x_ = start_x_;
  y_ = start_y_;
  DrawPreview();
  dragging_ = false;
}

namespace {
std::unique_ptr<Tprntctl> g_print_control;
}  // namespace

Tprntctl& PrintControl() {
  if (!g_print_control) g_print_control = std::make_unique<Tprntctl>();
  return *g_print_control;
}

void ReleasePrintControl() { g_print_control.reset(); }

gdi::RECT PrintedPictureRect(int page_width, int page_height, int mode, int x, int y, int size) {
  const float pw = static_cast<float>(page_width) / 100.0f, ph = static_cast<float>(page_height) / 100.0f;
  const auto s = static_cast<float>(size);
  int left, top, width, height;
  if (mode == 3) {
    left = Round(pw * static_cast<float>(x) / 1.97f);
    top = Round(ph * static_cast<float>(y) / 2.54f);
    width = Round(pw * s);
    height = Round(ph * s * 4.0f / 7.0f);
  } else {
    left = Round(pw * static_cast<float>(x) / 2.89f);
    top = Round(ph * static_cast<float>(y) / 1.82f);
    width = Round(pw * s / 1.323f);
    height = Round(ph * s * 0.75f);
  }
  return {left, top, left + width, top + height};
}

void PrintPicture() {
  if (PrintMode == 0 || !CanvasWindow) return;
  std::string error;
  auto job = platform::CurrentPrinting().Begin(
      "Pindoodle",
      PrintMode == 3 ? platform::PageOrientation::Portrait : platform::PageOrientation::Landscape, &error);
  if (!job) {
    ShowMessage(error, platform::MB_OK | platform::MB_ICONWARNING);
    return;
  }
  const gdi::RECT place =
      PrintedPictureRect(job->PageWidth(), job->PageHeight(), PrintMode, PrintX, PrintY, PrintSize);
  const int width = place.right - place.left, height = place.bottom - place.top;
  job->DrawText(0, 0, " ");
  if (width > 0 && height > 0) {
    WindowCanvas canvas(CanvasWindow);
    const int band_rows = std::clamp(kPrintBandPixels / width, 1, height);
    for (int top = 0; top < height; top += band_rows) {
      const int rows = std::min(band_rows, height - top);
      gdi::HBITMAP band;
      try {
        band = gdi::CreateDIBSection32(width, rows);
      } catch (const std::bad_alloc&) {
        band = nullptr;
      }
      if (!band) {
        ShowMessage("There is not enough memory to print the picture.",
                    platform::MB_OK | platform::MB_ICONWARNING);
        RestoreCanvasSnapshot();
        return;  // the job is abandoned unprinted
      }
      BitmapCanvas target(band);
      gdi::PatBlt(target.dc(), 0, 0, width, rows, gdi::WHITENESS);
      gdi::SetStretchBltMode(target.dc(), gdi::COLORONCOLOR);
      // The whole picture stretched as one, of which this band shows its rows.
      gdi::StretchBlt(target.dc(), 0, -top, width, height, canvas.dc(), 0, 0, CanvasWidth - 2,
                      CanvasHeight - 2, gdi::SRCCOPY);
      job->DrawBitmap(place.left, place.top + top, *band);
    }
  }
  if (!job->End(&error)) ShowMessage(error, platform::MB_OK | platform::MB_ICONWARNING);
  RestoreCanvasSnapshot();
}

void PrintAction() {
  SaveCanvasSnapshot();
  // Closed any other way than by its print button (its cancel picture, or the desktop closing it),
  // the dialog prints nothing, whatever was printed last time.
  if (PrintControl().ShowModal() != platform::mrOk) PrintX = PrintY = PrintMode = PrintSize = 0;
  RepaintCanvas();
  PrintPicture();
}

void PrintSetupAction() {
  platform::CurrentPrinting().Setup(CanvasWindow);
  RepaintCanvas();
  if (platform::Application::Exists()) platform::Application::Instance().ProcessMessages();
}

}  // namespace pd
