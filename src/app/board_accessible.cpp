// The board's accessible table and its 27 cells, and what they say.
#include "board_accessible.h"

#include <array>

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QPointer>

#include "board_speech.h"
#include "board_view.h"

namespace trimbol::app {
namespace {

class BoardAccessible;

// One cell: a child of the board's table that has no object of its own.
class CellAccessible final : public QAccessibleInterface,
                             public QAccessibleTableCellInterface,
                             public QAccessibleActionInterface {
 public:
  // `second`: the cell's second object (see RenewCell).
  CellAccessible(BoardView* view, Cell cell, bool second) : view_(view), cell_(cell), second_(second) {}

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
        return view_->SpokenAt(cell_);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    // A reader takes two objects of the same role, name and place for one:
    // the second is a pixel narrower.
    const QRect local = view_->CellRect(cell_).adjusted(0, 0, second_ ? -1 : 0, 0);
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
  int columnIndex() const override { return 0; }
  int rowIndex() const override { return AccessibleIndex(cell_); }
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
  bool second_;
};

// The board: a table whose children are the 27 cells, made when first asked
// for and kept, so that a reader sees the same cell object every time.
class BoardAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view, QAccessible::Table), view_(view) {}
  ~BoardAccessible() override {
    for (const auto& pair : ids_) {
      for (QAccessible::Id id : pair) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
      }
    }
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return BoardName();
    return QAccessibleWidget::text(kind);
  }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCells) return nullptr;
    const int current = current_[index];
    QAccessible::Id& id = ids_[index][current];
    if (id == 0) {
      id = QAccessible::registerAccessibleInterface(new CellAccessible(view_, CellOfAccessibleIndex(index), current == 1));
    }
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int index = 0; index < kCells; ++index) {
      for (QAccessible::Id id : ids_[index]) {
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return index;
      }
    }
    return -1;
  }
  void Renew(int index) { current_[index] ^= 1; }
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
  // Two objects a cell, one of them current (see RenewCell).
  mutable std::array<std::array<QAccessible::Id, 2>, kCells> ids_{};
  std::array<int, kCells> current_{};
};

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
  if (auto* view = qobject_cast<BoardView*>(object)) return new BoardAccessible(view);
  return nullptr;
}

}  // namespace

void RenewCell(BoardView& view, Cell cell) {
  if (auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&view))) {
    board->Renew(AccessibleIndex(cell));
  }
}

void InstallBoardAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&BoardFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace trimbol::app
