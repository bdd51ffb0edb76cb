#include "ui/Chatting.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "ui/Fonts.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"

namespace tamsok {

namespace {
constexpr int kChatFontPixels = 13;
}

TChatForm::TChatForm(QWidget* owner)
    : QWidget(owner),
      MemoR(new QPlainTextEdit(this)),
      EditHead(new QLineEdit(this)),
      MemoS(new QPlainTextEdit(this)) {
  SetUpWindow(*this, "ChatForm", ui_text::kChatFormCaption);
  MakeFixedWindow(*this, QSize(588, 118));

  MemoR->setObjectName(QStringLiteral("MemoR"));
  MemoR->setGeometry(8, 8, 569, 89);
  MemoR->setFont(KoreanFont(kChatFontPixels));
  SetSilverBase(*MemoR);
  MemoR->setPlainText(Tr(ui_text::kReceiveHeader));

  EditHead->setObjectName(QStringLiteral("EditHead"));
  EditHead->setGeometry(8, 96, 73, 19);
  EditHead->setFont(KoreanFont(kChatFontPixels, /*bold=*/true));
  EditHead->setText(QString::fromUtf8(ui_text::kInitialHead));

  // A one-line-high memo: its last line is the message; Enter starts a new line.
  MemoS->setObjectName(QStringLiteral("MemoS"));
  MemoS->setGeometry(80, 96, 497, 19);
  MemoS->setFont(KoreanFont(kChatFontPixels));
  MemoS->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoS->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoS->document()->setDocumentMargin(1);
  MemoS->setPlainText(QString::fromUtf8(ui_text::kInitialMessage));
  MemoS->installEventFilter(this);
}

void TChatForm::AppendReceived(const QString& line) {
  MemoR->appendPlainText(line);
}

QString TChatForm::ComposeChatLine() const {
  return QStringLiteral("[") + EditHead->text() + QStringLiteral("] ") +
         MemoS->document()->lastBlock().text();
}

void TChatForm::MemoSKeyDown(int key, Qt::KeyboardModifiers) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  if (SendChatLine) SendChatLine(ComposeChatLine());
}

bool TChatForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MemoS && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    MemoSKeyDown(key->key(), key->modifiers());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tamsok
