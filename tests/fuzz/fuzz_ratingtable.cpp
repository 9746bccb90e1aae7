// A whole rating roll from arbitrary input: the table file is written and
// loaded as start-up loads it, every label is read, and one roll runs with
// arbitrary critical values, modifiers, rating index and faces. The
// program's own errors are expected; anything else, or a chain or line that
// breaks the roll's rules, is a finding.

#include "rules/apperror.h"
#include "rules/inttext.h"
#include "rules/rating.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

// Faces from the fuzzer's bytes; once they run out every die shows 1, so
// that any chain ends.
class FuzzedDice final : public RandomSource
{
public:
    explicit FuzzedDice(FuzzedDataProvider &data)
        : m_data(data)
    {
    }
    void randomize() override { }
    [[nodiscard]] int draw(int sides) override
    {
        return m_data.remaining_bytes() > 0 ? m_data.ConsumeIntegralInRange(1, sides) : 1;
    }

private:
    FuzzedDataProvider &m_data;
};

void checkChain(const QString &chain, qint32 critical, bool criticalsOn)
{
    const QStringList results = chain.split(u'/');
    for (qsizetype i = 0; i < results.size(); ++i) {
        const qint32 r = results.at(i).toInt();
        const bool rollsAgain = criticalsOn && r >= critical;
        if (r < 2 || r > 12 || rollsAgain != (i + 1 < results.size()))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("RatingTable.txt"));
    FuzzedDataProvider input(data, size);
    const qint32 base = input.ConsumeIntegral<qint32>();
    const qint32 criticalModifier = input.ConsumeIntegral<qint32>();
    const bool criticalsOn = input.ConsumeBool();
    const qint32 modifier = wrapAdd(input.ConsumeIntegral<qint32>(), input.ConsumeIntegral<qint32>());
    const bool indexInTable = input.ConsumeBool();
    const auto index = input.ConsumeIntegral<qint32>();
    {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(QByteArray::fromStdString(input.ConsumeRandomLengthString()));
    }

    RatingTable table;
    try {
        table.load(fileName);
    } catch (const AppError &) {
        std::abort(); // a small regular file always loads
    }
    QStringList labels;
    for (qsizetype i = 0; i < table.count(); ++i) {
        try {
            labels.append(table.label(i));
            if (shortenForDisplay(labels.back()) != labels.back())
                std::abort();
        } catch (const AppError &) {
            labels.append(QString());
        }
    }

    const qsizetype rating = indexInTable && table.count() > 0 ? qsizetype(quint32(index) % table.count()) : index;
    const qint32 critical = criticalValue(base, criticalModifier);
    if (critical < MinimumCriticalValue)
        std::abort();
    FuzzedDice dice(input);
    const QString chain = rollRatingDice(dice, critical, criticalsOn);
    checkChain(chain, critical, criticalsOn);

    const QString label = labels.value(rating);
    try {
        const QString line = ratingLine(table, rating, label, chain, modifier);
        if (!line.startsWith(u"( "_qs + label + u": 2D6 = "_qs + chain + u" ) ->"_qs))
            std::abort();
    } catch (const AppError &) {
    }
    return 0;
}
