#pragma once

// The enemy roster window: one row of fields per enemy, created at run time.
// It keeps the main window's target list ComboBox7 equal to its row names and
// reads the main window's opposition mode when it adds a row. The main window
// reads the rows' modifiers and initiative, shows or hides their fixed-value
// fields, and runs their maximum handlers on Reset.

#include "rules/checkresolution.h"
#include "rules/inttext.h"
#include "rules/session.h"

#include <QList>
#include <QWidget>

class Button;
class EditField;
class QScrollArea;
class SpinField;

class TEnemy : public QWidget
{
    Q_OBJECT

public:
    explicit TEnemy(QWidget *parent = nullptr);
    ~TEnemy() override;

    void FormCreate();
    void Party_addClick(QObject *sender);
    // Removes every row and empties Main's target list, which then shows
    // nothing chosen as at start, then adds `count` rows as "+" does.
    void replaceRows(qint32 count);
    // The same with a row for each entry, its texts written through the
    // fields' own setters in an order in which no handler overwrites a text
    // written before it. Opening a session and removing the defeated rebuild
    // the roster this way.
    void replaceRows(const QList<EnemyEntry> &rows);
    // Row r's texts, each number as the program reads it.
    [[nodiscard]] EnemyEntry rowEntry(qint32 r) const;
    // "倒れた敵を外す": rebuilds the roster from the rows that are not down,
    // or as one fresh row when none is left. The chosen target stays chosen
    // where its row remains; else nothing is chosen.
    void removeDefeated();

    void NameChange(QObject *sender);
    void PieceChange(QObject *sender);
    void Hit_modChange(QObject *sender);
    void Hit_fixChange(QObject *sender);
    void Ddg_modChange(QObject *sender);
    void Ddg_fixChange(QObject *sender);

    // The rows the console works through: RowCount, and never more than the
    // rows whose controls all exist.
    [[nodiscard]] qint32 rowCount() const noexcept;
    // What a check against row r reads.
    [[nodiscard]] EnemyValues rowValues(qint32 r) const;

    // The row of a named row control: its name without the column letter.
    [[nodiscard]] static int rowOf(const QObject *sender);

    qint32 RowCount = 0; // rows so far; read by Main

    // One list per column, indexed by row.
    QList<EditField *> Name;       // name; mirrored into Main's ComboBox7
    QList<SpinField *> HP_pst;     // present HP
    QList<SpinField *> HP_max;     // maximum HP; Main's Reset runs its handler
    QList<SpinField *> MP_pst;     // present MP
    QList<SpinField *> MP_max;     // maximum MP; Main's Reset runs its handler
    QList<SpinField *> Piece;      // pieces: each adds 5 HP and 1 MP
    QList<SpinField *> Initiative; // initiative; read by Main for an initiative check
    QList<SpinField *> Hit_mod;    // hit modifier; read by Main against a dodge
    QList<SpinField *> Hit_fix;    // hit fixed value; Main shows it in fixed mode
    QList<SpinField *> Dmg_mod;    // damage modifier; read by Main after a failed dodge
    QList<SpinField *> Ddg_mod;    // dodge modifier; read by Main against a hit
    QList<SpinField *> Ddg_fix;    // dodge fixed value; Main shows it in fixed mode
    QList<SpinField *> Prevent;    // protection; nothing reads it

    Button *Party_add = nullptr; // "+": adds a row
    Button *Party_del = nullptr; // "-", disabled: rows are not removed one by one

    // The headings and rows scroll together inside this area once the window
    // has grown as high as the screen.
    [[nodiscard]] QScrollArea *scrollArea() const noexcept { return m_scroll; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createHeadings();
    SpinField *addSpinField(QList<SpinField *> &column, QWidget *strip, const QString &name, int left, int width,
                            qint32 value, IntRange range = {});
    // Grows the window to an outer height, moving it up rather than past the
    // bottom of the screen, and never higher than the screen.
    void fitHeight(int outerHeight);
    void followFocus(QWidget *focused);

    QScrollArea *m_scroll = nullptr;
    QWidget *m_sheet = nullptr;
    // The control that ends the focus chain, after which the next row goes.
    QWidget *m_lastInTabOrder = nullptr;
    QMetaObject::Connection m_focusFollower;
};
