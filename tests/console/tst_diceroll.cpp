#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/logmemo.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

// The Dice Roll command, driven through the main window with scripted dice.
class TestDiceRoll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void hitAgainstOneEnemyChainsTheRating();
    void failedDodgeCostsHp();
    void naturalTwoFailsInEveryMode_data();
    void naturalTwoFailsInEveryMode();
    void naturalTwelveIsJudgedLikeAnyRoll();
    void noTargetNeverComparesButChains();
    void tiesFailExceptForDodge_data();
    void tiesFailExceptForDodge();
    void numberTargetInFixedMode_data();
    void numberTargetInFixedMode();
    void otherChecksOpposeZero();
    void randomModeRollsUnloggedOpposingDice();
    void allEnemiesRollsOncePerRow();
    void dodgeDamage_data();
    void dodgeDamage();
    void repeatedFailedDodgesGoBelowZero();
    void noCheckTypeRollsNothing();
    void dodgeWithoutAnEnemyHasNoDamageStep();
    void errorInTheChainedRatingEndsTheCommand();
    void fightBooksTakeHpAndPassOverTheDefeated();

private:
    ScriptedRandom &dice() { return m_app->dice(); }
    static void chooseCheckType(int type) { pickEntry(Main->ComboBox1, type); }
    static void addEnemies(int total)
    {
        while (Enemy->RowCount < total)
            QTest::mouseClick(Enemy->Party_add, Qt::LeftButton);
    }
    static void roll() { QTest::mouseClick(Main->Button1, Qt::LeftButton); }
    static QStringList log() { return Main->Memo1->lines(); }

    std::unique_ptr<AppFixture> m_app;
};

void TestDiceRoll::hitAgainstOneEnemyChainsTheRating()
{
    chooseCheckType(1);
    QVERIFY(Main->CheckBox2->isChecked());
    QVERIFY(Main->RadioButton3->isChecked());
    pickEntry(Main->ComboBox4, 0);
    pickEntry(Main->ComboBox7, 0);
    typeInto(Enemy->Ddg_mod[0], QStringLiteral("3"));
    typeInto(Main->SpinEdit1, QStringLiteral("5"));
    typeInto(Main->SpinEdit2, QStringLiteral("1"));
    QVERIFY(Main->Button1->isEnabled());

    dice().push({4, 2, 3, 4});
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Atk: ( 2D6 = 4, 2 ) -> 6 + 6 = 12 *** Success ***"),
                          QStringLiteral("( Blade: 2D6 = 7 ) -> 6 + 0 = 6")}));
    QCOMPARE(dice().remaining(), 0);
}

void TestDiceRoll::failedDodgeCostsHp()
{
    chooseCheckType(2);
    QVERIFY(Main->RadioButton4->isChecked());
    QVERIFY(Main->RadioButton6->isChecked());
    typeInto(Main->SpinEdit1, QStringLiteral("5"));
    typeInto(Enemy->Hit_mod[0], QStringLiteral("4"));
    typeInto(Enemy->Dmg_mod[0], QStringLiteral("3"));
    typeInto(Main->SpinEdit9, QStringLiteral("3"));
    QCOMPARE(Main->SpinEdit7->value(), 14);

    dice().push({1, 3, 5, 4});
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Ddg: ( 2D6 = 1, 3 ) -> 4 + 5 = 9 *** Failed ***"),
                          QStringLiteral("( 2D6 = 5, 4 ) -> 9 + 3 = 12")}));
    QCOMPARE(Main->SpinEdit7->text(), QStringLiteral("5"));
}

void TestDiceRoll::naturalTwoFailsInEveryMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("none") << 1;
    QTest::newRow("number") << 2;
    QTest::newRow("one enemy") << 3;
    QTest::newRow("all enemies") << 4;
}

void TestDiceRoll::naturalTwoFailsInEveryMode()
{
    QFETCH(int, mode);
    RadioButton *modes[] = {Main->RadioButton1, Main->RadioButton2, Main->RadioButton3, Main->RadioButton4};
    pickEntry(Main->ComboBox4, 0);
    clickOn(Main->CheckBox2);
    clickOn(modes[mode - 1]);
    if (mode == 3)
        pickEntry(Main->ComboBox7, 0);
    QVERIFY(Main->Button1->isEnabled());
    dice().push({1, 1});
    roll();
    // No opposing roll and no rating roll follow.
    QCOMPARE(log(), QStringList{QStringLiteral("F-Roll: ( 2D6 = 1, 1 ) -> *** Failed ***")});
    QCOMPARE(dice().remaining(), 0);
}

