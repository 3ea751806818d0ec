#include "recordlist/MenuContextual.h"

#include "core/CcNodos.h"

#include <QStringList>

namespace {

using P = CambioMenu::Propiedad;

CambioMenu Visible(const char* nombre, bool visible)
{
    return {QString::fromLatin1(nombre), P::Visible, visible, {}};
}

CambioMenu Habilitado(const char* nombre, bool habilitado)
{
    return {QString::fromLatin1(nombre), P::Habilitado, habilitado, {}};
}

CambioMenu Caption(const char* nombre, const QString& caption)
{
    return {QString::fromLatin1(nombre), P::Caption, false, caption};
}

// One row of the secondary-actions table: the caption of New (empty:
// unchanged) and whether each of the nine items after it is shown, in the
// table's column order. Rows that list only Propiedades show that alone.
struct FilaSecundario {
    const char* nuevo;
    bool items[9];
};

const char* const kItemsSecundario[9] = {
    "mnuSecundarioPropiedades", "mnuAydaSeparador5",      "mnuSecundarioImprimir",
    "mnuAydaSeparador6",        "mnuSecundarioGenerarDisco", "mnuSecundarioSeparador",
    "mnuSecundarioSeleccionar", "mnuSecundarioRenumerar", "mnuSecundarioSustituirSubcta",
};

PlanMenu PlanSecundario(const FilaSecundario& fila)
{
    PlanMenu plan;
    const QString nuevo = QString::fromUtf8(fila.nuevo);
    if (!nuevo.isEmpty())
        plan.cambios << Caption("mnuSecundarioNuevo", nuevo);
    for (int i = 0; i < 9; ++i)
        plan.cambios << Visible(kItemsSecundario[i], fila.items[i]);
    plan.menu = QStringLiteral("mnuSecundario");
    plan.restaurarNuevo = nuevo == u"&Nueva";
    return plan;
}

PlanMenu PlanLibros(const QString& tipo)
{
    struct Textos {
        const char* tipo;
        const char* libro;
        const char* indices;
    };
    static const Textos kTextos[] = {
        {"LibrosBautismo", "Libro de &bautismo", "Listado de &índices del libro de bautismo"},
        {"LibrosConfirmacion", "Libro de &confirmación", "Listado de &índices del libro de confirmación"},
        {"LibrosMatrimonio", "Libro de &matrimonio", "Listado de &índices del libro de matrimonio"},
        {"LibrosDefuncion", "Libro de &defunción", "Listado de &índices del libro de defunción"},
    };
    PlanMenu plan;
    for (const Textos& t : kTextos)
        if (tipo == QLatin1String(t.tipo))
            plan.cambios << Caption("mnuLibrosImprimirLibros", QString::fromUtf8(t.libro))
                         << Caption("mnuLibrosImprimirIndices", QString::fromUtf8(t.indices));
    plan.menu = QStringLiteral("mnuLibros");
    return plan;
}

PlanMenu PlanPartidas(const QString& tipo)
{
    PlanMenu plan;
    plan.cambios << Visible("mnuPartidasImprimirVolante", true) << Visible("mnuPartidasImprimirNotificacion", true)
                 << Visible("mnuPartidasImprimirComunicacion", false);
    if (tipo == u"PartidasBautismo") {
        plan.anulada = PlanMenu::Anulada{QStringLiteral("Bautismo"), QStringLiteral("IDBautismo")};
        plan.cambios << Visible("mnuPartidasImprimirNotificacionSinLibro", false)
                     << Visible("mnuPartidasImprimirNotificacion", false);
    } else if (tipo == u"PartidasConfirmacion") {
        plan.anulada = PlanMenu::Anulada{QStringLiteral("Confirmacion"), QStringLiteral("IDConfirmacion")};
        plan.cambios << Visible("mnuPartidasImprimirVolante", false)
                     << Visible("mnuPartidasImprimirNotificacionSinLibro", true);
    } else if (tipo == u"PartidasMatrimonio") {
        plan.anulada = PlanMenu::Anulada{QStringLiteral("Matrimonio"), QStringLiteral("IDMatrimonio")};
        plan.cambios << Visible("mnuPartidasImprimirComunicacion", true)
                     << Visible("mnuPartidasImprimirNotificacionSinLibro", false);
    } else if (tipo == u"PartidasDefuncion") {
        plan.anulada = PlanMenu::Anulada{QStringLiteral("Defuncion"), QStringLiteral("IDDifunto")};
        plan.cambios << Visible("mnuPartidasImprimirVolante", false) << Visible("mnuPartidasImprimirNotificacion", false)
                     << Visible("mnuPartidasImprimirNotificacionSinLibro", false);
    }
    plan.menu = QStringLiteral("mnuPartidas");
    return plan;
}

PlanMenu PlanSolicitudes(const QString& tipo)
{
    PlanMenu plan;
    if (tipo == u"SolicitudesMatrimonio")
        plan.cambios << Visible("mnuSolicitudesImprimir", false) << Visible("mnuSolicitudesMatrimonioImprimir", true);
    else if (tipo == u"SolicitudesConfirmacion")
        plan.cambios << Visible("mnuSolicitudesImprimir", false);
    plan.menu = QStringLiteral("mnuSolicitudes");
    return plan;
}

PlanMenu PlanEstructura()
{
    PlanMenu plan;
    plan.cambios << Habilitado("mnuEstructuraNuevo", true) << Habilitado("mnuEstructuraEliminar", true)
                 << Habilitado("mnuEstructuraPropiedades", true) << Caption("mnuEstructuraNuevo", QStringLiteral("&Nueva"))
                 << Visible("mnuEstructuraSeparador1", false) << Visible("mnuEstructuraAsignar", false)
                 << Visible("mnuEstructuraDesasignar", false);
    plan.menu = QStringLiteral("mnuEstructura");
    return plan;
}

} // namespace

