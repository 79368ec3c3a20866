// Windows on Qt Widgets: one widget per window, painting the window's surface 1:1.
#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QToolTip>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/qt_internal.h"

namespace platform::qt {

namespace {

bool holding = false;  // a ScreenUpdateHold lives and no nested loop has waited since
bool held = false;     // a window changed while holding, and has not been sent

class QtPeer final : public detail::WindowPeer {
 public:
  explicit QtPeer(Window& w) : w_(w) {
    if (QApplication::instance() == nullptr) {
      std::fprintf(stderr, "platform: a window was made before the Application\n");
      std::abort();
    }
    QWidget* parent = w.Parent() != nullptr ? WidgetOf(*w.Parent()) : nullptr;
    widget_ = new WindowWidget(&w, parent);
    widget_->hide();
    ApplyFlags();
    StyleChanged();
    BoundsChanged();
  }

  ~QtPeer() override {
    if (modal_loop_ != nullptr) modal_loop_->quit();
    if (widget_ != nullptr) {
      // The widget may be in the middle of delivering the event that destroys its window.
      widget_->owner = nullptr;
      widget_->hide();
      widget_->deleteLater();
    }
  }

  WindowWidget* widget() const { return widget_; }

  void BoundsChanged() override {
    if (widget_ == nullptr) return;
    const QRect r(w_.Left(), w_.Top(), w_.Width(), w_.Height());
    if (w_.impl().is_form) widget_->setFixedSize(r.size());
    if (widget_->geometry() != r) widget_->setGeometry(r);
  }

  void VisibilityChanged() override {
    if (widget_ == nullptr) return;
    if (w_.Visible()) {
      widget_->setVisible(true);
      if (w_.IsTopLevel()) {
        widget_->raise();
        widget_->activateWindow();
      }
    } else {
      widget_->setVisible(false);
    }
  }

  void StyleChanged() override {
    if (widget_ == nullptr) return;
    ApplyFlags();
    const bool opaque = !w_.Transparent();
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    widget_->setAttribute(Qt::WA_NoSystemBackground, opaque);
    if (w_.IsTopLevel()) {
      const std::string& caption = w_.Caption();
      const std::string title =
          !caption.empty() ? caption : (Application::Exists() ? Application::Instance().Title() : "");
      widget_->setWindowTitle(QString::fromStdString(title));
    }
    widget_->update();
  }

  void ShapeChanged() override {
    if (widget_ == nullptr) return;
    const gdi::HRGN& shape = w_.WindowRgn();
    if (!shape) {
      widget_->clearMask();
      return;
    }
    QRegion region;
    for (const gdi::RECT& r : gdi::GetRegionRects(shape))
      region += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    widget_->setMask(region);
  }

  void CursorChanged() override {
    if (widget_ == nullptr) return;
    widget_->applied_cursor = -1;
    // A window with one cursor all over takes it now. One whose cursor depends on the place
    // needs to know where the mouse is, which costs a round trip to the display: only if the
    // mouse is over it; otherwise it takes its cursor when the mouse comes in.
    if (!w_.OnCursorAt) {
      widget_->ApplyCursor(0, 0);
      return;
    }
    if (!widget_->isVisible() || !widget_->underMouse()) return;
    const QPoint p = widget_->mapFromGlobal(QCursor::pos());
    const int inset = detail::ClientInset(w_);
    widget_->ApplyCursor(p.x() - inset, p.y() - inset);
  }

  void Maximize() override {
    if (widget_ == nullptr) return;
    widget_->setWindowState(widget_->windowState() | Qt::WindowMaximized);
  }

  void Dirty() override {
    dirty_ = true;
    if (widget_ == nullptr || widget_->flush_posted) return;
    if (holding) {
      held = true;
      return;
    }
    widget_->flush_posted = true;
    QCoreApplication::postEvent(widget_, new QEvent(FlushEventType()));
  }

  // Brings what changed to the screen: at once (a synchronous repaint, for Flush) or with the
  // next paint cycle of the window (at the end of an event).
  void Bring(bool now) {
    if (!dirty_ || widget_ == nullptr) return;
    dirty_ = false;
    const gdi::RECT r = detail::TakeChangedRect(w_);
    if (r.right <= r.left || !widget_->isVisible()) return;
    const int inset = detail::ClientInset(w_);
    const QRect area(r.left + inset, r.top + inset, r.right - r.left, r.bottom - r.top);
    if (now) {
      widget_->repaint(area);
    } else {
      widget_->update(area);
    }
  }

