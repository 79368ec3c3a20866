// The subjects of the stamps and the clip art are drawn once, against this small drawing
// interface, and come out either as pictures through the raster layer or as metafile records.
//
// Coordinates are design units (every subject is drawn in a 100 x 100 frame, y downwards);
// angles are degrees as on a maths page (0 = east, 90 = north), arcs run counter-clockwise.
#pragma once

#include <vector>

#include "canvas.h"
#include "wmf_writer.h"

namespace art {

class Sketch {
 public:
  virtual ~Sketch() = default;
  virtual void Pen(COLORREF colour, double width) = 0;
  virtual void NoPen() = 0;
  virtual void Brush(COLORREF colour) = 0;
  // Hatched lines in the colour with the gaps left as they are (the background mode is
  // transparent).
  virtual void Hatch(int hatch, COLORREF colour) = 0;
  virtual void NoBrush() = 0;
  virtual void Rect(double l, double t, double r, double b) = 0;
  virtual void Round(double l, double t, double r, double b, double corner) = 0;
  virtual void Ellipse(double l, double t, double r, double b) = 0;
  virtual void Poly(const std::vector<Pt>& pts) = 0;
  virtual void Lines(const std::vector<Pt>& pts) = 0;
  virtual void Arc(double l, double t, double r, double b, double a0, double a1) = 0;
  virtual void Pie(double l, double t, double r, double b, double a0, double a1) = 0;
  virtual void Chord(double l, double t, double r, double b, double a0, double a1) = 0;

  Sketch& Style(COLORREF outline, COLORREF fill, double width = 2) {
    Pen(outline, width);
    Brush(fill);
    return *this;
  }
  void Circle(double cx, double cy, double r) { Ellipse(cx - r, cy - r, cx + r, cy + r); }
  void Line(double x1, double y1, double x2, double y2) { Lines({{x1, y1}, {x2, y2}}); }
};

// A point in the direction `degrees` from the centre of the box, outside it: where arcs, pies
// and chords start and end.
Pt EllipsePoint(double l, double t, double r, double b, double degrees);

// Onto a canvas: design point (x, y) lands on pixel (ox + x * scale, oy + y * scale).
class RasterSketch : public Sketch {
 public:
  RasterSketch(Canvas& canvas, double ox, double oy, double scale);
  void Pen(COLORREF colour, double width) override;
  void NoPen() override;
  void Brush(COLORREF colour) override;
  void Hatch(int hatch, COLORREF colour) override;
  void NoBrush() override;
  void Rect(double l, double t, double r, double b) override;
  void Round(double l, double t, double r, double b, double corner) override;
  void Ellipse(double l, double t, double r, double b) override;
  void Poly(const std::vector<Pt>& pts) override;
  void Lines(const std::vector<Pt>& pts) override;
  void Arc(double l, double t, double r, double b, double a0, double a1) override;
  void Pie(double l, double t, double r, double b, double a0, double a1) override;
  void Chord(double l, double t, double r, double b, double a0, double a1) override;

 private:
  Painter p_;
};

// Into a metafile: design point (x, y) becomes logical ((x - ox) * scale, (y - oy) * scale).
// Each pen and brush is made when it is first needed and deleted when another replaces it.
class MetafileSketch : public Sketch {
 public:
  MetafileSketch(WmfWriter& out, double ox, double oy, double scale);
  ~MetafileSketch() override;
  void Pen(COLORREF colour, double width) override;
  void NoPen() override;
  void Brush(COLORREF colour) override;
  void Hatch(int hatch, COLORREF colour) override;
  void NoBrush() override;
  void Rect(double l, double t, double r, double b) override;
  void Round(double l, double t, double r, double b, double corner) override;
  void Ellipse(double l, double t, double r, double b) override;
  void Poly(const std::vector<Pt>& pts) override;
  void Lines(const std::vector<Pt>& pts) override;
  void Arc(double l, double t, double r, double b, double a0, double a1) override;
  void Pie(double l, double t, double r, double b, double a0, double a1) override;
  void Chord(double l, double t, double r, double b, double a0, double a1) override;

 private:
  int X(double x) const;
  int Y(double y) const;
  gdi::POINT P(Pt p) const { return {X(p.x), Y(p.y)}; }
  void Replace(int& slot, int made);

  WmfWriter& out_;
  double ox_, oy_, scale_;
  int pen_ = -1, brush_ = -1;
};

}  // namespace art
