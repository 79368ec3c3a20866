// The wallpaper methods: what each desktop is asked, recorded by a fake host.
#include <gtest/gtest.h>

#include <map>

#include "platform/wallpaper.h"

namespace platform {
namespace {

class RecordingHost : public WallpaperHost {
 public:
  std::map<std::string, std::string> env;
  std::vector<std::string> runs;  // each command line joined with spaces
  std::vector<std::string> bus_calls;
  std::map<std::string, std::string> outputs;  // command line prefix -> standard output
  std::vector<std::string> failing;            // programs that fail
  bool plasma = false, root_works = true;
  int root_calls = 0;

  std::string Env(const char* name) const override {
    auto it = env.find(name);
    return it == env.end() ? "" : it->second;
  }
  bool Run(const std::vector<std::string>& argv, std::string* output) override {
    std::string line;
    for (const auto& a : argv) line += (line.empty() ? "" : " ") + a;
    runs.push_back(line);
    for (const auto& f : failing)
      if (argv[0] == f) return false;
    for (const auto& [prefix, out] : outputs)
      if (line.rfind(prefix, 0) == 0 && output) *output = out;
    return true;
  }
  bool HasBusName(const std::string& service) override { return plasma && service == "org.kde.plasmashell"; }
  bool BusCall(const std::string& service, const std::string&, const std::string&, const std::string& method,
               const std::vector<std::string>& args) override {
    bus_calls.push_back(service + " " + method + " " + (args.empty() ? "" : args[0]));
    return plasma;
  }
  bool SetRootBackground(const std::string&, std::string* error) override {
    ++root_calls;
    if (!root_works && error) *error = "no root";
    return root_works;
  }
};

TEST(Wallpaper, EachDesktopIsAskedItsOwnWayAndTheSettingIsChangedBeforeItIsSet) {
  std::string method, error;
  {
    RecordingHost gnome;
    gnome.env = {{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}, {"DISPLAY", ":0"}};
    gnome.outputs["gsettings list-keys"] = "picture-options\npicture-uri\npicture-uri-dark\n";
    ASSERT_TRUE(SetWallpaperWith(gnome, "/home/a b/TEMP.BMP", &method, &error));
    EXPECT_EQ(method, "gnome");
    const std::vector<std::string> want = {
        "gsettings set org.gnome.desktop.background picture-uri ",
        "gsettings set org.gnome.desktop.background picture-uri file:///home/a%20b/TEMP.BMP",
        "gsettings list-keys org.gnome.desktop.background",
        "gsettings set org.gnome.desktop.background picture-uri-dark ",
        "gsettings set org.gnome.desktop.background picture-uri-dark file:///home/a%20b/TEMP.BMP",
        "gsettings set org.gnome.desktop.background picture-options zoom"};
    EXPECT_EQ(gnome.runs, want);
    EXPECT_EQ(gnome.root_calls, 0);
  }
  {
    RecordingHost xfce;
    xfce.env = {{"XDG_CURRENT_DESKTOP", "XFCE"}};
    xfce.outputs["xfconf-query --channel xfce4-desktop --list"] =
        "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n/backdrop/screen0/monitorHDMI-1/workspace1/"
        "last-image\n/backdrop/screen0/monitorHDMI-1/workspace0/image-style\n/desktop-icons/style\n";
    ASSERT_TRUE(SetWallpaperWith(xfce, "/p/TEMP.BMP", &method, &error));
    EXPECT_EQ(method, "xfce");
    int sets = 0;
    for (const auto& r : xfce.runs) sets += r.find("last-image --set /p/TEMP.BMP") != std::string::npos;
    EXPECT_EQ(sets, 2);  // both workspaces, nothing else
  }
  {
    RecordingHost kde;  // found on the bus although the variable names nothing
    kde.plasma = true;
    ASSERT_TRUE(SetWallpaperWith(kde, "/p/it's.bmp", &method, &error));
    EXPECT_EQ(method, "kde");
    ASSERT_EQ(kde.bus_calls.size(), 1u);
    EXPECT_NE(kde.bus_calls[0].find("writeConfig('Image', 'file:///p/it%27s.bmp')"), std::string::npos);
    EXPECT_NE(kde.bus_calls[0].find("writeConfig('Image', '')"), std::string::npos);
  }
  {
    RecordingHost mate;
    mate.env = {{"XDG_CURRENT_DESKTOP", "MATE"}};
    ASSERT_TRUE(SetWallpaperWith(mate, "/p/TEMP.BMP", &method, &error));
    EXPECT_EQ(mate.runs[1], "gsettings set org.mate.background picture-filename /p/TEMP.BMP");
  }
}

TEST(Wallpaper, OtherX11SessionsGetTheRootWindowAndNothingWorkingIsSaid) {
  std::string method, error;
  RecordingHost bare;  // a window manager alone
  bare.env = {{"DISPLAY", ":5"}};
  ASSERT_TRUE(SetWallpaperWith(bare, "/p/TEMP.BMP", &method, &error));
  EXPECT_EQ(method, "x11-root");
  EXPECT_TRUE(bare.runs.empty());

  RecordingHost broken_gnome;  // the desktop's own way fails: the root window still shows it
  broken_gnome.env = {{"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":0"}};
  broken_gnome.failing = {"gsettings"};
  ASSERT_TRUE(SetWallpaperWith(broken_gnome, "/p/TEMP.BMP", &method, &error));
  EXPECT_EQ(method, "x11-root");

  RecordingHost wayland;
  wayland.env = {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}};
  EXPECT_FALSE(SetWallpaperWith(wayland, "/p/TEMP.BMP", &method, &error));
  EXPECT_EQ(wayland.root_calls, 0);
  EXPECT_FALSE(error.empty());

  RecordingHost no_root;
  no_root.env = {{"DISPLAY", ":5"}};
  no_root.root_works = false;
  error.clear();
  EXPECT_FALSE(SetWallpaperWith(no_root, "/p/TEMP.BMP", &method, &error));
  EXPECT_EQ(error, "no root");
}

}  // namespace
}  // namespace platform
