#include "controls/distributionchart.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

// The chart's bars and mean line as data, for distributions whose totals
// were counted apart from the program, chain by chain.
class TestDistributionChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barsAndMean_data();
    void barsAndMean();
};

void TestDistributionChart::barsAndMean_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<RatingRollSetup>("setup");
    QTest::addColumn<int>("bars");
    QTest::addColumn<QString>("lastLabel");
    // One bar's hover text, and the bar the expected total falls in.
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("meanIn");

    const QList<int> blade{1, 2, 4, 5, 6, 7, 8, 10, 11, 13};
    QList<int> tenfold;
    for (int value : blade)
        tenfold.append(10 * value);
    // Totals 5 to 37 reach 99.9%, the expected total is 10.46.
    QTest::newRow("criticals at 11: a bar per total, then the tail")
        << blade << RatingRollSetup{11, 0, true, 4} << 35 << "38+" << 10 << "合計 14: 8.3%、14 以上: 16.7%"
        << "10";
    // Totals 5 to 17, the expected total is 9.92.
    QTest::newRow("criticals off: no tail")
        << blade << RatingRollSetup{10, 0, false, 4} << 14 << "17" << 1 << "合計 5: 5.6%、5 以上: 97.2%"
        << "10";
    // Totals 10 to 420 reach 99.9%: 411 totals in 38 ranges of 11 each.
    QTest::newRow("values to 130: ranges of totals")
        << tenfold << RatingRollSetup{10, 0, true, 0} << 40 << "428+" << 6 << "合計 65–75: 13.9%、65 以上: 41.7%"
        << "65–75";
}

void TestDistributionChart::barsAndMean()
{
    QFETCH(QList<int>, values);
    QFETCH(RatingRollSetup, setup);
    QFETCH(int, bars);
    QFETCH(QString, lastLabel);
    QFETCH(int, shown);
    QFETCH(QString, text);
    QFETCH(QString, meanIn);

    LineValues line;
    std::copy(values.cbegin(), values.cend(), line.values.begin() + 3);
    const RatingDistribution distribution = ratingDistribution(line, setup);
    const QSizeF size(480, 160);
    const ChartGeometry chart = chartGeometry(distribution, size);

    QCOMPARE(chart.bars.size(), bars);
    QCOMPARE(chart.bars.first().label, u"自動失敗"_s);
    QCOMPARE(chart.bars.first().text, u"自動失敗: 2.8%"_s);
    QCOMPARE(chart.bars.last().label, lastLabel);
    QCOMPARE(chart.bars.at(shown).text, text);
    // Every chance is in exactly one bar, and a bar's height is its chance.
    double sum = 0;
    double tallest = 0;
    for (const ChartBar &bar : chart.bars) {
        sum += bar.chance;
        tallest = std::max(tallest, bar.chance);
    }
    QVERIFY(qAbs(sum - 1) < 1e-9);
    for (qsizetype i = 0; i < chart.bars.size(); ++i) {
        const ChartBar &bar = chart.bars[i];
        QVERIFY(QRectF(QPointF(), size).contains(bar.column));
        QVERIFY(bar.column.left() < bar.rect.left() && bar.rect.right() < bar.column.right());
        QVERIFY(bar.rect.top() >= bar.column.top());
        QCOMPARE(bar.rect.bottom(), chart.plot.bottom());
        QVERIFY(qAbs(bar.rect.height() / chart.plot.height() - bar.chance / tallest) < 1e-9);
        if (i > 0)
            QVERIFY(chart.bars[i - 1].column.right() <= bar.column.left() + 1e-9);
    }
    const auto mean = std::find_if(chart.bars.cbegin(), chart.bars.cend(), [&](const ChartBar &bar) {
        return bar.column.left() <= chart.meanX && chart.meanX < bar.column.right();
    });
    QVERIFY(mean != chart.bars.cend());
    QCOMPARE(mean->label, meanIn);
}

QTEST_MAIN(TestDistributionChart)
#include "tst_distributionchart.moc"
