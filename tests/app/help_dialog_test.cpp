// The help dialog: the two texts, each replacing the whole text, and closing.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QScrollBar>
#include <QTextEdit>

#include "app/help_texts.h"
#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

using Help = WindowTest;

TEST_F(Help, ShowsEachTextWholeCentredAndClosesByEscOrEnter) {
  struct Shown { QString caption, text; QRect frame; bool scrolls; };
  QList<Shown> shown;
  EXPECT_EQ(Dialog(), nullptr) << "made at start-up, which every start pays for";
  // While the box is open: record it, type into it, and close it.
  auto closeWith = [&](Qt::Key key) {
    QTimer::singleShot(0, [&, key] {
      QTextEdit* box = Dialog()->textBox();
      shown.append({Dialog()->windowTitle(), box->toPlainText(), Dialog()->frameGeometry(),
                    box->verticalScrollBar()->isVisible()});
      box->insertPlainText("typed");
      QTest::keyClick(Dialog(), key);
    });
  };
  closeWith(Qt::Key_Escape);
  Choose("N42");
  closeWith(Qt::Key_Return);
  Choose("N41");
  closeWith(Qt::Key_Escape);
  Choose("N41");

  ASSERT_EQ(shown.size(), 3);
  EXPECT_EQ(shown[0].caption, "О программе...");
  EXPECT_EQ(shown[0].text, kAboutText);
  EXPECT_EQ(shown[0].text.count('\n'), 4);
  EXPECT_TRUE(shown[0].text.contains("2026"));
  EXPECT_FALSE(shown[0].scrolls) << "the about text fits";
  for (int i : {1, 2}) {
    EXPECT_EQ(shown[i].caption, "Инструкции");
    // The ten lines as they always were, then the keys; nothing typed or
    // shown before is left.
    EXPECT_TRUE(shown[i].text.startsWith(QString::fromUtf8(kInstructionsText) + "\n"));
    QString expected = QString::fromUtf8(kInstructionsText);
    for (const char* paragraph : kInstructionsAdditions) expected += "\n" + QString::fromUtf8(paragraph);
    EXPECT_EQ(shown[i].text, expected);
    EXPECT_TRUE(shown[i].text.contains("Shift+F10"));
    EXPECT_TRUE(shown[i].scrolls) << "the instructions run past the bottom";
  }
  EXPECT_EQ(shown[0].frame.center(), Dialog()->screen()->geometry().center());
  EXPECT_FALSE(Dialog()->isVisible());
  EXPECT_EQ(Dialog()->size(), QSize(313, 214));
}

}  // namespace
}  // namespace trimbol::app::testing
