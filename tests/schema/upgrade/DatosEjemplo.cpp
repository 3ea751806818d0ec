#include "DatosEjemplo.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "seed/SemillasContabilidad.h"
#include "seed/SemillasDuzediv.h"

#include <QStringList>

namespace {

using Fila = QList<QPair<QString, db::Value>>;

bool Antes(const EsquemaDef& e, const char* version)
{
    return e.version < QString::fromUtf8(version);
}

QString Repetir(const QString& texto, int longitud)
{
    QString r;
    while (r.size() < longitud)
        r += texto;
    return r.left(longitud);
}

bool EsMemo(const EsquemaDef& e, const char* tabla, const char* columna)
{
    const TablaDef* t = e.tabla(QString::fromUtf8(tabla));
    const ColumnaDef* c = t ? t->columna(QString::fromUtf8(columna)) : nullptr;
    return c && c->tipo.compare(QStringLiteral("TEXT"), Qt::CaseInsensitive) == 0;
}

void Instituciones(db::Connection& con, const EsquemaDef& e)
{
    struct Especial {
        const char* nombre;
        const char* tipo;
        const char* nombreInstitucion;
    };
    // Stored parts only where the version has them (2.1.0 and later).
    const Especial especiales[] = {
        {"Parroquia San Juan", "Parroquia", "San Juan"},
        {"Caritas", "", "Caritas"},
        {"  Parroquia   de Santa Ana ", "", ""},
        {"", "", ""},
        {"<null>", "", ""},
        {"Hermandaddelasanimasbenditas de Jesús", "", ""},
        {"Parroquia San Pedro", "parroquia", "San Pedro"},
        {"Archicofradía Sacramental del Santísimo Cristo", "", ""},
    };
    static_assert(std::size(especiales) == ejemplo::kInstitucionesEspeciales);
    for (const Especial& i : especiales)
        InsertarFila(con, e, QStringLiteral("Institucion"),
                     {{QStringLiteral("Nombre"), ValorEjemplo(i.nombre)},
                      {QStringLiteral("InstitucionTipo"), QString::fromUtf8(i.tipo)},
                      {QStringLiteral("InstitucionNombre"), QString::fromUtf8(i.nombreInstitucion)},
                      {QStringLiteral("Parroco"), QStringLiteral("D. Tomás Ruiz Peña")},
                      {QStringLiteral("CP"), QStringLiteral("28001")}});
    for (int i = 0; i < 4; ++i)
        InsertarFila(con, e, QStringLiteral("Institucion"),
                     {{QStringLiteral("Nombre"), QStringLiteral("Parroquia Santa María %1").arg(i + 1)}});
}

void Personas(db::Connection& con, const EsquemaDef& e, int personas)
{
    const QStringList nombres{QStringLiteral("María"), QStringLiteral("José"), QStringLiteral("Begoña"),
                              QStringLiteral("Íñigo"), QStringLiteral("Carmen")};
    const QStringList apellidos{QStringLiteral("García"), QStringLiteral("Núñez"), QStringLiteral("Pérez"),
                                QStringLiteral("Ibáñez"), QStringLiteral("López")};
    const int especiales = int(std::size(ejemplo::kDnisEspeciales));
    for (int i = 0; i < std::max(personas, especiales); ++i) {
        const db::Value dni = i < especiales ? ValorEjemplo(ejemplo::kDnisEspeciales[i])
                              : i % 5 == 0   ? db::Value(QStringLiteral("B%1").arg(10000000 + i, 8, 10, QLatin1Char('0')))
                                             : db::Value(QStringLiteral("%1T").arg(50000000 + i, 8, 10, QLatin1Char('0')));
        InsertarFila(con, e, QStringLiteral("Padron"),
                     {{QStringLiteral("Nombre"), nombres.at(i % nombres.size())},
                      {QStringLiteral("PrimerApellido"), apellidos.at(i % apellidos.size())},
                      {QStringLiteral("SegundoApellido"), apellidos.at((i + 2) % apellidos.size())},
                      {QStringLiteral("DNI"), dni},
                      {QStringLiteral("Comentarios"), QStringLiteral("Colabora con Cáritas")},
                      {QStringLiteral("CodInstitucionEmpadronado"), 1}});
        InsertarFila(con, e, QStringLiteral("Padron_TipoPersona"),
                     {{QStringLiteral("CodPadron"), i + 1}, {QStringLiteral("CodTipoPersona"), 1 + i % 3}});
        if (i % 4 == 0)
            InsertarFila(con, e, QStringLiteral("Padron_Defuncion"),
                         {{QStringLiteral("CodPadron"), i + 1},
                          {QStringLiteral("FechaDefuncion"), QStringLiteral("19990312")},
                          {QStringLiteral("Importe"), i == 4 ? db::Value() : db::Value(5000 + 17 * i)}});
    }
}

db::Value Peseta(int i)
{
    const int especiales = int(std::size(ejemplo::kImportesEspeciales));
    if (i < especiales)
        return ValorEjemplo(ejemplo::kImportesEspeciales[i]);
    return (i * 7919) % 250000;
}

void Donaciones(db::Connection& con, const EsquemaDef& e, const OpcionesDatos& o)
{
    for (int i = 0; i < o.remesas; ++i)
        InsertarFila(con, e, QStringLiteral("Remesa"),
                     {{QStringLiteral("CodPresentador"), 1},
                      {QStringLiteral("Fecha"), QStringLiteral("200111%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))},
                      {QStringLiteral("ImporteTotal"), 10000 * (i + 1) + 94}});
    for (int i = 0; i < o.donativos; ++i)
        InsertarFila(con, e, QStringLiteral("Donativo"),
                     {{QStringLiteral("CodPersonaDonativo"), 1 + i % std::max(1, o.personas)},
                      {QStringLiteral("CodInstitucion"), 1},
                      {QStringLiteral("CodTipoDonativo"), 1},
                      {QStringLiteral("Descripcion"), QStringLiteral("Donativo para la restauración del retablo")},
                      {QStringLiteral("Importe"), Peseta(i)}});
    for (int i = 0; i < o.recibos; ++i) {
        // The old numbers: 10 characters, "0" when not yet numbered.
        const db::Value numero = i == 0 ? db::Value(QStringLiteral("0"))
                                 : i == 1 ? db::Value()
                                 : i == 2 ? db::Value(QStringLiteral("ABCDE"))
                                          : db::Value(QStringLiteral("%1").arg(2001000000 + i));
        const db::Value certificado = i % 3 == 0 ? db::Value(QStringLiteral("0"))
                                      : i == 1   ? db::Value()
                                                 : db::Value(QStringLiteral("%1").arg(1999000000 + 7 * i));
        InsertarFila(con, e, QStringLiteral("Recibo"),
                     {{QStringLiteral("CodDonativo"), 1 + i % std::max(1, o.donativos)},
                      {QStringLiteral("CodRemesa"), o.remesas ? 1 + i % o.remesas : 0},
                      {QStringLiteral("NumeroRecibo"), numero},
                      {QStringLiteral("NumCertificado"), certificado},
                      {QStringLiteral("Fecha"), QStringLiteral("20011105")},
                      {QStringLiteral("Importe"), Peseta(i + 3)},
                      {QStringLiteral("PagoBanco"), i % 2 == 0}});
    }
}

void Libros(db::Connection& con, const EsquemaDef& e)
{
    const int observaciones = EsMemo(e, "Bautismo", "Observaciones") ? 300 : 200;
    const int hijos = EsMemo(e, "Defuncion", "NombresHijos") ? 260 : 200;
    InsertarFila(con, e, QStringLiteral("Libro_Bautismo"),
                 {{QStringLiteral("CodInstitucion"), 1}, {QStringLiteral("Nombre"), QStringLiteral("Libro 12")}});
    InsertarFila(con, e, QStringLiteral("Bautismo"),
                 {{QStringLiteral("CodLibro"), 1},
                  {QStringLiteral("Folio"), 23},
                  {QStringLiteral("Numero"), QStringLiteral("112")},
                  {QStringLiteral("Padrino"), QStringLiteral("Andrés Fernández Gómez")},
                  {QStringLiteral("Observaciones"), Repetir(QStringLiteral("Nota marginal de confirmación. "), observaciones)}});
    InsertarFila(con, e, QStringLiteral("Defuncion"),
                 {{QStringLiteral("CodLibro"), 1},
                  {QStringLiteral("Nombre"), QStringLiteral("Eusebio")},
                  {QStringLiteral("NombresHijos"), Repetir(QStringLiteral("Ana, Luis, Pedro, "), hijos)},
                  {QStringLiteral("Observaciones"), QStringLiteral("Sin observaciones")}});
    InsertarFila(con, e, QStringLiteral("Matrimonio_Novios"),
                 {{QStringLiteral("Nombre"), QStringLiteral("Javier")}, {QStringLiteral("PrimerApellido"), QStringLiteral("Ortiz")}});
    InsertarFila(con, e, QStringLiteral("Bautismo_Matrimonio"),
                 {{QStringLiteral("IDMatrimonio"), 1}, {QStringLiteral("Parroquia"), QStringLiteral("San Ginés")}});
    InsertarFila(con, e, QStringLiteral("Ultimos"), {{QStringLiteral("Encargado"), QStringLiteral("Luisa Martín")}});
}

// The seed tables as the version left them. Where the next step reseeds a
// table, it holds stale rows with high ids that the reseeding must replace.
void Semillas(db::Connection& con, const EsquemaDef& e)
{
    if (Antes(e, "2.1.0")) {
        InsertarFila(con, e, QStringLiteral("ComunidadAutonoma"),
                     {{QStringLiteral("IdComunidad"), 90}, {QStringLiteral("Nombre"), QStringLiteral("Antigua")},
                      {QStringLiteral("Codigo"), QStringLiteral("99")}, {QStringLiteral("CodDeduccion"), 3}});
        InsertarFila(con, e, QStringLiteral("Deduccion"), {{QStringLiteral("IDDeduccion"), 70}, {QStringLiteral("Deduccion"), 25}});
        InsertarFila(con, e, QStringLiteral("Campo"), {{QStringLiteral("IDCampo"), 500}, {QStringLiteral("CodNodo"), 1}});
        InsertarFila(con, e, QStringLiteral("Informe"), {{QStringLiteral("IDInforme"), 400}, {QStringLiteral("Nombre"), QStringLiteral("Viejo")}});
        if (e.version == QLatin1String("2.0.0") || e.version == QLatin1String("2.0.1")) {
            InsertarFila(con, e, QStringLiteral("Nodo"), {{QStringLiteral("IDNodo"), 300}, {QStringLiteral("Nombre"), QStringLiteral("Viejo")}});
            InsertarFila(con, e, QStringLiteral("Tipo_Via"), {{QStringLiteral("IDTipo_Via"), 80}, {QStringLiteral("Descripcion"), QStringLiteral("CL - CALLE")}});
            InsertarFila(con, e, QStringLiteral("Misa"), {{QStringLiteral("Intencion"), QStringLiteral("Por los difuntos")}});
        } else {
            // The 2.0.2 editions keep their tree and street types; the list
            // columns they receive name the tree's nodes by their ids.
            InsertarNodos(con);
            InsertarTiposVia(con);
        }
        return;
    }
    InsertarComunidadesAutonomas(con);
    InsertarDeducciones(con);
    InsertarTiposVia(con);
    if (e.version == QLatin1String("2.1.0")) {
        InsertarNodos(con);
        InsertarCampos(con);
    } else {
        InsertarCamposConClave(con);
        InsertarNodosConClave(con);
    }
    InsertarInformes(con);
}

} // namespace

db::Value ValorEjemplo(const char* texto)
{
    const QString t = QString::fromUtf8(texto);
    if (t == QLatin1String("<null>"))
        return {};
    bool numero = false;
    const double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&numero);
    if (numero && std::strchr(texto, ',') != nullptr)
        return vb::Currency::fromDouble(d);
    return t;
}

void InsertarFila(db::Connection& con, const EsquemaDef& esquema, const QString& tabla, const Fila& valores)
{
    const TablaDef* t = esquema.tabla(tabla);
    if (!t)
        return;
    QStringList columnas;
    QStringList marcas;
    QList<db::Value> parametros;
    for (const auto& [columna, valor] : valores) {
        if (!t->columna(columna))
            continue;
        columnas << QLatin1Char('[') + columna + QLatin1Char(']');
        marcas << QStringLiteral("?");
        parametros << valor;
    }
    con.Exec(QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
                 .arg(tabla, columnas.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", "))),
             parametros);
}

