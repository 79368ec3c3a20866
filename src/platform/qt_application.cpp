// The application, its message loop, timers, the screen and the clock on Qt.
#include <sys/socket.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include "platform/qt_internal.h"

namespace platform {

struct Timer::Impl {
  Timer* self = nullptr;
  QTimer timer;
  unsigned interval = 1000;
  bool enabled = false;
  void Apply() {
    if (enabled && interval > 0) {
      timer.start(static_cast<int>(interval));
    } else {
      timer.stop();
    }
  }
};

struct Application::Impl {
  std::unique_ptr<QApplication> qapp;
  std::string title;
  Window* main = nullptr;
  bool terminated = false;
  bool active = false;
  int signal_fds[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> signal_notifier;
  bool override_cursor = false;
};

namespace {

int signal_write_fd = -1;

// A termination signal ends the program the ordinary way, from the loop, so that the screen
// saver is given back; the handler only writes a byte, which is all it may safely do.
void OnTerminationSignal(int) {
  const char byte = 1;
  if (signal_write_fd >= 0) {
    [[maybe_unused]] const auto n = ::write(signal_write_fd, &byte, 1);
  }
}

}  // namespace

// ---- timers ----------------------------------------------------------------------------------

Timer::Timer() : impl_(std::make_unique<Impl>()) {
  impl_->self = this;
  QObject::connect(&impl_->timer, &QTimer::timeout, [self = this] {
    qt::ScreenUpdateHold hold;
    if (self->OnTimer) self->OnTimer();
  });
}
Timer::~Timer() = default;
void Timer::SetInterval(unsigned ms) {
  if (impl_->interval == ms) return;
  impl_->interval = ms;
  impl_->Apply();
}
unsigned Timer::Interval() const { return impl_->interval; }
void Timer::SetEnabled(bool enabled) {
  if (impl_->enabled == enabled) return;
  impl_->enabled = enabled;
  impl_->Apply();
}
bool Timer::Enabled() const { return impl_->enabled; }

// ---- application -----------------------------------------------------------------------------

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  detail::ClaimApplication(*this);
  // Nothing is drawn with OpenGL: not loading its libraries shortens the start.
  setenv("QT_XCB_GL_INTEGRATION", "none", 0);
  // What changes on screen is mostly small (a stroke, the 400x40 icon strip eight times a
  // second). Through shared memory each change waits for the X server's word that it has read
  // the pixels, waking the program twice more; sent on the connection, small changes cost about
  // half as much and a whole 1024x768 window only a tenth of a millisecond more.
  setenv("QT_XCB_NO_MITSHM", "1", 0);
  // Surfaces are magnified by whole factors only: a 1.5 screen shows them 1:1.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  impl_->qapp = std::make_unique<QApplication>(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   [] { qt::ScreenUpdateHold::Release(); });
  QObject::connect(impl_->qapp.get(), &QGuiApplication::applicationStateChanged,
                   [this](Qt::ApplicationState state) {
                     const bool active = state == Qt::ApplicationActive;
                     if (active == impl_->active) return;
                     impl_->active = active;
                     if (active && OnActivate) OnActivate();
                     if (!active && OnDeactivate) OnDeactivate();
                   });
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, impl_->signal_fds) == 0) {
    signal_write_fd = impl_->signal_fds[0];
    impl_->signal_notifier =
        std::make_unique<QSocketNotifier>(impl_->signal_fds[1], QSocketNotifier::Read);
    QObject::connect(impl_->signal_notifier.get(), &QSocketNotifier::activated, [this] {
      char buffer[16];
      [[maybe_unused]] const auto n = ::read(impl_->signal_fds[1], buffer, sizeof buffer);
      Quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
  }
}

Application::~Application() {
  detail::EndInhibitionAtExit();
  if (impl_->override_cursor) QGuiApplication::restoreOverrideCursor();
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
  signal_write_fd = -1;
  impl_->signal_notifier.reset();
  for (int fd : impl_->signal_fds) {
    if (fd >= 0) ::close(fd);
  }
  qt::ForgetCursors();
  impl_->qapp.reset();
  detail::ReleaseApplication();
}

void Application::SetTitle(const std::string& title) {
  impl_->title = title;
  QApplication::setApplicationName(QString::fromStdString(title));
  for (Window* w : detail::AllWindows()) {
    if (w->IsTopLevel() && w->Caption().empty()) w->SetCaption("");
  }
}
const std::string& Application::Title() const { return impl_->title; }

void Application::SetIcon(const gdi::HICON& icon) {
  if (!icon) return;
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(qt::ArgbImageOf(CursorImageOf(*icon)))));
}

int Application::Run(Window& main_window) {
  impl_->main = &main_window;
  if (impl_->terminated) return 0;
  if (!main_window.Visible()) main_window.Show();
  return QApplication::exec();
}

Window* Application::MainWindow() const { return impl_->main; }

void Application::Quit() {
  impl_->terminated = true;
  QCoreApplication::exit(0);
}

bool Application::Terminated() const { return impl_->terminated; }

void Application::ProcessMessages() {
  FlushAll();
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool Application::Active() const { return impl_->active; }

namespace detail {

void ApplyScreenCursor(int number) {
  if (!Application::Exists()) return;
  bool& on = Application::Instance().impl().override_cursor;
  if (number == 0) {
    if (on) QGuiApplication::restoreOverrideCursor();
    on = false;
  } else if (on) {
    QGuiApplication::changeOverrideCursor(qt::CursorFor(number));
  } else {
    QGuiApplication::setOverrideCursor(qt::CursorFor(number));
    on = true;
  }
}

}  // namespace detail

// ---- screen and time -------------------------------------------------------------------------

gdi::RECT ScreenWorkArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0, 1024, 768};
  const QRect r = screen->availableGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

int ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().width() : 1024;
}

int ScreenHeight() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().height() : 768;
}

std::uint32_t GetTickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void Sleep(unsigned ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::uint64_t GetTickCount64() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SleepUntil(std::uint64_t tick) {
  using namespace std::chrono;
  std::this_thread::sleep_until(steady_clock::time_point(duration_cast<steady_clock::duration>(milliseconds(tick))));
}

double FrameInterval() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return detail::ClampedFrameInterval(screen != nullptr ? screen->refreshRate() : 0);
}

}  // namespace platform
