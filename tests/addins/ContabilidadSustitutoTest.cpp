#include "ColaDialogos.h"

#include "addin_doubles/InstalarComplementos.h"
#include "core/cConfigContabilidad.h"
#include "comun/TraspasoEnlace.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/addins/cInformes.h"
#include "platform/report/ControlInforme.h"
#include "platform/report/DobleControlInforme.h"
#include "support/ScopedEnv.h"
#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroDetalle.h"
#include "platform/widgets/DialogoRegistroEleccion.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>
#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace addinstest {
namespace {

using testsupport::scriptedUi;
using widgets::DialogoRegistro;

// The accounting stand-in installed in a program folder and loaded by class
// name as the program loads it, on the accounting database the program's
// own code made (with its default chart).
class ContabilidadSustitutoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"NvContabilidad", "NvContabilidadInf"}));
        con = carpeta.abrir(BaseDatosPrograma::Contabilidad);
        contabilidad = addins::CrearObjeto<addins::cContabilidad>(addins::cContabilidad::NombreClase);
        config.SetTrabajarConPesetas(true);
    }

    qint64 Numero(const QString& sql, const QList<db::Value>& valores = {})
    {
        return con.Query(sql, valores).value(0).toInt64();
    }
    qint64 Numero(const char* sql, const QList<db::Value>& valores = {})
    {
        return Numero(QString::fromUtf8(sql), valores);
    }

    // A company made through the stand-in's own dialog.
    qint32 NuevaEmpresa(const char* nombre = "Parroquia San Pedro", const char* abreviatura = "sp",
                        const char* anio = "2024")
    {
        dialogos.Aceptar([=](DialogoRegistro& d) {
            d.Rellenar(QStringLiteral("Nombre"), QString::fromUtf8(nombre));
            d.Rellenar(QStringLiteral("Abreviatura"), QString::fromUtf8(abreviatura));
            d.Rellenar(QStringLiteral("AñoEjercicio"), QString::fromUtf8(anio));
        });
        qint32 id = -1;
        contabilidad->NuevaEmpresa(config, con, id);
        return id;
    }

    void Sql(const char* sentencia)
    {
        char* error = nullptr;
        ASSERT_EQ(sqlite3_exec(con.handle(), sentencia, nullptr, nullptr, &error), SQLITE_OK) << error;
    }

    QByteArray Bytes()
    {
        QFile f(carpeta.file(QStringLiteral("Contabilidad.mdb")));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    // Rows of the company's chart: accounts, headings, links between them.
    std::array<qint64, 3> Plan(qint64 empresa)
    {
        return {Numero("SELECT COUNT(*) FROM Cuenta WHERE CodEmpresa = ?", {empresa}),
                Numero("SELECT COUNT(*) FROM Estructura WHERE codEmpresa = ?", {empresa}),
                Numero("SELECT COUNT(*) FROM Rel_Estructura_Cuenta INNER JOIN Estructura "
                       "ON Rel_Estructura_Cuenta.codEstructura = Estructura.IDEstructura "
                       "INNER JOIN Cuenta ON Rel_Estructura_Cuenta.codCuenta = Cuenta.IDCuenta "
                       "WHERE Estructura.codEmpresa = ? AND Cuenta.CodEmpresa = ?",
                       {empresa, empresa})};
    }

    std::array<qint64, 3> PlanPredeterminado()
    {
        return {Numero("SELECT COUNT(*) FROM Predet_Cuenta"), Numero("SELECT COUNT(*) FROM Predet_Estructura"),
                Numero("SELECT COUNT(*) FROM Predet_Rel_Estructura_Cuenta")};
    }

    // A sub-account made through its dialog; its id.
    qint64 NuevaSubcuenta(qint32 empresa, const char* codigo, const char* descripcion)
    {
        dialogos.Aceptar([=](DialogoRegistro& d) {
            d.Rellenar(QStringLiteral("Codigo"), QString::fromUtf8(codigo));
            d.Rellenar(QStringLiteral("Descripcion"), QString::fromUtf8(descripcion));
        });
        bool cancelar = true;
        contabilidad->NuevaSubcuenta(config, con, empresa, cancelar);
        EXPECT_FALSE(cancelar);
        return Numero("SELECT IDCuenta FROM Cuenta WHERE CodEmpresa = ? AND Codigo = ?", {empresa, QString::fromUtf8(codigo)});
    }

    // Queues an entry line's dialog and opens it from the entry's list.
    void Apunte(DialogoRegistro& asiento, const char* subcuenta, const char* debe, const char* haber)
    {
        dialogos.Aceptar([=](DialogoRegistro& d) {
            d.Rellenar(QStringLiteral("CodCuenta"), QString::fromUtf8(subcuenta));
            d.Rellenar(QStringLiteral("Concepto"), QStringLiteral("Colecta"));
            if (*debe)
                d.Rellenar(QStringLiteral("CtdadDebe"), QString::fromUtf8(debe));
            if (*haber)
                d.Rellenar(QStringLiteral("CtdadHaber"), QString::fromUtf8(haber));
        });
        asiento.Detalle(0)->Nuevo();
    }

    QTreeWidgetItem* Nodo(QTreeWidget& arbol, const QString& clave)
    {
        for (QTreeWidgetItemIterator it(&arbol); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == clave)
                return *it;
        }
        return nullptr;
    }

    QString ClaveEpigrafe(qint32 empresa, const char* codigo)
    {
        return QStringLiteral("e")
            + QString::number(Numero("SELECT IDEstructura FROM Estructura WHERE codEmpresa = ? AND CodigoEpigrafe = ?",
                                     {empresa, QString::fromUtf8(codigo)}));
    }

    void Seleccionar(QTreeWidget& arbol, const QString& clave)
    {
        QTreeWidgetItem* nodo = Nodo(arbol, clave);
        ASSERT_TRUE(nodo) << clave.toStdString();
        arbol.clearSelection();
        arbol.setCurrentItem(nodo);
        nodo->setSelected(true);
    }

public:
    TempProgramFolder carpeta;
    db::Connection con;
    std::unique_ptr<addins::cContabilidad> contabilidad;
    cConfigContabilidad config;
    ColaDialogos dialogos;
};

// ---- Companies ---------------------------------------------------------------

TEST_F(ContabilidadSustitutoTest, ANewCompanyStartsWithItsOwnCopyOfTheDefaultChart)
{
    ASSERT_EQ(PlanPredeterminado(), (std::array<qint64, 3>{289, 68, 156}));
    const qint32 primera = NuevaEmpresa();
    const qint32 segunda = NuevaEmpresa("Parroquia San Juan", "sj", "2024");
    ASSERT_GT(primera, 0);
    ASSERT_GT(segunda, primera);

    // Every link joins a heading and an account of its own company.
    EXPECT_EQ(Plan(primera), PlanPredeterminado());
    EXPECT_EQ(Plan(segunda), PlanPredeterminado());
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Rel_Estructura_Cuenta"), 2 * 156);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE PresupuestoTotal = '0' AND PresupuestoTotalEuros = '0'"),
              2 * 289);
    EXPECT_EQ(PlanPredeterminado(), (std::array<qint64, 3>{289, 68, 156}));
    db::Recordset rs = con.Query(QStringLiteral("SELECT Abreviatura, AñoEjercicio, EjercicioCerrado, "
                                                "CodEmpresaAnterior, CodEmpresaSiguiente, CodGrupo FROM Empresa "
                                                "WHERE IDEmpresa = ?"),
                                 {primera});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("sp"));
    EXPECT_EQ(rs.value(1).toInt64(), 2024);
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(rs.value(i).toInt64(), 0) << i;
    // The natures the structure commands look up by caption are there.
    EXPECT_EQ(Numero("SELECT IDNaturaleza FROM Naturaleza WHERE Descripcion = 'Haber'"), 4);
}

