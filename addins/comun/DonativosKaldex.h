#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace db {
class Connection;
}

// The donations of the older parish program ("sucu.dbf" bank branches,
// "reci.dbf" donors, "re_l.dbf" donations) brought into the parish database
// through the field mapping of docs/ImportacionKaldex.md, all in one
// transaction: a table that cannot be read or lacks a required field, or a
// failure while writing, leaves nothing of the module. Donors whose bank
// data are not correct keep their donations, paid in cash.
struct OpcionesDonativosKaldex {
    QString carpeta;
    qint32 idInstitucion = 0;
    // 0: "Nombre Apellido1 Apellido2"; 1: "Apellido1 Apellido2, Nombre".
    quint8 ordenNombres = 0;
};

struct ResultadoDonativosKaldex {
    bool importado = false;
    int sucursales = 0;
    int donantes = 0;
    int donativos = 0;
    QStringList incidencias;
};

// `progreso` (may be empty) hears the step (0 banks and branches, 1 donors
// and donations), the records read and the records of the table.
ResultadoDonativosKaldex ImportarDonativosKaldex(db::Connection& conLocal, const OpcionesDonativosKaldex& opciones,
                                                 const std::function<void(int, qint64, qint64)>& progreso = {});
