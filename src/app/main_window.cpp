// The window's layout, its event plumbing, and the binding of every control
// to the game.
#include "main_window.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtMath>

#include "engine/texts.h"
#include "fitted_font.h"
#include "help_dialog.h"
#include "help_texts.h"
#include "key_codes.h"
#include "shortcuts_dialog.h"
#include "pictures/app_icon.h"
#include "shown_text.h"
#include "status_line_accessible.h"

namespace trimbol::app {
namespace {

constexpr QColor kSkyBlue(166, 202, 240);
constexpr QColor kAqua(0, 255, 255);
constexpr QColor kMaroon(128, 0, 0);
constexpr QSize kOuterSize(640, 257);
constexpr int kTickInterval = 100;

// The first of the layout's "MS Sans Serif" and its look-alikes that this
// system has, or none. Picked once from the installed families: handing Qt
// the whole list makes it ask fontconfig about each missing name, which
// costs more of the start-up than all the window's controls.
// Debian's URW fonts come twice, as OpenType (a foundry fontconfig leaves
// unknown, "UKWN") and as Type 1 ("urw"), and Qt keeps whichever it met
// last. Qt takes a few milliseconds longer to open and read the Type 1 file
// than the OpenType one, so the OpenType one is named first.
const QString& SansFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    auto isInstalled = [&installed](QLatin1String name) {
      // Families made by several foundries are listed as "Name [foundry]".
      return std::any_of(installed.begin(), installed.end(), [name](const QString& family) {
        return family.compare(name, Qt::CaseInsensitive) == 0 ||
               (family.startsWith(name, Qt::CaseInsensitive) && family.mid(name.size()).startsWith(u" ["));
      });
    };
    for (const char* name : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "Arimo",
                             "Nimbus Sans [UKWN]", "Nimbus Sans", "DejaVu Sans"}) {
      if (isInstalled(QLatin1String(name))) return QString::fromLatin1(name);
    }
    return QString();
  }();
  return family;
}

// That face at the given character height; the system's sans face without it.
QFont SansFont(int pixelHeight) {
  QFont font;
  if (!SansFamily().isEmpty()) font.setFamily(SansFamily());
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  return font;
}

// The instructions and the paragraphs added after them.
QString Instructions() {
  QString text = HelpText(kInstructionsText);
  for (const char* paragraph : kInstructionsAdditions) text += QLatin1Char('\n') + HelpText(paragraph);
  return text;
}

QPoint ClientPoint(const QMouseEvent& event) {
  const QPointF p = event.position();
  return {qFloor(p.x()), qFloor(p.y())};
}

}  // namespace

MainWindow::MainWindow(const std::string& soundModule, MessageBoxes* boxes)
    : MainWindow(std::make_unique<GameSound>(soundModule), boxes) {}

MainWindow::MainWindow(media::SoundSystem& players, MessageBoxes* boxes)
    : MainWindow(std::make_unique<GameSound>(players), boxes) {}

