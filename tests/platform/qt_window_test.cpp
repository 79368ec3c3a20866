// The Qt backend on the offscreen platform: what a window shows is its surface, events arrive in
// client coordinates, the loop runs timers and modal forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "platform/platform.h"
#include "platform/qt_internal.h"

namespace platform {
namespace {

// One application for the whole run, as in the program.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app_ = std::make_unique<Application>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "platform_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<Application> app_;
};
::testing::Environment* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

QWidget& WidgetOf(Window& w) { return *qt::WidgetOf(w); }

void Fill(Window& w, const gdi::RECT& r, gdi::COLORREF colour) {
  gdi::HDC dc = GetDC(w);
  gdi::FillRect(dc, r, gdi::CreateSolidBrush(colour));
  ReleaseDC(w, dc);
}

QRgb Rgb(gdi::COLORREF c) { return qRgb(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)); }

// The screen as the offscreen platform holds it: what the windows' backing stores show.
QImage Screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }

TEST(QtWindow, TheScreenShowsEachSurfaceOneToOneWithTheChildFrameOutside) {
  Window top;
  top.SetBorderStyle(BorderStyle::None);
  top.SetColour(0x000000);
  top.SetBounds(0, 0, 60, 40);
  Window child(&top);
  child.SetBorderStyle(BorderStyle::Single);
  child.SetColour(0xFFFFFF);
  child.SetBounds(10, 5, 30, 20);
  Window hit(&top);  // a transparent hit area shows the top window's pixels
  hit.SetTransparent(true);
  hit.SetBounds(42, 0, 10, 10);
  child.Show();
  hit.Show();
  top.Show();
  Settle();
  Fill(top, {40, 0, 60, 40}, gdi::RGB(0, 128, 255));
  Fill(child, {0, 0, 3, 2}, gdi::RGB(255, 0, 0));
  gdi::HDC dc = GetDC(child);
  gdi::SetPixel(dc, 27, 17, gdi::RGB(0, 200, 0));
  ReleaseDC(child, dc);
  Settle();

  const QImage shot = WidgetOf(top).grab().toImage();
  ASSERT_EQ(shot.width(), 60);
  ASSERT_EQ(shot.height(), 40);
  const QImage screen = Screen();
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      gdi::COLORREF want;
      const bool in_child = x >= 10 && x < 40 && y >= 5 && y < 25;
      const bool on_frame = in_child && (x == 10 || x == 39 || y == 5 || y == 24);
      if (on_frame) {
        want = 0;
      } else if (in_child) {
        want = gdi::ColorrefFromPixel(child.Surface()->At(x - 11, y - 6));
      } else {
        want = gdi::ColorrefFromPixel(top.Surface()->At(x, y));
      }
      ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFF, Rgb(want) & 0xFFFFFF) << "grab " << x << "," << y;
      ASSERT_EQ(screen.pixel(x, y) & 0xFFFFFF, Rgb(want) & 0xFFFFFF) << "screen " << x << "," << y;
    }
  }
}

TEST(QtWindow, DrawingReachesTheScreenWhenTheEventReturnsOrAtFlush) {
  Window top;
  top.SetBounds(0, 0, 20, 20);
  top.Show();
  Settle();
  Fill(top, {0, 0, 5, 5}, gdi::RGB(255, 0, 0));
  EXPECT_EQ(Screen().pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu) << "not before the event returns";
  Flush(&top);
  EXPECT_EQ(Screen().pixel(1, 1) & 0xFFFFFF, 0xFF0000u) << "Flush shows it at once";
  Fill(top, {0, 0, 5, 5}, gdi::RGB(0, 0, 255));
  Settle();
  EXPECT_EQ(Screen().pixel(1, 1) & 0xFFFFFF, 0x0000FFu);
}

TEST(QtWindow, FirstPaintComesFromTheLoopAndInvalidateAsksAnother) {
  Window top;
  top.SetBounds(0, 0, 20, 20);
  int paints = 0;
  top.OnPaint = [&] { ++paints; };
  top.Show();
  EXPECT_EQ(paints, 0);
  Settle();
  EXPECT_EQ(paints, 1);
  top.Invalidate();
  top.Invalidate();
  Settle();
  EXPECT_EQ(paints, 2);
}

