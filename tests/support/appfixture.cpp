#include "support/appfixture.h"

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/layout.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/rating.h"
#include "sheet/Unit_Friend_States.h"
#include "sheet/Unit_Skill.h"
#include "shell/Unit_About.h"
#include "shell/forms.h"
#include "shell/tablesearch.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRadioButton>
#include <QTest>

QWidget *form(const QString &name)
{
    const QHash<QString, QWidget *> forms = {
        {QStringLiteral("Main"), Main},           {QStringLiteral("AboutBox"), AboutBox},
        {QStringLiteral("F_States2"), F_States2}, {QStringLiteral("SkillBox"), SkillBox},
        {QStringLiteral("Enemy"), Enemy},
    };
    return forms.value(name);
}

QByteArray AppFixture::sampleTable()
{
    return "Blade,1,2,4,5,6,7,8,10,11,13\r\n"
           "\"Long Blade\",2,3,5,6,7,8,9,11,12,14\r\n"
           "Zero,0,0,0,0,0,0,0,0,0,0\r\n";
}

AppFixture::AppFixture(const std::optional<QByteArray> &ratingTable)
    : AppFixture([&](const QDir &folder) {
        if (ratingTable)
            QVERIFY(writeFile(folder.filePath(RatingTableName), *ratingTable));
    })
{
}

AppFixture::AppFixture(const FolderSetup &prepare, const StartOptions &options)
    : m_previousDir(QDir::currentPath())
{
    const QDir dir(m_dir.path());
    StartOptions isolated = options;
    if (!isolated.otherTablePlaces)
        isolated.otherTablePlaces = QStringList{dir.filePath(QStringLiteral("user-data/") + InstalledRatingTable),
                                                dir.filePath(QStringLiteral("system-data/") + InstalledRatingTable)};
    prepare(dir);
    QDir::setCurrent(m_dir.path());
    installWindowFont();
    ErrorDisplay::setSink([this](const ErrorReport &report) { m_errors.append(report); });

    auto dice = std::make_unique<ScriptedRandom>();
    m_dice = dice.get();
    startForms(std::move(dice), isolated);
}

AppFixture::~AppFixture()
{
    destroyForms();
    ErrorDisplay::setSink({});
    QDir::setCurrent(m_previousDir);
}

QList<ErrorReport> AppFixture::takeErrors()
{
    return std::exchange(m_errors, {});
}

QStringList AppFixture::errorTexts() const
{
    QStringList texts;
    for (const ErrorReport &report : m_errors)
        texts.append(report.text);
    return texts;
}

bool runSkillDialog(QAction *action, const std::function<void(TSkillBox *)> &fill, Close close)
{
    const int result = whileModal<TSkillBox>([action] { action->trigger(); },
                                             [&](TSkillBox *box) {
                                                 fill(box);
                                                 switch (close) {
                                                 case Close::Ok:
                                                     QTest::mouseClick(box->OKButton, Qt::LeftButton);
                                                     break;
                                                 case Close::Cancel:
                                                     QTest::mouseClick(box->CancelButton, Qt::LeftButton);
                                                     break;
                                                 case Close::Escape:
                                                     QTest::keyClick(box, Qt::Key_Escape);
                                                     break;
                                                 case Close::Frame:
                                                     box->close();
                                                     break;
                                                 case Close::ByFill:
                                                     break;
                                                 }
                                             });
    return result != NeverShown && result != LeftOpen;
}

void fillSkill(TSkillBox *box, const QString &skill)
{
    const QStringList f = skill.split(u':');
    typeInto(box->SName, f[0]);
    typeInto(box->Lv, f[1]);
    clickOn(box->SType->item(0));
    clickOn(box->DType->item(f[3].toInt()));
    clickOn(box->SType->item(f[2].toInt()));
}

bool addSkill(const QString &skill)
{
    return runSkillDialog(F_States2->Add_Skill, [&](TSkillBox *box) { fillSkill(box, skill); });
}
