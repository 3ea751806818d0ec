#include "recordlist/FiltroLista.h"

#include "platform/db/Connection.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/Currency.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Texto.h"
#include "platform/vb/Vb.h"
#include "platform/vb/Texto.h"

using vb::Mid;
using vb::Trim;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

enum class Grupo { Booleano, Texto, Numero, Otro };

Grupo GrupoDeTipo(qint16 tipo)
{
    switch (tipo) {
    case 11: return Grupo::Booleano;
    case 202:
    case 203: return Grupo::Texto;
    case 2: case 3: case 4: case 5: case 6: case 14: case 16: case 17:
    case 18: case 19: case 20: case 21: case 131: return Grupo::Numero;
    default: return Grupo::Otro;
    }
}

struct PalabrasBooleanas {
    const char* fuente;
    const char* verdadero;
    const char* falso;
};

const PalabrasBooleanas kBooleanos[] = {
    {"Libro_Bautismo.Nuevo", "nuevo", "antiguo"},
    {"Libro_Confirmacion.Nuevo", "nuevo", "antiguo"},
    {"Libro_Matrimonio.Nuevo", "nuevo", "antiguo"},
    {"Libro_Defuncion.Nuevo", "nuevo", "antiguo"},
    {"Libro_Bautismo.Cerrado", "cerrado", "abierto"},
    {"Libro_Confirmacion.Cerrado", "cerrado", "abierto"},
    {"Libro_Matrimonio.Cerrado", "cerrado", "abierto"},
    {"Libro_Defuncion.Cerrado", "cerrado", "abierto"},
    {"Empresa.EjercicioCerrado", "cerrado", "abierto"},
    {"Bautismo.Anulada", "si", "no"},
    {"Confirmacion.Anulada", "si", "no"},
    {"Matrimonio.Anulada", "si", "no"},
    {"Defuncion.Anulada", "si", "no"},
};

QString GemeloEuros(const QString& fuente)
{
    if (fuente == u"Recibo.Importe")
        return QStringLiteral("Recibo.ImporteEur");
    if (fuente == u"Remesa.ImporteTotal")
        return QStringLiteral("Remesa.ImporteTotalEur");
    if (fuente == u"Cuenta.PresupuestoTotal")
        return QStringLiteral("Cuenta.PresupuestoTotalEuros");
    return fuente;
}

bool EsPresupuesto(const QString& fuente)
{
    return fuente == u"Cuenta.PresupuestoTotal" || fuente == u"Cuenta.PresupuestoTotalEuros";
}

FiltroLista::Condicion Rechazo(const QString& mensaje, int estilo)
{
    FiltroLista::Condicion c;
    c.clase = FiltroLista::Condicion::Clase::Rechazo;
    c.mensaje = mensaje;
    c.estilo = estilo;
    return c;
}

FiltroLista::Condicion Con(const QString& texto, QList<db::Value> params = {})
{
    FiltroLista::Condicion c;
    c.clase = FiltroLista::Condicion::Clase::Condicion;
    c.texto = texto;
    c.params = std::move(params);
    return c;
}

FiltroLista::Condicion RechazoNumerico(const QString& caption)
{
    return Rechazo(QStringLiteral("¡Debe introducir un valor numérico para el campo '") + caption + QStringLiteral("'!"),
                   ui::vbExclamation);
}

// The typed number as the currency value it is searched as (four decimals).
db::Value ValorNumerico(const QString& texto)
{
    return db::Value(vb::Currency::fromDouble(vb::CDblEs(texto)));
}

FiltroLista::Condicion CondicionTexto(const FiltroLista::Columna& c, const QString& fuente)
{
    if (fuente.contains(u"Fecha", Qt::CaseInsensitive)) {
        const QDate fecha = vb::FechaADate(c.texto);
        if (!fecha.isValid())
            return Rechazo(QStringLiteral("¡Debe introducir una fecha válida para el campo '") + c.caption
                               + QStringLiteral("'!"),
                           ui::vbExclamation);
        return Con(QStringLiteral("AND ") + fuente + QStringLiteral(" LIKE ? "),
                   {db::Value(u'%' + vb::DateAFechaTexto(fecha) + u'%')});
    }
    if (EsPresupuesto(fuente)) {
        if (!vb::IsNumeric(c.texto))
            return RechazoNumerico(c.caption);
        return Con(QStringLiteral("AND CCur(") + fuente + QStringLiteral(") = ? "), {ValorNumerico(c.texto)});
    }
    return Con(QStringLiteral("AND ") + fuente + QStringLiteral(" LIKE ? "),
               {db::Value(FiltroLista::PatronContiene(c.texto))});
}

} // namespace

