// The replaceable seams: message boxes and desktop services.
#include <cstdlib>

#include "platform/backend.h"

namespace platform {

namespace {
Dialogs* installed_dialogs = nullptr;
DesktopServices* installed_desktop = nullptr;
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
bool DesktopServices::SetDesktopWallpaper(const std::string&) { return false; }

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
