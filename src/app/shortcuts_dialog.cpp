// The list of keys and its window.
#include "shortcuts_dialog.h"

#include <algorithm>
#include <iterator>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace trimbol::app {
namespace {

// A row with no action heads the rows below it.
struct KeyRow {
  const char* keys;
  const char* action;
};
constexpr KeyRow kRows[] = {
    {QT_TRANSLATE_NOOP("Shortcuts", "В игре"), nullptr},
    {"F2", QT_TRANSLATE_NOOP("Shortcuts", "Новая игра")},
    {"Ctrl+Z", QT_TRANSLATE_NOOP("Shortcuts", "Отменить свой последний ход и ответы компьютера на него")},
    {"Ctrl+H", QT_TRANSLATE_NOOP("Shortcuts", "Подсказка: клетка, которую выбрал бы Мастер, и почему")},
    {"Ctrl+S, Ctrl+D", QT_TRANSLATE_NOOP("Shortcuts", "Включить и выключить звук")},
    {QT_TRANSLATE_NOOP("Shortcuts", "1 - 9"), QT_TRANSLATE_NOOP("Shortcuts", "Музыка из файлов 1.wav ... 9.mid")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Клавиша меню, Shift+F10"), QT_TRANSLATE_NOOP("Shortcuts", "Открыть меню")},
    {"Tab, Shift+Tab", QT_TRANSLATE_NOOP("Shortcuts", "К следующему или предыдущему элементу окна; последний - доска")},
    {"F1", QT_TRANSLATE_NOOP("Shortcuts", "Инструкции")},
    {"Shift+F1", QT_TRANSLATE_NOOP("Shortcuts", "О программе")},
    {"Ctrl+?", QT_TRANSLATE_NOOP("Shortcuts", "Этот список клавиш")},
    {QT_TRANSLATE_NOOP("Shortcuts", "На доске"), nullptr},
    {QT_TRANSLATE_NOOP("Shortcuts", "Стрелки"), QT_TRANSLATE_NOOP("Shortcuts", "Двигать рамку; влево и вправо - через слои")},
    {"PageUp, PageDown, Ctrl+Left, Ctrl+Right", QT_TRANSLATE_NOOP("Shortcuts", "Та же клетка соседнего слоя")},
    {"Home, End", QT_TRANSLATE_NOOP("Shortcuts", "Первая и последняя клетка слоя")},
    {QT_TRANSLATE_NOOP("Shortcuts", "Enter, пробел"), QT_TRANSLATE_NOOP("Shortcuts", "Поставить знак в клетку рамки")},
    {QT_TRANSLATE_NOOP("Shortcuts", "R (К)"), QT_TRANSLATE_NOOP("Shortcuts", "Прочитать ряд через рамку")},
    {QT_TRANSLATE_NOOP("Shortcuts", "C (С)"), QT_TRANSLATE_NOOP("Shortcuts", "Прочитать столбец через рамку")},
    {QT_TRANSLATE_NOOP("Shortcuts", "P (З)"), QT_TRANSLATE_NOOP("Shortcuts", "Прочитать столб через рамку")},
    {QT_TRANSLATE_NOOP("Shortcuts", "S (Ы)"), QT_TRANSLATE_NOOP("Shortcuts", "Чей ход и счёт")},
    {QT_TRANSLATE_NOOP("Shortcuts", "L (Д)"), QT_TRANSLATE_NOOP("Shortcuts", "Последний ход каждой стороны")},
    {QT_TRANSLATE_NOOP("Shortcuts", "T (Е)"), QT_TRANSLATE_NOOP("Shortcuts", "Клетки, где сторона закончит линию следующим ходом")},
};

constexpr const char* kTitle = QT_TRANSLATE_NOOP("Shortcuts", "Клавиши");
constexpr const char* kKeyHeader = QT_TRANSLATE_NOOP("Shortcuts", "Клавиша");
constexpr const char* kActionHeader = QT_TRANSLATE_NOOP("Shortcuts", "Действие");

QString Tr(const char* text) { return QCoreApplication::translate("Shortcuts", text); }

QTableWidgetItem* Item(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

ShortcutsDialog::ShortcutsDialog(QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(static_cast<int>(std::size(kRows)), 2, this)) {
  setObjectName(QStringLiteral("ShortcutsDialog"));
  setWindowTitle(Tr(kTitle));
  table_->setObjectName(QStringLiteral("ShortcutsTable"));
  table_->setAccessibleName(Tr(kTitle));
  table_->setHorizontalHeaderLabels({Tr(kKeyHeader), Tr(kActionHeader)});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setWordWrap(false);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const KeyRow& keys = kRows[row];
    if (keys.action == nullptr) {
      QTableWidgetItem* heading = Item(Tr(keys.keys));
      QFont bold = heading->font();
      bold.setBold(true);
      heading->setFont(bold);
      table_->setItem(row, 0, heading);
      table_->setSpan(row, 0, 1, 2);
      continue;
    }
    table_->setItem(row, 0, Item(Tr(keys.keys)));
    table_->setItem(row, 1, Item(Tr(keys.action)));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setCurrentCell(1, 0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  // Wide enough for both columns, tall enough for most rows.
  const int width = table_->horizontalHeader()->length() + 2 * table_->frameWidth() + 40;
  resize(std::max(width, 480), 480);
}

}  // namespace trimbol::app