FiltroLista::Condicion FiltroLista::CondicionColumna(const Columna& c, bool euros)
{
    if (c.texto.isEmpty())
        return {};
    const QString fuente = euros ? GemeloEuros(c.fuente) : c.fuente;
    if (fuente.compare(u"[Formula]", Qt::CaseInsensitive) == 0)
        return Rechazo(QStringLiteral("¡El campo '") + c.caption + QStringLiteral("' no está habilitado para hacer búsquedas!"),
                       ui::vbInformation);
    switch (GrupoDeTipo(c.tipo)) {
    case Grupo::Booleano:
        for (const PalabrasBooleanas& b : kBooleanos)
            if (fuente == QLatin1String(b.fuente))
                return Con(CondicionBooleana(fuente, c.texto, QString::fromUtf8(b.verdadero), QString::fromUtf8(b.falso)));
        return {};
    case Grupo::Texto: return CondicionTexto(c, fuente);
    case Grupo::Numero:
        if (!vb::IsNumeric(c.texto))
            return RechazoNumerico(c.caption);
        return Con(QStringLiteral("AND ") + fuente + QStringLiteral(" = ? "), {ValorNumerico(c.texto)});
    case Grupo::Otro: break;
    }
    return {};
}

QString FiltroLista::CondicionBooleana(const QString& fuente, const QString& texto, const QString& verdadero,
                                       const QString& falso)
{
    const QString t = texto.toLower();
    if (t == verdadero.toLower())
        return QStringLiteral("AND ") + fuente + QStringLiteral(" = True ");
    if (t == falso.toLower())
        return QStringLiteral("AND ") + fuente + QStringLiteral(" = False ");
    return QStringLiteral("AND ") + fuente + QStringLiteral(" <> True AND ") + fuente + QStringLiteral(" <> False ");
}

QString FiltroLista::PatronContiene(const QString& texto)
{
    static const QString kComodines = QStringLiteral("*%?_#[");
    // Escaped as the database receives it: text that UTF-8 cannot hold (a
    // lone surrogate) turns into "?" there, which must stay literal.
    const QString enviado = QString::fromUtf8(texto.toUtf8());
    QString patron = QStringLiteral("%");
    for (const QChar c : enviado) {
        if (kComodines.contains(c))
            patron += u'[' + QString(c) + u']';
        else
            patron += c;
    }
    return patron + u'%';
}

qint16 FiltroLista::ObtenerTipoCampo(db::Connection& con, const QString& fuente)
{
    const qsizetype punto = fuente.indexOf(u'.');
    if (punto < 1)
        return 0;
    try {
        db::Recordset rs = con.Execute(QStringLiteral("SELECT TOP 1 ") + fuente.mid(punto + 1)
                                       + QStringLiteral(" AS Campo FROM ") + fuente.left(punto));
        const qint16 tipo = qint16(rs.Fields()[QStringLiteral("Campo")].Type());
        rs.Close();
        return tipo;
    } catch (...) {
        return 0;
    }
}

QString FiltroLista::MezclarSentencia(QString& strSQL, QString& strCondiciones)
{
    if (!Trim(strCondiciones).isEmpty() && Trim(strCondiciones).left(4) != u"AND ")
        throw ErrorSentencia(QStringLiteral("¡ Las condiciones pasadas para la clausula WHERE no tienen el formato permitido !"));

    strSQL.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString mayusculas = vb::UCase(strSQL);
    const auto ultima = [&](const char* clave) { return int(mayusculas.lastIndexOf(QLatin1String(clave))) + 1; };
    const int s = ultima("SELECT");
    const int f = ultima("FROM");
    const int w = ultima("WHERE");
    const int g = ultima("GROUP BY");
    const int o = ultima("ORDER BY");
    if (s == 0 || f == 0)
        throw ErrorSentencia(QStringLiteral("¡ La sentencia SQL enviada no tiene cláusula SELECT o cláusula FROM !"));

    const QString select = Mid(strSQL, 1, f - 1);
    const int k = w ? w : (g ? g : o);
    const QString from = k ? Mid(strSQL, f, k - f - 1) : Mid(strSQL, f);
    QString where;
    if (w)
        where = g ? Mid(strSQL, w, g - w - 1) : (o ? Mid(strSQL, w, o - w - 1) : Mid(strSQL, w));
    else if (!Trim(strCondiciones).isEmpty()) {
        where = QStringLiteral("WHERE ");
        strCondiciones = Mid(strCondiciones, 4);
    }
    QString group = g ? (o ? Mid(strSQL, g, o - g - 1) : Mid(strSQL, g)) : QString();
    const QString order = o ? Mid(strSQL, o) : QString();

    if (!Trim(Trim(where) + u' ' + Trim(strCondiciones)).isEmpty())
        where = Trim(where) + u' ' + Trim(strCondiciones) + u' ' + kCrLf;
    if (!Trim(group).isEmpty())
        group = group + u' ' + kCrLf;
    return Trim(select) + u' ' + kCrLf + Trim(from) + u' ' + kCrLf + where + group + Trim(order) + u' ';
}
