#pragma once

#include "rules/odds.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// One bar of a rating roll's chart: a first result of 2, a total, a range of
// totals, or every total from one on.
struct ChartBar
{
    // "自動失敗", "14", "10–14" or "40+".
    QString label;
    // Its height, as a chance.
    double chance = 0;
    // What hovering it shows: "合計 14: 8.3%、14 以上: 41.2%".
    QString text;
    // Where it is drawn, and the column of the chart that hovers it.
    QRectF rect;
    QRectF column;
};

// What the chart draws for one distribution at one size. With at most
// ShownBars totals, one bar each, from the lowest to the first at which
// 99.9% is reached; with more, ranges of equal width. The rest of the tail
// is one last bar.
struct ChartGeometry
{
    QList<ChartBar> bars;
    // The bars' area: the baseline is its bottom, the tallest bar its height.
    QRectF plot;
    // Where the expected total's line goes, and its caption.
    double meanX = 0;
    QString meanText;
};
inline constexpr qsizetype ShownBars = 40;
[[nodiscard]] ChartGeometry chartGeometry(const RatingDistribution &distribution, QSizeF size);
// The bars' numbers as one text, as the chart's accessible description.
[[nodiscard]] QString chartDescription(const ChartGeometry &geometry);

// The chances of one rating roll as a bar chart, or a line of text that
// says why there is none.
class DistributionChart : public QWidget
{
    Q_OBJECT

public:
    explicit DistributionChart(QWidget *parent = nullptr);

    void setDistribution(const RatingDistribution &distribution);
    void setMessage(const QString &message);

    [[nodiscard]] const ChartGeometry &chart() const noexcept { return m_chart; }
    [[nodiscard]] const QString &message() const noexcept { return m_message; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    RatingDistribution m_distribution;
    QString m_message;
    ChartGeometry m_chart;
};
