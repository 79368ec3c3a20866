#include "pictures/clipart.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "pictures/stamps.h"
#include "regiontools/stamps.h"

namespace pd {

namespace {

namespace fs = std::filesystem;

constexpr int kClipArtTool = 84;
constexpr int kPreviewLeft = 1, kPreviewSize = 300;
// The size position is kept from one showing of the chooser to the next.
int g_size_position = 50;

int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

std::string ArtDir() {
  return platform::FindFileNoCase(AssetDir, "art");
}

bool IsMetafileName(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".wmf") == 0;
}

void BlitAsset(platform::Window& w, const char* name) {
  if (gdi::HBITMAP pic = LoadAssetBitmap(name)) {
    WindowCanvas canvas(&w);
    BitmapCanvas src(pic);
    gdi::BitBlt(canvas.dc(), 0, 0, w.ClientWidth(), w.ClientHeight(), src.dc(), 0, 0, gdi::SRCCOPY);
  }
}

}  // namespace

gdi::SIZE ClipArtSize(int wn, int hn, int p) {
  // A picture without a natural size has nothing to fit.
  if (wn <= 0 || hn <= 0) return {0, 0};
  double fw, fh;
  if (hn <= wn) {
    fw = 300;
    fh = hn + RoundEven(static_cast<double>(300 - wn) * hn / wn);
  } else {
    fh = 300;
    fw = wn + RoundEven(static_cast<double>(300 - hn) * wn / hn);
  }
  return {RoundEven(fw / 100) * p, RoundEven(fh / 100) * p};
}

Twmfimg::Twmfimg()
    : image1_(this),
      image2_(this),
      image3_(this),
      list_(this),
      label_(this),
      bar_(this, platform::Orientation::Horizontal) {
  SetCaption("Vector Graphic Clipart Images (WMF format)");
  SetColour(gdi::RGB(0, 0, 0));
  SetClientSize(477, 299);
  image1_.SetColour(gdi::RGB(0, 0, 0));
  image1_.SetBounds(kPreviewLeft, 0, kPreviewSize, kPreviewSize);
  image1_.OnPaint = [this] { PaintPreview(); };
  list_.SetBounds(325, 4, 145, 158);
  list_.SetSorted(true);
  list_.SetHint("Choose a WMF file by name here.");
  list_.OnClick = [this] { FileListBox1Click(); };
  label_.SetBounds(325, 175, 111, 16);
  label_.SetColour(gdi::RGB(0, 0, 0));
  label_.SetTextColour(gdi::RGB(255, 255, 0));
  label_.SetFont("System", 16, true);
  bar_.SetBounds(325, 201, 145, 18);
  bar_.SetRange(10, 100);
  bar_.SetLargeChange(10);
  bar_.SetHint("Change the size of the picture");
  bar_.OnScroll = [this](int) { ScrollBar1Change(); };
  image2_.SetBounds(339, 247, 40, 40);
  image2_.SetHint("Yes, let's use this picture.");
  image2_.OnPaint = [this] { BlitAsset(image2_, "wmfyes.kvr"); };
  image2_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image2MouseDown(); };
  image3_.SetBounds(422, 251, 40, 35);
  image3_.SetHint("No, forget it.");
  image3_.OnPaint = [this] { BlitAsset(image3_, "wmfno.kvr"); };
  image3_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image3MouseDown(); };
  OnShow = [this] { FormShow(); };
  for (platform::Window* w :
       std::initializer_list<platform::Window*>{&image1_, &image2_, &image3_, &list_, &label_, &bar_})
    w->Show();
}

void Twmfimg::FormShow() {
  std::vector<std::string> names;
  std::error_code ec;
  const std::string dir = ArtDir();
  if (!dir.empty())
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
      if (IsMetafileName(it->path().filename().string()) && it->is_regular_file(ec))
        names.push_back(it->path().filename().string());
  list_.SetItems(names);
  list_.SetItemIndex(-1);
  picture_.reset();
  size_ = {0, 0};
  bar_.SetPosition(g_size_position);
  label_.SetCaption("Size: " + std::to_string(g_size_position) + "%");
  PaintPreview();
}

