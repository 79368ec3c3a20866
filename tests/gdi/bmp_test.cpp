// Bitmap files: every kind the reader accepts, the malformed files it must refuse, and round
// trips through the writers. All sample files are assembled here field by field.
#include "gdi/bmp.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "gdi/script.h"

namespace {

using namespace gdi;
namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}
void Le16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Le32(std::string& s, std::uint32_t v) {
  Le16(s, v & 0xFFFF);
  Le16(s, v >> 16);
}

// A bitmap file described by its header fields, so that each test states exactly what its file
// says, including what a well-behaved writer would never write.
struct BmpFile {
  std::string signature = "BM";
  std::uint32_t header_size = 40;
  std::int32_t width = 1, height = 1;
  std::uint32_t planes = 1, bits = 24, compression = BI_RGB, clr_used = 0;
  std::vector<std::uint32_t> masks;  // inside a header of 52 bytes or more, else after it
  std::vector<std::uint32_t> table;  // 0xRRGGBB; 3-byte entries after a core header
  std::string pixels;
  std::int64_t off_bits = -1;  // -1: right after the table
  bool fill_gap = true;        // pad with junk up to an off_bits beyond the table

  std::string Build() const {
    std::string h;
    if (header_size == 12) {
      Le32(h, 12);
      Le16(h, static_cast<std::uint32_t>(width));
      Le16(h, static_cast<std::uint32_t>(height));
      Le16(h, planes);
      Le16(h, bits);
    } else {
      Le32(h, header_size);
      Le32(h, static_cast<std::uint32_t>(width));
      Le32(h, static_cast<std::uint32_t>(height));
      Le16(h, planes);
      Le16(h, bits);
      Le32(h, compression);
      Le32(h, static_cast<std::uint32_t>(pixels.size()));
      Le32(h, 3780);
      Le32(h, 3780);
      Le32(h, clr_used);
      Le32(h, 0);
      if (header_size >= 52)
        for (std::uint32_t m : masks) Le32(h, m);
      h.resize(header_size, '\0');
    }
    if (header_size < 52 && header_size != 12)
      for (std::uint32_t m : masks) Le32(h, m);
    for (std::uint32_t c : table) {
      h += static_cast<char>(c & 0xFF);
      h += static_cast<char>((c >> 8) & 0xFF);
      h += static_cast<char>((c >> 16) & 0xFF);
      if (header_size != 12) h += '\0';
    }
    const std::size_t natural = 14 + h.size();
    const std::size_t offset = off_bits < 0 ? natural : static_cast<std::size_t>(off_bits);
    if (offset > natural && fill_gap) h.append(offset - natural, '\x5A');  // junk the reader must skip
    std::string f = signature;
    Le32(f, static_cast<std::uint32_t>(14 + h.size() + pixels.size()));
    Le32(f, 0);
    Le32(f, static_cast<std::uint32_t>(offset));
    return f + h + pixels;
  }
};

using Image = std::vector<std::vector<std::uint32_t>>;  // rows top-down, pixel words

Image Pixels(const HBITMAP& bmp) {
  Image img(bmp->Height());
  for (int y = 0; y < bmp->Height(); ++y) img[y].assign(bmp->Row(y), bmp->Row(y) + bmp->Width());
  return img;
}

// Stores rows in file order with each row padded to 32 bits; put(y, row) appends image row y.
std::string PackRows(int width, int height, int bits, bool top_down,
                     const std::function<void(int, std::string&)>& put) {
  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  std::string out;
  for (int r = 0; r < height; ++r) {
    std::string row;
    put(top_down ? r : height - 1 - r, row);
    row.resize(stride, '\0');
    out += row;
  }
  return out;
}

std::string PackIndexed(int bits, const std::vector<std::vector<int>>& idx, bool top_down) {
  const int w = static_cast<int>(idx[0].size());
  return PackRows(w, static_cast<int>(idx.size()), bits, top_down, [&](int y, std::string& row) {
    row.assign((static_cast<std::size_t>(w) * bits + 7) / 8, '\0');
    for (int x = 0; x < w; ++x) {
      const int bit = x * bits;
      row[bit / 8] = static_cast<char>(row[bit / 8] | (idx[y][x] << (8 - bits - bit % 8)));
    }
  });
}

HBITMAP Load(const std::string& file, std::string* error = nullptr,
             std::vector<PALETTEENTRY>* pal = nullptr) {
  std::string local;
  HBITMAP bmp = LoadBmp(file, error ? error : &local, pal);
  if (!bmp && !error) ADD_FAILURE() << "refused: " << local;
  return bmp;
}

