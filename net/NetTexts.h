// Every text the network layer shows or composes, in one table. The marked ones are translated
// by the windows; the receive list shows the network's texts untranslated, as they come.
#pragma once

#include "rules/TextMark.h"

namespace tamsok::nettext {

// Dispatchers.
inline constexpr const char* kPassShown = TR_NOOP("tamsok", "pass");
inline constexpr const char* kGameOver = TR_NOOP("tamsok", "Game over");
inline constexpr const char* kInnerError = TR_NOOP("tamsok", "Inner error");
inline constexpr const char* kBugInnerError = TR_NOOP("tamsok", "[BUG] Some inner error");
inline constexpr const char* kBugInnerErrorWhy = TR_NOOP("tamsok", "[BUG] Some inner error: %s");
inline constexpr const char* kMadeNewGameShown = TR_NOOP("tamsok", "Made new game...");
inline constexpr const char* kMadeSomeGamePanel = TR_NOOP("tamsok", "Made some game. ");
inline constexpr const char* kMadeSomeGameShown = TR_NOOP("tamsok", "Made some game");
inline constexpr const char* kStartNewGame = TR_NOOP("tamsok", "Start new game");
inline constexpr const char* kWin = TR_NOOP("tamsok", "%s Win");
inline constexpr const char* kFieldError = TR_NOOP("tamsok", "Cannot read the \"%s\" message: %s");

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
// A client that finds the room's move refused by the rules stops its game: the line it
// shows and its box, "%s" the reason.
inline constexpr const char* kRoomMoveRefusedCaption = TR_NOOP("tamsok", "Notice");
inline constexpr const char* kRoomMoveRefused =
    TR_NOOP("tamsok", "The room sent a move that is not allowed. %s");
inline constexpr const char* kRoomMoveRefusedBox =
    TR_NOOP("tamsok",
            "The room sent a move that is not allowed. %s\nThe game stops here; it stays on the "
            "board and can be saved.");
inline constexpr const char* kGameResumed = TR_NOOP("tamsok", "Game resumed");

// Shown after a received text that was cut for display: its whole length in bytes.
inline constexpr const char* kCutMark = " [... cut, %zu bytes in all]";

// Server role.
inline constexpr const char* kServerMode = TR_NOOP("tamsok", "Server mode");
inline constexpr const char* kDisconnected = TR_NOOP("tamsok", "Disconnected");
inline constexpr const char* kConnected = TR_NOOP("tamsok", "Connected");
inline constexpr const char* kConnectedTo = TR_NOOP("tamsok", "Connected to: %s");
inline constexpr const char* kConfirm = TR_NOOP("tamsok", "Confirm");
inline constexpr const char* kMadeNewGame = TR_NOOP("tamsok", "Made new game");
inline constexpr const char* kMadeNewGameComplete = TR_NOOP("tamsok", "Made new game(Complete)");
inline constexpr const char* kCannotOpenRoom =
    TR_NOOP("tamsok", "Cannot open the room on port %d: %s");

// The room's player away. "%s" is the camp's name, "%d" the seconds left.
inline constexpr const char* kPlayerAway =
    TR_NOOP("tamsok", "%s's player left: waiting %d s for them to return");
inline constexpr const char* kPlayerAwayOver =
    TR_NOOP("tamsok", "%s's player has not returned. Claim the win, or keep waiting.");
inline constexpr const char* kPlayerBack =
    TR_NOOP("tamsok", "%s's player is back: the game goes on");

// Client role.
inline constexpr const char* kDisconnectedFrom = TR_NOOP("tamsok", "Disconnected :%s");
inline constexpr const char* kWaitForSearching = TR_NOOP("tamsok", "Wait for Searching [%s]");
inline constexpr const char* kTryAgain = TR_NOOP("tamsok", "Try again !!!");
inline constexpr const char* kSocketErrorCaption = TR_NOOP("tamsok", "Socket Error");
inline constexpr const char* kSocketErrorPanel = TR_NOOP("tamsok", "Socket error");
inline constexpr const char* kNoAddress = TR_NOOP("tamsok", "No address specified");
inline constexpr const char* kBadAddress = TR_NOOP("tamsok", "Not a dotted IPv4 address: %s");
inline constexpr const char* kAsyncSocketError = TR_NOOP("tamsok", "Asynchronous socket error %d");
inline constexpr const char* kRequestGameWait = TR_NOOP("tamsok", "Request Game, wait");
// Our own request came back unchanged: the room is busy with another game.
inline constexpr const char* kRoomBusy =
    TR_NOOP("tamsok", "The room is playing a game; try again when it ends");
// The room was lost during a game; "%s" is its address.
inline constexpr const char* kRoomClosed =
    TR_NOOP("tamsok",
            "The room at %s closed the connection.\nThe game stays on the board and can be saved. "
            "Reconnect to go on with it if the room still waits for you.");
inline constexpr const char* kRoomSilent =
    TR_NOOP("tamsok",
            "The room at %s stopped answering.\nThe game stays on the board and can be saved. "
            "Reconnect to go on with it if the room still waits for you.");
inline constexpr const char* kRoomUnreachable =
    TR_NOOP("tamsok",
            "The room at %s cannot be reached.\nThe game stays on the board and can be saved. "
            "Reconnect to go on with it if the room still waits for you.");

}  // namespace tamsok::nettext
