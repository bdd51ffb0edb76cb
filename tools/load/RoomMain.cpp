// tamsok_room: a room without a display, for load runs.
//
//   tamsok_room [--port N] [--stamp] [--no-play] [--random SEED] [--grace S] [--claim]
//               [--verbose]
//
// --port N       listen on port N (default 1024; 0 picks a free port)
// --stamp        print "sent <startNs> <endNs> <text>" for every send of the game to every
//                connection, "pos <game> <records> <key>" after every change of the record
//                count, and "away <ns> <claimable>" at every showing of the notice that the
//                player is away; times on the monotonic clock
// --no-play      accept requests but never move
// --random SEED  play random legal moves, captures included
// --grace S      wait S seconds for a lost player (default 60)
// --claim        claim the win as soon as that wait is over
// --verbose      print the receive list and every box
//
// The first line of output is "listening on port <N> pid <P>". The room accepts each
// request as it is listed and plays the other camp until it is stopped.
#include <QCoreApplication>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/load/HeadlessRoom.h"

namespace {

void Usage() {
  std::fprintf(stderr,
               "usage: tamsok_room [--port N] [--stamp] [--no-play] [--random SEED] [--grace S] "
               "[--claim] [--verbose]\n");
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tamsok;
  QCoreApplication app(argc, argv);
  HeadlessRoomOptions options;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--port" && i + 1 < argc) {
      char* end = nullptr;
      const long port = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || port < 0 || port > 65535) Usage();
      options.port = static_cast<quint16>(port);
    } else if (arg == "--stamp") {
      options.onSendToAll = [](const std::string& text, std::int64_t start, std::int64_t end) {
        std::printf("sent %" PRId64 " %" PRId64 " %s\n", start, end, text.c_str());
        std::fflush(stdout);
      };
      options.onPosition = [](int game, int records, std::uint64_t key) {
        std::printf("pos %d %d %" PRIu64 "\n", game, records, key);
        std::fflush(stdout);
      };
      options.onAway = [](const std::string&, bool claimable) {
        std::printf("away %" PRId64 " %d\n", MonotonicNs(), claimable ? 1 : 0);
        std::fflush(stdout);
      };
    } else if (arg == "--random" && i + 1 < argc) {
      options.randomSeed = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--grace" && i + 1 < argc) {
      options.graceSeconds = std::atoi(argv[++i]);
    } else if (arg == "--claim") {
      options.autoClaim = true;
    } else if (arg == "--no-play") {
      options.autoPlay = false;
    } else if (arg == "--verbose") {
      verbose = true;
    } else {
      Usage();
    }
  }
  if (verbose) {
    options.onReceived = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
    options.onBox = [](const std::string& box) { std::printf("box %s\n", box.c_str()); };
  }
  options.onError = [](const std::string& text) {
    std::fprintf(stderr, "error: %s\n", text.c_str());
  };

  RaiseOpenFileLimit();
  HeadlessRoom room(options);
  std::string error;
  if (!room.Open(&error)) {
    std::fprintf(stderr, "tamsok_room: %s\n", error.c_str());
    return 1;
  }
  std::printf("listening on port %u pid %ld\n", unsigned(room.Port()),
              long(QCoreApplication::applicationPid()));
  std::fflush(stdout);
  return app.exec();
}
