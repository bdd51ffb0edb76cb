// The move click: TTAG.WAV, played without waiting. A missing file, a missing sound module, an
// unreadable file or a machine without an audio output plays nothing and reports nothing.
#pragma once

#include <memory>

#include <QString>

namespace tamsok {

class SoundPlayer;

// Where the program at `programDir` finds a file it ships: beside the executable (the build
// tree, or a copy unpacked anywhere), else in the installed folder `installedFromBin`, given
// relative to the executable's folder (e.g. "../share/tamsok"). When neither holds the file,
// the path beside the executable.
QString FindShippedFile(const QString& programDir, const QString& file,
                        const QString& installedFromBin);
// The sound and the sound module of the program at `programDir`.
QString FindMoveSound(const QString& programDir);
QString FindSoundModule(const QString& programDir);

class MoveSound {
 public:
  MoveSound(QString soundPath, QString modulePath);
  ~MoveSound();

  // Loads the sound module, opens the audio output and starts loading the file, once. Playing
  // before this prepares first, so that click may be late; the main window prepares when a
  // piece is first picked up, so the program starts without the audio libraries.
  void Prepare();
  void Play();
  bool Prepared() const { return prepared_; }

 private:
  QString soundPath_;
  QString modulePath_;
  bool prepared_ = false;
  std::unique_ptr<SoundPlayer> player_;
};

}  // namespace tamsok
