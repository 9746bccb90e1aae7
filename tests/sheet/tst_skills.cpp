#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "sheet/Unit_Friend_States.h"
#include "sheet/Unit_Skill.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

QStringList rowTexts(int row)
{
    const QTreeWidgetItem *item = F_States2->SkillList->topLevelItem(row);
    return {item->text(0), item->text(1), item->text(2), item->text(3)};
}

QList<qint32> skillForCheck()
{
    return {Main->SkillForCheck.begin(), Main->SkillForCheck.end()};
}

void selectRow(int row)
{
    QTreeWidget *list = F_States2->SkillList;
    const QModelIndex index = list->model()->index(row, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>{list->topLevelItem(row)});
}

} // namespace

class TestSkills : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void firstWarriorAddDerivesEverything();
    void rebuildPicksTheBestSkills_data();
    void rebuildPicksTheBestSkills();
    void editLoadsTheRowAndCancelKeepsItAll_data();
    void editLoadsTheRowAndCancelKeepsItAll();
    void editRewritesTheRowInPlace();
    void editEntryNeedsASelection();
    void skillListsLoseTheirSelection_data();
    void skillListsLoseTheirSelection();
    void levelMustBeANumberWithinRange_data();
    void levelMustBeANumberWithinRange();
    void unreadableLevelStopsTheRebuildAtItsRow();

private:
    std::unique_ptr<AppFixture> m_app;
};

void TestSkills::firstWarriorAddDerivesEverything()
{
    // The dialog's first showing holds "ファイター", Warrior, Possible.
    QVERIFY(runSkillDialog(F_States2->Add_Skill, [](TSkillBox *box) {
        QCOMPARE(box->SName->text(), QStringLiteral("ファイター"));
        QCOMPARE(box->Lv->text(), QStringLiteral("0"));
        QCOMPARE(box->SType->itemIndex(), 0);
        QCOMPARE(box->DType->itemIndex(), 0);
        typeInto(box->Lv->editor(), QStringLiteral("3"));
    }));

    QCOMPARE(rowTexts(0), (QStringList{QStringLiteral("ファイター"), "3", "0", "1"}));
    QCOMPARE(F_States2->AdvLv->text(), QStringLiteral("3"));
    QCOMPARE(F_States2->MagLv->text(), QStringLiteral("0"));
    const QStringList choices{QStringLiteral("(none)"), QStringLiteral("冒険者"), QStringLiteral("ファイター")};
    QCOMPARE(Main->SkillChoices, choices);
    QCOMPARE(Main->ComboBox6->items(), choices);
    QCOMPARE(skillForCheck(), (QList<qint32>{0, 2, 2, 0, 0, 0, 1, 1}));
    QCOMPARE(F_States2->HP_max->value(), 23);
    QCOMPARE(F_States2->ResPhy->text(), QStringLiteral("5"));
    QCOMPARE(F_States2->ResPsi->text(), QStringLiteral("5"));
}

void TestSkills::rebuildPicksTheBestSkills_data()
{
    QTest::addColumn<QStringList>("skills");
    QTest::addColumn<QStringList>("dodgeFlags");
    QTest::addColumn<QList<qint32>>("forCheck");
    QTest::addColumn<QString>("adventurer");
    QTest::addColumn<QString>("magic");
    QTest::addColumn<int>("mpMax");

    QTest::newRow("higher warrior later takes over")
        << QStringList{"A:3:0:0", "B:3:0:0", "C:5:0:1"} << QStringList{"1", "1", "0"}
        << QList<qint32>{0, 4, 2, 0, 0, 0, 1, 1} << "5"
        << "0" << 14;
    QTest::newRow("possible, then magician")
        << QStringList{"M2:2:1:0", "M3:3:1:0"} << QStringList{"0", "0"} << QList<qint32>{0, 0, 0, 3, 0, 0, 1, 1} << "3"
        << "5" << 29;
}

void TestSkills::rebuildPicksTheBestSkills()
{
    QFETCH(QStringList, skills);
    QFETCH(QStringList, dodgeFlags);
    QFETCH(QList<qint32>, forCheck);
    QFETCH(QString, adventurer);
    QFETCH(QString, magic);
    QFETCH(int, mpMax);

    QStringList names{QStringLiteral("(none)"), QStringLiteral("冒険者")};
    for (const QString &skill : std::as_const(skills)) {
        QVERIFY(addSkill(skill));
        names.append(skill.section(u':', 0, 0));
    }
    for (int i = 0; i < skills.size(); ++i)
        QCOMPARE(rowTexts(i).at(3), dodgeFlags.at(i));
    QCOMPARE(skillForCheck(), forCheck);
    QCOMPARE(Main->SkillChoices, names);
    QCOMPARE(F_States2->AdvLv->text(), adventurer);
    QCOMPARE(F_States2->MagLv->text(), magic);
    QCOMPARE(F_States2->MP_max->value(), mpMax);
}

