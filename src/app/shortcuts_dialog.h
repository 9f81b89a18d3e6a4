// The window that lists every key of the game and of the board, in two
// columns: the key and what it does. It stays open beside the game until
// Escape or its button closes it.
#pragma once

#include <QDialog>

class QTableWidget;

namespace trimbol::app {

class ShortcutsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ShortcutsDialog(QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_;
};

}  // namespace trimbol::app
