// The one live Application, whichever backend made it.
#include <cstdio>
#include <cstdlib>

#include "platform/backend.h"

namespace platform {

namespace {

Application* the_application = nullptr;

}  // namespace

Application& Application::Instance() {
  if (the_application == nullptr) {
    std::fprintf(stderr, "platform: no Application\n");
    std::abort();
  }
  return *the_application;
}

bool Application::Exists() { return the_application != nullptr; }

namespace detail {

void ClaimApplication(Application& app) {
  if (the_application != nullptr) {
    std::fprintf(stderr, "platform: a second Application was made while the first lives\n");
    std::abort();
  }
  the_application = &app;
}

void ReleaseApplication() { the_application = nullptr; }

}  // namespace detail

}  // namespace platform
