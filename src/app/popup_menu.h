// Construction of PopupMenu1: every item with its name, caption, separator
// and shortcut. The window binds the actions to its handlers by name.
#pragma once

#include <map>
#include <string>
#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace trimbol::app {

struct PopupMenu {
  QMenu* root = nullptr;                                  // PopupMenu1
  std::map<std::string, QAction*, std::less<>> items;     // N1 .. N77, N01 .. N04

  // The item of that name, or nullptr.
  QAction* Item(std::string_view name) const;
};

// Builds the tree as a child of the window. Items with a shortcut are added
// to the window too, with the window shortcut context, so their keys work
// while the window or any of its controls has the focus, without the menu
// being opened.
PopupMenu BuildPopupMenu(QWidget& window);

}  // namespace trimbol::app
