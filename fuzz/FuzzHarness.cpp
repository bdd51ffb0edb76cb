#include "fuzz/FuzzHarness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "rules/MoveCheck.h"

namespace tamsok::fuzz {

void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "FUZZ CHECK FAILED: %.*s\n", static_cast<int>(what.size()), what.data());
  if (!detail.empty()) {
    std::fprintf(stderr, "  on: \"");
    for (const char c : detail) {
      const auto u = static_cast<unsigned char>(c);
      if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\')
        std::fputc(c, stderr);
      else
        std::fprintf(stderr, "\\x%02X", u);
    }
    std::fprintf(stderr, "\"\n");
  }
  std::abort();
}

std::string_view ByteReader::Bytes(std::size_t n) {
  const std::size_t take = std::min(n, size_ - std::min(at_, size_));
  const std::string_view bytes(reinterpret_cast<const char*>(data_) + at_, take);
  at_ += take;
  return bytes;
}

void FuzzView::SetHistoryText(const std::vector<std::string>& lines) {
  // The memo would show every line; touching them is what matters here.
  std::size_t bytes = 0;
  for (const std::string& line : lines)
    bytes += line.size();
  if (!lines.empty() && bytes == 0) Fail("the move history has only empty lines");
}

Snapshot Take(const Game& g) {
  Snapshot s;
  s.mode = g.Mode();
  s.ownCamp = g.OwnCamp();
  s.sideToMove = g.SideToMove();
  s.canHandle = g.CanHandlePieces();
  s.passPending = g.PassPending();
  s.clockRunning = g.ClockRunning();
  s.unitTime = g.UnitTime();
  s.exceedLimit = g.ExceedLimit();
  s.retractLimit = g.RetractLimit();
  s.moveElapsed = g.MoveElapsed();
  s.records = g.RecordCount();
  s.redoLimit = g.RedoLimit();
  s.viewSide = g.ViewSide();
  for (Camp c : {Camp::Fir, Camp::Oak}) {
    const auto i = static_cast<std::size_t>(Index(c));
    s.captured[i] = g.CapturedCount(c);
    s.balance[i] = g.MaterialBalance(c);
    s.exceeds[i] = g.ExceedCount(c);
    s.totalTime[i] = g.TotalTime(c);
  }
  s.pos = g.board().PiecePos;
  s.inPlay = g.board().InPlay;
  s.lastMessage = g.LastMessage();
  return s;
}

bool BeginsWithAHead(std::string_view text) {
  for (std::string_view head : {kHeadRequ, kHeadMade, kHeadBoad, kHeadMove, kHeadUnFi, kHeadUndo,
                                kHeadRedo, kHeadReLa, kHeadPass, kHeadLoss, kHeadFini, kHeadWinn})
    if (text.starts_with(head)) return true;
  return false;
}

