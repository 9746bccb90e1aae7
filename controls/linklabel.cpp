#include "controls/linklabel.h"

#include "controls/errordisplay.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &address, const QColor &color, QWidget *parent, Handler onClick)
    : QLabel(address, parent)
    , m_onClick(std::move(onClick))
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setColor(color);
}

void LinkLabel::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor LinkLabel::color() const
{
    return palette().color(QPalette::WindowText);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        guarded([this] {
            if (m_onClick)
                m_onClick(this);
        });
}
