#include "ui/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace tamsok {

namespace {

// The keys are written out rather than taken from the platform's standard keys, which some
// platforms leave empty (Quit among them): the same keys everywhere.
struct ShortcutRow {
  const char* item;
  const char* keys[2];
};

// clang-format off
const ShortcutRow kShortcuts[] = {
    {"miNew",          {"Ctrl+N"}},
    {"miLoad",         {"Ctrl+O"}},
    {"miSave",         {"Ctrl+S"}},
    {"miSaveas",       {"Ctrl+Shift+S"}},
    {"miUndo",         {"Ctrl+Z"}},
    {"miRedo",         {"Ctrl+Shift+Z", "Ctrl+Y"}},
    {"miUndoFirst",    {"Ctrl+Home"}},
    {"miRedoLast",     {"Ctrl+End"}},
    {"miPass",         {"Ctrl+P"}},
    {"miHint",         {"Ctrl+H"}},
    {"miStopThinking", {"Ctrl+T"}},
    {"miExit",         {"Ctrl+Q"}},
};
// clang-format on

}  // namespace

void InstallShortcuts(QWidget& window) {
  for (const ShortcutRow& row : kShortcuts) {
    auto* action = window.findChild<QAction*>(QString::fromUtf8(row.item));
    if (!action) continue;
    QList<QKeySequence> keys;
    for (const char* key : row.keys)
      if (key) keys << QKeySequence(QString::fromUtf8(key));
    action->setShortcuts(keys);
  }
}

}  // namespace tamsok
