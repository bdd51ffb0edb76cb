#include "ui/ClockTooltip.h"

#include <QRegularExpression>

#include "rules/Catalogue.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

QString ClockTooltip(Camp camp, const QString& panelText) {
  // "[Fir][01"05][18][1/5][-71]": minutes and seconds used, seconds left for this move,
  // exceedings used and allowed, and the material balance (0 or less).
  static const QRegularExpression line(
      QStringLiteral(R"re(^\[\w+\]\[(\d+)"(\d+)\]\[ *(-?\d+)\]\[(\d+)/(\d+)\]\[(-?\d+)\]$)re"));
  const QString name = Tr(CampName(camp));
  const QRegularExpressionMatch m = line.match(panelText);
  if (!m.hasMatch()) return Tr(ui_text::kClockLegendTip).arg(name);
  auto figure = [&m](int i) { return QString::number(m.captured(i).toInt()); };
  return Tr(ui_text::kClockTip)
      .arg(name, figure(1), figure(2), figure(3), figure(4), figure(5),
           QString::number(-m.captured(6).toInt()));
}

}  // namespace tamsok
