// Program entry: the application, the main window, the message loop.
#include "app/mainunit.h"
#include "media/mixer.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  app.SetTitle("Pindoodle III");
  // The sound player lives from before the main window (whose end stops the music) until after
  // it, and closes the audio device once, here, however the music was left.
  pd::MixerSession sound;
  pd::Tmain main_form;
  return app.Run(main_form.Form());
}