namespace {

constexpr int kModeCount = 6;

// `fullCheck` false checks only the counts (see CheckCounts), for the middle of a long repeat.
void DispatchOne(Station& s, Role& role, std::string_view message, int connection,
                 bool fullCheck = true) {
  const Snapshot before = Take(s.game);
  const Handled h = role.Dispatch(s.game, message, connection);
  if (!h.refusal.empty() && (!h.reply.empty() || !(Take(s.game) == before)))
    Fail("a refused text has an answer or changed the game", message);
  if (BeginsWithAHead(h.refusal)) Fail("a refusal begins with a message head", h.refusal);
  if (h.error) {
    if (!h.reply.empty()) Fail("a text with a field error also has a reply", message);
    if (!(Take(s.game) == before)) Fail("a text with a field error changed the game", message);
  }
  if (fullCheck)
    CheckState(s.game);
  else
    CheckCounts(s.game);
}

void Feed(Station& s, Role& role, MessageSplitter& splitter, int connection, std::string_view read,
          bool fullCheck) {
  for (const std::string& message : splitter.Feed(read))
    DispatchOne(s, role, message, connection, fullCheck);
  if (splitter.PendingSize() >= kMaxHeldBytes) Fail("the splitter holds too many bytes", read);
}

// A press and a release over a square: the press refuses a spectator and a pending pass,
// the release hands the drop to the game.
void PressAndDrop(Game& g, PieceId piece, Square to) {
  if (g.RefuseSpectator() || g.PassPending()) return;
  g.PlayDroppedPiece(piece, to.x, to.y);
}

void RunMenu(Station& s, MenuItem item, void (Game::*command)()) {
  if (s.view.Enabled(item)) (s.game.*command)();
}

void RunOp(Station& s, Op op, ByteReader& in, Role& role) {
  Game& g = s.game;
  switch (op) {
    case Op::LegalMove: {
      const std::uint8_t k = in.Byte();
      const std::vector<LegalMove> moves = LegalMoves(g);
      if (moves.empty()) return;
      const LegalMove& m = moves[k % moves.size()];
      PressAndDrop(g, m.piece, m.to);
      return;
    }
    case Op::Drop: {
      const PieceId piece = in.Byte() % kPieceCount;
      const int square = in.Byte() % (kBoardSize * kBoardSize);
      // A captured piece's image is disabled and gets no press.
      if (g.board().StandsOnBoard(piece))
        PressAndDrop(g, piece, {square / kBoardSize, square % kBoardSize});
      return;
    }
    case Op::Undo:
      return RunMenu(s, MenuItem::miUndo, &Game::miUndoClick);
    case Op::UndoFirst:
      return RunMenu(s, MenuItem::miUndoFirst, &Game::miUndoFirstClick);
    case Op::Redo:
      return RunMenu(s, MenuItem::miRedo, &Game::miRedoClick);
    case Op::RedoLast:
      return RunMenu(s, MenuItem::miRedoLast, &Game::miRedoLastClick);
    case Op::Pass:
      return RunMenu(s, MenuItem::miPass, &Game::miPassClick);
    case Op::Surrender:
      return RunMenu(s, MenuItem::miLossgame, &Game::miLossgameClick);
    case Op::Scoring:
      return RunMenu(s, MenuItem::miScoring, &Game::miScoringClick);
    case Op::NewGame:
      return RunMenu(s, MenuItem::miNew, &Game::miNewClick);
    case Op::Tick: {
      // A tick changes only the clock unless it forces a surrender, which changes the mode;
      // the whole state is checked then and after the last tick.
      const int ticks = 1 + in.Byte();
      for (int i = 0; i < ticks; ++i) {
        const GameMode mode = g.Mode();
        g.Timer1Timer();
        if (g.Mode() != mode) CheckState(g);
      }
      return;
    }
    case Op::ViewSide:
      return g.SelectViewSide(in.Byte() % kViewSideCount);
    case Op::MyView:
      return g.miMyViewClick();
    case Op::History:
      s.view.historyVisible = !s.view.historyVisible;
      if (s.view.historyVisible) g.RebuildHistory();
      return;
    case Op::RoleA:
    case Op::RoleB:
      return role.RoleOp(s, op, in);
    case Op::Flush:
    case Op::Repeat:
    case Op::Sender:
    case Op::Count:
      return;  // handled by the driver
  }
}

}  // namespace

Setup DecodeSetup(std::uint8_t byte) {
  Setup s;
  int rest = byte;
  s.mode = static_cast<GameMode>(rest % kModeCount);
  rest /= kModeCount;
  s.spectator = rest % 2 != 0;
  rest /= 2;
  s.ownCamp = rest % 2 != 0 ? Camp::Oak : Camp::Fir;
  rest /= 2;
  s.viewSide = rest % kViewSideCount;
  rest /= kViewSideCount;
  s.historyVisible = rest % 2 != 0;
  return s;
}

std::uint8_t EncodeSetup(const Setup& s) {
  int byte = s.historyVisible ? 1 : 0;
  byte = byte * kViewSideCount + s.viewSide;
  byte = byte * 2 + (s.ownCamp == Camp::Oak ? 1 : 0);
  byte = byte * 2 + (s.spectator ? 1 : 0);
  byte = byte * kModeCount + static_cast<int>(s.mode);
  return static_cast<std::uint8_t>(byte);
}

Station::Station(const Setup& setup) {
  game.FormCreate();  // LocalFree, a spectator until a mode is chosen
  view.historyVisible = setup.historyVisible;
  game.SelectViewSide(setup.viewSide);
  switch (setup.mode) {
    case GameMode::LocalFree:
      game.miLocalAloneClick();
      break;
    case GameMode::LocalPlaying:
      game.miNewClick();
      break;
    case GameMode::ServerFree:
    case GameMode::ServerPlaying:
      // "Server mode" switched on.
      game.SetGameModeOnly(GameMode::ServerFree);
      game.SetOwnCamp(Camp::Oak);
      view.UnlockRequests();
      game.ApplyGameMode();
      if (setup.mode == GameMode::ServerPlaying) StartServerGame(*this, setup.ownCamp, 30, 10, 0);
      break;
    case GameMode::ClientFree:
    case GameMode::ClientPlaying:
      // "Client mode" switched on and the connection made.
      game.SetGameModeOnly(GameMode::LocalFree);
      game.SetOwnCamp(Camp::Fir);
      game.SetGameMode(GameMode::ClientFree);
      if (setup.mode == GameMode::ClientPlaying) {
        // What a received "Made" does.
        game.SetGameMode(GameMode::ClientPlaying);
        game.SetOwnCamp(setup.ownCamp);
        game.miNewClick();
        game.SetCanHandlePieces(true);
      }
      break;
  }
  game.SetOwnCamp(setup.ownCamp);
  if (setup.spectator) game.SetCanHandlePieces(false);
}

