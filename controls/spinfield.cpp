#include "controls/spinfield.h"

#include "controls/errordisplay.h"
#include "rules/inttext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

namespace {

constexpr int ButtonWidth = 15;
constexpr int RepeatDelayMs = 400;
constexpr int RepeatIntervalMs = 100;

QToolButton *makeStepButton(QWidget *parent, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(RepeatDelayMs);
    button->setAutoRepeatInterval(RepeatIntervalMs);
    button->setIconSize(QSize(7, 4));
    return button;
}

// The keys a spin field takes: digits, signs, the decimal separator, and
// control characters other than Enter.
bool acceptsCharacter(QChar c)
{
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c == u'+' || c == u'-')
        return true;
    if (c == QLocale().decimalPoint().front())
        return true;
    return c.unicode() < 32 && c != u'\r' && c != u'\n';
}

} // namespace

SpinField::SpinField(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_up(makeStepButton(this, Qt::UpArrow))
    , m_down(makeStepButton(this, Qt::DownArrow))
{
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    m_edit->setText(QStringLiteral("0"));
    m_edit->setTextMargins(0, 0, ButtonWidth, 0);
    m_edit->installEventFilter(this);

    connect(m_edit, &QLineEdit::textEdited, this, [this] { userEntry([this] { changed(); }); });
    connect(m_up, &QToolButton::clicked, this, [this] { userEntry([this] { stepUp(); }); });
    connect(m_down, &QToolButton::clicked, this, [this] { userEntry([this] { stepDown(); }); });
}

qint32 SpinField::value() const
{
    return m_range.valueOf(m_edit->text());
}

void SpinField::setValue(qint32 value)
{
    setText(QString::number(clamped(value)));
}

QString SpinField::text() const
{
    return m_edit->text();
}

void SpinField::setText(const QString &text)
{
    if (m_edit->text() == text)
        return;
    m_edit->setText(text);
    changed();
}

void SpinField::finishEdit()
{
    const qint32 v = value();
    if (clamped(v) != v)
        setValue(v);
}

void SpinField::finishFocusedEdit()
{
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto *field = qobject_cast<SpinField *>(w)) {
            field->finishEdit();
            return;
        }
    }
}

void SpinField::stepUp()
{
    setValue(wrapAdd(value(), 1));
}

void SpinField::stepDown()
{
    setValue(wrapSub(value(), 1));
}

void SpinField::changed()
{
    if (m_onChange)
        m_onChange(this);
}

void SpinField::userEntry(const std::function<void()> &action)
{
    guarded(action);
}

QSize SpinField::sizeHint() const
{
    return {49, 21};
}

void SpinField::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_edit->setGeometry(0, 0, w, h);
    const int half = (h - 2) / 2;
    // The buttons were made after the editor, so they already lie above it;
    // raising them here would make Qt search every sibling of the field, at
    // every resize.
    m_up->setGeometry(w - ButtonWidth - 1, 1, ButtonWidth, half);
    m_down->setGeometry(w - ButtonWidth - 1, 1 + half, ButtonWidth, h - 2 - half);
}

bool SpinField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up) {
            userEntry([this] { stepUp(); });
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            userEntry([this] { stepDown(); });
            return true;
        }
        // Shortcuts such as paste pass unfiltered: only typed characters are
        // checked, as a character at a time.
        const QString typed = key->text();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QApplication::beep();
            return true;
        }
        if (!typed.isEmpty() && !(key->modifiers() & Qt::ControlModifier)) {
            for (const QChar c : typed) {
                if (!acceptsCharacter(c)) {
                    QApplication::beep();
                    return true;
                }
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        userEntry([this] { finishEdit(); });
    }
    return QWidget::eventFilter(watched, event);
}
