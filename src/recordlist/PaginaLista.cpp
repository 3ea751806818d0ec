#include "recordlist/PaginaLista.h"

#include "core/EstadoPrincipal.h"
#include "core/cNodo.h"
#include "core/denDuzediv.h"
#include "platform/db/Connection.h"
#include "platform/db/DbErrors.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/Vb.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/NvList.h"
#include "recordlist/ConsultaPaginada.h"
#include "recordlist/IVentanaLista.h"
#include "core/cConfigContabilidad.h"

#include <algorithm>
#include <cmath>

namespace {

QList<db::Value> Registro(const db::RowBlock& bloque, int r)
{
    QList<db::Value> campos;
    campos.reserve(bloque.FieldCount());
    for (int f = 0; f < bloque.FieldCount(); ++f)
        campos.append(bloque(f, r));
    return campos;
}

// The shown cells, each one whole: a value holding a tab stays in its cell.
QStringList CeldasFila(const QList<db::Value>& campos, int columnas)
{
    if (columnas > campos.size())
        throw vb::VbError(9, QStringLiteral("Subíndice fuera del intervalo"));
    QStringList celdas;
    celdas.reserve(columnas);
    for (int j = 0; j < columnas; ++j)
        celdas.append(campos.at(j).toString());
    return celdas;
}

} // namespace

PaginaLista::PaginaLista(EstadoPrincipal& datos, IVentanaLista& ventana) : m_datos(datos), m_ventana(ventana) {}

void PaginaLista::configGridPrincipal(widgets::NvList& msgPrincipal, const cNodo& objNodo)
{
    msgPrincipal.ClearRows();
    const ColeccionCampos& campos = objNodo.colCampo();
    const int n = campos.Count();
    if (n == 0)
        return;
    msgPrincipal.SetColumnCount(n);
    for (int i = 0; i < n; ++i) {
        const cCampo& campo = *campos.Item(i + 1);
        msgPrincipal.SetColumnWidth(i, campo.Ancho());
        msgPrincipal.SetColumnCaption(i, campo.Nombre());
        msgPrincipal.SetColumnKey(i, QString::number(campo.IDCampo()));
    }
}

void PaginaLista::fillGrid(widgets::NvList& msgPrincipal, qint32 lngLimInferior, qint32 lngTamano,
                           ConsultaPaginada& recRecordset, const cNodo&)
{
    if (lngTamano == 0)
        lngTamano = kTamanoPorDefecto;
    if (lngLimInferior < 1)
        db::Raise(db::err::NoCurrentRecord);
    // One row past the limit is enough to know that the page overflows.
    const long pedidas = std::clamp<long>(lngTamano, 0, long(kMaxFilas) + 1);
    const db::RowBlock bloque = recRecordset.LeerPagina(lngLimInferior, pedidas);
    if (bloque.RecordCount() == 0) {
        if (recRecordset.RecordCount() != 0)
            db::Raise(db::err::NoCurrentRecord);
        m_ventana.SetTextoPanel(2, QStringLiteral("No hay registros"));
        msgPrincipal.EndFill();
        return;
    }
    // Nothing a row does changes these: they are taken once for the page.
    const AjustesFormato ajustes = Ajustes();
    const FormatoCeldas::ContarPartidas contarPartidas = [this](const QString& tabla, const db::Value& id) {
        return ContarPartidas(tabla, id);
    };
    const int columnas = msgPrincipal.ColumnCount();
    const QList<widgets::NvColumnKind> clases = FormatoCeldas::Clases(m_datos.gStrSelItem, ajustes, bloque, columnas);
    for (int j = 0; j < columnas; ++j)
        msgPrincipal.SetColumnKind(j, clases.at(j));
    for (int r = 0; r < bloque.RecordCount(); ++r) {
        if (r >= kMaxFilas)
            vb::ThrowOverflow();
        QList<db::Value> campos = Registro(bloque, r);
        FormatoCeldas::Formatear(m_datos.gStrSelItem, campos, ajustes, contarPartidas);
        const double id = campos.last().toDouble();
        msgPrincipal.AddRow(CeldasFila(campos, columnas), vb::CLng(id));
        msgPrincipal.SetRowKey(r, QString::number(qint64(std::trunc(id))));
    }
    // A full page ends where it was asked to; a short one at the last row.
    const qint64 fin = bloque.RecordCount() < lngTamano ? qint64(lngLimInferior) + bloque.RecordCount() - 1
                                                        : qint64(lngLimInferior) + lngTamano - 1;
    m_ventana.SetTextoPanel(2, TextoRango(lngLimInferior, fin));
    msgPrincipal.EndFill();
}

QString PaginaLista::TextoRango(qint32 inicio, qint64 fin)
{
    return QStringLiteral("Registros desde: ") + QString::number(inicio) + QStringLiteral(" hasta: ")
        + QString::number(fin);
}

AjustesFormato PaginaLista::Ajustes() const
{
    return {m_datos.gobjInfoConfig->TrabajarConPesetas, m_datos.mobjConfigContab.TrabajarConPesetas(),
            m_datos.consolidacionVisible};
}

long PaginaLista::ContarPartidas(const QString& tabla, const db::Value& idLibro) const
{
    // `tabla` is one of the four sacrament tables, never user text.
    return long(m_datos.den->conLocal
                    .Query(QStringLiteral("SELECT COUNT(*) FROM ") + tabla + QStringLiteral(" WHERE CodLibro = ?"),
                           {idLibro})
                    .value(0)
                    .toInt64());
}
