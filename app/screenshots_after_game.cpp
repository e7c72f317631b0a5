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
#include "review/sample_game.h"

namespace zelkora {
namespace {


// The game read from a record file, as "棋譜" → "読込" does.
void loadGame(MainWindow& w) {
    static QTemporaryDir folder;
    const std::string path = folder.filePath(QString::fromUtf8("検討.棋譜")).toStdString();
    std::ofstream file(path, std::ios::binary);
    file << "\x91\xce\x8b\xc7\r\n\x8c\xe3\x8e\xe8\r\n\x90\xe6\x8e\xe8\r\n";
    for (const char* line : SAMPLE_GAME) file << line << "\r\n";
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
    showBoxInWindow(w, Text::CONTINUE_UNFINISHED, Text::TITLE_UNFINISHED);
}

}  // namespace

std::vector<ScreenshotScenario> withAfterGamePictures(std::vector<ScreenshotScenario> rows) {
    rows.push_back({"review", review, false, false, reviewPicture});
    rows.push_back({"results", results, false, false, resultsPicture});
    rows.push_back({"resume-question", resumeQuestion});
    return rows;
}

}  // namespace zelkora
