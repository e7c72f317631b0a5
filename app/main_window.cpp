// The main window: wiring Form1 to its Qt ports and building the menu bar.
#include "app/main_window.h"

#include <map>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "app/lesson_mode.h"
#include "app/how_to_play.h"
#include "app/menu_table.h"
#include "app/translations.h"
#include "display/qt/canvas_widget.h"
#include "display/qt/qt_dialogs.h"
#include "display/qt/qt_menu.h"
#include "display/qt/qt_speech.h"
#include "game/spoken_news.h"
#include "display/qt/qt_window.h"
#include "display/qt/qt_worker.h"
#include "display/qt/record_panel.h"
#include "display/qt/results_book.h"
#include "display/qt/results_window.h"
#include "display/qt/review_window.h"
#include "display/qt/steady_clock.h"
#include "display/qt/window_texts.h"
#include "keyboard/form_keyboard.h"
#include "platform/disk_files.h"
#include "sound/loader.h"

namespace zelkora {
namespace {

constexpr int ESCAPE = 27;

// "検討" from the core reaches the window through this.
class CallingReviewer : public Reviewer {
public:
    explicit CallingReviewer(std::function<void()> open) : open_(std::move(open)) {}
    void open() override { open_(); }

private:
    std::function<void()> open_;
};

}  // namespace

MainWindow::MainWindow(Dialogs* dialogs, Clock* clock, Worker* worker, QWidget* parent)
    : MainWindow(FileLayout::workingFolder(QCoreApplication::applicationDirPath()), dialogs, clock, worker, nullptr,
                 parent) {}

MainWindow::MainWindow(const FileLayout& fileLayout, Dialogs* dialogs, Clock* clock, Worker* worker, Files* files,
                       QWidget* parent, Speech* speech)
    : QMainWindow(parent), layout_(fileLayout) {
    setWindowTitle(windowText(Text::WINDOW_TITLE));
    canvas_ = new CanvasWidget(CLIENT_WIDTH, CLIENT_HEIGHT, TwipsScale(), this);
    setCentralWidget(canvas_);

    PortChoice given{dialogs, clock, worker, files, speech};
    ownMissingPorts(given);
    form_ = std::make_unique<Form1>(buildPorts(given));
    connectWidgets();

    buildMenu();
    showSpeechAvailability();
    // F10 opens the first menu of the bar, from where the arrows reach every item.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
    });
    resize(sizeHint());
    canvas_->setFocus();
    form_->Form_Load();
    keyboard_->placeOnKing();
}

void MainWindow::ownMissingPorts(PortChoice& given) {
    if (!given.dialogs) {
        ownDialogs_ = std::make_unique<QtDialogs>(this, [this] { return canvas_->scale().zoom(); });
        given.dialogs = ownDialogs_.get();
    }
    if (!given.clock) {
        ownClock_ = std::make_unique<SteadyClock>();
        given.clock = ownClock_.get();
    }
    // The review searches on a worker of its own unless the caller hands one
    // worker for everything.
    reviewWorker_ = given.worker;
    if (!given.worker) {
        ownWorker_ = std::make_unique<QtWorker>();
        given.worker = ownWorker_.get();
        ownReviewWorker_ = std::make_unique<QtWorker>();
        reviewWorker_ = ownReviewWorker_.get();
    }
    // The folders of an installed copy may not exist yet; when one
    // cannot be made, writing the file fails and the game says so. A caller's
    // own file port decides for itself what it writes.
    if (!given.files) {
        ownFiles_ = std::make_unique<DiskFiles>();
        given.files = ownFiles_.get();
        for (const QString& folder : {layout_.settingsFolder, layout_.stateFolder, layout_.dataFolder})
            if (!folder.isEmpty()) QDir().mkpath(folder);
    }
    if (!given.speech) {
        ownSpeech_ = std::make_unique<QtSpeech>();
        given.speech = ownSpeech_.get();
    }
}

