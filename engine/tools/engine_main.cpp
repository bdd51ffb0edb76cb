// tamsok_engine: the engine's text protocol on standard input and output (see
// engine/PROTOCOL.md). Ends at quit or at the end of input.
#include <cstdio>
#include <iostream>
#include <string>

#include "engine/Protocol.h"

int main() {
  std::ios::sync_with_stdio(false);
  tamsok::engine::ProtocolSession session([](std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
  });
  std::string line;
  while (std::getline(std::cin, line))
    if (!session.HandleLine(line)) return 0;
  session.Finish();
  return 0;
}