void TestDiceRoll::naturalTwelveIsJudgedLikeAnyRoll()
{
    chooseCheckType(1);
    clickOn(Main->CheckBox2); // no chained rating
    pickEntry(Main->ComboBox7, 0);
    typeInto(Enemy->Ddg_mod[0], QStringLiteral("6"));
    dice().push({6, 6, 6, 6});
    roll(); // 12 + 0 against 6 + 7
    typeInto(Enemy->Ddg_mod[0], QStringLiteral("4"));
    roll(); // 12 + 0 against 4 + 7
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Atk: ( 2D6 = 6, 6 ) -> *** Failed ***"),
                          QStringLiteral("F-Atk: ( 2D6 = 6, 6 ) -> *** Success ***")}));
}

void TestDiceRoll::noTargetNeverComparesButChains()
{
    pickEntry(Main->ComboBox4, 0);
    clickOn(Main->CheckBox2);
    dice().push({2, 1, 3, 4, 1, 1});
    roll();
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Roll: ( 2D6 = 2, 1 ) -> 3 + 0 = 3"),
                          QStringLiteral("( Blade: 2D6 = 7 ) -> 6 + 0 = 6"),
                          QStringLiteral("F-Roll: ( 2D6 = 1, 1 ) -> *** Failed ***")}));
}

void TestDiceRoll::tiesFailExceptForDodge_data()
{
    QTest::addColumn<int>("checkType");
    QTest::addColumn<QString>("line");
    // 3 + 2 + 4 against the enemy's 2 + 7: a tie.
    QTest::newRow("hit") << 1 << "F-Atk: ( 2D6 = 3, 2 ) -> 5 + 4 = 9 *** Failed ***";
    QTest::newRow("dodge") << 2 << "F-Ddg: ( 2D6 = 3, 2 ) -> 5 + 4 = 9 *** Success ***";
}

void TestDiceRoll::tiesFailExceptForDodge()
{
    QFETCH(int, checkType);
    QFETCH(QString, line);
    chooseCheckType(checkType);
    Main->CheckBox2->setCheck(false);
    clickOn(Main->RadioButton3);
    pickEntry(Main->ComboBox7, 0);
    typeInto(Main->SpinEdit1, QStringLiteral("4"));
    typeInto(Enemy->Ddg_mod[0], QStringLiteral("2"));
    typeInto(Enemy->Hit_mod[0], QStringLiteral("2"));
    dice().push({3, 2});
    roll();
    QCOMPARE(log().value(0), line);
    QCOMPARE(log().size(), 1); // no chained rating, no damage
}

void TestDiceRoll::numberTargetInFixedMode_data()
{
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("exceeds 3 + 7") << QList<int>{5, 6} << " *** Success ***";
    QTest::newRow("equals 3 + 7") << QList<int>{5, 5} << " *** Failed ***";
}

void TestDiceRoll::numberTargetInFixedMode()
{
    QFETCH(QList<int>, faces);
    QFETCH(QString, verdict);
    clickOn(Main->RadioButton2);
    QVERIFY(Main->SpinEdit14->isEnabled());
    typeInto(Main->SpinEdit14, QStringLiteral("10"));
    QCOMPARE(Main->SpinEdit13->text(), QStringLiteral("3"));
    dice().push(faces);
    roll();
    QVERIFY2(log().value(0).endsWith(verdict), qPrintable(log().value(0)));
}

void TestDiceRoll::otherChecksOpposeZero()
{
    chooseCheckType(3); // magic
    clickOn(Main->RadioButton4);
    addEnemies(2);
    typeInto(Enemy->Hit_mod[0], QStringLiteral("9"));
    typeInto(Enemy->Ddg_mod[1], QStringLiteral("9"));
    typeInto(Main->SpinEdit1, QStringLiteral("0"));
    dice().push({4, 4, 3, 4});
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Mag: ( 2D6 = 4, 4 ) -> 8 + 0 = 8 *** Success ***"),
                          QStringLiteral("F-Mag: ( 2D6 = 3, 4 ) -> 7 + 0 = 7 *** Failed ***")}));
}

