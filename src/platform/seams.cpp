// The replaceable seams: message boxes and desktop services.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/backend.h"

namespace platform {

namespace {
Dialogs* installed_dialogs = nullptr;
DesktopServices* installed_desktop = nullptr;
Printing* installed_printing = nullptr;

// A page of the fake printer: DrawBitmap copies pixels onto it, clipped to the page.
class FakePrintJob final : public PrintJob {
 public:
  FakePrintJob(FakePrinting& owner, FakePrinting::Document document)
      : owner_(owner), document_(std::move(document)) {}
  int PageWidth() const override { return document_.page->Width(); }
  int PageHeight() const override { return document_.page->Height(); }
  void DrawBitmap(int x, int y, const gdi::Bitmap& bitmap) override {
    ++document_.bitmaps;
    document_.largest_bitmap =
        std::max(document_.largest_bitmap, static_cast<std::size_t>(bitmap.Width()) * bitmap.Height());
    gdi::Bitmap& page = *document_.page;
    for (int row = std::max(0, -y); row < bitmap.Height() && y + row < page.Height(); ++row)
      for (int col = std::max(0, -x); col < bitmap.Width() && x + col < page.Width(); ++col)
        page.At(x + col, y + row) = bitmap.At(col, row);
  }
  void DrawText(int, int, const std::string& text) override { document_.texts.push_back(text); }
  bool End(std::string*) override {
    owner_.documents.push_back(document_);
    return true;
  }

 private:
  FakePrinting& owner_;
  FakePrinting::Document document_;
};

}  // namespace

int ScriptedDialogs::MessageBox(Window* owner, const std::string& text, const std::string& caption,
                                unsigned flags) {
  asked.push_back({text, caption, flags, owner});
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  ++unanswered;
  switch (flags & MB_TYPEMASK) {
    case MB_YESNO:
      return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
      return IDCANCEL;
    default:
      return IDOK;
  }
}

void SetDialogs(Dialogs* dialogs) { installed_dialogs = dialogs; }
Dialogs& CurrentDialogs() {
  return installed_dialogs != nullptr ? *installed_dialogs : detail::BackendDialogs();
}

int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned flags) {
  FlushAll();
  return CurrentDialogs().MessageBox(owner, text, caption, flags);
}

bool DesktopServices::CopyBitmapToClipboard(const gdi::HBITMAP&) { return false; }
bool DesktopServices::SetDesktopWallpaper(const std::string&, std::string* error) {
  if (error) *error = "this desktop has no wallpaper";
  return false;
}

bool FakeDesktop::CopyBitmapToClipboard(const gdi::HBITMAP& bitmap) {
  if (!bitmap) return false;
  clipboard = std::make_shared<gdi::Bitmap>(bitmap->Width(), bitmap->Height(), false);
  std::copy_n(bitmap->Pixels(), static_cast<std::size_t>(bitmap->Width()) * bitmap->Height(), clipboard->Pixels());
  return true;
}

bool FakeDesktop::SetDesktopWallpaper(const std::string& bitmap_path, std::string* error) {
  wallpapers.push_back(bitmap_path);
  if (!wallpaper_works && error) *error = "no way of setting the wallpaper answered";
  return wallpaper_works;
}

bool FakePrinting::Setup(Window*) {
  ++setup_calls;
  return setup_answer;
}

std::unique_ptr<PrintJob> FakePrinting::Begin(const std::string& title, PageOrientation orientation,
                                              std::string* error) {
  if (!has_printer) {
    if (error) *error = "No printer is installed.";
    return nullptr;
  }
  Document document;
  document.title = title;
  document.orientation = orientation;
  const bool portrait = orientation == PageOrientation::Portrait;
  document.page = std::make_shared<gdi::Bitmap>(portrait ? page_width : page_height,
                                                portrait ? page_height : page_width, false);
  document.page->Fill(0xFFFFFF);
  return std::make_unique<FakePrintJob>(*this, std::move(document));
}

void SetPrinting(Printing* printing) { installed_printing = printing; }
Printing& CurrentPrinting() {
  return installed_printing != nullptr ? *installed_printing : detail::BackendPrinting();
}

void FakeDesktop::InhibitScreenSaver(const std::string& why) {
  ++inhibit_calls;
  inhibited = true;
  reason = why;
}

void FakeDesktop::UninhibitScreenSaver() {
  ++uninhibit_calls;
  inhibited = false;
}

void SetDesktop(DesktopServices* desktop) { installed_desktop = desktop; }
DesktopServices& Desktop() {
  return installed_desktop != nullptr ? *installed_desktop : detail::BackendDesktop();
}

namespace detail {

void EndInhibitionAtExit() {
  // Both the installed desktop and the backend's own are asked: whichever holds an inhibition
  // gives it back.
  if (installed_desktop != nullptr && installed_desktop->ScreenSaverInhibited()) {
    installed_desktop->UninhibitScreenSaver();
  }
  if (BackendDesktop().ScreenSaverInhibited()) BackendDesktop().UninhibitScreenSaver();
}

}  // namespace detail

}  // namespace platform
