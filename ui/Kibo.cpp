#include "ui/Kibo.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/Fonts.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

TKiboForm::TKiboForm(QWidget* owner) : QWidget(owner), MemoKibo(new QPlainTextEdit(this)) {
  SetUpWindow(*this, "KiboForm", ui_text::kKiboFormCaption);
  // It opens small, below the main window; a long game is easier to follow enlarged.
  MakeSizeableWindow(*this, QSize(186, 119));

  MemoKibo->setObjectName(QStringLiteral("MemoKibo"));
  MemoKibo->setFrameShape(QFrame::NoFrame);
  MemoKibo->setFont(SansFont(12, /*bold=*/true));
  // One record a line: a capture line is wider than the window and scrolls sideways.
  MemoKibo->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(MemoKibo);
  layout->activate();  // the memo fills the window before it is first shown, too
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
  // The last record in sight, from the start of its line.
  MemoKibo->moveCursor(QTextCursor::End);
  MemoKibo->moveCursor(QTextCursor::StartOfBlock);
}

}  // namespace tamsok
