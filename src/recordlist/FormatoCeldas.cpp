#include "recordlist/FormatoCeldas.h"

#include "platform/vb/Format.h"
#include "platform/vb/VbError.h"

namespace {

const QString kFalso = QStringLiteral("Falso");
const QString kSinFecha = QStringLiteral("---");

db::Value& Campo(QList<db::Value>& campos, int posicion)
{
    if (posicion < 0 || posicion >= campos.size())
        throw vb::VbError(9, QStringLiteral("Subíndice fuera del intervalo"));
    return campos[posicion];
}

// "Falso" gives `siFalso`, any other value (Null included) `siNo`.
void PalabraSiNo(QList<db::Value>& campos, int posicion, const char* siFalso, const char* siNo)
{
    db::Value& v = Campo(campos, posicion);
    v = db::Value(QString::fromUtf8(!v.isNull() && v.toString() == kFalso ? siFalso : siNo));
}

void AFecha(QList<db::Value>& campos, int posicion)
{
    db::Value& v = Campo(campos, posicion);
    v = db::Value(FormatoCeldas::Fecha(v));
}

void AFechaSalvoVacia(QList<db::Value>& campos, int posicion)
{
    db::Value& v = Campo(campos, posicion);
    if (v.toString() != kSinFecha)
        v = db::Value(FormatoCeldas::Fecha(v));
}

void AImporte(QList<db::Value>& campos, int posicion, bool pesetas)
{
    db::Value& v = Campo(campos, posicion);
    v = db::Value(FormatoCeldas::Importe(v, pesetas));
}

bool EsLibro(const QString& tipo)
{
    return tipo == u"LibrosBautismo" || tipo == u"LibrosConfirmacion" || tipo == u"LibrosMatrimonio"
        || tipo == u"LibrosDefuncion";
}

bool EsPartidaSinMatrimonio(const QString& tipo)
{
    return tipo == u"PartidasBautismo" || tipo == u"PartidasConfirmacion" || tipo == u"PartidasDefuncion";
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
    if (tipo == u"Recibo") {
        AFecha(campos, 2);
        AImporte(campos, 8, ajustes.pesetasDonativos);
    } else if (tipo == u"Remesa") {
        AFecha(campos, 0);
        AImporte(campos, 4, ajustes.pesetasDonativos);
    } else if (EsLibro(tipo)) {
        PalabraSiNo(campos, 2, "Antiguo", "Nuevo");
        PalabraSiNo(campos, 3, "Abierto", "Cerrado");
        AFecha(campos, 4);
        // "LibrosBautismo" counts the entries of table "Bautismo".
        Campo(campos, 5) = db::Value(qint64(contarPartidas(tipo.mid(6), Campo(campos, 6))));
    } else if (EsPartidaSinMatrimonio(tipo)) {
        PalabraSiNo(campos, 2, "Antiguo", "Nuevo");
        AFechaSalvoVacia(campos, 8);
        PalabraSiNo(campos, 9, "No", "Si");
    } else if (tipo == u"PartidasMatrimonio") {
        PalabraSiNo(campos, 2, "Antiguo", "Nuevo");
        AFechaSalvoVacia(campos, 11);
        PalabraSiNo(campos, 12, "No", "Si");
    } else if (tipo == u"Empresas") {
        PalabraSiNo(campos, ajustes.consolidacionVisible ? 4 : 3, "Abierto", "Cerrado");
    } else if (tipo == u"Asientos") {
        AFecha(campos, 3);
        AImporte(campos, 5, ajustes.pesetasContabilidad);
    } else if (tipo == u"Presupuesto") {
        AImporte(campos, 1, ajustes.pesetasContabilidad);
    }
}
