// The dispatchers: what a received text does to the game, and what goes back. They are
// plain functions over a Game, so they run without sockets; the roles feed them one
// message at a time and send or show what they return.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

  friend bool operator==(const Handled&, const Handled&) = default;
};

// The step both dispatchers share: "Move", "Pass" and the reserved retraction heads; any
// other text comes back unchanged.
Handled HandleGameMessage(Game& game, std::string_view text);

// The server's dispatcher, for a text from the client at `address` (dotted IPv4).
Handled HandleClientMessage(Game& game, RequestList& requests, std::string_view address,
                            std::string_view text);

// The client's dispatcher, for a text from the server.
Handled HandleServerMessage(Game& game, std::string_view text);

}  // namespace tamsok
