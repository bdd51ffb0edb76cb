#include "ui/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace tamsok {

namespace {

struct ShortcutRow {
  const char* item;
  QKeySequence::StandardKey standard;  // UnknownKey: the keys below
  const char* keys[2];
};

// clang-format off
const ShortcutRow kShortcuts[] = {
    {"miNew",          QKeySequence::New,        {}},
    {"miLoad",         QKeySequence::Open,       {}},
    {"miSave",         QKeySequence::Save,       {}},
    {"miSaveas",       QKeySequence::UnknownKey, {"Ctrl+Shift+S"}},
    {"miUndo",         QKeySequence::UnknownKey, {"Ctrl+Z"}},
    {"miRedo",         QKeySequence::UnknownKey, {"Ctrl+Shift+Z", "Ctrl+Y"}},
    {"miUndoFirst",    QKeySequence::UnknownKey, {"Ctrl+Home"}},
    {"miRedoLast",     QKeySequence::UnknownKey, {"Ctrl+End"}},
    {"miPass",         QKeySequence::UnknownKey, {"Ctrl+P"}},
    {"miHint",         QKeySequence::UnknownKey, {"Ctrl+H"}},
    {"miStopThinking", QKeySequence::UnknownKey, {"Ctrl+T"}},
    {"miExit",         QKeySequence::Quit,       {}},
};
// clang-format on

}  // namespace

void InstallShortcuts(QWidget& window) {
  for (const ShortcutRow& row : kShortcuts) {
    auto* action = window.findChild<QAction*>(QString::fromUtf8(row.item));
    if (!action) continue;
    QList<QKeySequence> keys;
    if (row.standard != QKeySequence::UnknownKey) keys = QKeySequence::keyBindings(row.standard);
    for (const char* key : row.keys)
      if (key) keys << QKeySequence(QString::fromUtf8(key));
    action->setShortcuts(keys);
  }
}

}  // namespace tamsok
