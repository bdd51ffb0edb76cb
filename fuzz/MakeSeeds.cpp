// Writes the committed seed corpora and the protocol dictionary:
//
//   fuzz_make_seeds <fuzz source folder>
//
// Every message is built with the game's own builders, and the game sequences are played
// on a real Game, so the seeds are valid by construction. Run it again after a change of
// the input layout (FuzzHarness.h) or of the messages, and commit what it writes. Inputs
// that long runs found are kept apart, in corpus/<target>/found, and left alone here.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "fuzz/FuzzHarness.h"
#include "game/Messages.h"
#include "net/TextCodec.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"

namespace tamsok::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOtherId = "  123 4567   89";

// An input of a dispatcher target; see FuzzHarness.h.
class Input {
 public:
  explicit Input(const Setup& setup) { bytes_.push_back(static_cast<char>(EncodeSetup(setup))); }
  // One read; a longer text is cut into several reads.
  Input& Read(std::string_view text) {
    do {
      const std::size_t n = std::min<std::size_t>(text.size(), kFirstOpByte - 1);
      bytes_.push_back(static_cast<char>(n));
      bytes_.append(text.substr(0, n));
      text.remove_prefix(n);
    } while (!text.empty());
    return *this;
  }
  Input& Do(Op op, std::initializer_list<int> params = {}) {
    bytes_.push_back(static_cast<char>(OpByte(op)));
    for (int p : params)
      bytes_.push_back(static_cast<char>(p));
    return *this;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A splitter input: length-prefixed reads.
std::string Reads(const std::vector<std::string>& reads) {
  std::string bytes;
  for (const std::string& r : reads) {
    bytes.push_back(static_cast<char>(r.size()));
    bytes += r;
  }
  return bytes;
}

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string OwnStationId() {
  NullGameView view;
  NullPeerLink peer;
  Game game(view, peer, kStationSeed);
  game.FormCreate();
  return game.StationId();
}

std::string Made(std::string_view campName, int unitTime, int exceed, int retract,
                 std::string_view id) {
  return BuildMadeFromRoomLine(BuildRoomLine("192.0.2.7", campName, unitTime, exceed, retract, id));
}

std::string KoreanChat() {
  // "[홍길동] 안녕하세요, 탐석 한 판?" in code page 949.
  return Utf8ToCp949(
      "[\xED\x99\x8D\xEA\xB8\xB8\xEB\x8F\x99] \xEC\x95\x88\xEB\x85\x95\xED\x95\x98\xEC\x84\xB8"
      "\xEC\x9A\x94, \xED\x83\x90\xEC\x84\x9D \xED\x95\x9C \xED\x8C\x90?");
}

// One ply of a scripted game, squares canonical.
struct Ply {
  MoveFields move;
  Camp mover;
};

// Plays a game on a local board: pseudo-random legal moves, a capture half the time when
// there is one, and no Tree captured during the first `plies` plies. With `untilTreeFalls`
// the game then goes on (at most 300 more plies) until a Tree is taken.
std::vector<Ply> ScriptedGame(int plies, unsigned seed, bool untilTreeFalls) {
  NullGameView view;
  NullPeerLink peer;
  Game game(view, peer, kStationSeed);
  game.FormCreate();
  game.miNewClick();
  std::mt19937 rng(seed);
  std::vector<Ply> out;
  const int last = untilTreeFalls ? plies + 300 : plies;
  for (int i = 0; i < last; ++i) {
    const bool treeAllowed = i >= plies;
    std::vector<LegalMove> moves = LegalMoves(game);
    std::erase_if(moves, [&](const LegalMove& m) {
      const PieceId victim = game.board().OccupantAt(m.to);
      return !treeAllowed && (victim == 0 || victim == kPiecesPerCamp);
    });
    if (moves.empty()) break;
    const LegalMove* pick = &moves[rng() % moves.size()];
    for (const LegalMove& m : moves) {
      const PieceId victim = game.board().OccupantAt(m.to);
      if (victim == 0 || victim == kPiecesPerCamp) {
        pick = &m;
        break;
      }
      if (victim != kNoPiece && rng() % 2 == 0) pick = &m;
    }
    const Square from = game.board().PiecePos[pick->piece];
    const PieceId captured = game.board().OccupantAt(pick->to);
    game.PlayDroppedPiece(pick->piece, pick->to.x, pick->to.y);
    out.push_back(
        {{pick->piece, captured, from.x, from.y, pick->to.x, pick->to.y, 0}, CampOf(pick->piece)});
    if (captured == 0 || captured == kPiecesPerCamp) break;
  }
  return out;
}

// The Drop operation of a ply in the frame of `side`.
Input& DropPly(Input& in, const Ply& p, int side) {
  const Square to = FromCanonical(side, {p.move.toX, p.move.toY});
  return in.Do(Op::Drop, {p.move.piece, to.x * kBoardSize + to.y});
}

bool TreeFell(const Ply& p) {
  return p.move.captured == 0 || p.move.captured == kPiecesPerCamp;
}

// The texts both directions carry: the heads without a layout and chat lines.
std::vector<std::string> WithSharedTexts(std::vector<std::string> messages) {
  for (std::string_view head : {kHeadBoad, kHeadUnFi, kHeadUndo, kHeadRedo, kHeadReLa})
    messages.emplace_back(head);
  messages.push_back(BuildChatLine("Head", "hello"));
  messages.push_back(KoreanChat());
  return messages;
}

std::vector<std::string> ClientToServerMessages(const std::string& id) {
  return WithSharedTexts({BuildRequ(1, 30, 5, 0, kOtherId), BuildRequ(2, 45, 3, 2, id),
                          BuildRequ(0, 600, 20, 5, id), BuildMove({0, -1, 4, 0, 4, 1, 0}),
                          BuildMove({10, 40, 4, 3, 4, 6, 0}), BuildMove({0, -1, 4, 0, 4, 1, 1}),
                          BuildPass(), BuildLoss(), BuildFini()});
}

std::vector<std::string> ServerToClientMessages(const std::string& id) {
  return WithSharedTexts({Made("Oak", 30, 5, 0, kOtherId), Made("Fir", 45, 3, 2, id),
                          Made("Oak", 10, 0, 5, id), BuildMove({30, -1, 4, 9, 4, 8, 0}),
                          BuildMove({0, -1, 4, 0, 4, 1, 0}), BuildMove({40, 10, 4, 6, 4, 3, 0}),
                          BuildMove({30, -1, 4, 9, 4, 8, 1}), BuildPass(), BuildWinn(Camp::Fir),
                          BuildWinn(Camp::Oak), std::string(kRequested),
                          BuildRequ(1, 30, 5, 0, kOtherId)});
}

Setup At(GameMode mode, Camp own, int side = 0, bool spectator = false, bool history = false) {
  return {mode, spectator, own, side, history};
}

// Every message alone, in the free mode and during a game of one role.
void SingleMessages(const fs::path& dir, const std::vector<std::string>& messages, GameMode free,
                    GameMode playing, Camp own) {
  int n = 0;
  for (const std::string& m : messages)
    for (GameMode mode : {free, playing})
      Write(dir, "message-" + std::to_string(n++), Input(At(mode, own)).Read(m).bytes());
}

void ServerSeeds(const fs::path& dir, const std::string& id) {
  SingleMessages(dir, ClientToServerMessages(id), GameMode::ServerFree, GameMode::ServerPlaying,
                 Camp::Oak);
  // A whole game: the request, its acceptance, the client's moves as reads and the server's
  // as drops, until a Tree falls; in two viewing sides.
  for (int side : {0, 3}) {
    Input in(At(GameMode::ServerFree, Camp::Oak, side));
    in.Read(BuildRequ(0, 30, 5, 0, id)).Do(Op::RoleB, {0});
    for (const Ply& p : ScriptedGame(60, 7, true)) {
      if (p.mover == Camp::Fir)
        in.Read(BuildMove(p.move));
      else
        DropPly(in, p, side);
    }
    Write(dir, "game-side" + std::to_string(side), in.bytes());
  }
  // Fifty plies, then the client asks for scoring; another game ends in its surrender.
  {
    Input scoring(At(GameMode::ServerPlaying, Camp::Oak, 0, false, true));
    Input loss(At(GameMode::ServerPlaying, Camp::Fir, 2));
    for (const Ply& p : ScriptedGame(50, 11, false)) {
      if (p.mover == Camp::Fir)
        scoring.Read(BuildMove(p.move));
      else
        DropPly(scoring, p, 0);
      if (p.mover == Camp::Oak)
        loss.Read(BuildMove(p.move));
      else
        DropPly(loss, p, 2);
    }
    Write(dir, "scoring", scoring.Read(BuildFini()).Do(Op::Scoring).bytes());
    Write(dir, "surrender", loss.Read(BuildLoss()).bytes());
  }
  // Found by fuzzing: an identifier holding a NUL byte was cut short in the room line.
  Write(dir, "nul-station-id",
        Input(At(GameMode::ServerFree, Camp::Oak))
            .Read(BuildRequ(1, 30, 5, 0,
                            std::string("27329\0"
                                        "535047206",
                                        15)))
            .Do(Op::RoleB, {0})
            .bytes());
  // Two messages glued in one read, one cut across reads, a hold flushed by the timer.
  Write(dir, "glued",
        Input(At(GameMode::ServerPlaying, Camp::Oak))
            .Read(BuildMove({0, -1, 4, 0, 4, 1, 0}) + BuildPass() + BuildChatLine("A", "b"))
            .bytes());
  Write(
      dir, "cut",
      Input(At(GameMode::ServerFree, Camp::Oak)).Read("Requ1 30").Read("  5  0").Read(id).bytes());
  Write(dir, "held-then-flushed",
        Input(At(GameMode::ServerPlaying, Camp::Oak)).Read("Move 0-1").Do(Op::Flush).bytes());
  // Junk held before a whole move: a stalled fragment, a chat line ending in a lead byte.
  Write(dir, "junk-before-move",
        Input(At(GameMode::ServerPlaying, Camp::Oak))
            .Read("Move48-1 0 7")
            .Read(BuildMove({18, -1, 0, 2, 0, 3, 0}))
            .Do(Op::Drop, {30, 4 * kBoardSize + 8})
            .Read("[x] abc\xB0")
            .Read(BuildMove({0, -1, 4, 0, 4, 1, 0}))
            .bytes());
  // Only the player moves, and only in its turn: another copy at its address, a copy at
  // another address, glued passes of the player.
  Write(dir, "not-the-player",
        Input(At(GameMode::ServerPlaying, Camp::Oak))
            .Do(Op::Sender, {1})
            .Read(BuildMove({18, -1, 0, 2, 0, 3, 0}) + BuildPass())
            .Do(Op::Sender, {2})
            .Read(BuildLoss())
            .Read(BuildFini())
            .Do(Op::Sender, {0})
            .Read(BuildPass() + BuildPass() + BuildPass())
            .bytes());
  // A move of the player that does not fit the room's board ends the game.
  Write(dir, "refused-move",
        Input(At(GameMode::ServerPlaying, Camp::Oak))
            .Read(BuildMove({18, -1, 1, 2, 0, 3, 0}))
            .bytes());
  // A request of double-byte characters, from another connection, accepted and played.
  Write(dir, "double-byte-id",
        Input(At(GameMode::ServerFree, Camp::Oak))
            .Do(Op::Sender, {2})
            .Read(BuildRequ(0, 30, 5, 0, "  \xB0\xA1\xB3\xAA\xB4\xD9  12345"))
            .Do(Op::RoleB, {0})
            .Read(BuildMove({18, -1, 0, 2, 0, 3, 0}))
            .Do(Op::Sender, {0})
            .Read(BuildMove({18, -1, 0, 2, 0, 3, 0}))
            .bytes());
  // Found by fuzzing: the room echoes a "Requested" it receives, which is no listed request.
  Write(dir, "requested-echo",
        std::string("\x0F\x04"
                    "F`in"
                    "cRequested"));
  // Passes up to the record limit; the clock up to the forced surrender; undo in a local game.
  Write(dir, "record-limit",
        Input(At(GameMode::ServerPlaying, Camp::Oak)).Do(Op::Repeat, {255}).Read("Pass").bytes());
  Write(dir, "clock",
        Input(At(GameMode::ServerPlaying, Camp::Fir))
            .Do(Op::Tick, {255})
            .Do(Op::Tick, {100})
            .bytes());
  Write(dir, "local-undo-redo",
        Input(At(GameMode::LocalPlaying, Camp::Fir, 1, false, true))
            .Do(Op::LegalMove, {3})
            .Do(Op::LegalMove, {9})
            .Do(Op::Undo)
            .Do(Op::Redo)
            .Do(Op::UndoFirst)
            .Do(Op::RedoLast)
            .Do(Op::ViewSide, {2})
            .Do(Op::Surrender)
            .Do(Op::RoleA)
            .Read(BuildRequ(1, 30, 5, 0, kOtherId))
            .bytes());
}

void ClientSeeds(const fs::path& dir, const std::string& id) {
  SingleMessages(dir, ServerToClientMessages(id), GameMode::ClientFree, GameMode::ClientPlaying,
                 Camp::Fir);
  // The player's game: "Made" naming this station; its own moves are drops followed by the
  // server's echo, the server's moves arrive as reads; the server's "Winn" ends it.
  for (int side : {0, 2}) {
    Input in(At(GameMode::ClientFree, Camp::Fir, side));
    in.Read(Made("Fir", 30, 5, 0, id));
    Camp winner = Camp::Fir;
    for (const Ply& p : ScriptedGame(60, 5, true)) {
      if (p.mover == Camp::Fir)
        DropPly(in, p, side).Read(TreeFell(p) ? BuildWinn(Camp::Fir) : BuildMove(p.move));
      else
        in.Read(BuildMove(p.move));
      if (TreeFell(p)) winner = p.mover;
    }
    if (winner == Camp::Oak) in.Read(BuildWinn(Camp::Oak));
    Write(dir, "game-side" + std::to_string(side), in.bytes());
  }
  // A spectator follows the server's moves; a pass waits for its echo.
  {
    Input watch(At(GameMode::ClientFree, Camp::Fir, 1));
    watch.Read(Made("Oak", 30, 5, 0, kOtherId));
    for (const Ply& p : ScriptedGame(40, 3, false))
      watch.Read(BuildMove(p.move));
    Write(dir, "onlooker", watch.bytes());
  }
  Write(dir, "pass-echo",
        Input(At(GameMode::ClientPlaying, Camp::Fir))
            .Do(Op::Pass)
            .Do(Op::LegalMove, {0})
            .Read(BuildPass())
            .Read(BuildMove({30, -1, 4, 9, 4, 8, 0}))
            .bytes());
  Write(dir, "glued",
        Input(At(GameMode::ClientPlaying, Camp::Oak))
            .Read(BuildMove({0, -1, 4, 0, 4, 1, 0}) + BuildWinn(Camp::Oak) + "Requested")
            .bytes());
  // The end of a game the room refused a move in: the "Winn", then the reason as text.
  Write(dir, "refused-end",
        Input(At(GameMode::ClientPlaying, Camp::Fir))
            .Do(Op::LegalMove, {2})
            .Read(BuildWinn(Camp::Oak))
            .Read("The room ends the game. Refused move: the target square is occupied")
            .bytes());
  Write(dir, "made-cut",
        Input(At(GameMode::ClientFree, Camp::Oak))
            .Read(Made("Oak", 30, 5, 0, id).substr(0, 20))
            .Read(Made("Oak", 30, 5, 0, id).substr(20))
            .bytes());
  Write(dir, "disconnect-reconnect",
        Input(At(GameMode::ClientPlaying, Camp::Fir))
            .Do(Op::LegalMove, {1})
            .Do(Op::RoleB)
            .Do(Op::RoleA)
            .Read(Made("Oak", 30, 5, 0, id))
            .Do(Op::Tick, {255})
            .bytes());
}

void SplitterSeeds(const fs::path& dir, const std::string& id) {
  std::vector<std::string> all = ClientToServerMessages(id);
  for (const std::string& m : ServerToClientMessages(id))
    all.push_back(m);
  int n = 0;
  for (const std::string& m : all)
    Write(dir, "message-" + std::to_string(n++), Reads({m}));
  std::string glued;
  for (const std::string& m : all)
    glued += m;
  std::vector<std::string> byThree;
  for (std::size_t i = 0; i < glued.size(); i += 3)
    byThree.push_back(glued.substr(i, 3));
  Write(dir, "all-by-three", Reads(byThree));
  Write(dir, "requested-cut", Reads({"Requ", "ested", "Requ1", " 30  5  0", kOtherId}));
  Write(dir, "held-at-end", Reads({BuildPass(), "Made[Oak][ 30]"}));
  Write(dir, "junk-before-move", Reads({"Move48-1 0 7", BuildMove({48, -1, 0, 7, 0, 6, 0})}));
  Write(dir, "lead-before-move", Reads({"[x] abc\xB0", BuildPass(), "\xB0", "\xA1 end"}));
  Write(dir, "empty-reads", Reads({"", "Winn", "", " 1"}));
}

void IniSeed(const fs::path& dir, const std::string& name, std::string_view key,
             std::string_view value, std::string_view content) {
  std::string bytes;
  bytes.push_back(static_cast<char>(key.size()));
  bytes += key;
  bytes.push_back(static_cast<char>(value.size()));
  bytes += value;
  bytes += content;
  Write(dir, name, bytes);
}

void IniSeeds(const fs::path& dir) {
  IniSeed(dir, "first-use", "192.0.2.7", "", "");
  IniSeed(dir, "known", "192.0.2.7", "", "[Server IP]\n192.0.2.7=\n");
  IniSeed(dir, "second", "10.0.0.1", "", "[Server IP]\n192.0.2.7=\n");
  IniSeed(dir, "crlf", "10.0.0.1", "", "[Server IP]\r\n192.0.2.7=\r\n198.51.100.4=\r\n");
  IniSeed(dir, "no-final-break", "10.0.0.1", "", "[Server IP]\n192.0.2.7=");
  IniSeed(dir, "twice", "10.0.0.1", "",
          "[Other]\na=1\n[Server IP]\nb=\n[Other]\nc=\n[Server IP]\nd=\n");
  IniSeed(dir, "comments", "e", "v",
          "; settings\n# more\n\n[ Server IP ]\n  e = x \nno equals sign\n=no key\n");
  IniSeed(dir, "other-only", "192.0.2.7", "", "x=\n[Other]\ny=\n");
  IniSeed(dir, "bad-keys", " padded", "", "[Server IP]\n[x=\n;y=\n");
  IniSeed(dir, "equals-in-key", "a=b", "", "[Server IP]\n");
  IniSeed(dir, "nul", "192.0.2.7", "", std::string("[Server IP]\n\0=\n", 15));
  // Found by fuzzing: a last line ending in a lone "\r" swallowed the key written after it.
  IniSeed(dir, "lone-cr", "10.0.0.1", "", "[Server IP]\r\n192.0.2.7=\r");
}

// The dictionary of the message targets: heads, whole messages, fields and brackets.
void Dictionary(const fs::path& file, const std::string& id) {
  std::ofstream out(file, std::ios::binary);
  out << "# Heads, messages and fields of the wire protocol; written by fuzz_make_seeds.\n";
  auto quoted = [&](std::string_view token) {
    out << '"';
    for (const char c : token) {
      const auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u >= 0x7F || c == '"' || c == '\\') {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", u);
        out << hex;
      } else {
        out << c;
      }
    }
    out << "\"\n";
  };
  for (std::string_view head :
       {kHeadRequ, kHeadMade, kHeadBoad, kHeadMove, kHeadUnFi, kHeadUndo, kHeadRedo, kHeadReLa,
        kHeadPass, kHeadLoss, kHeadFini, kHeadWinn, kRequested})
    quoted(head);
  for (const char* field : {" 0", " 1", " 9", "-1", "59", "30", " 30", "600", " 10", "  5", "  0",
                            "[Fir]", "[Oak]", "][", "[", "]", "] ", "Fir", "Oak"})
    quoted(field);
  quoted(id);
  quoted(kOtherId);
  for (const std::string& m : ClientToServerMessages(id))
    quoted(m);
  for (const std::string& m : ServerToClientMessages(id))
    quoted(m);
  // A whole read: its length byte and a message.
  for (const std::string& m : {BuildMove({0, -1, 4, 0, 4, 1, 0}), BuildPass(), BuildWinn(Camp::Oak),
                               Made("Fir", 30, 5, 0, id)})
    quoted(std::string(1, static_cast<char>(m.size())) + m);
}

}  // namespace
}  // namespace tamsok::fuzz

int main(int argc, char** argv) {
  using namespace tamsok::fuzz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <fuzz source folder>\n", argv[0]);
    return 1;
  }
  const fs::path root = argv[1];
  const std::string id = OwnStationId();
  // The seeds are written afresh; what fuzzing found (the "found" folders) stays.
  for (const char* target :
       {"fuzz_server_dispatch", "fuzz_client_dispatch", "fuzz_splitter", "fuzz_ini"}) {
    const fs::path dir = root / "corpus" / target;
    if (!fs::is_directory(dir)) continue;
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
      if (e.path().filename() != "found") fs::remove_all(e.path());
  }
  ServerSeeds(root / "corpus" / "fuzz_server_dispatch", id);
  ClientSeeds(root / "corpus" / "fuzz_client_dispatch", id);
  SplitterSeeds(root / "corpus" / "fuzz_splitter", id);
  IniSeeds(root / "corpus" / "fuzz_ini");
  fs::create_directories(root / "dict");
  Dictionary(root / "dict" / "protocol.dict", id);
  return 0;
}
