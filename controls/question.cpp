#include "controls/question.h"

#include "controls/errordisplay.h"

#include <QCoreApplication>
#include <QPushButton>

QMessageBox::StandardButton askQuestion(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Question, ErrorDisplay::captionFor(QCoreApplication::applicationFilePath()), text,
                    buttons, parent);
    // Qt's own translations are not shipped; the windows speak Japanese.
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Yes, QStringLiteral("はい(&Y)")},
        {QMessageBox::No, QStringLiteral("いいえ(&N)")},
        {QMessageBox::Cancel, QStringLiteral("キャンセル")},
    };
    bool first = true;
    for (const auto &[button, caption] : captions) {
        if (!buttons.testFlag(button))
            continue;
        box.button(button)->setText(caption);
        if (std::exchange(first, false))
            box.setDefaultButton(button);
    }
    return QMessageBox::StandardButton(box.exec());
}
