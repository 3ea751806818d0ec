#pragma once

#include "platform/ui/Message.h"

#include <QHash>
#include <functional>

class QAbstractButton;
class QMessageBox;

namespace ui {

// Fills a QMessageBox for a message: icon, caption, text, Spanish buttons in
// VB order, default and escape buttons, and a Help button that calls
// `onHelp` and leaves the box open. Returns the answer of each button.
// Apart from QtUi so that the box can be checked without showing it.
QHash<QAbstractButton*, int> SetUpMessageBox(QMessageBox& box, const Message& message,
                                             const std::function<void()>& onHelp);

} // namespace ui
