#include "rules/inttext.h"
#include "support/scripteddice.h"

#include <QTest>

#include <limits>

class TestIntText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void strToIntRaisesWithText_data();
    void strToIntRaisesWithText();
    void arithmeticWraps_data();
    void arithmeticWraps();
};

void TestIntText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isInteger");
    QTest::addColumn<qint32>("value");

    constexpr qint32 max = std::numeric_limits<qint32>::max();
    constexpr qint32 min = std::numeric_limits<qint32>::min();

    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("leading zeros") << "000000000000042" << true << 42;
    QTest::newRow("leading blanks") << "   42" << true << 42;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("minus sign") << "-7" << true << -7;
    QTest::newRow("blanks then sign") << "  -7" << true << -7;
    QTest::newRow("largest") << "2147483647" << true << max;
    QTest::newRow("smallest") << "-2147483648" << true << min;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("0x hex") << "0x1f" << true << 31;
    QTest::newRow("0X hex") << "0XfF" << true << 255;
    QTest::newRow("signed hex") << "-$10" << true << -16;
    QTest::newRow("$FFFFFFFF is -1") << "$FFFFFFFF" << true << -1;
    QTest::newRow("$80000000 is smallest") << "$80000000" << true << min;
    QTest::newRow("hex with leading zeros") << "$000000001" << true << 1;

    QTest::newRow("one above largest") << "2147483648" << false << 0;
    QTest::newRow("one below smallest") << "-2147483649" << false << 0;
    QTest::newRow("far out of range") << "99999999999999999999" << false << 0;
    QTest::newRow("hex over 32 bits") << "$100000000" << false << 0;
    QTest::newRow("trailing blank") << "42 " << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("only blanks") << "   " << false << 0;
    QTest::newRow("lone minus") << "-" << false << 0;
    QTest::newRow("lone plus") << "+" << false << 0;
    QTest::newRow("lone dollar") << "$" << false << 0;
    QTest::newRow("lone 0x") << "0x" << false << 0;
    QTest::newRow("two signs") << "--1" << false << 0;
    QTest::newRow("blank after sign") << "- 1" << false << 0;
    QTest::newRow("decimal point") << "1.5" << false << 0;
    QTest::newRow("hex digit without prefix") << "1A" << false << 0;
    QTest::newRow("word") << "Blade" << false << 0;
}

void TestIntText::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, isInteger);
    QFETCH(qint32, value);

    const std::optional<qint32> parsed = parseIntText(text);
    QCOMPARE(parsed.has_value(), isInteger);
    if (isInteger)
        QCOMPARE(*parsed, value);
}

void TestIntText::strToIntRaisesWithText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("word") << "Blade" << QStringLiteral("'Blade' は整数ではありません");
    QTest::newRow("empty") << "" << QStringLiteral("'' は整数ではありません");
    QTest::newRow("trailing blank kept") << "5 " << QStringLiteral("'5 ' は整数ではありません");
    QTest::newRow("long text is cut") << QString(5000, u'9') + u'x'
                                      << u'\'' + QString(100, u'9') + QStringLiteral("…' は整数ではありません");
}

void TestIntText::strToIntRaisesWithText()
{
    QFETCH(QString, text);
    QFETCH(QString, message);

    QCOMPARE(appErrorMessage([&] { return strToInt(text); }), message);
}

void TestIntText::arithmeticWraps_data()
{
    QTest::addColumn<qint32>("result");
    QTest::addColumn<qint32>("expected");

    constexpr qint32 max = std::numeric_limits<qint32>::max();
    constexpr qint32 min = std::numeric_limits<qint32>::min();

    QTest::newRow("add past largest") << wrapAdd(max, 1) << min;
    QTest::newRow("add below smallest") << wrapAdd(min, -1) << max;
    QTest::newRow("subtract below smallest") << wrapSub(min, 1) << max;
    QTest::newRow("subtract smallest from 0") << wrapSub(0, min) << min;
    QTest::newRow("multiply into 2^32") << wrapMul(65536, 65536) << 0;
    QTest::newRow("multiply smallest by -1") << wrapMul(min, -1) << min;
}

void TestIntText::arithmeticWraps()
{
    QFETCH(qint32, result);
    QFETCH(qint32, expected);
    QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(TestIntText)
#include "tst_inttext.moc"
