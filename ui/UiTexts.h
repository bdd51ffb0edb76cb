// Every caption and text that the windows show, in one place. The texts the game layer
// writes into the status bar and its message boxes live in game/; these are the windows' own.
#pragma once

namespace tamsok::ui_text {

// ---- Window captions ---------------------------------------------------------------------
inline constexpr const char* kBoardFormCaption = "Tamsok Janggi 1.2.0 - 3rd revision rule";
inline constexpr const char* kChatFormCaption = "Chatting window";
inline constexpr const char* kAboutBoxCaption = "About";
inline constexpr const char* kKiboFormCaption = "Move History";
inline constexpr const char* kProtocolFormCaption = "Room status";
inline constexpr const char* kRequestFormCaption = "Request game (always fir camp first)";
inline constexpr const char* kInputIPFormCaption = "Input Server IP";

// ---- Status bar: initial panel texts, left to right ---------------------------------------
inline constexpr const char* kInitialPanel[5] = {"Disconnected", "idle", "Green Time/exceed",
                                                 "Red Time/exceed", "Game Status"};

// ---- Top-level menus ----------------------------------------------------------------------
inline constexpr const char* kMenuMetaplay = "Metaplay";
inline constexpr const char* kMenuFile = "File";
inline constexpr const char* kMenuPlaying = "Playing";
inline constexpr const char* kMenuInterface = "Interface";
inline constexpr const char* kMenuHelp = "Help";
inline constexpr const char* kMenuBoardFigure = "Board Figure (784*512)";
inline constexpr const char* kMenuViewSide = "View Side";

// ---- Menu items ---------------------------------------------------------------------------
inline constexpr const char* kServerMode = "Server mode";
inline constexpr const char* kClientMode = "Client mode";
inline constexpr const char* kReqGame = "New game (Client -> Server)";
inline constexpr const char* kNewGame = "New game (Disconnected)";
inline constexpr const char* kLocalAlone = "Disconnect state";
inline constexpr const char* kExit = "Exit";
inline constexpr const char* kLoad = "Load";
inline constexpr const char* kSave = "Save";
inline constexpr const char* kSaveas = "Save as";
inline constexpr const char* kUndoFirst = "Undo [First]";
inline constexpr const char* kUndo = "Undo [Previous]";
inline constexpr const char* kRedo = "Redo [Next]";
inline constexpr const char* kRedoLast = "Redo [Last]";
inline constexpr const char* kPass = "Pass";
inline constexpr const char* kSurrender = "Surrender";
inline constexpr const char* kScoring = "Scoring";
inline constexpr const char* kWood = "Wood";
inline constexpr const char* kSlate = "Slate";
inline constexpr const char* kMarbtea = "Marbtea";
inline constexpr const char* kPBfoil = "PBfoil";
inline constexpr const char* kR0 = "Oak(Red) Camp";
inline constexpr const char* kR90 = "Oak - Fir Side";
inline constexpr const char* kR180 = "Fir(Green) Camp";
inline constexpr const char* kR270 = "Fir - Oak Side";
inline constexpr const char* kMyView = "My view";
inline constexpr const char* kKilledPiece = "Show Captured Piece";
inline constexpr const char* kShowLegalMoves = "Show legal moves";
inline constexpr const char* kShowInfluence = "Show influence";
inline constexpr const char* kShowMoveHistory = "Show Move History";
inline constexpr const char* kHideMoveHistory = "Hide Move History";
inline constexpr const char* kShowChatWindow = "Show Chat Window";
inline constexpr const char* kHideChatWindow = "Hide Chat Window";
inline constexpr const char* kRoomState = "Show Room Status (In Server mode)";
inline constexpr const char* kAttach = "Alignment Windows";
inline constexpr const char* kSoundTTag = "Sound Effect";
inline constexpr const char* kAbout = "About Tamsok janggi";

// ---- The computer opponent -----------------------------------------------------------------
inline constexpr const char* kMenuComputer = "Computer";
inline constexpr const char* kComputerPlaysOak = "New game (Computer plays Oak)";
inline constexpr const char* kComputerPlaysFir = "New game (Computer plays Fir)";
inline constexpr const char* kEasy = "Easy";
inline constexpr const char* kMedium = "Medium";
inline constexpr const char* kHard = "Hard";
inline constexpr const char* kHint = "Hint";
inline constexpr const char* kStopThinking = "Stop thinking";
// Game status panel texts; %1 is a camp name, the squares are written as in a move's status
// text (column from the left, row from the bottom).
inline constexpr const char* kComputerThinking = "%1 (computer) is thinking";
inline constexpr const char* kComputerThinkingDepth = "%1 (computer) is thinking: depth %2";
inline constexpr const char* kHintSearching = "Looking for a hint";
inline constexpr const char* kHintSearchingDepth = "Looking for a hint: depth %1";
inline constexpr const char* kHintMove = "Hint: %1 %2 x%3y%4->x%5y%6";
inline constexpr const char* kHintPass = "Hint: Pass (no legal move)";
inline constexpr const char* kComputerPieces = "The computer plays %1: move a %2 piece";
inline constexpr const char* kWaitForComputer = "The computer is thinking: wait for its move";

// ---- Message boxes and file dialogs of the main window ------------------------------------
inline constexpr const char* kConquered = "You are conquered";
inline constexpr const char* kGameOverBye = "Game over & Bye";
// The caption of the general error report.
inline constexpr const char* kErrorCaption = "Tamsok Janggi";
inline constexpr const char* kGameFilePattern = "*.TMK";
// What a game file's name gets when it is saved without an extension.
inline constexpr const char* kGameFileSuffix = ".TMK";
// %1 is the file's name, %2 what went wrong.
inline constexpr const char* kLoadFailed = "%1 was not loaded.\n%2";
inline constexpr const char* kReadFailed = "%1 could not be read: %2";
inline constexpr const char* kWriteFailed = "%1 could not be saved: %2";
// Shown in the game status panel.
inline constexpr const char* kLoaded = "Loaded %1";
inline constexpr const char* kSaved = "Saved %1";

// ---- Questions before a game is given up (OK goes on, Cancel keeps the game) -------------
inline constexpr const char* kConfirmCaption = "Confirm";
inline constexpr const char* kAskSurrender = "Give up this game?";
inline constexpr const char* kAskScoring =
    "End this game now and let the captured pieces decide it?";
inline constexpr const char* kAskLocalAlone = "Leave this game unfinished?";
inline constexpr const char* kAskNewGame = "Give up this game and start a new one?";

// ---- Stepping through the records, and a finished game ----------------------------------
// Panel 4 after an undo: %1 is the status text of the move taken back.
inline constexpr const char* kTakenBack = "Taken back: %1";
// Panel 4 when a piece is picked up on a finished game in LocalFree.
inline constexpr const char* kFinishedGame = "The game is over: step through it or start a new one";
// The result of the game on the board, kept over its top edge until the next game. %1 is the
// winner's camp; %2 says it from the player's side.
inline constexpr const char* kResult = "Game over: %1 Win";
inline constexpr const char* kResultForPlayer = "Game over: %1 Win - %2";
inline constexpr const char* kYouWin = "You win";
inline constexpr const char* kYouLose = "You lose";

// ---- Tooltips of the clock panels: %1 the camp, then the figures of the panel --------------
inline constexpr const char* kClockTip =
    "%1's clock\n"
    "Time used: %2 min %3 s\n"
    "Left for this move: %4 s\n"
    "Time exceedings: %5 of %6 allowed\n"
    "Material lost: %7";
inline constexpr const char* kClockLegendTip =
    "%1's clock: time used, seconds left for this move, time exceedings used and allowed, "
    "and the value of the pieces lost";

// ---- Keyboard play ---------------------------------------------------------------------
// The move being typed, shown over the board; %1 is what was typed.
inline constexpr const char* kTypedMove = "Move: %1";
// Panel 4 for a typed move that cannot be read, and for one from an empty square.
inline constexpr const char* kNotAMove = "Not a move: %1 (type two squares, such as a2a3)";
inline constexpr const char* kNoPieceOn = "No piece on %1";

// ---- What assistive technology reads --------------------------------------------------------
inline constexpr const char* kBoardName = "Board";
inline constexpr const char* kBoardHelp =
    "Arrow keys move the cursor; Enter or Space picks up the piece under it and drops it; "
    "Escape puts it back. Or type a move such as a2a3 and press Enter.";
// A square with no piece; %1 is its name.
inline constexpr const char* kSquareEmpty = "%1, empty";

// ---- Accessible names of the pieces: %1 camp, %2 kind, %3 square ------------------------
inline constexpr const char* kPieceOnSquare = "%1 %2 on %3";
inline constexpr const char* kPieceCaptured = "%1 %2, captured";
inline constexpr const char* kPieceOffBoard = "%1 %2, not on the board";

// ---- The influence legend (tooltip of the board while "Show influence" is on) -------------
inline constexpr const char* kLegendCloaked = "cannot be captured (cloaked)";
inline constexpr const char* kLegendFrozen = "cannot move (frozen)";
inline constexpr const char* kLegendLanding = "Fir's / Oak's Lightning may land here";
inline constexpr const char* kLegendStrike = "Fir's / Oak's Lightning may strike this piece";

// ---- Chat window --------------------------------------------------------------------------
inline constexpr const char* kReceiveHeader = "[Receive message]";
inline constexpr const char* kInitialHead = "Head";
inline constexpr const char* kInitialMessage = "msg";
// The check box that hides the protocol lines of the log, leaving the chat lines.
inline constexpr const char* kChatOnly = "Chat only";

// ---- Move history window ------------------------------------------------------------------
inline constexpr const char* kInitialHistory = "...";

// ---- Room status window -------------------------------------------------------------------
inline constexpr const char* kRequestedGame = "Requested Game (Double Click)";
inline constexpr const char* kRequestLegend = "[IP][Tree][UnitTime][#Exceed][#Retract]";
inline constexpr const char* kIpAddress = "IP Address";

// ---- Request dialog -----------------------------------------------------------------------
inline constexpr const char* kMyTree = "My Tree";
inline constexpr const char* kFirGreen = "Fir(Green)";
inline constexpr const char* kOakRed = "Oak(Red)";
inline constexpr const char* kUnitTime = "Unit Time";
inline constexpr const char* kNExceed = "#Exceed";
inline constexpr const char* kRetract = "#Retract";
inline constexpr const char* kOk = "OK";

// ---- Server address dialog ----------------------------------------------------------------
inline constexpr const char* kServerIp = "Server IP";
// The dialog's built-in address list. It is replaced from the settings file before every
// showing, so nobody sees it; the addresses are reserved documentation addresses.
inline constexpr const char* kPresetServers[3] = {"192.0.2.1", "198.51.100.1", "203.0.113.1"};

// ---- About box ----------------------------------------------------------------------------
inline constexpr const char* kProductName = "Tamsok Janggi";
inline constexpr const char* kVersion = "Version 1.2.0";
inline constexpr const char* kRevision = "3rd Revision Rule";

// ---- Command line -------------------------------------------------------------------------
inline constexpr const char* kUsage =
    "Usage: tamsok [OPTION]\n"
    "Opens the Tamsok Janggi game window.\n"
    "\n"
    "  -h, --help             print this help and exit\n"
    "      --version          print the version and exit\n";
inline constexpr const char* kVersionLine = "Tamsok Janggi 1.2.0\n";

}  // namespace tamsok::ui_text
