// Windows on the headless backend: surfaces, paints, mouse routing, keys, hints, cursors, closing
// and activation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/platform.h"

namespace platform {
namespace {

class HeadlessWindow : public ::testing::Test {
 protected:
  void SetUp() override { headless::Reset(); }
};

// A shown 100 x 100 top-level window with a shown 20 x 20 child at (10, 10).
struct TopWithChild {
  Window top;
  Window child{&top};
  TopWithChild() {
    top.SetBounds(0, 0, 100, 100);
    child.SetBounds(10, 10, 20, 20);
    child.Show();
    top.Show();
  }
};

void FillClient(Window& w, gdi::COLORREF colour) {
  gdi::HDC dc = GetDC(w);
  gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
  gdi::FillRect(dc, {0, 0, w.ClientWidth(), w.ClientHeight()}, brush);
  ReleaseDC(w, dc);
}

TEST_F(HeadlessWindow, ResizeKeepsOldPixelsWhereTheyFitAndFillsTheRestWithTheWindowColour) {
  Window w;
  w.SetColour(gdi::RGB(0, 0, 255));
  w.SetBounds(0, 0, 4, 3);
  FillClient(w, gdi::RGB(255, 0, 0));
  gdi::HDC dc = GetDC(w);
  gdi::SetPixel(dc, 3, 2, gdi::RGB(0, 255, 0));
  ReleaseDC(w, dc);

  w.SetBounds(0, 0, 6, 5);
  EXPECT_EQ(headless::PixelAt(w, 0, 0), gdi::RGB(255, 0, 0));
  EXPECT_EQ(headless::PixelAt(w, 3, 2), gdi::RGB(0, 255, 0));
  EXPECT_EQ(headless::PixelAt(w, 4, 0), gdi::RGB(0, 0, 255));
  EXPECT_EQ(headless::PixelAt(w, 0, 3), gdi::RGB(0, 0, 255));

  w.SetBounds(0, 0, 2, 2);
  w.SetBounds(0, 0, 4, 3);
  EXPECT_EQ(headless::PixelAt(w, 1, 1), gdi::RGB(255, 0, 0));
  EXPECT_EQ(headless::PixelAt(w, 3, 2), gdi::RGB(0, 0, 255)) << "cut-off pixels do not come back";
}

TEST_F(HeadlessWindow, SingleBorderOfAChildLiesOutsideItsClientSurface) {
  Window top;
  top.SetColour(0);
  top.SetBounds(0, 0, 20, 20);
  Window child(&top);
  child.SetBorderStyle(BorderStyle::Single);
  child.SetBounds(5, 6, 10, 8);
  EXPECT_EQ(child.ClientWidth(), 8);
  EXPECT_EQ(child.ClientHeight(), 6);
  EXPECT_EQ(child.Surface()->Width(), 8);
  child.SetClientSize(4, 4);
  EXPECT_EQ(child.Width(), 6);

  child.Show();
  top.Show();
  FillClient(child, gdi::RGB(255, 255, 255));
  gdi::HBITMAP screen = headless::Compose(top);
  const auto pixel = [&](int x, int y) { return gdi::ColorrefFromPixel(screen->At(x, y)); };
  EXPECT_EQ(pixel(5, 6), 0u) << "frame";
  EXPECT_EQ(pixel(10, 11), 0u) << "frame";
  EXPECT_EQ(pixel(6, 7), gdi::RGB(255, 255, 255)) << "client (0, 0)";
  EXPECT_EQ(pixel(9, 10), gdi::RGB(255, 255, 255)) << "client (3, 3)";

  // A top-level window's frame belongs to the desktop: its client is its whole size.
  Form form;
  form.SetBounds(0, 0, 30, 20);
  EXPECT_EQ(form.ClientWidth(), 30);
}

TEST_F(HeadlessWindow, PaintsComeOnFirstShowParentFirstAndAfterInvalidateOnly) {
  Window top;
  Window child(&top);
  Window hidden_child(&top);
  std::vector<std::string> log;
  top.OnPaint = [&] { log.push_back("top"); };
  child.OnPaint = [&] { log.push_back("child"); };
  hidden_child.OnPaint = [&] { log.push_back("hidden"); };
  child.Show();
  top.Show();
  EXPECT_TRUE(log.empty()) << "paints wait for the loop";
  headless::Pump();
  EXPECT_EQ(log, (std::vector<std::string>{"top", "child"}));
  headless::Pump();
  EXPECT_EQ(log.size(), 2u);

  child.Invalidate();
  child.Invalidate();
  headless::Pump();
  EXPECT_EQ(log.size(), 3u) << "two requests, one paint";

  top.Hide();
  top.Invalidate();
  headless::Pump();
  EXPECT_EQ(log.size(), 3u) << "no paint while hidden";
  top.Show();
  headless::Pump();
  EXPECT_EQ(log.back(), "top") << "the paint asked while hidden comes when shown";
  hidden_child.Show();
  headless::Pump();
  EXPECT_EQ(log.back(), "hidden");
}

TEST_F(HeadlessWindow, MouseGoesToTheTopmostChildInItsClientCoordinatesAndIsCapturedByAPress) {
  Window top;
  top.SetBounds(0, 0, 200, 200);
  Window canvas(&top);
  canvas.SetBorderStyle(BorderStyle::Single);
  canvas.SetBounds(50, 40, 100, 100);
  Window button(&top);  // a hit area over the canvas's corner
  button.SetTransparent(true);
  button.SetBounds(140, 40, 20, 20);
  canvas.Show();
  button.Show();
  top.Show();

  std::vector<std::string> log;
  const auto record = [&](const char* who, const char* what) {
    return [&log, who, what](MouseButton, unsigned shift, int x, int y) {
      log.push_back(std::string(who) + " " + what + " " + std::to_string(x) + "," + std::to_string(y) +
                    " s" + std::to_string(shift));
    };
  };
  canvas.OnMouseDown = record("canvas", "down");
  canvas.OnMouseUp = record("canvas", "up");
  canvas.OnMouseMove = [&](unsigned shift, int x, int y) {
    log.push_back("canvas move " + std::to_string(x) + "," + std::to_string(y) + " s" + std::to_string(shift));
  };
  button.OnMouseDown = record("button", "down");
  top.OnMouseDown = record("top", "down");

  headless::MouseDown(top, MouseButton::Left, 51, 41, ssShift);
  headless::MouseMove(top, 10, 300);  // far outside: still the canvas's
  headless::MouseUp(top, MouseButton::Left, 10, 300);
  headless::Click(top, 145, 45);
  headless::Click(top, 5, 5, MouseButton::Right);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "canvas down 0,0 s" + std::to_string(ssShift | ssLeft),
                     "canvas move -41,259 s" + std::to_string(ssLeft),
                     "canvas up -41,259 s0",
                     "button down 5,5 s" + std::to_string(ssLeft),
                     "top down 5,5 s" + std::to_string(ssRight),
                 }));
}