TEST_F(ContabilidadSustitutoTest, ACancelledNewCompanyWritesNothing)
{
    dialogos.Cancelar();
    qint32 id = -1;
    contabilidad->NuevaEmpresa(config, con, id);
    EXPECT_EQ(id, 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Empresa"), 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta"), 0);
}

TEST_F(ContabilidadSustitutoTest, AFailedChartCopyLeavesNoCompanyBehind)
{
    Sql("CREATE TRIGGER falla AFTER INSERT ON Rel_Estructura_Cuenta BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    // The failure is reported and the dialog stays open; the user then cancels it.
    dialogos.Anadir([](QDialog& dialogo) {
        auto& d = dynamic_cast<DialogoRegistro&>(dialogo);
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Parroquia"));
        d.Rellenar(QStringLiteral("Abreviatura"), QStringLiteral("p"));
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_FALSE(d.Aceptar());
        return int(QDialog::Rejected);
    });
    qint32 id = -1;
    EXPECT_NO_THROW(contabilidad->NuevaEmpresa(config, con, id));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Empresa"), 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta"), 0);
    EXPECT_FALSE(con.InTransaction());
}

TEST_F(ContabilidadSustitutoTest, DeletingACompanyTakesOnlyItsOwnRowsAndUnchainsItsYears)
{
    const qint32 primera = NuevaEmpresa();
    const qint32 otra = NuevaEmpresa("Parroquia San Juan", "sj", "2024");
    scriptedUi().queueAnswer(ui::vbYes);
    qint32 empresa = primera;
    ASSERT_TRUE(contabilidad->CerrarEjercicio(config, con, empresa));
    const qint64 siguiente = Numero("SELECT CodEmpresaSiguiente FROM Empresa WHERE IDEmpresa = ?", {primera});
    Sql("INSERT INTO Asiento (CodEmpresa, Numero, Fecha) VALUES (1, 1, '20240105')");
    Sql("INSERT INTO Apunte (CodAsiento, CodCuenta, CtdadDebe) VALUES (1, 1, 100)");

    // Answered No: nothing goes.
    scriptedUi().queueAnswer(ui::vbNo);
    bool eliminada = true;
    contabilidad->EliminaEmpresa(config, con, empresa, eliminada);
    EXPECT_FALSE(eliminada);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("SP - 2024")));

    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminaEmpresa(config, con, empresa, eliminada);
    EXPECT_TRUE(eliminada);
    EXPECT_EQ(Plan(primera), (std::array<qint64, 3>{0, 0, 0}));
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Asiento"), 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte"), 0);
    EXPECT_EQ(Plan(otra), PlanPredeterminado());
    EXPECT_EQ(Plan(siguiente), PlanPredeterminado());
    EXPECT_EQ(Numero("SELECT CodEmpresaAnterior FROM Empresa WHERE IDEmpresa = ?", {siguiente}), 0);
}

// ---- The structure tree -------------------------------------------------------

TEST_F(ContabilidadSustitutoTest, TheTreeNestsHeadingsByCodeAndShowsTheirAccountsFirst)
{
    NuevaEmpresa();
    qint32 empresa = NuevaEmpresa("Parroquia San Juan", "sj", "2024");
    QTreeWidget arbol;
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::red);
    const addins::ListaImagenes imagenes{{QStringLiteral("epigrafe"), QIcon(dibujo)}};
    contabilidad->CargarArbol(con, arbol, imagenes, 1, empresa);

    // "ACTIVO" alone at the top, with its two blocks and the total under it.
    ASSERT_EQ(arbol.topLevelItemCount(), 1);
    QTreeWidgetItem* activo = arbol.topLevelItem(0);
    EXPECT_EQ(activo->text(0), QStringLiteral("ACTIVO"));
    QStringList hijos;
    for (int i = 0; i < activo->childCount(); ++i)
        hijos << activo->child(i)->text(0);
    EXPECT_EQ(hijos, (QStringList{QStringLiteral("B) INMOVILIZADO"), QStringLiteral("D) ACTIVO CIRCULANTE"),
                                  QStringLiteral("TOTAL ACTIVO")}));
    EXPECT_FALSE(activo->icon(0).isNull());
    EXPECT_EQ(arbol.selectedItems(), QList<QTreeWidgetItem*>{activo});

    // Every heading key names a heading of this company and nature; every
    // account key the code of an account of this company linked to its parent.
    int epigrafes = 0;
    int cuentas = 0;
    for (QTreeWidgetItemIterator it(&arbol); *it; ++it) {
        const QString clave = (*it)->data(0, Qt::UserRole).toString();
        if (clave.startsWith(QLatin1Char('e'))) {
            ++epigrafes;
            EXPECT_EQ(Numero("SELECT COUNT(*) FROM Estructura WHERE IDEstructura = ? AND codEmpresa = ? "
                             "AND codNaturaleza = 1",
                             {clave.mid(1).toLongLong(), empresa}),
                      1)
                << clave.toStdString();
        } else {
            ++cuentas;
            ASSERT_TRUE(clave.startsWith(QLatin1Char('c'))) << clave.toStdString();
            const QString padre = (*it)->parent()->data(0, Qt::UserRole).toString();
            EXPECT_EQ(Numero("SELECT COUNT(*) FROM Rel_Estructura_Cuenta INNER JOIN Cuenta "
                             "ON Rel_Estructura_Cuenta.codCuenta = Cuenta.IDCuenta "
                             "WHERE Cuenta.Codigo = ? AND Cuenta.CodEmpresa = ? AND codEstructura = ?",
                             {clave.mid(1), empresa, padre.mid(1).toLongLong()}),
                      1)
                << clave.toStdString();
            EXPECT_EQ((*it)->parent()->child(0)->data(0, Qt::UserRole).toString().left(1), QStringLiteral("c"));
        }
    }
    EXPECT_EQ(epigrafes, 23);
    EXPECT_EQ(cuentas, Numero("SELECT COUNT(*) FROM Predet_Rel_Estructura_Cuenta INNER JOIN Predet_Estructura "
                              "ON codEstructura = IDEstructura WHERE codNaturaleza = 1"));

    // "Haber": its headings hang from "HABER" by their codes.
    contabilidad->CargarArbol(con, arbol, imagenes, 4, empresa);
    ASSERT_EQ(arbol.topLevelItemCount(), 1);
    EXPECT_EQ(arbol.topLevelItem(0)->text(0), QStringLiteral("HABER"));
    EXPECT_EQ(arbol.topLevelItem(0)->childCount(), 8);

    // No company: an empty tree.
    qint32 ninguna = 0;
    contabilidad->CargarArbol(con, arbol, imagenes, 1, ninguna);
    EXPECT_EQ(arbol.topLevelItemCount(), 0);
}

// ---- Fiscal years ---------------------------------------------------------------

