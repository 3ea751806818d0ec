#include "agenda/TextosAgenda.h"

#include "platform/db/JetCollation.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/fpPlanificaHoras.h"

namespace TextosAgenda {
namespace {

// " dd    hh:mm      ": the part of a line before the title.
constexpr int kAnchoPrefijo = 18;

} // namespace

QString LineaTareaMes(const QString& fecha, const QString& horaInicio, const QString& nombre)
{
    using namespace widgets::HorasPlanifica;
    QString linea;
    linea.reserve(kAnchoPrefijo + nombre.size());
    linea += u' ';
    linea += QStringView(fecha).right(2);
    linea += u"    ";
    linea += HoraMostrada(MinutosInicio(horaInicio));
    linea += u"      ";
    linea += nombre;
    return linea;
}

bool HoraBienFormada(const QString& hhmm)
{
    if (hhmm.size() != 4)
        return false;
    int cifras[4];
    for (int i = 0; i < 4; ++i) {
        const char16_t c = hhmm.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        cifras[i] = c - u'0';
    }
    return cifras[0] * 10 + cifras[1] <= 23 && cifras[2] <= 5;
}

bool LineaAntes(const QString& a, const QString& b)
{
    const int prefijo = QStringView(a).left(kAnchoPrefijo).compare(QStringView(b).left(kAnchoPrefijo));
    if (prefijo != 0)
        return prefijo < 0;
    const QByteArray ta = QStringView(a).mid(std::min<qsizetype>(kAnchoPrefijo, a.size())).toUtf8();
    const QByteArray tb = QStringView(b).mid(std::min<qsizetype>(kAnchoPrefijo, b.size())).toUtf8();
    return db::JetCollation::compare({ta.constData(), std::size_t(ta.size())}, {tb.constData(), std::size_t(tb.size())}) < 0;
}

QString TituloMes(int anio, int mes)
{
    return QStringLiteral("Tareas de ") + vb::NombreMes(mes) + QStringLiteral(" de ")
        + QStringLiteral("%1").arg(anio, 4, 10, QLatin1Char('0'));
}

QString TitulosMes()
{
    return QStringLiteral("Día  Hora    Título de la tarea");
}

} // namespace TextosAgenda
