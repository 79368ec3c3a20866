// PRINT and PRINT SETUP: the picture placed, sized and turned on a page preview, then printed on
// one page.
#pragma once

#include "gdi/gdi.h"
#include "platform/platform.h"

namespace pd {

// The placement dialog's result, read by PRINT; all four are 0 after a cancel.
inline int PrintX = 0, PrintY = 0;  // the picture's corner in the page preview, preview pixels
inline int PrintMode = 0;           // 3 portrait, 4 landscape, 0 do not print
inline int PrintSize = 0;           // the size control's position, 10..95

// The pictures of the placement dialog's buttons.
inline constexpr const char* kPrintPortraitPicture = "prtport.kvr";   // 46 x 43
inline constexpr const char* kPrintLandscapePicture = "prtland.kvr";  // 44 x 37
inline constexpr const char* kPrintGoPicture = "prtgo.kvr";           // 42 x 39
inline constexpr const char* kPrintCancelPicture = "prtstop.kvr";     // 41 x 37

// The placement dialog: the page preview with the picture the child drags, the orientation
// buttons, the size bar, print and cancel. Made once; the orientation and the size are kept from
// one showing to the next, the picture's place in the preview is not.
class Tprntctl : public platform::Form {
 public:
  Tprntctl();
  void FormActivate();
  void Image2Click();  // portrait
  void Image3Click();  // landscape
  void ScrollBar1Change();
  void Image4Click();  // print
  void Image5Click();  // cancel
  void PageimgMouseDown(int x, int y);
  void PageimgMouseMove(int x, int y);
  void PageimgMouseUp(int x, int y);
  void FormMouseMove();

  int Mode() const { return mode_; }
  int PreviewX() const { return x_; }
  int PreviewY() const { return y_; }
  int PreviewWidth() const { return width_; }
  int PreviewHeight() const { return height_; }
  bool Dragging() const { return dragging_; }
  platform::Window& Pageimg() { return pageimg_; }
  platform::ScrollBar& ScrollBar1() { return scrollbar1_; }
  platform::Window& Image(int n);  // 2 .. 5

 private:
  void SizePreview();
  void DrawPreview();
  void DrawButton(platform::Window& image, const char* picture);
  void SetOrientation(int mode);

  platform::Label label1_, label2_;
  platform::Window image2_, image3_, image4_, image5_;
  platform::ScrollBar scrollbar1_;
  platform::Window pageimg_;
  int mode_ = 3;
  float sx_ = 1.97f, sy_ = 1.5f;
  int width_ = 0, height_ = 0, x_ = 10, y_ = 10;
  bool dragging_ = false;
  int start_x_ = 10, start_y_ = 10, grab_x_ = 0, grab_y_ = 0;
};

// The dialog, made on first use and kept until the main window ends (ReleasePrintControl).
Tprntctl& PrintControl();
void ReleasePrintControl();

// Where the picture goes on a page of page_width x page_height device pixels (the printable
// area) for a placement in the preview.
gdi::RECT PrintedPictureRect(int page_width, int page_height, int mode, int x, int y, int size);

// Prints the canvas on one page as PrintX, PrintY, PrintMode and PrintSize say: stretched into
// its place in bands of at most kPrintBandPixels pixels, so that a picture thousands of printer
// pixels across never needs a bitmap of its full size. A printer that is missing or refuses is
// said in a message.
inline constexpr int kPrintBandPixels = 4 << 20;
void PrintPicture();

// PRINT: the placement dialog, then the page when it was not cancelled.
void PrintAction();
// PRINT SETUP: the desktop's printer dialog; what it chooses is used by every later PRINT.
void PrintSetupAction();

}  // namespace pd
