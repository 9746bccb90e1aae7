#include "shell/sessionfile.h"

#include "console/Unit_Main.h"
#include "controls/buttons.h"
#include "controls/choicebox.h"
#include "controls/errordisplay.h"
#include "controls/fieldtexts.h"
#include "controls/question.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"
#include "roster/Unit_Enemy.h"
#include "rules/apperror.h"
#include "rules/filereading.h"
#include "sheet/Unit_Friend_States.h"
#include "shell/forms.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include <utility>

namespace {

// The abilities go first: each reruns its bonus and, for vitality and spirit,
// a maximum that the later texts then replace.
QList<TextField<Session>> abilityFields()
{
    return {
        {&Session::dexterity, F_States2->Dex},    {&Session::agility, F_States2->Qck},
        {&Session::strength, F_States2->Mus},     {&Session::vitality, F_States2->Vit},
        {&Session::intelligence, F_States2->Itl}, {&Session::spirit, F_States2->Wil},
    };
}

QList<TextField<Session>> laterFields()
{
    return {
        {&Session::maximumHp, F_States2->HP_max},        {&Session::maximumMp, F_States2->MP_max},
        {&Session::physicalProtection, Main->SpinEdit9}, {&Session::physicalProtectionModifier, Main->SpinEdit10},
        {&Session::magicProtection, Main->SpinEdit11},   {&Session::magicProtectionModifier, Main->SpinEdit12},
        {&Session::criticalBase, Main->SpinEdit3},       {&Session::criticalModifier, Main->SpinEdit4},
        {&Session::presentHp, Main->SpinEdit7},          {&Session::presentMp, Main->SpinEdit8},
    };
}

QString chooseInDialog(SessionFile::Choice choice, const std::optional<QString> &inUse)
{
    const bool opening = choice == SessionFile::Choice::Open;
    QFileDialog dialog(Main, opening ? QStringLiteral("開く") : QStringLiteral("名前を付けて保存"),
                       inUse.value_or(QDir::homePath()),
                       QStringLiteral("Corvane セッション (*.%1);;すべてのファイル (*)").arg(SessionSuffix));
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(SessionSuffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

Session collectSession()
{
    Session session;
    collectTexts(session, abilityFields());
    for (int i = 0; i < F_States2->skillCount(); ++i)
        session.skills.append(F_States2->skillRow(i));
    collectTexts(session, laterFields());
    session.oppositionMode = Main->RadioGroup1->itemIndex();
    for (qint32 r = 0; r < Enemy->RowCount; ++r)
        session.enemies.append(Enemy->rowEntry(r));
    session.keepsBooks = Main->BattleApplyDamage->isChecked();
    return session;
}

void applySession(const Session &session)
{
    // The mode first, so that the new enemy rows show their fixed fields by it.
    Main->RadioGroup1->setItemIndex(session.oppositionMode);
    applyTexts(session, abilityFields());
    F_States2->replaceSkillRows(session.skills);

    Enemy->replaceRows(session.enemies);
    Main->BattleApplyDamage->setChecked(session.keepsBooks);
    // No target is chosen any more: the enabling rules follow the target
    // list as they do when the user changes it.
    Main->CheckBox2Click(Main->ComboBox7);

    applyTexts(session, laterFields());
}

SessionFile::SessionFile()
    : m_chooseFile([this](Choice choice) { return chooseInDialog(choice, m_fileName); })
{
    connect(Main->FileOpen, &QAction::triggered, this, [this] { guarded([this] { openChosen(); }); });
    connect(Main->FileSave, &QAction::triggered, this, [this] { guarded([this] { save(); }); });
    connect(Main->FileSaveAs, &QAction::triggered, this, [this] { guarded([this] { saveAs(); }); });
    Main->setOnCloseQuery([this] { return mayDropChanges(); });
}

SessionFile::~SessionFile()
{
    if (Main)
        Main->setOnCloseQuery({});
}

void SessionFile::open(const QString &fileName)
{
    // The bound of every text file the program reads; a session with 1,000
    // enemies takes less than half of it.
    const std::optional<QByteArray> bytes = readRegularFile(fileName);
    if (!bytes)
        throw AppError::fileOpen(fileName);
    applySession(sessionFromJson(*bytes, fileName));
    m_fileName = fileName;
    m_changed = false;
    // What the windows made of the file, which is what a later close
    // compares with.
    m_saved = collectSession();
}

void SessionFile::saveTo(const QString &fileName)
{
    // What the user typed last is saved as the field will show it once left,
    // so that the windows and the file agree.
    SpinField::finishFocusedEdit();
    Session session = collectSession();
    const QByteArray bytes = sessionToJson(session);
    // A new file renamed over the old one: a failure half way, or a crash,
    // leaves the last save whole.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError::fileWrite(fileName);
    m_fileName = fileName;
    m_changed = false;
    m_saved = std::move(session);
}

void SessionFile::openChosen()
{
    if (!mayDropChanges())
        return;
    const QString fileName = m_chooseFile(Choice::Open);
    if (!fileName.isEmpty())
        open(fileName);
}

void SessionFile::save()
{
    if (m_fileName)
        saveTo(*m_fileName);
    else
        saveAs();
}

void SessionFile::saveAs()
{
    const QString fileName = m_chooseFile(Choice::Save);
    if (!fileName.isEmpty())
        saveTo(fileName);
}

bool SessionFile::mayDropChanges()
{
    if (!m_fileName || (!m_changed && collectSession() == m_saved))
        return true;
    switch (askQuestion(Main, QStringLiteral("%1 への変更を保存しますか?").arg(QFileInfo(*m_fileName).fileName()),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        saveTo(*m_fileName);
        return true;
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}
