#pragma once

// The windows of the program, five of them created once at start in a fixed
// order, and reached from each other through one global reference per
// window. The rating table window is made the first time it is opened.

#include "rules/random.h"
#include "shell/commandline.h"

#include <memory>

class SessionFile;
class TAboutBox;
class TEnemy;
class TF_States2;
class TMain;
class TRatingView;
class TSkillBox;

extern TMain *Main;
extern TAboutBox *AboutBox;
extern TF_States2 *F_States2;
extern TSkillBox *SkillBox;
extern TEnemy *Enemy;
// Null until it is first opened.
extern TRatingView *RatingView;
// The session file in use and the main window's file commands; made once the
// windows are.
extern SessionFile *CurrentSession;

// Creates the windows in order, running each creation handler guarded, and
// shows the statistics and enemy windows as they are created. The main
// window is left for the caller to show.
// The main window reads the rating table from the file the command line gave
// or from the one found (tablesearch.h).
void createForms(std::unique_ptr<RandomSource> random, const StartOptions &options = {});
// From now on copies every line appended to the log into the file. Raises
// the open error when it cannot be opened.
void keepLogIn(const QString &fileName);
// Start-up as the program runs it: the windows are created, the main window
// is shown, and then the log file and the session file are opened, so that
// their errors appear over the windows and the program goes on without them.
void startForms(std::unique_ptr<RandomSource> random, const StartOptions &options);
// The rating table window, made now if it was not yet, with the main
// window's shared shortcuts.
TRatingView *madeRatingView();
// Destroys the windows and clears the references.
void destroyForms();
