// The text line of one lesson.
#include "lessons/lesson_line.h"

#include "game/codes.h"
#include "game/sfen.h"
#include "lessons/lesson_table.h"

namespace zelkora {

std::string lessonLine(int index) {
    const Lesson& lesson = lessonTable()[index];
    Position p;
    std::string error;
    parseSfen(lesson.sfen, p, error);
    std::string text = std::to_string(index + 1) + '\t' + lesson.titleJa + '\t' + lesson.sfen + '\t';
    bool first = true;
    for (const LessonMove& m : lesson.line) {
        const bool drop = isDropMove(m);
        const int before = drop ? (m.fx == LOWER_HAND_X ? -kindCode(m.fy) : kindCode(m.fy)) : p.board.at(m.fx, m.fy);
        if (!first) text += ';';
        first = false;
        for (int v : {m.fx, m.fy, m.tx, m.ty, before}) text += std::to_string(v) + ' ';
        text += std::to_string(m.after);
        if (!drop) p.board.at(m.fx, m.fy) = EMPTY;
        p.board.at(m.tx, m.ty) = m.after;
    }
    return text;
}

}  // namespace zelkora
