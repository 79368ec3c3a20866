// Checks of the pictures the artwork generator writes: what the program copies out of them must
// be where it copies it from.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "artwork/palette.h"
#include "artwork/panels.h"
#include "gdi/bmp.h"
#include "generated_artwork.h"

namespace gdi {
// Boxes print as "(left,top)-(right,bottom)" in failure messages.
void PrintTo(const RECT& r, std::ostream* os) {
  *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
}  // namespace gdi

namespace {

namespace fs = std::filesystem;
using gdi::COLORREF;

// The icon strips and how many of their ten slots have a tool; the rest must stay black.
struct Strip {
  std::string name;
  int slots;
};
const std::vector<Strip>& Strips() {
  static const std::vector<Strip> strips = {
      {"a900.kvr", 10}, {"a901.kvr", 10}, {"a902.kvr", 10}, {"a903.kvr", 10}, {"a904.kvr", 10},
      {"a905.kvr", 6},  {"a906.kvr", 10}, {"a907.kvr", 10}, {"a908.kvr", 7},  {"a910.kvr", 9}};
  return strips;
}

// Tabs 1 to 9 load icons 1 to 9; tab 0 loads icon 11.
const std::vector<int>& TabIconNumbers() {
  static const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
  return numbers;
}

const std::vector<int>& CursorNumbers() {
  static const std::vector<int> numbers = [] {
    std::vector<int> n;
    for (int i = 1; i <= 32; ++i) n.push_back(i);
    n.push_back(34);
    return n;
  }();
  return numbers;
}

struct Picture {
  std::string name;
  int w, h;
};

// Every picture the generator writes besides the cursors, with the size the program relies on.
const std::vector<Picture>& Pictures() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> p = {{"a1.kvr", 79, 179},       {"a911.kvr", 140, 60},  {"about.kvr", 484, 150},
                              {"aboutbtn.kvr", 120, 40}, {"icon.kvr", 64, 64},   {"icon256.kvr", 256, 256},
                              {"jukebox.kvr", 320, 200}, {"sndon.kvr", 32, 32},  {"sndoff.kvr", 32, 32},
                              {"muson.kvr", 32, 32},     {"musoff.kvr", 32, 32}, {"jukeok.kvr", 40, 40}};
    for (const auto& strip : Strips()) p.push_back({strip.name, 400, 245});
    for (int n : TabIconNumbers()) p.push_back({"icons/icon" + std::to_string(n) + ".kvr", 32, 64});
    for (int i = 0; i < 8; ++i) p.push_back({"pa0" + std::to_string(i) + ".kvr", 8, 8});
    for (int i = 1; i <= 8; ++i) p.push_back({"pb" + std::to_string(i) + ".kvr", 54, 54});
    for (const auto& panel : art::PanelPictures()) p.push_back({panel.name, panel.width, panel.height});
    p.push_back({"a85.kvr", 626, 436});
    p.push_back({"savenew.kvr", 75, 75});
    for (const Picture& b : {Picture{"prtport.kvr", 46, 43}, Picture{"prtland.kvr", 44, 37}, Picture{"prtgo.kvr", 42, 39},
                             Picture{"prtstop.kvr", 41, 37}})
      p.push_back(b);
    p.push_back({"a930.kvr", 317, 103});
    p.push_back({"a931.kvr", 317, 103});
    p.push_back({"a932.kvr", 262, 103});
    for (int i = 1; i <= 8; ++i) {
      p.push_back({"art/level" + std::to_string(i) + ".bmp", 1024, 676});
      p.push_back({"art/cb" + std::to_string(i) + ".bmp", 1024, 676});
    }
    for (int n = 20; n < 200; ++n) p.push_back({"icons/icon" + std::to_string(n) + ".kvr", 32, 64});
    for (int i = 1; i <= 8; ++i) {
      p.push_back({"art/hm" + std::to_string(i) + ".bmp", 200, 200});
      p.push_back({"art/vm" + std::to_string(i) + ".bmp", 200, 200});
    }
    p.insert(p.end(), {{"stampwin.kvr", 1920, 96}, {"a22.kvr", 128, 64}, {"stmore.kvr", 150, 46},
                       {"stcancel.kvr", 41, 36}, {"wmfyes.kvr", 40, 40}, {"wmfno.kvr", 40, 35}});
    p.insert(p.end(), {{"dlgok.kvr", 40, 40}, {"dlgno.kvr", 40, 35}, {"dlgerase.kvr", 42, 41}, {"name.sig", 150, 160}});
    return p;
  }();
  return pictures;
}

