// TForm1's layout, its event plumbing and its handlers.
#include "main_window.h"

#include <stdexcept>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QtMath>

#include "help_dialog.h"
#include "help_texts.h"
#include "key_codes.h"
#include "pictures/app_icon.h"
#include "pictures/piece_pictures.h"

namespace trimbol::app {
namespace {

constexpr QColor kSkyBlue(166, 202, 240);
constexpr QColor kAqua(0, 255, 255);
constexpr QColor kMaroon(128, 0, 0);
constexpr QSize kOuterSize(640, 257);
constexpr int kTimerInterval = 100;

// The layout's "MS Sans Serif" at the given character height, or the
// closest sans face this system has.
QFont SansFont(int pixelHeight) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelHeight);
  return font;
}

QPoint ClientPoint(const QMouseEvent& event) {
  const QPointF p = event.position();
  return {qFloor(p.x()), qFloor(p.y())};
}

}  // namespace

TForm1::TForm1(media::MediaPlayers& media, MessageBoxes* boxes)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ownBoxes_(boxes ? nullptr : std::make_unique<ModalMessageBoxes>()),
      boxes_(boxes ? boxes : ownBoxes_.get()),
      errors_(*boxes_, this),
      surface_(*this),
      host_(*this, media),
      game_(host_) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Тримбол"));
  setWindowIcon(pictures::AppIcon());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kSkyBlue);
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(SansFont(11));
  setMouseTracking(true);
  move(180, 118);
  resize(696, 310);  // the layout's size, until FormCreate sets the real one

  BuildControls();
  menu_ = BuildPopupMenu(*this);
  BindMenu();
  Edit8_->setFocus();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildControls() {
  Edit8_ = new QLineEdit(QStringLiteral("Строка состояния"), this);
  Edit8_->setObjectName(QStringLiteral("Edit8"));
  Edit8_->setGeometry(8, 190, 121, 21);
  Edit8_->setFrame(false);
  Edit8_->setReadOnly(true);
  Edit8_->setFont(SansFont(13));
  QPalette status = Edit8_->palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) status.setColor(role, kAqua);
  status.setColor(QPalette::Text, kMaroon);
  Edit8_->setPalette(status);
  Edit8_->setAutoFillBackground(true);
  // A right click on the status line opens the window's menu, as anywhere else.
  Edit8_->setContextMenuPolicy(Qt::NoContextMenu);

  CheckBox1_ = new QCheckBox(QStringLiteral("Постоянная прорисовка"), this);
  CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1_->setGeometry(152, 192, 153, 17);
  Bind(CheckBox1_, &QCheckBox::clicked, &TForm1::CheckBox1Click);

  const struct {
    QPushButton*& button;
    const char* name;
    const char* caption;
    int left;
    void (TForm1::*handler)();
  } buttons[] = {{Button1_, "Button1", "Новая игра", 336, &TForm1::Button1Click},
                 {Button2_, "Button2", "1игрок", 432, &TForm1::Button2Click},
                 {Button3_, "Button3", "2игрока", 520, &TForm1::Button3Click}};
  for (const auto& b : buttons) {
    b.button = new QPushButton(QString::fromUtf8(b.caption), this);
    b.button->setObjectName(QString::fromLatin1(b.name));
    b.button->setGeometry(b.left, 192, 75, 25);
    Bind(b.button, &QPushButton::clicked, b.handler);
  }

  // Controls keep the mouse to themselves: a press beside the check box's
  // caption, which the box ignores, is not a click on the window. Each
  // control sends its key presses to FormKeyDown.
  for (QWidget* control : {static_cast<QWidget*>(Edit8_), static_cast<QWidget*>(CheckBox1_),
                           static_cast<QWidget*>(Button1_), static_cast<QWidget*>(Button2_),
                           static_cast<QWidget*>(Button3_)}) {
    control->setAttribute(Qt::WA_NoMousePropagation);
    control->installEventFilter(this);
  }
  setTabOrder(Edit8_, CheckBox1_);
  setTabOrder(CheckBox1_, Button1_);
  setTabOrder(Button1_, Button2_);
  setTabOrder(Button2_, Button3_);

  const std::array<void (TForm1::*)(), 3> ticks = {&TForm1::Timer1Timer, &TForm1::Timer2Timer,
                                                   &TForm1::Timer3Timer};
  for (int i = 0; i < 3; ++i) {
    timers_[i] = new QTimer(this);
    timers_[i]->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
    timers_[i]->setInterval(kTimerInterval);
    Bind(timers_[i], &QTimer::timeout, ticks[i]);
  }
  timers_[0]->start();  // Timer1 runs from start-up; Timer2 and Timer3 wait
}

