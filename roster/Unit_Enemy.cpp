#include "roster/Unit_Enemy.h"

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/fieldtexts.h"
#include "controls/layout.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "rules/checkresolution.h"
#include "rules/enemyrow.h"
#include "rules/inttext.h"
#include "shell/forms.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int OuterWidth = 696;
constexpr int SheetWidth = OuterWidth - FrameWidth;
constexpr int FieldHeight = 21;
constexpr int NameHeight = 20;

} // namespace

TEnemy::TEnemy(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Enemy"));
    setWindowTitle(QStringLiteral("Enemy"));

    // The headings and rows sit on one sheet at the places they were drawn;
    // the scroll area only comes into play when the sheet outgrows the
    // screen.
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    m_scroll->horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);
    m_sheet = new QWidget(this);
    m_sheet->setObjectName(QStringLiteral("sheet"));
    // The sheet only ever grows at its bottom: repainting what it showed
    // already would cost a full window of rows on every add.
    m_sheet->setAttribute(Qt::WA_StaticContents);
    m_scroll->setWidget(m_sheet);

    createHeadings();
    setOuterGeometry(this, 192, 587, OuterWidth, enemyWindowOuterHeight(0));

    m_focusFollower
        = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
}

TEnemy::~TEnemy()
{
    // The rows hand the focus on while QWidget tears them down, after this
    // window has stopped being a TEnemy.
    disconnect(m_focusFollower);
}

void TEnemy::createHeadings()
{
    makeLabel(m_sheet, QStringLiteral("L_Name"), QStringLiteral("Name"), 8, 24, 29, 12);
    Party_add = place(new Button(QStringLiteral("+"), m_sheet), QStringLiteral("Party_add"), 48, 16, 17, 17);
    // Rows are not removed one by one; the button is there, disabled, as drawn.
    Party_del = place(new Button(QStringLiteral("-"), m_sheet), QStringLiteral("Party_del"), 72, 16, 17, 17);
    Party_del->setEnabled(false);
    makeLabel(m_sheet, QStringLiteral("L_HP"), QStringLiteral("HP"), 176, 8, 15, 12);
    makeLabel(m_sheet, QStringLiteral("L_HP_pst"), QStringLiteral("Present"), 144, 24, 39, 12);
    makeLabel(m_sheet, QStringLiteral("L_HP_max"), QStringLiteral("Maximum"), 200, 24, 48, 12);
    makeLabel(m_sheet, QStringLiteral("L_MP"), QStringLiteral("MP"), 296, 8, 16, 12);
    makeLabel(m_sheet, QStringLiteral("L_MP_pst"), QStringLiteral("Present"), 256, 24, 39, 12);
    makeLabel(m_sheet, QStringLiteral("L_MP_max"), QStringLiteral("Maximum"), 312, 24, 48, 12);
    makeLabel(m_sheet, QStringLiteral("L_Piece"), QStringLiteral("Piece"), 368, 24, 28, 12);
    makeLabel(m_sheet, QStringLiteral("L_Initiative"), QStringLiteral("Initiative"), 416, 24, 44, 12);
    makeLabel(m_sheet, QStringLiteral("L_Hit"), QStringLiteral("Hit"), 472, 8, 15, 12);
    makeCentredLabel(m_sheet, QStringLiteral("L_Hit_modfix"), QStringLiteral("Fixed"), 464, 24, 41, 12);
    makeLabel(m_sheet, QStringLiteral("L_Dmg_mod"), QStringLiteral("Damage"), 520, 24, 41, 12);
    makeLabel(m_sheet, QStringLiteral("L_Ddg"), QStringLiteral("Dodge"), 584, 8, 32, 12);
    makeCentredLabel(m_sheet, QStringLiteral("L_Ddg_modfix"), QStringLiteral("Fixed"), 576, 24, 41, 12);
    makeLabel(m_sheet, QStringLiteral("L_Prevent"), QStringLiteral("Prevent"), 632, 24, 39, 12);

    setTabOrder(Party_add, Party_del);
    m_lastInTabOrder = Party_del;
    Party_add->setOnClick([this](QObject *s) { Party_addClick(s); });
}

void TEnemy::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_scroll->setGeometry(rect());
}

void TEnemy::FormCreate()
{
    replaceRows(1);
}

void TEnemy::replaceRows(qint32 count)
{
    // A row's controls all sit on its strip and go with it.
    for (EditField *name : std::as_const(Name))
        delete name->parentWidget();
    Name.clear();
    for (QList<SpinField *> *column : {&HP_pst, &HP_max, &MP_pst, &MP_max, &Piece, &Initiative, &Hit_mod, &Hit_fix,
                                       &Dmg_mod, &Ddg_mod, &Ddg_fix, &Prevent})
        column->clear();
    m_lastInTabOrder = Party_del;
    fitHeight(enemyWindowOuterHeight(0));

    RowCount = 0;
    // A name left in the list would look chosen while nothing is.
    Main->ComboBox7->clearItems();
    Main->ComboBox7->setText(NothingChosenText);
    for (qint32 r = 0; r < count; ++r)
        Party_add->runClick();
}

