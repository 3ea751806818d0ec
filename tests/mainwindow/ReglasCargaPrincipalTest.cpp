#include "mainwindow/ReglasCargaPrincipal.h"

#include "platform/pvapi/cCAplicacion.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

using namespace ReglasCargaPrincipal;
using PVAPI::cCAplicacion;

// An edition's row: for each of the seven entries, "" (left as designed),
// "oculto", "visible" or the new caption (visibility as designed unless
// prefixed with "visible:").
struct CasoEdicion {
    long edicion;
    QMap<QString, QString> esperado;
};

QString Describir(const CambioMenu& c)
{
    if (c.visible && !*c.visible)
        return c.caption ? QStringLiteral("?") : QStringLiteral("oculto");
    if (c.visible && *c.visible)
        return c.caption ? QStringLiteral("visible:") + *c.caption : QStringLiteral("visible");
    return c.caption.value_or(QString());
}

class Edicion : public ::testing::TestWithParam<CasoEdicion> {};

TEST_P(Edicion, SetsTheHelpAndMarriageFileEntries)
{
    QMap<QString, QString> obtenido;
    for (const CambioMenu& c : MenusDeEdicion(cCAplicacion::Texto(GetParam().edicion)))
        obtenido.insert(c.nombre, Describir(c));
    EXPECT_EQ(obtenido, GetParam().esperado);
}

const QString F1 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato1");
const QString F2 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato2");
const QString F3 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato3");
const QString R1 = QStringLiteral("mnuSolicitudesImprimirResumenMatrimonio");
const QString R2 = QStringLiteral("mnuSolicitudesImprimirResumenMatrimonio2");
const QString O = QStringLiteral("mnuAyudaORBE");
const QString S = QStringLiteral("mnuAydaSeparador7");

const QMap<QString, QString> kOtra = {
    {O, "oculto"}, {S, "oculto"}, {F1, "&Expediente matrimonial (formato 1)"},
    {F2, "visible:E&xpediente matrimonial (formato 2)"}, {F3, "oculto"},
    {R1, "Resumen de matrimonio (Allegato V). Página &1"}, {R2, "visible"}};
const QMap<QString, QString> kMiranteTurel = {
    {O, "oculto"}, {S, "oculto"}, {F1, "oculto"}, {F2, "oculto"},
    {F3, "visible:E&xpediente matrimonial (formato 3)"}, {R1, "oculto"}, {R2, "oculto"}};

INSTANTIATE_TEST_SUITE_P(
    Tabla, Edicion,
    ::testing::Values(
        CasoEdicion {cCAplicacion::APP_PARVANTA_VALDENA,
                     {{O, "visible"}, {S, "visible"}, {F1, "&Expediente matrimonial de Valdena"},
                      {F2, "visible:Expediente matrimonial de &otras provincias"}, {F3, "oculto"},
                      {R1, "Resumen de matrimonio (Allegato V). Página &1"}, {R2, "visible"}}},
        CasoEdicion {cCAplicacion::APP_PARVANTA_CORBELA,
                     {{O, "oculto"}, {S, "oculto"}, {F1, "&Expediente matrimonial"}, {F2, "oculto"}, {F3, "oculto"},
                      {R1, "Atestado para otras Diócesis"}, {R2, "oculto"}}},
        CasoEdicion {cCAplicacion::APP_PARVANTA_MIRANTE, kMiranteTurel},
        CasoEdicion {cCAplicacion::APP_PARVANTA_TUREL, kMiranteTurel},
        CasoEdicion {cCAplicacion::APP_PARVANTA_GENERAL, kOtra}, CasoEdicion {99, kOtra}));

struct CasoComplementos {
    bool bancos, vodidazaz, parroquia, mensajeria, contabilidad;
    QStringList ramas;
    QStringList menus;
    QList<int> desplegable;
};

class Complementos : public ::testing::TestWithParam<CasoComplementos> {};

TEST_P(Complementos, NameTheBranchesMenusAndDropDownEntriesToRemove)
{
    const CasoComplementos& c = GetParam();
    PVAPI::cInfoConfiguracion info;
    info.BancosDLL = c.bancos;
    info.VodidazazDLL = c.vodidazaz;
    info.GestionParroquialDLL = c.parroquia;
    info.MensajeriaDLL = c.mensajeria;
    info.ContabilidadDLL = c.contabilidad;
    EXPECT_EQ(RamasAusentes(info), c.ramas);
    const EntradasAusentes ausentes = EntradasDeAusentes(info);
    EXPECT_EQ(ausentes.menus, c.menus);
    EXPECT_EQ(ausentes.desplegable, c.desplegable);
}

const QStringList kMenusVodidazaz = {"mnuGenerar", "mnuArchivoNuevoCaritativo", "mnuArchivoNuevoPresentador",
                                     "mnuArchivoNuevoRecibosCaja", "mnuArchivoNuevoRemesa",
                                     "mnuArchivoNuevoTiposDonativo", "mnuArchivoNuevoSeparador2",
                                     "mnuHerramientasMod182", "mnuHerramientasNulo2"};
const QStringList kMenusParroquia = {"mnuArchivoNuevoLibro", "mnuArchivoNuevoPartida", "mnuArchivoNuevoSolicitud",
                                     "mnuArchivoNuevoSeparador3"};
const QStringList kMenusContabilidad = {"mnuHerramientasContabilidad", "mnuHerramientasNulo1"};

INSTANTIATE_TEST_SUITE_P(
    Tabla, Complementos,
    ::testing::Values(
        CasoComplementos {true, true, true, true, true, {}, {}, {}},
        // Without banks the start-up also clears donations and accounting.
        CasoComplementos {false, false, true, true, false, {"Bancos", "Vodidazaz", "Contabilidad"},
                          kMenusVodidazaz + QStringList {"mnuArchivoNuevoBanco"} + kMenusContabilidad,
                          {1, 2, 3, 4, 5, 7, 6}},
        CasoComplementos {true, true, false, false, true, {"Gestión Parroquial"}, kMenusParroquia, {}},
        CasoComplementos {true, true, false, true, true, {"Gestión Parroquial"}, kMenusParroquia, {}},
        CasoComplementos {true, true, true, false, true, {"Mensajería"}, {}, {}},
        CasoComplementos {true, true, true, true, false, {"Contabilidad"}, kMenusContabilidad, {}},
        CasoComplementos {true, false, true, true, true, {"Vodidazaz"}, kMenusVodidazaz, {1, 2, 3, 4, 5, 7}}));

TEST(Consolidacion, NamesTheToolsEntryAndItsSeparator)
{
    EXPECT_EQ(MenusDeConsolidacion(),
              (QStringList {"mnuHerramientasContabilidadSeparador2", "mnuHerramientasConsolidar"}));
}

} // namespace
