#include "rules/session.h"

#include "rules/apperror.h"
#include "rules/enemyrow.h"
#include "rules/inttext.h"
#include "rules/rating.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <span>
#include <type_traits>

namespace {

const QString FormatMark = QStringLiteral("corvane-session");
// Optional, in version 1 as before: a file without it keeps no books.
const QString FightBooksKey = QStringLiteral("fightBooks");

// What a kept text must be. A number for a field is empty or an integer
// within the field's limits: the field would read any other text as a number
// it does not show. A text the skill rebuild reads as an integer must be one,
// or opening the file would stop half way.
enum class Content { Name, Field, Integer };

// One text of a record, the key it is kept under, and what it must be.
template<typename Record>
struct TextKey
{
    const char *key;
    QString Record::*member;
    Content content = Content::Field;
    IntRange range{};
};

const TextKey<Session> SessionTexts[] = {
    {"dexterity", &Session::dexterity},
    {"agility", &Session::agility},
    {"strength", &Session::strength},
    {"vitality", &Session::vitality},
    {"intelligence", &Session::intelligence},
    {"spirit", &Session::spirit},
    {"maximumHp", &Session::maximumHp},
    {"maximumMp", &Session::maximumMp},
    {"presentHp", &Session::presentHp},
    {"presentMp", &Session::presentMp},
    {"physicalProtection", &Session::physicalProtection},
    {"physicalProtectionModifier", &Session::physicalProtectionModifier},
    {"magicProtection", &Session::magicProtection},
    {"magicProtectionModifier", &Session::magicProtectionModifier},
    {"criticalBase", &Session::criticalBase, Content::Field, CriticalBaseRange},
    {"criticalModifier", &Session::criticalModifier},
};

const TextKey<SkillRow> SkillTexts[] = {
    {"name", &SkillRow::name, Content::Name},
    {"level", &SkillRow::level, Content::Integer, SkillLevelRange},
    {"type", &SkillRow::type, Content::Integer},
    {"dodge", &SkillRow::dodge, Content::Integer},
};

const TextKey<EnemyEntry> EnemyTexts[] = {
    {"name", &EnemyEntry::name, Content::Name},
    {"presentHp", &EnemyEntry::presentHp},
    {"maximumHp", &EnemyEntry::maximumHp, Content::Field, EnemyMaximumRange},
    {"presentMp", &EnemyEntry::presentMp},
    {"maximumMp", &EnemyEntry::maximumMp, Content::Field, EnemyMaximumRange},
    {"pieces", &EnemyEntry::pieces, Content::Field, EnemyCountRange},
    {"initiative", &EnemyEntry::initiative, Content::Field, EnemyCountRange},
    {"hitModifier", &EnemyEntry::hitModifier},
    {"hitFixed", &EnemyEntry::hitFixed},
    {"damageModifier", &EnemyEntry::damageModifier},
    {"dodgeModifier", &EnemyEntry::dodgeModifier},
    {"dodgeFixed", &EnemyEntry::dodgeFixed},
    {"protection", &EnemyEntry::protection},
};

// Deduced from the record alone, so that a table converts to it.
template<typename Record>
using Keys = std::type_identity_t<std::span<const TextKey<Record>>>;

// By opposition mode.
const QString OppositionModeNames[] = {QStringLiteral("random"), QStringLiteral("fixed")};

template<typename Record>
QJsonObject textsToJson(const Record &record, Keys<Record> keys)
{
    QJsonObject object;
    for (const TextKey<Record> &text : keys)
        object.insert(QLatin1StringView(text.key), record.*text.member);
    return object;
}

template<typename Record>
QJsonArray recordsToJson(const QList<Record> &records, Keys<Record> keys)
{
    QJsonArray array;
    for (const Record &record : records)
        array.append(textsToJson(record, keys));
    return array;
}

// Reads one JSON object of the file, naming the place of anything it refuses
// ("enemies[2].name") so that a hand-edited file can be put right.
class ObjectReader
{
public:
    ObjectReader(QJsonObject object, QString place, const QString &fileName)
        : m_object(std::move(object))
        , m_place(std::move(place))
        , m_fileName(fileName)
    {
    }

    [[noreturn]] void refuse(const QString &key, const QString &problem) const
    {
        throw AppError(QStringLiteral("ファイル %1 は読めません: %2 %3").arg(m_fileName, placeOf(key), problem));
    }

    [[nodiscard]] QJsonValue value(const QString &key) const
    {
        const auto found = m_object.constFind(key);
        if (found == m_object.constEnd())
            refuse(key, QStringLiteral("がありません"));
        return *found;
    }

    [[nodiscard]] QString text(const QString &key) const
    {
        const QJsonValue v = value(key);
        if (!v.isString())
            refuse(key, QStringLiteral("が文字列ではありません"));
        return v.toString();
    }

