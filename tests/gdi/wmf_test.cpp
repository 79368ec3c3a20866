// Metafiles: the frame and natural size, the stretch, the records' state and objects, embedded
// bitmaps, clipping, and the damaged files the reader must refuse. Every file is assembled here
// record by record.
#include "gdi/wmf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "canvas.h"

namespace {

using namespace gdi;
using gdi::test::Canvas;

void Le16(std::string& s, unsigned v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Le32(std::string& s, std::uint32_t v) {
  Le16(s, v & 0xFFFF);
  Le16(s, v >> 16);
}

// One record: its words (negative values as 16-bit two's complement) and raw bytes after them.
std::string Rec(WORD fn, std::initializer_list<int> words, const std::string& raw = "") {
  std::string body;
  for (int w : words) Le16(body, static_cast<unsigned>(w) & 0xFFFF);
  body += raw;
  if (body.size() % 2) body += '\0';
  std::string r;
  Le32(r, static_cast<std::uint32_t>(3 + body.size() / 2));
  Le16(r, fn);
  return r + body;
}
std::string Colour(WORD fn, COLORREF c, std::initializer_list<int> after = {}) {
  std::string raw;
  Le32(raw, c);
  for (int w : after) Le16(raw, static_cast<unsigned>(w) & 0xFFFF);
  return Rec(fn, {}, raw);
}
std::string Pen(int style, int width, COLORREF c) {
  std::string raw;
  Le32(raw, c);
  return Rec(META_CREATEPENINDIRECT, {style, width, 0}, raw);
}
std::string Brush(int style, COLORREF c, int hatch = 0) {
  std::string raw;
  Le32(raw, c);
  Le16(raw, static_cast<unsigned>(hatch));
  return Rec(META_CREATEBRUSHINDIRECT, {style}, raw);
}

// A file: the placeable header when a box is given, the metafile header, the records, EOF.
std::string File(const std::string& records, std::initializer_list<int> box = {}, int inch = 96,
                 int objects = 8) {
  std::string body = records + Rec(META_EOF, {});
  std::string out;
  if (box.size() == 4) {
    Le32(out, kPlaceableKey);
    Le16(out, 0);
    for (int v : box) Le16(out, static_cast<unsigned>(v) & 0xFFFF);
    Le16(out, static_cast<unsigned>(inch));
    Le32(out, 0);
    Le16(out, 0);
  }
  for (unsigned w : {1u, 9u, 0x300u}) Le16(out, w);
  Le32(out, static_cast<std::uint32_t>(9 + body.size() / 2));
  Le16(out, static_cast<unsigned>(objects));
  Le32(out, 0);
  Le16(out, 0);
  return out + body;
}

HMETAFILE Load(const std::string& file, std::string* error = nullptr) {
  std::string e;
  HMETAFILE mf = LoadMetafile(file.data(), file.size(), &e);
  if (error) *error = e;
  EXPECT_TRUE(mf || error) << e;
  return mf;
}

// The box of a filled 100 x 100 frame; a 24-bit DIB of w x h with pixel (x, y) = colour(x, y).
const std::string kWindow = Rec(META_SETMAPMODE, {MM_ANISOTROPIC}) + Rec(META_SETWINDOWORG, {0, 0}) +
                            Rec(META_SETWINDOWEXT, {100, 100});
std::string Dib24(int w, int h, std::uint32_t (*pixel)(int x, int y)) {
  std::string d;
  for (std::uint32_t v : {40u, static_cast<unsigned>(w), static_cast<unsigned>(h)}) Le32(d, v);
  Le16(d, 1);
  Le16(d, 24);
  for (int i = 0; i < 6; ++i) Le32(d, 0);
  const int stride = (w * 3 + 3) / 4 * 4;
  for (int row = h - 1; row >= 0; --row) {  // bottom-up
    std::string line;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = pixel(x, row);
      line += static_cast<char>(p & 0xFF);
      line += static_cast<char>((p >> 8) & 0xFF);
      line += static_cast<char>((p >> 16) & 0xFF);
    }
    line.resize(static_cast<std::size_t>(stride), '\0');
    d += line;
  }
  return d;
}

TEST(Metafile, NaturalSizeComesFromTheBoxTheWindowOrTheDrawing) {
  auto twips = Load(File(Rec(META_RECTANGLE, {10, 10, 0, 0}), {0, 0, 2880, 720}, 1440));
  EXPECT_EQ(twips->natural_width, 192);
  EXPECT_EQ(twips->natural_height, 48);
  auto flipped_box = Load(File("", {400, 100, 0, 0}));
  EXPECT_EQ(flipped_box->natural_width, 400);
  EXPECT_EQ(flipped_box->natural_height, 100);

  auto window = Load(File(Rec(META_SETWINDOWORG, {5, 10}) + Rec(META_SETWINDOWEXT, {30, 60}) +
                          Rec(META_RECTANGLE, {500, 500, 0, 0})));
  EXPECT_EQ(window->natural_width, 60);
  EXPECT_EQ(window->natural_height, 30);
  EXPECT_EQ(window->frame, (RECT{10, 5, 70, 35}));

  auto drawn = Load(File(Rec(META_ELLIPSE, {120, 220, 20, 20}) + Rec(META_MOVETO, {0, 0})));
  EXPECT_EQ(drawn->natural_width, 200);
  EXPECT_EQ(drawn->natural_height, 100);
  auto empty = Load(File(Rec(META_SETBKMODE, {TRANSPARENT})));
  EXPECT_EQ(empty->natural_width, 0);
  Canvas c(8, 8);
  EXPECT_TRUE(PlayMetafile(c.dc, *empty, {0, 0, 8, 8}));  // an empty frame draws nothing
  EXPECT_EQ(c.Picture(), Canvas(8, 8).Picture());
}

TEST(Metafile, FrameIsStretchedOntoTheTargetAndTheDcIsPutBack) {
  const std::string file =
      File(kWindow + Pen(PS_NULL, 0, 0) + Rec(META_SELECTOBJECT, {0}) + Brush(BS_SOLID, RGB(255, 0, 0)) +
               Rec(META_SELECTOBJECT, {1}) + Rec(META_RECTANGLE, {100, 50, 0, 0}),
           {0, 0, 100, 100});
  auto mf = Load(file);
  Canvas c(12, 8);
  c.Pen(PS_SOLID, 1, RGB(0, 0, 255));
  const HGDIOBJ pen = GetCurrentObject(c.dc, ObjType::Pen), brush = GetCurrentObject(c.dc, ObjType::Brush);
  const int live = GdiLiveObjects();
  PlayMetafile(c.dc, *mf, {2, 2, 10, 6});
  EXPECT_EQ(GdiLiveObjects(), live);
  // The same as drawing the mapped rectangle directly.
  Canvas ref(12, 8);
  ref.NullPen();
  ref.Brush(RGB(255, 0, 0));
  Rectangle(ref.dc, 2, 2, 6, 6);
  EXPECT_EQ(c.Picture(), ref.Picture());
  EXPECT_EQ(c.bmp->At(3, 3), 0xFF0000u);
  EXPECT_EQ(GetCurrentObject(c.dc, ObjType::Pen), pen);
  EXPECT_EQ(GetCurrentObject(c.dc, ObjType::Brush), brush);

  // Flipped target: the picture is mirrored.
  Canvas m(8, 4);
  PlayMetafile(m.dc, *mf, {8, 0, 0, 4});
  Canvas mref(8, 4);
  mref.NullPen();
  mref.Brush(RGB(255, 0, 0));
  Rectangle(mref.dc, 4, 0, 8, 4);
  EXPECT_EQ(m.Picture(), mref.Picture());
}

TEST(Metafile, MappingRecordsAndTheSavedStateStack) {
  // Window origin moved, then a saved state with another brush and a doubled window, restored.
  const std::string records = kWindow + Pen(PS_NULL, 0, 0) + Rec(META_SELECTOBJECT, {0}) +
                              Brush(BS_SOLID, RGB(0, 0, 255)) + Rec(META_SELECTOBJECT, {1}) +
                              Rec(META_SAVEDC, {}) + Brush(BS_SOLID, RGB(0, 255, 0)) +
                              Rec(META_SELECTOBJECT, {2}) + Rec(META_SCALEWINDOWEXT, {1, 2, 1, 2}) +
                              Rec(META_RECTANGLE, {100, 100, 0, 0}) + Rec(META_RESTOREDC, {-1}) +
                              Rec(META_OFFSETWINDOWORG, {-50, -50}) + Rec(META_RECTANGLE, {30, 30, 0, 0});
  auto mf = Load(File(records, {0, 0, 100, 100}));
  Canvas c(10, 10);
  PlayMetafile(c.dc, *mf, {0, 0, 10, 10});
  EXPECT_EQ(c.bmp->At(2, 2), 0x00FF00u);  // the doubled window: the rectangle covers a quarter
  EXPECT_EQ(c.bmp->At(7, 2), 0xFFFFFFu);
  EXPECT_EQ(c.bmp->At(5, 5), 0x0000FFu);  // after the restore: blue, moved by the new origin
  EXPECT_EQ(c.bmp->At(3, 3), 0x00FF00u);

  // Isotropic: the smaller scale serves both axes.
  auto iso = Load(File(Brush(BS_SOLID, RGB(255, 0, 0)) + Rec(META_SELECTOBJECT, {0}) +
                           Rec(META_SETMAPMODE, {MM_ISOTROPIC}) + Rec(META_SETWINDOWEXT, {10, 10}) +
                           Rec(META_SETVIEWPORTEXT, {100, 50}) + Rec(META_RECTANGLE, {10, 10, 0, 0}),
                       {0, 0, 100, 100}));
  Canvas i(100, 100);
  PlayMetafile(i.dc, *iso, {0, 0, 100, 100});
  EXPECT_EQ(i.bmp->At(25, 25), 0xFF0000u);
  EXPECT_EQ(i.bmp->At(25, 75), 0xFFFFFFu);
}

TEST(Metafile, ObjectTableSlotsAreReusedAndDeletedObjectsIgnored) {
  // Brush 0 red is deleted; the next brush (green) takes slot 0; selecting slot 5 (empty) and a
  // pen index that is not a brush change nothing.
  const std::string records = kWindow + Brush(BS_SOLID, RGB(255, 0, 0)) + Rec(META_DELETEOBJECT, {0}) +
                              Brush(BS_SOLID, RGB(0, 255, 0)) + Pen(PS_NULL, 0, 0) +
                              Rec(META_SELECTOBJECT, {0}) + Rec(META_SELECTOBJECT, {1}) +
                              Rec(META_SELECTOBJECT, {5}) + Rec(META_SELECTOBJECT, {900}) +
                              Rec(META_RECTANGLE, {100, 100, 0, 0});
  auto mf = Load(File(records, {0, 0, 100, 100}, 96, 2));
  Canvas c(4, 4);
  PlayMetafile(c.dc, *mf, {0, 0, 4, 4});
  EXPECT_EQ(c.bmp->At(1, 1), 0x00FF00u);
  EXPECT_EQ(c.bmp->At(0, 0), 0x00FF00u);  // the null pen draws no outline
}

TEST(Metafile, BrushesShapesTextAndClipping) {
  const std::string records =
      kWindow + Pen(PS_SOLID, 0, RGB(0, 0, 0)) + Rec(META_SELECTOBJECT, {0}) +
      Brush(BS_HATCHED, RGB(0, 0, 255), HS_CROSS) + Rec(META_SELECTOBJECT, {1}) +
      Rec(META_SETBKMODE, {TRANSPARENT}) + Rec(META_SAVEDC, {}) +
      Rec(META_INTERSECTCLIPRECT, {50, 50, 0, 0}) + Rec(META_RECTANGLE, {100, 100, 0, 0}) +
      Rec(META_RESTOREDC, {-1}) + Colour(META_SETTEXTCOLOR, RGB(255, 0, 0)) +
      Rec(META_CREATEFONTINDIRECT, {-20, 0, 0, 0, 700, 0, 0, 0, 0}, std::string("DejaVu Sans") + '\0') +
      Rec(META_SELECTOBJECT, {2}) +
      Rec(META_TEXTOUT, {2}, std::string("Hi") + std::string("\x3c\0\x3c\0", 4));
  auto mf = Load(File(records, {0, 0, 100, 100}));
  Canvas c(100, 100);
  PlayMetafile(c.dc, *mf, {0, 0, 100, 100});
  int blue_in = 0, blue_out = 0, red = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const std::uint32_t p = c.bmp->At(x, y);
      if (p == 0x0000FF) ++(x < 50 && y < 50 ? blue_in : blue_out);
      if (p == 0xFF0000) ++red;
    }
  EXPECT_GT(blue_in, 100);  // hatched, and only inside the clip
  EXPECT_LT(blue_in, 50 * 50 / 2);
  EXPECT_EQ(blue_out, 0);
  EXPECT_GT(red, 20);  // the text, drawn below and right of (60, 60)
  EXPECT_EQ(c.bmp->At(55, 55), 0xFFFFFFu);
}

