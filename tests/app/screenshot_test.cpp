// `zelkora --screenshots DIR` writes the pictures of the window: the one after
// start-up, and one per other background, without touching the settings.
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

#include "display/qt/retained_canvas.h"

namespace zelkora {
namespace {

TEST(Screenshots, StartupPictureIsWrittenWithTheWholeWindow) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(QCoreApplication::applicationDirPath() + "/zelkora", {"--screenshots", folder.filePath("screens")});
    ASSERT_TRUE(program.waitForFinished(120000)) << "still running";
    ASSERT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();

    const QImage shot(folder.filePath("screens/startup.png"));
    ASSERT_FALSE(shot.isNull()) << "startup.png missing or unreadable";
    EXPECT_EQ(shot.width(), 600);
    const int menuBar = shot.height() - 533;
    EXPECT_GT(menuBar, 10) << "the menu bar is missing";
    // The canvas sits under the menu bar: the title plaque at cell (11.2, 0).
    const QImage& title = RetainedCanvas::picture(Picture::ZELKORA);
    EXPECT_EQ(shot.pixel(440 + 60, menuBar + 7 + 30), title.pixel(60, 30) | 0xFF000000u);

    // Each other background fills the screen around the board: the tile of
    // cell (-2, 12) has its top-left at canvas pixel (4, 499).
    const std::pair<const char*, Picture> backgrounds[] = {{"tatami", Picture::HAIKEI_TATAMI},
                                                           {"bamboo", Picture::HAIKEI_TAKE},
                                                           {"space", Picture::HAIKEI_UCHU},
                                                           {"brick", Picture::HAIKEI_RENGA}};
    for (const auto& [name, picture] : backgrounds) {
        SCOPED_TRACE(name);
        const QImage background(folder.filePath(QString("screens/%1.png").arg(name)));
        ASSERT_FALSE(background.isNull());
        const QImage& tile = RetainedCanvas::picture(picture);
        EXPECT_EQ(background.pixel(4 + 5, menuBar + 499 + 5), tile.pixel(5, 5) | 0xFF000000u);
    }
    // The start-up at 150% and 200%, and at 100% on a screen of ratio 2 (saved
    // in device pixels): the canvas under the menu bar at its size. At 200%
    // and at ratio 2 the canvas is drawn at the same resolution, so the two
    // are the same picture.
    const struct {
        const char* name;
        QSize canvas;
    } enlarged[] = {{"startup-150", {900, 800}}, {"startup-200", {1200, 1066}}, {"startup-ratio2", {1200, 1066}}};
    QImage canvases[3];
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(enlarged[i].name);
        const QImage shotAt(folder.filePath(QString("screens/%1.png").arg(enlarged[i].name)));
        ASSERT_FALSE(shotAt.isNull());
        EXPECT_EQ(shotAt.width(), enlarged[i].canvas.width());
        ASSERT_GT(shotAt.height(), enlarged[i].canvas.height() + 10) << "the menu bar is missing";
        canvases[i] = shotAt.copy(QRect(QPoint(0, shotAt.height() - enlarged[i].canvas.height()), enlarged[i].canvas))
                          .convertToFormat(QImage::Format_RGB32);
    }
    EXPECT_TRUE(canvases[1] == canvases[2]) << "ratio 2 is not drawn at its resolution";

    // Taking the pictures leaves the settings as start-up made them.
    QFile settings(folder.filePath("Zelkora.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("\x94\x77\x8c\x69\x89\xe6=\x97\xce\r\n"));
}

}  // namespace
}  // namespace zelkora
