// `zelkora --screenshots DIR` writes the picture of the window after start-up.
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace zelkora
