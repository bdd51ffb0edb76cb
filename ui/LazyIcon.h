// An icon whose pictures are made when they are first drawn or asked for, not when the icon is
// set: menu items and hidden buttons carry their icons from start-up, but are seldom drawn
// before the first frame.
#pragma once

#include <functional>

#include <QIcon>

namespace tamsok {

// An icon that calls `make` once, at its first use, and then behaves as the icon it made.
QIcon LazyIcon(std::function<QIcon()> make);

}  // namespace tamsok
