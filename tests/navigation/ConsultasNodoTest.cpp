#include "navigation/ConsultasNodo.h"
#include "navigation/BaseNodosPrueba.h"

#include "core/EstadoPrincipal.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/VbError.h"

#include <sqlite3.h>

#include <gtest/gtest.h>
#include <memory>

namespace {

using PVAPI::cCRegistry;

// The texts as the lists have always stored them, piece by piece.
const QString kAsientosPesetas = QStringLiteral(
    "SELECT Numero, IDAsiento AS Clave, ConceptoAsiento, Fecha, COUNT(Apunte.IDApunte) AS NumApuntes, "
    "(sum(CCur(CtdadDebe)) - sum(CCur(CtdadHaber))) AS Descuadre, IDAsiento \r\n"
    "FROM Asiento, Apunte \r\n"
    "WHERE Asiento.IDAsiento = Apunte.CodAsiento AND Asiento.CodEmpresa = 7 \r\n"
    "GROUP BY Numero, IDAsiento, ConceptoAsiento, Fecha \r\n"
    "ORDER BY Numero, Fecha");
const QString kPresupuestoEuros = QStringLiteral(
    "SELECT Codigo, PresupuestoTotalEuros, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta = 2 AND CodEmpresa = 7 "
    "AND PresupuestoTotal <> '0' ORDER BY Codigo");
const QString kRecibosPesetas = QStringLiteral(
    "SELECT Recibo.NumeroRecibo, Recibo.NumCertificado, Recibo.Fecha, Tipo_Donativo.Descripcion, Padron.Nombre, "
    "Padron.PrimerApellido, Padron.SegundoApellido, Institucion.Nombre, Recibo.Importe, Recibo.IDRecibo \r\n"
    "FROM Recibo, Tipo_Donativo, Donativo, Padron, Institucion \r\n"
    "WHERE Recibo.CodDonativo = Donativo.IDDonativo AND Donativo.CodPersonaDonativo = Padron.IDPadron "
    "AND Donativo.CodInstitucion = Institucion.IDInstitucion "
    "AND Donativo.CodTipoDonativo = Tipo_Donativo.IDTipo_Donativo AND Recibo.PagoBanco = False \r\n"
    "ORDER BY Recibo.Fecha, Padron.PrimerApellido, Padron.SegundoApellido, Padron.Nombre");
const QString kRemesasEuros = QStringLiteral(
    "SELECT Remesa.Fecha, Presentador.Nombre, Presentador.PrimerApellido, Presentador.SegundoApellido, "
    "Remesa.ImporteTotalEur, Remesa.IDRemesa \r\n"
    "FROM Remesa, Presentador \r\n"
    "WHERE Remesa.CodPresentador = IDPresentador \r\n"
    "ORDER BY Remesa.Fecha");

TEST(ConsultasNodoTextos, CadaListaEnSuMoneda)
{
    EXPECT_EQ(ConsultasNodo::Asientos(true, 7), kAsientosPesetas);
    EXPECT_EQ(ConsultasNodo::Presupuesto(false, 7), kPresupuestoEuros);
    EXPECT_EQ(ConsultasNodo::RecibosCaja(true), kRecibosPesetas);
    EXPECT_EQ(ConsultasNodo::Remesas(false), kRemesasEuros);

    // The other currency differs only in the amount columns.
    QString asientosEuros = kAsientosPesetas;
    asientosEuros.replace(QStringLiteral("CtdadDebe)"), QStringLiteral("CtdadDebeEuros)"))
        .replace(QStringLiteral("CtdadHaber)"), QStringLiteral("CtdadHaberEuros)"));
    EXPECT_EQ(ConsultasNodo::Asientos(false, 7), asientosEuros);
    EXPECT_EQ(ConsultasNodo::Presupuesto(true, 7),
              QString(kPresupuestoEuros).replace(QStringLiteral("PresupuestoTotalEuros,"),
                                                 QStringLiteral("PresupuestoTotal,")));
    EXPECT_EQ(ConsultasNodo::RecibosCaja(false),
              QString(kRecibosPesetas).replace(QStringLiteral("Recibo.Importe,"), QStringLiteral("Recibo.ImporteEur,")));
    EXPECT_EQ(ConsultasNodo::Remesas(true),
              QString(kRemesasEuros).replace(QStringLiteral("ImporteTotalEur"), QStringLiteral("ImporteTotal")));

    // No company selected: the accounting lists ask for company 0.
    EXPECT_TRUE(ConsultasNodo::Asientos(true, 0).contains(QStringLiteral("AND Asiento.CodEmpresa = 0 \r\n")));
    EXPECT_TRUE(ConsultasNodo::Presupuesto(false, 0).contains(QStringLiteral("AND CodEmpresa = 0 AND")));
}

// Every text runs on the databases the program makes, in both currencies.
TEST(ConsultasNodoTextos, CorrenSobreLasBasesDelPrograma)
{
    TempProgramFolder carpeta;
    db::Connection conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
    db::Connection conContabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
    for (const bool pesetas : {true, false}) {
        SCOPED_TRACE(pesetas ? "pesetas" : "euros");
        EXPECT_NO_THROW(conContabilidad.Execute(ConsultasNodo::Asientos(pesetas, 1)));
        EXPECT_NO_THROW(conContabilidad.Execute(ConsultasNodo::Presupuesto(pesetas, 1)));
        EXPECT_NO_THROW(conLocal.Execute(ConsultasNodo::RecibosCaja(pesetas)));
        EXPECT_NO_THROW(conLocal.Execute(ConsultasNodo::Remesas(pesetas)));
    }
}

class ConsultasNodoCambio : public ::testing::Test {
protected:
    struct Fila {
        int id;
        const char* nombre;
        const char* descripcion;
        const char* padre;
    };
    // The four lists, and look-alikes each of which fails one test.
    static constexpr Fila kFilas[] = {
        {1, "Asientos", "Asientos", "Contabilidad"},
        {2, "Presupuesto", "Presupuesto", "Contabilidad"},
        {3, "Recibos por caja", "Recibo", "Donativos"},
        {4, "Remesas", "Remesa", "Donativos"},
        {5, "Asientos", "Asientos", "Otra"},
        {6, "Presupuesto", "Presupuesto", ""},
        {7, "Remesas", "Remesas", "Donativos"},
        {8, "Recibos por caja", "Recibos", "Donativos"},
        {9, "asientos", "Asientos", "Contabilidad"},
    };

