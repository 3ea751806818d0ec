#pragma once

#include "platform/ui/ErrorReporting.h"
#include "platform/vb/ErrObject.h"

#include <QList>
#include <QString>

// Records the errors reported while it lives, with the current error's
// number and description at the time, instead of showing them.
class ReportesGrabados {
public:
    struct Reporte {
        QString procedimiento;
        QString modulo;
        QString proyecto;
        long numero = 0;
        QString descripcion;
    };

    ReportesGrabados()
    {
        ui::SetErrorReporter([this](const QString& p, const QString& m, const QString& pr) {
            reportes.append({p, m, pr, vb::Err().Number, vb::Err().Description});
        });
    }
    ~ReportesGrabados() { ui::SetErrorReporter({}); }
    ReportesGrabados(const ReportesGrabados&) = delete;
    ReportesGrabados& operator=(const ReportesGrabados&) = delete;

    QList<Reporte> reportes;
};
