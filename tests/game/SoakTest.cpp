// A thousand complete random games through the game layer, in local, room and client play,
// with the invariants checked after every step.
#include <gtest/gtest.h>

#include <random>

#include "rules/Catalogue.h"
#include "rules/Frames.h"
#include "tests/game/FakeView.h"

namespace tamsok {
namespace {

using testing::GameFixture;

struct Move {
  PieceId piece;
  Square to;
};

std::vector<Move> LegalMoves(const Board& b, Camp camp) {
  std::vector<Move> moves;
  for (PieceId p = 0; p < kPieceCount; ++p) {
    if (CampOf(p) != camp || !b.StandsOnBoard(p)) continue;
    const Square f = b.PiecePos[p];
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y)
        if (CheckMove(b, p, f.x, f.y, x, y) == MoveCheckResult::Legal) moves.push_back({p, {x, y}});
  }
  return moves;
}

class SoakGame {
 public:
  SoakGame(std::mt19937& rng, GameMode mode) : rng_(rng), mode_(mode) {
    GameFixture& f = fixture_;
    f.game.SelectViewSide(Pick(4));
    if (mode == GameMode::LocalPlaying) {
      f.game.miNewClick();
    } else {
      f.game.SetGameMode(mode);
      f.game.SetOwnCamp(Pick(2) ? Camp::Oak : Camp::Fir);
      f.game.miNewClick();
      f.game.SetCanHandlePieces(true);
      f.game.SetRequestTerms(10 + Pick(20), Pick(8), 0);
    }
  }

  // Plays until the game ends or the step budget runs out; returns the number of steps.
  int Play(int maxSteps) {
    Game& g = fixture_.game;
    int step = 0;
    for (; step < maxSteps && IsPlayingMode(g.Mode()); ++step) {
      Step();
      const std::string broken = g.CheckInvariants();
      if (!broken.empty()) {
        ADD_FAILURE() << "step " << step << ": " << broken;
        return step;
      }
      if (g.Mode() != mode_ && IsPlayingMode(g.Mode())) {
        ADD_FAILURE() << "changed to another playing mode";
        return step;
      }
    }
    return step;
  }

  const Game& game() const { return fixture_.game; }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  // A legal move of the side to move, preferring captures so that Trees do fall.
  bool ChooseMove(Move* out) {
    const Game& g = fixture_.game;
    const std::vector<Move> moves = LegalMoves(g.board(), g.SideToMove());
    if (moves.empty()) return false;
    std::vector<Move> captures;
    for (const Move& m : moves)
      if (g.board().OccupantAt(m.to) != kNoPiece) captures.push_back(m);
    const std::vector<Move>& from = !captures.empty() && Pick(3) == 0 ? captures : moves;
    *out = from[static_cast<std::size_t>(Pick(static_cast<int>(from.size())))];
    return true;
  }

  // The opponent's move arriving from the peer, in canonical squares.
  void ReceiveOpponentMove() {
    Game& g = fixture_.game;
    Move m;
    if (!ChooseMove(&m)) {
      g.PassBookkeeping();
      return;
    }
    const int side = g.ViewSide();
    const Square from = ToCanonical(side, g.board().PiecePos[m.piece]);
    const Square to = ToCanonical(side, m.to);
    const MoveFields fields{m.piece, g.board().OccupantAt(m.to), from.x, from.y, to.x, to.y, 0};
    const std::string reply = g.ApplyReceivedMove(fields, BuildMove(fields));
    ASSERT_NE(reply.rfind("Refused move", 0), 0u) << reply;
  }

  void Step() {
    Game& g = fixture_.game;
    const bool ownTurn = mode_ == GameMode::LocalPlaying || g.SideToMove() == g.OwnCamp();
    const int action = Pick(100);
    if (action < 60) {
      Move m;
      if (!ownTurn)
        ReceiveOpponentMove();
      else if (ChooseMove(&m))
        g.PlayDroppedPiece(m.piece, m.to.x, m.to.y);
      else
        g.PassBookkeeping();
    } else if (action < 66) {
      if (ownTurn && mode_ != GameMode::LocalPlaying)
        g.miPassClick();
      else
        g.PassBookkeeping();  // a pass arriving from the peer
      if (g.PassPending()) {  // a client's pass takes effect with the room's echo
        g.PassBookkeeping();
        g.SetPassPending(false);
      }
    } else if (action < 74 && mode_ == GameMode::LocalPlaying) {
      g.miUndoClick();
    } else if (action < 80 && mode_ == GameMode::LocalPlaying) {
      g.miRedoClick();
    } else if (action < 85) {
      g.SelectViewSide(Pick(4));
    } else if (action < 97) {
      for (int n = Pick(12); n > 0; --n)
        g.Timer1Timer();
    } else if (action < 99) {
      if (g.RecordCount() >= 50 || Pick(8) == 0) g.miScoringClick();
    } else if (Pick(8) == 0) {
      g.miLossgameClick();
    }
  }

  std::mt19937& rng_;
  GameMode mode_;
  GameFixture fixture_;
};

TEST(Soak, AThousandCompleteGames) {
  std::mt19937 rng(20261208);
  int ended[6] = {};
  long totalSteps = 0;
  int treeFalls = 0;
  const GameMode modes[] = {GameMode::LocalPlaying, GameMode::ServerPlaying,
                            GameMode::ClientPlaying};
  for (int n = 0; n < 1000; ++n) {
    const GameMode mode = modes[n % 3];
    SoakGame game(rng, mode);
    totalSteps += game.Play(400);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "game " << n;
      return;
    }
    ++ended[static_cast<int>(game.game().Mode())];
    const Board& b = game.game().board();
    treeFalls += mode == GameMode::ServerPlaying && (!b.InPlay[0] || !b.InPlay[30]);
    EXPECT_EQ(game.game().ClockRunning(), IsPlayingMode(game.game().Mode()));
  }
  // Most games end; every ending leaves the free mode of their role.
  EXPECT_GT(ended[0] + ended[2] + ended[4], 600);
  EXPECT_GT(treeFalls, 20);  // room games ended by a captured Tree
  std::printf("steps %ld ended local %d room %d client %d, still playing %d, trees %d\n",
              totalSteps, ended[0], ended[2], ended[4], ended[1] + ended[3] + ended[5], treeFalls);
}

}  // namespace
}  // namespace tamsok
