// Program entry: the application, the main window, the message loop.
#include <cstdio>
#include <cstring>

#include "app/mainunit.h"
#include "media/mixer.h"
#include "platform/platform.h"

#ifndef PD_VERSION
#define PD_VERSION "0.1"
#endif

namespace {

constexpr const char* kUsage =
    "Usage: pindoodle [--help | --version]\n"
    "A painting program for young children: one full-screen window with a canvas,\n"
    "drawing tools with sounds and music, stamps, clip art and pictures to keep.\n"
    "The child's pictures are kept in $XDG_DATA_HOME/pindoodle/user (by default\n"
    "~/.local/share/pindoodle/user). QUIT, at the top right, ends the program.\n";

// The two options desktop programs answer; anything else is refused, so that the toolkit never
// takes an argument as one of its own.
int CommandLine(int argc, char** argv) {
  if (argc <= 1) return -1;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("pindoodle %s\n", PD_VERSION);
    return 0;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fprintf(stderr, "pindoodle: unknown argument '%s'\n%s", argv[1], kUsage);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int status = CommandLine(argc, argv); status >= 0) return status;
  platform::Application app(argc, argv);
  app.SetTitle("Pindoodle III");
  // The sound player lives from before the main window (whose end stops the music) until after
  // it, and closes the audio device once, here, however the music was left.
  pd::MixerSession sound;
  pd::Tmain main_form;
  return app.Run(main_form.Form());
}
