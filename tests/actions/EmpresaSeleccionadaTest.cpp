#include "AccionesFixture.h"

#include "actions/EmpresaSeleccionada.h"
#include "navigation/ConsultasNodo.h"

#include <memory>

// The selected company after the accounting add-in edited or deleted a
// company: known by its id, so another company that shows the same label
// never touches the tree.

namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::InvokeWithoutArgs;
using ::testing::SetArgReferee;

// The accounting lists that depend on the company, as seeded.
const QList<qint32> kNodosEmpresa = {46, 49, 50, 55, 56};
const QString kConsultaEmpresa = QStringLiteral("SELECT * FROM Asiento WHERE CodEmpresa = 12");

class EmpresaSeleccionadaTest : public AccionesTest {
public:
    EmpresaSeleccionadaTest()
    {
        Empresa(kEmpresaSeleccionada, QStringLiteral("par"), 2001);
        Empresa(kOtra, QStringLiteral("PAR"), 2001);
        ventana.nodos = {QStringLiteral("Duzediv"), QStringLiteral("Contabilidad"), QStringLiteral("<PAR - 2001>"),
                         QStringLiteral("Asientos")};
        CargarNodos();
    }

    void Empresa(qint32 id, const QString& abreviatura, int anio)
    {
        app.den.conContabilidad.Exec(
            QStringLiteral("INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, AñoEjercicio) VALUES (?, 'E', ?, ?)"),
            {db::Value(id), abreviatura, db::Value(anio)});
    }

    // The five company lists with a company's query, stored and in the
    // model, plus a "Cuentas" list outside the accounting branch.
    void CargarNodos()
    {
        for (const qint32 id : kNodosEmpresa) {
            app.den.conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"),
                                  {kConsultaEmpresa, db::Value(id)});
            db::Recordset fila = app.den.conLocal.Query(
                QStringLiteral("SELECT Nombre, Descripcion FROM Nodo WHERE IDNodo = ?"), {db::Value(id)});
            Nodo(id, fila.value(0).toString(), fila.value(1).toString(), QStringLiteral("Contabilidad"));
        }
        Nodo(900, QStringLiteral("Cuentas"), QStringLiteral("Cuentas"), QStringLiteral("Vodidazaz"));
    }
    void Nodo(qint32 id, const QString& nombre, const QString& descripcion, const QString& padre)
    {
        auto nodo = std::make_shared<cNodo>();
        nodo->SetIDNodo(id);
        nodo->SetNombre(nombre);
        nodo->SetDescripcion(descripcion);
        nodo->SetPadreDeNivel2(padre);
        nodo->SetSQLSelect(kConsultaEmpresa);
        ventana.estado.gcolNodo.Add(nodo, QStringLiteral(" %1").arg(id));
    }

    QStringList ConsultasEnMemoria() const
    {
        QStringList consultas;
        for (const auto& nodo : ventana.estado.gcolNodo)
            consultas << nodo->SQLSelect();
        return consultas;
    }
    QStringList ConsultasGuardadas()
    {
        QStringList consultas;
        for (const qint32 id : kNodosEmpresa)
            consultas << app.den.conLocal.Query(QStringLiteral("SELECT SQLSelect FROM Nodo WHERE IDNodo = ?"),
                                                {db::Value(id)})
                             .value(0)
                             .toString();
        return consultas;
    }

    void Editar(qint32 id)
    {
        lngID = id;
        QString caption = QStringLiteral("Empresas");
        acciones.Editar(caption, lngID, strTextDescription);
    }
    void Eliminar(qint32 id, bool eliminada)
    {
        lngID = id;
        EXPECT_CALL(*contabilidad, EliminaEmpresa(_, _, _, _)).WillOnce(SetArgReferee<3>(eliminada));
        QString caption = QStringLiteral("Empresas");
        acciones.Eliminar(caption, lngID, strTextDescription);
    }
    // The edit dialog stores a new abbreviation and year.
    void DialogoDeEmpresa(const QString& abreviatura, int anio)
    {
        EXPECT_CALL(*contabilidad, EditaEmpresa(_, _, _)).WillOnce(InvokeWithoutArgs([=, this] {
            app.den.conContabilidad.Exec(
                QStringLiteral("UPDATE Empresa SET Abreviatura = ?, AñoEjercicio = ? WHERE IDEmpresa = ?"),
                {abreviatura, db::Value(anio), db::Value(lngID)});
        }));
    }

    static constexpr qint32 kOtra = 13;
};

TEST_F(EmpresaSeleccionadaTest, EditarLaSeleccionadaCambiaSuNodo)
{
    DialogoDeEmpresa(QStringLiteral("par"), 2002);

    Editar(kEmpresaSeleccionada);

    EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<PAR - 2002>"));
    EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, kEmpresaSeleccionada);
}

// Company 13 shows the same label as the selected one; editing it leaves
// the selected company's node alone.
TEST_F(EmpresaSeleccionadaTest, EditarOtraConLaMismaEtiquetaNoCambiaElArbol)
{
    DialogoDeEmpresa(QStringLiteral("OTR"), 2003);

    Editar(kOtra);

    EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<PAR - 2001>"));
}

