// The window in the desktop's language. Each run of this program has one
// language (CTest starts it under several), given by TRIMBOL_EXPECTED_LANGUAGE:
// "ru" when the texts must be exactly the Russian sources, else the catalog
// chosen, whose texts may not be Russian; TRIMBOL_QT_WORDS says whether Qt's
// own words stay "english" or are "translated". The sources themselves come
// from a second window built with every catalog taken away.
#include <QAccessible>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>

#include "app/board_accessible.h"
#include "app/translations.h"
#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

// One text the window showed, and where.
struct Text {
  QString where;
  QString text;
};

// A menu item as the player finds it: its place, name, caption and keys.
struct Item {
  int depth;
  QString name;
  QString caption;
  QKeySequence shortcut;
};

void WalkMenu(const QMenu* menu, int depth, std::vector<Item>& items) {
  for (const QAction* action : menu->actions()) {
    items.push_back({depth, action->objectName(), action->text(), action->shortcut()});
    if (action->menu() != nullptr) WalkMenu(action->menu(), depth + 1, items);
  }
}

class Language : public WindowTest {
 protected:
  // Everything the window says through a short game that crosses win.
  std::vector<Text> Session(std::vector<Item>& menu) {
    std::vector<Text> texts;
    auto add = [&texts](const char* where, const QString& text) { texts.push_back({where, text}); };
    add("title", window_->windowTitle());
    add("status", window_->statusLine()->text());
    for (const char* name : {"CheckBox1", "Button1", "Button2", "Button3"}) {
      add(name, window_->findChild<QAbstractButton*>(name)->text());
    }
    Choose("N61");  // crosses strong: the strength captions are rewritten
    Choose("N27");  // and the computer's auto mode
    Choose("N25");
    WalkMenu(window_->menu().popup(), 0, menu);
    for (const Item& item : menu) add("menu", item.caption);

    Choose("N50");  // no animation: the moves land at once
    Choose("N210");  // two sides
    Choose("N1");
    add("status", window_->statusLine()->text());
    for (Cell cell : {Cell{0, 0, 0}, Cell{1, 0, 0}, Cell{0, 1, 0}, Cell{1, 1, 0}}) {
      window_->game().ClickCell(cell);
      window_->game().StatusTick();  // what the status timer does, without waiting for it
      add("status", window_->statusLine()->text());
    }
    window_->game().ClickCell({0, 2, 0});
    for (const QString& message : boxes_.messages) add("box", message);

    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window_->boardView());
    add("board", board->text(QAccessible::Name));
    add("board", board->text(QAccessible::Description));
    for (int i = 0; i < board->childCount(); ++i) add("cell", board->child(i)->text(QAccessible::Name));

    for (const char* item : {"N41", "N42"}) {
      QTimer::singleShot(0, [&] {
        add("dialog", Dialog()->windowTitle());
        add("dialog", Dialog()->textBox()->toPlainText());
        for (const QAbstractButton* button : Dialog()->findChildren<QAbstractButton*>()) add("dialog", button->text());
        Dialog()->reject();
      });
      Choose(item);
    }
    return texts;
  }

  // Qt's own words: a standard button and a text field's context menu.
  static QStringList QtWords() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    QStringList words;
    for (QAbstractButton* button : box.buttons()) words << button->text();
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    for (const QAction* action : menu->actions()) words << action->text();
    return words;
  }

  // The same session in the source language, in a window of its own.
  std::vector<Text> SourceSession(std::vector<Item>& menu) {
    for (QTranslator* catalog : qApp->findChildren<QTranslator*>()) QCoreApplication::removeTranslator(catalog);
    window_ = std::make_unique<MainWindow>(Media(), &boxes_);
    window_->show();
    boxes_.messages.clear();
    return Session(menu);
  }
};

