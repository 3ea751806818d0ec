#include "platform/report/LectorPlantilla.h"

#include "platform/os/Paths.h"
#include "platform/report/CampoOrden.h"
#include "platform/report/ErroresInforme.h"
#include "platform/report/Marcadores.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace report {

namespace {

constexpr int kVersionFormato = 1;

struct TamanoPapel {
    const char16_t* nombre;
    double ancho;
    double alto;
};

constexpr TamanoPapel kPapeles[] = {
    {u"A3", 297, 420}, {u"A4", 210, 297}, {u"A5", 148, 210}, {u"Carta", 215.9, 279.4}, {u"Legal", 215.9, 355.6},
};

// A section without a height is as tall as its elements reach.
void AjustarAlto(Seccion& s)
{
    if (s.alto > 0)
        return;
    for (const ElementoTexto& t : s.textos)
        s.alto = std::max(s.alto, t.caja.bottom());
    for (const ElementoLinea& l : s.lineas)
        s.alto = std::max({s.alto, l.linea.y1(), l.linea.y2()});
    for (const ElementoCaja& c : s.cajas)
        s.alto = std::max(s.alto, c.caja.bottom());
    for (const ElementoImagen& i : s.imagenes)
        s.alto = std::max(s.alto, i.caja.bottom());
}

class Lector {
public:
    Lector(const QByteArray& xml, const QString& nombre, const QString& carpeta)
        : m_xml(xml), m_nombre(nombre), m_carpeta(carpeta)
    {
    }

    Plantilla leer();

private:
    [[noreturn]] void fallo(const QString& mensaje) const;
    void permitir(std::initializer_list<const char*> nombres) const;
    QString texto(const char* nombre, bool obligatorio = false) const;
    double numero(const char* nombre, double defecto, bool obligatorio = false) const;
    int entero(const char* nombre, int defecto, int minimo) const;
    bool logico(const char* nombre, bool defecto) const;
    EstiloTexto estilo(EstiloTexto base) const;
    QRectF caja(bool altoObligatorio = true) const;
    Trozo marcador(const QString& texto) const;
    Condicion condicion() const;
    QStringList orden(const QString& texto) const;
    void sinHijos();

    void leerRaiz();
    void leerPagina();
    void leerDatos();
    Relacion leerRelacion();
    void leerFormula();
    void leerGrupo();
    void leerDetalle();
    Banda leerBanda(bool detalle);
    Seccion leerSeccion(bool detalle, double alto, const Condicion& si);
    bool leerElemento(Seccion& seccion);
    ElementoTexto leerTexto();
    ElementoLinea leerLinea();
    ElementoCaja leerCaja();
    ElementoImagen leerImagen();