// ---- reading what is well formed ------------------------------------------------------------

TEST(BmpRead, IndexedDepthsBothDirections) {
  for (int bits : {1, 2, 4, 8}) {
    const int colours = 1 << bits;
    std::vector<std::uint32_t> table;
    for (int i = 0; i < colours; ++i) table.push_back(static_cast<std::uint32_t>(0x010203 * i + 0x400000));
    std::vector<std::vector<int>> idx(3, std::vector<int>(11));  // 11 pixels: every depth needs padding
    Image want(3, std::vector<std::uint32_t>(11));
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 11; ++x) {
        idx[y][x] = (x * 7 + y * 3) % colours;
        want[y][x] = table[idx[y][x]];
      }
    for (bool top_down : {false, true}) {
      BmpFile f;
      f.bits = static_cast<std::uint32_t>(bits);
      f.width = 11;
      f.height = top_down ? -3 : 3;
      f.table = table;
      f.pixels = PackIndexed(bits, idx, top_down);
      std::vector<PALETTEENTRY> pal;
      HBITMAP bmp = Load(f.Build(), nullptr, &pal);
      ASSERT_TRUE(bmp);
      EXPECT_EQ(Pixels(bmp), want) << bits << " bits, top_down " << top_down;
      ASSERT_EQ(pal.size(), table.size());
      EXPECT_EQ(pal[1].peRed, 0x41);
      EXPECT_EQ(pal[1].peGreen, 0x02);
      EXPECT_EQ(pal[1].peBlue, 0x03);
    }
  }
}

TEST(BmpRead, TrueColourDepthsBothDirections) {
  const Image want = {{0xFF0000, 0x00FF00, 0x0000FF}, {0x102030, 0xFFFFFF, 0x000000}};
  for (bool top_down : {false, true}) {
    BmpFile f;
    f.width = 3;
    f.height = top_down ? -2 : 2;
    f.bits = 24;
    f.pixels = PackRows(3, 2, 24, top_down, [&](int y, std::string& row) {
      for (std::uint32_t p : want[y]) row += {char(p & 0xFF), char((p >> 8) & 0xFF), char(p >> 16)};
    });
    HBITMAP bmp = Load(f.Build());
    ASSERT_TRUE(bmp);
    EXPECT_EQ(Pixels(bmp), want) << "24 bits";

    f.bits = 32;  // the fourth byte is not alpha and must not reach the pixel word
    f.pixels = PackRows(3, 2, 32, top_down, [&](int y, std::string& row) {
      for (std::uint32_t p : want[y]) Le32(row, p | 0xAB000000);
    });
    bmp = Load(f.Build());
    ASSERT_TRUE(bmp);
    EXPECT_EQ(Pixels(bmp), want) << "32 bits";
  }
  // 16 bits without masks is 5-5-5; full fields scale to 255, half ones round.
  BmpFile f;
  f.width = 3;
  f.bits = 16;
  f.pixels = PackRows(3, 1, 16, false, [](int, std::string& row) {
    Le16(row, 0x7C00);
    Le16(row, 0x8000 | 0x03E0);  // the top bit is unused
    Le16(row, (16 << 10) | (1 << 5) | 15);
  });
  HBITMAP bmp = Load(f.Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0xFF0000, 0x00FF00, 0x84087B}}));
}

TEST(BmpRead, CoreHeaderWithThreeByteTable) {
  for (std::uint32_t bits : {1u, 4u, 8u}) {
    BmpFile f;
    f.header_size = 12;
    f.bits = bits;
    f.width = 3;
    f.height = 2;
    f.table.assign(1u << bits, 0);
    f.table[0] = 0x112233;
    f.table[1] = 0xA0B0C0;
    f.pixels = PackIndexed(static_cast<int>(bits), {{1, 0, 1}, {0, 0, 1}}, false);
    HBITMAP bmp = Load(f.Build());
    ASSERT_TRUE(bmp);
    EXPECT_EQ(Pixels(bmp), (Image{{0xA0B0C0, 0x112233, 0xA0B0C0}, {0x112233, 0x112233, 0xA0B0C0}})) << bits;
  }
  BmpFile f;
  f.header_size = 12;
  f.width = 2;
  f.pixels = PackRows(2, 1, 24, false, [](int, std::string& row) { row = "\x01\x02\x03\x04\x05\x06"; });
  HBITMAP bmp = Load(f.Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0x030201, 0x060504}}));
}