void TestDiceRoll::randomModeRollsUnloggedOpposingDice()
{
    Main->RadioGroup1->setItemIndex(0);
    clickOn(Main->RadioButton2);
    typeInto(Main->SpinEdit13, QStringLiteral("1"));
    // Our 3 + 4 against 1 + (2 + 3), then our 2 + 2 against 1 + (1 + 3).
    dice().push({3, 4, 2, 3, 2, 2, 1, 3});
    roll();
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Roll: ( 2D6 = 3, 4 ) -> 7 + 0 = 7 *** Success ***"),
                          QStringLiteral("F-Roll: ( 2D6 = 2, 2 ) -> 4 + 0 = 4 *** Failed ***")}));
    QCOMPARE(dice().remaining(), 0);
}

void TestDiceRoll::allEnemiesRollsOncePerRow()
{
    addEnemies(3);
    chooseCheckType(1);
    pickEntry(Main->ComboBox4, 2); // Zero: every value 0
    clickOn(Main->RadioButton4);
    typeInto(Enemy->Ddg_mod[1], QStringLiteral("5"));
    // Row 0 is hit, row 1 (dodge 5) is missed, row 2 is hit after a critical
    // rating roll: each row gets its own roll.
    dice().push({4, 4, 2, 2, 3, 6, 5, 5, 6, 5, 1, 2});
    roll();
    QCOMPARE(log(),
             (QStringList{QStringLiteral("F-Atk: ( 2D6 = 4, 4 ) -> 8 + 0 = 8 *** Success ***"),
                          QStringLiteral("( Zero: 2D6 = 4 ) -> 0 + 0 = 0"),
                          QStringLiteral("F-Atk: ( 2D6 = 3, 6 ) -> 9 + 0 = 9 *** Failed ***"),
                          QStringLiteral("F-Atk: ( 2D6 = 5, 5 ) -> 10 + 0 = 10 *** Success ***"),
                          QStringLiteral("( Zero: 2D6 = 11/3 ) -> 0 + 0 = 0")}));
    QCOMPARE(dice().remaining(), 0);
}

void TestDiceRoll::dodgeDamage_data()
{
    QTest::addColumn<bool>("hpTarget");
    QTest::addColumn<QList<int>>("damageFaces");
    QTest::addColumn<QString>("damageLine");
    QTest::addColumn<QString>("hp");
    // Damage modifier 2, protection 5 + 1.
    QTest::newRow("through the protection") << true << QList<int>{6, 3} << "( 2D6 = 6, 3 ) -> 9 + 2 = 11"
                                            << "9";
    QTest::newRow("absorbed by the protection") << true << QList<int>{2, 2} << "( 2D6 = 2, 2 ) -> 4 + 2 = 6"
                                                << "14";
    QTest::newRow("a 2 never hurts") << true << QList<int>{1, 1} << "( 2D6 = 1, 1 ) ->"
                                     << "14";
    QTest::newRow("power target none") << false << QList<int>{6, 6} << "( 2D6 = 6, 6 ) ->"
                                       << "14";
}

void TestDiceRoll::dodgeDamage()
{
    QFETCH(bool, hpTarget);
    QFETCH(QList<int>, damageFaces);
    QFETCH(QString, damageLine);
    QFETCH(QString, hp);
    chooseCheckType(2);
    if (!hpTarget)
        clickOn(Main->RadioButton5);
    typeInto(Enemy->Dmg_mod[0], QStringLiteral("2"));
    typeInto(Main->SpinEdit9, QStringLiteral("5"));
    typeInto(Main->SpinEdit10, QStringLiteral("1"));
    dice().push({1, 2});
    dice().push(damageFaces);
    roll();
    QCOMPARE(log().size(), 2);
    QCOMPARE(log().at(1), damageLine);
    QCOMPARE(Main->SpinEdit7->text(), hp);
}

void TestDiceRoll::repeatedFailedDodgesGoBelowZero()
{
    chooseCheckType(2);
    typeInto(Enemy->Dmg_mod[0], QStringLiteral("10"));
    for (int i = 0; i < 2; ++i)
        dice().push({1, 2, 5, 5});
    roll();
    QCOMPARE(Main->SpinEdit7->value(), -6);
    roll();
    QCOMPARE(Main->SpinEdit7->value(), -26);
}

