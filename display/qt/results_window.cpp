// The results window: a table read from the results book.
#include "display/qt/results_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "display/qt/results_book.h"
#include "game/texts.h"

namespace zelkora {

namespace {

constexpr Text HEADERS[] = {Text::RESULTS_LEVEL,  Text::RESULTS_GRADE,  Text::RESULTS_GAMES,
                            Text::RESULTS_WINS,   Text::RESULTS_LOSSES, Text::RESULTS_STREAK,
                            Text::RESULTS_BEST_STREAK, Text::RESULTS_MATTA, Text::RESULTS_HINT};

QString text(Language language, Text id) { return QString::fromStdString(textIn(language, id)); }

// The grade's name as the board's label gives it, without the label's prefix.
QString gradeName(Language language, int grade) {
    const QString label = text(language, static_cast<Text>(static_cast<int>(Text::GRADE_MEIJIN) + grade + 10));
    const qsizetype colon = label.indexOf(':');
    return colon < 0 ? label : label.mid(colon + 1).trimmed();
}

QTableWidgetItem* cell(const QString& value) {
    auto* item = new QTableWidgetItem(value);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

ResultsWindow::ResultsWindow(ResultsBook& book, QWidget* parent) : QDialog(parent), book_(book) {
    setObjectName("ResultsWindow");
    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->hide();
    empty_ = new QLabel(this);
    resetButton_ = new QPushButton(this);
    resetButton_->setObjectName("reset");
    closeButton_ = new QPushButton(this);
    connect(resetButton_, &QPushButton::clicked, this, [this] { reset(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(empty_);
    layout->addLayout(buttons);
    resize(760, 320);
}

void ResultsWindow::refresh() {
    const Language language = book_.language();
    setWindowTitle(text(language, Text::MENU_SEISEKI));
    resetButton_->setText(text(language, Text::RESULTS_RESET));
    closeButton_->setText(text(language, Text::RESULTS_CLOSE));
    empty_->setText(text(language, Text::RESULTS_EMPTY));

    const ResultsTable results = book_.table();
    table_->clear();
    table_->setColumnCount(static_cast<int>(std::size(HEADERS)));
    QStringList headers;
    for (Text id : HEADERS) headers << text(language, id);
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(results.size()));
    int row = 0;
    for (const auto& [key, c] : results) {
        const int values[] = {c.games, c.wins, c.losses, c.streak, c.bestStreak, c.mattaGames, c.hintGames};
        table_->setItem(row, 0, cell(QString::number(key.level)));
        table_->setItem(row, 1, cell(gradeName(language, key.grade)));
        for (int i = 0; i < 7; ++i) table_->setItem(row, i + 2, cell(QString::number(values[i])));
        ++row;
    }
    table_->resizeColumnsToContents();
    empty_->setVisible(results.empty());
}

void ResultsWindow::reset() {
    if (book_.reset()) refresh();
}

}  // namespace zelkora
