#include "comun/InformesDonativos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QDate>
#include <QHash>
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
    "WHERE Padron_TipoPersona.CodTipoPersona = 1";
const char* const kOrdenDonantes =
    " ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron";

QString ConsultaDonantes(const FiltroInforme& filtro)
{
    return QString::fromLatin1(kDonantes) + filtro.Ademas() + QString::fromLatin1(kOrdenDonantes);
}

QString Texto(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? QString() : rs.value(campo).toString();
}

// An amount, count, key or yes/no the database left Null counts as 0 or
// No: one such row must not stop the whole print.
double Numero(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? 0.0 : rs.value(campo).toDouble();
}

qint64 Entero(const db::Recordset& rs, int campo)
{
    return rs.value(campo).isNull() ? 0 : rs.value(campo).toInt64();
}

bool Logico(const db::Recordset& rs, int campo)
{
    return !rs.value(campo).isNull() && rs.value(campo).toBool();
}

// "PrimerApellido SegundoApellido, Nombre", as every report writes a person.
QString NombreCompleto(const QString& nombre, const QString& primero, const QString& segundo)
{
    const QString apellidos = (primero + QLatin1Char(' ') + segundo).trimmed();
    if (nombre.isEmpty())
        return apellidos;
    return apellidos.isEmpty() ? nombre : apellidos + QStringLiteral(", ") + nombre;
}

// The donor block of a donation report, from the donation's person.
const char* const kDonante =
    "Padron.Nombre, Padron.PrimerApellido, Padron.SegundoApellido, Padron.DNI, Padron.Direccion, Padron.CPostal, "
    "Municipio.Nombre, Provincia.Nombre, Padron.Telefono";

QString PersonaDesde(const db::Recordset& rs, int primero)
{
    return NombreCompleto(Texto(rs, primero), Texto(rs, primero + 1), Texto(rs, primero + 2));
}

QString Importe(bool pesetas, const char* tabla)
{
    return QString::fromLatin1(tabla) + (pesetas ? QStringLiteral(".Importe") : QStringLiteral(".ImporteEur"));
}

// Donation, its donor with town and province, institution and type.
const char* const kDesdeDonativo =
    "((((Donativo INNER JOIN Padron ON Padron.IDPadron = Donativo.CodPersonaDonativo) "
    "LEFT JOIN Municipio ON Municipio.IDMunicipio = Padron.CodMunicipio) "
    "LEFT JOIN Provincia ON Provincia.IDProvincia = Municipio.CodProvincia) "
    "LEFT JOIN Institucion ON Institucion.IDInstitucion = Donativo.CodInstitucion) "
    "LEFT JOIN Tipo_Donativo ON Tipo_Donativo.IDTipo_Donativo = Donativo.CodTipoDonativo";

} // namespace

void LlenarDonativosPorDonante(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                               const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT %1, Institucion.Nombre, Tipo_Donativo.Descripcion, Donativo.Descripcion, %2, "
                       "Recibo.PagoBanco, Recibo.Fecha, Recibo.NumeroRecibo FROM Recibo INNER JOIN (%3) ON "
                       "Donativo.IDDonativo = Recibo.CodDonativo%4 ORDER BY Padron.PrimerApellido, "
                       "Padron.SegundoApellido, Padron.Nombre, Padron.IDPadron, Recibo.Fecha, Recibo.IDRecibo")
            .arg(QString::fromLatin1(kDonante), Importe(pesetas, "Recibo"), QString::fromLatin1(kDesdeDonativo),
                 filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Persona_Donativo");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Persona_Donativo (Orden, Persona_Nombre, Persona_NIF, Persona_Domicilio, Persona_CP, "
        "Persona_Poblacion, Persona_Provincia, Persona_Telefono, Institucion_Nombre, TipoDonativo, Donativo, "
        "Importe, PagoBanco, Fecha, NumeroRecibo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(insertar, {orden, PersonaDesde(rs, 0), Texto(rs, 3), Texto(rs, 4), Texto(rs, 5),
                                    Texto(rs, 6), Texto(rs, 7), Texto(rs, 8), Texto(rs, 9), Texto(rs, 10),
                                    Texto(rs, 11), Numero(rs, 12), Logico(rs, 13), Texto(rs, 14),
                                    Texto(rs, 15)});
    }
    transaccion.Commit();
}

