#pragma once

#include "controls/handler.h"

#include <QPlainTextEdit>

// The log: whole lines are appended at its end, and the user may type into
// it. Appending a line and every edit by the user run the change handler;
// clearing runs nothing.
class LogMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LogMemo(QWidget *parent = nullptr);

    void appendLine(const QString &line);
    void clearLines();

    // The lines as stored, one per paragraph.
    [[nodiscard]] QStringList lines() const;
    // The rows as displayed: a wrapped line counts once per row, and an empty
    // last row does not count.
    [[nodiscard]] int lineCount();

    void setOnChange(Handler handler) { m_onChange = std::move(handler); }

Q_SIGNALS:
    // A line appended by appendLine(), not text the user typed.
    void lineAppended(const QString &line);

private:
    void changed();

    Handler m_onChange;
    bool m_fromCode = false;
    // Every paragraph's layout is known to match the present width; only a
    // new last line then needs laying out, so counting stays cheap as the log
    // grows.
    bool m_allLaidOut = true;
    int m_laidOutWidth = -1;
};
