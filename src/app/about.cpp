#include "app/about.h"

#include "core/assets.h"
#include "core/canvas.h"
#include "platform/platform.h"

namespace pd {

namespace {

// "This is Pindoodle": a 484 x 150 picture across the top and one picture button that closes
// the window.
class Taboutme : public platform::Form {
 public:
  Taboutme() : image1_(this), button_(this) {
    SetCaption("This is Pindoodle");
    SetClientSize(484, 200);
    image1_.SetBounds(0, 0, 484, 150);
    image1_.SetHint("Thanks for playing with Pindoodle !!!");
    button_.SetBounds(182, 155, 120, 40);
    button_.SetHint("Let's get back to the program!");
    SetColour(gdi::RGB(0, 0, 0));
    image1_.OnPaint = [this] { Blit(image1_, "about.kvr"); };
    button_.OnPaint = [this] { Blit(button_, "aboutbtn.kvr"); };
    button_.OnMouseUp = [this](platform::MouseButton, unsigned, int x, int y) {
      if (PointInBox(x, y, 0, 0, button_.ClientWidth(), button_.ClientHeight())) Close(platform::mrOk);
    };
    image1_.Show();
    button_.Show();
  }

 private:
  static void Blit(platform::Window& w, const char* name) {
    if (gdi::HBITMAP pic = LoadAssetBitmap(name)) {
      WindowCanvas canvas(&w);
      BitmapCanvas src(pic);
      gdi::BitBlt(canvas.dc(), 0, 0, w.ClientWidth(), w.ClientHeight(), src.dc(), 0, 0, gdi::SRCCOPY);
    }
  }
  platform::Window image1_;
  platform::Window button_;
};

}  // namespace

void ShowAbout() {
  Taboutme about;
  about.ShowModal();
}

}  // namespace pd
