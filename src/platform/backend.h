// What the shared part of the platform layer needs from a backend, and the shared state the
// backends work on. Private to src/platform.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform {

namespace detail {

// The backend's side of one window: a toolkit widget, or nothing at all headless. The shared
// Window keeps the state; the peer follows it when told.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void BoundsChanged() = 0;
  virtual void VisibilityChanged() = 0;
  virtual void StyleChanged() = 0;  // border, colour, transparency, caption
  virtual void ShapeChanged() {}     // the window region
  virtual void CursorChanged() = 0;
  virtual void Maximize() = 0;
  // The surface may have changed: bring it to the screen once the current event returns.
  virtual void Dirty() = 0;
  // Bring it to the screen now, delivering no event.
  virtual void FlushNow() = 0;
  // An OnPaint is due: deliver it from the message loop.
  virtual void PaintRequested() = 0;
  // Runs a modal loop for a Form until its modal result is set; returns the result.
  virtual int RunModal() = 0;
  virtual void EndModal() = 0;
};

std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window);

// The toolkit widget of a form control, following the shared state when told what changed.
enum class ControlChange { Style, Text, Selection, Items, ItemIndex, TopIndex, Range, Focus };
// Made by each kind's constructor (the control is complete by then).
std::unique_ptr<Control::Peer> CreateControlPeer(Control& control);
// Characters (code points) of UTF-8 text, and the byte offset of the character at index (the end
// when past it).
int Utf8Length(const std::string& s);
std::size_t Utf8Offset(const std::string& s, int index);
// A shown top-level window gives the focus to its first control that takes it, unless it has one.
void FocusFirstControl(Window& top);

// The backends' Application constructor claims the one live application (aborting when another
// lives); its destructor releases it.
void ClaimApplication(Application& app);
void ReleaseApplication();

Dialogs& BackendDialogs();
DesktopServices& BackendDesktop();
Printing& BackendPrinting();

// The script path of Form::ShowModal: after the form is shown, and after it is hidden again.
void ModalScriptShown(Form& form);
void ModalScriptHidden(Form& form);

// Shared registry and events, used by both backends.
const std::vector<Window*>& AllWindows();
ModalScript& CurrentModalScript();
// Delivers the window's OnPaint if one is due and the window is showing.
void DeliverPaint(Window& window);
// The desktop changed a top-level window's geometry: follow it without telling the peer back.
void DesktopMoved(Window& window, int left, int top);
void DesktopResized(Window& window, int width, int height);
// Per pixel, compares the surface with what was last brought to the screen and returns the box
// of what changed since (empty when nothing did), remembering the surface as shown.
gdi::RECT TakeChangedRect(Window& window);
// Client inset: 1 for a child window with a single border, 0 otherwise.
int ClientInset(const Window& window);
// Tells every window showing a cursor number that the screen's cursor list changed.
void CursorListChanged();
// The backend shows the screen cursor (SetScreenCursor) over every window; 0 removes it.
void ApplyScreenCursor(int number);
// Empties the screen's cursor list (headless Reset).
void ClearCursorList();
// The time between refreshes for a refresh rate in hertz, the rate kept within 24..240 Hz
// (60 Hz for a rate the screen does not know, 0 or less).
double ClampedFrameInterval(double hz);
// Ends a screen-saver inhibition at process exit, if one is still held; registered with atexit
// once the first inhibition is asked for.
void EndInhibitionAtExit();

}  // namespace detail

class Control::Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(detail::ControlChange what) = 0;
};

struct Window::Impl {
  Window* self = nullptr;
  Window* parent = nullptr;
  std::vector<Window*> children;
  int left = 0, top = 0, width = 0, height = 0;
  BorderStyle border = BorderStyle::None;
  gdi::COLORREF colour = 0xFFFFFF;
  bool transparent = false;
  std::string caption;
  gdi::HRGN shape;  // null: the whole window
  bool visible = false;
  bool painted_once = false;
  bool paint_pending = false;
  gdi::HBITMAP surface;
  // What was last brought to the screen, for finding what changed.
  std::vector<std::uint32_t> shown;
  int shown_w = -1, shown_h = -1;
  // Whether the whole surface must be compared with what is shown (pixels were written without
  // the surface's touched box knowing); otherwise only the touched box is.
  bool compare_all = true;
  int cursor = 0;
  std::string hint;
  // Forms.
  bool is_form = false;
  bool modal = false;
  int modal_result = 0;
  std::unique_ptr<detail::WindowPeer> peer;
  // Form controls: the control this window is, and for a top-level window the one with the focus.
  Control* control = nullptr;
  Control* focus = nullptr;
};

}  // namespace platform