std::string Pixels565() {
  return PackRows(2, 1, 16, false, [](int, std::string& row) {
    Le16(row, 0xF800 | 0x001F);  // red and blue full
    Le16(row, (32u << 5) | 16);  // green half of 6 bits, blue half of 5
  });
}
const Image kWant565 = {{0xFF00FF, 0x008284}};

TEST(BmpRead, HeaderVariantsCarryTheirMasks) {
  // The 52- and 56-byte headers and V4/V5 hold the masks inside; a 40-byte one has them after it.
  for (std::uint32_t size : {40u, 52u, 56u, 108u, 124u}) {
    BmpFile f;
    f.header_size = size;
    f.width = 2;
    f.bits = 16;
    f.compression = BI_BITFIELDS;
    f.masks = {0xF800, 0x07E0, 0x001F};
    if (size >= 56) f.masks.push_back(0);  // alpha
    f.pixels = Pixels565();
    HBITMAP bmp = Load(f.Build());
    ASSERT_TRUE(bmp) << size;
    EXPECT_EQ(Pixels(bmp), kWant565) << size;
  }
  // With BI_RGB the masks a V5 header carries mean nothing: 16 bits stay 5-5-5.
  BmpFile f;
  f.header_size = 124;
  f.width = 1;
  f.bits = 16;
  f.masks = {0xF800, 0x07E0, 0x001F, 0};
  f.pixels = PackRows(1, 1, 16, false, [](int, std::string& row) { Le16(row, 0x7C00); });
  HBITMAP bmp = Load(f.Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->At(0, 0), 0xFF0000u);
}

TEST(BmpRead, Os2SecondGenerationHeaders) {
  // A 64-byte header and a short 16-byte one that stops after the bit count.
  for (std::uint32_t size : {64u, 16u}) {
    BmpFile f;
    f.header_size = size;
    f.width = 2;
    f.bits = 8;
    f.table = {0x0000FF, 0x00FF00};
    f.pixels = PackIndexed(8, {{1, 0}}, false);
    std::string file = f.Build();
    if (size == 16) {
      // Rebuild the header by hand: the builder writes 40 bytes of fields.
      file = "BM";
      Le32(file, 0);
      Le32(file, 0);
      Le32(file, 14 + 16 + 256 * 4);
      Le32(file, 16);
      Le32(file, 2);
      Le32(file, 1);
      Le16(file, 1);
      Le16(file, 8);
      std::string table(256 * 4, '\0');
      table[0] = '\xFF';
      table[5] = '\xFF';
      file += table + f.pixels;
    }
    HBITMAP bmp = Load(file);
    ASSERT_TRUE(bmp) << size;
    EXPECT_EQ(Pixels(bmp), (Image{{0x00FF00, 0x0000FF}})) << size;
  }
}

TEST(BmpRead, ArbitraryBitFields) {
  struct Case {
    const char* what;
    std::uint32_t bits;
    std::vector<std::uint32_t> masks;
    std::uint32_t pixel;
    std::uint32_t want;
  };
  const Case cases[] = {
      {"4-4-4 high in 16 bits", 16, {0xF000, 0x0F00, 0x00F0}, 0xF8A0, 0xFF88AA},
      {"10-10-10 keeps the top 8 bits",
       32,
       {0x3FF00000, 0x000FFC00, 0x000003FF},
       (0x3FFu << 20) | (0x200u << 10) | 0x0FF,
       0xFF803F},
      {"8-8-8 in reversed order", 32, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0x00332211, 0x112233},
      {"1-bit fields", 16, {0x4, 0x2, 0x1}, 0x5, 0xFF00FF},
      {"a zero mask reads as 0", 32, {0x00FF0000, 0, 0x000000FF}, 0x00FFFFFF, 0xFF00FF},
      {"masks are cut to 16 bits", 16, {0x1F0000, 0x07E0, 0x001F}, 0x07FF, 0x00FFFF},
  };
  for (const Case& c : cases) {
    for (std::uint32_t compression : {BI_BITFIELDS, BI_ALPHABITFIELDS}) {
      BmpFile f;
      f.bits = c.bits;
      f.compression = compression;
      f.masks = c.masks;
      if (compression == BI_ALPHABITFIELDS) f.masks.push_back(0xFF000000);
      f.pixels = PackRows(1, 1, static_cast<int>(c.bits), false, [&](int, std::string& row) {
        if (c.bits == 16)
          Le16(row, c.pixel);
        else
          Le32(row, c.pixel);
      });
      std::string err;
      HBITMAP bmp = LoadBmp(f.Build(), &err);
      ASSERT_TRUE(bmp) << c.what << ": " << err;
      EXPECT_EQ(bmp->At(0, 0), c.want) << c.what;
    }
  }
}

