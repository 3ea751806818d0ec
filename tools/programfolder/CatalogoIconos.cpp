#include "CatalogoIconos.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <stdexcept>

namespace {

constexpr double kRejilla = 32.0;

[[noreturn]] void Error(int linea, const QString& texto)
{
    throw std::runtime_error(QStringLiteral("iconos, línea %1: %2").arg(linea).arg(texto).toStdString());
}

double Numero(const QString& texto, int linea)
{
    bool ok = false;
    const double v = texto.toDouble(&ok);
    if (!ok)
        Error(linea, QStringLiteral("'%1' no es un número").arg(texto));
    return v;
}

QPointF Punto(const QString& texto, int linea)
{
    const QStringList partes = texto.split(QLatin1Char(','));
    if (partes.size() != 2)
        Error(linea, QStringLiteral("'%1' no es un punto x,y").arg(texto));
    return {Numero(partes[0], linea), Numero(partes[1], linea)};
}

// Draws one picture's orders with a painter already scaled to the grid.
class Dibujante {
public:
    Dibujante(QPainter& p, const QHash<QString, QColor>& paleta, double escala)
        : m_p(p), m_paleta(paleta), m_escala(escala)
    {
        Pluma(QStringLiteral("contorno"), 1.5, 0);
        m_p.setBrush(Qt::NoBrush);
    }

    void Ejecutar(const QString& verbo, const QStringList& a, int linea)
    {
        auto n = [&](int i) { return Numero(a.value(i), linea); };
        auto exige = [&](qsizetype minimo) {
            if (a.size() < minimo)
                Error(linea, QStringLiteral("'%1' necesita %2 argumentos").arg(verbo).arg(minimo));
        };
        if (verbo == QLatin1String("pluma")) {
            exige(1);
            Pluma(a[0], a.size() > 1 ? n(1) : 1.5, linea);
        } else if (verbo == QLatin1String("relleno")) {
            exige(1);
            if (a[0] == QLatin1String("ninguno"))
                m_p.setBrush(Qt::NoBrush);
            else
                m_p.setBrush(Color(a[0], linea));
        } else if (verbo == QLatin1String("rect")) {
            exige(4);
            const QRectF r(n(0), n(1), n(2), n(3));
            if (a.size() > 4)
                m_p.drawRoundedRect(r, n(4), n(4));
            else
                m_p.drawRect(r);
        } else if (verbo == QLatin1String("elipse")) {
            exige(4);
            m_p.drawEllipse(QPointF(n(0), n(1)), n(2), n(3));
        } else if (verbo == QLatin1String("poligono") || verbo == QLatin1String("linea")) {
            exige(2);
            QPolygonF puntos;
            for (const QString& t : a)
                puntos << Punto(t, linea);
            if (verbo == QLatin1String("poligono"))
                m_p.drawPolygon(puntos);
            else
                m_p.drawPolyline(puntos);
        } else if (verbo == QLatin1String("arco")) {
            exige(6);
            m_p.drawArc(QRectF(n(0) - n(2), n(1) - n(3), 2 * n(2), 2 * n(3)), int(n(4) * 16), int(n(5) * 16));
        } else if (verbo == QLatin1String("ruta")) {
            m_p.drawPath(Ruta(a, linea));
        } else {
            Error(linea, QStringLiteral("orden desconocida '%1'").arg(verbo));
        }
    }

private:
    QColor Color(const QString& nombre, int linea) const
    {
        if (m_paleta.contains(nombre))
            return m_paleta.value(nombre);
        const QColor c = QColor::fromString(nombre);
        if (!c.isValid())
            Error(linea, QStringLiteral("color desconocido '%1'").arg(nombre));
        return c;
    }

    void Pluma(const QString& color, double ancho, int linea)
    {
        if (color == QLatin1String("ninguna")) {
            m_p.setPen(Qt::NoPen);
            return;
        }
        // Keep a line at least one device pixel wide when drawn small.
        const double minimo = 1.0 / m_escala;
        QPen pluma(Color(color, linea), std::max(ancho, minimo));
        pluma.setJoinStyle(Qt::RoundJoin);
        pluma.setCapStyle(Qt::RoundCap);
        m_p.setPen(pluma);
    }

