// The narrow ports through which the game core reaches the outside world.
//
// The core (game/, computer/, records/, settings/ and the drawing procedures of
// display/) never includes a platform header. The window layer implements these
// interfaces with Qt; the tests implement them with recording fakes that keep
// every call. Coordinates handed to the canvas are twips (15 twips = 1 pixel at
// the reference scale); the conversion to pixels happens in the canvas only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelkora {

// Pictures known to the canvas. The mapping from piece codes to pictures is
// the core's (see display/pictures.h); the canvas only knows how to show them.
enum class Picture : int {
    KARA_MASU,
    SITA_HU0, SITA_HU1, SITA_KYOU0, SITA_KYOU1, SITA_KEI0, SITA_KEI1,
    SITA_GIN0, SITA_GIN1, SITA_KIN, SITA_KAKU0, SITA_KAKU1, SITA_SYA0, SITA_SYA1, SITA_OU,
    UE_HU0, UE_HU1, UE_KYOU0, UE_KYOU1, UE_KEI0, UE_KEI1,
    UE_GIN0, UE_GIN1, UE_KIN, UE_KAKU0, UE_KAKU1, UE_SYA0, UE_SYA1, UE_OU,
    ZELKORA,
    HAIKEI_MIDORI, HAIKEI_TATAMI, HAIKEI_TAKE, HAIKEI_UCHU, HAIKEI_RENGA,
    Count
};

// The language of every text the player reads. Japanese whatever the system's
// locale until the player chooses otherwise.
enum class Language : int { Japanese, English };

// How the pieces are drawn: the traditional pieces, or the beginners' set that
// also shows where each piece can step (dots) and slide (lines).
enum class PieceSet : int { Traditional, Beginners };

// A canvas that keeps what was drawn. Positions are twips from the top-left
// corner of the client area and may be fractional.
class Canvas {
public:
    virtual ~Canvas() = default;
    // Draws the picture at its own size with its top-left corner at (x, y).
    virtual void drawPicture(Picture picture, double x, double y) = 0;
    // One-pixel outline of the rectangle (x1, y1)-(x2, y2), both corners included,
    // in a palette colour 0..15.
    virtual void outline(double x1, double y1, double x2, double y2, int colour) = 0;
    // Sets the font used by the following drawText calls.
    virtual void setFont(double points, bool bold, int colour) = 0;
    // Text (UTF-8) with its top-left at (x, y), transparent background.
    virtual void drawText(double x, double y, const std::string& text) = 0;
    // Makes what was drawn so far visible at once (the window is blocked otherwise).
    virtual void refresh() = 0;
    // The pictures of the pieces drawn from now on; what is on screen stays.
    virtual void setPieceSet(PieceSet set) = 0;
    // A mark shown over what is kept and never kept itself (the keyboard
    // cursor): each ring is an outline `width` reference pixels wide whose
    // outer edge is the rectangle. A new mark replaces the last one; no rings
    // take it away. A canvas that shows no marks ignores it.
    struct Ring {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int colour = 0;
        int width = 1;
    };
    virtual void setMark(const std::vector<Ring>& rings) { (void)rings; }
};

enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

// Modal message boxes. Texts and titles are UTF-8; "\r" is the carriage return
// the messages use for line breaks.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const std::string& text, const std::string& title,
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
};

// The save and load panel: three lists and a group of four labelled fields with
// the "RETURN" button. Fields: 1 file name, 2 game name, 3 first player, 4 second player.
class RecordPanel {
public:
    virtual ~RecordPanel() = default;
    virtual void setListsVisible(bool drives, bool folders, bool files) = 0;
    virtual void setTextGroupVisible(bool visible) = 0;
    virtual void clearTexts() = 0;
    virtual void setText(int field, const std::string& text) = 0;
    virtual std::string text(int field) const = 0;
    // The folder whose files the file list shows (no trailing separator).
    virtual std::string folder() const = 0;
    virtual void refreshFiles() = 0;
};

// Check marks of menu items, by the item's upper-case name ("LEVEL3", "BGM", ...).
class Menu {
public:
    virtual ~Menu() = default;
    virtual void setChecked(const std::string& item, bool checked) = 0;
    virtual bool isChecked(const std::string& item) const = 0;
    // A disabled item cannot be chosen (nor its submenu opened, nor its shortcut used).
    virtual void setEnabled(const std::string& item, bool enabled) = 0;
};

// The functions of the program's sound library. Handles are 32-bit values;
// 0 means "no device" or "no buffer", and every call with 0 does nothing.
class SoundLibrary {
public:
    virtual ~SoundLibrary() = default;
    virtual std::int32_t dsInitialize(std::int32_t window) = 0;
    virtual void dsTerminate(std::int32_t device) = 0;
    virtual std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* image,
                                     std::int32_t length, std::int32_t flags) = 0;
    virtual void dsFree(std::int32_t buffer) = 0;
    virtual void dsPlay(std::int32_t buffer) = 0;
    virtual void dsPlayLooping(std::int32_t buffer) = 0;
    virtual void dsStop(std::int32_t buffer) = 0;
};

// Seconds from a monotonic clock (never jumps back, survives midnight).
class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() = 0;
    // The local date and time as "YYYY/MM/DD HH:MM:SS", for the header of an
    // exported record; empty where no calendar is at hand.
    virtual std::string localDateTime() { return {}; }
};

// Work that takes longer than a frame, and waits, without holding the window's
// thread: the window keeps drawing and answering while they run. Answers come
// back on the window's thread. The core decides whether an answer still
// matters when it comes (a stopped search's answer is dropped there).
class Worker {
public:
    virtual ~Worker() = default;
    // Runs `job` on another thread, then `done` on the window's thread. The job
    // must touch nothing the window's thread uses meanwhile (it gets copies).
    virtual void run(std::function<void()> job, std::function<void()> done) = 0;
    // Runs `done` on the window's thread once `seconds` have passed.
    virtual void after(double seconds, std::function<void()> done) = 0;
};

