#include "ui/Kibo.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/Fonts.h"
#include "ui/Translation.h"
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

  QScrollBar* rows = MemoKibo->verticalScrollBar();
  connect(rows, &QScrollBar::rangeChanged, this, [this] {
    if (followLast_) ShowLastRecord();
  });
  connect(rows, &QScrollBar::actionTriggered, this, [this] { followLast_ = false; });
}

// The last record from the start of its line.
void TKiboForm::ShowLastRecord() {
  MemoKibo->moveCursor(QTextCursor::End);
  MemoKibo->moveCursor(QTextCursor::StartOfBlock);
}

void TKiboForm::SetLines(const std::vector<std::string>& lines) {
  QString text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += u'\n';
    text += Tr(lines[i]);
  }
  MemoKibo->setPlainText(text);
  followLast_ = true;
  ShowLastRecord();
}

}  // namespace tamsok