TEST_F(ContabilidadSustitutoTest, ClosingAYearMakesTheNextChainedWithTheChartAndReopeningKeepsIt)
{
    qint32 empresa = NuevaEmpresa();
    con.Exec(QStringLiteral("UPDATE Cuenta SET PresupuestoTotal = '1000', PresupuestoTotalEuros = '6,01' "
                            "WHERE CodEmpresa = ? AND Codigo = '10'"),
             {empresa});
    scriptedUi().queueAnswer(ui::vbYes);
    qint32 seleccionada = empresa;
    ASSERT_TRUE(contabilidad->CerrarEjercicio(config, con, seleccionada));
    EXPECT_EQ(seleccionada, empresa);
    EXPECT_FALSE(con.InTransaction());

    const qint64 siguiente = Numero("SELECT CodEmpresaSiguiente FROM Empresa WHERE IDEmpresa = ?", {empresa});
    ASSERT_GT(siguiente, empresa);
    EXPECT_EQ(Numero("SELECT EjercicioCerrado FROM Empresa WHERE IDEmpresa = ?", {empresa}), -1);
    db::Recordset rs = con.Query(QStringLiteral("SELECT Nombre, Abreviatura, AñoEjercicio, EjercicioCerrado, "
                                                "CodEmpresaAnterior, CodEmpresaSiguiente FROM Empresa "
                                                "WHERE IDEmpresa = ?"),
                                 {siguiente});
    EXPECT_EQ(rs.value(0).toString(), QStringLiteral("Parroquia San Pedro"));
    EXPECT_EQ(rs.value(1).toString(), QStringLiteral("sp"));
    EXPECT_EQ(rs.value(2).toInt64(), 2025);
    EXPECT_EQ(rs.value(3).toInt64(), 0);
    EXPECT_EQ(rs.value(4).toInt64(), empresa);
    EXPECT_EQ(rs.value(5).toInt64(), 0);
    EXPECT_EQ(Plan(siguiente), Plan(empresa));
    // Budgets belong to a year: the new one starts without them.
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE CodEmpresa = ? AND PresupuestoTotal <> '0'", {siguiente}), 0);

    scriptedUi().queueAnswer(ui::vbYes);
    ASSERT_TRUE(contabilidad->AbrirEjercicio(config, con, seleccionada));
    EXPECT_EQ(Numero("SELECT EjercicioCerrado FROM Empresa WHERE IDEmpresa = ?", {empresa}), 0);
    EXPECT_EQ(Numero("SELECT CodEmpresaSiguiente FROM Empresa WHERE IDEmpresa = ?", {empresa}), siguiente);
    EXPECT_FALSE(con.InTransaction());

    // Closed again, it goes on with the same next year.
    scriptedUi().queueAnswer(ui::vbYes);
    ASSERT_TRUE(contabilidad->CerrarEjercicio(config, con, seleccionada));
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Empresa"), 2);
    EXPECT_EQ(Numero("SELECT CodEmpresaSiguiente FROM Empresa WHERE IDEmpresa = ?", {empresa}), siguiente);
}

TEST_F(ContabilidadSustitutoTest, YearCommandsThatCannotRunSayWhyAndChangeNothing)
{
    qint32 abierta = NuevaEmpresa();
    qint32 cerrada = NuevaEmpresa("Parroquia San Juan", "sj", "2023");
    con.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = True WHERE IDEmpresa = ?"), {cerrada});
    qint32 ninguna = 0;
    qint32 borrada = 999;
    const QByteArray antes = Bytes();

    enum Orden { Cerrar, Abrir, Recalcular };
    struct Caso {
        Orden orden;
        qint32* empresa;
        int respuesta; // 0: no question
        const char* mensaje;
    } casos[] = {
        {Cerrar, &ninguna, 0, "¡No hay ninguna empresa seleccionada!"},
        {Abrir, &ninguna, 0, "¡No hay ninguna empresa seleccionada!"},
        {Recalcular, &ninguna, 0, "¡No hay ninguna empresa seleccionada!"},
        {Cerrar, &borrada, 0, "¡La empresa seleccionada ya no existe!"},
        {Abrir, &borrada, 0, "¡La empresa seleccionada ya no existe!"},
        {Cerrar, &cerrada, 0, "¡El ejercicio SJ - 2023 ya está cerrado!"},
        {Abrir, &abierta, 0, "¡El ejercicio SP - 2024 no está cerrado!"},
        {Recalcular, &cerrada, 0, "¡El ejercicio SJ - 2023 está cerrado: sus totales no se pueden cambiar!"},
        {Cerrar, &abierta, ui::vbNo, nullptr},
        {Abrir, &cerrada, ui::vbNo, nullptr},
    };
    for (const Caso& caso : casos) {
        const qsizetype mensajes = scriptedUi().messages().size();
        if (caso.respuesta)
            scriptedUi().queueAnswer(caso.respuesta);
        else
            scriptedUi().queueAnswer(ui::vbOK);
        const qint32 antesEmpresa = *caso.empresa;
        bool respuesta = true;
        switch (caso.orden) {
        case Cerrar: respuesta = contabilidad->CerrarEjercicio(config, con, *caso.empresa); break;
        case Abrir: respuesta = contabilidad->AbrirEjercicio(config, con, *caso.empresa); break;
        case Recalcular: respuesta = contabilidad->RecalcularTotales(config, con, *caso.empresa); break;
        }
        EXPECT_FALSE(respuesta) << int(caso.orden) << " " << antesEmpresa;
        EXPECT_EQ(*caso.empresa, antesEmpresa);
        ASSERT_EQ(scriptedUi().messages().size(), mensajes + 1);
        if (caso.mensaje) {
            EXPECT_EQ(scriptedUi().lastMessage().text, QString::fromUtf8(caso.mensaje));
        }
    }
    EXPECT_EQ(Bytes(), antes);
}

