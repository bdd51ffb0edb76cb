#include "game/Game.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "engine/Engine.h"
#include "game/Format.h"
#include "game/GameTexts.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"

namespace tamsok {

namespace {

namespace text = gametext;

// The menu table: which items each mode enables, indexed [item][mode]. Pass, Surrender and
// Scoring apply only to a player, "Client mode" only to a player (a spectator gets it).
// "Disconnect state" lets the players leave a local game for LocalFree, where New game is
// offered again. Load is offered in a local game too: it asks first whether to abandon the
// game on the board.
struct MenuRow {
  MenuItem item;
  bool enabled[6];
};
// clang-format off
constexpr MenuRow kMenuTable[] = {
    {MenuItem::miCreateRoom, {1, 0, 1, 0, 0, 0}},
    {MenuItem::miConnect,    {1, 0, 0, 0, 1, 0}},
    {MenuItem::miReqGame,    {0, 0, 0, 0, 1, 0}},
    {MenuItem::miNew,        {1, 0, 0, 0, 0, 0}},
    {MenuItem::miLocalAlone, {0, 1, 0, 0, 0, 0}},
    {MenuItem::miLoad,       {1, 1, 0, 0, 0, 0}},
    {MenuItem::miSave,       {0, 1, 0, 1, 0, 1}},
    {MenuItem::miSaveas,     {0, 1, 0, 1, 0, 1}},
    {MenuItem::miUndoFirst,  {0, 1, 0, 0, 0, 0}},
    {MenuItem::miUndo,       {0, 1, 0, 0, 0, 0}},
    {MenuItem::miRedo,       {0, 1, 0, 0, 0, 0}},
    {MenuItem::miRedoLast,   {0, 1, 0, 0, 0, 0}},
    {MenuItem::miPass,       {0, 1, 0, 1, 0, 1}},
    {MenuItem::miLossgame,   {0, 1, 0, 1, 0, 1}},
    {MenuItem::miScoring,    {0, 1, 0, 1, 0, 1}},
    {MenuItem::miRoomState,  {0, 0, 1, 1, 0, 0}},
};
// clang-format on

constexpr MenuItem kViewSideItems[kViewSideCount] = {MenuItem::miR0, MenuItem::miR90,
                                                     MenuItem::miR180, MenuItem::miR270};

std::string PieceTag(PieceId p) {
  return std::string(CampLetter(CampOf(p))) + "." + std::string(KindCode(KindOf(p)));
}

std::string WinText(Camp winner) {
  return Format(text::kWin, std::string(CampName(winner)).c_str());
}

// The camp that wins when `captured` falls: the other camp's, when it is a Tree.
std::optional<Camp> WinnerOfCapture(PieceId captured) {
  if (captured == 0) return Camp::Oak;
  if (captured == kPiecesPerCamp) return Camp::Fir;
  return std::nullopt;
}

unsigned ClockSeed() {
  return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

std::string_view GameModeName(GameMode mode) {
  return text::kModeNames[static_cast<std::size_t>(mode)];
}

Game::Game(GameView& view, PeerLink& peer, std::optional<unsigned> seed)
    : view_(view), peer_(peer), seed_(seed ? *seed : ClockSeed()) {
  records_.reserve(kInitialRecordCapacity + 1);
  records_.resize(1);  // index 0 is never used
  board_.PiecePos.fill(kOffBoard);
  board_.InPlay.fill(true);
  RebuildBoard(board_);
}

// ---- Window creation, modes, new game --------------------------------------------------

std::string Game::MakeStationId(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> draw(0, 65534);
  int n[5];
  for (int& v : n)
    v = draw(rng);
  const std::string all = Format("%5d%5d%5d%5d%5d", n[0], n[1], n[2], n[3], n[4]);
  return all.substr(0, kStationIdLength);
}

void Game::LoadStartPosition() {
  LoadInitialPosition(board_);
  for (PieceId p = 0; p < kPieceCount; ++p)
    view_.PlacePieceImage(p, board_.PiecePos[p]);
  Rebuild();
}

void Game::FormCreate() {
  board_.ViewSide = 0;
  LoadStartPosition();
  capturedCount_ = {};
  materialBalance_ = {};
  tray_ = {};
  recordCount_ = 0;
  SetSideToMove(Camp::Fir);
  view_.ClearDropBusy();
  redoLimit_ = 0;
  SetGameMode(GameMode::LocalFree);
  exceedLimit_ = 10;
  unitTime_ = 30;
  passPending_ = false;
  stationId_ = MakeStationId(seed_);
  canHandlePieces_ = false;  // a spectator until a mode is chosen
}

void Game::ApplyGameMode() {
  // The station is a player in every mode but ClientPlaying, where the game-made message
  // decides after this call. The menu is set for the station as it is from here on, so the
  // first mode chosen after start-up (a spectator until then) offers a player's items too.
  if (mode_ != GameMode::ClientPlaying) canHandlePieces_ = true;
  const auto m = static_cast<std::size_t>(mode_);
  for (const MenuRow& row : kMenuTable) {
    bool enabled = row.enabled[m];
    switch (row.item) {
      case MenuItem::miPass:
      case MenuItem::miLossgame:
      case MenuItem::miScoring:
        enabled = enabled && canHandlePieces_;
        break;
      case MenuItem::miConnect:
        enabled = canHandlePieces_ ? enabled : true;
        break;
      case MenuItem::miSave:
      case MenuItem::miSaveas:
        enabled = CanSave();
        break;
      default:
        break;
    }
    view_.SetMenuEnabled(row.item, enabled);
  }
  clockRunning_ = IsPlayingMode(mode_);
  view_.ShowStatus(kPanelMode, std::string(GameModeName(mode_)));
  view_.GameModeApplied();
}

void Game::SetSideToMove(Camp side) {
  sideToMove_ = side;
  view_.ShowSideToMove(side);
}

void Game::SetGameMode(GameMode mode) {
  mode_ = mode;
  ApplyGameMode();
}

void Game::Interrupt(GameMode freeMode) {
  interrupted_ = true;
  awayCamp_.reset();
  passPending_ = false;
  SetGameMode(freeMode);
}

void Game::miLocalAloneClick() {
  SetGameMode(GameMode::LocalFree);
}

bool Game::RefuseSpectator() {
  if (canHandlePieces_) return false;
  view_.ShowStatus(kPanelGame, text::kSpectator);
  return true;
}

void Game::miNewClick() {
  winner_.reset();
  terms_.reset();
  interrupted_ = false;
  awayCamp_.reset();
  ++gameNumber_;
  if (!IsNetworkGame(mode_)) {
    SetGameMode(GameMode::LocalPlaying);
    view_.ShowStatus(kPanelGame, text::kNewLocalGame);
  }
  view_.ResetMoveMarker();
  LoadStartPosition();

  capturedCount_ = {};
  materialBalance_ = {};
  tray_ = {};
  recordCount_ = 0;
  redoLimit_ = 0;
  clockRunning_ = true;
  totalTime_ = {};
  moveElapsed_ = 0;
  exceedLimit_ = 10;
  exceedCount_ = {};
  unitTime_ = 30;
  SetSideToMove(Camp::Fir);
  view_.ClearDropBusy();
  passPending_ = false;

  // Until the first tick the panels show the fixed "30" and "/10" of a fresh game.
  for (Camp c : {Camp::Fir, Camp::Oak}) {
    const int i = Index(c);
    view_.ShowStatus(kPanelFirClock + i,
                     Format(text::kNewGameClock[i], totalTime_[i] / 60, totalTime_[i] % 60,
                            30 - moveElapsed_, exceedCount_[i], materialBalance_[i]));
  }
  for (Camp c : {Camp::Fir, Camp::Oak})
    secondsLeftShown_[Index(c)] = 30 - moveElapsed_;
  clockShown_ = true;
  view_.ShowStatus(kPanelMode, text::kPlaying);
  view_.ShowStatus(kPanelGame, text::kFirFirst);
  RebuildHistory();  // the previous game's records go at once, not at the first move
  AssertInvariants();
}

void Game::SetRequestTerms(int unitTime, int exceedLimit, int retractLimit) {
  unitTime_ = unitTime;
  exceedLimit_ = exceedLimit;
  retractLimit_ = retractLimit;
  terms_ = NetworkTerms{unitTime, exceedLimit, retractLimit, ownCamp_};
}

void Game::SetCanHandlePieces(bool b) {
  canHandlePieces_ = b;
  // A client learns after the terms whether it plays the game or watches it.
  if (!b && terms_ && IsNetworkGame(mode_)) terms_->playedAs.reset();
}

const std::string& Game::SetLastMessage(std::string text) {
  lastMessage_ = std::move(text);
  return lastMessage_;
}

void Game::SendToAll(const std::string& text) {
  if (!text.empty()) peer_.SendToAll(text);
}

void Game::SendToServer(const std::string& text) {
  if (!text.empty()) peer_.SendToServer(text);
}

// ---- Moves -----------------------------------------------------------------------------

std::string Game::MoveStatusText(int recordNumber, Camp camp, PieceKind kind, Square from,
                                 Square to) {
  return Format(text::kMoveStatus, recordNumber, std::string(CampName(camp)).c_str(),
                std::string(KindName(kind)).c_str(), from.x, kBoardSize - 1 - from.y, to.x,
                kBoardSize - 1 - to.y);
}

bool Game::AppendRecord(const MoveRecord& record) {
  if (RecordsFull()) return false;
  moveElapsed_ = 0;
  ++recordCount_;
  redoLimit_ = recordCount_;
  const auto i = static_cast<std::size_t>(recordCount_);
  if (i < records_.size())
    records_[i] = record;
  else
    records_.push_back(record);
  return true;
}

void Game::CaptureIntoTray(PieceId captured) {
  const int camp = Index(CampOf(captured));
  view_.PutInTray(captured, capturedCount_[camp]);
  board_.InPlay[captured] = false;
  board_.PiecePos[captured] = kOffBoard;
  capturedCount_[camp] += 1;
  materialBalance_[camp] -= ValueOf(KindOf(captured));
  tray_[camp].push_back(captured);
  RefreshClockPanels();
}

// The piece captured last in its camp is always on top of that camp's tray.
void Game::ReleaseFromTray(PieceId captured, Square to) {
  const int camp = Index(CampOf(captured));
  board_.PiecePos[captured] = to;
  board_.InPlay[captured] = true;
  view_.RestorePieceImage(captured, to);
  capturedCount_[camp] -= 1;
  materialBalance_[camp] += ValueOf(KindOf(captured));
  if (!tray_[camp].empty()) tray_[camp].pop_back();
}

void Game::EndServerGame(Camp winner, bool boxFirst) {
  winner_ = winner;
  awayCamp_.reset();
  if (boxFirst) view_.ShowMessageBox(WinText(winner), text::kGameOver, BoxButtons::Ok);
  mode_ = GameMode::ServerFree;
  view_.UnlockRequests();
  ApplyGameMode();
  if (!boxFirst) view_.ShowMessageBox(WinText(winner), text::kGameOver, BoxButtons::Ok);
}

void Game::PlayDroppedPiece(PieceId piece, int toX, int toY) {
  if (!IsValidPiece(piece)) {
    view_.ClearDragState();
    return;
  }
  const Square from = board_.PiecePos[piece];
  if (IsNetworkGame(mode_) && sideToMove_ != ownCamp_) {
    view_.SnapBack(piece, from);
    view_.ClearDragState();
    return;
  }

  MoveCheckResult code = CheckMove(board_, piece, from.x, from.y, toX, toY);
  if (sideToMove_ != CampOf(piece)) code = MoveCheckResult::EmptyFromOrNotTurn;
  if (code != MoveCheckResult::Legal || RecordsFull()) {
    view_.SnapBack(piece, from);
    view_.ShowStatus(kPanelGame, code != MoveCheckResult::Legal ? MoveCheckText(code, CampOf(piece))
                                                                : text::kRecordsFull);
    view_.ClearDragState();
    return;
  }
  SetSideToMove(OtherCamp(sideToMove_));  // the turn passes before anything else changes

  const Square to{toX, toY};
  const PieceId captured = board_.OccupantAt(to);
  view_.PlayMoveSound();
  AppendRecord({piece, captured, from.x, from.y, to.x, to.y, false});
  view_.ShowStatus(kPanelGame, MoveStatusText(recordCount_, CampOf(piece),
                                              KindOf(board_.OccupantAt(from)), from, to));
  view_.MovePieceImage(piece, to);
  view_.PlaceMoveMarker(to);
  board_.PiecePos[piece] = to;
  if (captured != kNoPiece) CaptureIntoTray(captured);
  Rebuild();
  RebuildHistory();
  view_.ApplyTrayVisibility();

  const int side = board_.ViewSide;
  const Square cf = ToCanonical(side, from), ct = ToCanonical(side, to);
  const std::string move = SetLastMessage(BuildMove({piece, captured, cf.x, cf.y, ct.x, ct.y, 0}));

  const std::optional<Camp> winner = WinnerOfCapture(captured);
  if (mode_ == GameMode::ServerPlaying) {
    SendToAll(move);
    if (winner) {
      SendToAll(SetLastMessage(BuildWinn(*winner)));
      EndServerGame(*winner, /*boxFirst=*/true);
    }
  } else if (mode_ == GameMode::ClientPlaying) {
    SendToServer(move);
  } else if (mode_ == GameMode::LocalPlaying && winner) {
    // A local game ends as a room's game does; it stays in play until the box is closed.
    view_.ShowMessageBox(WinText(*winner), text::kGameOver, BoxButtons::Ok);
    winner_ = winner;
    SetGameMode(GameMode::LocalFree);
  }
  AssertInvariants();
  view_.ClearDragState();
}

std::vector<Square> Game::DropTargets(PieceId piece) const {
  if (!IsValidPiece(piece) || !canHandlePieces_ || passPending_ || RecordsFull()) return {};
  if (IsNetworkGame(mode_) && sideToMove_ != ownCamp_) return {};
  if (CampOf(piece) != sideToMove_) return {};
  return engine::LegalTargets(board_, piece);
}

std::string Game::ApplyReceivedMove(const MoveFields& m, std::string_view receivedText) {
  // Every field is checked before anything changes.
  const bool inRange = IsValidPiece(m.piece) &&
                       (m.captured == kNoPiece || IsValidPiece(m.captured)) &&
                       OnBoard(m.fromX, m.fromY) && OnBoard(m.toX, m.toY);
  if (!inRange) return text::kBadMoveFields;
  const Camp mover = CampOf(m.piece);
  if (mover != sideToMove_) return {};
  if (RecordsFull()) return text::kRecordsFull;

  const bool isPass = m.passFlag != 0;
  const int side = board_.ViewSide;
  const Square from = FromCanonical(side, {m.fromX, m.fromY});
  const Square to = FromCanonical(side, {m.toX, m.toY});
  if (!isPass) {
    if (!board_.StandsOnBoard(m.piece)) return text::kBadMovePiece;
    if (board_.PiecePos[m.piece] != from) return text::kBadMoveSource;
    const PieceId occupant = board_.OccupantAt(to);
    if (m.captured != kNoPiece) {
      if (CampOf(m.captured) == mover) return text::kBadMoveOwnCapture;
      if (occupant != m.captured) return text::kBadMoveCaptured;
    } else if (occupant != kNoPiece && occupant != m.piece) {
      return text::kBadMoveOccupied;
    }
    // The same rules as a drop on this board: nobody wins with a move they refuse.
    const MoveCheckResult code = CheckMove(board_, m.piece, from.x, from.y, to.x, to.y);
    if (code != MoveCheckResult::Legal)
      return Format(text::kBadMoveRules, MoveCheckText(code, mover).c_str());
  }

  SetSideToMove(OtherCamp(sideToMove_));
  std::string status;
  if (isPass) {
    AppendRecord({kNoPiece, kNoPiece, -1, -1, -1, -1, true});
    view_.ShowStatus(kPanelGame, text::kPassFromOpposite);
    view_.ParkMoveMarker();
  } else {
    AppendRecord({m.piece, m.captured, from.x, from.y, to.x, to.y, false});
    board_.PiecePos[m.piece] = to;
    if (quickMoves_)
      view_.MovePieceImage(m.piece, to);
    else
      view_.MoveAnimation(m.piece, to);
    view_.PlaceMoveMarker(to);
    if (m.captured != kNoPiece) CaptureIntoTray(m.captured);
    status = MoveStatusText(recordCount_, mover, KindOf(m.piece), from, to);
    view_.ShowStatus(kPanelGame, status);
  }
  Rebuild();
  RebuildHistory();
  view_.ApplyTrayVisibility();
  view_.ClearDragState();
  view_.PlayMoveSound();
  AssertInvariants();

  if (mode_ != GameMode::ServerPlaying) return Format(text::kReceivedMove, status.c_str());
  if (!isPass && (m.captured == 0 || m.captured == kPiecesPerCamp)) {
    const Camp winner = m.captured == 0 ? Camp::Oak : Camp::Fir;
    std::string reply = SetLastMessage(BuildWinn(winner));
    EndServerGame(winner, /*boxFirst=*/true);
    return reply;
  }
  return std::string(receivedText);
}

// ---- History, undo and redo ------------------------------------------------------------

std::vector<std::string> Game::HistoryLines() const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(recordCount_));
  for (int i = 1; i <= recordCount_; ++i) {
    const MoveRecord& r = Record(i);
    if (r.IsPass) {
      lines.push_back(Format(text::kHistoryPass, i));
      continue;
    }
    const std::string piece = PieceTag(r.Piece);
    const int fromY = kBoardSize - 1 - r.FromY, toY = kBoardSize - 1 - r.ToY;
    lines.push_back(r.Captured >= 0
                        ? Format(text::kHistoryCapture, i, piece.c_str(), r.FromX, fromY, r.ToX,
                                 toY, PieceTag(r.Captured).c_str())
                        : Format(text::kHistoryMove, i, piece.c_str(), r.FromX, fromY, r.ToX, toY));
  }
  return lines;
}

void Game::RebuildHistory() {
  if (!view_.IsHistoryVisible()) return;
  view_.SetHistoryText(HistoryLines());
}

// The marker points at the target of record `index` when that is a move in force.
void Game::PlaceMarkerForRecord(int index) {
  if (index >= 1 && !Record(index).IsPass)
    view_.PlaceMoveMarker({Record(index).ToX, Record(index).ToY});
  else
    view_.ParkMoveMarker();
}

void Game::Rebuild() {
  RebuildBoard(board_);
  view_.BoardRebuilt();
}

void Game::ResetDragAndRebuild() {
  Rebuild();
  RebuildHistory();
  view_.ApplyTrayVisibility();
  view_.ClearDragState();
}

void Game::UndoOne() {
  const MoveRecord r = Record(recordCount_);
  if (r.IsPass) {
    view_.ShowStatus(kPanelGame, text::kPass);
    view_.ParkMoveMarker();
  } else {
    const Square from{r.FromX, r.FromY}, to{r.ToX, r.ToY};
    board_.PiecePos[r.Piece] = from;
    view_.MovePieceImage(r.Piece, from);
    PlaceMarkerForRecord(recordCount_ - 1);
    if (r.Captured >= 0) ReleaseFromTray(r.Captured, to);
  }
  SetSideToMove(OtherCamp(sideToMove_));
  --recordCount_;
}

void Game::RedoOne() {
  ++recordCount_;
  SetSideToMove(OtherCamp(sideToMove_));
  const MoveRecord r = Record(recordCount_);
  if (r.IsPass) {
    view_.ShowStatus(kPanelGame, text::kPass);
    view_.ParkMoveMarker();
    return;
  }
  const Square to{r.ToX, r.ToY};
  board_.PiecePos[r.Piece] = to;
  view_.MovePieceImage(r.Piece, to);
  view_.PlaceMoveMarker(to);
  if (r.Captured >= 0) CaptureIntoTray(r.Captured);
}

void Game::miUndoClick() {
  view_.ClearDragState();
  if (recordCount_ < 1) return;
  UndoOne();
  ResetDragAndRebuild();
  RefreshClockPanels();
  AssertInvariants();
}

void Game::miUndoFirstClick() {
  for (int n = recordCount_; n > 0; --n)
    miUndoClick();
}

void Game::miRedoClick() {
  view_.ClearDragState();
  if (recordCount_ >= redoLimit_) return;
  RedoOne();
  ResetDragAndRebuild();
  RefreshClockPanels();
  AssertInvariants();
}

void Game::miRedoLastClick() {
  while (recordCount_ < redoLimit_)
    miRedoClick();
}

void Game::AdoptReplayed(const Game& replayed, std::optional<Camp> winner,
                         std::optional<NetworkTerms> terms) {
  board_ = replayed.board_;
  records_ = replayed.records_;
  recordCount_ = replayed.recordCount_;
  redoLimit_ = replayed.redoLimit_;
  capturedCount_ = replayed.capturedCount_;
  materialBalance_ = replayed.materialBalance_;
  tray_ = replayed.tray_;
  winner_ = winner;
  terms_ = std::move(terms);
  interrupted_ = false;
  awayCamp_.reset();
  ++gameNumber_;
  totalTime_ = {};
  moveElapsed_ = 0;
  exceedCount_ = {};
  unitTime_ = 30;
  exceedLimit_ = 10;
  passPending_ = false;
  view_.ClearDropBusy();
  SetGameMode(GameMode::LocalPlaying);
  SetSideToMove(replayed.sideToMove_);

  for (int s = 0; s < kViewSideCount; ++s)
    view_.SetMenuChecked(kViewSideItems[s], s == board_.ViewSide);
  // Every image leaves the tray first; the captured ones then fill their slots in order.
  for (PieceId p = 0; p < kPieceCount; ++p)
    view_.PlacePieceImage(p, board_.InPlay[p] ? board_.PiecePos[p] : kOffBoard);
  for (const std::vector<PieceId>& tray : tray_)
    for (std::size_t slot = 0; slot < tray.size(); ++slot)
      view_.PutInTray(tray[slot], static_cast<int>(slot));
  PlaceMarkerForRecord(recordCount_);
  for (Camp c : {Camp::Fir, Camp::Oak})
    ShowClockPanel(c);
  ResetDragAndRebuild();
  AssertInvariants();
}

// ---- Pass, surrender, scoring ----------------------------------------------------------

bool Game::PassBookkeeping() {
  if (RecordsFull()) {
    view_.ShowStatus(kPanelGame, text::kRecordsFull);
    return false;
  }
  SetSideToMove(OtherCamp(sideToMove_));
  view_.ShowStatus(kPanelGame, text::kPass);
  AppendRecord({kNoPiece, kNoPiece, -1, -1, -1, -1, true});
  RebuildHistory();  // the PASS line shows at once, not from the next move on
  return true;
}

void Game::miPassClick() {
  if (RefuseSpectator() || passPending_) return;
  if (IsNetworkGame(mode_) && sideToMove_ != ownCamp_) return;
  if (mode_ == GameMode::ServerPlaying) {
    if (PassBookkeeping()) SendToAll(SetLastMessage(BuildPass()));
  } else if (mode_ == GameMode::LocalPlaying) {
    // Both camps sit at this machine: the pass is in force at once.
    PassBookkeeping();
  } else if (mode_ == GameMode::ClientPlaying) {
    if (RecordsFull()) {
      view_.ShowStatus(kPanelGame, text::kRecordsFull);
      return;
    }
    SendToServer(SetLastMessage(BuildPass()));
    passPending_ = true;
  }
}

void Game::miLossgameClick() {
  if (RefuseSpectator()) return;
  switch (mode_) {
    case GameMode::LocalPlaying:
      view_.ShowMessageBox(text::kConquered, text::kGameOver, BoxButtons::Ok);
      winner_ = OtherCamp(sideToMove_);  // at one board, the camp to move gives up
      SetGameMode(GameMode::LocalFree);
      break;
    case GameMode::ServerPlaying: {
      const Camp winner = OtherCamp(ownCamp_);
      SendToAll(SetLastMessage(BuildWinn(winner)));
      EndServerGame(winner, /*boxFirst=*/false);
      break;
    }
    case GameMode::ClientPlaying:
      SendToServer(SetLastMessage(BuildLoss()));
      winner_ = OtherCamp(ownCamp_);
      SetGameMode(GameMode::ClientFree);
      break;
    default:
      break;
  }
}

std::string_view Game::RecordsFullText() {
  return text::kRecordsFull;
}

Camp Game::ScoringWinner() const {
  return tamsok::ScoringWinner(-MaterialBalance(Camp::Fir), -MaterialBalance(Camp::Oak));
}

void Game::miScoringClick() {
  if (RefuseSpectator()) return;
  if (recordCount_ < kScoringMinRecords) {
    view_.ShowMessageBox(text::kRequire50, text::kNotice, BoxButtons::Ok);
    return;
  }
  const Camp winner = ScoringWinner();
  switch (mode_) {
    case GameMode::LocalPlaying:
      view_.ShowMessageBox(Format(text::kLocalWin, std::string(CampName(winner)).c_str()),
                           text::kGameOver, BoxButtons::Ok);
      winner_ = winner;
      SetGameMode(GameMode::LocalFree);
      break;
    case GameMode::ServerPlaying:
      SendToAll(SetLastMessage(BuildWinn(winner)));
      EndServerGame(winner, /*boxFirst=*/false);
      break;
    case GameMode::ClientPlaying:
      SendToServer(SetLastMessage(BuildFini()));
      winner_ = winner;  // the room's "Winn" confirms it
      SetGameMode(GameMode::ClientFree);
      break;
    default:
      break;
  }
}

// ---- Clock -----------------------------------------------------------------------------

std::string Game::ClockPanelText(Camp c, int secondsLeft) const {
  const int i = Index(c);
  return Format(text::kTickClock[i], totalTime_[i] / 60, totalTime_[i] % 60, secondsLeft,
                exceedCount_[i], exceedLimit_, materialBalance_[i]);
}

void Game::ShowClockPanel(Camp c) {
  secondsLeftShown_[Index(c)] = unitTime_ - moveElapsed_;
  clockShown_ = true;
  view_.ShowStatus(kPanelFirClock + Index(c), ClockPanelText(c, unitTime_ - moveElapsed_));
}

// The material figure follows captures, undo and redo at once; the seconds left stay as each
// panel last showed them, so the panel of the camp not to move keeps its frozen figure.
void Game::RefreshClockPanels() {
  if (!clockShown_) return;  // the panels still show their captions, not a game
  for (Camp c : {Camp::Fir, Camp::Oak})
    view_.ShowStatus(kPanelFirClock + Index(c), ClockPanelText(c, secondsLeftShown_[Index(c)]));
}

void Game::Timer1Timer() {
  if (!clockRunning_) return;
  const Camp c = sideToMove_;
  if (awayCamp_ == c) return;  // the player is away: its time stands still
  ++moveElapsed_;
  const int i = Index(c);
  if (moveElapsed_ > unitTime_) {
    ++exceedCount_[i];
    if (exceedCount_[i] > exceedLimit_ && IsNetworkGame(mode_) && c == ownCamp_) {
      miLossgameClick();
    } else if (exceedCount_[i] > exceedLimit_ + kOvertimeGrace &&
               mode_ == GameMode::ServerPlaying && c != ownCamp_) {
      // The opponent's own station gives the game up when its camp passes the limit; one
      // that has not done so long after is not to be waited for.
      SendToAll(SetLastMessage(BuildWinn(ownCamp_)));
      EndServerGame(ownCamp_, /*boxFirst=*/false);
    }
    moveElapsed_ = 0;
  }
  ++totalTime_[i];
  ShowClockPanel(c);
}

// ---- Viewing side ----------------------------------------------------------------------

void Game::ChangeViewSide(int oldSide, int newSide) {
  if (oldSide == newSide || !IsValidViewSide(oldSide) || !IsValidViewSide(newSide)) return;
  for (Square& s : board_.PiecePos)
    if (OnBoard(s)) s = ChangeFrame(oldSide, newSide, s);
  for (int i = 1; i <= redoLimit_; ++i) {
    MoveRecord& r = records_[static_cast<std::size_t>(i)];
    if (r.IsPass) continue;
    const Square from = ChangeFrame(oldSide, newSide, {r.FromX, r.FromY});
    const Square to = ChangeFrame(oldSide, newSide, {r.ToX, r.ToY});
    r.FromX = from.x, r.FromY = from.y, r.ToX = to.x, r.ToY = to.y;
  }
  for (PieceId p = 0; p < kPieceCount; ++p)
    view_.RefreshPieceImage(p, board_.PiecePos[p]);
  PlaceMarkerForRecord(recordCount_);
  Rebuild();
  RebuildHistory();  // its squares are written in the view's frame
  AssertInvariants();
}

void Game::SelectViewSide(int side) {
  if (!IsValidViewSide(side)) return;
  for (int s = 0; s < kViewSideCount; ++s)
    view_.SetMenuChecked(kViewSideItems[s], s == side);
  ChangeViewSide(board_.ViewSide, side);
  board_.ViewSide = side;
}

void Game::miMyViewClick() {
  for (MenuItem item : kViewSideItems)
    view_.SetMenuChecked(item, false);
  const int side = ownCamp_ == Camp::Fir ? 2 : 0;
  view_.SetMenuChecked(kViewSideItems[side], true);
  ChangeViewSide(board_.ViewSide, side);
  board_.ViewSide = side;
}

// ---- Invariants ------------------------------------------------------------------------

void Game::AssertInvariants() const {
#ifndef NDEBUG
  const std::string broken = CheckInvariants();
  if (!broken.empty()) {
    std::fprintf(stderr, "game state broken: %s\n", broken.c_str());
    std::abort();
  }
#endif
}

std::string Game::CheckInvariants() const {
  if (!IsValidViewSide(board_.ViewSide)) return "view side out of range";
  if (recordCount_ < 0 || recordCount_ > redoLimit_ || redoLimit_ > kMaxRecords ||
      static_cast<std::size_t>(redoLimit_) >= records_.size())
    return "record counters out of order";

  int seen[kBoardSize][kBoardSize] = {};
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (!board_.StandsOnBoard(p)) continue;
    const Square s = board_.PiecePos[p];
    if (++seen[s.x][s.y] > 1) return "two pieces on one square";
    if (board_.At(s).Occupant != p) return "grid occupant disagrees with the positions";
  }
  Board fresh = board_;
  RebuildBoard(fresh);
  for (int x = 0; x < kBoardSize; ++x)
    for (int y = 0; y < kBoardSize; ++y)
      if (!(fresh.Cells[x][y] == board_.Cells[x][y])) return "grid is stale";

  for (Camp c : {Camp::Fir, Camp::Oak}) {
    const int i = Index(c);
    int captured = 0, value = 0;
    for (PieceId p = 0; p < kPieceCount; ++p) {
      if (CampOf(p) != c || board_.InPlay[p]) continue;
      ++captured;
      value += ValueOf(KindOf(p));
      if (board_.PiecePos[p] != kOffBoard) return "a captured piece keeps a square";
    }
    if (captured != capturedCount_[i] || static_cast<int>(tray_[i].size()) != captured)
      return "captured count disagrees with the captured pieces";
    if (materialBalance_[i] != -value) return "material balance disagrees with the captures";
    for (PieceId p : tray_[i])
      if (board_.InPlay[p] || CampOf(p) != c) return "tray holds a piece in play";
  }
  return {};
}

}  // namespace tamsok
