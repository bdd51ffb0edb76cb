#include "game/Messages.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <utility>

#include "game/Format.h"
#include "rules/Catalogue.h"
#include "rules/TextMark.h"

namespace tamsok {

namespace {

std::string Str(std::string_view s) {
  return std::string(s);
}

// A text field right-aligned in `width` characters, as "%<width>s" pads it, but byte for
// byte: a text that arrived from a peer may hold a NUL, which must not end the field early.
std::string RightAligned(std::string_view text, std::size_t width) {
  std::string field(width > text.size() ? width - text.size() : 0, ' ');
  field += text;
  return field;
}

}  // namespace

std::string_view HeadOf(std::string_view text) {
  return text.substr(0, kHeadLength);
}

std::string BuildMove(const MoveFields& m) {
  return Format("%s%2d%2d%2d%2d%2d%2d%2d", "Move", m.piece, m.captured, m.fromX, m.fromY, m.toX,
                m.toY, m.passFlag);
}

std::string BuildWinn(Camp winner) {
  return Format("%s%2d", "Winn", Index(winner));
}

std::string BuildRequ(int camp, int unitTime, int exceed, int retract, std::string_view stationId) {
  // "%s%1d%3d%3d%3d%15s"
  return Format("%s%1d%3d%3d%3d", "Requ", camp, unitTime, exceed, retract) +
         RightAligned(stationId, kStationIdLength);
}

std::string BuildRoomLine(std::string_view address, std::string_view campName, int unitTime,
                          int exceed, int retract, std::string_view stationId) {
  // "[%15s][%3s][%3d][%3d][%3d][%15s]"
  return "[" + RightAligned(address, 15) + "][" + RightAligned(campName, 3) +
         Format("][%3d][%3d][%3d][", unitTime, exceed, retract) +
         RightAligned(stationId, kStationIdLength) + "]";
}

std::string BuildMadeFromRoomLine(std::string_view roomLine) {
  if (roomLine.size() < 17) return {};
  return Str(kHeadMade) + Str(roomLine.substr(17));
}

std::string BuildChatLine(std::string_view name, std::string_view text) {
  return "[" + Str(name) + "] " + Str(text);
}

// ---- Reading --------------------------------------------------------------------------

namespace {

// Texts of the parse errors, in the order of ParseError.
constexpr std::string_view kParseErrorTexts[] = {
    TR_NOOP("tamsok", "no error"),
    TR_NOOP("tamsok", "message too short for its layout"),
    TR_NOOP("tamsok", "field is not a number"),
    TR_NOOP("tamsok", "field value out of range"),
    TR_NOOP("tamsok", "unexpected message head"),
};

// A field at a 1-based message position. The caller has already checked that the text
// covers the whole layout, so the cut never runs past its end.
std::string_view Cut(std::string_view text, int position, int width) {
  return text.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(width));
}

// Checks the head and the length of a fixed layout; the first failure of a reader.
ParseError CheckLayout(std::string_view text, std::string_view head, int length) {
  if (!text.starts_with(head)) return ParseError::WrongHead;
  if (text.size() < static_cast<std::size_t>(length)) return ParseError::TooShort;
  return ParseError::None;
}

// Reads an integer field and checks it against [min, max]. Keeps the first error met, so a
// reader can chain its fields and report the earliest fault.
int ReadRanged(std::string_view text, int position, int width, int min, int max,
               ParseError& error) {
  if (error != ParseError::None) return 0;
  const Parsed<int> field = ParseIntField(Cut(text, position, width));
  if (!field) {
    error = field.error;
    return 0;
  }
  if (field.value < min || field.value > max) {
    error = ParseError::OutOfRange;
    return 0;
  }
  return field.value;
}

constexpr int kIntMin = INT32_MIN, kIntMax = INT32_MAX;

template <typename T>
Parsed<T> Failed(ParseError e) {
  return Parsed<T>{T{}, e};
}

template <typename T>
Parsed<T> Result(T value, ParseError e) {
  if (e != ParseError::None) return Failed<T>(e);
  return Parsed<T>{std::move(value), ParseError::None};
}

}  // namespace

