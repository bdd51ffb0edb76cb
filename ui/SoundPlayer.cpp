// The sound module: the move sound played by Qt Multimedia.
#include "ui/SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace tamsok {

namespace {

class EffectPlayer : public SoundPlayer {
 public:
  explicit EffectPlayer(const QString& path) { effect_.setSource(QUrl::fromLocalFile(path)); }

  void Play() override {
    if (effect_.status() != QSoundEffect::Error) effect_.play();
  }

 private:
  QSoundEffect effect_;
};

}  // namespace

}  // namespace tamsok

extern "C" Q_DECL_EXPORT tamsok::SoundPlayer* tamsok_make_sound_player(const QString& path) {
  if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
  return new tamsok::EffectPlayer(path);
}
