// The MAGIC box tools and pixel effects driven through the real canvas handlers: scripted
// gestures against stored pictures, and the rules that can break: a box drawn either way, MOVE's
// hole and COPY's untouched source, COPY/FLIP flipped from the press, a press outside the frame,
// SIZE CONTROL shrinking the same snapshot twice, FLIP's clamps, releases on the anchor's row or
// column, boxes past the canvas's edges, and the system command saving no overlay.
#include <cstdint>
#include <string>
#include <vector>

#include "app/dispatch.h"
#include "app_fixture.h"
#include "core/canvas.h"
#include "core/snapshot.h"
#include "reference_image.h"
#include "regiontools/boxtools.h"

namespace pd::testing {
namespace {

using platform::MouseButton;
namespace hl = platform::headless;
using Picture = std::vector<std::uint32_t>;

// Two pictures of the canvas's size agree, or the first pixel where they do not.
::testing::AssertionResult Same(const Picture& a, const Picture& b, int width) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i])
      return ::testing::AssertionFailure()
             << "at " << i % width << "," << i / width << ": " << std::hex << a[i] << " against " << b[i];
  return ::testing::AssertionSuccess();
}

class MagicTest : public AppTest {
 protected:
  // A small screen, so the canvas (158 x 116) makes small pictures.
  void SetUp() override {
    Start(240, 210);
    FillBusy();
    SaveCanvasSnapshot();
  }
  int W() { return Canvas().Surface()->Width(); }
  int H() { return Canvas().Surface()->Height(); }
  // Palette colours in bands 3 wide and 5 high (white is not among them), so that every
  // misplaced, stray or flipped pixel shows.
  static gdi::COLORREF Busy(int x, int y) {
    const int i = (x / 3 + y / 5 * 7) % 150;
    return PaletteColours[i >= 60 ? i + 10 : i];
  }
  void FillBusy() {
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x) Canvas().Surface()->At(x, y) = gdi::PixelFromColorref(Busy(x, y));
  }
  Picture Pixels(const gdi::HBITMAP& b) {
    return {b->Pixels(), b->Pixels() + std::size_t(b->Width()) * b->Height()};
  }
  Picture Shown() { return Pixels(Canvas().Surface()); }
  // The snapshot's part that holds the canvas's pixels (it is two pixels wider and higher, the
  // size of the canvas panel with its border).
  Picture Snapshot() {
    Picture p;
    for (int y = 0; y < H(); ++y) p.insert(p.end(), CanvasSnapshot->Row(y), CanvasSnapshot->Row(y) + W());
    return p;
  }
  std::uint32_t Word(int x, int y) { return Canvas().Surface()->At(x, y); }
  std::uint32_t BusyWord(int x, int y) { return gdi::PixelFromColorref(Busy(x, y)); }
  void Reference(const std::string& name, gdi::RECT box) {
    ExpectCanvasReference(*Canvas().Surface(), "magic_" + name, box, Busy);
  }
};

