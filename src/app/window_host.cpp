// The window's side of Host. Texts arrive as UTF-8; the status line and the
// captions are compared before they are written, because Timer1 writes them
// ten times a second and an unchanged write must cost no repaint.
#include "window_host.h"

#include <stdexcept>

#include <QAction>
#include <QAnyStringView>
#include <QLineEdit>
#include <QTimer>

#include "bitmap_file.h"
#include "main_window.h"
#include "media/media_players.h"

namespace trimbol::app {
namespace {

QUtf8StringView Utf8(std::string_view text) {
  return QUtf8StringView(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void WindowHost::DrawBoard(const Board& board) { form_.surface().DrawBoard(board); }

void WindowHost::DrawFrame(const std::string& file, int x, int y) {
  form_.surface().DrawFrame(LoadBitmapFile(file), x, y);
}

void WindowHost::PlayMusic(const std::string& file) { media_.PlayMusic(file); }
void WindowHost::PlayEffect(const std::string& file) { media_.PlayEffect(file); }
void WindowHost::PlayResultSound(const std::string& file) { media_.PlayResultSound(file); }

void WindowHost::ShowMessage(const std::string& text) {
  form_.boxes().ShowMessage(&form_, QString::fromStdString(text));
}

void WindowHost::StartTimer(TimerId timer) {
  QTimer* t = form_.Timer(timer);
  if (!t->isActive()) t->start();  // start() would restart a running interval
}

void WindowHost::StopTimer(TimerId timer) { form_.Timer(timer)->stop(); }

bool WindowHost::TimerActive(TimerId timer) const { return form_.Timer(timer)->isActive(); }

void WindowHost::SetStatusText(std::string_view text) {
  QLineEdit* edit = form_.Edit8();
  if (QAnyStringView::equal(edit->text(), Utf8(text))) return;
  edit->setText(Utf8(text).toString());
}

void WindowHost::SetCaption(std::string_view item, std::string_view caption) {
  QAction* action = form_.menu().Item(item);
  if (action == nullptr) throw std::invalid_argument("No menu item " + std::string(item));
  if (QAnyStringView::equal(action->text(), Utf8(caption))) return;
  action->setText(Utf8(caption).toString());
}

void WindowHost::ReportError(const std::exception& error) { form_.errors().Show(error); }

}  // namespace trimbol::app
