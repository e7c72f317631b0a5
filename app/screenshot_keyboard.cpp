// The screenshots of the keyboard cursor: a game played with keys only, the
// cursor left on a piece of the board or of a stand.
#include <initializer_list>
#include <string>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include "app/main_window.h"
#include "app/screenshots.h"
#include "display/qt/canvas_widget.h"

namespace zelkora {
namespace {

// Keys pressed on the board, as the player types them.
void keys(MainWindow& w, std::initializer_list<Qt::Key> pressed) {
    for (const Qt::Key key : pressed) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&w.canvasWidget(), &press);
    }
}

// Two humans, all with the keyboard: ７六歩, ３四歩 and ２二角 taking the
// bishop; the cursor then stands on the pawn on ７六, or on the bishop on
// the lower stand.
void keyboardGame(MainWindow& w, bool onStand) {
    w.menuAction("START")->trigger();
    keys(w, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Return, Qt::Key_Up,
             Qt::Key_Return});
    keys(w, {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
             Qt::Key_Return, Qt::Key_Down, Qt::Key_Return});
    keys(w, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
             Qt::Key_Left, Qt::Key_Left, Qt::Key_Return, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up,
             Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
             Qt::Key_Return});
    // Tab goes to the stand of the upper player, who moves next; Right to the lower one.
    if (onStand) keys(w, {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down});
    else keys(w, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                  Qt::Key_Left, Qt::Key_Left});
}

// The keyboard cursor on the board and on the stand, at 100% and 200%, on
// the green background and on the dark one of "宇宙".
}  // namespace

std::vector<ScreenshotScenario> withKeyboardPictures(std::vector<ScreenshotScenario> rows) {
    static std::vector<std::string> names;
    names.reserve(8);
    for (const bool space : {false, true})
        for (const bool onStand : {false, true})
            for (const int percent : {100, 200}) {
                names.push_back(std::string("keyboard-") + (onStand ? "stand" : "board") + (space ? "-space" : "") +
                                (percent == 200 ? "-200" : ""));
                rows.push_back({names.back().c_str(), [space, onStand, percent](MainWindow& w) {
                                    if (percent != 100) w.form().表示倍率_設定(percent);
                                    if (space) {
                                        w.form().チェック設定(PIC_UCHU);
                                        w.form().display.background = PIC_UCHU;
                                        w.form().画面_再描画_状態込み();
                                    }
                                    keyboardGame(w, onStand);
                                }});
            }
    return rows;
}

}  // namespace zelkora
