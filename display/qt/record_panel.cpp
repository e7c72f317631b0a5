// The save and load panel as Qt widgets over the canvas.
//
// The drive list holds the home folder first, then the mounted file systems;
// the lists start at the working folder. The folder list shows the chosen
// folder's ancestors and its subfolders (a double click or Enter opens one);
// the file list shows the chosen folder's "*.棋譜" files, and a click on one
// loads it. Typed texts cross to the core as UTF-8; folder and file names
// cross as the bytes they have on disk (a name that is not valid UTF-8 is only
// decoded to be shown), so a save lands in the folder the player chose. Every
// control is placed at its twips position through the window's scale, again
// whenever the scale changes.
#include "display/qt/record_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QStorageInfo>
#include <QWidget>

#include <functional>
#include <vector>

#include "display/qt/window_texts.h"
#include "platform/folder_listing.h"

namespace zelkora {

namespace {

// Left, top, width, height in twips.
struct Place {
    double left, top, width, height;
};

constexpr Place DRIVE1{240, 360, 2535, 300};
constexpr Place DIR1{240, 600, 2535, 1710};
constexpr Place FILE1{240, 2280, 2535, 930};
constexpr Place COMMAND1{3360, 3000, 855, 375};
constexpr double LABEL_LEFT = 120, LABEL_WIDTH = 855, LABEL_HEIGHT = 255;
constexpr double FIELD_LEFT = 960, FIELD_WIDTH = 2295, FIELD_HEIGHT = 270;
constexpr double FONT_TWIPS = 9 * 20;   // the form font, 9 points

// The four labelled fields, by field number (Text1 .. Text4).
struct FieldRow {
    Text label;
    double top;
};
constexpr FieldRow FIELDS[4] = {
    {Text::PANEL_FILE_NAME, 3120},      // Text1: file name without extension
    {Text::PANEL_GAME_NAME, 2400},      // Text2: game name
    {Text::PANEL_FIRST_PLAYER, 2640},   // Text3: first player
    {Text::PANEL_SECOND_PLAYER, 2880},  // Text4: second player
};

const std::string RECORD_ENDING = "\xE6\xA3\x8B\xE8\xAD\x9C";   // the record files' ".棋譜", UTF-8
constexpr int PATH_ROLE = Qt::UserRole;   // the entry's path (or file name) as bytes

QString shown(const std::string& bytes) { return QFile::decodeName(QByteArray::fromStdString(bytes)); }
std::string bytesOf(const QListWidgetItem* item) { return item->data(PATH_ROLE).toByteArray().toStdString(); }

// A drive is ready when its folder exists and the file system behind it answers.
bool driveReady(const std::string& path) {
    const QStorageInfo storage(shown(path));
    return isFolder(path) && storage.isValid() && storage.isReady();
}

// A folder named through Qt: its bytes, except that the working folder, whose
// name Qt may have changed, is taken as the system gives it.
std::string folderBytes(const QString& folder) {
    const std::string working = workingFolderPath();
    const std::string bytes = QFile::encodeName(folder).toStdString();
    return !isFolder(bytes) && shown(working) == QDir::cleanPath(folder) ? working : bytes;
}

// The labels lie on the canvas, whose background may be dark (green, space)
// or light (tatami): white letters on a dark veil read on every one.
void readableOnAnyBackground(QLabel& label) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, QColor(0, 0, 0, 224));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

}  // namespace

struct RecordPanelWidgets::Impl {
    QWidget* owner = nullptr;   // the canvas the controls lie on
    Dialogs& dialogs;
    TwipsScale scale;
    std::vector<std::pair<QWidget*, Place>> placed;
    QComboBox* drive1 = nullptr;
    QListWidget* dir1 = nullptr;
    QListWidget* file1 = nullptr;
    QLabel* labels[4] = {};
    QLineEdit* texts[4] = {};
    QPushButton* command1 = nullptr;
    std::string folder;   // bytes, clean and absolute
    int driveIndex = 0;

    Impl(Dialogs& d, const TwipsScale& s) : dialogs(d), scale(s) {}

    void place(QWidget* w, const Place& p, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        placed.emplace_back(w, p);
        fit(w, p);
        w->hide();
    }

    QFont panelFont() const {
        QFont font(QStringLiteral("IPAPMincho"));
        font.setPixelSize(scale.toLogicalPixels(FONT_TWIPS));
        return font;
    }

    void fit(QWidget* w, const Place& p) const {
        w->setGeometry(scale.logicalLeft(p.left), scale.logicalTop(p.top), scale.toLogicalPixels(p.width),
                       scale.toLogicalPixels(p.height));
        w->setFont(panelFont());
    }

