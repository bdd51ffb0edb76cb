#include "game/Messages.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tamsok {
namespace {

constexpr std::string_view kStation = "  123 4567   89";

// ---- Golden texts ----------------------------------------------------------------------

TEST(MessagesGolden, RequestRoomLineAndMade) {
  const std::string requ = BuildRequ(1, 30, 5, 0, kStation);
  EXPECT_EQ(requ, "Requ1 30  5  0  123 4567   89");
  ASSERT_EQ(requ.size(), std::size_t{kRequLength});

  const auto r = ReadRequ(requ);
  ASSERT_TRUE(r) << ParseErrorText(r.error);
  EXPECT_EQ(r.value.camp, 1);
  EXPECT_EQ(r.value.unitTime, 30);
  EXPECT_EQ(r.value.exceed, 5);
  EXPECT_EQ(r.value.retract, 0);
  EXPECT_EQ(r.value.stationId, kStation);

  const std::string line = BuildRoomLine("192.0.2.7", "Oak", 30, 5, 0, kStation);
  EXPECT_EQ(line, "[      192.0.2.7][Oak][ 30][  5][  0][  123 4567   89]");
  ASSERT_EQ(line.size(), std::size_t{kRoomLineLength});

  const std::string made = BuildMadeFromRoomLine(line);
  EXPECT_EQ(made, "Made[Oak][ 30][  5][  0][  123 4567   89]");
  ASSERT_EQ(made.size(), std::size_t{kMadeLength});

  const auto m = ReadMade(made);
  ASSERT_TRUE(m) << ParseErrorText(m.error);
  EXPECT_EQ(m.value.campName, "Oak");
  EXPECT_EQ(m.value.unitTime, 30);
  EXPECT_EQ(m.value.exceed, 5);
  EXPECT_EQ(m.value.retract, 0);
  EXPECT_EQ(m.value.stationId, kStation);
  EXPECT_EQ(m.value.body, "[Oak][ 30][  5][  0][  123 4567   89]");
}

TEST(MessagesGolden, MoveAndWinn) {
  const MoveFields tree{0, -1, 4, 0, 4, 1, 0};
  EXPECT_EQ(BuildMove(tree), "Move 0-1 4 0 4 1 0");
  const auto m = ReadMove("Move 0-1 4 0 4 1 0");
  ASSERT_TRUE(m) << ParseErrorText(m.error);
  EXPECT_EQ(m.value, tree);

  EXPECT_EQ(BuildWinn(Camp::Fir), "Winn 0");
  EXPECT_EQ(BuildWinn(Camp::Oak), "Winn 1");
  EXPECT_EQ(ReadWinn("Winn 0").value, Camp::Fir);
  EXPECT_EQ(ReadWinn("Winn 1").value, Camp::Oak);
  // Only zero names Fir.
  EXPECT_EQ(ReadWinn("Winn-1").value, Camp::Oak);
  EXPECT_EQ(ReadWinn("Winn99").value, Camp::Oak);
  EXPECT_EQ(ReadWinn("Winn00").value, Camp::Fir);
}

TEST(MessagesGolden, RequestCampIsTheDigitsParity) {
  for (char digit = '0'; digit <= '9'; ++digit) {
    std::string text = BuildRequ(0, 30, 5, 0, kStation);
    text[4] = digit;
    const auto r = ReadRequ(text);
    ASSERT_TRUE(r) << digit;
    EXPECT_EQ(r.value.camp, (digit - '0') % 2) << digit;
  }
  for (char bad : {' ', '-', '+', 'x'}) {
    std::string text = BuildRequ(0, 30, 5, 0, kStation);
    text[4] = bad;
    EXPECT_EQ(ReadRequ(text).error, ParseError::NotANumber) << bad;
  }
}

// ---- Integer fields ---------------------------------------------------------------------

TEST(MessagesIntField, AcceptsPaddedSignedNumerals) {
  const struct {
    const char* field;
    int value;
  } good[] = {
      {"0", 0},
      {" 5", 5},
      {"-1", -1},
      {"+7", 7},
      {"59", 59},
      {"  600", 600},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"   -0", 0},
  };
  for (const auto& c : good) {
    const auto r = ParseIntField(c.field);
    ASSERT_TRUE(r) << '"' << c.field << '"';
    EXPECT_EQ(r.value, c.value) << '"' << c.field << '"';
  }
}

TEST(MessagesIntField, RejectsEverythingElse) {
  const struct {
    const char* field;
    ParseError error;
  } bad[] = {
      {"", ParseError::NotANumber},
      {"  ", ParseError::NotANumber},
      {"-", ParseError::NotANumber},
      {" +", ParseError::NotANumber},
      {"5 ", ParseError::NotANumber},
      {"1 2", ParseError::NotANumber},
      {"- 1", ParseError::NotANumber},
      {"--1", ParseError::NotANumber},
      {"1-", ParseError::NotANumber},
      {"\t1", ParseError::NotANumber},
      {"0x1", ParseError::NotANumber},
      {"1e3", ParseError::NotANumber},
      {"2147483648", ParseError::OutOfRange},
      {"-2147483649", ParseError::OutOfRange},
      {"99999999999999999999999", ParseError::OutOfRange},
      // A non-digit after a long run of digits is still not a number.
      {"99999999999999999999999x", ParseError::NotANumber},
  };
  for (const auto& c : bad) {
    EXPECT_EQ(ParseIntField(c.field).error, c.error) << '"' << c.field << '"';
  }
  EXPECT_EQ(ParseIntField(std::string_view("1\0", 2)).error, ParseError::NotANumber);
}