void TForm1::BindMenu() {
  const std::pair<const char*, void (TForm1::*)()> bindings[] = {
      {"N1", &TForm1::N1Click},     {"N77", &TForm1::N77Click},   {"N25", &TForm1::N25Click},
      {"N26", &TForm1::N26Click},   {"N27", &TForm1::N27Click},   {"N28", &TForm1::N28Click},
      {"N29", &TForm1::N29Click},   {"N30", &TForm1::N30Click},   {"N32", &TForm1::N32Click},
      {"N33", &TForm1::N33Click},   {"N34", &TForm1::N34Click},   {"N35", &TForm1::N35Click},
      {"N36", &TForm1::N36Click},   {"N37", &TForm1::N37Click},   {"N59", &TForm1::N59Click},
      {"N60", &TForm1::N60Click},   {"N61", &TForm1::N61Click},   {"N62", &TForm1::N62Click},
      {"N63", &TForm1::N63Click},   {"N64", &TForm1::N64Click},   {"N65", &TForm1::N65Click},
      {"N66", &TForm1::N66Click},   {"N67", &TForm1::N67Click},   {"N68", &TForm1::N68Click},
      {"N69", &TForm1::N69Click},   {"N70", &TForm1::N70Click},   {"N6", &TForm1::N6Click},
      {"N7", &TForm1::N7Click},     {"N52", &TForm1::N52Click},   {"N53", &TForm1::N53Click},
      {"N49", &TForm1::N49Click},   {"N50", &TForm1::N50Click},   {"N410", &TForm1::N410Click},
      {"N310", &TForm1::N310Click}, {"N210", &TForm1::N210Click}, {"N41", &TForm1::N41Click},
      {"N42", &TForm1::N42Click},   {"N2", &TForm1::N2Click},
  };
  for (const auto& [name, handler] : bindings) Bind(menu_.Item(name), &QAction::triggered, handler);
}

template <class Sender, class Signal>
void TForm1::Bind(Sender* sender, Signal signal, void (TForm1::*handler)()) {
  connect(sender, signal, this, [this, handler] { errors_.Run([this, handler] { (this->*handler)(); }); });
}

void TForm1::FitOuterSize() {
  // The frame is known only once the window manager has framed the window;
  // until then (and without one) the client area takes the whole size.
  resize(kOuterSize - (frameGeometry().size() - geometry().size()));
}

TOKBottomDlg& TForm1::HelpDialog() const {
  if (OKBottomDlg_ == nullptr) throw std::logic_error("The help dialog is missing");
  return *OKBottomDlg_;
}

// --- Event plumbing ---------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    // The controls have no menu of their own: a right click on one opens the
    // window's, as anywhere else on the window.
    OpenPopupMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    const int code = KeyDownCode(*static_cast<QKeyEvent*>(event));
    errors_.Run([this, code] { FormKeyDown(code); });
  }
  return QWidget::eventFilter(watched, event);  // the control still gets its key
}

void TForm1::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  surface_.Paint(painter, event->rect());
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ClientPoint(*event);
  errors_.Run([this, p] { FormMouseMove(p.x(), p.y()); });
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  leftPressed_ = true;  // Qt keeps the mouse grabbed until the release
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return QWidget::mouseReleaseEvent(event);
  leftPressed_ = false;
  if (rect().contains(ClientPoint(*event))) errors_.Run([this] { FormClick(); });
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click is not a click.
  if (event->button() == Qt::LeftButton) leftPressed_ = false;
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) { OpenPopupMenu(event->globalPos()); }

