#include "ui/NetBridge.h"

#include <QComboBox>
#include <QListWidget>

#include "net/TextCodec.h"
#include "ui/AwayNotice.h"
#include "ui/Chatting.h"
#include "ui/GameProtocolForm.h"
#include "ui/InputIP.h"
#include "ui/Request.h"
#include "ui/SpinEdit.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"
#include "ui/WindowParts.h"
#include "ui/mainBoard.h"

namespace tamsok {

namespace {
QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
}  // namespace

std::string WireText(const QString& typed) {
  return Utf8ToCp949(typed.toStdString());
}

QString ShownQText(std::string_view wire) {
  return QString::fromStdString(ShownText(wire));
}

void NetBridge::AddUniqueLine(const std::string& line) {
  board_.ProtocolForm()->AddRequestLine(line, ShownQText(line));
}

void NetBridge::ShowRoomWindow() {
  CenterOver(board_, *board_.ProtocolForm());
  board_.ProtocolForm()->show();
}

void NetBridge::HideRoomWindow() {
  board_.ProtocolForm()->hide();
}

void NetBridge::AddAddressLine(const std::string& address) {
  TProtocolForm::AddUniqueLine(*board_.ProtocolForm()->LBxIP, Q(address));
}

void NetBridge::RemoveAddressLine(const std::string& address) {
  TProtocolForm::RemoveFirstLine(*board_.ProtocolForm()->LBxIP, Q(address));
}

bool NetBridge::RequestsLocked() const {
  return board_.ProtocolForm()->RequestsLocked;
}

void NetBridge::LockRequests() {
  board_.ProtocolForm()->LockRequests();
}

void NetBridge::AppendReceived(const std::string& line) {
  const QString shown = ShownQText(line);
  const bool chat = board_.ReceivingChat();
  TChatForm& form = *board_.ChatForm();
  // A received move's line is listed when its glide has landed.
  if (!board_.Glide().Keep([&form, shown, chat] { form.AppendReceived(shown, chat); }))
    form.AppendReceived(shown, chat);
}

std::string NetBridge::AskServerAddress(const std::vector<std::string>& known) {
  TInputIPForm& dialog = *board_.InputIPForm();
  // The list is replaced; the typed text stays as it was left.
  const QString typed = dialog.cbIP->currentText();
  dialog.cbIP->clear();
  for (const std::string& address : known)
    dialog.cbIP->addItem(Q(address));
  dialog.cbIP->setCurrentText(typed);
  CenterOver(board_, dialog);
  board_.Prompts().RunModal(dialog);
  return dialog.cbIP->currentText().trimmed().toStdString();
}

RequestOptions NetBridge::AskRequestOptions() {
  TRequestForm& dialog = *board_.RequestForm();
  CenterOver(board_, dialog);
  board_.Prompts().RunModal(dialog);
  return {dialog.TreeIndex(), dialog.seUnitTime->Value(), dialog.seNExceed->Value(),
          dialog.seRetract->Value()};
}

void NetBridge::ReportError(const std::string& text) {
  board_.Prompts().MessageBox(&board_, Tr(text), QString::fromUtf8(ui_text::kErrorCaption),
                              BoxButtons::Ok);
}

void NetBridge::RemoveRequestLine(const std::string& line) {
  board_.ProtocolForm()->RemoveRequestLine(line);
}

void NetBridge::ShowAwayNotice(const std::string& text, bool claimable) {
  if (!notice_) {
    notice_ = new AwayNotice(board_.BoardArea());
    notice_->onClaim = [this] { board_.Net()->ClaimWin(); };
  }
  notice_->Show(Tr(text), claimable);
}

void NetBridge::HideAwayNotice() {
  if (notice_) notice_->hide();
}

bool NetBridge::AskReconnect(const std::string& text) {
  return board_.Prompts().MessageBox(&board_, Tr(text), Tr(ui_text::kRoomLostCaption),
                                     BoxButtons::ReconnectClose) == BoxAnswer::Ok;
}

}  // namespace tamsok
