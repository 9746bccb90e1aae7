#pragma once

#include <QMessageBox>
#include <QString>

// Asks the user in a modal box over `parent`, captioned as the error display
// is, with the given buttons (はい, いいえ, キャンセル), the first of them the
// default. Returns the button chosen; closing the box answers as Cancel, or
// as No where there is no Cancel.
[[nodiscard]] QMessageBox::StandardButton askQuestion(QWidget *parent, const QString &text,
                                                      QMessageBox::StandardButtons buttons);
