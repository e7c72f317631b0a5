// Typing any text into a widget as the keyboard and the input method deliver
// it: ASCII and half-width katakana as key presses carrying their text, other
// characters (kanji, full-width forms) as an input method's committed string.
// QTest::keyClicks only knows Latin-1 keys.
#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace zelkora::testing {

inline void typeText(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar ch : text) {
        const bool keyboard = ch.unicode() < 0x80 || (ch.unicode() >= 0xFF61 && ch.unicode() <= 0xFF9F);
        if (keyboard) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(widget, &release);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

}  // namespace zelkora::testing
