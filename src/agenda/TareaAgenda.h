#pragma once

#include <QString>
#include <QtGlobal>

// One row of `Tareas`, as the agenda reads it: dates "yyyymmdd", times
// "HHMM" exactly as stored (they are not always well formed).
struct TareaAgenda {
    qint32 IDTarea = 0;
    QString Nombre;
    QString Descripcion;
    QString Fecha;
    QString HoraInicio;
    QString HoraFin;
};
