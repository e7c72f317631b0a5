// A page's diagram drawn by the game's own procedures: background, board
// labels, both stands, the board, then the page's frames and numbers.
//
// The Form1 given is a drawing-only instance whose canvas is the diagram's;
// its display state (background, language, piece set) is the caller's. Its
// grid is moved so that both stands and the board labels fit a client area
// of DIAGRAM_WIDTH by DIAGRAM_HEIGHT twips.
#pragma once

#include "game/Form1.h"
#include "help/pages.h"

namespace zelkora::help {

constexpr double DIAGRAM_WIDTH = 7050, DIAGRAM_HEIGHT = 6300;   // twips

// Answers false (and draws nothing) when the page's position does not parse.
bool drawDiagram(Form1& form, const Page& page);

}  // namespace zelkora::help