TEST(BmpRead, ColourTablesShortOddAndBoundedByOffset) {
  // Two entries in an 8-bit file: indices beyond them are black; the palette reports two.
  BmpFile f;
  f.bits = 8;
  f.width = 4;
  f.clr_used = 2;
  f.table = {0x112233, 0x445566};
  f.pixels = PackIndexed(8, {{0, 1, 2, 255}}, false);
  std::vector<PALETTEENTRY> pal;
  HBITMAP bmp = Load(f.Build(), nullptr, &pal);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0x112233, 0x445566, 0, 0}}));
  EXPECT_EQ(pal.size(), 2u);

  // biClrUsed beyond 2^bits is cut to 2^bits.
  f.bits = 1;
  f.clr_used = 100000;
  f.pixels = PackIndexed(1, {{0, 1, 1, 0}}, false);
  bmp = Load(f.Build(), nullptr, &pal);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0x112233, 0x445566, 0x445566, 0x112233}}));
  EXPECT_EQ(pal.size(), 2u);

  // biClrUsed 0 means the full table, but only the entries before bfOffBits exist.
  f.bits = 4;
  f.clr_used = 0;
  f.table = {0x010101, 0x020202, 0x030303};
  f.pixels = PackIndexed(4, {{0, 2, 3, 15}}, false);
  bmp = Load(f.Build(), nullptr, &pal);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0x010101, 0x030303, 0, 0}}));
  EXPECT_EQ(pal.size(), 3u);

  // bfOffBits past the table: the bytes between are skipped. A table in a 24-bit file is not
  // a palette.
  BmpFile g;
  g.width = 1;
  g.clr_used = 1;
  g.table = {0x777777};
  g.off_bits = 200;
  g.pixels = std::string("\x0A\x0B\x0C\x00", 4);
  bmp = Load(g.Build(), nullptr, &pal);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->At(0, 0), 0x0C0B0Au);
  EXPECT_TRUE(pal.empty());
}

TEST(BmpRead, MissingPaddingOfTheLastRowIsAccepted) {
  BmpFile f;
  f.width = 1;
  f.height = 2;
  f.pixels = std::string("\x01\x02\x03\x00\x04\x05\x06", 7);  // the final pad byte left out
  HBITMAP bmp = Load(f.Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0x060504}, {0x030201}}));
}

// ---- run-length encoding ---------------------------------------------------------------------

BmpFile RleFile(std::uint32_t bits, int w, int h, const std::string& data) {
  BmpFile f;
  f.bits = bits;
  f.compression = bits == 8 ? BI_RLE8 : BI_RLE4;
  f.width = w;
  f.height = h;
  f.table.resize(bits == 8 ? 8 : 16);
  for (std::size_t i = 1; i < f.table.size(); ++i) f.table[i] = static_cast<std::uint32_t>(0x100000 * i + i);
  f.pixels = data;
  return f;
}
std::uint32_t C(std::uint32_t i) {
  return i ? 0x100000 * i + i : 0;
}

TEST(BmpRead, Rle8RunsLiteralsDeltasAndEnds) {
  const std::string data = Bytes({
      3, 1,              // bottom row: three of colour 1
      0, 3, 2, 3, 4, 0,  // a literal of three, padded to an even count
      0, 0,              // end of line
      0, 2, 1, 1,        // delta: one right, one up, to the top row at x 1
      2, 5,              //
      0, 1,              // end of bitmap
      7, 7,              // after the end: ignored
  });
  HBITMAP bmp = Load(RleFile(8, 7, 3, data).Build());
  ASSERT_TRUE(bmp);
  const std::uint32_t _ = 0;
  EXPECT_EQ(
      Pixels(bmp),
      (Image{{_, C(5), C(5), _, _, _, _}, {_, _, _, _, _, _, _}, {C(1), C(1), C(1), C(2), C(3), C(4), _}}));
}

