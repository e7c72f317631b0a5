// Reading the news aloud.
#include "game/spoken_news.h"

namespace zelkora {

void SpokenNews::movePlayed(const MoveNews& move) {
    if (move.byComputer) say(move.text);
}

void SpokenNews::refused(const std::string& reason) { say(reason); }

void SpokenNews::gameEnded(const std::string& result) { say(result); }

void SpokenNews::say(const std::string& text) {
    Speech* speech = form_.io.speech;
    if (!form_.flags.speech || speech == nullptr || !speech->available()) return;
    speech->say(text, form_.display.language);
}

}  // namespace zelkora
