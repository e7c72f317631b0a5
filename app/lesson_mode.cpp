// The lessons in the window.
#include "app/lesson_mode.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>

#include "display/qt/qt_dialogs.h"
#include "display/qt/twips.h"

namespace zelkora {

namespace {

// The panel under the board, in twips: across the window below row 9.
constexpr double PANEL_LEFT = 300, PANEL_TOP = 6330, PANEL_WIDTH = 8400, PANEL_HEIGHT = 1600;
constexpr double FONT_TWIPS = 10 * 20;   // 10 points

QString q(const std::string& s) { return QString::fromStdString(s); }

int chooseFromList(QWidget* parent, const QString& title, const QString& label, const std::vector<QString>& items) {
    QStringList list;
    for (const QString& item : items) list << item;
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, title, label, list, 0, false, &ok);
    return ok ? static_cast<int>(list.indexOf(chosen)) : -1;
}

}  // namespace

LessonMode::LessonMode(Form1& form, QWidget* parent, const TwipsScale& scale)
    : form_(form), panel_(new QLabel(parent)), scale_(std::make_unique<TwipsScale>(scale)) {
    choose = [parent](const QString& title, const QString& label, const std::vector<QString>& items) {
        return chooseFromList(parent, title, label, items);
    };
    panel_->setObjectName(QStringLiteral("LessonPanel"));
    panel_->setWordWrap(true);
    panel_->setTextFormat(Qt::RichText);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel_->setStyleSheet(QStringLiteral(
        "QLabel#LessonPanel { background: rgba(0, 40, 0, 200); color: white; border: 1px solid #c8c8c8; padding: 4px; }"));
    panel_->hide();
    path_ = progressPath(form_.io.places);
    if (form_.io.files) progress_ = readProgress(*form_.io.files, path_);
    place();
}

LessonMode::~LessonMode() = default;

QWidget* LessonMode::panel() const { return panel_; }

QString LessonMode::panelText() const { return panel_->isVisible() ? panel_->text() : QString(); }

void LessonMode::open() {
    std::vector<QString> items;
    const Language language = form_.display.language;
    for (std::size_t i = 0; i < lessonTable().size(); ++i) {
        const bool done = progress_.done.count(static_cast<int>(i) + 1) > 0;
        items.push_back((done ? QStringLiteral("✓ ") : QStringLiteral("　 ")) +
                        q(textIn(language, Text::LESSON_HEADING,
                                 {std::to_string(i + 1), lessonTitle(lessonTable()[i], language)})));
    }
    const int index = choose(q(textIn(language, Text::TITLE_LESSONS)), q(textIn(language, Text::LESSON_CHOOSE)), items);
    if (index >= 0 && index < static_cast<int>(items.size())) start(index);
}

void LessonMode::start(int index) {
    run_ = std::make_unique<LessonRun>(form_, index);
    run_->start();
    refresh();
}

bool LessonMode::active() const { return run_ && form_.turn.gameMode == MODE_LESSON; }

void LessonMode::click(int button, double x, double y) {
    const bool wasDone = run_->done();
    run_->click(button, x, y);
    if (run_->done() && !wasDone) {
        progress_.done.insert(run_->index() + 1);
        save();
    }
    refresh();
}

void LessonMode::refresh() {
    if (!active()) {
        panel_->hide();
        return;
    }
    const Language language = form_.display.language;
    const Lesson& lesson = run_->lesson();
    QString html = QStringLiteral("<b>") +
                   q(textIn(language, Text::LESSON_HEADING, {std::to_string(run_->index() + 1), lessonTitle(lesson, language)}))
                       .toHtmlEscaped() +
                   QStringLiteral("</b><br>") + q(lessonGoal(lesson, language)).toHtmlEscaped();
    if (run_->done())
        html += QStringLiteral("<br><span style=\"color:#a0ffa0\">") + q(textIn(language, Text::LESSON_DONE)).toHtmlEscaped() +
                QStringLiteral("</span>");
    else if (!run_->sentence().empty())
        html += QStringLiteral("<br><span style=\"color:#ffff80\">") +
                (q(textIn(language, Text::LESSON_TRY_AGAIN)) + q(run_->sentence())).toHtmlEscaped() +
                QStringLiteral("</span>");
    panel_->setText(html);
    panel_->show();
    panel_->raise();
}

void LessonMode::setScale(const TwipsScale& scale) {
    *scale_ = scale;
    place();
}

void LessonMode::place() {
    panel_->setGeometry(scale_->logicalLeft(PANEL_LEFT), scale_->logicalTop(PANEL_TOP),
                        scale_->toLogicalPixels(PANEL_WIDTH), scale_->toLogicalPixels(PANEL_HEIGHT));
    QFont font(QStringLiteral("IPAPMincho"));
    font.setPixelSize(scale_->toLogicalPixels(FONT_TWIPS));
    panel_->setFont(font);
}

void LessonMode::offerOnce() {
    if (progress_.offer != Offer::NotAsked || progress_.locked || form_.display.ended) return;
    const Language language = form_.display.language;
    const Answer answer = form_.io.dialogs->message(textIn(language, Text::LESSONS_OFFER),
                                                    textIn(language, Text::TITLE_LESSONS), Buttons::YesNo);
    progress_.offer = answer == Answer::Yes ? Offer::Accepted : Offer::Declined;
    save();
    if (answer == Answer::Yes) open();
}

// The data folder of an installed copy may not exist yet.
void LessonMode::save() {
    if (!form_.io.files || progress_.locked || !writesProgress) return;
    const QString folder = QFileInfo(q(path_)).path();
    if (!folder.isEmpty()) QDir().mkpath(folder);
    writeProgress(*form_.io.files, path_, progress_);
}

}  // namespace zelkora
