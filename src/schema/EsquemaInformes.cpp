// Work tables of the report database "Informes.mdb".
//
// The add-ins fill them for one print, the report templates read them, the
// printing code empties them afterwards. This file is the contract between
// the three; docs/DESIGN.md describes it. Rules of the contract:
// - every table but `Recibos` has a counter key "ID" + table name and an
//   `Orden` column (INT) in which the filler numbers the rows in print order;
// - texts are copied as they are (widths 255 unless the column is a code),
//   dates as "yyyymmdd" texts, yes/no as BIT;
// - amounts of the donation reports are FLOAT in the working currency (the
//   template learns which from the formula "PtsEur"); `Recibos` keeps the 18
//   text columns of the cash-receipt print;
// - a person's full name is "PrimerApellido SegundoApellido, Nombre";
// - the institution printed on a document comes as the block
//   InstitucionTipo, InstitucionNombre, Institucion_Domicilio,
//   Institucion_CP, Institucion_Poblacion, Institucion_Provincia,
//   Institucion_Diocesis, Institucion_Parroco.
// The names the printing code itself uses are kept as it writes them
// (`año`, `letra`, `Libro`, `IDDocumentos_Matrimonio`,
// `ParroquiaResidenciaNovio`, `InstitucionNombre`, `Orden`).

#include "schema/ConstructorEsquema_p.h"
#include "schema/Estructura.h"

using namespace esquema_p;

