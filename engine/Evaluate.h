// The static evaluation: every term, its weight and the idea of the game it stands for, in
// one place. Scores are in the catalogue's value points (an Ant is 21, a Lightning 301), from
// the side to move's point of view. The weights were set by self-play matches of variants
// against each other with tamsok_match, whose engine players take any weight by name
// (for example "full:depth=4,mobility=3").
#pragma once

#include <array>
#include <string_view>

#include "engine/Position.h"

namespace tamsok::engine {

struct Weights {
  // Material: the catalogue value of each piece on the board, in percent. The Tree is left
  // out: losing it ends the game, which the search scores as a win or a loss.
  int material = 100;
  // Mobility: each legal move. More moves mean more ways to attack and defend; a frozen or
  // hemmed-in piece adds nothing.
  int mobility = 4;
  // Cloaked pieces: a cloakable piece inside its camp's cloak zone cannot be captured at
  // all; percent of its value.
  int cloaked = 10;
  // Frozen pieces: a freezable piece inside a freeze zone cannot move, and the enemy
  // Lightning may strike it wherever it stands; percent of its value, counted against it.
  int frozen = 35;
  // Strike threat: the largest enemy piece the own Lightning could capture now (inside a
  // Cloud's reach, or frozen); percent of its value. A threat the opponent must answer.
  int strikeThreat = 10;
  // Tree exposed to a strike: the Tree can never be cloaked, so when it stands within reach
  // of any Cloud (its own camp's included) the enemy Lightning can take it from anywhere.
  int treeExposed = 150;
  // Tree threatened: an enemy piece could capture the Tree now.
  int treeThreatened = 80;
  // Tree crowded: each enemy piece within two squares of the Tree, a piece that could reach
  // it soon.
  int treeCrowd = 0;
  // Tree pressure: each square next to the Tree that an enemy move can reach, a square the
  // Tree cannot step to safely and an attacker can use.
  int treePressure = 0;
  // Tree guards: each own piece next to the Tree. The Tree cloaks its neighbours and they
  // close the squares an attacker would come through.
  int treeGuard = 0;
  // Landing squares: each empty square next to the own Tree while the own Lightning is on
  // the board: where the Lightning may come home to defend, and the Tree's room to step.
  int landing = 2;
  // Tempo: having the move.
  int tempo = 4;
  // Scoring: from 50 records on the value each camp has lost decides the game, and a tie
  // goes to Oak, so Fir must be strictly ahead. The camp the rule favours now gains this
  // many points, in proportion to the square of the records played (all of it at 50, where
  // the search scores the game as won or lost): material decides early on, the sign of the
  // balance late.
  int scoring = 100;
};

inline constexpr Weights kDefaultWeights{};

// The weights by name, for tools that set them from text.
struct WeightField {
  std::string_view name;
  int Weights::*field;
};
inline constexpr std::array<WeightField, 13> kWeightFields{{
    {"material", &Weights::material},
    {"mobility", &Weights::mobility},
    {"cloaked", &Weights::cloaked},
    {"frozen", &Weights::frozen},
    {"strikeThreat", &Weights::strikeThreat},
    {"treeExposed", &Weights::treeExposed},
    {"treeThreatened", &Weights::treeThreatened},
    {"treeCrowd", &Weights::treeCrowd},
    {"treePressure", &Weights::treePressure},
    {"treeGuard", &Weights::treeGuard},
    {"landing", &Weights::landing},
    {"tempo", &Weights::tempo},
    {"scoring", &Weights::scoring},
}};

// Sets one weight from "name=value"; false (and nothing changed) for any other text.
bool SetWeight(Weights& w, std::string_view assignment);

// The position's value for the side to move. Both Trees must stand.
int Evaluate(const Position& pos, const Weights& w = kDefaultWeights);

}  // namespace tamsok::engine
