#include "rules/inttext.h"
#include "rules/rating.h"
#include "support/scripteddice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString tableName = u"RatingTable.txt"_s;
const QByteArray blade = "Blade,1,2,4,5,6,7,8,10,11,13"_ba;

// The program opens the table by its bare name in the working directory, so
// every test gets a fresh directory of its own to stand in.
bool writeTable(const QByteArray &bytes)
{
    QFile file(tableName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestRating : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void ratingLines_data();
    void ratingLines();
    void criticalValueIsRaisedTo8_data();
    void criticalValueIsRaisedTo8();
    void criticalChains_data();
    void criticalChains();
    void labels_data();
    void labels();
    void lineWithoutFields_data();
    void lineWithoutFields();
    void rollFaults_data();
    void rollFaults();
    void missingFile();
    void rollsFollowTheirDistributions();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;
};

void TestRating::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestRating::cleanup()
{
    QDir::setCurrent(m_previousDir);
    m_dir.reset();
}

void TestRating::ratingLines_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<qint32>("critical");
    QTest::addColumn<bool>("criticalsOn");
    QTest::addColumn<qint32>("modifier");
    QTest::addColumn<QString>("chain");
    QTest::addColumn<QString>("line");

    // Critical base 10 and modifiers 3 + 1 unless the row says otherwise.
    QTest::newRow("two criticals") << blade << QList<int>{4, 6, 5, 6, 2, 3} << 10 << true << 4 << u"10/11/5"_s
                                   << u"( Blade: 2D6 = 10/11/5 ) -> 25 + 4 = 29"_s;
    QTest::newRow("first result 2 fails")
        << blade << QList<int>{1, 1} << 10 << true << 4 << u"2"_s << u"( Blade: 2D6 = 2 ) -> *** Failed ***"_s;
    QTest::newRow("2 after a critical adds 0")
        << blade << QList<int>{6, 4, 1, 1} << 10 << true << 4 << u"10/2"_s << u"( Blade: 2D6 = 10/2 ) -> 10 + 4 = 14"_s;
    QTest::newRow("criticals off") << blade << QList<int>{6, 6} << 10 << false << 4 << u"12"_s
                                   << u"( Blade: 2D6 = 12 ) -> 13 + 4 = 17"_s;
    QTest::newRow("critical 10 - 4 raised to 8") << blade << QList<int>{3, 5, 3, 4} << criticalValue(10, -4) << true
                                                 << 4 << u"8/7"_s << u"( Blade: 2D6 = 8/7 ) -> 13 + 4 = 17"_s;
    QTest::newRow("negative modifier") << blade << QList<int>{3, 4} << 10 << true << wrapAdd(0, -3) << u"7"_s
                                       << u"( Blade: 2D6 = 7 ) -> 6 + -3 = 3"_s;

    QTest::newRow("short line serves low results")
        << "Short,1,2,3"_ba << QList<int>{2, 3} << 10 << true << 0 << u"5"_s << u"( Short: 2D6 = 5 ) -> 3 + 0 = 3"_s;
    QTest::newRow("fumble reads no value")
        << "Empty"_ba << QList<int>{1, 1} << 10 << true << 4 << u"2"_s << u"( Empty: 2D6 = 2 ) -> *** Failed ***"_s;
    QTest::newRow("quoted label with blank") << "\"Long Blade\",1,2,4,5,6,7,8,10,11,13"_ba << QList<int>{1, 2} << 10
                                             << true << 4 << u"3"_s << u"( Long Blade: 2D6 = 3 ) -> 1 + 4 = 5"_s;
    QTest::newRow("negative values") << "Curse,-1,-2,-3,-4,-5,-6,-7,-8,-9,-10"_ba << QList<int>{6, 6, 1, 2} << 10
                                     << true << 4 << u"12/3"_s << u"( Curse: 2D6 = 12/3 ) -> -11 + 4 = -7"_s;
}

void TestRating::ratingLines()
{
    QFETCH(QByteArray, table);
    QFETCH(QList<int>, faces);
    QFETCH(qint32, critical);
    QFETCH(bool, criticalsOn);
    QFETCH(qint32, modifier);
    QFETCH(QString, chain);
    QFETCH(QString, line);

    QVERIFY(writeTable(table + "\r\n"));
    RatingTable ratings;
    ratings.load(tableName);
    ScriptedRandom dice(faces);

    QCOMPARE(rollRatingDice(dice, critical, criticalsOn), chain);
    QCOMPARE(dice.remaining(), 0);
    QCOMPARE(ratingLine(ratings, 0, ratings.label(0), chain, modifier), line);
}

