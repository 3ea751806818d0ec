#include "NvContabilidadInf/InformesContabilidadSustituto.h"

#include "comun/AvisoNoDisponible.h"
#include "comun/EmpresasContabilidad.h"
#include "comun/ModuloDeUnaClase.h"
#include "core/cConfigContabilidad.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/IControlInforme.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/Format.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <vector>

namespace addins {

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

void Mensaje(const QString& texto)
{
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
}

// One line of a report: a heading (kind 1) or a line with up to three amounts.
struct Linea {
    bool titulo = false;
    QString codigo;
    QString descripcion;
    QString fecha;
    std::optional<double> importe[3];
};

struct Informe {
    QString titulo;
    QString columnas[3];
    std::vector<Linea> lineas;

    void Titulo(const QString& texto) { lineas.push_back({true, {}, texto, {}, {}}); }
    void Anadir(const QString& codigo, const QString& descripcion, std::optional<double> a = {},
                std::optional<double> b = {}, std::optional<double> c = {}, const QString& fecha = {})
    {
        lineas.push_back({false, codigo, descripcion, fecha, {a, b, c}});
    }
};

// Amounts of the working currency.
struct Moneda {
    QString debe;
    QString haber;
    bool pesetas;
};

Moneda MonedaDe(const cConfigContabilidad& objConfig)
{
    const bool pesetas = objConfig.TrabajarConPesetas();
    return {pesetas ? L("CtdadDebe") : L("CtdadDebeEuros"), pesetas ? L("CtdadHaber") : L("CtdadHaberEuros"), pesetas};
}

double Numero(const db::Value& v)
{
    return v.isNull() || v.toString().trimmed().isEmpty() ? 0.0 : v.toDouble();
}

// Debit and credit of each sub-account code of the company.
QMap<QString, std::pair<double, double>> Movimientos(db::Connection& con, qint64 empresa, const Moneda& m)
{
    QMap<QString, std::pair<double, double>> movimientos;
    for (db::Recordset rs = con.Query(QStringLiteral("SELECT Cuenta.Codigo, Apunte.%1, Apunte.%2 FROM (Apunte "
                                                     "INNER JOIN Asiento ON Apunte.CodAsiento = Asiento.IDAsiento) "
                                                     "INNER JOIN Cuenta ON Apunte.CodCuenta = Cuenta.IDCuenta "
                                                     "WHERE Asiento.CodEmpresa = ?")
                                          .arg(m.debe, m.haber),
                                      {empresa});
         !rs.isEOF(); rs.MoveNext()) {
        auto& suma = movimientos[rs.value(0).toString()];
        suma.first += Numero(rs.value(1));
        suma.second += Numero(rs.value(2));
    }
    return movimientos;
}

// Debit minus credit of every sub-account whose code begins with `codigo`.
double Saldo(const QMap<QString, std::pair<double, double>>& movimientos, const QString& codigo)
{
    double saldo = 0;
    for (auto it = movimientos.lowerBound(codigo); it != movimientos.cend() && it.key().startsWith(codigo); ++it)
        saldo += it.value().first - it.value().second;
    return saldo;
}

// The amount of each heading of a document by its code: its accounts'
// balances (credit natures as credit minus debit), then its sub-headings',
// then the formulas ("AB+AD") of the total headings.
QHash<QString, double> ImportesEpigrafes(db::Connection& con, qint64 empresa, int documento, const Moneda& m)
{
    const auto movimientos = Movimientos(con, empresa, m);
    struct Epigrafe {
        QString codigo;
        int naturaleza;
        QString formula;
        double importe = 0;
    };
    std::vector<Epigrafe> epigrafes;
    QHash<QString, std::size_t> porCodigo;
    QHash<qint64, std::size_t> porId;
    for (db::Recordset rs = con.Query(L("SELECT IDEstructura, CodigoEpigrafe, codNaturaleza, Formula FROM Estructura "
                                        "WHERE codEmpresa = ? AND codDocumento = ? ORDER BY CodigoEpigrafe"),
                                      {empresa, documento});
         !rs.isEOF(); rs.MoveNext()) {
        porId.insert(rs.value(0).toInt64(), epigrafes.size());
        porCodigo.insert(rs.value(1).toString(), epigrafes.size());
        epigrafes.push_back({rs.value(1).toString(), int(rs.value(2).toInt64()), rs.value(3).toString().trimmed()});
    }
    for (db::Recordset rs = con.Query(L("SELECT Rel_Estructura_Cuenta.codEstructura, Cuenta.Codigo FROM "
                                        "(Rel_Estructura_Cuenta INNER JOIN Estructura ON "
                                        "Rel_Estructura_Cuenta.codEstructura = Estructura.IDEstructura) "
                                        "INNER JOIN Cuenta ON Rel_Estructura_Cuenta.codCuenta = Cuenta.IDCuenta "
                                        "WHERE Estructura.codEmpresa = ? AND Estructura.codDocumento = ?"),
                                      {empresa, documento});
         !rs.isEOF(); rs.MoveNext()) {
        Epigrafe& e = epigrafes[porId.value(rs.value(0).toInt64())];
        const double saldo = Saldo(movimientos, rs.value(1).toString());
        e.importe += (e.naturaleza == 2 || e.naturaleza == 4) ? -saldo : saldo;
    }
    // Deepest first, each heading adds itself to the heading its code lies under.
    for (auto it = epigrafes.rbegin(); it != epigrafes.rend(); ++it) {
        if (!it->formula.isEmpty())
            continue;
        for (qsizetype n = it->codigo.size() - 1; n > 0; --n) {
            const auto padre = porCodigo.constFind(it->codigo.left(n));
            if (padre != porCodigo.cend()) {
                epigrafes[*padre].importe += it->importe;
                break;
            }
        }
    }
    QHash<QString, double> importes;
    for (const Epigrafe& e : epigrafes)
        importes.insert(e.codigo, e.importe);
    for (Epigrafe& e : epigrafes) {
        if (e.formula.isEmpty())
            continue;
        double total = 0;
        for (const QString& parte : e.formula.split(QLatin1Char('+'), Qt::SkipEmptyParts))
            total += importes.value(parte.trimmed());
        importes.insert(e.codigo, total);
    }
    return importes;
}

void Balance(Informe& informe, db::Connection& con, qint64 empresa, int documento, const Moneda& m,
             qint64 anterior)
{
    const QHash<QString, double> importes = ImportesEpigrafes(con, empresa, documento, m);
    const QHash<QString, double> previos =
        anterior != 0 ? ImportesEpigrafes(con, anterior, documento, m) : QHash<QString, double>();
    for (db::Recordset rs = con.Query(L("SELECT CodigoEpigrafe, Descripcion, codNaturaleza FROM Estructura "
                                        "WHERE codEmpresa = ? AND codDocumento = ? ORDER BY codNaturaleza, CodigoEpigrafe"),
                                      {empresa, documento});
         !rs.isEOF(); rs.MoveNext()) {
        const QString codigo = rs.value(0).toString();
        std::optional<double> previo;
        if (anterior != 0 && previos.contains(codigo))
            previo = previos.value(codigo);
        informe.Anadir(codigo, rs.value(1).toString(), importes.value(codigo), previo);
    }
}

// The work table of a print, in a database of its own in a temporary folder:
// the program's report database is left alone, and two prints never share rows.
void Imprimir(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig, const Informe& informe,
              const QString& empresa)
{
    QTemporaryDir carpeta(QDir::temp().filePath(QStringLiteral("InformeContabilidad-XXXXXX")));
    if (!carpeta.isValid()) {
        Mensaje(QStringLiteral("¡No se puede preparar el informe: no se puede escribir en la carpeta temporal %1!")
                    .arg(QDir::tempPath()));
        return;
    }
    const QString archivo = carpeta.filePath(QStringLiteral("InformeContabilidad.mdb"));
    db::CreateDatabase(archivo);
    {
        db::Connection con;
        con.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + archivo);
        db::Transaction transaccion(con);
        con.Execute(L("CREATE TABLE InformeContabilidad (IDInformeContabilidad COUNTER PRIMARY KEY, Orden INT, "
                      "Tipo SMALLINT, Codigo NVARCHAR(30), Descripcion NVARCHAR(255), Fecha NVARCHAR(8), "
                      "Importe1 FLOAT, Importe2 FLOAT, Importe3 FLOAT)"));
        int orden = 0;
        for (const Linea& l : informe.lineas) {
            QList<db::Value> valores{++orden, l.titulo ? 1 : 0, l.codigo, l.descripcion, l.fecha};
            for (const std::optional<double>& importe : l.importe)
                valores << (importe ? db::Value(*importe) : db::Value());
            con.Exec(L("INSERT INTO InformeContabilidad (Orden, Tipo, Codigo, Descripcion, Fecha, Importe1, "
                       "Importe2, Importe3) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                     valores);
        }
        transaccion.Commit();
        con.Close();
    }
    const auto texto = [](const QString& valor) {
        return QLatin1Char('\'') + QString(valor).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    };
    crptInformes.setReportFileName(QStringLiteral("\\infCO_Contabilidad.rpt"));
    crptInformes.setDataFiles(0, archivo);
    crptInformes.setPassword(QStringLiteral("\n"));
    crptInformes.setWindowTitle(informe.titulo);
    const QStringList formulas{
        QStringLiteral("Titulo=") + texto(informe.titulo), QStringLiteral("Empresa=") + texto(empresa),
        QStringLiteral("Columna1=") + texto(informe.columnas[0]), QStringLiteral("Columna2=") + texto(informe.columnas[1]),
        QStringLiteral("Columna3=") + texto(informe.columnas[2]),
        QStringLiteral("PtsEur=") + (objConfig.TrabajarConPesetas() ? QStringLiteral("0") : QStringLiteral("2"))};
    for (int i = 0; i < formulas.size(); ++i)
        crptInformes.setFormulas(i, formulas[i]);
    crptInformes.PrintReport();
    for (int i = 0; i < formulas.size(); ++i)
        crptInformes.setFormulas(i, QString());
    if (crptInformes.LastErrorNumber() != 0)
        PVAPI::cDuzediv(objConfig.AppTitle().isEmpty() ? QStringLiteral("Norvia Parvanta 2000") : objConfig.AppTitle())
            .VerErrorCrystal(crptInformes);
}

// The company of a report, or a message saying why there is none.
std::optional<EmpresasContabilidad::Empresa> EmpresaDelInforme(db::Connection& con, qint32 lngEmpresa)
{
    EmpresasContabilidad::Empresa empresa;
    if (lngEmpresa == 0) {
        Mensaje(QStringLiteral("¡No hay ninguna empresa seleccionada!"));
        return std::nullopt;
    }
    if (!EmpresasContabilidad::Leer(con, lngEmpresa, empresa)) {
        Mensaje(QStringLiteral("¡La empresa seleccionada ya no existe!"));
        return std::nullopt;
    }
    return empresa;
}

using Llenado = void (*)(Informe&, db::Connection&, const EmpresasContabilidad::Empresa&, const Moneda&);

void Generar(PVAPI::IControlInforme& crptInformes, const cConfigContabilidad& objConfig, db::Connection& con,
             qint32 lngEmpresa, const QString& titulo, std::initializer_list<QString> columnas, Llenado llenar)
{
    const std::optional<EmpresasContabilidad::Empresa> empresa = EmpresaDelInforme(con, lngEmpresa);
    if (!empresa)
        return;
    Informe informe;
    informe.titulo = titulo;
    int i = 0;
    for (const QString& c : columnas)
        informe.columnas[i++] = c;
    llenar(informe, con, *empresa, MonedaDe(objConfig));
    Imprimir(crptInformes, objConfig, informe,
             empresa->nombre + QStringLiteral(" (") + EmpresasContabilidad::Nombre(*empresa) + QLatin1Char(')'));
}

void SumasySaldos(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda& m)
{
    const auto movimientos = Movimientos(con, empresa.id, m);
    for (db::Recordset rs = con.Query(L("SELECT Codigo, Descripcion FROM Cuenta WHERE CodEmpresa = ? "
                                        "AND CodTipo_Cuenta = 2 ORDER BY Codigo"),
                                      {empresa.id});
         !rs.isEOF(); rs.MoveNext()) {
        const auto suma = movimientos.value(rs.value(0).toString());
        informe.Anadir(rs.value(0).toString(), rs.value(1).toString(), suma.first, suma.second,
                       suma.first - suma.second);
    }
}

void Diario(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda& m)
{
    qint64 asiento = -1;
    for (db::Recordset rs = con.Query(
             QStringLiteral("SELECT Asiento.IDAsiento, Asiento.Numero, Asiento.Fecha, Asiento.ConceptoAsiento, "
                            "Cuenta.Codigo, Apunte.Concepto, Apunte.%1, Apunte.%2 FROM (Asiento INNER JOIN Apunte "
                            "ON Asiento.IDAsiento = Apunte.CodAsiento) LEFT JOIN Cuenta "
                            "ON Apunte.CodCuenta = Cuenta.IDCuenta WHERE Asiento.CodEmpresa = ? "
                            "ORDER BY Asiento.Numero, Asiento.Fecha, Asiento.IDAsiento, Apunte.IDApunte")
                 .arg(m.debe, m.haber),
             {empresa.id});
         !rs.isEOF(); rs.MoveNext()) {
        if (rs.value(0).toInt64() != asiento) {
            asiento = rs.value(0).toInt64();
            informe.Titulo(QStringLiteral("Asiento nº %1 - %2 - %3")
                               .arg(rs.value(1).toString(), vb::FechaTextoAFecha(rs.value(2).toString()),
                                    rs.value(3).toString()));
        }
        informe.Anadir(rs.value(4).toString(), rs.value(5).toString(), Numero(rs.value(6)), Numero(rs.value(7)), {},
                       rs.value(2).toString());
    }
}

void Mayor(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda& m)
{
    QString cuenta;
    double saldo = 0;
    for (db::Recordset rs = con.Query(
             QStringLiteral("SELECT Cuenta.Codigo, Cuenta.Descripcion, Asiento.Numero, Asiento.Fecha, Apunte.Concepto, "
                            "Apunte.%1, Apunte.%2 FROM (Apunte INNER JOIN Asiento ON Apunte.CodAsiento = "
                            "Asiento.IDAsiento) INNER JOIN Cuenta ON Apunte.CodCuenta = Cuenta.IDCuenta "
                            "WHERE Asiento.CodEmpresa = ? ORDER BY Cuenta.Codigo, Asiento.Fecha, Asiento.Numero, "
                            "Apunte.IDApunte")
                 .arg(m.debe, m.haber),
             {empresa.id});
         !rs.isEOF(); rs.MoveNext()) {
        if (rs.value(0).toString() != cuenta) {
            cuenta = rs.value(0).toString();
            saldo = 0;
            informe.Titulo(cuenta + QStringLiteral(" - ") + rs.value(1).toString());
        }
        const double debe = Numero(rs.value(5));
        const double haber = Numero(rs.value(6));
        saldo += debe - haber;
        informe.Anadir(rs.value(2).toString(), rs.value(4).toString(), debe, haber, saldo, rs.value(3).toString());
    }
}

void Subcuentas(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda&)
{
    for (db::Recordset rs = con.Query(L("SELECT Codigo, Descripcion FROM Cuenta WHERE CodEmpresa = ? "
                                        "AND CodTipo_Cuenta = 2 ORDER BY Codigo"),
                                      {empresa.id});
         !rs.isEOF(); rs.MoveNext())
        informe.Anadir(rs.value(0).toString(), rs.value(1).toString());
}

void Epigrafes(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda&)
{
    qint64 naturaleza = -1;
    for (db::Recordset rs = con.Query(
             L("SELECT Estructura.codNaturaleza, Naturaleza.Descripcion, Estructura.CodigoEpigrafe, "
               "Estructura.Descripcion, Estructura.Formula FROM Estructura LEFT JOIN Naturaleza "
               "ON Estructura.codNaturaleza = Naturaleza.IDNaturaleza WHERE Estructura.codEmpresa = ? "
               "ORDER BY Estructura.codDocumento, Estructura.codNaturaleza, Estructura.CodigoEpigrafe"),
             {empresa.id});
         !rs.isEOF(); rs.MoveNext()) {
        if (rs.value(0).toInt64() != naturaleza) {
            naturaleza = rs.value(0).toInt64();
            informe.Titulo(rs.value(1).toString());
        }
        const QString formula = rs.value(4).toString().trimmed();
        informe.Anadir(rs.value(2).toString(),
                       formula.isEmpty() ? rs.value(3).toString()
                                         : rs.value(3).toString() + QStringLiteral(" (") + formula + QLatin1Char(')'));
    }
}

void Presupuestos(Informe& informe, db::Connection& con, const EmpresasContabilidad::Empresa& empresa, const Moneda& m,
                  bool conRealizado)
{
    const auto movimientos = Movimientos(con, empresa.id, m);
    for (db::Recordset rs = con.Query(
             QStringLiteral("SELECT Codigo, Descripcion, %1 FROM Cuenta WHERE CodEmpresa = ? AND CodTipo_Cuenta = 2 "
                            "AND PresupuestoTotal <> '0' ORDER BY Codigo")
                 .arg(m.pesetas ? L("PresupuestoTotal") : L("PresupuestoTotalEuros")),
             {empresa.id});
         !rs.isEOF(); rs.MoveNext()) {
        const QString codigo = rs.value(0).toString();
        const double presupuesto = Numero(rs.value(2));
        if (!conRealizado) {
            informe.Anadir(codigo, rs.value(1).toString(), presupuesto);
            continue;
        }
        // Income (group 7) is what was credited; anything else what was debited.
        const double saldo = Saldo(movimientos, codigo);
        const double realizado = codigo.startsWith(QLatin1Char('7')) ? -saldo : saldo;
        informe.Anadir(codigo, rs.value(1).toString(), presupuesto, realizado, presupuesto - realizado);
    }
}

} // namespace

void InformesContabilidadSustituto::NoDisponible(const char* funcion)
{
    AvisoNoDisponible(QStringLiteral("NvContabilidadInf"), QString::fromLatin1(funcion));
}

void InformesContabilidadSustituto::ImprimirBalanceSumasySaldos(PVAPI::IControlInforme& crptInformes,
                                                                const cConfigContabilidad& objConfig,
                                                                db::Connection& conContabilidad, db::Connection&,
                                                                qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Balance de sumas y saldos"),
            {L("Debe"), L("Haber"), L("Saldo")}, SumasySaldos);
}

