#include "rules/textlist.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void splitLines_data();
    void splitLines();
};

void TestTextList::split_data()
{
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArrayList>("items");

    const QChar comma = u',';
    const QChar slash = u'/';

    QTest::newRow("dice text") << comma << "3, 5 "_ba << QByteArrayList{"3", "5"};
    QTest::newRow("blank separates like a comma") << comma << "a b,c"_ba << QByteArrayList{"a", "b", "c"};
    QTest::newRow("two commas give empty item") << comma << "a,,b"_ba << QByteArrayList{"a", "", "b"};
    QTest::newRow("comma at end gives empty item") << comma << "a,"_ba << QByteArrayList{"a", ""};
    QTest::newRow("comma and blank at end give none") << comma << "a, "_ba << QByteArrayList{"a"};
    QTest::newRow("leading comma") << comma << ",a"_ba << QByteArrayList{"", "a"};
    QTest::newRow("blanks around comma") << comma << "  a  ,  b  "_ba << QByteArrayList{"a", "b"};
    QTest::newRow("empty line") << comma << ""_ba << QByteArrayList{};
    QTest::newRow("blank line") << comma << " \t  "_ba << QByteArrayList{};
    QTest::newRow("control characters are blanks") << comma
                                                   << "\x01"
                                                      "a\x1f,\x7f"_ba
                                                   << QByteArrayList{"a", "\x7f"};
    QTest::newRow("quoted keeps blanks and commas")
        << comma << "\"Long Blade, +1\",3"_ba << QByteArrayList{"Long Blade, +1", "3"};
    QTest::newRow("doubled quote inside quotes")
        << comma << "\"say \"\"hi\"\"\",2"_ba << QByteArrayList{"say \"hi\"", "2"};
    QTest::newRow("empty quotes") << comma << "\"\",1"_ba << QByteArrayList{"", "1"};
    QTest::newRow("text after closing quote is next item") << comma << "\"ab\"cd"_ba << QByteArrayList{"ab", "cd"};
    QTest::newRow("zero byte ends line") << comma << "a,b\0c,d"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("comma before zero byte is last") << comma << "a,\0b"_ba << QByteArrayList{"a", ""};
    QTest::newRow("bytes above 127 are not blanks")
        << comma << "\x8c\x95\xa0x,1"_ba << QByteArrayList{"\x8c\x95\xa0x", "1"};

    QTest::newRow("rating chain") << slash << "10/11/5"_ba << QByteArrayList{"10", "11", "5"};
    QTest::newRow("single result") << slash << "2"_ba << QByteArrayList{"2"};
    QTest::newRow("comma is no delimiter for slash") << slash << "a,b/c"_ba << QByteArrayList{"a,b", "c"};
}

void TestTextList::split()
{
    QFETCH(QChar, delimiter);
    QFETCH(QByteArray, line);
    QFETCH(QByteArrayList, items);

    QCOMPARE(splitDelimited(QByteArrayView(line), char(delimiter.unicode())), items);

    // Latin-1 maps every byte to the same code, so the text version must
    // split the same way.
    QStringList texts;
    for (const QByteArray &item : std::as_const(items))
        texts.append(QString::fromLatin1(item));
    QCOMPARE(splitDelimited(QString::fromLatin1(line), delimiter.unicode()), texts);
}

void TestTextList::splitLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("LF") << "a\nb"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("CR LF") << "a\r\nb"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("CR") << "a\rb"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("mixed ends") << "a\r\nb\nc\rd"_ba << QByteArrayList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two ends") << "a\n\rb"_ba << QByteArrayList{"a", "", "b"};
    QTest::newRow("final end adds no line") << "a\r\nb\r\n"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("final empty line is kept") << "a\nb\n\n"_ba << QByteArrayList{"a", "b", ""};
    QTest::newRow("empty line inside") << "a\n\nb"_ba << QByteArrayList{"a", "", "b"};
    QTest::newRow("blanks are kept") << " a \n"_ba << QByteArrayList{" a "};
    QTest::newRow("empty text") << ""_ba << QByteArrayList{};
    QTest::newRow("only an end") << "\r\n"_ba << QByteArrayList{""};
    QTest::newRow("zero byte ends text") << "a\nb\0c\nd"_ba << QByteArrayList{"a", "b"};
    QTest::newRow("zero byte first") << "\0a"_ba << QByteArrayList{};
}

void TestTextList::splitLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, lines);
    QCOMPARE(::splitLines(bytes), lines);
}

QTEST_GUILESS_MAIN(TestTextList)
#include "tst_textlist.moc"
