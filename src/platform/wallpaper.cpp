#include "platform/wallpaper.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace platform {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> DesktopNames(const WallpaperHost& host) {
  std::vector<std::string> names;
  std::stringstream list(Lower(host.Env("XDG_CURRENT_DESKTOP")));
  for (std::string name; std::getline(list, name, ':');)
    if (!name.empty()) names.push_back(name);
  const std::string session = Lower(host.Env("DESKTOP_SESSION"));
  if (!session.empty()) names.push_back(session);
  return names;
}

bool Named(const std::vector<std::string>& names, std::initializer_list<const char*> wanted) {
  for (const std::string& n : names)
    for (const char* w : wanted)
      if (n == w) return true;
  return false;
}

std::string FileUri(const std::string& path) {
  static const char* kHex = "0123456789ABCDEF";
  std::string uri = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

// gsettings set schema key value, first to "" so that the same value set again is a change.
bool GSettingsSet(WallpaperHost& host, const std::string& schema, const std::string& key,
                  const std::string& value) {
  host.Run({"gsettings", "set", schema, key, ""}, nullptr);
  return host.Run({"gsettings", "set", schema, key, value}, nullptr);
}

bool SetGnome(WallpaperHost& host, const std::string& path) {
  const std::string uri = FileUri(path);
  if (!GSettingsSet(host, "org.gnome.desktop.background", "picture-uri", uri)) return false;
  // The dark style's picture (GNOME 42 and later); older versions have no such key.
  std::string keys;
  if (host.Run({"gsettings", "list-keys", "org.gnome.desktop.background"}, &keys) &&
      keys.find("picture-uri-dark") != std::string::npos)
    GSettingsSet(host, "org.gnome.desktop.background", "picture-uri-dark", uri);
  host.Run({"gsettings", "set", "org.gnome.desktop.background", "picture-options", "zoom"}, nullptr);
  return true;
}

bool SetCinnamon(WallpaperHost& host, const std::string& path) {
  if (!GSettingsSet(host, "org.cinnamon.desktop.background", "picture-uri", FileUri(path))) return false;
  host.Run({"gsettings", "set", "org.cinnamon.desktop.background", "picture-options", "zoom"}, nullptr);
  return true;
}

bool SetMate(WallpaperHost& host, const std::string& path) {
  if (!GSettingsSet(host, "org.mate.background", "picture-filename", path)) return false;
  host.Run({"gsettings", "set", "org.mate.background", "picture-options", "zoom"}, nullptr);
  return true;
}

std::string JsString(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\\' || c == '\'') out += '\\';
    out += c;
  }
  return out + "'";
}

bool SetKde(WallpaperHost& host, const std::string& path) {
  const std::string service = "org.kde.plasmashell";
  if (!host.HasBusName(service)) return false;
  // Plasma keeps the same image when it is set again: set nothing first, then the file.
  const std::string script =
      "var all = desktops();"
      "for (var i = 0; i < all.length; i++) {"
      "  var d = all[i];"
      "  d.wallpaperPlugin = 'org.kde.image';"
      "  d.currentConfigGroup = Array('Wallpaper', 'org.kde.image', 'General');"
      "  d.writeConfig('Image', '');"
      "  d.writeConfig('Image', " +
      JsString(FileUri(path)) +
      ");"
      "  d.writeConfig('FillMode', 2);"
      "}";
  return host.BusCall(service, "/PlasmaShell", "org.kde.PlasmaShell", "evaluateScript", {script});
}

bool SetXfce(WallpaperHost& host, const std::string& path) {
  std::string listing;
  if (!host.Run({"xfconf-query", "--channel", "xfce4-desktop", "--list"}, &listing)) return false;
  std::vector<std::string> properties;
  std::stringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    const std::string suffix = "/last-image";
    if (line.rfind("/backdrop/", 0) == 0 && line.size() > suffix.size() &&
        line.compare(line.size() - suffix.size(), suffix.size(), suffix) == 0)
      properties.push_back(line);
  }
  if (properties.empty()) return false;
  bool any = false;
  for (const std::string& p : properties) {
    host.Run({"xfconf-query", "--channel", "xfce4-desktop", "--property", p, "--set", ""}, nullptr);
    any |= host.Run({"xfconf-query", "--channel", "xfce4-desktop", "--property", p, "--set", path}, nullptr);
  }
  return any;
}

bool SetLxqt(WallpaperHost& host, const std::string& path) {
  return host.Run({"pcmanfm-qt", "--set-wallpaper=" + path, "--wallpaper-mode=zoom"}, nullptr);
}

}  // namespace

bool SetWallpaperWith(WallpaperHost& host, const std::string& bitmap_path, std::string* method,
                      std::string* error) {
  const std::vector<std::string> names = DesktopNames(host);
  struct Way {
    const char* name;
    bool fits;
    bool (*set)(WallpaperHost&, const std::string&);
  };
  const bool kde_on_bus = host.HasBusName("org.kde.plasmashell");
  const Way ways[] = {
      {"kde", Named(names, {"kde", "plasma", "plasmawayland"}) || kde_on_bus, SetKde},
      {"cinnamon", Named(names, {"x-cinnamon", "cinnamon"}), SetCinnamon},
      {"mate", Named(names, {"mate"}), SetMate},
      {"xfce", Named(names, {"xfce", "xfce4", "xubuntu"}), SetXfce},
      {"lxqt", Named(names, {"lxqt"}), SetLxqt},
      {"gnome",
       Named(names, {"gnome", "gnome-classic", "gnome-flashback", "ubuntu", "unity", "budgie",
                     "budgie-desktop", "pantheon", "pop", "cosmic", "zorin"}),
       SetGnome},
  };
  for (const Way& way : ways) {
    if (!way.fits || !way.set(host, bitmap_path)) continue;
    if (method) *method = way.name;
    return true;
  }
  if (!host.Env("DISPLAY").empty() && Lower(host.Env("XDG_SESSION_TYPE")) != "wayland") {
    std::string root_error;
    if (host.SetRootBackground(bitmap_path, &root_error)) {
      if (method) *method = "x11-root";
      return true;
    }
    if (error) *error = root_error;
    return false;
  }
  if (error) *error = "this desktop offers no way of setting the wallpaper that Pindoodle knows";
  return false;
}

}  // namespace platform
