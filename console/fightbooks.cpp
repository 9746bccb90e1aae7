#include "console/fightbooks.h"

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/question.h"
#include "roster/Unit_Enemy.h"
#include "shell/forms.h"
#include "shell/sessionfile.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

void createBattleMenu(TMain *main)
{
    QMenu *menu = main->Battle1 = main->menuBar()->addMenu(u"戦闘(&B)"_s);
    menu->setObjectName(u"Battle1"_s);
    main->BattleApplyDamage = addMenuEntry(menu, u"BattleApplyDamage"_s, u"命中のダメージを敵のHPから引く(&D)"_s);
    main->BattleApplyDamage->setCheckable(true);
    // Dice Roll reads the entry as it rolls; its odds tell what it will do.
    QObject::connect(main->BattleApplyDamage, &QAction::toggled, main, [main] { main->showOdds(); });
    menu->addSeparator();
    main->BattleRemoveDefeated = addMenuEntry(menu, u"BattleRemoveDefeated"_s, u"倒れた敵を外す(&R)"_s, {},
                                              [](QObject *) { removeDefeated(); });
    main->BattleNewFight
        = addMenuEntry(menu, u"BattleNewFight"_s, u"新しい戦闘(&N)..."_s, {}, [](QObject *) { startNewFight(); });
}

void removeDefeated()
{
    Enemy->removeDefeated();
    // Dice Roll is enabled as if the user had got to this target list.
    Main->CheckBox2Click(Main->ComboBox7);
}

void startNewFight()
{
    if (askQuestion(Main, u"敵の一覧を初期状態に戻しますか?"_s, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    Enemy->replaceRows(1);
    Main->CheckBox2Click(Main->ComboBox7);
    // A fresh roster may equal the one saved; the user still made a change
    // the file does not know of.
    if (CurrentSession)
        CurrentSession->markChanged();
}
