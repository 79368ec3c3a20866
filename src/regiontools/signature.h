// The SIGNATURE tool: the child writes a signature with the mouse in the dialog Tsignme; the
// accepted one is kept in "name.sig" in the data directory and stamped in the current colour
// into the bottom-right corner of the picture.
#pragma once

#include "gdi/gdi.h"
#include "platform/platform.h"
#include "regiontools/dialogpicture.h"

namespace pd {

// The signature file, in DataDir: a bitmap whose (0, 0)-(150, 80) holds dark strokes on white;
// rows 80..159 are working space of the stamp.
inline constexpr const char* kSignatureFile = "name.sig";
inline constexpr int kSignatureWidth = 150, kSignatureHeight = 80;

// The saved signature as a true-colour bitmap of at least 150 x 160: a missing file gives a white
// one; an unreadable one too, after a message with the reader's words; a smaller or
// palette-based one is copied, keeping its pixels, onto a white true-colour one.
gdi::HBITMAP LoadSignature();

class Tsignme : public platform::Form {
 public:
  Tsignme();
  platform::Window& Panel1() { return panel1_; }
  DialogPicture& Image1() { return image1_; }  // accept
  DialogPicture& Image2() { return image2_; }  // cancel
  DialogPicture& Image3() { return image3_; }  // clear
  platform::Label& Label1() { return label1_; }  // "CLEAR"

  void ShowSavedSignature();
  void Panel1MouseDown(int x, int y);
  void Panel1MouseMove(int x, int y);
  void Panel1MouseUp();
  void ClearClick();
  // Writes the panel's pixels as the signature (a temporary file renamed over the old one; a
  // failure shows the writer's message and stamps nothing), DialogResult = 1, closes.
  void Image1Click();
  void Image2Click();  // DialogResult = 0, closes; the file is untouched

 private:
  void Stroke(int x0, int y0, int x1, int y1);

  platform::Window panel1_;
  DialogPicture image1_, image2_, image3_;
  platform::Label label1_;
  bool pressed_ = false;
  int last_x_ = 0, last_y_ = 0;
};

// Stamps the saved signature in CurrentColour into the canvas's bottom-right 150 x 80 corner:
// its ink shape blackened first, then the colour ORed in. The file is not changed.
void StampSignature();
// The SIGNATURE button: the dialog, the canvas repainted, and the stamp when it was accepted.
void SignatureAction();

}  // namespace pd
