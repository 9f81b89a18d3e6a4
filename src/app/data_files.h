// Where the game finds a file it opens by bare name: in the working folder,
// as it always has, then in the player's data folder and then in the data
// folders an installation fills.
#pragma once

#include <string>
#include <string_view>

namespace trimbol::app {

// The first regular file called `name` among: the working folder;
// $XDG_DATA_HOME/trimbol (~/.local/share/trimbol), where a player of an
// installed game puts music of their own; trimbol under each of
// $XDG_DATA_DIRS (/usr/local/share, /usr/share), where the shipped files are
// installed. Looked up anew at each open, so a file dropped in while the
// game runs is found. When there is none, `name` itself, so that opening it
// fails as in the working folder.
std::string FindDataFile(std::string_view name);

}  // namespace trimbol::app
