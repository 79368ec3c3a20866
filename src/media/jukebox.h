// The "Music and Sound Control" window Tjukebox and the SOUND CONTROL action that shows it.
#pragma once

#include "gdi/gdi.h"
#include "platform/platform.h"

namespace pd {

// The pictures of the window, in the asset directory: the 320 x 200 background, the 32 x 32
// "on" and "off" pictures of each switch and the 40 x 40 close picture.
inline constexpr const char* kJukeboxBackground = "jukebox.kvr";
inline constexpr const char* kSoundOnPicture = "sndon.kvr";
inline constexpr const char* kSoundOffPicture = "sndoff.kvr";
inline constexpr const char* kMusicOnPicture = "muson.kvr";
inline constexpr const char* kMusicOffPicture = "musoff.kvr";
inline constexpr const char* kJukeboxClosePicture = "jukeok.kvr";

// A fixed 319 x 199 window over its background picture, with the labels "Sounds" and "Music",
// a switch picture beside each and a close picture. Clicking a switch toggles SoundOn or MusicOn
// and shows the matching picture; the music itself is left to whoever showed the window.
class Tjukebox : public platform::Form {
 public:
  Tjukebox();

  platform::Window& Image4() { return image4_; }  // the sound switch
  platform::Window& Image7() { return image7_; }  // the music switch
  platform::Window& Image8() { return image8_; }  // close

  void FormShow();
  void FormPaint();
  void Image4Click();
  void Image7Click();
  void Image8Click();

 private:
  // Makes a picture control call click when a press on it is released over it.
  void OnClick(platform::Window& image, void (Tjukebox::*click)());
  static void ShowPicture(platform::Window& image, const gdi::HBITMAP& picture);

  platform::Window image4_, image7_, image8_;
  gdi::HBITMAP background_, sound_on_, sound_off_, music_on_, music_off_, close_;
};

// The SOUND CONTROL action: shows Tjukebox modally, repaints the canvas from CanvasSnapshot,
// and then acts on a change of MusicOn: switched off, the media player closes and the song stops
// at once; switched on, the song after the last one starts. Switching the music off and on again
// in one visit changes nothing.
void SoundControl();

}  // namespace pd
