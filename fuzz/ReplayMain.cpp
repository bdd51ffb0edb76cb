// A stand-in for libFuzzer's driver in builds without it: runs LLVMFuzzerTestOneInput once
// on every file named on the command line or found in a named folder, so the committed
// corpus is a regression test of the ordinary build. Arguments starting with '-' are
// libFuzzer options and are ignored (the tests pass "-runs=0" to either driver alike).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsOf(const fs::path& arg) {
  std::vector<fs::path> files;
  if (fs::is_directory(arg)) {
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(arg))
      if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
  } else if (fs::is_regular_file(arg)) {
    files.push_back(arg);
  }
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t runs = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.starts_with('-')) continue;
    const std::vector<fs::path> files = InputsOf(arg);
    if (files.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", arg.c_str());
      return 1;
    }
    for (const fs::path& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++runs;
    }
  }
  if (runs == 0) {
    std::fprintf(stderr, "usage: %s [-option ...] file-or-folder ...\n", argv[0]);
    return 1;
  }
  std::printf("replayed %zu inputs\n", runs);
  return 0;
}
