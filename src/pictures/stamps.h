// The stamp choosers and the preparation of a chosen stamp: Tstampimg shows the 64 x 64 square
// stamps eighteen to a page, Tstampwin the 180 icon stamps in a scroll box; PrepareSquareStamp
// builds the stamp's sheet with its mask, MakeStampCursor the canvas cursor of the icon stamp.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/scrollbox.h"

namespace pd {

// The transparent colour of the square stamp files.
inline constexpr gdi::COLORREF kStampTransparent = gdi::RGB(166, 202, 240);
// The cursor shown over the whole screen while a stamp is being prepared, and the icon stamp's
// canvas cursor.
inline constexpr int kHourglassCursor = 40;
inline constexpr int kStampCursor = 35;

// The files of AssetDir + "stamps\" whose names match "*.bmp" without regard to case, sorted by
// name, at most limit of them.
std::vector<std::string> ListSquareStamps(std::size_t limit = 501);

class Tstampimg : public platform::Form {
 public:
  static constexpr int kPerPage = 18;

  Tstampimg();
  // Lists the stamps and shows the first page.
  void FormShow();
  // A press on the stamps: chooses the stamp under it, if there is one.
  void FormMouseDown(int x, int y);
  // The "more" picture: the next page, or the first after the last.
  void Image1MouseDown();
  // The cancel picture.
  void Image2MouseDown();

  const std::vector<std::string>& Entries() const { return entries_; }
  int PageFirst() const { return page_first_; }
  int PageLast() const { return page_last_; }
  int LastIndex() const { return static_cast<int>(entries_.size()) - 1; }
  platform::Window& Image1() { return image1_; }
  platform::Window& Image2() { return image2_; }

 private:
  void DrawPage();

  platform::Window image1_, image2_;
  std::vector<std::string> entries_;
  int page_first_ = 0, page_last_ = -1;
};

class Tstampwin : public platform::Form {
 public:
  Tstampwin();
  // A press at (x, y) of the 1920 x 96 picture.
  void Image1MouseDown(int x, int y);
  platform::ScrollBox& ScrollBox1() { return scroll_box_; }

 private:
  platform::ScrollBox scroll_box_;
};

// Builds StampSheet (image left, mask right, 64 x 64 each) and StampWork from ChosenFile. Shows
// the reader's message and returns false for a file that cannot be read.
bool PrepareSquareStamp();
// Builds the icon stamp's cursor from StampIcon and registers it as cursor 35.
void MakeStampCursor();

// The PICTURES buttons of the 64 x 64 and the 32 x 32 stamps: choose, prepare, select the tool.
void ChooseSquareStamp();
// WIDE (kind 4) and TALL (kind 3): choose a large stamp in the thumbnail browser.
void ChooseLargeStamp(int kind);
void ChooseIconStamp();

}  // namespace pd
