#include "AccionesFixture.h"

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

} // namespace
