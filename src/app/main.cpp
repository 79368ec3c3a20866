// Program entry. A stand-in until the main window is built: a black window over the screen's work
// area, so that the build and start-up scripts have a program to run.
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  app.SetTitle("Pindoodle III");
  platform::Window main_window;
  main_window.SetBorderStyle(platform::BorderStyle::None);
  main_window.SetColour(0x000000);
  main_window.Maximize();
  return app.Run(main_window);
}