// ---- Round trips over the whole ranges ---------------------------------------------------

TEST(MessagesRoundTrip, Request) {
  for (int camp = 0; camp <= 1; ++camp)
    for (int unit = kUnitTimeMin; unit <= kUnitTimeMax; ++unit)
      for (int exceed = kExceedMin; exceed <= kExceedMax; ++exceed)
        for (int retract = kRetractMin; retract <= kRetractMax; ++retract) {
          const std::string text = BuildRequ(camp, unit, exceed, retract, kStation);
          const auto r = ReadRequ(text);
          ASSERT_TRUE(r) << text;
          ASSERT_EQ(text.size(), std::size_t{kRequLength});
          ASSERT_TRUE(r.value.camp == camp && r.value.unitTime == unit &&
                      r.value.exceed == exceed && r.value.retract == retract &&
                      r.value.stationId == kStation)
              << text;
        }
}

TEST(MessagesRoundTrip, Made) {
  for (const char* campName : {"Fir", "Oak"})
    for (int unit = kUnitTimeMin; unit <= kUnitTimeMax; ++unit)
      for (int exceed = kExceedMin; exceed <= kExceedMax; ++exceed)
        for (int retract = kRetractMin; retract <= kRetractMax; ++retract) {
          const std::string line =
              BuildRoomLine("255.255.255.255", campName, unit, exceed, retract, "65534    0    1");
          const std::string text = BuildMadeFromRoomLine(line);
          const auto m = ReadMade(text);
          ASSERT_TRUE(m) << text;
          ASSERT_EQ(text.size(), std::size_t{kMadeLength});
          ASSERT_TRUE(m.value.campName == campName && m.value.unitTime == unit &&
                      m.value.exceed == exceed && m.value.retract == retract &&
                      m.value.stationId == "65534    0    1" && m.value.body == line.substr(17))
              << text;
        }
}

TEST(MessagesRoundTrip, IdentifierBytesReachTheMadeUnchanged) {
  // To the reader an identifier is any 15 bytes, a NUL among them; the room line and the
  // "Made" built from a request must carry exactly those bytes, or the requester would not
  // recognise its own game.
  const std::string id(
      "12\0"
      "45\xDB\x11"
      " 9\x7F"
      "abcde",
      15);
  const auto r = ReadRequ(BuildRequ(1, 30, 5, 0, id));
  ASSERT_TRUE(r) << ParseErrorText(r.error);
  EXPECT_EQ(r.value.stationId, id);
  const std::string line = BuildRoomLine("192.0.2.7", "Oak", 30, 5, 0, r.value.stationId);
  EXPECT_EQ(line.size(), std::size_t{kRoomLineLength});
  const auto m = ReadMade(BuildMadeFromRoomLine(line));
  ASSERT_TRUE(m) << ParseErrorText(m.error);
  EXPECT_EQ(m.value.stationId, id);
}

TEST(MessagesRoundTrip, Move) {
  int checked = 0;
  for (int piece = 0; piece < kPieceCount; ++piece)
    for (int captured = kNoPiece; captured < kPieceCount; ++captured)
      for (int square = 0; square < kBoardSize; ++square) {
        // Every value of every field, varied against each other without the full product.
        const MoveFields m{piece,
                           captured,
                           square,
                           (square + piece) % kBoardSize,
                           (square + captured + 1) % kBoardSize,
                           (square * 3 + piece) % kBoardSize,
                           (piece + captured) % 3 == 0 ? 0 : (square % 2 ? -9 : 99)};
        const std::string text = BuildMove(m);
        ASSERT_EQ(text.size(), std::size_t{kMoveLength}) << text;
        const auto r = ReadMove(text);
        ASSERT_TRUE(r) << text;
        ASSERT_EQ(r.value, m) << text;
        ++checked;
      }
  EXPECT_EQ(checked, 60 * 61 * 10);
}

// ---- Short, long, garbled and out-of-range texts ----------------------------------------

// Every reader, with the error it gives for a text, so one table covers them all.
ParseError ErrorOf(std::string_view head, std::string_view text) {
  if (head == kHeadRequ) return ReadRequ(text).error;
  if (head == kHeadMade) return ReadMade(text).error;
  if (head == kHeadMove) return ReadMove(text).error;
  return ReadWinn(text).error;
}

struct Sample {
  std::string_view head;
  std::string text;
};

