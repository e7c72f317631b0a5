// Shared pieces of the settings and sound tests: the settings file's exact
// bytes, a harness whose menu starts as the window creates it, a file port
// that counts and can refuse writes, and dialogs that note the sounds before
// each box.
#pragma once

#include <string>

#include "tests/common/fakes.h"

namespace zelkora::testing {

// The five lines in Shift_JIS (code page 932), written out byte by byte so the
// tests do not depend on the converter they check.
inline const std::string SJIS_MIDORI = "\x94\x77\x8c\x69\x89\xe6=\x97\xce";            // 背景画=緑
inline const std::string SJIS_TATAMI = "\x94\x77\x8c\x69\x89\xe6=\x8f\xf4";            // 背景画=畳
inline const std::string SJIS_TAKE = "\x94\x77\x8c\x69\x89\xe6=\x92\x7c";              // 背景画=竹
inline const std::string SJIS_UCHU = "\x94\x77\x8c\x69\x89\xe6=\x89\x46\x92\x88";      // 背景画=宇宙
inline const std::string SJIS_RENGA = "\x94\x77\x8c\x69\x89\xe6=\x97\xf9\x8a\xa2";     // 背景画=煉瓦
inline const std::string CRLF = "\r\n";
inline const char* const INI = "Zelkora.ini";
inline const char* const BACKGROUND_ITEMS[] = {"MIDORI", "TATAMI", "TAKE", "UCHU", "RENGA"};

// A harness whose menu carries the check marks the window gives its items
// when it is created: "畳", "移動指導" and "BGM".
struct SettingsHarness : Harness {
    SettingsHarness() {
        menu.checks["TATAMI"] = true;
        menu.checks["SIDOU"] = true;
        menu.checks["BGM"] = true;
    }
    // The background items that carry a check mark.
    std::vector<std::string> checkedBackgrounds() const {
        std::vector<std::string> out;
        for (const char* item : BACKGROUND_ITEMS)
            if (menu.isChecked(item)) out.push_back(item);
        return out;
    }
};

// Forwards to the harness's files, counting writes; the first `failures`
// writes fail (or every write while `failures` is negative).
class CountingFiles : public Files {
public:
    explicit CountingFiles(MemoryFiles& inner) : inner_(inner) {}
    int writes = 0;
    int failures = 0;
    bool exists(const std::string& path) const override { return inner_.exists(path); }
    ReadResult readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const override {
        return inner_.readAll(path, limit, bytes);
    }
    bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t limit) override {
        ++writes;
        if (failures < 0) return false;
        if (failures > 0) {
            --failures;
            return false;
        }
        return inner_.writeAll(path, bytes, limit);
    }
    bool remove(const std::string& path) override { return inner_.remove(path); }
    bool rename(const std::string& from, const std::string& to) override { return inner_.rename(from, to); }

private:
    MemoryFiles& inner_;
};

// Remembers the sound calls made before each message box, to prove that a
// sound comes before its box.
class SoundCheckingDialogs : public ScriptedDialogs {
public:
    explicit SoundCheckingDialogs(const RecordingSound& sound) : sound_(sound) {}
    std::vector<std::vector<std::string>> soundBefore;
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override {
        soundBefore.push_back(sound_.log);
        return ScriptedDialogs::message(text, title, buttons, icon);
    }

private:
    const RecordingSound& sound_;
};

}  // namespace zelkora::testing
