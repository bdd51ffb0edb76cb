// Start-up of the game against a bare Qt window, both started as a user starts them, on a
// virtual X display of their own (Xvfb):
//   first frame  from the launch of the process to the first drawing the X server sees on the
//                screen (a Damage event on the root window), in milliseconds;
//   resident     the process's resident memory (VmRSS) one second after its launch, or at its
//                first frame if that comes later, in MiB.
// Each repetition launches both programs, in alternating order, so that a busy machine slows
// both alike; the medians over the repetitions are the figures, and `frame_ratio` is the game's
// first frame divided by the bare window's in the same repetition.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kResidentAfter = std::chrono::seconds(1);
constexpr auto kFrameTimeout = std::chrono::seconds(20);

// Starts a program with its output discarded; every descriptor without close-on-exec is
// inherited.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  std::vector<char*> args, vars;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  for (const std::string& v : env)
    vars.push_back(const_cast<char*>(v.c_str()));
  args.push_back(nullptr);
  vars.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), vars.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

double ResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return -1;
}

// This process's environment for the programs, less anything that would send them to
// another display or platform.
std::vector<std::string> ChildEnvironment(const std::string& display) {
  auto redirects = [](const std::string& var) {
    for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "XAUTHORITY="})
      if (var.rfind(name, 0) == 0) return true;
    return false;
  };
  std::vector<std::string> env;
  for (char** v = environ; *v; ++v)
    if (!redirects(*v)) env.emplace_back(*v);
  env.push_back("DISPLAY=" + display);
  env.push_back("QT_QPA_PLATFORM=xcb");
  return env;
}

// An Xvfb server of our own and a connection that hears of every drawing on its screen.
class VirtualScreen {
 public:
  VirtualScreen() {
    // Xvfb picks a free display number and writes it to the pipe once it accepts clients.
    int fds[2];
    if (pipe(fds) != 0) return;
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    server_ = Spawn({"/usr/bin/Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                     "1280x1024x24", "-nolisten", "tcp"},
                    ChildEnvironment(""));
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
      number += c;
    close(fds[0]);
    if (server_ <= 0 || number.empty()) return;
    display_ = ":" + number;
    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) return;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!ext || !ext->present) return;
    free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                        nullptr));
    damageNotify_ = ext->first_event + XCB_DAMAGE_NOTIFY;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    damage_ = xcb_generate_id(connection_);
    xcb_damage_create(connection_, damage_, root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    Clear();
    ready_ = true;
  }
  ~VirtualScreen() {
    if (connection_) xcb_disconnect(connection_);
    Stop(server_);
  }

  bool ready() const { return ready_; }
  const std::string& display() const { return display_; }

  // Forgets the drawing so far, so that the next drawing is reported again.
  void Clear() {
    xcb_damage_subtract(connection_, damage_, XCB_NONE, XCB_NONE);
    free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
      free(event);
  }

  // Waits for the first drawing after `since`; its time, or nothing on time-out.
  std::optional<Clock::time_point> WaitForDrawing(Clock::time_point since) {
    const int fd = xcb_get_file_descriptor(connection_);
    while (Clock::now() - since < kFrameTimeout) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const bool drawn = (event->response_type & 0x7f) == damageNotify_;
        free(event);
        if (drawn) return Clock::now();
      }
      pollfd p{fd, POLLIN, 0};
      poll(&p, 1, 100);
    }
    return std::nullopt;
  }

 private:
  pid_t server_ = -1;
  std::string display_;
  xcb_connection_t* connection_ = nullptr;
  xcb_damage_damage_t damage_ = 0;
  int damageNotify_ = -1;
  bool ready_ = false;
};

struct Launch {
  double firstFrameMs = -1;
  double residentMiB = -1;
};

std::optional<Launch> Run(VirtualScreen& screen, const char* program) {
  screen.Clear();
  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn({program}, ChildEnvironment(screen.display()));
  if (pid <= 0) return std::nullopt;
  const std::optional<Clock::time_point> drawn = screen.WaitForDrawing(start);
  Launch launch;
  if (drawn) {
    launch.firstFrameMs = std::chrono::duration<double, std::milli>(*drawn - start).count();
    std::this_thread::sleep_until(start + kResidentAfter);
    launch.residentMiB = ResidentMiB(pid);
  }
  Stop(pid);
  if (!drawn || launch.residentMiB < 0) return std::nullopt;
  return launch;
}

void BM_StartUpAgainstBareWindow(benchmark::State& state) {
  static VirtualScreen screen;
  if (!screen.ready()) {
    state.SkipWithError("no virtual X display (Xvfb with the Damage extension)");
    return;
  }
  static bool warm = false;
  if (!warm) {
    // Fills the page cache, so that the first repetition is not the only cold start.
    Run(screen, BARE_WINDOW_PROGRAM);
    Run(screen, GAME_PROGRAM);
    warm = true;
  }
  static int repetition = 0;
  for (auto _ : state) {
    const bool bareFirst = repetition++ % 2 == 0;
    std::optional<Launch> bare, game;
    if (bareFirst) bare = Run(screen, BARE_WINDOW_PROGRAM);
    game = Run(screen, GAME_PROGRAM);
    if (!bareFirst) bare = Run(screen, BARE_WINDOW_PROGRAM);
    if (!bare || !game) {
      state.SkipWithError("a program drew nothing or ended early");
      return;
    }
    state.SetIterationTime(game->firstFrameMs / 1000.0);
    state.counters["game_frame_ms"] = game->firstFrameMs;
    state.counters["bare_frame_ms"] = bare->firstFrameMs;
    state.counters["frame_ratio"] = game->firstFrameMs / bare->firstFrameMs;
    state.counters["game_rss_MiB"] = game->residentMiB;
    state.counters["bare_rss_MiB"] = bare->residentMiB;
  }
}
BENCHMARK(BM_StartUpAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
