// The lessons of "入門" in the window: the list, the goal panel, the clicks
// during a lesson, the progress file and the first start's offer.
//
// "入門" opens the list of lessons (done ones ticked); the chosen lesson is
// set up on the main board by the checker (lessons/lesson_run.h), drawn by the
// game's own board drawing in the current piece set and language. While the
// game is in the lesson mode the window's clicks go to the checker, which
// hands them to Form_MouseDown; a panel under the board shows the lesson's
// title and goal, why a wrong move was taken back, and "done" at the end.
// Leaving the lesson mode by any menu command (a new game, "最初", loading a
// record) hides the panel. A lesson done is written to the progress file at
// once; the first start asks once whether to begin with the lessons and
// keeps the answer there. The list is chosen through `choose`, which tests
// and scripted runs replace (the default is a modal Qt list).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QString>

#include "game/Form1.h"
#include "lessons/lesson_run.h"
#include "lessons/progress.h"

class QLabel;
class QWidget;

namespace zelkora {

class TwipsScale;

class LessonMode {
public:
    LessonMode(Form1& form, QWidget* parent, const TwipsScale& scale);
    ~LessonMode();

    // Answers the index of the lesson chosen from `items`, or -1.
    std::function<int(const QString& title, const QString& label, const std::vector<QString>& items)> choose;

    // False in scripted runs, which must leave the player's progress file alone.
    bool writesProgress = true;

    // "入門": the list, then the chosen lesson.
    void open();
    void start(int index);
    // A lesson is on the board and takes the window's clicks.
    bool active() const;
    void click(int button, double x, double y);
    // After any command: the panel follows the mode and the language.
    void refresh();
    void setScale(const TwipsScale& scale);
    // The first start's question, asked once and remembered.
    void offerOnce();

    const LessonProgress& progress() const { return progress_; }
    const LessonRun* run() const { return run_.get(); }
    QWidget* panel() const;
    // The panel's text as shown (plain).
    QString panelText() const;

private:
    void save();
    void place();

    Form1& form_;
    QLabel* panel_;
    std::unique_ptr<TwipsScale> scale_;
    std::unique_ptr<LessonRun> run_;
    LessonProgress progress_;
    std::string path_;
};

}  // namespace zelkora