using artwork_test::RunGenerator;

class ArtworkTest : public artwork_test::GeneratedArtworkTest {
 protected:
  static std::map<int, std::pair<int, int>> HotSpots() {
    std::map<int, std::pair<int, int>> hot;
    std::ifstream in(Dir() / "cursors" / "hotspots.txt");
    int n, x, y;
    while (in >> n >> x >> y) {
      EXPECT_FALSE(hot.count(n)) << "cursor " << n << " listed twice";
      hot[n] = {x, y};
    }
    return hot;
  }

  // The smallest box holding every pixel the cursor's mask covers (black in the AND plane).
  static gdi::RECT CoveredBox(const gdi::HBITMAP& cursor) {
    gdi::RECT box{32, 32, -1, -1};
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (At(cursor, x, y) == 0)
          box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                 std::max(box.bottom, y)};
    return box;  // inclusive edges
  }
};

// The build runs the generator again whenever it is rebuilt; the same program must draw the
// same pictures, byte for byte, and a directory it cannot write must fail the build.
TEST_F(ArtworkTest, GeneratorIsRepeatableAndReportsFailure) {
  const fs::path again = Dir().string() + "-again";
  ASSERT_EQ(RunGenerator(again), 0);
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(Dir())) {
    if (!entry.is_regular_file()) continue;
    ++files;
    auto slurp = [](const fs::path& p) {
      std::ifstream in(p, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_TRUE(slurp(entry.path()) == slurp(again / fs::relative(entry.path(), Dir())))
        << entry.path() << " differs";
  }
  // The square stamps and the clip art are sets, checked by their own tests.
  for (const auto& entry : fs::recursive_directory_iterator(Dir()))
    files -= entry.path().parent_path().filename() == "stamps" || entry.path().extension() == ".wmf";
  // The single pictures, the cursors and their hot-spot list.
  EXPECT_EQ(files, static_cast<int>(Pictures().size()) + static_cast<int>(CursorNumbers().size()) + 1);
  fs::remove_all(again);

  // A regular file where the directory should be.
  const fs::path blocked = Dir().string() + "-blocked";
  std::ofstream(blocked) << "x";
  EXPECT_NE(RunGenerator(blocked / "sub"), 0);
  fs::remove(blocked);
}

TEST_F(ArtworkTest, EveryPictureHasTheSizeTheProgramCopies) {
  for (const auto& p : Pictures()) {
    const gdi::HBITMAP b = Load(p.name);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Width(), p.w) << p.name;
    EXPECT_EQ(b->Height(), p.h) << p.name;
  }
  for (int n : CursorNumbers()) {
    const gdi::HBITMAP b = Load("cursors/cursor" + std::to_string(n) + ".kvr");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Width(), 32) << n;
    EXPECT_EQ(b->Height(), 64) << n;
  }
}

// A press at column x of a row button chooses shade 9 - x div 4 on the left (x <= 40, so 40 is
// shade 0) and 9 - (x - 40) div 4 on the right; the button must show that very colour there.
TEST_F(ArtworkTest, ColourRowButtonsShowTheShadeAPressChooses) {
  const gdi::HBITMAP b = Load("a1.kvr");
  ASSERT_TRUE(b);
  const int rows[8][2] = {{4, 3}, {6, 15}, {11, 9}, {13, 14}, {1, 2}, {8, 5}, {12, 0}, {7, 10}};
  for (int button = 0; button < 8; ++button) {
    const int top = 53 + 16 * button;
    // All but the last row of each button (a dividing line may go there); the picture ends at 178.
    for (int y = top; y < std::min(top + 15, 179); ++y)
      for (int x = 0; x < 79; ++x) {
        const bool left = x <= 40;
        const int shade = x == 40 ? 0 : left ? 9 - x / 4 : 9 - (x - 40) / 4;
        const int row = rows[button][left ? 0 : 1];
        ASSERT_EQ(At(b, x, y), art::kPaletteColours[row * 10 + shade]) << "x " << x << " y " << y;
      }
  }
}

