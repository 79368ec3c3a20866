// CLIP ART: the chooser Twmfimg, which lists the metafiles of AssetDir + "art\", previews the one
// picked at the chosen size, and PrepareClipArt, which makes the chosen picture a stamp (tool 84)
// whose white parts are transparent.
#pragma once

#include <string>

#include "gdi/gdi.h"
#include "gdi/wmf.h"
#include "platform/platform.h"

namespace pd {

// The size of the clip art for a natural size and a size position p (10..100): the longer side
// fitted to 300, then each side's hundredths rounded (halves to even) and multiplied by p. A
// picture with no natural size gives 0 x 0.
gdi::SIZE ClipArtSize(int natural_width, int natural_height, int p);

class Twmfimg : public platform::Form {
 public:
  Twmfimg();
  void FormShow();
  void FileListBox1Click();
  void ScrollBar1Change();
  void Image2MouseDown();  // yes
  void Image3MouseDown();  // no

  platform::ListBox& FileListBox1() { return list_; }
  platform::ScrollBar& ScrollBar1() { return bar_; }
  platform::Label& Label1() { return label_; }
  const gdi::SIZE& Size() const { return size_; }

 private:
  void Fit();
  void PaintPreview();

  platform::Window image1_, image2_, image3_;
  platform::ListBox list_;
  platform::Label label_;
  platform::ScrollBar bar_;
  gdi::HMETAFILE picture_;
  gdi::SIZE size_{};
};

// Builds StampSheet (image left, mask right) and StampWork of StampWidth x StampHeight from the
// metafile ChosenFile. Shows the reader's message and returns false for a file it cannot read.
bool PrepareClipArt();
// The CLIP ART button.
void ChooseClipArt();

}  // namespace pd
