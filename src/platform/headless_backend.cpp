// The headless backend: windows are surfaces, time is a counter, input comes from the test.
#include <algorithm>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/headless_internal.h"

namespace platform {

struct Timer::Impl {
  Timer* self = nullptr;
  unsigned interval = 1000;
  bool enabled = false;
  std::uint64_t due = 0;
  std::uint64_t order = 0;  // when it was last started, to keep ties in order
};

struct Application::Impl {
  std::string title;
  Window* main = nullptr;
  bool terminated = false;
  gdi::HICON icon;
};

namespace {

struct State {
  std::uint64_t clock = 0;
  int screen_w = 1024, screen_h = 768;
  std::vector<Window*> pending_paints;
  Window* capture = nullptr;
  unsigned held = 0;
  ScriptedDialogs dialogs;
  FakeDesktop desktop;
  FakePrinting printing;
  bool quit = false;
  int flushes = 0;
  double refresh_hz = 60;
  bool app_active = true;
  Window* active = nullptr;          // the active top-level window
  Window* activate_pending = nullptr;  // becomes active at the next pump
  std::uint64_t start_order = 0;
  std::vector<Timer::Impl*> timers;
};

State& S() {
  static State state;
  return state;
}

unsigned ButtonBit(MouseButton b) {
  switch (b) {
    case MouseButton::Left:
      return ssLeft;
    case MouseButton::Right:
      return ssRight;
    case MouseButton::Middle:
      return ssMiddle;
  }
  return 0;
}

// The screen position of the window's client (0, 0), for moving points between windows.
gdi::POINT ClientOrigin(const Window& w) {
  gdi::POINT p{0, 0};
  for (const Window* v = &w; v != nullptr; v = v->Parent()) {
    const int inset = detail::ClientInset(*v);
    p.x += v->Left() + inset;
    p.y += v->Top() + inset;
  }
  return p;
}

void Translate(const Window& from, const Window& to, int& x, int& y) {
  const gdi::POINT a = ClientOrigin(from), b = ClientOrigin(to);
  x += a.x - b.x;
  y += a.y - b.y;
}

// Makes the next top-level window active when the active one goes away.
Window* NextActive(Window* leaving) {
  if (Application::Exists()) {
    Window* main = Application::Instance().MainWindow();
    if (main != nullptr && main != leaving && main->Visible()) return main;
  }
  const auto& all = detail::AllWindows();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    if (*it != leaving && (*it)->IsTopLevel() && (*it)->Visible()) return *it;
  }
  return nullptr;
}

void SetActive(Window* w) {
  State& s = S();
  if (s.active == w) return;
  Window* old = s.active;
  s.active = w;
  if (old != nullptr && old->OnDeactivate) old->OnDeactivate();
  if (w != nullptr && w->OnActivate) w->OnActivate();
}

// What the message loop does when the queue runs dry: activation, then paints, then the screen.
void Idle() {
  State& s = S();
  if (s.activate_pending != nullptr) {
    Window* w = s.activate_pending;
    s.activate_pending = nullptr;
    if (w->Visible() && s.app_active) SetActive(w);
  }
  while (!s.pending_paints.empty()) {
    Window* w = s.pending_paints.front();
    s.pending_paints.erase(s.pending_paints.begin());
    detail::DeliverPaint(*w);
  }
  for (Window* w : detail::AllWindows()) detail::TakeChangedRect(*w);
}

class HeadlessPeer final : public detail::WindowPeer {
 public:
  explicit HeadlessPeer(Window& w) : w_(w) {}
  ~HeadlessPeer() override {
    State& s = S();
    auto& p = s.pending_paints;
    p.erase(std::remove(p.begin(), p.end(), &w_), p.end());
    if (s.capture == &w_) {
      s.capture = nullptr;
      s.held = 0;
    }
    if (s.activate_pending == &w_) s.activate_pending = nullptr;
    if (s.active == &w_) s.active = nullptr;
  }
  void BoundsChanged() override {}
  void VisibilityChanged() override {
    State& s = S();
    if (!w_.Visible() && s.capture != nullptr) {
      for (Window* v = s.capture; v != nullptr; v = v->Parent()) {
        if (v == &w_) {
          s.capture = nullptr;
          s.held = 0;
          break;
        }
      }
    }
    if (!w_.IsTopLevel()) return;
    if (w_.Visible()) {
      s.activate_pending = &w_;
    } else if (s.active == &w_ || s.activate_pending == &w_) {
      s.activate_pending = NextActive(&w_);
      if (s.active == &w_) SetActive(nullptr);
    }
  }
  void StyleChanged() override {}
  void CursorChanged() override {}
  void Maximize() override {}
  void Dirty() override { dirty_ = true; }
  void FlushNow() override {
    if (!dirty_) return;
    dirty_ = false;
    const gdi::RECT r = detail::TakeChangedRect(w_);
    if (r.right > r.left) ++S().flushes;
  }
  void PaintRequested() override {
    auto& p = S().pending_paints;
    if (std::find(p.begin(), p.end(), &w_) == p.end()) p.push_back(&w_);
  }
  int RunModal() override {
    // Nobody can answer a form headless without a script: it is shown and cancelled.
    Form& form = static_cast<Form&>(w_);
    form.Show();
    Idle();
    form.Hide();
    Idle();
    return mrCancel;
  }
  void EndModal() override {}