Ports MainWindow::buildPorts(const PortChoice& given) {
    menu_ = std::make_unique<QtMenu>();
    sound_ = std::make_unique<LoadedSoundLibrary>(layout_.soundLibrary.toStdString());
    window_ = std::make_unique<QtWindow>(*this, *canvas_, [this] { quitProgram(); });
    panel_ = std::make_unique<RecordPanelWidgets>(canvas_, *given.dialogs, canvas_->scale());
    panel_->startIn(layout_.recordsFolder);

    Ports ports;
    ports.canvas = &canvas_->canvas();
    ports.dialogs = given.dialogs;
    ports.panel = panel_.get();
    ports.menu = menu_.get();
    ports.sound = sound_.get();
    ports.clock = given.clock;
    ports.window = window_.get();
    ports.files = given.files;
    ports.worker = given.worker;
    ports.speech = given.speech;
    ports.places = layout_.places();
    results_ = std::make_unique<ResultsBook>(*given.files, *given.dialogs, ports.places.dataFolder,
                                             [this] { return form_->display.language; });
    results_->onShow = [this] {
        if (!resultsWindow_) resultsWindow_ = new ResultsWindow(*results_, this);
        resultsWindow_->refresh();
        resultsWindow_->show();
        resultsWindow_->raise();
    };
    ports.results = results_.get();
    reviewer_ = std::make_unique<CallingReviewer>([this] { openReview(); });
    ports.reviewer = reviewer_.get();
    return ports;
}

void MainWindow::connectWidgets() {
    canvas_->onScaleChanged = [this](const TwipsScale& scale) {
        panel_->setScale(scale);
        if (lessons_) lessons_->setScale(scale);
    };
    panel_->onFileChosen = [this](const std::string& name) { form_->File1_Click(name); };
    panel_->onReturn = [this] { form_->Command1_Click(); };
    lessons_ = std::make_unique<LessonMode>(*form_, canvas_, canvas_->scale());
    window_->onLessons = [this] { lessons_->open(); };
    wireInput();
    canvas_->onMouseMove = [this](double x, double y) {
        if (!form_->display.ended) form_->Form_MouseMove(x, y);
    };
    window_->onHowToPlay = [this] { openHowToPlay(); };
    // Escape reaches the game only from the board (the canvas with the focus),
    // never from a field of the record panel.
    canvas_->onEscape = [this] {
        if (!form_->display.ended) form_->Form_KeyPress(ESCAPE);
    };
    // Start-up chooses the language from the settings; so does the menu later.
    window_->onLanguage = [this](Language language) {
        useLanguage(language);
        retranslate();
    };
}

MainWindow::~MainWindow() {
    // A review still searching is stopped before the workers go.
    delete reviewWindow_;
    reviewWindow_ = nullptr;
    // A search still running ends now; the worker, destroyed with the window,
    // waits for it and drops its answer.
    form_->stopThinking();
    // A window destroyed without the program ending (a test, a scripted run)
    // still releases the sound buffers and the device.
    if (!form_->display.ended) form_->終了処理();
}

bool MainWindow::soundLibraryLoaded() const { return sound_->loaded(); }

void MainWindow::waitUntilIdle() {
    if (!ownWorker_ || ownWorker_->idle()) return;
    QEventLoop loop;
    ownWorker_->onIdle = [&loop] { loop.quit(); };
    loop.exec();
    ownWorker_->onIdle = nullptr;
}

RetainedCanvas& MainWindow::canvas() { return canvas_->canvas(); }

QAction* MainWindow::menuAction(const std::string& name) const { return menu_->action(name); }

QPoint MainWindow::pixelOf(double xTwips, double yTwips) const {
    const TwipsScale& s = canvas_->scale();
    return QPoint(s.x(xTwips), s.y(yTwips));
}

QPointF MainWindow::pointOf(double xTwips, double yTwips) const {
    const TwipsScale& s = canvas_->scale();
    return QPointF(s.logicalX(xTwips), s.logicalY(yTwips));
}

void MainWindow::buildMenu() {
    const auto table = menuTable();
    auto hasEntries = [&](const char* name) {
        for (const auto& row : table)
            if (row.parent && std::string(row.parent) == name) return true;
        return false;
    };
    std::map<std::string, QMenu*> menus;
    for (const auto& item : table) {
        const QString caption = withMnemonic(windowText(item.caption), item.mnemonic);
        QMenu* parent = item.parent ? menus.at(item.parent) : nullptr;
        QAction* action;
        if (hasEntries(item.name)) {
            QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromUtf8(item.name));
            menus[item.name] = menu;
            action = menu->menuAction();
            if (item.handler) connect(menu, &QMenu::aboutToShow, this, [this, h = item.handler] { run(h); });
        } else {
            action = parent ? parent->addAction(caption) : menuBar()->addAction(caption);
            // Qt flips a checkable item's mark before `triggered`; the game sets
            // the marks itself, so the flip is undone first.
            connect(action, &QAction::triggered, this, [this, action, h = item.handler](bool checked) {
                if (action->isCheckable()) action->setChecked(!checked);
                if (h) run(h);
            });
        }
        action->setObjectName(QString::fromUtf8(item.name));
        if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        if (item.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        menu_->add(item.name, action);
        captions_.push_back({action, item.caption, item.mnemonic});
    }
}