TEST_F(ArtworkTest, PaletteTableHoldsTheColoursTheProgramNamesByNumber) {
  const auto& p = art::kPaletteColours;
  EXPECT_EQ(p[95], gdi::RGB(255, 0, 0));      // the start colour
  EXPECT_EQ(p[60], gdi::RGB(255, 255, 255));  // white
  EXPECT_EQ(p[64], gdi::RGB(155, 155, 155));  // the swatch frame
  EXPECT_EQ(p[83], gdi::RGB(252, 252, 124));  // marker on dark rows
  EXPECT_EQ(p[85], gdi::RGB(252, 244, 64));   // coordinate readout
  EXPECT_EQ(p[0], gdi::RGB(229, 186, 255));
  EXPECT_EQ(p[159], gdi::RGB(100, 190, 0));
  EXPECT_EQ(p[160], gdi::RGB(255, 255, 254));
  EXPECT_EQ(p[161], gdi::RGB(254, 255, 254));
  EXPECT_EQ(p[169], gdi::RGB(254, 255, 250));
  EXPECT_EQ(p[209], gdi::RGB(255, 251, 250));
  EXPECT_EQ(p[210], gdi::RGB(43, 199, 183));
  EXPECT_EQ(p[224], gdi::RGB(0, 128, 0));
  for (int i = 160; i < 210; ++i) EXPECT_NE(p[i], gdi::RGB(255, 255, 255)) << i;
}

// The program copies frame f from row 41 f; anything drawn into the row between two frames, or
// an icon spilling into its neighbour's square, would show as a wrong line on screen. Slots
// without a tool show nothing; the others are pictures that move and differ from each other.
TEST_F(ArtworkTest, IconStripFramesSitAtTheirPitchAndEveryIconMoves) {
  for (const auto& strip : Strips()) {
    SCOPED_TRACE(strip.name);
    const gdi::HBITMAP b = Load(strip.name);
    ASSERT_TRUE(b);
    for (int f = 0; f < 5; ++f)
      for (int x = 0; x < 400; ++x)
        ASSERT_EQ(At(b, x, 41 * f + 40), 0u) << "gap below frame " << f << " at x " << x;
    auto icon = [&](int slot, int frame) {
      std::vector<COLORREF> px;
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) px.push_back(At(b, 40 * slot + x, 41 * frame + y));
      return px;
    };
    std::set<std::vector<COLORREF>> first_frames;
    for (int slot = 0; slot < 10; ++slot) {
      if (slot >= strip.slots) {
        for (int f = 0; f < 6; ++f) {
          const auto px = icon(slot, f);
          EXPECT_TRUE(std::all_of(px.begin(), px.end(), [](COLORREF c) { return c == 0; }))
              << "slot " << slot + 1 << " has no tool but frame " << f << " is not empty";
        }
        continue;
      }
      for (int f = 0; f < 6; ++f) {
        const auto px = icon(slot, f);
        EXPECT_GE(std::set<COLORREF>(px.begin(), px.end()).size(), 3u)
            << "slot " << slot + 1 << " frame " << f;
      }
      EXPECT_NE(icon(slot, 0), icon(slot, 5)) << "slot " << slot + 1 << " does not move";
      first_frames.insert(icon(slot, 0));
    }
    EXPECT_EQ(first_frames.size(), static_cast<std::size_t>(strip.slots)) << "two slots share one icon";
  }
}

// The program realizes one logical palette; a colour outside it would shift on screen.
TEST_F(ArtworkTest, PicturesUseOnlyPaletteColours) {
  const std::set<COLORREF> palette(art::kPaletteColours.begin(), art::kPaletteColours.end());
  for (const auto& p : Pictures()) {
    if (p.name == "icon256.kvr" || p.name == "icon.kvr")
      continue;  // the desktop shows these, not the program
    const gdi::HBITMAP b = Load(p.name);
    ASSERT_TRUE(b);
    int strays = 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) strays += !palette.count(At(b, x, y));
    EXPECT_EQ(strays, 0) << p.name;
  }
}

// Tab icons are drawn with DrawIcon over a tab that is black when chosen and white otherwise:
// the mask must be pure black and white, the image black wherever the mask lets the tab show,
// and each figure big enough to see and different from the others.
TEST_F(ArtworkTest, TabIconsAreCleanIconPlanes) {
  std::set<std::vector<COLORREF>> looks;
  for (int n : TabIconNumbers()) {
    const std::string name = "icons/icon" + std::to_string(n) + ".kvr";
    const gdi::HBITMAP b = Load(name);
    ASSERT_TRUE(b);
    int covered = 0;
    std::vector<COLORREF> image;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const COLORREF mask = At(b, x, y), px = At(b, x, 32 + y);
        ASSERT_TRUE(mask == 0 || mask == 0xFFFFFF) << name << " mask at " << x << "," << y;
        if (mask == 0xFFFFFF) {
          ASSERT_EQ(px, 0u) << name << " image at " << x << "," << y;
        }
        covered += mask == 0;
        image.push_back(px);
      }
    EXPECT_GE(covered, 250) << name;
    EXPECT_LT(covered, 32 * 32) << name << " hides the whole tab";
    looks.insert(image);
  }
  EXPECT_EQ(looks.size(), TabIconNumbers().size());
}

