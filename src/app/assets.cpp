#include "app/assets.h"

#include "app/state.h"
#include "gdi/bmp.h"
#include "platform/platform.h"

namespace pd {

std::string AssetPath(const std::string& name) {
  std::string found = platform::FindFileNoCase(AssetDir, name);
  return found.empty() ? AssetDir + name : found;
}

gdi::HBITMAP LoadAssetBitmap(const std::string& name) {
  std::string error;
  gdi::HBITMAP bmp = gdi::LoadBmpFile(AssetPath(name), &error);
  if (!bmp) ShowMessage("Cannot load the picture \"" + name + "\": " + error, platform::MB_OK | platform::MB_ICONWARNING);
  return bmp;
}

int ShowMessage(const std::string& text, unsigned flags) {
  return platform::MessageBox(CanvasWindow, text, "Pindoodle", flags);
}

}  // namespace pd
