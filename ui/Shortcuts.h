// The keys of the menu commands, shown beside their items: the desktop's usual keys where it
// has them, Ctrl with a letter of the command's name otherwise. F1 stays free for the help.
#pragma once

class QWidget;

namespace tamsok {

// Gives each command's item in `window`'s menus its keys; an item that is missing is skipped.
void InstallShortcuts(QWidget& window);

}  // namespace tamsok
