#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs an event handler so that no exception leaves it (none may cross a Qt
// slot). On an exception: vb::Err() takes its number and description, the
// mouse pointer and the enabled state of `restoreEnabled` (when given) go
// back to what they were at entry, and the error is reported with the three
// texts (procedure, module, project), e.g. "Form_Load()", "frmPrincipal",
// "NorviaParvanta2000.vbp". Returns false when an error was reported.
bool RunHandler(const char* procedure, const char* module, const char* project,
                const std::function<void()>& body, QWidget* restoreEnabled = nullptr);

} // namespace ui