TEST_F(Language, EveryTextIsInTheDesktopsLanguageAndTheMenuKeepsItsShape) {
  const QByteArray expected = qgetenv("TRIMBOL_EXPECTED_LANGUAGE");
  const QByteArray qtWords = qgetenv("TRIMBOL_QT_WORDS");
  ASSERT_FALSE(expected.isEmpty() || qtWords.isEmpty()) << "run by CTest, which names the languages";
  // Russian runs keep the source; any other speaks the catalog it names.
  if (expected != "ru") {
    EXPECT_EQ(ChooseLanguage(QLocale::system().uiLanguages()), expected);
  }
  std::vector<Item> menu, sourceMenu;
  const QStringList shownQtWords = QtWords();
  const std::vector<Text> shown = Session(menu);
  const std::vector<Text> source = SourceSession(sourceMenu);
  // Qt's words follow the desktop too, through Qt's own catalogs ("OK" may stay).
  const QStringList english = QtWords();
  ASSERT_EQ(shownQtWords.size(), english.size());
  for (int i = 0; i < english.size(); ++i) {
    const bool word = english[i].contains(QRegularExpression("[A-Za-z]{3}"));
    EXPECT_TRUE(!word || (shownQtWords[i] != english[i]) == (qtWords == "translated")) << english[i].toStdString();
  }

  ASSERT_EQ(shown.size(), source.size());
  ASSERT_EQ(menu.size(), sourceMenu.size());
  ASSERT_GE(menu.size(), 72u) << "every item of the menu, walked";
  for (std::size_t i = 0; i < menu.size(); ++i) {
    SCOPED_TRACE(sourceMenu[i].caption.toStdString());
    EXPECT_EQ(menu[i].depth, sourceMenu[i].depth);
    EXPECT_EQ(menu[i].name, sourceMenu[i].name);
    EXPECT_EQ(menu[i].shortcut, sourceMenu[i].shortcut);
    EXPECT_EQ(menu[i].caption.startsWith('+'), sourceMenu[i].caption.startsWith('+')) << "the chosen item's marker";
  }
  const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE((shown[i].where + ": " + source[i].text).toStdString());
    if (expected == "ru") {
      EXPECT_EQ(shown[i].text, source[i].text);
    } else {
      EXPECT_FALSE(shown[i].text.contains(cyrillic)) << shown[i].text.toStdString();
      EXPECT_EQ(shown[i].text.isEmpty(), source[i].text.isEmpty());
    }
  }
  // The result keeps its centred 21 characters in every language.
  const auto box = std::find_if(shown.begin(), shown.end(), [](const Text& t) { return t.where == "box"; });
  ASSERT_NE(box, shown.end());
  EXPECT_EQ(box->text.size(), 21);
  const auto left = box->text.indexOf(box->text.trimmed());
  const auto right = box->text.size() - left - box->text.trimmed().size();
  EXPECT_LE(std::abs(left - right), 1) << box->text.toStdString();
}

TEST(LanguageChoice, RussianOrCKeepsTheSourceOtherwiseTheFirstWithACatalogOrEnglish) {
  EXPECT_EQ(ChooseLanguage({"ru-RU", "ru-Cyrl-RU", "ru"}), "ru");
  EXPECT_EQ(ChooseLanguage({"C"}), "C");
  EXPECT_EQ(ChooseLanguage({"ja-JP", "ja"}), "en");
  EXPECT_EQ(ChooseLanguage({"ja", "ja-JP", "ru", "ru-RU"}), "ru") << "the list is taken in order";
  EXPECT_EQ(ChooseLanguage({"de-DE", "de-Latn-DE", "de"}), "de");
  EXPECT_EQ(ChooseLanguage({"pt-BR", "pt"}), "pt_BR");
  EXPECT_EQ(ChooseLanguage({"zh-CN", "zh-Hans-CN", "zh"}), "zh_CN");
  EXPECT_EQ(ChooseLanguage({"zh-TW", "zh-Hant-TW", "zh", "en"}), "en") << "no Simplified Chinese for Taiwan";
  EXPECT_EQ(ChooseLanguage({"en", "ru"}), "en");
  EXPECT_EQ(ChooseLanguage({}), "en");
  // A language with a catalog of its own is taken before a later Russian.
  QTemporaryDir folder;
  QFile catalog(folder.filePath("trimbol_de.qm"));
  ASSERT_TRUE(catalog.open(QIODevice::WriteOnly));
  catalog.close();
  EXPECT_EQ(ChooseLanguage({"de-AT", "ru"}, folder.path()), "de");
  EXPECT_EQ(ChooseLanguage({"fr-FR", "de_DE"}, folder.path()), "de");
}

}  // namespace
}  // namespace trimbol::app::testing
