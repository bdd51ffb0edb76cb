// The chat window: the received lines, the sender's name and the line being typed.
#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tamsok {

class TChatForm : public QWidget {
 public:
  explicit TChatForm(QWidget* owner);

  // Appends one received line to MemoR (an empty text adds an empty line). `chat` tells a
  // line of chat from the protocol lines of the log, which "Chat only" hides.
  void AppendReceived(const QString& line, bool chat = false);
  // The line that Enter in MemoS sends: "[" + EditHead + "] " + the last line of MemoS.
  QString ComposeChatLine() const;
  // The key-down handler of MemoS: on Enter the composed line goes to SendChatLine. The memo is
  // then emptied for the next line, and the Enter is spent.
  void MemoSKeyDown(int key, Qt::KeyboardModifiers shift);

  // Sends a chat line by the network role in force; set by the network layer. Until it is
  // set, a typed line goes nowhere.
  std::function<void(const QString&)> SendChatLine;

  QPlainTextEdit* MemoR;
  QLineEdit* EditHead;
  QPlainTextEdit* MemoS;
  QCheckBox* cbChatOnly;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  struct Line {
    QString text;
    bool chat;
  };
  // Writes MemoR anew from the lines kept, as "Chat only" says.
  void ShowLines();
  void FollowNewest();

  std::vector<Line> lines_;
  // The log stays on its newest line until the user scrolls up, and again once the user
  // scrolls back down to it.
  bool followNewest_ = true;
};

}  // namespace tamsok