void Twmfimg::FileListBox1Click() {
  picture_.reset();
  PaintPreview();
  const std::string name = list_.SelectedItem();
  if (name.empty()) return;
  std::string error;
  picture_ = gdi::LoadMetafileFile((fs::path(ArtDir()) / name).string(), &error);
  if (!picture_) {
    // The chooser stays open with nothing chosen.
    list_.SetItemIndex(-1);
    ShowMessage(error, platform::MB_OK | platform::MB_ICONERROR);
    return;
  }
  Fit();
}

void Twmfimg::Fit() {
  size_ = picture_ ? ClipArtSize(picture_->natural_width, picture_->natural_height, g_size_position)
                   : gdi::SIZE{};
  PaintPreview();
}

void Twmfimg::ScrollBar1Change() {
  g_size_position = bar_.Position();
  label_.SetCaption("Size: " + std::to_string(g_size_position) + "%");
  Fit();
}

void Twmfimg::PaintPreview() {
  WindowCanvas canvas(&image1_);
  gdi::PatBlt(canvas.dc(), 0, 0, kPreviewSize, kPreviewSize, gdi::BLACKNESS);
  if (!picture_ || size_.cx <= 0 || size_.cy <= 0) return;
  const int w = std::min(size_.cx, kPreviewSize), h = std::min(size_.cy, kPreviewSize);
  gdi::PatBlt(canvas.dc(), 0, 0, w, h, gdi::WHITENESS);
  gdi::PlayMetafile(canvas.dc(), *picture_, {0, 0, size_.cx, size_.cy});
}

void Twmfimg::Image2MouseDown() {
  if (!picture_ || list_.SelectedItem().empty()) return;
  ChosenFile = (fs::path(ArtDir()) / list_.SelectedItem()).string();
  StampWidth = size_.cx;
  StampHeight = size_.cy;
  Close(platform::mrOk);
}

void Twmfimg::Image3MouseDown() {
  ChosenFile.clear();
  Close(platform::mrCancel);
}

bool PrepareClipArt() {
  FreeStampSheets();
  std::string error;
  const gdi::HMETAFILE mf = gdi::LoadMetafileFile(ChosenFile, &error);
  if (!mf) {
    ShowMessage(error, platform::MB_OK | platform::MB_ICONERROR);
    return false;
  }
  const int w = StampWidth, h = StampHeight;
  // A stamp of no width or height has nothing to draw.
  if (w <= 0 || h <= 0) return true;
  platform::SetScreenCursor(kHourglassCursor);
  gdi::HBITMAP sheet = gdi::CreateDIBSection32(2 * w, h), work = gdi::CreateDIBSection32(w, h);
  if (!sheet || !work) {
    platform::SetScreenCursor(0);
    return false;
  }
  work->Fill(0xFFFFFF);
  {
    BitmapCanvas dst(work);
    gdi::PlayMetafile(dst.dc(), *mf, {0, 0, w, h});
  }
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = work->Row(y);
    std::uint32_t* row = sheet->Row(y);
    for (int x = 0; x < w; ++x) {
      const bool white = src[x] == 0xFFFFFF;
      row[x] = white ? 0 : src[x];
      row[w + x] = white ? 0xFFFFFF : 0;
    }
  }
  StampSheet = std::move(sheet);
  StampWork = std::move(work);
  platform::SetScreenCursor(0);
  return true;
}

void ChooseClipArt() {
  CurrentTool = 0;
  SaveCanvasSnapshot();
  ChosenFile.clear();
  {
    Twmfimg chooser;
    chooser.ShowModal();
  }
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (ChosenFile.size() < 5) return;
  platform::SetScreenCursor(0);
  if (PrepareClipArt()) CurrentTool = kClipArtTool;
}

}  // namespace pd
