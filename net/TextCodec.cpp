#include "net/TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "net/NetTexts.h"

namespace tamsok {

namespace {

// How many input bytes to drop at a sequence the converter refused; at least 1.
using SkipFn = std::size_t (*)(std::string_view rest);

// Length of the well-formed UTF-8 sequence at the front of `s`, or 0 when the front is not
// one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
std::size_t Utf8SequenceLength(std::string_view s) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 < 0x80) return 1;
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < (i == 1 ? lo : 0x80) || b > (i == 1 ? hi : 0xBF)) return 0;
  }
  return n;
}

// A UTF-8 character the target cannot hold is dropped whole, so it becomes one '?'; a
// broken byte is dropped alone.
std::size_t SkipUtf8(std::string_view rest) {
  const std::size_t n = Utf8SequenceLength(rest);
  return n == 0 ? 1 : n;
}

// In code page 949 only the lead byte is dropped: the byte after it may be ASCII, and is
// read again on its own.
std::size_t SkipCp949(std::string_view) {
  return 1;
}

// Output buffer of a conversion: grows on demand; `used` bytes are valid.
class OutBuffer {
 public:
  explicit OutBuffer(std::size_t expected) : data_(expected + 16, '\0') {}

  void Reserve(std::size_t more) {
    if (data_.size() - used_ < more) data_.resize(std::max(data_.size() * 2, used_ + more));
  }
  void Put(std::string_view s) {
    Reserve(s.size());
    std::memcpy(data_.data() + used_, s.data(), s.size());
    used_ += s.size();
  }
  char* Tail() { return data_.data() + used_; }
  std::size_t Room() const { return data_.size() - used_; }
  void Advance(char* tail) { used_ = static_cast<std::size_t>(tail - data_.data()); }
  std::string Take() {
    data_.resize(used_);
    return std::move(data_);
  }

 private:
  std::string data_;
  std::size_t used_ = 0;
};

// One iconv conversion descriptor, opened once and reused; the shift state is reset at the
// start of every conversion. If the system cannot open it, ASCII still passes and every
// other byte sequence is replaced.
class IconvConverter {
 public:
  IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvConverter() {
    if (Ok()) iconv_close(cd_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;

  std::string Convert(std::string_view in, std::string_view replacement, SkipFn skip) {
    if (!Ok()) return AsciiOnly(in, replacement, skip);
    OutBuffer out(in.size() * 3 / 2);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());  // iconv's signature; it does not write
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
      out.Reserve(16);
      char* outPtr = out.Tail();
      std::size_t outLeft = out.Room();
      const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.Advance(outPtr);
      if (r != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        out.Reserve(out.Room() + 64);
        continue;
      }
      out.Put(replacement);
      if (errno != EILSEQ) break;  // EINVAL: the input ends inside a character
      const std::size_t n = std::min(skip(std::string_view(inPtr, inLeft)), inLeft);
      inPtr += n;
      inLeft -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out.Take();
  }

 private:
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  static std::string AsciiOnly(std::string_view in, std::string_view replacement, SkipFn skip) {
    OutBuffer out(in.size());
    while (!in.empty()) {
      if (static_cast<unsigned char>(in[0]) < 0x80) {
        out.Put(in.substr(0, 1));
        in.remove_prefix(1);
      } else {
        out.Put(replacement);
        in.remove_prefix(std::min(skip(in), in.size()));
      }
    }
    return out.Take();
  }

  iconv_t cd_;
};

// The glibc name of code page 949 (the unified Hangul code).
constexpr const char* kCp949 = "CP949";
constexpr const char* kUtf8 = "UTF-8";

}  // namespace

std::string Utf8ToCp949(std::string_view utf8) {
  thread_local IconvConverter converter(kCp949, kUtf8);
  return converter.Convert(utf8, std::string_view(&kCp949Replacement, 1), SkipUtf8);
}

std::string Cp949ToUtf8(std::string_view cp949) {
  thread_local IconvConverter converter(kUtf8, kCp949);
  return converter.Convert(cp949, kUtf8Replacement, SkipCp949);
}

std::string ShownText(std::string_view wire) {
  if (wire.size() <= kMaxShownBytes) return Cp949ToUtf8(wire);
  // A double-byte character is a lead byte 0x81..0xFE and one more byte.
  std::size_t cut = 0;
  while (true) {
    const auto b = static_cast<unsigned char>(wire[cut]);
    const std::size_t width = b >= 0x81 && b <= 0xFE ? 2 : 1;
    if (cut + width > kMaxShownBytes) break;
    cut += width;
  }
  char mark[64];
  std::snprintf(mark, sizeof mark, nettext::kCutMark, wire.size());
  return Cp949ToUtf8(wire.substr(0, cut)) + mark;
}

}  // namespace tamsok