void TestRating::criticalValueIsRaisedTo8_data()
{
    QTest::addColumn<qint32>("base");
    QTest::addColumn<qint32>("modifier");
    QTest::addColumn<qint32>("value");

    QTest::newRow("base alone") << 10 << 0 << 10;
    QTest::newRow("raised modifier") << 10 << 3 << 13;
    QTest::newRow("exactly 8") << 10 << -2 << 8;
    QTest::newRow("8 - 5 is raised to 8, not 3") << 8 << -5 << 8;
    QTest::newRow("far below") << 10 << -1000 << 8;
    QTest::newRow("wrapping past the largest is raised") << std::numeric_limits<qint32>::max() << 10 << 8;
}

void TestRating::criticalValueIsRaisedTo8()
{
    QFETCH(qint32, base);
    QFETCH(qint32, modifier);
    QFETCH(qint32, value);
    QCOMPARE(criticalValue(base, modifier), value);
}

void TestRating::criticalChains_data()
{
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<qint32>("critical");
    QTest::addColumn<bool>("criticalsOn");
    QTest::addColumn<QString>("chain");

    QTest::newRow("critical 8 rolls again on 8") << QList<int>{4, 4, 1, 2} << 8 << true << u"8/3"_s;
    QTest::newRow("critical 8 rolls again on 9") << QList<int>{4, 5, 1, 2} << 8 << true << u"9/3"_s;
    QTest::newRow("critical 8 rolls again on 10") << QList<int>{5, 5, 1, 2} << 8 << true << u"10/3"_s;
    QTest::newRow("critical 8 rolls again on 11") << QList<int>{5, 6, 1, 2} << 8 << true << u"11/3"_s;
    QTest::newRow("critical 8 rolls again on 12") << QList<int>{6, 6, 1, 2} << 8 << true << u"12/3"_s;
    QTest::newRow("critical 8 stops at 7") << QList<int>{3, 4} << 8 << true << u"7"_s;
    QTest::newRow("critical 13 never rolls again") << QList<int>{6, 6} << 13 << true << u"12"_s;
    QTest::newRow("criticals off stop at 12") << QList<int>{6, 6} << 8 << false << u"12"_s;
    QTest::newRow("a 2 ends the chain") << QList<int>{6, 6, 1, 1} << 8 << true << u"12/2"_s;
    QTest::newRow("long chain") << QList<int>{5, 5, 6, 4, 4, 6, 6, 6, 3, 3} << 10 << true << u"10/10/10/12/6"_s;
}

void TestRating::criticalChains()
{
    QFETCH(QList<int>, faces);
    QFETCH(qint32, critical);
    QFETCH(bool, criticalsOn);
    QFETCH(QString, chain);

    ScriptedRandom dice(faces);
    QCOMPARE(rollRatingDice(dice, critical, criticalsOn), chain);
    QCOMPARE(dice.remaining(), 0);
}

void TestRating::labels_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("labels");

    const QStringList two{u"Blade"_s, u"Axe"_s};

    QTest::newRow("LF") << "Blade,1\nAxe,2"_ba << two;
    QTest::newRow("CR LF") << "Blade,1\r\nAxe,2"_ba << two;
    QTest::newRow("CR") << "Blade,1\rAxe,2"_ba << two;
    QTest::newRow("final break adds no line") << "Blade,1\r\nAxe,2\r\n"_ba << two;
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("zero byte ends the file") << "Blade,1\nAxe\0,2\nSword,3"_ba << two;
    QTest::newRow("unquoted blank ends the label") << "Long Blade,1"_ba << QStringList{u"Long"_s};
    QTest::newRow("quoted label keeps its blank") << "\"Long Blade\",1"_ba << QStringList{u"Long Blade"_s};
    QTest::newRow("empty label") << ",1,2"_ba << QStringList{QString()};
    QTest::newRow("Shift-JIS label") << "\x91\xe5\x8c\x95,1"_ba << QStringList{u"大剣"_s};
    QTest::newRow("UTF-8 label") << "大剣,1"_ba << QStringList{u"大剣"_s};
    // "ﾅｲ" in Shift-JIS, C5 B2, is also valid UTF-8 ("Ų"): the other line decides.
    QTest::newRow("one Shift-JIS line makes the file Shift-JIS")
        << "\xc5\xb2,1\r\n\x8c\x95,2"_ba << QStringList{u"ﾅｲ"_s, u"剣"_s};
}

void TestRating::labels()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, labels);

    QVERIFY(writeTable(file));
    RatingTable ratings;
    ratings.load(tableName);
    QCOMPARE(ratings.count(), labels.size());
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(ratings.label(i), labels.at(i));
}

void TestRating::lineWithoutFields_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<qsizetype>("emptyLine");
    QTest::addColumn<qsizetype>("count");

    QTest::newRow("final empty line") << "Blade,1\nAxe,2\n\n"_ba << qsizetype(2) << qsizetype(3);
    QTest::newRow("blank line inside") << "Blade,1\r\n \t\r\nAxe,2"_ba << qsizetype(1) << qsizetype(3);
}