// A failure in the middle of a close or a reopen (here a trigger that fails,
// as a full disk would) leaves the file exactly as it was.
TEST_F(ContabilidadSustitutoTest, AFailedCloseOrReopenLeavesTheDatabaseByteForByteUnchanged)
{
    qint32 empresa = NuevaEmpresa();
    Sql("CREATE TRIGGER falla AFTER INSERT ON Rel_Estructura_Cuenta "
        "WHEN (SELECT COUNT(*) FROM Rel_Estructura_Cuenta) > 200 BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    const QByteArray antes = Bytes();
    scriptedUi().queueAnswer(ui::vbYes);
    EXPECT_THROW(contabilidad->CerrarEjercicio(config, con, empresa), vb::VbError);
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(Bytes(), antes);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Empresa"), 1);

    Sql("DROP TRIGGER falla");
    scriptedUi().queueAnswer(ui::vbYes);
    ASSERT_TRUE(contabilidad->CerrarEjercicio(config, con, empresa));
    Sql("CREATE TRIGGER falla AFTER UPDATE ON Empresa BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    const QByteArray cerrada = Bytes();
    scriptedUi().queueAnswer(ui::vbYes);
    EXPECT_THROW(contabilidad->AbrirEjercicio(config, con, empresa), vb::VbError);
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(Bytes(), cerrada);
}

TEST_F(ContabilidadSustitutoTest, RecalculatingTotalsWorksTheOtherCurrencyOutFromTheWorkingOne)
{
    qint32 empresa = NuevaEmpresa();
    con.Exec(QStringLiteral("INSERT INTO Asiento (CodEmpresa, Numero, Fecha) VALUES (?, 1, '20240105')"), {empresa});
    const qint64 asiento = con.LastInsertId();
    con.Exec(QStringLiteral("INSERT INTO Apunte (CodAsiento, CodCuenta, CtdadDebe, CtdadHaber, CtdadDebeEuros, "
                            "CtdadHaberEuros) VALUES (?, 1, 1000, 0, 99, 99)"),
             {asiento});
    con.Exec(QStringLiteral("INSERT INTO Cuenta (CodEmpresa, CodTipo_Cuenta, Codigo, Descripcion, PresupuestoTotal, "
                            "PresupuestoTotalEuros) VALUES (?, 2, '5720001', 'Banco', '20000', '0')"),
             {empresa});

    ASSERT_TRUE(contabilidad->RecalcularTotales(config, con, empresa));
    db::Recordset rs = con.Execute(QStringLiteral("SELECT CtdadDebeEuros, CtdadHaberEuros FROM Apunte"));
    EXPECT_DOUBLE_EQ(rs.value(0).toDouble(), 6.01);
    EXPECT_DOUBLE_EQ(rs.value(1).toDouble(), 0);
    EXPECT_EQ(con.Execute(QStringLiteral("SELECT PresupuestoTotalEuros FROM Cuenta WHERE Codigo = '5720001'"))
                  .value(0)
                  .toString(),
              QStringLiteral("120,20"));
    EXPECT_FALSE(con.InTransaction());
}

// Entries are numbered again by date; a day's entries keep their order and
// another company's numbers are left alone. A closed year refuses.
TEST_F(ContabilidadSustitutoTest, RenumberingOrdersTheCompanysEntriesByDate)
{
    qint32 empresa = NuevaEmpresa();
    qint32 otra = NuevaEmpresa();
    const auto asiento = [&](qint32 codEmpresa, int numero, const char* fecha) {
        con.Exec(QStringLiteral("INSERT INTO Asiento (CodEmpresa, Numero, Fecha) VALUES (?, ?, ?)"),
                 {codEmpresa, numero, QString::fromLatin1(fecha)});
    };
    asiento(empresa, 7, "20240301");
    asiento(empresa, 3, "20240105");
    asiento(empresa, 9, "20240105");
    asiento(empresa, 2, "20240105");
    asiento(otra, 40, "20240101");
    const auto numeros = [&](qint32 codEmpresa) {
        QList<qint64> n;
        for (db::Recordset rs = con.Query(
                 QStringLiteral("SELECT Numero FROM Asiento WHERE CodEmpresa = ? ORDER BY IDAsiento"), {codEmpresa});
             !rs.isEOF(); rs.MoveNext())
            n << rs.value(0).toInt64();
        return n;
    };

    scriptedUi().queueAnswer(ui::vbNo);
    contabilidad->RenumerarAsientos(config, con, empresa);
    EXPECT_EQ(numeros(empresa), (QList<qint64>{7, 3, 9, 2}));

    scriptedUi().queueAnswer(ui::vbYes);
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->RenumerarAsientos(config, con, empresa);
    EXPECT_EQ(numeros(empresa), (QList<qint64>{4, 2, 3, 1}));
    EXPECT_EQ(numeros(otra), (QList<qint64>{40}));
    EXPECT_FALSE(con.InTransaction());

    con.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = True WHERE IDEmpresa = ?"), {empresa});
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->RenumerarAsientos(config, con, empresa);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("está cerrado")));
}

// The institutions' link goes to the other company's sub-accounts of the
// same codes; one the receiving company lacks is left empty and told. From
// the menu (origin 0) the link is brought to the company after a question.
TEST_F(ContabilidadSustitutoTest, HandingTheLinkOverFollowsTheSubAccountCodes)
{
    const qint32 vieja = NuevaEmpresa("Parroquia San Pedro", "sp", "2024");
    const qint32 nueva = NuevaEmpresa("Parroquia San Pedro", "sp", "2025");
    db::Connection local = carpeta.abrir(BaseDatosPrograma::Duzediv);
    const auto subcuenta = [&](qint32 empresa, const char* codigo) {
        return Numero("SELECT IDCuenta FROM Cuenta WHERE CodEmpresa = ? AND CodTipo_Cuenta = 2 AND Codigo = ?",
                      {empresa, QString::fromLatin1(codigo)});
    };
    const QString caja = QStringLiteral("5700001");
    for (const qint32 empresa : {vieja, nueva})
        con.Exec(QStringLiteral("INSERT INTO Cuenta (CodEmpresa, CodTipo_Cuenta, Codigo, Descripcion) "
                                "VALUES (?, 2, ?, 'Caja')"),
                 {empresa, caja});
    con.Exec(QStringLiteral("INSERT INTO Cuenta (CodEmpresa, CodTipo_Cuenta, Codigo, Descripcion) "
                            "VALUES (?, 2, '7999001', 'Solo en la vieja')"),
             {vieja});
    const qint64 cajaVieja = subcuenta(vieja, caja.toLatin1().constData());
    local.Exec(QStringLiteral("INSERT INTO Contab_Enlace_Institucion (CodInstitucion, CodEmpresa, CodSubcuentaCaja, "
                              "CodSubcuentaGrupo7Caja) VALUES (1, ?, ?, ?)"),
               {vieja, cajaVieja, subcuenta(vieja, "7999001")});
    local.Exec(QStringLiteral("INSERT INTO Contab_Enlace_Padron (CodPadron, CodInstitucion, CodSubcuenta) "
                              "VALUES (5, 1, ?)"),
               {cajaVieja});
    const auto enlace = [&] {
        db::Recordset rs = local.Query(QStringLiteral("SELECT CodEmpresa, CodSubcuentaCaja, CodSubcuentaGrupo7Caja, "
                                                      "(SELECT CodSubcuenta FROM Contab_Enlace_Padron) "
                                                      "FROM Contab_Enlace_Institucion"),
                                       {});
        return QStringList {rs.value(0).toString(), rs.value(1).toString(), rs.value(2).toString(),
                            rs.value(3).toString()};
    };

    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_EQ(traspaso_enlace::Traspasar(local, con, vieja, nueva, false), 1);
    const QString cajaNueva = QString::number(subcuenta(nueva, caja.toLatin1().constData()));
    EXPECT_EQ(enlace(), (QStringList {QString::number(nueva), cajaNueva, QString(), cajaNueva}));
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("7999001")));
    EXPECT_FALSE(local.InTransaction());

    scriptedUi().queueAnswer(ui::vbNo);
    EXPECT_EQ(traspaso_enlace::Traspasar(local, con, 0, vieja, true), 0);
    EXPECT_EQ(enlace().first(), QString::number(nueva));

    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    EXPECT_EQ(traspaso_enlace::Traspasar(local, con, 0, vieja, true), 1);
    EXPECT_EQ(enlace(), (QStringList {QString::number(vieja), QString::number(cajaVieja), QString(),
                                      QString::number(cajaVieja)}));

    // Nothing linked elsewhere: said from the menu.
    scriptedUi().queueAnswer(ui::vbOK);
    EXPECT_EQ(traspaso_enlace::Traspasar(local, con, 0, vieja, true), 0);
    EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(QStringLiteral("¡Ninguna institución")));
}