void LlenarDonantesConDonativo(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                               const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT %1, Institucion.Nombre, Tipo_Donativo.Descripcion, Donativo.Descripcion, %2, "
                       "Donativo.PagoBanco FROM %3%4 ORDER BY Padron.PrimerApellido, Padron.SegundoApellido, "
                       "Padron.Nombre, Padron.IDPadron, Donativo.IDDonativo")
            .arg(QString::fromLatin1(kDonante), Importe(pesetas, "Donativo"), QString::fromLatin1(kDesdeDonativo),
                 filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Vodidazaz_Donantes");
    const QString insertar = QStringLiteral(
        "INSERT INTO Vodidazaz_Donantes (Orden, Persona_Nombre, Persona_NIF, Persona_Domicilio, Persona_CP, "
        "Persona_Poblacion, Persona_Provincia, Persona_Telefono, Institucion_Nombre, TipoDonativo, Donativo, "
        "Importe, PagoBanco) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(insertar, {orden, PersonaDesde(rs, 0), Texto(rs, 3), Texto(rs, 4), Texto(rs, 5),
                                    Texto(rs, 6), Texto(rs, 7), Texto(rs, 8), Texto(rs, 9), Texto(rs, 10),
                                    Texto(rs, 11), Numero(rs, 12), Logico(rs, 13)});
    }
    transaccion.Commit();
}

void LlenarRemesas(db::Connection& conLocal, db::Connection& conInformes, bool pesetas, const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT %1, Institucion.Nombre, Donativo.Descripcion, %2, Remesa.Fecha, Presentador.Nombre, "
                       "Presentador.PrimerApellido, Presentador.SegundoApellido, Presentador.NIF, Recibo.NumeroRecibo, "
                       "Recibo.Fecha, %3 FROM ((Recibo INNER JOIN Remesa ON Remesa.IDRemesa = Recibo.CodRemesa) "
                       "LEFT JOIN Presentador ON Presentador.IDPresentador = Remesa.CodPresentador) "
                       "INNER JOIN (%4) ON Donativo.IDDonativo = Recibo.CodDonativo%5 "
                       "ORDER BY Remesa.Fecha, Remesa.IDRemesa, Recibo.NumeroRecibo, Recibo.IDRecibo")
            .arg(QString::fromLatin1(kDonante), Importe(pesetas, "Recibo"),
                 pesetas ? QStringLiteral("Remesa.ImporteTotal") : QStringLiteral("Remesa.ImporteTotalEur"),
                 QString::fromLatin1(kDesdeDonativo), filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Remesa");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Remesa (Orden, Persona_Nombre, Persona_NIF, Institucion_Nombre, Donativo, Importe, "
        "Remesa_Fecha, Presentador_Nombre, Presentador_NIF, NumeroRecibo, Recibo_Fecha, ImporteTotal) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(insertar, {orden, PersonaDesde(rs, 0), Texto(rs, 3), Texto(rs, 9), Texto(rs, 10),
                                    Numero(rs, 11), Texto(rs, 12), PersonaDesde(rs, 13), Texto(rs, 16),
                                    Texto(rs, 17), Texto(rs, 18), Numero(rs, 19)});
    }
    transaccion.Commit();
}

