#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QWidget;
class SpinField;

// Windows are laid out in pixels, as drawn. A window's size is given as its
// outer size on the desktop it was drawn for, frame and caption included.
inline constexpr int FrameWidth = 8;   // left and right border together
inline constexpr int FrameHeight = 27; // caption and both borders
inline constexpr int DrawnFontPixels = 12;

// The font the windows were drawn in, and the face that stands in for it on
// this system; installing it also sets the widget style they were drawn in.
[[nodiscard]] QString drawnFontFamily();
void installWindowFont();

// Moves a top-level window and sizes its client area from an outer size, then
// keeps it on its screen.
void setOuterGeometry(QWidget *window, int left, int top, int outerWidth, int outerHeight);
[[nodiscard]] int clientHeightFor(int outerHeight);

// Where a window whose outer rectangle is `window` goes so that all of it
// lies in `available`, its screen's area without the task bars: moved up or
// left just enough (or down or right, where it starts above or left of the
// area). A window that fits stays where it is; one larger than the area
// keeps its top left corner in it.
[[nodiscard]] QPoint onScreenPosition(const QRect &available, const QRect &window) noexcept;
// Moves a top-level window where onScreenPosition() says on its screen.
void keepOnScreen(QWidget *window);
// Shows a top-level window that was closed or minimized, in front and with
// the keyboard, where it was unless that is no longer on its screen (a
// monitor since disconnected): then it moves as keepOnScreen() says.
void bringBack(QWidget *window);
// The client height a top-level window may have on its screen: `wanted`, but
// no more than fits into the screen's available height with the window's
// frame, and never below `minimum`.
[[nodiscard]] int clientHeightOnScreen(const QWidget *window, int wanted, int minimum);

template<typename Widget>
Widget *place(Widget *widget, const QString &name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

// A label at its place, at least as wide as its caption.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                  int height);
// A label of fixed size with its caption centred in it.
QLabel *makeCentredLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                         int height);
// A number shown right-aligned inside a box frame. Its right edge stays
// where it was drawn and it may grow to the left up to the frame's inner
// edge, so a negative or long number is not cut off.
QLabel *makeNumberLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
                        int height, const QFrame *frame);
// A lowered box frame.
QFrame *makeBevel(QWidget *parent, const QString &name, int left, int top, int width, int height);
// A spin field with its value and limits set before any handler is attached.
SpinField *makeSpinField(QWidget *parent, const QString &name, int left, int top, int width, int height, qint32 value,
                         qint32 min = 0, qint32 max = 0);
