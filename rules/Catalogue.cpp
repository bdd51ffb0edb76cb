#include "rules/Catalogue.h"

namespace tamsok {

// The tables are data; these checks keep an edit from silently breaking the roster rules.
static_assert(KindOfPiece[10] == PieceKind::Cloud && KindOfPiece[14] == PieceKind::Wind);
static_assert(InitialPosition[30] == Square{4, 9} && InitialPosition[59] == kOffBoard);
static_assert(CampOf(29) == Camp::Fir && CampOf(30) == Camp::Oak);
static_assert(KindCode(PieceKind::Lightning) == "Th" && CampLetter(Camp::Oak) == "O");

}  // namespace tamsok
