// Quitting on the real window: Escape counts only on the board, never in a
// field of the record panel; closing with unsaved moves asks first. And Qt's
// own texts in Japanese.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include "app/translations.h"
#include "display/qt/canvas_widget.h"
#include "display/qt/record_panel.h"
#include "tests/app/app_fixture.h"
#include "tests/app/typing.h"

namespace zelkora::testing {
namespace {

void activate(MainWindow& w) {
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Escape typed where the keyboard is: the widget with the focus.
void pressEscape() { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape); }

TEST_F(WindowTest, EscapeInARecordFieldKeepsTheGameAndOnTheBoardQuits) {
    MainWindow& w = open();
    activate(w);
    w.menuAction("KIFU_WRITE")->trigger();
    auto* name = qobject_cast<QLineEdit*>(w.recordPanel().control("Text1"));
    ASSERT_TRUE(name && name->isVisible());
    typeText(name, QStringLiteral("棋譜1"));
    ASSERT_EQ(QApplication::focusWidget(), name);
    pressEscape();
    EXPECT_FALSE(w.hasEnded());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(name->text(), QStringLiteral("棋譜1"));

    // Opening "対局" hides the panel; the keyboard is back on the board.
    w.findChild<QMenu*>("TAIKYOKU")->popup(QPoint(0, 0));
    w.findChild<QMenu*>("TAIKYOKU")->close();
    ASSERT_FALSE(name->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &w.canvasWidget());
    pressEscape();
    EXPECT_TRUE(w.hasEnded());
}

TEST_F(WindowTest, ClosingWithUnsavedMovesAsksAndNoKeepsTheGame) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.menuAction("START")->trigger();
    for (const int r : {7, 6})
        QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, w.pixelOf(1050 + 495 * 7 + 247, 100 + 615 * r + 307));
    ASSERT_EQ(w.form().moves.count, 1);
    dialogs.shown.clear();

    dialogs.answers = {Answer::No};
    w.close();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "終わり");
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.hasEnded());

    dialogs.answers = {Answer::Yes};
    w.close();
    EXPECT_TRUE(w.hasEnded());
    EXPECT_FALSE(w.isVisible());
}

TEST(QtTranslations, StandardButtonsReadJapanese) {
    ASSERT_TRUE(useLanguage(Language::Japanese)) << "qtbase_ja.qm (qt6-translations-l10n) is missing";
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
}

}  // namespace
}  // namespace zelkora::testing
