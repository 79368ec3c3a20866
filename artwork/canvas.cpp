#include "canvas.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "gdi/bmp.h"

namespace art {

namespace {
constexpr const char* kLetteringFace = "DejaVu Sans";
constexpr COLORREF kBlackPixel = gdi::RGB(0, 0, 0), kWhitePixel = gdi::RGB(255, 255, 255);
}  // namespace

Canvas::Canvas(int width, int height, COLORREF background)
    : width_(width), height_(height), bitmap_(gdi::CreateDIBSection32(width, height)) {
  if (!bitmap_)
    throw std::runtime_error("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                             " canvas");
  bitmap_->Fill(gdi::PixelFromColorref(background));
  dc_ = gdi::CreateCompatibleDC(nullptr);
  gdi::SelectObject(dc_, bitmap_);
}

COLORREF Canvas::Pixel(int x, int y) const {
  return gdi::ColorrefFromPixel(bitmap_->At(x, y));
}

void Canvas::SetPixel(int x, int y, COLORREF colour) {
  if (x >= 0 && y >= 0 && x < width_ && y < height_) bitmap_->At(x, y) = gdi::PixelFromColorref(colour);
}

void Canvas::Save(const std::filesystem::path& file) const {
  std::string error;
  if (!gdi::SaveBmp24(file.string(), *bitmap_, &error))
    throw std::runtime_error(file.string() + ": " + error);
}

Painter::Painter(Canvas& canvas, double ox, double oy, double scale)
    : canvas_(canvas), ox_(ox), oy_(oy), scale_(scale) {
  old_pen_ = gdi::SelectObject(Dc(), gdi::GetStockObject(gdi::BLACK_PEN));
  old_brush_ = gdi::SelectObject(Dc(), gdi::GetStockObject(gdi::NULL_BRUSH));
}

Painter::~Painter() {
  gdi::SelectObject(Dc(), old_pen_);
  gdi::SelectObject(Dc(), old_brush_);
}

int Painter::X(double x) const {
  return static_cast<int>(std::lround(ox_ + x * scale_));
}
int Painter::Y(double y) const {
  return static_cast<int>(std::lround(oy_ + y * scale_));
}
int Painter::Len(double d) const {
  return std::max(1, static_cast<int>(std::lround(d * scale_)));
}

Painter& Painter::Pen(COLORREF colour, double width) {
  gdi::SelectObject(Dc(), gdi::CreatePen(gdi::PS_SOLID, Len(width), colour));
  return *this;
}
Painter& Painter::NoPen() {
  gdi::SelectObject(Dc(), gdi::GetStockObject(gdi::NULL_PEN));
  return *this;
}
Painter& Painter::Brush(COLORREF colour) {
  gdi::SelectObject(Dc(), gdi::CreateSolidBrush(colour));
  return *this;
}
Painter& Painter::NoBrush() {
  gdi::SelectObject(Dc(), gdi::GetStockObject(gdi::NULL_BRUSH));
  return *this;
}

std::vector<gdi::POINT> Painter::Map(const std::vector<Pt>& pts) const {
  std::vector<gdi::POINT> out;
  out.reserve(pts.size());
  for (const Pt& p : pts) out.push_back({X(p.x), Y(p.y)});
  return out;
}

void Painter::Rect(double l, double t, double r, double b) {
  gdi::Rectangle(Dc(), X(l), Y(t), X(r), Y(b));
}
void Painter::Round(double l, double t, double r, double b, double corner) {
  gdi::RoundRect(Dc(), X(l), Y(t), X(r), Y(b), Len(corner), Len(corner));
}
void Painter::Ellipse(double l, double t, double r, double b) {
  gdi::Ellipse(Dc(), X(l), Y(t), X(r), Y(b));
}

void Painter::Poly(const std::vector<Pt>& pts) {
  const auto p = Map(pts);
  gdi::Polygon(Dc(), p.data(), static_cast<int>(p.size()));
}
void Painter::Line(double x1, double y1, double x2, double y2) {
  gdi::MoveToEx(Dc(), X(x1), Y(y1), nullptr);
  gdi::LineTo(Dc(), X(x2), Y(y2));
}
void Painter::Lines(const std::vector<Pt>& pts) {
  const auto p = Map(pts);
  gdi::Polyline(Dc(), p.data(), static_cast<int>(p.size()));
}

void Painter::ArcPoints(double l, double t, double r, double b, double a0, double a1, gdi::POINT& s,
                        gdi::POINT& e) const {
  const double cx = (l + r) / 2, cy = (t + b) / 2;
  const double rad = std::numbers::pi / 180;
  // Radial points far outside the box, so rounding never moves the angle.
  const double far = (std::abs(r - l) + std::abs(b - t)) * 4 + 10;
  s = {X(cx + far * std::cos(a0 * rad)), Y(cy - far * std::sin(a0 * rad))};
  e = {X(cx + far * std::cos(a1 * rad)), Y(cy - far * std::sin(a1 * rad))};
}
void Painter::Arc(double l, double t, double r, double b, double a0, double a1) {
  gdi::POINT s, e;
  ArcPoints(l, t, r, b, a0, a1, s, e);
  gdi::Arc(Dc(), X(l), Y(t), X(r), Y(b), s.x, s.y, e.x, e.y);
}
void Painter::Pie(double l, double t, double r, double b, double a0, double a1) {
  gdi::POINT s, e;
  ArcPoints(l, t, r, b, a0, a1, s, e);
  gdi::Pie(Dc(), X(l), Y(t), X(r), Y(b), s.x, s.y, e.x, e.y);
}

void Painter::Dot(double x, double y, COLORREF colour) {
  canvas_.SetPixel(X(x), Y(y), colour);
}

void Painter::Blob(double x, double y, double size, COLORREF colour) {
  const int n = Len(size);
  const int x0 = static_cast<int>(std::lround(ox_ + x * scale_ - n / 2.0));
  const int y0 = static_cast<int>(std::lround(oy_ + y * scale_ - n / 2.0));
  gdi::FillRect(Dc(), {x0, y0, x0 + n, y0 + n}, gdi::CreateSolidBrush(colour));
}

gdi::HFONT Painter::MakeFont(double height) const {
  // A negative height asks for the character height rather than the cell height.
  const int escapement = static_cast<int>(std::lround(text_angle_ * 10));
  return gdi::CreateFontA(-Len(height), 0, escapement, escapement, gdi::FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0,
                          kLetteringFace);
}

void Painter::Text(double x, double y, const std::string& text, double height, COLORREF colour,
                   unsigned align) {
  const gdi::HFONT old = gdi::SelectObject(Dc(), MakeFont(height));
  gdi::SetBkMode(Dc(), gdi::TRANSPARENT);
  gdi::SetTextColor(Dc(), colour);
  gdi::SetTextAlign(Dc(), align);
  gdi::TextOutA(Dc(), X(x), Y(y), text.c_str(), static_cast<int>(text.size()));
  gdi::SelectObject(Dc(), old);
}

void Painter::OutlinedText(double x, double y, const std::string& text, double height, COLORREF colour,
                           COLORREF outline_colour, double outline, unsigned align) {
  // The outline is the lettering stamped at every offset of a small disc around the place.
  const int r = Len(outline);
  for (int dy = -r; dy <= r; ++dy)
    for (int dx = -r; dx <= r; ++dx)
      if (dx * dx + dy * dy <= r * r + r)
        Text(x + dx / scale_, y + dy / scale_, text, height, outline_colour, align);
  Text(x, y, text, height, colour, align);
}

double Painter::TextWidth(const std::string& text, double height) {
  const gdi::HFONT old = gdi::SelectObject(Dc(), MakeFont(height));
  gdi::SIZE size{};
  const bool ok = gdi::GetTextExtentPoint32A(Dc(), text.c_str(), static_cast<int>(text.size()), &size);
  gdi::SelectObject(Dc(), old);
  // Until the lettering can be measured, guess from the height so that layouts still hold.
  return ok ? size.cx / scale_ : height * 0.7 * static_cast<double>(text.size());
}

void SaveMasked(const Canvas& art, COLORREF clear, bool rim, const std::filesystem::path& file) {
  const int w = art.Width(), h = art.Height();
  auto solid = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && art.Pixel(x, y) != clear; };
  Canvas out(w, 2 * h, kBlackPixel);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      bool edge = false;
      if (rim && !solid(x, y))
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) edge = edge || solid(x + dx, y + dy);
      const bool figure = solid(x, y);
      out.SetPixel(x, y, figure || edge ? kBlackPixel : kWhitePixel);
      out.SetPixel(x, h + y, figure ? art.Pixel(x, y) : edge ? kWhitePixel : kBlackPixel);
    }
  out.Save(file);
}

Pt Lerp(Pt a, Pt b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

}  // namespace art
