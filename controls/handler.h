#pragma once

#include <functional>

class QObject;

// An event handler of a control. The sender is the control that raised it,
// so one handler can serve many controls and tell them apart by name.
using Handler = std::function<void(QObject *sender)>;
