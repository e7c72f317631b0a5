// The review window: the graph, the list of marked moves and the progress.
#include "display/qt/review_window.h"

#include <algorithm>

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "display/western_notation.h"
#include "records/kif_format.h"
#include "review/review_run.h"

namespace zelkora {

namespace {

// The evaluation axis reaches a little past the clamp, so a forced win's
// point stands clear at the edge.
constexpr double EVAL_AXIS = EVAL_CLAMP * 1.1;
constexpr int MOVE_ROLE = Qt::UserRole;
enum Column { MOVE_COLUMN, PLAYED_COLUMN, BEST_COLUMN, MARK_COLUMN, COLUMNS };

QString text(Language language, Text id) { return QString::fromStdString(textIn(language, id)); }

QScatterSeries* markSeries(const QColor& colour, double size) {
    auto* series = new QScatterSeries;
    series->setColor(colour);
    series->setBorderColor(colour.darker());
    series->setMarkerSize(size);
    return series;
}

QTableWidgetItem* cell(const QString& value, int move) {
    auto* item = new QTableWidgetItem(value);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setData(MOVE_ROLE, move);
    return item;
}

// The move as the record panel and the KIF file write it, or in western
// notation in English.
QString moveText(Language language, const MoveRecord& move, const MoveRecord* previous) {
    return QString::fromStdString(language == Language::English ? westernMove(move)
                                                                : kifMoveText(move, previous));
}

}  // namespace

ReviewWindow::ReviewWindow(Worker& worker, QWidget* parent) : QWidget(parent, Qt::Window), worker_(worker) {
    line_ = new QLineSeries;
    line_->setPointsVisible(true);
    mistakes_ = markSeries(QColor(240, 160, 0), 12);
    blunders_ = markSeries(QColor(220, 30, 30), 14);
    chosen_ = markSeries(Qt::transparent, 20);
    chosen_->setBorderColor(QColor(30, 90, 220));
    chosen_->setPen(QPen(QColor(30, 90, 220), 3));

    auto* chart = new QChart;
    chart->legend()->hide();
    moveAxis_ = new QValueAxis;
    moveAxis_->setLabelFormat("%d");
    evalAxis_ = new QValueAxis;
    evalAxis_->setRange(-EVAL_AXIS, EVAL_AXIS);
    evalAxis_->setLabelFormat("%d");
    chart->addAxis(moveAxis_, Qt::AlignBottom);
    chart->addAxis(evalAxis_, Qt::AlignLeft);
    for (QXYSeries* series : {static_cast<QXYSeries*>(line_), static_cast<QXYSeries*>(mistakes_),
                              static_cast<QXYSeries*>(blunders_), static_cast<QXYSeries*>(chosen_)}) {
        chart->addSeries(series);
        series->attachAxis(moveAxis_);
        series->attachAxis(evalAxis_);
        connect(series, &QXYSeries::clicked, this, [this](const QPointF& point) { choose(qRound(point.x())); });
    }
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(520, 360);

    list_ = new QTableWidget(0, COLUMNS);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->verticalHeader()->hide();
    list_->setMinimumWidth(320);
    connect(list_, &QTableWidget::cellClicked, this,
            [this](int row, int) { choose(list_->item(row, MOVE_COLUMN)->data(MOVE_ROLE).toInt()); });

    progress_ = new QProgressBar;
    cancel_ = new QPushButton;
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (run_) run_->cancel();
        showProgress();
    });
    state_ = new QLabel;

    auto* top = new QHBoxLayout;
    top->addWidget(view, 3);
    top->addWidget(list_, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(state_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(900, 440);
}

ReviewWindow::~ReviewWindow() = default;

void ReviewWindow::setTexts() {
    setWindowTitle(text(language_, Text::MENU_KENTOU));
    cancel_->setText(text(language_, Text::REVIEW_CANCEL));
    moveAxis_->setTitleText(text(language_, Text::REVIEW_MOVE));
    evalAxis_->setTitleText(text(language_, Text::REVIEW_EVALUATION));
    QStringList headers;
    for (Text id : {Text::REVIEW_MOVE, Text::REVIEW_PLAYED, Text::REVIEW_BEST, Text::REVIEW_MARK})
        headers << text(language_, id);
    list_->setHorizontalHeaderLabels(headers);
}

void ReviewWindow::review(const ReviewSource& source, Language language) {
    run_.reset();   // a review still running is cancelled; its answers are dropped
    language_ = language;
    moves_ = source.moves;
    for (QXYSeries* series : {static_cast<QXYSeries*>(line_), static_cast<QXYSeries*>(mistakes_),
                              static_cast<QXYSeries*>(blunders_), static_cast<QXYSeries*>(chosen_)})
        series->clear();
    list_->setRowCount(0);
    setTexts();
    moveAxis_->setRange(0, std::max<int>(1, static_cast<int>(moves_.size())));
    run_ = std::make_unique<ReviewRun>(worker_, gamePositions(source.board, source.hands, moves_), moves_);
    run_->onSketched = [this] {
        for (int move = 1; move <= run_->moveCount(); ++move) line_->append(QPointF(move, *run_->evalAfter(move)));
    };
    run_->onSearched = [this](int position) { searched(position); };
    progress_->setRange(0, run_->positionCount());
    showProgress();
    run_->start();
}

// Position k answered: move k has its point, its mark and, when marked, its row.
void ReviewWindow::searched(int position) {
    showProgress();
    const std::optional<ReviewedMove> move = run_->reviewed(position);
    if (!move) return;
    const QPointF point(position, move->lowerEvalAfter);
    // The searched evaluation replaces the sketched one.
    if (line_->count() >= position) line_->replace(position - 1, point);
    else line_->append(point);
    if (move->mark == Mark::None) return;
    marks(move->mark)->append(point);
    const MoveRecord* previous = position >= 2 ? &moves_[position - 2] : nullptr;
    const int row = list_->rowCount();
    list_->insertRow(row);
    list_->setItem(row, MOVE_COLUMN, cell(QString::number(position), position));
    list_->setItem(row, PLAYED_COLUMN, cell(moveText(language_, move->played, previous), position));
    list_->setItem(row, BEST_COLUMN,
                   cell(move->before.bestValid ? moveText(language_, move->before.best, previous) : "-", position));
    list_->setItem(row, MARK_COLUMN,
                   cell(text(language_, move->mark == Mark::Blunder ? Text::REVIEW_BLUNDER : Text::REVIEW_MISTAKE),
                        position));
    list_->resizeColumnsToContents();
}

void ReviewWindow::showProgress() {
    if (!run_) return;
    progress_->setValue(run_->searched());
    cancel_->setEnabled(!run_->finished() && !run_->cancelled());
    if (run_->cancelled()) state_->setText(text(language_, Text::REVIEW_CANCELLED));
    else if (run_->finished()) state_->setText(text(language_, Text::REVIEW_DONE));
    else state_->clear();
}

void ReviewWindow::choose(int move) {
    if (!run_) return;
    const std::optional<ReviewedMove> reviewed = run_->reviewed(move);
    if (!reviewed) return;
    chosen_->clear();
    chosen_->append(QPointF(move, reviewed->lowerEvalAfter));
    for (int row = 0; row < list_->rowCount(); ++row)
        if (list_->item(row, MOVE_COLUMN)->data(MOVE_ROLE).toInt() == move) list_->selectRow(row);
    if (onChoose) onChoose(move - 1, reviewed->before.bestValid ? &reviewed->before.best : nullptr);
}

}  // namespace zelkora
