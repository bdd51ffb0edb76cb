// The game: one object that owns every piece of game state (the board, the mode, the turn,
// the clock, the per-camp counters and the move records) and every operation on it. It
// shows and sends through GameView and PeerLink only, so it runs and is tested without a
// window or a socket. Everything runs on one thread.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/GameView.h"
#include "game/Messages.h"
#include "rules/Board.h"
#include "rules/Catalogue.h"
#include "rules/MoveCheck.h"
#include "rules/Types.h"

namespace tamsok {

enum class GameMode : std::uint8_t {
  LocalFree = 0,
  LocalPlaying = 1,
  ServerFree = 2,
  ServerPlaying = 3,
  ClientFree = 4,
  ClientPlaying = 5,
};

// The mode's name as status panel 1 shows it.
std::string_view GameModeName(GameMode mode);

constexpr bool IsNetworkGame(GameMode m) {
  return m == GameMode::ServerPlaying || m == GameMode::ClientPlaying;
}
constexpr bool IsPlayingMode(GameMode m) {
  return m == GameMode::LocalPlaying || IsNetworkGame(m);
}

// The camp to move after `records` records of a game: Fir opens, and every record, a move or
// a pass, hands the turn over.
constexpr Camp SideAfterRecords(int records) {
  return records % 2 == 0 ? Camp::Fir : Camp::Oak;
}

// One move or pass of a game. Squares are in the current view frame; a pass record
// carries no squares anybody reads.
struct MoveRecord {
  std::int32_t Piece = -1;
  std::int32_t Captured = -1;
  std::int32_t FromX = -1, FromY = -1, ToX = -1, ToY = -1;
  bool IsPass = false;

  friend bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

// The terms of a network game, from its request.
struct NetworkTerms {
  int unitTime = 30;
  int exceedLimit = 10;
  int retractLimit = 0;
  std::optional<Camp> playedAs;  // nothing: this station watched the game

  friend bool operator==(const NetworkTerms&, const NetworkTerms&) = default;
};

class Game {
 public:
  // Records the array holds before it grows; a game may go on past it.
  static constexpr int kInitialRecordCapacity = 222;
  // A hard bound on the records of one game, so that no peer can make the array grow
  // without end. Moves and passes beyond it are refused.
  static constexpr int kMaxRecords = 9999;
  // Scoring decides a game only from this many records on (the rules' kScoringRecords).
  static constexpr int kScoringMinRecords = kScoringRecords;

  // `seed` draws the station identifier; without it the clock seeds the generator.
  Game(GameView& view, PeerLink& peer, std::optional<unsigned> seed = std::nullopt);

  // ---- Window creation, modes, new game ------------------------------------------------

  // The game-state part of creating the main window: start position in view side 0,
  // counters, LocalFree, the station identifier, and last a spectator until a mode is
  // chosen. Call once, when the view is ready.
  void FormCreate();
  // Applies the current mode to the menus, the clock and the mode panel.
  void ApplyGameMode();
  // GameMode := mode, then ApplyGameMode().
  void SetGameMode(GameMode mode);
  // GameMode := mode without ApplyGameMode (switching client mode on does this).
  void SetGameModeOnly(GameMode mode) { mode_ = mode; }
  void miNewClick();
  void miLocalAloneClick();
  // True (and "You are only a spectator" shown) when this station may not handle pieces.
  bool RefuseSpectator();

  // ---- Moves -----------------------------------------------------------------------

  // The local user released a dragged piece over view square (toX, toY).
  void PlayDroppedPiece(PieceId piece, int toX, int toY);
  // The view squares where a drop of `piece` would be played now: its legal targets when
  // this station may move it (a player with no pass awaiting its echo, the piece's camp to
  // move, in a network game the own camp, room left in the record); none otherwise.
  std::vector<Square> DropTargets(PieceId piece) const;
  // A "Move" from the peer, read into `fields` from `receivedText`. Returns the reply
  // (server) or the text to show (client); empty when the move is for the side not to
  // move. A move whose fields are out of range, that does not fit the local board or that
  // the rules refuse (as they would refuse the same drop here) changes nothing and returns
  // a text that says why.
  std::string ApplyReceivedMove(const MoveFields& fields, std::string_view receivedText);
  // The status text of a move: "[%3d][%s %s]{x%dy%d->x%dy%d}".
  static std::string MoveStatusText(int recordNumber, Camp camp, PieceKind kind, Square from,
                                    Square to);