  void FlushNow() override { Bring(true); }

  void PaintRequested() override {
    if (widget_ == nullptr || widget_->paint_posted) return;
    widget_->paint_posted = true;
    QCoreApplication::postEvent(widget_, new QEvent(PaintEventType()));
  }

  int RunModal() override {
    Form& form = static_cast<Form&>(w_);
    widget_->setWindowModality(Qt::ApplicationModal);
    if (Application::Exists()) {
      Window* main = Application::Instance().MainWindow();
      if (main != nullptr && main != &w_ && WidgetOf(*main) != nullptr) {
        widget_->winId();
        QWidget* main_widget = WidgetOf(*main);
        if (widget_->windowHandle() != nullptr && main_widget->windowHandle() != nullptr) {
          widget_->windowHandle()->setTransientParent(main_widget->windowHandle());
        }
      }
    }
    form.Show();
    QEventLoop loop;
    modal_loop_ = &loop;
    if (form.ModalResult() == mrNone && !(Application::Exists() && Application::Instance().Terminated())) {
      loop.exec(QEventLoop::DialogExec);
    }
    modal_loop_ = nullptr;
    if (form.Visible()) form.Hide();
    return form.ModalResult() == mrNone ? mrCancel : form.ModalResult();
  }

  void EndModal() override {
    if (modal_loop_ != nullptr) modal_loop_->quit();
  }

 private:
  void ApplyFlags() {
    if (!w_.IsTopLevel()) return;
    Qt::WindowFlags flags = Qt::Window;
    if (w_.GetBorderStyle() == BorderStyle::None) {
      flags |= Qt::FramelessWindowHint;
    } else {
      // A title bar with the caption and no buttons.
      flags |= Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    }
    if (widget_->windowFlags() == flags) return;
    const bool was_visible = widget_->isVisible();
    widget_->setWindowFlags(flags);  // hides the widget
    if (was_visible) widget_->show();
  }

  Window& w_;
  QPointer<WindowWidget> widget_;
  QEventLoop* modal_loop_ = nullptr;
  bool dirty_ = false;
};

QtPeer* PeerOf(const Window& w) { return static_cast<QtPeer*>(w.impl().peer.get()); }

// Cursors made so far, each kept with its icon so that the icon's address stays its own.
std::map<const gdi::Icon*, std::pair<gdi::HCURSOR, QCursor>>& CursorCache() {
  static std::map<const gdi::Icon*, std::pair<gdi::HCURSOR, QCursor>> cache;
  return cache;
}

QCursor MakeCursor(const gdi::Icon& icon) {
  const CursorImage c = CursorImageOf(icon);
  if (c.width <= 0 || c.height <= 0) return QCursor(Qt::ArrowCursor);
  if (c.monochrome) {
    // The toolkit's own two-plane cursors can invert the screen where the platform's can.
    QImage bitmap(c.width, c.height, QImage::Format_Mono), mask(c.width, c.height, QImage::Format_Mono);
    for (QImage* img : {&bitmap, &mask}) {
      img->setColorCount(2);
      img->setColor(0, qRgb(255, 255, 255));
      img->setColor(1, qRgb(0, 0, 0));
    }
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * c.width + x;
        bitmap.setPixel(x, y, c.bitmap[i]);
        mask.setPixel(x, y, c.mask[i]);
      }
    }
    return QCursor(QBitmap::fromImage(bitmap), QBitmap::fromImage(mask), c.hot_x, c.hot_y);
  }
  return QCursor(QPixmap::fromImage(ArgbImageOf(c)), c.hot_x, c.hot_y);
}

}  // namespace

