// Move legality: whether a piece may go from one square to another in the current position,
// and if not, why.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/Board.h"
#include "rules/Types.h"

namespace tamsok {

// 0 is legal; every other value is a refusal with its own status text.
enum class MoveCheckResult : std::uint8_t {
  Legal = 0,
  EmptyFromOrNotTurn = 1,  // also used by the turn rule: the piece's camp is not to move
  StandStill = 2,
  NotEnemy = 3,
  OutOfRange = 4,
  InvalidMove = 5,
  TargetCloaked = 6,
  Frozen = 7,
  Blocked = 8,
  CannotCapture = 9,
};

// Per-kind flags, 1 = set. Cloakable: cannot be captured while its camp's Cloak counter on
// its square is positive. Freezable: cannot move while its camp's Freeze counter is
// positive, and is a target for the enemy Lightning when frozen. Blockable: a move whose
// rule consults the flag is refused when a piece stands between the two squares.
// clang-format off
//                                              Tr Th Dr Be Gr Wa Wi Cl Sp Sn An Ca
constexpr std::array<std::int32_t, kKindCount> Cloakable {0, 0, 1, 1, 1, 1, 0, 0, 1, 0, 1, 1};
constexpr std::array<std::int32_t, kKindCount> Freezable {0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1};
constexpr std::array<std::int32_t, kKindCount> Blockable {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1};
// clang-format on

// Decides a move in view coordinates; changes nothing and never reads outside the board.
// The caller passes the piece and its stored position as the from square. The turn is not
// looked at here. A piece id outside 0..59 gets OutOfRange, like an off-board square.
MoveCheckResult CheckMove(const Board& board, PieceId piece, int fromX, int fromY, int toX,
                          int toY);

// The status text of a refusal. For EmptyFromOrNotTurn the text names `camp`:
// "Not " + camp name + " Turn". Legal has no text (empty).
std::string MoveCheckText(MoveCheckResult code, Camp camp);

}  // namespace tamsok
