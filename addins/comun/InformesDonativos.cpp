#include "comun/InformesDonativos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QString>

namespace informes_donativos {

namespace {

// The donors with their town and province, in the order both lists print.
const char* const kDonantes =
    "SELECT Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, Padron.Direccion, "
    "Padron.CPostal, Municipio.Nombre, Provincia.Nombre, Padron.Telefono, Institucion.Nombre "
    "FROM ((((Padron INNER JOIN Padron_TipoPersona ON Padron_TipoPersona.CodPadron = Padron.IDPadron) "
    "LEFT JOIN Municipio ON Municipio.IDMunicipio = Padron.CodMunicipio) "
    "LEFT JOIN Provincia ON Provincia.IDProvincia = Municipio.CodProvincia) "
    "LEFT JOIN Institucion ON Institucion.IDInstitucion = Padron.CodInstitucionEmpadronado) "
    "WHERE Padron_TipoPersona.CodTipoPersona = 1 "
    "ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron";

QString Texto(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? QString() : rs.value(campo).toString();
}

// "PrimerApellido SegundoApellido, Nombre", as every report writes a person.
QString NombreCompleto(const QString& nombre, const QString& primero, const QString& segundo)
{
    const QString apellidos = (primero + QLatin1Char(' ') + segundo).trimmed();
    if (nombre.isEmpty())
        return apellidos;
    return apellidos.isEmpty() ? nombre : apellidos + QStringLiteral(", ") + nombre;
}

} // namespace

void Vaciar(db::Connection& conInformes, const char* tabla)
{
    conInformes.Execute(QStringLiteral("DELETE FROM ") + QString::fromLatin1(tabla));
}

void LlenarPersonas(db::Connection& conLocal, db::Connection& conInformes)
{
    db::Recordset rs = conLocal.Execute(QString::fromLatin1(kDonantes));
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Persona");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Persona (Orden, Nombre, PrimerApellido, SegundoApellido, Persona_Nombre, "
        "Persona_NIF, Persona_Domicilio, Persona_CP, Persona_Poblacion, Persona_Provincia, Persona_Telefono, "
        "Institucion_Nombre) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        const QString nombre = Texto(rs, 0);
        const QString primero = Texto(rs, 1);
        const QString segundo = Texto(rs, 2);
        conInformes.Exec(insertar, {orden, nombre, primero, segundo, NombreCompleto(nombre, primero, segundo),
                                    Texto(rs, 3), Texto(rs, 4), Texto(rs, 5), Texto(rs, 6), Texto(rs, 7),
                                    Texto(rs, 8), Texto(rs, 9)});
    }
    transaccion.Commit();
}

void LlenarEtiquetas(db::Connection& conLocal, db::Connection& conInformes)
{
    db::Recordset rs = conLocal.Execute(QString::fromLatin1(kDonantes));
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Etiquetas");
    const QString insertar = QStringLiteral(
        "INSERT INTO Etiquetas (Orden, Nombre, Domicilio, CP, Poblacion, Provincia) VALUES (?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        // On an envelope the name reads in its natural order.
        const QString nombre = (Texto(rs, 0) + QLatin1Char(' ') + Texto(rs, 1) + QLatin1Char(' ') + Texto(rs, 2))
                                   .simplified();
        conInformes.Exec(insertar, {orden, nombre, Texto(rs, 4), Texto(rs, 5), Texto(rs, 6), Texto(rs, 7)});
    }
    transaccion.Commit();
}

void LlenarTotales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas)
{
    const QString importe = pesetas ? QStringLiteral("Donativo.Importe") : QStringLiteral("Donativo.ImporteEur");
    db::Recordset rs = conLocal.Execute(
        QStringLiteral("SELECT Institucion.Nombre, Tipo_Donativo.Descripcion, COUNT(*), "
                       "SUM(IIf(Donativo.PagoBanco, 0, %1)), SUM(IIf(Donativo.PagoBanco, %1, 0)), SUM(%1) "
                       "FROM (Donativo LEFT JOIN Institucion ON Institucion.IDInstitucion = Donativo.CodInstitucion) "
                       "LEFT JOIN Tipo_Donativo ON Tipo_Donativo.IDTipo_Donativo = Donativo.CodTipoDonativo "
                       "GROUP BY Institucion.Nombre, Tipo_Donativo.Descripcion "
                       "ORDER BY Institucion.Nombre, Tipo_Donativo.Descripcion")
            .arg(importe));
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Totales_Vodidazaz");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Totales_Vodidazaz (Orden, Institucion_Nombre, TipoDonativo, NumeroDonativos, "
        "ImporteCaja, ImporteBanco, ImporteTotal) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(insertar, {orden, Texto(rs, 0), Texto(rs, 1), rs.value(2).toInt64(),
                                    rs.value(3).toDouble(), rs.value(4).toDouble(), rs.value(5).toDouble()});
    }
    transaccion.Commit();
}

} // namespace informes_donativos
