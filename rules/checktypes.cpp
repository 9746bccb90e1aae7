#include "rules/checktypes.h"

const std::array<QString, CheckTypeCount> &checkTypeNames()
{
    static const std::array<QString, CheckTypeCount> names = {
        QStringLiteral("汎用"), QStringLiteral("命中力"),   QStringLiteral("回避力"),   QStringLiteral("魔法"),
        QStringLiteral("先制"), QStringLiteral("魔物知識"), QStringLiteral("生命抵抗"), QStringLiteral("精神抵抗"),
    };
    return names;
}

const std::array<int, CheckTypeCount> &defaultAbility()
{
    static constexpr std::array<int, CheckTypeCount> abilities = {-1, 0, 1, 4, 1, 4, 3, 5};
    return abilities;
}

const std::array<QString, CheckTypeCount> &logPrefix()
{
    static const std::array<QString, CheckTypeCount> prefixes = {
        QStringLiteral("F-Roll: "),     QStringLiteral("F-Atk: "), QStringLiteral("F-Ddg: "), QStringLiteral("F-Mag: "),
        QStringLiteral("Initiative: "), QStringLiteral("Celeb: "), QStringLiteral("H-Reg: "), QStringLiteral("M-Reg: "),
    };
    return prefixes;
}

const std::array<QString, 2> &checkResultText()
{
    static const std::array<QString, 2> verdicts = {
        QStringLiteral(" *** Failed ***"),
        QStringLiteral(" *** Success ***"),
    };
    return verdicts;
}

const std::array<QString, AbilityCount> &abilityNames()
{
    static const std::array<QString, AbilityCount> names = {
        QStringLiteral("器用"), QStringLiteral("敏捷"), QStringLiteral("筋力"),
        QStringLiteral("生命"), QStringLiteral("知力"), QStringLiteral("精神"),
    };
    return names;
}