void StartServerGame(Station& s, Camp serverCamp, int unitTime, int exceed, int retract) {
  s.view.SetMenuChecked(MenuItem::miRoomState, false);
  s.game.SetGameMode(GameMode::ServerPlaying);
  s.game.SetCanHandlePieces(true);
  s.game.SetOwnCamp(serverCamp);
  s.game.miNewClick();
  s.game.SetRequestTerms(unitTime, exceed, retract);
  s.view.requestsLocked = true;
}

void CheckCounts(const Game& g) {
  const Board& b = g.board();
  int seen[kBoardSize][kBoardSize] = {};
  std::array<int, kCampCount> captured{};
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!b.InPlay[p]) {
      ++captured[static_cast<std::size_t>(Index(CampOf(p)))];
      continue;
    }
    const Square at = b.PiecePos[p];
    if (OnBoard(at) && ++seen[at.x][at.y] > 1) Fail("two pieces stand on one square");
  }
  for (Camp c : {Camp::Fir, Camp::Oak})
    if (captured[static_cast<std::size_t>(Index(c))] != g.CapturedCount(c))
      Fail("a camp's captured count differs from its captured pieces");
  if (!(0 <= g.RecordCount() && g.RecordCount() <= g.RedoLimit() &&
        g.RedoLimit() <= Game::kMaxRecords))
    Fail("record counters out of order");
}

void CheckState(const Game& g) {
  if (const std::string fault = g.CheckInvariants(); !fault.empty()) Fail(fault);
  CheckCounts(g);
}

std::vector<LegalMove> LegalMoves(const Game& g) {
  std::vector<LegalMove> moves;
  const Board& b = g.board();
  const PieceId first = g.SideToMove() == Camp::Fir ? 0 : kPiecesPerCamp;
  for (PieceId p = first; p < first + kPiecesPerCamp; ++p) {
    if (!b.StandsOnBoard(p)) continue;
    const Square from = b.PiecePos[p];
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (CheckMove(b, p, from.x, from.y, x, y) == MoveCheckResult::Legal)
          moves.push_back({p, {x, y}});
  }
  return moves;
}

void RunDispatchInput(const std::uint8_t* data, std::size_t size, Role& role) {
  ByteReader in(data, size);
  const Setup setup = DecodeSetup(in.Byte());
  Station s(setup);
  CheckState(s.game);
  role.Begin(setup);
  std::vector<MessageSplitter> splitters(static_cast<std::size_t>(role.Connections()),
                                         MessageSplitter(role.direction()));
  int connection = 0;
  const auto flush = [&](int c) {
    const std::string rest = splitters[static_cast<std::size_t>(c)].Flush();
    if (!rest.empty()) DispatchOne(s, role, rest, c);
  };
  int feeds = 1;
  while (!in.Empty()) {
    const std::uint8_t control = in.Byte();
    if (control < kFirstOpByte) {
      const std::string_view read = in.Bytes(control);
      for (int i = 0; i < feeds; ++i) {
        // A long repeat feeds the same bytes thousands of times. The whole state is checked
        // on the first and last feed, every 64th and near the record limit; the counts on all.
        const bool full =
            i == 0 || i + 1 == feeds || i % 64 == 0 || s.game.RedoLimit() + 4 >= Game::kMaxRecords;
        Feed(s, role, splitters[static_cast<std::size_t>(connection)], connection, read, full);
      }
      feeds = 1;
      continue;
    }
    const auto op = static_cast<Op>((control - kFirstOpByte) % kOpCount);
    if (op == Op::Repeat) {
      const std::uint8_t n = in.Byte();
      feeds = n != 0xFF ? 1 + n % 8 : s.view.historyVisible ? kShownHistoryRepeat : kLongRepeat;
      continue;
    }
    if (op == Op::Sender) {
      connection = in.Byte() % role.Connections();
      continue;
    }
    if (op == Op::Flush)
      flush(connection);
    else
      RunOp(s, op, in, role);
    CheckState(s.game);
  }
  for (int c = 0; c < role.Connections(); ++c)
    flush(c);
}

}  // namespace tamsok::fuzz
