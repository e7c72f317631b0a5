// Zelkora: the game window, or with `--screenshots DIR` pictures of it.
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "app/main_window.h"
#include "app/screenshots.h"
#include "app/translations.h"

int main(int argc, char** argv) {
    const bool screenshots = argc >= 2 && std::strcmp(argv[1], "--screenshots") == 0;
    if (screenshots) {
        if (argc != 3) {
            std::fprintf(stderr, "usage: zelkora --screenshots DIR\n");
            return 2;
        }
        // Pictures are taken without a screen and without a sound device, so no
        // box can wait for an answer nobody gives.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "null");
    }
    QApplication app(argc, argv);
    zelkora::installQtTranslations(app);
    if (screenshots) return zelkora::runScreenshots(QString::fromLocal8Bit(argv[2]));
    zelkora::MainWindow window;
    window.show();
    return app.exec();
}
