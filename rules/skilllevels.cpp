#include "rules/skilllevels.h"

#include "rules/inttext.h"

bool dodgeFlag(int skillType, int dodgeChoice) noexcept
{
    return wrapAdd(skillType, dodgeChoice) == 0;
}

qint32 dodgeChoiceFor(qint32 flag) noexcept
{
    return wrapSub(1, flag);
}

int checkTypeForSkillType(qint32 skillType) noexcept
{
    switch (skillType) {
    case SkillType::Warrior:
        return CheckType::Hit;
    case SkillType::Magician:
        return CheckType::Magic;
    case SkillType::Scout:
        return CheckType::Initiative;
    case SkillType::Sage:
        return CheckType::MonsterKnowledge;
    default:
        return CheckType::General;
    }
}

QStringList startingSkillChoices()
{
    return {QStringLiteral("(none)"), QStringLiteral("冒険者")};
}

SkillRebuild::SkillRebuild(std::array<qint32, CheckTypeCount> &skillForCheck, QStringList &choices)
    : m_skillForCheck(skillForCheck)
    , m_choices(choices)
{
    for (int entry = CheckType::General; entry <= CheckType::MonsterKnowledge; ++entry)
        m_skillForCheck[entry] = 0;
    m_choices = startingSkillChoices();
}

void SkillRebuild::addRow(const SkillRow &row)
{
    const auto index = qint32(m_levels.size());
    const qint32 level = strToInt(row.level);
    m_adventurer = qMax(m_adventurer, level);
    m_choices.append(row.name);
    const int checkType = checkTypeForSkillType(strToInt(row.type));
    if (checkType == CheckType::Magic)
        m_magic = wrapAdd(m_magic, level);
    m_levels.append(level);
    offer(checkType, index, level);
    if (strToInt(row.dodge) == 1)
        offer(CheckType::Dodge, index, level);
}

void SkillRebuild::offer(int checkType, qint32 row, qint32 level)
{
    qint32 &entry = m_skillForCheck[checkType];
    // An entry already taken names a row of this rebuild; only a higher
    // level takes it over.
    if (entry == NoSkillChoice || m_levels.at(entry - FirstSkillRowChoice) < level)
        entry = row + FirstSkillRowChoice;
}

void SkillRebuild::finish()
{
    m_skillForCheck[CheckType::VitalityResistance] = AdventurerChoice;
    m_skillForCheck[CheckType::SpiritResistance] = AdventurerChoice;
}