void TestSkills::editLoadsTheRowAndCancelKeepsItAll_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("close");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("dodge");
    QTest::addColumn<bool>("dodgeEnabled");

    QTest::newRow("magician, cancel") << 0 << int(Close::Cancel) << "Mage" << 1 << 1 << false;
    QTest::newRow("warrior flag 1, escape") << 1 << int(Close::Escape) << "Blade" << 0 << 0 << true;
    QTest::newRow("warrior flag 0, frame") << 2 << int(Close::Frame) << "Guard" << 0 << 1 << true;
}

void TestSkills::editLoadsTheRowAndCancelKeepsItAll()
{
    QFETCH(int, row);
    QFETCH(int, close);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, dodge);
    QFETCH(bool, dodgeEnabled);

    QVERIFY(addSkill(QStringLiteral("Mage:4:1:0")));
    QVERIFY(addSkill(QStringLiteral("Blade:2:0:0")));
    QVERIFY(addSkill(QStringLiteral("Guard:5:0:1")));
    QList<QStringList> rows;
    for (int i = 0; i < 3; ++i)
        rows.append(rowTexts(i));
    const QList<qint32> forCheck = skillForCheck();
    // A stale value that only a rebuild would overwrite.
    F_States2->HP_max->setValue(99);

    selectRow(row);
    QVERIFY(runSkillDialog(
        F_States2->Edit_Skill,
        [&](TSkillBox *box) {
            QCOMPARE(box->SName->text(), name);
            QCOMPARE(box->Lv->text(), rows[row][1]);
            QCOMPARE(box->SType->itemIndex(), type);
            QCOMPARE(box->DType->itemIndex(), dodge);
            QCOMPARE(box->DType->isEnabled(), dodgeEnabled);
            typeInto(box->Lv->editor(), QStringLiteral("9"));
        },
        Close(close)));

    for (int i = 0; i < 3; ++i)
        QCOMPARE(rowTexts(i), rows[i]);
    QCOMPARE(skillForCheck(), forCheck);
    QCOMPARE(F_States2->HP_max->value(), 99);

    // The next Add starts from what the cancelled edit left in the dialog.
    QVERIFY(runSkillDialog(
        F_States2->Add_Skill,
        [&](TSkillBox *box) {
            QCOMPARE(box->SName->text(), name);
            QCOMPARE(box->Lv->text(), QStringLiteral("9"));
            QCOMPARE(box->SType->itemIndex(), type);
            QCOMPARE(box->DType->itemIndex(), dodge);
        },
        Close::Cancel));
    QCOMPARE(F_States2->SkillList->topLevelItemCount(), 3);
}

void TestSkills::editRewritesTheRowInPlace()
{
    QVERIFY(addSkill(QStringLiteral("Mage:4:1:0")));
    QVERIFY(addSkill(QStringLiteral("Blade:2:0:0")));
    selectRow(0);
    QVERIFY(runSkillDialog(F_States2->Edit_Skill, [](TSkillBox *box) { fillSkill(box, QStringLiteral("Axe:7:0:0")); }));

    QCOMPARE(rowTexts(0), (QStringList{"Axe", "7", "0", "1"}));
    QCOMPARE(rowTexts(1), (QStringList{"Blade", "2", "0", "1"}));
    QCOMPARE(F_States2->AdvLv->text(), QStringLiteral("7"));
    QCOMPARE(skillForCheck(), (QList<qint32>{0, 2, 2, 0, 0, 0, 1, 1}));
}

void TestSkills::editEntryNeedsASelection()
{
    QTreeWidget *list = F_States2->SkillList;
    // Which entries the menu offers when opened at pos: "E" for Edit, "A"
    // for Add, empty when it did not open.
    const auto offeredAt = [list](QPoint pos) {
        QString offered;
        if (openContextMenu(list->viewport(), pos) == F_States2->SkillMenu) {
            offered += F_States2->Edit_Skill->isEnabled() ? QStringLiteral("E") : QString();
            offered += F_States2->Add_Skill->isEnabled() ? QStringLiteral("A") : QString();
        }
        F_States2->SkillMenu->hide();
        return offered;
    };
    const QPoint below(20, list->viewport()->height() - 4);

    QCOMPARE(F_States2->SkillMenu->actions(), (QList<QAction *>{F_States2->Edit_Skill, F_States2->Add_Skill}));
    QCOMPARE(offeredAt(below), QStringLiteral("A"));
    QVERIFY(addSkill(QStringLiteral("Blade:2:0:0")));
    QCOMPARE(offeredAt(below), QStringLiteral("A"));
    selectRow(0);
    QCOMPARE(offeredAt(list->visualItemRect(list->topLevelItem(0)).center()), QStringLiteral("EA"));
    list->clearSelection();
    QCOMPARE(offeredAt(below), QStringLiteral("A"));
}