std::uint32_t Quadrants(int x, int y) {
  return x < 2 ? (y < 2 ? 0xFF0000u : 0x00FF00u) : (y < 2 ? 0x0000FFu : 0x000000u);
}

TEST(Metafile, EmbeddedBitmapsKeepTheirOrientation) {
  const std::string dib = Dib24(4, 4, Quadrants);
  // StretchDIB of the whole bitmap (DIB coordinates from the bottom) and DIB StretchBlt of its
  // top-left quarter (DC coordinates from the top).
  const std::string stretch_dib = Rec(META_STRETCHDIB, {0x0020, 0x00CC, 0, 4, 4, 0, 0, 40, 40, 0, 0}, dib);
  const std::string quarter = Rec(META_DIBSTRETCHBLT, {0x0020, 0x00CC, 2, 2, 0, 0, 40, 40, 50, 50}, dib);
  auto mf = Load(File(kWindow + stretch_dib + quarter, {0, 0, 100, 100}));
  Canvas c(100, 100);
  PlayMetafile(c.dc, *mf, {0, 0, 100, 100});
  EXPECT_EQ(c.bmp->At(5, 5), 0xFF0000u);
  EXPECT_EQ(c.bmp->At(5, 35), 0x00FF00u);
  EXPECT_EQ(c.bmp->At(35, 5), 0x0000FFu);
  EXPECT_EQ(c.bmp->At(35, 35), 0x000000u);
  EXPECT_EQ(c.bmp->At(70, 70), 0xFF0000u);  // the quarter is all red
  EXPECT_EQ(c.bmp->At(45, 45), 0xFFFFFFu);
}

