// wmf-render IN.wmf OUT.ppm [W H]: plays a Windows metafile stretched into W x H pixels (its natural
// size when left out) on white and writes the picture as binary PPM. Prints "natural WN HN".
// Exits 1 with the reader's message for a file it refuses, 2 for a usage or output error.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "gdi/script.h"
#include "gdi/wmf.h"

namespace {

bool ParseSize(const char* text, int* out) {
  char* end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (!end || *end || v < 1 || v > 16384) return false;
  *out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::cerr << "usage: wmf-render IN.wmf OUT.ppm [W H]\n";
    return 2;
  }
  std::string error;
  const gdi::HMETAFILE mf = gdi::LoadMetafileFile(argv[1], &error);
  if (!mf) {
    std::cerr << "wmf-render: " << argv[1] << ": " << error << "\n";
    return 1;
  }
  std::cout << "natural " << mf->natural_width << " " << mf->natural_height << "\n";
  int w = mf->natural_width, h = mf->natural_height;
  if (argc == 5 && (!ParseSize(argv[3], &w) || !ParseSize(argv[4], &h))) {
    std::cerr << "wmf-render: the size must be two whole numbers from 1 to 16384\n";
    return 2;
  }
  if (w < 1 || h < 1) {
    std::cerr << "wmf-render: " << argv[1] << ": the picture has no size; give W and H\n";
    return 2;
  }
  if (static_cast<long long>(w) * h > gdi::kMaxBitmapPixels) {
    std::cerr << "wmf-render: " << w << " x " << h << " is too large\n";
    return 2;
  }
  gdi::HBITMAP bmp = gdi::CreateDIBSection32(w, h);
  bmp->Fill(0xFFFFFF);
  gdi::HDC dc = gdi::CreateSurfaceDC(bmp);
  gdi::PlayMetafile(dc, *mf, {0, 0, w, h});
  const std::string ppm = gdi::EncodePpm(*bmp);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(ppm.data(), static_cast<std::streamsize>(ppm.size()));
  out.close();
  if (!out) {
    std::cerr << "wmf-render: cannot write " << argv[2] << "\n";
    return 2;
  }
  return 0;
}
