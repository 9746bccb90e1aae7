#include "controls/buttons.h"
#include "controls/errordisplay.h"
#include "controls/radiogroup.h"
#include "rules/apperror.h"
#include "support/input.h"

#include <QtTest>

class TestButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonRunsFromCodeEvenWhenDisabled();
    void checkBoxRunsOnlyOnAChange();
    void radioButtonUnchecksItsSiblingsQuietly();
    void radioButtonAlreadyCheckedRunsNothing();
    void radioSetsOfNestedBoxesStayApart();
    void radioGroupRunsOnAnotherItem();
    void editFieldRunsOnEveryChange();
    void userEntryShowsErrorsButCodeLetsThemThrough();
};

void TestButtons::buttonRunsFromCodeEvenWhenDisabled()
{
    Button button(QStringLiteral("Go"));
    int runs = 0;
    button.setOnClick([&](QObject *sender) {
        QCOMPARE(sender, &button);
        ++runs;
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(runs, 1);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(runs, 1);
    button.runClick();
    QCOMPARE(runs, 2);
}

void TestButtons::checkBoxRunsOnlyOnAChange()
{
    CheckBox box(QStringLiteral("Check"));
    QList<bool> seen;
    box.setOnClick([&](QObject *) { seen.append(box.isChecked()); });
    box.show();
    box.setCheck(false);
    QVERIFY(seen.isEmpty());
    box.setCheck(true);
    box.setCheck(true);
    QCOMPARE(seen, QList<bool>{true});
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_Space);
    QCOMPARE(seen, (QList<bool>{true, false, true}));
}

void TestButtons::radioButtonUnchecksItsSiblingsQuietly()
{
    QWidget parent;
    auto *a = new RadioButton(QStringLiteral("a"), &parent);
    auto *b = new RadioButton(QStringLiteral("b"), &parent);
    a->setChecked(true);
    QStringList ran;
    a->setOnClick([&](QObject *) { ran.append(QStringLiteral("a")); });
    b->setOnClick([&](QObject *) {
        QVERIFY(!a->isChecked()); // the sibling is unchecked before the handler runs
        ran.append(QStringLiteral("b"));
    });
    parent.show();
    b->setCheck();
    QCOMPARE(ran, QStringList{QStringLiteral("b")});
    b->move(0, 30);
    QTest::mouseClick(a, Qt::LeftButton);
    QCOMPARE(ran, (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    QVERIFY(!b->isChecked());
}

void TestButtons::radioButtonAlreadyCheckedRunsNothing()
{
    QWidget parent;
    auto *a = new RadioButton(QStringLiteral("a"), &parent);
    auto *b = new RadioButton(QStringLiteral("b"), &parent);
    b->move(0, 30);
    a->setChecked(true);
    int runs = 0;
    a->setOnClick([&](QObject *) { ++runs; });
    parent.show();
    a->setCheck();
    QTest::mouseClick(a, Qt::LeftButton);
    QCOMPARE(runs, 0);
    QVERIFY(a->isChecked());
}

void TestButtons::radioSetsOfNestedBoxesStayApart()
{
    // The target group holds its own radio buttons beside a nested box and a
    // radio group with radio buttons of their own.
    QWidget outer;
    auto *first = new RadioButton(QStringLiteral("first"), &outer);
    auto *second = new RadioButton(QStringLiteral("second"), &outer);
    second->move(0, 20);
    auto *nested = new QWidget(&outer);
    nested->move(0, 40);
    auto *inner = new RadioButton(QStringLiteral("inner"), nested);
    auto *group = new RadioGroup(QStringLiteral("g"), {QStringLiteral("x"), QStringLiteral("y")}, &outer);
    group->setGeometry(0, 70, 80, 60);
    first->setChecked(true);
    inner->setChecked(true);
    group->setItemIndex(1);
    outer.show();

    clickOn(first); // already checked: stays checked
    QVERIFY(first->isChecked());
    second->setCheck();
    QVERIFY(!first->isChecked());
    QVERIFY(inner->isChecked());
    QCOMPARE(group->itemIndex(), 1);
    QVERIFY(group->item(1)->isChecked());
    clickOn(group->item(0));
    QVERIFY(second->isChecked());
    QVERIFY(inner->isChecked());
}

void TestButtons::radioGroupRunsOnAnotherItem()
{
    RadioGroup group(QStringLiteral("Mode"), {QStringLiteral("one"), QStringLiteral("two")});
    group.resize(100, 65);
    group.setItemIndex(1); // a definition value: no handler attached yet
    QList<int> seen;
    group.setOnClick([&](QObject *sender) {
        QCOMPARE(sender, &group);
        seen.append(group.itemIndex());
    });
    group.show();
    group.setItemIndex(1);
    group.setItemIndex(-1);
    QVERIFY(seen.isEmpty());
    QVERIFY(!group.item(1)->isChecked());
    group.setItemIndex(0);
    QCOMPARE(seen, QList<int>{0});
    clickOn(group.item(1));
    QCOMPARE(seen, (QList<int>{0, 1}));
    clickOn(group.item(1));
    QCOMPARE(seen, (QList<int>{0, 1}));
}

void TestButtons::editFieldRunsOnEveryChange()
{
    EditField field;
    QStringList seen;
    field.setOnChange([&](QObject *) { seen.append(field.text()); });
    field.show();
    QTest::keyClicks(&field, QStringLiteral("ab"));
    field.setFieldText(QStringLiteral("ab"));
    field.setFieldText(QStringLiteral("xyz"));
    QCOMPARE(seen, (QStringList{QStringLiteral("a"), QStringLiteral("ab"), QStringLiteral("xyz")}));
}

void TestButtons::userEntryShowsErrorsButCodeLetsThemThrough()
{
    QList<ErrorReport> shown;
    ErrorDisplay::setSink([&](const ErrorReport &report) { shown.append(report); });
    Button button(QStringLiteral("Fail"));
    button.setOnClick([](QObject *) { throw AppError::listIndex(4); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("リストのインデックスが範囲を超えています (4)"));
    QVERIFY_THROWS_EXCEPTION(AppError, button.runClick());
    ErrorDisplay::setSink({});
}

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
