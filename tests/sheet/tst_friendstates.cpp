#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/spinfield.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"
#include "support/appfixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

SpinField *abilityField(int ability)
{
    const std::array fields
        = {F_States2->Dex, F_States2->Qck, F_States2->Mus, F_States2->Vit, F_States2->Itl, F_States2->Wil};
    return fields.at(ability);
}

QLabel *bonusLabel(int ability)
{
    const std::array labels = {F_States2->L_b_Dex, F_States2->L_b_Qck, F_States2->L_b_Mus,
                               F_States2->L_b_Vit, F_States2->L_b_Itl, F_States2->L_b_Wil};
    return labels.at(ability);
}

} // namespace

class TestFriendStates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_app = std::make_unique<AppFixture>(); }
    void cleanup() { m_app.reset(); }

    void opensWithTheDefaults();
    void abilityChangeDerivesItsValues_data();
    void abilityChangeDerivesItsValues();
    void handTypedMaximumHoldsUntilVitalityChanges();
    void closingOnlyHides();

private:
    std::unique_ptr<AppFixture> m_app;
};

void TestFriendStates::opensWithTheDefaults()
{
    for (int k = 0; k < AbilityCount; ++k) {
        QCOMPARE(bonusLabel(k)->text(), QStringLiteral("2"));
        QCOMPARE(Main->AbilityBonus[k], 2);
    }
    QCOMPARE(F_States2->ResPhy->text(), QStringLiteral("2"));
    QCOMPARE(F_States2->ResPsi->text(), QStringLiteral("2"));
    QCOMPARE(F_States2->HP_max->value(), 14);
    QCOMPARE(F_States2->MP_max->value(), 14);
    QCOMPARE(F_States2->focusWidget(), F_States2->SkillList);

    // Strength comes before agility in the tab order, unlike the rows.
    const QList<QWidget *> order
        = {F_States2->Dex, F_States2->Mus,       F_States2->Qck,     F_States2->Itl,    F_States2->Vit,
           F_States2->Wil, F_States2->SkillList, F_States2->Button1, F_States2->HP_max, F_States2->MP_max};
    QList<QWidget *> seen{order.first()};
    for (QWidget *w = order.first()->nextInFocusChain(); w != order.first(); w = w->nextInFocusChain()) {
        if (order.contains(w))
            seen.append(w);
    }
    QCOMPARE(seen, order);
}

void TestFriendStates::abilityChangeDerivesItsValues_data()
{
    QTest::addColumn<int>("ability");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("adventurer");
    QTest::addColumn<QString>("magic");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<QString>("resPhy");
    QTest::addColumn<int>("hpMax");
    QTest::addColumn<QString>("resPsi");
    QTest::addColumn<int>("mpMax");

    // The levels are set beforehand; only the changed ability's handler uses them.
    QTest::newRow("vitality 20, level 3") << 3 << "20"
                                          << "3"
                                          << "0" << 3 << "6" << 29 << "2" << 14;
    QTest::newRow("spirit 11, levels 3 and 5") << 5 << "11"
                                               << "3"
                                               << "5" << 1 << "2" << 14 << "4" << 26;
    QTest::newRow("dexterity -7") << 0 << "-7"
                                  << "3"
                                  << "5" << -1 << "2" << 14 << "2" << 14;
    QTest::newRow("agility -5") << 1 << "-5"
                                << "3"
                                << "0" << 0 << "2" << 14 << "2" << 14;
    QTest::newRow("strength 18") << 2 << "18"
                                 << "0"
                                 << "0" << 3 << "2" << 14 << "2" << 14;
    QTest::newRow("intelligence 17") << 4 << "17"
                                     << "0"
                                     << "0" << 2 << "2" << 14 << "2" << 14;
    QTest::newRow("vitality emptied counts 0") << 3 << ""
                                               << "2"
                                               << "0" << 0 << "2" << 6 << "2" << 14;
    QTest::newRow("spirit only a sign") << 5 << "-"
                                        << "1"
                                        << "4" << 0 << "2" << 14 << "1" << 12;
}

void TestFriendStates::abilityChangeDerivesItsValues()
{
    QFETCH(int, ability);
    QFETCH(QString, typed);
    QFETCH(QString, adventurer);
    QFETCH(QString, magic);
    QFETCH(int, bonus);
    QFETCH(QString, resPhy);
    QFETCH(int, hpMax);
    QFETCH(QString, resPsi);
    QFETCH(int, mpMax);

    F_States2->AdvLv->setText(adventurer);
    F_States2->MagLv->setText(magic);
    typeInto(abilityField(ability)->editor(), typed);

    QCOMPARE(abilityField(ability)->text(), typed);
    QCOMPARE(Main->AbilityBonus[ability], bonus);
    QCOMPARE(bonusLabel(ability)->text(), QString::number(bonus));
    for (int k = 0; k < AbilityCount; ++k) {
        if (k != ability)
            QCOMPARE(Main->AbilityBonus[k], 2);
    }
    QCOMPARE(F_States2->ResPhy->text(), resPhy);
    QCOMPARE(F_States2->HP_max->value(), hpMax);
    QCOMPARE(F_States2->ResPsi->text(), resPsi);
    QCOMPARE(F_States2->MP_max->value(), mpMax);
    QVERIFY(m_app->errors().isEmpty());
}

void TestFriendStates::handTypedMaximumHoldsUntilVitalityChanges()
{
    typeInto(F_States2->HP_max->editor(), QStringLiteral("30"));
    typeInto(F_States2->Wil->editor(), QStringLiteral("20"));
    // Writing the text a field already shows is no change.
    F_States2->Vit->setValue(14);
    QCOMPARE(F_States2->HP_max->value(), 30);

    F_States2->Vit->stepUp();
    QCOMPARE(F_States2->HP_max->value(), 15);
    QCOMPARE(F_States2->MP_max->value(), 20);
}

void TestFriendStates::closingOnlyHides()
{
    const QPointer<TF_States2> window(F_States2);
    typeInto(F_States2->Dex->editor(), QStringLiteral("24"));
    QVERIFY(F_States2->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window);
    QVERIFY(!F_States2->isVisible());
    QCOMPARE(F_States2->Dex->value(), 24);
}

QTEST_MAIN(TestFriendStates)
#include "tst_friendstates.moc"
