// A lesson being played on the game's own state: the lesson checker.
//
// The lesson puts its position on Form1 in the lesson mode (MODE_LESSON): the
// player's clicks go through Form_MouseDown as in a game, so selecting,
// promoting by right-click, dropping from the stand and every refusal of the
// rules (the illegal target, the promotion button, compulsory capture, the
// strongest piece) are the game's own, with its boxes and sounds. In this
// mode the click handler hands the turn to nobody; after a click that made a
// move the checker compares it with the main line:
//  - the expected move: the scripted reply is played at once, and when the
//    whole line is on the board the lesson is done;
//  - any other move: it is taken back as "待った" takes it back, with the
//    refusal sound and the sentence why it is wrong here.
// Where the lesson stands is the length of the move list (the lesson starts
// with an empty one), so "待った" during a lesson simply steps it back.
#pragma once

#include <string>

#include "game/Form1.h"
#include "lessons/lesson_table.h"

namespace zelkora {

enum class Verdict {
    Selected,   // a first click, a new selection or a hand piece: no move yet
    Refused,    // a target the rules refused (the game showed why, if it says)
    Right,      // the expected move; the scripted reply was played
    Wrong,      // an allowed move the lesson does not expect: taken back
    Done,       // the last move of the main line is on the board
};

class LessonRun {
public:
    // `index` into lessonTable().
    LessonRun(Form1& form, int index);

    // Puts the lesson's position on the board in the lesson mode and draws it.
    void start();
    // One mouse click in twips, as the window hands it to Form_MouseDown.
    Verdict click(int button, double x, double y);
    // The player's move as two clicks on its source and target (right button
    // on the target when the move promotes).
    Verdict play(const LessonMove& m);

    int index() const { return index_; }
    const Lesson& lesson() const;
    bool done() const { return done_; }
    // The sentence on the last wrong move; empty after a right one.
    const std::string& sentence() const { return sentence_; }

private:
    Verdict judge();
    void playReply(const LessonMove& m);

    Form1& form_;
    int index_;
    bool done_ = false;
    std::string sentence_;
};

// The move list's entry as a lesson move (a drop by its kind index).
LessonMove asLessonMove(const MoveRecord& r);
bool sameSquares(const LessonMove& a, const LessonMove& b);

}  // namespace zelkora
