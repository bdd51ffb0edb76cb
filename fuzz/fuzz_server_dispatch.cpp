// The server's dispatcher under arbitrary reads from one client, interleaved with what the
// server's own user does (moves, menu commands, the clock, "Server mode", accepting a
// request). Input layout: FuzzHarness.h.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzHarness.h"
#include "rules/Catalogue.h"

namespace tamsok::fuzz {
namespace {

constexpr const char* kClientAddress = "192.0.2.7";

// The room's request list. Every line it is given must make a "Made" that reads back with
// the request's own terms, or accepting it would fail.
class Requests : public RequestList {
 public:
  void AddUniqueLine(const std::string& line) override {
    if (line.size() != static_cast<std::size_t>(kRoomLineLength))
      Fail("a request line is not a RoomLine", line);
    last = line;
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  }
  std::vector<std::string> lines;
  std::string last;
};

class ServerRole : public Role {
 public:
  Direction direction() const override { return Direction::ClientToServer; }

  Handled Dispatch(Game& game, std::string_view message) override {
    const Handled h = HandleClientMessage(game, requests_, {kClientAddress, true}, message);
    if (h.reply == kRequested) CheckListedRequest(message);
    return h;
  }

  void RoleOp(Station& s, Op op, ByteReader& param) override {
    Game& g = s.game;
    if (op == Op::RoleA) {
      if (!s.view.Enabled(MenuItem::miCreateRoom)) return;
      if (g.Mode() == GameMode::ServerFree) {  // "Server mode" off
        g.SetGameModeOnly(GameMode::LocalFree);
        s.view.requestsLocked = true;
      } else {
        g.SetGameModeOnly(GameMode::ServerFree);
        g.SetOwnCamp(Camp::Oak);
        s.view.UnlockRequests();
      }
      g.ApplyGameMode();
      return;
    }
    // A double click on a request line and OK in the confirmation box.
    const std::uint8_t k = param.Byte();
    if (s.view.requestsLocked || requests_.lines.empty()) return;
    const std::string& line = requests_.lines[k % requests_.lines.size()];
    const Parsed<MadeFields> terms = ReadMade(BuildMadeFromRoomLine(line));
    if (!terms) Fail("a listed request cannot be accepted", line);
    const Camp serverCamp = terms.value.campName == CampName(Camp::Fir) ? Camp::Oak : Camp::Fir;
    StartServerGame(s, serverCamp, terms.value.unitTime, terms.value.exceed, terms.value.retract);
  }

 private:
  // The terms the client asked for are the terms the "Made" of its listed line carries.
  void CheckListedRequest(std::string_view message) {
    const Parsed<RequFields> asked = ReadRequ(message);
    if (!asked) Fail("a request that does not read was listed", message);
    const Parsed<MadeFields> made = ReadMade(BuildMadeFromRoomLine(requests_.last));
    if (!made) Fail("a listed request does not make a readable \"Made\"", requests_.last);
    const RequFields& a = asked.value;
    const MadeFields& m = made.value;
    if (m.campName != CampName(static_cast<Camp>(a.camp)) || m.unitTime != a.unitTime ||
        m.exceed != a.exceed || m.retract != a.retract || m.stationId != a.stationId)
      Fail("the \"Made\" of a listed request carries other terms", message);
  }

  Requests requests_;
};

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamsok::fuzz::ServerRole role;
  tamsok::fuzz::RunDispatchInput(data, size, role);
  return 0;
}