// The lines of one sub-account go to another of the same company; the
// dialog refuses the same one twice, and another company's lines stay.
TEST_F(ContabilidadSustitutoTest, MovingASubAccountsLinesTakesOnlyThisCompanys)
{
    qint32 empresa = NuevaEmpresa("Parroquia San Pedro", "sp", "2024");
    const qint32 otra = NuevaEmpresa("Parroquia San Pablo", "spa", "2024");
    const auto cuenta = [&](qint32 codEmpresa, const char* codigo) {
        con.Exec(QStringLiteral("INSERT INTO Cuenta (CodEmpresa, CodTipo_Cuenta, Codigo, Descripcion) "
                                "VALUES (?, 2, ?, 'S')"),
                 {codEmpresa, QString::fromLatin1(codigo)});
        return con.LastInsertId();
    };
    const qint64 caja = cuenta(empresa, "5700001");
    const qint64 banco = cuenta(empresa, "5720001");
    const qint64 cajaOtra = cuenta(otra, "5700001");
    const auto apunte = [&](qint32 codEmpresa, qint64 subcuenta) {
        con.Exec(QStringLiteral("INSERT INTO Asiento (CodEmpresa, Numero, Fecha) VALUES (?, 1, '20240105')"),
                 {codEmpresa});
        con.Exec(QStringLiteral("INSERT INTO Apunte (CodAsiento, CodCuenta, CtdadDebe) VALUES (?, ?, 100)"),
                 {con.LastInsertId(), subcuenta});
    };
    apunte(empresa, caja);
    apunte(empresa, caja);
    // A line of another company that points at this company's sub-account
    // id is not this company's to move.
    apunte(otra, caja);
    apunte(otra, cajaOtra);

    const auto elegir = [](int destino) {
        return [destino](QDialog& d) {
            d.findChild<QComboBox*>(QStringLiteral("cboOrigen"))->setCurrentIndex(0);
            d.findChild<QComboBox*>(QStringLiteral("cboDestino"))->setCurrentIndex(destino);
            d.findChild<QPushButton*>(QStringLiteral("cmdAceptar"))->click();
            return d.result() == QDialog::Accepted ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
    };
    // The same sub-account twice is refused and the dialog stays open.
    dialogos.Anadir(elegir(0));
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->MoverSubctaDiario(config, con, empresa);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡La subcuenta de destino debe ser otra!"));

    dialogos.Anadir(elegir(1));
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    contabilidad->MoverSubctaDiario(config, con, empresa);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte WHERE CodCuenta = ?", {banco}), 2);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte WHERE CodCuenta = ?", {caja}), 1);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte WHERE CodCuenta = ?", {cajaOtra}), 1);
    EXPECT_TRUE(scriptedUi().lastMessage().text.startsWith(QStringLiteral("Se han pasado 2 apuntes")));
    EXPECT_FALSE(con.InTransaction());
}

// ---- Chart: accounts and headings ------------------------------------------------

TEST_F(ContabilidadSustitutoTest, AccountsAreWrittenWithTheirKindAndLevelAndACodeIsNeverRepeated)
{
    qint32 empresa = NuevaEmpresa();
    dialogos.Aceptar([](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Codigo"), QStringLiteral("6290"));
        d.Rellenar(QStringLiteral("Descripcion"), QStringLiteral("Culto"));
    });
    bool cancelar = true;
    contabilidad->NuevaCuenta(config, con, empresa, cancelar);
    EXPECT_FALSE(cancelar);
    db::Recordset rs = con.Query(QStringLiteral("SELECT CodTipo_Cuenta, Nivel, PresupuestoTotal FROM Cuenta "
                                                "WHERE CodEmpresa = ? AND Codigo = '6290'"),
                                 {empresa});
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.value(0).toInt64(), 1);
    EXPECT_EQ(rs.value(1).toInt64(), 4);
    EXPECT_EQ(rs.value(2).toString(), QStringLiteral("0"));
    const qint64 banco = NuevaSubcuenta(empresa, "5720001", "Banco");
    EXPECT_EQ(Numero("SELECT CodTipo_Cuenta FROM Cuenta WHERE IDCuenta = ?", {banco}), 2);

    // A code the company has (here one of the default chart), or one with
    // letters, is refused naming the field; the user then cancels.
    const struct {
        const char* codigo;
        const char* mensaje;
    } rechazos[] = {{"10", "¡Ya hay una cuenta con el código 10 en esta empresa!"},
                    {"57A", "¡«Código» sólo admite cifras!"}};
    for (const auto& r : rechazos) {
        dialogos.Anadir([&r](QDialog& dialogo) {
            auto& d = dynamic_cast<DialogoRegistro&>(dialogo);
            d.Rellenar(QStringLiteral("Codigo"), QString::fromUtf8(r.codigo));
            d.Rellenar(QStringLiteral("Descripcion"), QStringLiteral("Otra"));
            scriptedUi().queueAnswer(ui::vbOK);
            EXPECT_FALSE(d.Aceptar());
            EXPECT_EQ(scriptedUi().lastMessage().text, QString::fromUtf8(r.mensaje));
            return int(QDialog::Rejected);
        });
        contabilidad->NuevaSubcuenta(config, con, empresa, cancelar);
        EXPECT_TRUE(cancelar);
    }
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE CodEmpresa = ? AND Codigo = '10'", {empresa}), 1);

    // An account with entry lines stays; one without goes.
    Sql("INSERT INTO Asiento (CodEmpresa, Numero, Fecha) VALUES (1, 1, '20240105')");
    con.Exec(QStringLiteral("INSERT INTO Apunte (CodAsiento, CodCuenta, CtdadDebe) VALUES (1, ?, 100)"), {banco});
    qint32 id = qint32(banco);
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    contabilidad->EliminarSubcuenta(config, con, empresa, id);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡La cuenta 5720001 no se puede eliminar: tiene apuntes!"));
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE IDCuenta = ?", {banco}), 1);
    Sql("DELETE FROM Apunte");
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminarSubcuenta(config, con, empresa, id);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE IDCuenta = ?", {banco}), 0);
}

