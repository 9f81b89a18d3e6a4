// The status line's accessible text. Only what a reader asks of a read-only
// line: its text, the caret, the selection, and the text around an offset,
// which for a line of one line is the whole line.
#include "status_line_accessible.h"

#include <algorithm>

#include <QAccessibleWidget>
#include <QLineEdit>

namespace trimbol::app {
namespace {

class StatusLineAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit StatusLineAccessible(QLineEdit* line) : QAccessibleWidget(line, QAccessible::EditableText), line_(line) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return line_->text();
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The text.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !line_->hasSelectedText()) return;
    *start = line_->selectionStart();
    *end = *start + static_cast<int>(line_->selectedText().size());
  }
  int selectionCount() const override { return line_->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { line_->deselect(); }
  void setSelection(int, int start, int end) override { line_->setSelection(start, end - start); }
  int cursorPosition() const override { return line_->cursorPosition(); }
  void setCursorPosition(int position) override { line_->setCursorPosition(position); }
  QString text(int start, int end) const override {
    const QString all = line_->text();
    const int length = static_cast<int>(all.size());
    if (end < 0 || end > length) end = length;
    start = std::clamp(start, 0, end);
    return all.mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(line_->text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  // One run of plain text: a reader speaks the text run by run, and Qt's
  // empty runs, one at each offset, lose it the last character.
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start, int* end) const override {
    if (boundary == QAccessible::CharBoundary || boundary == QAccessible::WordBoundary ||
        boundary == QAccessible::SentenceBoundary) {
      return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
    }
    *start = 0;
    *end = characterCount();
    return line_->text();
  }

 private:
  QLineEdit* line_;
};

QAccessibleInterface* StatusLineFactory(const QString&, QObject* object) {
  auto* line = qobject_cast<QLineEdit*>(object);
  if (line != nullptr && line->objectName() == QLatin1String("Edit8")) return new StatusLineAccessible(line);
  return nullptr;
}

}  // namespace

void InstallStatusLineAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&StatusLineFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace trimbol::app