    ConsultasNodoCambio()
    {
        for (const Fila& fila : kFilas) {
            const QString viejo = QStringLiteral("SELECT %1").arg(fila.id);
            base.Nodo(fila.id, QString::fromUtf8(fila.nombre), 2, 0, fila.id, 0, viejo, false,
                      QString::fromUtf8(fila.descripcion));
            auto nodo = std::make_shared<cNodo>();
            nodo->SetIDNodo(fila.id);
            nodo->SetNombre(QString::fromUtf8(fila.nombre));
            nodo->SetDescripcion(QString::fromUtf8(fila.descripcion));
            nodo->SetPadreDeNivel2(QString::fromUtf8(fila.padre));
            nodo->SetSQLSelect(viejo);
            estado.gcolNodo.Add(nodo, QStringLiteral(" %1").arg(fila.id));
        }
        estado.mlngCodEmpresaSeleccionada = 7;
        estado.mobjConfigContab.SetTrabajarConPesetas(true);
        info.TrabajarConPesetas = true;
    }

    QString EnModelo(int id) const { return estado.gcolNodo.Item(QStringLiteral(" %1").arg(id))->SQLSelect(); }
    QString EnTabla(int id)
    {
        return base.con().Query(QStringLiteral("SELECT SQLSelect FROM Nodo WHERE IDNodo = ?"), {id}).value(0).toString();
    }
    QString Ajuste(const QString& seccion, const QString& clave) const
    {
        return ajustes.Leer(ajustes.Seccion(seccion), clave, QStringLiteral("<nada>"));
    }