void TestSkills::skillListsLoseTheirSelection_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<int>("skillSelected");

    QTest::newRow("generic") << 0 << -1;
    QTest::newRow("hit") << 1 << 2;
    QTest::newRow("magic, no magician") << 3 << 0;
}

void TestSkills::skillListsLoseTheirSelection()
{
    QFETCH(int, checkType);
    QFETCH(int, skillSelected);

    Main->ComboBox1->setItemIndex(checkType);
    Main->ComboBox6->setItemIndex(1);
    const QString shown6 = Main->ComboBox6->text();
    QVERIFY(addSkill(QStringLiteral("Blade:2:0:0")));

    QCOMPARE(Main->ComboBox6->itemIndex(), -1);
    QCOMPARE(Main->ComboBox6->text(), shown6);
    QCOMPARE(Main->ComboBox2->itemIndex(), skillSelected);
}

void TestSkills::levelMustBeANumberWithinRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("adventurer");

    QTest::newRow("in range") << "12" << false << "12"
                              << "12";
    QTest::newRow("leading zeros stay") << "007" << false << "007"
                                        << "7";
    QTest::newRow("above 99") << "150" << false << "99"
                              << "99";
    QTest::newRow("negative") << "-4" << false << "0"
                              << "0";
    QTest::newRow("empty") << "" << true << "5"
                           << "5";
    QTest::newRow("only a sign") << "-" << true << "5"
                                 << "5";
}

void TestSkills::levelMustBeANumberWithinRange()
{
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    QFETCH(QString, stored);
    QFETCH(QString, adventurer);

    bool stayedOpen = false;
    QVERIFY(runSkillDialog(
        F_States2->Add_Skill,
        [&](TSkillBox *box) {
            typeInto(box->Lv->editor(), typed);
            box->OKButton->setFocus();
            QTest::mouseClick(box->OKButton, Qt::LeftButton);
            stayedOpen = box->isVisible();
            if (stayedOpen) {
                QCOMPARE(box->focusWidget(), box->Lv->editor());
                typeInto(box->Lv->editor(), QStringLiteral("5"));
                QTest::mouseClick(box->OKButton, Qt::LeftButton);
            }
        },
        Close::ByFill));
    QCOMPARE(stayedOpen, refused);
    QCOMPARE(rowTexts(0).at(1), stored);
    QCOMPARE(F_States2->AdvLv->text(), adventurer);
    QVERIFY(m_app->errors().isEmpty());
}

void TestSkills::unreadableLevelStopsTheRebuildAtItsRow()
{
    QVERIFY(addSkill(QStringLiteral("Blade:3:0:0")));
    // Rows as a dialog without the level check would have stored them.
    QTreeWidget *list = F_States2->SkillList;
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{"Empty", "", "1", "0"}));
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{"Mage", "8", "1", "0"}));
    Main->ComboBox1->setItemIndex(1);

    guarded([] { Main->SetSkillList(); });

    QCOMPARE(m_app->errorTexts(), QStringList{QStringLiteral("'' は整数ではありません.")});
    // Derived from the rows before the bad one; the later steps never ran.
    QCOMPARE(Main->SkillChoices, (QStringList{QStringLiteral("(none)"), QStringLiteral("冒険者"), "Blade"}));
    QCOMPARE(skillForCheck(), (QList<qint32>{0, 2, 2, 0, 0, 0, 1, 1}));
    QCOMPARE(F_States2->AdvLv->text(), QStringLiteral("3"));
    QCOMPARE(F_States2->MagLv->text(), QStringLiteral("0"));
    QCOMPARE(F_States2->HP_max->value(), 23);
    QCOMPARE(Main->ComboBox2->count(), 3);
    QCOMPARE(Main->ComboBox2->itemIndex(), -1);

    // Editing the row to a number mends every later rebuild.
    list->topLevelItem(1)->setText(1, QStringLiteral("2"));
    guarded([] { Main->SetSkillList(); });
    QCOMPARE(m_app->errors().size(), 1);
    QCOMPARE(F_States2->AdvLv->text(), QStringLiteral("8"));
    QCOMPARE(F_States2->MagLv->text(), QStringLiteral("10"));
    QCOMPARE(Main->ComboBox2->itemIndex(), 2);
}

QTEST_MAIN(TestSkills)
#include "tst_skills.moc"