TEST(Metafile, UnknownRecordsAreSkipped) {
  auto mf = Load(File(
      kWindow + Rec(0x0777, {1, 2, 3}) + Rec(META_ESCAPE, {15, 0}) + Rec(META_RECTANGLE, {100, 100, 0, 0}),
      {0, 0, 100, 100}));
  Canvas c(4, 4);
  PlayMetafile(c.dc, *mf, {0, 0, 4, 4});
  EXPECT_EQ(c.bmp->At(1, 1), 0xFFFFFFu);  // the default white brush
  EXPECT_EQ(c.bmp->At(0, 0), 0x000000u);  // and black pen
}

TEST(Metafile, DamagedFilesAreRefusedWithAMessage) {
  const auto refused = [](const std::string& file, const char* words) {
    std::string error;
    EXPECT_EQ(LoadMetafile(file.data(), file.size(), &error), nullptr) << words;
    EXPECT_NE(error.find(words), std::string::npos) << error;
  };
  refused("", "not a Windows metafile");
  refused(File("").substr(0, 10), "not a Windows metafile");
  refused(File("", {0, 0, 10, 10}).substr(0, 21), "cut short");
  refused(File("", {0, 0, 10, 10}, 0), "zero units per inch");
  std::string bad_type = File("");
  bad_type[0] = 7;
  refused(bad_type, "not a Windows metafile");

  std::string tiny_record;
  Le32(tiny_record, 2);
  Le16(tiny_record, META_RECTANGLE);
  refused(File(tiny_record), "size of 2 words");
  std::string long_record;
  Le32(long_record, 1000);
  Le16(long_record, META_RECTANGLE);
  refused(File("").substr(0, 18) + long_record, "past the end");

  refused(File(Rec(META_POLYGON, {5000, 1, 2, 3, 4})), "fewer points");
  refused(File(Rec(META_POLYPOLYGON, {2, 30000, 30000, 0, 0})), "fewer points");
  refused(File(Rec(META_POLYPOLYGON, {9})), "fewer polygons");
  refused(File(Rec(META_RECTANGLE, {1, 2, 3})), "no rectangle");
  refused(File(Rec(META_TEXTOUT, {400}, "abc")), "string is cut short");
  refused(File(Rec(META_CREATEREGION, {0, 6, 0, 0, 0, 3, 0, 0, 0, 9, 9, 2, 0, 9})), "region scan");
  refused(File(Rec(META_STRETCHDIB, {0x0020, 0x00CC, 0, 4, 4, 0, 0, 40, 40, 0, 0},
                   Dib24(4, 4, Quadrants).substr(0, 50))),
          "embedded bitmap");
  // A huge run-length picture in a few bytes.
  std::string rle;
  for (std::uint32_t v : {40u, 5000u, 5000u}) Le32(rle, v);
  Le16(rle, 1);
  Le16(rle, 8);
  Le32(rle, 1);
  for (int i = 0; i < 5; ++i) Le32(rle, 0);
  rle += std::string(256 * 4, '\0') + std::string("\0\1", 2);
  refused(File(Rec(META_STRETCHDIB, {0x0020, 0x00CC, 0, 4, 4, 0, 0, 40, 40, 0, 0}, rle)), "too large");

  // A file with no EOF record, ending after a whole record, is read.
  const std::string no_eof = File(Rec(META_RECTANGLE, {10, 10, 0, 0}));
  std::string e;
  EXPECT_NE(LoadMetafile(no_eof.data(), no_eof.size() - 6, &e), nullptr) << e;
}