TEST_F(ContabilidadSustitutoTest, HeadingsAreMadeUnderTheSelectedOneEditedAndDeletedInTheTree)
{
    qint32 empresa = NuevaEmpresa();
    QTreeWidget arbol;
    contabilidad->CargarArbol(con, arbol, {}, 1, empresa);
    Seleccionar(arbol, ClaveEpigrafe(empresa, "AB3"));

    // The new heading's code starts as the selected one's.
    dialogos.Aceptar([](DialogoRegistro& d) {
        EXPECT_EQ(d.Datos().Valor(QStringLiteral("CodigoEpigrafe")).toString(), QStringLiteral("AB3"));
        d.Rellenar(QStringLiteral("CodigoEpigrafe"), QStringLiteral("AB39"));
        d.Rellenar(QStringLiteral("Descripcion"), QStringLiteral("9. Templos"));
    });
    qint32 documento = 1;
    qint32 naturaleza = 1;
    bool cancelar = true;
    contabilidad->NuevoEpigrafe(config, arbol, con, empresa, documento, naturaleza, cancelar);
    EXPECT_FALSE(cancelar);
    db::Recordset rs = con.Query(QStringLiteral("SELECT IDEstructura, codDocumento, codNaturaleza, OrdenEpigrafe "
                                                "FROM Estructura WHERE codEmpresa = ? AND CodigoEpigrafe = 'AB39'"),
                                 {empresa});
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.value(1).toInt64(), 1);
    EXPECT_EQ(rs.value(2).toInt64(), 1);
    EXPECT_EQ(rs.value(3).toString(), QStringLiteral("3"));
    const QString clave = QStringLiteral("e") + rs.value(0).toString();
    QTreeWidgetItem* nodo = Nodo(arbol, clave);
    ASSERT_TRUE(nodo);
    EXPECT_EQ(nodo->parent()->data(0, Qt::UserRole).toString(), ClaveEpigrafe(empresa, "AB3"));
    EXPECT_TRUE(nodo->isSelected());

    // Assigning an account to it, then taking it away.
    dialogos.Anadir([](QDialog& d) {
        auto& eleccion = dynamic_cast<widgets::DialogoRegistroEleccion&>(d);
        EXPECT_TRUE(eleccion.Lista()->ElegirTexto(QStringLiteral("10 - CAPITAL")));
        eleccion.Usar();
        return eleccion.result();
    });
    contabilidad->AsignarCuenta(config, arbol, con, empresa, 1, cancelar);
    EXPECT_FALSE(cancelar);
    QTreeWidgetItem* cuenta = Nodo(arbol, QStringLiteral("c10"));
    ASSERT_TRUE(cuenta);
    EXPECT_EQ(cuenta->parent()->data(0, Qt::UserRole).toString(), clave);
    EXPECT_TRUE(cuenta->isSelected());
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->DesasignarCuenta(config, arbol, con, empresa, 1);
    EXPECT_EQ(Nodo(arbol, clave)->childCount(), 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Rel_Estructura_Cuenta WHERE codEstructura = ?", {clave.mid(1).toLongLong()}),
              0);

    // Edited: the tree shows the new text.
    dialogos.Aceptar([](DialogoRegistro& d) { d.Rellenar(QStringLiteral("Descripcion"), QStringLiteral("9. Iglesias")); });
    contabilidad->EditarEpigrafe(config, arbol, con, empresa, documento, cancelar);
    EXPECT_FALSE(cancelar);
    EXPECT_EQ(Nodo(arbol, clave)->text(0), QStringLiteral("9. Iglesias"));

    // A heading with headings under it stays; a leaf goes with its links.
    Seleccionar(arbol, ClaveEpigrafe(empresa, "AB3"));
    scriptedUi().queueAnswers({ui::vbYes, ui::vbOK});
    contabilidad->EliminarEpigrafe(config, arbol, con, empresa);
    EXPECT_EQ(scriptedUi().lastMessage().text,
              QStringLiteral("¡El epígrafe AB3 no se puede eliminar: tiene otros epígrafes debajo!"));
    const QString conCuentas = ClaveEpigrafe(empresa, "AB32");
    Seleccionar(arbol, conCuentas);
    ASSERT_GT(Nodo(arbol, conCuentas)->childCount(), 0);
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminarEpigrafe(config, arbol, con, empresa);
    EXPECT_EQ(Nodo(arbol, conCuentas), nullptr);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Rel_Estructura_Cuenta WHERE codEstructura = ?", {conCuentas.mid(1).toLongLong()}),
              0);
    EXPECT_TRUE(Nodo(arbol, ClaveEpigrafe(empresa, "AB3"))->isSelected());

    // An account deleted from the tree leaves it.
    QStringList cuentas;
    for (QTreeWidgetItemIterator it(&arbol); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString().startsWith(QLatin1Char('c')))
            cuentas << (*it)->data(0, Qt::UserRole).toString();
    }
    ASSERT_GE(cuentas.size(), 2);
    Seleccionar(arbol, cuentas[0]);
    qint32 idCuenta =
        qint32(Numero("SELECT IDCuenta FROM Cuenta WHERE CodEmpresa = ? AND Codigo = ?", {empresa, cuentas[0].mid(1)}));
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminarCuenta(config, con, empresa, idCuenta, &arbol);
    EXPECT_EQ(Nodo(arbol, cuentas[0]), nullptr);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE IDCuenta = ?", {idCuenta}), 0);

    // Commands on a heading with an account selected say what to select.
    Seleccionar(arbol, cuentas[1]);
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->EditarEpigrafe(config, arbol, con, empresa, documento, cancelar);
    EXPECT_TRUE(cancelar);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡Seleccione un epígrafe en el árbol!"));
}

// ---- Journal entries, predefined entries, budgets ------------------------------------

TEST_F(ContabilidadSustitutoTest, AnEntryIsWrittenWithItsLinesInBothCurrenciesAndNeverWithoutLines)
{
    qint32 empresa = NuevaEmpresa();
    NuevaSubcuenta(empresa, "5700001", "Caja");
    NuevaSubcuenta(empresa, "7800001", "Colectas");

    // No lines: said, and the dialog comes back; then cancelled.
    dialogos.Aceptar([](DialogoRegistro& d) { d.Rellenar(QStringLiteral("Fecha"), QStringLiteral("05/01/2024")); });
    dialogos.Cancelar();
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->NuevoAsiento(config, con, empresa);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡El asiento debe tener al menos un apunte!"));
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Asiento"), 0);

    // Out of balance: asked; No goes back to the dialog, which keeps what was typed.
    dialogos.Aceptar([this](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Fecha"), QStringLiteral("05/01/2024"));
        Apunte(d, "5700001 - Caja", "1000", "");
        Apunte(d, "7800001 - Colectas", "", "900");
        dialogos.Aceptar([](DialogoRegistro& otra) { EXPECT_EQ(otra.Datos().Filas(0), 2); });
    });
    scriptedUi().queueAnswers({ui::vbNo, ui::vbYes});
    contabilidad->NuevoAsiento(config, con, empresa);
    EXPECT_TRUE(scriptedUi().messages().at(scriptedUi().messages().size() - 2).text.startsWith(
        QStringLiteral("El asiento está descuadrado: el Debe suma 1.000 y el Haber 900 pesetas.")));

    db::Recordset asiento = con.Execute(QStringLiteral("SELECT IDAsiento, Numero, Fecha, ConceptoAsiento FROM Asiento"));
    ASSERT_FALSE(asiento.isEOF());
    EXPECT_EQ(asiento.value(1).toInt64(), 1);
    EXPECT_EQ(asiento.value(2).toString(), QStringLiteral("20240105"));
    EXPECT_EQ(asiento.value(3).toString(), QStringLiteral("Colecta"));
    db::Recordset lineas = con.Query(QStringLiteral("SELECT CtdadDebe, CtdadHaber, CtdadDebeEuros, CtdadHaberEuros "
                                                    "FROM Apunte WHERE CodAsiento = ? ORDER BY IDApunte"),
                                     {asiento.value(0)});
    ASSERT_FALSE(lineas.isEOF());
    EXPECT_DOUBLE_EQ(lineas.value(0).toDouble(), 1000);
    EXPECT_DOUBLE_EQ(lineas.value(1).toDouble(), 0);
    EXPECT_DOUBLE_EQ(lineas.value(2).toDouble(), 6.01);
    EXPECT_DOUBLE_EQ(lineas.value(3).toDouble(), 0);
    lineas.MoveNext();
    EXPECT_DOUBLE_EQ(lineas.value(1).toDouble(), 900);
    EXPECT_DOUBLE_EQ(lineas.value(3).toDouble(), 5.41);

    // A balanced one in euros asks nothing; its number follows.
    config.SetTrabajarConPesetas(false);
    dialogos.Aceptar([this](DialogoRegistro& d) {
        Apunte(d, "5700001 - Caja", "12,5", "");
        Apunte(d, "7800001 - Colectas", "", "12,50");
    });
    contabilidad->NuevoAsiento(config, con, empresa);
    EXPECT_EQ(Numero("SELECT MAX(Numero) FROM Asiento"), 2);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte"), 4);
    EXPECT_EQ(Numero("SELECT SUM(CtdadDebe) FROM Apunte INNER JOIN Asiento ON CodAsiento = IDAsiento WHERE Numero = 2"),
              2080);
}