TEST_F(EmpresaSeleccionadaTest, EliminarLaSeleccionadaLaQuitaConSuBloqueoYSusListas)
{
    Eliminar(kEmpresaSeleccionada, true);

    EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<>"));
    EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, 0);
    EXPECT_EQ(ventana.llamadas, (QStringList{"Habilitar(False)", "Habilitar(True)", "TraerAlFrente",
                                             "LiberarBloqueoEmpresa"}));
    EXPECT_EQ(ConsultasEnMemoria(), (QStringList{"", "", "", "", "", kConsultaEmpresa}));
    EXPECT_EQ(ConsultasGuardadas(), (QStringList{" ", " ", " ", " ", " "}));
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// Another company (even one with the same label), or a deletion the add-in
// did not carry out: nothing of the selection changes.
TEST_F(EmpresaSeleccionadaTest, OtraEmpresaOUnaEliminacionNoHechaNoCambianNada)
{
    Eliminar(kOtra, true);
    Eliminar(kEmpresaSeleccionada, false);

    EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<PAR - 2001>"));
    EXPECT_EQ(ventana.estado.mlngCodEmpresaSeleccionada, kEmpresaSeleccionada);
    EXPECT_FALSE(ventana.llamadas.contains(QStringLiteral("LiberarBloqueoEmpresa")));
    EXPECT_EQ(ConsultasGuardadas(), QStringList(5, kConsultaEmpresa));
    EXPECT_EQ(ConsultasEnMemoria(), QStringList(6, kConsultaEmpresa));
}

// Selecting company 13 locks it, points exactly the five accounting lists
// at it (stored and in memory, in the currency chosen) and shows its label
// and closed year.
TEST_F(EmpresaSeleccionadaTest, SeleccionarUnaEmpresaApuntaSusCincoListasAElla)
{
    app.den.conContabilidad.Exec(QStringLiteral("UPDATE Empresa SET EjercicioCerrado = True WHERE IDEmpresa = ?"),
                                 {db::Value(kOtra)});
    for (const bool pesetas : {false, true}) {
        SCOPED_TRACE(pesetas);
        ventana.llamadas.clear();
        ventana.estado.mobjConfigContab.SetTrabajarConPesetas(pesetas);
        ventana.estado.mlngCodEmpresaSeleccionada = kOtra;
        ventana.estado.mblnEjercicioCerrado = false;

        EmpresaSeleccionada::ActualizarNodos(ventana, app.den.conLocal, app.den.conContabilidad);

        EXPECT_EQ(ventana.llamadas, QStringList{"BloquearEmpresa"});
        EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<PAR - 2001>"));
        EXPECT_TRUE(ventana.estado.mblnEjercicioCerrado);
        QStringList esperadas;
        for (const auto& nodo : ventana.estado.gcolNodo) {
            if (nodo->IDNodo() != 900)
                esperadas << ConsultasNodo::DeEmpresa(nodo->Nombre(), 13, pesetas);
        }
        EXPECT_EQ(ConsultasGuardadas(), esperadas);
        EXPECT_EQ(ConsultasEnMemoria(), esperadas + QStringList{kConsultaEmpresa}) << "another branch's Cuentas";
        EXPECT_TRUE(esperadas.contains(
            "SELECT Codigo, Descripcion, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=1 AND CodEmpresa=13 ORDER BY Codigo"));
        EXPECT_TRUE(esperadas.contains(
            QStringLiteral("SELECT Codigo, %1, IDCuenta FROM Cuenta WHERE CodTipo_Cuenta=2 AND CodEmpresa=13 AND "
                           "PresupuestoTotal <> '0' ORDER BY Codigo")
                .arg(pesetas ? "PresupuestoTotal" : "PresupuestoTotalEuros")));
        // Every stored query runs on the accounting database.
        for (const QString& consulta : esperadas)
            EXPECT_NO_THROW(app.den.conContabilidad.Query(consulta, {})) << consulta.toStdString();
    }
}

// A company without its row: the lists follow its id, its node goes blank
// (and is found again by the next selection), the closed year stays.
TEST_F(EmpresaSeleccionadaTest, UnaEmpresaSinFilaDejaSuNodoEnBlanco)
{
    ventana.estado.mlngCodEmpresaSeleccionada = 77;
    ventana.estado.mblnEjercicioCerrado = true;
    EmpresaSeleccionada::ActualizarNodos(ventana, app.den.conLocal, app.den.conContabilidad);
    EXPECT_EQ(ventana.nodos.at(2), QString());
    EXPECT_TRUE(ventana.estado.mblnEjercicioCerrado);
    EXPECT_TRUE(ConsultasGuardadas().at(2).endsWith(QStringLiteral("CodEmpresa=77 ORDER BY Codigo")));

    ventana.estado.mlngCodEmpresaSeleccionada = kEmpresaSeleccionada;
    EmpresaSeleccionada::ActualizarNodos(ventana, app.den.conLocal, app.den.conContabilidad);
    EXPECT_EQ(ventana.nodos.at(2), QStringLiteral("<PAR - 2001>"));
    EXPECT_FALSE(ventana.estado.mblnEjercicioCerrado);
}

} // namespace
