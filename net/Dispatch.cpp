#include "net/Dispatch.h"

#include "game/Format.h"
#include "net/NetTexts.h"
#include "net/TextCodec.h"
#include "rules/Catalogue.h"

namespace tamsok {

namespace {

namespace text = nettext;

bool IsFreeOrNetworkMode(GameMode m) {
  return m == GameMode::ServerFree || m == GameMode::ServerPlaying || m == GameMode::ClientFree ||
         m == GameMode::ClientPlaying;
}

Handled Reply(std::string reply) {
  return {std::move(reply), std::nullopt, {}};
}

Handled Refuse(std::string why) {
  return {{}, std::nullopt, std::move(why)};
}

std::string FieldErrorText(std::string_view head, ParseError e) {
  std::string message = text::kFieldError;
  message.replace(message.find("%s"), 2, head);
  message.replace(message.find("%s"), 2, ParseErrorText(e));
  return message;
}

Handled FieldError(std::string_view head, ParseError e) {
  return {{}, FieldErrorText(head, e), {}};
}

std::string WinText(Camp winner) {
  return Format(text::kWin, std::string(CampName(winner)).c_str());
}

// The server's game ends on the client's "Loss" or "Fini"; the "Winn" goes back to the
// sender only.
Handled EndOnClientMessage(Game& game, Camp winner) {
  std::string message = game.SetLastMessage(BuildWinn(winner));
  game.EndServerGame(winner, /*boxFirst=*/false);
  return Reply(std::move(message));
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
  if (head == kHeadFini) return EndOnClientMessage(game, game.ScoringWinner());
  if (game.SideToMove() == game.OwnCamp()) return Refuse(text::kNotTheTurn);

  if (head == kHeadPass) {
    if (!game.PassBookkeeping()) return EndOnFullRecord(game);
    game.SetPassPending(false);
    return Reply(std::string(message));
  }
  const Parsed<MoveFields> move = ReadMove(message);
  // A fragment cut short by a stalled link is no move; the error report shows it.
  if (move.error == ParseError::TooShort) return FieldError(head, move.error);
  if (!move) return EndOnRefusedMove(game, FieldErrorText(head, move.error));
  const int before = game.RecordCount();
  std::string reply = game.ApplyReceivedMove(move.value, message);
  if (game.RecordCount() != before) return Reply(std::move(reply));
  if (game.RecordsFull()) return EndOnFullRecord(game);
  return EndOnRefusedMove(game, reply.empty() ? text::kNotOfTheSideToMove : reply);
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
  return HandleGameMessage(game, message);
}

Handled HandleServerMessage(Game& game, std::string_view message) {
  const GameMode mode = game.Mode();
  if (!IsFreeOrNetworkMode(mode)) return Reply(std::string(message));
  const std::string_view head = HeadOf(message);

  if (head == kHeadMade) {
    if (mode != GameMode::ServerFree && mode != GameMode::ClientFree)
      return Reply(text::kBugInnerError);
    // Every field is read before anything changes.
    const Parsed<MadeFields> made = ReadMade(message);
    if (!made) return FieldError(head, made.error);
    const MadeFields& f = made.value;
    game.SetGameMode(GameMode::ClientPlaying);
    game.SetOwnCamp(f.campName == CampName(Camp::Fir) ? Camp::Fir : Camp::Oak);
    game.miNewClick();
    game.SetRequestTerms(f.unitTime, f.exceed, f.retract);
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
  return HandleGameMessage(game, message);
}

}  // namespace tamsok
