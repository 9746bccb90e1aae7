#include "controls/buttons.h"

#include "controls/errordisplay.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QTextDocument>

Button::Button(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { guarded([this] { runClick(); }); });
}

void Button::runClick()
{
    if (m_onClick)
        m_onClick(this);
}

CheckBox::CheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::clicked, this, [this] {
        guarded([this] {
            if (m_onClick)
                m_onClick(this);
        });
    });
}

void CheckBox::setCheck(bool checked)
{
    if (isChecked() == checked)
        return;
    setChecked(checked);
    if (m_onClick)
        m_onClick(this);
}

RadioButton::RadioButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    // Qt's auto-exclusivity looks for checked buttons among all descendants
    // of the parent, so a radio item of a nested group box would count as a
    // sibling. An explicit group per parent keeps the set to the parent's own
    // radio buttons.
    if (parent) {
        const QString setName = QStringLiteral("radioButtons");
        auto *set = parent->findChild<QButtonGroup *>(setName, Qt::FindDirectChildrenOnly);
        if (!set) {
            set = new QButtonGroup(parent);
            set->setObjectName(setName);
        }
        set->addButton(this);
    }
    // A user checks a radio button by a click or by the arrow keys; either
    // way it toggles on. Unchecking, and checks made from code, run nothing
    // here.
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (!on || m_fromCode)
            return;
        guarded([this] {
            if (m_onClick)
                m_onClick(this);
        });
    });
}

void RadioButton::setCheck()
{
    if (isChecked())
        return;
    m_fromCode = true;
    setChecked(true);
    m_fromCode = false;
    if (m_onClick)
        m_onClick(this);
}

EditField::EditField(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] {
        guarded([this] {
            if (m_onChange)
                m_onChange(this);
        });
    });
}

void EditField::setFieldText(const QString &text)
{
    if (this->text() == text)
        return;
    setText(text);
    if (m_onChange)
        m_onChange(this);
}

void describe(QWidget *button, const QString &text)
{
    const QString tip = Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap) : text;
    if (button->toolTip() != tip)
        button->setToolTip(tip);
    if (button->accessibleDescription() != text)
        button->setAccessibleDescription(text);
}

QAction *addMenuEntry(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut,
                      const Handler &execute)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (execute)
        QObject::connect(action, &QAction::triggered, action, [action, execute] { guarded([&] { execute(action); }); });
    return action;
}
