// The review window ("検討"): the evaluation graph of a game with its marked
// moves listed beside it, a progress bar and a cancel button.
//
// The positions are searched one after another on a worker (review/
// review_run.h), so the window and the game stay responsive; a sketch of the
// whole graph comes first, and each move's point is replaced as soon as its
// search at LEVEL5's budget answers. The graph runs across the moves and
// up the evaluation from the lower player's view, clamped, so a forced win
// stands at the top or the bottom edge. Mistakes and blunders are marked on it
// and listed with the move played and the best move. Clicking a point or a row
// asks for the position that move was played in, with the best move outlined.
// Texts follow the game's language when a review starts.
#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "review/review.h"

class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

namespace zelkora {

class ReviewRun;

class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWindow(Worker& worker, QWidget* parent = nullptr);
    ~ReviewWindow() override;

    // Starts reviewing `source`; a review still running is cancelled.
    void review(const ReviewSource& source, Language language);
    // Move `move` chosen (as a click on its point or row does): the position
    // it was played in, and its best move once searched, go to `onChoose`.
    void choose(int move);
    std::function<void(int position, const MoveRecord* best)> onChoose;

    const ReviewRun* run() const { return run_.get(); }
    QLineSeries* evaluations() const { return line_; }
    QScatterSeries* marks(Mark mark) const { return mark == Mark::Blunder ? blunders_ : mistakes_; }
    QTableWidget* markList() const { return list_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void searched(int position);
    void showProgress();
    void setTexts();

    Worker& worker_;
    Language language_ = Language::Japanese;
    std::vector<MoveRecord> moves_;
    std::unique_ptr<ReviewRun> run_;
    QLineSeries* line_;
    QScatterSeries* mistakes_;
    QScatterSeries* blunders_;
    QScatterSeries* chosen_;
    QTableWidget* list_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QLabel* state_;
    QValueAxis* moveAxis_;
    QValueAxis* evalAxis_;
};

}  // namespace zelkora
