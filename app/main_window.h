// The main window "Zelkora": the menu bar, the canvas under it, and the game.
//
// The window owns Form1 and every port it is given: the retained canvas, the
// message boxes, the menu check marks, the record panel, the sound library
// (loaded by full path from the file layout), the clock, the files and the
// window itself. The file layout (app/file_layout.h) says where the sound
// library, the wave files and the settings file are and where the record
// panel opens; without one the window uses the working-folder layout. Creating
// the window builds the menu from the menu table and runs Form_Load. The window
// can be resized and maximised; the canvas fits the game's client area into it
// and the record panel and the message boxes follow the canvas's enlargement.
// Mouse presses on the canvas go to Form_MouseDown (through the lesson's
// checker while a lesson is on the board), Escape typed while the
// canvas has the focus to Form_KeyPress, and closing the window runs
// Form_Unload unless the game has already ended the program. When the game
// chooses a language (at start-up from the settings, or from the menu), the
// window installs that language's translators and sets its menu captions,
// panel labels and title again; Qt's standard buttons follow. Moves of the
// mouse over the canvas go to Form_MouseMove (the look-ahead's chain). The
// game's "遊び方" opens the window of pages on how to play; while it is open,
// every menu command draws its page again, so it follows the language, the
// piece set, the background and the enlargement at once.
//
// Without the mouse: the keys of the keyboard cursor (keyboard/) reach the
// game by the route of mouse presses, every item of the bar has its Alt +
// letter and F10 opens the first menu. A screen reader reads the board
// through the canvas's accessible interface (display/qt/board_accessible.h),
// and "読み上げ" reads the game's news aloud (game/spoken_news.h).
//
// The computer's search and its half-second wait run on the window's worker
// (display/qt/qt_worker.h), so the window keeps drawing and answering while
// the computer thinks; closing the window stops the search.
//
// Tests and scripted runs may pass their own Dialogs (to answer boxes without
// showing them), Clock, Worker (to answer at once), Files (the start-up
// report's, which writes nothing) and Speech; everything else is real.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "app/file_layout.h"
#include "game/Form1.h"

class QAction;

namespace zelkora {

class CanvasWidget;
class FormKeyboard;
class BoardAnnouncer;
class QtSpeech;
class SpokenNews;
class LessonMode;
class HowToPlayWindow;
class LoadedSoundLibrary;
class QtMenu;
class QtWindow;
class QtWorker;
class RecordPanelWidgets;
class RetainedCanvas;
class ResultsBook;
class ResultsWindow;
class ReviewWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr double CLIENT_WIDTH = 9000;    // twips
    static constexpr double CLIENT_HEIGHT = 8000;   // twips

    explicit MainWindow(Dialogs* dialogs = nullptr, Clock* clock = nullptr, Worker* worker = nullptr,
                        QWidget* parent = nullptr);
    explicit MainWindow(const FileLayout& fileLayout, Dialogs* dialogs = nullptr, Clock* clock = nullptr,
                        Worker* worker = nullptr, Files* files = nullptr, QWidget* parent = nullptr,
                        Speech* speech = nullptr);
    ~MainWindow() override;

    Form1& form() { return *form_; }
    CanvasWidget& canvasWidget() { return *canvas_; }
    RetainedCanvas& canvas();
    RecordPanelWidgets& recordPanel() { return *panel_; }
    // The menu item of that upper-case name (a menu's own action for a menu).
    QAction* menuAction(const std::string& name) const;
    // The device pixel of the canvas's image at a position in twips (at a
    // ratio of 1 also the point of the canvas widget).
    QPoint pixelOf(double xTwips, double yTwips) const;
    // The point of the canvas widget, in logical pixels, inside the device
    // pixel of a position in twips (where a click reaches that position).
    QPointF pointOf(double xTwips, double yTwips) const;
    // True once the game has ended the program (Escape, "終わり", closing, "No").
    bool hasEnded() const { return form_->display.ended; }
    const FileLayout& fileLayout() const { return layout_; }
    // True when the sound library and all its functions were found.
    bool soundLibraryLoaded() const;
    // The results window, made when "成績" is first chosen (null before).
    ResultsWindow* resultsWindow() const { return resultsWindow_; }
    // The review window, made when "検討" is first chosen (null before).
    ReviewWindow* reviewWindow() const { return reviewWindow_; }
    // The lessons of "入門" (app/lesson_mode.h).
    LessonMode& lessons() { return *lessons_; }
    // The first start's offer of the lessons, once; the program calls it
    // after the window has appeared (scripted runs never do).
    void offerLessons();
    // The keyboard cursor over the board and the stands.
    FormKeyboard& keyboard() { return *keyboard_; }
    // The window of "遊び方" once it was opened, else null.
    HowToPlayWindow* howToPlay() const { return howToPlay_.get(); }
    // Runs the event loop until the window's own worker has answered every
    // search and wait (the computer has replied); at once with a worker given.
    void waitUntilIdle();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The ports a caller did not hand over; the window makes and owns its own.
    struct PortChoice {
        Dialogs* dialogs;
        Clock* clock;
        Worker* worker;
        Files* files;
        Speech* speech;
    };
    void ownMissingPorts(PortChoice& given);
    // The game's ports: the caller's or the window's own, the window's widgets,
    // the results book and the review's hook.
    Ports buildPorts(const PortChoice& given);
    // The canvas, panel, lessons and window callbacks reach the game.
    void connectWidgets();
    void buildMenu();
    // Menu captions, panel labels and title again in the language chosen.
    void retranslate();
    void run(void (Form1::*handler)());
    void wireInput();
    // "読み上げ" is greyed, and says why, where no speech engine answers.
    void showSpeechAvailability();
    void quitProgram();
    void openHowToPlay();
    void openReview();

    FileLayout layout_;
    CanvasWidget* canvas_;   // owned by Qt as the central widget
    std::unique_ptr<Dialogs> ownDialogs_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<QtWorker> ownWorker_;
    std::unique_ptr<QtMenu> menu_;
    std::unique_ptr<LoadedSoundLibrary> sound_;
    std::unique_ptr<Files> ownFiles_;
    std::unique_ptr<QtWindow> window_;
    std::unique_ptr<RecordPanelWidgets> panel_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<LessonMode> lessons_;
    struct Caption {
        QAction* action;
        Text text;
        char mnemonic;
    };
    std::vector<Caption> captions_;   // every menu item with its caption
    std::unique_ptr<ResultsBook> results_;
    ResultsWindow* resultsWindow_ = nullptr;   // owned by Qt as a child
    // The review searches on a worker of its own, so the computer's reply never
    // waits behind it; a worker handed to the window (tests) serves both.
    std::unique_ptr<QtWorker> ownReviewWorker_;
    Worker* reviewWorker_ = nullptr;
    std::unique_ptr<Reviewer> reviewer_;
    ReviewWindow* reviewWindow_ = nullptr;     // owned by Qt as a child
    std::unique_ptr<HowToPlayWindow> howToPlay_;
    std::unique_ptr<FormKeyboard> keyboard_;
    std::unique_ptr<BoardAnnouncer> announcer_;
    std::unique_ptr<Speech> ownSpeech_;
    std::unique_ptr<SpokenNews> spoken_;
};

}  // namespace zelkora
