#include "recordlist/GruposNodo.h"

#include <QStringList>

namespace {

bool EnLista(const QString& caption, const QStringList& lista)
{
    return lista.contains(caption, Qt::CaseSensitive);
}

} // namespace

namespace GruposNodo {

bool EsCarpeta(const QString& caption)
{
    static const QStringList carpetas = {
        QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Parvanta 2000"), QStringLiteral("Vodidazaz"),
        QStringLiteral("Gestión Parroquial"), QStringLiteral("Gestión"), QStringLiteral("Mantenimiento"),
        QStringLiteral("Bautismo"), QStringLiteral("Confirmación"), QStringLiteral("Matrimonio"),
        QStringLiteral("Defunción"), QStringLiteral("Mensajería"), QStringLiteral("Agenda"),
        QStringLiteral("Contabilidad"), QStringLiteral("Plan General Contable"), QStringLiteral("Balance"),
        QStringLiteral("Cuenta PyG"),
    };
    if (EnLista(caption, carpetas))
        return true;
    return caption.startsWith(u'<') && caption.endsWith(u'>');
}

bool EsBandeja(const QString& caption)
{
    static const QStringList bandejas = {QStringLiteral("Bandeja de entrada"), QStringLiteral("Elementos enviados"),
                                         QStringLiteral("Bandeja de salida")};
    return EnLista(caption, bandejas);
}

bool EsEstructura(const QString& caption)
{
    return TipoEstructura(caption) != 0;
}

bool EsListaContable(const QString& caption)
{
    static const QStringList listas = {QStringLiteral("Asientos"), QStringLiteral("Cuentas"),
                                       QStringLiteral("SubCuentas"), QStringLiteral("Presupuesto"),
                                       QStringLiteral("Asientos predefinidos")};
    return EnLista(caption, listas);
}

bool EsSinRegistros(const QString& caption)
{
    static const QStringList sinRegistros = {
        QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Vodidazaz"), QStringLiteral("Mantenimiento"),
        QStringLiteral("Gestión"), QStringLiteral("Gestión Parroquial"), QStringLiteral("Bautismo"),
        QStringLiteral("Confirmación"), QStringLiteral("Matrimonio"), QStringLiteral("Defunción"),
        QStringLiteral("Agenda"), QStringLiteral("Contabilidad"), QStringLiteral("<>"),
        QStringLiteral("Plan General Contable"), QStringLiteral("Balance"), QStringLiteral("Cuenta PyG"),
    };
    return EnLista(caption, sinRegistros);
}

int TipoEstructura(const QString& caption)
{
    if (caption == u"Activo")
        return 1;
    if (caption == u"Pasivo")
        return 2;
    if (caption == u"Debe")
        return 3;
    if (caption == u"Haber")
        return 4;
    return 0;
}

} // namespace GruposNodo

PanelesNodo PanelesTrasClic(const QString& caption, bool empresaSeleccionada)
{
    PanelesNodo p;
    using namespace GruposNodo;
    const bool carpeta = EsCarpeta(caption);
    p.msgPrincipal = !carpeta;
    p.trvConta = carpeta;
    p.picMensaje = EsBandeja(caption);
    if (EsEstructura(caption)) {
        p.picConta = empresaSeleccionada;
        p.msgPrincipal = false;
        p.trvConta = true;
    } else {
        p.picConta = false;
    }
    if (EsListaContable(caption)) {
        p.msgPrincipal = empresaSeleccionada;
        p.trvConta = !empresaSeleccionada;
    }
    p.ascrAgenda = caption == u"Agenda";
    return p;
}
