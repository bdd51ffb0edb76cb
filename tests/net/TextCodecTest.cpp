#include "net/TextCodec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tamsok {
namespace {

// An independent check of UTF-8 well-formedness, through code points.
bool WellFormedUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    unsigned cp = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

const std::string kFffd(kUtf8Replacement);

TEST(TextCodec, AsciiPassesUnchangedBothWays) {
  std::string ascii;
  for (int c = 0; c < 0x80; ++c)
    ascii += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp949(ascii), ascii);
  EXPECT_EQ(Cp949ToUtf8(ascii), ascii);
  EXPECT_EQ(Utf8ToCp949(""), "");
  EXPECT_EQ(Cp949ToUtf8(""), "");
  const std::string requ = "Requ1 30  5  0  123 4567   89";
  EXPECT_EQ(Cp949ToUtf8(Utf8ToCp949(requ)), requ);
}

TEST(TextCodec, KoreanTextHasItsCodePageBytesAndComesBack) {
  const struct {
    const char* utf8;
    const char* cp949;
  } cases[] = {
      {"안녕하세요", "\xBE\xC8\xB3\xE7\xC7\xCF\xBC\xBC\xBF\xE4"},
      {"전나무", "\xC0\xFC\xB3\xAA\xB9\xAB"},
      {"참나무", "\xC2\xFC\xB3\xAA\xB9\xAB"},
      // A syllable outside the older two-byte set, present in this code page only.
      {"똠", "\x8C\x63"},
      {"[손님] 안녕 hi", "[\xBC\xD5\xB4\xD4] \xBE\xC8\xB3\xE7 hi"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToCp949(c.utf8), c.cp949) << c.utf8;
    EXPECT_EQ(Cp949ToUtf8(c.cp949), c.utf8) << c.utf8;
  }
}

TEST(TextCodec, BadCodePageBytesBecomeReplacementCharacters) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"\xFF", kFffd},
      {"A\x80"
       "B",
       "A" + kFffd + "B"},
      // A lead byte before an ASCII byte that cannot follow it: only the lead is lost.
      {"\xB0 x", kFffd + " x"},
      // A double-byte character cut in half at the end.
      {"\xBE\xC8\xB3", "안" + kFffd},
      {"\xBE", kFffd},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Cp949ToUtf8(c.in), c.out);
}

TEST(TextCodec, UnencodableOrBrokenUtf8BecomesQuestionMarks) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"a😀b", "a?b"},  // not in the code page: one mark per character
      {"é", "?"},
      {"\xC3", "?"},       // cut at the end
      {"\xE4\xB8", "?"},   // cut at the end
      {"x\xFFy", "x?y"},   // never valid in UTF-8
      {"\x80\x80", "??"},  // stray continuation bytes
      {"\xC0\xAF", "??"},  // overlong
      {"안\xC3"
       "녕",
       "\xBE\xC8?\xB3\xE7"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Utf8ToCp949(c.in), c.out) << c.in;
}

TEST(TextCodec, ArbitraryBytesNeverGiveInvalidOutput) {
  std::mt19937 random(949);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(random() % 24, '\0');
    for (char& b : bytes)
      b = static_cast<char>(random() % 2 ? 0x80 + random() % 0x80 : random());
    const std::string utf8 = Cp949ToUtf8(bytes);
    ASSERT_TRUE(WellFormedUtf8(utf8)) << round;
    ASSERT_TRUE(WellFormedUtf8(Cp949ToUtf8(Utf8ToCp949(bytes)))) << round;
  }
}

TEST(TextCodec, EveryDoubleByteCharacterComesBackAsItWent) {
  int defined = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead)
    for (int trail = 0x41; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string utf8 = Cp949ToUtf8(pair);
      ASSERT_TRUE(WellFormedUtf8(utf8));
      if (utf8.find(kFffd) != std::string::npos) continue;
      ++defined;
      ASSERT_EQ(Utf8ToCp949(utf8), pair) << lead << ' ' << trail;
    }
  // 2350 + 8822 Hangul syllables, 4888 Hanja and the symbols: well over 17000 characters.
  EXPECT_GT(defined, 17000);
}

// A long text from the wire is shown cut, before a whole character, with its length.
TEST(TextCodec, ShownTextIsCutBeforeACharacterWithAMark) {
  const std::string korean = Utf8ToCp949("안녕");  // two double-byte characters
  EXPECT_EQ(ShownText(korean + " hi"), "안녕 hi");
  const struct {
    std::string wire;
    std::string shownStart;
  } cases[] = {
      {std::string(4 << 20, 'a'), std::string(kMaxShownBytes, 'a')},
      {"x" + std::string(4 << 20, '\xB0'), "x"},  // lead bytes all along: one byte, then pairs
      {std::string(kMaxShownBytes - 1, 'a') + korean, std::string(kMaxShownBytes - 1, 'a')},
  };
  for (const auto& c : cases) {
    const std::string shown = ShownText(c.wire);
    const std::string mark = " [... cut, " + std::to_string(c.wire.size()) + " bytes in all]";
    ASSERT_TRUE(shown.ends_with(mark)) << shown.substr(0, 40);
    const std::string kept = shown.substr(0, shown.size() - mark.size());
    EXPECT_EQ(kept.substr(0, c.shownStart.size()), c.shownStart);
    EXPECT_LE(kept.size(), kMaxShownBytes * 3 / 2);
    EXPECT_TRUE(WellFormedUtf8(kept));
    EXPECT_EQ(kept.find(kFffd), std::string::npos);
  }
}

}  // namespace
}  // namespace tamsok
