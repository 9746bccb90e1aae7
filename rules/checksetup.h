#pragma once

#include "rules/checktypes.h"

#include <QList>

#include <array>
#include <optional>

// How the console sets a check up: what choosing a check type presets, the
// base value of a skill and an ability, the opposing value of an initiative
// check, and which controls the enabling rules enable.

// What a check is rolled against.
enum class TargetMode { None, Number, OneEnemy, AllEnemies };

// What choosing a check type presets besides its skill and ability.
struct CheckPreset
{
    // The rating roll follows a check that did not fail.
    bool chainsRating = false;
    // The target mode it selects, if any.
    std::optional<TargetMode> targetMode;
    // A failed dodge costs HP.
    bool hpPowerTarget = false;
    // The check opposes the fastest enemy's initiative.
    bool opposesInitiative = false;
};

// The general check and no check type at all preset nothing.
[[nodiscard]] bool hasPresets(int checkType) noexcept;
[[nodiscard]] CheckPreset checkPreset(int checkType) noexcept;

// Where a skill choice takes its level from: nowhere, the adventurer level,
// or a skill row.
struct SkillSource
{
    enum Kind { None, Adventurer, Row } kind;
    int row = -1;
};
[[nodiscard]] SkillSource skillSourceOf(int skillChoice) noexcept;

// A skill's level plus the bonus of the chosen ability (none chosen: -1).
// The bonus counts only with a level above 0.
[[nodiscard]] qint32 checkBaseValue(qint32 level, int ability,
                                    const std::array<qint32, AbilityCount> &bonuses) noexcept;

// The opposing value of an initiative check: the best initiative of all
// enemies, and never below 0.
[[nodiscard]] qint32 initiativeTarget(const QList<qint32> &initiatives) noexcept;

// What the enabling rules read.
struct EnablingInputs
{
    bool chainsRating = false;
    int checkType = -1;
    TargetMode targetMode = TargetMode::None;
    bool ratingRollEnabled = false;
    bool targetChosen = false;
};

// What they enable.
struct EnabledControls
{
    // The power target "none" and "HP".
    bool powerTarget = false;
    // The opposing modifier and fixed value.
    bool opposingValue = false;
    // The enemy to check against, and the side "all enemies" covers.
    bool targetList = false;
    bool sideList = false;
    bool diceRoll = false;
};

[[nodiscard]] EnabledControls enabledControls(const EnablingInputs &inputs) noexcept;

// The log shows a vertical scroll bar once it displays more than 8 rows.
[[nodiscard]] bool logNeedsScrollBar(int displayedRows) noexcept;
