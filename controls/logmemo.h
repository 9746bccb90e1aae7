#pragma once

#include "controls/handler.h"

#include <QPlainTextEdit>

#include <functional>

// The log: whole lines are appended at its end, and the user may type into
// it. Appending a line and every edit by the user run the change handler;
// clearing runs nothing. Its right-click menu adds "ログを保存..." to the
// standard entries.
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

    // Asks where "ログを保存..." writes; an empty name cancels. A file dialog
    // unless replaced.
    using SaveFileChooser = std::function<QString(QWidget *parent)>;
    void setSaveFileChooser(SaveFileChooser chooser) { m_chooseSaveFile = std::move(chooser); }
    // Writes the whole text in UTF-8, each line ended by "\n", replacing the
    // file only once all of it is written. Raises the open error for the name.
    void saveTo(const QString &fileName) const;
    // The command "ログを保存...": asks for a file and saves the log there.
    void saveLog();

Q_SIGNALS:
    // A line appended by appendLine(), not text the user typed.
    void lineAppended(const QString &line);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void changed();

    Handler m_onChange;
    SaveFileChooser m_chooseSaveFile;
    bool m_fromCode = false;
    // Every paragraph's layout is known to match the present width; only a
    // new last line then needs laying out, so counting stays cheap as the log
    // grows.
    bool m_allLaidOut = true;
    int m_laidOutWidth = -1;
};
