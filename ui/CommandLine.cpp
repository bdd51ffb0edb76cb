#include "ui/CommandLine.h"

#include <cstdlib>

#include "ui/UiTexts.h"

namespace tamsok {

// The version the build system gives the package and the one the windows show must agree.
static_assert(std::string_view(ui_text::kVersion) == "Version " TAMSOK_VERSION);
static_assert(
    std::string_view(ui_text::kBoardFormCaption).starts_with("Tamsok Janggi " TAMSOK_VERSION " "));
static_assert(std::string_view(ui_text::kVersionLine) == "Tamsok Janggi " TAMSOK_VERSION "\n");

std::optional<std::string_view> InfoText(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") return ui_text::kUsage;
    if (arg == "--version") return ui_text::kVersionLine;
  }
  return std::nullopt;
}

std::optional<int> GraceSeconds(int argc, const char* const* argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string_view(argv[i]) != "--grace") continue;
    char* end = nullptr;
    const long seconds = std::strtol(argv[i + 1], &end, 10);
    if (*end != '\0' || seconds < 1 || seconds > 3600) return std::nullopt;
    return static_cast<int>(seconds);
  }
  return std::nullopt;
}

}  // namespace tamsok
