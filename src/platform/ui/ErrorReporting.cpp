#include "platform/ui/ErrorReporting.h"

#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"

#include <QtDebug>

namespace ui {
namespace {

ErrorReporter& Reporter()
{
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }

void ReportError(const QString& procedure, const QString& module, const QString& project)
{
    try {
        if (Reporter())
            Reporter()(procedure, module, project);
        else
            ShowErrorMessage(procedure, module, project);
    } catch (...) {
        qWarning().noquote() << "Error reporter failed while reporting" << vb::Err().Number
                             << vb::Err().Description << "in" << procedure << module << project;
    }
}

void ShowErrorMessage(const QString& procedure, const QString& module, const QString& project)
{
    const vb::ErrObject& err = vb::Err();
    const QString text = QStringLiteral("Error nº %1: %2\n\nProcedimiento: %3\nMódulo: %4\nProyecto: %5")
                             .arg(err.Number)
                             .arg(err.Description, procedure, module, project);
    MsgBox(text, vbOKOnly + vbCritical);
}

} // namespace ui
