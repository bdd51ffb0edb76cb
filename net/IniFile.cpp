#include "net/IniFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace tamsok {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// One line of the file: its bytes [begin, end) including the line break, and what it says.
struct Line {
  enum class Kind { Other, Section, Key };
  std::size_t begin = 0, end = 0;
  Kind kind = Kind::Other;
  std::string_view name;        // section name or key
  std::string_view value;       // a key's value
  std::string_view terminator;  // "\n", "\r\n" or "" (last line without a break)
};

Line ParseLine(std::string_view content, std::size_t begin) {
  Line line;
  line.begin = begin;
  const std::size_t newline = content.find('\n', begin);
  line.end = newline == std::string_view::npos ? content.size() : newline + 1;
  std::string_view body = content.substr(begin, line.end - begin);
  std::size_t cut = 0;
  if (body.ends_with('\n')) ++cut;
  if (body.substr(0, body.size() - cut).ends_with('\r')) ++cut;
  line.terminator = body.substr(body.size() - cut);
  body.remove_suffix(cut);

  const std::string_view t = Trim(body);
  if (t.starts_with('[')) {
    const std::size_t close = t.find(']');
    if (close != std::string_view::npos) {
      line.kind = Line::Kind::Section;
      line.name = Trim(t.substr(1, close - 1));
    }
  } else if (!t.starts_with(';') && !t.starts_with('#')) {
    const std::size_t eq = t.find('=');
    if (eq != std::string_view::npos && !Trim(t.substr(0, eq)).empty()) {
      line.kind = Line::Kind::Key;
      line.name = Trim(t.substr(0, eq));
      line.value = Trim(t.substr(eq + 1));
    }
  }
  return line;
}

std::vector<Line> ParseLines(std::string_view content) {
  std::vector<Line> lines;
  for (std::size_t at = 0; at < content.size(); at = lines.back().end)
    lines.push_back(ParseLine(content, at));
  return lines;
}

// The whole file, or nothing when it is missing (`missing` set) or not one we read.
std::optional<std::string> Load(const fs::path& path, bool& missing) {
  missing = false;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) {
    missing = true;
    return std::nullopt;
  }
  if (ec || status.type() != fs::file_type::regular) return std::nullopt;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > IniFile::kMaxFileBytes) return std::nullopt;

  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad() || content.size() > IniFile::kMaxFileBytes) return std::nullopt;
  // A settings file is text; NUL bytes mean it is something else.
  if (content.find('\0') != std::string::npos) return std::nullopt;
  return content;
}

// Writes the content beside the file and renames it over the file, so that a failed write
// leaves the old file whole.
bool Replace(const fs::path& path, std::string_view content) {
  fs::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

bool IsBlankAtEnds(std::string_view s) {
  return Trim(s).size() != s.size();
}

// Whether the names and the value read back exactly as they are written.
bool Writable(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty() || key.empty()) return false;
  for (std::string_view s : {section, key, value})
    if (HasLineBreak(s) || IsBlankAtEnds(s) || s.find('\0') != std::string_view::npos) return false;
  if (section.find(']') != std::string_view::npos) return false;
  if (key.find('=') != std::string_view::npos) return false;
  return !(key.starts_with('[') || key.starts_with(';') || key.starts_with('#'));
}

}  // namespace

std::vector<std::string> IniFile::ReadKeys(std::string_view section) const {
  std::vector<std::string> keys;
  bool missing = false;
  const std::optional<std::string> content = Load(path_, missing);
  if (!content) return keys;
  bool inSection = false;
  for (const Line& line : ParseLines(*content)) {
    if (line.kind == Line::Kind::Section) inSection = line.name == section;
    if (line.kind != Line::Kind::Key || !inSection) continue;
    if (std::find(keys.begin(), keys.end(), line.name) == keys.end()) keys.emplace_back(line.name);
  }
  return keys;
}

std::optional<std::string> IniFile::ReadValue(std::string_view section,
                                              std::string_view key) const {
  bool missing = false;
  const std::optional<std::string> content = Load(path_, missing);
  if (!content) return std::nullopt;
  bool inSection = false;
  for (const Line& line : ParseLines(*content)) {
    if (line.kind == Line::Kind::Section) inSection = line.name == section;
    if (line.kind == Line::Kind::Key && inSection && line.name == key)
      return std::string(line.value);
  }
  return std::nullopt;
}

bool IniFile::WriteKey(std::string_view section, std::string_view key,
                       std::string_view value) const {
  if (!Writable(section, key, value)) return false;
  bool missing = false;
  std::optional<std::string> loaded = Load(path_, missing);
  if (!loaded && !missing) return false;
  std::string content = loaded.value_or(std::string());
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  const std::vector<Line> lines = ParseLines(content);
  std::optional<std::size_t> header;       // the section's first header line
  std::optional<std::size_t> insertAfter;  // its last key line, or the header
  bool inSection = false, inFirst = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (line.kind == Line::Kind::Section) {
      inSection = line.name == section;
      inFirst = inSection && !header;
      if (inFirst) header = insertAfter = i;
      continue;
    }
    if (line.kind != Line::Kind::Key || !inSection) continue;
    if (line.name == key) {
      if (line.value == value) return true;  // already so; the file stays untouched
      content.replace(line.begin, line.end - line.begin, keyLine + std::string(line.terminator));
      return Replace(path_, content);
    }
    if (inFirst) insertAfter = i;
  }

  if (insertAfter) {
    const Line& after = lines[*insertAfter];
    // A last line may end without "\n", or in a lone "\r" that does not end a line either.
    const std::string lineBreak = after.terminator.ends_with('\n') ? "" : "\n";
    content.insert(after.end, lineBreak + keyLine + "\n");
  } else {
    if (!content.empty() && !content.ends_with('\n')) content += '\n';
    content += "[" + std::string(section) + "]\n" + keyLine + "\n";
  }
  return Replace(path_, content);
}

}  // namespace tamsok