std::string_view ParseErrorText(ParseError e) {
  const auto i = static_cast<std::size_t>(e);
  return i < std::size(kParseErrorTexts) ? kParseErrorTexts[i] : kParseErrorTexts[0];
}

Parsed<int> ParseIntField(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ')
    ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
    negative = field[i] == '-';
    ++i;
  }
  if (i == field.size()) return Failed<int>(ParseError::NotANumber);
  // Accumulate as a negative number so that INT32_MIN is reachable; stop counting once
  // the magnitude is out of range but keep checking that the rest are digits.
  std::int64_t value = 0;
  bool overflow = false;
  for (; i < field.size(); ++i) {
    const char c = field[i];
    if (c < '0' || c > '9') return Failed<int>(ParseError::NotANumber);
    if (!overflow) {
      value = value * 10 - (c - '0');
      overflow = value < -std::int64_t{INT32_MAX} - 1;
    }
  }
  if (!negative) value = -value;
  if (overflow || value > INT32_MAX || value < INT32_MIN)
    return Failed<int>(ParseError::OutOfRange);
  return Parsed<int>{static_cast<int>(value), ParseError::None};
}

Parsed<RequFields> ReadRequ(std::string_view text) {
  ParseError e = CheckLayout(text, kHeadRequ, kRequLength);
  RequFields r;
  // The camp is one digit; any digit is accepted and only its parity counts.
  r.camp = ReadRanged(text, 5, 1, kIntMin, kIntMax, e) % 2;
  r.unitTime = ReadRanged(text, 6, 3, kUnitTimeMin, kUnitTimeMax, e);
  r.exceed = ReadRanged(text, 9, 3, kExceedMin, kExceedMax, e);
  r.retract = ReadRanged(text, 12, 3, kRetractMin, kRetractMax, e);
  if (e == ParseError::None) r.stationId = std::string(Cut(text, 15, kStationIdLength));
  return Result(std::move(r), e);
}

// The brackets of the layout are not checked: the body is a cut of the server's request
// line, and only the fields below carry meaning.
Parsed<MadeFields> ReadMade(std::string_view text) {
  ParseError e = CheckLayout(text, kHeadMade, kMadeLength);
  MadeFields m;
  m.unitTime = ReadRanged(text, 11, 3, kUnitTimeMin, kUnitTimeMax, e);
  m.exceed = ReadRanged(text, 16, 3, kExceedMin, kExceedMax, e);
  m.retract = ReadRanged(text, 21, 3, kRetractMin, kRetractMax, e);
  if (e == ParseError::None) {
    m.campName = std::string(Cut(text, 6, 3));
    m.stationId = std::string(Cut(text, 26, kStationIdLength));
    m.body = std::string(Cut(text, kHeadLength + 1, kMadeLength - kHeadLength));
  }
  return Result(std::move(m), e);
}

Parsed<MoveFields> ReadMove(std::string_view text) {
  ParseError e = CheckLayout(text, kHeadMove, kMoveLength);
  const int last = kBoardSize - 1;
  MoveFields m;
  m.piece = ReadRanged(text, 5, 2, 0, kPieceCount - 1, e);
  m.captured = ReadRanged(text, 7, 2, kNoPiece, kPieceCount - 1, e);
  m.fromX = ReadRanged(text, 9, 2, 0, last, e);
  m.fromY = ReadRanged(text, 11, 2, 0, last, e);
  m.toX = ReadRanged(text, 13, 2, 0, last, e);
  m.toY = ReadRanged(text, 15, 2, 0, last, e);
  m.passFlag = ReadRanged(text, 17, 2, kIntMin, kIntMax, e);
  return Result(m, e);
}

Parsed<Camp> ReadWinn(std::string_view text) {
  ParseError e = CheckLayout(text, kHeadWinn, kWinnLength);
  const int winner = ReadRanged(text, 5, 2, kIntMin, kIntMax, e);
  return Result(winner == 0 ? Camp::Fir : Camp::Oak, e);
}

}  // namespace tamsok
