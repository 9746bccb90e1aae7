#pragma once

#include "controls/errordisplay.h"
#include "shell/commandline.h"
#include "support/files.h"
#include "support/input.h"
#include "support/scripteddice.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <optional>

class QAction;
class QWidget;
class TSkillBox;

// The whole program as start-up builds it: the five windows created in order,
// with scripted dice, in a fresh working directory that holds the given
// RatingTable.txt (none for std::nullopt). Errors are recorded instead of
// being shown in a modal box. Unless the options name other places, a table
// missing from the working directory is looked for only in
// "user-data/corvane" and "system-data/corvane" there, so that a table
// installed on this machine is never found.
class AppFixture
{
public:
    // A table with a few ratings; "Blade" is the worked example's row.
    static QByteArray sampleTable();

    explicit AppFixture(const std::optional<QByteArray> &ratingTable = sampleTable());
    // The same in a working directory that `prepare` fills first, for tables
    // that are not plain files (a pipe, a link, a folder), started as with
    // these command-line options.
    explicit AppFixture(const FolderSetup &prepare, const StartOptions &options = {});
    ~AppFixture();
    AppFixture(const AppFixture &) = delete;
    AppFixture &operator=(const AppFixture &) = delete;

    // The faces the program's dice will show next.
    ScriptedRandom &dice() { return *m_dice; }

    // The errors shown so far, oldest first; takeErrors() empties the list.
    [[nodiscard]] const QList<ErrorReport> &errors() const { return m_errors; }
    QList<ErrorReport> takeErrors();
    // The texts of the errors shown so far.
    [[nodiscard]] QStringList errorTexts() const;

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    ScriptedRandom *m_dice = nullptr;
    QList<ErrorReport> m_errors;
};

// One of the five windows by its object name ("Main", "F_States2", ...);
// null for another name or before start-up made it.
[[nodiscard]] QWidget *form(const QString &name);

// How the skill dialog is closed after it was filled in.
enum class Close { Ok, Cancel, Escape, Frame, ByFill };

// Triggers an action that shows the skill dialog; once it is open, fill()
// works in it and the dialog is closed the given way (ByFill: fill() closes
// it). Returns whether the dialog opened and closed as asked.
bool runSkillDialog(QAction *action, const std::function<void(TSkillBox *)> &fill, Close close = Close::Ok);
// Fills the dialog from "name:level:type:dodge", dodge being the dodge
// choice, which is made as a Warrior before the type is switched.
void fillSkill(TSkillBox *box, const QString &skill);
// Adds a skill through the statistics window's menu command and the dialog.
bool addSkill(const QString &skill);
