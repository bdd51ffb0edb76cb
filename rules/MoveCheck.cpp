#include "rules/MoveCheck.h"

#include <cstdlib>

#include "rules/Catalogue.h"
#include "rules/TextMark.h"

namespace tamsok {

namespace {

// Status texts of the refusal codes, indexed by code; code 1 is composed with the camp name.
constexpr std::array<std::string_view, 10> kRefusalText{
    "",
    "",
    TR_NOOP("tamsok", "Stand still"),
    TR_NOOP("tamsok", "Is not Enemy"),
    TR_NOOP("tamsok", "Out of range"),
    TR_NOOP("tamsok", "Invalid move(rule violation)"),
    TR_NOOP("tamsok", "Can't capture a piece of enemy under cloaking effect"),
    TR_NOOP("tamsok", "Frozen piece can't move & capture"),
    TR_NOOP("tamsok", "Myuk (Blocking piece)"),
    TR_NOOP("tamsok", "Have not ability of capture"),
};
// Code 1: "Not " + camp name + " Turn".
constexpr std::string_view kNotTurnText = TR_NOOP("tamsok", "Not %s Turn");

constexpr int Sign(int v) {
  return (v > 0) - (v < 0);
}

bool Occupied(const Board& b, int x, int y) {
  const BoardCell& c = b.Cells[x][y];
  return c.Count[0] + c.Count[1] > 0;
}

// Both squares are on one row or one column and on the board; only the squares strictly
// between them are visited.
bool IsPathClearOrthogonal(const Board& b, int fromX, int fromY, int toX, int toY) {
  const int sx = Sign(toX - fromX), sy = Sign(toY - fromY);
  for (int x = fromX + sx, y = fromY + sy; x != toX || y != toY; x += sx, y += sy)
    if (Occupied(b, x, y)) return false;
  return true;
}

// Both squares are on one diagonal (|dx| = |dy|) and on the board; only the move's own
// diagonal is visited.
bool IsPathClearDiagonal(const Board& b, int fromX, int fromY, int toX, int toY) {
  return IsPathClearOrthogonal(b, fromX, fromY, toX, toY);  // same walk, both steps non-zero
}

}  // namespace

MoveCheckResult CheckMove(const Board& board, PieceId piece, int fromX, int fromY, int toX,
                          int toY) {
  using R = MoveCheckResult;
  if (!IsValidPiece(piece) || !OnBoard(fromX, fromY) || !OnBoard(toX, toY)) return R::OutOfRange;

  const BoardCell& from = board.Cells[fromX][fromY];
  const BoardCell& to = board.Cells[toX][toY];
  if (from.Occupant == kNoPiece) return R::EmptyFromOrNotTurn;
  if (fromX == toX && fromY == toY) return R::StandStill;

  const int own = Index(CampOf(piece));
  const int enemy = 1 - own;
  const PieceKind kind = KindOf(piece);
  const PieceId target = to.Occupant;
  const bool hasTarget = target != kNoPiece;

  if (hasTarget && Index(CampOf(target)) == own) return R::NotEnemy;
  if (hasTarget && (kind == PieceKind::Cloud || kind == PieceKind::Snow)) return R::CannotCapture;
  if (hasTarget && to.Cloak[enemy] > 0 && Cloakable[Index(KindOf(target))]) return R::TargetCloaked;
  if (from.Freeze[own] > 0 && Freezable[Index(KindOf(from.Occupant))]) return R::Frozen;

  const int dx = toX - fromX, dy = toY - fromY;
  const int ax = std::abs(dx), ay = std::abs(dy);
  const bool line = dx == 0 || dy == 0;
  const bool diagonal = ax == ay;
  const int lineDistance = ax + ay;  // only meaningful on a line
  const bool blockable = Blockable[Index(kind)] != 0;

  // The path test of a blockable kind; other kinds pass over pieces.
  auto pathOrthogonal = [&] {
    return blockable && !IsPathClearOrthogonal(board, fromX, fromY, toX, toY) ? R::Blocked
                                                                              : R::Legal;
  };
  auto pathDiagonal = [&] {
    return blockable && !IsPathClearDiagonal(board, fromX, fromY, toX, toY) ? R::Blocked : R::Legal;
  };

  switch (kind) {
    case PieceKind::Tree:
      if (ax <= 1 && ay <= 1) return R::Legal;
      break;
    case PieceKind::Lightning:
      if (!hasTarget) {
        if (to.TreeZone[own] > 0) return R::Legal;
      } else {
        if (to.CloudZone[own] > 0) return R::Legal;
        if (to.Freeze[enemy] > 0 && Freezable[Index(KindOf(target))]) return R::Legal;
      }
      break;
    case PieceKind::DragonFly:
      if (!hasTarget && line) return pathOrthogonal();
      if (hasTarget && ax == 1 && ay == 1) return R::Legal;
      break;
    case PieceKind::DivingBeetle:
      if (!hasTarget) {
        if (line && lineDistance == 1) return R::Legal;
      } else {
        if (line) return pathOrthogonal();
        if (diagonal) return pathDiagonal();
      }
      break;
    case PieceKind::Grasshopper:
      if ((ax == 2 && ay == 1) || (ax == 1 && ay == 2)) return R::Legal;
      break;
    case PieceKind::Wasp:
      if (line) return pathOrthogonal();
      break;
    case PieceKind::Wind:
    case PieceKind::Cloud:
      if (diagonal && ax <= 2) return pathDiagonal();
      break;
    case PieceKind::Spider:
      if (line && lineDistance <= 2) return pathOrthogonal();
      if (diagonal && ax <= 2) return pathDiagonal();
      break;
    case PieceKind::Snow:
      if (line && lineDistance == 2) return pathOrthogonal();
      break;
    case PieceKind::Ant: {
      // The file axis joins the two camps' home rows: y in sides 0 and 2, x in sides 1 and 3.
      const bool fileIsY = board.ViewSide % 2 == 0;
      const int fileStep = fileIsY ? ay : ax, rankStep = fileIsY ? ax : ay;
      if (!hasTarget && rankStep == 0 && fileStep <= 2) return R::Legal;
      if (hasTarget && fileStep == 0 && rankStep == 1) return R::Legal;
      break;
    }
    case PieceKind::CarpenterAnt:
      if (line) return pathOrthogonal();
      if (diagonal) return pathDiagonal();
      break;
  }
  return R::InvalidMove;
}

std::string MoveCheckText(MoveCheckResult code, Camp camp) {
  if (code == MoveCheckResult::EmptyFromOrNotTurn) {
    std::string text(kNotTurnText);
    return text.replace(text.find("%s"), 2, CampName(camp));
  }
  const auto i = static_cast<std::size_t>(code);
  return i < kRefusalText.size() ? std::string(kRefusalText[i]) : std::string();
}

}  // namespace tamsok
