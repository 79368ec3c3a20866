// The screen saver is given back however the program ends. Each case runs a private session bus,
// a stand-in for the desktop's screen saver, and the program as separate processes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A child process whose standard output is read through a pipe.
class Child {
 public:
  Child(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      close(fds[1]);
      for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
      std::vector<char*> argv;
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    close(fds[1]);
    out_ = fdopen(fds[0], "r");
  }
  ~Child() {
    Stop();
    if (out_ != nullptr) fclose(out_);
  }
  // The next line of output without its newline; empty at the end.
  std::string Line() {
    char buffer[512];
    if (out_ == nullptr || fgets(buffer, sizeof buffer, out_) == nullptr) return {};
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
  }
  int Wait() {
    int status = 0;
    if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_) pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  FILE* out_ = nullptr;
};

bool OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    const std::size_t end = dirs.find(':', start);
    const std::string dir = dirs.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!dir.empty() && access((dir + "/" + name).c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

std::string Probe() { return std::string(PD_INHIBIT_PROBE); }

class ScreenSaverGivenBack : public ::testing::TestWithParam<const char*> {};

TEST_P(ScreenSaverGivenBack, WhenTheProgramEnds) {
  if (!OnPath("dbus-daemon")) GTEST_SKIP() << "no dbus-daemon to run a private bus";
  Child bus({"dbus-daemon", "--session", "--nofork", "--print-address=1"}, {});
  const std::string address = bus.Line();
  ASSERT_FALSE(address.empty());
  const std::vector<std::string> env = {"DBUS_SESSION_BUS_ADDRESS=" + address, "QT_QPA_PLATFORM=offscreen"};
  Child saver({Probe(), "service"}, env);
  ASSERT_EQ(saver.Line(), "ready");

  Child program({Probe(), GetParam()}, env);
  EXPECT_EQ(program.Wait(), 0);
  saver.Stop();  // what it printed stays readable
  EXPECT_EQ(saver.Line(), "Inhibit Pindoodle III a child is painting");
  EXPECT_EQ(saver.Line(), "UnInhibit 7");
}

INSTANTIATE_TEST_SUITE_P(EveryWayOut, ScreenSaverGivenBack,
                         ::testing::Values("return", "close", "exit", "sigterm"));

TEST(ScreenSaverWithoutABus, TheProgramRunsAndStartsNoBusOfItsOwn) {
  const fs::path runtime = fs::temp_directory_path() / ("pd_nobus_" + std::to_string(getpid()));
  fs::create_directories(runtime);
  // No address and no bus socket: nothing to ask, and the bus library must not launch one.
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  Child program({Probe(), "return"}, {"XDG_RUNTIME_DIR=" + runtime.string(), "QT_QPA_PLATFORM=offscreen",
                                      "DISPLAY="});
  EXPECT_EQ(program.Wait(), 0);
  fs::remove_all(runtime);
}

}  // namespace
