// The bytes of text on the wire. Names and chat lines travel in code page 949 (the Korean
// double-byte code page, a superset of ASCII); the windows work in UTF-8. Every protocol
// message is ASCII and passes both ways unchanged.
//
// Neither conversion fails: a character that the target cannot represent, an invalid byte
// sequence, or a double-byte character cut off at the end of the input becomes a
// replacement character, and the output is always valid in its encoding:
//   Cp949ToUtf8 writes U+FFFD (kUtf8Replacement) for each bad byte sequence;
//   Utf8ToCp949 writes '?' (kCp949Replacement) for each character it cannot encode and for
//   each invalid UTF-8 byte.
//
// The converters keep one conversion descriptor per thread, opened on first use.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tamsok {

inline constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD
inline constexpr char kCp949Replacement = '?';

std::string Utf8ToCp949(std::string_view utf8);
std::string Cp949ToUtf8(std::string_view cp949);

// The most bytes of one text from the wire that a window shows. Laying out a line costs far
// more than linear time in its length, so a long line is cut.
inline constexpr std::size_t kMaxShownBytes = 2000;

// What a person reads of text from the wire: converted to UTF-8; a text longer than
// kMaxShownBytes is cut before the character that would cross the bound, and a mark that
// gives the whole length follows.
std::string ShownText(std::string_view wire);

}  // namespace tamsok