 private:
  Window& w_;
  bool dirty_ = false;
};

void StartTimer(Timer::Impl& t) {
  t.due = S().clock + t.interval;
  t.order = ++S().start_order;
}

}  // namespace

namespace headless_twin {

int TypedChar(int vk, unsigned shift) {
  const bool shifted = (shift & ssShift) != 0;
  if (vk >= 'A' && vk <= 'Z') return shifted ? vk : vk - 'A' + 'a';
  if (vk >= '0' && vk <= '9' && !shifted) return vk;
  switch (vk) {
    case VK_SPACE:
      return ' ';
    case VK_RETURN:
      return 13;
    case VK_BACK:
      return 8;
    case VK_TAB:
      return 9;
    case VK_ESCAPE:
      return 27;
    default:
      return 0;
  }
}

}  // namespace headless_twin

// ---- backend hooks ---------------------------------------------------------------------------

namespace detail {

std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) {
  return std::make_unique<HeadlessPeer>(window);
}
Dialogs& BackendDialogs() { return S().dialogs; }
DesktopServices& BackendDesktop() { return S().desktop; }
Printing& BackendPrinting() { return S().printing; }
void ModalScriptShown(Form&) {
  // As on the desktop, a modal form that opens ends the mouse capture of the press that opened
  // it: the form's own clicks go to the form, never back to the button under that press.
  S().capture = nullptr;
  Idle();
}
void ModalScriptHidden(Form&) { Idle(); }
void ApplyScreenCursor(int) {}

}  // namespace detail

// ---- timers ----------------------------------------------------------------------------------

Timer::Timer() : impl_(std::make_unique<Impl>()) {
  impl_->self = this;
  S().timers.push_back(impl_.get());
}
Timer::~Timer() {
  auto& t = S().timers;
  t.erase(std::remove(t.begin(), t.end(), impl_.get()), t.end());
}
void Timer::SetInterval(unsigned ms) {
  if (impl_->interval == ms) return;
  impl_->interval = ms;
  if (impl_->enabled) StartTimer(*impl_);
}
unsigned Timer::Interval() const { return impl_->interval; }
void Timer::SetEnabled(bool enabled) {
  if (impl_->enabled == enabled) return;
  impl_->enabled = enabled;
  if (enabled) StartTimer(*impl_);
}
bool Timer::Enabled() const { return impl_->enabled; }

// ---- application -----------------------------------------------------------------------------

Application::Application(int&, char**) : impl_(std::make_unique<Impl>()) {
  detail::ClaimApplication(*this);
  static const bool registered = std::atexit(detail::EndInhibitionAtExit) == 0;
  (void)registered;
}

Application::~Application() {
  detail::EndInhibitionAtExit();
  detail::ReleaseApplication();
}

void Application::SetTitle(const std::string& title) { impl_->title = title; }
const std::string& Application::Title() const { return impl_->title; }
void Application::SetIcon(const gdi::HICON& icon) { impl_->icon = icon; }

