#include "regiontools/signature.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "gdi/bmp.h"

namespace pd {

namespace {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWorkHeight = 2 * kSignatureHeight;

HBITMAP WhiteSignature(int width, int height) {
  HBITMAP bmp = CreateDIBSection32(width, height);
  bmp->Fill(PixelFromColorref(kWhite));
  return bmp;
}

}  // namespace

HBITMAP LoadSignature() {
  const std::string path = DataPath(kSignatureFile);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return WhiteSignature(kSignatureWidth, kWorkHeight);
  std::string data, error;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "it is not a file";
  } else {
    try {
      std::ifstream in(path, std::ios::binary);
      data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      if (!in) error = "the file cannot be read";
    } catch (const std::exception& e) {
      error = e.what();
    }
  }
  BmpInfo info;
  HBITMAP read;
  if (error.empty() && ReadBmpInfo(data.data(), data.size(), &info, &error)) read = LoadBmp(data, &error);
  if (!read) {
    ShowMessage("Cannot read the signature \"" + path + "\": " + error, platform::MB_OK | platform::MB_ICONWARNING);
    return WhiteSignature(kSignatureWidth, kWorkHeight);
  }
  if (read->Width() >= kSignatureWidth && read->Height() >= kWorkHeight && info.bit_count >= 24) return read;
  // The stamp needs its working rows, and the panel's colours need true colour.
  HBITMAP bmp = WhiteSignature(std::max(read->Width(), kSignatureWidth), std::max(read->Height(), kWorkHeight));
  for (int y = 0; y < read->Height(); ++y)
    std::memcpy(bmp->Row(y), read->Row(y), sizeof(std::uint32_t) * read->Width());
  return bmp;
}

// ---- Tsignme ---------------------------------------------------------------------------------

Tsignme::Tsignme()
    : panel1_(this),
      image1_(this, kDialogOkPicture, 47, 126, 40, 40, "Use the signature shown above."),
      image2_(this, kDialogCancelPicture, 144, 130, 40, 35, "Let's forget it."),
      image3_(this, kDialogEraserPicture, 200, 25, 42, 41, "Clear the signature field."),
      label1_(this) {
  SetCaption("Sign your name to your artwork!");
  SetColour(RGB(0, 0, 0));
  SetClientSize(288, 188);
  panel1_.SetColour(kWhite);
  panel1_.SetBounds(31, 22, kSignatureWidth, kSignatureHeight);
  panel1_.SetHint("Sign your name here.");
  panel1_.OnMouseDown = [this](platform::MouseButton, unsigned, int x, int y) { Panel1MouseDown(x, y); };
  panel1_.OnMouseMove = [this](unsigned, int x, int y) { Panel1MouseMove(x, y); };
  panel1_.OnMouseUp = [this](platform::MouseButton, unsigned, int, int) { Panel1MouseUp(); };
  // The panel's surface keeps what it shows, so the saved signature is put on it once, at its
  // first paint, and the strokes stay until they are cleared.
  panel1_.OnPaint = [this] { ShowSavedSignature(); };
  panel1_.Show();
  label1_.SetBounds(193, 67, 60, 20);
  label1_.SetCaption("CLEAR");
  label1_.SetColour(RGB(0, 0, 0));
  label1_.SetTextColour(RGB(255, 255, 0));
  label1_.SetFont("MS Sans Serif", 16, true);
  label1_.SetHint("Clear the signature field.");
  OnClickOf(label1_, [this] { ClearClick(); });
  label1_.Show();
  image1_.OnClick = [this] { Image1Click(); };
  image2_.OnClick = [this] { Image2Click(); };
  image3_.OnClick = [this] { ClearClick(); };
}

void Tsignme::ShowSavedSignature() {
  std::error_code ec;
  if (!std::filesystem::exists(DataPath(kSignatureFile), ec)) return;
  HBITMAP saved = LoadSignature();
  WindowCanvas canvas(&panel1_);
  BitmapCanvas src(saved);
  BitBlt(canvas.dc(), 0, 0, kSignatureWidth, kSignatureHeight, src.dc(), 0, 0, SRCCOPY);
}

void Tsignme::Stroke(int x0, int y0, int x1, int y1) {
  WindowCanvas canvas(&panel1_);
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(canvas.dc(), pen);
  MoveToEx(canvas.dc(), x0, y0, nullptr);
  LineTo(canvas.dc(), x1, y1);
  SelectObject(canvas.dc(), old);
}

void Tsignme::Panel1MouseDown(int x, int y) {
  Stroke(x, y, x, y);
  pressed_ = true;
  last_x_ = x;
  last_y_ = y;
}

void Tsignme::Panel1MouseMove(int x, int y) {
  if (!pressed_) return;
  Stroke(last_x_, last_y_, x, y);
  last_x_ = x;
  last_y_ = y;
}

void Tsignme::Panel1MouseUp() { pressed_ = false; }

void Tsignme::ClearClick() {
  WindowCanvas canvas(&panel1_);
  BitBlt(canvas.dc(), 0, 0, kSignatureWidth, kSignatureHeight, canvas.dc(), 0, 0, WHITENESS);
}

void Tsignme::Image1Click() {
  HBITMAP sig = LoadSignature();
  {
    BitmapCanvas dst(sig);
    WindowCanvas panel(&panel1_);
    BitBlt(dst.dc(), 0, 0, kSignatureWidth, kSignatureHeight, panel.dc(), 0, 0, SRCCOPY);
  }
  std::string error;
  if (SaveBmp24(DataPath(kSignatureFile), *sig, &error)) {
    DialogResult = true;
  } else {
    ShowMessage("Cannot save the signature: " + error, platform::MB_OK | platform::MB_ICONWARNING);
    DialogResult = false;
  }
  Close(platform::mrOk);
}

void Tsignme::Image2Click() {
  DialogResult = false;
  Close(platform::mrCancel);
}

// ---- the stamp -------------------------------------------------------------------------------

void StampSignature() {
  if (!CanvasWindow) return;
  HBITMAP sig = LoadSignature();
  WindowCanvas canvas(CanvasWindow);
  BitmapCanvas work(sig);
  const HDC& dc = work.dc();
  BitBlt(dc, 0, kSignatureHeight, kSignatureWidth, kSignatureHeight, dc, 0, 0, SRCCOPY);
  const COLORREF ink = CurrentColour | kPaletteRelative;
  for (int x = 0; x < kSignatureWidth; ++x) {
    for (int y = 0; y < kSignatureHeight; ++y) SetPixel(dc, x, y, GetPixel(dc, x, y) == kWhite ? 0 : ink);
    for (int y = kSignatureHeight; y < kWorkHeight; ++y)
      if (GetPixel(dc, x, y) != kWhite) SetPixel(dc, x, y, 0);
  }
  const int x0 = CanvasWindow->ClientWidth() - kSignatureWidth;
  const int y0 = CanvasWindow->ClientHeight() - kSignatureHeight;
  BitBlt(canvas.dc(), x0, y0, kSignatureWidth, kSignatureHeight, dc, 0, kSignatureHeight, SRCAND);
  BitBlt(canvas.dc(), x0, y0, kSignatureWidth, kSignatureHeight, dc, 0, 0, SRCPAINT);
}

void SignatureAction() {
  {
    // A dialog closed any other way than by its tick stamps nothing.
    DialogResult = false;
    Tsignme dialog;
    dialog.ShowModal();
  }
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (DialogResult) StampSignature();
}

}  // namespace pd
