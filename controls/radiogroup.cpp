#include "controls/radiogroup.h"

#include "controls/errordisplay.h"

#include <QButtonGroup>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_set(new QButtonGroup(this))
{
    for (const QString &text : items) {
        auto *button = new QRadioButton(text, this);
        m_set->addButton(button);
        const int index = int(m_items.size());
        m_items.append(button);
        connect(button, &QRadioButton::toggled, this, [this, index](bool on) {
            if (!on || m_fromCode)
                return;
            m_itemIndex = index;
            guarded([this] {
                if (m_onClick)
                    m_onClick(this);
            });
        });
    }
}

void RadioGroup::check(int index)
{
    m_fromCode = true;
    if (index < 0) {
        m_set->setExclusive(false);
        for (QRadioButton *button : std::as_const(m_items))
            button->setChecked(false);
        m_set->setExclusive(true);
    } else {
        m_items.at(index)->setChecked(true);
    }
    m_fromCode = false;
    m_itemIndex = index;
}

void RadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == m_itemIndex)
        return;
    check(index);
    if (index >= 0 && m_onClick)
        m_onClick(this);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    if (m_items.isEmpty())
        return;
    // Items share the height below the caption evenly.
    constexpr int captionHeight = 14;
    const int available = height() - captionHeight - 4;
    const int step = available / int(m_items.size());
    for (int i = 0; i < m_items.size(); ++i)
        m_items[i]->setGeometry(8, captionHeight + i * step, width() - 12, qMin(step, 17));
}
