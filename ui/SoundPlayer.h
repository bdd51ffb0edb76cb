// The player of the move sound. It lives in a module of its own, the only part of the program
// that links the multimedia libraries, so that they and the audio libraries below them are
// loaded when the sound is first needed rather than while the program starts.
#pragma once

#include <QString>

namespace tamsok {

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts the sound and returns at once.
  virtual void Play() = 0;
};

// The module's one entry point, by the name kMakeSoundPlayer: a player of the WAV file at
// `path`, or null when the machine has no audio output. The caller owns the player.
using MakeSoundPlayerFunction = SoundPlayer* (*)(const QString& path);
inline constexpr const char* kMakeSoundPlayer = "tamsok_make_sound_player";

// The module's file name; it lies beside the executable or in the installed module folder.
inline constexpr const char* kSoundModuleFile = "libtamsok_sound.so";

}  // namespace tamsok
