// The twelve lessons of "入門", from moving a piece to using 待った and ヒント.
//
// Every position and every move here is checked by the lesson tests against
// the search core's move generator (the `legal` listing): each main-line move
// is one the rules allow the side to move, each wrong move is allowed too, and
// no main-line move of the player mates the upper king by accident.
#include "lessons/lesson_table.h"

#include "game/codes.h"

namespace zelkora {

namespace {

const Lesson LESSONS[] = {
    {"駒の動かし方と成り", "Moving and promoting",
     "k8/9/9/4P4/9/9/9/9/8K b - 1",
     "歩を一つ前へ進めて成って下さい（行き先をマウスの右でクリック）。成った歩（と）を、次に左へ一つ動かして下さい。",
     "Move the pawn one square forward and promote it by right-clicking the target. Then move the promoted pawn one "
     "square to the left, as a gold may.",
     {{5, 4, 5, 3, SITA_TO}, {1, 1, 1, 2, UE_OU}, {5, 3, 4, 3, SITA_TO}},
     {{0, {5, 4, 5, 3}, "成りませんでした。敵陣の三段目に入ったら、行き先をマウスの右でクリックすると成れます。",
       "That did not promote. Right-click the target square in the far three rows to promote."}}},

    {"持ち駒を打つ", "Dropping a piece",
     "k8/9/4p4/9/9/9/9/9/8K b G 1",
     "駒台の金をクリックし、次に相手の歩のすぐ前の空いた桝をクリックして打って下さい。歩はその金を取らなければなりません。",
     "Click the gold on your stand, then the empty square straight in front of the opponent's pawn to drop it there. "
     "The pawn must then take it.",
     {{LOWER_HAND_X, 5, 5, 4, SITA_KIN}, {5, 3, 5, 4, UE_HU}},
     {{0, {LOWER_HAND_X, 5, 5, 2}, "歩の後ろでは歩は取れません。歩が取れるのは、すぐ前の桝だけです。",
       "Behind the pawn it cannot take: a pawn takes only on the square straight in front of it."}}},

    {"二歩と、取れる時の駒打ち", "Two pawns, and no drop while you can take",
     "k8/9/3gp4/9/6p2/6S2/2PP5/9/8K b P 1",
     "取れる駒がある間は駒を打てません。まず銀で歩を取り、次に歩を相手が取らなければならない桝に打って下さい。自分の歩がある筋には打てません（二歩）。",
     "While you can take, you may not drop: first take the pawn with your silver. Then drop a pawn where the "
     "opponent must take it, but not in a column that already holds your pawn (two pawns).",
     {{7, 6, 7, 5, SITA_GIN}, {1, 1, 1, 2, UE_OU}, {LOWER_HAND_X, 1, 5, 4, SITA_HU}, {5, 3, 5, 4, UE_HU}},
     {{2, {LOWER_HAND_X, 1, 5, 5}, "そこに打った歩を取れる相手の駒はありません。歩か金が取らなければならない桝に打って下さい。",
       "No piece of the opponent can take a pawn there. Drop it where the pawn or the gold must take it."}}},

    {"取れる駒は取る", "You must take",
     "k8/9/4g4/4p4/4P4/6B2/9/9/8K b - 1",
     "取れる駒がある時は、取らなければなりません。ほかの手は断られます。歩で相手の歩を取って下さい。",
     "When you can take, you must: any other move is refused. Take the opponent's pawn with your pawn.",
     {{5, 5, 5, 4, SITA_HU}, {5, 3, 5, 4, UE_KIN}},
     {{0, {7, 6, 5, 4}, "角でも取れますが、次に金があなたの角を取ります。歩で取れば渡すのは歩だけです。",
       "The bishop may take too, but then the gold takes your bishop. Take with the pawn and give away only a pawn."}}},

    {"強い駒を取る", "Take the strongest piece",
     "8k/9/2g6/2r1p4/1SP1P4/9/9/9/8K b - 1",
     "取れる駒が何種類かある時は、一番強い駒を取らなければなりません。歩で飛車を取って下さい。",
     "When you can take pieces of different kinds, you must take the strongest. Take the rook with your pawn.",
     {{3, 5, 3, 4, SITA_HU}, {3, 3, 3, 4, UE_KIN}},
     {{0, {2, 5, 3, 4}, "銀でも飛車を取れますが、次に金があなたの銀を取ります。歩で取れば渡すのは歩だけです。",
       "The silver may take the rook too, but then the gold takes your silver. Taking with the pawn gives away only "
       "a pawn."}}},

    {"王を取らせて勝つ", "Win by getting your king taken",
     "8k/9/9/9/1s7/1N7/K8/9/9 b - 1",
     "このゲームでは、自分の王を取られた方が勝ちです。相手の銀が取らなければならない桝へ王を進めて下さい。",
     "In this game you win when your own king is taken. Step your king onto a square where the silver must take it.",
     {{1, 7, 1, 6, SITA_OU}, {2, 5, 1, 6, UE_GIN}},
     {{0, {2, 6, 1, 4}, "これでは銀はあなたの桂を取らなければなりません。王を銀が取る桝へ進めて下さい。",
       "Now the silver must take your knight instead. Step your king where the silver must take it."}}},

    {"おとりで取らせる", "Making the opponent take: a lure",
     "8k/9/1n7/9/9/2P6/3G5/2K6/9 b - 1",
     "まだ王を取れる相手の駒はありません。歩を進めて桂に取らせ、桂を王の近くへ呼び寄せてから、王をその桂が取る桝へ進めて下さい。",
     "No piece of the opponent can take your king yet. Push your pawn so the knight must take it and come closer, then "
     "step your king where the knight must take it.",
     {{3, 6, 3, 5, SITA_HU}, {2, 3, 3, 5, UE_KEI}, {3, 8, 2, 7, SITA_OU}, {3, 5, 2, 7, UE_KEI}},
     {{0, {3, 8, 2, 7}, "そこはまだどの駒も取れません。先に歩で桂を呼び寄せて下さい。",
       "Nothing can take your king there yet. Lure the knight with your pawn first."}}},

    {"捨て駒から続く取り合い", "A sacrifice that starts a chain",
     "4r3k/9/4p4/9/3G5/3N5/9/4K4/9 b - 1",
     "桂を歩の前に跳ねて捨てて下さい。歩が桂を取り、あなたの金がその歩を取り、飛車が金を取ります。取り合いが終わると、飛車があなたの王を向いています。",
     "Sacrifice your knight in front of the pawn. The pawn must take it, your gold must take the pawn and the rook "
     "must take your gold; at the end of the chain the rook faces your king.",
     {{4, 6, 5, 4, SITA_KEI}, {5, 3, 5, 4, UE_HU}, {4, 5, 5, 4, SITA_KIN}, {5, 1, 5, 4, UE_SYA}},
     {{0, {4, 6, 3, 4}, "そこでは桂を取れる相手の駒がないので、何も始まりません。",
       "No piece of the opponent can take the knight there, so nothing is forced."}}},

    {"詰めの決まり", "The mate rule",
     "k7p/pp7/9/8R/9/8p/9/9/4K4 b - 1",
     "コンピュータとの対局では、相手の王を詰めるとコンピュータの勝ちになります。取れる歩は二つあります。詰めにならない方を取って下さい。",
     "Against the computer, mating its king makes the computer the winner. Two pawns can be taken: take the one "
     "that does not mate.",
     {{9, 4, 9, 6, SITA_SYA}},
     {{0, {9, 4, 9, 1}, "これは相手の王を詰めてしまいます。コンピュータとの対局なら、コンピュータの勝ちです。",
       "That mates the opponent's king: against the computer, the computer would win."}}},

    {"おとりを防ぐ", "Defending against a lure",
     "4k4/4p4/3GP4/7p1/7P1/9/9/9/8K b - 1",
     "取れる歩は三つあります。王の前の歩を取ると、相手の王がそれを取り返し、あなたはその王を取らされます。離れた歩を取って下さい。",
     "Three pawns can be taken. Take the one in front of the king and the king takes back, and you are made to "
     "take the king. Take the pawn far away.",
     {{8, 5, 8, 4, SITA_HU}, {5, 2, 5, 3, UE_HU}, {4, 3, 5, 3, SITA_KIN}},
     {{0, {5, 3, 5, 2}, "次に相手の王があなたの歩を取り、あなたの金はその王を取らなければなりません。コンピュータの勝ちです。",
       "The opponent's king then takes your pawn, and your gold must take the king: the computer wins."}}},

    {"持ち駒のある終盤", "An endgame with pieces in hand",
     "8k/9/n8/9/9/9/1PG6/1K7/9 b SPg 1",
     "持ち駒の銀を、相手の桂が取らなければならない桝に打って下さい。桂が近づいたら、王をその桂が取る桝へ進めて下さい。",
     "Drop your silver where the opponent's knight must take it. When the knight has come closer, step your king "
     "where the knight must take it.",
     {{LOWER_HAND_X, 4, 2, 5, SITA_GIN}, {1, 3, 2, 5, UE_KEI}, {2, 8, 1, 7, SITA_OU}, {2, 5, 1, 7, UE_KEI}},
     {{0, {2, 8, 1, 7}, "そこはまだどの駒も取れません。先に銀を打って桂を呼び寄せて下さい。",
       "Nothing can take your king there yet. Drop the silver to bring the knight closer first."}}},

    {"待ったとヒント", "Using Take back and Hint",
     "8k/9/9/9/9/4p4/9/4K4/9 b - 1",
     "迷ったら「局面」の「ヒント」（Ctrl+H）で良い手が分かります。指し間違えたら「待った」（Ctrl+Z）で戻せます。ヒントの手を指して下さい。",
     "When in doubt, Hint in the Position menu (Ctrl+H) shows a good move; Take back (Ctrl+Z) takes a move back. "
     "Play the hint's move.",
     {{5, 8, 5, 7, SITA_OU}, {5, 6, 5, 7, UE_HU}},
     {{0, {5, 8, 4, 7}, "そこはどの駒も取れません。ヒントを見てみましょう。",
       "Nothing can take your king there. Ask for a hint."}}},
};

}  // namespace

std::span<const Lesson> lessonTable() { return LESSONS; }

std::string lessonTitle(const Lesson& lesson, Language language) {
    return language == Language::English ? lesson.titleEn : lesson.titleJa;
}

std::string lessonGoal(const Lesson& lesson, Language language) {
    return language == Language::English ? lesson.goalEn : lesson.goalJa;
}

std::string wrongSentence(const WrongMove& wrong, Language language) {
    return language == Language::English ? wrong.en : wrong.ja;
}

std::string genericWrongSentence(Language language) {
    return language == Language::English
               ? "The rules allow that move, but it is not the one this lesson asks for. Read the goal and try again."
               : "その手は指せますが、この入門で求めている手ではありません。目標を読んで、もう一度どうぞ。";
}

bool isDropMove(const LessonMove& m) { return m.fx == LOWER_HAND_X || m.fx == UPPER_HAND_X; }

}  // namespace zelkora
