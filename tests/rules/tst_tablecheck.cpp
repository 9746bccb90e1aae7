#include "rules/apperror.h"
#include "rules/rating.h"
#include "rules/tablecheck.h"
#include "support/files.h"
#include "support/scripteddice.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

// The table check, read against what a start and every roll really do.
class TestTableCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void report_data();
    void report();
};

void TestTableCheck::report_data()
{
    QTest::addColumn<std::optional<QByteArray>>("table");
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<int>("status");

    const QString listError = u"\"リストのインデックスが範囲を超えています (%1)\""_s;
    const QString ok = u"t.txt: %1 行 (%2)、エラーはありません。すべての行がすべての出目 (3〜12) に使えます。"_s;

    QTest::newRow("good") << std::optional<QByteArray>("Blade,1,2,4,5,6,7,8,10,11,13\r\n"
                                                       "\"Long Blade, +1\" , 2, 3,5,6,7,8,9,11,12,14\r\n"
                                                       ",0,0,0,0,0,0,0,0,0,0\r\n"
                                                       "Hex ,$10,0x1,-3,+4, 5,6,7,8,9,10\r\n")
                          << QStringList{ok.arg(4).arg(u"UTF-8"_s)} << 0;
    QTest::newRow("stopping line")
        << std::optional<QByteArray>("Blade,1,2,4,5,6,7,8,10,11,13\n \t\nAxe,1,2,4,5,6,7,8,10,11,13\n"
                                     "Sword,1,2,4,5,6,7,8,10,11,13\n\n")
        << QStringList{u"t.txt:2: error: empty line: the rating list stops here at start with "_s + listError.arg(0)
                           + u", so the 3 lines after it cannot be chosen"_s,
                       u"t.txt:5: error: empty line at the end: the rating list stops here at start with "_s
                           + listError.arg(0),
                       u"t.txt: 5 行 (UTF-8) のうち 2 行にエラーがあります。"_s}
        << 1;
    QTest::newRow("short line")
        << std::optional<QByteArray>("Short,1,2,3\nAlmost,1,2,4,5,6,7,8,10,11")
        << QStringList{u"t.txt:1: error: no value for the 2D6 results 6 to 12 (fields 4 to 10): "
                       "a roll of 6 stops with "_s
                           + listError.arg(4),
                       u"t.txt:2: error: no value for the 2D6 result 12 (field 10): "
                       "a roll of 12 stops with "_s
                           + listError.arg(10),
                       u"t.txt: 2 行 (UTF-8) のうち 2 行にエラーがあります。"_s}
        << 1;
    QTest::newRow("word as value, Shift-JIS")
        << std::optional<QByteArray>("\x91\xe5\x8c\x95,1,2,g,5,6,7,8,10,11,\x8c\x95")
        << QStringList{u"t.txt:1: error: field 3 is not an integer, for the 2D6 result 5: a roll of 5 stops with "
                       "\"'g' は整数ではありません.\""_s,
                       u"t.txt:1: error: field 10 is not an integer, for the 2D6 result 12: a roll of 12 stops with "
                       "\"'剣' は整数ではありません.\""_s,
                       u"t.txt: 1 行 (Shift-JIS) のうち 1 行にエラーがあります。"_s}
        << 1;
    // Cut, the label leaves one value too many; the warning says why.
    QTest::newRow("unquoted label") << std::optional<QByteArray>("Long Blade,1,2,4,5,6,7,8,10,11,13\n"
                                                                 "Blade +1,1,2,4,5,6,7,8,10,11,13\n")
                                    << QStringList{u"t.txt:1: warning: label cut at a blank: it reads \"Long\", and "
                                                   "\"Blade\" is taken as field 1, for the 2D6 result 3; a label with "
                                                   "blanks needs double quotes"_s,
                                                   u"t.txt:1: error: field 1 is not an integer, for the 2D6 result 3: "
                                                   "a roll of 3 stops with \"'Blade' は整数ではありません.\""_s,
                                                   u"t.txt:2: warning: label cut at a blank: it reads \"Blade\", and "
                                                   "\"+1\" is taken as field 1, for the 2D6 result 3; a label with "
                                                   "blanks needs double quotes"_s,
                                                   u"t.txt: 2 行 (UTF-8) のうち 1 行にエラーがあります。警告 2 件。"_s}
                                    << 1;
    QTest::newRow("a value for 2 too, a warning only")
        << std::optional<QByteArray>("Blade,0,1,2,4,5,6,7,8,10,11,13")
        << QStringList{u"t.txt:1: warning: 11 values: only the first 10 are read, for the 2D6 results 3 to 12"_s,
                       ok.arg(1).arg(u"UTF-8"_s) + u"警告 1 件。"_s}
        << 0;
    QStringList capped;
    for (int line = 1; line <= MaxListedFindings; ++line)
        capped.append(
            u"t.txt:%1: error: no value for the 2D6 results 3 to 12 (fields 1 to 10): a roll of 3 stops with "_s.arg(
                line)
            + listError.arg(1));
    capped << u"t.txt: 2 more problems, not listed"_s
           << u"t.txt: %1 行 (UTF-8) のうち %1 行にエラーがあります。"_s.arg(MaxListedFindings + 2);
    QTest::newRow("more problems than are listed")
        << std::optional<QByteArray>(QByteArray("x\n").repeated(MaxListedFindings + 2)) << capped << 1;
    const QString noRating = u"t.txt: error: not a single rating line: the rating list is empty at start"_s;
    QTest::newRow("empty file") << std::optional<QByteArray>("")
                                << QStringList{noRating, u"t.txt: 威力が 1 行もありません。"_s} << 1;
    QTest::newRow("empty first line")
        << std::optional<QByteArray>("\nBlade,1,2,4,5,6,7,8,10,11,13\n")
        << QStringList{u"t.txt:1: error: empty line: the rating list stops here at start with "_s + listError.arg(0)
                           + u", so the line after it cannot be chosen"_s,
                       noRating, u"t.txt: 2 行 (UTF-8) のうち 1 行にエラーがあります。"_s}
        << 1;
    QTest::newRow("missing file") << std::optional<QByteArray>()
                                  << QStringList{u"t.txt: error: ファイル t.txt は開けません."_s,
                                                 u"t.txt: 表を読めません。ファイルがないか、通常のファイルでないか、"
                                                 "1 MiB を超えています。"_s}
                                  << 1;
}

