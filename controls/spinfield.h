#pragma once

#include "controls/handler.h"
#include "rules/inttext.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

// An integer field with up and down buttons.
//
// Unlike a QSpinBox it never validates what is typed: the value is the text
// read as an integer, and a text that is no integer reads as the minimum.
// Values are clamped only when they are set, and only while the minimum and
// maximum differ. The change handler runs for every change of the text by
// typing, and for a change from code exactly when the text shown changes.
class SpinField : public QWidget
{
    Q_OBJECT

public:
    explicit SpinField(QWidget *parent = nullptr);

    [[nodiscard]] qint32 value() const;
    // Writes the clamped value as plain decimal text.
    void setValue(qint32 value);

    [[nodiscard]] QString text() const;
    void setText(const QString &text);

    [[nodiscard]] qint32 minValue() const noexcept { return m_range.min; }
    [[nodiscard]] qint32 maxValue() const noexcept { return m_range.max; }
    [[nodiscard]] IntRange range() const noexcept { return m_range; }
    // Changing a limit leaves the present value as it is.
    void setMinValue(qint32 min) noexcept { m_range.min = min; }
    void setMaxValue(qint32 max) noexcept { m_range.max = max; }
    void setRange(qint32 min, qint32 max) noexcept { m_range = {min, max}; }
    [[nodiscard]] bool isLimited() const noexcept { return m_range.isLimited(); }
    [[nodiscard]] qint32 clamped(qint32 value) const noexcept { return m_range.clamped(value); }

    void setOnChange(Handler handler) { m_onChange = std::move(handler); }

    // Ends an edit as leaving the field does: a number outside the limits is
    // set clamped, which runs the handler; a text that is no number stays.
    void finishEdit();
    // Ends the edit in the spin field that has the keyboard focus, if any.
    static void finishFocusedEdit();

    // Steps the value read by one, as the buttons and arrow keys do.
    void stepUp();
    void stepDown();

    [[nodiscard]] QLineEdit *editor() const noexcept { return m_edit; }
    [[nodiscard]] QToolButton *upButton() const noexcept { return m_up; }
    [[nodiscard]] QToolButton *downButton() const noexcept { return m_down; }

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void changed();
    void userEntry(const std::function<void()> &action);

    QLineEdit *m_edit;
    QToolButton *m_up;
    QToolButton *m_down;
    IntRange m_range;
    Handler m_onChange;
};
