#include "controls/logmemo.h"

#include "controls/errordisplay.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>

LogMemo::LogMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_fromCode)
            return;
        m_allLaidOut = false;
        guarded([this] { changed(); });
    });
}

void LogMemo::appendLine(const QString &line)
{
    m_fromCode = true;
    appendPlainText(line);
    m_fromCode = false;
    Q_EMIT lineAppended(line);
    changed();
}

void LogMemo::clearLines()
{
    m_fromCode = true;
    clear();
    m_fromCode = false;
    m_allLaidOut = true;
}

QStringList LogMemo::lines() const
{
    const QString text = toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(u'\n');
}

int LogMemo::lineCount()
{
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout());
    QTextDocument *doc = document();
    if (layout) {
        if (viewport()->width() != m_laidOutWidth)
            m_allLaidOut = false;
        if (m_allLaidOut) {
            layout->ensureBlockLayout(doc->lastBlock());
        } else {
            for (QTextBlock block = doc->firstBlock(); block.isValid(); block = block.next())
                layout->ensureBlockLayout(block);
            m_allLaidOut = true;
            m_laidOutWidth = viewport()->width();
        }
    }
    int rows = doc->lineCount();
    if (doc->lastBlock().length() <= 1)
        rows -= 1;
    return qMax(rows, 0);
}

void LogMemo::changed()
{
    if (m_onChange)
        m_onChange(this);
}
