#include "net/Dispatch.h"

#include "game/Format.h"
#include "net/NetTexts.h"
#include "net/TextCodec.h"
#include "rules/Catalogue.h"
#include "rules/Frames.h"

namespace tamsok {

namespace {

namespace text = nettext;

bool IsFreeOrNetworkMode(GameMode m) {
  return m == GameMode::ServerFree || m == GameMode::ServerPlaying || m == GameMode::ClientFree ||
         m == GameMode::ClientPlaying;
}

Handled Reply(std::string reply) {
  return {std::move(reply), std::nullopt, {}, {}};
}

Handled Refuse(std::string why) {
  return {{}, std::nullopt, std::move(why), {}};
}

// The reply, and the same texts for the spectators at other addresses.
Handled ReplyAndRelay(std::string reply, std::vector<std::string> relay) {
  return {std::move(reply), std::nullopt, {}, std::move(relay)};
}

std::string FieldErrorText(std::string_view head, ParseError e) {
  std::string message = text::kFieldError;
  message.replace(message.find("%s"), 2, head);
  message.replace(message.find("%s"), 2, ParseErrorText(e));
  return message;
}

Handled FieldError(std::string_view head, ParseError e) {
  return {{}, FieldErrorText(head, e), {}, {}};
}

std::string WinText(Camp winner) {
  return Format(text::kWin, std::string(CampName(winner)).c_str());
}

// The server's game ends on the client's "Loss" or "Fini"; the "Winn" goes back to the
// sender and to every other connection.
Handled EndOnClientMessage(Game& game, Camp winner) {
  std::string message = game.SetLastMessage(BuildWinn(winner));
  game.EndServerGame(winner, /*boxFirst=*/false);
  return ReplyAndRelay(message, {message});
}

// The player has passed the turn on its own board and waits for the room's move; a move or
// pass of it that the room cannot put into force would leave each side waiting for the
// other. The game ends instead: every connection gets the "Winn", the player's address also
// the reason.
Handled EndOnRefusal(Game& game, Camp winner, std::string notice) {
  game.SendToAll(game.SetLastMessage(BuildWinn(winner)));
  game.EndServerGame(winner, /*boxFirst=*/false);
  return Reply(std::move(notice));
}

Handled EndOnRefusedMove(Game& game, std::string_view reason) {
  return EndOnRefusal(game, game.OwnCamp(), text::kGameEndedOnRefusal + std::string(reason));
}

Handled EndOnFullRecord(Game& game) {
  return EndOnRefusal(game, game.ScoringWinner(), text::kGameEndedFull);
}

// "Move", "Pass", "Loss" and "Fini" received by the room (see HandleClientMessage).
Handled FromThePlayer(Game& game, const ClientSender& sender, std::string_view message) {
  const std::string_view head = HeadOf(message);
  const bool ending = head == kHeadLoss || head == kHeadFini;
  if (game.Mode() != GameMode::ServerPlaying) return ending ? Reply({}) : Refuse(text::kNoGame);
  if (!sender.player) return Refuse(text::kNotThePlayer);
  if (head == kHeadLoss) return EndOnClientMessage(game, game.OwnCamp());
  if (head == kHeadFini) {
    // The player's station asks for the minimum before it sends; the room checks it too.
    if (game.RecordCount() < Game::kScoringMinRecords) return Reply(text::kScoringTooEarly);
    return EndOnClientMessage(game, game.ScoringWinner());
  }
  if (game.SideToMove() == game.OwnCamp()) return Refuse(text::kNotTheTurn);

  if (head == kHeadPass) {
    if (!game.PassBookkeeping()) return EndOnFullRecord(game);
    game.SetPassPending(false);
    return ReplyAndRelay(std::string(message), {std::string(message)});
  }
  const Parsed<MoveFields> move = ReadMove(message);
  // A fragment cut short by a stalled link is no move; the error report shows it.
  if (move.error == ParseError::TooShort) return FieldError(head, move.error);
  if (!move) return EndOnRefusedMove(game, FieldErrorText(head, move.error));
  const int before = game.RecordCount();
  std::string reply = game.ApplyReceivedMove(move.value, message);
  if (game.RecordCount() != before) {
    // Spectators elsewhere get the move itself, and then the "Winn" it may have caused.
    std::vector<std::string> relay{std::string(message)};
    if (reply != message) relay.push_back(reply);
    return ReplyAndRelay(std::move(reply), std::move(relay));
  }
  if (game.RecordsFull()) return EndOnFullRecord(game);
  return EndOnRefusedMove(game, reply.empty() ? text::kNotOfTheSideToMove : reply);
}

bool IsChatLine(std::string_view text) {
  return !text.empty() && text.front() == '[';
}

// The room has sent a move that this station cannot play: the game stops, kept as it is.
Handled StopOnRoomMove(Game& game, const std::string& reason) {
  game.Interrupt(GameMode::ClientFree);
  game.view().ShowMessageBox(Format(text::kRoomMoveRefusedBox, reason.c_str()),
                             text::kRoomMoveRefusedCaption, BoxButtons::Ok);
  return Reply(Format(text::kRoomMoveRefused, reason.c_str()));
}

}  // namespace

Handled HandleGameMessage(Game& game, std::string_view message) {
  const std::string_view head = HeadOf(message);
  if (head == kHeadMove) {
    const Parsed<MoveFields> move = ReadMove(message);
    if (!move) return FieldError(head, move.error);
    return Reply(game.ApplyReceivedMove(move.value, message));
  }
  if (head == kHeadUnFi || head == kHeadUndo || head == kHeadRedo || head == kHeadReLa)
    return Reply({});
  if (head == kHeadPass) {
    // Put into force whoever is to move: the server is the judge of turns.
    if (!game.PassBookkeeping()) return Reply(std::string(Game::RecordsFullText()));
    const bool client =
        game.Mode() == GameMode::ClientFree || game.Mode() == GameMode::ClientPlaying;
    game.SetPassPending(false);
    return Reply(client ? text::kPassShown : std::string(message));
  }
  return Reply(std::string(message));
}

Handled HandleClientMessage(Game& game, RequestList& requests, const ClientSender& sender,
                            std::string_view message) {
  const GameMode mode = game.Mode();
  if (!IsFreeOrNetworkMode(mode)) return Reply(std::string(message));
  const std::string_view head = HeadOf(message);

  if (head == kHeadRequ) {
    if (IsNetworkGame(mode)) return Reply(std::string(message));
    const Parsed<RequFields> r = ReadRequ(message);
    if (!r) return FieldError(head, r.error);
    const RequFields& f = r.value;
    requests.AddUniqueLine(BuildRoomLine(sender.address, CampName(static_cast<Camp>(f.camp)),
                                         f.unitTime, f.exceed, f.retract, f.stationId));
    return Reply(std::string(kRequested));
  }
  if (head == kHeadBoad) {
    const bool free = mode == GameMode::ServerFree || mode == GameMode::ClientFree;
    return Reply(free ? std::string(message) : std::string());
  }
  if (head == kHeadMove || head == kHeadPass || head == kHeadLoss || head == kHeadFini)
    return FromThePlayer(game, sender, message);
  Handled h = HandleGameMessage(game, message);
  // A chat line comes back to its sender and goes to everybody else: a room is one table.
  if (IsChatLine(message) && h.reply == message) h.relay.push_back(h.reply);
  return h;
}

Handled HandleServerMessage(Game& game, std::string_view message, bool resuming) {
  const GameMode mode = game.Mode();
  if (!IsFreeOrNetworkMode(mode)) return Reply(std::string(message));
  const std::string_view head = HeadOf(message);

  if (head == kHeadMade) {
    // Every field is read before anything changes.
    const Parsed<MadeFields> made = ReadMade(message);
    const bool resumed = resuming && made && made.value.stationId == game.StationId() &&
                         (mode == GameMode::ClientFree || mode == GameMode::ClientPlaying);
    if (mode != GameMode::ServerFree && mode != GameMode::ClientFree && !resumed)
      return Reply(text::kBugInnerError);
    if (!made) return FieldError(head, made.error);
    const MadeFields& f = made.value;
    game.SetGameMode(GameMode::ClientPlaying);
    game.SetOwnCamp(f.campName == CampName(Camp::Fir) ? Camp::Fir : Camp::Oak);
    game.miNewClick();
    game.SetRequestTerms(f.unitTime, f.exceed, f.retract);
    if (resumed) {
      game.SetCanHandlePieces(true);
      game.view().ShowStatus(kPanelGame, text::kGameResumed);
      return Reply(text::kGameResumed);
    }
    if (f.stationId == game.StationId()) {
      game.SetCanHandlePieces(true);
      game.view().ShowStatus(kPanelGame, text::kMadeNewGameShown);
      game.view().ShowMessageBox(ShownText(f.body), text::kStartNewGame, BoxButtons::Ok);
      return Reply(text::kMadeNewGameShown);
    }
    game.SetCanHandlePieces(false);
    game.view().ShowStatus(kPanelGame, text::kMadeSomeGamePanel);
    return Reply(text::kMadeSomeGameShown);
  }
  if (head == kHeadBoad) return Reply({});
  if (head == kHeadWinn) {
    if (mode != GameMode::ClientFree && mode != GameMode::ClientPlaying)
      return Reply(text::kInnerError);
    const Parsed<Camp> winner = ReadWinn(message);
    if (!winner) return FieldError(head, winner.error);
    game.SetWinner(winner.value);
    game.view().ShowMessageBox(WinText(winner.value), text::kGameOver, BoxButtons::Ok);
    game.SetGameMode(GameMode::ClientFree);
    return Reply(text::kGameOver);
  }
  const int before = game.RecordCount();
  Handled h = HandleGameMessage(game, message);
  if (head == kHeadMove && mode == GameMode::ClientPlaying && !h.error &&
      game.RecordCount() == before && !h.reply.empty())
    return StopOnRoomMove(game, h.reply);
  return h;
}

std::vector<std::string> CatchUpMessages(const Game& game, const std::string& made) {
  std::vector<std::string> messages{made};
  messages.reserve(static_cast<std::size_t>(game.RecordCount()) + 1);
  const int side = game.ViewSide();
  for (int i = 1; i <= game.RecordCount(); ++i) {
    const MoveRecord& r = game.Record(i);
    if (r.IsPass) {
      messages.push_back(BuildPass());
      continue;
    }
    const Square from = ToCanonical(side, {r.FromX, r.FromY});
    const Square to = ToCanonical(side, {r.ToX, r.ToY});
    messages.push_back(BuildMove({r.Piece, r.Captured, from.x, from.y, to.x, to.y, 0}));
  }
  return messages;
}

std::string MadeForSpectators(std::string made) {
  // "Made[Fir][ 30][  5][  0][" is 25 characters; the identifier follows.
  constexpr std::size_t kIdAt = kMadeLength - 1 - kStationIdLength;
  if (made.size() == static_cast<std::size_t>(kMadeLength))
    made.replace(kIdAt, kStationIdLength, std::string(kStationIdLength, ' '));
  return made;
}

}  // namespace tamsok