TEST(BmpRead, Rle8ClipsAndStopsSafely) {
  // A run and a literal past the right edge are cut at the row's end, not wrapped.
  HBITMAP bmp = Load(RleFile(8, 3, 2, Bytes({200, 1, 0, 0, 0, 5, 2, 2, 2, 2, 2, 0})).Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{C(2), C(2), C(2)}, {C(1), C(1), C(1)}}));

  // Data that stops without an end code, or mid-literal, leaves the rest black.
  // (A literal cut short uses the bytes present.)
  for (const std::string& data :
       {Bytes({2, 1}), Bytes({2, 1, 0}), Bytes({2, 1, 0, 5, 3}), Bytes({2, 1, 0, 2, 1})}) {
    bmp = Load(RleFile(8, 4, 2, data).Build());
    ASSERT_TRUE(bmp);
    const bool literal = data.size() == 5 && data[3] == 5;
    EXPECT_EQ(Pixels(bmp), (Image{{0, 0, 0, 0}, {C(1), C(1), literal ? C(3) : 0, 0}})) << data.size();
  }

  // Deltas and line ends past the last row end decoding; empty data is an all-black image.
  bmp = Load(RleFile(8, 2, 2, Bytes({0, 2, 255, 255, 2, 1, 0, 0, 0, 0, 0, 0, 2, 1})).Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0, 0}, {0, 0}}));
  bmp = Load(RleFile(8, 2, 2, "").Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{0, 0}, {0, 0}}));

  // Indices beyond the eight-entry table are black.
  bmp = Load(RleFile(8, 2, 1, Bytes({1, 7, 1, 8})).Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{C(7), 0}}));
}

TEST(BmpRead, Rle4NibbleRunsAndLiterals) {
  const std::string data = Bytes({
      5,
      0x12,  // 1 2 1 2 1
      0,
      3,
      0x34,
      0x50,  // a literal of three nibbles in two bytes
      0,
      0,  //
      0,
      5,
      0x67,
      0x89,
      0xA0,
      0x00,  // a literal of five nibbles: three bytes padded to four
      1,
      0xBB,  //
      0,
      1,
  });
  HBITMAP bmp = Load(RleFile(4, 9, 2, data).Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{C(6), C(7), C(8), C(9), C(10), C(11), 0, 0, 0},
                                {C(1), C(2), C(1), C(2), C(1), C(3), C(4), C(5), 0}}));
  // Top-down RLE is read in file order too.
  BmpFile f = RleFile(4, 2, 2, Bytes({2, 0x11, 0, 0, 2, 0x22, 0, 1}));
  f.height = -2;
  bmp = Load(f.Build());
  ASSERT_TRUE(bmp);
  EXPECT_EQ(Pixels(bmp), (Image{{C(1), C(1)}, {C(2), C(2)}}));
}

// ---- refusing what is malformed --------------------------------------------------------------

BmpFile Good24() {
  BmpFile f;
  f.width = 2;
  f.height = 2;
  f.pixels = std::string(16, '\x40');
  return f;
}