  // ---- Records, history, undo and redo -----------------------------------------------

  // Restarts the move clock and appends, discarding any taken-back records; false (nothing
  // changed) when the game already holds kMaxRecords records.
  bool AppendRecord(const MoveRecord& record);
  bool RecordsFull() const { return recordCount_ >= kMaxRecords; }
  std::vector<std::string> HistoryLines() const;
  void RebuildHistory();
  void miUndoClick();
  void miUndoFirstClick();
  void miRedoClick();
  void miRedoLastClick();

  // ---- Pass, surrender, scoring, clock ---------------------------------------------

  // The state change of a pass put into force (Pass on the server, a received "Pass").
  // False (nothing changed) when the game record is full.
  bool PassBookkeeping();
  void miPassClick();
  void miLossgameClick();
  void miScoringClick();
  // Fir wins only when Oak has lost strictly more value; a tie goes to Oak.
  Camp ScoringWinner() const;
  // The end of a server game: ServerFree, the request list unlocked, the mode applied, and
  // the "<camp> Win" box, shown before the mode change or after it.
  void EndServerGame(Camp winner, bool boxFirst);
  // The status text of a move or pass refused because the record is full.
  static std::string_view RecordsFullText();
  void Timer1Timer();
  // The camp whose player has lost its link to the room: its clock counts nothing while it
  // is to move. Nothing: both players are there.
  void SetAwayCamp(std::optional<Camp> camp) { awayCamp_ = camp; }
  const std::optional<Camp>& AwayCamp() const { return awayCamp_; }
  // A room's opponent that lets its clock run this many exceedings past the agreed limit
  // without giving the game up has lost it: the room ends the game itself.
  static constexpr int kOvertimeGrace = 1;

  // ---- Viewing side ----------------------------------------------------------------

  // Re-expresses every stored square of side `oldSide` in side `newSide`; the caller stores
  // the new side afterwards (SelectViewSide does both).
  void ChangeViewSide(int oldSide, int newSide);
  // The four "View Side" items: check the item, change the side, store it.
  void SelectViewSide(int side);
  void miMyViewClick();

  // ---- State ------------------------------------------------------------------------

  GameMode Mode() const { return mode_; }
  Camp OwnCamp() const { return ownCamp_; }
  Camp SideToMove() const { return sideToMove_; }
  bool CanHandlePieces() const { return canHandlePieces_; }
  bool PassPending() const { return passPending_; }
  bool ClockRunning() const { return clockRunning_; }
  const std::string& StationId() const { return stationId_; }
  int RetractLimit() const { return retractLimit_; }
  int MoveElapsed() const { return moveElapsed_; }
  int UnitTime() const { return unitTime_; }
  int ExceedLimit() const { return exceedLimit_; }
  int ExceedCount(Camp c) const { return exceedCount_[Index(c)]; }
  int TotalTime(Camp c) const { return totalTime_[Index(c)]; }
  int CapturedCount(Camp c) const { return capturedCount_[Index(c)]; }
  int MaterialBalance(Camp c) const { return materialBalance_[Index(c)]; }
  int RecordCount() const { return recordCount_; }
  int RedoLimit() const { return redoLimit_; }
  // Record i, 1 <= i <= RedoLimit().
  const MoveRecord& Record(int i) const { return records_[static_cast<std::size_t>(i)]; }
  const std::string& LastMessage() const { return lastMessage_; }
  const Board& board() const { return board_; }
  int ViewSide() const { return board_.ViewSide; }

