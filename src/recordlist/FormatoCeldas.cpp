#include "recordlist/FormatoCeldas.h"

#include "platform/db/Recordset.h"
#include "platform/vb/Format.h"
#include "platform/vb/VbError.h"

namespace {

using widgets::NvColumnKind;

const QString kFalso = QStringLiteral("Falso");
const QString kSinFecha = QStringLiteral("---");

enum class Formato {
    Fecha,
    FechaSalvoVacia,  // "---" stays
    ImporteDonativos,
    ImporteContabilidad,
    AntiguoNuevo,
    AbiertoCerrado,
    NoSi,
    TotalPartidas,
};

struct CampoConFormato {
    int posicion;
    Formato formato;
};

bool EsLibro(const QString& tipo)
{
    return tipo == u"LibrosBautismo" || tipo == u"LibrosConfirmacion" || tipo == u"LibrosMatrimonio"
        || tipo == u"LibrosDefuncion";
}

bool EsPartidaSinMatrimonio(const QString& tipo)
{
    return tipo == u"PartidasBautismo" || tipo == u"PartidasConfirmacion" || tipo == u"PartidasDefuncion";
}

// The one place that says which field of a node kind's records gets which
// format: the cells and the columns' kinds both come from it.
QList<CampoConFormato> CamposConFormato(const QString& tipo, const AjustesFormato& ajustes)
{
    using enum Formato;
    if (tipo == u"Recibo")
        return {{2, Fecha}, {8, ImporteDonativos}};
    if (tipo == u"Remesa")
        return {{0, Fecha}, {4, ImporteDonativos}};
    if (EsLibro(tipo))
        return {{2, AntiguoNuevo}, {3, AbiertoCerrado}, {4, Fecha}, {5, TotalPartidas}};
    if (EsPartidaSinMatrimonio(tipo))
        return {{2, AntiguoNuevo}, {8, FechaSalvoVacia}, {9, NoSi}};
    if (tipo == u"PartidasMatrimonio")
        return {{2, AntiguoNuevo}, {11, FechaSalvoVacia}, {12, NoSi}};
    if (tipo == u"Empresas")
        return {{ajustes.consolidacionVisible ? 4 : 3, AbiertoCerrado}};
    if (tipo == u"Asientos")
        return {{3, Fecha}, {5, ImporteContabilidad}};
    if (tipo == u"Presupuesto")
        return {{1, ImporteContabilidad}};
    return {};
}

NvColumnKind ClaseDe(Formato formato)
{
    switch (formato) {
    case Formato::Fecha:
    case Formato::FechaSalvoVacia: return NvColumnKind::Date;
    case Formato::ImporteDonativos:
    case Formato::ImporteContabilidad: return NvColumnKind::Amount;
    case Formato::AntiguoNuevo:
    case Formato::AbiertoCerrado:
    case Formato::NoSi: return NvColumnKind::Word;
    case Formato::TotalPartidas: return NvColumnKind::Number;
    }
    return NvColumnKind::Text;
}

db::Value& Campo(QList<db::Value>& campos, int posicion)
{
    if (posicion < 0 || posicion >= campos.size())
        throw vb::VbError(9, QStringLiteral("Subíndice fuera del intervalo"));
    return campos[posicion];
}

// "Falso" gives `siFalso`, any other value (Null included) `siNo`.
db::Value PalabraSiNo(const db::Value& v, const char* siFalso, const char* siNo)
{
    return db::Value(QString::fromUtf8(!v.isNull() && v.toString() == kFalso ? siFalso : siNo));
}

void AplicarFormato(const QString& tipo, QList<db::Value>& campos, const CampoConFormato& c,
                    const AjustesFormato& ajustes, const FormatoCeldas::ContarPartidas& contarPartidas)
{
    db::Value& v = Campo(campos, c.posicion);
    switch (c.formato) {
    case Formato::Fecha: v = db::Value(FormatoCeldas::Fecha(v)); break;
    case Formato::FechaSalvoVacia:
        if (v.toString() != kSinFecha)
            v = db::Value(FormatoCeldas::Fecha(v));
        break;
    case Formato::ImporteDonativos: v = db::Value(FormatoCeldas::Importe(v, ajustes.pesetasDonativos)); break;
    case Formato::ImporteContabilidad: v = db::Value(FormatoCeldas::Importe(v, ajustes.pesetasContabilidad)); break;
    case Formato::AntiguoNuevo: v = PalabraSiNo(v, "Antiguo", "Nuevo"); break;
    case Formato::AbiertoCerrado: v = PalabraSiNo(v, "Abierto", "Cerrado"); break;
    case Formato::NoSi: v = PalabraSiNo(v, "No", "Si"); break;
    case Formato::TotalPartidas:
        // "LibrosBautismo" counts the entries of table "Bautismo"; field 6 is the book.
        v = db::Value(qint64(contarPartidas(tipo.mid(6), Campo(campos, 6))));
        break;
    }
}

bool EsNumero(db::Value::Kind k)
{
    return k == db::Value::Kind::Integer || k == db::Value::Kind::Double || k == db::Value::Kind::Currency;
}

// Every value of the field is a number or Null, and one at least a number.
bool CampoNumerico(const db::RowBlock& pagina, int campo)
{
    bool alguno = false;
    for (int r = 0; r < pagina.RecordCount(); ++r) {
        const db::Value::Kind k = pagina(campo, r).type();
        if (k == db::Value::Kind::Null)
            continue;
        if (!EsNumero(k))
            return false;
        alguno = true;
    }
    return alguno;
}

} // namespace

QString FormatoCeldas::Fecha(const db::Value& valor)
{
    const QString t = valor.toString();
    return t.mid(6, 2) + u'/' + t.mid(4, 2) + u'/' + t.left(4);
}

QString FormatoCeldas::Importe(const db::Value& valor, bool pesetas)
{
    if (valor.isNull())
        return {};
    return vb::FormatNumber(valor.toDouble(), pesetas ? QStringLiteral("##,##0") : QStringLiteral("##,##0.00"));
}

void FormatoCeldas::Formatear(const QString& tipo, QList<db::Value>& campos, const AjustesFormato& ajustes,
                              const ContarPartidas& contarPartidas)
{
    for (const CampoConFormato& c : CamposConFormato(tipo, ajustes))
        AplicarFormato(tipo, campos, c, ajustes, contarPartidas);
}

QList<NvColumnKind> FormatoCeldas::Clases(const QString& tipo, const AjustesFormato& ajustes,
                                          const db::RowBlock& pagina, int columnas)
{
    QList<NvColumnKind> clases(columnas, NvColumnKind::Text);
    for (int j = 0; j < columnas && j < pagina.FieldCount(); ++j) {
        if (CampoNumerico(pagina, j))
            clases[j] = NvColumnKind::Number;
    }
    for (const CampoConFormato& c : CamposConFormato(tipo, ajustes)) {
        if (c.posicion < columnas)
            clases[c.posicion] = ClaseDe(c.formato);
    }
    return clases;
}
