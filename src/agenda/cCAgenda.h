#pragma once

#include <QString>

// The two kinds of change of a task's hours that the planner reports.
struct cCAgenda {
    const QString EventoRESIZE = QStringLiteral("RESIZE");
    const QString EventoMOVE = QStringLiteral("MOVE");
};