void TestDiceRoll::noCheckTypeRollsNothing()
{
    QLineEdit *edit = Main->ComboBox1->comboBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    QCOMPARE(Main->ComboBox1->itemIndex(), -1);
    dice().push({3, 3});
    roll();
    QVERIFY(log().isEmpty());
    QCOMPARE(dice().remaining(), 2);
}

void TestDiceRoll::dodgeWithoutAnEnemyHasNoDamageStep()
{
    chooseCheckType(2);
    clickOn(Main->RadioButton1);
    QCOMPARE(Main->ComboBox7->itemIndex(), -1);
    dice().push({1, 1});
    roll();
    QCOMPARE(log(), QStringList{QStringLiteral("F-Ddg: ( 2D6 = 1, 1 ) -> *** Failed ***")});
    QCOMPARE(Main->SpinEdit7->value(), 14);

    // With an enemy chosen, target mode none still costs HP on a natural 2.
    Main->ComboBox7->setItemIndex(0);
    typeInto(Enemy->Dmg_mod[0], QStringLiteral("1"));
    dice().push({1, 1, 3, 3});
    roll();
    QCOMPARE(log().last(), QStringLiteral("( 2D6 = 3, 3 ) -> 6 + 1 = 7"));
    QCOMPARE(Main->SpinEdit7->value(), 7);
}

void TestDiceRoll::errorInTheChainedRatingEndsTheCommand()
{
    m_app.reset();
    m_app = std::make_unique<AppFixture>(QByteArray("Short,1,2,3\n"));
    addEnemies(2);
    chooseCheckType(1);
    pickEntry(Main->ComboBox4, 0);
    clickOn(Main->RadioButton4);
    dice().push({5, 5, 4, 4, 6, 6});
    roll();
    QCOMPARE(m_app->errorTexts(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (6)")});
    QCOMPARE(log(), QStringList{QStringLiteral("F-Atk: ( 2D6 = 5, 5 ) -> 10 + 0 = 10 *** Success ***")});
    QCOMPARE(dice().remaining(), 2); // the second enemy was never rolled against
}

void TestDiceRoll::fightBooksTakeHpAndPassOverTheDefeated()
{
    addEnemies(3);
    chooseCheckType(1);
    pickEntry(Main->ComboBox4, 0); // Blade
    pickEntry(Main->ComboBox7, 2);
    typeInto(Enemy->HP_pst[1], QStringLiteral("5"));
    typeInto(Enemy->Prevent[2], QStringLiteral("4"));
    Main->BattleApplyDamage->trigger();
    clickOn(Main->RadioButton4);

    // Row 1 is hit for Blade's 6 and goes down; rows 0 and 2 are missed,
    // and the next click passes over row 1.
    dice().push({1, 2, 4, 4, 3, 4, 1, 2, 1, 2, 1, 2});
    roll();
    roll();
    QCOMPARE(
        log().mid(1, 3),
        (QStringList{QStringLiteral("F-Atk: ( 2D6 = 4, 4 ) -> 8 + 0 = 8 *** Success ***"),
                     QStringLiteral("( Blade: 2D6 = 7 ) -> 6 + 0 = 6"), QStringLiteral("=> Name 2: HP 5 - 6 = -1")}));
    QCOMPARE(log().size(), 7);
    QCOMPARE(Enemy->HP_pst[1]->text(), QStringLiteral("-1"));
    QCOMPARE(dice().remaining(), 0);
    QVERIFY(m_app->errors().isEmpty()); // no draw past the script

    // The chosen enemy stays chosen where it has moved to, with its values.
    Main->BattleRemoveDefeated->trigger();
    QCOMPARE(Enemy->RowCount, 2);
    QCOMPARE(Main->ComboBox7->items(), (QStringList{QStringLiteral("Name 1"), QStringLiteral("Name 3")}));
    QCOMPARE(Main->ComboBox7->itemIndex(), 1);
    QCOMPARE(Main->ComboBox7->text(), QStringLiteral("Name 3"));
    QCOMPARE(Enemy->Prevent[1]->text(), QStringLiteral("4"));
}

QTEST_MAIN(TestDiceRoll)
#include "tst_diceroll.moc"
