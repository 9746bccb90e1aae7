#pragma once

// The five windows of the program, created once at start in a fixed order and
// reached from each other through one global reference per window.

#include "rules/random.h"

#include <memory>

class TAboutBox;
class TEnemy;
class TF_States2;
class TMain;
class TSkillBox;

extern TMain *Main;
extern TAboutBox *AboutBox;
extern TF_States2 *F_States2;
extern TSkillBox *SkillBox;
extern TEnemy *Enemy;

// Creates the windows in order, running each creation handler guarded, and
// shows the statistics and enemy windows as they are created. The main
// window is left for the caller to show.
void createForms(std::unique_ptr<RandomSource> random);
// Destroys the windows and clears the references.
void destroyForms();