    BaseNodosPrueba base;
    EstadoPrincipal estado;
    PVAPI::cInfoConfiguracion info;
    AjustesUsuario ajustes = AjustesPrueba();
};

TEST_F(ConsultasNodoCambio, ReescribeLasCuatroListasEnModeloYTabla)
{
    ActualizarSQLEuros(estado, info, base.con(), ajustes);

    const QString esperadas[] = {ConsultasNodo::Asientos(false, 7), ConsultasNodo::Presupuesto(false, 7),
                                 ConsultasNodo::RecibosCaja(false), kRemesasEuros};
    for (int id = 1; id <= 4; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(EnModelo(id), esperadas[id - 1]);
        EXPECT_EQ(EnTabla(id), esperadas[id - 1]);
    }
    for (int id = 5; id <= 9; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(EnModelo(id), QStringLiteral("SELECT %1").arg(id));
        EXPECT_EQ(EnTabla(id), QStringLiteral("SELECT %1").arg(id));
    }
    EXPECT_FALSE(info.TrabajarConPesetas);
    EXPECT_FALSE(estado.mobjConfigContab.TrabajarConPesetas());
    EXPECT_EQ(Ajuste(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()), "0");
    EXPECT_EQ(Ajuste(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "0");

    // Back to pesetas, with the company selected at that moment.
    estado.mlngCodEmpresaSeleccionada = 12;
    ActualizarSQLPesetas(estado, info, base.con(), ajustes);
    EXPECT_EQ(EnTabla(1), ConsultasNodo::Asientos(true, 12));
    EXPECT_EQ(EnModelo(2), ConsultasNodo::Presupuesto(true, 12));
    EXPECT_EQ(EnTabla(3), kRecibosPesetas);
    EXPECT_TRUE(info.TrabajarConPesetas);
    EXPECT_TRUE(estado.mobjConfigContab.TrabajarConPesetas());
    EXPECT_EQ(Ajuste(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()), "1");
    EXPECT_EQ(Ajuste(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "1");
}

TEST_F(ConsultasNodoCambio, SinNingunaDeLasListasGuardaIgualLaMoneda)
{
    EstadoPrincipal vacio;
    ActualizarSQLEuros(vacio, info, base.con(), ajustes);
    EXPECT_FALSE(info.TrabajarConPesetas);
    EXPECT_FALSE(vacio.mobjConfigContab.TrabajarConPesetas());
    EXPECT_EQ(Ajuste(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "0");
    EXPECT_EQ(EnTabla(1), QStringLiteral("SELECT 1"));
}

// A write that fails half-way (here on the third node) changes nothing:
// not the rows already written, nor the model, the flags or the settings.
TEST_F(ConsultasNodoCambio, UnFalloDejaTodoComoEstaba)
{
    ASSERT_EQ(sqlite3_exec(base.con().handle(),
                           "CREATE TRIGGER falla BEFORE UPDATE ON Nodo WHEN NEW.IDNodo = 3 "
                           "BEGIN SELECT RAISE(ABORT, 'disco roto'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);

    EXPECT_THROW(ActualizarSQLEuros(estado, info, base.con(), ajustes), vb::VbError);

    EXPECT_FALSE(base.con().InTransaction());
    for (int id = 1; id <= 4; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(EnModelo(id), QStringLiteral("SELECT %1").arg(id));
        EXPECT_EQ(EnTabla(id), QStringLiteral("SELECT %1").arg(id));
    }
    EXPECT_TRUE(info.TrabajarConPesetas);
    EXPECT_TRUE(estado.mobjConfigContab.TrabajarConPesetas());
    EXPECT_EQ(Ajuste(cCRegistry::CONTABILIDAD(), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS()), "<nada>");
    EXPECT_EQ(Ajuste(cCRegistry::VODIDAZAZ(), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS()), "<nada>");
}

} // namespace
