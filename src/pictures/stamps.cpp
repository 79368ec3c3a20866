#include "pictures/stamps.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "gdi/bmp.h"
#include "pictures/pictureset.h"
#include "pictures/thumbs.h"
#include "regiontools/stamps.h"

namespace pd {

namespace {

namespace fs = std::filesystem;

constexpr int kSquareTool = 83, kIconTool = 81;
constexpr int kCell = 65;

bool EndsWithBmp(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".bmp";
}

// Shows the hourglass over the whole screen for as long as it lives.
class Hourglass {
 public:
  Hourglass() {
    if (!platform::RegisteredCursor(kHourglassCursor))
      platform::RegisterCursor(kHourglassCursor, MakeHourglass());
    platform::SetScreenCursor(kHourglassCursor);
  }
  ~Hourglass() { platform::SetScreenCursor(0); }

 private:
  // A black-framed white hourglass with sand, drawn into the two cursor planes.
  static gdi::HCURSOR MakeHourglass() {
    std::array<std::uint8_t, 128> and_plane, xor_plane;
    and_plane.fill(0xFF);
    xor_plane.fill(0);
    const auto set = [&](int x, int y, bool white) {
      const int i = y * 4 + x / 8, bit = 0x80 >> (x % 8);
      and_plane[static_cast<std::size_t>(i)] &= static_cast<std::uint8_t>(~bit);
      if (white) xor_plane[static_cast<std::size_t>(i)] |= static_cast<std::uint8_t>(bit);
    };
    for (int y = 4; y < 28; ++y) {
      const int half = y < 16 ? 11 - (y - 4) * 10 / 12 : 1 + (y - 16) * 10 / 11;
      for (int x = 16 - half - 1; x <= 16 + half; ++x) {
        const bool edge = x == 16 - half - 1 || x == 16 + half || y == 4 || y == 27;
        set(x, y, !edge && !(y > 20 && y < 27));
      }
    }
    for (int x = 5; x < 27; ++x) {
      set(x, 3, false);
      set(x, 28, false);
    }
    return platform::CreateCursor(16, 16, 32, 32, and_plane.data(), xor_plane.data());
  }
};

void RepaintCanvas() {
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
}

// Copies a picture into a child window.
void BlitAsset(platform::Window& w, const char* name) {
  if (gdi::HBITMAP pic = LoadAssetBitmap(name)) {
    WindowCanvas canvas(&w);
    BitmapCanvas src(pic);
    gdi::BitBlt(canvas.dc(), 0, 0, w.ClientWidth(), w.ClientHeight(), src.dc(), 0, 0, gdi::SRCCOPY);
  }
}

}  // namespace

std::vector<std::string> ListSquareStamps(std::size_t limit) {
  std::vector<std::string> names;
  const std::string dir = platform::FindFileNoCase(AssetDir, "stamps");
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return names;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (EndsWithBmp(name) && it->is_regular_file(ec)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  if (names.size() > limit) names.resize(limit);
  std::vector<std::string> paths;
  for (const std::string& n : names) paths.push_back((fs::path(dir) / n).string());
  return paths;
}

// ---- Tstampimg -------------------------------------------------------------------------------

Tstampimg::Tstampimg() : image1_(this), image2_(this) {
  SetCaption("Just click the stamp you want...");
  SetColour(gdi::RGB(0, 0, 0));
  SetClientSize(390, 273);
  image1_.SetBounds(62, 205, 150, 46);
  image2_.SetBounds(301, 213, 41, 36);
  image1_.OnPaint = [this] { BlitAsset(image1_, "stmore.kvr"); };
  image2_.OnPaint = [this] { BlitAsset(image2_, "stcancel.kvr"); };
  image1_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image1MouseDown(); };
  image2_.OnMouseDown = [this](platform::MouseButton, unsigned, int, int) { Image2MouseDown(); };
  OnShow = [this] { FormShow(); };
  OnPaint = [this] { DrawPage(); };
  OnMouseDown = [this](platform::MouseButton, unsigned, int x, int y) { FormMouseDown(x, y); };
  image1_.Show();
  image2_.Show();
}

void Tstampimg::FormShow() {
  entries_ = ListSquareStamps();
  page_first_ = 0;
  page_last_ = std::min(LastIndex(), kPerPage - 1);
  DrawPage();
}

void Tstampimg::DrawPage() {
  WindowCanvas canvas(this);
  gdi::PatBlt(canvas.dc(), 0, 0, 400, 200, gdi::BLACKNESS);
  int x = 0, y = 0;
  for (int i = page_first_; i <= page_last_ && i <= LastIndex(); ++i) {
    // A file that cannot be read leaves its cell empty; choosing it reports why.
    std::string error;
    if (gdi::HBITMAP stamp = gdi::LoadBmpFile(entries_[static_cast<std::size_t>(i)], &error)) {
      BitmapCanvas src(stamp);
      gdi::BitBlt(canvas.dc(), x, y, 64, 64, src.dc(), 0, 0, gdi::SRCCOPY);
    }
    x += kCell;
    if (x > 330) {
      x = 0;
      y += kCell;
    }
  }
}

void Tstampimg::FormMouseDown(int x, int y) {
  // The three rows of stamps end at y 195; below them (y div 65 would be a fourth row, the next
  // page's first) nothing is chosen.
  if (x < 0 || y < 0 || y >= 195 || x >= 6 * kCell) return;
  const int index = x / kCell + (y / kCell) * 6 + page_first_;
  if (index > page_last_) return;
  ChosenFile = entries_[static_cast<std::size_t>(index)];
  Close(platform::mrOk);
}

void Tstampimg::Image1MouseDown() {
  const int last = LastIndex();
  if (page_last_ >= last) {
    page_first_ = 0;
    page_last_ = std::min(last, kPerPage - 1);
  } else if (page_last_ + kPerPage <= last) {
    page_first_ += kPerPage;
    page_last_ += kPerPage;
  } else {
    page_first_ += kPerPage;
    page_last_ = last;
  }
  DrawPage();
}

void Tstampimg::Image2MouseDown() {
  ChosenFile.clear();
  Close(platform::mrCancel);
}

// ---- Tstampwin -------------------------------------------------------------------------------

Tstampwin::Tstampwin() : scroll_box_(this) {
  SetCaption("Just click on the stamp you want !!");
  SetClientSize(479, 117);
  scroll_box_.SetColour(gdi::RGB(255, 255, 255));
  scroll_box_.SetBounds(0, -1, 480, 117);
  scroll_box_.SetPicture(LoadAssetBitmap("stampwin.kvr"));
  scroll_box_.OnPictureMouseDown = [this](platform::MouseButton, unsigned, int x, int y) {
    Image1MouseDown(x, y);
  };
  scroll_box_.Show();
}

void Tstampwin::Image1MouseDown(int x, int y) {
  // Only the stamps themselves: the picture is 60 stamps across and 3 down.
  if (x < 0 || y < 0 || x >= 60 * 32 || y >= 3 * 32) return;
  StampNumber = x / 32 + (y / 32) * 60 + 20;
  Close(platform::mrOk);
}

// ---- preparation -----------------------------------------------------------------------------

bool PrepareSquareStamp() {
  Hourglass busy;
  FreeStampSheets();
  std::string error;
  gdi::HBITMAP stamp = gdi::LoadBmpFile(ChosenFile, &error);
  if (!stamp) {
    ShowMessage(error, platform::MB_OK | platform::MB_ICONERROR);
    return false;
  }
  StampWidth = 64;
  StampHeight = 64;
  // The sheet starts from the template, which is then whitened and overwritten; a template that
  // is missing or too small is replaced by a new white sheet.
  gdi::HBITMAP sheet = LoadAssetBitmap("a22.kvr");
  if (!sheet || sheet->Width() < 128 || sheet->Height() < 64) sheet = gdi::CreateDIBSection32(128, 64);
  {
    BitmapCanvas s(sheet), w(stamp);
    gdi::PatBlt(s.dc(), 0, 0, 128, 64, gdi::WHITENESS);
    gdi::BitBlt(s.dc(), 0, 0, 64, 64, w.dc(), 0, 0, gdi::SRCCOPY);
    gdi::BitBlt(s.dc(), 64, 0, 64, 64, w.dc(), 0, 0, gdi::SRCCOPY);
  }
  const std::uint32_t clear = gdi::PixelFromColorref(kStampTransparent);
  for (int y = 0; y < 64; ++y) {
    std::uint32_t* row = sheet->Row(y);
    for (int x = 0; x < 64; ++x)
      if (row[x] == clear) row[x] = 0;
    for (int x = 64; x < 128; ++x) row[x] = row[x] == clear ? 0xFFFFFF : 0;
  }
  StampSheet = std::move(sheet);
  StampWork = std::move(stamp);
  // The work bitmap must hold the whole placed area.
  if (StampWork->Width() < 64 || StampWork->Height() < 64) StampWork = gdi::CreateDIBSection32(64, 64);
  return true;
}

void MakeStampCursor() {
  using namespace gdi;
  if (!StampIcon) return;
  HBITMAP a = CreateBitmap(32, 32, 1, 1, nullptr), b = CreateBitmap(32, 32, 1, 1, nullptr),
          c = CreateBitmap(32, 32, 1, 1, nullptr);
  HDC da = CreateCompatibleDC(nullptr), db = CreateCompatibleDC(nullptr), dc = CreateCompatibleDC(nullptr);
  SelectObject(da, a);
  SelectObject(db, b);
  SelectObject(dc, c);
  PatBlt(da, 0, 0, 32, 32, WHITENESS);
  PatBlt(db, 0, 0, 32, 32, BLACKNESS);
  DrawIcon(da, 0, 0, StampIcon);
  DrawIcon(db, 0, 0, StampIcon);
  // C is 1 where the icon lets the screen show through and 0 where it covers it.
  BitBlt(dc, 0, 0, 32, 32, da, 0, 0, SRCCOPY);
  BitBlt(dc, 0, 0, 32, 32, db, 0, 0, SRCINVERT);
  // The double crosshair, 1 in both planes: it inverts the screen beneath.
  for (const HDC& d : {dc, db}) {
    SelectObject(d, GetStockObject(WHITE_PEN));
    for (int k : {15, 17}) {
      MoveToEx(d, 0, k, nullptr);
      LineTo(d, 31, k);
      MoveToEx(d, k, 0, nullptr);
      LineTo(d, k, 31);
    }
  }
  std::array<std::uint8_t, 128> xor_plane{}, and_plane{};
  GetBitmapBits(b, 128, xor_plane.data());
  GetBitmapBits(c, 128, and_plane.data());
  // Registering under the number replaces, and so frees, the cursor of the previous stamp.
  platform::RegisterCursor(kStampCursor,
                           platform::CreateCursor(16, 16, 32, 32, and_plane.data(), xor_plane.data()));
}

// ---- the PICTURES buttons --------------------------------------------------------------------

void ChooseSquareStamp() {
  CurrentTool = 0;
  SaveCanvasSnapshot();
  ChosenFile.clear();
  {
    Tstampimg chooser;
    chooser.ShowModal();
  }
  RepaintCanvas();
  // A cancelled chooser prepares nothing and leaves no tool.
  if (ChosenFile.size() < 5) return;
  platform::SetScreenCursor(0);
  if (PrepareSquareStamp()) CurrentTool = kSquareTool;
}

void ChooseLargeStamp(int kind) {
  CurrentTool = 0;
  ChooserMode = kind == 4 ? 2 : 3;
  if (!PicturesAvailable()) return;
  DialogResult = false;
  ShowThumbs();
  RepaintCanvas();
  LargeStampKind = kind;
  CurrentTool = DialogResult ? 51 : 0;
}

void ChooseIconStamp() {
  CurrentTool = 0;
  {
    Tstampwin chooser;
    chooser.ShowModal();
  }
  RepaintCanvas();
  // The chooser closes only with a stamp chosen; closed any other way, the previous stamp stays.
  CurrentTool = kIconTool;
  StampIcon = LoadIconSheet("icons/icon" + std::to_string(StampNumber) + ".kvr");
  MakeStampCursor();
}

}  // namespace pd