  void SetOwnCamp(Camp c) { ownCamp_ = c; }
  void SetCanHandlePieces(bool b);
  void SetPassPending(bool b) { passPending_ = b; }
  void SetStationId(std::string id) { stationId_ = std::move(id); }
  // The terms of a network game, set right after New game.
  void SetRequestTerms(int unitTime, int exceedLimit, int retractLimit);
  // The terms of the network game on the board; nothing for a local game.
  const std::optional<NetworkTerms>& Terms() const { return terms_; }
  // The winner of the game on the board once it has ended; nothing while it goes on.
  const std::optional<Camp>& Winner() const { return winner_; }
  // A client learns how its game ended from the room's "Winn".
  void SetWinner(Camp winner) { winner_ = winner; }
  // Counts the games this object has held: New game and an adopted game each start one.
  int GameNumber() const { return gameNumber_; }
  // Save is offered in the playing modes and, so that a finished game can be kept, while
  // the game that has just ended is still on the board.
  bool CanSave() const { return IsPlayingMode(mode_) || winner_.has_value() || interrupted_; }
  // The network game on the board stopped without an end (the room was lost, or it sent a
  // move the rules refuse): the mode becomes `freeMode`, and the game stays on the board,
  // where it can be saved, until the next game.
  void Interrupt(GameMode freeMode);
  bool Interrupted() const { return interrupted_; }
  // While set, a received move is put on its square at once instead of gliding there: the
  // receiver is catching up with moves that wait behind it.
  void SetQuickMoves(bool quick) { quickMoves_ = quick; }
  // Takes over a game replayed on another object (a loaded file) as a local game in
  // LocalPlaying: its board, records, trays and turn, with the given result and terms. The
  // clock starts afresh; every image, the marker, the history and the view side's menu
  // marks are redrawn.
  void AdoptReplayed(const Game& replayed, std::optional<Camp> winner,
                     std::optional<NetworkTerms> terms);
  // Remembers a composed message as the last message text and returns it.
  const std::string& SetLastMessage(std::string text);

  // Sends through the peer link; empty texts are not sent.
  void SendToAll(const std::string& text);
  void SendToServer(const std::string& text);

  GameView& view() { return view_; }

  // Consistency of the whole state; checked after every operation in tests and debug
  // builds. Returns an empty string when everything holds, else what is wrong.
  std::string CheckInvariants() const;

 private:
  // Debug builds stop at the first operation that leaves the state inconsistent.
  void AssertInvariants() const;
  // Every change of turn goes through here, so the view always marks the side to move.
  void SetSideToMove(Camp side);
  void LoadStartPosition();
  void ResetDragAndRebuild();
  // Rebuilds the grid and tells the view, which may draw what the grid says.
  void Rebuild();
  void PlaceMarkerForRecord(int index);
  void UndoOne();
  void RedoOne();
  void CaptureIntoTray(PieceId captured);
  void ReleaseFromTray(PieceId captured, Square to);
  void ShowClockPanel(Camp c);
  void RefreshClockPanels();
  std::string ClockPanelText(Camp c, int secondsLeft) const;
  static std::string MakeStationId(unsigned seed);

  GameView& view_;
  PeerLink& peer_;
  Board board_;
  GameMode mode_ = GameMode::LocalFree;
  Camp ownCamp_ = Camp::Fir;
  Camp sideToMove_ = Camp::Fir;
  bool canHandlePieces_ = false;
  bool passPending_ = false;
  bool clockRunning_ = false;
  std::string stationId_;
  int retractLimit_ = 0;
  int moveElapsed_ = 0;
  int unitTime_ = 30;
  int exceedLimit_ = 10;
  std::array<int, kCampCount> exceedCount_{};
  std::array<int, kCampCount> totalTime_{};
  std::array<int, kCampCount> capturedCount_{};
  std::array<int, kCampCount> materialBalance_{};
  // Index 0 is never used; records 1..redoLimit_ are meaningful.
  std::vector<MoveRecord> records_;
  int recordCount_ = 0;
  int redoLimit_ = 0;
  // The pieces of each camp's tray, bottom slot first: a stack mirrored by the counters.
  std::array<std::vector<PieceId>, kCampCount> tray_;
  std::string lastMessage_;
  unsigned seed_ = 0;
  std::optional<Camp> winner_;
  std::optional<NetworkTerms> terms_;
  int gameNumber_ = 0;
  bool interrupted_ = false;
  bool quickMoves_ = false;
  std::optional<Camp> awayCamp_;
  // Whether the clock panels show a game (not their start-up captions), and the seconds-left
  // figure each last showed.
  bool clockShown_ = false;
  std::array<int, kCampCount> secondsLeftShown_{};
};

}  // namespace tamsok
