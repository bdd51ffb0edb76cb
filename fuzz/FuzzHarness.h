// What the fuzz targets share: a reader over the input bytes, a game wired to a view that
// remembers what the menus allow, the checks that run after every step, and the driver that
// plays an input against one of the two dispatchers.
//
// Input of the dispatcher targets (fuzz_server_dispatch, fuzz_client_dispatch):
//
//   byte 0     the starting station (DecodeSetup): mode, player or spectator, own camp,
//              viewing side, move-history window shown or not
//   then steps, each opened by one control byte c:
//     c < kFirstOpByte   a read of c bytes (fewer when the input ends) on the current
//                        connection, through that connection's MessageSplitter; every message
//                        it returns is dispatched
//     c >= kFirstOpByte  a local operation, (c - kFirstOpByte) % kOpCount, see Op; some take
//                        one or two parameter bytes
//   at the end every splitter is flushed (the connections close) and the rest is dispatched.
//
// The server target has three connections: 0 and 1 share one address, 2 has another. The
// first read comes on connection 0, which is also the player of a game that the input starts
// in; otherwise the player is the connection whose request was accepted.
//
// After every dispatched message and every operation the whole state is checked; any fault
// prints what is wrong and aborts, which the fuzzer reports as a crash.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/Game.h"
#include "net/Dispatch.h"
#include "net/Framing.h"

namespace tamsok::fuzz {

// Prints the message and aborts: the fuzzer's way of reporting a broken property.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

// Reads the fuzz input front to back; past its end every byte reads as 0.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
  // Up to n bytes.
  std::string_view Bytes(std::size_t n);

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// A view that shows nothing, answers every box with OK and keeps what the program's
// controls would know: which menu items are enabled and whether the request list is locked.
class FuzzView : public NullGameView {
 public:
  void SetMenuEnabled(MenuItem item, bool enabled) override {
    enabled_[static_cast<std::size_t>(item)] = enabled;
  }
  bool IsHistoryVisible() const override { return historyVisible; }
  void SetHistoryText(const std::vector<std::string>& lines) override;
  void UnlockRequests() override { requestsLocked = false; }

  bool Enabled(MenuItem item) const { return enabled_[static_cast<std::size_t>(item)]; }

  bool historyVisible = false;
  bool requestsLocked = true;

 private:
  std::array<bool, kMenuItemCount> enabled_{};
};

// The station an input starts from.
struct Setup {
  GameMode mode = GameMode::LocalFree;
  bool spectator = false;
  Camp ownCamp = Camp::Fir;
  int viewSide = 0;
  bool historyVisible = false;
};

// byte % 6 is the mode; the next factors choose spectator (2), own camp (2), viewing side
// (4) and the history window (2).
Setup DecodeSetup(std::uint8_t byte);
std::uint8_t EncodeSetup(const Setup& setup);

// The seed of the station identifier of every fuzzed game, so that inputs can name it.
inline constexpr unsigned kStationSeed = 1;

// A game wired to the fuzz view, brought into the starting mode the way the roles and the
// menus bring it there.
struct Station {
  FuzzView view;
  NullPeerLink peer;
  Game game{view, peer, kStationSeed};

  explicit Station(const Setup& setup);
};

// What accepting a request does to the server's game: a new game in ServerPlaying in which
// the server plays `serverCamp` under the request's terms; the request list is locked.
void StartServerGame(Station& station, Camp serverCamp, int unitTime, int exceed, int retract);

// The counts checked independently of Game's own check: no two pieces on a square, each
// camp's captured count, the order of the record counters. Cheap.
void CheckCounts(const Game& game);
// Game::CheckInvariants() plus CheckCounts().
void CheckState(const Game& game);

// Local operations. Parameters follow the control byte.
enum class Op : std::uint8_t {
  Flush,      // the hold timer fires: the held bytes are dispatched as one message
  LegalMove,  // (k) the k-th legal move of the side to move is dropped (a press may refuse)
  Drop,       // (piece, square x*10+y) any piece standing on the board dropped anywhere
  Undo,       // the menu commands, each only while its item is enabled
  UndoFirst,
  Redo,
  RedoLast,
  Pass,
  Surrender,
  Scoring,
  NewGame,
  Tick,      // (n) 1 + n ticks of the one-second clock
  ViewSide,  // (s) one of the four "View Side" items
  MyView,
  Repeat,   // (n) the next read is fed 1 + n % 8 times, or (n = 255) kLongRepeat times
  History,  // the move-history window is shown or hidden
  RoleA,    // server: "Server mode" toggled; client: the connection is made
  RoleB,    // (k) server: request k accepted; client: the connection closes
  Sender,   // (k) the next reads come on connection k % Role::Connections()
  Count,
};

inline constexpr int kOpCount = static_cast<int>(Op::Count);
// Enough passes to fill the game record. Only one parameter value asks for it, since a
// long repeat costs as much as thousands of short inputs.
inline constexpr int kLongRepeat = Game::kMaxRecords + 2;
// The long repeat while the history window is shown: there every received move rewrites
// the whole history, so thousands of them only make the input slow.
inline constexpr int kShownHistoryRepeat = 300;
inline constexpr std::uint8_t kFirstOpByte = 0xE0;

inline constexpr std::uint8_t OpByte(Op op) {
  return static_cast<std::uint8_t>(kFirstOpByte + static_cast<int>(op));
}

// The legal moves of the side to move in the current position, view coordinates.
struct LegalMove {
  PieceId piece;
  Square to;
};
std::vector<LegalMove> LegalMoves(const Game& game);

// The observable state of a game, for "this text changes nothing".
struct Snapshot {
  GameMode mode = GameMode::LocalFree;
  Camp ownCamp = Camp::Fir, sideToMove = Camp::Fir;
  bool canHandle = false, passPending = false, clockRunning = false;
  int unitTime = 0, exceedLimit = 0, retractLimit = 0, moveElapsed = 0, records = 0, redoLimit = 0,
      viewSide = 0;
  std::array<int, kCampCount> captured{}, balance{}, exceeds{}, totalTime{};
  std::array<Square, kPieceCount> pos{};
  std::array<bool, kPieceCount> inPlay{};
  std::string lastMessage;

  friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const Game& game);

// True when the text begins with one of the twelve message heads.
bool BeginsWithAHead(std::string_view text);

// The role-specific part of a dispatcher target.
class Role {
 public:
  virtual ~Role() = default;
  virtual Direction direction() const = 0;
  // How many connections the inputs may read on.
  virtual int Connections() const { return 1; }
  // The station has been set up; the driver reads on connection 0 first.
  virtual void Begin(const Setup&) {}
  virtual Handled Dispatch(Game& game, std::string_view message, int connection) = 0;
  // RoleA and RoleB; `param` is read only by the operations that take one.
  virtual void RoleOp(Station& station, Op op, ByteReader& param) = 0;
};

// Plays one fuzz input; see the top of this file.
void RunDispatchInput(const std::uint8_t* data, std::size_t size, Role& role);

}  // namespace tamsok::fuzz
