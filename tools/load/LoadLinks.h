// What the load tool's runs share: the room's process with its printed stamps, and plain
// non-blocking client sockets bound to a loopback address of their own.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "net/Framing.h"

namespace tamsok::load {

// The room this program started, stopped on every way out.
inline pid_t spawnedRoom = -1;

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "tamsok_load: %s\n", what.c_str());
  if (spawnedRoom > 0) {
    kill(spawnedRoom, SIGTERM);
    waitpid(spawnedRoom, nullptr, 0);
  }
  std::exit(1);
}

// ---- The room's process ------------------------------------------------------------------

struct Stamp {
  std::int64_t start = 0, end = 0;
  std::string text;
};

class RoomProcess {
 public:
  // Starts the room on a free port with stamps on its standard output.
  void Spawn(const std::string& path, const std::vector<std::string>& extra = {}) {
    int fds[2];
    if (pipe(fds) != 0) Fail("pipe: " + std::string(std::strerror(errno)));
    pid_ = fork();
    if (pid_ < 0) Fail("fork: " + std::string(std::strerror(errno)));
    if (pid_ == 0) {
      dup2(fds[1], STDOUT_FILENO);
      close(fds[0]);
      close(fds[1]);
      std::vector<const char*> args{path.c_str(), "--port", "0", "--stamp"};
      for (const std::string& a : extra)
        args.push_back(a.c_str());
      args.push_back(nullptr);
      execv(path.c_str(), const_cast<char* const*>(args.data()));
      std::fprintf(stderr, "tamsok_load: cannot start %s: %s\n", path.c_str(),
                   std::strerror(errno));
      _exit(127);
    }
    close(fds[1]);
    out_ = fds[0];
    spawned_ = true;
    spawnedRoom = pid_;
    // The first line names the port.
    std::string line;
    while (!NextLine(&line, /*block=*/true)) {
    }
    unsigned port = 0;
    long pid = 0;
    if (std::sscanf(line.c_str(), "listening on port %u pid %ld", &port, &pid) != 2)
      Fail("unexpected first line from the room: " + line);
    port_ = static_cast<std::uint16_t>(port);
    fcntl(out_, F_SETFL, O_NONBLOCK);
  }
  void Attach(int port, pid_t pid) {
    port_ = static_cast<std::uint16_t>(port);
    pid_ = pid;
  }
  ~RoomProcess() {
    if (!spawned_) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    spawnedRoom = -1;
  }

  // Gets every printed line that is not a send stamp.
  std::function<void(const std::string&)> onLine;

  std::uint16_t port() const { return port_; }
  pid_t pid() const { return pid_; }
  int out() const { return out_; }
  bool stamped() const { return spawned_; }
  const std::vector<Stamp>& stamps() const { return stamps_; }

  // Reads what the room has printed; keeps the stamps.
  void Drain() {
    std::string line;
    while (NextLine(&line, /*block=*/false)) {
      Stamp s;
      int used = 0;
      if (std::sscanf(line.c_str(), "sent %" SCNd64 " %" SCNd64 " %n", &s.start, &s.end, &used) ==
          2) {
        s.text = line.substr(static_cast<std::size_t>(used));
        stamps_.push_back(std::move(s));
      } else if (onLine) {
        onLine(line);
      }
    }
  }

  // The room's resident and peak resident memory in kB, from /proc.
  std::pair<long, long> Memory() const {
    if (pid_ <= 0) return {-1, -1};
    std::ifstream in("/proc/" + std::to_string(pid_) + "/status");
    long rss = -1, hwm = -1;
    for (std::string l; std::getline(in, l);) {
      if (l.rfind("VmRSS:", 0) == 0) rss = std::atol(l.c_str() + 6);
      if (l.rfind("VmHWM:", 0) == 0) hwm = std::atol(l.c_str() + 6);
    }
    return {rss, hwm};
  }

 private:
  bool NextLine(std::string* line, bool block) {
    for (;;) {
      const std::size_t nl = buffer_.find('\n');
      if (nl != std::string::npos) {
        *line = buffer_.substr(0, nl);
        buffer_.erase(0, nl + 1);
        return true;
      }
      char chunk[4096];
      const ssize_t n = read(out_, chunk, sizeof chunk);
      if (n > 0) {
        buffer_.append(chunk, static_cast<std::size_t>(n));
        continue;
      }
      if (n == 0 && block) Fail("the room ended before it was listening");
      return false;
    }
  }

  pid_t pid_ = -1;
  int out_ = -1;
  std::uint16_t port_ = 0;
  bool spawned_ = false;
  std::string buffer_;
  std::vector<Stamp> stamps_;
};

// ---- Connections -------------------------------------------------------------------------

struct Received {
  std::string text;
  std::int64_t ns = 0;
};

struct Link {
  int fd = -1;
  MessageSplitter splitter{Direction::ServerToClient};
  std::vector<Received> got;
  bool closed = false;
};

inline int OpenLink(const std::string& source, std::uint16_t port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) Fail("socket: " + std::string(std::strerror(errno)));
  const int one = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, source.c_str(), &local.sin_addr);
  if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
    Fail("bind " + source + ": " + std::strerror(errno));
  sockaddr_in room{};
  room.sin_family = AF_INET;
  room.sin_port = htons(port);
  room.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd, reinterpret_cast<sockaddr*>(&room), sizeof room) != 0)
    Fail("connect: " + std::string(std::strerror(errno)));
  fcntl(fd, F_SETFL, O_NONBLOCK);
  return fd;
}

inline void SendAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (n > 0)
      done += static_cast<std::size_t>(n);
    else if (n < 0 && errno != EAGAIN && errno != EINTR)
      Fail("send: " + std::string(std::strerror(errno)));
  }
}

// The requester's link to the room, for its Game.
}  // namespace tamsok::load
