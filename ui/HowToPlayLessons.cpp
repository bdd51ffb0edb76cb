#include "ui/HowToPlayLessons.h"

#include "rules/TextMark.h"

namespace tamsok::lessons {

namespace {

using K = PieceKind;

Placed F(K kind, int x, int y) {
  return {Camp::Fir, kind, {x, y}};
}
Placed O(K kind, int x, int y) {
  return {Camp::Oak, kind, {x, y}};
}

Block Text(const char* text) {
  return {text, std::nullopt, Table::None};
}
Block Picture(Diagram d) {
  return {nullptr, std::move(d), Table::None};
}
// The subject (the first piece) with its legal targets.
Diagram Moves(std::vector<Placed> pieces, unsigned shows, const char* caption) {
  Diagram d;
  d.pieces = std::move(pieces);
  d.shows = shows;
  d.caption = caption;
  return d;
}

// The subject's area of one influence tinted, and the influence overlay.
Diagram Reach(std::vector<Placed> pieces, Influence area, unsigned shows, const char* caption) {
  Diagram d = Moves(std::move(pieces), shows, caption);
  d.targets = false;
  d.influence = true;
  d.area = area;
  return d;
}

// The influence overlay of the whole position, no subject.
Diagram Overview(std::vector<Placed> pieces, unsigned shows, const char* caption) {
  Diagram d = Moves(std::move(pieces), shows, caption);
  d.subject = -1;
  d.targets = false;
  d.influence = true;
  return d;
}

Diagram Start(const char* caption) {
  Diagram d;
  d.startPosition = true;
  d.subject = -1;
  d.targets = false;
  d.caption = caption;
  return d;
}

Block Generated(Table t, const char* text = nullptr) {
  return {text, std::nullopt, t};
}

// The text of every page. Rich text: <p>, <b>, <i> and lists only.
std::vector<Lesson> Make() {
  std::vector<Lesson> pages;

  pages.push_back(
      {"LessonGoal",
       TR_NOOP("tamsok", "The goal"),
       std::nullopt,
       {Text(TR_NOOP(
            "tamsok",
            "<p>Two camps face each other on a board of 10 &times; 10 squares: <b>Fir</b> "
            "(green) and <b>Oak</b> (red). Each camp has twelve kinds of pieces, named after "
            "nature, and one of them is its <b>Tree</b>.</p>"
            "<p><b>Capture the enemy Tree and you win.</b></p>"
            "<p>You move a piece by dragging it with the mouse onto another square. A piece "
            "captures by moving onto the square of an enemy piece, which leaves the board for "
            "its camp's tray at the side.</p>")),
        Picture(
            Start(TR_NOOP("tamsok",
                          "The start position. Fir's pieces stand on the rows 0 to 3, Oak's on the "
                          "rows 6 to 9."))),
        Text(TR_NOOP(
            "tamsok",
            "<p>Every kind moves in its own way, and many pieces do more than move: they reach "
            "out over the squares around them. They can hide their friends from capture "
            "(<i>cloak</i>), uncover enemies (<i>reveal</i>), stop enemy pieces from moving "
            "(<i>freeze</i>) or keep their friends from being stopped (<i>thaw</i>), and they "
            "mark where a Lightning may land or strike. The page <i>Influence</i> explains "
            "these, and each kind's page shows its own.</p>"
            "<p>Every page about a kind has a <b>Try it</b> button: it puts that piece alone on "
            "a board where you can drag it around and see where it may go.</p>"))}});

  pages.push_back(
      {"LessonTurns",
       TR_NOOP("tamsok", "Turns, passing and scoring"),
       std::nullopt,
       {Text(TR_NOOP(
            "tamsok",
            "<p><b>Fir moves first.</b> Then the camps take turns, one move each. A move that "
            "the rules do not allow is refused, and the status bar at the foot of the window "
            "says why.</p>"
            "<p>Instead of moving, the camp to move may <b>pass</b> (<i>Playing</i> &gt; "
            "<i>Pass</i>): the turn goes to the other camp.</p>"
            "<p>A game ends</p><ul>"
            "<li>when a Tree is captured: its camp has lost;</li>"
            "<li>when a player gives up (<i>Playing</i> &gt; <i>Surrender</i>);</li>"
            "<li>in a game over the network, when a player takes too long too often;</li>"
            "<li>when a player asks for <b>scoring</b> (<i>Playing</i> &gt; <i>Scoring</i>), "
            "allowed from the 50th move on (passes count as moves).</li></ul>"
            "<p>At scoring, the camp that has lost <b>less value</b> in captured pieces wins; "
            "when both have lost the same value, Oak wins. The pieces still on the board do not "
            "count. The values:</p>")),
        Generated(Table::Values),
        Text(TR_NOOP(
            "tamsok",
            "<p>In a game at one machine, moves can be taken back and played again with the "
            "<i>Undo</i> and <i>Redo</i> items of the <i>Playing</i> menu.</p>"))}});

  pages.push_back(
      {"LessonBoard",
       TR_NOOP("tamsok", "Reading the board"),
       std::nullopt,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The letters and digits along the edges of the board name its squares: a "
            "column letter from a to j and a row digit from 0 to 9, such as <b>e3</b>. Hints, "
            "the analysis, the game review, this window and saved games all name squares this "
            "way, so you find a square by its labels from whichever side you look at the "
            "board. When the board is seen from the side, the letters run down its edge and "
            "the digits along its foot.</p>"
            "<p>A move is written as its two squares: <b>e3-e4</b>, or <b>e3xe4</b> when it "
            "captures. (<i>Interface</i> &gt; <i>Board Labels</i> &gt; <i>Digits</i> labels "
            "the board as the status texts count instead: x from the left, y from the "
            "bottom, such as x4y6.)</p>"
            "<p>While you hold a piece, a <b>dot</b> marks every empty square it may move to "
            "and a <b>ring</b> every enemy piece it may capture (<i>Interface</i> &gt; <i>Show "
            "legal moves</i>).</p>")),
        Picture(Moves({F(K::Wasp, 4, 4), F(K::Ant, 2, 4), O(K::Ant, 4, 7)}, kCaptures | kJumps,
                      TR_NOOP("tamsok", "The marks of %1 while it is held."))),
        Generated(
            Table::Legend,
            TR_NOOP("tamsok",
                    "<p>With <i>Interface</i> &gt; <i>Show influence</i> the board also marks "
                    "what the pieces' influence does, for both camps:</p>"))}});

  pages.push_back(
      {"LessonInfluence",
       TR_NOOP("tamsok", "Influence"),
       std::nullopt,
       {Text(TR_NOOP(
            "tamsok",
            "<p>Many pieces reach out over a square block of squares around them: radius 1 is "
            "the block of 3 &times; 3 squares centred on the piece, radius 2 the block of "
            "5 &times; 5, radius 3 the block of 7 &times; 7.</p><ul>"
            "<li><b>Cloak</b>: a piece of your camp inside your cloaking area cannot be "
            "captured.</li>"
            "<li><b>Reveal</b>: inside your revealing area the enemy's cloaking does not "
            "work.</li>"
            "<li><b>Freeze</b>: an enemy piece inside your freezing area cannot move, and your "
            "Lightning may strike it wherever it stands.</li>"
            "<li><b>Thaw</b>: inside your thawing area the enemy's freezing does not work on "
            "your pieces.</li>"
            "<li><b>Tree zone</b>: your Lightning may move to the empty squares next to your "
            "Tree.</li>"
            "<li><b>Cloud zone</b>: both camps' Lightnings may capture on the squares within "
            "two of any Cloud.</li></ul>"
            "<p>Some kinds are never cloaked or frozen, whatever reaches them. The table lists "
            "every kind's reach:</p>")),
        Generated(Table::Influences),
        Picture(Overview(
            {F(K::Tree, 4, 1), F(K::Lightning, 7, 3), F(K::Ant, 3, 2), F(K::Ant, 6, 5),
             O(K::Snow, 5, 4), O(K::Cloud, 7, 6), O(K::Lightning, 8, 8)},
            kCloaked | kFrozen | kLanding | kStrike,
            TR_NOOP("tamsok",
                    "The Fir Tree cloaks the Ant next to it and marks its Lightning's "
                    "landing squares; the Oak Snow freezes the Ant out of the Tree's "
                    "thawing reach; each Lightning may strike in the Oak Cloud's zone, and "
                    "Oak's may also strike the frozen Ant.")))}});

  pages.push_back(
      {"LessonTree",
       TR_NOOP("tamsok", "Tree"),
       K::Tree,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Tree</b> steps one square in any of the eight directions, to an empty "
            "square or onto an enemy piece, which it captures. It is never cloaked and never "
            "frozen, so guard it well: when it is captured, its camp has lost.</p>")),
        Picture(
            Moves({F(K::Tree, 4, 4), O(K::Ant, 5, 5), F(K::Ant, 3, 4)}, kCaptures,
                  TR_NOOP("tamsok",
                          "%1 may step to every free square next to it and capture the Oak Ant."))),
        Text(
            TR_NOOP("tamsok",
                    "<p>The Tree is the most influential piece. It <b>cloaks</b> its camp's pieces "
                    "next to it (radius 1), <b>freezes</b> enemy pieces within two squares, "
                    "<b>reveals</b> enemy pieces and <b>thaws</b> its own within three, and the "
                    "squares next to it are where its camp's Lightning may land.</p>")),
        Picture(Reach(
            {F(K::Tree, 4, 4), F(K::Ant, 3, 5), F(K::DragonFly, 5, 3), F(K::Ant, 6, 4)},
            Influence::Cloak, kCloaked,
            TR_NOOP("tamsok",
                    "%1 cloaks the Ant and the DragonFly next to it; the Ant two squares away "
                    "can be captured."))),
        Picture(
            Reach({F(K::Tree, 4, 4), O(K::Ant, 6, 5), O(K::Ant, 7, 4)}, Influence::Freeze, kFrozen,
                  TR_NOOP("tamsok",
                          "%1 freezes the Oak Ant two squares away; the one three squares away may "
                          "move."))),
        Picture(
            Reach({F(K::Tree, 4, 4), O(K::Cloud, 7, 6), O(K::Ant, 6, 6), O(K::Ant, 8, 6)},
                  Influence::Reveal, kCloaked | kUncloaked,
                  TR_NOOP("tamsok",
                          "The Oak Cloud cloaks both Oak Ants, but %1 reveals the nearer one: it "
                          "can be captured again."))),
        Picture(Reach(
            {F(K::Tree, 2, 4), O(K::Snow, 5, 5), F(K::Ant, 4, 5), F(K::Ant, 6, 6)}, Influence::Thaw,
            kFrozen | kNotFrozen,
            TR_NOOP("tamsok",
                    "The Oak Snow freezes the far Fir Ant; %1 thaws the near one, which stays "
                    "free."))),
        Picture(
            Reach({F(K::Tree, 4, 4), F(K::Lightning, 7, 1)}, Influence::TreeZone, kLanding,
                  TR_NOOP("tamsok", "Diamonds: where the Fir Lightning may land, next to %1.")))}});

  pages.push_back(
      {"LessonLightning",
       TR_NOOP("tamsok", "Lightning: landing and strike"),
       K::Lightning,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Lightning</b> does not walk. Wherever it stands, it may move only to "
            "an <b>empty square next to its own Tree</b> (a diamond in its camp's colour marks "
            "these squares).</p>")),
        Picture(Moves({F(K::Lightning, 7, 5), F(K::Tree, 4, 1), F(K::Ant, 3, 2)}, kLanding,
                      TR_NOOP("tamsok", "%1 may land on any free square next to the Fir Tree."))),
        Text(TR_NOOP(
            "tamsok",
            "<p>It <b>strikes</b> (captures) in two ways: an enemy piece that stands within "
            "two squares of <b>any Cloud</b>, of either camp, unless that piece is cloaked; "
            "and any <b>frozen</b> enemy piece, wherever it stands. A bolt on a piece marks "
            "that a Lightning may strike it.</p>")),
        Picture(Moves(
            {F(K::Lightning, 2, 2), F(K::Tree, 1, 0), O(K::Cloud, 6, 6), O(K::Ant, 8, 7),
             O(K::Spider, 7, 7), O(K::Ant, 3, 6)},
            kCaptures | kStrike | kCloaked | kLanding,
            TR_NOOP("tamsok",
                    "Near the Oak Cloud %1 may strike the Cloud itself and the Ant two squares "
                    "away, but not the Spider the Cloud cloaks nor the Ant outside the "
                    "Cloud's reach."))),
        Picture(
            Moves({F(K::Lightning, 3, 3), F(K::Tree, 2, 1), F(K::Snow, 4, 5), O(K::Ant, 5, 7),
                   O(K::Wasp, 8, 5)},
                  kCaptures | kStrike | kFrozen,
                  TR_NOOP("tamsok",
                          "The Fir Snow freezes the Oak Ant, and %1 may strike it; the Wasp is out "
                          "of reach."))),
        Text(TR_NOOP(
            "tamsok",
            "<p>The Lightning is never cloaked or frozen. It <b>reveals</b> enemy pieces and "
            "<b>thaws</b> its own on the squares next to it.</p>")),
        Picture(
            Reach({F(K::Lightning, 4, 4), O(K::Cloud, 6, 5), O(K::Ant, 5, 5), O(K::Ant, 7, 6)},
                  Influence::Reveal, kCloaked | kUncloaked | kStrike,
                  TR_NOOP("tamsok",
                          "%1 reveals the Oak Ant next to it, which the Cloud would cloak.")))}});

  pages.push_back(
      {"LessonDragonFly",
       TR_NOOP("tamsok", "DragonFly"),
       K::DragonFly,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>DragonFly</b> flies any distance along its row or column to an empty "
            "square, over any pieces in between. It captures only by <b>one diagonal "
            "step</b>. It can be cloaked and frozen, and projects no influence.</p>")),
        Picture(
            Moves({F(K::DragonFly, 4, 4), O(K::Ant, 5, 5), O(K::Ant, 4, 7), F(K::Ant, 2, 4)},
                  kCaptures | kJumps | kNoCapture,
                  TR_NOOP("tamsok",
                          "%1 flies over both Ants but may capture only the one a diagonal step "
                          "away.")))}});

  pages.push_back(
      {"LessonDivingBeetle",
       TR_NOOP("tamsok", "DivingBeetle"),
       K::DivingBeetle,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>DivingBeetle</b> moves one square along its row or column, to an "
            "empty square only. It captures at <b>any distance</b> along a row, a column or a "
            "diagonal, but never past a piece: any piece in between blocks it. It can be "
            "cloaked and frozen, and projects no influence.</p>")),
        Picture(
            Moves({F(K::DivingBeetle, 4, 4), O(K::Ant, 4, 7), O(K::Spider, 6, 6), O(K::Ant, 7, 7),
                   O(K::Wasp, 1, 4)},
                  kCaptures | kBlocked,
                  TR_NOOP("tamsok",
                          "%1 may capture the Ant, the Spider and the Wasp; the Spider blocks the "
                          "way to the Ant behind it.")))}});

  pages.push_back(
      {"LessonGrasshopper",
       TR_NOOP("tamsok", "Grasshopper"),
       K::Grasshopper,
       {Text(TR_NOOP("tamsok",
                     "<p>The <b>Grasshopper</b> jumps two squares along a row or column and one "
                     "square to the side, over anything in between. It moves and captures the same "
                     "way. It can be cloaked and frozen, and projects no influence.</p>")),
        Picture(Moves({F(K::Grasshopper, 4, 4), F(K::Ant, 4, 5), F(K::Ant, 5, 4), O(K::Ant, 5, 6),
                       O(K::Ant, 6, 5)},
                      kCaptures,
                      TR_NOOP("tamsok",
                              "%1 jumps out from between its own Ants and may capture both Oak "
                              "Ants.")))}});

  pages.push_back(
      {"LessonWasp",
       TR_NOOP("tamsok", "Wasp"),
       K::Wasp,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Wasp</b> flies any distance along its row or column, over any pieces "
            "in between, and moves and captures the same way. It can be cloaked and frozen, "
            "and projects no influence.</p>")),
        Picture(
            Moves({F(K::Wasp, 4, 4), F(K::Ant, 4, 6), O(K::Ant, 6, 4), O(K::Ant, 8, 4)},
                  kCaptures | kJumps,
                  TR_NOOP("tamsok",
                          "%1 may capture both Oak Ants, the far one over the near one, and flies "
                          "over its own Ant.")))}});

  pages.push_back(
      {"LessonWind",
       TR_NOOP("tamsok", "Wind"),
       K::Wind,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Wind</b> goes one or two squares diagonally, jumping the square "
            "between, and moves and captures the same way. It is never cloaked or frozen.</p>")),
        Picture(
            Moves({F(K::Wind, 4, 4), F(K::Ant, 5, 5), O(K::Ant, 6, 6), O(K::Ant, 3, 3)},
                  kCaptures | kJumps,
                  TR_NOOP("tamsok", "%1 may capture both Oak Ants, one of them over a Fir Ant."))),
        Text(TR_NOOP("tamsok",
                     "<p>Within two squares it <b>reveals</b> enemy pieces and <b>thaws</b> its "
                     "own.</p>")),
        Picture(Reach(
            {F(K::Wind, 4, 4), O(K::Cloud, 7, 4), O(K::Ant, 6, 4), O(K::Ant, 8, 4)},
            Influence::Reveal, kCloaked | kUncloaked,
            TR_NOOP("tamsok", "%1 reveals the nearer Oak Ant, which the Cloud would cloak.")))}});

  pages.push_back(
      {"LessonCloud",
       TR_NOOP("tamsok", "Cloud"),
       K::Cloud,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Cloud</b> goes one or two squares diagonally, jumping the square "
            "between, to an empty square only: it <b>cannot capture</b>. It is never cloaked "
            "or frozen.</p>")),
        Picture(Moves({F(K::Cloud, 4, 4), O(K::Ant, 5, 5)}, kJumps | kNoCapture,
                      TR_NOOP("tamsok", "%1 cannot capture the Oak Ant, but may jump over it."))),
        Text(TR_NOOP(
            "tamsok",
            "<p>It <b>cloaks</b> its camp's pieces next to it, and every square within two "
            "of it is a <b>strike zone for both Lightnings</b>: yours and the enemy's.</p>")),
        Picture(
            Reach({F(K::Cloud, 4, 4), F(K::Ant, 3, 4), F(K::Wasp, 5, 6), O(K::Ant, 2, 2),
                   F(K::Lightning, 2, 6), O(K::Lightning, 6, 2)},
                  Influence::CloudZone, kCloaked | kStrike,
                  TR_NOOP("tamsok",
                          "Bolts: around %1 either Lightning may strike the other camp's pieces, "
                          "except the Ant the Cloud cloaks."))),
        Text(TR_NOOP(
            "tamsok",
            "<p>A Tree is never cloaked: a Cloud within two squares of its own Tree lets the "
            "enemy Lightning capture that Tree.</p>")),
        Picture(Moves({O(K::Lightning, 6, 7), F(K::Tree, 4, 1), F(K::Cloud, 4, 3)},
                      kCaptures | kStrike,
                      TR_NOOP("tamsok",
                              "The Fir Cloud stands two squares from its Tree: %1 may capture the "
                              "Tree.")))}});

  pages.push_back(
      {"LessonSpider",
       TR_NOOP("tamsok", "Spider"),
       K::Spider,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Spider</b> goes one or two squares along its row or column, or one or "
            "two squares diagonally, jumping the square between, and moves and captures the "
            "same way. It can be cloaked, but it is never frozen.</p>")),
        Picture(Moves(
            {F(K::Spider, 4, 4), F(K::Ant, 4, 5), O(K::Ant, 4, 6), O(K::Ant, 6, 2)},
            kCaptures | kJumps,
            TR_NOOP("tamsok", "%1 may capture both Oak Ants, one of them over its own Ant."))),
        Text(TR_NOOP("tamsok", "<p>It <b>freezes</b> enemy pieces next to it.</p>")),
        Picture(Reach(
            {F(K::Spider, 4, 4), O(K::Ant, 5, 4), O(K::Wasp, 3, 5), O(K::Ant, 6, 4)},
            Influence::Freeze, kFrozen,
            TR_NOOP("tamsok",
                    "%1 freezes the Oak pieces next to it, not the Ant two squares away.")))}});

  pages.push_back(
      {"LessonSnow",
       TR_NOOP("tamsok", "Snow"),
       K::Snow,
       {Text(TR_NOOP("tamsok",
                     "<p>The <b>Snow</b> goes exactly two squares along its row or column, jumping "
                     "the square between, to an empty square only: it <b>cannot capture</b>. It is "
                     "never cloaked or frozen.</p>")),
        Picture(
            Moves({F(K::Snow, 4, 4), F(K::Ant, 4, 5), O(K::Ant, 6, 4)}, kJumps | kNoCapture,
                  TR_NOOP("tamsok", "%1 jumps over its own Ant; it cannot capture the Oak Ant."))),
        Text(TR_NOOP("tamsok", "<p>It <b>freezes</b> enemy pieces within two squares.</p>")),
        Picture(Reach({F(K::Snow, 4, 4), O(K::Ant, 6, 5), O(K::Ant, 7, 4)}, Influence::Freeze,
                      kFrozen,
                      TR_NOOP("tamsok",
                              "%1 freezes the Oak Ant two squares away, not the one three squares "
                              "away.")))}});

  pages.push_back(
      {"LessonAnt",
       TR_NOOP("tamsok", "Ant"),
       K::Ant,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>Ant</b> goes one or two squares <b>towards either camp's home</b> "
            "(along the board's columns when Fir and Oak face each other across it), to an "
            "empty square, jumping a piece in between. It captures only <b>one square to the "
            "side</b>. It can be cloaked and frozen, and projects no influence.</p>")),
        Picture(Moves(
            {F(K::Ant, 4, 4), O(K::Ant, 5, 4), O(K::Ant, 4, 5)}, kCaptures | kJumps | kNoCapture,
            TR_NOOP("tamsok",
                    "%1 may capture the Oak Ant beside it, not the one ahead of it, which it "
                    "may jump.")))}});

  pages.push_back(
      {"LessonCarpenterAnt",
       TR_NOOP("tamsok", "CarpenterAnt"),
       K::CarpenterAnt,
       {Text(TR_NOOP(
            "tamsok",
            "<p>The <b>CarpenterAnt</b> goes any distance along a row, a column or a "
            "diagonal, and moves and captures the same way; any piece in between blocks it. "
            "It can be cloaked and frozen.</p>"
            "<p>The CarpenterAnts start off the board, and no move brings them on: in a game "
            "you will not meet one, but their rules are complete.</p>")),
        Picture(Moves(
            {F(K::CarpenterAnt, 4, 4), F(K::Ant, 4, 6), O(K::Ant, 7, 7), O(K::Ant, 1, 4)},
            kCaptures | kBlocked,
            TR_NOOP("tamsok", "%1 may capture both Oak Ants; its own Ant blocks the column."))),
        Text(
            TR_NOOP("tamsok",
                    "<p>It <b>reveals</b> and <b>thaws</b> within three squares and <b>freezes</b> "
                    "enemy pieces within two.</p>")),
        Picture(Reach({F(K::CarpenterAnt, 4, 4), O(K::Ant, 6, 5), O(K::Ant, 4, 7)},
                      Influence::Freeze, kFrozen,
                      TR_NOOP("tamsok",
                              "%1 freezes the Oak Ant two squares away, not the one three squares "
                              "away.")))}});
  return pages;
}

}  // namespace

const std::vector<Lesson>& Lessons() {
  static const std::vector<Lesson> pages = Make();
  return pages;
}

}  // namespace tamsok::lessons
