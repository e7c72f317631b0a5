// The language and piece-set choices on Form1 with recording fakes: an English
// game that shows no Japanese anywhere (every message raised through the
// dialog port, every status text drawn), Western notation redrawn when the
// language changes, the settings file's lines, and records that do not depend
// on the language.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "records/kif_format.h"
#include "records/record_format.h"
#include "tests/common/japanese.h"
#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

// ---- An English game shows no Japanese ----

// A started program in English (read from its settings file, so even the
// sound's boxes of the first start-up are English).
struct EnglishHarness : SettingsHarness {
    EnglishHarness() { files.put(INI, SJIS_MIDORI + CRLF + "\x8c\xbe\x8c\xea=English" + CRLF); }
};

// What every scenario leaves: the messages and the texts drawn.
struct Seen {
    std::vector<std::string> texts;   // message texts, titles and drawn texts
};

void note(Seen& seen, const Harness& h) {
    for (const Message& m : h.dialogs.shown) {
        seen.texts.push_back(m.text);
        seen.texts.push_back(m.title);
    }
    for (const auto& t : h.canvas.texts()) seen.texts.push_back(t.text);
}

void setGame(Harness& h, int mode, const char* sfen) {
    h.setPosition(sfen);
    h->turn.gameMode = mode;
    h->turn.sideToMove = h->turn.lowerTag;
}

// A click in the middle of the cell (c, r).
void click(Harness& h, int c, int r, int button = LEFT_BUTTON) {
    h->Form_MouseDown(button, 0, 1050 + 495 * c + 247, 100 + 615 * r + 307);
}

const std::string RECORD_HEAD = "a\r\nb\r\nc\r\n";

struct Scenario {
    const char* name;
    void (*run)(EnglishHarness& h);
};