void TForm1::OpenPopupMenu(const QPoint& globalPos) {
  // The opening handler runs first; when it fails the menu stays shut.
  if (errors_.Run([this] { PopupMenu1Popup(); })) menu_.root->popup(globalPos);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // A key a focused control leaves unused comes up here too; the control's
  // filter has already sent it to FormKeyDown.
  if (!isAncestorOf(QApplication::focusWidget())) {
    const int code = KeyDownCode(*event);
    errors_.Run([this, code] { FormKeyDown(code); });
  }
  QWidget::keyPressEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!fitted_) {
    fitted_ = true;
    QTimer::singleShot(0, this, &TForm1::FitOuterSize);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);  // closing the window any way ends the program
}

// --- Handlers ----------------------------------------------------------------

void TForm1::FormCreate() { FitOuterSize(); }
void TForm1::FormClick() { game_.FormClick(); }
void TForm1::FormMouseMove(int x, int y) { game_.FormMouseMove(x, y); }
void TForm1::FormKeyDown(int keyCode) { game_.FormKeyDown(keyCode); }
void TForm1::Timer1Timer() { game_.Timer1Timer(); }
void TForm1::Timer2Timer() { game_.Timer2Timer(); }
void TForm1::Timer3Timer() { game_.Timer3Timer(); }
void TForm1::PopupMenu1Popup() { game_.PopupMenu1Popup(); }
void TForm1::CheckBox1Click() { game_.CheckBox1Click(); }
void TForm1::Button1Click() { game_.NewGameCommand(); }
void TForm1::Button2Click() { game_.PresetOnePlayer(); }
void TForm1::Button3Click() { game_.PresetTwoPlayers(); }
void TForm1::N1Click() { game_.NewGameCommand(); }
void TForm1::N77Click() { game_.FullAuto(); }
void TForm1::N25Click() { game_.SetAutoMode(1, 0); }
void TForm1::N26Click() { game_.SetAutoMode(1, 1); }
void TForm1::N27Click() { game_.SetAutoMode(1, 2); }
void TForm1::N28Click() { game_.SetAutoMode(2, 0); }
void TForm1::N29Click() { game_.SetAutoMode(2, 1); }
void TForm1::N30Click() { game_.SetAutoMode(2, 2); }
void TForm1::N32Click() { game_.SetAutoMode(3, 0); }
void TForm1::N33Click() { game_.SetAutoMode(3, 1); }
void TForm1::N34Click() { game_.SetAutoMode(3, 2); }
void TForm1::N35Click() { game_.SetAutoMode(4, 0); }
void TForm1::N36Click() { game_.SetAutoMode(4, 1); }
void TForm1::N37Click() { game_.SetAutoMode(4, 2); }
void TForm1::N59Click() { game_.SetIntelligence(1, 0); }
void TForm1::N60Click() { game_.SetIntelligence(1, 1); }
void TForm1::N61Click() { game_.SetIntelligence(1, 2); }
void TForm1::N62Click() { game_.SetIntelligence(2, 0); }
void TForm1::N63Click() { game_.SetIntelligence(2, 1); }
void TForm1::N64Click() { game_.SetIntelligence(2, 2); }
void TForm1::N65Click() { game_.SetIntelligence(3, 0); }
void TForm1::N66Click() { game_.SetIntelligence(3, 1); }
void TForm1::N67Click() { game_.SetIntelligence(3, 2); }
void TForm1::N68Click() { game_.SetIntelligence(4, 0); }
void TForm1::N69Click() { game_.SetIntelligence(4, 1); }
void TForm1::N70Click() { game_.SetIntelligence(4, 2); }
void TForm1::N6Click() { game_.SetSound(1); }
void TForm1::N7Click() { game_.SetSound(0); }
void TForm1::N52Click() { game_.SetAutoStart(1); }
void TForm1::N53Click() { game_.SetAutoStart(0); }
void TForm1::N49Click() { game_.SetAnimation(1); }
void TForm1::N50Click() { game_.SetAnimation(0); }
void TForm1::N410Click() { game_.SetPlayerCount(4); }
void TForm1::N310Click() { game_.SetPlayerCount(3); }
void TForm1::N210Click() { game_.SetPlayerCount(2); }
void TForm1::N41Click() { HelpDialog().ShowText(kInstructionsCaption, kInstructionsText); }
void TForm1::N42Click() { HelpDialog().ShowText(kAboutCaption, kAboutText); }
void TForm1::N2Click() { QCoreApplication::exit(0); }

}  // namespace trimbol::app
