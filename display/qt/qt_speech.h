// The speech port through Qt TextToSpeech (読み上げ) with the system's first
// engine. Without any engine, or with one that reported an error, nothing is
// said and `reason` names the fault for the menu. Sentences given while one
// is spoken wait in order (Qt 6.4's say() would cut the current one short).
// A sentence is spoken in the voice of its language where the engine has it.
#pragma once

#include <deque>
#include <memory>
#include <utility>

#include <QString>

#include "game/ports.h"

class QTextToSpeech;

namespace zelkora {

class QtSpeech : public Speech {
public:
    QtSpeech();
    ~QtSpeech() override;

    bool available() const override;
    void say(const std::string& text, Language language) override;

private:
    void speakNext();

    std::unique_ptr<QTextToSpeech> engine_;
    std::deque<std::pair<QString, Language>> waiting_;
};

}  // namespace zelkora
