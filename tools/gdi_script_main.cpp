// gdi-script SCENARIO OUT.ppm [REFERENCE.ppm]: runs a drawing scenario through the raster layer
// and writes the canvas as binary PPM. With a reference image it also reports the differences
// and writes OUT.diff.ppm (differing pixels magenta over a faded copy).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "gdi/script.h"

namespace {
bool ReadFile(const char* path, std::string* out) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::ostringstream ss;
  ss << f.rdbuf();
  *out = ss.str();
  return true;
}
bool WriteFile(const std::string& path, const std::string& data) {
  std::ofstream f(path, std::ios::binary);
  f << data;
  return static_cast<bool>(f);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: gdi-script SCENARIO OUT.ppm [REFERENCE.ppm]\n";
    return 2;
  }
  std::string text;
  if (!ReadFile(argv[1], &text)) {
    std::cerr << "gdi-script: cannot read " << argv[1] << "\n";
    return 1;
  }
  const gdi::ScriptResult res = gdi::RunScript(text);
  if (!res.ok) {
    std::cerr << argv[1] << ": " << res.error << "\n";
    return 1;
  }
  if (!WriteFile(argv[2], gdi::EncodePpm(*res.canvas))) {
    std::cerr << "gdi-script: cannot write " << argv[2] << "\n";
    return 1;
  }
  if (argc == 4) {
    std::string ref_data, err;
    if (!ReadFile(argv[3], &ref_data)) {
      std::cerr << "gdi-script: cannot read " << argv[3] << "\n";
      return 1;
    }
    gdi::HBITMAP ref = gdi::DecodePpm(ref_data, &err);
    if (!ref) {
      std::cerr << argv[3] << ": " << err << "\n";
      return 1;
    }
    gdi::HBITMAP diff;
    const gdi::ImageDiff d = gdi::CompareImages(*res.canvas, *ref, &diff);
    if (d.size_mismatch) {
      std::cout << "size differs from the reference\n";
      return 1;
    }
    std::printf("%ld of %ld pixels differ (%.2f%% agree)", d.differing, d.total, d.AgreementPercent());
    if (d.differing)
      std::printf(", box (%d,%d)-(%d,%d)", d.box.left, d.box.top, d.box.right, d.box.bottom);
    std::printf("\n");
    WriteFile(std::string(argv[2]) + ".diff.ppm", gdi::EncodePpm(*diff));
    return d.differing ? 3 : 0;
  }
  return 0;
}