MainWindow::MainWindow(std::unique_ptr<GameSound> sound, MessageBoxes* boxes)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ownBoxes_(boxes ? nullptr : std::make_unique<ModalMessageBoxes>()),
      boxes_(boxes ? boxes : ownBoxes_.get()),
      errors_(*boxes_, this),
      surface_(*this),
      sound_(std::move(sound)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(AppTitle());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kSkyBlue);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(SansFont(11));
  setMouseTracking(true);
  move(180, 118);
  resize(696, 310);  // the layout's size, until the window is fitted

  BuildControls();
  menu_ = std::make_unique<GameMenu>(*this, errors_);
  host_ = std::make_unique<WindowHost>(
      WindowParts{surface_, *board_, *statusLine_, statusLine_->font(), *menu_, timers_, *boxes_, this, errors_, *sound_});
  game_ = std::make_unique<Game>(*host_);
  menu_->Build(MenuRows(*game_, {[this] { ShowHelp(HelpText(kInstructionsCaption), Instructions()); },
                                 [this] { ShowHelp(HelpText(kAboutCaption), HelpText(kAboutText)); },
                                 [this] { ShowShortcuts(); },
                                 [] { QCoreApplication::exit(0); }}));
  // Ctrl+? is Ctrl+Shift+/ on most layouts; Ctrl+/ is taken as well.
  menu_->Item("N85")->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Question), QKeySequence(Qt::CTRL | Qt::Key_Slash)});
  menu_->ShowUndoAvailable(false);  // nothing to take back before the first move
  menu_->ShowDecisiveMoveAvailable(false);  // no game lost yet

  Connect(constantRedraw_, &QCheckBox::clicked, &Game::ToggleConstantRedraw);
  Connect(newGame_, &QPushButton::clicked, &Game::StartNewGame);
  // The board tells a screen reader what these did, after they did it.
  board_->Follow(game_->state());
  connect(newGame_, &QPushButton::clicked, board_, &BoardView::TellNewGame);
  connect(menu_->Item("N1"), &QAction::triggered, board_, &BoardView::TellNewGame);
  connect(menu_->Item("N78"), &QAction::triggered, board_, &BoardView::TellTakenBack);
  connect(board_, &BoardView::cellChosen, this, [this](Cell cell) { RunClick([this, cell] { game_->ClickCell(cell); }); });
  // The menu opens from the keyboard as anywhere on the desktop.
  auto* menuKeys = new QAction(this);
  menuKeys->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
  menuKeys->setShortcutContext(Qt::WindowShortcut);
  addAction(menuKeys);
  connect(menuKeys, &QAction::triggered, this, [this] { OpenMenu(KeyboardMenuPlace()); });
  Connect(onePlayer_, &QPushButton::clicked, &Game::PresetOnePlayer);
  Connect(twoPlayers_, &QPushButton::clicked, &Game::PresetTwoPlayers);
  const std::array<void (Game::*)(), 3> ticks = {&Game::StatusTick, &Game::RedrawTick, &Game::AnimationTick};
  for (int i = 0; i < 3; ++i) Connect(timers_[i], &QTimer::timeout, ticks[i]);
  timer(GameTimer::kStatus)->start();  // the status tick runs from start-up; the others wait

  statusLine_->setFocus();
  FitOuterSize();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  // Named before it has a text: its first text already asks for its
  // accessible interface, which goes by the name.
  InstallStatusLineAccessibility();
  statusLine_ = new QLineEdit(this);
  statusLine_->setObjectName(QStringLiteral("Edit8"));
  statusLine_->setGeometry(8, 190, 121, 21);
  statusLine_->setFrame(false);
  statusLine_->setReadOnly(true);
  statusLine_->setFont(SansFont(13));
  ShowFitted(*statusLine_, statusLine_->font(), GameText(texts::kStatusBeforeFirstGame));
  QPalette status = statusLine_->palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) status.setColor(role, kAqua);
  status.setColor(QPalette::Text, kMaroon);
  statusLine_->setPalette(status);
  statusLine_->setAutoFillBackground(true);
  // A right click on the status line opens the window's menu, as anywhere else.
  statusLine_->setContextMenuPolicy(Qt::NoContextMenu);

  constantRedraw_ = new QCheckBox(tr("Постоянная прорисовка"), this);
  constantRedraw_->setObjectName(QStringLiteral("CheckBox1"));
  constantRedraw_->setGeometry(152, 192, 153, 17);
  FitCaption(*constantRedraw_);

  const struct {
    QPushButton*& button;
    const char* name;
    const char* caption;
    int left;
  } buttons[] = {{newGame_, "Button1", QT_TR_NOOP("Новая игра"), 336},
                 {onePlayer_, "Button2", QT_TR_NOOP("1игрок"), 432},
                 {twoPlayers_, "Button3", QT_TR_NOOP("2игрока"), 520}};
  for (const auto& b : buttons) {
    b.button = new QPushButton(tr(b.caption), this);
    b.button->setObjectName(QString::fromLatin1(b.name));
    b.button->setGeometry(b.left, 192, 75, 25);
    FitCaption(*b.button);
  }

  board_ = new BoardView(this);

  // Controls keep the mouse to themselves: a press beside the check box's
  // caption, which the box ignores, is not a click on the window. Their
  // keys and right clicks go through the window's filter.
  // The tab order follows the layout, left to right, and ends on the board.
  QWidget* previous = nullptr;
  for (QWidget* control : std::initializer_list<QWidget*>{statusLine_, constantRedraw_, newGame_, onePlayer_,
                                                          twoPlayers_, board_}) {
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(this);
    if (previous != nullptr) setTabOrder(previous, control);
    previous = control;
  }

  for (int i = 0; i < 3; ++i) {
    timers_[i] = new QTimer(this);
    timers_[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
    timers_[i]->setInterval(kTickInterval);
  }
}

