// Windows, their surfaces and the modal-form protocol: the part that does not depend on the
// backend.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/backend.h"

namespace platform {

namespace {

std::vector<Window*>& Registry() {
  static std::vector<Window*> windows;
  return windows;
}

ModalScript& ScriptSlot() {
  static ModalScript script;
  return script;
}

// A new surface of the window's client size: the old pixels where they fit, the window colour
// elsewhere.
void ResizeSurface(Window::Impl& w) {
  if (w.transparent) {
    w.surface.reset();
    return;
  }
  const int inset = detail::ClientInset(*w.self);
  const int cw = std::max(0, w.width - 2 * inset);
  const int ch = std::max(0, w.height - 2 * inset);
  if (w.surface && w.surface->Width() == cw && w.surface->Height() == ch) return;
  auto fresh = std::make_shared<gdi::Bitmap>(cw, ch, false);
  fresh->Fill(gdi::PixelFromColorref(w.colour & 0xFFFFFF));
  if (w.surface) {
    const int keep_w = std::min(cw, w.surface->Width());
    const int keep_h = std::min(ch, w.surface->Height());
    for (int y = 0; y < keep_h; ++y) {
      std::memcpy(fresh->Row(y), w.surface->Row(y), sizeof(std::uint32_t) * keep_w);
    }
  }
  w.surface = std::move(fresh);
}

// Asks the first paint of every window in the subtree that is showing and was never painted.
void RequestFirstPaints(Window& w) {
  if (!w.Showing()) return;
  // A paint asked while the window was hidden is asked again: the backend dropped it.
  if (!w.impl().painted_once || w.impl().paint_pending) w.Invalidate();
  for (Window* child : w.Children()) RequestFirstPaints(*child);
}

// Labels show their caption and every control its window colour.
void ControlStyleChanged(Window::Impl& w) {
  if (w.control != nullptr && w.control->ControlPeer() != nullptr) {
    w.control->ControlPeer()->Changed(detail::ControlChange::Style);
  }
}

}  // namespace

namespace detail {

const std::vector<Window*>& AllWindows() { return Registry(); }
ModalScript& CurrentModalScript() { return ScriptSlot(); }

int ClientInset(const Window& window) {
  const auto& w = window.impl();
  return (w.parent != nullptr && w.border == BorderStyle::Single) ? 1 : 0;
}

void DeliverPaint(Window& window) {
  auto& w = window.impl();
  if (!w.paint_pending || !window.Showing()) return;
  w.paint_pending = false;
  w.painted_once = true;
  if (window.OnPaint) window.OnPaint();
  window.MarkDirty();
}

void DesktopMoved(Window& window, int left, int top) {
  window.impl().left = left;
  window.impl().top = top;
}

void DesktopResized(Window& window, int width, int height) {
  auto& w = window.impl();
  if (w.width == width && w.height == height) return;
  w.width = width;
  w.height = height;
  ResizeSurface(w);
  if (window.OnResize) window.OnResize();
}

gdi::RECT TakeChangedRect(Window& window) {
  auto& w = window.impl();
  if (!w.surface) return {};
  const gdi::Bitmap& s = *w.surface;
  const int sw = s.Width(), sh = s.Height();
  const gdi::RECT touched = s.TakeTouched();
  if (sw != w.shown_w || sh != w.shown_h) {
    w.shown.assign(s.Pixels(), s.Pixels() + static_cast<std::size_t>(sw) * sh);
    w.shown_w = sw;
    w.shown_h = sh;
    w.compare_all = false;
    return (sw > 0 && sh > 0) ? gdi::RECT{0, 0, sw, sh} : gdi::RECT{};
  }
  // Drawing records the box it visited, so an icon-strip frame costs a compare of its own 400 x
  // 40 pixels rather than of the whole window.
  int cx0 = 0, cx1 = sw, cy0 = 0, cy1 = sh;
  if (!w.compare_all) {
    cx0 = std::clamp(touched.left, 0, sw);
    cx1 = std::clamp(touched.right, 0, sw);
    cy0 = std::clamp(touched.top, 0, sh);
    cy1 = std::clamp(touched.bottom, 0, sh);
    if (cx0 >= cx1 || cy0 >= cy1) return {};
  }
  w.compare_all = false;
  int left = sw, right = 0, top = sh, bottom = 0;
  for (int y = cy0; y < cy1; ++y) {
    const std::uint32_t* now = s.Row(y);
    std::uint32_t* was = w.shown.data() + static_cast<std::size_t>(y) * sw;
    if (std::memcmp(now + cx0, was + cx0, sizeof(std::uint32_t) * (cx1 - cx0)) == 0) continue;
    int x0 = cx0;
    while (now[x0] == was[x0]) ++x0;
    int x1 = cx1;
    while (now[x1 - 1] == was[x1 - 1]) --x1;
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, y);
    bottom = y + 1;
    std::memcpy(was + x0, now + x0, sizeof(std::uint32_t) * (x1 - x0));
  }
  if (top >= bottom) return {};
  return {left, top, right, bottom};
}

void CursorListChanged() {
  for (Window* w : Registry()) w->impl().peer->CursorChanged();
}

}  // namespace detail

