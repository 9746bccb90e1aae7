#include "controls/choicebox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

// A choice box with three entries, counting its handler's runs.
struct Box
{
    ChoiceBox box;
    int runs = 0;

    Box()
    {
        box.setItems({QStringLiteral("Apple"), QStringLiteral("apricot"), QStringLiteral("Banana")});
        box.setText(QStringLiteral("Select"));
        box.setOnChange([this](QObject *sender) {
            QCOMPARE(sender, &box);
            ++runs;
        });
        box.resize(120, 20);
        box.show();
    }

    QLineEdit *edit() { return box.comboBox()->lineEdit(); }
};

class TestChoiceBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldHaveDefaultValue();
    void changesFromCodeRunNoHandler();
    void replacingEntriesKeepsTextAndDropsSelection();
    void replacingOneEntryDropsOnlyItsSelection();
    void typingCompletesToTheFirstMatchIgnoringCase_data();
    void typingCompletesToTheFirstMatchIgnoringCase();
    void typingOverTheCompletionCompletesAgain();
    void deletingDoesNotComplete();
    void pickingWithTheKeyboardSelects();
};

void TestChoiceBox::shouldHaveDefaultValue()
{
    Box b;
    QCOMPARE(b.box.itemIndex(), -1);
    QCOMPARE(b.box.text(), QStringLiteral("Select"));
    QCOMPARE(b.box.count(), 3);
    QVERIFY(b.box.comboBox()->isEditable());
}

void TestChoiceBox::changesFromCodeRunNoHandler()
{
    Box b;
    b.box.setItemIndex(2);
    QCOMPARE(b.box.text(), QStringLiteral("Banana"));
    b.box.setText(QStringLiteral("Cherry"));
    QCOMPARE(b.box.itemIndex(), 2); // the shown text and the selection are separate
    b.box.addItem(QStringLiteral("Date"));
    b.box.setItemIndex(-1);
    QCOMPARE(b.box.text(), QString());
    QCOMPARE(b.runs, 0);
}

void TestChoiceBox::replacingEntriesKeepsTextAndDropsSelection()
{
    Box b;
    b.box.setItemIndex(1);
    b.box.setItems({QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(b.box.itemIndex(), -1);
    QCOMPARE(b.box.text(), QStringLiteral("apricot"));
    QCOMPARE(b.box.items(), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));

    // Adding to an empty list selects nothing either (a QComboBox would).
    ChoiceBox empty;
    empty.setText(QStringLiteral("Select"));
    empty.addItem(QStringLiteral("first"));
    QCOMPARE(empty.itemIndex(), -1);
    QCOMPARE(empty.text(), QStringLiteral("Select"));
    QCOMPARE(b.runs, 0);
}

void TestChoiceBox::replacingOneEntryDropsOnlyItsSelection()
{
    Box b;
    b.box.setItemIndex(0);
    b.box.setItem(1, QStringLiteral("Avocado"));
    QCOMPARE(b.box.itemIndex(), 0);
    b.box.setItem(0, QStringLiteral("Acerola"));
    QCOMPARE(b.box.itemIndex(), -1);
    QCOMPARE(b.box.text(), QStringLiteral("Apple"));
    QCOMPARE(b.box.items().first(), QStringLiteral("Acerola"));
    QCOMPARE(b.runs, 0);
}

void TestChoiceBox::typingCompletesToTheFirstMatchIgnoringCase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("selected");
    QTest::newRow("first of two matches") << "ap" << 0 << "apple"
                                          << "ple";
    QTest::newRow("other case") << "AP" << 0 << "APple"
                                << "ple";
    QTest::newRow("whole entry") << "banana" << 2 << "banana"
                                 << "";
    QTest::newRow("no match") << "cherry" << -1 << "cherry"
                              << "";
}

void TestChoiceBox::typingCompletesToTheFirstMatchIgnoringCase()
{
    QFETCH(QString, typed);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, selected);
    Box b;
    b.edit()->selectAll();
    QTest::keyClicks(b.edit(), typed);
    QCOMPARE(b.box.itemIndex(), index);
    QCOMPARE(b.box.text(), shown);
    QCOMPARE(b.edit()->selectedText(), selected);
    QCOMPARE(b.runs, typed.size()); // every keystroke is an edit
}

void TestChoiceBox::typingOverTheCompletionCompletesAgain()
{
    Box b;
    b.edit()->selectAll();
    QTest::keyClicks(b.edit(), QStringLiteral("apr"));
    QCOMPARE(b.box.itemIndex(), 1);
    QCOMPARE(b.box.text(), QStringLiteral("apricot"));
}

void TestChoiceBox::deletingDoesNotComplete()
{
    Box b;
    b.edit()->selectAll();
    QTest::keyClicks(b.edit(), QStringLiteral("b"));
    QCOMPARE(b.box.itemIndex(), 2);
    QTest::keyClick(b.edit(), Qt::Key_Backspace); // removes the completion
    QCOMPARE(b.box.text(), QStringLiteral("b"));
    QCOMPARE(b.box.itemIndex(), -1);
    QTest::keyClick(b.edit(), Qt::Key_Backspace);
    QCOMPARE(b.box.text(), QString());
    QCOMPARE(b.box.itemIndex(), -1);
    QCOMPARE(b.runs, 3);
}

void TestChoiceBox::pickingWithTheKeyboardSelects()
{
    Box b;
    b.box.setItemIndex(0);
    QTest::keyClick(b.box.comboBox(), Qt::Key_Down);
    QCOMPARE(b.box.itemIndex(), 1);
    QCOMPARE(b.box.text(), QStringLiteral("apricot"));
    QCOMPARE(b.runs, 1);
}

QTEST_MAIN(TestChoiceBox)
#include "tst_choicebox.moc"