    QPainterPath Ruta(const QStringList& a, int linea) const
    {
        QPainterPath ruta;
        QChar orden;
        qsizetype i = 0;
        auto punto = [&]() {
            if (i >= a.size())
                Error(linea, QStringLiteral("a la ruta le falta un punto"));
            return Punto(a[i++], linea);
        };
        auto numero = [&]() {
            if (i >= a.size())
                Error(linea, QStringLiteral("a la ruta le falta un número"));
            return Numero(a[i++], linea);
        };
        while (i < a.size()) {
            if (a[i].size() == 1 && a[i][0].isLetter())
                orden = a[i++][0].toUpper();
            switch (orden.unicode()) {
            case 'M': ruta.moveTo(punto()); break;
            case 'L': ruta.lineTo(punto()); break;
            case 'H': ruta.lineTo(numero(), ruta.currentPosition().y()); break;
            case 'V': ruta.lineTo(ruta.currentPosition().x(), numero()); break;
            case 'C': { const QPointF c1 = punto(), c2 = punto(), p = punto(); ruta.cubicTo(c1, c2, p); break; }
            case 'Q': { const QPointF c = punto(), p = punto(); ruta.quadTo(c, p); break; }
            case 'Z': ruta.closeSubpath(); orden = QChar(); break;
            default: Error(linea, QStringLiteral("orden de ruta no válida"));
            }
        }
        return ruta;
    }

    QPainter& m_p;
    const QHash<QString, QColor>& m_paleta;
    double m_escala;
};

} // namespace

CatalogoIconos CatalogoIconos::DesdeTexto(const QString& texto)
{
    CatalogoIconos catalogo;
    Icono* actual = nullptr;
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    for (int n = 0; n < lineas.size(); ++n) {
        const QString linea = lineas[n].trimmed();
        if (linea.isEmpty() || linea.startsWith(QLatin1Char('#')))
            continue;
        QStringList partes = linea.split(blancos, Qt::SkipEmptyParts);
        const QString verbo = partes.takeFirst();
        if (verbo == QLatin1String("color")) {
            if (partes.size() != 2 || !QColor::fromString(partes[1]).isValid())
                Error(n + 1, QStringLiteral("se esperaba 'color nombre #rrggbb'"));
            catalogo.m_paleta.insert(partes[0], QColor::fromString(partes[1]));
        } else if (verbo == QLatin1String("icono")) {
            if (actual)
                Error(n + 1, QStringLiteral("falta 'fin' del icono anterior"));
            bool ok = false;
            Icono icono;
            icono.id = partes.value(0).toInt(&ok);
            if (!ok || icono.id < 1 || catalogo.contiene(icono.id))
                Error(n + 1, QStringLiteral("id de icono no válido o repetido"));
            icono.nombre = partes.mid(1).join(QLatin1Char(' '));
            catalogo.m_iconos.append(icono);
            actual = &catalogo.m_iconos.last();
        } else if (verbo == QLatin1String("fin")) {
            if (!actual)
                Error(n + 1, QStringLiteral("'fin' sin icono"));
            actual = nullptr;
        } else {
            if (!actual)
                Error(n + 1, QStringLiteral("orden fuera de un icono"));
            actual->ordenes.append({verbo, partes, n + 1});
        }
    }
    if (actual)
        Error(int(lineas.size()), QStringLiteral("falta 'fin' del último icono"));
    if (!catalogo.m_paleta.contains(QStringLiteral("contorno")))
        catalogo.m_paleta.insert(QStringLiteral("contorno"), QColor(0x2e, 0x34, 0x36));
    // Draw every picture once, so that a bad order fails here and not when a
    // database is being built.
    for (const Icono& i : catalogo.m_iconos)
        catalogo.png(i.id, 16);
    return catalogo;
}

const CatalogoIconos& CatalogoIconos::Incorporado()
{
    static const CatalogoIconos catalogo = [] {
        Q_INIT_RESOURCE(iconos);
        QFile archivo(QStringLiteral(":/duzediv/iconos.txt"));
        if (!archivo.open(QIODevice::ReadOnly))
            throw std::runtime_error("No se encuentra la descripción de los iconos.");
        return DesdeTexto(QString::fromUtf8(archivo.readAll()));
    }();
    return catalogo;
}

QList<int> CatalogoIconos::ids() const
{
    QList<int> ids;
    for (const Icono& i : m_iconos)
        ids << i.id;
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString CatalogoIconos::nombre(int id) const
{
    const Icono* i = icono(id);
    return i ? i->nombre : QString();
}

bool CatalogoIconos::contiene(int id) const
{
    return icono(id) != nullptr;
}

const CatalogoIconos::Icono* CatalogoIconos::icono(int id) const
{
    for (const Icono& i : m_iconos) {
        if (i.id == id)
            return &i;
    }
    return nullptr;
}

QByteArray CatalogoIconos::png(int id, int lado) const
{
    const Icono* i = icono(id);
    if (!i)
        return {};
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    {
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        const double escala = lado / kRejilla;
        p.scale(escala, escala);
        Dibujante dibujante(p, m_paleta, escala);
        for (const Orden& o : i->ordenes)
            dibujante.Ejecutar(o.verbo, o.argumentos, o.linea);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    imagen.save(&buffer, "PNG");
    return bytes;
}
