#include "ColaDialogos.h"

#include "addin_doubles/InstalarComplementos.h"
#include "core/cConfigContabilidad.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/addins/HostComplementos.h"
#include "platform/addins/cContabilidad.h"
#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/VbError.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QTreeWidget>
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
        ASSERT_TRUE(dobles::InstalarComplementos(carpeta.path(), {"NvContabilidad"}));
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

} // namespace
} // namespace addinstest
