#include "support/input.h"

#include "controls/choicebox.h"
#include "controls/radiogroup.h"
#include "controls/spinfield.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

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
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void typeInto(SpinField *field, const QString &text)
{
    typeInto(field->editor(), text);
}

QMenu *openContextMenu(QWidget *widget, std::optional<QPoint> at)
{
    const QPoint pos = at.value_or(widget->rect().center());
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

bool clickMenuEntry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

QWidget *focusedControl()
{
    QWidget *focused = QApplication::focusWidget();
    QWidget *control = focused;
    for (QWidget *w = focused; w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<SpinField *>(w) || qobject_cast<ChoiceBox *>(w) || qobject_cast<RadioGroup *>(w))
            control = w;
    }
    return control;
}

int whileModal(const QMetaObject &type, const std::function<void()> &open, const std::function<void(QDialog *)> &inside)
{
    int outcome = NeverShown;
    // A timer of the caller's stack frame, so that nothing is left pending
    // when no dialog ever comes up.
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !type.cast(dialog))
            return;
        poll.stop();
        inside(dialog);
        // A dialog left open would block the test for good.
        outcome = dialog->isVisible() ? LeftOpen : dialog->result();
        if (outcome == LeftOpen)
            dialog->reject();
    });
    poll.start();
    open();
    poll.stop();
    return outcome;
}
