#include "shell/forms.h"

#include "console/Unit_Main.h"
#include "controls/errordisplay.h"
#include "roster/Unit_Enemy.h"
#include "sheet/Unit_Friend_States.h"
#include "sheet/Unit_Skill.h"
#include "shell/Unit_About.h"
#include "shell/tablesearch.h"

TMain *Main = nullptr;
TAboutBox *AboutBox = nullptr;
TF_States2 *F_States2 = nullptr;
TSkillBox *SkillBox = nullptr;
TEnemy *Enemy = nullptr;

void createForms(std::unique_ptr<RandomSource> random)
{
    // Each reference is set before its window's creation handler runs, so
    // the handler may use it; an error in a creation handler skips the rest
    // of that handler and start-up goes on.
    Main = new TMain(std::move(random));
    Main->setRatingTableFile(ratingTableFile(std::nullopt));
    guarded([] { Main->FormCreate(); });

    AboutBox = new TAboutBox;

    F_States2 = new TF_States2;
    guarded([] { F_States2->FormCreate(); });
    F_States2->show();

    SkillBox = new TSkillBox;

    Enemy = new TEnemy;
    guarded([] { Enemy->FormCreate(); });
    Enemy->show();
}

void destroyForms()
{
    delete Enemy;
    Enemy = nullptr;
    delete SkillBox;
    SkillBox = nullptr;
    delete F_States2;
    F_States2 = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete Main;
    Main = nullptr;
}
