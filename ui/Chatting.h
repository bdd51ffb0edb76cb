// The chat window: the received lines, the sender's name and the line being typed.
#pragma once

#include <functional>

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace tamsok {

class TChatForm : public QWidget {
 public:
  explicit TChatForm(QWidget* owner);

  // Appends one received line to MemoR (an empty text adds an empty line).
  void AppendReceived(const QString& line);
  // The line that Enter in MemoS sends: "[" + EditHead + "] " + the last line of MemoS.
  QString ComposeChatLine() const;
  // The key-down handler of MemoS: on Enter the composed line goes to SendChatLine. The key
  // is not consumed, so the memo takes the Enter and the user types on a new last line.
  void MemoSKeyDown(int key, Qt::KeyboardModifiers shift);

  // Sends a chat line by the network role in force; set by the network layer. Until it is
  // set, a typed line goes nowhere.
  std::function<void(const QString&)> SendChatLine;

  QPlainTextEdit* MemoR;
  QLineEdit* EditHead;
  QPlainTextEdit* MemoS;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tamsok
