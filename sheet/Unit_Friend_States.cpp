#include "sheet/Unit_Friend_States.h"

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/errordisplay.h"
#include "controls/layout.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "rules/abilities.h"
#include "rules/apperror.h"
#include "rules/inttext.h"
#include "rules/skilllevels.h"
#include "sheet/Unit_Skill.h"
#include "shell/forms.h"

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

namespace {

constexpr int DefaultAbility = 14;

} // namespace

TF_States2::TF_States2(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("F_States2"));
    setWindowTitle(QStringLiteral("States"));
    createControls();
    setTabOrder();
    bindHandlers();
    setOuterGeometry(this, 169, 107, 321, 480);
    // The window opens with the skill list focused.
    SkillList->setFocus();
}

void TF_States2::createControls()
{
    QWidget *c = this;
    L_Bonus = makeCentredLabel(c, QStringLiteral("L_Bonus"), QStringLiteral("Bonus"), 88, 8, 41, 12);

    struct AbilityRow
    {
        QLabel *&label;
        SpinField *&field;
        QFrame *&bevel;
        QLabel *&bonus;
        const char *suffix;
        const char16_t *caption;
        int top;
    };
    const AbilityRow rows[] = {
        {L_Dex, Dex, B_b_Dex, L_b_Dex, "Dex", u"器", 24},  {L_Qck, Qck, B_b_Qck, L_b_Qck, "Qck", u"敏", 56},
        {L_Mus, Mus, B_b_Mus, L_b_Mus, "Mus", u"筋", 88},  {L_Vit, Vit, B_b_Vit, L_b_Vit, "Vit", u"生", 120},
        {L_Itl, Itl, B_b_Itl, L_b_Itl, "Itl", u"知", 152}, {L_Wil, Wil, B_b_Wil, L_b_Wil, "Wil", u"精", 184},
    };
    for (const AbilityRow &row : rows) {
        const QString suffix = QString::fromLatin1(row.suffix);
        row.label = makeLabel(c, QStringLiteral("L_") + suffix, QString::fromUtf16(row.caption), 8, row.top, 12, 12);
        row.field = makeSpinField(c, QStringLiteral("_") + suffix, 32, row.top, 49, 21, DefaultAbility);
        row.bevel = makeBevel(c, QStringLiteral("B_b_") + suffix, 88, row.top, 41, 21);
        row.bonus = makeNumberLabel(c, QStringLiteral("L_b_") + suffix, QStringLiteral("2"), 118, row.top + 4, 6, 12,
                                    row.bevel);
    }

    L_Max = makeLabel(c, QStringLiteral("L_Max"), QStringLiteral("Max"), 208, 216, 21, 12);
    L_Resist = makeLabel(c, QStringLiteral("L_Resist"), QStringLiteral("Resist"), 264, 216, 33, 12);
    L_HP = makeLabel(c, QStringLiteral("L_HP"), QStringLiteral("HP"), 184, 240, 15, 12);
    HP_max = makeSpinField(c, QStringLiteral("_HP_max"), 208, 232, 49, 21, DefaultAbility);
    B_ResPhy = makeBevel(c, QStringLiteral("B_ResPhy"), 264, 232, 41, 21);
    ResPhy = makeNumberLabel(c, QStringLiteral("_ResPhy"), QStringLiteral("2"), 294, 236, 6, 12, B_ResPhy);
    L_MP = makeLabel(c, QStringLiteral("L_MP"), QStringLiteral("MP"), 184, 272, 16, 12);
    MP_max = makeSpinField(c, QStringLiteral("_MP_max"), 208, 264, 49, 21, DefaultAbility);
    B_ResPsi = makeBevel(c, QStringLiteral("B_ResPsi"), 264, 264, 41, 21);
    ResPsi = makeNumberLabel(c, QStringLiteral("_ResPsi"), QStringLiteral("2"), 294, 268, 6, 12, B_ResPsi);

    L_AdvLv = makeLabel(c, QStringLiteral("L_AdvLv"), QStringLiteral("冒険者レベル"), 8, 272, 69, 12);
    B_AdvLv = makeBevel(c, QStringLiteral("B_AdvLv"), 96, 272, 41, 21);
    AdvLv = makeNumberLabel(c, QStringLiteral("_AdvLv"), QStringLiteral("0"), 126, 276, 6, 12, B_AdvLv);
    // The magic level only feeds the maximum MP; it is never shown.
    MagLv = place(new QLabel(QStringLiteral("0"), c), QStringLiteral("_MagLv"), 144, 276, 6, 12);
    MagLv->setAlignment(Qt::AlignRight | Qt::AlignTop);
    MagLv->hide();

    SkillList = place(new QTreeWidget(c), QStringLiteral("SkillList"), 8, 304, 297, 113);
    SkillList->setColumnCount(4);
    SkillList->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Lv"), QStringLiteral("Type"), QStringLiteral("Dodge")});
    SkillList->headerItem()->setTextAlignment(LevelColumn, Qt::AlignRight | Qt::AlignVCenter);
    const int widths[] = {96, 32, 40, 48};
    for (int column = 0; column < 4; ++column)
        SkillList->setColumnWidth(column, widths[column]);
    SkillList->header()->setStretchLastSection(false);
    SkillList->header()->setSectionsClickable(false);
    SkillList->header()->setSectionsMovable(false);
    SkillList->setSortingEnabled(false);
    SkillList->setRootIsDecorated(false);
    SkillList->setItemsExpandable(false);
    SkillList->setUniformRowHeights(true);
    SkillList->setSelectionMode(QAbstractItemView::SingleSelection);
    SkillList->setSelectionBehavior(QAbstractItemView::SelectRows);
    SkillList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SkillList->setContextMenuPolicy(Qt::CustomContextMenu);

    SkillMenu = new QMenu(SkillList);
    SkillMenu->setObjectName(QStringLiteral("SkillMenu"));
    Edit_Skill = new QAction(QStringLiteral("Edit Skill"), this);
    Edit_Skill->setObjectName(QStringLiteral("Edit_Skill"));
    Add_Skill = new QAction(QStringLiteral("Add Skill"), this);
    Add_Skill->setObjectName(QStringLiteral("Add_Skill"));
    SkillMenu->addAction(Edit_Skill);
    SkillMenu->addAction(Add_Skill);

    // Only ever shown modelessly, so the OK result it would carry in a
    // dialog goes nowhere: the button has no handler.
    Button1 = place(new Button(QStringLiteral("OK"), c), QStringLiteral("Button1"), 120, 424, 75, 25);
}

