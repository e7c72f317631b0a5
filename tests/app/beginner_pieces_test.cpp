// The beginners' pieces: a mark wherever each kind can go and nowhere else,
// in the colour of its character, turned with the upper side's pieces; a
// canvas drawn again at another scale keeps each piece in the set it was drawn
// in; the menu's choice changes the board and is kept for the next start.
#include <QImage>

#include <gtest/gtest.h>

#include "display/pictures.h"
#include "display/qt/picture_art.h"
#include "display/qt/retained_canvas.h"
#include "tests/app/app_fixture.h"
#include "display/qt/art/art.h"

namespace zelkora {
namespace {

// The moves of each kind by the rules, for the lower side: single steps and
// slides as compass directions (F forward, B back, L, R and the corners FL,
// FR, BL, BR), N for the knight's two jumps.
struct KindCase {
    Picture lower;
    bool promoted;
    const char* steps;
    const char* slides;
};

constexpr const char* GOLD = "F FL FR L R B";
const KindCase KINDS[] = {
    {Picture::SITA_HU0, false, "F", ""},          {Picture::SITA_KYOU0, false, "", "F"},
    {Picture::SITA_KEI0, false, "N", ""},         {Picture::SITA_GIN0, false, "F FL FR BL BR", ""},
    {Picture::SITA_KIN, false, GOLD, ""},         {Picture::SITA_KAKU0, false, "", "FL FR BL BR"},
    {Picture::SITA_SYA0, false, "", "F L R B"},   {Picture::SITA_OU, false, "F FL FR L R B BL BR", ""},
    {Picture::SITA_HU1, true, GOLD, ""},          {Picture::SITA_KYOU1, true, GOLD, ""},
    {Picture::SITA_KEI1, true, GOLD, ""},         {Picture::SITA_GIN1, true, GOLD, ""},
    {Picture::SITA_KAKU1, true, "F L R B", "FL FR BL BR"}, {Picture::SITA_SYA1, true, "FL FR BL BR", "F L R B"},
};

Picture upperOf(Picture lower) {
    return Picture(int(lower) - int(Picture::SITA_HU0) + int(Picture::UE_HU0));
}

struct Direction {
    const char* name;
    int dx, dy;
};
const Direction DIRECTIONS[] = {{"F", 0, -1}, {"FL", -1, -1}, {"FR", 1, -1}, {"L", -1, 0},
                                {"R", 1, 0},  {"B", 0, 1},    {"BL", -1, 1}, {"BR", 1, 1}};

bool listed(const char* list, const char* name) {
    return (std::string(" ") + list + " ").find(std::string(" ") + name + " ") != std::string::npos;
}

bool blackInk(QColor c) { return std::max({c.red(), c.green(), c.blue()}) < 80; }
bool redInk(QColor c) { return c.red() > 140 && c.green() < 80 && c.blue() < 80; }

constexpr int SCALE = 4;

// Whether the 3 by 3 pixels round a point of the square (reference pixels)
// hold ink: of the piece's own colour when `wanted`, of any colour when not.
bool inkAt(const QImage& image, QPointF at, bool promoted, bool wanted) {
    const QPoint centre = (at * SCALE).toPoint();
    for (int x = -1; x <= 1; ++x)
        for (int y = -1; y <= 1; ++y) {
            const QColor c = image.pixelColor(centre + QPoint(x, y));
            if (wanted ? (promoted ? redInk(c) : blackInk(c)) : (blackInk(c) || redInk(c))) return true;
        }
    return false;
}

TEST(BeginnersPieces, EachKindIsMarkedWhereItMovesOnBothSides) {
    const QSize size(33 * SCALE, 41 * SCALE);
    for (const KindCase& kind : KINDS) {
        const QTransform frame = art::pieceFrame(kind.lower);
        for (const bool upper : {false, true}) {
            const Picture picture = upper ? upperOf(kind.lower) : kind.lower;
            SCOPED_TRACE(pictureEntry(picture).resource);
            const QImage image = renderPicture(picture, size, PieceSet::Beginners);
            EXPECT_NE(image, renderPicture(picture, size, PieceSet::Traditional));
            // The upper piece is the lower one turned about the square's centre.
            auto onSquare = [&](QPointF mark) {
                const QPointF p = frame.map(mark);
                return upper ? QPointF(33 - p.x(), 41 - p.y()) : p;
            };
            auto expectMark = [&](QPointF mark, bool expected, const char* what) {
                const QPointF at = onSquare(mark);
                EXPECT_EQ(inkAt(image, at, kind.promoted, expected), expected) << what << " at " << at.x() << "," << at.y();
            };
            for (const Direction& d : DIRECTIONS) {
                const bool slides = listed(kind.slides, d.name);
                const bool moves = slides || listed(kind.steps, d.name);
                expectMark(art::moveMark(d.dx, d.dy), moves, (std::string("step ") + d.name).c_str());
                expectMark(art::slideMark(d.dx, d.dy), slides, (std::string("slide ") + d.name).c_str());
            }
            for (const int dx : {-1, 1}) expectMark(art::moveMark(dx, -2), listed(kind.steps, "N"), "knight's jump");
        }
    }
}

// How many pixels in a row from `at` along (dx, dy), both ways, are inked
// (much darker than the wood, of black or red ink) in a picture at 100%.
int inkRun(const QImage& image, QPointF at, int dx, int dy) {
    auto inked = [&](QPoint p) { return image.rect().contains(p) && qGray(image.pixel(p)) < 125; };
    const QPoint centre = at.toPoint();
    if (!inked(centre)) return 0;
    int run = 1;
    for (const int sign : {-1, 1})
        for (QPoint p = centre + sign * QPoint(dx, dy); inked(p); p += sign * QPoint(dx, dy)) ++run;
    return run;
}

// At 100% every dot is at least 3 pixels across both ways and every line at
// least 3 pixels thick, on the smallest piece too; the knight's dots stand
// above where a forward step's dot would be and closer to the middle than the
// forward diagonal dots: two squares ahead, one across.
TEST(BeginnersPieces, MarksAreThreePixelsAcrossAtNormalSize) {
    for (const KindCase& kind : KINDS) {
        SCOPED_TRACE(pictureEntry(kind.lower).resource);
        const QImage image = renderPicture(kind.lower, QSize(33, 41), PieceSet::Beginners);
        const QTransform frame = art::pieceFrame(kind.lower);
        for (const Direction& d : DIRECTIONS) {
            if (listed(kind.steps, d.name)) {
                EXPECT_GE(inkRun(image, frame.map(art::moveMark(d.dx, d.dy)), 1, 0), 3) << "dot " << d.name;
                EXPECT_GE(inkRun(image, frame.map(art::moveMark(d.dx, d.dy)), 0, 1), 3) << "dot " << d.name;
            }
            if (listed(kind.slides, d.name))
                EXPECT_GE(inkRun(image, frame.map(art::slideMark(d.dx, d.dy)), d.dy == 0 ? 0 : 1, d.dy == 0 ? 1 : 0), 3)
                    << "line " << d.name;
        }
        if (listed(kind.steps, "N"))
            for (const int dx : {-1, 1}) EXPECT_GE(inkRun(image, frame.map(art::moveMark(dx, -2)), 0, 1), 3);
    }
    const QPointF jump = art::moveMark(-1, -2), forward = art::moveMark(0, -1), diagonal = art::moveMark(-1, -1);
    EXPECT_LT(jump.y() + 3, forward.y());
    EXPECT_GT(jump.x(), diagonal.x() + 3);
}

// The picture at device pixel rectangle `rect` of the canvas.
QImage cell(const RetainedCanvas& canvas, const QRect& rect) {
    return canvas.image().copy(rect).convertToFormat(QImage::Format_RGB32);
}

TEST(BeginnersPieces, ACanvasDrawnAgainKeepsEachPieceInItsSet) {
    struct Drawn {
        Picture picture;
        PieceSet set;
        double x, y;
    };
    const Drawn drawn[] = {{Picture::SITA_KIN, PieceSet::Traditional, 1050, 100},
                           {Picture::UE_SYA1, PieceSet::Beginners, 1545, 100},
                           {Picture::KARA_MASU, PieceSet::Beginners, 1050, 715},
                           {Picture::UE_SYA1, PieceSet::Traditional, 1545, 715}};
    RetainedCanvas canvas(2500, 1600);
    for (const Drawn& d : drawn) {
        canvas.setPieceSet(d.set);
        canvas.drawPicture(d.picture, d.x, d.y);
    }
    canvas.setPieceSet(PieceSet::Traditional);
    for (const TwipsScale& scale : {TwipsScale(1, 1), TwipsScale(2, 1), TwipsScale(1.5, 1.25), TwipsScale(1, 1)}) {
        SCOPED_TRACE(::testing::Message() << scale.zoom() << " x " << scale.ratio());
        canvas.setScale(scale, QSize(scale.toPixels(2500), scale.toPixels(1600)));
        for (const Drawn& d : drawn) {
            SCOPED_TRACE(pictureEntry(d.picture).resource);
            const PictureEntry& entry = pictureEntry(d.picture);
            const QRect rect(QPoint(scale.x(d.x), scale.y(d.y)),
                             QPoint(scale.x(d.x + entry.width * 15) - 1, scale.y(d.y + entry.height * 15) - 1));
            const bool ownSize = rect.size() == QSize(entry.width, entry.height);
            const bool art = d.set == PieceSet::Beginners && isPiecePicture(d.picture);
            const QImage expected = ownSize && !art ? RetainedCanvas::picture(d.picture).convertToFormat(QImage::Format_RGB32)
                                                    : renderPicture(d.picture, rect.size(), d.set);
            EXPECT_TRUE(cell(canvas, rect) == expected);
        }
    }
}

// The lower king's square 5九 at 100% without the grid line along its top and
// left: as the window's canvas shows it, and as the set draws it.
QImage kingOnCanvas(MainWindow& w) { return cell(w.canvas(), QRect(236, 377, 32, 40)); }
QImage kingIn(PieceSet set) {
    const QImage king = set == PieceSet::Beginners ? renderPicture(Picture::SITA_OU, QSize(33, 41), set)
                                                   : RetainedCanvas::picture(Picture::SITA_OU);
    return king.copy(1, 1, 32, 40).convertToFormat(QImage::Format_RGB32);
}

class PieceSetMenu : public testing::WindowTest {};

TEST_F(PieceSetMenu, EachChoiceRedrawsTheBoardAndTheLastIsKeptForTheNextStart) {
    MainWindow& w = open();
    ASSERT_TRUE(kingOnCanvas(w) == kingIn(PieceSet::Traditional));
    const std::pair<const char*, PieceSet> choices[] = {
        {"KOMA_SHOSHIN", PieceSet::Beginners}, {"KOMA_DENTOU", PieceSet::Traditional}, {"KOMA_SHOSHIN", PieceSet::Beginners}};
    for (const auto& [item, set] : choices) {
        SCOPED_TRACE(item);
        w.menuAction(item)->trigger();
        EXPECT_TRUE(kingOnCanvas(w) == kingIn(set));
    }
    EXPECT_TRUE(kingOnCanvas(open()) == kingIn(PieceSet::Beginners)) << "not kept for the next start";
}

}  // namespace
}  // namespace zelkora