// The main window itself.
class Window {
public:
    virtual ~Window() = default;
    virtual std::int32_t handle() const = 0;
    // Sizes the client area (twips) and puts the window where all of it, its
    // frame included, is on the screen.
    virtual void place(double width, double height) = 0;
    virtual void setBackgroundColour(int colour) = 0;        // palette index
    // The enlargement of the whole window in percent (100, 150, 200): the
    // window takes the size of its client area at that enlargement; what is
    // drawn stays, drawn again at the new size.
    virtual void setEnlargement(int percent) = 0;
    // Every text the window itself shows (menu captions, the record panel's
    // labels, the standard buttons of message boxes) turns to this language.
    virtual void setLanguage(Language language) = 0;
    virtual void quit() = 0;                                 // ends the program
    // Shows the list of lessons ("入門"); a window without lessons ignores it.
    virtual void openLessons() {}
    // Opens the window of illustrated pages on how to play ("遊び方").
    virtual void showHowToPlay() {}
};

// What happens in a game, told as it happens to whoever follows it other than
// by looking at the board: the keyboard cursor, a screen reader, speech. The
// texts are whole sentences in the player's language.
struct MoveNews {
    int toX = 0, toY = 0;        // the target square
    bool upperSide = false;      // the upper side moved
    bool byComputer = false;
    bool check = false;          // the move attacks the other king
    std::string text;            // "後手 ３四歩" / "Gote P-3d"
};
class GameNews {
public:
    virtual ~GameNews() = default;
    // A game was chosen in the menu; the board is as it starts.
    virtual void gameStarted() {}
    virtual void movePlayed(const MoveNews& move) { (void)move; }
    // A move was refused by a rule; `reason` is the text of the refusal's box.
    virtual void refused(const std::string& reason) { (void)reason; }
    // The game ended; `result` names the winner.
    virtual void gameEnded(const std::string& result) { (void)result; }
};

// A voice that reads sentences aloud (読み上げ). `say` starts at once and
// does not wait for the end; a sentence given while another is spoken waits
// for it. A voice without a working engine says nothing.
class Speech {
public:
    virtual ~Speech() = default;
    // An engine is there and answers.
    virtual bool available() const = 0;
    virtual void say(const std::string& text, Language language) = 0;
};

enum class ReadResult { Ok, Unreadable, TooLarge };

// Reading and writing the small files the game uses, by path (UTF-8).
class Files {
public:
    virtual ~Files() = default;
    // A regular file stands at `path`.
    virtual bool exists(const std::string& path) const = 0;
    // The whole file when it is a regular file of at most `limit` bytes. A file
    // larger than that is not read at all (TooLarge); a missing file, a folder,
    // a FIFO or a read error give Unreadable. `bytes` is empty unless Ok.
    virtual ReadResult readAll(const std::string& path, std::size_t limit,
                               std::vector<std::uint8_t>& bytes) const = 0;
    // Replaces the file's contents as one step: the old contents stay whole
    // when the write fails. False on failure. `limit` is the largest file of
    // the format being written: an existing file larger than that is not one of
    // the game's files and may be refused rather than read.
    virtual bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t limit) = 0;
    // Removes the file; true when none stands there afterwards.
    virtual bool remove(const std::string& path) = 0;
    // Gives the file a new name in its folder or another; false on failure.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
};

// Where the game's own files are. The platform layer decides (beside the
// program when run from its build folder; the package's data folder and the
// user's configuration folder when installed); the core only puts the file
// names after these folders. An empty folder is the current folder.
struct Places {
    std::string settingsFolder;   // holds "Zelkora.ini"
    std::string soundFolder;      // holds the four wave files
    std::string stateFolder;      // holds the unfinished game ("対局中.txt")
    std::string dataFolder;       // holds the player's results ("成績.json") and lessons' progress
};

// A file of `folder` by its name; in the current folder when `folder` is empty.
inline std::string pathIn(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + '/' + name;
}

// One finished game against the computer, as the results count it.
struct GameResult {
    int level = 0;
    int grade = 0;         // handicap grade -10..10
    bool won = false;
    bool matta = false;    // a move was taken back
    bool hint = false;     // a hint was shown
};

// The player's results, kept by the platform layer: the core reports every
// finished game against the computer and asks for the results window.
class Results {
public:
    virtual ~Results() = default;
    virtual void record(const GameResult& game) = 0;
    virtual void show() = 0;
};

// The review window, kept by the platform layer: "検討" asks it to open on the
// game on the board, which it reads from the core (Form1::検討_棋譜).
class Reviewer {
public:
    virtual ~Reviewer() = default;
    virtual void open() = 0;
};

// Everything the core needs from outside, handed to Form1 at construction.
struct Ports {
    Canvas* canvas = nullptr;
    Dialogs* dialogs = nullptr;
    RecordPanel* panel = nullptr;
    Menu* menu = nullptr;
    SoundLibrary* sound = nullptr;
    Clock* clock = nullptr;
    Window* window = nullptr;
    Files* files = nullptr;
    // nullptr: jobs run at once on the caller's thread and waits end at once
    // (the command-line tool and the benchmarks, which have no window to keep alive).
    Worker* worker = nullptr;
    // Told of every start, move, refusal and end; none by default.
    std::vector<GameNews*> news;
    // Reads the game's news aloud while the option 読み上げ is on; none: silent.
    Speech* speech = nullptr;
    Places places;
    Results* results = nullptr;   // none: nothing is counted
    Reviewer* reviewer = nullptr; // none: "検討" is refused
};

}  // namespace zelkora
