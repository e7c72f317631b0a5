// The window in English and back: the compiled translation against the table,
// the menu captions, panel labels and title after a choice of the menu, Qt's
// standard buttons, the choice kept over a restart, the labels' room.
#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QMessageBox>
#include <QPushButton>

#include "app/menu_table.h"
#include "app/translations.h"
#include "display/qt/record_panel.h"
#include "display/qt/window_texts.h"
#include "tests/app/app_fixture.h"

namespace zelkora::testing {
namespace {

// Hiragana, katakana, CJK punctuation, kanji, full- and half-width forms.
bool holdsJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

const char* const PANEL_TEXTS[] = {"Label1", "Label2", "Label3", "Label4", "Command1"};

QString shownText(QWidget* control) {
    if (const auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return qobject_cast<QPushButton*>(control)->text();
}

// Every text the player reads on the window itself, by what it is.
std::vector<std::pair<std::string, QString>> windowTexts(MainWindow& w) {
    std::vector<std::pair<std::string, QString>> texts{{"title", w.windowTitle()}};
    for (const MenuItem& item : menuTable()) texts.emplace_back(item.name, w.menuAction(item.name)->text());
    for (const char* name : PANEL_TEXTS) texts.emplace_back(name, shownText(w.recordPanel().control(name)));
    return texts;
}

// Later tests find the Japanese translators of a fresh program again.
class LanguageTest : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        useLanguage(Language::Japanese);
    }
};

TEST(Translation, EveryTextTranslatesToItsCounterpartAndBack) {
    for (const Language language : {Language::English, Language::Japanese}) {
        ASSERT_TRUE(useLanguage(language));
        for (const TextEntry& entry : textTable())
            EXPECT_EQ(windowText(entry.id), QString::fromUtf8(language == Language::English ? entry.en : entry.ja))
                << "text " << static_cast<int>(entry.id);
    }
}

TEST_F(LanguageTest, EnglishLeavesNoJapaneseOnTheWindowAndJapaneseComesBack) {
    MainWindow& w = open();
    const auto japanese = windowTexts(w);
    w.menuAction("ENGLISH")->trigger();
    const auto english = windowTexts(w);
    for (std::size_t i = 0; i < english.size(); ++i) {
        const auto& [what, text] = english[i];
        // The captions naming both languages read the same in either.
        if (what == "GENGO" || what == "KOMA" || what == "NIHONGO") EXPECT_EQ(text, japanese[i].second) << what;
        else EXPECT_FALSE(holdsJapanese(text)) << what << ": " << text.toStdString();
        // A word left as it reads in Japanese was not translated (names aside).
        const bool name = what == "title" || what == "ENGLISH" || what == "GENGO" || what == "KOMA" || what == "NIHONGO";
        // The mnemonic's letter, the same in both languages, does not count.
        const QString words = QString(text).remove(QRegularExpression("\\(&.\\)|&"));
        if (!name && words.contains(QRegularExpression("[A-Za-z]"))) EXPECT_NE(text, japanese[i].second) << what;
    }
    const bool silent = !w.form().io.speech->available();
    for (const MenuItem& item : menuTable())
        EXPECT_EQ(w.menuAction(item.name)->text(),
                  silent && std::string(item.name) == "YOMIAGE" ? windowText(Text::SPEECH_NO_ENGINE) :
                  withMnemonic(QString::fromStdString(textIn(Language::English, item.caption)), item.mnemonic))
            << item.name;
    EXPECT_EQ(w.menuAction("MATTA")->shortcut(), QKeySequence("Ctrl+Z")) << "shortcuts stay";

    w.menuAction("NIHONGO")->trigger();
    EXPECT_EQ(windowTexts(w), japanese);
}

TEST_F(LanguageTest, StandardButtonsFollowTheChosenLanguage) {
    const struct {
        const char* item;
        const char* yes;
        const char* no;
    } cases[] = {{"ENGLISH", "Yes", "No"}, {"NIHONGO", "はい", "いいえ"}};
    MainWindow& w = open();
    for (const auto& c : cases) {
        w.menuAction(c.item)->trigger();
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const QString yes = box.button(QMessageBox::Yes)->text().remove('&');
        const QString no = box.button(QMessageBox::No)->text().remove('&');
        EXPECT_TRUE(yes.startsWith(QString::fromUtf8(c.yes))) << c.item << ": " << yes.toStdString();
        EXPECT_TRUE(no.startsWith(QString::fromUtf8(c.no))) << c.item << ": " << no.toStdString();
    }
}

TEST_F(LanguageTest, TheChoiceIsKeptOverARestart) {
    MainWindow& first = open();
    first.menuAction("ENGLISH")->trigger();
    const auto english = windowTexts(first);
    // A new program starts with no translator of its own installed.
    ASSERT_TRUE(useLanguage(Language::Japanese));
    EXPECT_EQ(windowTexts(open()), english);
}

TEST_F(LanguageTest, PanelTextsFitTheirPlacesAndItsRefusalReadsEnglish) {
    MainWindow& w = open();
    for (const char* item : {"NIHONGO", "ENGLISH"}) {
        w.menuAction(item)->trigger();
        for (const char* name : PANEL_TEXTS) {
            QWidget* c = w.recordPanel().control(name);
            EXPECT_LE(QFontMetrics(c->font()).horizontalAdvance(shownText(c)), c->width()) << item << " " << name;
        }
    }
    auto* drive1 = qobject_cast<QComboBox*>(w.recordPanel().control("Drive1"));
    drive1->addItem("/no/such/drive", "/no/such/drive");
    drive1->setCurrentIndex(drive1->count() - 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, textIn(Language::English, Text::DEVICE_NOT_READY));
    EXPECT_EQ(dialogs.shown[0].title, textIn(Language::English, Text::TITLE_ERROR));
}

}  // namespace
}  // namespace zelkora::testing
