// The move click: TTAG.WAV beside the executable, played without waiting. A missing file, an
// unreadable one or a machine without an audio output plays nothing and reports nothing.
#pragma once

#include <memory>

#include <QString>

class QSoundEffect;

namespace tamsok {

class MoveSound {
 public:
  explicit MoveSound(QString path);
  ~MoveSound();

  // Opens the audio output and starts loading the file. Playing before this prepares first,
  // so the first click may be late; the main window prepares once it is on the screen.
  void Prepare();
  void Play();

 private:
  QString path_;
  bool prepared_ = false;
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace tamsok
