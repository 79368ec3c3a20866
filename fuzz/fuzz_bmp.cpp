// libFuzzer target for the bitmap file reader. Beyond "no crash, no leak, no read outside the
// input", it checks what the reader promises: a refusal always carries a message and agrees with
// ReadBmpInfo, a decoded bitmap has the size the headers state and plain RGB pixel words, and it
// survives a round trip through the 24-bit writer unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gdi/bmp.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    __builtin_printf("fuzz_bmp: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gdi::BmpInfo info;
  std::string info_error;
  const bool accepted = gdi::ReadBmpInfo(data, size, &info, &info_error);
  // Legal but large images (RLE can describe a huge picture in a few bytes) only cost time and
  // memory; ReadBmpInfo has already checked their headers.
  if (accepted && static_cast<std::int64_t>(info.width) * info.height > (std::int64_t{1} << 16)) return 0;

  std::string error;
  std::vector<gdi::PALETTEENTRY> palette;
  const gdi::HBITMAP bmp = gdi::LoadBmp(data, size, &error, &palette);
  Check((bmp != nullptr) == accepted, "LoadBmp and ReadBmpInfo disagree");
  if (!bmp) {
    Check(!error.empty() && error == info_error, "refusal without the same message");
    Check(palette.empty(), "palette left filled after a refusal");
    return 0;
  }
  Check(bmp->Width() == info.width && bmp->Height() == info.height, "size differs from the headers");
  Check(palette.size() == static_cast<std::size_t>(info.palette_size) && palette.size() <= 256,
        "bad palette");
  for (int y = 0; y < bmp->Height(); ++y)
    for (int x = 0; x < bmp->Width(); ++x) Check((bmp->At(x, y) >> 24) == 0, "pixel word with a top byte");

  if (static_cast<std::int64_t>(info.width) * info.height <= (1 << 12)) {
    const gdi::HBITMAP back = gdi::LoadBmp(gdi::EncodeBmp24(*bmp), &error);
    Check(back && back->Width() == bmp->Width() && back->Height() == bmp->Height(), "24-bit copy unreadable");
    for (int y = 0; y < bmp->Height(); ++y)
      for (int x = 0; x < bmp->Width(); ++x) Check(back->At(x, y) == bmp->At(x, y), "24-bit copy differs");
    if (!palette.empty())
      Check(gdi::LoadBmp(gdi::EncodeBmp8(*bmp, palette), &error) != nullptr, "8-bit copy unreadable");
  }
  return 0;
}
