// The lessons in the real window: "入門" lists them, a lesson is played by
// mouse clicks on the canvas to its end and ticked in the progress file, any
// game menu leaves the lesson, and the first start's offer is asked once.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <array>

#include "app/lesson_mode.h"
#include "display/qt/canvas_widget.h"
#include "game/sfen.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

void clickCell(MainWindow& w, int c, int r, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&w.canvasWidget(), button, {}, w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
}

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(WindowTest, ALessonChosenFromTheListIsPlayedByClicksAndTicked) {
    MainWindow& w = open();
    std::vector<QString> listed;
    w.lessons().choose = [&](const QString&, const QString&, const std::vector<QString>& items) {
        listed = items;
        return 6;   // the lure
    };
    w.menuAction("NYUMON")->trigger();
    ASSERT_EQ(listed.size(), lessonTable().size());
    EXPECT_EQ(position(w.form()) + " 1", lessonTable()[6].sfen);
    EXPECT_TRUE(w.lessons().panelText().contains(QString::fromUtf8(lessonTable()[6].goalJa)));

    // A wrong move first: taken back, and the panel says why.
    clickCell(w, 3, 8);
    clickCell(w, 2, 7);
    EXPECT_EQ(w.form().board.at(3, 8), SITA_OU);
    EXPECT_TRUE(w.lessons().panelText().contains(QString::fromUtf8(lessonTable()[6].wrong[0].ja)));

    for (const auto& m : {std::array{3, 6, 3, 5}, std::array{3, 8, 2, 7}}) {
        clickCell(w, m[0], m[1]);
        clickCell(w, m[2], m[3]);
    }
    EXPECT_TRUE(w.lessons().panelText().contains(QString::fromUtf8(textIn(Language::Japanese, Text::LESSON_DONE))));
    EXPECT_EQ(fileBytes("Zelkora-lessons.txt"), QByteArray("done=7\r\n"));

    w.menuAction("NYUMON")->trigger();
    EXPECT_TRUE(listed[6].startsWith(QStringLiteral("✓")));
    EXPECT_FALSE(listed[5].startsWith(QStringLiteral("✓")));

    // A game from the menu ends the lesson: the panel goes, clicks play the game.
    w.menuAction("START")->trigger();
    EXPECT_FALSE(w.lessons().panel()->isVisible());
    EXPECT_FALSE(w.lessons().active());
}

TEST_F(WindowTest, TheFirstStartOffersTheLessonsOnceAndLeavesTheSettingsAlone) {
    MainWindow& w = open();
    const QByteArray settings = fileBytes("Zelkora.ini");
    dialogs.shown.clear();
    dialogs.answers.push_back(Answer::No);
    w.offerLessons();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "入門を始めますか？");
    w.offerLessons();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(fileBytes("Zelkora-lessons.txt"), QByteArray("offered=no\r\ndone=\r\n"));
    EXPECT_EQ(fileBytes("Zelkora.ini"), settings);
}

}  // namespace
}  // namespace zelkora::testing
