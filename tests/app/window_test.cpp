// The main window: its size, the menu bar item by item, the check marks after
// start-up, and the three ways to quit.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "display/qt/record_panel.h"
#include "display/qt/window_texts.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

TEST_F(WindowTest, OpensAtItsSizeUnderTheMenuBarWithoutAnyBox) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), "Zelkora");
    EXPECT_EQ(w.canvasWidget().size(), QSize(600, 533));
    EXPECT_EQ(w.canvas().image().size(), QSize(600, 533));
    EXPECT_GE(w.canvasWidget().geometry().top(), w.menuBar()->geometry().bottom());
    // Placed whole on the screen, about in the middle (the window's size is
    // final only once it is shown, a few pixels after it was centred).
    const QRect area = w.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    EXPECT_LE(std::abs((frame.left() - area.left()) - (area.right() - frame.right())), 8);
    // Placed before it is shown, the window leaves room for a usual title bar
    // above it, which this platform does not draw.
    EXPECT_LE(std::abs((frame.top() - area.top()) - (area.bottom() - frame.bottom())), 40);
    // The sound library beside the program was found and opened its device.
    EXPECT_NE(w.form().sounds.device, 0);
    for (const auto& m : dialogs.shown) ADD_FAILURE() << "box at start-up: [" << m.title << "] " << m.text;
}

struct ExpectedItem {
    const char* name;
    const char* caption;
    const char* parent;   // "" for the bar
};

// Left to right on the bar, top to bottom in each menu.
const ExpectedItem MENU[] = {
    {"TAIKYOKU", "対局(&G)", ""},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU"},
    {"START", "スタート", "MATCH_MAN"},
    {"START2", "対局(COM)", "TAIKYOKU"},
    {"SENTE", "先手", "START2"},
    {"GOTE", "後手", "START2"},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU"},
    {"LEVEL1", "LEVEL1", "LEVEL"},
    {"LEVEL2", "LEVEL2", "LEVEL"},
    {"LEVEL3", "LEVEL3", "LEVEL"},
    {"LEVEL4", "LEVEL4", "LEVEL"},
    {"LEVEL5", "LEVEL5", "LEVEL"},
    {"LEVEL6", "LEVEL6", "LEVEL"},
    {"OWARI", "終わり", "TAIKYOKU"},
    {"STOP", "局面(&P)", ""},
    {"CANCEL", "最初", "STOP"},
    {"REVERSE", "反転", "STOP"},
    {"MATTA", "待った", "STOP"},
    {"HINT", "ヒント", "STOP"},
    {"REPLAY", "戻(&B)", ""},
    {"AFTER", "進(&F)", ""},
    {"LBEL_UP", "△(&U)", ""},
    {"LEBEL_DOWN", "▽(&D)", ""},
    {"KIFU", "棋譜(&R)", ""},
    {"KIFU_READ", "読込", "KIFU"},
    {"KIFU_WRITE", "書込", "KIFU"},
    {"KIFU_KIF", "KIF書出", "KIFU"},
    {"KENTOU", "検討", "KIFU"},
    {"SEISEKI", "成績", "KIFU"},
    {"OPTION", "ｵﾌﾟｼｮﾝ(&O)", ""},
    {"HAIKEI_GA", "背景画", "OPTION"},
    {"MIDORI", "緑", "HAIKEI_GA"},
    {"TATAMI", "畳", "HAIKEI_GA"},
    {"TAKE", "竹", "HAIKEI_GA"},
    {"UCHU", "宇宙", "HAIKEI_GA"},
    {"RENGA", "煉瓦", "HAIKEI_GA"},
    {"HYOUJI_BAIRITU", "表示倍率", "OPTION"},
    {"BAIRITU_100", "100%", "HYOUJI_BAIRITU"},
    {"BAIRITU_150", "150%", "HYOUJI_BAIRITU"},
    {"BAIRITU_200", "200%", "HYOUJI_BAIRITU"},
    {"GENGO", "言語 / Language", "OPTION"},
    {"NIHONGO", "日本語", "GENGO"},
    {"ENGLISH", "English", "GENGO"},
    {"KOMA", "駒 / Pieces", "OPTION"},
    {"KOMA_DENTOU", "伝統の駒", "KOMA"},
    {"KOMA_SHOSHIN", "初心者用の駒", "KOMA"},
    {"SIDOU", "移動指導", "OPTION"},
    {"SAKIYOMI", "先読み", "OPTION"},
    {"BGM", "BGM", "OPTION"},
    {"YOMIAGE", "読み上げ", "OPTION"},
    {"VER", "その他(&A)", ""},
    {"HELP", "ﾍﾙﾌﾟ(&H)", ""},
    {"ASOBIKATA", "遊び方", "HELP"},
    {"NYUMON", "入門", "HELP"},
};

