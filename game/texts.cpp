// The table of every text the player reads. The Japanese column is the game's
// original wording, byte for byte (half-width katakana stays half-width); the
// English column says the same in about the same room, since each text is
// drawn where the Japanese one stands.
#include "game/texts.h"

#include <array>

namespace zelkora {

namespace {

using enum Text;

constexpr TextEntry TEXTS[] = {
    {MENU_TAIKYOKU, "対局", "Game"},
    {MENU_MATCH_MAN, "対局(人間)", "Two players"},
    {MENU_START, "スタート", "Start"},
    {MENU_START2, "対局(COM)", "Against the computer"},
    {MENU_SENTE, "先手", "Move first"},
    {MENU_GOTE, "後手", "Move second"},
    {MENU_LEVEL, "COM対局ﾚﾍﾞﾙ", "Computer level"},
    {MENU_LEVEL1, "LEVEL1", "Level 1"},
    {MENU_LEVEL2, "LEVEL2", "Level 2"},
    {MENU_LEVEL3, "LEVEL3", "Level 3"},
    {MENU_LEVEL4, "LEVEL4", "Level 4"},
    {MENU_LEVEL5, "LEVEL5", "Level 5"},
    {MENU_LEVEL6, "LEVEL6", "Level 6"},
    {MENU_OWARI, "終わり", "Quit"},
    {MENU_STOP, "局面", "Position"},
    {MENU_CANCEL, "最初", "Start over"},
    {MENU_REVERSE, "反転", "Turn board"},
    {MENU_MATTA, "待った", "Take back"},
    {MENU_HINT, "ヒント", "Hint"},
    {MENU_REPLAY, "戻", "Back"},
    {MENU_AFTER, "進", "Forward"},
    {MENU_LBEL_UP, "△", "△"},
    {MENU_LEBEL_DOWN, "▽", "▽"},
    {MENU_KIFU, "棋譜", "Record"},
    {MENU_KIFU_READ, "読込", "Open"},
    {MENU_KIFU_WRITE, "書込", "Save"},
    {MENU_KIFU_KIF, "KIF書出", "Export KIF"},
    {MENU_OPTION, "ｵﾌﾟｼｮﾝ", "Options"},
    {MENU_HAIKEI_GA, "背景画", "Background"},
    {MENU_MIDORI, "緑", "Green"},
    {MENU_TATAMI, "畳", "Tatami"},
    {MENU_TAKE, "竹", "Bamboo"},
    {MENU_UCHU, "宇宙", "Space"},
    {MENU_RENGA, "煉瓦", "Brick"},
    {MENU_HYOUJI_BAIRITU, "表示倍率", "Zoom"},
    {MENU_BAIRITU_100, "100%", "100%"},
    {MENU_BAIRITU_150, "150%", "150%"},
    {MENU_BAIRITU_200, "200%", "200%"},
    // Both captions stay bilingual, so either reader finds the way back.
    {MENU_GENGO, "言語 / Language", "言語 / Language"},
    {MENU_NIHONGO, "日本語", "日本語"},
    {MENU_ENGLISH, "English", "English"},
    {MENU_KOMA, "駒 / Pieces", "駒 / Pieces"},
    {MENU_KOMA_DENTOU, "伝統の駒", "Traditional"},
    {MENU_KOMA_SHOSHIN, "初心者用の駒", "Beginners' pieces"},
    {MENU_SIDOU, "移動指導", "Show moves"},
    {MENU_BGM, "BGM", "Music"},
    {MENU_NYUMON, "入門", "Lessons"},
    {MENU_VER, "その他", "About"},

    {PANEL_FILE_NAME, "ﾌｧｲﾙ名 ：", "File:"},
    {PANEL_GAME_NAME, "対 局 名：", "Game:"},
    {PANEL_FIRST_PLAYER, "先    手 ：", "Sente:"},
    {PANEL_SECOND_PLAYER, "後    手 ：", "Gote:"},
    {PANEL_RETURN, "RETURN", "Back"},
    {DEVICE_NOT_READY, "ﾃﾞﾊﾞｲｽが準備できていません", "The device is not ready"},
    {TITLE_ERROR, "ｴﾗｰ", "Error"},
    {WINDOW_TITLE, "Zelkora", "Zelkora"},
    {MENU_HELP, "ﾍﾙﾌﾟ", "Help"},
    {MENU_ASOBIKATA, "遊び方", "How to play"},
    {MENU_SAKIYOMI, "先読み", "Look ahead"},
    {HELP_PREVIOUS, "前へ", "Back"},
    {HELP_NEXT, "次へ", "Next"},
    {HELP_CLOSE, "閉じる", "Close"},
    {HELP_PAGE, "{1} / {2}", "{1} / {2}"},
    {TITLE_LESSONS, "入門", "Lessons"},
    {LESSONS_OFFER, "入門を始めますか？", "Would you like to start with the lessons?"},
    {LESSON_CHOOSE, "入門を選んで下さい（✓は済み）", "Choose a lesson (✓: done)"},
    {LESSON_HEADING, "入門{1}　{2}", "Lesson {1}: {2}"},
    {LESSON_DONE, "できました！「入門」から次へ進めます。", "Well done! Choose the next one from Lessons."},
    {LESSON_TRY_AGAIN, "もう一度：", "Try again: "},
    {MENU_SEISEKI, "成績", "Results"},
    {RESULTS_LEVEL, "レベル", "Level"},
    {RESULTS_GRADE, "ハンデ", "Handicap"},
    {RESULTS_GAMES, "対局数", "Games"},
    {RESULTS_WINS, "勝ち", "Wins"},
    {RESULTS_LOSSES, "負け", "Losses"},
    {RESULTS_STREAK, "連勝中", "Streak"},
    {RESULTS_BEST_STREAK, "最多連勝", "Best streak"},
    {RESULTS_MATTA, "待った使用", "With take-back"},
    {RESULTS_HINT, "ヒント使用", "With hint"},
    {RESULTS_RESET, "成績を消す", "Reset"},
    {RESULTS_CLOSE, "閉じる", "Close"},
    {RESULTS_RESET_QUESTION, "成績をすべて消しますか？", "Reset all results?"},
    {RESULTS_EMPTY, "まだ成績はありません", "No results yet"},
    {RESULTS_DAMAGED, "成績ファイルが壊れていたので {1} として残しました", "The results file was damaged and was kept as {1}"},
    {RESULTS_UNWRITABLE, "成績を保存できません: {1}", "The results cannot be saved: {1}"},
    {MENU_KENTOU, "検討", "Review"},
    {REVIEW_MOVE, "手", "Move"},
    {REVIEW_PLAYED, "指し手", "Played"},
    {REVIEW_BEST, "最善手", "Best"},
    {REVIEW_MARK, "判定", "Mark"},
    {REVIEW_MISTAKE, "悪手", "Mistake"},
    {REVIEW_BLUNDER, "大悪手", "Blunder"},
    {REVIEW_EVALUATION, "評価値（下手から）", "Evaluation (lower side)"},
    {REVIEW_CANCEL, "中止", "Cancel"},
    {REVIEW_CANCELLED, "中止しました", "Cancelled"},
    {REVIEW_DONE, "検討が終わりました", "Review finished"},
    {ACCESSIBLE_BOARD, "将棋盤", "Shogi board"},
    {SQUARE_WITH_PIECE, "{1} {2}の{3}", "{1}: {2} {3}"},
    {SQUARE_EMPTY, "{1} 空き", "{1}: empty"},
    {STAND_WITH_PIECES, "{1}の駒台 {2} {3}枚", "{1}'s stand: {2} x{3}"},
    {STAND_WITHOUT, "{1}の駒台 {2} なし", "{1}'s stand: no {2}"},
    {PLAYER_SENTE, "先手", "Sente"},
    {PLAYER_GOTE, "後手", "Gote"},
    {NEWS_CHECK, "王手", "Check"},
    {PIECE_HU, "歩", "pawn"},
    {PIECE_TO, "と", "tokin"},
    {PIECE_KYOU, "香", "lance"},
    {PIECE_NARIKYOU, "成香", "promoted lance"},
    {PIECE_KEI, "桂", "knight"},
    {PIECE_NARIKEI, "成桂", "promoted knight"},
    {PIECE_GIN, "銀", "silver"},
    {PIECE_NARIGIN, "成銀", "promoted silver"},
    {PIECE_KIN, "金", "gold"},
    {PIECE_KAKU, "角", "bishop"},
    {PIECE_UMA, "馬", "horse"},
    {PIECE_HISHA, "飛", "rook"},
    {PIECE_RYU, "龍", "dragon"},
    {PIECE_OU, "王", "king"},
    {MENU_YOMIAGE, "読み上げ", "Read aloud"},
    {SPEECH_NO_ENGINE, "読み上げ（音声エンジンがありません）", "Read aloud (no speech engine installed)"},

    {FIRST_PLAYER_TO_MOVE, "先手の番です", "Sente moves first"},
    {YOUR_TURN, "あなたの番です", "Your move"},
    {UNSAVED_GAME, "保存していない対局があります", "This game has not been saved."},
    {QUIT_QUESTION, "終了しますか？", "Quit anyway?"},
    {NEW_GAME_QUESTION, "新しい対局を始めますか？", "Start a new game anyway?"},
    {START_OVER_QUESTION, "最初に戻しますか？", "Start over anyway?"},
    {OPEN_RECORD_QUESTION, "棋譜を読み込みますか？", "Open a record anyway?"},
    {TITLE_QUIT, "終わり", "Quit"},
    {TITLE_GAME, "対局", "Game"},
    {TITLE_START_OVER, "最初", "Start over"},
    {WIN_COMPUTER, "コンピュータの勝ちです", "The computer wins"},
    {WIN_YOU, "あなたの勝ちです", "You win"},
    {WIN_SENTE, "先手の勝ちです", "Sente wins"},
    {WIN_GOTE, "後手の勝ちです", "Gote wins"},
    {TITLE_END, "終了", "Game over"},
    {CONTINUE_QUESTION, "続けますか？", "Play again?"},
    {TITLE_NEW_GAME, "再ゲーム", "New game"},
    {TITLE_RECORD, "棋譜", "Record"},
    {START_WITH_MENU, "「対局」で始めて下さい", "Start a game from the menu \"Game\""},
    {TITLE_START, "開始", "Start"},
    {RESUME_QUESTION, "OKですか？", "Ready?"},
    {TITLE_RESUME, "再開", "Resume"},
    {RIGHT_CLICK_TO_PROMOTE, "マウスの右をクリックして下さい", "Click with the right mouse button"},
    {TITLE_PROMOTE, "成り", "Promotion"},
    {MUST_CAPTURE, "取れる駒は取らな\r\rければなりません", "A piece that can be taken\r\rmust be taken"},
    {MUST_TAKE_STRONGEST, "取れる駒のうち、強い駒\r\rを取らなければなりません",
     "Of the pieces that can be taken,\r\rthe strongest must be taken"},
    {TITLE_RULE, "ルール", "Rule"},
    {LIST_FULL, "これ以上指せません", "No more moves can be played"},
    {TITLE_MOVES, "手順", "Moves"},

    {SOUND_NO_DEVICE, "Direct Soundインターフェースが作成できません。", "The sound device cannot be opened."},
    {SOUND_UNREADABLE, "ファイル {1} を読み込めません。", "Cannot read the file {1}."},
    {SOUND_EMPTY, "ファイル {1} にデータがありません。", "The file {1} holds no sound."},

    {THINKING, "思考中", "Thinking…"},
    {COMPUTER_HAS_NO_MOVE, "コンピュータは指す手がありません", "The computer has no move left"},
    {MATE_CALL, "よし！!", "Got you!"},
    {TITLE_MATE, "詰め ?", "Mate ?"},
    {CHECK, "   ** 王手 **", "   ** Check **"},
    {HINT, "ヒント", "Hint"},
    {NOT_YOUR_TURN, "あなたの番ではありません", "It is not your move"},
    {TITLE_HINT, "ヒント", "Hint"},
    {NO_MOVE_TO_HINT, "指せる手がありません", "There is no move to play"},
    {SENTE_TO_MOVE, "先手の番", "Sente's turn"},
    {GOTE_TO_MOVE, "後手の番", "Gote's turn"},
    {LEVEL_LABEL, "LEVEL", "LEVEL"},

    {RECORD_END, "終わり", "End of the record"},
    {TITLE_FORWARD, "進む", "Forward"},
    {CANNOT_DO, "できません", "Not possible"},
    {TITLE_BACK, "戻る", "Back"},
    {ENTRY_EMPTY_HAND, "棋譜の{1}手目の持駒がありません", "Move {1} of the record drops a piece not in hand"},
    {ENTRY_MISMATCH, "棋譜の{1}手目は盤面と合いません", "Move {1} of the record does not fit the board"},
    {ENTRY_OFF_BOARD, "棋譜の{1}手目は盤の外を指しています", "Move {1} of the record points off the board"},
    {NOT_IN_RECORD_MODE, "棋譜ﾓｰﾄﾞではできません", "Not possible while a record is stepped through"},
    {TITLE_REVERSE, "反転", "Turn board"},
    {NOT_DURING_GAME, "対局中ではありません", "No game is being played"},
    {NOTHING_TO_TAKE_BACK, "戻せる手がありません", "There is no move to take back"},
    {TITLE_TAKE_BACK, "待った", "Take back"},

    {NO_WRITE_AFTER_REVERSE, "反転後は書き込みできません", "Cannot save after turning the board"},
    {TITLE_RECORD_WRITE, "棋譜書込", "Save record"},
    {NO_WRITE_AFTER_HANDICAP, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "Cannot save after setting a handicap"},
    {NO_WRITE_IN_LESSON, "入門の局面は書き込みできません", "A lesson's position cannot be saved"},
    {NO_FILE_NAME, "ﾌｧｲﾙ名が入力されていません", "No file name was entered"},
    {NOTHING_TO_SAVE, "保存するデータがありません", "There is nothing to save"},
    {TITLE_RECORD_SAVE, "棋譜保存", "Save record"},
    {RECORD_WRITTEN, "棋譜を書き込みました", "The record was saved"},
    {RECORD_UNREADABLE, "棋譜ﾌｧｲﾙを開けません\r{1}", "Cannot open the record file\r{1}"},
    {RECORD_TOO_LARGE, "棋譜ﾌｧｲﾙとしては大きすぎます\r{1}", "Too large for a record file\r{1}"},
    {TITLE_RECORD_READ, "棋譜読込", "Open record"},
    {NOT_A_RECORD, "棋譜ﾌｧｲﾙではありません", "This is not a record file"},
    {RECORD_READ, " 読み込みました", " The record was read"},
    {RECORD_TOO_LONG, "棋譜ﾌｧｲﾙが{1}手を超えています\r{2}手目からは読み込みません",
     "The record holds more than {1} moves\rMoves from {2} on are not read"},
    {UNUSABLE_MOVES, "使えない手があります：{1}行目", "An unusable move: line {1}"},
    {UNUSABLE_MOVES_MORE, "ほか{1}手", " and {1} more"},
    {UNUSABLE_MOVES_STOP, "\r'進 'はその手の前で止まります", "\r'Forward' stops before it"},
    {STEP_RECORD, "棋譜を '進 'で進めて下さい", "Step through the record with 'Forward'"},
    {RECORD_NOT_CREATED, "棋譜ﾌｧｲﾙを作成できません\r{1}", "Cannot create the record file\r{1}"},
    {KIF_WRITTEN, "KIFで書き出しました", "Exported as KIF"},
    {BAD_FILE_NAME, "ﾌｧｲﾙ名に使えない文字があります", "The file name holds a character that cannot be used"},
    {SHIFT_JIS_LOSS, "Shift_JIS で書けない文字があります。そのまま書きますか？\r（KIF書出で名前を .kifu にすると UTF-8 で残ります）",
     "Some characters cannot be written in Shift_JIS. Write anyway?\r(KIF export to a name ending in .kifu keeps them in "
     "UTF-8.)"},

    {SETTINGS_UNWRITABLE, "設定ファイルに書き込めません。\r{1}\r背景画は緑を使い、選んだ背景画は次の起動まで残りません。",
     "Cannot write the settings file.\r{1}\rThe green background is used; the choices made are not kept for the "
     "next start."},
    {SETTINGS_UNREADABLE, "設定ファイルを読み込めません。\r{1}", "Cannot read the settings file.\r{1}"},
    {SETTINGS_TOO_LARGE, "設定ファイルが{2}バイトを超えています。\r{1}",
     "The settings file is larger than {2} bytes.\r{1}"},
    {SETTINGS_NOT_WRITTEN, "\rこの起動では初期設定を使います。オプションを変えるまでファイルには書き込みません。",
     "\rThe default settings are used for this run; the file is not written until you change an option."},
    {TITLE_SETTINGS, "環境設定", "Settings"},
    {VERSION_TEXT,
     "Zelkora  バージョン {1}\r\r"
     "取れる駒は必ず取り、自分の玉を取られた方が勝ちになる「負け将棋」です。\r\r"
     "作: Zelkora 開発チーム（絵と音もこのプログラムのために作りました）",
     "Zelkora  version {1}\r\r"
     "Shogi played to lose: a piece that can be taken must be taken, and the player whose king is taken wins.\r\r"
     "By the Zelkora team (the pictures and sounds were made for this program too)"},
    {TITLE_VERSION, "バージョン情報", "About Zelkora"},
    {HANDICAP_DURING_GAME, "対局途中ではできません", "Not possible during a game"},
    {HANDICAP_AFTER_REVERSE, "反転後ではできません", "Not possible after turning the board"},
    {HANDICAP_RESET_FIRST, "局面→最初にして下さい", "Choose Position → Start over first"},
    {TITLE_HANDICAP, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", "Handicap"},
    {GRADE_MEIJIN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "Handicap: Meijin"},
    {GRADE_8DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "Handicap: 8-dan"},
    {GRADE_7DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "Handicap: 7-dan"},
    {GRADE_6DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "Handicap: 6-dan"},
    {GRADE_5DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段", "Handicap: 5-dan"},
    {GRADE_4DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "Handicap: 4-dan"},
    {GRADE_3DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "Handicap: 3-dan"},
    {GRADE_2DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "Handicap: 2-dan"},
    {GRADE_1DAN, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "Handicap: 1-dan"},
    {GRADE_1KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級", "Handicap: 1-kyu"},
    {GRADE_2KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "Handicap: 2-kyu"},
    {GRADE_3KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "Handicap: 3-kyu"},
    {GRADE_4KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "Handicap: 4-kyu"},
    {GRADE_5KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "Handicap: 5-kyu"},
    {GRADE_6KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級", "Handicap: 6-kyu"},
    {GRADE_7KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "Handicap: 7-kyu"},
    {GRADE_8KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "Handicap: 8-kyu"},
    {GRADE_9KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "Handicap: 9-kyu"},
    {GRADE_10KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "Handicap: 10-kyu"},
    {GRADE_11KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級", "Handicap: 11-kyu"},
    {GRADE_12KYU, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級", "Handicap: 12-kyu"},
    {MOVE_NUMBER_SUFFIX, "手目", "moves"},
    {CONTINUE_UNFINISHED, "前回の対局を続けますか？", "Continue the unfinished game?"},
    {TITLE_UNFINISHED, "前回の対局", "Unfinished game"},
    {NOTHING_TO_REVIEW, "検討する棋譜がありません", "There is no game to review"},
    {LOOKAHEAD_WIN, "王を取らせて勝ち", "Your king is taken: you win"},
    {LOOKAHEAD_LOSE, "王を取って負け", "You take the king: you lose"},
    {LOOKAHEAD_MATE, "詰ませて負け", "You mate the king: you lose"},
};

static_assert(std::size(TEXTS) == static_cast<std::size_t>(Text::Count), "one entry per text identifier");

// The entries are written in the order of Text; checked once at compile time.
constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(TEXTS); ++i)
        if (static_cast<std::size_t>(TEXTS[i].id) != i) return false;
    return true;
}
static_assert(inOrder(), "the table follows the order of Text");

}  // namespace

std::span<const TextEntry> textTable() { return TEXTS; }

std::string textIn(Language language, Text id, std::initializer_list<std::string> arguments) {
    const TextEntry& entry = TEXTS[static_cast<std::size_t>(id)];
    const std::string pattern = language == Language::English ? entry.en : entry.ja;
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        // "{n}" with a single digit n names the n-th argument.
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < arguments.size()) text += *(arguments.begin() + n);
            i += 2;
            continue;
        }
        text += pattern[i];
    }
    return text;
}

}  // namespace zelkora
