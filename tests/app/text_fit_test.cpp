// The texts drawn around the board, measured in the canvas's own font: each
// English text ends before whatever stands to its right (the board, the
// window's edge, the end of the cells painted over when it changes), like the
// Japanese text it replaces.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "display/qt/retained_canvas.h"
#include "display/qt/twips.h"
#include "game/texts.h"

namespace zelkora {
namespace {

constexpr double TWIPS_PER_PIXEL = 15;
double cellX(double c) { return 1050 + 495 * c; }

// Width in twips of a text in the canvas's bold font at the reference scale.
double widthOf(const std::string& text, double points) {
    QFont font(RetainedCanvas::FONT_FAMILY);
    font.setPixelSize(TwipsScale().fontPixels(points));
    font.setBold(true);
    return QFontMetricsF(font).horizontalAdvance(QString::fromStdString(text)) * TWIPS_PER_PIXEL;
}

struct Room {
    const char* what;
    std::string ja, en;   // the texts that stand in this room
    double points;
    double start;         // twips where the text starts (its shadow, further right)
    double endJa, endEn;  // twips where the room ends in each language
};

TEST(TextFit, EveryBoardTextFitsItsRoomInBothLanguages) {
    auto ja = [](Text id) { return textIn(Language::Japanese, id); };
    auto en = [](Text id) { return textIn(Language::English, id); };
    // Right of the board the texts may reach the window's edge (9000 twips):
    // "先手の番" already does; in English one more cell is painted over.
    const double edge = 9000;
    std::vector<Room> rooms = {
        {"thinking", ja(Text::THINKING), "", 12, cellX(-1.5), cellX(1), cellX(1)},
        {"Thinking…", "", en(Text::THINKING), 12, cellX(-1.7), cellX(1), cellX(1)},
        {"hint label", ja(Text::HINT), en(Text::HINT), 12, cellX(-1.7), cellX(1), cellX(1)},
        {"Sente's turn", ja(Text::SENTE_TO_MOVE), en(Text::SENTE_TO_MOVE), 12, cellX(13.2), edge, edge},
        {"Gote's turn", ja(Text::GOTE_TO_MOVE), en(Text::GOTE_TO_MOVE), 12, cellX(13.2), edge, edge},
        {"move number", ja(Text::MOVE_NUMBER_SUFFIX), en(Text::MOVE_NUMBER_SUFFIX), 10, cellX(13.9) + 120, cellX(15), edge},
        // The computer's last move left of the board, the human's right of it.
        {"upper last move", "９九飛成", "+Rx5e", 12, cellX(-1.7), cellX(1), cellX(1)},
        {"upper promotion", "９九飛成", "Bx3c+", 12, cellX(-1.7), cellX(1), cellX(1)},
        {"lower last move", "９九飛成", "+Rx5e", 12, cellX(13.3), edge, edge},
    };
    for (int grade = 0; grade <= 20; ++grade) {
        const Text id = static_cast<Text>(static_cast<int>(Text::GRADE_MEIJIN) + grade);
        rooms.push_back({"handicap grade", ja(id), en(id), 10, cellX(11.1) + 120, cellX(15), cellX(15)});
    }
    for (const Room& r : rooms) {
        SCOPED_TRACE(std::string(r.what) + ": " + r.en);
        EXPECT_LE(r.start + widthOf(r.ja, r.points), r.endJa);
        EXPECT_LE(r.start + widthOf(r.en, r.points), r.endEn);
    }
}

}  // namespace
}  // namespace zelkora