template <class Sender, class Signal>
void MainWindow::Connect(Sender* sender, Signal signal, void (Game::*operation)()) {
  connect(sender, signal, this, [this, operation] { errors_.Run([this, operation] { (*game_.*operation)(); }); });
}

void MainWindow::PressKey(const QKeyEvent& event) {
  const int code = VirtualKeyCode(event);
  errors_.Run([this, code] { game_->KeyPressed(code); });
}

template <class Click>
void MainWindow::RunClick(Click click) {
  board_->BeginClick();
  errors_.Run(click);
  // What the click did before a failure stands, and the board shows it.
  board_->EndClick(game_->state().clicked);
}

void MainWindow::OpenMenu(const QPoint& globalPos) {
  // The opening sound comes first; when it fails the menu stays shut.
  if (errors_.Run([this] { game_->MenuOpening(); })) menu_->popup()->popup(globalPos);
}

QPoint MainWindow::KeyboardMenuPlace() const {
  const QWidget* focused = focusWidget();
  if (focused == board_) return board_->mapToGlobal(board_->CellRect(board_->cursor()).bottomLeft());
  if (focused != nullptr) return focused->mapToGlobal(focused->rect().bottomLeft());
  return mapToGlobal(QPoint(0, 0));
}

void MainWindow::ShowHelp(const QString& caption, const QString& text) {
  // Made on first use: few games ever open it, and every start would pay.
  if (!helpDialog_) helpDialog_ = std::make_unique<HelpDialog>();
  helpDialog_->ShowText(caption, text);
}

void MainWindow::FollowDesktop(LookWishes wishes) {
  surface_.SetLook(wishes.highContrast ? pictures::Look::kHighContrast : pictures::Look::kDefault);
  board_->SetHighContrast(wishes.highContrast);
  host_->SetStillPlacements(wishes.reducedMotion);
}

void MainWindow::ShowShortcuts() {
  // Not modal: the list can stay open beside the board while one plays.
  if (!shortcutsDialog_) shortcutsDialog_ = std::make_unique<ShortcutsDialog>(this);
  shortcutsDialog_->show();
  shortcutsDialog_->raise();
  shortcutsDialog_->activateWindow();
}

void MainWindow::FitOuterSize() {
  // The frame is known only once the window manager has framed the window;
  // until then (and without one) the client area takes the whole size.
  resize(kOuterSize - (frameGeometry().size() - geometry().size()));
}

// --- Events -------------------------------------------------------------------

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    // The controls have no menu of their own: a right click on one opens the
    // window's, as anywhere else on the window.
    const auto* request = static_cast<QContextMenuEvent*>(event);
    OpenMenu(request->reason() == QContextMenuEvent::Mouse ? request->globalPos() : KeyboardMenuPlace());
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    // The key is the game's first, then the focused control's as usual. It
    // goes no further: one the control leaves unused would come up to the
    // window as the window's own, and an error box opened meanwhile has
    // moved the focus, so the window could not tell it apart.
    QPointer<QObject> control = watched;
    PressKey(*static_cast<QKeyEvent*>(event));
    if (control) control->event(event);
    event->accept();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // Only keys pressed while the window itself has the focus arrive here.
  PressKey(*event);
  QWidget::keyPressEvent(event);
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  surface_.Paint(painter, event->rect());
  if (!std::exchange(painted_, true)) emit firstPainted();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ClientPoint(*event);
  errors_.Run([this, p] { game_->PointerMoved(p.x(), p.y()); });
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  leftPressed_ = true;  // Qt keeps the mouse grabbed until the release
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return QWidget::mouseReleaseEvent(event);
  leftPressed_ = false;
  // A click counts when the button comes up inside the window.
  if (rect().contains(ClientPoint(*event))) RunClick([this] { game_->Clicked(); });
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is not a click.
  if (event->button() == Qt::LeftButton) leftPressed_ = false;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  OpenMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : KeyboardMenuPlace());
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!fitted_) {
    fitted_ = true;
    QTimer::singleShot(0, this, &MainWindow::FitOuterSize);
    // Drawing the icon can wait until the window is on the screen.
    QTimer::singleShot(0, this, [this] { setWindowIcon(pictures::WindowIcon()); });
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);  // closing the window any way ends the program
}

}  // namespace trimbol::app
