#include "controls/layout.h"

#include "controls/spinfield.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

QString drawnFontFamily()
{
    return QStringLiteral("ＭＳ Ｐゴシック");
}

namespace {

// Windows draws in its own look; elsewhere the classic Windows look the
// windows were drawn for (captions on the frame lines of group boxes,
// narrow drop-down buttons) stands in.
QStyle *windowStyle()
{
#ifdef Q_OS_WIN
    if (QStyle *style = QStyleFactory::create(QStringLiteral("windowsvista")))
        return style;
#endif
    return QStyleFactory::create(QStringLiteral("Windows"));
}

// What stands in for the drawn font where it is missing. IPAPGothic has the
// same metrics, so every caption keeps its width; Windows without the font
// (one set up for another language) has its Japanese UI fonts.
QStringList drawnFontSubstitutes()
{
    QStringList substitutes{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
#ifdef Q_OS_WIN
    substitutes.prepend(QStringLiteral("MS PGothic"));
    substitutes.append({QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI")});
#endif
    return substitutes;
}

} // namespace

void installWindowFont()
{
    if (QStyle *style = windowStyle())
        QApplication::setStyle(style);
    QFont::insertSubstitutions(drawnFontFamily(), drawnFontSubstitutes());
    QFont font(drawnFontFamily());
    font.setPixelSize(DrawnFontPixels);
    QApplication::setFont(font);
}

void setOuterGeometry(QWidget *window, int left, int top, int outerWidth, int outerHeight)
{
    window->move(left, top);
    window->resize(outerWidth - FrameWidth, clientHeightFor(outerHeight));
    keepOnScreen(window);
}

int clientHeightFor(int outerHeight)
{
    return outerHeight - FrameHeight;
}

namespace {

// The frame and caption around a top-level window's client area: the one the
// desktop gave it once it is shown, the one it was drawn with before.
QSize frameSizeOf(const QWidget *window)
{
    if (window->isVisible())
        return window->frameGeometry().size() - window->size();
    return {FrameWidth, FrameHeight};
}

QRect availableAreaOf(const QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QPoint onScreenPosition(const QRect &available, const QRect &window) noexcept
{
    // Past the right or bottom edge first, so that a window too large for
    // the area ends at its left or top edge. The sums are taken wide, so no
    // rectangle overflows them.
    const auto fit = [](qint64 start, qint64 length, qint64 areaStart, qint64 areaLength) {
        const qint64 end = areaStart + areaLength;
        if (start + length > end)
            start = end - length;
        return int(qMax(start, areaStart));
    };
    return {fit(window.x(), window.width(), available.x(), available.width()),
            fit(window.y(), window.height(), available.y(), available.height())};
}

void keepOnScreen(QWidget *window)
{
    const QRect available = availableAreaOf(window);
    if (available.isEmpty())
        return;
    const QRect outer(window->pos(), window->size() + frameSizeOf(window));
    const QPoint position = onScreenPosition(available, outer);
    if (position != outer.topLeft())
        window->move(position);
}

void bringBack(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    keepOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

int clientHeightOnScreen(const QWidget *window, int wanted, int minimum)
{
    const QRect available = availableAreaOf(window);
    if (available.isEmpty())
        return qMax(wanted, minimum);
    const int room = available.height() - frameSizeOf(window).height();
    return qMax(qMin(wanted, room), minimum);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                  int height)
{
    auto *label = place(new QLabel(caption, parent), name, left, top, width, height);
    label->resize(qMax(width, label->sizeHint().width()), qMax(height, label->sizeHint().height()));
    return label;
}

QLabel *makeCentredLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                         int height)
{
    auto *label = place(new QLabel(caption, parent), name, left, top, width, height);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QLabel *makeNumberLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                        int height, const QFrame *frame)
{
    const int right = left + width;
    const int roomLeft = frame->x() + frame->frameWidth();
    auto *label = place(new QLabel(caption, parent), name, roomLeft, top, right - roomLeft, height);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->resize(label->width(), qMax(height, label->sizeHint().height()));
    return label;
}

QFrame *makeBevel(QWidget *parent, const QString &name, int left, int top, int width, int height)
{
    auto *frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return frame;
}

SpinField *makeSpinField(QWidget *parent, const QString &name, int left, int top, int width, int height, qint32 value,
                         qint32 min, qint32 max)
{
    auto *field = place(new SpinField(parent), name, left, top, width, height);
    field->setRange(min, max);
    field->setValue(value);
    return field;
}