int Application::Run(Window& main_window) {
  impl_->main = &main_window;
  if (impl_->terminated) return 0;
  main_window.Show();
  Idle();
  return 0;
}
Window* Application::MainWindow() const { return impl_->main; }
void Application::Quit() {
  impl_->terminated = true;
  S().quit = true;
}
bool Application::Terminated() const { return impl_->terminated; }
void Application::ProcessMessages() {
  FlushAll();
  Idle();
}
bool Application::Active() const { return S().app_active; }

// ---- screen and time -------------------------------------------------------------------------

gdi::RECT ScreenWorkArea() { return {0, 0, S().screen_w, S().screen_h}; }
int ScreenWidth() { return S().screen_w; }
int ScreenHeight() { return S().screen_h; }
std::uint32_t GetTickCount() { return static_cast<std::uint32_t>(S().clock); }
void Sleep(unsigned ms) { S().clock += ms; }
std::uint64_t GetTickCount64() { return S().clock; }
void SleepUntil(std::uint64_t tick) { S().clock = std::max(S().clock, tick); }
double FrameInterval() { return detail::ClampedFrameInterval(S().refresh_hz); }

// ---- test controls ---------------------------------------------------------------------------

namespace headless {

void Reset() {
  State& s = S();
  s.clock = 0;
  s.screen_w = 1024;
  s.screen_h = 768;
  s.pending_paints.clear();
  for (Window* w : detail::AllWindows()) w->impl().paint_pending = false;
  s.capture = nullptr;
  s.held = 0;
  s.dialogs = ScriptedDialogs{};
  s.desktop = FakeDesktop{};
  s.printing = FakePrinting{};
  s.quit = false;
  s.flushes = 0;
  s.refresh_hz = 60;
  s.app_active = true;
  s.active = nullptr;
  s.activate_pending = nullptr;
  SetModalScript({});
  SetDialogs(nullptr);
  SetDesktop(nullptr);
  SetPrinting(nullptr);
  detail::ClearCursorList();
  for (Timer::Impl* t : s.timers) {
    if (t->enabled) StartTimer(*t);
  }
}

void SetScreenSize(int width, int height) {
  S().screen_w = width;
  S().screen_h = height;
}

void AdvanceClock(std::uint32_t ms) {
  State& s = S();
  Idle();
  const std::uint64_t target = s.clock + ms;
  for (;;) {
    Timer::Impl* next = nullptr;
    for (Timer::Impl* t : s.timers) {
      if (!t->enabled || t->interval == 0 || t->due > target) continue;
      if (next == nullptr || t->due < next->due || (t->due == next->due && t->order < next->order)) {
        next = t;
      }
    }
    if (next == nullptr) break;
    s.clock = std::max(s.clock, next->due);
    // The next period is the first one after now: a timer whose loop was blocked (a handler that
    // slept) fires once when the loop runs again, not once per missed period.
    do {
      next->due += next->interval;
    } while (next->due <= s.clock);
    Timer* timer = next->self;
    if (timer->OnTimer) timer->OnTimer();
    Idle();
  }
  s.clock = std::max(s.clock, target);
}

std::uint32_t Now() { return static_cast<std::uint32_t>(S().clock); }
void SetRefreshRate(double hz) { S().refresh_hz = hz; }

void Pump() { Idle(); }

Window* WindowAt(Window& window, int x, int y, int* client_x, int* client_y) {
  Window* w = &window;
  for (;;) {
    Window* hit = nullptr;
    const auto& kids = w->Children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
      const gdi::RECT r = (*it)->BoundsRect();
      if ((*it)->Visible() && x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
        hit = *it;
        break;
      }
    }
    if (hit == nullptr) break;
    const int inset = detail::ClientInset(*hit);
    x -= hit->Left() + inset;
    y -= hit->Top() + inset;
    w = hit;
  }
  if (client_x != nullptr) *client_x = x;
  if (client_y != nullptr) *client_y = y;
  return w;
}

