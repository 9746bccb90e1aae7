#include "controls/distributionchart.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double Margin = 6;
// Room above the bars for the expected total's caption, and below them for
// their labels.
constexpr double TopRoom = 18;
constexpr double BottomRoom = 16;
constexpr double ShownShare = 0.999;

// The first total at which the chances up to it, a first result of 2
// included, reach ShownShare.
qint64 lastShownTotal(const RatingDistribution &distribution)
{
    qint64 low = distribution.lowest();
    qint64 high = distribution.highest();
    while (low < high) {
        const qint64 middle = low + (high - low) / 2;
        if (distribution.atLeast(middle + 1) <= 1 - ShownShare)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// How the totals from the lowest to the last one shown make bars: `width`
// totals each, in `groups` bars.
struct Grouping
{
    qint64 width = 1;
    qint64 groups = 0;
};
Grouping groupingOf(const RatingDistribution &distribution)
{
    const qint64 shown = lastShownTotal(distribution) - distribution.lowest() + 1;
    const qint64 width = (shown + ShownBars - 1) / ShownBars;
    return {width, (shown + width - 1) / width};
}

QList<ChartBar> barsOf(const RatingDistribution &distribution, const Grouping &grouping)
{
    QList<ChartBar> bars;
    bars.append({u"自動失敗"_s, distribution.fumble, u"自動失敗: "_s + percentText(distribution.fumble), {}, {}});
    const qint64 lowest = distribution.lowest();
    for (qint64 group = 0; group < grouping.groups; ++group) {
        const qint64 first = lowest + group * grouping.width;
        const qint64 last = first + grouping.width - 1;
        const QString from = QString::number(first);
        const QString range = grouping.width == 1 ? from : from + u'–' + QString::number(last);
        const double chance = distribution.atLeast(first) - distribution.atLeast(last + 1);
        const QString text = u"合計 %1: %2、%3 以上: %4"_s.arg(range, percentText(chance), from,
                                                               percentText(distribution.atLeast(first)));
        bars.append({range, chance, text, {}, {}});
    }
    const qint64 tail = lowest + grouping.groups * grouping.width;
    if (tail <= distribution.highest()) {
        const QString from = QString::number(tail);
        const double chance = distribution.atLeast(tail);
        bars.append({from + u'+', chance, u"合計 %1 以上: %2"_s.arg(from, percentText(chance)), {}, {}});
    }
    return bars;
}

} // namespace

ChartGeometry chartGeometry(const RatingDistribution &distribution, QSizeF size)
{
    ChartGeometry chart;
    if (distribution.fault)
        return chart;
    const Grouping grouping = groupingOf(distribution);
    chart.bars = barsOf(distribution, grouping);
    chart.plot = QRectF(Margin, TopRoom, std::max(0.0, size.width() - 2 * Margin),
                        std::max(0.0, size.height() - TopRoom - BottomRoom));
    // Half a slot apart, 自動失敗 stands left of the totals.
    const double slot = chart.plot.width() / (double(chart.bars.size()) + 0.5);
    double tallest = 0;
    for (const ChartBar &bar : std::as_const(chart.bars))
        tallest = std::max(tallest, bar.chance);
    for (qsizetype i = 0; i < chart.bars.size(); ++i) {
        ChartBar &bar = chart.bars[i];
        const double left = chart.plot.left() + (double(i) + (i > 0 ? 0.5 : 0.0)) * slot;
        const double height = tallest > 0 ? bar.chance / tallest * chart.plot.height() : 0;
        bar.column = QRectF(left, chart.plot.top(), slot, chart.plot.height());
        bar.rect = QRectF(left + 0.1 * slot, chart.plot.bottom() - height, 0.8 * slot, height);
    }

    // The totals lie evenly along their bars, each at the middle of its own
    // share of its bar's slot.
    const double totalsLeft = chart.plot.left() + 1.5 * slot;
    const double x
        = totalsLeft + (distribution.mean() - double(distribution.lowest()) + 0.5) / double(grouping.width) * slot;
    chart.meanX = std::clamp(x, totalsLeft, chart.plot.right());
    chart.meanText = u"期待値 "_s + oneDecimal(distribution.mean());
    return chart;
}

QString chartDescription(const ChartGeometry &geometry)
{
    QStringList lines{geometry.meanText};
    for (const ChartBar &bar : geometry.bars)
        lines.append(bar.text);
    return lines.join(u'\n');
}

DistributionChart::DistributionChart(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void DistributionChart::setDistribution(const RatingDistribution &distribution)
{
    m_distribution = distribution;
    m_message = distribution.fault.value_or(QString());
    layOut();
}

void DistributionChart::setMessage(const QString &message)
{
    m_distribution = RatingDistribution();
    m_message = message;
    layOut();
}

void DistributionChart::layOut()
{
    m_chart = m_message.isEmpty() ? chartGeometry(m_distribution, size()) : ChartGeometry();
    setAccessibleDescription(m_message.isEmpty() ? chartDescription(m_chart) : m_message);
    update();
}

void DistributionChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

bool DistributionChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const auto hovered = std::find_if(m_chart.bars.cbegin(), m_chart.bars.cend(),
                                      [help](const ChartBar &bar) { return bar.column.contains(help->pos()); });
    if (hovered == m_chart.bars.cend()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), hovered->text, this, hovered->column.toAlignedRect());
    }
    return true;
}

void DistributionChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().color(QPalette::Text));
    if (!m_message.isEmpty()) {
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    const QRectF &plot = m_chart.plot;
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    // A label is left out where it would run into the one before it.
    double labelsEnd = 0;
    for (qsizetype i = 0; i < m_chart.bars.size(); ++i) {
        const ChartBar &bar = m_chart.bars[i];
        const bool total = i > 0 && !bar.label.endsWith(u'+');
        painter.fillRect(bar.rect, total ? palette().highlight() : palette().mid());
        const double labelWidth = painter.fontMetrics().horizontalAdvance(bar.label);
        const double labelLeft = std::max(0.0, bar.column.center().x() - labelWidth / 2);
        if (labelLeft < labelsEnd)
            continue;
        painter.drawText(QRectF(labelLeft, plot.bottom() + 2, labelWidth, BottomRoom - 2), Qt::AlignLeft, bar.label);
        labelsEnd = labelLeft + labelWidth + 4;
    }
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawLine(QPointF(m_chart.meanX, plot.top()), QPointF(m_chart.meanX, plot.bottom()));
    const double captionWidth = painter.fontMetrics().horizontalAdvance(m_chart.meanText);
    const double captionLeft = std::clamp(m_chart.meanX - captionWidth / 2, 0.0, std::max(0.0, width() - captionWidth));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRectF(captionLeft, 0, captionWidth, TopRoom), Qt::AlignLeft | Qt::AlignVCenter, m_chart.meanText);
}
