#include "mainwindow/ReglasCargaPrincipal.h"

#include "platform/pvapi/cCAplicacion.h"
#include "platform/pvapi/cInfoConfiguracion.h"

namespace ReglasCargaPrincipal {

namespace {

const QString kOrbe = QStringLiteral("mnuAyudaORBE");
const QString kOrbeSeparador = QStringLiteral("mnuAydaSeparador7");
const QString kFormato1 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato1");
const QString kFormato2 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato2");
const QString kFormato3 = QStringLiteral("mnuSolicitudesImprimirExpedienteFormato3");
const QString kResumen1 = QStringLiteral("mnuSolicitudesImprimirResumenMatrimonio");
const QString kResumen2 = QStringLiteral("mnuSolicitudesImprimirResumenMatrimonio2");

CambioMenu Mostrar(const QString& nombre, const char* caption = nullptr)
{
    return {nombre, caption ? std::optional(QString::fromUtf8(caption)) : std::nullopt, true};
}

CambioMenu Ocultar(const QString& nombre) { return {nombre, std::nullopt, false}; }

CambioMenu Titular(const QString& nombre, const char* caption) { return {nombre, QString::fromUtf8(caption), std::nullopt}; }

bool Es(const QString& aplicacion, long codigo)
{
    return aplicacion == PVAPI::cCAplicacion::Texto(codigo);
}

} // namespace

QList<CambioMenu> MenusDeEdicion(const QString& aplicacion)
{
    using PVAPI::cCAplicacion;
    if (Es(aplicacion, cCAplicacion::APP_PARVANTA_VALDENA)) {
        return {Mostrar(kOrbe), Mostrar(kOrbeSeparador),
                Titular(kFormato1, "&Expediente matrimonial de Valdena"),
                Mostrar(kFormato2, "Expediente matrimonial de &otras provincias"), Ocultar(kFormato3),
                Titular(kResumen1, "Resumen de matrimonio (Allegato V). Página &1"), Mostrar(kResumen2)};
    }
    if (Es(aplicacion, cCAplicacion::APP_PARVANTA_CORBELA)) {
        return {Ocultar(kOrbe), Ocultar(kOrbeSeparador), Titular(kFormato1, "&Expediente matrimonial"),
                Ocultar(kFormato2), Ocultar(kFormato3), Titular(kResumen1, "Atestado para otras Diócesis"),
                Ocultar(kResumen2)};
    }
    if (Es(aplicacion, cCAplicacion::APP_PARVANTA_MIRANTE) || Es(aplicacion, cCAplicacion::APP_PARVANTA_TUREL)) {
        return {Ocultar(kOrbe), Ocultar(kOrbeSeparador), Ocultar(kFormato1), Ocultar(kFormato2),
                Mostrar(kFormato3, "E&xpediente matrimonial (formato 3)"), Ocultar(kResumen1), Ocultar(kResumen2)};
    }
    return {Ocultar(kOrbe), Ocultar(kOrbeSeparador), Titular(kFormato1, "&Expediente matrimonial (formato 1)"),
            Mostrar(kFormato2, "E&xpediente matrimonial (formato 2)"), Ocultar(kFormato3),
            Titular(kResumen1, "Resumen de matrimonio (Allegato V). Página &1"), Mostrar(kResumen2)};
}

QStringList RamasAusentes(const PVAPI::cInfoConfiguracion& info)
{
    QStringList ramas;
    if (!info.BancosDLL)
        ramas << QStringLiteral("Bancos");
    if (!info.VodidazazDLL)
        ramas << QStringLiteral("Vodidazaz");
    if (!info.GestionParroquialDLL)
        ramas << QStringLiteral("Gestión Parroquial");
    else if (!info.MensajeriaDLL)
        ramas << QStringLiteral("Mensajería");
    if (!info.ContabilidadDLL)
        ramas << QStringLiteral("Contabilidad");
    return ramas;
}

EntradasAusentes EntradasDeAusentes(const PVAPI::cInfoConfiguracion& info)
{
    EntradasAusentes ausentes;
    if (!info.VodidazazDLL) {
        ausentes.menus << QStringLiteral("mnuGenerar") << QStringLiteral("mnuArchivoNuevoCaritativo")
                       << QStringLiteral("mnuArchivoNuevoPresentador") << QStringLiteral("mnuArchivoNuevoRecibosCaja")
                       << QStringLiteral("mnuArchivoNuevoRemesa") << QStringLiteral("mnuArchivoNuevoTiposDonativo")
                       << QStringLiteral("mnuArchivoNuevoSeparador2")
                       // The deductions are the donations add-in's too.
                       << QStringLiteral("mnuHerramientasMod182") << QStringLiteral("mnuHerramientasNulo2");
        ausentes.desplegable << 1 << 2 << 3 << 4 << 5 << 7;
    }
    if (!info.BancosDLL) {
        ausentes.menus << QStringLiteral("mnuArchivoNuevoBanco");
        ausentes.desplegable << 6;
    }
    if (!info.GestionParroquialDLL) {
        ausentes.menus << QStringLiteral("mnuArchivoNuevoLibro") << QStringLiteral("mnuArchivoNuevoPartida")
                       << QStringLiteral("mnuArchivoNuevoSolicitud") << QStringLiteral("mnuArchivoNuevoSeparador3");
    }
    if (!info.ContabilidadDLL)
        ausentes.menus << QStringLiteral("mnuHerramientasContabilidad") << QStringLiteral("mnuHerramientasNulo1");
    return ausentes;
}

QStringList MenusDeConsolidacion()
{
    return {QStringLiteral("mnuHerramientasContabilidadSeparador2"), QStringLiteral("mnuHerramientasConsolidar")};
}

} // namespace ReglasCargaPrincipal
