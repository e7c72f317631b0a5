// The pages of "遊び方", in the order they are read.
#include "help/pages.h"

#include "game/codes.h"

namespace zelkora::help {
namespace {

// Frame colours as the game uses them on the board.
constexpr int SELECTED = COLOUR_SELECTED;   // the piece chosen
constexpr int REACH = COLOUR_WHITE;         // where it may go; what must be taken
constexpr int HINT = COLOUR_HINT;
constexpr int CHAIN = COLOUR_LOOKAHEAD;

constexpr const char* INITIAL = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

const std::vector<Page> PAGES = {
    {"盤と駒", "The board and the pieces",
     "将棋と同じ9×9の盤と駒で遊びます。あなたは盤の下側の駒を持ち、上側が相手（コンピュータ）です。"
     "駒は王・飛・角・金・銀・桂・香・歩の8種類で、動き方は将棋と同じです。"
     "取った駒は自分の駒台（あなたは盤の右、相手は左）に乗り、後で打てます。\n\n"
     "ただし、ルールが二つ違います。取れる駒は必ず取らなければなりません。"
     "そして、自分の王を取られた方が勝ちです。",
     "Zelkora is played with the board and the pieces of shogi: a 9×9 board, and kings, rooks, bishops, "
     "golds, silvers, knights, lances and pawns that move as in shogi. You play the pieces at the bottom, "
     "the opponent (the computer) those at the top. A piece you capture goes to your stand (yours right "
     "of the board, the opponent's left) and can be dropped later.\n\n"
     "Two rules are different: a piece that can be captured must be captured, and the player whose king "
     "is taken wins.",
     INITIAL, {}},
    {"駒を動かす", "Moving a piece",
     "動かしたい駒をクリックすると赤い枠で囲まれます。続けて行き先のマスをクリックすると駒が動きます。"
     "別の自分の駒をクリックすれば選び直せます。\n\n"
     "「ｵﾌﾟｼｮﾝ」の「移動指導」を選ぶと、選んだ駒が行けるマスが白い枠で示されます。"
     "相手の駒をクリックすると、その駒が行けるマスが見えます。",
     "Click the piece you want to move: a red frame marks it. Then click the square it should go to. "
     "Clicking another of your pieces chooses that one instead.\n\n"
     "With \"Show moves\" in the Options menu, the squares the chosen piece can reach are framed in white. "
     "Clicking one of the opponent's pieces shows where it can go.",
     INITIAL, {{3, 7, SELECTED}, {3, 6, REACH}}},
    {"成る", "Promotion",
     "相手側の3段（盤の上から3段目まで）に入るとき、そこから出るとき、その中で動くときに駒は成れます。"
     "成るときは行き先を右クリックします。左クリックなら成りません。\n\n"
     "歩・香・桂がそのままでは二度と動けないマス（歩と香は一番奥、桂は奥の2段）に行くときは必ず成ります。"
     "そこを左クリックすると、このように断られます。",
     "A piece may promote when it moves into the three far rows (the top three), out of them or within "
     "them. To promote, click the target with the right mouse button; a left click moves without "
     "promoting.\n\n"
     "A pawn, lance or knight must promote where it could never move again (pawns and lances on the last "
     "row, knights on the last two). A left click there is refused like this:",
     "4k4/6P2/9/2S6/9/9/9/9/4K4 b - 1",
     {{3, 4, SELECTED}, {2, 3, REACH}, {3, 3, REACH}, {4, 3, REACH}},
     Text::RIGHT_CLICK_TO_PROMOTE, Text::TITLE_PROMOTE},
    {"持ち駒を打つ", "Dropping a piece",
     "駒台の駒をクリックしてから空いているマスをクリックすると、その駒を打てます。\n\n"
     "打てないのは、歩がある筋にもう一枚歩を打つとき（二歩）、二度と動けないマス"
     "（歩と香は一番奥、桂は奥の2段）、そして取れる駒があるとき（先に取らなければなりません）です。"
     "図では５筋に歩を打てません。",
     "Click a piece on your stand, then an empty square, to drop it there.\n\n"
     "You may not drop a pawn into a file that already holds one of your unpromoted pawns, nor a piece "
     "where it could never move (pawns and lances on the last row, knights on the last two), nor anything "
     "while a capture is possible: the capture comes first. Here no pawn may be dropped on file 5.",
     "4k4/9/9/9/9/9/4P4/9/4K4 b SP 1", {{11, 3, SELECTED}}},
    {"取れる駒は取る", "Captures are compulsory",
     "取れる駒があるときは、必ず取らなければなりません。取れる駒を残して他の手を指そうとすると、"
     "このように断られ、取れる駒が白い枠で示されます。\n\n"
     "図では金を動かすことも駒を打つこともできず、歩で相手の歩を取るしかありません。"
     "相手も同じルールに従います。",
     "When you can capture a piece, you must. If you try another move while a capture is possible, it is "
     "refused like this, and the pieces you can take are framed in white.\n\n"
     "Here you may neither move the gold nor drop a piece: your pawn must take the opponent's pawn. The "
     "opponent obeys the same rule.",
     "4k4/9/9/9/3p5/3P5/9/6G2/4K4 b P 1", {{4, 5, REACH}},
     Text::MUST_CAPTURE, Text::TITLE_RULE},
    {"強い駒を取る", "Take the strongest piece",
     "取れる駒が何枚かあるときは、その中で一番強い駒を取らなければなりません。強さの順は"
     "歩・と・香・成香・桂・成桂・銀・成銀・金・角・馬・飛・竜・王です（右ほど強い）。"
     "同じ強さの駒なら、どれを取っても構いません。\n\n"
     "図の角は歩と飛車を取れますが、飛車を取らなければなりません。歩を取ろうとすると断られます。",
     "When you can capture several pieces, you must take the strongest. From weakest to strongest: pawn, "
     "promoted pawn, lance, promoted lance, knight, promoted knight, silver, promoted silver, gold, "
     "bishop, horse, rook, dragon, king. Among equally strong pieces you may take any.\n\n"
     "The bishop here can take the pawn or the rook: it must take the rook. Taking the pawn is refused:",
     "4k4/9/2p6/9/4B4/9/6r2/9/4K4 b - 1", {{5, 5, SELECTED}, {3, 3, REACH}, {7, 7, REACH}},
     Text::MUST_TAKE_STRONGEST, Text::TITLE_RULE},
    {"王を取られたら勝ち", "Lose your king to win",
     "この遊びは負けるが勝ちです。自分の王を相手に取られたら、あなたの勝ちです。"
     "反対に、相手の王を取ると負けになります。\n\n"
     "取れる駒は必ず取るので、王を相手の駒が行けるマスに進めれば、相手はその王を取るしかありません"
     "（図の1、2）。相手も同じことを狙ってくるので、相手の王を取らされないよう気を付けましょう。",
     "Zelkora is played to lose: when your own king is taken, you win. Taking the opponent's king "
     "loses.\n\n"
     "Since captures are compulsory, a king moved where an opponent's piece can reach it must be taken "
     "(1, 2 here). The opponent tries the same, so take care not to be forced to take its king.",
     "4k4/9/9/9/3g5/9/4K4/9/9 b - 1", {{5, 7, SELECTED}, {5, 6, CHAIN, 1}, {5, 6, 0, 2}}},
    {"詰みのルール", "The mate rule",
     "コンピュータとの対局で、あなたがコンピュータの王を詰ませると、コンピュータの勝ちになります"
     "（図の1）。王手をかけるときは逃げ道を残しておきましょう。\n\n"
     "反対に、コンピュータがあなたの王を詰ませても「よし！!」と出るだけで対局は続きます。"
     "取れる駒は取るルールなので、コンピュータはすぐにあなたの王を取り、あなたの勝ちです。"
     "二人で対局するときは詰みの判定はなく、王が取られたときに終わります。",
     "Against the computer, if you checkmate the computer's king, the computer wins (move 1 here). When "
     "you give check, leave the king a way out.\n\n"
     "If the computer mates your king, it only says \"Got you!\" and the game goes on; since captures "
     "are compulsory, it soon has to take your king, and you win. Between two players there is no mate "
     "rule: the game ends when a king is taken.",
     "4k4/9/3SG4/9/9/9/9/9/4K4 b - 1", {{5, 3, SELECTED}, {5, 2, CHAIN, 1}}},
    {"ハンディキャップとレベル", "Handicap and levels",
     "「対局」→「COM対局ﾚﾍﾞﾙ」で、コンピュータの強さを LEVEL1 から LEVEL5 まで選べます。\n\n"
     "メニューの「△」と「▽」はハンディキャップです。対局の前に「△」を押すごとにコンピュータの駒が"
     "角・飛・香・香・桂・桂・銀・銀・金・金の順に減り、「▽」を押すとあなたの駒が同じ順に減ります。"
     "段級は名人から12級までの21段階で、盤の右に表示されます。図は「△」を2回押したところ（4級）です。",
     "\"Game\" → \"Computer level\" chooses the computer's strength, Level 1 to Level 5.\n\n"
     "\"△\" and \"▽\" on the menu bar set a handicap before a game. Each \"△\" takes one of the "
     "computer's pieces off, in the order bishop, rook, lance, lance, knight, knight, silver, silver, "
     "gold, gold; each \"▽\" takes one of yours off in the same order. The 21 grades run from Meijin to "
     "12-kyu and are shown right of the board. Here \"△\" was pressed twice (4-kyu).",
     "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", {{2, 2, REACH}, {8, 2, REACH}}},
    {"待ったとヒント", "Take back and hint",
     "「局面」→「待った」（Ctrl+Z）で最後の手を取り消せます。コンピュータとの対局では、"
     "コンピュータの手とその前のあなたの手が戻ります。\n\n"
     "「局面」→「ヒント」（Ctrl+H）は、あなたの番にお勧めの手を水色の枠で示し、盤の左に書きます。"
     "次にクリックすると消えます。",
     "\"Position\" → \"Take back\" (Ctrl+Z) takes the last move back; against the computer, its reply "
     "and your move before it.\n\n"
     "\"Position\" → \"Hint\" (Ctrl+H) shows a good move on your turn: its squares framed in light blue "
     "and the move written left of the board. The next click takes it away.",
     INITIAL, {{3, 7, HINT}, {3, 6, HINT}}},
    {"指導と初心者用の駒", "Guidance and beginners' pieces",
     "「ｵﾌﾟｼｮﾝ」の「移動指導」は、選んだ駒が行けるマスを白い枠で示します。"
     "「先読み」を選ぶと、指すと取り合いが続く手（相手に取るしかない手が残る手）の行き先が紫の枠で示され、"
     "そこにマウスを乗せると取り合いの順番が数字で出ます（赤はあなた、青は相手の手）。"
     "対局が終わる手なら「王を取らせて勝ち」などと盤の下に出ます。\n\n"
     "「ｵﾌﾟｼｮﾝ」→「駒 / Pieces」→「初心者用の駒」にすると、駒の動ける向きが点（一マス）と線（どこまでも）"
     "で描かれます。",
     "\"Show moves\" in the Options menu frames the squares the chosen piece can reach in white. With "
     "\"Look ahead\", the targets of moves that start a chain of forced captures are framed in magenta; "
     "point at one and the chain is numbered on the board (red: your moves, blue: the opponent's). When "
     "the chain ends the game, the result is written under the board, such as \"Your king is taken: you "
     "win\".\n\n"
     "\"Options\" → \"駒 / Pieces\" → \"Beginners' pieces\" draws on every piece where it can step "
     "(dots) and slide (lines).",
     "4k4/9/4g4/4p4/4S4/9/9/4L4/4K4 b - 1",
     {{5, 5, SELECTED}, {5, 4, CHAIN, 1}, {5, 4, 0, 2}, {5, 4, 0, 3}}},
};

}  // namespace

std::span<const Page> pages() { return PAGES; }

std::string title(const Page& page, Language language) {
    return language == Language::English ? page.titleEn : page.titleJa;
}

std::string text(const Page& page, Language language) {
    return language == Language::English ? page.textEn : page.textJa;
}

}  // namespace zelkora::help
