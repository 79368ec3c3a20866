// A helper of the screen-saver tests, run as its own process on a private session bus.
//   inhibit_probe service        stands in for the desktop's screen saver: answers Inhibit with
//                                cookie 7 and prints every call on a line of its own
//   inhibit_probe MODE           a program that inhibits the screen saver and then ends by MODE:
//                                return (main returns), close (the main window is closed),
//                                exit (std::exit in an event), sigterm (a SIGTERM arrives)
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {

class FakeScreenSaver final : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QString member = message.member();
    const QList<QVariant> args = message.arguments();
    if (member == "Inhibit" && args.size() == 2) {
      std::printf("Inhibit %s %s\n", qPrintable(args[0].toString()), qPrintable(args[1].toString()));
      std::fflush(stdout);
      connection.send(message.createReply(QVariant::fromValue(static_cast<uint>(7))));
      return true;
    }
    if (member == "UnInhibit" && args.size() == 1) {
      std::printf("UnInhibit %u\n", args[0].toUInt());
      std::fflush(stdout);
      connection.send(message.createReply());
      return true;
    }
    return false;
  }
};

int Service(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  FakeScreenSaver saver;
  if (!bus.registerVirtualObject("/org/freedesktop/ScreenSaver", &saver) ||
      !bus.registerService("org.freedesktop.ScreenSaver")) {
    std::printf("cannot serve\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "service") return Service(argc, argv);

  platform::Application app(argc, argv);
  app.SetTitle("Pindoodle III");
  platform::Window main_window;
  main_window.SetBounds(0, 0, 50, 50);
  platform::Desktop().InhibitScreenSaver("a child is painting");
  QTimer::singleShot(100, [&] {
    if (mode == "close") main_window.Close();
    if (mode == "exit") std::exit(0);
    if (mode == "sigterm") std::raise(SIGTERM);
    if (mode == "return") app.Quit();
  });
  return app.Run(main_window);
}
