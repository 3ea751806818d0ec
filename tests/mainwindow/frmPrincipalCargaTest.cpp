#include "mainwindow/Controles.h"
#include "mainwindow/VentanaPrueba.h"

#include "navigation/ArbolNodos.h"
#include "navigation/BarraBotones.h"
#include "navigation/ClavesNodo.h"
#include "navigation/ConsultasNodo.h"

#include "core/cConfiguracion.h"
#include "platform/db/Recordset.h"

#include "platform/pvapi/cCRegistry.h"
#include "platform/vb/Twips.h"
#include "platform/widgets/NvList.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QMap>
#include <QFile>
#include <QFrame>
#include <gtest/gtest.h>

namespace {

using PVAPI::cCRegistry;
const QString kRaiz = QStringLiteral("Nodos\\Norvia Parvanta 2000");

using CargaPrincipal = VentanaPrueba;

bool AlgunoExpandido(const ArbolNodos& arbol)
{
    for (int i = 1; i <= arbol.Count(); ++i) {
        if (arbol.Nodo(i)->isExpanded())
            return true;
    }
    return false;
}

TEST_F(CargaPrincipal, FirstRunOpensTheSeededTreeCollapsedAndSeedsTheSettings)
{
    frmPrincipal& v = Cargada();
    EXPECT_TRUE(informes.isEmpty()) << informes.join(QLatin1Char('\n')).toStdString();

    EXPECT_EQ(Arbol().Count(), 55);
    EXPECT_FALSE(AlgunoExpandido(Arbol()));
    EXPECT_EQ(Arbol().Seleccionado(), Arbol().Nodo(1));
    EXPECT_EQ(v.TextoPanel(1), "Norvia Parvanta 2000");
    EXPECT_EQ(Leer(kRaiz + QStringLiteral("\\Bancos"), QStringLiteral("Expandido")), "0");
    EXPECT_EQ(Ajustes().Leer(Ajustes().SeccionGrids(), QStringLiteral("143")), "990");

    EXPECT_EQ(v.Estado().gintNRegMax, 24);
    EXPECT_EQ(v.SplitterLeft(), 1965);
    EXPECT_NEAR(vb::PixelsToTwipsX(v.width()), 12120, 15);
    EXPECT_NEAR(vb::PixelsToTwipsY(v.height()), 8700, 15);
    EXPECT_EQ(v.Estado().mlngIDNodo, 1);
    EXPECT_FALSE(v.Estado().mblnFiltrado);
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuArchivoEliminar"))->isEnabled());
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuArchivoPropiedades"))->isEnabled());
    EXPECT_TRUE(Control<widgets::NvList>(v, "msgPrincipal").isHidden());
    EXPECT_TRUE(Control<QFrame>(v, "picConta").isHidden());
    EXPECT_EQ(Control<BarraBotones>(v, "tbPrincipal").Imagen(1), 7);
    EXPECT_EQ(Control<BarraBotones>(v, "tbPrincipal").Imagen(11), 9);
    EXPECT_TRUE(v.mobjBloqueos());
    EXPECT_EQ(v.Estado().mobjConfigContab.Usuario(), "Administrador\\3082");
    EXPECT_EQ(testsupport::scriptedUi().mousePointer(), ui::vbDefault);
}

TEST_F(CargaPrincipal, AStoredOneExpandsItsNodeAfterRestart)
{
    {
        frmPrincipal& v = Cargada();
        Arbol().SetExpandido(Arbol().PorClave(QStringLiteral("c6")), true);
        v.close();
    }
    EXPECT_EQ(Leer(kRaiz + QStringLiteral("\\Vodidazaz"), QStringLiteral("Expandido")), "1");
    Cargada();
    EXPECT_TRUE(Arbol().PorClave(QStringLiteral("c6"))->isExpanded());
    EXPECT_FALSE(Arbol().PorClave(QStringLiteral("c14"))->isExpanded());
}

TEST_F(CargaPrincipal, WithoutConsolidationTheGroupsGo)
{
    frmPrincipal& v = Cargada();
    EXPECT_FALSE(Captions().contains(QStringLiteral("Grupos")));
    EXPECT_TRUE(Captions().contains(QStringLiteral("Empresas")));
    const auto& empresas = v.Estado().gcolNodo.Item(ClaveColeccion(43));
    EXPECT_FALSE(empresas->colCampo().Contiene(ClaveColeccion(142)));
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuHerramientasConsolidar"))->isVisible());
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuHerramientasContabilidadSeparador2"))->isVisible());
}

struct CasoAusencia {
    const char* nombre;
    bool bancos, vodidazaz, parroquia, mensajeria, contabilidad;
    QStringList quitadas;
    QStringList quedan;
    QStringList menusOcultos;
    QList<bool> desplegable;  // visibility of the eight "Nuevo" entries
};

class Ausencias : public VentanaPrueba, public ::testing::WithParamInterface<CasoAusencia> {};

TEST_P(Ausencias, RemoveTheBranchMenusAndToolbarEntries)
{
    const CasoAusencia& c = GetParam();
    info.BancosDLL = c.bancos;
    info.VodidazazDLL = c.vodidazaz;
    info.GestionParroquialDLL = c.parroquia;
    info.MensajeriaDLL = c.mensajeria;
    info.ContabilidadDLL = c.contabilidad;
    frmPrincipal& v = Cargada();
    const QStringList captions = Captions();
    for (const QString& rama : c.quitadas)
        EXPECT_FALSE(captions.contains(rama)) << rama.toStdString();
    for (const QString& rama : c.quedan)
        EXPECT_TRUE(captions.contains(rama)) << rama.toStdString();
    for (const QString& menu : c.menusOcultos)
        EXPECT_FALSE(v.Menu(menu)->isVisible()) << menu.toStdString();
    const auto& barra = Control<BarraBotones>(v, "tbPrincipal");
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(barra.Entrada(1, i)->isVisible(), c.desplegable.at(i - 1)) << i;
    EXPECT_EQ(v.mobjBloqueos() != nullptr, c.contabilidad);
    EXPECT_TRUE(v.Estado().gcolNodo.Contiene(ClaveColeccion(2))) << "the model keeps every node";
}

const QList<bool> kTodas = {true, true, true, true, true, true, true, true};

INSTANTIATE_TEST_SUITE_P(
    Complementos, Ausencias,
    ::testing::Values(
        CasoAusencia {"Bancos", false, false, true, true, false, {"Bancos", "Vodidazaz", "Contabilidad", "Donantes"},
                      {"Gestión Parroquial", "Mensajería"},
                      {"mnuGenerar", "mnuArchivoNuevoBanco", "mnuHerramientasContabilidad", "mnuHerramientasNulo1"},
                      {false, false, false, false, false, false, false, true}},
        CasoAusencia {"Parroquia", true, true, false, true, true, {"Gestión Parroquial", "Mensajería", "Agenda"},
                      {"Bancos", "Vodidazaz", "Contabilidad"}, {"mnuArchivoNuevoLibro"}, kTodas},
        CasoAusencia {"Mensajeria", true, true, true, false, true, {"Mensajería", "Bandeja de entrada"},
                      {"Gestión Parroquial", "Agenda"}, {}, kTodas},
        CasoAusencia {"Contabilidad", true, true, true, true, false, {"Contabilidad", "<>"},
                      {"Bancos", "Gestión Parroquial"}, {"mnuHerramientasContabilidad", "mnuHerramientasNulo1"},
                      kTodas},
        CasoAusencia {"Vodidazaz", true, false, true, true, true, {"Vodidazaz", "Remesas"}, {"Bancos"},
                      {"mnuGenerar", "mnuArchivoNuevoRecibosCaja"},
                      {false, false, false, false, false, true, false, true}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(CargaPrincipal, TheEditionOfThisBuildOffersOnlyFormat3)
{
    frmPrincipal& v = Cargada();
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuAyudaORBE"))->isVisible());
    EXPECT_FALSE(v.Menu(QStringLiteral("mnuSolicitudesImprimirExpedienteFormato1"))->isVisible());
    QAction* formato3 = v.Menu(QStringLiteral("mnuSolicitudesImprimirExpedienteFormato3"));
    EXPECT_TRUE(formato3->isVisible());
    EXPECT_EQ(formato3->text(), "E&xpediente matrimonial (formato 3)");
}

TEST_F(CargaPrincipal, ValdenaShowsTheOrbePage)
{
    frmPrincipal& v = Cargada(PVAPI::cCAplicacion::APP_PARVANTA_VALDENA);
    EXPECT_TRUE(v.Menu(QStringLiteral("mnuAyudaORBE"))->isVisible());
    EXPECT_TRUE(v.Menu(QStringLiteral("mnuAydaSeparador7"))->isVisible());
    EXPECT_EQ(v.Menu(QStringLiteral("mnuSolicitudesImprimirExpedienteFormato1"))->text(),
              "&Expediente matrimonial de Valdena");
}

TEST_F(CargaPrincipal, StoredPlacementIsRestoredAndBadTextsFallBack)
{
    const AjustesUsuario a = Ajustes();
    const QString s = a.Seccion(cCRegistry::INTERFACE());
    a.Guardar(s, cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("25.5"));
    a.Guardar(s, cCRegistry::INTERFACE_SPLITTER_LEFT(), QStringLiteral("2400"));
    a.Guardar(s, cCRegistry::INTERFACE_WIDTH(), QStringLiteral("ancho"));
    a.Guardar(s, cCRegistry::INTERFACE_HEIGHT(), QStringLiteral("9000"));
    frmPrincipal& v = Cargada();
    EXPECT_EQ(v.Estado().gintNRegMax, 26);
    EXPECT_EQ(v.SplitterLeft(), 2400);
    EXPECT_GE(vb::PixelsToTwipsX(v.width()), 6000 - 15) << "the minimum width, not 0";
    EXPECT_NEAR(vb::PixelsToTwipsY(v.height()), 9000, 15);

    a.Guardar(s, cCRegistry::INTERFACE_NREGMAX(), QStringLiteral("filas"));
    EXPECT_EQ(Cargada().Estado().gintNRegMax, 24);
}

TEST_F(CargaPrincipal, WithoutThePictureDatabaseTheWindowStillOpens)
{
    ASSERT_TRUE(QFile::remove(carpeta.file(QStringLiteral("Imagenes.img"))));
    frmPrincipal& v = Cargada();
    EXPECT_EQ(Arbol().Count(), 0);
    EXPECT_EQ(v.Estado().gcolNodo.Count(), 55);
    EXPECT_TRUE(informes.contains(QStringLiteral("fillImlTreeView()|cIPrincipal|NorviaParvanta2000.vbp")));
    EXPECT_TRUE(informes.contains(QStringLiteral("FillImlBotonera|cIPrincipal|NorviaParvanta2000.vbp")));
}

TEST_F(CargaPrincipal, LoadingTwiceDoesNothingMore)
{
    frmPrincipal& v = Cargada();
    Arbol().Nodo(1)->setText(0, QStringLiteral("cambiado"));
    v.Cargar();
    EXPECT_EQ(Arbol().Count(), 55);
    EXPECT_EQ(ArbolNodos::Texto(Arbol().Nodo(1)), "cambiado");
}

// `Nodo` is shared: another workstation stored company 12 in pesetas. This
// user chose company 13 and euros, so after the settings are read the lists
// here ask for company 13 in euros; the shared table keeps what it held.
class ConsultasDelPuesto : public CargaPrincipal {
protected:
    void SetUp() override
    {
        CargaPrincipal::SetUp();
        for (const qint32 id : {12, 13})
            den.conContabilidad.Exec(QStringLiteral("INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, "
                                                    "AñoEjercicio) VALUES (?, 'E', 'par', 2001)"),
                                     {db::Value(id)});
        db::Recordset nodos = den.conLocal.Query(QStringLiteral("SELECT IDNodo, Nombre, Descripcion FROM Nodo"), {});
        for (; !nodos.isEOF(); nodos.MoveNext()) {
            const QString nombre = nodos.value(1).toString();
            QString otra = ConsultasNodo::DeEmpresa(nombre, 12, true);
            if (nombre == u"Recibos por caja")
                otra = ConsultasNodo::RecibosCaja(true);
            else if (nombre == u"Remesas" && nodos.value(2).toString() == u"Remesa")
                otra = ConsultasNodo::Remesas(true);
            if (otra.isEmpty())
                continue;
            den.conLocal.Exec(QStringLiteral("UPDATE Nodo SET SQLSelect = ? WHERE IDNodo = ?"), {otra, nodos.value(0)});
            guardadas.insert(int(nodos.value(0).toInt64()), otra);
        }
        const AjustesUsuario ajustes = Ajustes();
        ajustes.Guardar(ajustes.Seccion(cCRegistry::CONTABILIDAD()), cCRegistry::CONTABILIDAD_TRABAJARENPESETAS(),
                        QStringLiteral("0"));
        ajustes.Guardar(ajustes.Seccion(cCRegistry::VODIDAZAZ()), cCRegistry::VODIDAZAZ_TRABAJARENPESETAS(),
                        QStringLiteral("0"));
    }

    // Reads the settings the way the start-up does, with this window.
    void LeerAjustes(const QString& empresa)
    {
        const AjustesUsuario ajustes = Ajustes();
        ajustes.Guardar(ajustes.Seccion(cCRegistry::CONTABILIDAD()), cCRegistry::CONTABILIDAD_EMPRESASELECCIONADA(),
                        empresa);
        frmPrincipal& v = Ventana();
        cConfiguracion(info, QStringLiteral("Norvia Parvanta 2000"), carpeta.path(), &den.conContabilidad,
                       [&v] { return v.Empresa(); })
            .LeeRegistro();
    }

    QString EnModelo(int id) const { return ventana->Estado().gcolNodo.Item(QStringLiteral(" %1").arg(id))->SQLSelect(); }

    QMap<int, QString> guardadas;
};

TEST_F(ConsultasDelPuesto, TheListsFollowThisUsersCompanyAndCurrency)
{
    ASSERT_EQ(guardadas.size(), 7) << "five company lists and two donation lists";
    LeerAjustes(QStringLiteral("13"));
    ASSERT_EQ(ventana->Estado().mlngCodEmpresaSeleccionada, 13);

    for (auto it = guardadas.cbegin(); it != guardadas.cend(); ++it) {
        const cNodo& nodo = *ventana->Estado().gcolNodo.Item(QStringLiteral(" %1").arg(it.key()));
        SCOPED_TRACE(nodo.Nombre().toStdString());
        QString esperada = ConsultasNodo::DeEmpresa(nodo.Nombre(), 13, false);
        if (nodo.Nombre() == u"Recibos por caja")
            esperada = ConsultasNodo::RecibosCaja(false);
        else if (nodo.Nombre() == u"Remesas")
            esperada = ConsultasNodo::Remesas(false);
        EXPECT_EQ(EnModelo(it.key()), esperada);
        EXPECT_EQ(den.conLocal.Query(QStringLiteral("SELECT SQLSelect FROM Nodo WHERE IDNodo = ?"), {it.key()})
                      .value(0)
                      .toString(),
                  it.value());
    }
}

// No company chosen here (or one whose row is gone): the company lists are
// empty rather than another workstation's.
TEST_F(ConsultasDelPuesto, WithoutACompanyOfItsOwnTheCompanyListsAreEmpty)
{
    for (const QString& empresa : {QStringLiteral(""), QStringLiteral("0"), QStringLiteral("77")}) {
        SCOPED_TRACE(empresa.toStdString());
        LeerAjustes(empresa);
        ventana->Cargar();
        EXPECT_EQ(ventana->Estado().mlngCodEmpresaSeleccionada, 0);
        int vacias = 0;
        for (const auto& nodo : ventana->Estado().gcolNodo) {
            if (ConsultasNodo::DependeDeEmpresa(*nodo)) {
                EXPECT_EQ(nodo->SQLSelect(), QString()) << nodo->Nombre().toStdString();
                ++vacias;
            }
        }
        EXPECT_EQ(vacias, 5);
        EXPECT_EQ(EnModelo(13), ConsultasNodo::RecibosCaja(false));
    }
}

} // namespace
