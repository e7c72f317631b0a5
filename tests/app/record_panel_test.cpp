// The record panel's widgets on the real window: places, names, the "*.棋譜"
// filter, folder and drive changes, and Japanese text in and out.
#include <fstream>
#include <string>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "display/qt/canvas_widget.h"
#include "display/qt/record_panel.h"
#include "display/qt/twips.h"
#include "tests/app/app_fixture.h"
#include "tests/app/typing.h"

namespace zelkora::testing {
namespace {

struct ControlPlace {
    const char* name;
    double left, top, width, height;   // twips
    const char* caption;               // label or button text, "" for none
};

const ControlPlace PLACES[] = {
    {"Drive1", 240, 360, 2535, 300, ""},
    {"Dir1", 240, 600, 2535, 1710, ""},
    {"File1", 240, 2280, 2535, 930, ""},
    {"Label2", 120, 2400, 855, 255, "対 局 名："},
    {"Text2", 960, 2400, 2295, 270, ""},
    {"Label3", 120, 2640, 855, 255, "先    手 ："},
    {"Text3", 960, 2640, 2295, 270, ""},
    {"Label4", 120, 2880, 855, 255, "後    手 ："},
    {"Text4", 960, 2880, 2295, 270, ""},
    {"Label1", 120, 3120, 855, 255, "ﾌｧｲﾙ名 ："},
    {"Text1", 960, 3120, 2295, 270, ""},
    {"Command1", 3360, 3000, 855, 375, "RETURN"},
};

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
    return out;
}

void touch(const QString& path) { std::ofstream(path.toStdString()) << "x\r\n"; }

class RecordPanelTest : public WindowTest {
protected:
    RecordPanelWidgets& panel() { return window().recordPanel(); }
    MainWindow& window() {
        if (!w_) w_ = &open();
        return *w_;
    }
    template <typename T>
    T* control(const char* name) {
        auto* c = qobject_cast<T*>(panel().control(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

private:
    MainWindow* w_ = nullptr;
};

TEST_F(RecordPanelTest, ControlsSitAtTheirTwipsPlacesHidden) {
    const TwipsScale scale;
    for (const ControlPlace& p : PLACES) {
        SCOPED_TRACE(p.name);
        QWidget* c = panel().control(p.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->objectName(), p.name);
        EXPECT_EQ(c->geometry(), QRect(scale.toPixels(p.left), scale.toPixels(p.top), scale.toPixels(p.width),
                                       scale.toPixels(p.height)));
        EXPECT_TRUE(c->isHidden());
        EXPECT_EQ(c->parentWidget(), static_cast<QWidget*>(&window().canvasWidget()));
        if (auto* label = qobject_cast<QLabel*>(c)) {
            EXPECT_EQ(label->text().toStdString(), p.caption);
        }
        if (auto* button = qobject_cast<QPushButton*>(c)) {
            EXPECT_EQ(button->text().toStdString(), p.caption);
        }
    }
}

TEST_F(RecordPanelTest, ListsAndTextGroupShowIndependently) {
    panel().setListsVisible(true, true, false);
    EXPECT_FALSE(panel().control("Drive1")->isHidden());
    EXPECT_FALSE(panel().control("Dir1")->isHidden());
    EXPECT_TRUE(panel().control("File1")->isHidden());
    EXPECT_TRUE(panel().control("Text1")->isHidden());
    panel().setTextGroupVisible(true);
    for (const char* name : {"Label1", "Label4", "Text1", "Text4", "Command1"})
        EXPECT_FALSE(panel().control(name)->isHidden()) << name;
    panel().setListsVisible(false, false, true);
    EXPECT_TRUE(panel().control("Drive1")->isHidden());
    EXPECT_FALSE(panel().control("File1")->isHidden());
    panel().setTextGroupVisible(false);
    EXPECT_TRUE(panel().control("Command1")->isHidden());
}

TEST_F(RecordPanelTest, StartsInTheWorkingFolderAndListsOnlyRecordFiles) {
    for (const char* name : {"b.棋譜", "a.棋譜", "notes.txt", "c.棋譜.bak", "対局.棋譜"}) touch(folder() + "/" + name);
    QDir(folder()).mkdir("sub");
    EXPECT_EQ(panel().folder(), QDir::currentPath().toStdString());
    panel().setListsVisible(true, true, true);
    EXPECT_EQ(items(control<QListWidget>("File1")), (QStringList{"a.棋譜", "b.棋譜", "対局.棋譜"}));
    EXPECT_TRUE(items(control<QListWidget>("Dir1")).contains("sub"));

    // A file written later appears when the core asks for a refresh.
    touch(folder() + "/z.棋譜");
    panel().refreshFiles();
    EXPECT_TRUE(items(control<QListWidget>("File1")).contains("z.棋譜"));
}

TEST_F(RecordPanelTest, OpeningAFolderShowsItsFiles) {
    QDir(folder()).mkpath("棋譜集");
    touch(folder() + "/棋譜集/名局.棋譜");
    touch(folder() + "/top.棋譜");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    panel().setListsVisible(true, true, true);
    QApplication::processEvents();   // the lists lay their items out
    QListWidget* dir1 = control<QListWidget>("Dir1");
    const auto found = dir1->findItems("棋譜集", Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    const QRect rect = dir1->visualItemRect(found[0]);
    // A double click: press and release, then the second press as a double click.
    QTest::mouseClick(dir1->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QApplication::processEvents();
    EXPECT_EQ(QString::fromStdString(panel().folder()).section('/', -1), "棋譜集");
    EXPECT_EQ(items(control<QListWidget>("File1")), QStringList{"名局.棋譜"});

    // The parent folder is listed above.
    QApplication::processEvents();
    const auto parent = dir1->findItems(QDir(folder()).dirName(), Qt::MatchEndsWith);
    ASSERT_EQ(parent.size(), 1);
    // Enter on the chosen item opens it too.
    dir1->setCurrentItem(parent[0]);
    QTest::keyClick(dir1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(items(control<QListWidget>("File1")), QStringList{"top.棋譜"});
}

TEST_F(RecordPanelTest, FolderAndFileNamesThatAreNotUtf8KeepTheirBytes) {
    // Qt would read these bytes as U+FFFD and name another folder, or none.
    const std::string bad = QFile::encodeName(folder()).toStdString() + "/bad\xFF\xFE";
    ASSERT_EQ(::mkdir(bad.c_str(), 0755), 0);
    std::ofstream(bad + "/\xFE.\xE6\xA3\x8B\xE8\xAD\x9C") << "x";   // a file "\xFE.棋譜"
    std::string chosen;
    panel().onFileChosen = [&](const std::string& name) { chosen = name; };
    panel().setListsVisible(true, true, true);

    // Opened from the folder list.
    QListWidget* dir1 = control<QListWidget>("Dir1");
    const auto found = dir1->findItems(QFile::decodeName("bad\xFF\xFE"), Qt::MatchEndsWith);
    ASSERT_EQ(found.size(), 1);
    emit dir1->itemActivated(found[0]);
    QApplication::processEvents();
    EXPECT_EQ(panel().folder(), bad);
    QListWidget* file1 = control<QListWidget>("File1");
    ASSERT_EQ(file1->count(), 1);
    emit file1->itemClicked(file1->item(0));
    EXPECT_EQ(chosen, "\xFE.\xE6\xA3\x8B\xE8\xAD\x9C");

    // Started in it: the working folder as the system names it.
    ASSERT_EQ(::chdir(bad.c_str()), 0);
    panel().startIn(QDir::currentPath());
    EXPECT_EQ(panel().folder(), bad);
}

TEST_F(RecordPanelTest, DrivesStartWithHomeAndRefuseOneThatIsNotReady) {
    QComboBox* drive1 = control<QComboBox>("Drive1");
    ASSERT_GE(drive1->count(), 2);
    EXPECT_EQ(drive1->itemText(0), QDir::homePath());
    EXPECT_GE(drive1->findText("/"), 0) << "the root file system is listed";

    const std::string before = panel().folder();
    const int index = drive1->currentIndex();
    drive1->addItem("/no/such/drive", "/no/such/drive");
    drive1->setCurrentIndex(drive1->count() - 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "ﾃﾞﾊﾞｲｽが準備できていません");
    EXPECT_EQ(dialogs.shown[0].title, "ｴﾗｰ");
    EXPECT_EQ(drive1->currentIndex(), index);
    EXPECT_EQ(panel().folder(), before);

    // A ready drive moves the folder list there.
    QDir(folder()).mkdir("mnt");
    const QString mounted = QDir(folder()).absoluteFilePath("mnt");
    drive1->addItem(mounted, mounted);
    drive1->setCurrentIndex(drive1->count() - 1);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(QString::fromStdString(panel().folder()), QDir::cleanPath(mounted));
}

TEST_F(RecordPanelTest, JapaneseTextTypesAndReadsBackAsUtf8) {
    panel().setTextGroupVisible(true);
    struct Typed { const char* field; int number; const char* text; };
    for (const Typed t : {Typed{"Text1", 1, "第１局"}, Typed{"Text2", 2, "名人戦 ﾃｽﾄ"}, Typed{"Text3", 3, "羽生"},
                          Typed{"Text4", 4, "ｶﾀｶﾅ～①"}}) {
        QLineEdit* edit = control<QLineEdit>(t.field);
        typeText(edit, QString::fromUtf8(t.text));
        EXPECT_EQ(panel().text(t.number), t.text);
    }
    panel().clearTexts();
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(panel().text(n), "");
    // Filled by the game (names offered again) into the field of that number.
    for (int n = 1; n <= 4; ++n) panel().setText(n, "羽生" + std::to_string(n));
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QString::fromUtf8("羽生3"));
}

}  // namespace
}  // namespace zelkora::testing
