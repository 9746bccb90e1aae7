#include "shell/forms.h"

#include "console/Unit_Main.h"
#include "console/Unit_RatingView.h"
#include "controls/errordisplay.h"
#include "controls/logmemo.h"
#include "roster/Unit_Enemy.h"
#include "sheet/Unit_Friend_States.h"
#include "sheet/Unit_Skill.h"
#include "shell/Unit_About.h"
#include "shell/logfile.h"
#include "shell/sessionfile.h"
#include "shell/tablesearch.h"

#include <memory>
#include <utility>

TMain *Main = nullptr;
TAboutBox *AboutBox = nullptr;
TF_States2 *F_States2 = nullptr;
TSkillBox *SkillBox = nullptr;
TEnemy *Enemy = nullptr;
TRatingView *RatingView = nullptr;
SessionFile *CurrentSession = nullptr;

void createForms(std::unique_ptr<RandomSource> random, const StartOptions &options)
{
    // Each reference is set before its window's creation handler runs, so
    // the handler may use it; an error in a creation handler skips the rest
    // of that handler and start-up goes on.
    Main = new TMain(std::move(random));
    const QStringList places
        = options.otherTablePlaces ? QStringList{RatingTableName} + *options.otherTablePlaces : ratingTablePlaces();
    Main->setRatingTableFile(ratingTableFile(options.tableFile, places));
    guarded([] { Main->FormCreate(); });

    AboutBox = new TAboutBox;

    F_States2 = new TF_States2;
    guarded([] { F_States2->FormCreate(); });
    F_States2->show();

    SkillBox = new TSkillBox;

    Enemy = new TEnemy;
    guarded([] { Enemy->FormCreate(); });
    Enemy->show();

    // Opening, saving and bringing a window back answer their keys in every
    // window the user works in, not only under the menu bar.
    F_States2->addActions(Main->sharedShortcuts());
    Enemy->addActions(Main->sharedShortcuts());

    CurrentSession = new SessionFile;
}

void keepLogIn(const QString &fileName)
{
    auto file = std::make_shared<LogFile>(fileName);
    // The connection holds the file: it is closed when the log goes. A line
    // that fails to reach the file is reported without ending the command
    // that wrote it.
    QObject::connect(Main->Memo1, &LogMemo::lineAppended, Main->Memo1,
                     [file](const QString &line) { guarded([&] { file->append(line); }); });
}

void startForms(std::unique_ptr<RandomSource> random, const StartOptions &options)
{
    createForms(std::move(random), options);
    Main->show();
    if (options.logFile)
        guarded([&] { keepLogIn(*options.logFile); });
    if (options.sessionFile)
        guarded([&] { CurrentSession->open(*options.sessionFile); });
}

TRatingView *madeRatingView()
{
    if (!RatingView) {
        RatingView = new TRatingView;
        RatingView->addActions(Main->sharedShortcuts());
    }
    return RatingView;
}

void destroyForms()
{
    delete RatingView;
    RatingView = nullptr;
    delete CurrentSession;
    CurrentSession = nullptr;
    // The roster's rows hand the focus on while they are torn down, which
    // brings the console's odds up to date: by then there is no roster.
    delete std::exchange(Enemy, nullptr);
    delete SkillBox;
    SkillBox = nullptr;
    delete F_States2;
    F_States2 = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete Main;
    Main = nullptr;
}
