// Message boxes of the game as modal QMessageBoxes.
//
// The title and text are shown as given; the carriage returns the messages use
// for line breaks become line breaks. One OK button, or Yes and No (Yes is the
// default, Escape answers No); the warning icon only when asked for. The box's
// text and buttons are enlarged with the window (`zoom` tells by how much).
// A box is never narrower than its title needs in the window manager's title
// bar, so a short message does not cut its title off.
#pragma once

#include <functional>
#include <utility>

#include <QFont>
#include <QString>

#include "game/ports.h"

class QMessageBox;
class QWidget;

namespace zelkora {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent, std::function<double()> zoom = {})
        : parent_(parent), zoom_(std::move(zoom)) {}
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;

    // The text as the box shows it.
    static QString displayText(const std::string& text);
    // Title, text, icon, buttons and font of a box as message() shows it.
    static void prepare(QMessageBox& box, const std::string& text, const std::string& title, Buttons buttons,
                        Icon icon, double zoom);
    // A font enlarged by `zoom`.
    static QFont enlarged(QFont font, double zoom);
    // Makes the box at least as wide as its title and the title bar's
    // buttons and window icon need.
    static void widenForTitle(QMessageBox& box);
    static constexpr int TITLE_BAR_BUTTONS = 160;   // logical pixels

private:
    QWidget* parent_;
    std::function<double()> zoom_;
};

}  // namespace zelkora
