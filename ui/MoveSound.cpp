#include "ui/MoveSound.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "ui/Assets.h"
#include "ui/SoundPlayer.h"

namespace tamsok {

QString FindShippedFile(const QString& programDir, const QString& file,
                        const QString& installedFromBin) {
  const QDir dir(programDir);
  const QString beside = dir.filePath(file);
  if (QFileInfo::exists(beside)) return beside;
  const QString installed = QDir::cleanPath(dir.filePath(installedFromBin + u'/' + file));
  if (QFileInfo::exists(installed)) return installed;
  return beside;
}

QString FindMoveSound(const QString& programDir) {
  return FindShippedFile(programDir, QString::fromUtf8(kMoveSoundFile),
                         QStringLiteral(TAMSOK_DATA_FROM_BIN));
}

QString FindSoundModule(const QString& programDir) {
  return FindShippedFile(programDir, QString::fromUtf8(kSoundModuleFile),
                         QStringLiteral(TAMSOK_MODULE_FROM_BIN));
}

MoveSound::MoveSound(QString soundPath, QString modulePath)
    : soundPath_(std::move(soundPath)), modulePath_(std::move(modulePath)) {}

MoveSound::~MoveSound() = default;

void MoveSound::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  if (!QFileInfo::exists(soundPath_)) return;
  // The module stays loaded to the end: the player's code lives in it.
  QLibrary module(modulePath_);
  const auto make = reinterpret_cast<MakeSoundPlayerFunction>(module.resolve(kMakeSoundPlayer));
  if (make) player_.reset(make(soundPath_));
}

void MoveSound::Play() {
  Prepare();
  if (player_) player_->Play();
}

}  // namespace tamsok
