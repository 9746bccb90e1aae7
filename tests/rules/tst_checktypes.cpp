#include "rules/checktypes.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The log lines are glued from these texts without separators of their own,
// so the blanks at their ends are part of the line grammar.
class TestCheckTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void prefixesEndInExactlyOneBlank_data();
    void prefixesEndInExactlyOneBlank();
    void verdictsBeginWithOneBlankAndEndWithout();
};

void TestCheckTypes::prefixesEndInExactlyOneBlank_data()
{
    QTest::addColumn<QString>("prefix");
    for (int type = 0; type < CheckTypeCount; ++type)
        QTest::addRow("%s", qPrintable(checkTypeNames()[type])) << logPrefix()[type];
}

void TestCheckTypes::prefixesEndInExactlyOneBlank()
{
    QFETCH(QString, prefix);
    QVERIFY(prefix.endsWith(u' '));
    QVERIFY(!prefix.chopped(1).endsWith(u' '));
    QVERIFY(!prefix.startsWith(u' '));
}

void TestCheckTypes::verdictsBeginWithOneBlankAndEndWithout()
{
    QCOMPARE(checkResultText()[0], u" *** Failed ***"_s);
    QCOMPARE(checkResultText()[1], u" *** Success ***"_s);
}

QTEST_GUILESS_MAIN(TestCheckTypes)
#include "tst_checktypes.moc"
