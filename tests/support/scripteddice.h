#pragma once

#include "rules/apperror.h"
#include "rules/random.h"

#include <QList>
#include <QString>

#include <initializer_list>
#include <random>

// Dice whose faces a test writes down in advance. Every draw takes the next
// face; a draw past the end of the script, or a face that does not fit the
// die being rolled, is a fault in the test (or in the code rolling more or
// other dice than the test expects) and throws std::logic_error.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> faces);
    explicit ScriptedRandom(const QList<int> &faces);

    // Appends faces to the end of the script.
    void push(std::initializer_list<int> faces);
    void push(const QList<int> &faces);

    // Faces not yet drawn; 0 when the code rolled exactly what was scripted.
    [[nodiscard]] qsizetype remaining() const noexcept { return m_faces.size() - m_next; }
    // How often randomize() was called; the program seeds exactly once.
    [[nodiscard]] int seedings() const noexcept { return m_seedings; }

    void randomize() override { ++m_seedings; }
    [[nodiscard]] int draw(int sides) override;

private:
    QList<int> m_faces;
    qsizetype m_next = 0;
    int m_seedings = 0;
};

// Reproducible pseudo-random dice for tests that look at distributions.
// randomize() keeps the seed so that a run can be repeated.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(std::mt19937::result_type seed)
        : m_engine(seed)
    {
    }

    void randomize() override { }
    [[nodiscard]] int draw(int sides) override;

private:
    std::mt19937 m_engine;
};

// The message of the AppError that `step` raises; an empty text when it
// raises none, so that QCOMPARE shows both messages on a mismatch.
template<typename Step>
[[nodiscard]] QString appErrorMessage(Step &&step)
{
    try {
        step();
    } catch (const AppError &error) {
        return error.message();
    }
    return QString();
}