TEST(QtWindow, MouseEventsArriveInClientCoordinatesWithHeldButtonsAndModifiers) {
  Window top;
  top.SetBounds(0, 0, 100, 100);
  Window canvas(&top);
  canvas.SetBorderStyle(BorderStyle::Single);
  canvas.SetBounds(20, 30, 50, 50);
  canvas.Show();
  top.Show();
  Settle();
  std::vector<std::string> log;
  canvas.OnMouseDown = [&](MouseButton b, unsigned s, int x, int y) {
    log.push_back("down " + std::to_string(int(b)) + " " + std::to_string(s) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  canvas.OnMouseMove = [&](unsigned s, int x, int y) {
    log.push_back("move " + std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
  };
  canvas.OnMouseUp = [&](MouseButton b, unsigned s, int x, int y) {
    log.push_back("up " + std::to_string(int(b)) + " " + std::to_string(s) + " " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  QWidget& w = WidgetOf(canvas);
  const auto send = [&](QEvent::Type type, QPointF p, Qt::MouseButton b, Qt::MouseButtons held,
                        Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, p, w.mapToGlobal(p), b, held, mods);
    QApplication::sendEvent(&w, &e);
  };
  send(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  send(QEvent::MouseMove, {-5.5, 60}, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  send(QEvent::MouseButtonRelease, {10, 11}, Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "down 0 " + std::to_string(ssShift | ssLeft) + " 0,0",
                     "move " + std::to_string(ssLeft) + " -7,59",
                     "up 0 " + std::to_string(ssCtrl) + " 9,10",
                 }));
}

TEST(QtWindow, KeysBecomeVirtualKeysAndLatin1Characters) {
  Window top;
  top.SetBounds(0, 0, 10, 10);
  std::vector<int> keys;
  std::string chars;
  top.OnKeyDown = [&](int& key, unsigned) { keys.push_back(key); };
  top.OnKeyPress = [&](char& c) { chars.push_back(c); };
  const auto press = [&](int key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent e(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&WidgetOf(top), &e);
  };
  press(Qt::Key_A, Qt::NoModifier, "a");
  press(Qt::Key_Exclam, Qt::ShiftModifier, "!");
  press(Qt::Key_5, Qt::KeypadModifier, "5");
  press(Qt::Key_Backspace, Qt::NoModifier, "\b");
  press(Qt::Key_Left, Qt::NoModifier, "");
  press(Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)));
  EXPECT_EQ(keys, (std::vector<int>{'A', '1', VK_NUMPAD5, VK_BACK, VK_LEFT}));
  EXPECT_EQ(chars, std::string("a!5\b\xE9"));
}

TEST(QtWindow, MaximizeFillsTheScreensWorkArea) {
  Window top;
  top.Maximize();
  const gdi::RECT area = ScreenWorkArea();
  EXPECT_EQ(top.BoundsRect(), area);
  top.Show();
  Settle();
  EXPECT_EQ(WidgetOf(top).width(), area.right - area.left);
  EXPECT_EQ(top.ClientWidth(), area.right - area.left);
  EXPECT_EQ(top.Surface()->Height(), area.bottom - area.top);
}

TEST(QtWindow, RegisteredCursorsAreShownByNumber) {
  const std::uint8_t and_plane[64] = {};
  std::uint8_t xor_plane[64] = {};
  xor_plane[0] = 0x80;
  RegisterCursor(4, CreateCursor(0, 0, 16, 32, and_plane, xor_plane));
  Window top;
  top.SetCursor(4);
  EXPECT_EQ(WidgetOf(top).cursor().shape(), Qt::BitmapCursor);
  top.SetCursor(0);
  EXPECT_EQ(WidgetOf(top).cursor().shape(), Qt::ArrowCursor);
  top.SetCursor(99);
  EXPECT_EQ(WidgetOf(top).cursor().shape(), Qt::ArrowCursor) << "an unregistered number is the arrow";
  RegisterCursor(4, nullptr);
}

TEST(QtWindow, AColourCursorKeepsItsColoursAndTransparency) {
  auto mask = std::make_shared<gdi::Bitmap>(2, 2, true);
  auto colour = std::make_shared<gdi::Bitmap>(2, 2, false);
  mask->At(1, 0) = 0xFFFFFF;      // keeps the screen: transparent
  colour->At(0, 0) = 0x00FF8000;  // orange
  colour->At(0, 1) = 0x000080FF;  // blue, on the second row
  RegisterCursor(6, gdi::CreateIconFromBitmaps(mask, colour, 1, 1));
  Window top;
  top.SetCursor(6);
  const QCursor cursor = WidgetOf(top).cursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
  const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(2, 2));
  EXPECT_EQ(image.pixel(0, 0), 0xFFFF8000u);
  EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
  EXPECT_EQ(image.pixel(0, 1), 0xFF0080FFu);
  RegisterCursor(6, nullptr);
}

TEST(QtLoop, TimersFireFromTheMessageLoop) {
  Timer timer;
  int fired = 0;
  QEventLoop loop;
  timer.OnTimer = [&] {
    if (++fired == 3) loop.quit();
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(fired, 3);
  timer.SetEnabled(false);
}

// What a timer's handler draws is on the screen when the handler returns, with no further pass of
// the loop; one that opens a nested loop has its drawing shown before that loop waits.
TEST(QtLoop, ATimersDrawingIsOnTheScreenWhenItsHandlerReturns) {
  Window top;
  top.SetBorderStyle(BorderStyle::None);
  top.SetBounds(0, 0, 40, 20);
  top.Show();
  Settle();
  const QPoint at = WidgetOf(top).mapToGlobal(QPoint(5, 5));
  Timer timer;
  QEventLoop loop;
  QRgb in_nested_loop = 0;
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 1) {
      Fill(top, {0, 0, 40, 20}, gdi::RGB(255, 0, 0));
      loop.quit();
      return;
    }
    timer.SetEnabled(false);
    Fill(top, {0, 0, 40, 20}, gdi::RGB(0, 0, 255));
    QEventLoop nested;
    QTimer::singleShot(0, &nested, [&] {
      in_nested_loop = Screen().pixel(at);
      nested.quit();
    });
    nested.exec();
    loop.quit();
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(Screen().pixel(at) & 0xFFFFFF, Rgb(gdi::RGB(255, 0, 0)) & 0xFFFFFF);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(in_nested_loop & 0xFFFFFF, Rgb(gdi::RGB(0, 0, 255)) & 0xFFFFFF);
}

TEST(QtLoop, AModalFormRunsANestedLoopUntilClosedWhileTimersGoOn) {
  Form form;
  form.SetClientSize(120, 60);
  Timer timer;
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 3) form.Close(mrYes);
  };
  timer.SetInterval(5);
  timer.SetEnabled(true);
  EXPECT_EQ(form.ShowModal(), mrYes);
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(form.Visible());
  const gdi::RECT area = ScreenWorkArea();
  EXPECT_EQ(form.Left(), area.left + (area.right - area.left - 120) / 2);
  EXPECT_FALSE(WidgetOf(form).windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(QtLoop, MessageBoxesShowTheCaptionTextAndButtonsAndReturnTheAnswer) {
  Window owner;
  owner.SetBounds(0, 0, 50, 50);
  owner.Show();
  QString title, text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(MessageBox(&owner, "Do you really want to quit?", "Pindoodle", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(title, "Pindoodle");
  EXPECT_EQ(text, "Do you really want to quit?");

  ScriptedDialogs scripted;
  scripted.answers = {IDNO};
  SetDialogs(&scripted);
  EXPECT_EQ(MessageBox(&owner, "again?", "Pindoodle", MB_YESNO), IDNO);
  SetDialogs(nullptr);
}

// Run with QT_SCALE_FACTOR=2 (its own test entry): each surface pixel becomes a 2x2 square of
// exactly its colour.
TEST(QtScaled, SurfacePixelsBecomeWholeSquaresOnADenseScreen) {
  Window top;
  top.SetBounds(0, 0, 8, 4);
  top.Show();
  Settle();
  const int scale = WholeScale(WidgetOf(top).devicePixelRatioF());
  if (scale == 1) GTEST_SKIP() << "the screen is not dense in this run";
  for (int x = 0; x < 8; ++x) Fill(top, {x, 0, x + 1, 4}, gdi::RGB(x * 30, 255 - x * 30, (x & 1) * 255));
  Settle();
  const QImage shot = WidgetOf(top).grab().toImage();
  ASSERT_EQ(shot.width(), 8 * scale);
  for (int y = 0; y < 4 * scale; ++y) {
    for (int x = 0; x < 8 * scale; ++x) {
      const gdi::COLORREF want = gdi::ColorrefFromPixel(top.Surface()->At(x / scale, y / scale));
      ASSERT_EQ(shot.pixel(x, y) & 0xFFFFFF, Rgb(want) & 0xFFFFFF) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(QtWindow, AWindowRegionBecomesTheWidgetsMask) {
  Window top;
  top.SetBorderStyle(BorderStyle::None);
  top.SetBounds(0, 0, 40, 40);
  const gdi::POINT triangle[3] = {{0, 0}, {40, 0}, {0, 40}};
  top.SetWindowRgn(gdi::CreatePolygonRgn(triangle, 3, gdi::WINDING));
  top.Show();
  Settle();
  const QRegion mask = WidgetOf(top).mask();
  EXPECT_TRUE(mask.contains(QPoint(5, 5)));
  EXPECT_FALSE(mask.contains(QPoint(35, 35)));
  top.SetWindowRgn(nullptr);
  EXPECT_TRUE(WidgetOf(top).mask().isEmpty());
}

}  // namespace
}  // namespace platform
