// The window without the mouse: keys on the board play through the game's
// click handler, every item of the menu bar has its Alt + letter in both
// languages and F10 opens the bar, and the record panel follows Tab and Enter.
#include <set>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>

#include "app/menu_table.h"
#include "app/translations.h"
#include "display/qt/canvas_widget.h"
#include "display/qt/record_panel.h"
#include "keyboard/form_keyboard.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

TEST_F(WindowTest, KeysOnTheBoardMoveThePieceUnderTheCursor) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.menuAction("START")->trigger();
    CanvasWidget& board = w.canvasWidget();
    // Shown on the king (5, 9); then to the pawn (3, 7), selected, one up.
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Return, Qt::Key_Up,
                        Qt::Key_Space})
        QTest::keyClick(&board, key);
    EXPECT_EQ(w.form().moves.count, 1);
    EXPECT_EQ(w.form().board.at(3, 6), SITA_HU);
    // The mark is painted over the kept image, and Tab goes to the stand.
    EXPECT_FALSE(w.canvas().mark().empty());
    QTest::keyClick(&board, Qt::Key_Tab);
    EXPECT_TRUE(w.keyboard().cursor().onStand());
    EXPECT_EQ(QApplication::focusWidget(), &board);
    // A mouse click takes the mark away.
    QTest::mouseClick(&board, Qt::LeftButton, {}, w.pixelOf(1050 + 495 * 5 + 247, 100 + 615 * 5 + 307));
    EXPECT_TRUE(w.canvas().mark().empty());
}

TEST_F(WindowTest, EveryItemOfTheBarHasItsOwnLetterInBothLanguages) {
    MainWindow& w = open();
    for (const Language language : {Language::Japanese, Language::English}) {
        w.form().言語_設定(language);
        std::set<QChar> letters;
        for (QAction* action : w.menuBar()->actions()) {
            const QString text = action->text();
            const int at = text.indexOf('&');
            ASSERT_GE(at, 0) << text.toStdString();
            ASSERT_LT(at + 1, text.size());
            EXPECT_TRUE(letters.insert(text[at + 1].toUpper()).second) << text.toStdString();
        }
    }
    w.form().言語_設定(Language::Japanese);
}

TEST_F(WindowTest, F10OpensTheFirstMenu) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_F10);
    EXPECT_EQ(w.menuBar()->activeAction(), w.menuAction("TAIKYOKU"));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(WindowTest, TheRecordPanelFollowsTabAndEnter) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.menuAction("KIFU_WRITE")->trigger();
    auto* first = qobject_cast<QLineEdit*>(w.recordPanel().control("Text1"));
    ASSERT_NE(first, nullptr);
    first->setFocus();
    for (const char* next : {"Text2", "Text3", "Text4", "Command1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w.recordPanel().control(next)) << next;
    }
    // Enter on the file list chooses the file, as a click does.
    std::string chosen;
    w.recordPanel().onFileChosen = [&](const std::string& name) { chosen = name; };
    auto* files = qobject_cast<QListWidget*>(w.recordPanel().control("File1"));
    ASSERT_NE(files, nullptr);
    files->addItem(QStringLiteral("a.棋譜"));
    files->item(files->count() - 1)->setData(Qt::UserRole, QByteArray("a.棋譜"));
    files->setCurrentRow(files->count() - 1);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(chosen, "a.棋譜");
}

}  // namespace
}  // namespace zelkora::testing
