#include "controls/logmemo.h"

#include "controls/errordisplay.h"
#include "rules/apperror.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>
#include <QTextBlock>

namespace {

QString chooseSaveFileInDialog(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("ログを保存"),
                                        QDir::home().filePath(QStringLiteral("corvane-log.txt")),
                                        QStringLiteral("テキスト (*.txt);;すべてのファイル (*)"));
}

} // namespace

LogMemo::LogMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_chooseSaveFile(chooseSaveFileInDialog)
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

void LogMemo::saveTo(const QString &fileName) const
{
    QByteArray bytes = toPlainText().toUtf8();
    // A text file's last line ends like every other, so the saved log reads
    // the same as the lines a log file collects.
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    // Writing to a new file and renaming it over the old one keeps an earlier
    // save whole when this one fails half way.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError::fileOpen(fileName);
}

void LogMemo::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction *save = menu->addAction(QStringLiteral("ログを保存..."));
    save->setObjectName(QStringLiteral("SaveLog"));
    connect(save, &QAction::triggered, this, [this] { guarded([this] { saveLog(); }); });
    menu->popup(event->globalPos());
}

void LogMemo::saveLog()
{
    const QString fileName = m_chooseSaveFile(this);
    if (!fileName.isEmpty())
        saveTo(fileName);
}
