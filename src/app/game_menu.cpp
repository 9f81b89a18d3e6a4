// The menu table, the building of the menu from it, and the caption scheme.
#include "game_menu.h"

#include <array>
#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "engine/game.h"
#include "error_display.h"

namespace trimbol::app {
namespace {

// The choices of each submenu, in menu order.
constexpr std::array kAutoModes = {AutoMode::kPerson, AutoMode::kHalf, AutoMode::kComputer};
constexpr std::array kStrengths = {Strength::kNone, Strength::kWeak, Strength::kStrong, Strength::kMaster};

// Each side's items.
struct SideItems {
  const char* caption;
  const char* scoreMenu;
  const char* score;
  const char* autoModeMenu;
  std::array<const char*, kAutoModes.size()> autoModes;
  const char* strengthMenu;
  std::array<const char*, kStrengths.size()> strengths;
};
constexpr PerSide<SideItems> kSides = {
    SideItems{QT_TRANSLATE_NOOP("Menu", "Крестики"), "N44", "N01", "N19", {"N25", "N26", "N27"}, "N55", {"N59", "N60", "N61", "N80"}},
    SideItems{QT_TRANSLATE_NOOP("Menu", "Нолики"), "N45", "N02", "N20", {"N28", "N29", "N30"}, "N56", {"N62", "N63", "N64", "N81"}},
    SideItems{QT_TRANSLATE_NOOP("Menu", "Закорюки"), "N46", "N03", "N23", {"N32", "N33", "N34"}, "N57", {"N65", "N66", "N67", "N82"}},
    SideItems{QT_TRANSLATE_NOOP("Menu", "Спиральки"), "N47", "N04", "N24", {"N35", "N36", "N37"}, "N58", {"N68", "N69", "N70", "N83"}},
};

constexpr std::array<const char*, kAutoModes.size()> kAutoModeWords = {QT_TRANSLATE_NOOP("Menu", "Выкл"), QT_TRANSLATE_NOOP("Menu", "Полу"), QT_TRANSLATE_NOOP("Menu", "Вкл")};
// The word for none is spelled with a Latin H and e when the menu rewrites
// it; the layout's own caption, which marks the launch value, is all Cyrillic.
constexpr std::array<const char*, kStrengths.size()> kStrengthWords = {QT_TRANSLATE_NOOP("Menu", "Heт"), QT_TRANSLATE_NOOP("Menu", "Слабо"), QT_TRANSLATE_NOOP("Menu", "Сильно"), QT_TRANSLATE_NOOP("Menu", "Мастер")};
constexpr const char* kLayoutNone = QT_TRANSLATE_NOOP("Menu", "+Нет");

// Every caption is translated in the one context "Menu".
QString Tr(const char* caption) { return QCoreApplication::translate("Menu", caption); }

QString Marked(const char* word, bool chosen) { return chosen ? QStringLiteral("+") + Tr(word) : Tr(word); }

}  // namespace

std::vector<MenuRow> MenuRows(Game& game, const WindowCommands& window) {
  std::vector<MenuRow> rows = {
      {0, "N39", QT_TRANSLATE_NOOP("Menu", "Игра")},
      {1, "N1", QT_TRANSLATE_NOOP("Menu", "Новая игра"), Qt::Key_F2, [&game] { game.StartNewGame(); }},
      {1, "N43", QT_TRANSLATE_NOOP("Menu", "Счет:")},
  };
  for (const SideItems& side : kSides) {
    rows.push_back({2, side.scoreMenu, side.caption});
    rows.push_back({3, side.score, "0"});
  }
  rows.insert(rows.end(), {
      {1, "N78", QT_TRANSLATE_NOOP("Menu", "Отменить ход"), Qt::CTRL | Qt::Key_Z, [&game] { game.Undo(); }},
      {1, "N79", QT_TRANSLATE_NOOP("Menu", "Подсказка"), Qt::CTRL | Qt::Key_H, [&game] { game.Hint(); }},
      {1, "N84", QT_TRANSLATE_NOOP("Menu", "Решающий ход"), {}, [&game] { game.ShowDecisiveMove(); }},
  });
  rows.insert(rows.end(), {
      {0, "N3", "-"},
      {0, "N4", QT_TRANSLATE_NOOP("Menu", "Настройки")},
      {1, "N77", QT_TRANSLATE_NOOP("Menu", "Полн.Авт"), {}, [&game] { game.FullAutomation(); }},
      {1, "N18", QT_TRANSLATE_NOOP("Menu", "Автомат")},
  });
  // The layout marks the launch values: a person at no strength.
  for (const Side s : AllSides()) {
    rows.push_back({2, kSides[s].autoModeMenu, kSides[s].caption});
    for (std::size_t i = 0; i < kAutoModes.size(); ++i) {
      rows.push_back({3, kSides[s].autoModes[i], i == 0 ? QT_TRANSLATE_NOOP("Menu", "+Выкл") : kAutoModeWords[i], {},
                      [&game, s, mode = kAutoModes[i]] { game.SetAutoMode(s, mode); }});
    }
  }
  rows.push_back({1, "N54", QT_TRANSLATE_NOOP("Menu", "Интеллект")});
  for (const Side s : AllSides()) {
    rows.push_back({2, kSides[s].strengthMenu, kSides[s].caption});
    for (std::size_t i = 0; i < kStrengths.size(); ++i) {
      rows.push_back({3, kSides[s].strengths[i], i == 0 ? kLayoutNone : kStrengthWords[i], {},
                      [&game, s, strength = kStrengths[i]] { game.SetStrength(s, strength); }});
    }
  }
  rows.insert(rows.end(), {
      {1, "N17", "-"},
      {1, "N5", QT_TRANSLATE_NOOP("Menu", "Звук")},
      {2, "N6", QT_TRANSLATE_NOOP("Menu", "Вкл"), Qt::CTRL | Qt::Key_S, [&game] { game.SetSound(true); }},
      {2, "N7", QT_TRANSLATE_NOOP("Menu", "Выкл"), Qt::CTRL | Qt::Key_D, [&game] { game.SetSound(false); }},
      {1, "N71", "-"},
      {1, "N51", QT_TRANSLATE_NOOP("Menu", "Автоначало")},
      {2, "N52", QT_TRANSLATE_NOOP("Menu", "Вкл"), {}, [&game] { game.SetAutoStart(true); }},
      {2, "N53", QT_TRANSLATE_NOOP("Menu", "Выкл"), {}, [&game] { game.SetAutoStart(false); }},
      {1, "N48", QT_TRANSLATE_NOOP("Menu", "Анимация")},
      {2, "N49", QT_TRANSLATE_NOOP("Menu", "Вкл"), {}, [&game] { game.SetAnimation(true); }},
      {2, "N50", QT_TRANSLATE_NOOP("Menu", "Выкл"), {}, [&game] { game.SetAnimation(false); }},
      {1, "N72", "-"},
      {1, "N73", QT_TRANSLATE_NOOP("Menu", "Игроки")},
      {2, "N410", "4", {}, [&game] { game.SetSidesInPlay(4); }},
      {2, "N310", "3", {}, [&game] { game.SetSidesInPlay(3); }},
      {2, "N210", "2", {}, [&game] { game.SetSidesInPlay(2); }},
      // Diagonal lines never win; the two items have nothing to switch.
      {1, "N74", QT_TRANSLATE_NOOP("Menu", "Диаг.выиг")},
      {2, "N75", QT_TRANSLATE_NOOP("Menu", "Вкл")},
      {2, "N76", QT_TRANSLATE_NOOP("Menu", "Выкл")},
      {0, "N40", QT_TRANSLATE_NOOP("Menu", "Помощь")},
      {1, "N41", QT_TRANSLATE_NOOP("Menu", "Инструкции"), Qt::Key_F1, window.showInstructions},
      {1, "N42", QT_TRANSLATE_NOOP("Menu", "О программе..."), Qt::SHIFT | Qt::Key_F1, window.showAbout},
      {1, "N85", QT_TRANSLATE_NOOP("Menu", "Клавиши"), Qt::CTRL | Qt::Key_Question, window.showShortcuts},
      {0, "N38", "-"},
      {0, "N2", QT_TRANSLATE_NOOP("Menu", "Выход"), {}, window.quit},
  });
  return rows;
}

GameMenu::GameMenu(QWidget& window, ErrorDisplay& errors)
    : window_(window), errors_(errors), root_(new QMenu(&window)) {
  root_->setObjectName(QStringLiteral("PopupMenu1"));
  // Menus use the platform's menu font, not the window's.
  root_->setFont(QApplication::font("QMenu"));
}

void GameMenu::Build(const std::vector<MenuRow>& rows) {
  QMenu* parents[4] = {root_, nullptr, nullptr, nullptr};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const MenuRow& row = rows[i];
    QMenu* parent = parents[row.depth];
    const QString caption = Tr(row.caption);
    QAction* action = nullptr;
    if (i + 1 < rows.size() && rows[i + 1].depth > row.depth) {
      QMenu* submenu = parent->addMenu(caption);
      parents[row.depth + 1] = submenu;
      action = submenu->menuAction();
    } else if (caption == QLatin1String("-")) {
      action = parent->addSeparator();
    } else {
      action = parent->addAction(caption);
    }
    action->setObjectName(QString::fromLatin1(row.name));
    if (row.shortcut.key() != Qt::Key_unknown) {
      action->setShortcut(QKeySequence(row.shortcut));
      action->setShortcutContext(Qt::WindowShortcut);
      window_.addAction(action);
    }
    if (row.action) {
      QObject::connect(action, &QAction::triggered, &window_, [this, run = row.action] { errors_.Run(run); });
    }
    items_.emplace(row.name, action);
  }
}

