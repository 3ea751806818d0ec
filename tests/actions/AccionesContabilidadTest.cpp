// The chart actions: what the accounting add-in receives, the lookups that
// turn the structure tree's node and the nature's caption into ids (bound,
// in the selected company only), and the pointer each leaves.

#include "AccionesFixture.h"

#include <QTreeWidgetItem>

namespace {

using ::testing::_;
using ::testing::Eq;
using ::testing::InvokeWithoutArgs;
using ::testing::Pointee;
using ::testing::Ref;
using ::testing::SetArgReferee;

class AccionesContabilidadTest : public AccionesTest {
public:
    AccionesContabilidadTest()
    {
        for (const char* naturaleza : {"Activo", "Pasivo", "Debe", "Haber"})
            app.den.conContabilidad.Exec(QStringLiteral("INSERT INTO Naturaleza (Descripcion) VALUES (?)"),
                                         {QString::fromLatin1(naturaleza)});
        Cuenta(kEmpresaSeleccionada, QStringLiteral("4300"));
        Cuenta(99, QStringLiteral("4300"));
    }

    qint32 Cuenta(qint32 empresa, const QString& codigo)
    {
        app.den.conContabilidad.Exec(
            QStringLiteral("INSERT INTO Cuenta (CodEmpresa, Codigo, Descripcion, CodTipo_Cuenta) VALUES (?, ?, 'C', 1)"),
            {db::Value(empresa), codigo});
        return qint32(app.den.conContabilidad.Query(QStringLiteral("SELECT MAX(IDCuenta) FROM Cuenta"), {})
                          .value(0)
                          .toInt64());
    }
    qint32 IdNaturaleza(const char* descripcion)
    {
        return qint32(app.den.conContabilidad
                          .Query(QStringLiteral("SELECT IDNaturaleza FROM Naturaleza WHERE Descripcion = ?"),
                                 {QString::fromLatin1(descripcion)})
                          .value(0)
                          .toInt64());
    }
    // A node of the structure tree with its key, selected.
    void Seleccionar(const QString& clave)
    {
        auto* nodo = new QTreeWidgetItem(&ventana.arbol, {clave});
        nodo->setData(0, Qt::UserRole, clave);
        nodo->setSelected(true);
    }

    cConfigContabilidad& config() { return ventana.estado.mobjConfigContab; }
};

TEST_F(AccionesContabilidadTest, DeletingFromTheTreeTellsHeadingsFromAccounts)
{
    EXPECT_CALL(*contabilidad, EliminarEpigrafe(Ref(config()), Ref(ventana.arbol), _, Eq(kEmpresaSeleccionada)));
    Seleccionar(QStringLiteral("e7"));
    acciones.EliminarEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 1);
    ventana.arbol.clear();

    // "c4300" is account 4300 of the selected company, not of company 99;
    // an upper-case "E" is no heading.
    const qint32 cuenta = qint32(app.den.conContabilidad
                                     .Query(QStringLiteral("SELECT IDCuenta FROM Cuenta WHERE CodEmpresa = 12"), {})
                                     .value(0)
                                     .toInt64());
    EXPECT_CALL(*contabilidad, EliminarCuenta(_, _, Eq(kEmpresaSeleccionada), Eq(cuenta), Eq(&ventana.arbol)));
    Seleccionar(QStringLiteral("c4300"));
    acciones.EliminarEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 2);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// A hostile or unknown code, an unknown nature or no selected node call
// nothing at all.
TEST_F(AccionesContabilidadTest, WhatTheDatabaseDoesNotKnowCallsNothing)
{
    acciones.EliminarEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 1);
    Seleccionar(QStringLiteral("E7"));
    acciones.EliminarEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 1);
    ventana.arbol.clear();
    Seleccionar(QStringLiteral("c4300\" OR \"1\"=\"1"));
    acciones.EliminarEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 1);
    bool cancelar = false;
    acciones.AsignarCuenta(config(), ventana.arbol, kEmpresaSeleccionada, QStringLiteral("Activo' OR '1'='1"),
                           cancelar);
    acciones.DesasignarCuenta(config(), ventana.arbol, kEmpresaSeleccionada, QStringLiteral("Grupos"));
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

TEST_F(AccionesContabilidadTest, AssigningLooksTheNatureUpAndHandsTheCancelBack)
{
    EXPECT_CALL(*contabilidad, AsignarCuenta(Ref(config()), Ref(ventana.arbol), _, Eq(kEmpresaSeleccionada),
                                             IdNaturaleza("Debe"), _))
        .WillOnce(SetArgReferee<5>(true));
    EXPECT_CALL(*contabilidad, DesasignarCuenta(_, _, _, Eq(kEmpresaSeleccionada), IdNaturaleza("Haber")));
    bool cancelar = false;
    acciones.AsignarCuenta(config(), ventana.arbol, kEmpresaSeleccionada, QStringLiteral("Debe"), cancelar);
    acciones.DesasignarCuenta(config(), ventana.arbol, kEmpresaSeleccionada, QStringLiteral("Haber"));
    EXPECT_TRUE(cancelar);
}

// New and Properties of accounts leave the hourglass for the list reload
// that follows; a heading and a company end with the default pointer.
TEST_F(AccionesContabilidadTest, AccountsLeaveTheHourglassForTheReload)
{
    EXPECT_CALL(*contabilidad, EditarCuenta(_, _, Eq(kEmpresaSeleccionada), Eq(40), _));
    acciones.EditarCuenta(config(), kEmpresaSeleccionada, 40);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbHourglass);

    EXPECT_CALL(*contabilidad, NuevoEpigrafe(_, _, _, Eq(kEmpresaSeleccionada), Eq(2), Eq(3), _))
        .WillOnce(InvokeWithoutArgs([] { EXPECT_EQ(pantalla().mousePointer(), ui::vbHourglass); }));
    bool cancelar = false;
    acciones.NuevoEpigrafe(config(), ventana.arbol, kEmpresaSeleccionada, 2, 3, cancelar);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);

    EXPECT_CALL(*contabilidad, NuevaEmpresa(Ref(config()), _, _)).WillOnce(SetArgReferee<2>(31));
    qint32 nueva = -1;
    acciones.NuevaEmpresa(nueva);
    EXPECT_EQ(nueva, 31);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

} // namespace
