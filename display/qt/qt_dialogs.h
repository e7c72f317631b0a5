// Message boxes of the game as modal QMessageBoxes.
//
// The title and text are shown as given; the carriage returns the messages use
// for line breaks become line breaks. One OK button, or Yes and No (Yes is the
// default, Escape answers No); the warning icon only when asked for.
#pragma once

#include <QString>

#include "game/ports.h"

class QWidget;

namespace zelkora {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;

    // The text as the box shows it.
    static QString displayText(const std::string& text);

private:
    QWidget* parent_;
};

}  // namespace zelkora