TEST(Metafile, RenderToolWritesThePictureAndRefusesDamagedFiles) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(PD_TEST_OUT_DIR) / "wmf";
  fs::create_directories(dir);
  const auto write = [&](const char* name, const std::string& data) {
    std::ofstream(dir / name, std::ios::binary) << data;
    return (dir / name).string();
  };
  const std::string good =
      write("good.wmf", File(kWindow + Rec(META_RECTANGLE, {100, 100, 0, 0}), {0, 0, 200, 100}));
  const std::string bad = write("bad.wmf", File(Rec(META_POLYGON, {99})));
  const std::string tool = (fs::path(PD_TEST_OUT_DIR).parent_path() / "bin" / "wmf-render").string();
  const std::string out = (dir / "good.ppm").string(), log = (dir / "log.txt").string();
  ASSERT_EQ(std::system((tool + " " + good + " " + out + " > " + log).c_str()), 0);
  std::ifstream text(log);
  std::string line;
  std::getline(text, line);
  EXPECT_EQ(line, "natural 200 100");
  std::ifstream ppm(out, std::ios::binary);
  std::string magic;
  int w = 0, h = 0;
  ppm >> magic >> w >> h;
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(w, 200);
  EXPECT_EQ(h, 100);
  EXPECT_EQ(std::system((tool + " " + good + " " + out + " 30 20 > " + log).c_str()), 0);
  EXPECT_NE(std::system((tool + " " + bad + " " + out + " 2> " + log).c_str()), 0);
}

}  // namespace
