// The clock panels' tooltips: what the figures of a panel mean, in words.
#pragma once

#include <QString>

#include "rules/Types.h"

namespace tamsok {

// The tooltip of `camp`'s clock panel showing `panelText`: each figure of a clock line in
// words, or what the figures will be while the panel shows its caption.
QString ClockTooltip(Camp camp, const QString& panelText);

}  // namespace tamsok