std::vector<Sample> GoodSamples() {
  return {
      {kHeadRequ, BuildRequ(1, 30, 5, 0, kStation)},
      {kHeadMade, BuildMadeFromRoomLine(BuildRoomLine("192.0.2.7", "Fir", 600, 20, 5, kStation))},
      {kHeadMove, BuildMove({59, 58, 9, 9, 0, 0, 0})},
      {kHeadWinn, BuildWinn(Camp::Oak)}};
}

TEST(MessagesReaders, EveryCutShortTextIsTooShort) {
  for (const Sample& s : GoodSamples()) {
    ASSERT_EQ(ErrorOf(s.head, s.text), ParseError::None) << s.text;
    for (std::size_t n = s.head.size(); n < s.text.size(); ++n)
      EXPECT_EQ(ErrorOf(s.head, s.text.substr(0, n)), ParseError::TooShort)
          << s.text << " cut at " << n;
  }
}

TEST(MessagesReaders, TrailingCharactersAreIgnored) {
  for (const Sample& s : GoodSamples()) {
    for (const char* tail : {"x", "Winn 1", "[Guest] hello", "Move 0-1 4 0 4 1 0"})
      EXPECT_EQ(ErrorOf(s.head, s.text + tail), ParseError::None) << s.text << tail;
  }
  const auto m = ReadMade(GoodSamples()[1].text + "Winn 1");
  ASSERT_TRUE(m);
  EXPECT_EQ(m.value.body.size(), std::size_t{kMadeLength - kHeadLength});
}

TEST(MessagesReaders, WrongHeadIsReportedBeforeAnythingElse) {
  for (const Sample& s : GoodSamples()) {
    std::string other = s.text;
    other[0] = static_cast<char>(other[0] ^ 0x20);  // "requ", "made", ...
    EXPECT_EQ(ErrorOf(s.head, other), ParseError::WrongHead) << other;
    EXPECT_EQ(ErrorOf(s.head, ""), ParseError::WrongHead);
    EXPECT_EQ(ErrorOf(s.head, s.head.substr(0, 3)), ParseError::WrongHead);
  }
  EXPECT_EQ(ReadRequ("Requested").error, ParseError::TooShort);
}

TEST(MessagesReaders, GarbledAndOutOfRangeFields) {
  const struct {
    std::string_view head;
    const char* text;
    ParseError error;
  } cases[] = {
      {kHeadRequ, "Requ1  9  5  0  123 4567   89", ParseError::OutOfRange},
      {kHeadRequ, "Requ1601  5  0  123 4567   89", ParseError::OutOfRange},
      {kHeadRequ, "Requ1 30 21  0  123 4567   89", ParseError::OutOfRange},
      {kHeadRequ, "Requ1 30 -1  0  123 4567   89", ParseError::OutOfRange},
      {kHeadRequ, "Requ1 30  5  6  123 4567   89", ParseError::OutOfRange},
      {kHeadRequ, "Requ1 3x  5  0  123 4567   89", ParseError::NotANumber},
      {kHeadRequ, "Requ1 30 5   0  123 4567   89", ParseError::NotANumber},
      {kHeadRequ, "Requ1      5  0  123 4567   89", ParseError::NotANumber},
      // The station id is text: anything of the right length is taken.
      {kHeadRequ, "Requ0 30  5  0[Guest] hello!!", ParseError::None},
      {kHeadMade, "Made[Oak][  9][  5][  0][  123 4567   89]", ParseError::OutOfRange},
      {kHeadMade, "Made[Oak][ 30][ 21][  0][  123 4567   89]", ParseError::OutOfRange},
      {kHeadMade, "Made[Oak][ 30][  5][ 99][  123 4567   89]", ParseError::OutOfRange},
      {kHeadMade, "Made[Oak][ ab][  5][  0][  123 4567   89]", ParseError::NotANumber},
      {kHeadMade, "Made[Oak][30 ][  5][  0][  123 4567   89]", ParseError::NotANumber},
      // Brackets carry no meaning and are not checked; the camp name is taken as sent.
      {kHeadMade, "Made(Elm)( 30)(  5)(  0)(  123 4567   89)", ParseError::None},
      {kHeadMove, "Move60-1 4 0 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move-1-1 4 0 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-2 4 0 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 060 4 0 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-110 0 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-1 4-1 4 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-1 4 010 1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-1 4 0 4-1 0", ParseError::OutOfRange},
      {kHeadMove, "Move 0-1 4 0 4 1 x", ParseError::NotANumber},
      {kHeadMove, "Move 0-1 4 0 4 1  ", ParseError::NotANumber},
      {kHeadMove, "Move 0-1 4 0 4 1-9", ParseError::None},
      {kHeadMove, "Move0 -1 4 0 4 1 0", ParseError::NotANumber},
      {kHeadWinn, "Winn  ", ParseError::NotANumber},
      {kHeadWinn, "Winn1 ", ParseError::NotANumber},
      {kHeadWinn, "Winn -", ParseError::NotANumber},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ErrorOf(c.head, c.text), c.error) << c.text;
}

}  // namespace
}  // namespace tamsok