namespace {

// The window a mouse event goes to: the captured one, or the one under the point. Without a
// capture, a point outside the top-level window is another program's: null.
Window* MouseTarget(Window& window, int& x, int& y) {
  State& s = S();
  if (s.capture != nullptr) {
    Translate(window, *s.capture, x, y);
    return s.capture;
  }
  Window& top = *window.TopLevel();
  Translate(window, top, x, y);
  if (x < 0 || y < 0 || x >= top.ClientWidth() || y >= top.ClientHeight()) return nullptr;
  if (top.WindowRgn() && !gdi::PtInRegion(top.WindowRgn(), x, y)) return nullptr;
  return WindowAt(top, x, y, &x, &y);
}

// The shift state of a mouse event: the test's modifiers with the buttons held now.
unsigned MouseShift(unsigned shift) { return (shift & ~(ssLeft | ssRight | ssMiddle)) | S().held; }

}  // namespace

void MouseDown(Window& window, MouseButton button, int x, int y, unsigned shift) {
  Idle();
  State& s = S();
  Window* target = MouseTarget(window, x, y);
  if (target == nullptr) return;
  s.held |= ButtonBit(button);
  s.capture = target;
  if (headless_twin::ControlMouseDown(*target, button, x, y)) {
    Idle();
    return;
  }
  if (target->OnMouseDown) target->OnMouseDown(button, MouseShift(shift), x, y);
  Idle();
}

void MouseMove(Window& window, int x, int y, unsigned shift) {
  Idle();
  Window* target = MouseTarget(window, x, y);
  if (target != nullptr && target->OnMouseMove) target->OnMouseMove(MouseShift(shift), x, y);
  Idle();
}

void MouseUp(Window& window, MouseButton button, int x, int y, unsigned shift) {
  Idle();
  State& s = S();
  Window* target = MouseTarget(window, x, y);
  if (target == nullptr) return;
  s.held &= ~ButtonBit(button);
  if (s.held == 0) s.capture = nullptr;
  if (target->OnMouseUp) target->OnMouseUp(button, MouseShift(shift), x, y);
  Idle();
}

void Click(Window& window, int x, int y, MouseButton button, unsigned shift) {
  MouseDown(window, button, x, y, shift);
  MouseUp(window, button, x, y, shift);
}

void Drag(Window& window, int x0, int y0, int x1, int y1, int step, MouseButton button, unsigned shift) {
  step = std::max(1, step);
  MouseDown(window, button, x0, y0, shift);
  const int n = std::max((std::abs(x1 - x0) + step - 1) / step, (std::abs(y1 - y0) + step - 1) / step);
  for (int i = 1; i <= n; ++i) {
    MouseMove(window, x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n, shift);
  }
  MouseUp(window, button, x1, y1, shift);
}

void KeyDown(Window& window, int vk, unsigned shift) {
  Idle();
  Window* top = window.TopLevel();
  if (headless_twin::ControlKeyDown(*top, vk, shift)) {
    Idle();
    return;
  }
  int key = vk;
  if (top->OnKeyDown) top->OnKeyDown(key, shift);
  const int ch = key == 0 ? 0 : headless_twin::TypedChar(vk, shift);
  if (ch != 0 && top->OnKeyPress) {
    char c = static_cast<char>(ch);
    top->OnKeyPress(c);
  }
  Idle();
}

void KeyUp(Window& window, int vk, unsigned shift) {
  Idle();
  Window* top = window.TopLevel();
  if (headless_twin::ControlKeyUp(*top, vk, shift)) {
    Idle();
    return;
  }
  int key = vk;
  if (top->OnKeyUp) top->OnKeyUp(key, shift);
  Idle();
}

void KeyPress(Window& window, char ch) {
  Idle();
  Window* top = window.TopLevel();
  if (headless_twin::ControlKeyPress(*top, ch)) {
    Idle();
    return;
  }
  if (top->OnKeyPress) top->OnKeyPress(ch);
  Idle();
}

void Type(Window& window, const std::string& text) {
  for (char c : text) KeyPress(window, c);
}

void ActivateApp() {
  Idle();
  State& s = S();
  if (s.app_active) return;
  s.app_active = true;
  if (Application::Exists() && Application::Instance().OnActivate) Application::Instance().OnActivate();
  Window* w = s.activate_pending != nullptr ? s.activate_pending : NextActive(nullptr);
  s.activate_pending = nullptr;
  if (w != nullptr) SetActive(w);
  Idle();
}