// Coordinates given relative to a child are routed from the top-level window, as the desktop
// does: beside the child is its parent's, and outside the top-level window is nobody's here.
TEST_F(HeadlessWindow, APointBesideAChildIsItsParentsAndOutsideTheWindowIsAnotherProgramsOwn) {
  TopWithChild w;
  Window &top = w.top, &child = w.child;
  std::vector<std::string> log;
  child.OnMouseDown = [&](MouseButton, unsigned, int x, int y) {
    log.push_back("child " + std::to_string(x) + "," + std::to_string(y));
  };
  top.OnMouseDown = [&](MouseButton, unsigned, int x, int y) {
    log.push_back("top " + std::to_string(x) + "," + std::to_string(y));
  };
  top.OnMouseMove = [&](unsigned, int, int) { log.push_back("top move"); };
  top.OnMouseUp = [&](MouseButton, unsigned, int, int) { log.push_back("top up"); };
  headless::Click(child, -5, 3);     // beside the child, on the parent
  headless::Click(top, -1, 50);      // outside the window
  headless::Click(child, 95, 3);     // outside, given relative to the child
  headless::MouseMove(top, 150, 150);
  headless::MouseDown(child, MouseButton::Left, 2, 2);
  EXPECT_EQ(log, (std::vector<std::string>{"top 5,13", "top up", "child 2,2"}));
  headless::MouseUp(top, MouseButton::Left, 150, 150);  // captured: still delivered
  EXPECT_EQ(headless::WindowAt(top, 15, 15), &child);
}

