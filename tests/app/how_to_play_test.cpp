// "遊び方" on the real window: F1 opens it, its buttons turn the pages, and
// its diagrams are drawn with the game's piece set and language.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/how_to_play.h"
#include "display/qt/canvas_widget.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

QImage diagramOf(HowToPlayWindow& help) { return help.diagram().canvas().image().copy(); }

TEST_F(WindowTest, F1OpensHowToPlayAndItsButtonsTurnThePages) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_EQ(w.howToPlay(), nullptr);
    QTest::keyClick(&w, Qt::Key_F1);
    HowToPlayWindow* help = w.howToPlay();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->page(), 0);
    auto* previous = help->findChild<QPushButton*>("previous");
    auto* next = help->findChild<QPushButton*>("next");
    EXPECT_FALSE(previous->isEnabled());
    const QImage first = diagramOf(*help);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(help->page(), 2);
    EXPECT_NE(diagramOf(*help), first) << "the promotion page draws its own position";
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_EQ(help->page(), 1);
}

TEST_F(WindowTest, HowToPlayFollowsThePieceSetAndTheLanguage) {
    MainWindow& w = open();
    w.menuAction("ASOBIKATA")->trigger();
    const QImage traditional = diagramOf(*w.howToPlay());
    const QString japaneseTitle = w.howToPlay()->windowTitle();
    w.howToPlay()->close();
    w.menuAction("KOMA_SHOSHIN")->trigger();
    w.menuAction("ASOBIKATA")->trigger();
    EXPECT_NE(diagramOf(*w.howToPlay()), traditional);
    w.menuAction("ENGLISH")->trigger();
    w.menuAction("ASOBIKATA")->trigger();
    EXPECT_EQ(w.howToPlay()->windowTitle(), "How to play");
    EXPECT_NE(japaneseTitle, "How to play");
}

}  // namespace
}  // namespace zelkora::testing
