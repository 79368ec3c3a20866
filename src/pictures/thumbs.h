// The thumbnail browser Tthumbs: a shaped window that shows four pictures of a set at a time,
// pages through the set and hands the chosen file back in ChosenFile with DialogResult set.
#pragma once

#include <string>
#include <vector>

#include "gdi/gdi.h"
#include "platform/platform.h"

namespace pd {

// The outline of the window, in window pixels, filled with the winding rule.
extern const std::vector<gdi::POINT> kThumbsOutline;

// The size a picture of the set of ChooserMode mode is drawn at in its slot.
gdi::SIZE ThumbSize(int mode);
// The image a slot shows for a file of the set: the picture itself for every set but the large
// stamps. Null, with the reader's message in *error, when the file cannot be read.
gdi::HBITMAP PrepareThumbnail(int mode, const std::string& path, std::string* error);

// The first and last entry of a page; last - first <= 3.
struct ThumbPage {
  int first = 0;
  int last = -1;
};
// The first page of a set of count entries, and the pages after and before page. The last page
// is always shown full when there are four entries or more, so pages may overlap; paging past
// either end wraps round.
ThumbPage FirstThumbPage(int count);
ThumbPage NextThumbPage(ThumbPage page, int count);
ThumbPage PreviousThumbPage(ThumbPage page, int count);

class Tthumbs : public platform::Form {
 public:
  Tthumbs();

  // Builds the list for ChooserMode and shows the first page (the window's OnShow).
  void FormShow();
  // Draws the background art, the pictures of the page and the label.
  void DrawPage();
  void FormMouseDown(int x, int y);

  const std::vector<std::string>& Entries() const { return entries_; }
  ThumbPage Page() const { return page_; }
  // "5 - 8 of 10".
  std::string LabelText() const;

 private:
  void Choose(int index);
  void DrawLabel(const gdi::HDC& dc);

  std::vector<std::string> entries_;
  ThumbPage page_;
  int mode_ = 0;
  gdi::HBITMAP background_;  // the art of the window, for one showing
};

// Creates the browser and shows it modally. The caller has set ChooserMode, checked
// PicturesAvailable and set DialogResult to 0.
void ShowThumbs();

}  // namespace pd
