#include "support/appfixture.h"

#include "console/Unit_Main.h"
#include "controls/layout.h"
#include "shell/forms.h"

#include "controls/choicebox.h"
#include "controls/spinfield.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

void pickEntry(ChoiceBox *box, int index)
{
    // An animated list would swallow the click while it slides open.
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    QComboBox *combo = box->comboBox();
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    // An entry wider than the list is cut at its edge; click what shows.
    const QRect rect = view->visualRect(view->model()->index(index, 0)).intersected(view->viewport()->rect());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    if (view->isVisible())
        combo->hidePopup();
}

void clickOn(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void typeInto(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void typeInto(SpinField *field, const QString &text)
{
    typeInto(field->editor(), text);
}

QByteArray AppFixture::sampleTable()
{
    return "Blade,1,2,4,5,6,7,8,10,11,13\r\n"
           "\"Long Blade\",2,3,5,6,7,8,9,11,12,14\r\n"
           "Zero,0,0,0,0,0,0,0,0,0,0\r\n";
}

AppFixture::AppFixture(const std::optional<QByteArray> &ratingTable)
    : AppFixture([&](const QDir &folder) {
        if (!ratingTable)
            return;
        QFile file(folder.filePath(QStringLiteral("RatingTable.txt")));
        if (file.open(QIODevice::WriteOnly))
            file.write(*ratingTable);
    })
{
}

AppFixture::AppFixture(const FolderSetup &prepare)
    : m_previousDir(QDir::currentPath())
{
    prepare(QDir(m_dir.path()));
    QDir::setCurrent(m_dir.path());
    installWindowFont();
    ErrorDisplay::setSink([this](const ErrorReport &report) { m_errors.append(report); });

    auto dice = std::make_unique<ScriptedRandom>();
    m_dice = dice.get();
    createForms(std::move(dice));
    Main->show();
}

AppFixture::~AppFixture()
{
    destroyForms();
    ErrorDisplay::setSink({});
    QDir::setCurrent(m_previousDir);
}

QList<ErrorReport> AppFixture::takeErrors()
{
    return std::exchange(m_errors, {});
}

QStringList AppFixture::errorTexts() const
{
    QStringList texts;
    for (const ErrorReport &report : m_errors)
        texts.append(report.text);
    return texts;
}
