#include "rules/apperror.h"

#include "rules/displaytext.h"

AppError::AppError(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
{
}

AppError AppError::fileOpen(const QString &name)
{
    return AppError(QStringLiteral("ファイル %1 は開けません").arg(name));
}

AppError AppError::fileWrite(const QString &name)
{
    return AppError(QStringLiteral("ファイル %1 に書き込めません").arg(name));
}

AppError AppError::notInteger(const QString &text)
{
    return AppError(QStringLiteral("'%1' は整数ではありません").arg(shortenForDisplay(text)));
}

AppError AppError::listIndex(qint64 index)
{
    return AppError(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
}

QString AppError::shownText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}
