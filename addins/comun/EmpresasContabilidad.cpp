#include "comun/EmpresasContabilidad.h"

#include "comun/MonedaComplemento.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <QHash>

#include <cmath>

namespace addins {

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

using Mapa = QHash<qint64, qint64>;

// Accounts of `consulta` (id, kind, code, description, level) into the company.
Mapa CopiarCuentas(db::Connection& con, db::Recordset rs, qint64 destino)
{
    Mapa ids;
    for (; !rs.isEOF(); rs.MoveNext()) {
        con.Exec(L("INSERT INTO Cuenta (CodEmpresa, CodTipo_Cuenta, Codigo, Descripcion, Nivel, PresupuestoTotal, "
                   "PresupuestoTotalEuros) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                 {destino, rs.value(1), rs.value(2), rs.value(3), rs.value(4), L("0"), L("0")});
        ids.insert(rs.value(0).toInt64(), con.LastInsertId());
    }
    return ids;
}

// Headings of `consulta` (id, document, nature, code, description, order, formula).
Mapa CopiarEstructura(db::Connection& con, db::Recordset rs, qint64 destino)
{
    Mapa ids;
    for (; !rs.isEOF(); rs.MoveNext()) {
        con.Exec(L("INSERT INTO Estructura (codEmpresa, codDocumento, codNaturaleza, CodigoEpigrafe, Descripcion, "
                   "OrdenEpigrafe, Formula) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                 {destino, rs.value(1), rs.value(2), rs.value(3), rs.value(4), rs.value(5), rs.value(6)});
        ids.insert(rs.value(0).toInt64(), con.LastInsertId());
    }
    return ids;
}

// Links of `consulta` (heading, account, breakdown) between the new rows; a
// link to a row that was not copied is left out.
void CopiarRelaciones(db::Connection& con, db::Recordset rs, const Mapa& estructuras, const Mapa& cuentas)
{
    for (; !rs.isEOF(); rs.MoveNext()) {
        const qint64 estructura = estructuras.value(rs.value(0).toInt64());
        const qint64 cuenta = cuentas.value(rs.value(1).toInt64());
        if (estructura == 0 || cuenta == 0)
            continue;
        con.Exec(L("INSERT INTO Rel_Estructura_Cuenta (codEstructura, codCuenta, Desglosar) VALUES (?, ?, ?)"),
                 {estructura, cuenta, qint64(rs.value(2).isNull() || !rs.value(2).toBool() ? 0 : -1)});
    }
}

// The fixed rows that headings and accounts refer to by number.
void AsegurarFilas(db::Connection& con, const QString& tabla, const QString& clave,
                   std::initializer_list<const char*> descripciones)
{
    qint64 id = 0;
    for (const char* descripcion : descripciones) {
        ++id;
        if (con.Query(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(tabla, clave), {id})
                .value(0)
                .toInt64()
            == 0)
            con.Exec(QStringLiteral("INSERT INTO %1 (%2, Descripcion) VALUES (?, ?)").arg(tabla, clave),
                     {id, L(descripcion)});
    }
}

} // namespace

bool EmpresasContabilidad::Leer(db::Connection& con, qint64 id, Empresa& empresa)
{
    db::Recordset rs = con.Query(L("SELECT IDEmpresa, Nombre, Abreviatura, AñoEjercicio, EjercicioCerrado, "
                                   "CodEmpresaAnterior, CodEmpresaSiguiente, CodGrupo FROM Empresa WHERE IDEmpresa = ?"),
                                 {id});
    if (rs.isEOF())
        return false;
    const auto numero = [&rs](int i) { return rs.value(i).isNull() ? qint64(0) : rs.value(i).toInt64(); };
    empresa.id = numero(0);
    empresa.nombre = rs.value(1).toString();
    empresa.abreviatura = rs.value(2).toString();
    empresa.anio = numero(3);
    empresa.cerrado = !rs.value(4).isNull() && rs.value(4).toBool();
    empresa.anterior = numero(5);
    empresa.siguiente = numero(6);
    empresa.grupo = numero(7);
    return true;
}

QString EmpresasContabilidad::Nombre(const Empresa& empresa)
{
    return empresa.abreviatura.toUpper() + QStringLiteral(" - ") + QString::number(empresa.anio);
}

void EmpresasContabilidad::CopiarPlanPredeterminado(db::Connection& con, qint64 empresa)
{
    AsegurarFilas(con, L("Naturaleza"), L("IDNaturaleza"), {"Activo", "Pasivo", "Debe", "Haber"});
    AsegurarFilas(con, L("Documento"), L("IDDocumento"), {"Balance de situación", "Cuenta de pérdidas y ganancias"});
    AsegurarFilas(con, L("Tipo_Cuenta"), L("IDTipo_Cuenta"), {"Cuenta", "Subcuenta"});
    const Mapa cuentas = CopiarCuentas(
        con,
        con.Execute(L("SELECT IDCuenta, codTipo_Cuenta, Codigo, Descripcion, Nivel FROM Predet_Cuenta ORDER BY IDCuenta")),
        empresa);
    const Mapa estructuras =
        CopiarEstructura(con,
                         con.Execute(L("SELECT IDEstructura, codDocumento, codNaturaleza, CodigoEpigrafe, Descripcion, "
                                       "OrdenEpigrafe, Formula FROM Predet_Estructura ORDER BY IDEstructura")),
                         empresa);
    CopiarRelaciones(con,
                     con.Execute(L("SELECT codEstructura, codCuenta, Desglosar FROM Predet_Rel_Estructura_Cuenta "
                                   "ORDER BY IDRel_Estructura_Cuenta")),
                     estructuras, cuentas);
}

void EmpresasContabilidad::CopiarPlan(db::Connection& con, qint64 origen, qint64 destino)
{
    const Mapa cuentas = CopiarCuentas(
        con,
        con.Query(L("SELECT IDCuenta, CodTipo_Cuenta, Codigo, Descripcion, Nivel FROM Cuenta WHERE CodEmpresa = ? "
                    "ORDER BY IDCuenta"),
                  {origen}),
        destino);
    const Mapa estructuras =
        CopiarEstructura(con,
                         con.Query(L("SELECT IDEstructura, codDocumento, codNaturaleza, CodigoEpigrafe, Descripcion, "
                                     "OrdenEpigrafe, Formula FROM Estructura WHERE codEmpresa = ? ORDER BY IDEstructura"),
                                   {origen}),
                         destino);
    CopiarRelaciones(con,
                     con.Query(L("SELECT Rel_Estructura_Cuenta.codEstructura, Rel_Estructura_Cuenta.codCuenta, "
                                 "Rel_Estructura_Cuenta.Desglosar FROM Rel_Estructura_Cuenta INNER JOIN Estructura "
                                 "ON Rel_Estructura_Cuenta.codEstructura = Estructura.IDEstructura "
                                 "WHERE Estructura.codEmpresa = ? ORDER BY Rel_Estructura_Cuenta.IDRel_Estructura_Cuenta"),
                               {origen}),
                     estructuras, cuentas);
}

void EmpresasContabilidad::EliminarDependientes(db::Connection& con, qint64 empresa)
{
    con.Exec(L("DELETE FROM Apunte WHERE CodAsiento IN (SELECT IDAsiento FROM Asiento WHERE CodEmpresa = ?)"),
             {empresa});
    con.Exec(L("DELETE FROM Asiento WHERE CodEmpresa = ?"), {empresa});
    con.Exec(L("DELETE FROM ApuntePredefinido WHERE CodAsientoPredefinido IN "
               "(SELECT IDAsientoPredefinido FROM AsientoPredefinido WHERE codEmpresa = ?)"),
             {empresa});
    con.Exec(L("DELETE FROM AsientoPredefinido WHERE codEmpresa = ?"), {empresa});
    con.Exec(L("DELETE FROM Rel_Estructura_Cuenta WHERE codEstructura IN "
               "(SELECT IDEstructura FROM Estructura WHERE codEmpresa = ?)"),
             {empresa});
    con.Exec(L("DELETE FROM Estructura WHERE codEmpresa = ?"), {empresa});
    con.Exec(L("DELETE FROM Cuenta WHERE CodEmpresa = ?"), {empresa});
    con.Exec(L("UPDATE Empresa SET CodEmpresaSiguiente = 0 WHERE CodEmpresaSiguiente = ?"), {empresa});
    con.Exec(L("UPDATE Empresa SET CodEmpresaAnterior = 0 WHERE CodEmpresaAnterior = ?"), {empresa});
}

qint64 EmpresasContabilidad::CerrarEjercicio(db::Connection& con, qint64 id)
{
    db::Transaction transaccion(con);
    Empresa empresa;
    if (!Leer(con, id, empresa) || empresa.cerrado)
        return 0;
    // A year closed before and reopened keeps its next year: closing it
    // again goes on with that company instead of making a second one.
    Empresa siguiente;
    qint64 nueva = 0;
    if (empresa.siguiente != 0 && Leer(con, empresa.siguiente, siguiente)) {
        nueva = siguiente.id;
    } else {
        con.Exec(L("INSERT INTO Empresa (Nombre, Abreviatura, AñoEjercicio, EjercicioCerrado, CodEmpresaAnterior, "
                   "CodEmpresaSiguiente, CodGrupo) VALUES (?, ?, ?, 0, ?, 0, ?)"),
                 {empresa.nombre, empresa.abreviatura, empresa.anio + 1, empresa.id, empresa.grupo});
        nueva = con.LastInsertId();
        CopiarPlan(con, empresa.id, nueva);
    }
    con.Exec(L("UPDATE Empresa SET EjercicioCerrado = -1, CodEmpresaSiguiente = ? WHERE IDEmpresa = ?"),
             {nueva, empresa.id});
    transaccion.Commit();
    return nueva;
}

bool EmpresasContabilidad::AbrirEjercicio(db::Connection& con, qint64 id)
{
    db::Transaction transaccion(con);
    Empresa empresa;
    if (!Leer(con, id, empresa) || !empresa.cerrado)
        return false;
    con.Exec(L("UPDATE Empresa SET EjercicioCerrado = 0 WHERE IDEmpresa = ?"), {id});
    transaccion.Commit();
    return true;
}

qint64 EmpresasContabilidad::RenumerarAsientos(db::Connection& con, qint64 id)
{
    db::Transaction transaccion(con);
    Empresa empresa;
    if (!Leer(con, id, empresa) || empresa.cerrado)
        return -1;
    // The order is read whole first: numbers written meanwhile must not
    // change it.
    QList<qint64> orden;
    for (db::Recordset rs = con.Query(
             QStringLiteral("SELECT IDAsiento FROM Asiento WHERE CodEmpresa = ? ORDER BY Fecha, Numero, IDAsiento"),
             {db::Value(id)});
         !rs.isEOF(); rs.MoveNext())
        orden << rs.value(0).toInt64();
    for (qsizetype i = 0; i < orden.size(); ++i)
        con.Exec(QStringLiteral("UPDATE Asiento SET Numero = ? WHERE IDAsiento = ?"),
                 {db::Value(qint64(i + 1)), db::Value(orden.at(i))});
    const qint64 asientos = orden.size();
    transaccion.Commit();
    return asientos;
}

qint64 EmpresasContabilidad::MoverApuntes(db::Connection& con, qint64 id, qint64 origen, qint64 destino)
{
    db::Transaction transaccion(con);
    Empresa empresa;
    if (!Leer(con, id, empresa) || empresa.cerrado)
        return -1;
    const qint64 propias = con.Query(QStringLiteral("SELECT COUNT(*) FROM Cuenta WHERE CodEmpresa = ? AND "
                                                    "CodTipo_Cuenta = 2 AND IDCuenta IN (?, ?)"),
                                     {db::Value(id), db::Value(origen), db::Value(destino)})
                               .value(0)
                               .toInt64();
    if (origen == destino || propias != 2)
        return -1;
    const QList<db::Value> valores {db::Value(origen), db::Value(id)};
    const QString deLaEmpresa = QStringLiteral("CodCuenta = ? AND CodAsiento IN "
                                               "(SELECT IDAsiento FROM Asiento WHERE CodEmpresa = ?)");
    const qint64 apuntes =
        con.Query(QStringLiteral("SELECT COUNT(*) FROM Apunte WHERE ") + deLaEmpresa, valores).value(0).toInt64();
    con.Exec(QStringLiteral("UPDATE Apunte SET CodCuenta = ? WHERE ") + deLaEmpresa,
             {db::Value(destino), db::Value(origen), db::Value(id)});
    transaccion.Commit();
    return apuntes;
}

bool EmpresasContabilidad::RecalcularTotales(db::Connection& con, qint64 id, bool pesetas)
{
    db::Transaction transaccion(con);
    Empresa empresa;
    if (!Leer(con, id, empresa) || empresa.cerrado)
        return false;
    const QString debe = pesetas ? L("CtdadDebe") : L("CtdadDebeEuros");
    const QString haber = pesetas ? L("CtdadHaber") : L("CtdadHaberEuros");
    const QString debeOtra = pesetas ? L("CtdadDebeEuros") : L("CtdadDebe");
    const QString haberOtra = pesetas ? L("CtdadHaberEuros") : L("CtdadHaber");
    const auto otra = [pesetas](const db::Value& v) -> db::Value {
        if (v.isNull())
            return {};
        return Convertir(v.toDouble(), pesetas);
    };
    for (db::Recordset rs = con.Query(QStringLiteral("SELECT Apunte.IDApunte, Apunte.%1, Apunte.%2 FROM Apunte "
                                                     "INNER JOIN Asiento ON Apunte.CodAsiento = Asiento.IDAsiento "
                                                     "WHERE Asiento.CodEmpresa = ?")
                                          .arg(debe, haber),
                                      {id});
         !rs.isEOF(); rs.MoveNext())
        con.Exec(QStringLiteral("UPDATE Apunte SET %1 = ?, %2 = ? WHERE IDApunte = ?").arg(debeOtra, haberOtra),
                 {otra(rs.value(1)), otra(rs.value(2)), rs.value(0)});

    const QString presupuesto = pesetas ? L("PresupuestoTotal") : L("PresupuestoTotalEuros");
    const QString presupuestoOtra = pesetas ? L("PresupuestoTotalEuros") : L("PresupuestoTotal");
    for (db::Recordset rs = con.Query(
             QStringLiteral("SELECT IDCuenta, %1 FROM Cuenta WHERE CodEmpresa = ? AND CodTipo_Cuenta = 2").arg(presupuesto),
             {id});
         !rs.isEOF(); rs.MoveNext()) {
        const QString texto = rs.value(1).toString().trimmed();
        const double importe = texto.isEmpty() ? 0.0 : rs.value(1).toDouble();
        con.Exec(QStringLiteral("UPDATE Cuenta SET %1 = ?, %2 = ? WHERE IDCuenta = ?").arg(presupuesto, presupuestoOtra),
                 {TextoPresupuesto(importe), TextoPresupuesto(importe == 0 ? 0.0 : Convertir(importe, pesetas)),
                  rs.value(0)});
    }
    transaccion.Commit();
    return true;
}

double EmpresasContabilidad::Convertir(double importe, bool aEuros)
{
    PVAPI::cInfoConfiguracion config;
    return MonedaComplemento(config).convertir(importe, aEuros);
}

QString EmpresasContabilidad::TextoPresupuesto(double importe)
{
    const qint64 centimos = qint64(std::llround(importe * 100));
    if (centimos == 0)
        return L("0");
    QString texto = QString::number(centimos / 100);
    if (centimos < 0 && centimos / 100 == 0)
        texto.prepend(QLatin1Char('-'));
    const qint64 resto = std::llabs(centimos % 100);
    if (resto != 0)
        texto += QLatin1Char(',') + QStringLiteral("%1").arg(resto, 2, 10, QLatin1Char('0'));
    return texto;
}

} // namespace addins