const Scenario SCENARIOS[] = {
    {"two humans", [](EnglishHarness& h) { h->START_Click(); }},
    {"against the computer", [](EnglishHarness& h) { h->SENTE_Click(); }},
    {"winners",
     [](EnglishHarness& h) {
         for (const char* w : {"コンピュータ", "あなた", "先手", "後手"}) h->終了(w);
     }},
    {"quitting unsaved", [](EnglishHarness& h) {
         h->moves.unsaved = true;
         h->終了確認();
     }},
    {"a click without a game", [](EnglishHarness& h) { click(h, 5, 5); }},
    {"a click with a record waiting", [](EnglishHarness& h) {
         h->moves.replay = 1;
         h->moves.entry[1] = {3, 7, 3, 6, 0, -10, -10};
         click(h, 5, 5);
     }},
    {"a click in a suspended game", [](EnglishHarness& h) {
         h->moves.count = 1;
         h->moves.entry[1] = {3, 7, 3, 6, 0, -10, -10};
         click(h, 5, 5);
     }},
    {"a pawn that must promote", [](EnglishHarness& h) {
         setGame(h, MODE_MAN, "4k4/P8/9/9/9/9/9/9/4K4 b - 1");
         click(h, 1, 2);
         click(h, 1, 1);
     }},
    {"compulsory captures", [](EnglishHarness& h) {
         // The gold can take the rook or the bishop; the king takes nothing.
         setGame(h, MODE_MAN, "4k4/9/9/9/3r1b3/4G4/9/9/4K4 b - 1");
         click(h, 5, 9);
         click(h, 5, 8);
         h->sel.clickState = 0;
         click(h, 5, 6);
         click(h, 6, 5);
     }},
    {"a full move list", [](EnglishHarness& h) {
         h->moves.count = MoveList::MAX;
         h->moveListFullRefuses();
     }},
    {"the computer thinks, checks and plays", [](EnglishHarness& h) {
         setGame(h, MODE_COM, "k8/4r4/9/9/4P4/9/9/9/4K4 w - 1");
         h->turn.sideToMove = h->turn.upperTag;
         h->com_ban();
     }},
    {"the computer mates", [](EnglishHarness& h) {
         setGame(h, MODE_COM, "4k4/r8/9/9/P8/9/9/1P7/KL7 w - 1");
         h->com_ban();
     }},
    {"the computer has no move", [](EnglishHarness& h) {
         setGame(h, MODE_COM, "9/9/9/9/4K4/9/9/9/p8 w - 1");
         h->com_ban();
     }},
    {"hints", [](EnglishHarness& h) {
         h->HINT_Click();
         setGame(h, MODE_MAN, "4k4/9/9/9/9/9/9/9/4K4 b - 1");
         h->HINT_Click();
         setGame(h, MODE_MAN, "9/9/9/9/9/9/9/9/p8 b - 1");
         h->HINT_Click();
     }},
    {"stepping", [](EnglishHarness& h) {
         h->AFTER_Click();
         h->REPLAY_Click();
         h->flags.recordMode = 1;
         h->REVERSE_Click();
         h->MATTA_Click();
         for (const MoveRecord& bad : {MoveRecord{11, 3, 5, 5, 0, -10, -10}, MoveRecord{5, 5, 5, 4, 0, -10, -10},
                                       MoveRecord{0, 0, 5, 4, 0, -10, -10}}) {
             h->moves.count = 0;
             h->moves.replay = 1;
             h->moves.entry[1] = bad;
             h->AFTER_Click();
         }
         h->moves.count = h->moves.replay;
         h->AFTER_Click();
     }},
    {"taking back", [](EnglishHarness& h) {
         h->MATTA_Click();
         setGame(h, MODE_MAN, INITIAL);
         h->MATTA_Click();
     }},
    {"saving", [](EnglishHarness& h) {
         h->KIFU_WRITE_Click();
         h->Command1_Click();
         h.panel.fields = {{1, "x"}, {2, "g"}, {3, "s"}, {4, "t"}};
         h->Command1_Click();
         h->moves.count = 1;
         h->moves.entry[1] = {3, 7, 3, 6, 0, -10, -10};
         h->Command1_Click();
         h.panel.fields[1] = "a/b";
         h->Command1_Click();
         h.panel.fields[1] = "a\tb";
         h->Command1_Click();
         h.panel.fields = {{1, "e"}, {2, "g"}, {3, "\xF0\x9F\x98\x80"}, {4, "t"}};
         h->Command1_Click();
         h->KIFU_KIF_Click();
         h.panel.fields = {{1, "k"}, {2, "g"}, {3, "s"}, {4, "t"}};
         h->Command1_Click();
         h->flags.handicapFlag = 1;
         h->KIFU_WRITE_Click();
         h->flags.reversed = 1;
         h->KIFU_WRITE_Click();
     }},
    {"reading", [](EnglishHarness& h) {
         h->File1_Click("missing.棋譜");
         h.files.put("./big.棋譜", std::string(RECORD_MAX_BYTES + 1, '\n'));
         h->File1_Click("big.棋譜");
         h.files.put("./not.棋譜", "a\r\n");
         h->File1_Click("not.棋譜");
         std::string file = RECORD_HEAD + "zz\r\n";
         for (int i = 0; i <= MoveList::MAX; ++i) file += formatMoveLine({3, 7, 3, 6, 0, -10, -10}) + "\r\n";
         h.files.put("./long.棋譜", file);
         h->File1_Click("long.棋譜");
         h.files.put("./two.棋譜", RECORD_HEAD + "zz\r\nyy\r\n" + formatMoveLine({3, 7, 3, 6, 0, -10, -10}) + "\r\n");
         h->File1_Click("two.棋譜");
     }},
    {"settings that cannot be written", [](EnglishHarness& h) {
         h.files.readOnly = true;
         h->MIDORI_Click();
     }},
    {"leaving an unsaved game", [](EnglishHarness& h) {
         h.dialogs.answers = {Answer::No, Answer::No, Answer::No};
         h->moves.unsaved = true;
         h->START_Click();
         h->CANCEL_Click();
         h.files.put("./r.棋譜", RECORD_HEAD + formatMoveLine({3, 7, 3, 6, 0, -10, -10}) + "\r\n");
         h->File1_Click("r.棋譜");
     }},
    {"settings that cannot be read", [](EnglishHarness& h) {
         for (const bool huge : {false, true}) {
             h.files.put("Zelkora.ini", std::string(huge ? 5000 : 10, 'x'));
             if (!huge) h.files.unreadable.insert("Zelkora.ini");
             h->言語_設定(Language::English);
             h->flags.settingsRefusedShown = false;
             h->読込_環境設定ファイル();
             h.files.unreadable.clear();
         }
     }},
    {"version and handicap", [](EnglishHarness& h) {
         h->VER_Click();
         h->flags.recordMode = 1;
         h->LBEL_UP_Click();
         h->flags.recordMode = 0;
         h->moves.count = 1;
         h->LBEL_UP_Click();
         h->moves.count = 0;
         h->flags.reversed = 1;
         h->LBEL_UP_Click();
         for (int grade = -10; grade <= 10; ++grade) h->描画_ハンデレベル(grade);
     }},
    {"looking ahead", [](EnglishHarness& h) {
         h->SAKIYOMI_Click();
         const struct { int mode; const char* sfen; int fx, fy, tx, ty; } chains[] = {
             {MODE_MAN, "4l3k/9/4g4/4p4/4SK3/9/9/9/9 b - 1", 5, 5, 5, 4},   // the own king taken
             {MODE_MAN, "4k4/4P4/9/9/9/9/9/9/4K4 b - 1", 5, 2, 5, 1},       // taking the king
             {MODE_COM, "4k4/9/3SG4/9/9/9/9/9/4K4 b - 1", 5, 3, 5, 2},       // mating the computer
         };
         for (const auto& c : chains) {
             setGame(h, c.mode, c.sfen);
             click(h, c.fx, c.fy);
             h->Form_MouseMove(1050 + 495 * c.tx + 100, 100 + 615 * c.ty + 100);
             click(h, c.fx, c.fy);
         }
     }},
    {"saving in a lesson", [](EnglishHarness& h) {
         h->turn.gameMode = MODE_LESSON;
         h->KIFU_WRITE_Click();
     }},
    {"an unfinished game, nothing to review", [](EnglishHarness& h) {
         setGame(h, MODE_MAN, INITIAL);
         click(h, 3, 7);
         click(h, 3, 6);
         h.dialogs.answers = {Answer::No};
         h->途中再開();
         h->KENTOU_Click();
     }},
    {"status texts", [](EnglishHarness& h) {
         setGame(h, MODE_MAN, INITIAL);
         h->画面_再描画();
         h->描画_手数(12);
         click(h, 3, 7);
         click(h, 3, 6);
     }},
};

