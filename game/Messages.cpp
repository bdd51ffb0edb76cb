#include "game/Messages.h"

#include <cstdio>

#include "rules/Catalogue.h"

namespace tamsok {

namespace {

// printf-style formatting into a std::string; every caller's output is short.
template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[128];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, n);
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(big.data(), big.size(), format, args...);
  big.resize(static_cast<std::size_t>(n));
  return big;
}

std::string Str(std::string_view s) { return std::string(s); }

}  // namespace

std::string_view HeadOf(std::string_view text) { return text.substr(0, kHeadLength); }

std::string BuildMove(const MoveFields& m) {
  return Format("%s%2d%2d%2d%2d%2d%2d%2d", "Move", m.piece, m.captured, m.fromX, m.fromY, m.toX,
                m.toY, m.passFlag);
}

std::string BuildWinn(Camp winner) { return Format("%s%2d", "Winn", Index(winner)); }

std::string BuildRequ(int camp, int unitTime, int exceed, int retract,
                      std::string_view stationId) {
  return Format("%s%1d%3d%3d%3d%15s", "Requ", camp, unitTime, exceed, retract,
                Str(stationId).c_str());
}

std::string BuildRoomLine(std::string_view address, std::string_view campName, int unitTime,
                          int exceed, int retract, std::string_view stationId) {
  return Format("[%15s][%3s][%3d][%3d][%3d][%15s]", Str(address).c_str(), Str(campName).c_str(),
                unitTime, exceed, retract, Str(stationId).c_str());
}

std::string BuildMadeFromRoomLine(std::string_view roomLine) {
  if (roomLine.size() < 17) return {};
  return Str(kHeadMade) + Str(roomLine.substr(17));
}

std::string BuildChatLine(std::string_view name, std::string_view text) {
  return "[" + Str(name) + "] " + Str(text);
}

}  // namespace tamsok
