#include "help/diagram.h"

#include <algorithm>

#include "game/sfen.h"

namespace zelkora::help {
namespace {

// The upper stand (cell -1) a little inside the left edge, the column labels
// (row 0) at the top.
constexpr double GRID_LEFT = 555, GRID_TOP = 60;

}  // namespace

bool drawDiagram(Form1& form, const Page& page) {
    Position position;
    std::string error;
    if (!parseSfen(page.sfen, position, error)) return false;
    loadPosition(form, position);
    form.geo.left = GRID_LEFT;
    form.geo.top = GRID_TOP;
    form.描画_背景(form.display.background);
    form.描画_桝_数値();
    form.描画_自持盤();
    form.描画_敵持盤();
    form.描画_盤();
    std::vector<Mark> numbered;
    for (const Mark& mark : page.marks) {
        if (mark.colour != 0) form.描画_桝輪郭(mark.colour, mark.x, mark.y);
        if (mark.number != 0) numbered.push_back(mark);
    }
    std::sort(numbered.begin(), numbered.end(), [](const Mark& a, const Mark& b) { return a.number < b.number; });
    std::vector<std::pair<int, int>> steps;
    for (const Mark& mark : numbered) steps.emplace_back(mark.x, mark.y);
    form.描画_手順番号(steps);
    return true;
}

}  // namespace zelkora::help
