// TForm1: the game's one window. It lays out the controls, owns the game,
// the timers and the popup menu, and turns every Qt event into its named
// handler. Each handler is a one-line delegation; the entry points run the
// handlers through the error display, so no exception crosses the event loop.
#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "board_surface.h"
#include "engine/game.h"
#include "error_display.h"
#include "popup_menu.h"
#include "window_host.h"

class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace trimbol::media {
class MediaPlayers;
}

namespace trimbol::app {

class TOKBottomDlg;

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Without boxes the real modal ones are used; tests pass a recorder.
  explicit TForm1(media::MediaPlayers& media, MessageBoxes* boxes = nullptr);
  ~TForm1() override;

  // The help dialog is created after the window and shown by N41 and N42.
  void AttachHelpDialog(TOKBottomDlg& dialog) { OKBottomDlg_ = &dialog; }

  Game& game() { return game_; }
  BoardSurface& surface() { return surface_; }
  ErrorDisplay& errors() { return errors_; }
  MessageBoxes& boxes() { return *boxes_; }
  QLineEdit* Edit8() const { return Edit8_; }
  QCheckBox* CheckBox1() const { return CheckBox1_; }
  QPushButton* Button1() const { return Button1_; }
  QPushButton* Button2() const { return Button2_; }
  QPushButton* Button3() const { return Button3_; }
  QTimer* Timer(TimerId id) const { return timers_[static_cast<int>(id)]; }
  QMenu* PopupMenu1() const { return menu_.root; }
  const PopupMenu& menu() const { return menu_; }

  // --- Handlers, named after their component and event ------------------
  void FormCreate();
  void FormClick();
  void FormMouseMove(int x, int y);
  void FormKeyDown(int keyCode);
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void PopupMenu1Popup();
  void CheckBox1Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void N1Click();
  void N77Click();
  void N25Click();
  void N26Click();
  void N27Click();
  void N28Click();
  void N29Click();
  void N30Click();
  void N32Click();
  void N33Click();
  void N34Click();
  void N35Click();
  void N36Click();
  void N37Click();
  void N59Click();
  void N60Click();
  void N61Click();
  void N62Click();
  void N63Click();
  void N64Click();
  void N65Click();
  void N66Click();
  void N67Click();
  void N68Click();
  void N69Click();
  void N70Click();
  void N6Click();
  void N7Click();
  void N52Click();
  void N53Click();
  void N49Click();
  void N50Click();
  void N410Click();
  void N310Click();
  void N210Click();
  void N41Click();
  void N42Click();
  void N2Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void OpenPopupMenu(const QPoint& globalPos);
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a handler from a signal, through the error display.
  template <class Sender, class Signal>
  void Bind(Sender* sender, Signal signal, void (TForm1::*handler)());
  void BuildControls();
  void BindMenu();
  // Sets the outer size to 640 x 257, as far as the frame is known.
  void FitOuterSize();
  TOKBottomDlg& HelpDialog() const;

  std::unique_ptr<MessageBoxes> ownBoxes_;
  MessageBoxes* boxes_;
  ErrorDisplay errors_;
  BoardSurface surface_;
  PopupMenu menu_;
  QLineEdit* Edit8_ = nullptr;
  QCheckBox* CheckBox1_ = nullptr;
  QPushButton* Button1_ = nullptr;
  QPushButton* Button2_ = nullptr;
  QPushButton* Button3_ = nullptr;
  std::array<QTimer*, 3> timers_{};
  TOKBottomDlg* OKBottomDlg_ = nullptr;
  WindowHost host_;
  Game game_;
  bool leftPressed_ = false;  // a left press on the client area awaits its release
  bool fitted_ = false;
};

}  // namespace trimbol::app