    // The labels stand in fixed places sized for the Japanese words; a label
    // whose text is wider than its place (an English word may be) gets a
    // smaller font rather than losing its end.
    void fitLabels() const {
        for (QLabel* label : labels) {
            QFont font = panelFont();
            for (int size = font.pixelSize();
                 size > 1 && QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width();)
                font.setPixelSize(--size);
            label->setFont(font);
        }
    }

    // Dir1: the ancestors of the chosen folder, then its subfolders, each
    // indented by its depth.
    void fillFolders() {
        dir1->clear();
        int depth = 0;
        for (const std::string& path : folderChain(folder)) {
            const std::string name = depth == 0 ? path : path.substr(path.rfind('/') + 1);
            auto* item = new QListWidgetItem(QString(depth * 2, ' ') + shown(name), dir1);
            item->setData(PATH_ROLE, QByteArray::fromStdString(path));
            if (path == folder) dir1->setCurrentItem(item);
            ++depth;
        }
        const std::string base = folder == "/" ? "" : folder;
        for (const std::string& sub : listFolder(folder, RECORD_ENDING).folders) {
            auto* item = new QListWidgetItem(QString(depth * 2, ' ') + shown(sub), dir1);
            item->setData(PATH_ROLE, QByteArray::fromStdString(base + "/" + sub));
        }
    }

    // File1: the record files of the chosen folder.
    void fillFiles() {
        file1->clear();
        for (const std::string& name : listFolder(folder, RECORD_ENDING).files)
            (new QListWidgetItem(shown(name), file1))->setData(PATH_ROLE, QByteArray::fromStdString(name));
    }

    // Dir1_Change: the file list follows the chosen folder.
    void changeFolder(const std::string& path) {
        folder = cleanFolderPath(path);
        fillFolders();
        fillFiles();
    }

    // Drive1_Change: the folder list moves to the chosen drive; a drive that
    // is not ready is refused and the previous one stays chosen.
    void changeDrive(int index) {
        const std::string path = drive1->itemData(index, PATH_ROLE).toByteArray().toStdString();
        if (!driveReady(path)) {
            dialogs.message(windowText(Text::DEVICE_NOT_READY).toStdString(),
                            windowText(Text::TITLE_ERROR).toStdString());
            const QSignalBlocker block(drive1);
            drive1->setCurrentIndex(driveIndex);
            return;
        }
        driveIndex = index;
        changeFolder(path);
    }

    // The drive that holds the chosen folder: the longest drive path above it.
    void selectDriveOfFolder() {
        int best = 0;
        std::size_t bestLength = 0;
        for (int i = 0; i < drive1->count(); ++i) {
            const std::string root = drive1->itemData(i, PATH_ROLE).toByteArray().toStdString();
            const std::string prefix = !root.empty() && root.back() == '/' ? root : root + '/';
            const bool holds = folder == root || folder.compare(0, prefix.size(), prefix) == 0;
            if (holds && (bestLength == 0 || root.size() > bestLength)) {
                best = i;
                bestLength = root.size();
            }
        }
        drive1->setCurrentIndex(best);
        driveIndex = best;
    }

    // A control that is hidden while it has the focus hands the focus back to
    // the board, so that Escape and the keyboard reach the game again.
    void returnFocus() {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || (focus != owner && focus->parentWidget() == owner && focus->isHidden())) owner->setFocus();
    }

    void fillDrives() {
        const QByteArray home = QFile::encodeName(QDir::homePath());
        drive1->addItem(QDir::homePath(), home);
        for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
            const QByteArray root = QFile::encodeName(volume.rootPath());
            if (drive1->findData(root, PATH_ROLE) < 0) drive1->addItem(volume.rootPath(), root);
        }
    }
};

namespace {

// Enter on the file list chooses the file under its cursor, as a click does
// (a click chooses at once, so activation, a double click, is not used).
class EnterChooses : public QObject {
public:
    EnterChooses(QListWidget* list, std::function<void(QListWidgetItem*)> choose)
        : QObject(list), list_(list), choose_(std::move(choose)) {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !list_->currentItem()) return false;
        choose_(list_->currentItem());
        return true;
    }

private:
    QListWidget* list_;
    std::function<void(QListWidgetItem*)> choose_;
};

}  // namespace