// The English text of a message up to its first place: what a box holding it starts with.
std::string fixedPart(const TextEntry& e) {
    const std::string en = e.en;
    return en.substr(0, en.find('{'));
}

TEST(EnglishScreens, NoJapaneseInAnyMessageOrStatusText) {
    Seen seen;
    for (const Scenario& s : SCENARIOS) {
        SCOPED_TRACE(s.name);
        EnglishHarness h;
        // The first start-up finds no sound device, the second two bad wave files.
        if (&s == &SCENARIOS[0]) h.sound.deviceAvailable = false;
        if (&s == &SCENARIOS[1]) {
            h.files.unreadable.insert("その他.wav");
            h.files.put("禁止.wav", "");
        }
        h.start();
        note(seen, h);
        h.clearLogs();
        s.run(h);
        note(seen, h);
    }
    for (std::string text : seen.texts) {
        // File names keep their extension; only the game's own words count.
        for (std::size_t at; (at = text.find(".棋譜")) != std::string::npos;) text.erase(at, 7);
        for (const std::string wave : {"その他.wav", "禁止.wav"})
            for (std::size_t at; (at = text.find(wave)) != std::string::npos;) text.erase(at, wave.size());
        EXPECT_FALSE(holdsJapanese(text)) << text;
    }
    // Every message and status text of the table was raised or drawn.
    for (const TextEntry& e : textTable()) {
        const std::string name = e.ja;
        if (e.id < Text::FIRST_PLAYER_TO_MOVE) continue;   // menus and the window's own texts
        bool found = false;
        for (const std::string& text : seen.texts) found = found || text.find(fixedPart(e)) != std::string::npos;
        EXPECT_TRUE(found) << "never shown: " << e.en;
    }
}

// ---- Western notation on the screen ----

TEST(WesternNotation, LastMoveAndRanksRedrawnWhenTheLanguageChanges) {
    SettingsHarness h;
    h.start();
    setGame(h, MODE_MAN, INITIAL);
    click(h, 3, 7);
    click(h, 3, 6);
    h.clearLogs();
    h->ENGLISH_Click();
    std::vector<std::string> drawn;
    for (const auto& t : h.canvas.texts()) drawn.push_back(t.text);
    for (const char* expected : {"P-7f", "a", "i", " 1", "moves", "Gote's turn"})
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), expected), drawn.end()) << expected;
    EXPECT_EQ(h.window.languages.back(), Language::English);
    EXPECT_TRUE(h.menu.isChecked("ENGLISH"));
    EXPECT_FALSE(h.menu.isChecked("NIHONGO"));
}

