// 読み上げ: the game's news read aloud through the speech port while the
// option is on. What is said: the computer's move (with "王手" where it
// checks), the reason of a refused move and the end of the game, in the
// language the player reads. The player's own moves are not read back: he
// just made them.
#pragma once

#include "game/Form1.h"

namespace zelkora {

class SpokenNews : public GameNews {
public:
    explicit SpokenNews(Form1& form) : form_(form) {}
    void movePlayed(const MoveNews& move) override;
    void refused(const std::string& reason) override;
    void gameEnded(const std::string& result) override;

private:
    void say(const std::string& text);
    Form1& form_;
};

}  // namespace zelkora
