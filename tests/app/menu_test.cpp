// The popup menu: its tree, the "+" markers the settings rewrite, the
// shortcuts that work without opening it, and its opening sound.
#include <QTest>

#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

using Menu = WindowTest;

// One line per menu: its items as name=caption, "-" for separators,
// [shortcut] where one is set.
void Dump(const QMenu* menu, const QString& title, QStringList& lines) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    QString item = action->objectName() + '=' + (action->isSeparator() ? "-" : action->text());
    if (!action->shortcut().isEmpty()) item += '[' + action->shortcut().toString() + ']';
    items << item;
  }
  lines << title + ": " + items.join(' ');
  for (const QAction* action : menu->actions()) {
    if (action->menu()) Dump(action->menu(), action->objectName(), lines);
  }
}

TEST_F(Menu, TreeHasEveryItemNameCaptionSeparatorAndShortcut) {
  QStringList lines;
  Dump(form_->PopupMenu1(), "PopupMenu1", lines);
  const QStringList expected = {
      "PopupMenu1: N39=Игра N3=- N4=Настройки N40=Помощь N38=- N2=Выход",
      "N39: N1=Новая игра[F2] N43=Счет:",
      "N43: N44=Крестики N45=Нолики N46=Закорюки N47=Спиральки",
      "N44: N01=0", "N45: N02=0", "N46: N03=0", "N47: N04=0",
      "N4: N77=Полн.Авт N18=Автомат N54=Интеллект N17=- N5=Звук N71=- N51=Автоначало "
      "N48=Анимация N72=- N73=Игроки N74=Диаг.выиг",
      "N18: N19=Крестики N20=Нолики N23=Закорюки N24=Спиральки",
      "N19: N25=+Выкл N26=Полу N27=Вкл", "N20: N28=+Выкл N29=Полу N30=Вкл",
      "N23: N32=+Выкл N33=Полу N34=Вкл", "N24: N35=+Выкл N36=Полу N37=Вкл",
      "N54: N55=Крестики N56=Нолики N57=Закорюки N58=Спиральки",
      "N55: N59=+Нет N60=Слабо N61=Сильно", "N56: N62=+Нет N63=Слабо N64=Сильно",
      "N57: N65=+Нет N66=Слабо N67=Сильно", "N58: N68=+Нет N69=Слабо N70=Сильно",
      "N5: N6=Вкл[Ctrl+S] N7=Выкл[Ctrl+D]", "N51: N52=Вкл N53=Выкл", "N48: N49=Вкл N50=Выкл",
      "N73: N410=4 N310=3 N210=2", "N74: N75=Вкл N76=Выкл",
      "N40: N41=Инструкции[F1] N42=О программе...[Shift+F1]"};
  EXPECT_EQ(lines.join('\n').toStdString(), expected.join('\n').toStdString());
  // The layout's "+Нет" is all Cyrillic.
  EXPECT_EQ(form_->menu().Item("N59")->text(), QString::fromUtf16(u"+\u041D\u0435\u0442"));
}

TEST_F(Menu, ChoicesRewriteTheirSubmenuAndPresetsLeaveCaptionsAlone) {
  auto captions = [this](std::initializer_list<const char*> items) {
    QStringList texts;
    for (const char* item : items) texts << form_->menu().Item(item)->text();
    return texts.join(' ').toStdString();
  };
  Choose("N29");
  EXPECT_EQ(form_->game().state().AutoModeOf(2), 1);
  EXPECT_EQ(captions({"N28", "N29", "N30"}), "Выкл +Полу Вкл");
  EXPECT_EQ(captions({"N25", "N32", "N35"}), "+Выкл +Выкл +Выкл");
  Choose("N70");
  EXPECT_EQ(form_->game().state().IntelligenceOf(4), 2);
  EXPECT_EQ(captions({"N68", "N69", "N70"}), "Heт Слабо +Сильно");  // Latin H and e

  ClickOn(form_->Button2());  // "1игрок"
  EXPECT_EQ(form_->game().state().AutoMode, (std::array<int, 4>{0, 1, 2, 2}));
  EXPECT_EQ(captions({"N28", "N29", "N32", "N35", "N70"}), "Выкл +Полу +Выкл +Выкл +Сильно");

  for (const char* item : {"N75", "N76"}) Choose(item);  // "Диаг.выиг": nothing changes
  EXPECT_EQ(form_->game().state().AutoMode, (std::array<int, 4>{0, 1, 2, 2}));
}

TEST_F(Menu, ShortcutsWorkFromEveryControlWithoutOpeningTheMenu) {
  const auto random = form_->game().state().RandomState;
  QTest::keyClick(form_->Edit8(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(form_->game().state().SoundOn, 1);
  // With sound on, an opening would have drawn a random number and failed
  // on the missing click sound.
  QTest::keyClick(form_->Edit8(), Qt::Key_D, Qt::ControlModifier);  // not the line edit's "delete"
  EXPECT_EQ(form_->game().state().SoundOn, 0);
  QTest::keyClick(form_->CheckBox1(), Qt::Key_F2);
  EXPECT_EQ(form_->game().state().CurrentPlayer, 1);

  QStringList captions;
  auto closeDialog = [&] {
    QTimer::singleShot(0, [&] {
      captions << dialog_->windowTitle();
      dialog_->reject();
    });
  };
  closeDialog();
  QTest::keyClick(form_->Button1(), Qt::Key_F1);
  form_->activateWindow();  // the window manager's part once the dialog is gone
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  closeDialog();
  QTest::keyClick(form_->Button3(), Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(captions, QStringList({"Инструкции", "О программе..."}));

  EXPECT_EQ(form_->game().state().RandomState, random);
  EXPECT_TRUE(boxes_.errors.isEmpty()) << boxes_.errors.join('|').toStdString();
  EXPECT_FALSE(form_->PopupMenu1()->isVisible());
}

TEST_F(Menu, RightClickPlaysTheOpeningSoundFirstAndAFailureKeepsTheMenuShut) {
  ClickAt({300, 230}, Qt::RightButton);
  EXPECT_TRUE(form_->PopupMenu1()->isVisible());  // sound off: it just opens
  form_->PopupMenu1()->hide();
  EXPECT_TRUE(boxes_.errors.isEmpty());

  Choose("N6");
  const auto random = form_->game().state().RandomState;
  ClickAt({300, 230}, Qt::RightButton);
  ASSERT_EQ(boxes_.errors.size(), 1);  // no click sounds in this folder
  EXPECT_TRUE(boxes_.errors[0].contains(".wav")) << boxes_.errors[0].toStdString();
  EXPECT_FALSE(form_->PopupMenu1()->isVisible());
  EXPECT_NE(form_->game().state().RandomState, random);
}

TEST_F(Menu, ARightClickOnAnyControlOpensTheWindowsMenu) {
  for (QWidget* control : {static_cast<QWidget*>(form_->Edit8()),
                           static_cast<QWidget*>(form_->CheckBox1()),
                           static_cast<QWidget*>(form_->Button1()),
                           static_cast<QWidget*>(form_->Button3())}) {
    ClickAt(control->mapTo(form_.get(), control->rect().center()), Qt::RightButton);
    EXPECT_TRUE(form_->PopupMenu1()->isVisible()) << control->objectName().toStdString();
    form_->PopupMenu1()->hide();
  }
  EXPECT_TRUE(boxes_.errors.isEmpty());
  EXPECT_EQ(form_->game().state().CurrentPlayer, 0) << "a right click on Button1 starts no game";
}

}  // namespace
}  // namespace trimbol::app::testing
