#include "core/assets.h"

#include "core/state.h"
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
  if (!bmp)
    ShowMessage("Cannot load the picture \"" + name + "\": " + error,
                platform::MB_OK | platform::MB_ICONWARNING);
  return bmp;
}

gdi::HICON LoadIconSheet(const std::string& name, int hot_x, int hot_y) {
  constexpr int kSize = 32;
  std::string error;
  gdi::HBITMAP sheet = gdi::LoadBmpFile(AssetPath(name), &error);
  if (!sheet || sheet->Width() < kSize || sheet->Height() < 2 * kSize) return nullptr;
  gdi::HBITMAP mask = gdi::CreateBitmap(kSize, kSize, 1, 1, nullptr);
  gdi::HBITMAP image = gdi::CreateDIBSection32(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      mask->At(x, y) = (sheet->At(x, y) & 0xFFFFFF) >= 0x808080 ? 0xFFFFFF : 0;
      image->At(x, y) = sheet->At(x, y + kSize);
    }
  return gdi::CreateIconFromBitmaps(mask, image, hot_x, hot_y);
}

int ShowMessage(const std::string& text, unsigned flags) {
  return platform::MessageBox(CanvasWindow, text, "Pindoodle", flags);
}

}  // namespace pd