QAction* GameMenu::Item(std::string_view name) const {
  const auto found = items_.find(name);
  return found == items_.end() ? nullptr : found->second;
}

void GameMenu::SetCaption(std::string_view item, const QString& caption) {
  QAction* action = Item(item);
  if (action == nullptr) throw std::logic_error("no menu item " + std::string(item));
  // The scores are written ten times a second; an unchanged caption must
  // cost no repaint.
  if (action->text() != caption) action->setText(caption);
}

void GameMenu::ShowAutoMode(Side side, AutoMode mode) {
  for (std::size_t i = 0; i < kAutoModes.size(); ++i) {
    SetCaption(kSides[side].autoModes[i], Marked(kAutoModeWords[i], kAutoModes[i] == mode));
  }
}

void GameMenu::ShowStrength(Side side, Strength strength) {
  for (std::size_t i = 0; i < kStrengths.size(); ++i) {
    SetCaption(kSides[side].strengths[i], Marked(kStrengthWords[i], kStrengths[i] == strength));
  }
}

void GameMenu::ShowScore(Side side, int wins) { SetCaption(kSides[side].score, QString::number(wins)); }

void GameMenu::ShowUndoAvailable(bool available) { SetEnabled("N78", available); }

void GameMenu::ShowDecisiveMoveAvailable(bool available) { SetEnabled("N84", available); }

void GameMenu::SetEnabled(std::string_view item, bool enabled) {
  QAction* action = Item(item);
  if (action == nullptr) throw std::logic_error("no menu item " + std::string(item));
  action->setEnabled(enabled);
}

}  // namespace trimbol::app
