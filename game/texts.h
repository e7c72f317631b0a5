// Every text the player reads, by identifier, in Japanese and in English.
//
// The core never writes a user-visible text as a literal: it asks the table
// for the identifier in the language chosen (Form1::文言). The window layer
// builds its Qt translation from the same table at build time (the Japanese
// text is the source, the English one its translation), so menu captions and
// panel labels go through Qt's own translation mechanism with the same words.
//
// A text may hold the places "{1}", "{2}": they are filled in order by
// textIn(language, id, arguments). "\r" breaks a line of a message box.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "game/ports.h"

namespace zelkora {

enum class Text : int {
    // Menu captions.
    MENU_TAIKYOKU, MENU_MATCH_MAN, MENU_START, MENU_START2, MENU_SENTE, MENU_GOTE, MENU_LEVEL,
    MENU_LEVEL1, MENU_LEVEL2, MENU_LEVEL3, MENU_LEVEL4, MENU_LEVEL5, MENU_LEVEL6, MENU_OWARI,
    MENU_STOP, MENU_CANCEL, MENU_REVERSE, MENU_MATTA, MENU_HINT,
    MENU_REPLAY, MENU_AFTER, MENU_LBEL_UP, MENU_LEBEL_DOWN,
    MENU_KIFU, MENU_KIFU_READ, MENU_KIFU_WRITE, MENU_KIFU_KIF,
    MENU_OPTION, MENU_HAIKEI_GA, MENU_MIDORI, MENU_TATAMI, MENU_TAKE, MENU_UCHU, MENU_RENGA,
    MENU_HYOUJI_BAIRITU, MENU_BAIRITU_100, MENU_BAIRITU_150, MENU_BAIRITU_200,
    MENU_GENGO, MENU_NIHONGO, MENU_ENGLISH, MENU_KOMA, MENU_KOMA_DENTOU, MENU_KOMA_SHOSHIN,
    MENU_SIDOU, MENU_BGM, MENU_NYUMON, MENU_VER,

    // The record panel and the window's own boxes.
    PANEL_FILE_NAME, PANEL_GAME_NAME, PANEL_FIRST_PLAYER, PANEL_SECOND_PLAYER, PANEL_RETURN,
    DEVICE_NOT_READY, TITLE_ERROR, WINDOW_TITLE,
    // The windows of how to play and of the lessons.
    MENU_HELP, MENU_ASOBIKATA, MENU_SAKIYOMI, HELP_PREVIOUS, HELP_NEXT, HELP_CLOSE, HELP_PAGE,
    TITLE_LESSONS, LESSONS_OFFER, LESSON_CHOOSE, LESSON_HEADING, LESSON_DONE, LESSON_TRY_AGAIN,
    // The results window and its boxes.
    MENU_SEISEKI, RESULTS_LEVEL, RESULTS_GRADE, RESULTS_GAMES, RESULTS_WINS, RESULTS_LOSSES,
    RESULTS_STREAK, RESULTS_BEST_STREAK, RESULTS_MATTA, RESULTS_HINT, RESULTS_RESET, RESULTS_CLOSE,
    RESULTS_RESET_QUESTION, RESULTS_EMPTY, RESULTS_DAMAGED, RESULTS_UNWRITABLE,
    // The review window.
    MENU_KENTOU, REVIEW_MOVE, REVIEW_PLAYED, REVIEW_BEST, REVIEW_MARK, REVIEW_MISTAKE, REVIEW_BLUNDER,
    REVIEW_EVALUATION, REVIEW_CANCEL, REVIEW_CANCELLED, REVIEW_DONE,
    // What a screen reader and speech say: the board's squares and stands,
    // the players, the pieces and the news of a move; the option of speech.
    ACCESSIBLE_BOARD, SQUARE_WITH_PIECE, SQUARE_EMPTY, STAND_WITH_PIECES, STAND_WITHOUT,
    PLAYER_SENTE, PLAYER_GOTE, NEWS_CHECK,
    PIECE_HU, PIECE_TO, PIECE_KYOU, PIECE_NARIKYOU, PIECE_KEI, PIECE_NARIKEI, PIECE_GIN, PIECE_NARIGIN,
    PIECE_KIN, PIECE_KAKU, PIECE_UMA, PIECE_HISHA, PIECE_RYU, PIECE_OU,
    MENU_YOMIAGE, SPEECH_NO_ENGINE,