void LlenarBDParroquia(db::Connection& con, const EsquemaDef& esquema, const OpcionesDatos& opciones)
{
    db::Transaction transaccion(con);
    Instituciones(con, esquema);
    Personas(con, esquema, opciones.personas);
    Donaciones(con, esquema, opciones);
    Libros(con, esquema);
    Semillas(con, esquema);
    transaccion.Commit();
}

void LlenarBDContabilidad(db::Connection& con, const EsquemaDef& e)
{
    db::Transaction transaccion(con);
    for (int i = 0; i < 3; ++i)
        InsertarFila(con, e, QStringLiteral("Empresa"),
                     {{QStringLiteral("Nombre"), QStringLiteral("Parroquia San Juan %1").arg(2000 + i)},
                      {QStringLiteral("Abreviatura"), QStringLiteral("PSJ")},
                      {QStringLiteral("AñoEjercicio"), 2000 + i}});
    for (int i = 0; i < 4; ++i)
        InsertarFila(con, e, QStringLiteral("Asiento"),
                     {{QStringLiteral("CodEmpresa"), 1}, {QStringLiteral("Numero"), i + 1},
                      {QStringLiteral("Fecha"), QStringLiteral("20010115")}});
    const bool conceptoLargo = EsMemo(e, "Apunte", "Concepto");
    // Entry 1 has two lines, entry 2 one, entry 3 none; entry 4's line
    // carries the longest concept the column allows (longer when it is memo).
    const QList<QPair<int, QString>> apuntes{
        {2, QStringLiteral("Cuota de febrero")},
        {1, QStringLiteral("Colecta del domingo")},
        {1, QStringLiteral("Segunda línea")},
        {4, conceptoLargo ? QStringLiteral("Donativo extraordinario para la restauración de la torre")
                          : QStringLiteral("Donativo para la restauración")},
    };
    for (const auto& [asiento, concepto] : apuntes)
        InsertarFila(con, e, QStringLiteral("Apunte"),
                     {{QStringLiteral("CodAsiento"), asiento}, {QStringLiteral("CodCuenta"), 1},
                      {QStringLiteral("Concepto"), concepto}, {QStringLiteral("CtdadDebe"), 1000}});
    InsertarFila(con, e, QStringLiteral("Predet_Cuenta"),
                 {{QStringLiteral("IDCuenta"), 999}, {QStringLiteral("Codigo"), QStringLiteral("999")},
                  {QStringLiteral("Descripcion"), QStringLiteral("Cuenta antigua")}});
    transaccion.Commit();
}
