#pragma once

#include "controls/spinfield.h"

#include <QList>
#include <QString>

#include <utility>

// The texts of a record that spin fields hold, one field per member, read
// out of the fields and written back into them.
template<typename Record>
using TextField = std::pair<QString Record::*, SpinField *>;

// Each number as the program reads it: a text it reads as another number,
// such as a pasted "1.5", would not open again.
template<typename Record>
void collectTexts(Record &record, const QList<TextField<Record>> &fields)
{
    for (const auto &[member, field] : fields)
        record.*member = QString::number(field->value());
}

// Through the fields' own setters, in the order given, so that their
// handlers run as they would for the user.
template<typename Record>
void applyTexts(const Record &record, const QList<TextField<Record>> &fields)
{
    for (const auto &[member, field] : fields)
        field->setText(record.*member);
}