QImage ArgbImageOf(const CursorImage& c) {
  QImage image(c.width, c.height, QImage::Format_ARGB32);
  for (int y = 0; y < c.height; ++y) {
    std::copy_n(c.argb.data() + static_cast<std::size_t>(y) * c.width, c.width,
                reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  }
  return image;
}

WindowWidget* WidgetOf(const Window& window) {
  const auto* peer = PeerOf(window);
  return peer != nullptr ? peer->widget() : nullptr;
}

QCursor CursorFor(int number) {
  const gdi::HCURSOR icon = number != 0 ? RegisteredCursor(number) : nullptr;
  if (!icon) return QCursor(Qt::ArrowCursor);
  auto& cache = CursorCache();
  auto it = cache.find(icon.get());
  if (it == cache.end()) it = cache.emplace(icon.get(), std::make_pair(icon, MakeCursor(*icon))).first;
  return it->second.second;
}

void ForgetCursors() { CursorCache().clear(); }

// ---- holding screen updates ------------------------------------------------------------------

ScreenUpdateHold::ScreenUpdateHold() : outermost_(!holding) { holding = true; }

ScreenUpdateHold::~ScreenUpdateHold() {
  if (outermost_) Release();
}

void ScreenUpdateHold::Release() {
  holding = false;
  if (!std::exchange(held, false)) return;
  for (Window* w : detail::AllWindows()) {
    if (const auto& peer = w->impl().peer) peer->FlushNow();
  }
}

QEvent::Type FlushEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

QEvent::Type PaintEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

// ---- the widget ------------------------------------------------------------------------------

WindowWidget::WindowWidget(Window* w, QWidget* parent) : QWidget(parent), owner(w) {
  setMouseTracking(true);
  setFocusPolicy(parent == nullptr ? Qt::StrongFocus : Qt::NoFocus);
  setAutoFillBackground(false);
}

int WindowWidget::Inset() const { return owner != nullptr ? detail::ClientInset(*owner) : 0; }

void WindowWidget::ApplyCursor(int x, int y) {
  if (owner == nullptr) return;
  const int number = owner->CursorAt(x, y);
  if (number == applied_cursor) return;
  applied_cursor = number;
  setCursor(CursorFor(number));
}

void WindowWidget::UpdateTooltip(const QPoint& global, int x, int y) {
  const QString hint = QString::fromStdString(owner->HintAt(x, y));
  if (hint == tooltip && QToolTip::isVisible()) return;
  tooltip = hint;
  if (hint.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(global, hint, this);
  }
}

bool WindowWidget::event(QEvent* e) {
  if (owner == nullptr) return QWidget::event(e);
  Window& w = *owner;
  const QEvent::Type type = e->type();
  if (type == FlushEventType()) {
    flush_posted = false;
    static_cast<QtPeer*>(w.impl().peer.get())->Bring(false);
    return true;
  }
  if (type == PaintEventType()) {
    paint_posted = false;
    detail::DeliverPaint(w);
    return true;
  }
  switch (type) {
    case QEvent::ToolTip: {
      const auto* help = static_cast<QHelpEvent*>(e);
      UpdateTooltip(help->globalPos(), help->pos().x() - Inset(), help->pos().y() - Inset());
      return true;
    }
    case QEvent::WindowActivate:
      if (isWindow() && w.OnActivate) w.OnActivate();
      break;
    case QEvent::WindowDeactivate:
      if (isWindow() && w.OnDeactivate) w.OnDeactivate();
      break;
    default:
      break;
  }
  return QWidget::event(e);
}

void WindowWidget::paintEvent(QPaintEvent* e) {
  if (owner == nullptr || owner->Transparent()) return;
  QPainter p(this);
  // Whole-factor magnification only, and never blurred: each surface pixel becomes a square.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const int inset = Inset();
  if (inset > 0) {
    const QColor frame(0, 0, 0);
    p.fillRect(0, 0, width(), 1, frame);
    p.fillRect(0, height() - 1, width(), 1, frame);
    p.fillRect(0, 0, 1, height(), frame);
    p.fillRect(width() - 1, 0, 1, height(), frame);
  }
  const gdi::HBITMAP& s = owner->Surface();
  if (!s || s->Width() == 0 || s->Height() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(s->Pixels()), s->Width(), s->Height(),
                     s->Width() * 4, QImage::Format_RGB32);
  const QRect target = e->rect().intersected(QRect(inset, inset, s->Width(), s->Height()));
  if (!target.isEmpty()) p.drawImage(target, image, target.translated(-inset, -inset));
}

namespace {

int Floor(double v) { return static_cast<int>(std::floor(v)); }

}  // namespace

void WindowWidget::mousePressEvent(QMouseEvent* e) {
  const auto button = ButtonFromQt(e->button());
  if (owner == nullptr || !button) return;
  const int x = Floor(e->position().x()) - Inset(), y = Floor(e->position().y()) - Inset();
  QToolTip::hideText();
  if (owner->OnMouseDown) owner->OnMouseDown(*button, ShiftFromQt(e->modifiers(), e->buttons()), x, y);
}

void WindowWidget::mouseMoveEvent(QMouseEvent* e) {
  if (owner == nullptr) return;
  const int x = Floor(e->position().x()) - Inset(), y = Floor(e->position().y()) - Inset();
  ApplyCursor(x, y);
  if (owner->OnMouseMove) owner->OnMouseMove(ShiftFromQt(e->modifiers(), e->buttons()), x, y);
  if (owner != nullptr && QToolTip::isVisible() && !tooltip.isEmpty()) {
    UpdateTooltip(e->globalPosition().toPoint(), x, y);
  }
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* e) {
  const auto button = ButtonFromQt(e->button());
  if (owner == nullptr || !button) return;
  const int x = Floor(e->position().x()) - Inset(), y = Floor(e->position().y()) - Inset();
  if (owner->OnMouseUp) owner->OnMouseUp(*button, ShiftFromQt(e->modifiers(), e->buttons()), x, y);
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double click: the double click first, then the press marked ssDouble,
  // the order the program's toolkit used.
  const auto button = ButtonFromQt(e->button());
  if (owner == nullptr || !button) return;
  const int x = Floor(e->position().x()) - Inset(), y = Floor(e->position().y()) - Inset();
  if (*button == MouseButton::Left && owner->OnDblClick) owner->OnDblClick();
  if (owner != nullptr && owner->OnMouseDown) {
    owner->OnMouseDown(*button, ShiftFromQt(e->modifiers(), e->buttons()) | ssDouble, x, y);
  }
}

void WindowWidget::keyPressEvent(QKeyEvent* e) {
  if (owner == nullptr) return;
  Window* top = owner->TopLevel();
  const int vk = VirtualKeyFromQt(e->key(), (e->modifiers() & Qt::KeypadModifier) != 0);
  int key = vk;
  if (vk != 0 && top->OnKeyDown) top->OnKeyDown(key, ShiftFromQt(e->modifiers(), Qt::NoButton));
  if (vk != 0 && key == 0) return;  // OnKeyDown swallowed the key
  if (owner == nullptr || !top->OnKeyPress) return;
  for (const char32_t c : e->text().toUcs4()) {
    const int byte = gdi::AnsiFromUnicode(c);
    if (byte <= 0) continue;
    char ch = static_cast<char>(byte);
    top->OnKeyPress(ch);
    if (owner == nullptr) return;
  }
}

void WindowWidget::keyReleaseEvent(QKeyEvent* e) {
  if (owner == nullptr || e->isAutoRepeat()) return;
  Window* top = owner->TopLevel();
  int key = VirtualKeyFromQt(e->key(), (e->modifiers() & Qt::KeypadModifier) != 0);
  if (key != 0 && top->OnKeyUp) top->OnKeyUp(key, ShiftFromQt(e->modifiers(), Qt::NoButton));
}

void WindowWidget::closeEvent(QCloseEvent* e) {
  // The desktop asks to close the window: the program decides, and hides it itself.
  e->ignore();
  if (owner == nullptr || !isWindow()) return;
  Window& w = *owner;
  if (Application::Exists() && Application::Instance().OnSysCommand) {
    Application::Instance().OnSysCommand(w, SC_CLOSE);
  }
  if (owner != nullptr) owner->Close();
}

void WindowWidget::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (owner != nullptr && isWindow()) detail::DesktopResized(*owner, width(), height());
}

