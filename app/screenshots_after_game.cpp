// The after-the-game screenshot scenarios.
#include "app/screenshots_after_game.h"

#include <fstream>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "display/qt/qt_dialogs.h"
#include "display/qt/record_panel.h"
#include "display/qt/results_window.h"
#include "display/qt/review_window.h"
#include "review/review_run.h"

namespace zelkora {
namespace {

// The first forty moves of a game between LEVEL1 (lower) and LEVEL2 (upper),
// as the record file holds them.
const char* const GAME[] = {
    " 9998 -20 -20   0",
    " 1112  20  20   0",
    " 9796 -10 -10   0",
    " 1314  10  10   0",
    " 9897 -20 -20   0",
    " 1213  20  20   0",
    " 9695 -10 -10   0",
    " 1415  10  10   0",
    " 9796 -20 -20   0",
    " 1314  20  20   0",
    " 9594 -10 -10   0",
    " 9394  10  10 -10",
    " 9694 -20 -20  10",
    " 9194  20  20 -20",
    " 8997 -30 -30   0",
    " 9497  21  20 -30",
    " 8898-900-900   0",
    " 9798  21  21-900",
    " 8786 -10 -10   0",
    " 1516  10  10   0",
    " 1716 -10 -10  10",
    " 1416  20  20 -10",
    " 1916 -20 -20  20",
    " 2113  30  30   0",
    " 1613 -21 -20  30",
    " 2212 900 900   0",
    " 1312 -21 -21 900",
    " 2324  10  10   0",
    " 8685 -10 -10   0",
    " 2425  10  10   0",
    " 8584 -10 -10   0",
    " 8384  10  10 -10",
    " 7988-100-100   0",
    " 9888  21  21-100",
    " 7776 -10 -10   0",
    " 2526  10  10   0",
    " 2726 -10 -10  10",
    " 3122 100 100   0",
    " 1222 -21 -21 100",
    " 3334  10  10   0"
};

// The game read from a record file, as "棋譜" → "読込" does.
void loadGame(MainWindow& w) {
    static QTemporaryDir folder;
    const std::string path = folder.filePath(QString::fromUtf8("検討.棋譜")).toStdString();
    std::ofstream file(path, std::ios::binary);
    file << "\x91\xce\x8b\xc7\r\n\x8c\xe3\x8e\xe8\r\n\x90\xe6\x8e\xe8\r\n";
    for (const char* line : GAME) file << line << "\r\n";
    file.close();
    w.recordPanel().startIn(folder.path());
    w.menuAction("KIFU_READ")->trigger();
    w.form().File1_Click("検討.棋譜");
}

// "検討" run to its end, then the first marked move chosen from the list.
void review(MainWindow& w) {
    loadGame(w);
    w.menuAction("KENTOU")->trigger();
    ReviewWindow* window = w.reviewWindow();
    while (window && window->run() && !window->run()->finished()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    QTableWidget* list = window->markList();
    if (list->rowCount() > 0) window->choose(list->item(0, 0)->text().toInt());
}

// The main window and the review window side by side in one picture.
QImage reviewPicture(MainWindow& w) {
    const QImage board = w.grab().toImage();
    const QImage review = w.reviewWindow() ? w.reviewWindow()->grab().toImage() : QImage();
    QImage both(board.width() + review.width(), std::max(board.height(), review.height()), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, board);
    painter.drawImage(board.width(), 0, review);
    return both;
}

// Four games counted at two levels, one won with a hint, then "成績".
void results(MainWindow& w) {
    QFile::remove(QString::fromStdString(pathIn(w.form().io.places.dataFolder, "成績.json")));
    for (const GameResult& game : {GameResult{3, 0, true, false, false}, GameResult{3, 0, true, false, true},
                                   GameResult{3, 0, false, true, false}, GameResult{5, 2, false, false, false}})
        w.form().io.results->record(game);
    w.menuAction("SEISEKI")->trigger();
}

QImage resultsPicture(MainWindow& w) { return w.resultsWindow() ? w.resultsWindow()->grab().toImage() : QImage(); }

// The start-up question over the board of the game it offers, drawn as the
// box the program shows, inside the window (a grab leaves a modal box out).
void resumeQuestion(MainWindow& w) {
    loadGame(w);
    for (int i = 0; i < 12; ++i) w.menuAction("AFTER")->trigger();
    auto* box = new QMessageBox(&w);
    const Language language = w.form().display.language;
    QtDialogs::prepare(*box, textIn(language, Text::CONTINUE_UNFINISHED), textIn(language, Text::TITLE_UNFINISHED),
                       Buttons::YesNo, Icon::None, w.form().display.enlargement / 100.0);
    box->setWindowFlags(Qt::Widget);
    box->setAutoFillBackground(true);
    box->adjustSize();
    box->move((w.width() - box->width()) / 2, (w.height() - box->height()) / 2);
    box->show();
}

}  // namespace

std::vector<ScreenshotScenario> withAfterGamePictures(std::vector<ScreenshotScenario> rows) {
    rows.push_back({"review", review, false, false, reviewPicture});
    rows.push_back({"results", results, false, false, resultsPicture});
    rows.push_back({"resume-question", resumeQuestion});
    return rows;
}

}  // namespace zelkora
