// End to end on the real window: play a few moves between two humans, save the
// game through the panel, load it back through the panel and step to its end.
#include <fstream>
#include <iterator>
#include <string>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "display/qt/canvas_widget.h"
#include "display/qt/record_panel.h"
#include "tests/app/app_fixture.h"
#include "tests/app/typing.h"

namespace zelkora::testing {
namespace {

// A left click in the middle of board cell (c, r).
void clickCell(MainWindow& w, int c, int r) {
    const QPointF at(w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
    QMouseEvent press(QEvent::MouseButtonPress, at, w.canvasWidget().mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.canvasWidget(), &press);
}

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(WindowTest, PlaySaveLoadAndStepThroughARecord) {
    MainWindow& w = open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Form1& f = w.form();
    RecordPanelWidgets& panel = w.recordPanel();

    // Four quiet pawn moves, the lower player first.
    w.menuAction("START")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "先手の番です");
    dialogs.shown.clear();
    const int clicks[][2] = {{7, 7}, {7, 6}, {3, 3}, {3, 4}, {6, 7}, {6, 6}, {4, 3}, {4, 4}};
    for (const auto& c : clicks) clickCell(w, c[0], c[1]);
    ASSERT_EQ(f.moves.count, 4);
    const Board played = f.board;
    for (const auto& m : dialogs.shown) ADD_FAILURE() << "box while playing: [" << m.title << "] " << m.text;

    // "棋譜" → "書込": fill the fields and press "RETURN".
    w.menuAction("KIFU_WRITE")->trigger();
    ASSERT_FALSE(panel.control("Text1")->isHidden());
    ASSERT_FALSE(panel.control("Dir1")->isHidden());
    typeText(panel.control("Text2"), QString::fromUtf8("対局"));
    typeText(panel.control("Text3"), QString::fromUtf8("先手"));
    typeText(panel.control("Text4"), QString::fromUtf8("後手"));
    typeText(panel.control("Text1"), QString::fromUtf8("第１局"));
    QTest::mouseClick(panel.control("Command1"), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "棋譜を書き込みました");
    EXPECT_TRUE(panel.control("Text1")->isHidden());
    EXPECT_TRUE(panel.control("Dir1")->isHidden());

    EXPECT_EQ(readFile(folder() + "/第１局.棋譜"),
              "\x91\xce\x8b\xc7\r\n"   // 対局
              "\x8c\xe3\x8e\xe8\r\n"   // 後手 names the upper side: the lower side moved first
              "\x90\xe6\x8e\xe8\r\n"   // 先手
              " 7776 -10 -10   0\r\n"
              " 3334  10  10   0\r\n"
              " 6766 -10 -10   0\r\n"
              " 4344  10  10   0\r\n");

    // "棋譜" → "読込": the file appears in the list; clicking it loads it.
    dialogs.shown.clear();
    w.menuAction("KIFU_READ")->trigger();
    auto* file1 = qobject_cast<QListWidget*>(panel.control("File1"));
    ASSERT_NE(file1, nullptr);
    ASSERT_FALSE(file1->isHidden());
    const auto found = file1->findItems(QString::fromUtf8("第１局.棋譜"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(file1->viewport(), Qt::LeftButton, Qt::NoModifier, file1->visualItemRect(found[0]).center());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, " 読み込みました");
    EXPECT_EQ(dialogs.shown[1].text, "棋譜を '進 'で進めて下さい");
    EXPECT_TRUE(file1->isHidden());
    EXPECT_EQ(f.flags.recordMode, 1);
    EXPECT_EQ(f.moves.replay, 4);
    EXPECT_EQ(f.board.at(7, 7), SITA_HU) << "the board starts from the initial position";

    // "進" to the end reaches the played position; once more says "終わり".
    dialogs.shown.clear();
    for (int i = 0; i < 4; ++i) w.menuAction("AFTER")->trigger();
    EXPECT_TRUE(dialogs.shown.empty());
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(f.board.at(x, y), played.at(x, y)) << x << "," << y;
    w.menuAction("AFTER")->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "終わり");
    EXPECT_EQ(dialogs.shown[0].title, "進む");

    // "戻" in record mode takes the last replayed move back.
    w.menuAction("REPLAY")->trigger();
    EXPECT_EQ(f.board.at(4, 4), EMPTY);
    EXPECT_EQ(f.board.at(4, 3), UE_HU);
}

}  // namespace
}  // namespace zelkora::testing