// ---- The settings file ----

TEST(LanguageSettings, LinesOnlyWhenNotTheDefaultAndReadBackInAnyOrder) {
    const std::string ENGLISH = "\x8c\xbe\x8c\xea=English";                        // 言語=English
    const std::string BEGINNERS = "\x8b\xee=\x8f\x89\x90\x53\x8e\xd2\x97\x70";     // 駒=初心者用
    const std::string ENLARGED = "\x95\x5c\x8e\xa6\x94\x7b\x97\xa6=150";            // 表示倍率=150
    const struct {
        void (Form1::*choose)();
        std::string file;
        Language language;
        PieceSet pieces;
    } cases[] = {
        {&Form1::NIHONGO_Click, SJIS_MIDORI + CRLF, Language::Japanese, PieceSet::Traditional},
        {&Form1::ENGLISH_Click, SJIS_MIDORI + CRLF + ENGLISH + CRLF, Language::English, PieceSet::Traditional},
        {&Form1::KOMA_SHOSHIN_Click, SJIS_MIDORI + CRLF + BEGINNERS + CRLF, Language::Japanese, PieceSet::Beginners},
        {&Form1::KOMA_DENTOU_Click, SJIS_MIDORI + CRLF, Language::Japanese, PieceSet::Traditional},
    };
    for (const auto& c : cases) {
        SettingsHarness h;
        h.start();
        ((*h).*c.choose)();
        EXPECT_EQ(h.files.get(INI), c.file);
    }
    // Every line written after the enlargement, and read back whatever the order.
    SettingsHarness h;
    h.start();
    h->BAIRITU_150_Click();
    h->KOMA_SHOSHIN_Click();
    h->ENGLISH_Click();
    EXPECT_EQ(h.files.get(INI), SJIS_MIDORI + CRLF + ENLARGED + CRLF + ENGLISH + CRLF + BEGINNERS + CRLF);
    for (const std::string& file : {h.files.get(INI), SJIS_TAKE + CRLF + BEGINNERS + CRLF + ENGLISH + CRLF + ENLARGED}) {
        SettingsHarness again;
        again.files.put(INI, file);
        again.start();
        EXPECT_EQ(again->display.language, Language::English);
        EXPECT_EQ(again->display.pieces, PieceSet::Beginners);
        EXPECT_EQ(again->display.enlargement, 150);
        EXPECT_EQ(again.window.languages.back(), Language::English);
        EXPECT_EQ(again.canvas.pieceSets.back(), PieceSet::Beginners);
        EXPECT_TRUE(again.menu.isChecked("KOMA_SHOSHIN"));
    }
}

// ---- Records do not depend on the language ----

TEST(LanguageRecords, SavedRecordsAndKifAreTheSameBytesInBothLanguages) {
    std::string saved[2], kif[2];
    for (int english = 0; english < 2; ++english) {
        SettingsHarness h;
        h.start();
        if (english) h->ENGLISH_Click();
        setGame(h, MODE_MAN, INITIAL);
        click(h, 3, 7);
        click(h, 3, 6);
        click(h, 7, 3);
        click(h, 7, 4);
        click(h, 2, 8);
        click(h, 8, 2, RIGHT_BUTTON);
        h->KIFU_WRITE_Click();
        h.panel.fields = {{1, "game"}, {2, "第１局"}, {3, "先手の人"}, {4, "後手の人"}};
        h->Command1_Click();
        h->KIFU_KIF_Click();
        h.panel.fields = {{1, "game"}, {2, "第１局"}, {3, "先手の人"}, {4, "後手の人"}};
        h->Command1_Click();
        saved[english] = h.files.get("./game.棋譜");
        kif[english] = h.files.get("./game.kif");
        EXPECT_EQ(h->moves.count, 3);
    }
    EXPECT_FALSE(saved[0].empty());
    EXPECT_FALSE(kif[0].empty());
    EXPECT_EQ(saved[1], saved[0]);
    EXPECT_EQ(kif[1], kif[0]);
}

}  // namespace
}  // namespace zelkora::testing