void DeactivateApp() {
  Idle();
  State& s = S();
  if (!s.app_active) return;
  s.app_active = false;
  if (Application::Exists() && Application::Instance().OnDeactivate) {
    Application::Instance().OnDeactivate();
  }
  Window* was = s.active;
  SetActive(nullptr);
  s.activate_pending = was;
  Idle();
}

void Minimize(Window& window) {
  Idle();
  if (Application::Exists() && Application::Instance().OnSysCommand) {
    Application::Instance().OnSysCommand(*window.TopLevel(), SC_MINIMIZE);
  }
  Idle();
}

void RequestClose(Window& window) {
  Idle();
  Window* top = window.TopLevel();
  if (Application::Exists() && Application::Instance().OnSysCommand) {
    Application::Instance().OnSysCommand(*top, SC_CLOSE);
  }
  top->Close();
  Idle();
}

std::string HintAt(Window& window, int x, int y) {
  Window* target = WindowAt(window, x, y, &x, &y);
  return target->HintAt(x, y);
}

int CursorAt(Window& window, int x, int y) {
  if (ScreenCursor() != 0) return ScreenCursor();
  Window* target = WindowAt(window, x, y, &x, &y);
  return target->CursorAt(x, y);
}

namespace {

// Draws window (its frame and surface, then its children) at (ox, oy) of out, clipped to clip.
void ComposeInto(const Window& w, gdi::Bitmap& out, int ox, int oy, gdi::RECT clip) {
  clip.left = std::max(clip.left, ox);
  clip.top = std::max(clip.top, oy);
  clip.right = std::min(clip.right, ox + w.Width());
  clip.bottom = std::min(clip.bottom, oy + w.Height());
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  const int inset = detail::ClientInset(w);
  if (inset > 0) {
    for (int y = clip.top; y < clip.bottom; ++y) {
      for (int x = clip.left; x < clip.right; ++x) {
        if (x == ox || y == oy || x == ox + w.Width() - 1 || y == oy + w.Height() - 1) out.At(x, y) = 0;
      }
    }
  }
  const int cx = ox + inset, cy = oy + inset;
  gdi::RECT inner{std::max(clip.left, cx), std::max(clip.top, cy),
                  std::min(clip.right, cx + w.ClientWidth()), std::min(clip.bottom, cy + w.ClientHeight())};
  if (const gdi::HBITMAP& s = w.Surface()) {
    for (int y = inner.top; y < inner.bottom; ++y) {
      for (int x = inner.left; x < inner.right; ++x) out.At(x, y) = s->At(x - cx, y - cy);
    }
  }
  for (const Window* child : w.Children()) {
    if (child->Visible()) ComposeInto(*child, out, cx + child->Left(), cy + child->Top(), inner);
  }
}

}  // namespace

gdi::HBITMAP Compose(Window& window) {
  auto out = std::make_shared<gdi::Bitmap>(window.Width(), window.Height(), false);
  ComposeInto(window, *out, 0, 0, {0, 0, window.Width(), window.Height()});
  if (const gdi::HRGN& shape = window.WindowRgn())  // the desktop shows nothing outside the outline
    for (int y = 0; y < out->Height(); ++y)
      for (int x = 0; x < out->Width(); ++x)
        if (!gdi::PtInRegion(shape, x, y)) out->At(x, y) = 0;
  return out;
}

gdi::COLORREF PixelAt(Window& window, int x, int y) {
  const gdi::HBITMAP& s = window.Surface();
  if (!s || x < 0 || y < 0 || x >= s->Width() || y >= s->Height()) return gdi::CLR_INVALID;
  return gdi::ColorrefFromPixel(s->At(x, y));
}

int FlushCount() { return S().flushes; }
ScriptedDialogs& Dialogs() { return S().dialogs; }
FakeDesktop& Desktop() { return S().desktop; }
FakePrinting& Printer() { return S().printing; }
bool QuitRequested() { return S().quit; }

}  // namespace headless

}  // namespace platform