void TestTableCheck::report()
{
    QFETCH(std::optional<QByteArray>, table);
    QFETCH(QStringList, report);
    QFETCH(int, status);

    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
    if (table)
        QVERIFY(writeFile(u"t.txt"_s, *table));

    const TableCheck check = checkRatingTable(u"t.txt"_s);
    QCOMPARE(check.report(u"t.txt"_s), report);
    QCOMPARE(check.exitStatus(), status);

    // Every error found is one that the start or a roll of that result
    // meets, with the same message, and the start and the rolls meet no other.
    RatingTable ratings;
    if (!table)
        return;
    ratings.load(u"t.txt"_s);
    const qsizetype checkedLines = check.unlistedFindings > 0 ? check.findings.constLast().line : ratings.count();
    for (qsizetype i = 0; i < checkedLines; ++i) {
        const auto errorAt = [&](qint32 result) -> const TableFinding * {
            for (const TableFinding &finding : check.findings) {
                if (finding.isError() && finding.line == i + 1 && finding.firstResult <= result
                    && result <= finding.lastResult)
                    return &finding;
            }
            return nullptr;
        };
        const QString atStart = appErrorMessage([&] { return ratings.label(i); });
        QCOMPARE(errorAt(0) != nullptr, !atStart.isEmpty());
        if (!atStart.isEmpty()) {
            QVERIFY(errorAt(0)->text.contains(AppError::shownText(atStart)));
            continue;
        }
        for (qint32 result = 3; result <= 12; ++result) {
            const QString rolled = appErrorMessage([&] { return ratings.sumRating(i, QString::number(result)); });
            const TableFinding *finding = errorAt(result);
            QVERIFY2((finding != nullptr) == !rolled.isEmpty(), qPrintable(u"line %1, %2"_s.arg(i + 1).arg(result)));
            if (finding && finding->firstResult == result)
                QVERIFY2(finding->text.contains(AppError::shownText(rolled)), qPrintable(finding->text));
        }
    }
}

QTEST_GUILESS_MAIN(TestTableCheck)
#include "tst_tablecheck.moc"
