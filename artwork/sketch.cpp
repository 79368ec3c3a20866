#include "sketch.h"

#include <cmath>

namespace art {

Pt EllipsePoint(double l, double t, double r, double b, double degrees) {
  // A point on the ray from the centre, outside the box, so that rounding never moves the angle.
  const double a = degrees * kPi / 180, far = std::abs(r - l) + std::abs(b - t) + 4;
  return {(l + r) / 2 + far * std::cos(a), (t + b) / 2 - far * std::sin(a)};
}

// ---- raster ----------------------------------------------------------------------------------

RasterSketch::RasterSketch(Canvas& canvas, double ox, double oy, double scale) : p_(canvas, ox, oy, scale) {
  gdi::SetBkMode(p_.Dc(), gdi::TRANSPARENT);
}
void RasterSketch::Pen(COLORREF colour, double width) {
  p_.Pen(colour, width);
}
void RasterSketch::NoPen() {
  p_.NoPen();
}
void RasterSketch::Brush(COLORREF colour) {
  p_.Brush(colour);
}
void RasterSketch::Hatch(int hatch, COLORREF colour) {
  // The painter puts its own brush back when it goes; a brush selected here lives while selected.
  gdi::SelectObject(p_.Dc(), gdi::CreateHatchBrush(hatch, colour));
}
void RasterSketch::NoBrush() {
  p_.NoBrush();
}
void RasterSketch::Rect(double l, double t, double r, double b) {
  p_.Rect(l, t, r, b);
}
void RasterSketch::Round(double l, double t, double r, double b, double corner) {
  p_.Round(l, t, r, b, corner);
}
void RasterSketch::Ellipse(double l, double t, double r, double b) {
  p_.Ellipse(l, t, r, b);
}
void RasterSketch::Poly(const std::vector<Pt>& pts) {
  p_.Poly(pts);
}
void RasterSketch::Lines(const std::vector<Pt>& pts) {
  p_.Lines(pts);
}
void RasterSketch::Arc(double l, double t, double r, double b, double a0, double a1) {
  p_.Arc(l, t, r, b, a0, a1);
}
void RasterSketch::Pie(double l, double t, double r, double b, double a0, double a1) {
  p_.Pie(l, t, r, b, a0, a1);
}
void RasterSketch::Chord(double l, double t, double r, double b, double a0, double a1) {
  const Pt s = EllipsePoint(l, t, r, b, a0), e = EllipsePoint(l, t, r, b, a1);
  gdi::Chord(p_.Dc(), p_.X(l), p_.Y(t), p_.X(r), p_.Y(b), p_.X(s.x), p_.Y(s.y), p_.X(e.x), p_.Y(e.y));
}

// ---- metafile --------------------------------------------------------------------------------

MetafileSketch::MetafileSketch(WmfWriter& out, double ox, double oy, double scale)
    : out_(out), ox_(ox), oy_(oy), scale_(scale) {
  out_.SetBkMode(gdi::TRANSPARENT);
}
MetafileSketch::~MetafileSketch() {
  if (pen_ >= 0) out_.Delete(pen_);
  if (brush_ >= 0) out_.Delete(brush_);
}
int MetafileSketch::X(double x) const {
  return static_cast<int>(std::lround((x - ox_) * scale_));
}
int MetafileSketch::Y(double y) const {
  return static_cast<int>(std::lround((y - oy_) * scale_));
}

void MetafileSketch::Replace(int& slot, int made) {
  out_.Select(made);
  if (slot >= 0) out_.Delete(slot);
  slot = made;
}
void MetafileSketch::Pen(COLORREF colour, double width) {
  Replace(pen_,
          out_.MakePen(gdi::PS_SOLID, std::max(1, static_cast<int>(std::lround(width * scale_))), colour));
}
void MetafileSketch::NoPen() {
  Replace(pen_, out_.MakePen(gdi::PS_NULL, 0, 0));
}
void MetafileSketch::Brush(COLORREF colour) {
  Replace(brush_, out_.MakeBrush(colour));
}
void MetafileSketch::Hatch(int hatch, COLORREF colour) {
  Replace(brush_, out_.MakeHatchBrush(hatch, colour));
}
void MetafileSketch::NoBrush() {
  Replace(brush_, out_.MakeNullBrush());
}
void MetafileSketch::Rect(double l, double t, double r, double b) {
  out_.Rectangle(X(l), Y(t), X(r), Y(b));
}
void MetafileSketch::Round(double l, double t, double r, double b, double corner) {
  const int c = static_cast<int>(std::lround(corner * scale_));
  out_.RoundRect(X(l), Y(t), X(r), Y(b), c, c);
}
void MetafileSketch::Ellipse(double l, double t, double r, double b) {
  out_.Ellipse(X(l), Y(t), X(r), Y(b));
}
void MetafileSketch::Poly(const std::vector<Pt>& pts) {
  std::vector<gdi::POINT> q;
  for (const Pt& p : pts) q.push_back(P(p));
  out_.Polygon(q);
}
void MetafileSketch::Lines(const std::vector<Pt>& pts) {
  std::vector<gdi::POINT> q;
  for (const Pt& p : pts) q.push_back(P(p));
  out_.Polyline(q);
}
void MetafileSketch::Arc(double l, double t, double r, double b, double a0, double a1) {
  out_.Arc(X(l), Y(t), X(r), Y(b), P(EllipsePoint(l, t, r, b, a0)), P(EllipsePoint(l, t, r, b, a1)));
}
void MetafileSketch::Pie(double l, double t, double r, double b, double a0, double a1) {
  out_.Pie(X(l), Y(t), X(r), Y(b), P(EllipsePoint(l, t, r, b, a0)), P(EllipsePoint(l, t, r, b, a1)));
}
void MetafileSketch::Chord(double l, double t, double r, double b, double a0, double a1) {
  out_.Chord(X(l), Y(t), X(r), Y(b), P(EllipsePoint(l, t, r, b, a0)), P(EllipsePoint(l, t, r, b, a1)));
}

}  // namespace art