TEST_F(ContabilidadSustitutoTest, AClosedYearShowsItsEntriesAndRefusesEveryChange)
{
    qint32 empresa = NuevaEmpresa();
    NuevaSubcuenta(empresa, "5700001", "Caja");
    dialogos.Aceptar([this](DialogoRegistro& d) {
        Apunte(d, "5700001 - Caja", "100", "");
        Apunte(d, "5700001 - Caja", "", "100");
    });
    contabilidad->NuevoAsiento(config, con, empresa);
    // An open year's entry goes with its lines.
    qint32 id = qint32(Numero("SELECT IDAsiento FROM Asiento"));
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminarAsiento(config, con, id);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¿Desea eliminar el asiento número 1 con todos sus apuntes?"));
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Asiento"), 0);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Apunte"), 0);

    dialogos.Aceptar([this](DialogoRegistro& d) {
        Apunte(d, "5700001 - Caja", "100", "");
        Apunte(d, "5700001 - Caja", "", "100");
    });
    contabilidad->NuevoAsiento(config, con, empresa);
    id = qint32(Numero("SELECT IDAsiento FROM Asiento"));
    con.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = True WHERE IDEmpresa = ?"), {empresa});
    const QByteArray antes = Bytes();
    const QString cerrado = QStringLiteral(
        "¡El ejercicio de esta empresa está cerrado: sus asientos no se pueden crear, cambiar ni eliminar!");

    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->NuevoAsiento(config, con, empresa);
    EXPECT_EQ(scriptedUi().lastMessage().text, cerrado);
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->EliminarAsiento(config, con, id);
    EXPECT_EQ(scriptedUi().lastMessage().text, cerrado);
    dialogos.Anadir([](QDialog& d) {
        auto& registro = dynamic_cast<DialogoRegistro&>(d);
        EXPECT_EQ(registro.BotonAceptar(), nullptr);
        EXPECT_EQ(registro.Datos().Filas(0), 2);
        return int(QDialog::Rejected);
    });
    contabilidad->EditarAsiento(config, con, id);
    EXPECT_EQ(Bytes(), antes);

    // Closed by another workstation while the dialog was open: refused at the write.
    con.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = False WHERE IDEmpresa = ?"), {empresa});
    dialogos.Aceptar([this, empresa](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("ConceptoAsiento"), QStringLiteral("Cambiado"));
        con.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = True WHERE IDEmpresa = ?"), {empresa});
    });
    dialogos.Cancelar();
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->EditarAsiento(config, con, id);
    EXPECT_EQ(scriptedUi().lastMessage().text, cerrado);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Asiento WHERE ConceptoAsiento = 'Cambiado'"), 0);
}

TEST_F(ContabilidadSustitutoTest, APredefinedEntryNeedsALine)
{
    qint32 empresa = NuevaEmpresa();
    NuevaSubcuenta(empresa, "5700001", "Caja");
    dialogos.Anadir([](QDialog& dialogo) {
        auto& d = dynamic_cast<DialogoRegistro&>(dialogo);
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Colecta dominical"));
        scriptedUi().queueAnswer(ui::vbOK);
        EXPECT_FALSE(d.Aceptar());
        EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡El asiento predefinido debe tener al menos un apunte!"));
        return int(QDialog::Rejected);
    });
    contabilidad->NuevoAsientoPredefinido(config, con, empresa);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM AsientoPredefinido"), 0);

    dialogos.Aceptar([this](DialogoRegistro& d) {
        d.Rellenar(QStringLiteral("Nombre"), QStringLiteral("Colecta dominical"));
        Apunte(d, "5700001 - Caja", "100", "");
    });
    contabilidad->NuevoAsientoPredefinido(config, con, empresa);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM AsientoPredefinido INNER JOIN ApuntePredefinido "
                     "ON IDAsientoPredefinido = CodAsientoPredefinido WHERE codEmpresa = ?",
                     {empresa}),
              1);
}

TEST_F(ContabilidadSustitutoTest, ABudgetIsStoredAsTextInBothCurrenciesAndZeroMeansNone)
{
    qint32 empresa = NuevaEmpresa();
    const qint64 caja = NuevaSubcuenta(empresa, "5700001", "Caja");
    const qint64 banco = NuevaSubcuenta(empresa, "5720001", "Banco");
    const struct {
        bool pesetas;
        qint64 subcuenta;
        const char* elegida;
        const char* tecleado;
        const char* pesetasGuardadas;
        const char* eurosGuardados;
    } casos[] = {{true, caja, "5700001 - Caja", "1250", "1250", "7,51"},
                 {false, banco, "5720001 - Banco", "10,5", "1747", "10,50"}};
    for (const auto& c : casos) {
        config.SetTrabajarConPesetas(c.pesetas);
        dialogos.Anadir([&c](QDialog& d) {
            auto& eleccion = dynamic_cast<widgets::DialogoRegistroEleccion&>(d);
            EXPECT_TRUE(eleccion.Lista()->ElegirTexto(QString::fromUtf8(c.elegida)));
            eleccion.Usar();
            return eleccion.result();
        });
        dialogos.Aceptar([&c](DialogoRegistro& d) {
            d.Rellenar(QStringLiteral("PresupuestoTotal"), QString::fromUtf8(c.tecleado));
        });
        contabilidad->NuevoPresupuesto(config, con, empresa);
        db::Recordset rs = con.Query(
            QStringLiteral("SELECT PresupuestoTotal, PresupuestoTotalEuros FROM Cuenta WHERE IDCuenta = ?"), {c.subcuenta});
        EXPECT_EQ(rs.value(0).toString(), QString::fromUtf8(c.pesetasGuardadas));
        EXPECT_EQ(rs.value(1).toString(), QString::fromUtf8(c.eurosGuardados));
    }
    // The budget list's filter sees both.
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa = ? AND PresupuestoTotal <> '0' "
                     "AND CCur(PresupuestoTotalEuros) > 0",
                     {empresa}),
              2);

    // Every sub-account has one now.
    scriptedUi().queueAnswer(ui::vbOK);
    contabilidad->NuevoPresupuesto(config, con, empresa);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡No hay ninguna subcuenta sin presupuesto en esta empresa!"));

    qint32 id = qint32(caja);
    scriptedUi().queueAnswer(ui::vbYes);
    contabilidad->EliminarPresupuesto(config, con, id);
    EXPECT_EQ(Numero("SELECT COUNT(*) FROM Cuenta WHERE IDCuenta = ? AND PresupuestoTotal = '0' "
                     "AND PresupuestoTotalEuros = '0'",
                     {caja}),
              1);
}

// ---- Accounting reports ------------------------------------------------------------

class InformesContabilidadTest : public ContabilidadSustitutoTest {
protected:
    void SetUp() override
    {
        ContabilidadSustitutoTest::SetUp();
        informes = addins::CrearObjeto<addins::cInformes>(addins::cInformes::NombreClase);
        empresa = NuevaEmpresa();
        caja = NuevaSubcuenta(empresa, "5700001", "Caja");
        colectas = NuevaSubcuenta(empresa, "7800001", "Colectas");
        Asiento(1, "20240105", caja, 1000, colectas, 1000);
        Asiento(2, "20240112", caja, 500, colectas, 500);
        con.Exec(QStringLiteral("UPDATE Cuenta SET PresupuestoTotal = '3000', PresupuestoTotalEuros = '18,03' "
                                "WHERE IDCuenta = ?"),
                 {colectas});
    }

