#include "recordlist/MenuContextual.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

// The state the plan leaves on the items it names: "v"/"h" visible or
// hidden, "e"/"d" enabled or disabled, or the caption.
QHash<QString, QString> Estado(const PlanMenu& plan)
{
    QHash<QString, QString> e;
    for (const CambioMenu& c : plan.cambios) {
        switch (c.propiedad) {
        case CambioMenu::Propiedad::Visible: e[c.nombre + QStringLiteral(".visible")] = c.activo ? "v" : "h"; break;
        case CambioMenu::Propiedad::Habilitado: e[c.nombre + QStringLiteral(".enabled")] = c.activo ? "e" : "d"; break;
        case CambioMenu::Propiedad::Caption: e[c.nombre + QStringLiteral(".caption")] = c.caption; break;
        }
    }
    return e;
}

// The secondary-actions items in table order, with "v"/"h" per item.
struct CasoSecundario {
    const char* caption;
    const char* nuevo;  // "" unchanged
    const char* items;  // Propiedades, Sep 5, Imprimir, Sep 6, Generar, Sep, Seleccionar, Renumerar, Sustituir
    bool restaurar;
};

class Secundario : public ::testing::TestWithParam<CasoSecundario> {};

TEST_P(Secundario, SetsTheItemsOfTheKind)
{
    static const char* const items[] = {
        "mnuSecundarioPropiedades", "mnuAydaSeparador5",      "mnuSecundarioImprimir",
        "mnuAydaSeparador6",        "mnuSecundarioGenerarDisco", "mnuSecundarioSeparador",
        "mnuSecundarioSeleccionar", "mnuSecundarioRenumerar", "mnuSecundarioSustituirSubcta",
    };
    const CasoSecundario& c = GetParam();
    const PlanMenu plan = MenuContextual::Plan(QString::fromUtf8(c.caption), QStringLiteral("x"));
    const auto e = Estado(plan);
    EXPECT_EQ(plan.menu, QStringLiteral("mnuSecundario"));
    EXPECT_EQ(e.value(QStringLiteral("mnuSecundarioNuevo.caption")), QString::fromUtf8(c.nuevo));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(e.value(QString::fromLatin1(items[i]) + QStringLiteral(".visible")), QString(QChar::fromLatin1(c.items[i])))
            << c.caption << " " << items[i];
    EXPECT_FALSE(e.contains(QStringLiteral("mnuSecundarioEliminar.visible")));
    EXPECT_EQ(plan.restaurarNuevo, c.restaurar);
    EXPECT_FALSE(plan.anulada.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Tabla, Secundario,
    ::testing::Values(CasoSecundario{"Remesas", "&Nueva", "vhhvvhhhh", true},
                      CasoSecundario{"Recibos por caja", "", "hhvhhhhhh", false},
                      CasoSecundario{"Tipos de Vodidazaz", "", "vhhhhhhhh", false},
                      CasoSecundario{"Donantes", "", "vhhhhhhhh", false},
                      CasoSecundario{"Bancos", "", "vhhhhhhhh", false},
                      CasoSecundario{"Presentadores", "", "vhhhhhhhh", false},
                      CasoSecundario{"Instituciones", "&Nueva", "vhhhhhhhh", true},
                      CasoSecundario{"Municipios", "", "vhhhhhhhh", false},
                      CasoSecundario{"Provincias", "&Nueva", "vhhhhhhhh", true},
                      CasoSecundario{"Padrón", "", "vhhhhhhhh", false},
                      CasoSecundario{"Colaboradores", "", "vhhhhhhhh", false},
                      CasoSecundario{"Cargos", "", "vhhhhhhhh", false},
                      CasoSecundario{"Actividades", "&Nueva", "vhhhhhhhh", true},
                      CasoSecundario{"Empresas", "&Nueva", "vhhhhvvhh", true},
                      CasoSecundario{"Asientos", "&Nuevo", "vhhhhvhvv", false},
                      CasoSecundario{"Asientos predefinidos", "&Nuevo", "vhhhhhhhh", false},
                      CasoSecundario{"Presupuesto", "&Nuevo", "vhhhhhhhh", false},
                      CasoSecundario{"Grupos", "&Nuevo", "vhhhhhhhh", false}));

struct CasoOtroMenu {
    const char* caption;
    const char* tipo;
    const char* menu;
    QHash<QString, QString> estado;
    const char* tablaAnulada;  // "" none
};

class OtrosMenus : public ::testing::TestWithParam<CasoOtroMenu> {};

TEST_P(OtrosMenus, SetItsItemsAndShowTheMenu)
{
    const CasoOtroMenu& c = GetParam();
    const PlanMenu plan = MenuContextual::Plan(QString::fromUtf8(c.caption), QString::fromUtf8(c.tipo));
    EXPECT_EQ(plan.menu, QString::fromUtf8(c.menu));
    EXPECT_EQ(Estado(plan), c.estado);
    EXPECT_EQ(plan.anulada ? plan.anulada->tabla : QString(), QString::fromUtf8(c.tablaAnulada));
    EXPECT_FALSE(plan.restaurarNuevo);
}

using H = QHash<QString, QString>;

INSTANTIATE_TEST_SUITE_P(
    Tabla, OtrosMenus,
    ::testing::Values(
        CasoOtroMenu{"Libros", "LibrosBautismo", "mnuLibros",
                     H{{"mnuLibrosImprimirLibros.caption", "Libro de &bautismo"},
                       {"mnuLibrosImprimirIndices.caption", "Listado de &índices del libro de bautismo"}},
                     ""},
        CasoOtroMenu{"Libros", "LibrosDefuncion", "mnuLibros",
                     H{{"mnuLibrosImprimirLibros.caption", "Libro de &defunción"},
                       {"mnuLibrosImprimirIndices.caption", "Listado de &índices del libro de defunción"}},
                     ""},
        CasoOtroMenu{"Libros", "Otro", "mnuLibros", H{}, ""},
        CasoOtroMenu{"Partidas", "PartidasBautismo", "mnuPartidas",
                     H{{"mnuPartidasImprimirVolante.visible", "v"},
                       {"mnuPartidasImprimirNotificacion.visible", "h"},
                       {"mnuPartidasImprimirComunicacion.visible", "h"},
                       {"mnuPartidasImprimirNotificacionSinLibro.visible", "h"}},
                     "Bautismo"},
        CasoOtroMenu{"Partidas", "PartidasConfirmacion", "mnuPartidas",
                     H{{"mnuPartidasImprimirVolante.visible", "h"},
                       {"mnuPartidasImprimirNotificacion.visible", "v"},
                       {"mnuPartidasImprimirComunicacion.visible", "h"},
                       {"mnuPartidasImprimirNotificacionSinLibro.visible", "v"}},
                     "Confirmacion"},
        CasoOtroMenu{"Partidas", "PartidasMatrimonio", "mnuPartidas",
                     H{{"mnuPartidasImprimirVolante.visible", "v"},
                       {"mnuPartidasImprimirNotificacion.visible", "v"},
                       {"mnuPartidasImprimirComunicacion.visible", "v"},
                       {"mnuPartidasImprimirNotificacionSinLibro.visible", "h"}},
                     "Matrimonio"},
        CasoOtroMenu{"Partidas", "PartidasDefuncion", "mnuPartidas",
                     H{{"mnuPartidasImprimirVolante.visible", "h"},
                       {"mnuPartidasImprimirNotificacion.visible", "h"},
                       {"mnuPartidasImprimirComunicacion.visible", "h"},
                       {"mnuPartidasImprimirNotificacionSinLibro.visible", "h"}},
                     "Defuncion"},
        CasoOtroMenu{"Solicitudes", "SolicitudesMatrimonio", "mnuSolicitudes",
                     H{{"mnuSolicitudesImprimir.visible", "h"}, {"mnuSolicitudesMatrimonioImprimir.visible", "v"}}, ""},
        CasoOtroMenu{"Solicitudes", "SolicitudesConfirmacion", "mnuSolicitudes",
                     H{{"mnuSolicitudesImprimir.visible", "h"}}, ""},
        CasoOtroMenu{"Solicitudes", "SolicitudesBautismo", "mnuSolicitudes", H{}, ""},
        CasoOtroMenu{"Bandeja de salida", "Mensaje", "mnuMensajeria", H{}, ""},
        CasoOtroMenu{"Cuentas", "Cuentas", "mnuEstructura",
                     H{{"mnuEstructuraNuevo.enabled", "e"},
                       {"mnuEstructuraEliminar.enabled", "e"},
                       {"mnuEstructuraPropiedades.enabled", "e"},
                       {"mnuEstructuraNuevo.caption", "&Nueva"},
                       {"mnuEstructuraSeparador1.visible", "h"},
                       {"mnuEstructuraAsignar.visible", "h"},
                       {"mnuEstructuraDesasignar.visible", "h"}},
                     ""},
        CasoOtroMenu{"Activo", "Activo", "", H{}, ""},
        CasoOtroMenu{"remesas", "Remesa", "", H{}, ""}));

TEST(MenuContextual, VoidCaption)
{
    EXPECT_EQ(MenuContextual::CaptionAnular(false, true), QStringLiteral("Inva&lidar"));
    EXPECT_EQ(MenuContextual::CaptionAnular(true, false), QStringLiteral("Inva&lidar"));
    EXPECT_EQ(MenuContextual::CaptionAnular(true, true), QStringLiteral("Va&lidar"));
}

} // namespace
