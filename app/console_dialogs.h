// Message boxes for runs nobody watches (screenshots, the start-up report):
// each box is printed on stderr as one line "[title] text" (the text's line
// breaks become spaces) and answered at once with OK or Yes, as a player
// clicking the first button would.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

#include "game/ports.h"

namespace zelkora {

class ConsoleDialogs : public Dialogs {
public:
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon) override {
        std::string line = text;
        std::replace(line.begin(), line.end(), '\r', ' ');
        std::fprintf(stderr, "[%s] %s\n", title.c_str(), line.c_str());
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

}  // namespace zelkora