TEST_F(MagicTest, BoxEffectsMatchTheirPicturesWhicheverWayTheBoxIsDrawn) {
  struct Case {
    const char* name;
    int tool, mode;
    std::vector<int> sounds;
  } cases[] = {
      {"pixellate_square", 63, 0, {}}, {"pixellate_round", 64, 0, {}}, {"lighten", 86, 1, {}},
      {"darken", 86, 2, {}},           {"flip_sideways", 66, 4, {32}}, {"flip_up_down", 66, 3, {32}},
      {"negative", 67, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LightenDarkenMode = FlipMode = c.mode;
    Picture first;
    for (bool reversed : {false, true}) {
      FillBusy();
      RandSeed(7);
      effects_.clear();
      CurrentTool = c.tool;
      const int live = gdi::GdiLiveObjects();
      if (reversed)
        Stroke({{121, 83}, {90, 60}, {20, 15}, {31, 22}});
      else
        Stroke({{31, 22}, {70, 40}, {130, 90}, {121, 83}});
      EXPECT_EQ(gdi::GdiLiveObjects(), live);
      EXPECT_EQ(effects_, c.sounds);
      if (!reversed) first = Shown();
    }
    EXPECT_TRUE(Same(Shown(), first, W())) << "the box drawn from the other corner";
    if (c.tool != 67) {
      Reference(c.name, {25, 16, 130, 92});
      continue;
    }
    // The inverted colours are not the palette's, so the negative is checked pixel by pixel.
    for (int y = 0; y < H(); ++y)
      for (int x = 0; x < W(); ++x)
        ASSERT_EQ(Word(x, y),
                  PointInBox(x, y, 31, 22, 121, 83) ? ~BusyWord(x, y) & 0xFFFFFF : BusyWord(x, y));
  }
}

TEST_F(MagicTest, ReleaseOnTheAnchorsRowOrColumnChangesNothing) {
  for (int tool : {63, 64, 65, 66, 67, 86}) {
    for (bool same_row : {false, true}) {
      SCOPED_TRACE(::testing::Message() << "tool " << tool << (same_row ? " row" : " column"));
      FillBusy();
      CurrentTool = tool;
      effects_.clear();
      const Picture before = Shown();
      Stroke({{40, 30}, {90, 80}, same_row ? Point{90, 30} : Point{40, 80}});
      EXPECT_TRUE(Same(Shown(), before, W()));
      EXPECT_TRUE(effects_.empty());
    }
  }
}

TEST_F(MagicTest, MoveLeavesAWhiteHoleAndCopyLeavesTheSourceAsItWas) {
  for (int tool : {69, 70}) {
    SCOPED_TRACE(tool);
    FillBusy();
    const Picture clean = Shown();
    CurrentTool = tool;
    // Drawn from the bottom right corner: the selection is (20, 15)-(60, 45).
    Stroke({{60, 45}, {40, 30}, {20, 15}});
    EXPECT_TRUE(SelectionActive);
    EXPECT_EQ(CurrentTool, tool + 3);
    EXPECT_TRUE(Same(Snapshot(), clean, W())) << "the frame is not in the snapshot";
    EXPECT_EQ(Word(20, 15), gdi::PixelFromColorref(kBlue)) << "the frame starts at the box";
    Stroke({{25, 20}, {60, 50}, {105, 70}});  // the piece's corner goes to (100, 65)
    EXPECT_FALSE(SelectionActive);
    EXPECT_EQ(CurrentTool, tool);
    Reference(tool == 69 ? "move" : "copy", {18, 13, 142, 107});
    for (int y = 15; y < 45; ++y)
      for (int x = 20; x < 60; ++x) {
        ASSERT_EQ(Word(x + 80, y + 50), BusyWord(x, y));
        ASSERT_EQ(Word(x, y), tool == 69 ? gdi::PixelFromColorref(kWhite) : BusyWord(x, y));
      }
  }
}

TEST_F(MagicTest, CopyFlipShowsThePieceFlippedFromThePress) {
  for (int mode : {3, 4}) {
    SCOPED_TRACE(mode);
    FillBusy();
    FlipMode = mode;
    CurrentTool = 71;
    Stroke({{20, 15}, {60, 45}});
    hl::MouseDown(Canvas(), MouseButton::Left, 30, 25);
    // The piece shows in its own place at once, drawn as the flipping blit draws it.
    gdi::HBITMAP expected = gdi::CreateDIBSection32(W(), H());
    gdi::HDC dc = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectObject(dc, expected);
    BitmapCanvas snapshot(CanvasSnapshot);
    gdi::BitBlt(dc, 0, 0, W(), H(), snapshot.dc(), 0, 0, gdi::SRCCOPY);
    if (mode == 3)
      gdi::StretchBlt(dc, 20, 15, 40, 30, snapshot.dc(), 20, 44, 40, -29, gdi::SRCCOPY);
    else
      gdi::StretchBlt(dc, 20, 15, 40, 30, snapshot.dc(), 59, 15, -39, 30, gdi::SRCCOPY);
    EXPECT_TRUE(Same(Shown(), Pixels(expected), W()));
    // Upside down, the bottom row is the source's second; mirrored, the right column is.
    EXPECT_EQ(mode == 3 ? Word(30, 44) : Word(59, 30), mode == 3 ? BusyWord(30, 16) : BusyWord(21, 30));
    hl::MouseUp(Canvas(), MouseButton::Left, 30, 25);
    EXPECT_EQ(CurrentTool, 71);
  }
}

TEST_F(MagicTest, APressOutsideTheFrameOrAToolButtonLeavesNoFrameAndNoTool) {
  for (bool button : {false, true}) {
    FillBusy();
    SaveCanvasSnapshot();
    const Picture clean = Shown();
    CurrentTool = 70;
    Stroke({{20, 15}, {60, 45}});
    ASSERT_NE(Shown(), clean);
    if (button)
      hl::Click(main_->Image(3), 10, 10);
    else
      Stroke({{60, 45}, {100, 90}});  // on the right edge: outside
    EXPECT_FALSE(SelectionActive);
    EXPECT_TRUE(Same(Shown(), clean, W()));
    if (!button) {
      EXPECT_EQ(CurrentTool, 0);
    }
  }
}

TEST_F(MagicTest, SizeControlShrinksTheSnapshotIntoTheBoxOrMagnifiesTheBox) {
  SizeControlMode = 1;
  CurrentTool = 65;
  Stroke({{40, 30}, {120, 90}});
  const Picture once = Shown();
  EXPECT_EQ(CountCanvas(kWhite), W() * H() - 80 * 60) << "everything but the box is white";
  Stroke({{120, 90}, {40, 30}});
  EXPECT_TRUE(Same(Shown(), once, W())) << "the second shrink shrinks the same snapshot again";

  FillBusy();
  SizeControlMode = 2;
  gdi::HBITMAP expected = gdi::CreateDIBSection32(W(), H());
  {
    gdi::HDC dc = gdi::CreateCompatibleDC(nullptr);
    gdi::SelectObject(dc, expected);
    WindowCanvas canvas(&Canvas());
    gdi::StretchBlt(dc, 0, 0, CanvasWidth, CanvasHeight, canvas.dc(), 0, 0, 20, 10, gdi::SRCCOPY);
  }
  Stroke({{20, 10}, {-30, -20}});  // past the corner: only the part on the canvas is magnified
  EXPECT_TRUE(Same(Shown(), Pixels(expected), W()));
}

TEST_F(MagicTest, FlipIsClampedAtEveryEdgeAndAnEmptyBoxIsSilent) {
  // CanvasWidth and CanvasHeight are the panel's, border included: the box ends 3 short of them,
  // on the canvas's last column and row, and starts at 1.
  ASSERT_EQ(CanvasWidth, W() + 2);
  FlipMode = 4;
  CurrentTool = 66;
  Stroke({{0, 0}, {CanvasWidth + 10, CanvasHeight + 10}});  // presses go to the canvas only inside it
  EXPECT_EQ(effects_, std::vector<int>{32});
  for (int x = 0; x < W(); ++x)
    for (int y : {0, CanvasHeight - 3}) ASSERT_EQ(Word(x, y), BusyWord(x, y));
  for (int y = 0; y < H(); ++y)
    for (int x : {0, CanvasWidth - 3}) ASSERT_EQ(Word(x, y), BusyWord(x, y));
  EXPECT_EQ(Word(1, 1), BusyWord(CanvasWidth - 3, 1)) << "mirrored";
  EXPECT_EQ(Word(CanvasWidth - 4, 1), BusyWord(2, 1));

  // Boxes the clamps leave without width or height.
  for (const auto& [a, b] :
       std::vector<std::pair<Point, Point>>{{{W() - 1, 20}, {CanvasWidth + 9, 50}}, {{50, 1}, {20, -5}}}) {
    FillBusy();
    effects_.clear();
    const Picture before = Shown();
    Stroke({a, b});
    EXPECT_TRUE(Same(Shown(), before, W()));
    EXPECT_TRUE(effects_.empty());
  }
}

TEST_F(MagicTest, BoxesPastTheLeftAndTopEdgesTakeOnlyCanvasPixels) {
  // MOVE: the selection is cut to the canvas, so the piece holds canvas pixels only.
  CurrentTool = 69;
  Stroke({{30, 25}, {-20, -15}});
  EXPECT_EQ(SelectionBox, (gdi::RECT{0, 0, 30, 25}));
  Stroke({{5, 5}, {85, 65}});
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(Word(x + 80, y + 60), BusyWord(x, y));

  // PIXELLATE: the cells centred at x = -2 and y = -2 are off the canvas and paint nothing; the
  // ones at 3 cover 1..5.
  FillBusy();
  CurrentTool = 63;
  Stroke({{30, 30}, {-5, -5}});
  for (int i = 0; i < 30; ++i) {
    ASSERT_EQ(Word(0, i), BusyWord(0, i));
    ASSERT_EQ(Word(i, 0), BusyWord(i, 0));
  }
  EXPECT_EQ(Word(1, 1), BusyWord(3, 3));
}

TEST_F(MagicTest, LightenWithATwoByTwoBoxDrawsOneLineEachWay) {
  FillCanvas(kBlack);
  LightenDarkenMode = 1;
  CurrentTool = 86;
  Stroke({{50, 40}, {52, 42}});
  EXPECT_EQ(CountCanvas(kWhite), 3);  // (50, 41), (51, 41) and (51, 40)
  EXPECT_EQ(CanvasPixel(50, 40), kBlack);
  EXPECT_EQ(CanvasPixel(51, 40), kWhite);
  EXPECT_EQ(CanvasPixel(50, 41), kWhite);
}

TEST_F(MagicTest, ReplaceColourChangesEveryPixelOfTheClickedColourAndNothingForTheCurrentOne) {
  FillCanvas(kWhite);
  for (int x = 10; x < 20; ++x)
    Canvas().Surface()->At(x, 10) = Canvas().Surface()->At(x + 100, 90) = 0x00FF00;
  CurrentTool = 68;
  CurrentColour = kRed;
  hl::Click(Canvas(), 12, 10);
  EXPECT_EQ(CountCanvas(kRed), 20) << "both green lines, though they do not touch";
  hl::Click(Canvas(), 15, 10);
  EXPECT_EQ(CountCanvas(kRed), 20);
  ExpectCanvasReference(*Canvas().Surface(), "magic_replace_color", {10, 10, 120, 91},
                        [](int, int) { return kWhite; });
}

TEST_F(MagicTest, TheSystemCommandKeepsFramesRubberBandsAndPiecesOutOfTheSnapshot) {
  const Picture clean = Shown();
  CurrentTool = 70;
  PressAndDrag({{20, 15}, {60, 45}});
  hl::Minimize(Form());
  EXPECT_TRUE(Same(Snapshot(), clean, W())) << "rubber band";
  hl::MouseUp(Canvas(), MouseButton::Left, 60, 45);
  hl::Minimize(Form());
  EXPECT_TRUE(Same(Snapshot(), clean, W())) << "frame";
  PressAndDrag({{30, 20}, {100, 80}});
  hl::Minimize(Form());
  EXPECT_TRUE(Same(Snapshot(), clean, W())) << "piece";
  hl::ActivateApp();  // the piece comes back with the next move
  hl::MouseMove(Canvas(), 101, 80);
  hl::MouseUp(Canvas(), MouseButton::Left, 101, 80);
  for (int y = 15; y < 45; ++y)
    for (int x = 20; x < 60; ++x) ASSERT_EQ(Word(x + 71, y + 60), BusyWord(x, y));
}

}  // namespace
}  // namespace pd::testing