// Only the top-left 8 x 8 of a pattern is used, and only its pure black pixels take the current
// colour: each tile needs both ink and paper, and the eight must differ.
TEST_F(ArtworkTest, PatternsHaveInkAndPaperInTheirCorner) {
  std::set<std::vector<COLORREF>> tiles;
  for (int i = 0; i < 8; ++i) {
    const std::string name = "pa0" + std::to_string(i) + ".kvr";
    const gdi::HBITMAP b = Load(name);
    ASSERT_TRUE(b);
    ASSERT_GE(b->Width(), 8);
    ASSERT_GE(b->Height(), 8);
    std::vector<COLORREF> tile;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) tile.push_back(At(b, x, y));
    const auto ink = std::count(tile.begin(), tile.end(), 0u);
    EXPECT_GE(ink, 8) << name;
    EXPECT_LE(ink, 48) << name;
    tiles.insert(tile);
  }
  EXPECT_EQ(tiles.size(), 8u);
}

// A texture is laid edge to edge, so the step across a seam (column 53 to column 0, row 53 to
// row 0) must look like a step inside the tile. Drawn textures have lines of their own (mortar,
// plank joints), so the seam is held to the largest inside step, not the average one; a tile
// whose edges do not meet steps from one unrelated colour to another all along the seam.
TEST_F(ArtworkTest, TexturesTileWithoutVisibleSeams) {
  auto step = [](COLORREF a, COLORREF b) {
    return std::abs(gdi::GetRValue(a) - gdi::GetRValue(b)) + std::abs(gdi::GetGValue(a) - gdi::GetGValue(b)) +
           std::abs(gdi::GetBValue(a) - gdi::GetBValue(b));
  };
  std::set<std::vector<COLORREF>> tiles;
  for (int i = 1; i <= 8; ++i) {
    const std::string name = "pb" + std::to_string(i) + ".kvr";
    const gdi::HBITMAP b = Load(name);
    ASSERT_TRUE(b);
    ASSERT_GE(b->Width(), 54);
    ASSERT_GE(b->Height(), 54);
    auto px = [&](int x, int y) { return At(b, x % 54, y % 54); };
    // Mean step from column k to column k + 1 (and row k to row k + 1), k = 53 being the seam.
    std::vector<double> across(54), down(54);
    std::set<COLORREF> colours;
    std::vector<COLORREF> tile;
    for (int y = 0; y < 54; ++y)
      for (int x = 0; x < 54; ++x) {
        colours.insert(px(x, y));
        tile.push_back(px(x, y));
        across[x] += step(px(x, y), px(x + 1, y)) / 54.0;
        down[y] += step(px(x, y), px(x, y + 1)) / 54.0;
      }
    const double inner_across = *std::max_element(across.begin(), across.end() - 1);
    const double inner_down = *std::max_element(down.begin(), down.end() - 1);
    EXPECT_LE(across[53], inner_across + 10) << name << ": the left and right edges do not meet";
    EXPECT_LE(down[53], inner_down + 10) << name << ": the top and bottom edges do not meet";
    EXPECT_GE(colours.size(), 3u) << name;
    tiles.insert(tile);
  }
  EXPECT_EQ(tiles.size(), 8u);
}

// The window writes its labels in aqua straight onto the background; they must stand on a dark
// ground. The switches' two states must look different.
TEST_F(ArtworkTest, JukeboxLabelsStandOnADarkGroundAndSwitchesShowTheirState) {
  const gdi::HBITMAP bg = Load("jukebox.kvr");
  ASSERT_TRUE(bg);
  const gdi::RECT labels[] = {{185, 26, 250, 46}, {189, 87, 248, 107}};
  for (const auto& r : labels)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const COLORREF c = At(bg, x, y);
        ASSERT_LT(gdi::GetRValue(c) + gdi::GetGValue(c) + gdi::GetBValue(c), 300) << "at " << x << "," << y;
      }
  for (const auto& [on, off] : {std::pair{"sndon.kvr", "sndoff.kvr"}, std::pair{"muson.kvr", "musoff.kvr"}}) {
    const gdi::HBITMAP a = Load(on), b = Load(off);
    ASSERT_TRUE(a && b);
    int differ = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) differ += At(a, x, y) != At(b, x, y);
    EXPECT_GE(differ, 200) << on << " and " << off << " look alike";
  }
}

