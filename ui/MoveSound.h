// The move click: TTAG.WAV, played without waiting. A missing file, an unreadable one or a
// machine without an audio output plays nothing and reports nothing.
#pragma once

#include <memory>

#include <QString>

class QSoundEffect;

namespace tamsok {

// Where the program at `programDir` finds its sound: beside the executable (the build tree, or
// a copy unpacked anywhere), else in the installed data folder next to its `bin` folder. When
// neither holds the file, the path beside the executable, where nothing will play.
QString FindMoveSound(const QString& programDir);

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
