#include "controls/layout.h"

#include <QtTest>

// Where a window goes to stay on its screen, as a rule of rectangles alone.
class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();
};

void TestLayout::windowsStayOnTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("position");

    // A 1024 x 768 screen with a task bar 40 high at the bottom.
    const QRect taskBarBelow(0, 0, 1024, 728);
    QTest::newRow("fits: stays") << taskBarBelow << QRect(192, 587, 696, 100) << QPoint(192, 587);
    QTest::newRow("ends at the bottom: stays") << taskBarBelow << QRect(192, 587, 696, 141) << QPoint(192, 587);
    QTest::newRow("past the bottom: up just enough") << taskBarBelow << QRect(192, 587, 696, 292) << QPoint(192, 436);
    QTest::newRow("higher than the area: at its top") << taskBarBelow << QRect(192, 587, 696, 900) << QPoint(192, 0);
    QTest::newRow("past the right: left just enough")
        << QRect(0, 0, 800, 600) << QRect(192, 107, 696, 480) << QPoint(104, 107);
    // A second screen right of the first, its task bar at the top.
    const QRect secondScreen(1024, 40, 1280, 984);
    QTest::newRow("under a task bar at the top: down") << secondScreen << QRect(1100, 20, 300, 200) << QPoint(1100, 40);
    QTest::newRow("left of the area: right") << secondScreen << QRect(1000, 300, 300, 200) << QPoint(1024, 300);
    // Brought back after the screen right of the first was disconnected.
    QTest::newRow("on a screen no longer there: back on this one")
        << taskBarBelow << QRect(1100, 300, 300, 200) << QPoint(724, 300);
    QTest::newRow("wider than the area: at its left")
        << secondScreen << QRect(1100, 300, 1400, 200) << QPoint(1024, 300);
}

void TestLayout::windowsStayOnTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QRect, window);
    QFETCH(QPoint, position);
    QCOMPARE(onScreenPosition(available, window), position);
}

QTEST_APPLESS_MAIN(TestLayout)
#include "tst_layout.moc"
