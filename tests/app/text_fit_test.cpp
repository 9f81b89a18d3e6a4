// No text is cut off in the fixed window. Each run of this program has one
// language (CTest starts it under every catalog); with TRIMBOL_PSEUDO_LANGUAGE
// set, every English text is made 40 % longer and accented, as a language
// yet to come might be. Each text is measured against the room its control
// gives it; the figures are printed as "needed/room" in pixels.
#include <QApplication>
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
#include "app/translations.h"
#include "app/shown_text.h"
#include "app_test_support.h"
#include "engine/texts.h"

namespace trimbol::app::testing {
namespace {

// The English texts, lengthened: each line 40 % longer, its Latin letters
// accented; placeholders and digits stay as they are. Qt's own words are
// left to Qt's catalogs.
class PseudoCatalog : public QTranslator {
 public:
  PseudoCatalog() { loaded_ = english_.load(QStringLiteral(":/i18n/trimbol_en.qm")); }
  bool isEmpty() const override { return !loaded_; }
  QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
    const QString text = english_.translate(context, source, disambiguation, n);
    if (text.isEmpty()) return text;
    static const QString plain = QStringLiteral("aceinouyACEINOUY");
    static const QString accented = QStringLiteral("áçéíñöüýÁÇÉÍÑÖÜÝ");
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
      if (line.isEmpty()) continue;
      const auto extra = static_cast<int>(std::ceil(line.size() * 0.4));
      for (int i = 0; i < line.size(); ++i) {
        const auto at = plain.indexOf(line[i]);
        if (at >= 0 && !(i > 0 && line[i - 1] == QLatin1Char('%'))) line[i] = accented[at];
      }
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
    if (!qEnvironmentVariableIsEmpty("TRIMBOL_PSEUDO_LANGUAGE")) {
      static PseudoCatalog pseudo;
      ASSERT_FALSE(pseudo.isEmpty());
      QCoreApplication::installTranslator(&pseudo);
    }
  }

  // Records one text against its room; fails when it does not fit.
  void Fits(const QString& where, const QString& text, int needed, int room) {
    std::printf("fit %-12s %4d/%-4d %s\n", qPrintable(where), needed, room, qPrintable(text.simplified().left(60)));
    EXPECT_LE(needed, room) << where.toStdString() << " cuts off \"" << text.toStdString() << '"';
  }

  // Every character has a glyph in the font or a fallback: no boxes.
  static void Drawable(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
      EXPECT_FALSE(run.glyphIndexes().contains(0)) << "drawn as boxes: " << text.toStdString();
    }
  }

  // A catalog's texts fit at the layout's own sizes (`pixels`, 0 for any); a
  // smaller font is only the fallback for a language nobody has measured yet.
  void KeepsLayoutSize(const QWidget* control, int pixels) {
    if (pixels > 0 && qEnvironmentVariableIsEmpty("TRIMBOL_PSEUDO_LANGUAGE")) {
      EXPECT_EQ(QFontInfo(control->font()).pixelSize(), pixels) << control->objectName().toStdString();
    }
  }

  // A push button's or check box's caption against the room its style
  // leaves for the label.
  void CaptionFits(const QString& where, const QAbstractButton* control, int pixels = 0) {
    QStyleOptionButton option;
    option.initFrom(control);
    option.text = control->text();
    const auto element = qobject_cast<const QCheckBox*>(control) ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_PushButtonContents;
    const QRect room = control->style()->subElementRect(element, &option, control);
    const QRect needed = control->fontMetrics().boundingRect(control->text());
    const QString at = QString("%1@%2").arg(where).arg(QFontInfo(control->font()).pixelSize());
    Fits(at, control->text(), needed.width(), room.width());
    Fits(at + "^", control->text(), needed.height(), room.height());
    Drawable(control->text(), control->font());
    KeepsLayoutSize(control, pixels);
  }

