#include "controls/errordisplay.h"
#include "controls/spinfield.h"
#include "rules/apperror.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

// A spin field in a window with a second field to take the focus, counting
// its handler's runs and the value it saw each time.
struct Form
{
    QWidget window;
    SpinField *field = new SpinField(&window);
    SpinField *other = new SpinField(&window);
    QList<qint32> seen;

    explicit Form(qint32 min = 0, qint32 max = 0, qint32 value = 0)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        field->setRange(min, max);
        field->setValue(value);
        field->setOnChange([this](QObject *sender) {
            QCOMPARE(sender, field);
            seen.append(field->value());
        });
        window.show();
        window.activateWindow();
        field->setFocus();
    }
};

class TestSpinField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTextByTheIntegerRule_data();
    void readsTextByTheIntegerRule();
    void setValueClampsOnlyWhenLimited_data();
    void setValueClampsOnlyWhenLimited();
    void handlerRunsOnlyWhenTheTextChanges();
    void changingLimitsKeepsTheValue();
    void typingFiltersKeysAndReportsEveryChange();
    void enterIsRefused();
    void pasteIsNotFiltered();
    void arrowKeysAndButtonsStep();
    void steppingWrapsAtThe32BitLimits();
    void leavingClampsANumberButKeepsText_data();
    void leavingClampsANumberButKeepsText();
    void anErrorInTheHandlerIsShownAndStopsTheChain();
};

void TestSpinField::readsTextByTheIntegerRule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("value");
    // The minimum is 8 here, so texts that are no number read as 8.
    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("leading blanks") << "   42" << 42;
    QTest::newRow("minus") << "-5" << -5;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("dollar hex") << "$1F" << 31;
    QTest::newRow("0x hex") << "0x10" << 16;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("hex uses all 32 bits") << "$FFFFFFFF" << -1;
    QTest::newRow("lowest") << "-2147483648" << std::numeric_limits<qint32>::min();
    QTest::newRow("past 32 bits") << "2147483648" << 8;
    QTest::newRow("empty") << "" << 8;
    QTest::newRow("lone sign") << "-" << 8;
    QTest::newRow("trailing blank") << "12 " << 8;
    QTest::newRow("two signs") << "--1" << 8;
    QTest::newRow("decimal separator") << "1.5" << 8;
    QTest::newRow("letters") << "abc" << 8;
}

void TestSpinField::readsTextByTheIntegerRule()
{
    QFETCH(QString, text);
    QFETCH(qint32, value);
    SpinField field;
    field.setRange(8, 99);
    field.setText(text);
    QCOMPARE(field.value(), value);
    QCOMPARE(field.text(), text); // reading never rewrites the text
}

void TestSpinField::setValueClampsOnlyWhenLimited_data()
{
    QTest::addColumn<qint32>("min");
    QTest::addColumn<qint32>("max");
    QTest::addColumn<qint32>("set");
    QTest::addColumn<QString>("shown");
    QTest::newRow("inside") << 8 << 99 << 50 << "50";
    QTest::newRow("below") << 8 << 99 << 3 << "8";
    QTest::newRow("above") << 8 << 99 << 150 << "99";
    QTest::newRow("equal limits mean none") << 0 << 0 << -12345 << "-12345";
    QTest::newRow("equal non-zero limits mean none") << 5 << 5 << 700 << "700";
    // Below the minimum wins when the limits are crossed.
    QTest::newRow("crossed limits, between") << 10 << 5 << 7 << "10";
    QTest::newRow("crossed limits, above both") << 10 << 5 << 12 << "5";
}

void TestSpinField::setValueClampsOnlyWhenLimited()
{
    QFETCH(qint32, min);
    QFETCH(qint32, max);
    QFETCH(qint32, set);
    QFETCH(QString, shown);
    SpinField field;
    field.setRange(min, max);
    field.setValue(set);
    QCOMPARE(field.text(), shown);
}

void TestSpinField::handlerRunsOnlyWhenTheTextChanges()
{
    Form form(0, 0, 5);
    form.field->setValue(5);
    QVERIFY(form.seen.isEmpty());
    form.field->setValue(6);
    QCOMPARE(form.seen, QList<qint32>{6});

    // "+6" reads as 6 but is another text: writing 6 changes it.
    form.field->setText(QStringLiteral("+6"));
    form.field->setValue(6);
    QCOMPARE(form.seen, (QList<qint32>{6, 6, 6}));
    QCOMPARE(form.field->text(), QStringLiteral("6"));
}

void TestSpinField::changingLimitsKeepsTheValue()
{
    SpinField field;
    field.setValue(150);
    field.setRange(0, 99);
    QCOMPARE(field.text(), QStringLiteral("150"));
    QCOMPARE(field.value(), 150);
}