PlanMenu MenuContextual::Plan(const QString& caption, const QString& tipo)
{
    const CcNodos n;
    const QList<std::pair<QString, FilaSecundario>> secundario = {
        {n.REMESA(), {"&Nueva", {true, false, false, true, true, false, false, false, false}}},
        {n.RECIBOS(), {"", {false, false, true, false, false, false, false, false, false}}},
        {n.TIPODONATIVO(), {"", {true}}},
        {n.CARITATIVO(), {"", {true}}},
        {n.BANCO(), {"", {true}}},
        {n.PRESENTADOR(), {"", {true}}},
        {n.INSTITUCION(), {"&Nueva", {true}}},
        {n.MUNICIPIO(), {"", {true}}},
        {n.PROVINCIA(), {"&Nueva", {true}}},
        {n.PADRON(), {"", {true}}},
        {n.COLABORADOR(), {"", {true}}},
        {n.CARGO(), {"", {true}}},
        {n.ACTIVIDAD(), {"&Nueva", {true}}},
        {n.EMPRESAS(), {"&Nueva", {true, false, false, false, false, true, true, false, false}}},
        {n.ASIENTOS(), {"&Nuevo", {true, false, false, false, false, true, false, true, true}}},
        {n.ASIENTOPREDEFINIDO(), {"&Nuevo", {true}}},
        {n.PRESUPUESTO(), {"&Nuevo", {true}}},
        {n.GRUPOS(), {"&Nuevo", {true}}},
    };
    for (const auto& [nombre, fila] : secundario)
        if (caption == nombre)
            return PlanSecundario(fila);
    if (caption == n.LIBROS())
        return PlanLibros(tipo);
    if (caption == n.PARTIDAS())
        return PlanPartidas(tipo);
    if (caption == n.SOLICITUDES())
        return PlanSolicitudes(tipo);
    if (caption == n.BANDEJAENTRADA() || caption == n.BANDEJASALIDA() || caption == n.ELEMENTOSENVIADOS()) {
        PlanMenu plan;
        plan.menu = QStringLiteral("mnuMensajeria");
        return plan;
    }
    if (caption == n.CUENTAS() || caption == n.SUBCUENTAS())
        return PlanEstructura();
    return {};
}

QString MenuContextual::CaptionAnular(bool hayFila, bool anulada)
{
    return hayFila && anulada ? QStringLiteral("Va&lidar") : QStringLiteral("Inva&lidar");
}
