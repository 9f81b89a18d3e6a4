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
// The icon at every size of kAppIconSizes.
QIcon AppIcon();

}  // namespace trimbol::pictures
