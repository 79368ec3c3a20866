#include "platform/scrollbox.h"

#include <algorithm>

namespace platform {

namespace {
constexpr gdi::COLORREF kTrack = gdi::RGB(224, 224, 224), kFace = gdi::RGB(192, 192, 192),
                        kShadow = gdi::RGB(128, 128, 128), kArrow = gdi::RGB(0, 0, 0);
constexpr int kStep = 32;  // one arrow press: one stamp's width
}  // namespace

ScrollBox::ScrollBox(Window* parent) : Window(parent), view_(this), bar_(this) {
  OnResize = [this] { Layout(); };
  view_.OnPaint = [this] { PaintView(); };
  bar_.OnPaint = [this] { PaintBar(); };
  view_.OnMouseDown = [this](MouseButton b, unsigned shift, int x, int y) {
    if (OnPictureMouseDown) OnPictureMouseDown(b, shift, x + position_, y);
  };
  bar_.OnMouseDown = [this](MouseButton b, unsigned, int x, int) {
    if (b == MouseButton::Left) BarDown(x);
  };
  bar_.OnMouseMove = [this](unsigned, int x, int) {
    if (dragging_) BarMove(x);
  };
  bar_.OnMouseUp = [this](MouseButton, unsigned, int, int) { dragging_ = false; };
  view_.Show();
  bar_.Show();
  Layout();
}

void ScrollBox::SetPicture(const gdi::HBITMAP& picture) {
  picture_ = picture;
  SetPosition(position_);
  view_.Invalidate();
  bar_.Invalidate();
}

int ScrollBox::MaxScroll() const {
  return picture_ ? std::max(0, picture_->Width() - view_.ClientWidth()) : 0;
}

void ScrollBox::SetPosition(int position) {
  const int p = std::clamp(position, 0, MaxScroll());
  if (p == position_) return;
  position_ = p;
  PaintView();
  PaintBar();
}

void ScrollBox::Layout() {
  const int w = ClientWidth(), h = ClientHeight();
  view_.SetBounds(0, 0, w, std::max(0, h - kBarHeight));
  bar_.SetBounds(0, std::max(0, h - kBarHeight), w, std::min(h, kBarHeight));
  SetPosition(position_);
}

void ScrollBox::PaintView() {
  gdi::HDC dc = GetDC(view_);
  if (!dc) return;
  gdi::HBRUSH back = gdi::CreateSolidBrush(Colour());
  gdi::FillRect(dc, {0, 0, view_.ClientWidth(), view_.ClientHeight()}, back);
  if (picture_) {
    gdi::HDC src = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectObject(src, picture_);
    gdi::BitBlt(dc, 0, 0, view_.ClientWidth(), view_.ClientHeight(), src, position_, 0, gdi::SRCCOPY);
  }
  ReleaseDC(view_, dc);
}

int ScrollBox::TrackLength() const {
  return std::max(0, bar_.ClientWidth() - 2 * kBarHeight);
}
int ScrollBox::ThumbLength() const {
  const int track = TrackLength();
  if (!picture_ || picture_->Width() <= 0) return track;
  return std::clamp(track * view_.ClientWidth() / picture_->Width(), std::min(track, 8), track);
}
int ScrollBox::ThumbStart() const {
  const int room = TrackLength() - ThumbLength(), max = MaxScroll();
  return kBarHeight + (max > 0 ? room * position_ / max : 0);
}

void ScrollBox::PaintBar() {
  gdi::HDC dc = GetDC(bar_);
  if (!dc) return;
  const int w = bar_.ClientWidth(), h = bar_.ClientHeight();
  gdi::FillRect(dc, {0, 0, w, h}, gdi::CreateSolidBrush(kTrack));
  gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 1, kShadow));
  gdi::SelectObject(dc, gdi::CreateSolidBrush(kFace));
  gdi::Rectangle(dc, 0, 0, kBarHeight, h);
  gdi::Rectangle(dc, w - kBarHeight, 0, w, h);
  gdi::Rectangle(dc, ThumbStart(), 0, ThumbStart() + ThumbLength(), h);
  gdi::SelectObject(dc, gdi::GetStockObject(gdi::BLACK_PEN));
  gdi::SelectObject(dc, gdi::CreateSolidBrush(kArrow));
  const int m = h / 2;
  const gdi::POINT left[3] = {{5, m}, {11, m - 5}, {11, m + 5}};
  const gdi::POINT right[3] = {{w - 6, m}, {w - 12, m - 5}, {w - 12, m + 5}};
  gdi::Polygon(dc, left, 3);
  gdi::Polygon(dc, right, 3);
  ReleaseDC(bar_, dc);
}

void ScrollBox::BarDown(int x) {
  const int w = bar_.ClientWidth();
  if (x < kBarHeight) {
    SetPosition(position_ - kStep);
  } else if (x >= w - kBarHeight) {
    SetPosition(position_ + kStep);
  } else if (x < ThumbStart()) {
    SetPosition(position_ - view_.ClientWidth());
  } else if (x >= ThumbStart() + ThumbLength()) {
    SetPosition(position_ + view_.ClientWidth());
  } else {
    dragging_ = true;
    drag_offset_ = x - ThumbStart();
  }
}

void ScrollBox::BarMove(int x) {
  const int room = TrackLength() - ThumbLength();
  if (room <= 0) return;
  const int start = std::clamp(x - drag_offset_ - kBarHeight, 0, room);
  SetPosition((start * MaxScroll() + room / 2) / room);
}

}  // namespace platform
