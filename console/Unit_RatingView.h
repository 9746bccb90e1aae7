#pragma once

// The rating table window, 威力表: the expected total of a Rating Roll for
// every rating and critical value with the power row's present modifier,
// and under it the chances of one roll as a chart. It is made the first time
// it is opened, and closing it only hides it.
//
// It holds nothing of the game. While it shows, it follows the main window
// after every entry of the user: its rating table and rating choice
// ComboBox4, the critical value (SpinEdit3, SpinEdit4, CheckBox1) and the
// power modifiers (SpinEdit5, SpinEdit6). Nothing reads it.

#include "rules/odds.h"

#include <QList>
#include <QWidget>

#include <optional>
#include <utility>

class DistributionChart;
class QAction;
class QLabel;
class QTableWidget;

class TRatingView : public QWidget
{
    Q_OBJECT

public:
    explicit TRatingView(QWidget *parent = nullptr);
    ~TRatingView() override;

    // Brings the cells, the marks and the chart up to date with the main
    // window, computing again only what its inputs changed; nothing while
    // the window is hidden.
    void follow();
    // The whole table as tab-separated text, a header row first.
    [[nodiscard]] QString tableText() const;

    void CopyExecute(QObject *sender);
    // Another cell selected, by a click or a key: the chart shows its roll.
    void GridCurrentChange(QObject *sender);

    QTableWidget *Grid = nullptr;       // a row per rating, a column per critical value 8 to 12 and one for none
    QLabel *ChartCaption = nullptr;     // the roll the chart shows: rating, critical value, modifier
    DistributionChart *Chart = nullptr; // the chances of the selected cell's roll
    QAction *Copy = nullptr;            // "コピー(&C)", Ctrl+C and the table's context menu: tableText()

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Cell
    {
        int row = -1;
        int column = -1;
        bool operator==(const Cell &) const = default;
    };
    void fillCells(qint32 modifier);
    void markLines(Cell cell, bool marked);
    void showChart();

    // Every rating's values, read once: the table never changes.
    QList<LineValues> m_lines;
    // The modifier the cells were computed with, the cell marked as the
    // present setup, and the roll the chart shows.
    std::optional<qint32> m_cellsFor;
    Cell m_marked;
    std::optional<std::pair<Cell, qint32>> m_chartFor;
};
