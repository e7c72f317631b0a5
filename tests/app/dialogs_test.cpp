// The real message boxes, answered by a timer the way a player would click.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "display/qt/qt_dialogs.h"

namespace zelkora {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QFont font;
    int width = 0;
};

// Waits for the modal box, notes what it shows, then presses `button`. The
// polling timer belongs to the application, so it is freed even if no box comes.
void answerWith(QMessageBox::StandardButton button, SeenBox& seen) {
    auto* poll = new QTimer(QApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->font(), box->width()};
        box->button(button)->click();
    });
    poll->start();
}

TEST(QtDialogs, YesNoBoxShowsTitleLinesAndAnswersNo) {
    QtDialogs qtDialogs(nullptr);
    Dialogs& dialogs = qtDialogs;
    SeenBox seen;
    answerWith(QMessageBox::No, seen);
    const Answer answer = dialogs.message("続けますか？\r\r次の行\r\n最後", "再ゲーム", Buttons::YesNo);
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(seen.title, "再ゲーム");
    EXPECT_EQ(seen.text, "続けますか？\n\n次の行\n最後");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
}

TEST(QtDialogs, YesIsAnsweredAsYes) {
    QtDialogs qtDialogs(nullptr);
    Dialogs& dialogs = qtDialogs;
    SeenBox seen;
    answerWith(QMessageBox::Yes, seen);
    EXPECT_EQ(dialogs.message("続けますか？", "再ゲーム", Buttons::YesNo), Answer::Yes);
}

TEST(QtDialogs, WarningBoxHasOneOkButtonAndTheIcon) {
    QtDialogs qtDialogs(nullptr);
    Dialogs& dialogs = qtDialogs;
    SeenBox seen;
    answerWith(QMessageBox::Ok, seen);
    const Answer answer = dialogs.message("<b>音</b>が出ません", "Zelkora.Dll", Buttons::Ok, Icon::Warning);
    EXPECT_EQ(answer, Answer::Ok);
    EXPECT_EQ(seen.title, "Zelkora.Dll");
    EXPECT_EQ(seen.text, "<b>音</b>が出ません");   // shown as written, not as markup
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(QtDialogs, TheBoxIsEnlargedWithTheWindow) {
    SeenBox normal, enlarged;
    QtDialogs atNormalSize(nullptr, [] { return 1.0; }), atDouble(nullptr, [] { return 2.0; });
    answerWith(QMessageBox::Ok, normal);
    atNormalSize.message("Zelkora  バージョン", "バージョン情報", Buttons::Ok, Icon::None);
    answerWith(QMessageBox::Ok, enlarged);
    atDouble.message("Zelkora  バージョン", "バージョン情報", Buttons::Ok, Icon::None);
    EXPECT_EQ(QFontInfo(enlarged.font).pixelSize(), 2 * QFontInfo(normal.font).pixelSize());
}

// A short message keeps its whole title: the window manager's title bar needs
// the title's width and about 100 pixels for its icon and buttons.
TEST(QtDialogs, EveryBoxIsWideEnoughForItsTitle) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    for (const char* title : {"ルール", "進む", "ｴﾗｰ", "The record file cannot be written"}) {
        SCOPED_TRACE(title);
        QtDialogs dialogs(nullptr);
        SeenBox seen;
        answerWith(QMessageBox::Ok, seen);
        dialogs.message("OK", title, Buttons::Ok, Icon::None);
        EXPECT_GE(seen.width, QFontMetrics(bold).horizontalAdvance(QString::fromUtf8(title)) + 100);
    }
}

}  // namespace
}  // namespace zelkora