    void Asiento(int numero, const char* fecha, qint64 debe, double importeDebe, qint64 haber, double importeHaber)
    {
        con.Exec(QStringLiteral("INSERT INTO Asiento (CodEmpresa, Numero, Fecha, ConceptoAsiento) VALUES (?, ?, ?, 'Colecta')"),
                 {empresa, numero, QString::fromUtf8(fecha)});
        const qint64 id = con.LastInsertId();
        con.Exec(QStringLiteral("INSERT INTO Apunte (CodAsiento, CodCuenta, Concepto, CtdadDebe, CtdadHaber) "
                                "VALUES (?, ?, 'Colecta', ?, 0)"),
                 {id, debe, importeDebe});
        con.Exec(QStringLiteral("INSERT INTO Apunte (CodAsiento, CodCuenta, Concepto, CtdadDebe, CtdadHaber) "
                                "VALUES (?, ?, 'Colecta', 0, ?)"),
                 {id, haber, importeHaber});
    }

    // The work table's rows of the last print: kind, code, description and amounts joined by "|".
    QStringList Filas()
    {
        QStringList filas;
        for (const auto& fila : control.ultima().filas(QStringLiteral("InformeContabilidad"))) {
            QStringList valores;
            for (const char* c : {"Tipo", "Codigo", "Descripcion", "Importe1", "Importe2", "Importe3"})
                valores << fila.value(QString::fromUtf8(c)).toString();
            filas << valores.join(QLatin1Char('|'));
        }
        return filas;
    }

public:
    std::unique_ptr<addins::cInformes> informes;
    dobles::DobleControlInforme control;
    db::Connection conInformes;
    qint32 empresa = 0;
    qint64 caja = 0;
    qint64 colectas = 0;
};

TEST_F(InformesContabilidadTest, TheJournalTheLedgerAndTheBalancesAreWorkedOutFromTheEntries)
{
    informes->ImprimirLibroDiario(control, config, con, conInformes, empresa);
    EXPECT_EQ(control.ultima().plantilla, QStringLiteral("\\infCO_Contabilidad.rpt"));
    EXPECT_TRUE(control.ultima().formulas.values().contains(QStringLiteral("Titulo='Libro diario'")));
    EXPECT_TRUE(control.ultima().formulas.values().contains(QStringLiteral("PtsEur=0")));
    EXPECT_EQ(Filas(), (QStringList{QStringLiteral("1||Asiento nº 1 - 05/01/2024 - Colecta|||"),
                                    QStringLiteral("0|5700001|Colecta|1000|0|"),
                                    QStringLiteral("0|7800001|Colecta|0|1000|"),
                                    QStringLiteral("1||Asiento nº 2 - 12/01/2024 - Colecta|||"),
                                    QStringLiteral("0|5700001|Colecta|500|0|"),
                                    QStringLiteral("0|7800001|Colecta|0|500|")}));

    informes->ImprimirLibroMayor(control, config, con, conInformes, empresa);
    EXPECT_EQ(Filas().mid(0, 3), (QStringList{QStringLiteral("1||5700001 - Caja|||"), QStringLiteral("0|1|Colecta|1000|0|1000"),
                                              QStringLiteral("0|2|Colecta|500|0|1500")}));

    informes->ImprimirBalanceSumasySaldos(control, config, con, conInformes, empresa);
    EXPECT_EQ(Filas(), (QStringList{QStringLiteral("0|5700001|Caja|1500|0|1500"),
                                    QStringLiteral("0|7800001|Colectas|0|1500|-1500")}));

    informes->ImprimirPresupuestoAnual(control, config, con, conInformes, empresa);
    EXPECT_EQ(Filas(), QStringList{QStringLiteral("0|7800001|Colectas|3000|1500|1500")});

    // The balance sheet adds each heading's accounts and sub-headings; totals follow their formulas.
    informes->ImprimirBalanceSituacion(control, config, con, conInformes, empresa);
    QHash<QString, QString> importes;
    for (const QString& fila : Filas())
        importes.insert(fila.section(QLatin1Char('|'), 1, 1), fila.section(QLatin1Char('|'), 3, 3));
    EXPECT_EQ(importes.value(QStringLiteral("AD6")), QStringLiteral("1500"));
    EXPECT_EQ(importes.value(QStringLiteral("AD")), QStringLiteral("1500"));
    EXPECT_EQ(importes.value(QStringLiteral("AE")), QStringLiteral("1500"));
    EXPECT_EQ(importes.value(QStringLiteral("AB")), QStringLiteral("0"));

    // In euros the euro columns are read.
    config.SetTrabajarConPesetas(false);
    con.Exec(QStringLiteral("UPDATE Apunte SET CtdadDebeEuros = CtdadDebe / 100, CtdadHaberEuros = CtdadHaber / 100"));
    informes->ImprimirBalanceSumasySaldos(control, config, con, conInformes, empresa);
    EXPECT_EQ(Filas().first(), QStringLiteral("0|5700001|Caja|15|0|15"));
    EXPECT_TRUE(control.ultima().formulas.values().contains(QStringLiteral("PtsEur=2")));
}

TEST_F(InformesContabilidadTest, AReportWithoutACompanyOrInvoicesSaysSoAndPrintsNothing)
{
    qint32 ninguna = 0;
    scriptedUi().queueAnswer(ui::vbOK);
    informes->ImprimirSubcuentas(control, config, con, conInformes, ninguna);
    EXPECT_EQ(scriptedUi().lastMessage().text, QStringLiteral("¡No hay ninguna empresa seleccionada!"));
    scriptedUi().queueAnswer(ui::vbOK);
    informes->ImprimirFacturasEmitidas(control, config, con, conInformes, empresa);
    EXPECT_TRUE(scriptedUi().lastMessage().text.contains(QStringLiteral("ImprimirFacturasEmitidas")));
    EXPECT_TRUE(control.impresiones().isEmpty());
}

// The template the stand-in ships, printed by the engine itself.
TEST_F(InformesContabilidadTest, TheEnginePrintsEveryReportThroughTheShippedTemplate)
{
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("DUZ_TEST_BINARY_DIR") + QStringLiteral("/app/infCO_Contabilidad.rpt"),
                            carpeta.file(QStringLiteral("infCO_Contabilidad.rpt"))));
    QTemporaryDir pdfs;
    testsupport::ScopedEnv destino("DUZEDIV_REPORT_PDF_DIR", pdfs.path().toUtf8());
    report::ControlInforme motor;
    using Miembro = void (addins::cInformes::*)(PVAPI::IControlInforme&, const cConfigContabilidad&, db::Connection&,
                                               db::Connection&, qint32);
    const Miembro miembros[] = {
        &addins::cInformes::ImprimirBalanceSumasySaldos, &addins::cInformes::ImprimirBalanceSituacion,
        &addins::cInformes::ImprimirBalanceSituacionComp, &addins::cInformes::ImprimirBalancePYG,
        &addins::cInformes::ImprimirBalancePYGComp, &addins::cInformes::ImprimirLibroDiario,
        &addins::cInformes::ImprimirLibroMayor, &addins::cInformes::ImprimirSubcuentas,
        &addins::cInformes::ImprimirEpigrafes, &addins::cInformes::ImprimirPresupuestoAnual,
        &addins::cInformes::ImprimirPresupuesto,
    };
    for (Miembro m : miembros) {
        (informes.get()->*m)(motor, config, con, conInformes, empresa);
        EXPECT_EQ(motor.LastErrorNumber(), 0) << motor.LastErrorString().toStdString();
    }
    EXPECT_EQ(QDir(pdfs.path()).entryList({QStringLiteral("*.pdf")}).size(), 11);
}

} // namespace
} // namespace addinstest
