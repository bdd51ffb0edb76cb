// A small INI file reader and writer that keeps the file as it is: keys stay in file order,
// and a write changes one line (or adds one or two) and leaves every other byte alone.
//
// Format: "[Section]" lines open sections; "key=value" lines inside them hold keys. Blanks
// around a section name, a key and a value are ignored; lines starting with ';' or '#', blank
// lines and lines without '=' are kept but carry no key. Lines end in "\n"; a "\r" before it
// is accepted when reading and kept on lines that are not rewritten. Names compare exactly
// (case-sensitive). A section that appears twice is read as one.
//
// The file this program keeps is "tamsok.ini": section "Server IP", one key per server
// address with an empty value ("[Server IP]", then lines like "192.0.2.7="), and the windows'
// own section (see ui/Translation.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tamsok {

inline constexpr std::string_view kIniFileName = "tamsok.ini";
inline constexpr std::string_view kServerIpSection = "Server IP";

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

  // The key names of `section`, in file order, each once. Empty when the file or the
  // section is missing, and when the file cannot be read, is not a regular file, holds NUL
  // bytes or is larger than any settings file this program writes (kMaxFileBytes).
  std::vector<std::string> ReadKeys(std::string_view section) const;

  // The value of `key` in `section` (its first line when the key is given twice); nothing when
  // the key is missing or the file is one that ReadKeys would not read.
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;

  // Sets `key` to `value` in `section`: a key already present keeps its line and place; a
  // new key goes after the section's last key line; a missing section is added at the end of
  // the file, and a missing file is created. Returns false, leaving the file as it was, when
  // the file cannot be read or replaced, when it is one that ReadKeys would not read, or when
  // a name or the value could not be read back as written (empty name, a line break, '=' in
  // the key, ']' in the section name, blanks at either end, a key starting with '[', ';' or
  // '#'). The new content is written to a temporary file beside the file and renamed over it.
  bool WriteKey(std::string_view section, std::string_view key, std::string_view value) const;

  const std::filesystem::path& path() const { return path_; }

  static constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

 private:
  std::filesystem::path path_;
};

}  // namespace tamsok
