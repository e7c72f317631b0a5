// The table of screenshot scenarios and the run that writes them.
#include "app/screenshots.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>

#include "app/console_dialogs.h"
#include "app/lesson_mode.h"
#include "app/how_to_play.h"
#include "app/screenshots_after_game.h"
#include "app/main_window.h"
#include "display/qt/canvas_widget.h"
#include "display/qt/qt_dialogs.h"
#include "display/qt/record_panel.h"
#include "game/sfen.h"

namespace zelkora {
namespace {

// A left click on the centre of cell (c, r) of the game grid.
void click(MainWindow& w, int c, int r) {
    const QPointF at(w.pixelOf(1050 + 495 * c + 247, 100 + 615 * r + 307));
    QMouseEvent press(QEvent::MouseButtonPress, at, w.canvasWidget().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&w.canvasWidget(), &press);
}

// The whole screen redrawn on background picture `code`, its item checked,
// with the status texts that were on screen, as the background menu does.
void showBackground(MainWindow& w, int code) {
    Form1& f = w.form();
    f.チェック設定(code);
    f.display.background = code;
    f.画面_再描画_状態込み();
}

// Against the computer at level 1: the human opens the bishop's diagonal and
// then must take the pawn at its end. Clicks wait for the computer's reply
// (the board ignores them while it thinks). The level is set without the
// menu, which would write the settings file.
void computerGame(MainWindow& w) {
    w.form().レベル_設定(1);
    w.menuAction("SENTE")->trigger();
    for (const auto& [c, r] : {std::pair{3, 7}, {3, 6}, {2, 8}, {7, 3}}) {
        click(w, c, r);
        w.waitUntilIdle();
    }
}

// The window turned to English as the menu does, without writing the choice
// to the settings file.
void english(MainWindow& w) {
    w.form().言語_設定(Language::English);
    w.form().画面_再描画_状態込み();
}

// "棋譜" → "書込" with the four fields filled in.
void recordPanel(MainWindow& w, const std::pair<const char*, const char*> (&fields)[4]) {
    w.menuAction("KIFU_WRITE")->trigger();
    for (const auto& [name, text] : fields)
        if (auto* edit = qobject_cast<QLineEdit*>(w.recordPanel().control(name))) edit->setText(QString::fromUtf8(text));
}

// A game well under way in the beginners' set: both sides have promoted
// pieces (the lower side a horse, a promoted silver and a promoted lance; the
// upper side a dragon, a tokin and a promoted knight) among the unpromoted
// kinds. The set is chosen without the menu, which would write the settings.
void beginnersPieces(MainWindow& w) {
    Form1& f = w.form();
    Position p;
    std::string error;
    if (!parseSfen("l2gk1snl/5g1+B1/p1nppp1pp/1pp3p2/9/2P3+n1+L/PP1PPP+p1P/1+r3+S1R1/LN1GKG1N1 b Bsp 1", p, error))
        return;
    loadPosition(f, p);
    f.駒_設定(PieceSet::Beginners);
    f.画面_再描画_状態込み();
}

// A lesson's move as two clicks on the canvas (right-click on a promoting target).
void lessonMove(MainWindow& w, int fx, int fy, int tx, int ty) {
    click(w, fx, fy);
    click(w, tx, ty);
}

// The first lesson as it opens: the position, and its goal under the board.
void lessonStart(MainWindow& w) { w.lessons().start(0); }

// "You must take": the bishop takes instead of the pawn; the move is taken
// back and the panel says why.
void lessonWrong(MainWindow& w) {
    w.lessons().start(3);
    lessonMove(w, 7, 6, 5, 4);
}

// The lure played to its end: the knight has taken the king, the lesson is done.
void lessonDone(MainWindow& w) {
    w.lessons().start(6);
    lessonMove(w, 3, 6, 3, 5);
    lessonMove(w, 3, 8, 2, 7);
}

// The first start's question, drawn as the box the program shows, inside the
// window (a modal box is a window of its own that a grab leaves out).
void lessonsOffer(MainWindow& w) { showBoxInWindow(w, Text::LESSONS_OFFER, Text::TITLE_LESSONS); }

// The lesson pictures in Japanese and English, each at 100% and 200%.
std::vector<ScreenshotScenario> withLessonPictures(std::vector<ScreenshotScenario> rows) {
    static std::vector<std::string> names;
    const std::pair<const char*, void (*)(MainWindow&)> lessons[] = {
        {"lesson-start", lessonStart}, {"lesson-wrong", lessonWrong}, {"lesson-done", lessonDone},
        {"lessons-offer", lessonsOffer}};
    names.reserve(std::size(lessons) * 4);
    for (const auto& [name, drive] : lessons)
        for (const bool inEnglish : {false, true})
            for (const int percent : {100, 200}) {
                names.push_back(std::string(name) + (inEnglish ? "-english" : "") + (percent == 200 ? "-200" : ""));
                rows.push_back({names.back().c_str(), [drive, inEnglish, percent](MainWindow& w) {
                                    w.lessons().writesProgress = false;
                                    if (inEnglish) english(w);
                                    if (percent != 100) w.form().表示倍率_設定(percent);
                                    drive(w);
                                }});
            }
    return rows;
}

// "遊び方" opened with F1's menu item on page `page` (0-based).
void howToPlay(MainWindow& w, int page) {
    w.menuAction("ASOBIKATA")->trigger();
    w.howToPlay()->showPage(page);
}

// The page of "遊び方" in English and at 200%, set without the menu.
std::function<void(MainWindow&)> howToPlayIn(int page, bool inEnglish, int percent) {
    return [=](MainWindow& w) {
        if (inEnglish) english(w);
        if (percent != 100) w.form().表示倍率_設定(percent);
        howToPlay(w, page);
    };
}

// Two humans, "先読み" and "移動指導" on: the lower silver is selected; its
// target 5四 (taking the pawn) starts a chain of forced captures, the mouse
// is over it and the chain is numbered: the gold takes back, the king must
// take the gold and the lance takes the king, a win for the lower player.
void lookAhead(MainWindow& w) {
    Form1& f = w.form();
    Position p;
    std::string error;
    if (!parseSfen("4l3k/9/4g4/4p4/4SK3/9/9/9/9 b - 1", p, error)) return;
    loadPosition(f, p);
    f.turn.gameMode = MODE_MAN;
    f.画面_再描画();
    w.menuAction("SIDOU")->trigger();
    w.menuAction("SAKIYOMI")->trigger();
    click(w, 5, 5);
    const QPointF at(w.pixelOf(1050 + 495 * 5 + 247, 100 + 615 * 4 + 307));
    QMouseEvent move(QEvent::MouseMove, at, w.canvasWidget().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w.canvasWidget(), &move);
}

std::function<void(MainWindow&)> lookAheadIn(bool inEnglish, int percent) {
    return [=](MainWindow& w) {
        if (inEnglish) english(w);
        if (percent != 100) w.form().表示倍率_設定(percent);
        lookAhead(w);
    };
}

// One row per picture: its name and how to get there from a fresh window.
const std::vector<ScreenshotScenario> SCENARIOS = withKeyboardPictures(withAfterGamePictures(withLessonPictures({
    // The window as a player first sees it: initial position, empty stands,
    // the background from the settings and the title.
    {"startup", [](MainWindow&) {}},
    // The same at the enlargements of "表示倍率" (set without the menu, which
    // would rewrite the settings file).
    {"startup-150", [](MainWindow& w) { w.form().表示倍率_設定(150); }},
    {"startup-200", [](MainWindow& w) { w.form().表示倍率_設定(200); }},
    // A window resized by hand, wider than the board's proportions: the board
    // enlarged to the height, centred, the background continued on both sides.
    {"resized",
     [](MainWindow& w) {
         const QSize menuBar = w.size() - w.canvasWidget().size();
         w.resize(QSize(1000, 640) + menuBar);
     }},
    // Two humans four moves in, guidance on: the bishops face each other, the
    // lower player picked a pawn instead of taking the bishop and was refused.
    // The pawn stays selected (red), its target is outlined, and the bishop
    // that must be taken is outlined in white.
    {"midgame",
     [](MainWindow& w) {
         w.menuAction("SIDOU")->trigger();
         w.menuAction("START")->trigger();
         for (const auto& [c, r] : {std::pair{8, 7}, {8, 6}, {2, 3}, {2, 4}, {3, 7}, {3, 6}, {7, 3}, {7, 4}, {8, 6}, {8, 5}})
             click(w, c, r);
     }},
    // The four other backgrounds. The picture is switched without the menu so
    // that taking screenshots leaves the player's "Zelkora.ini" as it was.
    {"tatami", [](MainWindow& w) { showBackground(w, PIC_TATAMI); }},
    {"bamboo", [](MainWindow& w) { showBackground(w, PIC_TAKE); }},
    {"space", [](MainWindow& w) { showBackground(w, PIC_UCHU); }},
    {"brick", [](MainWindow& w) { showBackground(w, PIC_RENGA); }},
    // Against the computer at level 1, the human moving first: the human opens
    // the bishop's diagonal and then must take the pawn at its end. The level
    // is shown top left, the computer's last move left of the board, the
    // human's right of it, the move number under that, captured pieces on the
    // stands.
    {"computer-game", computerGame},
    // The same game with the bamboo background chosen afterwards: level, move
    // number and both last moves are drawn again on the new background.
    {"computer-game-bamboo",
     [](MainWindow& w) {
         computerGame(w);
         showBackground(w, PIC_TAKE);
     }},
    // Two humans three moves in (２六歩, ８四歩, ２五歩): under the move number
    // "後手の番" says that the upper player is to move.
    {"two-humans-turn",
     [](MainWindow& w) {
         w.menuAction("START")->trigger();
         for (const auto& [c, r] : {std::pair{8, 7}, {8, 6}, {2, 3}, {2, 4}, {8, 6}, {8, 5}}) click(w, c, r);
     }},
    // Against the computer, before the first move, the player asks for a hint
    // ("局面" → "ヒント"): the strongest search's move is outlined (source and
    // target, light blue) and written under "ヒント" left of the board.
    {"hint",
     [](MainWindow& w) {
         w.menuAction("SENTE")->trigger();
         w.menuAction("HINT")->trigger();
     }},
    // The computer takes the human's king (an upper pawn stands in front of it): the
    // picture is taken when "あなたの勝ちです" appears. The winning move stands on
    // the board, outlined, and in notation where "思考中" was.
    {"computer-takes-king",
     [](MainWindow& w) {
         Form1& f = w.form();
         Position p;
         std::string error;
         if (!parseSfen("lnsgkgsnl/1r5b1/pppp1pppp/9/9/9/PPPPpPPPP/1B2K2R1/LNSG1GSNL w - 1", p, error)) return;
         loadPosition(f, p);
         f.turn = TurnState{SENTE, GOTE, GOTE, MODE_COM, NOBODY};
         f.画面_再描画();
         f.com_ban();
     },
     true},
    // Four presses of "△": the computer starts without its bishop, rook and both
    // lances; the grade's label stands right of the board.
    {"handicap",
     [](MainWindow& w) {
         for (int i = 0; i < 4; ++i) w.menuAction("LBEL_UP")->trigger();
     }},
    // The beginners' pieces with their movement marks, in Japanese, the same
    // in English, and at 200% (enlarged after the pieces were drawn, so the
    // screen is drawn again from what was kept).
    {"beginners-pieces", beginnersPieces},
    {"beginners-pieces-english",
     [](MainWindow& w) {
         beginnersPieces(w);
         english(w);
     }},
    {"beginners-pieces-200",
     [](MainWindow& w) {
         beginnersPieces(w);
         w.form().表示倍率_設定(200);
     }},
    // "棋譜" → "書込": the drive and folder lists over the upper left, the four
    // labelled fields filled in Japanese and "RETURN".
    {"panel",
     [](MainWindow& w) {
         recordPanel(w, {{"Text2", "第１局"}, {"Text3", "先手の人"}, {"Text4", "後手の人"}, {"Text1", "棋譜の例"}});
     }},
    // The start-up, the computer's game and the panel in English: the menu
    // bar and the texts on the board; the level, both last moves and the move
    // number; the panel's labels, each in its place.
    {"startup-english", english},
    {"computer-game-english",
     [](MainWindow& w) {
         english(w);
         computerGame(w);
     }},
    // English board texts at 200%: their shadows a pixel's width off at any
    // enlargement.
    {"computer-game-english-200",
     [](MainWindow& w) {
         english(w);
         w.form().表示倍率_設定(200);
         computerGame(w);
     }},
    // "遊び方": the first page, the compulsory capture with its refusal box and
    // the promotion, in both languages; the rule page also at 200%.
    {"how-to-play-first", howToPlayIn(0, false, 100), false, true},
    {"how-to-play-capture", howToPlayIn(4, false, 100), false, true},
    {"how-to-play-promotion", howToPlayIn(2, false, 100), false, true},
    {"how-to-play-first-english", howToPlayIn(0, true, 100), false, true},
    {"how-to-play-capture-english", howToPlayIn(4, true, 100), false, true},
    {"how-to-play-promotion-english", howToPlayIn(2, true, 100), false, true},
    {"how-to-play-first-200", howToPlayIn(0, false, 200), false, true},
    {"how-to-play-capture-200", howToPlayIn(4, false, 200), false, true},
    {"how-to-play-promotion-200", howToPlayIn(2, false, 200), false, true},
    {"how-to-play-first-english-200", howToPlayIn(0, true, 200), false, true},
    {"how-to-play-capture-english-200", howToPlayIn(4, true, 200), false, true},
    {"how-to-play-promotion-english-200", howToPlayIn(2, true, 200), false, true},
    // "先読み": the chain of the target under the mouse, numbered.
    {"look-ahead", lookAheadIn(false, 100)},
    {"look-ahead-english", lookAheadIn(true, 100)},
    {"look-ahead-200", lookAheadIn(false, 200)},
    {"look-ahead-english-200", lookAheadIn(true, 200)},
    {"panel-english",
     [](MainWindow& w) {
         english(w);
         recordPanel(w, {{"Text2", "Game 1"}, {"Text3", "First player"}, {"Text4", "Second player"},
                         {"Text1", "example"}});
     }},
})));

// The console's answers, with a hook that runs once before the first answer.
class ScreenshotDialogs : public ConsoleDialogs {
public:
    std::function<void()> beforeAnswer;
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
        if (beforeAnswer) std::exchange(beforeAnswer, nullptr)();
        return ConsoleDialogs::message(text, title, buttons, icon);
    }
};

bool save(const QImage& picture, const QString& path) {
    if (picture.save(path)) {
        std::printf("%s\n", qPrintable(QDir::cleanPath(path)));
        return true;
    }
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

std::span<const ScreenshotScenario> screenshotScenarios() { return SCENARIOS; }

void showBoxInWindow(MainWindow& w, Text text, Text title) {
    auto* box = new QMessageBox(&w);
    const Language language = w.form().display.language;
    QtDialogs::prepare(*box, textIn(language, text), textIn(language, title), Buttons::YesNo, Icon::None,
                       w.form().display.enlargement / 100.0);
    box->setWindowFlags(Qt::Widget);
    box->setAutoFillBackground(true);
    box->adjustSize();
    box->move((w.width() - box->width()) / 2, (w.height() - box->height()) / 2);
    box->show();
}

namespace {

// Runs one scenario on a fresh window and writes FOLDER/<name>.png; answers
// whether the picture was written.
bool shoot(const QString& folder, const ScreenshotScenario& scenario, const QString& name) {
    ScreenshotDialogs dialogs;
    MainWindow window(&dialogs);
    window.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + ".png");
    bool saved = false;
    if (scenario.atFirstBox)
        dialogs.beforeAnswer = [&] {
            QApplication::processEvents();
            saved = save(window.grab().toImage(), path);
        };
    scenario.drive(window);
    window.waitUntilIdle();
    QApplication::processEvents();
    QWidget* subject = &window;
    if (scenario.howToPlay && window.howToPlay()) subject = window.howToPlay();
    if (!scenario.atFirstBox) saved = save(scenario.picture ? scenario.picture(window) : subject->grab().toImage(), path);
    return saved;
}

// The start-up picture on a screen of device pixel ratio 2: the ratio is the
// whole program's, so a second run of this program takes it.
bool shootAtRatioTwo(const QString& folder) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "2");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QCoreApplication::applicationFilePath(), {"--screenshots", folder, "--ratio-two"});
    return program.waitForFinished(120000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

}  // namespace

int runScreenshots(const QString& folder, bool ratioTwo) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    if (ratioTwo) return shoot(folder, SCENARIOS.front(), "startup-ratio2") ? 0 : 1;
    int failures = 0;
    for (const auto& scenario : SCENARIOS) failures += !shoot(folder, scenario, QString::fromUtf8(scenario.name));
    failures += !shootAtRatioTwo(folder);
    return failures == 0 ? 0 : 1;
}

}  // namespace zelkora
