// The Qt backend's internals, shared by its files. Private to src/platform.
#pragma once

#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "platform/backend.h"

class QEventLoop;
class QPrinter;

namespace platform::qt {

// The widget of one Window: it shows the surface and turns the toolkit's events into the
// Window's. owner is null once the Window is gone (the widget is then deleted later).
class WindowWidget final : public QWidget {
 public:
  WindowWidget(Window* owner, QWidget* parent);
  Window* owner;
  bool flush_posted = false;
  bool paint_posted = false;
  int applied_cursor = -1;
  QString tooltip;  // the hint shown now, empty when none

  // Puts the cursor for client point (x, y) on the widget, when it differs from the one there.
  void ApplyCursor(int x, int y);

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  int Inset() const;
  void UpdateTooltip(const QPoint& global, int x, int y);
};

// The widget that shows a window (null before the Qt peer exists).
WindowWidget* WidgetOf(const Window& window);

// The toolkit's cursor for a number of the screen's cursor list (the arrow when unregistered).
QCursor CursorFor(int number);
void ForgetCursors();
// A cursor's or icon's colour pixels as a toolkit image (ARGB32, not premultiplied).
QImage ArgbImageOf(const CursorImage& c);

// Key and mouse translation.
int VirtualKeyFromQt(int qt_key, bool keypad);
unsigned ShiftFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
std::optional<MouseButton> ButtonFromQt(Qt::MouseButton button);

// Custom events: bring the changed pixels to the screen; deliver OnPaint.
QEvent::Type FlushEventType();
QEvent::Type PaintEventType();

// While one lives (around a timer's handler), a window whose pixels change is not sent to the
// screen through the event loop: the changes of every window are painted at once when the
// outermost one ends. A frame of the icon strip is then one pass of the loop rather than three,
// which is most of what the program does while it sits idle. A nested event loop that is about
// to wait (a message box opened from the handler) sends what was held and ends the hold, so
// nothing waits behind a dialog.
class ScreenUpdateHold {
 public:
  ScreenUpdateHold();
  ~ScreenUpdateHold();
  ScreenUpdateHold(const ScreenUpdateHold&) = delete;
  ScreenUpdateHold& operator=(const ScreenUpdateHold&) = delete;

  // Sends what is held and ends any hold; called when an event loop is about to wait.
  static void Release();

 private:
  bool outermost_;
};

// The one printer object of the run: what PRINT SETUP chose, where PRINT prints.
QPrinter& ProgramPrinter();

}  // namespace platform::qt
