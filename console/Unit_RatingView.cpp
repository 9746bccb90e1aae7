#include "console/Unit_RatingView.h"

#include "console/Unit_Main.h"
#include "controls/choicebox.h"
#include "controls/distributionchart.h"
#include "controls/errordisplay.h"
#include "controls/layout.h"
#include "shell/forms.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Columns for the critical values 8 to 12, then one for none.
constexpr int HighestCritical = 12;
constexpr int NoneColumn = HighestCritical - MinimumCriticalValue + 1;
const QString NoneCaption = u"なし"_s;
const QString NoValue = u"—"_s;

int columnOf(const RatingRollSetup &setup)
{
    const qint32 critical = setup.criticalValue();
    return setup.criticalsOn && critical <= HighestCritical ? critical - MinimumCriticalValue : NoneColumn;
}

RatingRollSetup setupOf(int column, qint32 modifier)
{
    if (column == NoneColumn)
        return {HighestCritical, 0, false, modifier};
    return {MinimumCriticalValue + column, 0, true, modifier};
}

// The marks: a tint along the present rating's row and critical value's
// column, a stronger one and bold where they cross.
const QColor LineTint(0xff, 0xf4, 0xc8);
const QColor CrossTint(0xff, 0xdc, 0x78);

// Why a roll of a line may fail, in the Rating Roll's words; empty for a
// line that serves every result.
QString faultText(const LineValues &line)
{
    return line.fault ? ratingRollOddsText(ratingOdds(line, {})) : QString();
}

void setBold(QTableWidgetItem *item, bool bold)
{
    if (!item)
        return;
    QFont font = item->font();
    font.setBold(bold);
    item->setFont(font);
}

} // namespace

TRatingView::TRatingView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"RatingView"_s);
    setWindowTitle(u"威力表"_s);

    Grid = new QTableWidget(this);
    Grid->setObjectName(u"Grid"_s);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // No cell is selected until the setup or the user chooses one, not
    // even the first one when the table takes the focus.
    Grid->setCurrentCell(-1, -1);
    QStringList columns;
    for (int column = 0; column < NoneColumn; ++column)
        columns.append(QString::number(MinimumCriticalValue + column));
    columns.append(NoneCaption);
    Grid->setColumnCount(int(columns.size()));
    Grid->setHorizontalHeaderLabels(columns);
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const QStringList ratings = Main->ComboBox4->items();
    Grid->setRowCount(int(ratings.size()));
    Grid->setVerticalHeaderLabels(ratings);
    // Rows of one height: sizing each to its contents would measure every
    // row again whenever a cell changes.
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    for (int row = 0; row < Grid->rowCount(); ++row) {
        m_lines.append(lineValues(Main->ratingTable(), row));
        const QString why = faultText(m_lines.last());
        for (int column = 0; column < Grid->columnCount(); ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(why);
            Grid->setItem(row, column, item);
        }
    }

    Copy = new QAction(u"コピー(&C)"_s, Grid);
    Copy->setObjectName(u"Copy"_s);
    Copy->setShortcut(QKeySequence::Copy);
    Copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    Grid->addAction(Copy);
    Grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    Grid->installEventFilter(this);
    connect(Copy, &QAction::triggered, this, [this] { guarded([this] { CopyExecute(Copy); }); });
    connect(Grid, &QTableWidget::currentCellChanged, this, [this] { guarded([this] { GridCurrentChange(Grid); }); });

    ChartCaption = new QLabel(this);
    ChartCaption->setObjectName(u"ChartCaption"_s);
    Chart = new DistributionChart(this);
    Chart->setObjectName(u"Chart"_s);
    Chart->setMinimumHeight(140);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Grid, 1);
    layout->addWidget(ChartCaption);
    layout->addWidget(Chart, 1);

    // Beside the main window, where the screen has room for it.
    setOuterGeometry(this, 888, 107, 480, 520);
    addAfterEntries(this, [this] { follow(); });
}

TRatingView::~TRatingView()
{
    removeAfterEntries(this);
}

