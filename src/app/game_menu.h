// The window's popup menu: built from one table of rows (name, caption,
// shortcut, action), and the captions it rewrites as the game goes on: the
// "+" that marks each side's choice and the win counts.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QKeyCombination>

class QAction;
class QMenu;
class QWidget;

#include "engine/side.h"
#include "engine/side_settings.h"

namespace trimbol {
class Game;
}

namespace trimbol::app {

class ErrorDisplay;

struct MenuRow {
  int depth;                    // 0 for the menu's own items
  const char* name;             // the layout's object name: automation finds items by it
  const char* caption;          // "-" makes a separator
  QKeyCombination shortcut{};   // Qt::Key_unknown: none
  std::function<void()> action{};
};

// What the menu asks of the window rather than of the game.
struct WindowCommands {
  std::function<void()> showInstructions;
  std::function<void()> showAbout;
  std::function<void()> showShortcuts;
  std::function<void()> quit;
};

// Every item of the menu in menu order, each side's submenus from one loop.
std::vector<MenuRow> MenuRows(Game& game, const WindowCommands& window);

class GameMenu {
 public:
  // An empty menu, a child of `window`, whose actions run through `errors`.
  GameMenu(QWidget& window, ErrorDisplay& errors);
  // Adds the rows' items. Items with a shortcut are added to the window too,
  // so their keys work while the window or any of its controls has the
  // focus, without the menu being opened.
  void Build(const std::vector<MenuRow>& rows);

  QMenu* popup() const { return root_; }
  // The item of that name, or nullptr.
  QAction* Item(std::string_view name) const;

  // Rewrites the captions of the side's submenu, "+" on the chosen one.
  void ShowAutoMode(Side side, AutoMode mode);
  void ShowStrength(Side side, Strength strength);
  void ShowScore(Side side, int wins);
  // Enables "Отменить ход" while a move can be taken back.
  void ShowUndoAvailable(bool available);
  // Enables "Решающий ход" while the last game ended was a lost two-side game.
  void ShowDecisiveMoveAvailable(bool available);

 private:
  void SetCaption(std::string_view item, const QString& caption);
  void SetEnabled(std::string_view item, bool enabled);

  QWidget& window_;
  ErrorDisplay& errors_;
  QMenu* root_;
  std::map<std::string, QAction*, std::less<>> items_;
};

}  // namespace trimbol::app
