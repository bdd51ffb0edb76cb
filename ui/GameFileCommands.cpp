#include "ui/GameFileCommands.h"

#include <QFileInfo>

#include "game/GameFile.h"
#include "ui/Translation.h"
#include "ui/UiTexts.h"

namespace tamsok {

namespace {

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

QString ShortName(const QString& path) {
  return QFileInfo(path).fileName();
}

// A dialog may hand back its default pattern untouched; a name without an extension gets
// the game file's one.
QString GameFilePath(QString path) {
  if (path.isEmpty() || path.contains(u'*') || path.contains(u'?')) return {};
  if (QFileInfo(path).suffix().isEmpty()) path += Text(ui_text::kGameFileSuffix);
  return path;
}

}  // namespace

QString GameFileCommands::FileName() const {
  return gameNumber_ == game_.GameNumber() ? fileName_ : QString();
}

void GameFileCommands::Remember(const QString& path) {
  fileName_ = path;
  gameNumber_ = game_.GameNumber();
}

void GameFileCommands::Load(UiPrompts& prompts, QWidget* owner) {
  const GameMode mode = game_.Mode();
  if (mode != GameMode::LocalFree && mode != GameMode::LocalPlaying) return;
  if (mode == GameMode::LocalPlaying &&
      prompts.MessageBox(owner, Text(ui_text::kAbandonForLoad), Text(ui_text::kLoad),
                         BoxButtons::OkCancel) != BoxAnswer::Ok)
    return;
  const QString path =
      prompts.OpenFileDialog(owner, Tr(ui_text::kLoad), Text(ui_text::kGameFilePattern));
  if (path.isEmpty()) return;
  auto fail = [&](const char* format, const std::string& why) {
    prompts.MessageBox(owner, Tr(format).arg(ShortName(path), Tr(why)), Tr(ui_text::kLoad),
                       BoxButtons::Ok);
  };
  std::string error;
  const std::optional<std::string> text =
      ReadWholeFile(path.toStdString(), kMaxGameFileBytes, error);
  if (!text) return fail(ui_text::kReadFailed, error);
  const ReadGameResult read = ReadGameFile(*text);
  if (!read) return fail(ui_text::kLoadFailed, FileErrorText(read.error));
  if (const std::optional<FileError> replayError = LoadGame(game_, *read.game))
    return fail(ui_text::kLoadFailed, FileErrorText(*replayError));
  if (read.game->computer) computer_.Resume(*read.game->computer);
  Remember(path);
  if (Loaded) Loaded(*read.game);
  game_.view().ShowStatus(kPanelGame, Tr(ui_text::kLoaded).arg(ShortName(path)).toStdString());
}

void GameFileCommands::Save(UiPrompts& prompts, QWidget* owner) {
  if (!game_.CanSave()) return;
  const QString path = FileName();
  if (path.isEmpty()) return SaveAs(prompts, owner);
  WriteTo(path, ui_text::kSave, prompts, owner);
}

void GameFileCommands::SaveAs(UiPrompts& prompts, QWidget* owner) {
  if (!game_.CanSave()) return;
  const QString path = GameFilePath(
      prompts.SaveFileDialog(owner, Tr(ui_text::kSaveas), Text(ui_text::kGameFilePattern)));
  if (path.isEmpty()) return;
  WriteTo(path, ui_text::kSaveas, prompts, owner);
}

// Saving writes a file and nothing else: in a network game nothing is sent.
void GameFileCommands::WriteTo(const QString& path, const char* caption, UiPrompts& prompts,
                               QWidget* owner) {
  SavedGame saved = SaveGame(game_, CurrentDateText(), computer_.ToSave());
  if (Notes) saved.notes = Notes();
  const std::string text = WriteGameFile(saved);
  std::string error;
  if (!WriteFileAtomically(path.toStdString(), text, error)) {
    prompts.MessageBox(owner, Tr(ui_text::kWriteFailed).arg(ShortName(path), Tr(error)),
                       Tr(caption), BoxButtons::Ok);
    return;
  }
  Remember(path);
  game_.view().ShowStatus(kPanelGame, Tr(ui_text::kSaved).arg(ShortName(path)).toStdString());
}

}  // namespace tamsok
