// A network namespace of its own joined to this one by a veth pair: a link that can be cut
// (every packet dropped) without either end closing it, to see how soon a silent peer is
// noticed. Needs root and iproute2; ok() says whether it could be made. The addresses are
// link-local, in a /30 of the namespace's own.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>

namespace tamsok {

class CutLink {
 public:
  // `name` (at most 10 characters) names the namespace and its veth ends; `subnet` (0..16255)
  // picks the /30 in 169.254.1.0 - 169.254.254.255.
  CutLink(const std::string& name, int subnet) : ns_(name) {
    const int third = 1 + subnet / 64, fourth = subnet % 64 * 4;
    const std::string net = "169.254." + std::to_string(third) + ".";
    roomAddress_ = net + std::to_string(fourth + 1);
    const std::string peer = net + std::to_string(fourth + 2);
    ok_ = Run("ip netns add " + ns_) &&
          Run("ip link add " + ns_ + "a type veth peer name " + ns_ + "b netns " + ns_) &&
          Run("ip addr add " + roomAddress_ + "/30 dev " + ns_ + "a") &&
          Run("ip link set " + ns_ + "a up") &&
          Run("ip -n " + ns_ + " addr add " + peer + "/30 dev " + ns_ + "b") && Restore();
  }
  ~CutLink() {
    Run("ip link del " + ns_ + "a");
    Run("ip netns del " + ns_);
  }
  CutLink(const CutLink&) = delete;
  CutLink& operator=(const CutLink&) = delete;

  bool ok() const { return ok_; }
  // Where a room of this namespace's parent is reached from inside it.
  const std::string& roomAddress() const { return roomAddress_; }

  // A blocking socket made inside the namespace and connected to the room; -1 on failure.
  int Connect(std::uint16_t port) const {
    int fd = -1;
    std::thread([&] {
      const int target = open(("/var/run/netns/" + ns_).c_str(), O_RDONLY);
      if (target < 0) return;
      const bool entered = setns(target, CLONE_NEWNET) == 0;
      close(target);
      if (!entered) return;
      fd = socket(AF_INET, SOCK_STREAM, 0);
      sockaddr_in to{};
      to.sin_family = AF_INET;
      to.sin_port = htons(port);
      inet_pton(AF_INET, roomAddress_.c_str(), &to.sin_addr);
      if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
        close(fd);
        fd = -1;
      }
    }).join();
    return fd;
  }
  // Every packet to and from the namespace is dropped from now on; nothing is closed.
  bool Cut() const { return Run("ip -n " + ns_ + " link set " + ns_ + "b down"); }
  bool Restore() const { return Run("ip -n " + ns_ + " link set " + ns_ + "b up"); }

 private:
  static bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
  }

  std::string ns_, roomAddress_;
  bool ok_ = false;
};

}  // namespace tamsok
