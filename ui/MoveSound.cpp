#include "ui/MoveSound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tamsok {

MoveSound::MoveSound(QString path) : path_(std::move(path)) {}

MoveSound::~MoveSound() = default;

void MoveSound::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  if (!QFileInfo::exists(path_) || QMediaDevices::audioOutputs().isEmpty()) return;
  effect_ = std::make_unique<QSoundEffect>();
  effect_->setSource(QUrl::fromLocalFile(path_));
}

void MoveSound::Play() {
  Prepare();
  if (effect_ && effect_->status() != QSoundEffect::Error) effect_->play();
}

}  // namespace tamsok
