// A scroll box: a child window that shows part of a larger picture and a horizontal scroll bar
// along its bottom edge with which the child moves the picture sideways. Built from plain windows
// of this layer, so it behaves alike on every backend.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace platform {

class ScrollBox : public Window {
 public:
  static constexpr int kBarHeight = 17;

  explicit ScrollBox(Window* parent);
  // The picture shown; the box keeps a reference. Null shows the box's colour.
  void SetPicture(const gdi::HBITMAP& picture);
  // How far the picture is scrolled, 0..MaxScroll().
  int Position() const { return position_; }
  void SetPosition(int position);
  int MaxScroll() const;
  // Presses on the picture, in the picture's own coordinates.
  std::function<void(MouseButton button, unsigned shift, int x, int y)> OnPictureMouseDown;

  Window& View() { return view_; }
  Window& Bar() { return bar_; }

 private:
  void Layout();
  void PaintView();
  void PaintBar();
  // The bar's track between its two arrow buttons, and the thumb on it.
  int TrackLength() const;
  int ThumbLength() const;
  int ThumbStart() const;
  void BarDown(int x);
  void BarMove(int x);

  Window view_;
  Window bar_;
  gdi::HBITMAP picture_;
  int position_ = 0;
  bool dragging_ = false;
  int drag_offset_ = 0;
};

}  // namespace platform
