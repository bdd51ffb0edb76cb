#include "ui/MoveSound.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "ui/Assets.h"

namespace tamsok {

QString FindMoveSound(const QString& programDir) {
  const QDir dir(programDir);
  const QString file = QString::fromUtf8(kMoveSoundFile);
  const QString beside = dir.filePath(file);
  if (QFileInfo::exists(beside)) return beside;
  // The data folder as seen from the executable's folder, e.g. "../share/tamsok".
  const QString installed =
      QDir::cleanPath(dir.filePath(QStringLiteral(TAMSOK_DATA_FROM_BIN) + u'/' + file));
  if (QFileInfo::exists(installed)) return installed;
  return beside;
}

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
