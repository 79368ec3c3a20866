// The main window Tmain: one borderless black window that fills the screen, holding the canvas
// panel BiPict1, the tab set, the ten tool buttons over the animated icon strip, and the
// palette, panels, readout and corner buttons painted straight onto its own pixels.
#pragma once

#include <array>
#include <memory>

#include "platform/platform.h"

namespace pd {

class Tmain {
 public:
  // Creates the windows hidden and runs FormCreate.
  Tmain();
  // Runs FormDestroy.
  ~Tmain();
  Tmain(const Tmain&) = delete;
  Tmain& operator=(const Tmain&) = delete;

  platform::Window& Form() { return form_; }
  platform::Window& BiPict1() { return bipict1_; }
  platform::Window& TabSet1() { return tabset1_; }
  platform::Window& Image(int k) { return *images_[k - 1]; }  // k = 1..10
  platform::Timer& Timer1() { return timer1_; }

  void FormCreate();
  void FormPaint();
  void FormActivate();
  void FormDestroy();
  void Timer1Timer();
  void FormMouseDown(platform::MouseButton button, unsigned shift, int x, int y);
  void FormMouseMove(unsigned shift, int x, int y);
  void BiPict1MouseDown(platform::MouseButton button, unsigned shift, int x, int y);
  void BiPict1MouseMove(unsigned shift, int x, int y);
  void BiPict1MouseUp(platform::MouseButton button, unsigned shift, int x, int y);
  void FormKeyPress(char& key);
  void FormKeyDown(int& key, unsigned shift);
  void AppMessage(platform::Window& window, int command);
  void AppActivate();
  void AppDeactivate();
  void AskQuit();
  // Whether the main window may close: at once after QUIT was answered Yes, otherwise only when
  // the quit question is answered Yes now.
  bool FormCloseQuery();
  // Makes the category with tab index 0..9 the chosen one: its icon strip from its first frame,
  // its button hints, its tab shown chosen. This is the one way to change category, by a click
  // or by the program. When the strip cannot be read the reader's message is shown and nothing
  // changes (false).
  bool ChangeCategory(int index);

  // The tool palette (toolpalette.cpp). A press of any mouse button on tool button k = 1..10
  // (Image1MouseDown .. Image10MouseDown).
  void ImageMouseDown(int k);
  // A click on the tab of index 0..9.
  void TabSet1Click(int index);
  void TabSet1Paint();
  // Draws the icon of the tab of index 0..9 on the tab set's DC, over the tab's shape.
  void TabSet1DrawTab(const gdi::HDC& dc, int index);
  void TabSet1MouseMove(int x);

 private:
  void WireToolPalette();
  // The quit question; Yes plays the quitting sound.
  bool ConfirmQuit();

  platform::Window form_;
  platform::Window bipict1_;
  platform::Window tabset1_;
  std::array<std::unique_ptr<platform::Window>, 10> images_;
  platform::Timer timer1_;
  bool destroyed_ = false;
  bool quit_confirmed_ = false;
};

// The one main window of the run, while it exists.
inline Tmain* MainForm = nullptr;

// The directory of the executable with its trailing separator.
std::string ProgramDirectory();
// Registers the cursors of the cursor table from the asset directory.
void RegisterCursors();

}  // namespace pd
