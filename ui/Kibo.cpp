#include "ui/Kibo.h"

#include <QPlainTextEdit>

#include "ui/Fonts.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

TKiboForm::TKiboForm(QWidget* owner) : QWidget(owner), MemoKibo(new QPlainTextEdit(this)) {
  SetUpWindow(*this, "KiboForm", ui_text::kKiboFormCaption);
  MakeFixedWindow(*this, QSize(186, 119));

  MemoKibo->setObjectName(QStringLiteral("MemoKibo"));
  MemoKibo->setGeometry(0, 0, 186, 119);
  MemoKibo->setFrameShape(QFrame::NoFrame);
  MemoKibo->setFont(SansFont(12, /*bold=*/true));
  MemoKibo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long lines wrap
  SetSilverBase(*MemoKibo);
  MemoKibo->setPlainText(QString::fromUtf8(ui_text::kInitialHistory));
}

void TKiboForm::SetLines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u'\n';
    text += QString::fromStdString(lines[i]);
  }
  MemoKibo->setPlainText(text);
  MemoKibo->moveCursor(QTextCursor::End);
}

}  // namespace tamsok