TEST(BmpRead, RefusesMalformedFilesWithAMessage) {
  struct Case {
    const char* what;
    std::function<void(BmpFile&)> edit;
    const char* message;
  };
  const Case cases[] = {
      {"wrong signature", [](BmpFile& f) { f.signature = "BA"; }, "signature"},
      {"header size 13", [](BmpFile& f) { f.header_size = 13; }, "header size"},
      {"two planes", [](BmpFile& f) { f.planes = 2; }, "planes"},
      {"3 bits", [](BmpFile& f) { f.bits = 3; }, "bit depth"},
      {"0 bits (embedded image)", [](BmpFile& f) { f.bits = 0; }, "bit depth"},
      {"JPEG", [](BmpFile& f) { f.compression = BI_JPEG; }, "JPEG"},
      {"PNG", [](BmpFile& f) { f.compression = BI_PNG; }, "PNG"},
      {"compression 9", [](BmpFile& f) { f.compression = 9; }, "compression"},
      {"RLE8 at 4 bits", [](BmpFile& f) { f.bits = 4, f.compression = BI_RLE8; }, "RLE8"},
      {"RLE4 at 24 bits", [](BmpFile& f) { f.compression = BI_RLE4; }, "RLE4"},
      {"bit fields at 24 bits",
       [](BmpFile& f) {
         f.compression = BI_BITFIELDS, f.masks = {1, 2, 4};
       },
       "16 or 32"},
      {"masks all zero",
       [](BmpFile& f) {
         f.bits = 32, f.compression = BI_BITFIELDS, f.masks = {0, 0, 0};
       },
       "zero"},
      {"masks zero in 16 bits",
       [](BmpFile& f) {
         f.bits = 16, f.compression = BI_BITFIELDS, f.masks = {0x10000, 0x20000, 0};
       },
       "zero"},
      {"mask with a gap",
       [](BmpFile& f) {
         f.bits = 32, f.compression = BI_BITFIELDS, f.masks = {0xF0F000, 0xF00, 0xFF};
       },
       "contiguous"},
      {"masks overlap",
       [](BmpFile& f) {
         f.bits = 32, f.compression = BI_BITFIELDS, f.masks = {0xFF0000, 0x1FF00, 0xFF};
       },
       "overlap"},
      {"OS/2 Huffman", [](BmpFile& f) { f.header_size = 64, f.compression = 3; }, "Huffman"},
      {"width 0", [](BmpFile& f) { f.width = 0; }, "width"},
      {"negative width", [](BmpFile& f) { f.width = -2; }, "width"},
      {"height 0", [](BmpFile& f) { f.height = 0; }, "height"},
      {"huge", [](BmpFile& f) { f.width = 100000, f.height = 100000; }, "too large"},
      {"huge top-down", [](BmpFile& f) { f.width = INT_MAX, f.height = INT_MIN; }, "too large"},
      {"huge core", [](BmpFile& f) { f.header_size = 12, f.width = 65535, f.height = 65535; }, "too large"},
      {"huge RLE", [](BmpFile& f) { f.bits = 8, f.compression = BI_RLE8, f.width = 20000, f.height = 20000; },
       "too large"},
      {"offset past the end", [](BmpFile& f) { f.off_bits = 1000, f.fill_gap = false; }, "past the end"},
      {"offset into the header", [](BmpFile& f) { f.off_bits = 20; }, "into the headers"},
      {"offset before the masks end",
       [](BmpFile& f) {
         f.bits = 32, f.compression = BI_BITFIELDS, f.masks = {0xFF0000, 0xFF00, 0xFF}, f.off_bits = 54;
       },
       "into the headers"},
      {"truncated pixels", [](BmpFile& f) { f.pixels.resize(13); }, "truncated"},
      {"no pixels", [](BmpFile& f) { f.pixels.clear(); }, "truncated"},
      {"rows whose bit count overflows 32 bits",
       [](BmpFile& f) { f.bits = 32, f.width = 1 << 27, f.height = 1; }, "truncated"},
  };
  for (const Case& c : cases) {
    BmpFile f = Good24();
    c.edit(f);
    const std::string file = f.Build();
    std::string err, info_err;
    std::vector<PALETTEENTRY> pal{PALETTEENTRY{}};
    EXPECT_FALSE(LoadBmp(file, &err, &pal)) << c.what;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.what << ": " << err;
    EXPECT_TRUE(pal.empty()) << c.what;
    BmpInfo info;
    EXPECT_FALSE(ReadBmpInfo(file.data(), file.size(), &info, &info_err)) << c.what;
    EXPECT_EQ(info_err, err) << c.what;
  }
}

TEST(BmpRead, RefusesFilesCutShortInTheirHeaders) {
  BmpFile masked = Good24();
  masked.bits = 16;
  masked.compression = BI_BITFIELDS;
  masked.masks = {0xF800, 0x07E0, 0x001F};
  for (const std::string& file : {std::string(), std::string("BM"), Good24().Build().substr(0, 17),
                                  Good24().Build().substr(0, 40), masked.Build().substr(0, 60)}) {
    std::string err;
    EXPECT_FALSE(LoadBmp(file, &err)) << file.size();
    EXPECT_FALSE(err.empty());
  }
  std::string err;
  EXPECT_FALSE(LoadBmp(nullptr, 0, &err));
}

// Every prefix of a file of each kind, and files with header bytes overwritten, are either
// read at the size the headers state or refused with a message. Run under the sanitizers this
// catches any read outside the data.
TEST(BmpRead, CutAndCorruptedFilesNeverMisbehave) {
  std::vector<std::string> files;
  files.push_back(Good24().Build());
  files.push_back(RleFile(8, 7, 3, Bytes({3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 1, 1, 0, 1})).Build());
  files.push_back(RleFile(4, 9, 2, Bytes({5, 0x12, 0, 5, 0x67, 0x89, 0xA0, 0, 0, 1})).Build());
  BmpFile bf;
  bf.header_size = 124;
  bf.width = 2;
  bf.bits = 16;
  bf.compression = BI_BITFIELDS;
  bf.masks = {0xF800, 0x07E0, 0x001F, 0};
  bf.pixels = Pixels565();
  files.push_back(bf.Build());
  BmpFile ix;
  ix.bits = 4;
  ix.width = 3;
  ix.table = {1, 2, 3};
  ix.pixels = PackIndexed(4, {{0, 1, 2}}, false);
  files.push_back(ix.Build());
  std::mt19937 rng(7);
  for (const std::string& file : files) {
    for (std::size_t n = 0; n <= file.size(); ++n) {
      std::string err;
      BmpInfo info;
      HBITMAP bmp = LoadBmp(file.data(), n, &err);
      EXPECT_EQ(ReadBmpInfo(file.data(), n, &info, nullptr), bmp != nullptr);
      if (bmp) {
        EXPECT_EQ(bmp->Width(), info.width);
      } else {
        EXPECT_FALSE(err.empty());
      }
    }
    for (int i = 0; i < 2000; ++i) {
      std::string bad = file;
      for (int k = 0; k < 3; ++k)
        bad[rng() % std::min<std::size_t>(bad.size(), 80)] = static_cast<char>(rng());
      std::string err;
      BmpInfo info;
      // Corrupted sizes may still be legal and large; decoding those only costs time.
      if (ReadBmpInfo(bad.data(), bad.size(), &info, nullptr) &&
          static_cast<std::int64_t>(info.width) * info.height > (1 << 20))
        continue;
      HBITMAP bmp = LoadBmp(bad, &err);
      if (!bmp) {
        EXPECT_FALSE(err.empty());
      }
    }
  }
}

