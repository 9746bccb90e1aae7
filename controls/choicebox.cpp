#include "controls/choicebox.h"

#include "controls/errordisplay.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>

ChoiceBox::ChoiceBox(QWidget *parent)
    : QWidget(parent)
    , m_combo(new QComboBox(this))
{
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setCompleter(nullptr);
    m_combo->setMaxVisibleItems(8);
    // Every entry is one line in one font; without this the list measures
    // each of thousands of entries whenever it opens.
    if (auto *list = qobject_cast<QListView *>(m_combo->view()))
        list->setUniformItemSizes(true);
    // The narrowest boxes were drawn to just hold "Select"; the edit's own
    // inner margin would push its last letter under the arrow.
    m_combo->lineEdit()->setTextMargins(-1, 0, 0, 0);
    setFocusProxy(m_combo);
    setFocusPolicy(Qt::StrongFocus);

    m_combo->lineEdit()->installEventFilter(this);
    connect(m_combo, &QComboBox::activated, this, [this](int index) { guarded([this, index] { picked(index); }); });
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &text) { guarded([this, text] { edited(text); }); });
}

void ChoiceBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_combo->setGeometry(rect());
}

QString ChoiceBox::text() const
{
    return m_combo->lineEdit()->text();
}

void ChoiceBox::setText(const QString &text)
{
    const QSignalBlocker block(m_combo);
    m_combo->lineEdit()->setText(text);
    // Text set from code shows from its start, as a narrow box should.
    m_combo->lineEdit()->setCursorPosition(0);
}

// Keeps the QComboBox's own current index on our selection without letting
// it touch the shown text.
void ChoiceBox::syncCombo()
{
    const QSignalBlocker block(m_combo);
    const QString shown = text();
    m_combo->setCurrentIndex(m_itemIndex);
    if (m_combo->lineEdit()->text() != shown)
        m_combo->lineEdit()->setText(shown);
}

void ChoiceBox::setItemIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    m_itemIndex = index;
    setText(index >= 0 ? m_combo->itemText(index) : QString());
    syncCombo();
}

QStringList ChoiceBox::items() const
{
    QStringList list;
    list.reserve(m_combo->count());
    for (int i = 0; i < m_combo->count(); ++i)
        list.append(m_combo->itemText(i));
    return list;
}

QString ChoiceBox::itemText(int index) const
{
    return m_combo->itemText(index);
}

int ChoiceBox::count() const
{
    return m_combo->count();
}

void ChoiceBox::setItems(const QStringList &items)
{
    const QString shown = text();
    {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        m_combo->addItems(items);
    }
    m_itemIndex = -1;
    setText(shown);
    syncCombo();
}

void ChoiceBox::addItem(const QString &item)
{
    const QString shown = text();
    {
        const QSignalBlocker block(m_combo);
        m_combo->addItem(item);
    }
    setText(shown);
    syncCombo();
}

void ChoiceBox::setItem(int index, const QString &item)
{
    if (index < 0 || index >= count())
        return;
    const QString shown = text();
    {
        const QSignalBlocker block(m_combo);
        m_combo->setItemText(index, item);
    }
    if (m_itemIndex == index)
        m_itemIndex = -1;
    setText(shown);
    syncCombo();
}

void ChoiceBox::clearItems()
{
    setItems({});
}

void ChoiceBox::picked(int index)
{
    m_itemIndex = index;
    setText(m_combo->itemText(index));
    syncCombo();
    changed();
}

bool ChoiceBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_combo->lineEdit() && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        m_typedCharacter = !typed.isEmpty() && typed.front().unicode() >= 32 && typed.front().unicode() != 127;
    }
    return QWidget::eventFilter(watched, event);
}

void ChoiceBox::edited(const QString &text)
{
    QLineEdit *edit = m_combo->lineEdit();
    const int cursor = edit->cursorPosition();
    const bool complete = std::exchange(m_typedCharacter, false);
    // A typed character completes what stands before the cursor; any other
    // edit selects only an entry it spells out in full.
    const QString prefix = complete ? text.left(cursor) : text;
    m_itemIndex = -1;
    for (int i = 0; !prefix.isEmpty() && i < count(); ++i) {
        const QString entry = m_combo->itemText(i);
        if (complete ? entry.startsWith(prefix, Qt::CaseInsensitive)
                     : entry.compare(prefix, Qt::CaseInsensitive) == 0) {
            m_itemIndex = i;
            break;
        }
    }
    {
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(m_itemIndex);
    }
    if (complete && m_itemIndex >= 0) {
        // The rest of the entry is selected, so the next keystroke replaces it.
        const QString completed = prefix + m_combo->itemText(m_itemIndex).mid(prefix.size());
        setText(completed);
        edit->setSelection(int(completed.size()), int(prefix.size() - completed.size()));
    } else {
        if (edit->text() != text)
            setText(text);
        edit->setCursorPosition(cursor);
    }
    changed();
}

void ChoiceBox::changed()
{
    if (m_onChange)
        m_onChange(this);
}