  // The status line's text, as the line edit lays it out (2 pixels each side).
  void StatusFits() {
    const QLineEdit* line = window_->statusLine();
    const QMargins margins = line->textMargins();
    const int room = line->width() - margins.left() - margins.right() - 4;
    const QRect needed = line->fontMetrics().boundingRect(line->text());
    Fits(QString("status@%1").arg(QFontInfo(line->font()).pixelSize()), line->text(), needed.width(), room);
    Fits("status^", line->text(), needed.height(), line->height());
    KeepsLayoutSize(line, 13);
    Drawable(line->text(), line->font());
  }
};

TEST_F(TextFit, EveryTextFitsItsControlWindowMenusHelpAndBoxes) {
  // A catalog's run speaks that catalog's language, not English by default.
  const QString expected = qEnvironmentVariable("TRIMBOL_EXPECTED_LANGUAGE");
  if (!expected.isEmpty()) {
    ASSERT_EQ(ChooseLanguage(QLocale::system().uiLanguages()), expected);
  }
  // The window's own controls, then the status line's every text: before
  // the first game, then each side's turn.
  for (const char* name : {"Button1", "Button2", "Button3", "CheckBox1"}) {
    CaptionFits(name, window_->findChild<QAbstractButton*>(name), 11);
  }
  StatusFits();
  Choose("N50");  // no animation: the moves land at once
  Choose("N410");
  Choose("N1");
  for (Cell cell : {Cell{0, 0, 0}, Cell{1, 0, 0}, Cell{2, 0, 0}, Cell{0, 1, 0}}) {
    window_->game().StatusTick();  // what the status timer does, without waiting for it
    StatusFits();
    window_->game().ClickCell(cell);
  }
  // The controls keep their own places: none runs into another.
  const QList<QWidget*> controls = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (int i = 0; i < controls.size(); ++i) {
    for (int j = i + 1; j < controls.size(); ++j) {
      if (!controls[i]->isVisible() || !controls[j]->isVisible()) continue;
      EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
          << controls[i]->objectName().toStdString() << " overlaps " << controls[j]->objectName().toStdString();
    }
  }

  // Every menu: each caption and its keys side by side within its item, and
  // the menu itself on the screen.
  const QRect screen = window_->screen()->availableGeometry();
  std::vector<QMenu*> menus = {window_->menu().popup()};
  for (std::size_t m = 0; m < menus.size(); ++m) {
    QMenu* menu = menus[m];
    menu->ensurePolished();
    Fits("menu", menu->title(), menu->sizeHint().width(), screen.width());
    for (QAction* action : menu->actions()) {
      if (action->menu() != nullptr) menus.push_back(action->menu());
      if (action->isSeparator()) continue;
      const QString keys = action->shortcut().toString(QKeySequence::NativeText);
      const int needed = menu->fontMetrics().horizontalAdvance(action->text()) +
                         (keys.isEmpty() ? 0 : menu->fontMetrics().horizontalAdvance(keys) + 12);
      EXPECT_LE(needed, menu->actionGeometry(action).width()) << action->text().toStdString();
    }
  }

  // The help dialog: its buttons, and its texts wrapped within the box, the
  // about text without scrolling.
  for (const char* item : {"N41", "N42"}) {
    QTimer::singleShot(0, [&, item] {
      const int pixels = QFontInfo(Dialog()->font()).pixelSize();
      CaptionFits("OKBtn", Dialog()->okButton(), pixels);
      CaptionFits("CancelBtn", Dialog()->cancelButton(), pixels);
      QTextEdit* box = Dialog()->textBox();
      Fits(QString("help %1").arg(item), Dialog()->windowTitle(), int(std::ceil(box->document()->idealWidth())),
           box->viewport()->width());
      if (qstrcmp(item, "N42") == 0) {
        EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << "the about text fits";
      }
      Dialog()->reject();
    });
    Choose(item);
  }

  // The result boxes, laid out as shown: none wider than the screen, the
  // text whole on one line of its label.
  for (std::string_view result : texts::kResults) {
    const QString text = GameText(result);
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(window_.get(), false, text);
    box->show();
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    Fits("box", text, label->fontMetrics().horizontalAdvance(text), label->width());
    Fits("box<>", text, box->width(), screen.width());
    for (const QAbstractButton* button : box->buttons()) CaptionFits("box OK", button);
  }
}

}  // namespace
}  // namespace trimbol::app::testing
