#include "regiontools/dialogpicture.h"

#include "core/assets.h"
#include "core/canvas.h"
#include "core/state.h"

namespace pd {

void OnClickOf(platform::Window& window, std::function<void()> click) {
  window.OnMouseUp = [&window, click = std::move(click)](platform::MouseButton button, unsigned, int x, int y) {
    if (button == platform::MouseButton::Left && PointInBox(x, y, 0, 0, window.ClientWidth(), window.ClientHeight()))
      click();
  };
}

DialogPicture::DialogPicture(platform::Window* parent, const std::string& picture, int left, int top, int width,
                             int height, const std::string& hint)
    : platform::Window(parent), picture_(LoadAssetBitmap(picture)) {
  SetColour(gdi::RGB(0, 0, 0));
  SetBounds(left, top, width, height);
  SetHint(hint);
  OnPaint = [this] {
    if (!picture_) return;
    WindowCanvas canvas(this);
    BitmapCanvas src(picture_);
    gdi::BitBlt(canvas.dc(), 0, 0, ClientWidth(), ClientHeight(), src.dc(), 0, 0, gdi::SRCCOPY);
  };
  OnClickOf(*this, [this] {
    if (OnClick) OnClick();
  });
  Show();
}

}  // namespace pd
