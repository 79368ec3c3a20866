// bmp-decode IN.bmp OUT.ppm: decodes a Windows bitmap file and writes its pixels as binary PPM.
// Exits 1 with the reader's message for a file it refuses, 2 for a usage or output error.
#include <fstream>
#include <iostream>
#include <string>

#include "gdi/bmp.h"
#include "gdi/script.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: bmp-decode IN.bmp OUT.ppm\n";
    return 2;
  }
  std::string error;
  const gdi::HBITMAP bmp = gdi::LoadBmpFile(argv[1], &error);
  if (!bmp) {
    std::cerr << "bmp-decode: " << argv[1] << ": " << error << "\n";
    return 1;
  }
  const std::string ppm = gdi::EncodePpm(*bmp);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(ppm.data(), static_cast<std::streamsize>(ppm.size()));
  out.close();
  if (!out) {
    std::cerr << "bmp-decode: cannot write " << argv[2] << "\n";
    return 2;
  }
  return 0;
}
