// How the program names itself to the desktop: the name the window system
// matches against the desktop entry, the version, the entry's own name.
#pragma once

namespace trimbol::app {

// Sets the application's name ("trimbol", the window's class), version and
// desktop file name. May run before the application object exists. Window
// titles and box captions keep the game's title "Тримбол".
void NameApplication();

}  // namespace trimbol::app