void InformesContabilidadSustituto::ImprimirBalanceSituacion(PVAPI::IControlInforme& crptInformes,
                                                             const cConfigContabilidad& objConfig,
                                                             db::Connection& conContabilidad, db::Connection&,
                                                             qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Balance de situación"), {L("Importe")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Balance(i, con, e.id, 1, m, 0);
            });
}

void InformesContabilidadSustituto::ImprimirBalanceSituacionComp(PVAPI::IControlInforme& crptInformes,
                                                                 const cConfigContabilidad& objConfig,
                                                                 db::Connection& conContabilidad, db::Connection&,
                                                                 qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Balance de situación comparado"),
            {L("Ejercicio"), L("Anterior")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Balance(i, con, e.id, 1, m, e.anterior);
            });
}

void InformesContabilidadSustituto::ImprimirBalancePYG(PVAPI::IControlInforme& crptInformes,
                                                       const cConfigContabilidad& objConfig,
                                                       db::Connection& conContabilidad, db::Connection&,
                                                       qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Cuenta de pérdidas y ganancias"), {L("Importe")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Balance(i, con, e.id, 2, m, 0);
            });
}

void InformesContabilidadSustituto::ImprimirBalancePYGComp(PVAPI::IControlInforme& crptInformes,
                                                           const cConfigContabilidad& objConfig,
                                                           db::Connection& conContabilidad, db::Connection&,
                                                           qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Cuenta de pérdidas y ganancias comparada"),
            {L("Ejercicio"), L("Anterior")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Balance(i, con, e.id, 2, m, e.anterior);
            });
}

