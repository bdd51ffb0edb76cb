// The settings file reader and writer on arbitrary file contents. Input: one byte with the
// key's length (modulo 48), the key, one byte with the value's length (modulo 8), the value,
// and the rest is the file. The file is written, its "Server IP" keys are read, the key is
// written with WriteKey and must then read back, with its value, and with every other key kept
// in its order.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz/FuzzHarness.h"
#include "net/IniFile.h"

namespace tamsok::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOtherSection = "Other";

// A folder of this process's own, removed at exit.
struct ScratchFolder {
  fs::path path;
  ScratchFolder() {
    path = fs::temp_directory_path() / ("tamsok-fuzz-ini-" + std::to_string(::getpid()));
    fs::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

const fs::path& IniPath() {
  static const ScratchFolder folder;
  static const fs::path path = folder.path / kIniFileName;
  return path;
}

void WriteFile(const fs::path& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) Fail("cannot write the scratch file");
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Has(std::string_view s, std::string_view chars) {
  return s.find_first_of(chars) != std::string_view::npos;
}

bool BlankAtAnEnd(std::string_view s) {
  return !s.empty() && (Has(s.substr(0, 1), " \t") || Has(s.substr(s.size() - 1), " \t"));
}

// What IniFile promises to write: names and values that read back as written.
bool PromisedWritable(std::string_view key, std::string_view value) {
  const std::string_view breaks("\r\n\0", 3);
  if (key.empty() || Has(key, breaks) || Has(value, breaks)) return false;
  if (BlankAtAnEnd(key) || BlankAtAnEnd(value) || Has(key, "=")) return false;
  return !(key.starts_with('[') || key.starts_with(';') || key.starts_with('#'));
}

void CheckKeys(const std::vector<std::string>& keys, std::string_view content) {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::string& k = keys[i];
    if (k.empty() || Has(k, "\n") || BlankAtAnEnd(k)) Fail("a key read back malformed", k);
    if (std::find(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(i), k) !=
        keys.begin() + static_cast<std::ptrdiff_t>(i))
      Fail("a key is listed twice", k);
  }
  if (!keys.empty() && content.find('\0') != std::string_view::npos)
    Fail("keys were read from a file holding NUL bytes", content);
}

// `after` is `before` with `key` added somewhere when it was missing; the order of the
// keys already there is kept.
void CheckKeptOrder(const std::vector<std::string>& before, const std::vector<std::string>& after,
                    const std::string& key, std::string_view content) {
  const bool wasThere = std::find(before.begin(), before.end(), key) != before.end();
  std::vector<std::string> withoutNew = after;
  if (!wasThere) {
    const auto it = std::find(withoutNew.begin(), withoutNew.end(), key);
    if (it == withoutNew.end()) Fail("a written key does not read back", content);
    withoutNew.erase(it);
  }
  if (withoutNew != before) Fail("writing a key changed the other keys", content);
}

}  // namespace
}  // namespace tamsok::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tamsok;
  using namespace tamsok::fuzz;
  ByteReader in(data, size);
  const std::string key(in.Bytes(in.Byte() % 48));
  const std::string value(in.Bytes(in.Byte() % 8));
  const std::string content(in.Bytes(size));

  const std::filesystem::path& path = IniPath();
  WriteFile(path, content);
  const IniFile ini(path);
  const std::vector<std::string> keys = ini.ReadKeys(kServerIpSection);
  const std::vector<std::string> others = ini.ReadKeys(kOtherSection);
  CheckKeys(keys, content);
  CheckKeys(others, content);

  const bool readable = content.find('\0') == std::string::npos;
  const bool written = ini.WriteKey(kServerIpSection, key, value);
  const std::string afterWrite = ReadFile(path);
  if (written != (readable && PromisedWritable(key, value)))
    Fail(written ? "WriteKey wrote what it promises to refuse" : "WriteKey refused a valid key",
         content);
  if (std::filesystem::exists(path.string() + ".tmp")) Fail("WriteKey left its temporary file");
  if (!written) {
    if (afterWrite != content) Fail("a refused WriteKey changed the file", content);
    return 0;
  }
  CheckKeptOrder(keys, ini.ReadKeys(kServerIpSection), key, content);
  if (ini.ReadValue(kServerIpSection, key) != value)
    Fail("a written value does not read back", content);
  if (ini.ReadKeys(kOtherSection) != others) Fail("WriteKey changed another section", content);
  // Writing the same again is a no-op, byte for byte.
  if (!ini.WriteKey(kServerIpSection, key, value) || ReadFile(path) != afterWrite)
    Fail("writing a key twice changed the file", content);
  return 0;
}
