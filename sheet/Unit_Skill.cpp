#include "sheet/Unit_Skill.h"

#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/layout.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "rules/inttext.h"
#include "rules/skilllevels.h"

#include <QApplication>
#include <QLabel>

TSkillBox::TSkillBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SkillBox"));
    setWindowTitle(QStringLiteral("SkillBox"));
    setModal(true);

    // Created in tab order, so the chain starts at OK.
    OKButton = place(new Button(QStringLiteral("OK"), this), QStringLiteral("OKButton"), 48, 208, 75, 25);
    CancelButton = place(new Button(QStringLiteral("Cancel"), this), QStringLiteral("CancelButton"), 144, 208, 75, 25);

    L_SName = makeLabel(this, QStringLiteral("L_SName"), QStringLiteral("Skill Name"), 8, 16, 55, 12);
    SName = place(new EditField(this), QStringLiteral("SName"), 72, 16, 177, 20);
    SName->setText(QStringLiteral("ファイター"));

    L_Exp = makeLabel(this, QStringLiteral("L_Exp"), QStringLiteral("Exp Type"), 16, 48, 48, 12);
    // Kept for its place in the form; nothing reads it.
    Exp = place(new ChoiceBox(this), QStringLiteral("Exp"), 72, 48, 89, 20);
    Exp->setText(QStringLiteral("Select One"));
    Exp->setEnabled(false);

    L_Lv = makeLabel(this, QStringLiteral("L_Lv"), QStringLiteral("Level"), 176, 48, 27, 12);
    Lv = makeSpinField(this, QStringLiteral("Lv"), 208, 48, 49, 21, 0, SkillLevelRange.min, SkillLevelRange.max);

    SType = place(new RadioGroup(QStringLiteral("Skill Type"),
                                 {QStringLiteral("Warrior"), QStringLiteral("Magician"), QStringLiteral("Scout"),
                                  QStringLiteral("Sage"), QStringLiteral("Other")},
                                 this),
                  QStringLiteral("SType"), 16, 80, 89, 113);
    SType->setItemIndex(SkillType::Warrior);
    DType = place(
        new RadioGroup(QStringLiteral("Dodge"), {QStringLiteral("Possible"), QStringLiteral("Impossible")}, this),
        QStringLiteral("DType"), 112, 80, 97, 57);
    DType->setItemIndex(DodgeChoice::Possible);

    const QList<QWidget *> order = {OKButton, CancelButton, SName, Exp, Lv, SType, DType};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    OKButton->setFocus();

    SType->setOnClick([this](QObject *s) { STypeClick(s); });
    OKButton->setOnClick([this](QObject *s) { OKButtonClick(s); });
    // Escape and the window frame reject as well.
    CancelButton->setOnClick([this](QObject *) { reject(); });

    setOuterGeometry(this, 192, 107, 273, 268);
}

void TSkillBox::STypeClick(QObject *)
{
    // Only a Warrior dodges; the choice keeps its selection while disabled.
    DType->setEnabled(SType->itemIndex() == SkillType::Warrior);
}

void TSkillBox::OKButtonClick(QObject *)
{
    // A level that is no number would be stored as it stands and break every
    // later rebuild of the skills, so the dialog stays open until it is one.
    const std::optional<qint32> level = parseIntText(Lv->text());
    if (!level) {
        QApplication::beep();
        Lv->setFocus();
        return;
    }
    // A click need not take the focus from the level field, so the clamp
    // that leaving it would make is made here.
    if (Lv->clamped(*level) != *level)
        Lv->setValue(*level);
    accept();
}