void WindowWidget::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  if (owner != nullptr && isWindow()) detail::DesktopMoved(*owner, geometry().x(), geometry().y());
}

void WindowWidget::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (owner == nullptr || e->type() != QEvent::WindowStateChange || !isWindow()) return;
  const auto* change = static_cast<QWindowStateChangeEvent*>(e);
  const bool was_minimized = (change->oldState() & Qt::WindowMinimized) != 0;
  const bool minimized = (windowState() & Qt::WindowMinimized) != 0;
  if (was_minimized == minimized || !Application::Exists()) return;
  if (Application::Instance().OnSysCommand) {
    Application::Instance().OnSysCommand(*owner, minimized ? SC_MINIMIZE : SC_RESTORE);
  }
}

}  // namespace platform::qt

namespace platform::detail {

std::unique_ptr<WindowPeer> CreateWindowPeer(Window& window) { return std::make_unique<qt::QtPeer>(window); }

void ModalScriptShown(Form& form) {
  // The script runs instead of the loop that would deliver the first paints.
  std::vector<Window*> todo{&form};
  while (!todo.empty()) {
    Window* w = todo.back();
    todo.pop_back();
    DeliverPaint(*w);
    for (Window* c : w->Children()) todo.push_back(c);
  }
}

void ModalScriptHidden(Form&) {}

}  // namespace platform::detail
