// The unfinished game: written after every move, offered again at start-up.
//
// The file is written through the file port's safe save, so a program killed
// between two moves leaves the file of the last move whole. It stands while a
// game runs and goes when the game ends, when a new game is chosen, and when
// the player declines to take it up.
#include <optional>

#include "game/Form1.h"
#include "resume/resume_file.h"

namespace zelkora {

namespace {

std::string resumePath(const Form1& f) { return pathIn(f.io.places.stateFolder, RESUME_FILE); }

bool gameRunning(const Form1& f) {
    return (f.turn.gameMode == MODE_MAN || f.turn.gameMode == MODE_COM) && f.turn.sideToMove != NOBODY &&
           f.turn.kingTaken == NOBODY && !f.display.ended && f.flags.recordMode == 0 && f.moves.count > 0;
}

// The side to move next: the other side from the one that made the last move.
int nextMover(const Form1& f) {
    const MoveRecord& last = f.moves.entry[f.moves.count];
    return isUpper(last.after) ? f.turn.lowerTag : f.turn.upperTag;
}

ResumeState stateOf(const Form1& f) {
    ResumeState s;
    s.gameMode = f.turn.gameMode;
    s.lowerTag = f.turn.lowerTag;
    s.upperTag = f.turn.upperTag;
    s.toMove = nextMover(f);
    s.level = f.flags.level;
    s.handicapGrade = f.flags.handicapGrade;
    s.handicapFlag = f.flags.handicapFlag;
    s.reversed = f.flags.reversed;
    s.moveNumber = f.moves.moveNumber;
    s.help = f.help;
    s.names = f.typedNames;
    s.board = f.board;
    s.hands = f.hands;
    s.kings = f.kings;
    s.moves.assign(f.moves.entry.begin() + 1, f.moves.entry.begin() + 1 + f.moves.count);
    return s;
}

// The state back into the game, drawn as it was left.
void takeUp(Form1& f, const ResumeState& s) {
    f.board = s.board;
    f.hands = s.hands;
    f.kings = s.kings;
    const int n = static_cast<int>(s.moves.size());
    for (int i = 1; i <= n; ++i) f.moves.entry[i] = s.moves[i - 1];
    f.moves.count = f.moves.replay = n;
    f.moves.moveNumber = s.moveNumber;
    f.moves.finished = 0;
    f.moves.unsaved = true;
    f.turn.gameMode = s.gameMode;
    f.turn.lowerTag = s.lowerTag;
    f.turn.upperTag = s.upperTag;
    f.turn.sideToMove = s.toMove;
    f.turn.kingTaken = NOBODY;
    f.flags.recordMode = 0;
    f.flags.handicapGrade = s.handicapGrade;
    f.flags.handicapFlag = s.handicapFlag;
    f.flags.reversed = s.reversed;
    f.help = s.help;
    f.sel.clickState = 0;
    f.typedNames = s.names;
    f.画面_再描画();
    f.レベル_設定(s.level);
    if (s.handicapGrade != 0) f.描画_ハンデレベル(s.handicapGrade);
    f.描画_手数(s.moveNumber);
    f.描画_手番();
    f.勢力調査();
}

}  // namespace

void Form1::途中保存() {
    if (!io.files) return;
    if (!gameRunning(*this)) {
        途中削除();
        return;
    }
    io.files->writeAll(resumePath(*this), writeResume(stateOf(*this)), RESUME_MAX_BYTES);
}

void Form1::途中削除() {
    if (io.files) io.files->remove(resumePath(*this));
}

bool Form1::途中再開() {
    std::vector<std::uint8_t> bytes;
    if (!io.files || io.files->readAll(resumePath(*this), RESUME_MAX_BYTES, bytes) != ReadResult::Ok) return false;
    const std::optional<ResumeState> state = readResume(bytes);
    if (!state || state->moves.empty() ||
        io.dialogs->message(文言(Text::CONTINUE_UNFINISHED), 文言(Text::TITLE_UNFINISHED), Buttons::YesNo) !=
            Answer::Yes) {
        途中削除();
        return false;
    }
    takeUp(*this, *state);
    // The computer's reply was not yet made when the game was left.
    if (turn.gameMode == MODE_COM && turn.sideToMove == turn.upperTag) com_ban();
    return true;
}

}  // namespace zelkora