void TRatingView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    guarded([this] { follow(); });
}

bool TRatingView::eventFilter(QObject *watched, QEvent *event)
{
    // The table view takes Ctrl+C for itself, to copy one cell.
    if (watched == Grid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        Copy->trigger();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TRatingView::follow()
{
    if (!isVisible())
        return;
    const RatingRollSetup setup = Main->ratingRollSetup();
    if (m_cellsFor != setup.modifier)
        fillCells(setup.modifier);
    const int rating = Main->ComboBox4->itemIndex();
    const Cell present = rating >= 0 && rating < Grid->rowCount() ? Cell{rating, columnOf(setup)} : Cell{};
    if (present != m_marked) {
        markLines(m_marked, false);
        markLines(present, true);
        m_marked = present;
        // The chart follows the setup to its new cell.
        Grid->setCurrentCell(present.row, present.column);
    }
    showChart();
}

void TRatingView::fillCells(qint32 modifier)
{
    for (int row = 0; row < Grid->rowCount(); ++row) {
        for (int column = 0; column < Grid->columnCount(); ++column) {
            const RatingOdds odds = ratingOdds(m_lines[row], setupOf(column, modifier));
            Grid->item(row, column)->setText(odds.fault ? NoValue : oneDecimal(odds.expectedTotal));
        }
    }
    m_cellsFor = modifier;
}

void TRatingView::markLines(Cell cell, bool marked)
{
    if (cell.row < 0)
        return;
    const auto tint = [&](int row, int column) {
        const bool cross = row == cell.row && column == cell.column;
        Grid->item(row, column)->setBackground(marked ? (cross ? CrossTint : LineTint) : QBrush());
        setBold(Grid->item(row, column), marked && cross);
    };
    for (int column = 0; column < Grid->columnCount(); ++column)
        tint(cell.row, column);
    for (int row = 0; row < Grid->rowCount(); ++row)
        tint(row, cell.column);
    setBold(Grid->verticalHeaderItem(cell.row), marked);
    setBold(Grid->horizontalHeaderItem(cell.column), marked);
}

void TRatingView::GridCurrentChange(QObject *)
{
    showChart();
}

void TRatingView::showChart()
{
    const Cell cell{Grid->currentRow(), Grid->currentColumn()};
    if (!m_cellsFor || (m_chartFor && *m_chartFor == std::pair(cell, *m_cellsFor)))
        return;
    m_chartFor = std::pair(cell, *m_cellsFor);
    if (cell.row < 0 || cell.column < 0) {
        ChartCaption->clear();
        Chart->setMessage(nothingToRollText(NothingToRoll::NoRating));
        return;
    }
    const RatingRollSetup setup = setupOf(cell.column, *m_cellsFor);
    const QString critical
        = cell.column == NoneColumn ? u"クリティカルなし"_s : u"C値 "_s + QString::number(setup.criticalValue());
    ChartCaption->setText(u"%1: %2、補正 %3"_s.arg(Grid->verticalHeaderItem(cell.row)->text(), critical,
                                                   QString::number(setup.modifier)));
    const LineValues &line = m_lines[cell.row];
    if (line.fault)
        Chart->setMessage(faultText(line));
    else
        Chart->setDistribution(ratingDistribution(line, setup));
}

QString TRatingView::tableText() const
{
    QStringList header{u"威力"_s};
    for (int column = 0; column < Grid->columnCount(); ++column)
        header.append(Grid->horizontalHeaderItem(column)->text());
    QString text = header.join(u'\t') + u'\n';
    for (int row = 0; row < Grid->rowCount(); ++row) {
        // A tab or line break in a quoted label would split its cell.
        QString label = Grid->verticalHeaderItem(row)->text();
        label.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        QStringList cells{label};
        for (int column = 0; column < Grid->columnCount(); ++column)
            cells.append(Grid->item(row, column)->text());
        text += cells.join(u'\t') + u'\n';
    }
    return text;
}

void TRatingView::CopyExecute(QObject *)
{
    QApplication::clipboard()->setText(tableText());
}