void TF_States2::setTabOrder()
{
    // Not the visual order of the rows: strength comes before agility.
    const QList<QWidget *> order = {Dex, Mus, Qck, Itl, Vit, Wil, SkillList, Button1, HP_max, MP_max};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TF_States2::bindHandlers()
{
    Dex->setOnChange([this](QObject *s) { DexChange(s); });
    Qck->setOnChange([this](QObject *s) { QckChange(s); });
    Mus->setOnChange([this](QObject *s) { MusChange(s); });
    Vit->setOnChange([this](QObject *s) { VitChange(s); });
    Itl->setOnChange([this](QObject *s) { ItlChange(s); });
    Wil->setOnChange([this](QObject *s) { WilChange(s); });

    connect(SkillList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { SkillMenu->popup(SkillList->viewport()->mapToGlobal(pos)); });
    // However the menu is opened, its entries are brought up to date first.
    connect(SkillMenu, &QMenu::aboutToShow, this, [this] { guarded([this] { SkillMenuPopup(SkillMenu); }); });
    connect(Edit_Skill, &QAction::triggered, this, [this] { guarded([this] { Edit_SkillExecute(Edit_Skill); }); });
    connect(Add_Skill, &QAction::triggered, this, [this] { guarded([this] { Add_SkillExecute(Add_Skill); }); });
}

void TF_States2::FormCreate()
{
    DexChange(Dex);
    QckChange(Qck);
    MusChange(Mus);
    VitChange(Vit);
    ItlChange(Itl);
    WilChange(Wil);
}

void TF_States2::updateBonus(int ability, const SpinField *field, QLabel *bonusLabel)
{
    const qint32 bonus = abilityBonus(field->value());
    Main->AbilityBonus[ability] = bonus;
    bonusLabel->setText(QString::number(bonus));
}

void TF_States2::DexChange(QObject *)
{
    updateBonus(Ability::Dexterity, Dex, L_b_Dex);
}

void TF_States2::QckChange(QObject *)
{
    updateBonus(Ability::Agility, Qck, L_b_Qck);
}

void TF_States2::MusChange(QObject *)
{
    updateBonus(Ability::Strength, Mus, L_b_Mus);
}

void TF_States2::ItlChange(QObject *)
{
    updateBonus(Ability::Intelligence, Itl, L_b_Itl);
}

void TF_States2::VitChange(QObject *)
{
    updateBonus(Ability::Vitality, Vit, L_b_Vit);
    const qint32 adventurer = strToInt(AdvLv->text());
    ResPhy->setText(QString::number(resistance(adventurer, Main->AbilityBonus[Ability::Vitality])));
    HP_max->setValue(maximumPoints(adventurer, Vit->value()));
}

void TF_States2::WilChange(QObject *)
{
    updateBonus(Ability::Spirit, Wil, L_b_Wil);
    const qint32 adventurer = strToInt(AdvLv->text());
    ResPsi->setText(QString::number(resistance(adventurer, Main->AbilityBonus[Ability::Spirit])));
    const qint32 magic = strToInt(MagLv->text());
    MP_max->setValue(maximumPoints(magic, Wil->value()));
}

void TF_States2::SkillMenuPopup(QObject *)
{
    Edit_Skill->setEnabled(!SkillList->selectedItems().isEmpty());
}

SkillRow TF_States2::skillRow(int index) const
{
    const QTreeWidgetItem *row = SkillList->topLevelItem(index);
    if (!row)
        throw AppError::listIndex(index);
    return {row->text(NameColumn), row->text(LevelColumn), row->text(TypeColumn), row->text(DodgeColumn)};
}

int TF_States2::skillCount() const
{
    return SkillList->topLevelItemCount();
}

void TF_States2::storeSkill(QTreeWidgetItem *row)
{
    const bool dodges = dodgeFlag(SkillBox->SType->itemIndex(), SkillBox->DType->itemIndex());
    writeSkillRow(row,
                  {SkillBox->SName->text(), SkillBox->Lv->text(), QString::number(SkillBox->SType->itemIndex()),
                   dodges ? QStringLiteral("1") : QStringLiteral("0")});
}

void TF_States2::writeSkillRow(QTreeWidgetItem *row, const SkillRow &texts)
{
    row->setText(NameColumn, texts.name);
    row->setText(LevelColumn, texts.level);
    row->setText(TypeColumn, texts.type);
    row->setText(DodgeColumn, texts.dodge);
    row->setTextAlignment(LevelColumn, Qt::AlignRight | Qt::AlignVCenter);
}

void TF_States2::replaceSkillRows(const QList<SkillRow> &rows)
{
    SkillList->clear();
    for (const SkillRow &texts : rows) {
        auto *row = new QTreeWidgetItem;
        writeSkillRow(row, texts);
        SkillList->addTopLevelItem(row);
    }
    Main->SetSkillList();
}

void TF_States2::Add_SkillExecute(QObject *)
{
    // The dialog starts from whatever it held last time.
    if (SkillBox->exec() != QDialog::Accepted)
        return;
    auto *row = new QTreeWidgetItem;
    storeSkill(row);
    SkillList->addTopLevelItem(row);
    Main->SetSkillList();
}

void TF_States2::Edit_SkillExecute(QObject *)
{
    const QList<QTreeWidgetItem *> selected = SkillList->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *row = selected.first();

    SkillBox->SName->setFieldText(row->text(NameColumn));
    SkillBox->Lv->setText(row->text(LevelColumn));
    SkillBox->SType->setItemIndex(strToInt(row->text(TypeColumn)));
    SkillBox->DType->setItemIndex(dodgeChoiceFor(strToInt(row->text(DodgeColumn))));

    // A cancelled edit leaves the row alone but the dialog loaded.
    if (SkillBox->exec() != QDialog::Accepted)
        return;
    storeSkill(row);
    Main->SetSkillList();
}
