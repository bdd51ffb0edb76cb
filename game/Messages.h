// Every text that travels between two copies of the game, built and read in one place.
//
// A message is a string of single-byte characters. Its head is the first four characters;
// the body is the rest. Fixed-layout messages (all widths in characters):
//
//   "Requ"  29  Requ + camp %1d + unit time %3d + exceedings %3d + retractions %3d
//               + station id %15s                      e.g. "Requ1 30  5  0  123 4567   89"
//   "Made"  41  Made + the accepted RoomLine from its 18th character on
//               e.g. "Made[Oak][ 30][  5][  0][  123 4567   89]"
//   "Move"  18  Move + seven %2d fields: piece, captured (-1 none), from x, from y, to x,
//               to y (canonical frame), pass flag           e.g. "Move 0-1 4 0 4 1 0"
//   "Winn"   6  Winn + winning camp %2d                     "Winn 0" Fir, "Winn 1" Oak
//   "Pass", "Loss", "Fini"   4  the head alone
//   "Requested"              9  the server's reply to a listed request
//
// Heads without a layout that no copy sends: "Boad", "UnFi", "Undo", "Redo", "ReLa".
// A chat line is "[" + name + "] " + text; it is never taken for a head.
//
// RoomLine (the server's request list, 54 characters):
//   "[%15s][%3s][%3d][%3d][%3d][%15s]" from address, camp name, unit time, exceedings,
//   retractions, station id   e.g. "[      192.0.2.7][Oak][ 30][  5][  0][  123 4567   89]"
//
// Readers never throw: they return the value or a typed error, and they validate every
// field's range before a caller changes any state.
#pragma once

#include <string>
#include <string_view>

#include "rules/Types.h"

namespace tamsok {

// The heads, in their fixed order.
inline constexpr std::string_view kHeadRequ = "Requ";
inline constexpr std::string_view kHeadMade = "Made";
inline constexpr std::string_view kHeadBoad = "Boad";
inline constexpr std::string_view kHeadMove = "Move";
inline constexpr std::string_view kHeadUnFi = "UnFi";
inline constexpr std::string_view kHeadUndo = "Undo";
inline constexpr std::string_view kHeadRedo = "Redo";
inline constexpr std::string_view kHeadReLa = "ReLa";
inline constexpr std::string_view kHeadPass = "Pass";
inline constexpr std::string_view kHeadLoss = "Loss";
inline constexpr std::string_view kHeadFini = "Fini";
inline constexpr std::string_view kHeadWinn = "Winn";
inline constexpr std::string_view kRequested = "Requested";

inline constexpr int kHeadLength = 4;
inline constexpr int kRequLength = 29;
inline constexpr int kMadeLength = 41;
inline constexpr int kMoveLength = 18;
inline constexpr int kWinnLength = 6;
inline constexpr int kRoomLineLength = 54;
inline constexpr int kStationIdLength = 15;

// Ranges of the request options, as the request dialog offers them.
inline constexpr int kUnitTimeMin = 10, kUnitTimeMax = 600;
inline constexpr int kExceedMin = 0, kExceedMax = 20;
inline constexpr int kRetractMin = 0, kRetractMax = 5;

// The head of a text (its first four characters, fewer when the text is shorter).
std::string_view HeadOf(std::string_view text);

// ---- Building -------------------------------------------------------------------------

// The fields of a "Move", as carried on the wire (squares canonical).
struct MoveFields {
  int piece = 0;
  int captured = -1;
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
  int passFlag = 0;

  friend bool operator==(const MoveFields&, const MoveFields&) = default;
};

std::string BuildMove(const MoveFields& m);
std::string BuildWinn(Camp winner);
std::string BuildRequ(int camp, int unitTime, int exceed, int retract, std::string_view stationId);
std::string BuildRoomLine(std::string_view address, std::string_view campName, int unitTime,
                          int exceed, int retract, std::string_view stationId);
// "Made" + the line from its 18th character on. Returns empty for a line shorter than 17.
std::string BuildMadeFromRoomLine(std::string_view roomLine);
inline std::string BuildPass() { return std::string(kHeadPass); }
inline std::string BuildLoss() { return std::string(kHeadLoss); }
inline std::string BuildFini() { return std::string(kHeadFini); }
// "[" + name + "] " + text.
std::string BuildChatLine(std::string_view name, std::string_view text);

// ---- Reading --------------------------------------------------------------------------

enum class ParseError {
  None,
  TooShort,     // the text ends before the field's layout does
  NotANumber,   // a field is not spaces, an optional sign and digits
  OutOfRange,   // a field converts but its value is outside what the message allows
  WrongHead,    // the text does not begin with the expected head
};

// A short English description of a parse error, for the error report.
std::string_view ParseErrorText(ParseError e);

template <typename T>
struct Parsed {
  T value{};
  ParseError error = ParseError::None;
  explicit operator bool() const { return error == ParseError::None; }
};

// An integer field: leading spaces, then an optional sign and at least one decimal digit,
// and nothing else. Values that do not fit in 32 bits are OutOfRange.
Parsed<int> ParseIntField(std::string_view field);

struct RequFields {
  int camp = 0;  // the camp character modulo 2: 0 Fir, 1 Oak
  int unitTime = 0, exceed = 0, retract = 0;
  std::string stationId;  // 15 characters
};

struct MadeFields {
  std::string campName;  // "Fir" or "Oak" as sent; anything else counts as Oak
  int unitTime = 0, exceed = 0, retract = 0;
  std::string stationId;  // 15 characters
  std::string body;       // the text from position 5 on
};

Parsed<RequFields> ReadRequ(std::string_view text);
Parsed<MadeFields> ReadMade(std::string_view text);
// Reads the seven fields. Ranges: piece 0..59, captured -1..59, squares 0..9; the flag may
// be any integer (non-zero means a pass).
Parsed<MoveFields> ReadMove(std::string_view text);
// 0 names Fir, any other integer Oak.
Parsed<Camp> ReadWinn(std::string_view text);

}  // namespace tamsok