void TestRating::lineWithoutFields()
{
    QFETCH(QByteArray, file);
    QFETCH(qsizetype, emptyLine);
    QFETCH(qsizetype, count);

    QVERIFY(writeTable(file));
    RatingTable ratings;
    ratings.load(tableName);
    QCOMPARE(ratings.count(), count);
    QCOMPARE(ratings.label(0), u"Blade"_s);
    QCOMPARE(appErrorMessage([&] { return ratings.label(emptyLine); }),
             u"リストのインデックスが範囲を超えています (0)"_s);
}

void TestRating::rollFaults_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("message");

    QTest::newRow("three values, rolled 6")
        << "Short,1,2,3"_ba << QList<int>{2, 4} << u"リストのインデックスが範囲を超えています (4)"_s;
    QTest::newRow("missing value after a critical") << "Short,1,2,3,4,5,6,7,8"_ba << QList<int>{5, 5, 6, 6, 1, 2}
                                                    << u"リストのインデックスが範囲を超えています (10)"_s;
    QTest::newRow("unquoted Long Blade, rolled 3")
        << "Long Blade,1,2,4,5,6,7,8,10,11,13"_ba << QList<int>{1, 2} << u"'Blade' は整数ではありません"_s;
    QTest::newRow("word as value") << "Blade,1,2,x,5,6,7,8,10,11,13"_ba << QList<int>{2, 3}
                                   << u"'x' は整数ではありません"_s;
    QTest::newRow("empty value") << "Blade,1,,4,5,6,7,8,10,11,13"_ba << QList<int>{2, 2}
                                 << u"'' は整数ではありません"_s;
    QTest::newRow("Shift-JIS value shown decoded")
        << "Blade,\x8c\x95,2,4,5,6,7,8,10,11,13"_ba << QList<int>{1, 2} << u"'剣' は整数ではありません"_s;
}

void TestRating::rollFaults()
{
    QFETCH(QByteArray, table);
    QFETCH(QList<int>, faces);
    QFETCH(QString, message);

    QVERIFY(writeTable(table + "\n"));
    RatingTable ratings;
    ratings.load(tableName);
    ScriptedRandom dice(faces);
    const QString chain = rollRatingDice(dice, 10, true);
    QCOMPARE(dice.remaining(), 0);

    QCOMPARE(appErrorMessage([&] { return ratingLine(ratings, 0, ratings.label(0), chain, 0); }), message);
}

void TestRating::missingFile()
{
    RatingTable ratings;
    QCOMPARE(appErrorMessage([&] { ratings.load(tableName); }), u"ファイル RatingTable.txt は開けません"_s);
    QCOMPARE(ratings.count(), 0);
}

// The only test on unscripted dice, with fixed starting states so that every
// run is the same. Both chi-square bounds lie far beyond the 0.1 % tail
// (20.5 for five degrees of freedom, 16.3 for three): they fail only for a
// source or a chain rule that is really wrong.
void TestRating::rollsFollowTheirDistributions()
{
    // The program's own source before its clock seed is taken.
    ClockRandom clock;
    constexpr int draws = 60000;
    std::array<int, 6> faces{};
    for (int i = 0; i < draws; ++i) {
        const int face = clock.draw(6);
        QVERIFY2(face >= 1 && face <= 6, qPrintable(u"face %1"_s.arg(face)));
        ++faces[face - 1];
    }
    double faceChiSquare = 0;
    for (const int count : faces) {
        const double expected = draws / 6.0;
        faceChiSquare += (count - expected) * (count - expected) / expected;
    }
    QVERIFY2(faceChiSquare < 30, qPrintable(u"faces: chi-square %1"_s.arg(faceChiSquare)));

    // With critical value 10 a roll continues with chance 6/36, so the chain
    // length is geometric: 1, 2, 3 and longer in the ratio 5/6, 5/36, 5/216, 1/216.
    SeededRandom dice(20240611);
    constexpr int chains = 36000;
    std::array<int, 4> lengths{};
    for (int i = 0; i < chains; ++i) {
        const QStringList results = rollRatingDice(dice, 10, true).split(u'/');
        for (qsizetype r = 0; r < results.size(); ++r) {
            const bool last = r == results.size() - 1;
            QVERIFY2((results.at(r).toInt() >= 10) != last, qPrintable(results.join(u'/')));
        }
        ++lengths[std::min<qsizetype>(results.size(), 4) - 1];
    }
    const std::array<double, 4> expected{chains * 5.0 / 6, chains * 5.0 / 36, chains * 5.0 / 216, chains * 1.0 / 216};
    double chainChiSquare = 0;
    for (int i = 0; i < 4; ++i)
        chainChiSquare += (lengths[i] - expected[i]) * (lengths[i] - expected[i]) / expected[i];
    QVERIFY2(chainChiSquare < 25, qPrintable(u"chain lengths: chi-square %1"_s.arg(chainChiSquare)));
}

QTEST_GUILESS_MAIN(TestRating)
#include "tst_rating.moc"
