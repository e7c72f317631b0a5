// Recording fakes of the core's ports and a harness that wires them to a Form1.
//
// Every fake remembers each call in order, so a test can check what was drawn
// where, which message was shown with which title, and which sound call was
// made when. Message boxes are answered from a script (default: OK / Yes).
#pragma once

#include <deque>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "game/Form1.h"
#include "game/sfen.h"

namespace zelkora::testing {

struct CanvasCall {
    enum Kind { Picture, Outline, Font, Text, Refresh } kind = Picture;
    zelkora::Picture picture = zelkora::Picture::KARA_MASU;
    double x = 0, y = 0, x2 = 0, y2 = 0;
    int colour = 0;
    double points = 0;
    bool bold = false;
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasCall> calls;
    // The font in force, so a text call can be checked with its colour and size.
    double points = 9;
    bool bold = false;
    int colour = 0;

    void drawPicture(zelkora::Picture picture, double x, double y) override;
    void outline(double x1, double y1, double x2, double y2, int colour) override;
    void setFont(double points, bool bold, int colour) override;
    void drawText(double x, double y, const std::string& text) override;
    void refresh() override;
    void setPieceSet(PieceSet set) override { pieceSets.push_back(set); }
    std::vector<PieceSet> pieceSets;   // every piece set chosen, in order
    void setMark(const std::vector<Ring>& rings) override { marks.push_back(rings); }
    std::vector<std::vector<Ring>> marks;   // every mark set, in order

    void clear() { calls.clear(); }
    // Calls of one kind.
    std::vector<CanvasCall> of(CanvasCall::Kind kind) const;
    // Texts drawn, in order, each with the colour and size in force.
    struct DrawnText { double x, y; std::string text; int colour; double points; bool bold; };
    std::vector<DrawnText> texts() const;
    // Outlines drawn on the cell (c, r) of the game grid, in order (their colours).
    std::vector<int> outlinesOfCell(int c, int r) const;
};

struct Message {
    std::string text, title;
    Buttons buttons;
    Icon icon;
};

class ScriptedDialogs : public Dialogs {
public:
    std::vector<Message> shown;
    std::deque<Answer> answers;   // consumed in order; when empty: Ok / Yes
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
};

class FakePanel : public RecordPanel {
public:
    bool drives = false, folders = false, files = false, textGroup = false;
    std::map<int, std::string> fields;
    std::string currentFolder = ".";
    int refreshes = 0;
    std::vector<std::string> log;
    void setListsVisible(bool d, bool f, bool fl) override;
    void setTextGroupVisible(bool visible) override;
    void clearTexts() override;
    void setText(int field, const std::string& text) override { fields[field] = text; }
    std::string text(int field) const override;
    std::string folder() const override { return currentFolder; }
    void refreshFiles() override { ++refreshes; }
};

class FakeMenu : public Menu {
public:
    std::map<std::string, bool> checks;
    std::set<std::string> disabled;   // items disabled now
    void setChecked(const std::string& item, bool checked) override { checks[item] = checked; }
    bool isChecked(const std::string& item) const override;
    void setEnabled(const std::string& item, bool enabled) override {
        if (enabled) disabled.erase(item);
        else disabled.insert(item);
    }
};

// Jobs and waits on the test's own thread. By default each job and each wait
// ends at once, inside the call; with `hold` set they are kept until the test
// ends them (finishJobs, endWaits), in either order.
class FakeWorker : public Worker {
public:
    bool hold = false;
    std::vector<double> waits;   // every wait asked for, in seconds
    void run(std::function<void()> job, std::function<void()> done) override;
    void after(double seconds, std::function<void()> done) override;
    void finishJobs();
    void endWaits();
    bool idle() const { return jobs_.empty() && timers_.empty(); }

private:
    std::vector<std::pair<std::function<void()>, std::function<void()>>> jobs_;
    std::vector<std::function<void()>> timers_;
};

// Hands out handles 1, 2, 3, ... for the device and the buffers; logs calls as
// "dsInitialize", "dsCreateDSB(1,3)" (device, flags), "dsPlay(4)", ...
class RecordingSound : public SoundLibrary {
public:
    std::vector<std::string> log;
    bool deviceAvailable = true;
    std::int32_t next = 1;
    std::int32_t dsInitialize(std::int32_t window) override;
    void dsTerminate(std::int32_t device) override;
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* image, std::int32_t length,
                             std::int32_t flags) override;
    void dsFree(std::int32_t buffer) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
};

// Advances by `step` seconds on every reading.
class FakeClock : public Clock {
public:
    double now = 0, step = 0.01;
    int readings = 0;
    std::string dateTime;   // what localDateTime answers
    std::string localDateTime() override { return dateTime; }
    double seconds() override { ++readings; now += step; return now; }
};

class FakeWindow : public Window {
public:
    double clientWidth = 0, clientHeight = 0;
    int places = 0;
    int quits = 0;
    int background = -1;
    std::vector<int> enlargements;   // every enlargement set, in order
    std::int32_t handle() const override { return 42; }
    void place(double width, double height) override {
        clientWidth = width;
        clientHeight = height;
        ++places;
    }
    void setBackgroundColour(int colour) override { background = colour; }
    void setEnlargement(int percent) override { enlargements.push_back(percent); }
    std::vector<Language> languages;   // every language set, in order
    void setLanguage(Language language) override { languages.push_back(language); }
    void quit() override { ++quits; }
};

class MemoryFiles : public Files {
public:
    std::map<std::string, std::vector<std::uint8_t>> files;
    bool readOnly = false;
    std::set<std::string> unreadable;   // stand there, but every read fails
    bool exists(const std::string& path) const override { return files.count(path) > 0; }
    ReadResult readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const override;
    bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t limit) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
    void put(const std::string& path, const std::string& bytes);
    std::string get(const std::string& path) const;
};

// A Form1 with every port faked. The wave files exist (tiny fake images) so that
// start-up makes four buffers; `start()` runs Form_Load.
struct Harness {
    RecordingCanvas canvas;
    ScriptedDialogs dialogs;
    FakePanel panel;
    FakeMenu menu;
    RecordingSound sound;
    FakeClock clock;
    FakeWindow window;
    MemoryFiles files;
    FakeWorker worker;
    std::unique_ptr<Form1> form;

    Harness();
    Form1& operator*() { return *form; }
    Form1* operator->() { return form.get(); }
    void start();
    // Replaces board, hands and side to move by an SFEN (fails the test if bad).
    void setPosition(const std::string& sfen);
    // Clears every recorded call of every fake.
    void clearLogs();
};

// The initial position as an SFEN without the move number.
inline const char* const INITIAL = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b -";

// Board and hands of Form1 as an SFEN without the move number (side always 'b').
std::string position(const Form1& f);

// A Form1 with all ports faked but nothing run: for rule tests on positions.
std::unique_ptr<Harness> positionHarness(const std::string& sfen);

}  // namespace zelkora::testing
