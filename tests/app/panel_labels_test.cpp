// The record panel's labels read clearly on the board's background: the
// letters and what lies around them differ in lightness by a contrast ratio
// of at least 4.5 (the usual threshold for body text), in both languages.
#include <algorithm>
#include <cmath>
#include <map>

#include <QImage>
#include <QLabel>

#include "display/qt/record_panel.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The contrast between the commonest colour of the picture (the ground) and
// the colour farthest from it in lightness (the letters).
double contrastOf(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    const QRgb ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double far = luminance(ground);
    for (const auto& [colour, count] : counts)
        if (std::abs(luminance(colour) - luminance(ground)) > std::abs(far - luminance(ground))) far = luminance(colour);
    const double light = std::max(far, luminance(ground)), dark = std::min(far, luminance(ground));
    return (light + 0.05) / (dark + 0.05);
}

TEST_F(WindowTest, PanelLabelsStandOutFromTheBackground) {
    MainWindow& w = open();
    for (const char* language : {"NIHONGO", "ENGLISH"}) {
        w.menuAction(language)->trigger();
        w.menuAction("KIFU_WRITE")->trigger();
        for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) {
            QWidget* label = w.recordPanel().control(name);
            const QImage seen = w.grab(QRect(label->mapTo(&w, QPoint(0, 0)), label->size())).toImage();
            EXPECT_GE(contrastOf(seen), 4.5) << language << " " << name;
        }
    }
}

}  // namespace
}  // namespace zelkora::testing
