// The lessons of "入門": each a position, a goal and the moves it expects.
//
// A lesson is data only. Its position is an SFEN in this game's orientation
// whose side to move is the side the player plays (every lesson so far gives
// the player the lower side, as a game against the computer does). The main
// line lists the moves in playing order, both sides': the player's moves at
// even indexes, the scripted replies at odd ones; the lesson is complete when
// the whole line is on the board. A move names squares as the move list does;
// a drop names the hand column (11 lower, -1 upper) and the kind index 1..7 as
// its source. `after` is the code on the target after the move, so a
// promotion is part of what the lesson expects.
//
// Chosen wrong moves carry a sentence on why that move is wrong here; any
// other move the rules allow but the lesson does not expect gets the generic
// sentence. Wrong moves are matched by their squares alone (with or without
// promotion), after the exact main-line move was ruled out.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "game/ports.h"

namespace zelkora {

struct LessonMove {
    int fx = 0, fy = 0, tx = 0, ty = 0;
    int after = 0;   // the piece code on the target after the move
};

struct WrongMove {
    int step = 0;        // index in the main line of the player's move it replaces
    LessonMove move;
    const char* ja;      // why it is wrong here
    const char* en;
};

struct Lesson {
    const char* titleJa;
    const char* titleEn;
    const char* sfen;     // side to move: the player's side
    const char* goalJa;   // one or two sentences
    const char* goalEn;
    std::vector<LessonMove> line;
    std::vector<WrongMove> wrong;
};

// Every lesson, in the order of the list (lesson number = index + 1).
std::span<const Lesson> lessonTable();

// The lesson's title, goal or a wrong move's sentence in `language`.
std::string lessonTitle(const Lesson& lesson, Language language);
std::string lessonGoal(const Lesson& lesson, Language language);
std::string wrongSentence(const WrongMove& wrong, Language language);
// The sentence for an allowed move the lesson does not expect and does not explain.
std::string genericWrongSentence(Language language);

// Whether `m` is a drop (its source is a hand column).
bool isDropMove(const LessonMove& m);

}  // namespace zelkora
