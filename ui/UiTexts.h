// Every caption and text that the windows show, in one place. The texts the game layer
// writes into the status bar and its message boxes live in game/; these are the windows' own.
// The marked ones are shown translated (ui/Translation.h); the others are data, sent, or the
// program's name.
#pragma once

#include "rules/TextMark.h"

namespace tamsok::ui_text {

// ---- Window captions ---------------------------------------------------------------------
inline constexpr const char* kBoardFormCaption =
    TR_NOOP("tamsok", "Tamsok Janggi 1.2.0 - 3rd revision rule");
inline constexpr const char* kChatFormCaption = TR_NOOP("tamsok", "Chatting window");
inline constexpr const char* kAboutBoxCaption = TR_NOOP("tamsok", "About");
inline constexpr const char* kKiboFormCaption = TR_NOOP("tamsok", "Move History");
inline constexpr const char* kProtocolFormCaption = TR_NOOP("tamsok", "Room status");
inline constexpr const char* kRequestFormCaption =
    TR_NOOP("tamsok", "Request game (always fir camp first)");
inline constexpr const char* kInputIPFormCaption = TR_NOOP("tamsok", "Input Server IP");

// ---- Status bar: initial panel texts, left to right ---------------------------------------
inline constexpr const char* kInitialPanel[5] = {
    TR_NOOP("tamsok", "Disconnected"), TR_NOOP("tamsok", "idle"),
    TR_NOOP("tamsok", "Green Time/exceed"), TR_NOOP("tamsok", "Red Time/exceed"),
    TR_NOOP("tamsok", "Game Status")};

// ---- Top-level menus ----------------------------------------------------------------------
inline constexpr const char* kMenuMetaplay = TR_NOOP("tamsok", "Metaplay");
inline constexpr const char* kMenuFile = TR_NOOP("tamsok", "File");
inline constexpr const char* kMenuPlaying = TR_NOOP("tamsok", "Playing");
inline constexpr const char* kMenuInterface = TR_NOOP("tamsok", "Interface");
inline constexpr const char* kMenuHelp = TR_NOOP("tamsok", "Help");
inline constexpr const char* kMenuBoardFigure = TR_NOOP("tamsok", "Board Figure (784*512)");
inline constexpr const char* kMenuViewSide = TR_NOOP("tamsok", "View Side");

// ---- Menu items ---------------------------------------------------------------------------
inline constexpr const char* kServerMode = TR_NOOP("tamsok", "Server mode");
inline constexpr const char* kClientMode = TR_NOOP("tamsok", "Client mode");
inline constexpr const char* kReqGame = TR_NOOP("tamsok", "New game (Client -> Server)");
inline constexpr const char* kNewGame = TR_NOOP("tamsok", "New game (Disconnected)");
inline constexpr const char* kLocalAlone = TR_NOOP("tamsok", "Disconnect state");
inline constexpr const char* kExit = TR_NOOP("tamsok", "Exit");
inline constexpr const char* kLoad = TR_NOOP("tamsok", "Load");
inline constexpr const char* kSave = TR_NOOP("tamsok", "Save");
inline constexpr const char* kSaveas = TR_NOOP("tamsok", "Save as");
inline constexpr const char* kUndoFirst = TR_NOOP("tamsok", "Undo [First]");
inline constexpr const char* kUndo = TR_NOOP("tamsok", "Undo [Previous]");
inline constexpr const char* kRedo = TR_NOOP("tamsok", "Redo [Next]");
inline constexpr const char* kRedoLast = TR_NOOP("tamsok", "Redo [Last]");
inline constexpr const char* kPass = TR_NOOP("tamsok", "Pass");
inline constexpr const char* kSurrender = TR_NOOP("tamsok", "Surrender");
inline constexpr const char* kScoring = TR_NOOP("tamsok", "Scoring");
inline constexpr const char* kWood = TR_NOOP("tamsok", "Wood");
inline constexpr const char* kSlate = TR_NOOP("tamsok", "Slate");
inline constexpr const char* kMarbtea = TR_NOOP("tamsok", "Marbtea");
inline constexpr const char* kPBfoil = TR_NOOP("tamsok", "PBfoil");
inline constexpr const char* kR0 = TR_NOOP("tamsok", "Oak(Red) Camp");
inline constexpr const char* kR90 = TR_NOOP("tamsok", "Oak - Fir Side");
inline constexpr const char* kR180 = TR_NOOP("tamsok", "Fir(Green) Camp");
inline constexpr const char* kR270 = TR_NOOP("tamsok", "Fir - Oak Side");
inline constexpr const char* kMyView = TR_NOOP("tamsok", "My view");
inline constexpr const char* kKilledPiece = TR_NOOP("tamsok", "Show Captured Piece");
inline constexpr const char* kShowLegalMoves = TR_NOOP("tamsok", "Show legal moves");
inline constexpr const char* kShowInfluence = TR_NOOP("tamsok", "Show influence");
inline constexpr const char* kShowMoveHistory = TR_NOOP("tamsok", "Show Move History");
inline constexpr const char* kHideMoveHistory = TR_NOOP("tamsok", "Hide Move History");
inline constexpr const char* kShowChatWindow = TR_NOOP("tamsok", "Show Chat Window");
inline constexpr const char* kHideChatWindow = TR_NOOP("tamsok", "Hide Chat Window");
inline constexpr const char* kRoomState = TR_NOOP("tamsok", "Show Room Status (In Server mode)");
inline constexpr const char* kAttach = TR_NOOP("tamsok", "Alignment Windows");
inline constexpr const char* kSoundTTag = TR_NOOP("tamsok", "Sound Effect");
inline constexpr const char* kAbout = TR_NOOP("tamsok", "About Tamsok janggi");

// ---- Language (in the Interface menu) --------------------------------------------------------
inline constexpr const char* kMenuLanguage = TR_NOOP("tamsok", "Language");
inline constexpr const char* kLanguageSystem = TR_NOOP("tamsok", "System");
// Each language is named in itself, so that its readers find it whatever the interface shows.
inline constexpr const char* kLanguageEnglish = "English";
inline constexpr const char* kLanguageKorean = "한국어";
inline constexpr const char* kLanguageChanged =
    TR_NOOP("tamsok", "The language changes when the program starts next.");

// ---- Network play: a room waiting for its player, a client that lost its room -------------
inline constexpr const char* kClaimWin = TR_NOOP("tamsok", "Claim the win");
inline constexpr const char* kReconnect = TR_NOOP("tamsok", "Reconnect");
inline constexpr const char* kClose = TR_NOOP("tamsok", "Close");
inline constexpr const char* kRoomLostCaption = TR_NOOP("tamsok", "Room lost");

// ---- The computer opponent -----------------------------------------------------------------
inline constexpr const char* kMenuComputer = TR_NOOP("tamsok", "Computer");
inline constexpr const char* kComputerPlaysOak = TR_NOOP("tamsok", "New game (Computer plays Oak)");
inline constexpr const char* kComputerPlaysFir = TR_NOOP("tamsok", "New game (Computer plays Fir)");
inline constexpr const char* kComputerPlaysOn = TR_NOOP("tamsok", "Play on against the computer");
// The strengths, weakest first, and a strength's menu item: %1 its name, %2 its rating.
inline constexpr const char* kBeginner = TR_NOOP("tamsok", "Beginner");
inline constexpr const char* kNovice = TR_NOOP("tamsok", "Novice");
inline constexpr const char* kEasy = TR_NOOP("tamsok", "Easy");
inline constexpr const char* kCasual = TR_NOOP("tamsok", "Casual");
inline constexpr const char* kMedium = TR_NOOP("tamsok", "Medium");
inline constexpr const char* kAdvanced = TR_NOOP("tamsok", "Advanced");
inline constexpr const char* kSkilled = TR_NOOP("tamsok", "Skilled");
inline constexpr const char* kStrong = TR_NOOP("tamsok", "Strong");
inline constexpr const char* kExpert = TR_NOOP("tamsok", "Expert");
inline constexpr const char* kHard = TR_NOOP("tamsok", "Hard");
inline constexpr const char* kStrengthItem = TR_NOOP("tamsok", "%1 (rating %2)");
inline constexpr const char* kHint = TR_NOOP("tamsok", "Hint");
inline constexpr const char* kStopThinking = TR_NOOP("tamsok", "Stop thinking");
// Game status panel texts; %1 is a camp name. A hint's move is named as the board's edge
// labels name squares: "Fir Spider d2-d4".
inline constexpr const char* kComputerThinking = TR_NOOP("tamsok", "%1 (computer) is thinking");
inline constexpr const char* kComputerThinkingDepth =
    TR_NOOP("tamsok", "%1 (computer) is thinking: depth %2");
inline constexpr const char* kHintSearching = TR_NOOP("tamsok", "Looking for a hint");
inline constexpr const char* kHintSearchingDepth =
    TR_NOOP("tamsok", "Looking for a hint: depth %1");
inline constexpr const char* kHintMove = TR_NOOP("tamsok", "Hint: %1");
inline constexpr const char* kHintPass = TR_NOOP("tamsok", "Hint: Pass");
inline constexpr const char* kHintScoring = TR_NOOP("tamsok", "Hint: Scoring wins the game now");
inline constexpr const char* kComputerPieces =
    TR_NOOP("tamsok", "The computer plays %1: move a %2 piece");
inline constexpr const char* kWaitForComputer =
    TR_NOOP("tamsok", "The computer is thinking: wait for its move");

// ---- Message boxes and file dialogs of the main window ------------------------------------
inline constexpr const char* kConquered = TR_NOOP("tamsok", "You are conquered");
inline constexpr const char* kGameOverBye = TR_NOOP("tamsok", "Game over & Bye");
// The caption of the general error report.
inline constexpr const char* kErrorCaption = "Tamsok Janggi";
inline constexpr const char* kGameFilePattern = "*.TMK";
// What a game file's name gets when it is saved without an extension.
inline constexpr const char* kGameFileSuffix = ".TMK";
// %1 is the file's name, %2 what went wrong.
inline constexpr const char* kLoadFailed = TR_NOOP("tamsok", "%1 was not loaded.\n%2");
// Load while a game is being played asks first.
inline constexpr const char* kAbandonForLoad =
    TR_NOOP("tamsok", "Abandon the game on the board and load another?");
inline constexpr const char* kReadFailed = TR_NOOP("tamsok", "%1 could not be read: %2");
inline constexpr const char* kWriteFailed = TR_NOOP("tamsok", "%1 could not be saved: %2");
// Shown in the game status panel.
inline constexpr const char* kLoaded = TR_NOOP("tamsok", "Loaded %1");
inline constexpr const char* kSaved = TR_NOOP("tamsok", "Saved %1");

// ---- Questions before a game is given up (OK goes on, Cancel keeps the game) -------------
inline constexpr const char* kConfirmCaption = TR_NOOP("tamsok", "Please confirm");
inline constexpr const char* kAskSurrender = TR_NOOP("tamsok", "Give up this game?");
inline constexpr const char* kAskScoring =
    TR_NOOP("tamsok", "End this game now and let the captured pieces decide it?");
inline constexpr const char* kAskLocalAlone = TR_NOOP("tamsok", "Leave this game unfinished?");
inline constexpr const char* kAskNewGame =
    TR_NOOP("tamsok", "Give up this game and start a new one?");

// ---- Stepping through the records, and a finished game ----------------------------------
// Panel 4 after an undo: %1 is the status text of the move taken back.
inline constexpr const char* kTakenBack = TR_NOOP("tamsok", "Taken back: %1");
// Panel 4 when a piece is picked up on a finished game in LocalFree.
inline constexpr const char* kFinishedGame =
    TR_NOOP("tamsok", "The game is over: step through it or start a new one");
// The result of the game on the board, kept over its top edge until the next game. %1 is the
// winner's camp; %2 says it from the player's side.
inline constexpr const char* kResult = TR_NOOP("tamsok", "Game over: %1 Win");
inline constexpr const char* kResultForPlayer = TR_NOOP("tamsok", "Game over: %1 Win - %2");
inline constexpr const char* kYouWin = TR_NOOP("tamsok", "You win");
inline constexpr const char* kYouLose = TR_NOOP("tamsok", "You lose");

// ---- Tooltips of the clock panels: %1 the camp, then the figures of the panel --------------
inline constexpr const char* kClockTip = TR_NOOP("tamsok",
                                                 "%1's clock\n"
                                                 "Time used: %2 min %3 s\n"
                                                 "Left for this move: %4 s\n"
                                                 "Time exceedings: %5 of %6 allowed\n"
                                                 "Material lost: %7");
inline constexpr const char* kClockLegendTip =
    TR_NOOP("tamsok",
            "%1's clock: time used, seconds left for this move, time exceedings used and allowed, "
            "and the value of the pieces lost");

// ---- Keyboard play ---------------------------------------------------------------------
// The move being typed, shown over the board; %1 is what was typed.
inline constexpr const char* kTypedMove = TR_NOOP("tamsok", "Move: %1");
// Panel 4 for a typed move that cannot be read, and for one from an empty square.
inline constexpr const char* kNotAMove =
    TR_NOOP("tamsok", "Not a move: %1 (type two squares, such as a2a3)");
inline constexpr const char* kNoPieceOn = TR_NOOP("tamsok", "No piece on %1");

// ---- What assistive technology reads --------------------------------------------------------
inline constexpr const char* kBoardName = TR_NOOP("tamsok", "Board");
inline constexpr const char* kBoardHelp =
    TR_NOOP("tamsok",
            "Arrow keys move the cursor; Enter or Space picks up the piece under it and drops it; "
            "Escape puts it back. Or type a move such as a2a3 and press Enter.");
// A square with no piece; %1 is its name.
inline constexpr const char* kSquareEmpty = TR_NOOP("tamsok", "%1, empty");

// ---- Accessible names of the pieces: %1 camp, %2 kind, %3 square ------------------------
inline constexpr const char* kPieceOnSquare = TR_NOOP("tamsok", "%1 %2 on %3");
inline constexpr const char* kPieceCaptured = TR_NOOP("tamsok", "%1 %2, captured");
inline constexpr const char* kPieceOffBoard = TR_NOOP("tamsok", "%1 %2, not on the board");

// ---- The influence legend (tooltip of the board while "Show influence" is on) -------------
inline constexpr const char* kLegendCloaked = TR_NOOP("tamsok", "cannot be captured (cloaked)");
inline constexpr const char* kLegendFrozen = TR_NOOP("tamsok", "cannot move (frozen)");
inline constexpr const char* kLegendLanding =
    TR_NOOP("tamsok", "Fir's / Oak's Lightning may land here");
inline constexpr const char* kLegendStrike =
    TR_NOOP("tamsok", "Fir's / Oak's Lightning may strike this piece");

// ---- The rules window ("Help" > "How to play") ------------------------------------------
inline constexpr const char* kHowToPlay = TR_NOOP("tamsok", "How to play");
inline constexpr const char* kMenuBoardLabels = TR_NOOP("tamsok", "Board Labels");
inline constexpr const char* kLabelsLetters = TR_NOOP("tamsok", "Letters and digits");
inline constexpr const char* kLabelsDigits = TR_NOOP("tamsok", "Digits");
inline constexpr const char* kTryIt = TR_NOOP("tamsok", "Try it");
inline constexpr const char* kBackToPage = TR_NOOP("tamsok", "Back to the page");
inline constexpr const char* kStartAgain = TR_NOOP("tamsok", "Start again");
// %1 the camp, %2 the kind, %3 the square's name.
inline constexpr const char* kDiagramSubject = TR_NOOP("tamsok", "the %1 %2 on %3");
inline constexpr const char* kTryItIntro = TR_NOOP(
    "tamsok", "Drag the %1 around: dots and rings mark where it may go, the tint what it reaches.");
// The tables generated from the rules.
inline constexpr const char* kTableKind = TR_NOOP("tamsok", "Kind");
inline constexpr const char* kTableValue = TR_NOOP("tamsok", "Value");
inline constexpr const char* kTableInfluence[6] = {
    TR_NOOP("tamsok", "Cloak"), TR_NOOP("tamsok", "Reveal"),    TR_NOOP("tamsok", "Freeze"),
    TR_NOOP("tamsok", "Thaw"),  TR_NOOP("tamsok", "Tree zone"), TR_NOOP("tamsok", "Cloud zone")};
inline constexpr const char* kTableCloakable = TR_NOOP("tamsok", "Can be cloaked");
inline constexpr const char* kTableFreezable = TR_NOOP("tamsok", "Can be frozen");
inline constexpr const char* kYes = TR_NOOP("tamsok", "yes");
inline constexpr const char* kNo = TR_NOOP("tamsok", "no");
inline constexpr const char* kTableValueTree = TR_NOOP("tamsok", "the game");
inline constexpr const char* kLegendTarget = TR_NOOP("tamsok", "the held piece may move here");
inline constexpr const char* kLegendCapture =
    TR_NOOP("tamsok", "the held piece may capture this piece");

// A move for people: %1 the kind, %2 its squares ("Spider d2-d4"); with its camp first: %1
// the camp, %2 the kind, %3 the squares.
inline constexpr const char* kKindMove = TR_NOOP("tamsok", "%1 %2");
inline constexpr const char* kCampKindMove = TR_NOOP("tamsok", "%1 %2 %3");

// ---- Analysis and game review ("Computer" menu) --------------------------------------------
inline constexpr const char* kAnalyse = TR_NOOP("tamsok", "Analyse");
inline constexpr const char* kReviewGame = TR_NOOP("tamsok", "Review game");
// %1 a camp.
inline constexpr const char* kAnalysisToMove = TR_NOOP("tamsok", "%1 to move");
inline constexpr const char* kAnalysisThinking = TR_NOOP("tamsok", "Thinking...");
// %1 the depth in plies, %2 positions searched.
inline constexpr const char* kAnalysisDepth = TR_NOOP("tamsok", "Depth %1, %2 positions");
inline constexpr const char* kAnalysisBestLine = TR_NOOP("tamsok", "Best line");
inline constexpr const char* kAnalysisBestMoves = TR_NOOP("tamsok", "Best moves");
inline constexpr const char* kAnalysisGameOver =
    TR_NOOP("tamsok", "The game is over: a Tree has fallen.");
inline constexpr const char* kReviewCaption = TR_NOOP("tamsok", "Game review");
inline constexpr const char* kReviewCancel = TR_NOOP("tamsok", "Cancel");
// %1 the positions done, %2 all of them.
inline constexpr const char* kReviewProgress = TR_NOOP("tamsok", "Analysing position %1 of %2");
inline constexpr const char* kReviewCancelled =
    TR_NOOP("tamsok", "Cancelled: %1 of %2 positions analysed.");
inline constexpr const char* kReviewDone =
    TR_NOOP("tamsok", "%1 positions analysed at the %2 budget.");
// One line of the review's move list: %1 the record number, %2 the camp, %3 the move.
inline constexpr const char* kReviewMove = TR_NOOP("tamsok", "%1. %2 %3");
// %1 the mark's symbol, %2 its name, %3 the better move.
inline constexpr const char* kReviewMarked = TR_NOOP("tamsok", "  %1 %2, better %3");
// %1 the camp, %2..%4 the counts of inaccuracies, mistakes and blunders, %5 the average drop.
inline constexpr const char* kReviewSummary =
    TR_NOOP("tamsok", "%1: %2 inaccuracies, %3 mistakes, %4 blunders; average drop %5%");
inline constexpr const char* kReviewHelp =
    TR_NOOP("tamsok",
            "Click the graph to go to a position; click a move to see it on the board, with the "
            "better move as an arrow.");
inline constexpr const char* kReviewStale =
    TR_NOOP("tamsok", "The game on the board is not the reviewed one.");

// ---- Chat window --------------------------------------------------------------------------
inline constexpr const char* kReceiveHeader = TR_NOOP("tamsok", "[Receive message]");
inline constexpr const char* kInitialHead = "Head";
inline constexpr const char* kInitialMessage = "msg";
// The check box that hides the protocol lines of the log, leaving the chat lines.
inline constexpr const char* kChatOnly = TR_NOOP("tamsok", "Chat only");

// ---- Move history window ------------------------------------------------------------------
inline constexpr const char* kInitialHistory = "...";

// ---- Room status window -------------------------------------------------------------------
inline constexpr const char* kRequestedGame = TR_NOOP("tamsok", "Requested Game (Double Click)");
inline constexpr const char* kRequestLegend =
    TR_NOOP("tamsok", "[IP][Tree][UnitTime][#Exceed][#Retract]");
inline constexpr const char* kIpAddress = TR_NOOP("tamsok", "IP Address");

// ---- Request dialog -----------------------------------------------------------------------
inline constexpr const char* kMyTree = TR_NOOP("tamsok", "My Tree");
inline constexpr const char* kFirGreen = TR_NOOP("tamsok", "Fir(Green)");
inline constexpr const char* kOakRed = TR_NOOP("tamsok", "Oak(Red)");
inline constexpr const char* kUnitTime = TR_NOOP("tamsok", "Unit Time");
inline constexpr const char* kNExceed = TR_NOOP("tamsok", "#Exceed");
inline constexpr const char* kRetract = TR_NOOP("tamsok", "#Retract");
inline constexpr const char* kOk = TR_NOOP("tamsok", "OK");

// ---- Server address dialog ----------------------------------------------------------------
inline constexpr const char* kServerIp = TR_NOOP("tamsok", "Server IP");
// The dialog's built-in address list. It is replaced from the settings file before every
// showing, so nobody sees it; the addresses are reserved documentation addresses.
inline constexpr const char* kPresetServers[3] = {"192.0.2.1", "198.51.100.1", "203.0.113.1"};

// ---- About box ----------------------------------------------------------------------------
inline constexpr const char* kProductName = "Tamsok Janggi";
inline constexpr const char* kVersion = TR_NOOP("tamsok", "Version 1.2.0");
inline constexpr const char* kRevision = TR_NOOP("tamsok", "3rd Revision Rule");

// ---- Command line -------------------------------------------------------------------------
inline constexpr const char* kUsage =
    "Usage: tamsok [OPTION]\n"
    "Opens the Tamsok Janggi game window.\n"
    "\n"
    "  -h, --help             print this help and exit\n"
    "      --version          print the version and exit\n"
    "      --grace SECONDS    in server mode, wait this long for a player whose link was\n"
    "                         lost before the win may be claimed (default 60)\n";
inline constexpr const char* kVersionLine = "Tamsok Janggi 1.2.0\n";

}  // namespace tamsok::ui_text
