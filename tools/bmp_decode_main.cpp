// bmp-decode IN.bmp OUT.ppm: decodes a Windows bitmap file; exits non-zero with the reader's
// message for a file it refuses.
#include <iostream>

int main(int argc, char** argv) {
  std::cerr << "bmp-decode: not built yet\n";
  return 1;
}
