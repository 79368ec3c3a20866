// libFuzzer target for the metafile reader and player. Beyond "no crash, no hang, no read outside
// the input", it checks what they promise: a refusal carries a message, a file that was read
// plays into small surfaces (upright and flipped), and playing leaves the DC as it was and no
// raster-layer object behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gdi/wmf.h"

namespace {

void Check(bool ok, const char* what) {
  if (!ok) {
    __builtin_printf("fuzz_wmf: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int live = gdi::GdiLiveObjects();
  {
    std::string error;
    const gdi::HMETAFILE mf = gdi::LoadMetafile(data, size, &error);
    if (!mf) {
      Check(!error.empty(), "refusal without a message");
      return 0;
    }
    Check(mf->natural_width >= 0 && mf->natural_height >= 0, "negative natural size");
    Check(mf->first_record <= mf->records_end && mf->records_end <= size, "records outside the file");

    gdi::HBITMAP surface = gdi::CreateDIBSection32(48, 40);
    gdi::HDC dc = gdi::CreateSurfaceDC(surface);
    const gdi::HGDIOBJ pen = gdi::GetCurrentObject(dc, gdi::ObjType::Pen);
    const gdi::HGDIOBJ brush = gdi::GetCurrentObject(dc, gdi::ObjType::Brush);
    gdi::PlayMetafile(dc, *mf, {2, 3, 45, 37});
    gdi::PlayMetafile(dc, *mf, {47, 39, -5, 0});
    Check(gdi::GetCurrentObject(dc, gdi::ObjType::Pen) == pen &&
              gdi::GetCurrentObject(dc, gdi::ObjType::Brush) == brush,
          "the DC's objects were not put back");
    Check(dc->clip == nullptr && dc->rop2 == gdi::R2_COPYPEN, "the DC's clip or mode was not put back");
    for (int y = 0; y < surface->Height(); ++y)
      for (int x = 0; x < surface->Width(); ++x)
        Check((surface->At(x, y) >> 24) == 0, "pixel word with a top byte");
  }
  Check(gdi::GdiLiveObjects() == live, "raster-layer objects left alive");
  return 0;
}
