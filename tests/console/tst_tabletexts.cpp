#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray values = ",1,2,4,5,6,7,8,10,11,13\n";
const QString bad(1, QChar(0xFFFD));

} // namespace

// Table texts that are huge or not decodable, as the main window shows them:
// in the rating list, in the log line and in the error message.
class TestTableTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labelsInListAndLog_data();
    void labelsInListAndLog();
    void valuesInTheConversionError_data();
    void valuesInTheConversionError();
};

void TestTableTexts::labelsInListAndLog_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<QString>("shown");

    QTest::newRow("500 KB label is cut") << QByteArray(500 * 1024, 'x') << QString(100, u'x') + u'…';
    QTest::newRow("100 characters stay whole") << QByteArray(100, 'x') << QString(100, u'x');
    QTest::newRow("Shift-JIS with one broken byte") << "\x91\xe5\x80\x8c\x95"_ba << u"大"_s + bad + u"剣"_s;
    QTest::newRow("quoted Shift-JIS label with a lead byte before the blank")
        << "\"\x8c \x8c\x95\""_ba << bad + u" 剣"_s;
}

void TestTableTexts::labelsInListAndLog()
{
    QFETCH(QByteArray, label);
    QFETCH(QString, shown);
    AppFixture app(label + values);
    QVERIFY(app.errors().isEmpty());
    QCOMPARE(Main->ComboBox4->items(), QStringList{shown});

    pickEntry(Main->ComboBox4, 0);
    QCOMPARE(Main->ComboBox4->text(), shown);
    app.dice().push({3, 4});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(Main->Memo1->lines(), QStringList{u"( "_s + shown + u": 2D6 = 7 ) -> 6 + 0 = 6"_s});
}

void TestTableTexts::valuesInTheConversionError_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("1 MB field is cut") << QByteArray(1000 * 1000, 'w') << QString(100, u'w') + u'…';
    QTest::newRow("broken Shift-JIS byte") << "\x80"_ba << bad;
}

void TestTableTexts::valuesInTheConversionError()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    AppFixture app("Blade," + value + values);
    pickEntry(Main->ComboBox4, 0);
    app.dice().push({1, 2});
    QTest::mouseClick(Main->Button2, Qt::LeftButton);
    QCOMPARE(app.errorTexts(), QStringList{u"'"_s + text + u"' は整数ではありません."_s});
    QVERIFY(Main->Memo1->lines().isEmpty());
}

QTEST_MAIN(TestTableTexts)
#include "tst_tabletexts.moc"
