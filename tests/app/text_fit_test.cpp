// No text is cut off in the fixed window. Each run of this program has one
// language (CTest starts it under every catalog); with TRIMBOL_PSEUDO_LANGUAGE
// set, every English text is made 40 % longer and accented, as a language
// yet to come might be. Each text is measured against the room its control
// gives it; the figures are printed as "needed/room" in pixels.
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTextEdit>
#include <QTextLayout>
#include <QTranslator>

#include <cmath>
#include <cstdio>

#include "app/message_boxes.h"
#include "app/shown_text.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "engine/texts.h"

namespace trimbol::app::testing {
namespace {

const bool kPseudo = !qEnvironmentVariableIsEmpty("TRIMBOL_PSEUDO_LANGUAGE");

// The English texts, each line 40 % longer and its Latin letters accented;
// digits, and so placeholders, stay. Qt's own words are left to Qt.
class PseudoCatalog : public QTranslator {
 public:
  PseudoCatalog() { loaded_ = english_.load(QStringLiteral(":/i18n/trimbol_en.qm")); }
  bool isEmpty() const override { return !loaded_; }
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    static const QString plain = QStringLiteral("aceinouyACEINOUY"), accented = QStringLiteral("áçéíñöüýÁÇÉÍÑÖÜÝ");
    QStringList lines = english_.translate(context, source, disambiguation, n).split(QLatin1Char('\n'));
    for (QString& line : lines) {
      const auto extra = static_cast<int>(std::ceil(line.size() * 0.4));
      for (QChar& c : line) c = plain.contains(c) ? accented[plain.indexOf(c)] : c;
      for (int i = 0; i < extra; ++i) line += accented[i % accented.size()];
    }
    return lines.join(QLatin1Char('\n'));
  }

 private:
  QTranslator english_;
  bool loaded_ = false;
};

class TextFit : public WindowTest {
 protected:
  static void SetUpTestSuite() {
    static PseudoCatalog pseudo;
    if (kPseudo) {
      ASSERT_TRUE(QCoreApplication::installTranslator(&pseudo));
    }
  }

  // One text of `control` against its room, across and down. A catalog's
  // texts also keep the layout's font size (`pixels`, 0 for any): a smaller
  // one is the fallback for a language nobody has measured yet. And every
  // character has a glyph: a text in boxes is as lost as one cut off.
  static void Fits(const char* where, const QWidget* control, const QString& text, QRect room, int pixels = 0) {
    const QRect needed = control->fontMetrics().boundingRect(text);
    const int size = QFontInfo(control->font()).pixelSize();
    std::printf("fit %-10s@%-2d %4d/%-4d %2d/%-2d %s\n", where, size, needed.width(), room.width(), needed.height(),
                room.height(), qPrintable(text.simplified().left(50)));
    EXPECT_LE(needed.width(), room.width()) << where << " cuts off " << text.toStdString();
    EXPECT_LE(needed.height(), room.height()) << where << " cuts off " << text.toStdString();
    EXPECT_TRUE(pixels == 0 || kPseudo || size == pixels) << where << " at " << size << " pixels, not " << pixels;
    QTextLayout layout(text, control->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) EXPECT_FALSE(run.glyphIndexes().contains(0)) << where << " in boxes";
  }

  // A push button's or check box's caption in the room its style leaves it.
  static void CaptionFits(const char* where, const QAbstractButton* control, int pixels = 0) {
    QStyleOptionButton option;
    option.initFrom(control);
    const auto element =
        qobject_cast<const QCheckBox*>(control) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    Fits(where, control, control->text(), control->style()->subElementRect(element, &option, control), pixels);
  }

  // The status line's text: a line edit keeps 2 pixels free on each side.
  void StatusFits() {
    const QLineEdit* line = window_->statusLine();
    Fits("status", line, line->text(), line->rect().marginsRemoved(line->textMargins()).adjusted(2, 0, -2, 0), 13);
  }
};

TEST_F(TextFit, EveryTextFitsItsControlWindowMenusHelpAndBoxes) {
  // A catalog's run speaks that catalog's language, not English by default.
  const QString expected = qEnvironmentVariable("TRIMBOL_EXPECTED_LANGUAGE");
  if (!expected.isEmpty()) {
    ASSERT_EQ(ChooseLanguage(QLocale::system().uiLanguages()), expected);
  }

  // The window's controls, none running into another, and the status line's
  // every text: before the first game, then each side's turn.
  for (const char* name : {"Button1", "Button2", "Button3", "CheckBox1"}) {
    CaptionFits(name, window_->findChild<QAbstractButton*>(name), 11);
  }
  const QList<QWidget*> controls = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (int i = 0; i < controls.size(); ++i) {
    for (int j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(controls[i]->isVisible() && controls[j]->isVisible() &&
                   controls[i]->geometry().intersects(controls[j]->geometry()))
          << controls[i]->objectName().toStdString() << " overlaps " << controls[j]->objectName().toStdString();
    }
  }
  StatusFits();
  for (const char* item : {"N50", "N410", "N1"}) Choose(item);  // no animation, four sides, a new game
  for (Cell cell : {Cell{0, 0, 0}, Cell{1, 0, 0}, Cell{2, 0, 0}, Cell{0, 1, 0}}) {
    window_->game().StatusTick();  // what the status timer does, without waiting for it
    StatusFits();
    window_->game().ClickCell(cell);
  }

  // Every menu on the screen, each caption and its keys within its item.
  const QRect screen = window_->screen()->availableGeometry();
  std::vector<QMenu*> menus = {window_->menu().popup()};
  for (std::size_t m = 0; m < menus.size(); ++m) {
    const QMenu* menu = menus[m];
    EXPECT_LE(menu->sizeHint().width(), screen.width());
    for (QAction* action : menu->actions()) {
      if (action->menu() != nullptr) menus.push_back(action->menu());
      const QString keys = action->shortcut().toString(QKeySequence::NativeText);
      const int needed = menu->fontMetrics().horizontalAdvance(action->text()) +
                         (keys.isEmpty() ? 0 : menu->fontMetrics().horizontalAdvance(keys) + 12);
      EXPECT_LE(needed, menu->actionGeometry(action).width()) << action->text().toStdString();
    }
  }

  // The help dialog: its buttons, no word wider than the text box, and the
  // about text whole without scrolling.
  for (const char* item : {"N41", "N42"}) {
    QTimer::singleShot(0, [&, item] {
      const int pixels = QFontInfo(Dialog()->font()).pixelSize();
      CaptionFits("OKBtn", Dialog()->okButton(), pixels);
      CaptionFits("CancelBtn", Dialog()->cancelButton(), pixels);
      const QTextEdit* box = Dialog()->textBox();
      std::printf("fit help %s %.0f/%d\n", item, box->document()->idealWidth(), box->viewport()->width());
      EXPECT_LE(box->document()->idealWidth(), box->viewport()->width()) << item;
      EXPECT_TRUE(qstrcmp(item, "N41") == 0 || !box->verticalScrollBar()->isVisible()) << "the about text fits";
      Dialog()->reject();
    });
    Choose(item);
  }

  // The result boxes as shown: each on the screen, its text on one line.
  for (std::string_view result : texts::kResults) {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(window_.get(), false, GameText(result));
    box->show();
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    std::printf("fit box %d/%d %s\n", needed, label->width(), qPrintable(label->text()));
    EXPECT_LE(needed, label->width()) << label->text().toStdString();
    EXPECT_LE(box->width(), screen.width());
    for (const QAbstractButton* button : box->buttons()) CaptionFits("box OK", button);
  }
}

}  // namespace
}  // namespace trimbol::app::testing
