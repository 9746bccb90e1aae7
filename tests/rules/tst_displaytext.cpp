#include "rules/displaytext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestDisplayText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void shorten_data();
    void shorten();
};

void TestDisplayText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString bad(1, QChar(0xFFFD));

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << "Blade +1"_ba << u"Blade +1"_s;
    QTest::newRow("UTF-8") << "炎の剣"_ba << u"炎の剣"_s;
    QTest::newRow("Shift-JIS kanji") << "\x91\xe5\x8c\x95"_ba << u"大剣"_s;
    QTest::newRow("Shift-JIS half-width katakana") << "\xb6\xc0\xc5"_ba << u"ｶﾀﾅ"_s;
    QTest::newRow("Shift-JIS user area as the code page maps it") << "\xf0\x40"_ba << u"\uE000"_s;
    QTest::newRow("ASCII in Shift-JIS text") << "\x8c\x95+1"_ba << u"剣+1"_s;

    QTest::newRow("broken byte between kanji") << "\x91\xe5\x80\x8c\x95"_ba << u"大"_s + bad + u"剣"_s;
    QTest::newRow("bytes no Shift-JIS character uses") << "a\xa0\xfd\xfe\xff"_ba << u"a"_s + bad + bad + bad + bad;
    QTest::newRow("lead byte at the end is kept") << "\x8c\x95\x8c"_ba << u"剣"_s + bad;
    QTest::newRow("lead byte before a blank keeps the blank") << "\x8c \x8c\x95"_ba << bad + u" 剣"_s;
    QTest::newRow("lead byte before a comma keeps the comma") << "\x8c,1"_ba << bad + u",1"_s;
    QTest::newRow("lead byte before DEL") << "\x81\x7f"_ba << bad + u"\x7f"_s;
    QTest::newRow("unassigned pair is two bytes") << "\x85\x40\x8c\x95"_ba << bad + bad + u"剣"_s;
    QTest::newRow("broken UTF-8 in Latin-1 style") << "caf\xe9"_ba << u"caf"_s + bad;
    QTest::newRow("control codes stay what they are") << "\x1a\x1c\x7f\x8c\x95"_ba << u"\x1a\x1c\x7f剣"_s;
}

void TestDisplayText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeLabel(bytes), text);
}

void TestDisplayText::shorten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const QString hundred(100, u'x');
    const QString smile = u"\U0001F600"_s;

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("short") << u"Blade"_s << u"Blade"_s;
    QTest::newRow("exactly 100") << hundred << hundred;
    QTest::newRow("101 is cut") << hundred + u'y' << hundred + u'…';
    QTest::newRow("500,000 is cut") << QString(500000, u'剣') << QString(100, u'剣') + u'…';
    QTest::newRow("100 surrogate pairs are 100 characters") << smile.repeated(100) << smile.repeated(100);
    QTest::newRow("surrogate pair at the cut stays whole")
        << QString(99, u'x') + smile + u'y' << QString(99, u'x') + smile + u'…';
    QTest::newRow("lone surrogate counts once")
        << QString(99, u'x') + QChar(0xD800) + u'y' << QString(99, u'x') + QChar(0xD800) + u'…';
}

void TestDisplayText::shorten()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(shortenForDisplay(text), shown);
}

QTEST_GUILESS_MAIN(TestDisplayText)
#include "tst_displaytext.moc"
