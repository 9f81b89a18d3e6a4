// The help dialog: the two texts, each replacing the whole text, and closing.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include "app/help_texts.h"
#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

using HelpDialog = WindowTest;

TEST_F(HelpDialog, ShowsEachTextWholeCentredAndClosesByEscOrEnter) {
  struct Shown { QString caption, text; QRect frame; };
  QList<Shown> shown;
  // While the box is open: record it, type into it, and close it.
  auto closeWith = [&](Qt::Key key) {
    QTimer::singleShot(0, [&, key] {
      shown.append({dialog_->windowTitle(), dialog_->RichEdit1()->toPlainText(), dialog_->frameGeometry()});
      dialog_->RichEdit1()->insertPlainText("typed");
      QTest::keyClick(dialog_.get(), key);
    });
  };
  closeWith(Qt::Key_Escape);
  form_->N42Click();
  closeWith(Qt::Key_Return);
  form_->N41Click();
  closeWith(Qt::Key_Escape);
  form_->N41Click();

  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[0].caption, "О программе...");
  EXPECT_EQ(shown[0].text, kAboutText);
  EXPECT_EQ(shown[0].text.count('\n'), 4);
  EXPECT_TRUE(shown[0].text.contains("2026"));
  for (int i : {1, 2}) {
    EXPECT_EQ(shown[i].caption, "Инструкции");
    EXPECT_EQ(shown[i].text, kInstructionsText);  // nothing typed or shown before is left
    EXPECT_EQ(shown[i].text.count('\n'), 10);
  }
  EXPECT_EQ(shown[0].frame.center(), dialog_->screen()->geometry().center());
  EXPECT_FALSE(dialog_->isVisible());
}

}  // namespace
}  // namespace trimbol::app::testing
