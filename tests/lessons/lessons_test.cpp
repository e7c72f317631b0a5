// The lessons of "入門": their positions and lines under the rules, the
// checker on the game's own state, the progress file and the CLI line.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "computer/engine_bridge.h"
#include "engine/movegen.h"
#include "game/sfen.h"
#include "lessons/lesson_line.h"
#include "lessons/lesson_run.h"
#include "lessons/progress.h"
#include "tests/common/fakes.h"

namespace zelkora {
namespace {

using testing::Harness;

const int LESSONS = static_cast<int>(lessonTable().size());

// The move of `list` that is `m` (squares and the code after), or null.
const engine::Move* findMove(const engine::Position& p, const engine::MoveList& list, const LessonMove& m) {
    for (int i = 0; i < list.n; ++i) {
        const LessonMove g = asLessonMove(toRecord(p, list.m[i]));
        if (sameSquares(g, m) && g.after == m.after) return &list.m[i];
    }
    return nullptr;
}

bool allowedSquares(const engine::Position& p, const LessonMove& m) {
    engine::MoveList list;
    engine::generate(p, list, true);
    for (int i = 0; i < list.n; ++i)
        if (sameSquares(asLessonMove(toRecord(p, list.m[i])), m)) return true;
    return false;
}

// A started harness with lesson `i` on the board.
struct Started {
    Harness h;
    std::unique_ptr<LessonRun> run;
    explicit Started(int i) {
        h.start();
        run = std::make_unique<LessonRun>(*h, i);
        run->start();
        h.clearLogs();
    }
};

TEST(Lessons, AtLeastTwelveEachWithAGoalAndAnExplainedWrongMove) {
    ASSERT_GE(LESSONS, 12);
    for (const Lesson& l : lessonTable()) {
        EXPECT_FALSE(std::string(l.goalJa).empty());
        EXPECT_FALSE(std::string(l.goalEn).empty());
        EXPECT_FALSE(l.wrong.empty()) << l.titleEn;
    }
}

// Every position is a valid one-set position with the player to move, every
// main-line move is one the search core allows (compulsory capture included),
// no move of the player mates the upper king, and every wrong move is allowed.
TEST(Lessons, PositionsAndMovesAreLegal) {
    for (const Lesson& l : lessonTable()) {
        SCOPED_TRACE(l.titleEn);
        Position pos;
        std::string error;
        ASSERT_TRUE(parseSfen(l.sfen, pos, error)) << error;
        ASSERT_TRUE(withinOneSet(pos, error)) << error;
        ASSERT_TRUE(pos.lowerToMove);
        engine::Position p = toEngine(pos.board, pos.hands, false);
        for (std::size_t i = 0; i < l.line.size(); ++i) {
            for (const WrongMove& w : l.wrong)
                EXPECT_TRUE(w.step != static_cast<int>(i) || allowedSquares(p, w.move)) << "wrong move at " << i;
            engine::MoveList list;
            engine::generate(p, list, true);
            const engine::Move* m = findMove(p, list, l.line[i]);
            ASSERT_NE(m, nullptr) << "main-line move " << i;
            engine::Undo u;
            p.make(*m, u);
            if (i % 2 == 0) {
                EXPECT_FALSE(engine::upperMated(p)) << "move " << i << " mates";
            }
        }
    }
}

TEST(Lessons, TheMateRulesWrongMoveMates) {
    const Lesson& l = lessonTable()[8];
    Position pos;
    std::string error;
    ASSERT_TRUE(parseSfen(l.sfen, pos, error));
    engine::Position p = toEngine(pos.board, pos.hands, false);
    engine::MoveList list;
    engine::generate(p, list, true);
    const engine::Move* m = findMove(p, list, LessonMove{9, 4, 9, 1, SITA_SYA});
    ASSERT_NE(m, nullptr);
    engine::Undo u;
    p.make(*m, u);
    EXPECT_TRUE(engine::upperMated(p));
}

// Played by clicks through the game's click handler, each main line completes.
TEST(LessonRun, EveryMainLineCompletes) {
    for (int i = 0; i < LESSONS; ++i) {
        Started s(i);
        const auto& line = lessonTable()[i].line;
        Verdict v = Verdict::Selected;
        for (std::size_t k = 0; k < line.size(); k += 2) {
            ASSERT_FALSE(s.run->done());
            v = s.run->play(line[k]);
            ASSERT_TRUE(v == Verdict::Right || v == Verdict::Done) << "lesson " << i + 1 << " move " << k;
        }
        EXPECT_EQ(v, Verdict::Done) << "lesson " << i + 1;
        EXPECT_EQ(s.h->moves.count, static_cast<int>(line.size()));
        EXPECT_TRUE(s.h.dialogs.shown.empty()) << "lesson " << i + 1;
    }
}

// The chosen wrong move of each lesson is taken back with its own sentence.
TEST(LessonRun, EachWrongMoveIsTakenBackAndExplained) {
    for (int i = 0; i < LESSONS; ++i) {
        const Lesson& l = lessonTable()[i];
        const WrongMove& w = l.wrong.front();
        Started s(i);
        for (int k = 0; k < w.step; k += 2) s.run->play(l.line[k]);
        const std::string before = testing::position(*s.h);
        const int count = s.h->moves.count;
        LessonMove m = w.move;
        m.after = isDropMove(m) ? -kindCode(m.fy) : s.h->board.at(m.fx, m.fy);
        EXPECT_EQ(s.run->play(m), Verdict::Wrong) << "lesson " << i + 1;
        EXPECT_EQ(s.run->sentence(), wrongSentence(w, Language::Japanese));
        EXPECT_EQ(testing::position(*s.h), before);
        EXPECT_EQ(s.h->moves.count, count);
        // The line goes on from there.
        EXPECT_NE(s.run->play(l.line[w.step]), Verdict::Wrong);
    }
}

TEST(LessonRun, OtherWrongMovesGetTheGenericSentenceInTheLanguageChosen) {
    Started s(11);
    s.h->display.language = Language::English;
    EXPECT_EQ(s.run->play(LessonMove{5, 8, 6, 8, SITA_OU}), Verdict::Wrong);
    EXPECT_EQ(s.run->sentence(), genericWrongSentence(Language::English));
}

// A move the rules refuse is the game's refusal, box and sound included.
TEST(LessonRun, TheRulesRefuseWithTheGamesOwnBox) {
    Started s(3);   // a capture is due
    EXPECT_EQ(s.run->play(LessonMove{9, 9, 9, 8, SITA_OU}), Verdict::Refused);
    ASSERT_EQ(s.h.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.h.dialogs.shown[0].text, s.h->文言(Text::MUST_CAPTURE));
    EXPECT_EQ(s.h->moves.count, 0);
}

TEST(LessonRun, TakingBackStepsTheLessonBack) {
    Started s(6);
    const auto& line = lessonTable()[6].line;
    ASSERT_EQ(s.run->play(line[0]), Verdict::Right);
    s.h->MATTA_Click();
    EXPECT_EQ(s.h->moves.count, 0);
    EXPECT_EQ(s.run->play(line[0]), Verdict::Right);
    EXPECT_EQ(s.run->play(line[2]), Verdict::Done);
}

TEST(LessonRun, TheHintShowsTheLessonsMove) {
    Started s(11);
    s.h->HINT_Click();
    ASSERT_TRUE(s.h->display.hintShown);
    EXPECT_TRUE(sameSquares(asLessonMove(s.h->display.hint), lessonTable()[11].line[0]));
}

TEST(LessonProgress, RoundTripAndAnUnreadableFileIsNeverWritten) {
    testing::MemoryFiles files;
    LessonProgress p;
    p.done = {1, 4, 12};
    p.offer = Offer::Declined;
    ASSERT_TRUE(writeProgress(files, "p", p));
    const LessonProgress back = readProgress(files, "p");
    EXPECT_EQ(back.done, p.done);
    EXPECT_EQ(back.offer, Offer::Declined);
    EXPECT_FALSE(back.locked);
    EXPECT_FALSE(readProgress(files, "missing").locked);

    for (const std::string bad : {"done=1,99\r\n", "something else\r\n"}) {
        files.put("q", bad);
        LessonProgress q = readProgress(files, "q");
        EXPECT_TRUE(q.locked) << bad;
        q.done.insert(2);
        EXPECT_FALSE(writeProgress(files, "q", q));
        EXPECT_EQ(files.get("q"), bad);
    }
    files.put("r", "done=1\r\n");
    files.unreadable.insert("r");
    EXPECT_TRUE(readProgress(files, "r").locked);
}

TEST(LessonsCommand, OneLinePerLessonInTheMovesForm) {
    EXPECT_EQ(lessonLine(0),
              "1\t駒の動かし方と成り\tk8/9/9/4P4/9/9/9/9/8K b - 1\t5 4 5 3 -10 -11;1 1 1 2 950 950;5 3 4 3 -11 -11");
    EXPECT_EQ(lessonLine(1).substr(lessonLine(1).rfind('\t') + 1), "11 5 5 4 -110 -110;5 3 5 4 10 10");
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(cli::lessonsCommand({}, in, out, err), 0);
    const std::string text = out.str();
    EXPECT_EQ(static_cast<int>(std::count(text.begin(), text.end(), '\n')), LESSONS);
    EXPECT_EQ(text.substr(0, text.find('\n')), lessonLine(0));
}

}  // namespace
}  // namespace zelkora
