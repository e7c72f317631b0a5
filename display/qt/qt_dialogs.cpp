// Modal message boxes.
#include "display/qt/qt_dialogs.h"

#include <cmath>

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zelkora {

QFont QtDialogs::enlarged(QFont font, double zoom) {
    if (zoom == 1) return font;
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
    else font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * zoom)));
    return font;
}

QString QtDialogs::displayText(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

// The window manager draws the title in its own font beside its buttons, and
// cuts it short when the box is narrower; a box is made wide enough for its
// title in a bold application font and the buttons, whatever its text.
void QtDialogs::widenForTitle(QMessageBox& box) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TITLE_BAR_BUTTONS;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

void QtDialogs::prepare(QMessageBox& box, const std::string& text, const std::string& title, Buttons buttons,
                        Icon icon, double zoom) {
    box.setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setFont(enlarged(box.font(), zoom));
    widenForTitle(box);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
}

Answer QtDialogs::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    QMessageBox box(parent_);
    prepare(box, text, title, buttons, icon, zoom_ ? zoom_() : 1);
    const int result = box.exec();
    return buttons == Buttons::YesNo ? (result == QMessageBox::Yes ? Answer::Yes : Answer::No) : Answer::Ok;
}

}  // namespace zelkora
