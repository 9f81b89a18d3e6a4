// The menu tree of PopupMenu1, as one table in menu order.
#include "popup_menu.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace trimbol::app {
namespace {

struct Entry {
  int depth;
  const char* name;
  const char* caption;  // "-" makes a separator
  int shortcut = 0;     // a combined Qt key, 0 for none
};

constexpr int F1 = Qt::Key_F1;
constexpr int F2 = Qt::Key_F2;
constexpr int ShiftF1 = (Qt::SHIFT | Qt::Key_F1).toCombined();
constexpr int CtrlS = (Qt::CTRL | Qt::Key_S).toCombined();
constexpr int CtrlD = (Qt::CTRL | Qt::Key_D).toCombined();

// The layout marks the launch values: "+Выкл" and "+Нет" (all Cyrillic).
const Entry kTree[] = {
    {0, "N39", "Игра"},
    {1, "N1", "Новая игра", F2},
    {1, "N43", "Счет:"},
    {2, "N44", "Крестики"},  {3, "N01", "0"},
    {2, "N45", "Нолики"},    {3, "N02", "0"},
    {2, "N46", "Закорюки"},  {3, "N03", "0"},
    {2, "N47", "Спиральки"}, {3, "N04", "0"},
    {0, "N3", "-"},
    {0, "N4", "Настройки"},
    {1, "N77", "Полн.Авт"},
    {1, "N18", "Автомат"},
    {2, "N19", "Крестики"},  {3, "N25", "+Выкл"}, {3, "N26", "Полу"}, {3, "N27", "Вкл"},
    {2, "N20", "Нолики"},    {3, "N28", "+Выкл"}, {3, "N29", "Полу"}, {3, "N30", "Вкл"},
    {2, "N23", "Закорюки"},  {3, "N32", "+Выкл"}, {3, "N33", "Полу"}, {3, "N34", "Вкл"},
    {2, "N24", "Спиральки"}, {3, "N35", "+Выкл"}, {3, "N36", "Полу"}, {3, "N37", "Вкл"},
    {1, "N54", "Интеллект"},
    {2, "N55", "Крестики"},  {3, "N59", "+Нет"}, {3, "N60", "Слабо"}, {3, "N61", "Сильно"},
    {2, "N56", "Нолики"},    {3, "N62", "+Нет"}, {3, "N63", "Слабо"}, {3, "N64", "Сильно"},
    {2, "N57", "Закорюки"},  {3, "N65", "+Нет"}, {3, "N66", "Слабо"}, {3, "N67", "Сильно"},
    {2, "N58", "Спиральки"}, {3, "N68", "+Нет"}, {3, "N69", "Слабо"}, {3, "N70", "Сильно"},
    {1, "N17", "-"},
    {1, "N5", "Звук"},
    {2, "N6", "Вкл", CtrlS},
    {2, "N7", "Выкл", CtrlD},
    {1, "N71", "-"},
    {1, "N51", "Автоначало"},
    {2, "N52", "Вкл"},
    {2, "N53", "Выкл"},
    {1, "N48", "Анимация"},
    {2, "N49", "Вкл"},
    {2, "N50", "Выкл"},
    {1, "N72", "-"},
    {1, "N73", "Игроки"},
    {2, "N410", "4"},
    {2, "N310", "3"},
    {2, "N210", "2"},
    {1, "N74", "Диаг.выиг"},
    {2, "N75", "Вкл"},
    {2, "N76", "Выкл"},
    {0, "N40", "Помощь"},
    {1, "N41", "Инструкции", F1},
    {1, "N42", "О программе...", ShiftF1},
    {0, "N38", "-"},
    {0, "N2", "Выход"},
};

}  // namespace

QAction* PopupMenu::Item(std::string_view name) const {
  const auto found = items.find(name);
  return found == items.end() ? nullptr : found->second;
}

PopupMenu BuildPopupMenu(QWidget& window) {
  PopupMenu menu;
  menu.root = new QMenu(&window);
  menu.root->setObjectName(QStringLiteral("PopupMenu1"));
  // Menus use the platform's menu font, not the window's.
  menu.root->setFont(QApplication::font("QMenu"));

  QMenu* parents[4] = {menu.root, nullptr, nullptr, nullptr};
  constexpr int count = static_cast<int>(std::size(kTree));
  for (int i = 0; i < count; ++i) {
    const Entry& entry = kTree[i];
    QMenu* parent = parents[entry.depth];
    const QString caption = QString::fromUtf8(entry.caption);
    const bool opensSubmenu = i + 1 < count && kTree[i + 1].depth > entry.depth;
    QAction* action = nullptr;
    if (opensSubmenu) {
      QMenu* submenu = parent->addMenu(caption);
      parents[entry.depth + 1] = submenu;
      action = submenu->menuAction();
    } else if (caption == QLatin1String("-")) {
      action = parent->addSeparator();
    } else {
      action = parent->addAction(caption);
    }
    action->setObjectName(QString::fromLatin1(entry.name));
    if (entry.shortcut != 0) {
      action->setShortcut(QKeySequence(entry.shortcut));
      action->setShortcutContext(Qt::WindowShortcut);
      window.addAction(action);
    }
    menu.items.emplace(entry.name, action);
  }
  return menu;
}

}  // namespace trimbol::app
