#pragma once

#include "rules/checkresolution.h"
#include "rules/skilllevels.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What a session file keeps of an evening at the table: everything entered
// that a later evening needs, as texts: the names as typed, and each number
// as the program reads it from its field, so that a text the program would
// read as another number never comes back. The log is not part of it; it has
// a file of its own.

inline const QString SessionSuffix = QStringLiteral("corvane");
inline constexpr int SessionVersion = 1;

// One row of the enemy roster.
struct EnemyEntry
{
    QString name;
    QString presentHp;
    QString maximumHp;
    QString presentMp;
    QString maximumMp;
    QString pieces;
    QString initiative;
    QString hitModifier;
    QString hitFixed;
    QString damageModifier;
    QString dodgeModifier;
    QString dodgeFixed;
    QString protection;

    bool operator==(const EnemyEntry &) const = default;
};

struct Session
{
    // The statistics window.
    QString dexterity;
    QString agility;
    QString strength;
    QString vitality;
    QString intelligence;
    QString spirit;
    QString maximumHp;
    QString maximumMp;
    QList<SkillRow> skills;

    // The main window.
    QString presentHp;
    QString presentMp;
    QString physicalProtection;
    QString physicalProtectionModifier;
    QString magicProtection;
    QString magicProtectionModifier;
    QString criticalBase;
    QString criticalModifier;
    int oppositionMode = OppositionMode::Fixed;
    // The fight's books are kept (戦闘, 命中のダメージを敵のHPから引く). A
    // file from before 2.1 has no such key and keeps none.
    bool keepsBooks = false;

    // The enemy window.
    QList<EnemyEntry> enemies;

    bool operator==(const Session &) const = default;
};

// The session as UTF-8 JSON, marked with the format and its version.
[[nodiscard]] QByteArray sessionToJson(const Session &session);

// Reads a session from the bytes of the file `fileName`, checking all of it
// first: bytes that are not JSON, a missing format mark, a newer version, a
// missing value, a value of the wrong kind, a number its field would not hold
// (other than an empty one), a skill row the skill rebuild could not read, or
// no enemy row at all raise an error that names the file and what is wrong.
[[nodiscard]] Session sessionFromJson(const QByteArray &bytes, const QString &fileName);
