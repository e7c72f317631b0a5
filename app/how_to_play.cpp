#include "app/how_to_play.h"

#include <algorithm>
#include <string>

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "display/qt/canvas_widget.h"
#include "display/qt/window_texts.h"
#include "help/diagram.h"
#include "help/pages.h"

namespace zelkora {
namespace {

// Sizes at 100%, in logical pixels.
constexpr int TEXT_PIXELS = 14, TITLE_PIXELS = 20, TEXT_WIDTH = 330;

QFont fontOf(int pixels, bool bold, double zoom) {
    QFont font(QString::fromLatin1(RetainedCanvas::FONT_FAMILY));
    font.setPixelSize(static_cast<int>(pixels * zoom + 0.5));
    font.setBold(bold);
    return font;
}

// A message of the game as its box shows it: "\r" breaks the line.
QString boxText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\r"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace

HowToPlayWindow::HowToPlayWindow(const Form1& game, QWidget* parent)
    : QDialog(parent), game_(game), drawing_(std::make_unique<Form1>(Ports{})) {
    setObjectName(QStringLiteral("HowToPlay"));
    title_ = new QLabel(this);
    diagram_ = new CanvasWidget(help::DIAGRAM_WIDTH, help::DIAGRAM_HEIGHT, TwipsScale(), this);
    diagram_->setFocusPolicy(Qt::NoFocus);
    drawing_->io.canvas = &diagram_->canvas();
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box_ = new QFrame(this);
    box_->setFrameShape(QFrame::Box);
    boxTitle_ = new QLabel(box_);
    boxText_ = new QLabel(box_);
    auto* boxLayout = new QVBoxLayout(box_);
    boxLayout->addWidget(boxTitle_);
    boxLayout->addWidget(boxText_);
    counter_ = new QLabel(this);
    previous_ = new QPushButton(this);
    next_ = new QPushButton(this);
    close_ = new QPushButton(this);
    previous_->setObjectName(QStringLiteral("previous"));
    next_->setObjectName(QStringLiteral("next"));
    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* words = new QVBoxLayout;
    words->addWidget(text_);
    words->addWidget(box_);
    words->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(diagram_, 0, Qt::AlignTop);
    middle->addLayout(words, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(counter_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    showPage(0);
}

HowToPlayWindow::~HowToPlayWindow() = default;

void HowToPlayWindow::applyEnlargement(double zoom) {
    diagram_->setEnlargement(zoom);
    diagram_->setFixedSize(diagram_->naturalSize());
    title_->setFont(fontOf(TITLE_PIXELS, true, zoom));
    for (QWidget* w : {static_cast<QWidget*>(text_), static_cast<QWidget*>(boxText_), static_cast<QWidget*>(counter_),
                       static_cast<QWidget*>(previous_), static_cast<QWidget*>(next_), static_cast<QWidget*>(close_)})
        w->setFont(fontOf(TEXT_PIXELS, false, zoom));
    boxTitle_->setFont(fontOf(TEXT_PIXELS, true, zoom));
    text_->setFixedWidth(static_cast<int>(TEXT_WIDTH * zoom));
}

void HowToPlayWindow::applyTexts() {
    setWindowTitle(windowText(Text::MENU_ASOBIKATA));
    previous_->setText(windowText(Text::HELP_PREVIOUS));
    next_->setText(windowText(Text::HELP_NEXT));
    close_->setText(windowText(Text::HELP_CLOSE));
}

void HowToPlayWindow::showPage(int index) {
    const auto pages = help::pages();
    page_ = std::clamp(index, 0, static_cast<int>(pages.size()) - 1);
    const help::Page& page = pages[page_];
    const Language language = game_.display.language;
    applyTexts();
    applyEnlargement(game_.display.enlargement / 100.0);

    // The drawing Form1 takes the game's look, then draws the page.
    drawing_->display.language = language;
    drawing_->display.pieces = game_.display.pieces;
    drawing_->display.background = game_.display.background;
    diagram_->canvas().setPieceSet(game_.display.pieces);
    help::drawDiagram(*drawing_, page);

    title_->setText(QString::fromStdString(help::title(page, language)));
    text_->setText(QString::fromStdString(help::text(page, language)));
    box_->setVisible(page.box != Text::Count);
    if (page.box != Text::Count) {
        boxTitle_->setText(QString::fromStdString(textIn(language, page.boxTitle)));
        boxText_->setText(boxText(textIn(language, page.box)));
    }
    counter_->setText(QString::fromStdString(
        textIn(language, Text::HELP_PAGE, {std::to_string(page_ + 1), std::to_string(pages.size())})));
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < static_cast<int>(pages.size()));
    adjustSize();
}

}  // namespace zelkora
