// The pictures drawn over the board, shared by the main board's overlay, the analysis and
// review arrows and the diagrams of the rules window, so that a mark looks the same wherever
// it appears: a held piece's targets, the influence badges, move arrows and the edge labels.
// Every function draws around a square's centre in the painter's pixels, within the square's
// 55 x 47 cell unless it says otherwise.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

#include "rules/Influence.h"
#include "ui/Assets.h"

class QPainter;

namespace tamsok {

enum class TargetMark : std::uint8_t { None, Dot, Ring };

// The marks of one square: its landing diamonds, the target mark and the badges of the piece
// standing there (cloaked, frozen, may be struck).
void PaintSquareMarks(QPainter& p, QPointF centre, const SquareInfluence& influence,
                      TargetMark target);

// An arrow for a move from one square's centre to another's, starting and ending short of
// the centres so that both pieces stay readable; with `badge`, a small label in the arrow's
// colour near its head (a score).
void PaintMoveArrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width,
                    const QString& badge = {});

// A coordinate label centred on `centre`, in the skin's label colour.
void PaintEdgeLabel(QPainter& p, QPointF centre, QChar label, Skin skin);

// The band under the labels where they stand on the board's surface.
QColor LabelBacking(Skin skin);

// The legend of a held piece's marks: a dot and a ring.
QString TargetLegendText();
// The legend of the influence marks: rich text with a picture of each mark.
QString InfluenceLegendText();

// The colours of the marks, for the texts that name them.
QColor CampMarkColour(Camp camp);

}  // namespace tamsok
