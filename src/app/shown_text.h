// Every text the window shows passes through the translation catalogs, so
// that the desktop's language applies. The sources are the game's Russian
// texts, and a Russian or C desktop sees them as they are.
#pragma once

#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QString>

namespace trimbol::app {

// The title of the window and of every box.
inline QString AppTitle() { return QCoreApplication::translate("Title", "Тримбол"); }

// A text the game itself says (a result, whose turn it is), in the context
// its table marks.
inline QString GameText(std::string_view text) {
  return QCoreApplication::translate("Game", std::string(text).c_str());
}

}  // namespace trimbol::app