void InformesContabilidadSustituto::ImprimirLibroDiario(PVAPI::IControlInforme& crptInformes,
                                                        const cConfigContabilidad& objConfig,
                                                        db::Connection& conContabilidad, db::Connection&,
                                                        qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Libro diario"), {L("Debe"), L("Haber")}, Diario);
}

void InformesContabilidadSustituto::ImprimirLibroMayor(PVAPI::IControlInforme& crptInformes,
                                                       const cConfigContabilidad& objConfig,
                                                       db::Connection& conContabilidad, db::Connection&,
                                                       qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Libro mayor"),
            {L("Debe"), L("Haber"), L("Saldo")}, Mayor);
}

void InformesContabilidadSustituto::ImprimirSubcuentas(PVAPI::IControlInforme& crptInformes,
                                                       const cConfigContabilidad& objConfig,
                                                       db::Connection& conContabilidad, db::Connection&,
                                                       qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Subcuentas"), {}, Subcuentas);
}

void InformesContabilidadSustituto::ImprimirEpigrafes(PVAPI::IControlInforme& crptInformes,
                                                      const cConfigContabilidad& objConfig,
                                                      db::Connection& conContabilidad, db::Connection&,
                                                      qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Epígrafes"), {}, Epigrafes);
}

void InformesContabilidadSustituto::ImprimirPresupuestoAnual(PVAPI::IControlInforme& crptInformes,
                                                             const cConfigContabilidad& objConfig,
                                                             db::Connection& conContabilidad, db::Connection&,
                                                             qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Presupuesto anual"),
            {L("Presupuesto"), L("Realizado"), L("Diferencia")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Presupuestos(i, con, e, m, true);
            });
}

void InformesContabilidadSustituto::ImprimirPresupuesto(PVAPI::IControlInforme& crptInformes,
                                                        const cConfigContabilidad& objConfig,
                                                        db::Connection& conContabilidad, db::Connection&,
                                                        qint32 lngEmpresa)
{
    Generar(crptInformes, objConfig, conContabilidad, lngEmpresa, L("Plan presupuestario"), {L("Presupuesto")},
            [](Informe& i, db::Connection& con, const EmpresasContabilidad::Empresa& e, const Moneda& m) {
                Presupuestos(i, con, e, m, false);
            });
}

// The accounting database keeps no invoices.
void InformesContabilidadSustituto::ImprimirFacturasEmitidas(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                             db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirFacturasEmitidas");
}

void InformesContabilidadSustituto::ImprimirFacturasRecibidas(PVAPI::IControlInforme&, const cConfigContabilidad&,
                                                              db::Connection&, db::Connection&, qint32)
{
    NoDisponible("ImprimirFacturasRecibidas");
}

} // namespace addins

DUZ_EXPORTAR_COMPLEMENTO(addins::InformesContabilidadSustituto)
