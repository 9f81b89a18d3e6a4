// The board's accessible table and its 27 cells, and what they say.
#include "board_accessible.h"

#include <array>

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include "board_view.h"

namespace trimbol::app {
namespace {

// Every text the board says is translated in this one context.
QString Tr(const char* text) { return QCoreApplication::translate("Board", text); }

// By piece code: 0 an empty cell, 1..4 the sides' pieces.
constexpr std::array<const char*, 5> kPieceWords = {
    QT_TRANSLATE_NOOP("Board", "пусто"), QT_TRANSLATE_NOOP("Board", "крестик"), QT_TRANSLATE_NOOP("Board", "нолик"),
    QT_TRANSLATE_NOOP("Board", "закорюка"), QT_TRANSLATE_NOOP("Board", "спиралька")};
static_assert(kPieceWords.size() == kSideCount + 1, "a word for an empty cell and for each side's piece");

// By side 1..4.
constexpr std::array<const char*, 4> kComputerAnswers = {
    QT_TRANSLATE_NOOP("Board", "ход компьютера: крестики"), QT_TRANSLATE_NOOP("Board", "ход компьютера: нолики"),
    QT_TRANSLATE_NOOP("Board", "ход компьютера: закорюки"), QT_TRANSLATE_NOOP("Board", "ход компьютера: спиральки")};
static_assert(kComputerAnswers.size() == kSideCount, "an answer for each side");

class BoardAccessible;

// One cell: a child of the board's table that has no object of its own.
class CellAccessible final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
 public:
  CellAccessible(BoardView* view, Cell cell) : view_(view), cell_(cell) {}

  bool isValid() const override { return !view_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      case QAccessible::Name:
        return CellName(cell_, view_->board()[CellIndex(cell_)]);
      case QAccessible::Description:
        return ComputerAnswerText(view_->ComputerAnswerAt(cell_));
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect local = view_->CellRect(cell_);
    return {view_->mapToGlobal(local.topLeft()), local.size()};
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = view_->hasFocus() && view_->cursor() == cell_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // The table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return AccessibleIndex(cell_) % kAccessibleColumns; }
  int rowIndex() const override { return AccessibleIndex(cell_) / kAccessibleColumns; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

  // A press plays on the cell as Enter on it would. It runs once the reader's
  // request has been answered: a result box would otherwise hold the answer
  // up until the player closes it.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction()) return;
    QMetaObject::invokeMethod(
        view_,
        [view = view_, cell = cell_] {
          if (!view) return;
          view->SetCursor(cell);
          emit view->cellChosen(cell);
        },
        Qt::QueuedConnection);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if (name != pressAction()) return {};
    return {QStringLiteral("Return"), QStringLiteral("Space")};
  }

 private:
  QPointer<BoardView> view_;
  Cell cell_;
};

// The board: a table whose children are the 27 cells, made when first asked
// for and kept, so that a reader sees the same cell object every time.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table), view_(view) {}
  ~BoardAccessible() override {
    for (QAccessible::Id id : ids_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return BoardName();
    if (kind == QAccessible::Description) return view_->result();
    return QAccessibleWidget::text(kind);
  }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCells) return nullptr;
    QAccessible::Id& id = ids_[index];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new CellAccessible(view_, CellOfAccessibleIndex(index)));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < kCells; ++index) {
      if (ids_[index] != 0 && QAccessible::accessibleInterface(ids_[index]) == child) return index;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = view_->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < kCells; ++index) {
      if (view_->CellRect(CellOfAccessibleIndex(index)).contains(local)) return child(index);
    }
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return view_->hasFocus() ? child(AccessibleIndex(view_->cursor())) : nullptr;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The table. Nothing on the board is ever selected.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= kAccessibleRows || column < 0 || column >= kAccessibleColumns) return nullptr;
    return child(row * kAccessibleColumns + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kAccessibleColumns; }
  int rowCount() const override { return kAccessibleRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  BoardView* view_;  // outlives this interface, which Qt deletes with it
  mutable std::array<QAccessible::Id, kCells> ids_{};
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* view = qobject_cast<BoardView*>(object)) return new BoardAccessible(view);
  return nullptr;
}

}  // namespace

QString BoardName() { return Tr(QT_TRANSLATE_NOOP("Board", "Доска")); }

QString CellName(Cell cell, int piece) {
  const char* word = piece >= 0 && piece < static_cast<int>(kPieceWords.size()) ? kPieceWords[piece] : "";
  return Tr(QT_TRANSLATE_NOOP("Board", "Слой %1, ряд %2, столбец %3: %4"))
      .arg(cell.layer + 1)
      .arg(cell.row + 1)
      .arg(cell.column + 1)
      .arg(Tr(word));
}

QString ComputerAnswerText(int side) {
  return side >= 1 && side <= kSideCount ? Tr(kComputerAnswers[side - 1]) : QString();
}

void InstallBoardAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&BoardFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace trimbol::app
