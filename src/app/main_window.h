// The game's one window: it lays out the controls, owns the game, its
// timers and its menu, and passes every Qt event on to the game. Each entry
// point runs through the error display, so no exception crosses the event
// loop.
#pragma once

#include <array>
#include <memory>
#include <string>

#include <QWidget>

#include "board_surface.h"
#include "board_view.h"
#include "desktop_looks.h"
#include "engine/game.h"
#include "error_display.h"
#include "game_menu.h"
#include "game_sound.h"
#include "window_host.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTimer;

namespace trimbol::media {
class SoundSystem;
}

namespace trimbol::app {

class HelpDialog;
class ShortcutsDialog;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The game's window, playing through the sound module at `soundModule`,
  // loaded at the first play. Without boxes the real modal ones are used;
  // tests pass a recorder.
  explicit MainWindow(const std::string& soundModule, MessageBoxes* boxes = nullptr);
  // Playing through players the program already holds (tests, benchmarks).
  explicit MainWindow(media::SoundSystem& players, MessageBoxes* boxes = nullptr);
  ~MainWindow() override;

  // The help dialog, made when a help item is first chosen (none before).
  HelpDialog* helpDialog() const { return helpDialog_.get(); }
  // The list of keys, made when it is first asked for.
  ShortcutsDialog* shortcutsDialog() const { return shortcutsDialog_.get(); }

  Game& game() { return *game_; }
  BoardSurface& surface() { return surface_; }
  GameSound& sound() { return *sound_; }
  ErrorDisplay& errors() { return errors_; }
  GameMenu& menu() { return *menu_; }
  QLineEdit* statusLine() const { return statusLine_; }
  QCheckBox* constantRedrawBox() const { return constantRedraw_; }
  QPushButton* newGameButton() const { return newGame_; }
  QPushButton* onePlayerButton() const { return onePlayer_; }
  QPushButton* twoPlayersButton() const { return twoPlayers_; }
  BoardView* boardView() const { return board_; }
  QTimer* timer(GameTimer timer) const { return timers_[static_cast<int>(timer)]; }

  // The board follows the desktop's wishes for contrast and motion.
  void FollowDesktop(trimbol::app::LookWishes wishes);

 signals:
  // The window has been painted for the first time: what can wait until the
  // player sees the game may start.
  void firstPainted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  MainWindow(std::unique_ptr<GameSound> sound, MessageBoxes* boxes);
  void BuildControls();
  // Runs a game operation from a signal, through the error display.
  template <class Sender, class Signal>
  void Connect(Sender* sender, Signal signal, void (Game::*operation)());
  void PressKey(const QKeyEvent& event);
  // A click by the mouse or the keys: the game's turn, then the board
  // follows the moves it made.
  template <class Click>
  void RunClick(Click click);
  void OpenMenu(const QPoint& globalPos);
  // Where the menu opens from the keyboard: under the focused control, or
  // under the cursor's cell on the board.
  QPoint KeyboardMenuPlace() const;
  void ShowHelp(const QString& caption, const QString& text);
  void ShowShortcuts();
  // Sets the outer size to 640 x 257, as far as the frame is known.
  void FitOuterSize();

  std::unique_ptr<MessageBoxes> ownBoxes_;
  MessageBoxes* boxes_;
  ErrorDisplay errors_;
  BoardSurface surface_;
  std::unique_ptr<GameSound> sound_;
  QLineEdit* statusLine_ = nullptr;
  QCheckBox* constantRedraw_ = nullptr;
  QPushButton* newGame_ = nullptr;
  QPushButton* onePlayer_ = nullptr;
  QPushButton* twoPlayers_ = nullptr;
  BoardView* board_ = nullptr;
  std::array<QTimer*, 3> timers_{};
  std::unique_ptr<GameMenu> menu_;
  std::unique_ptr<WindowHost> host_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<HelpDialog> helpDialog_;
  std::unique_ptr<ShortcutsDialog> shortcutsDialog_;
  bool leftPressed_ = false;  // a left press on the client area awaits its release
  bool fitted_ = false;
  bool painted_ = false;
};

}  // namespace trimbol::app
