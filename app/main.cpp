// Zelkora: the game window, or with `--screenshots DIR` pictures of it.
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "app/main_window.h"
#include "app/screenshots.h"

int main(int argc, char** argv) {
    const bool screenshots = argc >= 2 && std::strcmp(argv[1], "--screenshots") == 0;
    // The second run that takes the start-up picture at device pixel ratio 2.
    const bool ratioTwo = argc == 4 && std::strcmp(argv[3], "--ratio-two") == 0;
    if (screenshots) {
        if (argc != 3 && !ratioTwo) {
            std::fprintf(stderr, "usage: zelkora --screenshots DIR\n");
            return 2;
        }
        // Pictures are taken without a screen and without a sound device, so no
        // box can wait for an answer nobody gives.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
    }
    QApplication app(argc, argv);
    if (screenshots) return zelkora::runScreenshots(QString::fromLocal8Bit(argv[2]), ratioTwo);
    zelkora::MainWindow window;
    window.show();
    return app.exec();
}
