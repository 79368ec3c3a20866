// Program entry: the application, the main window, the message loop.
#include "app/mainunit.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  app.SetTitle("Pindoodle III");
  pd::Tmain main_form;
  return app.Run(main_form.Form());
}
