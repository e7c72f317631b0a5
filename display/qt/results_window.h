// The results window ("成績"): one row per level and handicap grade played,
// with games, wins, losses, the winning streak now and the best, and the
// games played with a take-back or a hint; a button that resets every count
// (after asking, through the dialog port) and one that closes the window.
// Texts follow the game's language when the window opens.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zelkora {

class ResultsBook;

class ResultsWindow : public QDialog {
    Q_OBJECT
public:
    ResultsWindow(ResultsBook& book, QWidget* parent = nullptr);
    // Reads the results again and shows them in the language now chosen.
    void refresh();
    QTableWidget* tableWidget() const { return table_; }

private:
    void reset();

    ResultsBook& book_;
    QTableWidget* table_;
    QLabel* empty_;
    QPushButton* resetButton_;
    QPushButton* closeButton_;
};

}  // namespace zelkora
