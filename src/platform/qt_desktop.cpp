// Desktop services through the session bus.
//
// The screen saver is held off with org.freedesktop.ScreenSaver's Inhibit, which returns a cookie
// that UnInhibit gives back. The program gives it back when it ends: from Application's
// destructor, from an atexit handler for an exit() in between, and on SIGTERM, SIGINT and SIGHUP
// (which end the loop the ordinary way). Should the process die without any of these, the desktop
// drops the inhibition itself when the program's bus connection closes.
#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "platform/qt_internal.h"
#include "platform/qt_x11_root.h"
#include "platform/wallpaper.h"

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

// The wallpaper methods' system calls: programs through QProcess, the session bus, the X server.
class SystemWallpaperHost final : public WallpaperHost {
 public:
  std::string Env(const char* name) const override {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
  }
  bool Run(const std::vector<std::string>& argv, std::string* output) override {
    if (argv.empty() || QStandardPaths::findExecutable(QString::fromStdString(argv[0])).isEmpty())
      return false;
    QStringList args;
    for (std::size_t i = 1; i < argv.size(); ++i) args << QString::fromStdString(argv[i]);
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(argv[0]), args);
    if (!process.waitForFinished(10000)) {
      process.kill();
      process.waitForFinished(1000);
      return false;
    }
    if (output) *output = process.readAllStandardOutput().toStdString();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
  }
  bool HasBusName(const std::string& service) override {
    if (QCoreApplication::instance() == nullptr || !SessionBusConfigured()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) return false;
    return bus.interface()->isServiceRegistered(QString::fromStdString(service)).value();
  }
  bool BusCall(const std::string& service, const std::string& path, const std::string& interface,
               const std::string& method, const std::vector<std::string>& args) override {
    if (QCoreApplication::instance() == nullptr || !SessionBusConfigured()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QString::fromStdString(service), QString::fromStdString(path),
                                       QString::fromStdString(interface), QString::fromStdString(method));
    for (const std::string& a : args) call << QString::fromStdString(a);
    return bus.call(call, QDBus::Block, 10000).type() == QDBusMessage::ReplyMessage;
  }
  bool SetRootBackground(const std::string& bitmap_path, std::string* error) override {
    return x11::SetRootBackground(bitmap_path, error);
  }
};

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

  // The image is offered in every format the toolkit writes (PNG and BMP among them), converted
  // when another program asks. On X11 the toolkit serves the clipboard while the program runs and
  // hands it to the clipboard manager when the application object ends.
  bool CopyBitmapToClipboard(const gdi::HBITMAP& bitmap) override {
    if (!bitmap || qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    QImage image(bitmap->Width(), bitmap->Height(), QImage::Format_RGB32);
    if (image.isNull()) return false;
    for (int y = 0; y < bitmap->Height(); ++y)
      std::memcpy(image.scanLine(y), bitmap->Row(y), static_cast<std::size_t>(bitmap->Width()) * 4);
    auto* data = new QMimeData;
    data->setImageData(image);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
  }

  bool SetDesktopWallpaper(const std::string& bitmap_path, std::string* error) override {
    SystemWallpaperHost host;
    std::string method;
    return SetWallpaperWith(host, bitmap_path, &method, error);
  }

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
