#include "media/jukebox.h"

#include <cstring>

#include "core/assets.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "core/state.h"
#include "media/music.h"

namespace pd {

namespace {

constexpr COLORREF kAqua = gdi::RGB(0, 255, 255);

void DrawLabel(const gdi::HDC& dc, int x, int y, const char* text) {
  // "System" falls back to the desktop's sans face; at normal weight "Sounds" ends just short of
  // the switch picture beside it, as the label was laid out.
  gdi::HFONT font = gdi::CreateFontA(-19, 0, 0, 0, gdi::FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "System");
  gdi::HGDIOBJ old_font = gdi::SelectObject(dc, font);
  gdi::SetBkMode(dc, gdi::TRANSPARENT);
  gdi::SetTextColor(dc, kAqua | kPaletteRelative);
  gdi::TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
  gdi::SelectObject(dc, old_font);
}

}  // namespace

Tjukebox::Tjukebox() : image4_(this), image7_(this), image8_(this) {
  SetCaption("Music and Sound Control");
  SetClientSize(319, 199);
  SetColour(gdi::RGB(0, 0, 0));
  background_ = LoadAssetBitmap(kJukeboxBackground);
  sound_on_ = LoadAssetBitmap(kSoundOnPicture);
  sound_off_ = LoadAssetBitmap(kSoundOffPicture);
  music_on_ = LoadAssetBitmap(kMusicOnPicture);
  music_off_ = LoadAssetBitmap(kMusicOffPicture);
  close_ = LoadAssetBitmap(kJukeboxClosePicture);

  for (platform::Window* image : {&image4_, &image7_, &image8_}) image->SetColour(gdi::RGB(0, 0, 0));
  image4_.SetBounds(255, 20, 32, 32);
  image4_.SetHint("Click to toggle sound off and on");
  image7_.SetBounds(254, 81, 32, 32);
  image7_.SetHint("Click to toggle background music off and on.");
  image8_.SetBounds(231, 131, 40, 40);
  image8_.SetHint("OK, lets' get back to making art!");
  OnClick(image4_, &Tjukebox::Image4Click);
  OnClick(image7_, &Tjukebox::Image7Click);
  OnClick(image8_, &Tjukebox::Image8Click);
  OnShow = [this] { FormShow(); };
  OnPaint = [this] { FormPaint(); };
  image4_.Show();
  image7_.Show();
  image8_.Show();
}

void Tjukebox::OnClick(platform::Window& image, void (Tjukebox::*click)()) {
  image.OnMouseUp = [this, &image, click](platform::MouseButton button, unsigned, int x, int y) {
    if (button == platform::MouseButton::Left &&
        PointInBox(x, y, 0, 0, image.ClientWidth(), image.ClientHeight()))
      (this->*click)();
  };
}

void Tjukebox::ShowPicture(platform::Window& image, const gdi::HBITMAP& picture) {
  if (!picture) return;
  WindowCanvas canvas(&image);
  BitmapCanvas src(picture);
  gdi::BitBlt(canvas.dc(), 0, 0, image.ClientWidth(), image.ClientHeight(), src.dc(), 0, 0, gdi::SRCCOPY);
}

void Tjukebox::FormShow() {
  ShowPicture(image4_, SoundOn ? sound_on_ : sound_off_);
  ShowPicture(image7_, MusicOn ? music_on_ : music_off_);
  ShowPicture(image8_, close_);
}

void Tjukebox::FormPaint() {
  WindowCanvas canvas(this);
  if (background_) {
    BitmapCanvas src(background_);
    gdi::BitBlt(canvas.dc(), 0, 0, 320, 200, src.dc(), 0, 0, gdi::SRCCOPY);
  }
  DrawLabel(canvas.dc(), 185, 26, "Sounds");
  DrawLabel(canvas.dc(), 189, 87, "Music");
}

void Tjukebox::Image4Click() {
  SoundOn = !SoundOn;
  ShowPicture(image4_, SoundOn ? sound_on_ : sound_off_);
}

void Tjukebox::Image7Click() {
  MusicOn = !MusicOn;
  ShowPicture(image7_, MusicOn ? music_on_ : music_off_);
}

void Tjukebox::Image8Click() {
  Close(platform::mrOk);
}

void SoundControl() {
  const bool music_was_on = MusicOn;
  {
    Tjukebox jukebox;
    jukebox.ShowModal();
  }
  if (CanvasWindow) CanvasWindow->Invalidate();
  RestoreCanvasSnapshot();
  if (music_was_on && !MusicOn) {
    CloseMediaPlayer();
  } else if (!music_was_on && MusicOn) {
    MusicPlaying = false;
    StartNextSong();
  }
}

}  // namespace pd
