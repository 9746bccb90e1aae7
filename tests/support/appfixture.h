#pragma once

#include "controls/errordisplay.h"
#include "support/scripteddice.h"
#include "support/tablefiles.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

#include <optional>

class ChoiceBox;
class QAbstractButton;
class QLineEdit;
class SpinField;

// What a user does to a control, through real input events.

// Opens the list of a choice box and clicks entry `index`.
void pickEntry(ChoiceBox *box, int index);
// Clicks a check box or radio button on its indicator, where a click always
// lands whatever the length of its caption.
void clickOn(QAbstractButton *button);
// Replaces the text of a field by typing, one key at a time: select all,
// erase, type.
void typeInto(QLineEdit *edit, const QString &text);
void typeInto(SpinField *field, const QString &text);

// The whole program as start-up builds it: the five windows created in order,
// with scripted dice, in a fresh working directory that holds the given
// RatingTable.txt (none for std::nullopt). Errors are recorded instead of
// being shown in a modal box.
class AppFixture
{
public:
    // A table with a few ratings; "Blade" is the worked example's row.
    static QByteArray sampleTable();

    explicit AppFixture(const std::optional<QByteArray> &ratingTable = sampleTable());
    // The same in a working directory that `prepare` fills first, for tables
    // that are not plain files (a pipe, a link, a folder).
    explicit AppFixture(const FolderSetup &prepare);
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