    QXmlStreamReader m_xml;
    QString m_nombre;
    QString m_carpeta;
    Plantilla m_p;
};

void Lector::fallo(const QString& mensaje) const
{
    // Editors count columns from 1, the reader from 0.
    err::Lanzar(err::PlantillaMalFormada, {m_nombre, QString::number(m_xml.lineNumber()),
                                           QString::number(m_xml.columnNumber() + 1), mensaje});
}

void Lector::permitir(std::initializer_list<const char*> nombres) const
{
    for (const QXmlStreamAttribute& a : m_xml.attributes()) {
        bool conocido = false;
        for (const char* n : nombres)
            conocido = conocido || a.name() == QLatin1String(n);
        if (!conocido)
            fallo(QStringLiteral("el elemento «%1» no tiene el atributo «%2».").arg(m_xml.name(), a.name()));
    }
}

QString Lector::texto(const char* nombre, bool obligatorio) const
{
    const auto atributos = m_xml.attributes();
    if (!atributos.hasAttribute(QLatin1String(nombre))) {
        if (obligatorio)
            fallo(QStringLiteral("al elemento «%1» le falta el atributo «%2».").arg(m_xml.name(), QLatin1String(nombre)));
        return {};
    }
    return atributos.value(QLatin1String(nombre)).toString();
}

double Lector::numero(const char* nombre, double defecto, bool obligatorio) const
{
    QString t = texto(nombre, obligatorio).trimmed();
    if (t.isEmpty() && !obligatorio)
        return defecto;
    t.replace(u',', u'.');
    bool ok = false;
    const double valor = t.toDouble(&ok);
    if (!ok || !std::isfinite(valor) || valor < -10000 || valor > 10000)
        fallo(QStringLiteral("el atributo «%1» debe ser un número de milímetros o puntos.").arg(QLatin1String(nombre)));
    return valor;
}

int Lector::entero(const char* nombre, int defecto, int minimo) const
{
    const QString t = texto(nombre).trimmed();
    if (t.isEmpty())
        return defecto;
    bool ok = false;
    const int valor = t.toInt(&ok);
    if (!ok || valor < minimo || valor > 1000)
        fallo(QStringLiteral("el atributo «%1» debe ser un número entero desde %2.").arg(QLatin1String(nombre)).arg(minimo));
    return valor;
}

bool Lector::logico(const char* nombre, bool defecto) const
{
    const QString t = texto(nombre).trimmed().toLower();
    if (t.isEmpty())
        return defecto;
    if (t == QLatin1String("si") || t == QStringLiteral("sí"))
        return true;
    if (t == QLatin1String("no"))
        return false;
    fallo(QStringLiteral("el atributo «%1» debe ser «si» o «no».").arg(QLatin1String(nombre)));
}

EstiloTexto Lector::estilo(EstiloTexto base) const
{
    const QString letra = texto("letra").trimmed().toLower();
    if (letra == QLatin1String("serif"))
        base.letra = Letra::Serif;
    else if (letra == QLatin1String("sans"))
        base.letra = Letra::Sans;
    else if (letra == QLatin1String("mono"))
        base.letra = Letra::Mono;
    else if (!letra.isEmpty())
        fallo(QStringLiteral("la letra debe ser «serif», «sans» o «mono»."));
    base.puntos = numero("puntos", base.puntos);
    if (base.puntos < 4 || base.puntos > 96)
        fallo(QStringLiteral("el tamaño de letra debe estar entre 4 y 96 puntos."));
    base.negrita = logico("negrita", base.negrita);
    base.cursiva = logico("cursiva", base.cursiva);
    return base;
}

QRectF Lector::caja(bool altoObligatorio) const
{
    const QRectF r(numero("x", 0, true), numero("y", 0, true), numero("ancho", 0, true),
                   numero("alto", 0, altoObligatorio));
    if (r.width() < 0 || r.height() < 0)
        fallo(QStringLiteral("el ancho y el alto no pueden ser negativos."));
    return r;
}

Trozo Lector::marcador(const QString& texto) const
{
    try {
        const QList<Trozo> trozos = LeerTrozos(texto.trimmed());
        if (trozos.size() != 1 || trozos[0].tipo == Trozo::Tipo::Literal)
            fallo(QStringLiteral("«%1» debe ser un solo campo o fórmula entre llaves.").arg(texto));
        return trozos[0];
    } catch (const ErrorSintaxis& e) {
        fallo(e.mensaje);
    }
}

Condicion Lector::condicion() const
{
    QString t = texto("si").trimmed();
    Condicion c;
    if (t.isEmpty())
        return c;
    c.activa = true;
    if (t.startsWith(u'!')) {
        c.negada = true;
        t = t.mid(1).trimmed();
    }
    qsizetype fin = 0;
    if (t.startsWith(u'@')) {
        fin = t.indexOf(u'=');
        c.operando = marcador(QStringLiteral("{%1}").arg(fin < 0 ? t : t.left(fin)));
    } else if (t.startsWith(u'{')) {
        fin = t.indexOf(u'}');
        c.operando = marcador(t.left(fin + 1));
        fin = t.indexOf(u'=', fin);
        if (fin < 0 && t.indexOf(u'}') != t.size() - 1)
            fallo(QStringLiteral("condición «%1» no válida.").arg(t));
    } else {
        fallo(QStringLiteral("la condición «%1» debe empezar por «@» o «{».").arg(t));
    }
    if (c.operando.tipo != Trozo::Tipo::Formula && c.operando.tipo != Trozo::Tipo::Campo)
        fallo(QStringLiteral("una condición depende de una fórmula o de un campo."));
    if (fin >= 0)
        c.igualA = t.mid(fin + 1).trimmed();
    return c;
}

QStringList Lector::orden(const QString& texto) const
{
    QStringList campos;
    for (const QString& parte : texto.split(u',', Qt::SkipEmptyParts)) {
        if (!CampoOrden::Leer(parte))
            fallo(QStringLiteral("«%1» no es un campo de orden como «+{Tabla.Campo}».").arg(parte.trimmed()));
        campos << parte.trimmed();
    }
    return campos;
}

void Lector::sinHijos()
{
    if (m_xml.readNextStartElement())
        fallo(QStringLiteral("el elemento «%1» no puede estar aquí.").arg(m_xml.name()));
}

Plantilla Lector::leer()
{
    m_p.archivo = m_nombre;
    if (!m_xml.readNextStartElement() || m_xml.name() != QLatin1String("plantilla"))
        fallo(m_xml.hasError() ? m_xml.errorString() : QStringLiteral("falta el elemento «plantilla»."));
    leerRaiz();
    if (m_xml.hasError())
        fallo(m_xml.errorString());
    return m_p;
}

void Lector::leerRaiz()
{
    permitir({"version", "letra", "puntos", "negrita", "cursiva"});
    if (entero("version", kVersionFormato, 1) != kVersionFormato)
        fallo(QStringLiteral("versión de formato desconocida."));
    m_p.estilo = estilo(m_p.estilo);
    while (m_xml.readNextStartElement()) {
        const auto n = m_xml.name();
        if (n == QLatin1String("pagina"))
            leerPagina();
        else if (n == QLatin1String("datos"))
            leerDatos();
        else if (n == QLatin1String("formula"))
            leerFormula();
        else if (n == QLatin1String("cabeceraInforme"))
            m_p.cabeceraInforme = leerBanda(false);
        else if (n == QLatin1String("cabeceraPagina"))
            m_p.cabeceraPagina = leerBanda(false);
        else if (n == QLatin1String("grupo"))
            leerGrupo();
        else if (n == QLatin1String("detalle"))
            leerDetalle();
        else if (n == QLatin1String("pieInforme"))
            m_p.pieInforme = leerBanda(false);
        else if (n == QLatin1String("piePagina"))
            m_p.piePagina = leerBanda(false);
        else
            fallo(QStringLiteral("elemento desconocido «%1».").arg(n));
    }
    if (m_p.cuadricula && !m_p.grupos.empty())
        fallo(QStringLiteral("una plantilla de etiquetas o cuadrícula no puede tener grupos."));
}

void Lector::leerPagina()
{
    permitir({"tamano", "orientacion", "ancho", "alto", "superior", "izquierdo", "inferior", "derecho"});
    const QString tamano = texto("tamano").trimmed();
    if (!tamano.isEmpty()) {
        bool conocido = false;
        for (const TamanoPapel& papel : kPapeles) {
            if (tamano.compare(QString::fromUtf16(papel.nombre), Qt::CaseInsensitive) == 0) {
                m_p.pagina = QSizeF(papel.ancho, papel.alto);
                conocido = true;
            }
        }
        if (!conocido)
            fallo(QStringLiteral("tamaño de papel desconocido «%1».").arg(tamano));
    }
    const QString orientacion = texto("orientacion").trimmed();
    if (orientacion == QLatin1String("horizontal"))
        m_p.pagina.transpose();
    else if (!orientacion.isEmpty() && orientacion != QLatin1String("vertical"))
        fallo(QStringLiteral("la orientación debe ser «vertical» u «horizontal»."));
    m_p.pagina = QSizeF(numero("ancho", m_p.pagina.width()), numero("alto", m_p.pagina.height()));
    m_p.margenes = QMarginsF(numero("izquierdo", 20), numero("superior", 20), numero("derecho", 20),
                             numero("inferior", 20));
    if (m_p.pagina.width() < 20 || m_p.pagina.height() < 20 || m_p.margenes.left() < 0 || m_p.margenes.top() < 0
        || m_p.margenes.right() < 0 || m_p.margenes.bottom() < 0)
        fallo(QStringLiteral("la página o sus márgenes no son válidos."));
    sinHijos();
}

void Lector::leerDatos()
{
    permitir({"tabla", "orden"});
    m_p.tabla = texto("tabla", true).trimmed();
    m_p.orden = orden(texto("orden"));
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() != QLatin1String("relacion"))
            fallo(QStringLiteral("elemento desconocido «%1» dentro de «datos».").arg(m_xml.name()));
        m_p.relaciones.push_back(leerRelacion());
    }
}