    // Starting, ending and quitting.
    FIRST_PLAYER_TO_MOVE, YOUR_TURN, UNSAVED_GAME, QUIT_QUESTION, NEW_GAME_QUESTION, START_OVER_QUESTION,
    OPEN_RECORD_QUESTION, TITLE_QUIT, TITLE_GAME, TITLE_START_OVER, WIN_COMPUTER, WIN_YOU, WIN_SENTE, WIN_GOTE,
    TITLE_END, CONTINUE_QUESTION, TITLE_NEW_GAME, TITLE_RECORD, START_WITH_MENU,
    TITLE_START, RESUME_QUESTION, TITLE_RESUME, RIGHT_CLICK_TO_PROMOTE, TITLE_PROMOTE,
    MUST_CAPTURE, MUST_TAKE_STRONGEST, TITLE_RULE, LIST_FULL, TITLE_MOVES,

    // Sound.
    SOUND_NO_DEVICE, SOUND_UNREADABLE, SOUND_EMPTY,

    // The computer, the hint and whose turn.
    THINKING, COMPUTER_HAS_NO_MOVE, MATE_CALL, TITLE_MATE, CHECK, HINT, NOT_YOUR_TURN, TITLE_HINT,
    NO_MOVE_TO_HINT, SENTE_TO_MOVE, GOTE_TO_MOVE, LEVEL_LABEL,

    // Stepping through the record and taking back.
    RECORD_END, TITLE_FORWARD, CANNOT_DO, TITLE_BACK, ENTRY_EMPTY_HAND, ENTRY_MISMATCH, ENTRY_OFF_BOARD,
    NOT_IN_RECORD_MODE, TITLE_REVERSE, NOT_DURING_GAME, NOTHING_TO_TAKE_BACK, TITLE_TAKE_BACK,

    // Reading and writing records.
    NO_WRITE_AFTER_REVERSE, TITLE_RECORD_WRITE, NO_WRITE_AFTER_HANDICAP, NO_WRITE_IN_LESSON, NO_FILE_NAME, NOTHING_TO_SAVE,
    TITLE_RECORD_SAVE, RECORD_WRITTEN, RECORD_UNREADABLE, RECORD_TOO_LARGE, TITLE_RECORD_READ,
    NOT_A_RECORD, RECORD_READ, RECORD_TOO_LONG, UNUSABLE_MOVES, UNUSABLE_MOVES_MORE, UNUSABLE_MOVES_STOP,
    STEP_RECORD, RECORD_NOT_CREATED, KIF_WRITTEN, BAD_FILE_NAME, SHIFT_JIS_LOSS,

    // Settings, the version box and the handicap.
    SETTINGS_UNWRITABLE, SETTINGS_UNREADABLE, SETTINGS_TOO_LARGE, SETTINGS_NOT_WRITTEN, TITLE_SETTINGS, VERSION_TEXT, TITLE_VERSION,
    HANDICAP_DURING_GAME, HANDICAP_AFTER_REVERSE, HANDICAP_RESET_FIRST,
    TITLE_HANDICAP,
    GRADE_MEIJIN, GRADE_8DAN, GRADE_7DAN, GRADE_6DAN, GRADE_5DAN, GRADE_4DAN, GRADE_3DAN, GRADE_2DAN,
    GRADE_1DAN, GRADE_1KYU, GRADE_2KYU, GRADE_3KYU, GRADE_4KYU, GRADE_5KYU, GRADE_6KYU, GRADE_7KYU,
    GRADE_8KYU, GRADE_9KYU, GRADE_10KYU, GRADE_11KYU, GRADE_12KYU,
    MOVE_NUMBER_SUFFIX,

    // After the game: the unfinished game, nothing to review.
    CONTINUE_UNFINISHED, TITLE_UNFINISHED, NOTHING_TO_REVIEW,
    // The forced-capture look-ahead, under the board.
    LOOKAHEAD_WIN, LOOKAHEAD_LOSE, LOOKAHEAD_MATE,

    Count
};

struct TextEntry {
    Text id;
    const char* ja;   // the text as the Japanese game shows it
    const char* en;   // the same in English
};

// Every entry, in the order of Text.
std::span<const TextEntry> textTable();

// The text in `language`, with "{1}", "{2}", ... replaced by the arguments in order.
std::string textIn(Language language, Text id, std::initializer_list<std::string> arguments = {});

}  // namespace zelkora