namespace {

// The maxima and pieces rerun the present values, and each modifier and
// fixed value rewrite each other, so a row's present values come last.
QList<TextField<EnemyEntry>> rowFields(const TEnemy &enemy, qint32 r)
{
    return {
        {&EnemyEntry::maximumHp, enemy.HP_max[r]},       {&EnemyEntry::maximumMp, enemy.MP_max[r]},
        {&EnemyEntry::pieces, enemy.Piece[r]},           {&EnemyEntry::initiative, enemy.Initiative[r]},
        {&EnemyEntry::hitModifier, enemy.Hit_mod[r]},    {&EnemyEntry::hitFixed, enemy.Hit_fix[r]},
        {&EnemyEntry::damageModifier, enemy.Dmg_mod[r]}, {&EnemyEntry::dodgeModifier, enemy.Ddg_mod[r]},
        {&EnemyEntry::dodgeFixed, enemy.Ddg_fix[r]},     {&EnemyEntry::protection, enemy.Prevent[r]},
        {&EnemyEntry::presentHp, enemy.HP_pst[r]},       {&EnemyEntry::presentMp, enemy.MP_pst[r]},
    };
}

} // namespace

void TEnemy::replaceRows(const QList<EnemyEntry> &rows)
{
    const auto count = qint32(rows.size());
    replaceRows(count);
    for (qint32 r = 0; r < count; ++r) {
        Name[r]->setFieldText(rows[r].name);
        applyTexts(rows[r], rowFields(*this, r));
    }
}

EnemyEntry TEnemy::rowEntry(qint32 r) const
{
    EnemyEntry entry;
    entry.name = Name[r]->text();
    collectTexts(entry, rowFields(*this, r));
    return entry;
}

void TEnemy::removeDefeated()
{
    ChoiceBox *targets = Main->ComboBox7;
    const int chosen = targets->itemIndex();
    QList<EnemyEntry> standing;
    std::optional<qint32> stillChosen;
    for (qint32 r = 0; r < rowCount(); ++r) {
        if (isDown(HP_pst[r]->value()))
            continue;
        if (r == chosen)
            stillChosen = qint32(standing.size());
        standing.append(rowEntry(r));
    }
    if (standing.size() == rowCount())
        return;
    if (standing.isEmpty())
        replaceRows(1);
    else
        replaceRows(standing);
    if (stillChosen) {
        targets->setText(Name[*stillChosen]->text());
        targets->setItemIndex(*stillChosen);
    }
}

SpinField *TEnemy::addSpinField(QList<SpinField *> &column, QWidget *strip, const QString &name, int left, int width,
                                qint32 value, IntRange range)
{
    auto *field = makeSpinField(strip, name, left, 0, width, FieldHeight, value, range.min, range.max);
    column.append(field);
    return field;
}

void TEnemy::Party_addClick(QObject *)
{
    const qint32 r = RowCount;
    const QString row = QString::number(r);
    fitHeight(enemyWindowOuterHeight(r));

    // Each row's controls share a strip of their own at the row's top. Qt
    // looks a new widget up among its siblings when it first paints it, so
    // thirteen controls per row straight on the sheet would make every add
    // slower than the one before.
    auto *strip = new QWidget(m_sheet);
    strip->setGeometry(0, enemyRowTop(r), SheetWidth, FieldHeight);

    auto *name = place(new EditField(strip), QLatin1Char('E') + row, 8, 0, 129, NameHeight);
    name->setText(startingEnemyName(r));
    Name.append(name);
    auto *hpPst = addSpinField(HP_pst, strip, {}, 144, 49, 0);
    auto *hpMax = addSpinField(HP_max, strip, QLatin1Char('M') + row, 200, 49, 10, EnemyMaximumRange);
    hpPst->setValue(hpMax->value());
    auto *mpPst = addSpinField(MP_pst, strip, {}, 256, 49, 0);
    auto *mpMax = addSpinField(MP_max, strip, QLatin1Char('N') + row, 312, 49, 10, EnemyMaximumRange);
    mpPst->setValue(mpMax->value());
    auto *piece = addSpinField(Piece, strip, QLatin1Char('P') + row, 368, 41, 0, EnemyCountRange);
    auto *initiative = addSpinField(Initiative, strip, {}, 416, 41, 7, EnemyCountRange);
    // The fixed fields lie over the modifier fields; being made later puts
    // them on top.
    auto *hitMod = addSpinField(Hit_mod, strip, QLatin1Char('H') + row, 464, 49, 0);
    auto *hitFix = addSpinField(Hit_fix, strip, QLatin1Char('I') + row, 464, 49, fixedValueOf(0));
    auto *dmgMod = addSpinField(Dmg_mod, strip, QLatin1Char('J') + row, 520, 49, 0);
    auto *ddgMod = addSpinField(Ddg_mod, strip, QLatin1Char('D') + row, 576, 49, 0);
    auto *ddgFix = addSpinField(Ddg_fix, strip, QLatin1Char('C') + row, 576, 49, fixedValueOf(0));
    auto *prevent = addSpinField(Prevent, strip, QLatin1Char('B') + row, 632, 49, 0);

    const bool fixedMode = Main->RadioGroup1->itemIndex() == OppositionMode::Fixed;
    hitFix->setVisible(fixedMode);
    ddgFix->setVisible(fixedMode);
    strip->show();

    // New widgets join the end of the focus chain by themselves; linking the
    // row to the last one keeps that true whatever else joined meanwhile.
    for (QWidget *control : std::initializer_list<QWidget *>{name, hpPst, hpMax, mpPst, mpMax, piece, initiative,
                                                             hitMod, hitFix, dmgMod, ddgMod, ddgFix, prevent}) {
        setTabOrder(m_lastInTabOrder, control);
        m_lastInTabOrder = control;
    }

    name->setOnChange([this](QObject *s) { NameChange(s); });
    const Handler pieceChange = [this](QObject *s) { PieceChange(s); };
    hpMax->setOnChange(pieceChange);
    mpMax->setOnChange(pieceChange);
    piece->setOnChange(pieceChange);
    hitMod->setOnChange([this](QObject *s) { Hit_modChange(s); });
    hitFix->setOnChange([this](QObject *s) { Hit_fixChange(s); });
    ddgMod->setOnChange([this](QObject *s) { Ddg_modChange(s); });
    ddgFix->setOnChange([this](QObject *s) { Ddg_fixChange(s); });

    Main->ComboBox7->addItem(name->text());
    RowCount = wrapAdd(RowCount, 1);
}