Relacion Lector::leerRelacion()
{
    permitir({"tabla", "campo", "clave", "orden", "filtroCampo", "filtroValor"});
    Relacion r;
    r.tabla = texto("tabla", true).trimmed();
    r.campo = texto("campo", true).trimmed();
    r.clave = texto("clave", true).trimmed();
    r.orden = orden(texto("orden"));
    r.filtroCampo = texto("filtroCampo").trimmed();
    r.filtroValor = texto("filtroValor");
    sinHijos();
    return r;
}

void Lector::leerFormula()
{
    permitir({"nombre", "valor"});
    DeclaracionFormula d;
    d.nombre = texto("nombre", true).trimmed();
    if (d.nombre.isEmpty() || d.nombre.contains(u'=') || d.nombre.contains(u'}') || d.nombre.contains(u':'))
        fallo(QStringLiteral("nombre de fórmula no válido «%1».").arg(d.nombre));
    const QString valor = texto("valor");
    const auto leido = ValorFormula::Leer(valor);
    d.valor = leido ? *leido : ValorFormula::Texto(valor);
    m_p.formulas.push_back(d);
    sinHijos();
}

void Lector::leerGrupo()
{
    permitir({"campo", "nuevaPagina"});
    Grupo g;
    g.campo = marcador(texto("campo", true));
    if (g.campo.tipo != Trozo::Tipo::Campo)
        fallo(QStringLiteral("el campo de un grupo debe ser «{Tabla.Campo}»."));
    g.nuevaPagina = logico("nuevaPagina", false);
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("cabecera"))
            g.cabecera = leerBanda(false);
        else if (m_xml.name() == QLatin1String("pie"))
            g.pie = leerBanda(false);
        else
            fallo(QStringLiteral("elemento desconocido «%1» dentro de «grupo».").arg(m_xml.name()));
    }
    m_p.grupos.push_back(g);
}