void LlenarCertificados(db::Connection& conLocal, db::Connection& conInformes, bool pesetas,
                        const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT %1, Recibo.NumCertificado, Recibo.NumeroRecibo, Recibo.Fecha, Donativo.Descripcion, "
                       "%2, Institucion.InstitucionTipo, Institucion.InstitucionNombre, Institucion.CIF, "
                       "Institucion.Domicilio, Institucion.CP, Institucion.ResponsableNombre, "
                       "Institucion.ResponsablePrimerApellido, Institucion.ResponsableSegundoApellido, "
                       "Institucion.ResponsableCargo, Institucion.CodMunicipio "
                       "FROM Recibo INNER JOIN (%3) ON Donativo.IDDonativo = Recibo.CodDonativo "
                       "WHERE Recibo.NumCertificado <> ''%4 ORDER BY Recibo.NumCertificado, Recibo.Fecha, "
                       "Recibo.IDRecibo")
            .arg(QString::fromLatin1(kDonante), Importe(pesetas, "Recibo"), QString::fromLatin1(kDesdeDonativo),
                 filtro.Ademas()),
        filtro.Valores());
    // Each certificate's total goes on each of its rows.
    QHash<QString, double> totales;
    for (; !rs.isEOF(); rs.MoveNext())
        totales[Texto(rs, 9)] += Numero(rs, 13);
    QHash<qint64, QPair<QString, QString>> lugares;
    for (db::Recordset m = conLocal.Execute(QStringLiteral(
             "SELECT Municipio.IDMunicipio, Municipio.Nombre, Provincia.Nombre FROM Municipio "
             "LEFT JOIN Provincia ON Provincia.IDProvincia = Municipio.CodProvincia"));
         !m.isEOF(); m.MoveNext())
        lugares.insert(m.value(0).toInt64(), {Texto(m, 1), Texto(m, 2)});
    const QString hoy = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Certificado_Recibo");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Certificado_Recibo (Orden, NumCertificado, Fecha, Ejercicio, Persona_Nombre, "
        "Persona_NIF, Persona_Domicilio, Persona_CP, Persona_Poblacion, Persona_Provincia, Persona_Telefono, "
        "InstitucionTipo, InstitucionNombre, Institucion_CIF, Institucion_Domicilio, Institucion_CP, "
        "Institucion_Poblacion, Institucion_Provincia, Responsable_Nombre, Responsable_Cargo, NumeroRecibo, "
        "Fecha_Recibo, Donativo, Importe, ImporteTotal, ImporteTotal_Texto) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int orden = 1;
    for (rs.MoveFirst(); !rs.isEOF(); rs.MoveNext(), ++orden) {
        const QString certificado = Texto(rs, 9);
        const QString fechaRecibo = Texto(rs, 11);
        const QPair<QString, QString> lugar = lugares.value(Entero(rs, 23));
        const QString responsable =
            (Texto(rs, 19) + QLatin1Char(' ') + Texto(rs, 20) + QLatin1Char(' ') + Texto(rs, 21)).simplified();
        const double total = totales.value(certificado);
        conInformes.Exec(insertar,
                         {orden, certificado, hoy, fechaRecibo.left(4).toInt(), PersonaDesde(rs, 0), Texto(rs, 3),
                          Texto(rs, 4), Texto(rs, 5), Texto(rs, 6), Texto(rs, 7), Texto(rs, 8), Texto(rs, 14),
                          Texto(rs, 15), Texto(rs, 16), Texto(rs, 17), Texto(rs, 18), lugar.first, lugar.second,
                          responsable, Texto(rs, 22), Texto(rs, 10), fechaRecibo, Texto(rs, 12),
                          Numero(rs, 13), total,
                          QString::number(total, 'f', pesetas ? 0 : 2) +
                              (pesetas ? QStringLiteral(" pesetas") : QStringLiteral(" euros"))});
    }
    transaccion.Commit();
}

void Vaciar(db::Connection& conInformes, const char* tabla)
{
    conInformes.Execute(QStringLiteral("DELETE FROM ") + QString::fromLatin1(tabla));
}

void LlenarPersonas(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(ConsultaDonantes(filtro), filtro.Valores());
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

void LlenarEtiquetas(db::Connection& conLocal, db::Connection& conInformes, const FiltroInforme& filtro)
{
    db::Recordset rs = conLocal.Query(ConsultaDonantes(filtro), filtro.Valores());
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

void LlenarTotales(db::Connection& conLocal, db::Connection& conInformes, bool pesetas, const FiltroInforme& filtro)
{
    const QString importe = pesetas ? QStringLiteral("Donativo.Importe") : QStringLiteral("Donativo.ImporteEur");
    db::Recordset rs = conLocal.Query(
        QStringLiteral("SELECT Institucion.Nombre, Tipo_Donativo.Descripcion, COUNT(*), "
                       "SUM(IIf(Donativo.PagoBanco, 0, %1)), SUM(IIf(Donativo.PagoBanco, %1, 0)), SUM(%1) "
                       "FROM (Donativo LEFT JOIN Institucion ON Institucion.IDInstitucion = Donativo.CodInstitucion) "
                       "LEFT JOIN Tipo_Donativo ON Tipo_Donativo.IDTipo_Donativo = Donativo.CodTipoDonativo%2 "
                       "GROUP BY Institucion.Nombre, Tipo_Donativo.Descripcion "
                       "ORDER BY Institucion.Nombre, Tipo_Donativo.Descripcion")
            .arg(importe, filtro.Donde()),
        filtro.Valores());
    db::Transaction transaccion(conInformes);
    Vaciar(conInformes, "Informe_Totales_Vodidazaz");
    const QString insertar = QStringLiteral(
        "INSERT INTO Informe_Totales_Vodidazaz (Orden, Institucion_Nombre, TipoDonativo, NumeroDonativos, "
        "ImporteCaja, ImporteBanco, ImporteTotal) VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (int orden = 1; !rs.isEOF(); rs.MoveNext(), ++orden) {
        conInformes.Exec(insertar, {orden, Texto(rs, 0), Texto(rs, 1), Entero(rs, 2),
                                    Numero(rs, 3), Numero(rs, 4), Numero(rs, 5)});
    }
    transaccion.Commit();
}

} // namespace informes_donativos
