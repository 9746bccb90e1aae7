#pragma once

// The fight's books, the main window's 戦闘 menu: while its checkable entry
// is on, Dice Roll takes a hit's damage from the enemy's present HP and
// passes over the defeated in all enemies (checkresolution.h); the other two
// entries clear the defeated, or everyone, out of the enemy window.

class TMain;

// Adds the menu to the main window's menu bar and binds its entries.
void createBattleMenu(TMain *main);

// "倒れた敵を外す": removes every enemy row that is down, asking nothing.
void removeDefeated();
// "新しい戦闘...": asks, then leaves the enemy window with one fresh row, as
// at start. The character, the log and the console's settings stay.
void startNewFight();