// ---- Window ----------------------------------------------------------------------------------

Window::Window(Window* parent) : impl_(std::make_unique<Impl>()) {
  impl_->self = this;
  impl_->parent = parent;
  if (parent != nullptr) parent->impl_->children.push_back(this);
  ResizeSurface(*impl_);
  Registry().push_back(this);
  impl_->peer = detail::CreateWindowPeer(*this);
}

Window::~Window() {
  // The focus of the top-level window must not be left on a control that goes with this one.
  Window* top = TopLevel();
  for (Window* w = top->impl_->focus; w != nullptr; w = w->impl_->parent) {
    if (w == this) {
      top->impl_->focus = nullptr;
      break;
    }
  }
  // Children that outlive their parent become hidden orphans rather than dangling.
  for (Window* child : impl_->children) {
    child->impl_->visible = false;
    child->impl_->parent = nullptr;
  }
  if (impl_->parent != nullptr) {
    auto& siblings = impl_->parent->impl_->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  impl_->peer.reset();
  auto& all = Registry();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

Window* Window::Parent() const { return impl_->parent; }
const std::vector<Window*>& Window::Children() const { return impl_->children; }
Window* Window::TopLevel() {
  Window* w = this;
  while (w->impl_->parent != nullptr) w = w->impl_->parent;
  return w;
}

int Window::Left() const { return impl_->left; }
int Window::Top() const { return impl_->top; }
int Window::Width() const { return impl_->width; }
int Window::Height() const { return impl_->height; }
gdi::RECT Window::BoundsRect() const {
  return {impl_->left, impl_->top, impl_->left + impl_->width, impl_->top + impl_->height};
}
int Window::ClientWidth() const { return std::max(0, impl_->width - 2 * detail::ClientInset(*this)); }
int Window::ClientHeight() const {
  return std::max(0, impl_->height - 2 * detail::ClientInset(*this));
}

void Window::SetBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  auto& w = *impl_;
  if (w.left == left && w.top == top && w.width == width && w.height == height) return;
  const bool resized = w.width != width || w.height != height;
  w.left = left;
  w.top = top;
  w.width = width;
  w.height = height;
  ResizeSurface(w);
  w.peer->BoundsChanged();
  if (resized && OnResize) OnResize();
}
void Window::SetLeft(int left) { SetBounds(left, impl_->top, impl_->width, impl_->height); }
void Window::SetTop(int top) { SetBounds(impl_->left, top, impl_->width, impl_->height); }
void Window::SetWidth(int width) { SetBounds(impl_->left, impl_->top, width, impl_->height); }
void Window::SetHeight(int height) { SetBounds(impl_->left, impl_->top, impl_->width, height); }
void Window::SetClientSize(int width, int height) {
  const int inset = detail::ClientInset(*this);
  SetBounds(impl_->left, impl_->top, width + 2 * inset, height + 2 * inset);
}

void Window::Maximize() {
  if (!IsTopLevel()) return;
  const gdi::RECT area = ScreenWorkArea();
  SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  impl_->peer->Maximize();
}

void Window::SetBorderStyle(BorderStyle style) {
  if (impl_->border == style) return;
  impl_->border = style;
  ResizeSurface(*impl_);
  impl_->peer->StyleChanged();
}
BorderStyle Window::GetBorderStyle() const { return impl_->border; }

void Window::SetColour(gdi::COLORREF colour) {
  impl_->colour = colour & 0xFFFFFF;
  impl_->peer->StyleChanged();
  ControlStyleChanged(*impl_);
}
gdi::COLORREF Window::Colour() const { return impl_->colour; }

void Window::SetTransparent(bool transparent) {
  if (impl_->transparent == transparent) return;
  impl_->transparent = transparent;
  impl_->surface.reset();
  impl_->shown_w = impl_->shown_h = -1;
  ResizeSurface(*impl_);
  impl_->peer->StyleChanged();
}
bool Window::Transparent() const { return impl_->transparent; }

void Window::SetCaption(const std::string& caption) {
  impl_->caption = caption;
  impl_->peer->StyleChanged();
  ControlStyleChanged(*impl_);
}
const std::string& Window::Caption() const { return impl_->caption; }

void Window::SetWindowRgn(const gdi::HRGN& region) {
  if (!IsTopLevel()) return;
  if (region) {
    impl_->shape = gdi::CreateRectRgn(0, 0, 0, 0);
    gdi::CombineRgn(impl_->shape, region, region, gdi::RGN_COPY);
  } else {
    impl_->shape.reset();
  }
  impl_->peer->ShapeChanged();
}
const gdi::HRGN& Window::WindowRgn() const { return impl_->shape; }

void Window::Show() { SetVisible(true); }
void Window::Hide() { SetVisible(false); }
void Window::SetVisible(bool visible) {
  if (impl_->visible == visible) return;
  impl_->visible = visible;
  impl_->peer->VisibilityChanged();
  if (visible) {
    if (OnShow) OnShow();
    RequestFirstPaints(*this);
    if (IsTopLevel() && impl_->visible) detail::FocusFirstControl(*this);
  }
}
bool Window::Visible() const { return impl_->visible; }
bool Window::Showing() const {
  for (const Window* w = this; w != nullptr; w = w->impl_->parent) {
    if (!w->impl_->visible) return false;
  }
  return true;
}

const gdi::HBITMAP& Window::Surface() const { return impl_->surface; }

void Window::Invalidate() {
  impl_->paint_pending = true;
  impl_->peer->PaintRequested();
}

void Window::MarkDirty() {
  if (!impl_->surface) return;
  impl_->compare_all = true;
  impl_->peer->Dirty();
}

void Window::SetCursor(int number) {
  if (impl_->cursor == number) return;
  impl_->cursor = number;
  impl_->peer->CursorChanged();
}
int Window::Cursor() const { return impl_->cursor; }
int Window::CursorAt(int x, int y) const {
  if (OnCursorAt) {
    const int number = OnCursorAt(x, y);
    if (number >= 0) return number;
  }
  return impl_->cursor;
}

void Window::SetHint(const std::string& hint) { impl_->hint = hint; }
const std::string& Window::Hint() const { return impl_->hint; }
std::string Window::HintAt(int x, int y) const {
  if (OnHintAt) return OnHintAt(x, y);
  if (!impl_->hint.empty() || impl_->parent == nullptr) return impl_->hint;
  const Window& p = *impl_->parent;
  const int inset = detail::ClientInset(*this);
  return p.HintAt(x + impl_->left + inset, y + impl_->top + inset);
}

void Window::Close() {
  if (OnCloseQuery && !OnCloseQuery()) return;
  auto& w = *impl_;
  if (w.modal && w.modal_result == mrNone) w.modal_result = mrCancel;
  if (OnClose) OnClose();
  Hide();
  if (w.modal) w.peer->EndModal();
  if (Application::Exists() && Application::Instance().MainWindow() == this) {
    Application::Instance().Quit();
  }
}

// ---- drawing ---------------------------------------------------------------------------------

gdi::HDC GetDC(HWND window) {
  if (window == nullptr || !window->Surface()) return nullptr;
  // What the DC draws is recorded in the surface's touched box, so the window only needs to
  // know that something may change.
  window->impl().peer->Dirty();
  return gdi::CreateSurfaceDC(window->Surface());
}

int ReleaseDC(HWND window, gdi::HDC& dc) {
  dc.reset();
  if (window != nullptr && window->Surface()) window->impl().peer->Dirty();
  return 1;
}

void Flush(HWND window) {
  if (window == nullptr) return;
  // A routine that keeps one DC for many frames draws without telling the window again; what it
  // drew is in the surface's touched box, so only that is compared.
  if (window->Surface()) window->impl().peer->Dirty();
  window->impl().peer->FlushNow();
}

void FlushAll() {
  for (Window* w : detail::AllWindows()) w->impl().peer->FlushNow();
}

double detail::ClampedFrameInterval(double hz) {
  if (!(hz > 0)) hz = 60;
  return 1000.0 / std::clamp(hz, 24.0, 240.0);
}

void PresentFrame(HWND window) {
  Flush(window);
  // Refreshes are taken to fall on whole multiples of the interval since the clock's start; the
  // next one is the first at least a millisecond ahead.
  const double interval = FrameInterval();
  const std::uint64_t now = GetTickCount64();
  double k = std::floor(static_cast<double>(now) / interval) + 1;
  if (std::llround(k * interval) <= static_cast<long long>(now)) k += 1;
  SleepUntil(static_cast<std::uint64_t>(std::llround(k * interval)));
}

// ---- Form ------------------------------------------------------------------------------------

Form::Form() : Window(nullptr) {
  impl().is_form = true;
  SetBorderStyle(BorderStyle::Single);
}

int Form::ShowModal() {
  auto& w = impl();
  if (w.modal) return mrCancel;  // already shown modally: a second loop could never end
  const gdi::RECT area = ScreenWorkArea();
  SetBounds(area.left + (area.right - area.left - Width()) / 2,
            area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
  w.modal = true;
  w.modal_result = mrNone;
  int result;
  if (const ModalScript& script = detail::CurrentModalScript()) {
    const ModalScript keep = script;  // the script may replace itself
    Show();
    detail::ModalScriptShown(*this);
    result = keep(*this);
    w.modal_result = result;
    Hide();
    detail::ModalScriptHidden(*this);
  } else {
    result = w.peer->RunModal();
  }
  w.modal = false;
  return result;
}

bool Form::Modal() const { return impl().modal; }

void Form::Close(int result) {
  impl().modal_result = result;
  Window::Close();
}

void Form::SetModalResult(int result) {
  impl().modal_result = result;
  if (result != mrNone && impl().modal) {
    Hide();
    impl().peer->EndModal();
  }
}

int Form::ModalResult() const { return impl().modal_result; }

void SetModalScript(ModalScript script) { ScriptSlot() = std::move(script); }

}  // namespace platform