// The texts of the translators installed now; the menu items keep their
// actions, marks and shortcuts.
void MainWindow::retranslate() {
    setWindowTitle(windowText(Text::WINDOW_TITLE));
    for (const auto& [action, caption, mnemonic] : captions_) action->setText(withMnemonic(windowText(caption), mnemonic));
    panel_->retranslate();
    showSpeechAvailability();
    if (lessons_) lessons_->refresh();
}

// Mouse presses and the keys of the cursor reach the game by one route (a
// lesson on the board checks them first); a screen reader and speech follow
// the game's news.
void MainWindow::wireInput() {
    // A key on a cell is a click there, by the same route as the mouse's.
    auto click = [this](int button, double x, double y) {
        if (lessons_->active()) lessons_->click(button, x, y);
        else form_->Form_MouseDown(button, 0, x, y);
    };
    keyboard_ = std::make_unique<FormKeyboard>(*form_, click);
    form_->io.news.push_back(keyboard_.get());
    // A screen reader reads the squares and stands by name, follows the
    // cursor and hears every move, refusal and end.
    accessible_board::install();
    canvas_->setReading({[this](int c, int r) { return form_->桝の名前(c, r); },
                         [this] { return form_->文言(Text::ACCESSIBLE_BOARD); }});
    keyboard_->onCursorMoved = [this](int c, int r) {
        if (c != 0) accessible_board::focusMoved(*canvas_, c, r);
    };
    announcer_ = std::make_unique<BoardAnnouncer>(*canvas_);
    form_->io.news.push_back(announcer_.get());
    spoken_ = std::make_unique<SpokenNews>(*form_);
    form_->io.news.push_back(spoken_.get());
    canvas_->onMouseDown = [this, click](int button, double x, double y) {
        keyboard_->cursor().hide();
        click(button, x, y);
    };
    canvas_->onKey = [this](Key key) {
        if (!form_->display.ended) keyboard_->cursor().press(key);
    };
}

void MainWindow::showSpeechAvailability() {
    QAction* item = menu_->action("YOMIAGE");
    if (!item) return;
    const bool available = form_ && form_->io.speech && form_->io.speech->available();
    item->setEnabled(available);
    item->setText(windowText(available ? Text::MENU_YOMIAGE : Text::SPEECH_NO_ENGINE));
    item->setToolTip(available ? QString() : windowText(Text::SPEECH_NO_ENGINE));
    if (auto* options = findChild<QMenu*>(QStringLiteral("OPTION"))) options->setToolTipsVisible(true);
}

// The pages open where they were left, drawn again as the game looks now.
void MainWindow::openHowToPlay() {
    if (!howToPlay_) howToPlay_ = std::make_unique<HowToPlayWindow>(*form_, this);
    howToPlay_->showPage(howToPlay_->page());
    howToPlay_->show();
    howToPlay_->raise();
    howToPlay_->activateWindow();
}

// The review window starts on the game on the board each time it is asked
// for; a point or a row chosen there steps the main board to that position.
void MainWindow::openReview() {
    if (!reviewWindow_) {
        reviewWindow_ = new ReviewWindow(*reviewWorker_, this);
        reviewWindow_->onChoose = [this](int position, const MoveRecord* best) {
            if (!form_->display.ended) form_->検討_局面(position, best);
        };
    }
    reviewWindow_->review(form_->検討_棋譜(), form_->display.language);
    reviewWindow_->show();
    reviewWindow_->raise();
    reviewWindow_->activateWindow();
}

void MainWindow::run(void (Form1::*handler)()) {
    if (form_->display.ended) return;
    (form_.get()->*handler)();
    lessons_->refresh();
    if (howToPlay_ && howToPlay_->isVisible() && !form_->display.ended) howToPlay_->showPage(howToPlay_->page());
}

void MainWindow::offerLessons() {
    if (!form_->display.ended) lessons_->offerOnce();
}

// Closing the last window ends the event loop of the program. The loop is not
// told to exit directly: with no loop running (tests, scripted runs) that
// request would linger and end the next modal box at once.
void MainWindow::quitProgram() { close(); }

// Closing asks first while a game has moves that were not saved; "No" keeps
// the window open and the game goes on.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!form_->display.ended) form_->Form_Unload();
    if (form_->display.ended) event->accept();
    else event->ignore();
}

// The window manager frames a new window after it is shown; Qt knows the frame
// by the first paint or activation, or a move or resize, and the window is
// fitted to it.
bool MainWindow::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QMainWindow::event(event);
    if (window_ && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint || type == QEvent::WindowActivate))
        window_->frameChanged();
    return handled;
}

}  // namespace zelkora
