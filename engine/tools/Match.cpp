#include "engine/tools/Match.h"

#include "engine/Engine.h"
#include "engine/MoveGen.h"
#include "engine/Notation.h"

namespace tamsok::match {

using namespace engine;

std::optional<Camp> ScoringWinner(const int (&lost)[kCampCount], bool equalIsDraw) {
  if (equalIsDraw && lost[0] == lost[1]) return std::nullopt;
  return lost[Index(Camp::Oak)] > lost[Index(Camp::Fir)] ? Camp::Fir : Camp::Oak;
}

GameResult PlayGame(Player& fir, Player& oak, const std::vector<Move>& opening,
                    const GameRules& rules, const std::atomic<bool>& abort, std::string* record) {
  MatchState game;
  auto end = [&](std::optional<Camp> winner, Ending ending, Camp actor, std::string detail = {}) {
    GameResult r{winner,
                 ending,
                 actor,
                 static_cast<int>(game.records.size()),
                 {game.lost[0], game.lost[1]},
                 std::move(detail)};
    if (record) *record += "{" + EndingText(r) + "}";
    return r;
  };
  auto playerOf = [&](Camp c) -> Player& { return c == Camp::Fir ? fir : oak; };
  Undo undo;
  for (;;) {
    if (abort.load()) return end(std::nullopt, Ending::Aborted, Camp::Fir);
    const int records = static_cast<int>(game.records.size());
    const Camp mover = game.pos.SideToMove();
    if (records >= rules.scoringFrom) {
      if (const auto favoured = ScoringWinner(game.lost, rules.equalIsDraw)) {
        const bool itself = playerOf(*favoured).ClaimsItself();
        // Out of turn the referee speaks for every claiming player; in its turn, only for
        // one that cannot claim by itself.
        if ((*favoured != mover && (itself || rules.toolClaims)) ||
            (*favoured == mover && !itself && rules.toolClaims))
          return end(favoured, itself ? Ending::Claim : Ending::ToolClaim, *favoured);
      }
    }
    if (records >= rules.maxPlies)
      return end(ScoringWinner(game.lost, rules.equalIsDraw), Ending::PlyLimit, mover);

    const Action action = records < static_cast<int>(opening.size())
                              ? Action::Play(opening[records])
                              : playerOf(mover).Choose(game);
    switch (action.kind) {
      case Action::Kind::Claim:
        if (records < rules.scoringFrom)
          return end(OtherCamp(mover), Ending::Illegal, mover,
                     "Scoring before record " + std::to_string(rules.scoringFrom));
        return end(ScoringWinner(game.lost, rules.equalIsDraw), Ending::Claim, mover);
      case Action::Kind::Unreadable:
        return end(OtherCamp(mover), Ending::Illegal, mover, "an unreadable reply");
      case Action::Kind::Pass:
        game.pos.MakePass();
        game.records.push_back(Move());
        if (record) *record += std::string(kPassText) + ' ';
        break;
      case Action::Kind::Move: {
        const Move m = action.move;
        if (!IsLegal(game.pos, m))
          return end(OtherCamp(mover), Ending::Illegal, mover, MoveText(m));
        game.records.push_back(m);
        if (record) *record += MoveText(m) + ' ';
        const PieceId captured = game.pos.PieceAt(m.To());
        if (captured != kNoPiece) {
          game.lost[Index(CampOf(captured))] += ValueOf(KindOf(captured));
          if (KindOf(captured) == PieceKind::Tree) return end(mover, Ending::TreeCaptured, mover);
        }
        game.pos.Make(m, undo);
        break;
      }
    }
  }
}

std::string EndingText(const GameResult& r) {
  const std::string actor(CampName(r.actor));
  switch (r.ending) {
    case Ending::TreeCaptured:
      return actor + " captured the Tree";
    case Ending::Claim:
      return "Scoring claimed by " + actor;
    case Ending::ToolClaim:
      return "Scoring claimed for " + actor + " by the tool";
    case Ending::PlyLimit:
      return "scoring at the ply limit";
    case Ending::Illegal:
      return actor + " acted illegally: " + r.detail;
    case Ending::Aborted:
      return "aborted";
  }
  return {};
}

}  // namespace tamsok::match
