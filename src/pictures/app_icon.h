// The game's icon, drawn in code at each size it is needed: for the icon
// theme of an installed game and for the window.
#pragma once

#include <QIcon>
#include <QImage>

namespace trimbol::pictures {

// The sizes, in pixels, that the desktop's icon theme gets.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon drawn natively at size x size pixels (never scaled from another
// size), transparent outside its rounded tile. From 64 pixels up it shows a
// layer of the board with pieces of all four sides; below that, where those
// would be hairlines, a bold cross and nought.
QImage AppIconImage(int size);
// The sizes a window's own icon comes in: those of title bars and task
// lists. Docks and launchers take the bigger ones from the icon theme; drawn
// here, 128 and 256 pixels alone would cost a fifth of the start-up.
inline constexpr int kWindowIconSizes[] = {16, 24, 32, 48, 64};
// The icon at every size of kWindowIconSizes.
QIcon WindowIcon();

}  // namespace trimbol::pictures