// ---- writing ---------------------------------------------------------------------------------

HBITMAP RandomBitmap(int w, int h, std::mt19937& rng) {
  HBITMAP bmp = CreateDIBSection32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp->At(x, y) = rng() & 0xFFFFFF;
  return bmp;
}

TEST(BmpWrite, TwentyFourBitRoundTripsAtEveryPadding) {
  std::mt19937 rng(1);
  for (int w = 1; w <= 5; ++w) {
    HBITMAP bmp = RandomBitmap(w, 3, rng);
    const std::string file = EncodeBmp24(*bmp);
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    ASSERT_EQ(file.size(), 54 + stride * 3);
    EXPECT_EQ(file.substr(0, 2), "BM");
    // The first stored row is the bottom one.
    EXPECT_EQ(static_cast<std::uint8_t>(file[54]), bmp->At(0, 2) & 0xFF);
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(file.data(), file.size(), &info, nullptr));
    EXPECT_FALSE(info.top_down);
    EXPECT_EQ(info.bit_count, 24);
    HBITMAP back = Load(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(Pixels(back), Pixels(bmp)) << w;
  }
}

std::vector<PALETTEENTRY> TestPalette() {
  std::vector<PALETTEENTRY> pal;
  for (int i = 0; i < 225; ++i)
    pal.push_back(
        PALETTEENTRY{static_cast<BYTE>(i * 37), static_cast<BYTE>(i * 11), static_cast<BYTE>(255 - i), 0});
  return pal;
}

TEST(BmpWrite, EightBitRoundTripsPaletteColoursAndMapsOthersToTheNearest) {
  const std::vector<PALETTEENTRY> pal = TestPalette();
  std::mt19937 rng(2);
  for (int w : {1, 3, 6}) {
    HBITMAP bmp = CreateDIBSection32(w, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < w; ++x) {
        const PALETTEENTRY& e = pal[rng() % pal.size()];
        bmp->At(x, y) = (e.peRed << 16) | (e.peGreen << 8) | e.peBlue;
      }
    std::string err;
    const std::string file = EncodeBmp8(*bmp, pal, &err);
    ASSERT_FALSE(file.empty()) << err;
    EXPECT_EQ(file.size(), 54 + 225 * 4 + static_cast<std::size_t>((w + 3) / 4 * 4) * 4);
    std::vector<PALETTEENTRY> back_pal;
    HBITMAP back = Load(file, nullptr, &back_pal);
    ASSERT_TRUE(back);
    EXPECT_EQ(Pixels(back), Pixels(bmp)) << w;
    ASSERT_EQ(back_pal.size(), pal.size());
    for (std::size_t i = 0; i < pal.size(); ++i)
      EXPECT_TRUE(back_pal[i].peRed == pal[i].peRed && back_pal[i].peGreen == pal[i].peGreen &&
                  back_pal[i].peBlue == pal[i].peBlue);
  }
  // Off-palette colours take the index GetNearestPaletteIndex gives; of duplicates the first.
  std::vector<PALETTEENTRY> small = {{0, 0, 0, 0}, {250, 0, 0, 0}, {250, 0, 0, 0}, {0, 0, 250, 0}};
  HBITMAP bmp = CreateDIBSection32(3, 1);
  bmp->At(0, 0) = 0xF00000;
  bmp->At(1, 0) = 0x000010;
  bmp->At(2, 0) = 0x0000C0;
  const std::string file = EncodeBmp8(*bmp, small);
  ASSERT_GT(file.size(), 70u);
  EXPECT_EQ(file.substr(file.size() - 4, 3), std::string("\x01\x00\x03", 3));
  HPALETTE hpal = CreatePalette(small.data(), 4);
  for (int x = 0; x < 3; ++x)
    EXPECT_EQ(static_cast<UINT>(file[file.size() - 4 + x]),
              GetNearestPaletteIndex(hpal, ColorrefFromPixel(bmp->At(x, 0))));

  std::string err;
  EXPECT_TRUE(EncodeBmp8(*bmp, {}, &err).empty());
  EXPECT_NE(err.find("palette"), std::string::npos);
  EXPECT_TRUE(EncodeBmp8(*bmp, std::vector<PALETTEENTRY>(257), &err).empty());
}

class BmpFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("bmp_test_" + std::to_string(getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(BmpFiles, SaveAndLoadBothDepths) {
  std::mt19937 rng(3);
  HBITMAP bmp = RandomBitmap(7, 5, rng);
  std::string err;
  ASSERT_TRUE(SaveBmp24(Path("a.bmp"), *bmp, &err)) << err;
  HBITMAP back = LoadBmpFile(Path("a.bmp"), &err);
  ASSERT_TRUE(back) << err;
  EXPECT_EQ(Pixels(back), Pixels(bmp));

  // Saving over an existing file replaces it and leaves no temporary file behind.
  const std::vector<PALETTEENTRY> pal = TestPalette();
  bmp->At(3, 2) = (pal[9].peRed << 16) | (pal[9].peGreen << 8) | pal[9].peBlue;
  bmp->At(0, 0) = (pal[200].peRed << 16) | (pal[200].peGreen << 8) | pal[200].peBlue;
  ASSERT_TRUE(SaveBmp8(Path("a.bmp"), *bmp, pal, &err)) << err;
  std::vector<PALETTEENTRY> back_pal;
  back = LoadBmpFile(Path("a.bmp"), &err, &back_pal);
  ASSERT_TRUE(back) << err;
  EXPECT_EQ(back_pal.size(), 225u);
  EXPECT_EQ(back->At(3, 2), bmp->At(3, 2));
  EXPECT_EQ(back->At(0, 0), bmp->At(0, 0));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(BmpFiles, FailuresAreReported) {
  HBITMAP bmp = CreateDIBSection32(2, 2);
  std::string err;
  EXPECT_FALSE(SaveBmp24(Path("missing/a.bmp"), *bmp, &err));
  EXPECT_FALSE(err.empty());
  err.clear();
  EXPECT_FALSE(SaveBmp8(Path("b.bmp"), *bmp, {}, &err));
  EXPECT_FALSE(err.empty());
  EXPECT_FALSE(fs::exists(Path("b.bmp")));
  EXPECT_FALSE(LoadBmpFile(Path("none.bmp"), &err));
  EXPECT_NE(err.find("none.bmp"), std::string::npos);
  EXPECT_FALSE(LoadBmpFile(dir_.string(), &err));
  EXPECT_FALSE(err.empty());
}

// ---- the bmp-decode tool ---------------------------------------------------------------------

TEST_F(BmpFiles, DecodeToolWritesPpmOrExitsWithTheMessage) {
  const fs::path tool = fs::read_symlink("/proc/self/exe").parent_path() / "bmp-decode";
  if (!fs::exists(tool)) GTEST_SKIP() << "bmp-decode is not built beside the tests";
  std::mt19937 rng(4);
  HBITMAP bmp = RandomBitmap(3, 2, rng);
  ASSERT_TRUE(SaveBmp24(Path("in.bmp"), *bmp, nullptr));
  auto run = [&](const std::string& args) {
    const int status = std::system((tool.string() + " " + args + " 2>" + Path("err.txt")).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  ASSERT_EQ(run(Path("in.bmp") + " " + Path("out.ppm")), 0);
  std::ifstream ppm(Path("out.ppm"), std::ios::binary);
  std::stringstream ss;
  ss << ppm.rdbuf();
  std::string err;
  HBITMAP decoded = DecodePpm(ss.str(), &err);
  ASSERT_TRUE(decoded) << err;
  EXPECT_EQ(Pixels(decoded), Pixels(bmp));

  BmpFile bad = Good24();
  bad.width = 100000;
  bad.height = 100000;
  std::ofstream(Path("bad.bmp"), std::ios::binary) << bad.Build();
  EXPECT_EQ(run(Path("bad.bmp") + " " + Path("bad.ppm")), 1);
  std::ifstream msg(Path("err.txt"));
  std::string line;
  std::getline(msg, line);
  EXPECT_NE(line.find("too large"), std::string::npos) << line;
  EXPECT_FALSE(fs::exists(Path("bad.ppm")));
  EXPECT_EQ(run(Path("in.bmp")), 2);
}

}  // namespace
