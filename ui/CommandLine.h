// The program's own command-line options, answered before the toolkit starts so that they
// need no display.
#pragma once

#include <optional>
#include <string_view>

namespace tamsok {

// The text that --help or --version asks for, to be printed before exiting with success;
// nothing when the game should start. The first of the two options given wins.
std::optional<std::string_view> InfoText(int argc, const char* const* argv);

// The value of "--grace SECONDS": how long a room waits for a player whose link was lost
// before its user may claim the win (1..3600); nothing when not given or not a number in range.
std::optional<int> GraceSeconds(int argc, const char* const* argv);

}  // namespace tamsok