TEST_F(ArtworkTest, CursorsHaveConsistentPlanesAndHotSpotsOnTheFigure) {
  const auto hot = HotSpots();
  ASSERT_EQ(hot.size(), CursorNumbers().size());
  std::set<std::vector<std::uint32_t>> looks;
  for (int n : CursorNumbers()) {
    ASSERT_TRUE(hot.count(n)) << "no hot spot for cursor " << n;
    const gdi::HBITMAP c = Load("cursors/cursor" + std::to_string(n) + ".kvr");
    ASSERT_TRUE(c);
    int covered = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const COLORREF mask = At(c, x, y);
        ASSERT_TRUE(mask == 0 || mask == 0xFFFFFF) << "cursor " << n << " mask at " << x << "," << y;
        if (mask == 0xFFFFFF) {
          ASSERT_EQ(At(c, x, 32 + y), 0u) << "cursor " << n << " image at " << x << "," << y;
        }
        covered += mask == 0;
      }
    EXPECT_GE(covered, 20) << "cursor " << n;
    // The hot spot is where the tool works: on the figure (a pencil's point, a crosshair's
    // centre), not somewhere beside it. The hollow squares of cursors 24..32 are checked below.
    const auto [hx, hy] = hot.at(n);
    ASSERT_TRUE(hx >= 0 && hx < 32 && hy >= 0 && hy < 32) << "cursor " << n;
    if (n < 24 || n > 32) {
      bool near = false;
      for (int y = std::max(0, hy - 2); y <= std::min(31, hy + 2); ++y)
        for (int x = std::max(0, hx - 2); x <= std::min(31, hx + 2); ++x)
          near = near || At(c, x, 32 + y) != 0;
      EXPECT_TRUE(near) << "cursor " << n << " hot spot " << hx << "," << hy << " lies off its figure";
    }
    looks.insert(std::vector<std::uint32_t>(c->Pixels(), c->Pixels() + 32 * 64));
  }
  EXPECT_EQ(looks.size(), CursorNumbers().size()) << "two cursor numbers share one picture";
}

// The ERASER, SPREADER and SPLITTER show cursor 24 for pen sizes 1 and 2, then 25..32 for sizes
// 3..10; each must outline exactly the square the tool works on at that size, x - h .. x + h - 1.
TEST_F(ArtworkTest, EraserCursorsOutlineTheSquareOfTheirPenSize) {
  const auto hot = HotSpots();
  const int half[] = {3, 4, 5, 6, 8, 10, 12, 14, 16};
  for (int i = 0; i < 9; ++i) {
    const int n = 24 + i, h = half[i];
    const gdi::HBITMAP c = Load("cursors/cursor" + std::to_string(n) + ".kvr");
    ASSERT_TRUE(c);
    const auto [hx, hy] = hot.at(n);
    const gdi::RECT box = CoveredBox(c);
    EXPECT_EQ(box, (gdi::RECT{hx - h, hy - h, hx + h - 1, hy + h - 1})) << "cursor " << n;
  }
}

// Every frame of a sprite sheet is a figure: the mask row (y 54) black where it covers the canvas
// and white elsewhere, the image row (y 1) black wherever the mask is white.
TEST_F(ArtworkTest, SpriteFramesAreFiguresWithTheirMasks) {
  struct Sheet {
    const char* name;
    int w;
    std::vector<int> xs;
  } sheets[] = {{"a930.kvr", 76, {1, 81, 161, 241}},
                {"a931.kvr", 76, {1, 81, 161, 241}},
                {"a932.kvr", 49, {1, 54, 107, 160, 213}}};
  for (const Sheet& sheet : sheets) {
    const gdi::HBITMAP b = Load(sheet.name);
    ASSERT_TRUE(b) << sheet.name;
    for (int x0 : sheet.xs) {
      int covered = 0, stray = 0;
      for (int y = 0; y < 49; ++y)
        for (int x = x0; x < x0 + sheet.w; ++x) {
          const auto mask = At(b, x, 54 + y), image = At(b, x, 1 + y);
          covered += mask == gdi::RGB(0, 0, 0);
          stray += (mask != gdi::RGB(0, 0, 0) && mask != gdi::RGB(255, 255, 255)) ||
                   (mask == gdi::RGB(255, 255, 255) && image != gdi::RGB(0, 0, 0));
        }
      EXPECT_EQ(stray, 0) << sheet.name << " frame at " << x0;
      EXPECT_GT(covered, 49 * sheet.w / 8) << sheet.name << " frame at " << x0;
    }
  }
}

}  // namespace
