#pragma once

#include <QString>
#include <functional>

// Reporting of the current error (vb::Err()). The component library's
// VerError registers itself as the reporter; until then a plain critical
// message box with number and description serves.
namespace ui {

using ErrorReporter =
    std::function<void(const QString& procedure, const QString& module, const QString& project)>;

// An empty reporter puts back the default one.
void SetErrorReporter(ErrorReporter reporter);

// Passes the three texts to the reporter, which reads vb::Err(). Never
// throws: a failing reporter is logged and swallowed.
void ReportError(const QString& procedure, const QString& module, const QString& project);

// The default reporter.
void ShowErrorMessage(const QString& procedure, const QString& module, const QString& project);

} // namespace ui
