// A small Windows metafile writer for the clip art: placeable files of pens, solid and hatched
// brushes and the shapes the clip art is drawn with, in whole logical units.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gdi/gdi.h"

namespace art {

class WmfWriter {
 public:
  // The picture covers logical (0, 0)-(width, height); at `units_per_inch` it is
  // width * 96 / units_per_inch pixels wide on the screen.
  WmfWriter(int width, int height, int units_per_inch);

  // Objects: each Make* returns the slot of the new object, the lowest free one, as the player
  // numbers them.
  int MakePen(int style, int width, gdi::COLORREF colour);
  int MakeBrush(gdi::COLORREF colour);
  int MakeHatchBrush(int hatch, gdi::COLORREF colour);
  int MakeNullBrush();
  void Select(int slot);
  void Delete(int slot);

  void SetBkMode(int mode);
  void SetBkColour(gdi::COLORREF colour);
  void SetPolyFillMode(int mode);
  void Rectangle(int l, int t, int r, int b);
  void RoundRect(int l, int t, int r, int b, int w, int h);
  void Ellipse(int l, int t, int r, int b);
  void Polygon(const std::vector<gdi::POINT>& pts);
  void Polyline(const std::vector<gdi::POINT>& pts);
  void Arc(int l, int t, int r, int b, gdi::POINT start, gdi::POINT end);
  void Pie(int l, int t, int r, int b, gdi::POINT start, gdi::POINT end);
  void Chord(int l, int t, int r, int b, gdi::POINT start, gdi::POINT end);

  // The whole file: placeable header, metafile header, records, end record.
  std::string Bytes() const;
  // Writes the file; throws std::runtime_error when it cannot.
  void Save(const std::filesystem::path& file) const;

 private:
  void Record(std::uint16_t function, const std::vector<int>& words);
  int Add();
  void Shape(std::uint16_t function, int l, int t, int r, int b, gdi::POINT s, gdi::POINT e);

  int width_, height_, units_per_inch_;
  std::vector<std::uint16_t> words_;  // the records
  std::vector<bool> used_;            // object slots
  std::size_t largest_record_ = 0;
};

}  // namespace art
