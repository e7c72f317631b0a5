// Zelkora: the game window; `--screenshots DIR` pictures of it, and
// `--startup-report` what start-up found where (app/startup_report.h).
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTemporaryFile>
#include <QTimer>

#include "app/file_layout.h"
#include "app/main_window.h"
#include "app/screenshots.h"
#include "app/startup_report.h"
#include "app/translations.h"

namespace {

constexpr const char* USAGE =
    "usage: zelkora [--version | --help | --startup-report | --screenshots DIR]\n"
    "  (no option)        the game window\n"
    "  --startup-report   start up without a window, print where the sound library,\n"
    "                     the wave files and the settings were found, and quit\n"
    "  --screenshots DIR  pictures of the window, offscreen, into DIR\n"
    "  --version          the version\n"
    "  --help             this text\n";

bool is(const char* argument, const char* option) { return std::strcmp(argument, option) == 0; }

// Runs without a screen and without a sound device, so no box can wait for an
// answer nobody gives; a caller's own choice is kept. The offscreen screen is
// made large enough for the window at 200% (Qt's own is 800x600, and the
// window fits itself to its screen).
void runHeadless() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        static QTemporaryFile screens;
        if (screens.open()) {
            screens.write(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 3840, "height": 2400,)"
                          R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            screens.flush();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
}

}  // namespace

int main(int argc, char** argv) {
    const char* option = argc >= 2 ? argv[1] : "";
    if (is(option, "--version")) {
        std::printf("zelkora %s\n", ZELKORA_VERSION);
        return 0;
    }
    if (is(option, "--help")) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    const bool screenshots = is(option, "--screenshots");
    const bool report = is(option, "--startup-report");
    // The second run of the screenshots that takes the start-up picture at
    // device pixel ratio 2 (the ratio is the whole program's).
    const bool ratioTwo = screenshots && argc == 4 && is(argv[3], "--ratio-two");
    if ((screenshots && argc != 3 && !ratioTwo) || (report && argc != 2)) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    if (screenshots) runHeadless();
    // The report shows no window, so it needs no screen either.
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The desktop entry and the themed icon of an installed copy go by the
    // application id (a copy in its build folder finds no icon and shows none).
    QGuiApplication::setDesktopFileName(QString::fromUtf8(zelkora::APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromUtf8(zelkora::APP_ID)));
    zelkora::useLanguage(zelkora::Language::Japanese);
    if (screenshots) return zelkora::runScreenshots(QString::fromLocal8Bit(argv[2]), ratioTwo);
    if (report)
        return zelkora::runStartupReport(zelkora::FileLayout::ofProgram(QCoreApplication::applicationDirPath()));
    zelkora::MainWindow window(zelkora::FileLayout::ofProgram(QCoreApplication::applicationDirPath()));
    window.show();
    // Once the window is on the screen: the unfinished game is offered, and
    // when none is taken up, the first start offers the lessons.
    QTimer::singleShot(0, &window, [&window] {
        if (window.hasEnded() || window.form().途中再開()) return;
        window.offerLessons();
    });
    return app.exec();
}