void TEnemy::fitHeight(int outerHeight)
{
    // The sheet is always as high as the rows need. The window grows down
    // where there is room and moves up where there is none, so that every
    // row shows; only once it is as high as the screen's available area
    // (keeping at least the height of one row) do the rows scroll, and the
    // scroll bar gets width of its own so that no column is cut off.
    const int wanted = clientHeightFor(outerHeight);
    m_sheet->resize(SheetWidth, wanted);

    const int height = clientHeightOnScreen(this, wanted, clientHeightFor(enemyWindowOuterHeight(0)));
    const bool scrolls = height < wanted;
    const int scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll->verticalScrollBar());
    resize(scrolls ? SheetWidth + scrollBarWidth : SheetWidth, height);
    keepOnScreen(this);
}

void TEnemy::followFocus(QWidget *focused)
{
    // Keyboard focus may walk to a row outside the window; bring it in, with
    // room for the headings when it is the first row.
    if (focused && m_sheet->isAncestorOf(focused))
        m_scroll->ensureWidgetVisible(focused, 0, enemyRowTop(0));
}

void TEnemy::NameChange(QObject *sender)
{
    const int r = rowOf(sender);
    const QString text = static_cast<EditField *>(sender)->text();
    ChoiceBox *targets = Main->ComboBox7;
    const bool selected = targets->itemIndex() == r;
    targets->setItem(r, text);
    if (selected) {
        targets->setText(text);
        targets->setItemIndex(r);
    }
}

void TEnemy::PieceChange(QObject *sender)
{
    const int r = rowOf(sender);
    const PresentPoints present = presentPoints(HP_max[r]->value(), MP_max[r]->value(), Piece[r]->value());
    HP_pst[r]->setValue(present.hp);
    MP_pst[r]->setValue(present.mp);
}

void TEnemy::Hit_modChange(QObject *sender)
{
    const int r = rowOf(sender);
    Hit_fix[r]->setText(QString::number(fixedValueOf(Hit_mod[r]->value())));
}

void TEnemy::Hit_fixChange(QObject *sender)
{
    const int r = rowOf(sender);
    Hit_mod[r]->setText(QString::number(modifierOfFixed(Hit_fix[r]->value())));
}

void TEnemy::Ddg_modChange(QObject *sender)
{
    const int r = rowOf(sender);
    Ddg_fix[r]->setText(QString::number(fixedValueOf(Ddg_mod[r]->value())));
}

void TEnemy::Ddg_fixChange(QObject *sender)
{
    const int r = rowOf(sender);
    Ddg_mod[r]->setText(QString::number(modifierOfFixed(Ddg_fix[r]->value())));
}

qint32 TEnemy::rowCount() const noexcept
{
    // Emptying the roster clears the columns before RowCount: a count read
    // in between never names a row without its controls.
    const qsizetype made
        = std::min({Name.size(), HP_pst.size(), Hit_mod.size(), Ddg_mod.size(), Dmg_mod.size(), Prevent.size()});
    return qint32(std::clamp(qsizetype(RowCount), qsizetype(0), made));
}

EnemyValues TEnemy::rowValues(qint32 r) const
{
    return {Name[r]->text(),     Hit_mod[r]->value(), Ddg_mod[r]->value(),
            Dmg_mod[r]->value(), HP_pst[r]->value(),  Prevent[r]->value()};
}

int TEnemy::rowOf(const QObject *sender)
{
    return rowOfControlName(sender->objectName());
}
