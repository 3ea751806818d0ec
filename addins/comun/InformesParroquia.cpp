#include "comun/InformesParroquia.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QString>

namespace informes_parroquia {

namespace {

QString Texto(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? QString() : rs.value(campo).toString();
}

} // namespace

void LlenarAgenda(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT Fecha, HoraInicio, HoraFin, Nombre, Descripcion FROM Tareas%1 "
                       "ORDER BY Fecha, HoraInicio, Nombre, IDTarea")
            .arg(filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    conInformes.Execute(QStringLiteral("DELETE FROM Tareas_Agenda"));
    const QString insertar = QStringLiteral(
        "INSERT INTO Tareas_Agenda (Orden, Fecha, HoraInicio, HoraFin, Nombre, Descripcion) VALUES (?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden)
        conInformes.Exec(insertar, {orden, Texto(rs, 0), Texto(rs, 1), Texto(rs, 2), Texto(rs, 3), Texto(rs, 4)});
    transaccion.Commit();
}

void LlenarColaboradores(db::Connection& conLocal, db::Connection& conInformes, bool porActividad,
                         const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT Institucion.Nombre, Actividad.Nombre, Grupo.Nombre, Cargo.Nombre, Padron.Nombre, "
                       "Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, Padron.Direccion, Padron.CPostal, "
                       "Municipio.Nombre, Provincia.Nombre, Padron.Telefono "
                       "FROM ((((((Padron_Actividad INNER JOIN Padron ON Padron.IDPadron = Padron_Actividad.CodPadron) "
                       "LEFT JOIN Grupo ON Grupo.IDGrupo = Padron_Actividad.CodGrupo) "
                       "LEFT JOIN Actividad ON Actividad.IDActividad = Grupo.CodActividad) "
                       "LEFT JOIN Cargo ON Cargo.IDCargo = Padron_Actividad.CodCargo) "
                       "LEFT JOIN Institucion ON Institucion.IDInstitucion = Actividad.CodInstitucion) "
                       "LEFT JOIN Municipio ON Municipio.IDMunicipio = Padron.CodMunicipio) "
                       "LEFT JOIN Provincia ON Provincia.IDProvincia = Municipio.CodProvincia%2 "
                       "ORDER BY %1, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, "
                       "Padron_Actividad.IDActividadesPadron")
            .arg(porActividad ? QStringLiteral("Actividad.Nombre, Grupo.Nombre")
                              : QStringLiteral("Grupo.Nombre, Actividad.Nombre"),
                 filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    conInformes.Execute(QStringLiteral("DELETE FROM Informe_Colaboradores"));
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Colaboradores (Orden, Institucion_Nombre, Actividad, Grupo, Cargo, Persona_Nombre, "
        "Nombre, PrimerApellido, SegundoApellido, NIF, Domicilio, CP, Poblacion, Provincia, Telefono) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        const QString nombre = Texto(rs, 4);
        const QString apellidos = (Texto(rs, 5) + QLatin1Char(' ') + Texto(rs, 6)).trimmed();
        const QString completo = nombre.isEmpty() ? apellidos
                                 : apellidos.isEmpty() ? nombre
                                                       : apellidos + QStringLiteral(", ") + nombre;
        conInformes.Exec(insertar, {orden, Texto(rs, 0), Texto(rs, 1), Texto(rs, 2), Texto(rs, 3), completo, nombre,
                                    Texto(rs, 5), Texto(rs, 6), Texto(rs, 7), Texto(rs, 8), Texto(rs, 9),
                                    Texto(rs, 10), Texto(rs, 11), Texto(rs, 12)});
    }
    transaccion.Commit();
}

} // namespace informes_parroquia
