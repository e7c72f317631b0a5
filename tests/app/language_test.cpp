// The window in English and back: the compiled translation against the table,
// the menu captions, panel labels and title after a choice of the menu, Qt's
// standard buttons, the choice kept over a restart, the labels' room.
#include <string>

#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
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
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
    }
    return false;
}

// The captions that name both languages and read the same in either.
bool bilingual(const std::string& item) { return item == "GENGO" || item == "KOMA" || item == "NIHONGO"; }

const char* const PANEL_LABELS[] = {"Label1", "Label2", "Label3", "Label4", "Command1"};

// Every text the player reads on the window itself, by what it is.
std::vector<std::pair<std::string, QString>> windowTexts(MainWindow& w) {
    std::vector<std::pair<std::string, QString>> texts{{"title", w.windowTitle()}};
    for (const MenuItem& item : menuTable()) texts.emplace_back(item.name, w.menuAction(item.name)->text());
    for (const char* name : PANEL_LABELS) {
        QWidget* c = w.recordPanel().control(name);
        const auto* label = qobject_cast<QLabel*>(c);
        texts.emplace_back(name, label ? label->text() : qobject_cast<QPushButton*>(c)->text());
    }
    return texts;
}

QString withoutMnemonic(QString text) { return text.remove(QChar('&')); }

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
        if (bilingual(what)) EXPECT_EQ(text, japanese[i].second) << what;
        else EXPECT_FALSE(holdsJapanese(text)) << what << ": " << text.toStdString();
    }
    for (const MenuItem& item : menuTable())
        EXPECT_EQ(w.menuAction(item.name)->text().toStdString(), textIn(Language::English, item.caption)) << item.name;
    EXPECT_EQ(w.menuAction("MATTA")->shortcut(), QKeySequence("Ctrl+Z")) << "shortcuts stay";

    w.menuAction("NIHONGO")->trigger();
    EXPECT_EQ(windowTexts(w), japanese);
}

TEST_F(LanguageTest, StandardButtonsFollowTheChosenLanguage) {
    struct Case {
        const char* item;
        const char* yes;
        const char* no;
    };
    const Case cases[] = {{"ENGLISH", "Yes", "No"}, {"NIHONGO", "はい", "いいえ"}};
    MainWindow& w = open();
    for (const Case& c : cases) {
        w.menuAction(c.item)->trigger();
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        EXPECT_TRUE(withoutMnemonic(box.button(QMessageBox::Yes)->text()).startsWith(QString::fromUtf8(c.yes)))
            << c.item << ": " << box.button(QMessageBox::Yes)->text().toStdString();
        EXPECT_TRUE(withoutMnemonic(box.button(QMessageBox::No)->text()).startsWith(QString::fromUtf8(c.no)))
            << c.item << ": " << box.button(QMessageBox::No)->text().toStdString();
    }
}

TEST_F(LanguageTest, TheChoiceIsKeptOverARestart) {
    open().menuAction("ENGLISH")->trigger();
    // A new program starts with no translator of its own installed.
    ASSERT_TRUE(useLanguage(Language::Japanese));
    MainWindow& again = open();
    EXPECT_TRUE(again.menuAction("ENGLISH")->isChecked());
    EXPECT_EQ(again.windowTitle().toStdString(), textIn(Language::English, Text::WINDOW_TITLE));
    for (const MenuItem& item : menuTable())
        EXPECT_EQ(again.menuAction(item.name)->text().toStdString(), textIn(Language::English, item.caption))
            << item.name;
}

TEST_F(LanguageTest, PanelTextsFitTheirPlacesAndItsRefusalReadsEnglish) {
    MainWindow& w = open();
    for (const char* item : {"NIHONGO", "ENGLISH"}) {
        w.menuAction(item)->trigger();
        for (const char* name : PANEL_LABELS) {
            QWidget* c = w.recordPanel().control(name);
            const auto* label = qobject_cast<QLabel*>(c);
            const QString text = label ? label->text() : qobject_cast<QPushButton*>(c)->text();
            EXPECT_LE(QFontMetrics(c->font()).horizontalAdvance(text), c->width()) << item << " " << name;
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
