// Ports that do nothing: no window, no drawing, no sound, no dialogs (every
// box is answered OK / Yes), no files. The command-line engine and the
// benchmarks hand them to every Form1 they make; a game state that never meets
// the window (a search's copy, a record's mate test) gets the shared set of
// nullPorts(), so no port pointer is ever null.
#pragma once

#include <atomic>

#include "game/ports.h"

namespace zelkora {

class NullCanvas : public Canvas {
public:
    void drawPicture(Picture, double, double) override {}
    void outline(double, double, double, double, int) override {}
    void setFont(double, bool, int) override {}
    void drawText(double, double, const std::string&) override {}
    void refresh() override {}
    void setPieceSet(PieceSet) override {}
};

class NullDialogs : public Dialogs {
public:
    Answer message(const std::string&, const std::string&, Buttons buttons, Icon) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class NullPanel : public RecordPanel {
public:
    void setListsVisible(bool, bool, bool) override {}
    void setTextGroupVisible(bool) override {}
    void clearTexts() override {}
    void setText(int, const std::string&) override {}
    std::string text(int) const override { return {}; }
    std::string folder() const override { return "."; }
    void refreshFiles() override {}
};

class NullMenu : public Menu {
public:
    void setChecked(const std::string&, bool) override {}
    bool isChecked(const std::string&) const override { return false; }
    void setEnabled(const std::string&, bool) override {}
};

// No device: every handle is 0, so every later call does nothing.
class NullSound : public SoundLibrary {
public:
    std::int32_t dsInitialize(std::int32_t) override { return 0; }
    void dsTerminate(std::int32_t) override {}
    std::int32_t dsCreateDSB(std::int32_t, const std::uint8_t*, std::int32_t, std::int32_t) override { return 0; }
    void dsFree(std::int32_t) override {}
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
};

// Time runs one second per reading, so a wait ends at once. The count is
// atomic because the shared set serves searches on other threads.
class NullClock : public Clock {
public:
    double seconds() override { return static_cast<double>(++ticks_); }

private:
    std::atomic<long long> ticks_{0};
};

class NullWindow : public Window {
public:
    std::int32_t handle() const override { return 0; }
    void place(double, double) override {}
    void setBackgroundColour(int) override {}
    void setEnlargement(int) override {}
    void setLanguage(Language) override {}
    void quit() override {}
};

class NullFiles : public Files {
public:
    bool exists(const std::string&) const override { return false; }
    ReadResult readAll(const std::string&, std::size_t, std::vector<std::uint8_t>&) const override {
        return ReadResult::Unreadable;
    }
    bool writeAll(const std::string&, const std::vector<std::uint8_t>&, std::size_t) override { return false; }
    bool remove(const std::string&) override { return true; }
    bool rename(const std::string&, const std::string&) override { return false; }
};

// All of them together.
struct NullPorts {
    NullCanvas canvas;
    NullDialogs dialogs;
    NullPanel panel;
    NullMenu menu;
    NullSound sound;
    NullClock clock;
    NullWindow window;
    NullFiles files;

    Ports ports() {
        Ports p;
        p.canvas = &canvas;
        p.dialogs = &dialogs;
        p.panel = &panel;
        p.menu = &menu;
        p.sound = &sound;
        p.clock = &clock;
        p.window = &window;
        p.files = &files;
        return p;
    }
};

// One set shared by the whole program, living as long as it runs.
Ports nullPorts();

}  // namespace zelkora
