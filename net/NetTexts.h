// Every text the network layer shows or composes, in one table.
#pragma once

namespace tamsok::nettext {

// Dispatchers.
inline constexpr const char* kPassShown = "pass";
inline constexpr const char* kGameOver = "Game over";
inline constexpr const char* kInnerError = "Inner error";
inline constexpr const char* kBugInnerError = "[BUG] Some inner error";
inline constexpr const char* kMadeNewGameShown = "Made new game...";
inline constexpr const char* kMadeSomeGamePanel = "Made some game. ";
inline constexpr const char* kMadeSomeGameShown = "Made some game";
inline constexpr const char* kStartNewGame = "Start new game";
inline constexpr const char* kWinSuffix = " Win";
inline constexpr const char* kFieldError = "Cannot read the \"%s\" message: %s";

// Why the room refused a text (listed, not sent), and the notice that goes with a game the
// room ends. None begins with a message head, so no station takes one for a message.
inline constexpr const char* kNotThePlayer = "Refused: only the player of the game may send this";
inline constexpr const char* kNotTheTurn = "Refused: it is not the player's turn";
inline constexpr const char* kNoGame = "Refused: no game is in progress";
inline constexpr const char* kNotOfTheSideToMove =
    "Refused move: the piece is not of the side to move";
// A move of the player that the room cannot play ends the game, since the player has
// already passed the turn: without an end each station would wait for the other. The
// reason follows.
inline constexpr const char* kGameEndedOnRefusal = "The room ends the game. ";
// The game record is full: nobody can move any more, and the game is scored.
inline constexpr const char* kGameEndedFull = "The room ends the game: the record is full. Scored.";

// The reply to a "Fini" sent before the scoring minimum; it begins with no message head.
inline constexpr const char* kScoringTooEarly = "Scoring refused: fewer than 50 records";
// A client that finds the room's move refused by the rules stops its game; the reason
// follows the first text.
inline constexpr const char* kRoomMoveRefusedCaption = "Notice";
inline constexpr const char* kRoomMoveRefused = "The room sent a move that is not allowed. ";
inline constexpr const char* kRoomMoveRefusedEnd =
    "\nThe game stops here; it stays on the board and can be saved.";
inline constexpr const char* kGameResumed = "Game resumed";

// Shown after a received text that was cut for display: its whole length in bytes.
inline constexpr const char* kCutMark = " [... cut, %zu bytes in all]";

// Server role.
inline constexpr const char* kServerMode = "Server mode";
inline constexpr const char* kDisconnected = "Disconnected";
inline constexpr const char* kConnected = "Connected";
inline constexpr const char* kConnectedTo = "Connected to: ";
inline constexpr const char* kConfirm = "Confirm";
inline constexpr const char* kMadeNewGame = "Made new game";
inline constexpr const char* kMadeNewGameComplete = "Made new game(Complete)";
inline constexpr const char* kCannotOpenRoom = "Cannot open the room on port %d: %s";

// The room's player away. "%s" is the camp's name, "%d" the seconds left.
inline constexpr const char* kPlayerAway = "%s's player left: waiting %d s for them to return";
inline constexpr const char* kPlayerAwayOver =
    "%s's player has not returned. Claim the win, or keep waiting.";
inline constexpr const char* kPlayerBack = "%s's player is back: the game goes on";

// Client role.
inline constexpr const char* kDisconnectedFrom = "Disconnected :";
inline constexpr const char* kWaitForSearching = "Wait for Searching [";
inline constexpr const char* kWaitForSearchingEnd = "]";
inline constexpr const char* kTryAgain = "Try again !!!";
inline constexpr const char* kSocketErrorCaption = "Socket Error";
inline constexpr const char* kSocketErrorPanel = "Socket error";
inline constexpr const char* kNoAddress = "No address specified";
inline constexpr const char* kBadAddress = "Not a dotted IPv4 address: ";
inline constexpr const char* kAsyncSocketError = "Asynchronous socket error %d";
inline constexpr const char* kRequestGameWait = "Request Game, wait";
// Our own request came back unchanged: the room is busy with another game.
inline constexpr const char* kRoomBusy = "The room is playing a game; try again when it ends";
// The room was lost during a game. "%s" is the room's address.
inline constexpr const char* kRoomClosed = "The room at %s closed the connection.";
inline constexpr const char* kRoomSilent = "The room at %s stopped answering.";
inline constexpr const char* kRoomUnreachable = "The room at %s cannot be reached.";
inline constexpr const char* kRoomLostEnd =
    "\nThe game stays on the board and can be saved. Reconnect to go on with it if the room "
    "still waits for you.";

}  // namespace tamsok::nettext
