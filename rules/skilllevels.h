#pragma once

#include "rules/checktypes.h"
#include "rules/inttext.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The character's skills, kept by the statistics window as rows of texts, and
// what the console derives from them: the adventurer and magic levels, the
// skill choices and the best skill per check type.

// The skill types, in the order the skill dialog offers them.
namespace SkillType {
inline constexpr int Warrior = 0;
inline constexpr int Magician = 1;
inline constexpr int Scout = 2;
inline constexpr int Sage = 3;
inline constexpr int Other = 4;
} // namespace SkillType

// The skill dialog's dodge choices.
namespace DodgeChoice {
inline constexpr int Possible = 0;
inline constexpr int Impossible = 1;
} // namespace DodgeChoice

// Only a Warrior whose dodge choice is Possible dodges; the flag is read off
// the sum of the two choices, which is 0 exactly then.
[[nodiscard]] bool dodgeFlag(int skillType, int dodgeChoice) noexcept;
// The dodge choice that shows a stored flag: flag 1 shows Possible, flag 0
// Impossible.
[[nodiscard]] qint32 dodgeChoiceFor(qint32 flag) noexcept;

// The check type whose skill a skill type supplies. Other supplies the
// general check, which the console never applies.
[[nodiscard]] int checkTypeForSkillType(qint32 skillType) noexcept;

// The choices every skill list starts with: no skill, then the adventurer
// level. Choice k from 2 on is skill row k - 2.
[[nodiscard]] QStringList startingSkillChoices();
inline constexpr int NoSkillChoice = 0;
inline constexpr int AdventurerChoice = 1;
inline constexpr int FirstSkillRowChoice = 2;

// The limits of a skill's level.
inline constexpr IntRange SkillLevelRange{0, 99};

// One skill row as stored: the texts of its name, level, type index and dodge
// flag.
struct SkillRow
{
    QString name;
    QString level;
    QString type;
    QString dodge;

    bool operator==(const SkillRow &) const = default;
};

// Rebuilds the best skill per check type and the skill choices from the skill
// rows, one row at a time, in the tables of their owner. Each entry names the
// skill of the highest level, the earlier row winning a tie.
//
// A row whose level, type or flag is no integer raises the conversion error
// at that row: the tables keep what the rows before it gave, and the levels
// and the two resistance entries are never finished.
class SkillRebuild
{
public:
    // Clears the entries that skills fill and starts the choices afresh.
    SkillRebuild(std::array<qint32, CheckTypeCount> &skillForCheck, QStringList &choices);

    void addRow(const SkillRow &row);
    // After the last row: both resistance checks take the adventurer level.
    void finish();

    // The highest level of any skill, 0 without skills.
    [[nodiscard]] qint32 adventurerLevel() const noexcept { return m_adventurer; }
    // The sum of the Magician levels.
    [[nodiscard]] qint32 magicLevel() const noexcept { return m_magic; }

private:
    void offer(int checkType, qint32 row, qint32 level);

    std::array<qint32, CheckTypeCount> &m_skillForCheck;
    QStringList &m_choices;
    QList<qint32> m_levels;
    qint32 m_adventurer = 0;
    qint32 m_magic = 0;
};
