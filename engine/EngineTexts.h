// Every text the engine layer writes for people or programs: the protocol's fixed replies and
// its error messages. Errors go out as "info string error " followed by one of these.
#pragma once

#include <string_view>

namespace tamsok::engine::texts {

inline constexpr std::string_view kIdName = "id name Tamsok engine 1.2.0";
inline constexpr std::string_view kIdAuthor = "id author the Tamsok Janggi developers";
inline constexpr std::string_view kOptionHash =
    "option name Hash type spin default 16 min 1 max 1024";
inline constexpr std::string_view kOptionStrength =
    "option name Strength type combo default Full var Beginner var Novice var Easy var Casual var "
    "Medium var Advanced var Skilled var Strong var Expert var Hard var Full";
inline constexpr std::string_view kOptionSeed =
    "option name Seed type spin default 0 min 0 max 2147483647";
inline constexpr std::string_view kOptionMultiPv =
    "option name MultiPV type spin default 1 min 1 max 16";
inline constexpr std::string_view kBestMoveScoring = "bestmove scoring";
inline constexpr std::string_view kUciOk = "uciok";
inline constexpr std::string_view kReadyOk = "readyok";
inline constexpr std::string_view kErrorPrefix = "info string error ";

inline constexpr std::string_view kUnknownCommand = "unknown command: ";
inline constexpr std::string_view kPositionKind = "position needs startpos";
inline constexpr std::string_view kPositionExtra = "unexpected text after startpos: ";
inline constexpr std::string_view kMalformedMove = "malformed move: ";
inline constexpr std::string_view kIllegalMove = "illegal move: ";
inline constexpr std::string_view kGoArgument = "bad go argument: ";
inline constexpr std::string_view kOptionSyntax = "setoption needs: name <id> value <x>";
inline constexpr std::string_view kUnknownOption = "unknown option: ";
inline constexpr std::string_view kBadOptionValue = "bad option value: ";

}  // namespace tamsok::engine::texts
