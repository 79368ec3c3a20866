// The program's 225 colours and the logical palette made from them.
#include "core/palette_colours.h"

#include "core/palette_table.h"

namespace pd {

void InitPaletteColours() {
  PaletteColours = kPaletteTable;
}

gdi::HPALETTE BuildAppPalette() {
  // The palette announces 240 entries; the 15 beyond the program's colours repeat black.
  std::array<gdi::PALETTEENTRY, 240> entries{};
  for (int i = 0; i < kPaletteSize; ++i)
    entries[i] = {static_cast<gdi::BYTE>(gdi::GetRValue(PaletteColours[i])),
                  static_cast<gdi::BYTE>(gdi::GetGValue(PaletteColours[i])),
                  static_cast<gdi::BYTE>(gdi::GetBValue(PaletteColours[i])), 0};
  return gdi::CreatePalette(entries.data(), static_cast<int>(entries.size()));
}

int NearestPaletteEntry(COLORREF colour) {
  // Only the 225 defined entries take part, never the padding of the logical palette.
  const int r = gdi::GetRValue(colour), g = gdi::GetGValue(colour), b = gdi::GetBValue(colour);
  int best = 0;
  long best_d = -1;
  for (int i = 0; i < kPaletteSize; ++i) {
    const long dr = gdi::GetRValue(PaletteColours[i]) - r, dg = gdi::GetGValue(PaletteColours[i]) - g,
               db = gdi::GetBValue(PaletteColours[i]) - b;
    const long d = dr * dr + dg * dg + db * db;
    if (best_d < 0 || d < best_d) {
      best_d = d;
      best = i;
    }
  }
  return best;
}

}  // namespace pd