void Lector::leerDetalle()
{
    m_p.detalleNuevaPagina = logico("nuevaPagina", false);
    if (m_xml.attributes().hasAttribute(QLatin1String("columnas"))
        || m_xml.attributes().hasAttribute(QLatin1String("filas"))) {
        Cuadricula c;
        c.columnas = entero("columnas", 1, 1);
        c.filas = entero("filas", 1, 1);
        c.anchoCelda = numero("anchoCelda", 0, true);
        c.altoCelda = numero("altoCelda", 0, true);
        c.separacionH = numero("separacionH", 0);
        c.separacionV = numero("separacionV", 0);
        if (c.anchoCelda <= 0 || c.altoCelda <= 0)
            fallo(QStringLiteral("las celdas deben tener ancho y alto."));
        m_p.cuadricula = c;
    }
    m_p.detalle = leerBanda(true);
}

Banda Lector::leerBanda(bool detalle)
{
    if (detalle)
        permitir({"alto", "si", "nuevaPagina", "columnas", "filas", "anchoCelda", "altoCelda", "separacionH",
                  "separacionV"});
    else
        permitir({"alto", "si"});
    const double alto = numero("alto", 0);
    const Condicion si = condicion();
    Banda banda;
    Seccion directa;
    directa.alto = alto;
    directa.si = si;
    bool conElementos = false;
    while (m_xml.readNextStartElement()) {
        if (m_xml.name() == QLatin1String("seccion")) {
            if (conElementos)
                fallo(QStringLiteral("una banda con secciones no puede tener elementos sueltos."));
            permitir(detalle ? std::initializer_list<const char*>{"alto", "si", "relacion"}
                             : std::initializer_list<const char*>{"alto", "si"});
            banda.push_back(leerSeccion(detalle, numero("alto", 0), condicion()));
        } else {
            if (!banda.empty())
                fallo(QStringLiteral("una banda con secciones no puede tener elementos sueltos."));
            if (!leerElemento(directa))
                fallo(QStringLiteral("elemento desconocido «%1».").arg(m_xml.name()));
            conElementos = true;
        }
    }
    if (banda.empty() && (conElementos || alto > 0)) {
        AjustarAlto(directa);
        banda.push_back(directa);
    }
    return banda;
}

Seccion Lector::leerSeccion(bool detalle, double alto, const Condicion& si)
{
    Seccion s;
    s.alto = alto;
    s.si = si;
    if (detalle)
        s.relacion = texto("relacion").trimmed();
    while (m_xml.readNextStartElement()) {
        if (!leerElemento(s))
            fallo(QStringLiteral("elemento desconocido «%1» dentro de «seccion».").arg(m_xml.name()));
    }
    AjustarAlto(s);
    return s;
}

