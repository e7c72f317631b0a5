// The window of "遊び方" (how to play): one illustrated page at a time, with
// "前へ" / "次へ" to turn the pages and "閉じる".
//
// Each page (help/pages.h) shows its title, a diagram and its paragraphs, and
// where the page shows one of the game's refusals, that box's title and text
// in a frame. The diagram is drawn by the game's own board drawing on a Form1
// of its own that only draws (help/diagram.h), into a canvas widget like the
// board's, so it takes the game's background, piece set, language and
// enlargement; showing a page reads them from the game again. The window is
// not modal: the game can be played beside it.
#pragma once

#include <memory>

#include <QDialog>

#include "game/Form1.h"

class QLabel;
class QPushButton;
class QFrame;

namespace zelkora {

class CanvasWidget;

class HowToPlayWindow : public QDialog {
    Q_OBJECT
public:
    HowToPlayWindow(const Form1& game, QWidget* parent = nullptr);
    ~HowToPlayWindow() override;

    // Shows page `index` (0-based, kept within the pages) as the game looks now.
    void showPage(int index);
    int page() const { return page_; }
    CanvasWidget& diagram() { return *diagram_; }

private:
    void applyTexts();
    void applyEnlargement(double zoom);

    const Form1& game_;
    std::unique_ptr<Form1> drawing_;
    int page_ = 0;
    QLabel* title_;
    CanvasWidget* diagram_;
    QLabel* text_;
    QFrame* box_;
    QLabel* boxTitle_;
    QLabel* boxText_;
    QLabel* counter_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* close_;
};

}  // namespace zelkora