TEST_F(HeadlessWindow, ASecondButtonDuringADragGoesToTheCapturingWindowWithBothHeld) {
  TopWithChild w;
  Window &top = w.top, &child = w.child;
  std::vector<unsigned> shifts;
  int top_events = 0;
  child.OnMouseDown = [&](MouseButton, unsigned s, int, int) { shifts.push_back(s); };
  child.OnMouseUp = [&](MouseButton, unsigned s, int, int) { shifts.push_back(s); };
  top.OnMouseDown = [&](MouseButton, unsigned, int, int) { ++top_events; };
  top.OnMouseUp = [&](MouseButton, unsigned, int, int) { ++top_events; };
  headless::MouseDown(top, MouseButton::Left, 15, 15);
  headless::MouseDown(top, MouseButton::Right, 80, 80);
  headless::MouseUp(top, MouseButton::Left, 80, 80);
  headless::MouseUp(top, MouseButton::Right, 80, 80);
  headless::Click(top, 80, 80);
  EXPECT_EQ(shifts, (std::vector<unsigned>{ssLeft, ssLeft | ssRight, ssRight, 0}));
  EXPECT_EQ(top_events, 2) << "capture ends when every button is up";
}

TEST_F(HeadlessWindow, KeysGoToTheTopLevelWindowAndKeyDownCanSwallowTheCharacter) {
  Window top;
  Window child(&top);
  std::string typed;
  std::vector<int> downs;
  top.OnKeyDown = [&](int& key, unsigned) {
    downs.push_back(key);
    if (key == VK_ESCAPE) key = 0;
  };
  top.OnKeyPress = [&](char& c) { typed.push_back(c); };
  headless::KeyDown(child, 'A');
  headless::KeyDown(child, 'A', ssShift);
  headless::KeyDown(child, VK_RETURN);
  headless::KeyDown(child, VK_ESCAPE);
  headless::KeyDown(child, VK_LEFT);
  headless::Type(child, "z!");
  EXPECT_EQ(downs, (std::vector<int>{'A', 'A', VK_RETURN, VK_ESCAPE, VK_LEFT}));
  EXPECT_EQ(typed, std::string("aA\rz!"));
}

TEST_F(HeadlessWindow, HintsFollowThePositionAndFallBackToTheParent) {
  Window top;
  top.SetBounds(0, 0, 300, 100);
  top.SetHint("the window");
  Window tabs(&top);
  tabs.SetBounds(100, 0, 200, 30);
  tabs.OnHintAt = [](int x, int) { return x < 100 ? std::string("PENCILS") : std::string("PAINT"); };
  Window plain(&top);
  plain.SetBounds(0, 50, 50, 50);
  tabs.Show();
  plain.Show();
  EXPECT_EQ(headless::HintAt(top, 150, 10), "PENCILS");
  EXPECT_EQ(headless::HintAt(top, 250, 10), "PAINT");
  EXPECT_EQ(headless::HintAt(top, 10, 60), "the window");
  EXPECT_EQ(headless::HintAt(top, 10, 10), "the window");
}

TEST_F(HeadlessWindow, CursorsByWindowByPositionAndForTheWholeScreen) {
  Window top;
  top.SetBounds(0, 0, 100, 100);
  Window canvas(&top);
  canvas.SetBounds(50, 0, 50, 100);
  canvas.SetCursor(7);
  canvas.OnCursorAt = [](int, int y) { return y < 10 ? 3 : -1; };
  canvas.Show();
  EXPECT_EQ(headless::CursorAt(top, 10, 50), 0);
  EXPECT_EQ(headless::CursorAt(top, 60, 50), 7);
  EXPECT_EQ(headless::CursorAt(top, 60, 5), 3);
  SetScreenCursor(11);
  EXPECT_EQ(headless::CursorAt(top, 10, 50), 11);
  SetScreenCursor(0);
  EXPECT_EQ(headless::CursorAt(top, 10, 50), 0);
}