namespace {

Col T(const char* n) { return Texto(n, 255); }

QList<ColumnaDef> BloqueInstitucion()
{
    return {
        Texto("InstitucionTipo", 16), Texto("InstitucionNombre", 33), T("Institucion_Domicilio"),
        Texto("Institucion_CP", 5), T("Institucion_Poblacion"), T("Institucion_Provincia"),
        T("Institucion_Diocesis"), T("Institucion_Parroco"),
    };
}

// The book and place of one entry; `año` and `letra` order the index of a book.
QList<ColumnaDef> BloquePartida()
{
    return {
        T("Libro"), SiNo("LibroNuevo").Defecto("False"), Entero("Folio"), Texto("Numero", 10),
        Texto("año", 4), Texto("letra", 1), SiNo("Anulada").Defecto("False"),
        Memo("NotasMarginales"), T("Observaciones"),
    };
}

// Who signs a certificate, in which office, on which date.
QList<ColumnaDef> BloqueFirma()
{
    return {T("Firmante"), T("CargoFirmante"), Fecha("FechaExpedicion")};
}

QList<ColumnaDef> BloqueNombre()
{
    return {Texto("Nombre", 40), Texto("PrimerApellido", 40), Texto("SegundoApellido", 40)};
}

// A person in the donation reports.
QList<ColumnaDef> BloquePersona()
{
    return {
        T("Persona_Nombre"), Texto("Persona_NIF", 15), T("Persona_Domicilio"), Texto("Persona_CP", 5),
        T("Persona_Poblacion"), T("Persona_Provincia"), Texto("Persona_Telefono", 20),
    };
}

// Baptism data printed for a person confirmed or married here.
QList<ColumnaDef> BloqueBautismo()
{
    return {
        T("ParroquiaBautismo"), T("LibroBautismo"), Texto("FolioBautismo", 10),
        Texto("NumeroBautismo", 10), Fecha("FechaBautismo"),
    };
}

TablaDef Documento(const char* nombre, const char* clave, const QList<ColumnaDef>& propias)
{
    TablaDef t = Tabla(nombre, {Clave(clave), Entero("Orden")});
    t.columnas += BloquePartida() + BloqueInstitucion() + propias + BloqueFirma();
    return t;
}

QList<TablaDef> TablasDocumentos()
{
    QList<ColumnaDef> bautismo = BloqueNombre();
    bautismo << Fecha("FechaNacimiento") << T("LugarNacimiento") << Fecha("FechaBautismo")
             << T("NombrePadre") << T("NombreMadre") << T("AbueloPaterno") << T("AbuelaPaterna")
             << T("AbueloMaterno") << T("AbuelaMaterna") << T("Padrino") << T("Madrina") << T("Ministro")
             << T("ParroquiaMatrimonio");

    QList<ColumnaDef> confirmacion = BloqueNombre();
    confirmacion << T("NombrePadre") << T("NombreMadre") << Fecha("FechaConfirmacion") << T("Ministro")
                 << T("Padrino");
    confirmacion += BloqueBautismo();

    QList<ColumnaDef> defuncion = BloqueNombre();
    defuncion << T("Consorte") << T("NombresHijos") << T("NombrePadre") << T("NombreMadre")
              << Fecha("FechaDefuncion") << T("Parroco");

    // One row per marriage; the spouses and the other persons hang from it by
    // `CodDocumentos_Matrimonio`.
    QList<ColumnaDef> matrimonio{
        Fecha("FechaMatrimonio"), Texto("HoraMatrimonio", 5), T("Celebrante"), T("Padrino"), T("Madrina"),
        T("ParroquiaResidenciaNovio"), T("ParroquiaResidenciaNovia"),
    };

    QList<ColumnaDef> contrayente{Clave("ID"), Entero("CodDocumentos_Matrimonio")};
    contrayente += BloqueNombre();
    contrayente << T("Nacionalidad") << T("EstadoCivil") << Fecha("FechaNacimiento") << T("LugarNacimiento")
                << T("Domicilio") << T("NombrePadre") << T("NombreMadre") << T("PaginaRegistroCivil");
    contrayente += BloqueBautismo();

    TablaDef novios = Tabla("Documentos_Matrimonio_Novios", contrayente);
    novios.columnas[0].nombre = QStringLiteral("IDDocumentos_Matrimonio_Novios");
    TablaDef novias = Tabla("Documentos_Matrimonio_Novias", contrayente);
    novias.columnas[0].nombre = QStringLiteral("IDDocumentos_Matrimonio_Novias");

    // Witnesses and further data of a marriage file: `Tipo` says what the row
    // is ("Testigo", or the caption of an extra datum held in `Texto`).
    TablaDef otros = Tabla("Documentos_Matrimonio_Otros", {
        Clave("IDDocumentos_Matrimonio_Otros"), Entero("CodDocumentos_Matrimonio"), Entero("Orden"),
        Texto("Tipo", 50),
    });
    otros.columnas += BloqueNombre();
    otros.columnas << T("Texto");

    return {
        Documento("Documentos_Bautismo", "IDDocumentos_Bautismo", bautismo),
        Documento("Documentos_Confirmacion", "IDDocumentos_Confirmacion", confirmacion),
        Documento("Documentos_Matrimonio", "IDDocumentos_Matrimonio", matrimonio),
        novios,
        novias,
        otros,
        Documento("Documentos_Defuncion", "IDDocumentos_Defuncion", defuncion),
    };
}

TablaDef Recibos()
{
    // Exactly the 18 text columns the cash-receipt print writes, in its order;
    // the rows print in the order written.
    return Tabla("Recibos", {
        Texto("NumeroRecibo", 12), Texto("Importe_Recibo", 30), Texto("Fecha_Recibo", 10), T("Donativo"),
        Texto("Persona_Nombre", 122), T("Persona_Domicilio"), Texto("Persona_NIF", 15), T("Persona_Provincia"),
        T("Persona_Poblacion"), Texto("Persona_CP", 5), Texto("InstitucionTipo", 16),
        Texto("InstitucionNombre", 33), T("Institucion_Domicilio"), Texto("Institucion_CIF", 15),
        T("Institucion_Poblacion"), T("Institucion_Provincia"), Texto("Institucion_CP", 5),
        T("Importe_Recibo_Texto"),
    });
}

TablaDef TablaInforme(const char* nombre, const QList<ColumnaDef>& columnas)
{
    ColumnaDef clave = Clave("");
    clave.nombre = QStringLiteral("ID") + QString::fromUtf8(nombre);
    TablaDef t = Tabla(nombre, {clave, Entero("Orden")});
    t.columnas += columnas;
    return t;
}

QList<TablaDef> TablasDonativos()
{
    QList<ColumnaDef> donacion{
        T("Institucion_Nombre"), T("TipoDonativo"), T("Donativo"), Doble("Importe"),
        SiNo("PagoBanco").Defecto("False"), Texto("Cuenta", 30),
    };

    QList<ColumnaDef> certificado{
        Texto("NumCertificado", 12), Fecha("Fecha"), Corto("Ejercicio"),
    };
    certificado += BloquePersona();
    certificado << Texto("InstitucionTipo", 16) << Texto("InstitucionNombre", 33) << Texto("Institucion_CIF", 15)
                << T("Institucion_Domicilio") << Texto("Institucion_CP", 5) << T("Institucion_Poblacion")
                << T("Institucion_Provincia") << T("Responsable_Nombre") << T("Responsable_Cargo")
                << Texto("NumeroRecibo", 12) << Fecha("Fecha_Recibo") << T("Donativo") << Doble("Importe")
                << Doble("ImporteTotal") << T("ImporteTotal_Texto");

    QList<ColumnaDef> personaDonativo = BloquePersona();
    personaDonativo += donacion;
    personaDonativo << Fecha("Fecha") << Texto("NumeroRecibo", 12);

    QList<ColumnaDef> remesa{
        Fecha("Remesa_Fecha"), T("Presentador_Nombre"), Texto("Presentador_NIF", 15), T("Banco_Nombre"),
        Texto("Sucursal_Codigo", 4), T("Institucion_Nombre"), Texto("NumeroRecibo", 12), Fecha("Recibo_Fecha"),
        T("Persona_Nombre"), Texto("Persona_NIF", 15), Texto("Cuenta", 30), T("Donativo"), Doble("Importe"),
        Doble("ImporteTotal"),
    };

    QList<ColumnaDef> persona = BloqueNombre();
    persona += BloquePersona();
    persona << T("Institucion_Nombre");

    QList<ColumnaDef> donantes = BloquePersona();
    donantes += donacion;

    QList<ColumnaDef> impagados{
        T("Persona_Nombre"), Texto("Persona_NIF", 15), Texto("Persona_Telefono", 20), T("Institucion_Nombre"),
        Fecha("Remesa_Fecha"), Texto("NumeroRecibo", 12), Fecha("Recibo_Fecha"), T("Donativo"),
        Doble("Importe"), Texto("Cuenta", 30), T("Motivo"),
    };

    QList<ColumnaDef> totales{
        T("Institucion_Nombre"), T("TipoDonativo"), Entero("NumeroDonativos"), Doble("ImporteCaja"),
        Doble("ImporteBanco"), Doble("ImporteTotal"),
    };

    QList<ColumnaDef> etiquetas{
        T("Nombre"), T("Domicilio"), Texto("CP", 5), T("Poblacion"), T("Provincia"),
    };

    return {
        TablaInforme("Informe_Certificado_Recibo", certificado),
        TablaInforme("Etiquetas", etiquetas),
        TablaInforme("Informe_Persona_Donativo", personaDonativo),
        TablaInforme("Informe_Remesa", remesa),
        TablaInforme("Informe_Persona", persona),
        TablaInforme("Vodidazaz_Donantes", donantes),
        TablaInforme("Impagados", impagados),
        TablaInforme("Informe_Totales_Vodidazaz", totales),
    };
}

QList<TablaDef> TablasParroquia()
{
    QList<ColumnaDef> colaboradores{
        T("Institucion_Nombre"), T("Actividad"), T("Grupo"), T("Cargo"), T("Persona_Nombre"),
    };
    colaboradores += BloqueNombre();
    colaboradores << Texto("NIF", 15) << T("Domicilio") << Texto("CP", 5) << T("Poblacion") << T("Provincia")
                  << Texto("Telefono", 20);

    return {
        TablaInforme("Informe_Colaboradores", colaboradores),
        TablaInforme("Tareas_Agenda", {
            Fecha("Fecha"), Hora("HoraInicio"), Hora("HoraFin"), Texto("Nombre", 50), T("Descripcion"),
        }),
    };
}

EsquemaDef Construir()
{
    EsquemaDef e;
    e.tablas = TablasDocumentos();
    e.tablas << Recibos();
    e.tablas += TablasDonativos() + TablasParroquia();
    e.indices = {
        Indice("Documentos_Bautismo", {"año", "letra"}),
        Indice("Documentos_Matrimonio_Novios", {"CodDocumentos_Matrimonio"}),
        Indice("Documentos_Matrimonio_Novias", {"CodDocumentos_Matrimonio"}),
        Indice("Documentos_Matrimonio_Otros", {"CodDocumentos_Matrimonio"}),
    };
    return e;
}

} // namespace

const EsquemaDef& EsquemaInformes()
{
    static const EsquemaDef esquema = Construir();
    return esquema;
}
