// Every text of the game layer, in one table: what it shows to a person (marked for
// translation; the windows translate it) and the fixed words of its game files.
#pragma once

#include <string_view>

#include "rules/Catalogue.h"
#include "rules/TextMark.h"

namespace tamsok::gametext {

// What the game shows.

// The game modes, as the status bar names them.
constexpr std::string_view kModeNames[] = {
    TR_NOOP("tamsok", "LocalFree"),  TR_NOOP("tamsok", "LocalPlaying"),
    TR_NOOP("tamsok", "ServerFree"), TR_NOOP("tamsok", "ServerPlaying"),
    TR_NOOP("tamsok", "ClientFree"), TR_NOOP("tamsok", "ClientPlaying")};

constexpr const char* kSpectator = TR_NOOP("tamsok", "You are only a spectator");
constexpr const char* kNewLocalGame = TR_NOOP("tamsok", "New Local Game");
constexpr const char* kPlaying = TR_NOOP("tamsok", "Playing");
constexpr const char* kFirFirst = TR_NOOP("tamsok", "Always fir tree camp First");
constexpr const char* kPass = TR_NOOP("tamsok", "Pass");
constexpr const char* kPassFromOpposite = TR_NOOP("tamsok", "Pass Form Opposite");
constexpr const char* kGameOver = TR_NOOP("tamsok", "Game over");
constexpr const char* kNotice = TR_NOOP("tamsok", "Notice");
constexpr const char* kConquered = TR_NOOP("tamsok", "You are conquered");
constexpr const char* kRequire50 = TR_NOOP("tamsok", "Require 50 Moves at least");
constexpr const char* kWin = TR_NOOP("tamsok", "%s Win");      // network results: "Fir Win"
constexpr const char* kLocalWin = TR_NOOP("tamsok", "%sWin");  // local scoring: "FirWin"
// What a client shows for a received move.
constexpr const char* kReceivedMove = TR_NOOP("tamsok", "[.]%s");
constexpr const char* kRecordsFull = TR_NOOP("tamsok", "The game record is full: no more moves");
constexpr const char* kMoveStatus = TR_NOOP("tamsok", "[%3d][%s %s]{x%dy%d->x%dy%d}");
constexpr const char* kNewGameClock[kCampCount] = {
    TR_NOOP("tamsok", "[Fir][%02d\"%02d][%2d][%d/10][%d]"),
    TR_NOOP("tamsok", "[Oak][%02d\"%02d][%2d][%d/10][%d]")};
constexpr const char* kTickClock[kCampCount] = {
    TR_NOOP("tamsok", "[Fir][%02d\"%02d][%2d][%d/%d][%d]"),
    TR_NOOP("tamsok", "[Oak][%02d\"%02d][%2d][%d/%d][%d]")};
constexpr const char* kHistoryPass = TR_NOOP("tamsok", "[%3d][PASS]");
constexpr const char* kHistoryMove = "[%3d][%-4s] {%d%d->%d%d}";
constexpr const char* kHistoryCapture = TR_NOOP("tamsok", "[%3d][%-4s] {%d%d->%d%d} (Capture<%s>)");
// Why a received move was not applied.
constexpr const char* kBadMoveFields = TR_NOOP("tamsok", "Refused move: a field is out of range");
constexpr const char* kBadMovePiece =
    TR_NOOP("tamsok", "Refused move: the piece is not on the board");
constexpr const char* kBadMoveSource =
    TR_NOOP("tamsok", "Refused move: the piece does not stand on the source square");
constexpr const char* kBadMoveCaptured =
    TR_NOOP("tamsok", "Refused move: the captured piece is not on the target square");
constexpr const char* kBadMoveOwnCapture =
    TR_NOOP("tamsok", "Refused move: a piece of the mover's own camp is named as captured");
constexpr const char* kBadMoveOccupied =
    TR_NOOP("tamsok", "Refused move: the target square is occupied");
// The rules' own reason follows.
constexpr const char* kBadMoveRules = TR_NOOP("tamsok", "Refused move: %s");

// The game file: its keys, and what a reader says is wrong with a file.
constexpr std::string_view kMagic = "Tamsok Janggi game";
constexpr std::string_view kKeyVersion = "Version";
constexpr std::string_view kKeyDate = "Date";
constexpr std::string_view kKeyView = "View";
constexpr std::string_view kKeyNetwork = "Network";
constexpr std::string_view kKeyComputer = "Computer";
constexpr std::string_view kKeyResult = "Result";
constexpr std::string_view kKeyRecords = "Records";
constexpr std::string_view kKeyCurrent = "Current";
constexpr std::string_view kKeyToMove = "To move";
constexpr std::string_view kPlayedAs = "played as ";
constexpr std::string_view kWatched = "watched";
constexpr std::string_view kUnitTime = "unit time ";
constexpr std::string_view kExceedings = "exceedings ";
constexpr std::string_view kRetractions = "retractions ";
constexpr std::string_view kPlays = "plays ";
constexpr std::string_view kStrength = ", strength ";
constexpr std::string_view kWinSuffix = " Win";

constexpr const char* kNotAGameFile = TR_NOOP("tamsok", "not a Tamsok Janggi game file");
constexpr const char* kNewerVersion =
    TR_NOOP("tamsok", "format version %d is newer than this program reads (%d)");
constexpr const char* kBadHeaderLine = TR_NOOP("tamsok", "a header line is \"Key: value\"");
constexpr const char* kRepeatedKey = TR_NOOP("tamsok", "\"%s\" is given twice");
constexpr const char* kMissingKey = TR_NOOP("tamsok", "the header has no \"%s\" line");
constexpr const char* kBadValue = TR_NOOP("tamsok", "\"%s\" is not a valid %s");
constexpr const char* kCurrentAboveRecords =
    TR_NOOP("tamsok", "Current %d is more than the %d records");
constexpr const char* kWrongToMove = TR_NOOP("tamsok", "%s is not to move after %d records");
constexpr const char* kNoRecordsPart =
    TR_NOOP("tamsok", "the file is cut short: the header does not end");
constexpr const char* kCutShort =
    TR_NOOP("tamsok", "the file is cut short: it holds %d of its %d records");
constexpr const char* kExtraRecord =
    TR_NOOP("tamsok", "more records than the %d the header announces");
constexpr const char* kNotAMove =
    TR_NOOP("tamsok", "\"%s\" is not a move (two squares such as e3e4, or 0000)");
constexpr const char* kNoPieceThere = TR_NOOP("tamsok", "%s: no piece stands on %s");
constexpr const char* kRefused = TR_NOOP("tamsok", "%s is refused: %s");
constexpr const char* kTooLong = TR_NOOP("tamsok", "%s: the game is longer than a game may be");
constexpr const char* kCurrentOutOfRange =
    TR_NOOP("tamsok", "the records in force are out of range");
constexpr const char* kLine = TR_NOOP("tamsok", "Line %d: %s");
constexpr const char* kTooLarge =
    TR_NOOP("tamsok", "the file is larger than %zu bytes: not a game file");

// The review: its marks and forced results, and its keys in a game file.
constexpr const char* kInaccuracy = TR_NOOP("tamsok", "inaccuracy");
constexpr const char* kMistake = TR_NOOP("tamsok", "mistake");
constexpr const char* kBlunder = TR_NOOP("tamsok", "blunder");
constexpr const char* kTreeIn = TR_NOOP("tamsok", "Tree in %d");
constexpr const char* kTreeLostIn = TR_NOOP("tamsok", "Tree lost in %d");
constexpr const char* kScoringWinsIn = TR_NOOP("tamsok", "Scoring wins in %d");
constexpr const char* kScoringLosesIn = TR_NOOP("tamsok", "Scoring loses in %d");
constexpr const char* kScoringWinsNow = TR_NOOP("tamsok", "Scoring wins now");
constexpr const char* kScoringLosesNow = TR_NOOP("tamsok", "Scoring loses now");
// The keys of a review in a game file.
constexpr std::string_view kKeyReview = "Review";
constexpr std::string_view kKeyEvaluations = "Evaluations";
constexpr std::string_view kKeyBest = "Best moves";
constexpr std::string_view kKeyMarks = "Marks";
constexpr std::string_view kKeySummary = "Summary";
constexpr const char* kSummary = "%s %d/%d/%d, average drop %.1f%%";
constexpr std::string_view kUnknown = "?";

}  // namespace tamsok::gametext