RecordPanelWidgets::RecordPanelWidgets(QWidget* parent, Dialogs& dialogs, const TwipsScale& scale)
    : d(new Impl(dialogs, scale)) {
    d->owner = parent;
    d->drive1 = new QComboBox(parent);
    d->place(d->drive1, DRIVE1, "Drive1");
    d->dir1 = new QListWidget(parent);
    d->place(d->dir1, DIR1, "Dir1");
    d->file1 = new QListWidget(parent);
    d->place(d->file1, FILE1, "File1");

    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        d->labels[i] = new QLabel(windowText(FIELDS[i].label), parent);
        readableOnAnyBackground(*d->labels[i]);
        d->place(d->labels[i], {LABEL_LEFT, FIELDS[i].top, LABEL_WIDTH, LABEL_HEIGHT}, ("Label" + n).c_str());
        d->texts[i] = new QLineEdit(parent);
        d->place(d->texts[i], {FIELD_LEFT, FIELDS[i].top, FIELD_WIDTH, FIELD_HEIGHT}, ("Text" + n).c_str());
    }
    d->command1 = new QPushButton(windowText(Text::PANEL_RETURN), parent);
    d->place(d->command1, COMMAND1, "Command1");
    d->fitLabels();

    // The lists start at the program's working folder, like the game's files.
    d->fillDrives();
    d->changeFolder(workingFolderPath());
    d->selectDriveOfFolder();

    QObject::connect(d->drive1, &QComboBox::currentIndexChanged, this, [this](int index) { d->changeDrive(index); });
    // Opening a folder rebuilds the folder list, so it waits until the list
    // has finished handling the activation of the item it would delete.
    QObject::connect(d->dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        QMetaObject::invokeMethod(
            this, [this, path = bytesOf(item)] { d->changeFolder(path); }, Qt::QueuedConnection);
    });
    QObject::connect(d->file1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (onFileChosen) onFileChosen(bytesOf(item));
    });
    new EnterChooses(d->file1, [this](QListWidgetItem* item) {
        if (onFileChosen) onFileChosen(bytesOf(item));
    });
    QObject::connect(d->command1, &QPushButton::clicked, this, [this] {
        if (onReturn) onReturn();
    });
}

RecordPanelWidgets::~RecordPanelWidgets() { delete d; }

void RecordPanelWidgets::setListsVisible(bool drives, bool folders, bool files) {
    // Lists that appear show the disk as it is now.
    if (folders && d->dir1->isHidden()) d->fillFolders();
    if (files && d->file1->isHidden()) d->fillFiles();
    d->drive1->setVisible(drives);
    d->dir1->setVisible(folders);
    d->file1->setVisible(files);
    for (QWidget* w : {static_cast<QWidget*>(d->drive1), static_cast<QWidget*>(d->dir1), static_cast<QWidget*>(d->file1)})
        if (!w->isHidden()) w->raise();
    d->returnFocus();
}

void RecordPanelWidgets::setTextGroupVisible(bool visible) {
    for (int i = 0; i < 4; ++i) {
        d->labels[i]->setVisible(visible);
        d->texts[i]->setVisible(visible);
    }
    d->command1->setVisible(visible);
    if (!visible) {
        d->returnFocus();
        return;
    }
    for (int i = 0; i < 4; ++i) {
        d->labels[i]->raise();
        d->texts[i]->raise();
    }
    d->command1->raise();
}

void RecordPanelWidgets::clearTexts() {
    for (QLineEdit* t : d->texts) t->clear();
}

void RecordPanelWidgets::setText(int field, const std::string& text) {
    if (field < 1 || field > 4) return;
    d->texts[field - 1]->setText(QString::fromStdString(text));
}

std::string RecordPanelWidgets::text(int field) const {
    if (field < 1 || field > 4) return {};
    return d->texts[field - 1]->text().toStdString();
}

std::string RecordPanelWidgets::folder() const { return d->folder; }

void RecordPanelWidgets::refreshFiles() { d->fillFiles(); }

void RecordPanelWidgets::setScale(const TwipsScale& scale) {
    d->scale = scale;
    for (const auto& [w, p] : d->placed) d->fit(w, p);
    d->fitLabels();
}

void RecordPanelWidgets::retranslate() {
    for (int i = 0; i < 4; ++i) d->labels[i]->setText(windowText(FIELDS[i].label));
    d->command1->setText(windowText(Text::PANEL_RETURN));
    d->fitLabels();
}

void RecordPanelWidgets::startIn(const QString& folder) {
    d->changeFolder(folderBytes(folder));
    // Choosing the drive of the folder must not move the lists to its root.
    const QSignalBlocker block(d->drive1);
    d->selectDriveOfFolder();
}

QWidget* RecordPanelWidgets::control(const std::string& name) const {
    const QString wanted = QString::fromStdString(name);
    for (QWidget* w : {static_cast<QWidget*>(d->drive1), static_cast<QWidget*>(d->dir1),
                       static_cast<QWidget*>(d->file1), static_cast<QWidget*>(d->command1)})
        if (w->objectName() == wanted) return w;
    for (int i = 0; i < 4; ++i) {
        if (d->labels[i]->objectName() == wanted) return d->labels[i];
        if (d->texts[i]->objectName() == wanted) return d->texts[i];
    }
    return nullptr;
}

}  // namespace zelkora
