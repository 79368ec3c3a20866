#include "app/mainunit.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/about.h"
#include "app/dispatch.h"
#include "app/palette.h"
#include "app/panels.h"
#include "app/toolpalette.h"
#include "core/assets.h"
#include "core/canvas.h"
#include "core/datadir.h"
#include "core/snapshot.h"
#include "media/music.h"
#include "media/sound.h"
#include "regiontools/boxtools.h"
#include "pictures/printing.h"
#include "regiontools/texttools.h"

namespace pd {

using platform::MouseButton;

std::string ProgramDirectory() {
  std::string dir = platform::ExecutableDirectory();
  if (dir.size() > 255) dir.resize(255);
  return dir;
}

namespace {

// For the footprint measurements: with PINDOODLE_TRACE_STARTUP set, the moment the first paint
// reached the screen, on the monotonic clock, goes to standard error.
void ReportFirstPaint() {
  if (!std::getenv("PINDOODLE_TRACE_STARTUP") || !MainWindow) return;
  platform::Flush(MainWindow);
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  std::fprintf(stderr, "first-paint-monotonic-ms %.3f\n", ts.tv_sec * 1e3 + ts.tv_nsec / 1e6);
}

}  // namespace

Tmain::Tmain() : form_(nullptr), bipict1_(&form_), tabset1_(&form_) {
  MainForm = this;
  for (int k = 0; k < 10; ++k) {
    images_[k] = std::make_unique<platform::Window>(&form_);
    images_[k]->SetTransparent(true);
  }
  form_.SetBorderStyle(platform::BorderStyle::None);
  form_.SetColour(gdi::RGB(0, 0, 0));
  form_.SetCaption("Pindoodle");
  bipict1_.SetBorderStyle(platform::BorderStyle::Single);
  bipict1_.SetColour(gdi::RGB(255, 255, 255));
  tabset1_.SetColour(gdi::RGB(0, 0, 0));

  form_.OnPaint = [this] { FormPaint(); };
  form_.OnActivate = [this] { FormActivate(); };
  form_.OnMouseDown = [this](MouseButton b, unsigned s, int x, int y) { FormMouseDown(b, s, x, y); };
  form_.OnMouseMove = [this](unsigned s, int x, int y) { FormMouseMove(s, x, y); };
  form_.OnKeyPress = [this](char& key) { FormKeyPress(key); };
  form_.OnKeyDown = [this](int& key, unsigned shift) { FormKeyDown(key, shift); };
  form_.OnCloseQuery = [this] { return FormCloseQuery(); };
  bipict1_.OnMouseDown = [this](MouseButton b, unsigned s, int x, int y) { BiPict1MouseDown(b, s, x, y); };
  bipict1_.OnMouseMove = [this](unsigned s, int x, int y) { BiPict1MouseMove(s, x, y); };
  bipict1_.OnMouseUp = [this](MouseButton b, unsigned s, int x, int y) { BiPict1MouseUp(b, s, x, y); };
  timer1_.OnTimer = [this] { Timer1Timer(); };
  WireToolPalette();
  FormCreate();
}

Tmain::~Tmain() {
  FormDestroy();
  if (MainForm == this) MainForm = nullptr;
  MainWindow = nullptr;
  CanvasWindow = nullptr;
}

void Tmain::FormCreate() {
  InitPaletteColours();
  AppPalette = BuildAppPalette();
  AssetDir = FindAssetDir(ProgramDirectory());
  InitDataDir(AssetDir);
  form_.Maximize();
  for (int k = 0; k < 10; ++k) images_[k]->SetBounds(100 + 40 * k, 10, 40, 40);
  ResetSharedState();
  // The tool table lists every panel's flag, so a panel added there is cleared here too.
  HideAllPanels();
  Randomize();
  MainWindow = &form_;
  CanvasWindow = &bipict1_;
  RegisterCursors();
  CanvasSnapshot = nullptr;
  IconStrip = LoadAssetBitmap("a900.kvr");
  IconFrame = 0;
  IconFrameDown = false;
  timer1_.SetInterval(125);
  timer1_.SetEnabled(true);
  if (platform::Application::Exists()) {
    auto& app = platform::Application::Instance();
    app.OnActivate = [this] { AppActivate(); };
    app.OnDeactivate = [this] { AppDeactivate(); };
    app.OnSysCommand = [this](platform::Window& w, int command) { AppMessage(w, command); };
  }
  SetButtonDescriptions();
  // The screen saver stays off while the program runs; the desktop lifts the inhibition when
  // the program ends, however it ends.
  platform::Desktop().InhibitScreenSaver("A child is painting");
}

void Tmain::FormPaint() {
  using namespace gdi;
  if (FirstPaint) {
    const int cw = form_.ClientWidth(), ch = form_.ClientHeight();
    tabset1_.SetBounds(82, 60, cw - 82, 32);
    bipict1_.SetBounds(82, 92, cw - 82, ch - 94);
    CanvasWidth = bipict1_.Width();
    CanvasHeight = bipict1_.Height();
    CanvasSnapshot = CreateDIBSection32(std::max(CanvasWidth, 1), std::max(CanvasHeight, 1));
    if (CanvasSnapshot) CanvasSnapshot->Fill(0xFFFFFF);
    tabset1_.Show();
    bipict1_.Show();
    for (auto& image : images_) image->Show();
    StartBackgroundMusic();
  }
  {
    WindowCanvas canvas(&form_);
    const HDC& dc = canvas.dc();
    FillBlack(dc, 0, 0, form_.ClientWidth(), 150);
    FillBlack(dc, 0, 0, 100, form_.ClientHeight());
    if (HBITMAP a1 = LoadAssetBitmap("a1.kvr")) {
      BitmapCanvas src(a1);
      BitBlt(dc, 0, 0, 79, 179, src.dc(), 0, 0, SRCCOPY);
    }
    if (HBITMAP a911 = LoadAssetBitmap("a911.kvr")) {
      BitmapCanvas src(a911);
      BitBlt(dc, CanvasWidth - 60, 0, 140, 60, src.dc(), 0, 0, SRCCOPY);
    }
  }
  DrawPalette();
  DrawOptionPanels();
  if (FirstPaint) {
    DrawFirstPaintPanels();
    DrawSlotMarker(0);
    FirstPaint = false;
    ReportFirstPaint();
  }
}

void Tmain::FormActivate() {
  RestoreCanvasSnapshot();
  RedrawBoxOverlay();
}

void Tmain::FormDestroy() {
  if (destroyed_) return;
  destroyed_ = true;
  timer1_.SetEnabled(false);
  if (MusicPlaying) StopBackgroundMusic();
  ReleasePrintControl();
  IconStrip = nullptr;
  CanvasSnapshot = nullptr;
  AppPalette = nullptr;
  platform::Desktop().UninhibitScreenSaver();
}

void Tmain::Timer1Timer() {
  if (IconStrip) {
    WindowCanvas canvas(&form_);
    BitmapCanvas strip(IconStrip);
    gdi::BitBlt(canvas.dc(), 100, 10, 400, 40, strip.dc(), 0, 41 * IconFrame, gdi::SRCCOPY);
  }
  // Back and forth through the six frames: 0,1,2,3,4,5,4,3,2,1,0,1,...
  if (!IconFrameDown) {
    if (++IconFrame > 5) {
      IconFrame = 4;
      IconFrameDown = true;
    }
  } else if (--IconFrame < 0) {
    IconFrame = 1;
    IconFrameDown = false;
  }
}

bool Tmain::ChangeCategory(int index) {
  // The new strip is read before the old one goes: a strip that cannot be read ends the change
  // with the reader's message, and the old category goes on as it was.
  const std::string name = index <= 8 ? "a90" + std::to_string(index) + ".kvr" : "a910.kvr";
  gdi::HBITMAP strip = LoadAssetBitmap(name);
  if (!strip) return false;
  timer1_.SetEnabled(false);
  IconStrip = strip;
  IconFrame = 0;
  IconFrameDown = false;
  timer1_.SetInterval(125);
  timer1_.SetEnabled(true);
  CurrentCategory = index + 1;
  DrawSlotMarker(12);
  SetButtonDescriptions();
  tabset1_.Invalidate();
  return true;
}

void Tmain::FormMouseDown(MouseButton, unsigned, int x, int y) {
  FinishPendingTool();
  if (AnimationBusy) return;
  if (PointInBox(x, y, CanvasWidth + 40, 0, CanvasWidth + 80, 40)) {
    AskQuit();
    return;
  }
  if (PointInBox(x, y, CanvasWidth - 60, 0, CanvasWidth + 40, 40)) {
    SaveCanvasSnapshot();
    ShowAbout();
    bipict1_.Invalidate();
    RestoreCanvasSnapshot();
    return;
  }
  if (PalettePress(x, y)) return;
  OptionPanelPress(x, y);
}

void Tmain::FormMouseMove(unsigned, int, int) {
  form_.SetCursor(0);
}

void Tmain::BiPict1MouseDown(MouseButton button, unsigned, int x, int y) {
  if (button == MouseButton::Right) {
    PickColourAt(x, y);
    return;
  }
  if (TypingActive) {
    // The press commits the typed line and starts nothing else.
    FinishTyping();
    return;
  }
  // Any other button, the middle one too, presses like the left.
  if (SelectionActive) PressOnSelection(x, y, true);
  ButtonHeld = true;
  StrokeStarted = true;
  ToolStart(x, y);
}

void Tmain::BiPict1MouseMove(unsigned, int x, int y) {
  UpdateToolCursor();
  ShowCoordinates(x, y);
  if (ButtonHeld) ToolDrag(x, y);
}

void Tmain::BiPict1MouseUp(MouseButton, unsigned, int x, int y) {
  ButtonHeld = false;
  // Only a release that ends a stroke begun by a press on the canvas (or held for the child, as
  // PARALLELOGRAM's second step is) runs the end phase; a right click or a press that began
  // elsewhere would otherwise finish a tool on a stale anchor, or free pictures it never made.
  if (!StrokeStarted) return;
  StrokeStarted = false;
  ToolEnd(x, y);
}

void Tmain::FormKeyPress(char& key) {
  if (TypingActive) TypeKey(key);
}
void Tmain::FormKeyDown(int&, unsigned) {}

void Tmain::AppMessage(platform::Window&, int command) {
  (void)command;
  // A frame, a rubber band or a dragged piece on the canvas stays out of the snapshot, and so
  // does a line being typed with its caret (the snapshot holds the picture under it).
  if (!TypingActive) SaveSnapshotWithoutOverlay();
}

void Tmain::AppActivate() {
  if (platform::Application::Exists()) platform::Application::Instance().ProcessMessages();
  RestoreCanvasSnapshot();
  RedrawBoxOverlay();
  RedrawTypingLine();
}

void Tmain::AppDeactivate() {}

bool Tmain::ConfirmQuit() {
  const int answer =
      ShowMessage("Do you really want to quit?", platform::MB_YESNO | platform::MB_ICONQUESTION);
  if (answer != platform::IDYES) return false;
  PlaySoundEffect(47);
  return true;
}

void Tmain::AskQuit() {
  if (!ConfirmQuit()) return;
  quit_confirmed_ = true;
  form_.Close();
}

bool Tmain::FormCloseQuery() {
  // A close from the desktop (its close key, a window manager's menu) asks the same question as
  // QUIT, so that a stray key press never throws the child's picture away.
  return quit_confirmed_ || ConfirmQuit();
}

}  // namespace pd
