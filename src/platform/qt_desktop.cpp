// Desktop services through the session bus.
//
// The screen saver is held off with org.freedesktop.ScreenSaver's Inhibit, which returns a cookie
// that UnInhibit gives back. The program gives it back when it ends: from Application's
// destructor, from an atexit handler for an exit() in between, and on SIGTERM, SIGINT and SIGHUP
// (which end the loop the ordinary way). Should the process die without any of these, the desktop
// drops the inhibition itself when the program's bus connection closes.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/qt_internal.h"

namespace platform {

namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";

// Whether a session bus is there to be asked. Without an address the bus library would try to
// start a bus of its own (autolaunch), which must not happen on a build machine.
bool SessionBusConfigured() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr && *address != '\0') return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr || *runtime == '\0') return false;
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::path(runtime) / "bus", ec);
}

class DbusDesktop final : public DesktopServices {
 public:
  ~DbusDesktop() override { UninhibitScreenSaver(); }

  void InhibitScreenSaver(const std::string& reason) override {
    if (wanted_) return;
    wanted_ = true;
    if (QCoreApplication::instance() == nullptr || !SessionBusConfigured()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Inhibit");
    const std::string name = Application::Exists() ? Application::Instance().Title() : "";
    call << QString::fromStdString(name.empty() ? "pindoodle" : name) << QString::fromStdString(reason);
    // Asked without waiting: start-up does not stall on a slow desktop. The cookie is read when
    // it is needed.
    pending_.emplace(bus.asyncCall(call, 2000));
    auto* watcher = new QDBusPendingCallWatcher(*pending_, QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [this, watcher] {
      watcher->deleteLater();
      if (!pending_ || !pending_->isFinished()) return;
      ReadCookie();
      // Registered only now, when the round trip has made every part of the bus library it
      // needs: what is made after an atexit registration is torn down before the handler runs.
      static const bool registered = std::atexit(detail::EndInhibitionAtExit) == 0;
      (void)registered;
    });
  }

  void UninhibitScreenSaver() override {
    wanted_ = false;
    const std::optional<std::uint32_t> cookie = TakeCookie();
    if (!cookie || QCoreApplication::instance() == nullptr) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "UnInhibit");
    call << *cookie;
    bus.call(call, QDBus::Block, 1000);
  }

  bool ScreenSaverInhibited() const override { return wanted_ || pending_ || cookie_; }

 private:
  void ReadCookie() {
    if (!pending_) return;
    pending_->waitForFinished();
    QDBusPendingReply<std::uint32_t> reply(*pending_);
    if (reply.isValid()) cookie_ = reply.value();
    pending_.reset();
  }

  std::optional<std::uint32_t> TakeCookie() {
    ReadCookie();
    std::optional<std::uint32_t> cookie = cookie_;
    cookie_.reset();
    return cookie;
  }

  bool wanted_ = false;
  std::optional<QDBusPendingCall> pending_;
  std::optional<std::uint32_t> cookie_;
};

}  // namespace

namespace detail {

DesktopServices& BackendDesktop() {
  static DbusDesktop desktop;
  return desktop;
}

}  // namespace detail

}  // namespace platform
