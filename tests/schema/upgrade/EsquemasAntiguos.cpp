#include "EsquemasAntiguos.h"

#include "schema/Estructura.h"

#include <QStringList>
#include <initializer_list>
#include <stdexcept>

namespace {

TablaDef* Tabla(EsquemaDef& e, const QString& nombre)
{
    for (TablaDef& t : e.tablas)
        if (t.nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return &t;
    throw std::logic_error(("falta la tabla " + nombre).toStdString());
}

ColumnaDef* Columna(EsquemaDef& e, const QString& tabla, const QString& columna)
{
    for (ColumnaDef& c : Tabla(e, tabla)->columnas)
        if (c.nombre.compare(columna, Qt::CaseInsensitive) == 0)
            return &c;
    throw std::logic_error(("falta la columna " + tabla + "." + columna).toStdString());
}

void QuitarTablas(EsquemaDef& e, std::initializer_list<const char*> nombres)
{
    for (const char* n : nombres) {
        Tabla(e, QString::fromUtf8(n)); // must exist
        e.tablas.removeIf([&](const TablaDef& t) { return t.nombre.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0; });
    }
}

void QuitarColumnas(EsquemaDef& e, const char* tabla, std::initializer_list<const char*> columnas)
{
    for (const char* c : columnas) {
        Columna(e, QString::fromUtf8(tabla), QString::fromUtf8(c));
        Tabla(e, QString::fromUtf8(tabla))->columnas.removeIf([&](const ColumnaDef& d) {
            return d.nombre.compare(QString::fromUtf8(c), Qt::CaseInsensitive) == 0;
        });
    }
}

void CambiarTipo(EsquemaDef& e, const char* tabla, const char* columna, const QString& tipo, const QString& defecto = {})
{
    ColumnaDef* c = Columna(e, QString::fromUtf8(tabla), QString::fromUtf8(columna));
    c->tipo = tipo;
    c->porDefecto = defecto;
    c->nulo = false;
}

ColumnaDef Col(const char* nombre, const char* tipo, bool clave = false)
{
    ColumnaDef c;
    c.nombre = QString::fromUtf8(nombre);
    c.tipo = QString::fromUtf8(tipo);
    c.claveprimaria = clave;
    return c;
}

TablaDef NuevaTabla(const char* nombre, std::initializer_list<ColumnaDef> columnas)
{
    TablaDef t;
    t.nombre = QString::fromUtf8(nombre);
    t.columnas = QList<ColumnaDef>(columnas);
    return t;
}

// The indexes whose table and columns the layout has.
void PodarIndices(EsquemaDef& e)
{
    e.indices.removeIf([&](const IndiceDef& i) {
        const TablaDef* t = e.tabla(i.tabla);
        if (!t)
            return true;
        for (const QString& c : i.columnas)
            if (!t->columna(c))
                return true;
        return false;
    });
}

// 2.2.0 added the form-182 tables, the person type and the default deduction.
void DeshacerV220(EsquemaDef& e)
{
    QuitarTablas(e, {"Modelo182", "TipoPersonaModelo182"});
    QuitarColumnas(e, "Padron", {"codTipoPersonaModelo182"});
    QuitarColumnas(e, "ComunidadAutonoma", {"DeduccionDefecto"});
}

// What 2.0.3 (and 2.1.0) changed for the editions that start at 2.0.2.
void DeshacerV203(EsquemaDef& e)
{
    CambiarTipo(e, "Bautismo_Matrimonio", "Parroquia", QStringLiteral("NVARCHAR(40)"));
    Tabla(e, QStringLiteral("ComunidadAutonoma"))->columnas << Col("CodDeduccion", "INT");
    QuitarColumnas(e, "Deduccion", {"codComunidad"});
    QuitarColumnas(e, "Donativo", {"ImporteEur"});
    QuitarColumnas(e, "Institucion", {"InstitucionTipo", "InstitucionNombre"});
    QuitarColumnas(e, "Padron_Defuncion", {"ImporteEur"});
    QuitarColumnas(e, "Recibo", {"GestionContable", "ImporteEur"});
    CambiarTipo(e, "Recibo", "NumCertificado", QStringLiteral("NVARCHAR(10)"));
    CambiarTipo(e, "Recibo", "NumeroRecibo", QStringLiteral("NVARCHAR(10)"));
    QuitarColumnas(e, "Remesa", {"ImporteTotalEur"});
}

// The rest of 2.1.0 that the 2.0.2 editions already had.
void DeshacerV210(EsquemaDef& e)
{
    QuitarTablas(e, {"Contab_Enlace_Bancos", "Contab_Enlace_Institucion", "Contab_Enlace_Padron", "Destinatarios"});
    QuitarColumnas(e, "Defuncion", {"Parroco"});
    QuitarColumnas(e, "Informacion", {"FechaDestinatarios", "Contabilidad", "GestionContable", "TipoAplicacion"});
    QuitarColumnas(e, "Institucion", {"CodAdvocacion", "CodigoIdentificativo", "OperacionCorreo", "CommError", "Sufijo"});
    QuitarColumnas(e, "Matrimonio_Compromiso", {"HoraMatrimonio"});
    QuitarColumnas(e, "Matrimonio_Novias", {"Nacionalidad"});
    QuitarColumnas(e, "Matrimonio_Novios", {"Nacionalidad"});
    QuitarColumnas(e, "Presentador", {"Sufijo"});
    // Tables that 2.1.0 retired.
    e.tablas << NuevaTabla("Misa", {Col("IDMisa", "COUNTER", true), Col("Intencion", "NVARCHAR(100)"), Col("Fecha", "NVARCHAR(8)")})
             << NuevaTabla("Misa_Contacto1", {Col("IDContacto", "COUNTER", true), Col("CodMisa", "INT"), Col("Nombre", "NVARCHAR(50)")})
             << NuevaTabla("Misa_Contacto2", {Col("IDContacto", "COUNTER", true), Col("CodMisa", "INT"), Col("Nombre", "NVARCHAR(50)")})
             << NuevaTabla("Visita", {Col("IDVisita", "COUNTER", true), Col("CodPadron", "INT"), Col("Fecha", "NVARCHAR(8)")})
             << NuevaTabla("Visitas_Historico", {Col("IDVisita", "COUNTER", true), Col("CodPadron", "INT"), Col("Notas", "TEXT")});
}

struct Columnas201 {
    const char* tabla;
    std::initializer_list<const char*> columnas;
};

// The 78 columns whose type 2.0.1 changed.
const Columnas201 kColumnas201[] = {
    {"Bautismo", {"Padrino", "Madrina", "Ministro", "NotasMarginales", "Observaciones"}},
    {"Bautismo_Hijo", {"Nombre", "PrimerApellido", "SegundoApellido"}},
    {"Bautismo_Madres", {"Nombre", "PrimerApellido", "SegundoApellido", "Abuelo", "Abuela"}},
    {"Bautismo_Padres", {"Nombre", "PrimerApellido", "SegundoApellido", "Abuelo", "Abuela"}},
    {"Confirmacion", {"Nombre", "PrimerApellido", "SegundoApellido", "NombrePadre", "NombreMadre", "NotasMarginales",
                      "Observaciones"}},
    {"Confirmacion_Datos", {"Ministro", "Padrino"}},
    {"Defuncion", {"Nombre", "PrimerApellido", "SegundoApellido", "Consorte", "NombresHijos", "NombrePadre",
                   "NombreMadre", "NotasMarginales", "Observaciones"}},
    {"Institucion", {"ResponsableNombre", "ResponsablePrimerApellido", "ResponsableSegundoApellido", "Parroco",
                     "EncargadoArchivo"}},
    {"Institucion_Encargado", {"Nombre"}},
    {"Matrimonio", {"NotasMarginales", "Observaciones"}},
    {"Matrimonio_Compromiso", {"Padrino", "Madrina", "Celebrante"}},
    {"Matrimonio_Expediente", {"NombreTestigo1", "PrimerApellidoTestigo1", "SegundoApellidoTestigo1", "NombreTestigo2",
                               "PrimerApellidoTestigo2", "SegundoApellidoTestigo2"}},
    {"Matrimonio_Novias", {"Nombre", "PrimerApellido", "SegundoApellido"}},
    {"Matrimonio_Novios", {"Nombre", "PrimerApellido", "SegundoApellido"}},
    {"Matrimonio_Novias_RegCivil", {"NombrePadre", "NombreMadre", "EstadoCivil", "Pagina"}},
    {"Matrimonio_Novios_RegCivil", {"NombrePadre", "NombreMadre", "EstadoCivil", "Pagina"}},
    {"Padron", {"Nombre", "PrimerApellido", "SegundoApellido", "Comentarios"}},
    {"Padron_Nacimiento", {"NombreMadre", "NombrePadre"}},
    {"Presentador", {"Nombre", "PrimerApellido", "SegundoApellido"}},
    {"Remesa", {"ImporteTotal"}},
    {"Ultimos", {"Encargado"}},
};

void DeshacerV201(EsquemaDef& e)
{
    for (const Columnas201& t : kColumnas201)
        for (const char* c : t.columnas) {
            ColumnaDef* col = Columna(e, QString::fromUtf8(t.tabla), QString::fromUtf8(c));
            col->tipo = TipoAnteriorA201(col->tipo);
            col->porDefecto.clear();
        }
}

} // namespace

QString TipoAnteriorA201(const QString& tipoNuevo)
{
    static const QList<QPair<QString, QString>> anteriores{
        {QStringLiteral("NVARCHAR(40)"), QStringLiteral("NVARCHAR(50)")},
        {QStringLiteral("NVARCHAR(120)"), QStringLiteral("NVARCHAR(100)")},
        {QStringLiteral("NVARCHAR(100)"), QStringLiteral("NVARCHAR(50)")},
        {QStringLiteral("NVARCHAR(10)"), QStringLiteral("NVARCHAR(5)")},
        {QStringLiteral("NVARCHAR(240)"), QStringLiteral("TEXT")},
        {QStringLiteral("NVARCHAR(255)"), QStringLiteral("TEXT")},
        {QStringLiteral("TEXT"), QStringLiteral("NVARCHAR(255)")},
        {QStringLiteral("FLOAT"), QStringLiteral("CURRENCY")},
    };
    for (const auto& [nuevo, anterior] : anteriores)
        if (nuevo.compare(tipoNuevo, Qt::CaseInsensitive) == 0)
            return anterior;
    throw std::logic_error(("sin tipo anterior para " + tipoNuevo).toStdString());
}

EsquemaDef EsquemaParroquiaAntiguo(const QString& version)
{
    static const QStringList versiones{QStringLiteral("2.0.0"), QStringLiteral("2.0.1"), QStringLiteral("2.0.2"),
                                       QStringLiteral("2.0.3"), QStringLiteral("2.1.0"), QStringLiteral("2.1.2")};
    const qsizetype orden = versiones.indexOf(version);
    if (orden < 0)
        throw std::logic_error(("versión sin esquema: " + version).toStdString());

    EsquemaDef e = EsquemaDuzediv();
    e.version = version;
    DeshacerV220(e);
    if (orden <= 2) // 2.0.0 to 2.0.2
        DeshacerV203(e);
    if (orden <= 1) // 2.0.0 and 2.0.1
        DeshacerV210(e);
    if (orden == 0)
        DeshacerV201(e);
    PodarIndices(e);
    return e;
}

EsquemaDef EsquemaContabilidadAntiguo(bool conInformacion)
{
    EsquemaDef e = EsquemaContabilidad();
    e.version = conInformacion ? QStringLiteral("1.0.1") : QString();
    QuitarTablas(e, {"Grupo"});
    QuitarColumnas(e, "Empresa", {"CodGrupo"});
    QuitarColumnas(e, "Asiento", {"ConceptoAsiento"});
    if (conInformacion)
        CambiarTipo(e, "Informacion", "Version", QStringLiteral("NVARCHAR(50)"));
    else
        QuitarTablas(e, {"Informacion"});
    PodarIndices(e);
    return e;
}