void TestSpinField::typingFiltersKeysAndReportsEveryChange()
{
    Form form(0, 99, 0);
    QLineEdit *edit = form.field->editor();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("1a2x"));
    QCOMPARE(form.field->text(), QStringLiteral("12"));
    // Each accepted key ran the handler once, with the value as typed, even
    // past the maximum.
    QTest::keyClicks(edit, QStringLiteral("5"));
    QCOMPARE(form.seen, (QList<qint32>{1, 12, 125}));

    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, QStringLiteral("-"));
    QCOMPARE(form.field->text(), QStringLiteral("-12"));
    QCOMPARE(form.seen.last(), -12);
}

void TestSpinField::enterIsRefused()
{
    Form form(0, 0, 3);
    QTest::keyClick(form.field->editor(), Qt::Key_Return);
    QTest::keyClick(form.field->editor(), Qt::Key_Enter);
    QCOMPARE(form.field->text(), QStringLiteral("3"));
    QVERIFY(form.seen.isEmpty());
}

void TestSpinField::pasteIsNotFiltered()
{
    Form form(0, 0, 0);
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    form.field->editor()->selectAll();
    QTest::keyClick(form.field->editor(), Qt::Key_V, Qt::ControlModifier);
    if (form.field->text() != QStringLiteral("abc"))
        QSKIP("this platform has no clipboard");
    QCOMPARE(form.seen, QList<qint32>{0});
}

void TestSpinField::arrowKeysAndButtonsStep()
{
    Form form(0, 10, 9);
    QTest::keyClick(form.field->editor(), Qt::Key_Up);
    QCOMPARE(form.field->text(), QStringLiteral("10"));
    QTest::keyClick(form.field->editor(), Qt::Key_Up); // clamped: text unchanged, no handler
    QCOMPARE(form.seen, QList<qint32>{10});

    QTest::mouseClick(form.field->downButton(), Qt::LeftButton);
    QCOMPARE(form.field->text(), QStringLiteral("9"));
    QTest::mouseClick(form.field->upButton(), Qt::LeftButton);
    QCOMPARE(form.seen, (QList<qint32>{10, 9, 10}));

    // A text that is no number steps from the minimum.
    form.field->setText(QStringLiteral("x"));
    QTest::keyClick(form.field->editor(), Qt::Key_Down);
    QCOMPARE(form.field->text(), QStringLiteral("0"));

    QVERIFY(form.field->upButton()->autoRepeat());
    QCOMPARE(form.field->upButton()->autoRepeatDelay(), 400);
    QCOMPARE(form.field->upButton()->autoRepeatInterval(), 100);
}

void TestSpinField::steppingWrapsAtThe32BitLimits()
{
    SpinField field;
    field.setValue(std::numeric_limits<qint32>::max());
    field.stepUp();
    QCOMPARE(field.value(), std::numeric_limits<qint32>::min());
    field.stepDown();
    QCOMPARE(field.value(), std::numeric_limits<qint32>::max());
}

void TestSpinField::leavingClampsANumberButKeepsText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterLeaving");
    QTest::addColumn<int>("extraRuns");
    QTest::newRow("above") << "150"
                           << "99" << 1;
    QTest::newRow("inside") << "50"
                            << "50" << 0;
    QTest::newRow("no number") << "-"
                               << "-" << 0;
    QTest::newRow("empty") << ""
                           << "" << 0;
}

void TestSpinField::leavingClampsANumberButKeepsText()
{
    QFETCH(QString, typed);
    QFETCH(QString, afterLeaving);
    QFETCH(int, extraRuns);
    Form form(0, 99, 10);
    if (!QTest::qWaitForWindowActive(&form.window))
        QSKIP("no window activation on this platform");
    form.field->setFocus();
    form.field->editor()->selectAll();
    QTest::keyClick(form.field->editor(), Qt::Key_Delete);
    QTest::keyClicks(form.field->editor(), typed);
    const qsizetype runs = form.seen.size();
    form.other->setFocus();
    QCOMPARE(form.field->text(), afterLeaving);
    QCOMPARE(form.seen.size(), runs + extraRuns);
}

void TestSpinField::anErrorInTheHandlerIsShownAndStopsTheChain()
{
    QList<ErrorReport> shown;
    ErrorDisplay::setSink([&](const ErrorReport &report) { shown.append(report); });
    SpinField first;
    SpinField second;
    bool afterWrite = false;
    first.setOnChange([&](QObject *) {
        second.setValue(first.value() * 2);
        afterWrite = true;
    });
    second.setOnChange([](QObject *) { throw AppError::notInteger(QStringLiteral("x")); });
    first.show();
    QTest::keyClicks(first.editor(), QStringLiteral("3"));
    ErrorDisplay::setSink({});

    QCOMPARE(second.text(), QStringLiteral("6")); // what changed before the error stays
    QVERIFY(!afterWrite);                         // the rest of the chain did not run
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("'x' は整数ではありません."));
}

QTEST_MAIN(TestSpinField)
#include "tst_spinfield.moc"
