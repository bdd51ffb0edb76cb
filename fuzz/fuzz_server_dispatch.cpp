// The server's dispatcher under arbitrary reads from three clients (two of them sharing an
// address), interleaved with what the server's own user does (moves, menu commands, the
// clock, "Server mode", accepting a request). Input layout: FuzzHarness.h.
//
// Besides the state checks of every target: a text from any connection but the player's
// changes nothing in the game, nor does a move or pass of the player out of its turn; other
// text comes back byte for byte; no answer begins with a message head unless it is the
// text itself, "Requested" or a "Winn"; and a listed request reads back in its "Made".
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>

#include "fuzz/FuzzHarness.h"
#include "rules/Catalogue.h"

namespace tamsok::fuzz {
namespace {

// Connections 0 and 1 share an address; 2 has its own.
constexpr const char* kAddresses[] = {"192.0.2.7", "192.0.2.7", "192.0.2.8"};
constexpr int kConnections = 3;
constexpr int kNoPlayer = -1;

// The room's request list, with the connection that last sent each line. Every line it is
// given must make a "Made" that reads back with the request's own terms, or accepting it
// would fail.
class Requests : public RequestList {
 public:
  void AddUniqueLine(const std::string& line) override {
    if (line.size() != static_cast<std::size_t>(kRoomLineLength))
      Fail("a request line is not a RoomLine", line);
    last = line;
    ++added;
    senders[line] = from;
    if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
  }
  std::vector<std::string> lines;
  std::map<std::string, int> senders;
  std::string last;
  int added = 0;  // lines given, listed before or not
  int from = 0;   // the connection whose text is being handled
};

// The heads that the room's dispatcher takes; any other text is echoed.
bool RoomHandles(std::string_view head) {
  for (std::string_view h : {kHeadRequ, kHeadBoad, kHeadMove, kHeadPass, kHeadLoss, kHeadFini,
                             kHeadUnFi, kHeadUndo, kHeadRedo, kHeadReLa})
    if (head == h) return true;
  return false;
}

class ServerRole : public Role {
 public:
  Direction direction() const override { return Direction::ClientToServer; }
  int Connections() const override { return kConnections; }
  void Begin(const Setup& setup) override {
    // A game the input starts in was requested on connection 0.
    player_ = setup.mode == GameMode::ServerPlaying ? 0 : kNoPlayer;
  }

  Handled Dispatch(Game& game, std::string_view message, int connection) override {
    const Snapshot before = Take(game);
    const int added = requests_.added;
    requests_.from = connection;
    const bool player = connection == player_;
    const Handled h =
        HandleClientMessage(game, requests_, {kAddresses[connection], player}, message);
    // Decided from the list itself: the room also echoes a "Requested" that it receives.
    if (requests_.added != added) CheckListedRequest(message);

    const std::string_view head = HeadOf(message);
    const bool playing = before.mode == GameMode::ServerPlaying;
    const bool inTurn = player && playing && before.sideToMove != before.ownCamp;
    const bool turnTaking = head == kHeadMove || head == kHeadPass;
    if ((!player || (turnTaking && !inTurn)) && !(Take(game) == before))
      Fail("a text from someone who may not send it changed the game", message);
    const bool networkMode = before.mode == GameMode::ServerFree || playing ||
                             before.mode == GameMode::ClientFree ||
                             before.mode == GameMode::ClientPlaying;
    if (networkMode && !RoomHandles(head) && h.reply != message)
      Fail("other text did not come back byte for byte", message);
    if (h.reply != message && h.reply != kRequested && BeginsWithAHead(h.reply) &&
        !ReadWinn(h.reply))
      Fail("an answer begins with a message head", h.reply);
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
    player_ = requests_.senders[line];
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
  int player_ = kNoPlayer;
};

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tamsok::fuzz::ServerRole role;
  tamsok::fuzz::RunDispatchInput(data, size, role);
  return 0;
}
