// The lesson checker: the player's clicks through the game's own click
// handler, each finished move judged against the lesson's main line.
#include "lessons/lesson_run.h"

#include <cmath>

#include "game/sfen.h"

namespace zelkora {

namespace {

// The middle of a cell in twips, where a click lands on it.
double cellMiddleX(const Form1& f, int c) { return f.geo.cellX(c) + f.geo.cellWidth / 2; }
double cellMiddleY(const Form1& f, int r) { return f.geo.cellY(r) + f.geo.cellHeight / 2; }

}  // namespace

LessonMove asLessonMove(const MoveRecord& r) {
    LessonMove m{r.fromX, r.fromY, r.toX, r.toY, r.after};
    if (r.fromX == LOWER_HAND_X || r.fromX == UPPER_HAND_X) m.fy = handKind(r.before);
    return m;
}

bool sameSquares(const LessonMove& a, const LessonMove& b) {
    return a.fx == b.fx && a.fy == b.fy && a.tx == b.tx && a.ty == b.ty;
}

LessonRun::LessonRun(Form1& form, int index) : form_(form), index_(index) {}

const Lesson& LessonRun::lesson() const { return lessonTable()[index_]; }

void LessonRun::start() {
    Position p;
    std::string error;
    parseSfen(lesson().sfen, p, error);   // the lesson tests prove every position valid
    form_.ヒント消去();
    form_.描画_可視(false, false, false);
    form_.描画_棋譜_IO(1);
    loadPosition(form_, p);
    form_.turn.gameMode = MODE_LESSON;
    form_.turn.kingTaken = NOBODY;
    form_.moves.count = 0;
    form_.moves.replay = 0;
    form_.moves.moveNumber = 0;
    form_.sel.clickState = 0;
    form_.flags.recordMode = 0;
    form_.flags.reversed = 0;
    form_.display.shown = ShownTexts{};
    done_ = false;
    sentence_.clear();
    form_.画面_再描画();
}

Verdict LessonRun::click(int button, double x, double y) {
    if (done_) return Verdict::Done;
    const int before = form_.moves.count;
    const int col = static_cast<int>(std::floor((x - form_.geo.left) / form_.geo.cellWidth));
    const int row = static_cast<int>(std::floor((y - form_.geo.top) / form_.geo.cellHeight));
    const bool onBoard = col >= 1 && col <= BOARD_SIZE && row >= 1 && row <= BOARD_SIZE;
    // A second click on a board square that holds no piece of the player names a target.
    const bool targetClick = form_.sel.clickState == 1 && onBoard && !isLower(form_.board.at(col, row)) &&
                             form_.turn.sideToMove == form_.turn.lowerTag;
    form_.Form_MouseDown(button, 0, x, y);
    // A lesson's moves are no game to save.
    form_.moves.unsaved = false;
    if (form_.moves.count > before) return judge();
    return targetClick ? Verdict::Refused : Verdict::Selected;
}

Verdict LessonRun::play(const LessonMove& m) {
    const int row = isDropMove(m) ? (m.fx == LOWER_HAND_X ? m.fy + 2 : 8 - m.fy) : m.fy;
    click(LEFT_BUTTON, cellMiddleX(form_, m.fx), cellMiddleY(form_, row));
    const bool promotes = !isDropMove(m) && form_.board.at(m.fx, m.fy) != m.after;
    return click(promotes ? RIGHT_BUTTON : LEFT_BUTTON, cellMiddleX(form_, m.tx), cellMiddleY(form_, m.ty));
}

// The move just made is the last entry of the list; the step it answers is
// the one before it.
Verdict LessonRun::judge() {
    const auto& line = lesson().line;
    const int step = form_.moves.count - 1;
    const LessonMove made = asLessonMove(form_.moves.entry[form_.moves.count]);
    const bool expected = step < static_cast<int>(line.size()) && sameSquares(made, line[step]) &&
                          made.after == line[step].after;
    if (!expected) {
        sentence_ = genericWrongSentence(form_.display.language);
        for (const WrongMove& w : lesson().wrong)
            if (w.step == step && sameSquares(made, w.move)) sentence_ = wrongSentence(w, form_.display.language);
        form_.MATTA_Click();
        form_.playSound(form_.sounds.refusal);
        return Verdict::Wrong;
    }
    sentence_.clear();
    if (step + 1 < static_cast<int>(line.size())) playReply(line[step + 1]);
    done_ = form_.moves.count >= static_cast<int>(line.size());
    return done_ ? Verdict::Done : Verdict::Right;
}

// The scripted reply, made as the computer makes its moves: recorded, made,
// announced, its target outlined in white until the player's next click.
void LessonRun::playReply(const LessonMove& m) {
    const bool drop = isDropMove(m);
    const int before = drop ? (m.fx == UPPER_HAND_X ? kindCode(m.fy) : -kindCode(m.fy)) : form_.board.at(m.fx, m.fy);
    form_.手順保存(m.fx, m.fy, m.tx, m.ty, before, m.after);
    form_.moves.moveNumber += 1;
    form_.描画_手数(form_.moves.moveNumber);
    form_.駒移動(m.fx, drop && m.fx == LOWER_HAND_X ? m.fy + 2 : m.fy, m.tx, m.ty, m.after);
    form_.playSound(form_.sounds.placed);
    const MoveRecord* made = &form_.moves.entry[form_.moves.count];
    if (isUpper(m.after)) form_.描画_移動結果(-2, 8, m.tx, m.ty, m.after, COLOUR_WHITE, made);
    else form_.描画_移動結果(13, 3, m.tx, m.ty, m.after, COLOUR_WHITE, made);
    form_.描画_桝輪郭(COLOUR_WHITE, m.tx, m.ty);
}

}  // namespace zelkora