TEST_F(HeadlessWindow, ChangedRectIsTheBoxOfWhatWasDrawnSinceLastShown) {
  Window w;
  w.SetBounds(0, 0, 50, 40);
  w.Show();
  headless::Pump();
  gdi::HDC dc = GetDC(w);
  gdi::SetPixel(dc, 3, 30, gdi::RGB(1, 2, 3));
  gdi::SetPixel(dc, 20, 5, gdi::RGB(1, 2, 3));
  ReleaseDC(w, dc);
  EXPECT_EQ(detail::TakeChangedRect(w), (gdi::RECT{3, 5, 21, 31}));
  EXPECT_EQ(detail::TakeChangedRect(w), (gdi::RECT{})) << "nothing new";
  // Drawing the same pixels again changes nothing on screen.
  dc = GetDC(w);
  gdi::SetPixel(dc, 3, 30, gdi::RGB(1, 2, 3));
  ReleaseDC(w, dc);
  EXPECT_EQ(detail::TakeChangedRect(w), (gdi::RECT{}));
}

TEST_F(HeadlessWindow, FlushBringsFramesOfALongRoutineToTheScreen) {
  Window w;
  w.SetBounds(0, 0, 50, 40);
  w.Show();
  w.OnMouseDown = [&](MouseButton, unsigned, int, int) {
    for (int i = 0; i < 3; ++i) {
      gdi::HDC dc = GetDC(w);
      gdi::SetPixel(dc, i, 0, gdi::RGB(255, 0, 0));
      ReleaseDC(w, dc);
      Flush(&w);
    }
    Flush(&w);  // nothing new
  };
  headless::Click(w, 1, 1);
  EXPECT_EQ(headless::FlushCount(), 3);
}

TEST_F(HeadlessWindow, TransparentWindowsHaveNoSurfaceAndNoDC) {
  Window top;
  Window hit(&top);
  hit.SetBounds(0, 0, 40, 40);
  hit.SetTransparent(true);
  EXPECT_FALSE(hit.Surface());
  EXPECT_FALSE(GetDC(hit));
  hit.SetTransparent(false);
  ASSERT_TRUE(hit.Surface());
  EXPECT_EQ(hit.Surface()->Width(), 40);
}

TEST_F(HeadlessWindow, CloseAsksFirstAndClosingTheMainWindowEndsTheApplication) {
  int argc = 0;
  Application app(argc, nullptr);
  Window main;
  std::vector<std::string> log;
  bool allow = false;
  main.OnCloseQuery = [&] {
    log.push_back("query");
    return allow;
  };
  main.OnClose = [&] { log.push_back("close"); };
  app.OnSysCommand = [&](Window& w, int command) {
    EXPECT_EQ(&w, &main);
    log.push_back(command == SC_CLOSE ? "sc_close" : command == SC_MINIMIZE ? "sc_minimize" : "?");
  };
  app.Run(main);
  headless::Minimize(main);
  headless::RequestClose(main);
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(headless::QuitRequested());
  allow = true;
  headless::RequestClose(main);
  EXPECT_EQ(log, (std::vector<std::string>{"sc_minimize", "sc_close", "query", "sc_close", "query", "close"}));
  EXPECT_FALSE(main.Visible());
  EXPECT_TRUE(headless::QuitRequested());
  EXPECT_TRUE(app.Terminated());
}

TEST_F(HeadlessWindow, SwitchingAwayAndBackActivatesTheApplicationThenItsWindow) {
  int argc = 0;
  Application app(argc, nullptr);
  Window main;
  std::vector<std::string> log;
  app.OnActivate = [&] { log.push_back("app on"); };
  app.OnDeactivate = [&] { log.push_back("app off"); };
  main.OnActivate = [&] { log.push_back("main on"); };
  main.OnDeactivate = [&] { log.push_back("main off"); };
  main.OnPaint = [&] { log.push_back("paint"); };
  app.Run(main);
  EXPECT_EQ(log, (std::vector<std::string>{"main on", "paint"}));
  log.clear();
  headless::DeactivateApp();
  headless::ActivateApp();
  EXPECT_EQ(log, (std::vector<std::string>{"app off", "main off", "app on", "main on"}));
}

}  // namespace
}  // namespace platform
