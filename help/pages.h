// The pages of "遊び方" (how to play): each a title and a few paragraphs in
// both languages and a diagram, a position with marked squares, drawn by the
// game's own board drawing (help/diagram.h).
//
// The pages are data only; the window that shows them lives in the Qt layer.
// Marks name board squares (1..9) or hand cells (column 11 the lower stand,
// -1 the upper one) in the game's coordinates; an outline colour of 0 draws
// no frame, a number of 0 no number. Numbers are the moves of a chain, drawn
// as the look-ahead draws them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "game/ports.h"
#include "game/texts.h"

namespace zelkora::help {

struct Mark {
    int x = 0, y = 0;
    int colour = 0;   // palette index of the square's frame; 0: none
    int number = 0;   // the move's number in a chain; 0: none
};

struct Page {
    const char* titleJa;
    const char* titleEn;
    const char* textJa;   // paragraphs separated by "\n\n"
    const char* textEn;
    const char* sfen;     // the diagram's position (game/sfen.h)
    std::vector<Mark> marks;
    // A message box of the game the page shows, by its text and title; Count: none.
    Text box = Text::Count;
    Text boxTitle = Text::Count;
};

std::span<const Page> pages();

std::string title(const Page& page, Language language);
std::string text(const Page& page, Language language);

}  // namespace zelkora::help