TEST_F(WindowTest, EveryMenuItemIsPresentCaptionedAndInItsPlace) {
    MainWindow& w = open();
    std::map<std::string, std::vector<QAction*>> expectedChildren;
    for (const auto& item : MENU) {
        SCOPED_TRACE(item.name);
        QAction* action = w.findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr);
        // Without a speech engine "読み上げ" says why it is greyed.
        const bool silent = std::string(item.name) == "YOMIAGE" && !w.form().io.speech->available();
        EXPECT_EQ(action->text(), silent ? windowText(Text::SPEECH_NO_ENGINE) : QString::fromUtf8(item.caption));
        EXPECT_EQ(action->isEnabled(), !silent);
        EXPECT_EQ(w.menuAction(item.name), action);
        expectedChildren[item.parent].push_back(action);
    }
    EXPECT_EQ(w.menuBar()->actions(), QList<QAction*>(expectedChildren[""].begin(), expectedChildren[""].end()));
    for (const auto& [parent, children] : expectedChildren) {
        if (parent.empty()) continue;
        SCOPED_TRACE(parent);
        auto* menu = w.findChild<QMenu*>(QString::fromStdString(parent));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->menuAction(), w.findChild<QAction*>(QString::fromStdString(parent)));
        EXPECT_EQ(menu->actions(), QList<QAction*>(children.begin(), children.end()));
    }
    // Items directly on the bar are commands, not menus.
    for (const char* name : {"REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "VER"})
        EXPECT_EQ(w.menuAction(name)->menu(), nullptr) << name;
    EXPECT_EQ(w.menuAction("MATTA")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(w.menuAction("HINT")->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_EQ(w.menuAction("ASOBIKATA")->shortcut(), QKeySequence(QStringLiteral("F1")));
}

TEST_F(WindowTest, StartUpCorrectsTheCheckMarksOfTheNewWindow) {
    MainWindow& w = open();
    // "畳", "移動指導" and "BGM" carry a mark when the window is made; start-up
    // leaves the marks of a fresh game: no guidance, music on, level 3, and the
    // background of the (new) settings file, green.
    const std::pair<const char*, bool> marks[] = {
        {"SIDOU", false}, {"SAKIYOMI", false}, {"BGM", true},     {"LEVEL1", false}, {"LEVEL2", false}, {"LEVEL3", true},
        {"LEVEL4", false}, {"LEVEL5", false}, {"LEVEL6", false}, {"YOMIAGE", false},
        {"MIDORI", true}, {"TATAMI", false}, {"TAKE", false},   {"UCHU", false},   {"RENGA", false},
        {"BAIRITU_100", true}, {"BAIRITU_150", false}, {"BAIRITU_200", false},
    };
    for (const auto& [name, checked] : marks) EXPECT_EQ(w.menuAction(name)->isChecked(), checked) << name;
}

TEST_F(WindowTest, ChoosingAnItemRunsItsHandlerAndTheMarkIsTheGames) {
    MainWindow& w = open();
    QAction* guidance = w.menuAction("SIDOU");
    guidance->trigger();
    EXPECT_EQ(w.form().flags.guidance, 1);
    EXPECT_TRUE(guidance->isChecked());
    guidance->trigger();
    EXPECT_EQ(w.form().flags.guidance, 0);
    EXPECT_FALSE(guidance->isChecked());
}

TEST_F(WindowTest, OpeningAMenuRunsItsHandler) {
    MainWindow& w = open();
    QWidget* drives = w.recordPanel().control("Drive1");
    ASSERT_NE(drives, nullptr);
    w.menuAction("KIFU_READ")->trigger();
    ASSERT_TRUE(drives->isVisible());
    auto* game = w.findChild<QMenu*>("TAIKYOKU");
    game->popup(QPoint(0, 0));
    game->close();
    EXPECT_FALSE(drives->isVisible());
}

TEST_F(WindowTest, MouseClickOnTheBoardReachesTheGame) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // No game runs after start-up: a click on the board is answered by a box.
    QTest::mouseClick(&w.canvasWidget(), Qt::LeftButton, {}, w.pixelOf(1050 + 495 * 5 + 247, 100 + 615 * 7 + 307));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

struct QuitCase {
    const char* how;
    void (*quit)(MainWindow&);
};

const QuitCase QUITS[] = {
    {"Escape", [](MainWindow& w) { QTest::keyClick(&w.canvasWidget(), Qt::Key_Escape); }},
    {"終わり", [](MainWindow& w) { w.menuAction("OWARI")->trigger(); }},
    {"closing the window", [](MainWindow& w) { w.close(); }},
};

TEST_F(WindowTest, EscapeTheQuitItemAndClosingEndTheProgram) {
    for (const auto& q : QUITS) {
        SCOPED_TRACE(q.how);
        MainWindow& w = open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        ASSERT_NE(w.form().sounds.device, 0);
        q.quit(w);
        EXPECT_TRUE(w.hasEnded());
        EXPECT_FALSE(w.isVisible());
        // Shutdown freed the buffers and closed the sound library.
        EXPECT_EQ(w.form().sounds.device, 0);
        EXPECT_EQ(w.form().sounds.bgm, 0);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(WindowTest, OtherKeysAndButtonsAreIgnored) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w.canvasWidget(), Qt::Key_Q);
    QTest::keyClick(&w.canvasWidget(), Qt::Key_Return);
    QTest::mouseClick(&w.canvasWidget(), Qt::MiddleButton, {}, w.pixelOf(3000, 3000));
    EXPECT_FALSE(w.hasEnded());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace zelkora::testing
