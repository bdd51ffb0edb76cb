#include "ui/Chatting.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
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
      MemoS(new QPlainTextEdit(this)),
      cbChatOnly(new QCheckBox(Tr(ui_text::kChatOnly), this)) {
  SetUpWindow(*this, "ChatForm", ui_text::kChatFormCaption);
  MakeFixedWindow(*this, QSize(588, 118));

  MemoR->setObjectName(QStringLiteral("MemoR"));
  MemoR->setGeometry(8, 8, 569, 89);
  MemoR->setFont(KoreanFont(kChatFontPixels));
  SetSilverBase(*MemoR);
  MemoR->setPlainText(Tr(ui_text::kReceiveHeader));
  QScrollBar* rows = MemoR->verticalScrollBar();
  connect(rows, &QScrollBar::rangeChanged, this, [this] {
    if (followNewest_) FollowNewest();
  });
  // An action of the user: the bar's position is already the one it goes to.
  connect(rows, &QScrollBar::actionTriggered, this,
          [rows, this] { followNewest_ = rows->sliderPosition() >= rows->maximum(); });

  EditHead->setObjectName(QStringLiteral("EditHead"));
  EditHead->setGeometry(8, 96, 73, 19);
  EditHead->setFont(KoreanFont(kChatFontPixels, /*bold=*/true));
  EditHead->setText(QString::fromUtf8(ui_text::kInitialHead));

  // A one-line-high memo: its last line is the message.
  MemoS->setObjectName(QStringLiteral("MemoS"));
  MemoS->setGeometry(80, 96, 400, 19);
  MemoS->setFont(KoreanFont(kChatFontPixels));
  MemoS->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoS->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MemoS->document()->setDocumentMargin(1);
  MemoS->setPlainText(QString::fromUtf8(ui_text::kInitialMessage));
  MemoS->installEventFilter(this);

  cbChatOnly->setObjectName(QStringLiteral("cbChatOnly"));
  cbChatOnly->setGeometry(486, 96, 96, 19);
  cbChatOnly->setFont(KoreanFont(kChatFontPixels));
  connect(cbChatOnly, &QCheckBox::toggled, this, [this] { ShowLines(); });
}

void TChatForm::AppendReceived(const QString& line, bool chat) {
  lines_.push_back({line, chat});
  if (chat || !cbChatOnly->isChecked()) MemoR->appendPlainText(line);
  if (followNewest_) FollowNewest();
}

void TChatForm::ShowLines() {
  QString text = Tr(ui_text::kReceiveHeader);
  for (const Line& line : lines_)
    if (line.chat || !cbChatOnly->isChecked()) text += u'\n' + line.text;
  MemoR->setPlainText(text);
  followNewest_ = true;
  FollowNewest();
}

void TChatForm::FollowNewest() {
  QScrollBar* rows = MemoR->verticalScrollBar();
  rows->setValue(rows->maximum());
}

void TChatForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (followNewest_) FollowNewest();
}

QString TChatForm::ComposeChatLine() const {
  return QStringLiteral("[") + EditHead->text() + QStringLiteral("] ") +
         MemoS->document()->lastBlock().text();
}

void TChatForm::MemoSKeyDown(int key, Qt::KeyboardModifiers) {
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
  if (SendChatLine) SendChatLine(ComposeChatLine());
  MemoS->clear();
}

bool TChatForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == MemoS && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    MemoSKeyDown(key->key(), key->modifiers());
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tamsok
