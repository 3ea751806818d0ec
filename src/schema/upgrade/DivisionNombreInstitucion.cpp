#include "schema/upgrade/DivisionNombreInstitucion.h"

#include "schema/upgrade/EjecucionTolerante.h"

#include "platform/db/Connection.h"
#include "platform/vb/Texto.h"

#include <QList>

namespace {

struct FilaInstitucion {
    db::Value id;
    std::optional<QString> nombre;
    QString tipo;
    QString nombreInstitucion;
};

} // namespace

std::optional<NombreInstitucion> DividirNombreInstitucion(const std::optional<QString>& nombre,
                                                          const QString& tipoActual, const QString& nombreActual)
{
    if (!nombre)
        return std::nullopt;
    const QString unido = vb::Trim(tipoActual + QLatin1Char(' ') + nombreActual);
    const QString n = vb::Trim(*nombre);
    if (n == unido)
        return std::nullopt;
    const qsizetype blanco = n.indexOf(QLatin1Char(' '));
    NombreInstitucion partes;
    if (blanco >= 0) {
        partes.tipo = vb::Trim(n.left(blanco));
        partes.nombre = vb::Trim(n.mid(blanco + 1));
    } else {
        partes.nombre = n;
    }
    if (partes.tipo.size() > kAnchoInstitucionTipo || partes.nombre.size() > kAnchoInstitucionNombre)
        return std::nullopt;
    return partes;
}

void DividirNombresInstituciones(EjecucionTolerante& ejecucion)
{
    db::Connection& con = ejecucion.Conexion();
    // The rows are read whole first, so the updates never run under an open
    // read of the same table.
    QList<FilaInstitucion> filas;
    const bool leidas = ejecucion.Intentar([&] {
        db::Recordset rs = con.Execute(QStringLiteral("SELECT IDInstitucion, InstitucionTipo, InstitucionNombre, Nombre "
                                                      "FROM Institucion"));
        for (; !rs.isEOF(); rs.MoveNext()) {
            FilaInstitucion fila;
            fila.id = rs.value(QStringLiteral("IDInstitucion"));
            const db::Value nombre = rs.value(QStringLiteral("Nombre"));
            if (!nombre.isNull())
                fila.nombre = nombre.toString();
            fila.tipo = rs.value(QStringLiteral("InstitucionTipo")).toString();
            fila.nombreInstitucion = rs.value(QStringLiteral("InstitucionNombre")).toString();
            filas.append(fila);
        }
    });
    if (!leidas)
        return;
    for (const FilaInstitucion& fila : filas) {
        const std::optional<NombreInstitucion> partes = DividirNombreInstitucion(fila.nombre, fila.tipo,
                                                                                fila.nombreInstitucion);
        if (!partes)
            continue;
        ejecucion.Ejecutar(QStringLiteral("UPDATE Institucion SET InstitucionTipo = ?, InstitucionNombre = ? "
                                          "WHERE IDInstitucion = ?"),
                           {partes->tipo, partes->nombre, fila.id});
    }
}
