// A line-oriented drawing language over the raster layer, for looking at what it draws and for
// comparing it with reference images. One command per line; see RunScript for the grammar.
#pragma once

#include <string>

#include "gdi/gdi.h"

namespace gdi {

struct ScriptResult {
  bool ok = false;
  std::string error;  // "line N: message" when !ok
  HBITMAP canvas;
};

// Runs a whole scenario. An unknown command or a malformed line is an error, never skipped.
ScriptResult RunScript(const std::string& text);

// Binary PPM (P6) of a surface, and back. DecodePpm returns null with a message on a bad file.
std::string EncodePpm(const Bitmap& bmp);
HBITMAP DecodePpm(const std::string& data, std::string* error);

struct ImageDiff {
  long differing = 0;
  long total = 0;
  RECT box{0, 0, 0, 0};  // bounding box of the differences
  bool size_mismatch = false;
  double AgreementPercent() const { return total ? 100.0 * static_cast<double>(total - differing) / total : 0; }
};
// Compares two surfaces pixel by pixel; when diff_image is given, fills it with the differing
// pixels in magenta over a faded copy of a.
ImageDiff CompareImages(const Bitmap& a, const Bitmap& b, HBITMAP* diff_image);

}  // namespace gdi
