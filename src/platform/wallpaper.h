// Setting the desktop wallpaper from a bitmap file, on whichever desktop is in use.
//
// The desktop is found from XDG_CURRENT_DESKTOP (a colon-separated list, most specific first) and
// from what answers on the session bus. Each desktop with a setting of its own keeps the picture
// across a restart:
//   GNOME and its relatives  gsettings org.gnome.desktop.background picture-uri and picture-uri-dark
//   Cinnamon                 gsettings org.cinnamon.desktop.background picture-uri
//   MATE                     gsettings org.mate.background picture-filename
//   KDE Plasma               org.kde.PlasmaShell.evaluateScript on the session bus, every desktop
//   Xfce                     xfconf-query, every monitor and workspace of xfce4-desktop
//   LXQt                     pcmanfm-qt --set-wallpaper
// Any other X11 session gets the picture as the root window's background, with the properties
// that other programs read (_XROOTPMAP_ID, ESETROOT_PMAP_ID); that lasts for the X session.
//
// Desktops ignore a setting set again to the value it has, so the file is shown anew each time:
// the setting is first changed to another value and then set.
#pragma once

#include <string>
#include <vector>

namespace platform {

// What the wallpaper methods ask of the system; the Qt backend does it for real, tests record it.
class WallpaperHost {
 public:
  virtual ~WallpaperHost() = default;
  virtual std::string Env(const char* name) const = 0;
  // Runs a program (found on PATH) with its arguments and waits for it; true when it ran and exited
  // with 0. Its standard output goes to *output when given.
  virtual bool Run(const std::vector<std::string>& argv, std::string* output) = 0;
  virtual bool HasBusName(const std::string& service) = 0;
  // Calls a method on the session bus with string arguments; true when it answered without error.
  virtual bool BusCall(const std::string& service, const std::string& path, const std::string& interface,
                       const std::string& method, const std::vector<std::string>& args) = 0;
  // Puts the bitmap file, scaled to cover the screen, as the X root window's background.
  virtual bool SetRootBackground(const std::string& bitmap_path, std::string* error) = 0;
};

// Sets the wallpaper by the first method that fits the desktop and works. The name of the method
// that worked goes to *method ("gnome", "kde", "xfce", "cinnamon", "mate", "lxqt", "x11-root").
bool SetWallpaperWith(WallpaperHost& host, const std::string& bitmap_path, std::string* method,
                      std::string* error);

}  // namespace platform