bool Lector::leerElemento(Seccion& s)
{
    const auto n = m_xml.name();
    if (n == QLatin1String("texto"))
        s.textos.push_back(leerTexto());
    else if (n == QLatin1String("linea"))
        s.lineas.push_back(leerLinea());
    else if (n == QLatin1String("caja"))
        s.cajas.push_back(leerCaja());
    else if (n == QLatin1String("imagen"))
        s.imagenes.push_back(leerImagen());
    else
        return false;
    return true;
}

ElementoTexto Lector::leerTexto()
{
    permitir({"x", "y", "ancho", "alto", "alineacion", "letra", "puntos", "negrita", "cursiva", "crece"});
    ElementoTexto t;
    t.caja = caja(false); // without a height: one line
    t.estilo = estilo(m_p.estilo);
    t.crece = logico("crece", true);
    const QString alineacion = texto("alineacion").trimmed();
    if (alineacion == QLatin1String("centro"))
        t.alineacion = Alineacion::Centro;
    else if (alineacion == QLatin1String("derecha"))
        t.alineacion = Alineacion::Derecha;
    else if (alineacion == QLatin1String("justificado"))
        t.alineacion = Alineacion::Justificado;
    else if (!alineacion.isEmpty() && alineacion != QLatin1String("izquierda"))
        fallo(QStringLiteral("alineación desconocida «%1».").arg(alineacion));
    const qint64 linea = m_xml.lineNumber();
    const qint64 columna = m_xml.columnNumber() + 1;

    // Blanks and line ends of the XML are one space; <br/> is a line break.
    QString contenido;
    while (!m_xml.atEnd()) {
        m_xml.readNext();
        if (m_xml.isCharacters()) {
            QString parte = m_xml.text().toString();
            parte.replace(u'\n', u' ');
            contenido += parte;
        } else if (m_xml.isStartElement() && m_xml.name() == QLatin1String("br")) {
            contenido += u'\n';
            sinHijos();
        } else if (m_xml.isStartElement()) {
            fallo(QStringLiteral("dentro de «texto» solo puede haber texto y «br»."));
        } else if (m_xml.isEndElement()) {
            break;
        }
    }
    QStringList lineas = contenido.split(u'\n');
    for (QString& l : lineas)
        l = l.simplified();
    try {
        t.trozos = LeerTrozos(lineas.join(u'\n'));
    } catch (const ErrorSintaxis& e) {
        err::Lanzar(err::PlantillaMalFormada, {m_nombre, QString::number(linea), QString::number(columna), e.mensaje});
    }
    return t;
}

ElementoLinea Lector::leerLinea()
{
    permitir({"x1", "y1", "x2", "y2", "grosor"});
    ElementoLinea l;
    l.linea = QLineF(numero("x1", 0, true), numero("y1", 0, true), numero("x2", 0, true), numero("y2", 0, true));
    l.grosor = numero("grosor", l.grosor);
    sinHijos();
    return l;
}

ElementoCaja Lector::leerCaja()
{
    permitir({"x", "y", "ancho", "alto", "grosor"});
    ElementoCaja c;
    c.caja = caja();
    c.grosor = numero("grosor", c.grosor);
    sinHijos();
    return c;
}

ElementoImagen Lector::leerImagen()
{
    permitir({"x", "y", "ancho", "alto", "archivo"});
    ElementoImagen i;
    i.caja = caja();
    i.archivo = texto("archivo", true).trimmed();
    const QString ruta = os::FindFileCaseInsensitive(m_carpeta, i.archivo);
    QImageReader lector(ruta);
    if (ruta.isEmpty() || !lector.read(&i.imagen))
        err::Lanzar(err::Imagen, {i.archivo});
    sinHijos();
    return i;
}

} // namespace

Plantilla LeerPlantilla(const QString& ruta)
{
    QFile archivo(ruta);
    if (!QFileInfo(ruta).isFile())
        err::Lanzar(err::PlantillaNoEncontrada, {ruta});
    if (!archivo.open(QIODevice::ReadOnly))
        err::Lanzar(err::PlantillaIlegible, {ruta, archivo.errorString()});
    const QByteArray xml = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError)
        err::Lanzar(err::PlantillaIlegible, {ruta, archivo.errorString()});
    return LeerPlantillaDeTexto(xml, ruta, QFileInfo(ruta).absolutePath());
}

Plantilla LeerPlantillaDeTexto(const QByteArray& xml, const QString& nombre, const QString& carpeta)
{
    return Lector(xml, nombre, carpeta).leer();
}

} // namespace report
