#pragma once

#include "controls/handler.h"

#include <QLabel>

// A label that shows an address, underlined in a link colour with the hand
// cursor, and runs its click handler when clicked.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &address, const QColor &color, QWidget *parent, Handler onClick);

    void setColor(const QColor &color);
    [[nodiscard]] QColor color() const;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Handler m_onClick;
};
