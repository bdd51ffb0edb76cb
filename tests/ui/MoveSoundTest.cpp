#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>

#include <memory>

#include "ui/MoveSound.h"
#include "ui/SoundPlayer.h"

namespace tamsok {
namespace {

// The click is found beside the program first (the build tree), then in the data folder of an
// installed tree laid out as the install rules lay it out; with neither, the path beside.
TEST(MoveSoundTest, FoundBesideTheProgramOrInTheInstalledDataFolder) {
  struct Row {
    bool beside, installed, expectInstalled;
  };
  const Row rows[] = {
      {true, false, false}, {false, true, true}, {true, true, false}, {false, false, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "beside " << row.beside << ", installed " << row.installed);
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir bin(root.filePath(QStringLiteral(TAMSOK_TEST_BINDIR)));
    const QDir data(root.filePath(QStringLiteral(TAMSOK_TEST_DATADIR)));
    ASSERT_TRUE(bin.mkpath(QStringLiteral(".")) && data.mkpath(QStringLiteral(".")));
    const QString besidePath = bin.filePath(QStringLiteral("TTAG.WAV"));
    const QString installedPath = data.filePath(QStringLiteral("TTAG.WAV"));
    if (row.beside) {
      ASSERT_TRUE(QFile(besidePath).open(QIODevice::WriteOnly));
    }
    if (row.installed) {
      ASSERT_TRUE(QFile(installedPath).open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(FindMoveSound(bin.path()), row.expectInstalled ? installedPath : besidePath);
  }
}

// The module built with the program answers to the entry point the program asks for; a player
// it makes (none on a machine without audio output) plays without waiting.
TEST(MoveSoundTest, SoundModuleMakesAPlayer) {
  QLibrary module(QStringLiteral(TAMSOK_TEST_SOUND_MODULE));
  const auto make = reinterpret_cast<MakeSoundPlayerFunction>(module.resolve(kMakeSoundPlayer));
  ASSERT_NE(make, nullptr) << module.errorString().toStdString();
  const std::unique_ptr<SoundPlayer> player(make(QStringLiteral("/nonexistent/TTAG.WAV")));
  if (player) player->Play();
}

}  // namespace
}  // namespace tamsok
