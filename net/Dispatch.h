// The dispatchers: what a received text does to the game, and what goes back. They are
// plain functions over a Game, so they run without sockets; the roles feed them one
// message at a time and send or show what they return.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/Game.h"

namespace tamsok {

// The server's list of waiting game requests.
class RequestList {
 public:
  virtual ~RequestList() = default;
  // Appends the line unless an equal line is already listed.
  virtual void AddUniqueLine(const std::string& line) = 0;
};

// The outcome of handling one text: the reply to send (server) or the text to show (client),
// or an error for the general error report when a field of the text did not convert. A text
// with an error changed nothing, and nothing is sent or listed for it.
struct Handled {
  std::string reply;
  std::optional<std::string> error;
  // Why the room took a text without effect and without an answer (a move from someone who
  // is not the player, or out of turn): shown in its receive list, never sent, so a peer
  // cannot make the room send more than it sent itself.
  std::string refusal;
  // The room's texts that go, after the reply, to every connection at an address other
  // than the sender's, so that spectators everywhere follow the game and the talk: the
  // player's accepted moves and passes, the "Winn" that ends a game on the player's message,
  // and chat lines.
  std::vector<std::string> relay;

  friend bool operator==(const Handled&, const Handled&) = default;
};

// The client's step for "Move" and "Pass", and what both dispatchers share: the reserved
// retraction heads, and any other text, which comes back unchanged.
Handled HandleGameMessage(Game& game, std::string_view text);

// Who sent a text to the room.
struct ClientSender {
  std::string_view address;  // dotted IPv4
  // Whether it came on the connection whose request the room accepted for the game in
  // progress. Several copies may share an address, so only the connection tells.
  bool player = false;
};

// The server's dispatcher. "Move", "Pass", "Loss" and "Fini" are taken only from the player,
// and a move or a pass only in the player's turn; anything else changes nothing and gets no
// answer (see Handled::refusal). A move or pass of the player that the room cannot put into
// force (the rules refuse it, or it does not fit the room's board) ends the game, since the
// player has already passed the turn. A "Fini" before the scoring minimum changes nothing
// and gets a short line that no station takes for a message.
Handled HandleClientMessage(Game& game, RequestList& requests, const ClientSender& sender,
                            std::string_view text);

// The client's dispatcher, for a text from the server. A move of the room that the rules
// refuse, or that does not fit this board, stops the game in ClientPlaying: it stays on the
// board, can be saved, and the box says why. With `resuming`, this station is taking its
// seat back in a game it lost the link to: a "Made" naming it restarts the game even in
// ClientPlaying, without the "Start new game" box, and the moves that follow catch it up.
Handled HandleServerMessage(Game& game, std::string_view text, bool resuming = false);

// The game so far as the messages a station that followed it from the start would have
// got: `made`, then each record as the room's "Move" or "Pass" (squares canonical).
std::vector<std::string> CatchUpMessages(const Game& game, const std::string& made);

// A "Made" with the requester's identifier left blank, for the stations that join a game
// under way: none of them takes itself for the player.
std::string MadeForSpectators(std::string made);

}  // namespace tamsok
