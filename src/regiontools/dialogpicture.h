// The picture buttons of the small dialogs (tick, cross, eraser): a child window that shows a
// picture of the asset directory and reports a left click released over it.
#pragma once

#include <functional>
#include <string>

#include "gdi/gdi.h"
#include "platform/platform.h"

namespace pd {

// The dialogs' pictures in the asset directory: the tick (40 x 40), the cross (40 x 35) and the
// eraser (42 x 41).
inline constexpr const char* kDialogOkPicture = "dlgok.kvr";
inline constexpr const char* kDialogCancelPicture = "dlgno.kvr";
inline constexpr const char* kDialogEraserPicture = "dlgerase.kvr";

class DialogPicture : public platform::Window {
 public:
  // Placed and shown at once; the picture is read now and shown at the first paint.
  DialogPicture(platform::Window* parent, const std::string& picture, int left, int top, int width,
                int height, const std::string& hint);
  std::function<void()> OnClick;

 private:
  gdi::HBITMAP picture_;
};

// Makes a press released over window (any control or child) call click.
void OnClickOf(platform::Window& window, std::function<void()> click);

}  // namespace pd
