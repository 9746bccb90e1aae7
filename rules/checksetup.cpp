#include "rules/checksetup.h"

#include "rules/inttext.h"
#include "rules/skilllevels.h"

#include <algorithm>

bool hasPresets(int checkType) noexcept
{
    return checkType > CheckType::General && checkType < CheckTypeCount;
}

CheckPreset checkPreset(int checkType) noexcept
{
    CheckPreset preset;
    preset.chainsRating = checkType == CheckType::Hit;
    switch (checkType) {
    case CheckType::Hit:
    case CheckType::MonsterKnowledge:
        preset.targetMode = TargetMode::OneEnemy;
        break;
    case CheckType::Dodge:
        preset.targetMode = TargetMode::AllEnemies;
        preset.hpPowerTarget = true;
        break;
    case CheckType::Initiative:
        preset.targetMode = TargetMode::Number;
        preset.opposesInitiative = true;
        break;
    default:
        break;
    }
    return preset;
}

SkillSource skillSourceOf(int skillChoice) noexcept
{
    if (skillChoice >= FirstSkillRowChoice)
        return {SkillSource::Row, skillChoice - FirstSkillRowChoice};
    if (skillChoice == AdventurerChoice)
        return {SkillSource::Adventurer};
    return {SkillSource::None};
}

qint32 checkBaseValue(qint32 level, int ability, const std::array<qint32, AbilityCount> &bonuses) noexcept
{
    const qint32 bonus = ability >= 0 && ability < AbilityCount ? bonuses[ability] : 0;
    // The ability counts only for a skill actually known.
    return level > 0 ? wrapAdd(level, bonus) : level;
}

qint32 initiativeTarget(const QList<qint32> &initiatives) noexcept
{
    qint32 highest = 0;
    for (const qint32 initiative : initiatives)
        highest = std::max(highest, initiative);
    return highest;
}

EnabledControls enabledControls(const EnablingInputs &inputs) noexcept
{
    EnabledControls enabled;
    enabled.powerTarget = inputs.chainsRating || inputs.checkType == CheckType::Dodge;
    enabled.opposingValue = inputs.targetMode == TargetMode::Number;
    enabled.targetList = inputs.targetMode == TargetMode::OneEnemy;
    enabled.sideList = inputs.targetMode == TargetMode::AllEnemies;
    enabled.diceRoll = (!inputs.chainsRating || inputs.ratingRollEnabled)
        && (inputs.targetMode != TargetMode::OneEnemy || inputs.targetChosen);
    return enabled;
}

bool logNeedsScrollBar(int displayedRows) noexcept
{
    return displayedRows > 8;
}