    template<typename Record>
    void readTexts(Record &record, Keys<Record> keys) const
    {
        for (const TextKey<Record> &entry : keys) {
            const QString key = QLatin1StringView(entry.key);
            const QString &kept = record.*entry.member = text(key);
            if (entry.content == Content::Name || (kept.isEmpty() && entry.content == Content::Field))
                continue;
            const std::optional<qint32> value = parseIntText(kept);
            if (!value)
                refuse(key, QStringLiteral("'%1' が整数ではありません").arg(kept));
            if (entry.range.clamped(*value) != *value)
                refuse(key,
                       QStringLiteral("'%1' が %2 から %3 までの範囲にありません")
                           .arg(kept)
                           .arg(entry.range.min)
                           .arg(entry.range.max));
        }
    }

    template<typename Record>
    [[nodiscard]] QList<Record> records(const QString &key, Keys<Record> keys) const
    {
        const QJsonValue v = value(key);
        if (!v.isArray())
            refuse(key, QStringLiteral("が配列ではありません"));
        const QJsonArray array = v.toArray();
        QList<Record> result;
        result.reserve(array.size());
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString place = QStringLiteral("%1[%2]").arg(key).arg(i);
            if (!array.at(i).isObject())
                refuse(place, QStringLiteral("がオブジェクトではありません"));
            ObjectReader(array.at(i).toObject(), placeOf(place), m_fileName).readTexts(result.emplace_back(), keys);
        }
        return result;
    }

private:
    [[nodiscard]] QString placeOf(const QString &key) const { return m_place.isEmpty() ? key : m_place + u'.' + key; }

    QJsonObject m_object;
    QString m_place;
    const QString &m_fileName;
};

} // namespace

QByteArray sessionToJson(const Session &session)
{
    QJsonObject top = textsToJson(session, SessionTexts);
    top.insert(QStringLiteral("format"), FormatMark);
    top.insert(QStringLiteral("version"), SessionVersion);
    top.insert(QStringLiteral("skills"), recordsToJson(session.skills, SkillTexts));
    top.insert(QStringLiteral("oppositionMode"),
               OppositionModeNames[session.oppositionMode == OppositionMode::Random ? OppositionMode::Random
                                                                                    : OppositionMode::Fixed]);
    // Written only when kept, so that a file saved without the books reads
    // as it always did.
    if (session.keepsBooks)
        top.insert(FightBooksKey, true);
    top.insert(QStringLiteral("enemies"), recordsToJson(session.enemies, EnemyTexts));
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

Session sessionFromJson(const QByteArray &bytes, const QString &fileName)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // A line is what an editor shows; a byte offset is not.
        const qsizetype line = bytes.left(error.offset).count('\n') + 1;
        throw AppError(QStringLiteral("ファイル %1 は読めません: %2 行目が JSON ではありません (%3)")
                           .arg(fileName)
                           .arg(line)
                           .arg(error.errorString()));
    }
    const ObjectReader top(document.object(), {}, fileName);
    const QString format = QStringLiteral("format");
    if (document.object().value(format) != FormatMark)
        top.refuse(format, QStringLiteral("が \"%1\" ではありません").arg(FormatMark));

    // A later version may mean something else by the same keys; only the
    // versions this program knows are read at all.
    const QString versionKey = QStringLiteral("version");
    const QJsonValue version = top.value(versionKey);
    if (!version.isDouble() || version.toDouble() != version.toInteger())
        top.refuse(versionKey, QStringLiteral("が整数ではありません"));
    if (version.toInteger() > SessionVersion)
        top.refuse(versionKey,
                   QStringLiteral("%1 はこのプログラムより新しい形式です (読めるのは %2 まで)")
                       .arg(version.toInteger())
                       .arg(SessionVersion));
    if (version.toInteger() < 1)
        top.refuse(versionKey, QStringLiteral("%1 は知らない形式です").arg(version.toInteger()));

    Session session;
    top.readTexts(session, SessionTexts);
    session.skills = top.records<SkillRow>(QStringLiteral("skills"), SkillTexts);
    const QString modeKey = QStringLiteral("oppositionMode");
    const QString mode = top.text(modeKey);
    if (mode == OppositionModeNames[OppositionMode::Random])
        session.oppositionMode = OppositionMode::Random;
    else if (mode != OppositionModeNames[OppositionMode::Fixed])
        top.refuse(modeKey, QStringLiteral("が \"random\" でも \"fixed\" でもありません"));
    if (const QJsonValue books = document.object().value(FightBooksKey); !books.isUndefined()) {
        if (!books.isBool())
            top.refuse(FightBooksKey, QStringLiteral("が true でも false でもありません"));
        session.keepsBooks = books.toBool();
    }
    // The roster always has a row: the windows start with one and keep one
    // when every enemy is removed.
    const QString enemiesKey = QStringLiteral("enemies");
    session.enemies = top.records<EnemyEntry>(enemiesKey, EnemyTexts);
    if (session.enemies.isEmpty())
        top.refuse(enemiesKey, QStringLiteral("が空です"));
    return session;
}
