// Layout of the parish database "Duzediv.mdb" at 2.2.0.
//
// Where a type is fixed by an upgrade step it is written exactly as that step
// declares it (type, NULL, default), so that a fresh database and an upgraded
// one read back alike. Columns known only by their kind get: NVARCHAR(n) for
// text (names 40, full names 120), TEXT for long notes, INT for keys and
// references, SMALLINT for small numbers, CURRENCY for peseta amounts, FLOAT
// for euro amounts, BIT DEFAULT False for yes/no. Detail rows that belong to
// one owner row (`Bautismo_Hijo`, `Confirmacion_Datos`, the census details
// ...) are keyed by the owner's id.
//
// Column names that the stored queries use without a table prefix must stay
// unique within the tables those queries join (for example only `Actividad`
// has `CodInstitucion` among Padron, Padron_TipoPersona, Padron_Actividad,
// Grupo and Actividad), so no table here repeats such a name needlessly.

#include "schema/ConstructorEsquema_p.h"
#include "schema/Estructura.h"

using namespace esquema_p;

namespace {

QList<TablaDef> TablasPrograma()
{
    return {
        Tabla("Informacion", {
            Texto("Version", 50),
            SiNo("Vodidazaz").Defecto("False"),
            SiNo("GestionParroquial").Defecto("False"),
            Texto("FechaDestinatarios", 14).Defecto("\"\""),
            SiNo("Contabilidad").Defecto("False"),
            SiNo("GestionContable").Defecto("False"),
            Texto("TipoAplicacion", 100).Defecto("\"\""),
        }),
        Tabla("Nodo", {
            Clave("IDNodo"),
            Texto("Nombre", 50),
            Texto("Descripcion", 50),
            Corto("Nivel"),
            Entero("CodPadre"),
            Corto("Orden"),
            Texto("NombreInterno", 50),
            Corto("CodImagen"),
            Memo("SQLSelect"),
            SiNo("Expandido").Defecto("False"),
        }),
        Tabla("Campo", {
            Clave("IDCampo"),
            Entero("CodNodo"),
            Texto("Nombre", 50),
            Texto("Descripcion", 100),
            Corto("Tipo"),
            Corto("Orden"),
            Corto("Ancho"),
        }),
        Tabla("Informe", {
            Clave("IDInforme"),
            Texto("Nombre", 100),
            Corto("Nivel"),
            Entero("CodPadre"),
            Corto("CodImagen"),
            SiNo("Expandido").Defecto("False"),
        }),
        Tabla("Tareas", {
            Clave("IDTarea"),
            Texto("Nombre", 50),
            Texto("Descripcion", 255),
            Fecha("Fecha"),
            Hora("HoraInicio"),
            Hora("HoraFin"),
        }),
        Tabla("Mensaje", {
            Clave("IDMensaje"),
            Entero("CodTipoMensaje"),
            Fecha("FechaEnvio"),
            Texto("Remitente", 255),
            Texto("Destinatario", 255),
            Memo("Descripcion"),
            Texto("Nodo", 20),
        }),
        Tabla("TipoMensaje", {Clave("IDTipoMensaje"), Texto("Codigo", 10)}),
        Tabla("Ultimos", {Texto("Encargado", 120)}),
        Tabla("Destinatarios", {
            ClaveEntera("IDDestinatario"),
            Texto("Cuenta", 50).Defecto("\"\""),
            Texto("NombreAdvocacion", 50).Defecto("\"\""),
            Entero("CodigoAdvocacion").Defecto("0"),
        }),
        // Kept for the add-ins; no statement of the program reads them.
        Tabla("Tipo_Dato", {Clave("IDTipo_Dato"), Texto("Descripcion", 50)}),
        Tabla("TipoPersona", {Clave("IDTipoPersona"), Texto("Descripcion", 50)}),
        Tabla("Usuario", {Clave("IDUsuario"), Texto("Nombre", 50)}),
        Tabla("Institucion_Padron", {Clave("IDInstitucion_Padron"), Entero("CodInstitucion"), Entero("CodPadron")}),
        Tabla("Actividad_Grupo", {Clave("IDActividad_Grupo"), Entero("CodActividad"), Entero("CodGrupo")}),
        Tabla("Libros_TipoNombre", {Clave("IDLibros_TipoNombre"), Texto("Descripcion", 50)}),
    };
}

QList<TablaDef> TablasInstitucionesYPersonas()
{
    return {
        Tabla("Institucion", {
            Clave("IDInstitucion"),
            Texto("Nombre", 50),
            Texto("InstitucionTipo", 16).Defecto("\"\""),
            Texto("InstitucionNombre", 33).Defecto("\"\""),
            Texto("Domicilio", 100),
            Texto("CP", 5),
            Entero("CodMunicipio"),
            Texto("Telefono", 20),
            Texto("CIF", 15),
            Texto("Parroco", 120),
            Texto("EncargadoArchivo", 120),
            Texto("Diocesis", 50),
            Texto("Vicaria", 50),
            Texto("ResponsableNombre", 40),
            Texto("ResponsablePrimerApellido", 40),
            Texto("ResponsableSegundoApellido", 40),
            Texto("ResponsableTelefono", 20),
            Texto("ResponsableCargo", 50),
            Texto("ResponsableNIF", 15),
            Corto("DiaCobro").Defecto("0"),
            Texto("Delegacion", 50),
            Corto("CodAdvocacion").Nulo().Defecto("0"),
            Texto("CodigoIdentificativo", 15).Nulo().Defecto("\"\""),
            Texto("OperacionCorreo", 15).Nulo().Defecto("\"\""),
            SiNo("CommError").Nulo().Defecto("False"),
            Texto("Sufijo", 3).Defecto("\"000\""),
        }),
        Tabla("Institucion_Encargado", {Clave("IDEncargado"), Entero("CodInstitucion"), Texto("Nombre", 120)}),
        Tabla("Provincia", {Clave("IDProvincia"), Texto("Nombre", 50)}),
        Tabla("Municipio", {Clave("IDMunicipio"), Texto("Nombre", 50), Entero("CodProvincia")}),
        Tabla("Tipo_Via", {Clave("IDTipo_Via"), Texto("Descripcion", 30)}),
        Tabla("Padron", {
            Clave("IDPadron"),
            Texto("Nombre", 40),
            Texto("PrimerApellido", 40),
            Texto("SegundoApellido", 40),
            Texto("Direccion", 100),
            Entero("CodMunicipio"),
            Texto("CPostal", 5),
            Texto("DNI", 15),
            Texto("Telefono", 20),
            Memo("Comentarios"),
            Entero("CodInstitucionEmpadronado"),
            Entero("codTipoPersonaModelo182"),
        }),
        Tabla("Padron_TipoPersona", {Entero("CodPadron"), Entero("CodTipoPersona")}),
        Tabla("Padron_Nacimiento", {
            ClaveEntera("CodPadron"),
            Fecha("FechaNacimiento"),
            Texto("LugarNacimiento", 100),
            Texto("NombrePadre", 120),
            Texto("NombreMadre", 120),
        }),
        Tabla("Padron_Bautismo", {ClaveEntera("CodPadron"), Fecha("FechaBautismo"), Texto("Parroquia", 50)}),
        Tabla("Padron_Comunion", {ClaveEntera("CodPadron"), Fecha("FechaComunion"), Texto("Parroquia", 50)}),
        Tabla("Padron_Confirmacion", {ClaveEntera("CodPadron"), Fecha("FechaConfirmacion"), Texto("Parroquia", 50)}),
        Tabla("Padron_Matrimonio", {
            ClaveEntera("CodPadron"), Fecha("FechaMatrimonio"), Texto("Parroquia", 50), Texto("Conyuge", 120),
        }),
        Tabla("Padron_Defuncion", {
            ClaveEntera("CodPadron"), Fecha("FechaDefuncion"), Moneda("Importe"), Doble("ImporteEur"),
        }),
        Tabla("Padron_NotasPersonales", {ClaveEntera("CodPadron"), Memo("Notas")}),
        Tabla("Actividad", {Clave("IDActividad"), Texto("Nombre", 50), Entero("CodInstitucion")}),
        Tabla("Grupo", {Clave("IDGrupo"), Entero("CodActividad"), Texto("Nombre", 50)}),
        Tabla("Cargo", {Clave("IDCargo"), Texto("Nombre", 50)}),
        Tabla("Padron_Actividad", {
            Clave("IDActividadesPadron"), Entero("CodPadron"), Entero("CodGrupo"), Entero("CodCargo"),
        }),
    };
}

TablaDef Libro(const char* tabla, const char* clave)
{
    return Tabla(tabla, {
        Clave(clave),
        Entero("CodInstitucion"),
        Texto("Nombre", 50),
        SiNo("Nuevo").Defecto("False"),
        SiNo("Cerrado").Defecto("False"),
        Fecha("FechaCreacion"),
        Entero("NumeroSiguiente"),
    });
}

// Columns every entry table has; `solicitud` adds the institution of a request.
QList<ColumnaDef> ColumnasPartida(const char* clave, bool solicitud)
{
    QList<ColumnaDef> c{Clave(clave), Entero("CodLibro")};
    if (solicitud)
        c << Entero("InstitucionSolicitud");
    c << Entero("Folio") << Texto("Numero", 10) << SiNo("Anulada").Defecto("False")
      << Memo("NotasMarginales") << Texto("Observaciones", 255);
    return c;
}

QList<ColumnaDef> ColumnasNombre()
{
    return {Texto("Nombre", 40), Texto("PrimerApellido", 40), Texto("SegundoApellido", 40)};
}

// Baptism data of a person baptised elsewhere, keyed by the owner's id.
TablaDef DatosBautismo(const char* tabla, const char* clave)
{
    return Tabla(tabla, {
        ClaveEntera(clave),
        Texto("Parroquia", 50),
        Texto("Libro", 50),
        Texto("Folio", 10),
        Texto("Numero", 10),
        Fecha("FechaBautismo"),
    });
}

TablaDef RegistroCivil(const char* tabla, const char* clave)
{
    return Tabla(tabla, {
        ClaveEntera(clave),
        Texto("NombrePadre", 120),
        Texto("NombreMadre", 120),
        Texto("EstadoCivil", 100),
        Texto("Pagina", 10),
    });
}

TablaDef Contrayente(const char* tabla, const char* clave)
{
    TablaDef t = Tabla(tabla, {Clave(clave)});
    t.columnas += ColumnasNombre();
    t.columnas << Texto("Nacionalidad", 30).Nulo().Defecto("\"\"");
    return t;
}

TablaDef Progenitor(const char* tabla, const char* clave)
{
    TablaDef t = Tabla(tabla, {Clave(clave)});
    t.columnas += ColumnasNombre();
    t.columnas << Texto("Abuelo", 120) << Texto("Abuela", 120);
    return t;
}

QList<TablaDef> TablasLibros()
{
    TablaDef bautismo = Tabla("Bautismo", ColumnasPartida("IDBautismo", true));
    bautismo.columnas << Fecha("FechaBautismo") << Entero("CodPadres") << Entero("CodMadres")
                      << Texto("Padrino", 120) << Texto("Madrina", 120) << Texto("Ministro", 120);

    TablaDef confirmacion = Tabla("Confirmacion", ColumnasPartida("IDConfirmacion", true) + ColumnasNombre());
    confirmacion.columnas << Texto("NombrePadre", 120) << Texto("NombreMadre", 120);

    TablaDef matrimonio = Tabla("Matrimonio", ColumnasPartida("IDMatrimonio", true));
    matrimonio.columnas << Entero("CodNovios") << Entero("CodNovias");

    TablaDef defuncion = Tabla("Defuncion", ColumnasPartida("IDDifunto", false) + ColumnasNombre());
    defuncion.columnas << Texto("Consorte", 120) << Texto("NombresHijos", 240) << Texto("NombrePadre", 120)
                       << Texto("NombreMadre", 120) << Texto("Parroco", 60);

    TablaDef hijo = Tabla("Bautismo_Hijo", {ClaveEntera("CodBautismo")});
    hijo.columnas += ColumnasNombre();

    return {
        Libro("Libro_Bautismo", "IDLibroBautismo"),
        Libro("Libro_Confirmacion", "IDLibroConfirmacion"),
        Libro("Libro_Matrimonio", "IDLibroMatrimonio"),
        Libro("Libro_Defuncion", "IDLibroDefuncion"),
        Tabla("Libros_Formato", {Clave("IDFormato"), Texto("Descripcion", 50)}),
        bautismo,
        hijo,
        Progenitor("Bautismo_Padres", "IDPadres"),
        Progenitor("Bautismo_Madres", "IDMadres"),
        Tabla("Bautismo_Matrimonio", {ClaveEntera("IDMatrimonio"), Texto("Parroquia", 50).Defecto("\"\"")}),
        confirmacion,
        Tabla("Confirmacion_Datos", {
            ClaveEntera("CodConfirmacion"), Fecha("FechaConfirmacion"), Texto("Ministro", 120), Texto("Padrino", 120),
        }),
        DatosBautismo("Confirmacion_Bautismo", "CodConfirmacion"),
        matrimonio,
        Contrayente("Matrimonio_Novios", "IDNovios"),
        Contrayente("Matrimonio_Novias", "IDNovias"),
        RegistroCivil("Matrimonio_Novios_RegCivil", "CodNovios"),
        RegistroCivil("Matrimonio_Novias_RegCivil", "CodNovias"),
        DatosBautismo("Matrimonio_Novios_Bautismo", "CodNovios"),
        DatosBautismo("Matrimonio_Novias_Bautismo", "CodNovias"),
        Tabla("Matrimonio_Compromiso", {
            ClaveEntera("CodMatrimonio"),
            Fecha("FechaMatrimonio"),
            Texto("HoraMatrimonio", 5).Nulo().Defecto("\"\""),
            Texto("Padrino", 120),
            Texto("Madrina", 120),
            Texto("Celebrante", 120),
        }),
        Tabla("Matrimonio_Expediente", {
            ClaveEntera("CodMatrimonio"),
            Texto("NombreTestigo1", 40), Texto("PrimerApellidoTestigo1", 40), Texto("SegundoApellidoTestigo1", 40),
            Texto("NombreTestigo2", 40), Texto("PrimerApellidoTestigo2", 40), Texto("SegundoApellidoTestigo2", 40),
        }),
        defuncion,
        Tabla("Defuncion_Datos", {ClaveEntera("CodDifunto"), Fecha("FechaDefuncion")}),
    };
}

QList<TablaDef> TablasDonativos()
{
    TablaDef presentador = Tabla("Presentador", {Clave("IDPresentador")});
    presentador.columnas += ColumnasNombre();
    presentador.columnas << Texto("NIF", 15) << Texto("Telefono", 20) << Entero("CodSucursal")
                         << Texto("Sufijo", 3).Defecto("\"000\"");

    return {
        Tabla("Donativo", {
            Clave("IDDonativo"),
            Entero("CodPersonaDonativo"),
            Entero("CodInstitucion"),
            Entero("CodTipoDonativo"),
            Texto("Descripcion", 100),
            Moneda("Importe"),
            Doble("ImporteEur"),
            SiNo("PagoBanco").Defecto("False"),
        }),
        Tabla("Recibo", {
            Clave("IDRecibo"),
            Entero("CodDonativo"),
            Entero("CodRemesa"),
            Texto("NumeroRecibo", 12).Defecto("\"\""),
            Texto("NumCertificado", 12).Defecto("\"\""),
            Fecha("Fecha"),
            Moneda("Importe"),
            Doble("ImporteEur"),
            SiNo("PagoBanco").Defecto("False"),
            SiNo("GestionContable").Defecto("False"),
        }),
        Tabla("Remesa", {
            Clave("IDRemesa"), Entero("CodPresentador"), Fecha("Fecha"), Doble("ImporteTotal"), Doble("ImporteTotalEur"),
        }),
        presentador,
        Tabla("Presentador_Institucion", {
            Clave("IDPresentadorInstitucion"), Entero("CodPresentador"), Entero("CodInstitucion"),
        }),
        Tabla("Tipo_Donativo", {Clave("IDTipo_Donativo"), Texto("Descripcion", 100)}),
        Tabla("Banco", {Clave("IDBanco"), Texto("Codigo", 4), Texto("Nombre", 100)}),
        Tabla("Sucursal", {Clave("IDSucursal"), Entero("CodBanco"), Texto("Codigo", 4)}),
        Tabla("Cuenta", {Clave("IDCuenta"), Entero("CodSucursal"), Texto("NumCuenta", 10), Texto("DC", 2)}),
        Tabla("Institucion_TipoDonativo_Cuenta", {
            Clave("IDITC"), Entero("CodInstitucion"), Entero("CodTipoDonativo"), Entero("CodCuenta"),
        }),
        Tabla("PersonaDonativo_TipoDonativo_Cuenta", {
            Clave("IDPTC"), Entero("CodPersonaDonativo"), Entero("CodTipoDonativo"), Entero("CodCuenta"),
        }),
        // The three tables of the 2.2.0 step, declared as it declares them.
        Tabla("Modelo182", {Clave("IdModelo182"), Byte("TipoA"), Byte("TipoB"), Byte("DeduccionRegFiscal2")}),
        Tabla("TipoPersonaModelo182", {
            Clave("IdTipoPersonaModelo182"), Col("TipoPersonaModelo182", QStringLiteral("VARCHAR(50)")),
        }),
        Tabla("ComunidadAutonoma", {
            Clave("IdComunidad"), Texto("Nombre", 50), Texto("Codigo", 2), Byte("DeduccionDefecto"),
        }),
        Tabla("Deduccion", {Clave("IDDeduccion"), Entero("codComunidad").Defecto("0"), Corto("Deduccion")}),
        // The accounting links have no key column.
        Tabla("Contab_Enlace_Bancos", {Entero("CodBanco"), Entero("CodInstitucion"), Entero("CodSubcuenta")}),
        Tabla("Contab_Enlace_Institucion", {
            Entero("CodInstitucion"), Entero("CodEmpresa"), Entero("CodSubcuentaCaja"),
            Entero("CodSubcuentaGrupo7Caja"), Entero("CodSubcuentaGrupo7Banco"),
        }),
        Tabla("Contab_Enlace_Padron", {Entero("CodPadron"), Entero("CodInstitucion"), Entero("CodSubcuenta")}),
    };
}

// Every reference column the removal cascades and the node queries join on,
// and the sort keys of the lists, so that a page of a long list is read
// through an index instead of a full sort.
QList<IndiceDef> Indices()
{
    return {
        Indice("Nodo", {"Nivel", "CodPadre", "Orden"}),
        Indice("Campo", {"CodNodo", "Orden"}),
        Indice("Informe", {"Nivel", "IDInforme"}),
        Indice("Informe", {"Nombre"}),
        Indice("Tareas", {"Fecha", "HoraInicio"}),
        Indice("Tareas", {"Nombre"}),
        Indice("Mensaje", {"Nodo"}),
        Indice("Mensaje", {"CodTipoMensaje"}),
        Indice("Institucion", {"Nombre"}),
        Indice("Institucion", {"CodMunicipio"}),
        Indice("Institucion_Encargado", {"CodInstitucion"}),
        Indice("Provincia", {"Nombre"}),
        Indice("Municipio", {"Nombre"}),
        Indice("Municipio", {"CodProvincia"}),
        Indice("Padron", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Padron", {"CodInstitucionEmpadronado"}),
        // The census list's order within an institution (see the record list).
        Indice("Padron", {"CodInstitucionEmpadronado", "PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Padron", {"CodMunicipio"}),
        Indice("Padron_TipoPersona", {"CodTipoPersona", "CodPadron"}),
        Indice("Padron_TipoPersona", {"CodPadron"}),
        Indice("Actividad", {"CodInstitucion", "Nombre"}),
        Indice("Grupo", {"CodActividad"}),
        Indice("Cargo", {"Nombre"}),
        Indice("Padron_Actividad", {"CodPadron"}),
        Indice("Padron_Actividad", {"CodGrupo"}),
        Indice("Libro_Bautismo", {"CodInstitucion", "Nuevo", "Nombre"}),
        Indice("Libro_Confirmacion", {"CodInstitucion", "Nuevo", "Nombre"}),
        Indice("Libro_Matrimonio", {"CodInstitucion", "Nuevo", "Nombre"}),
        Indice("Libro_Defuncion", {"CodInstitucion", "Nuevo", "Nombre"}),
        Indice("Bautismo", {"CodLibro", "Folio"}),
        Indice("Bautismo", {"InstitucionSolicitud"}),
        Indice("Bautismo", {"CodPadres"}),
        Indice("Bautismo", {"CodMadres"}),
        Indice("Bautismo_Hijo", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Confirmacion", {"CodLibro", "Folio"}),
        Indice("Confirmacion", {"InstitucionSolicitud"}),
        Indice("Confirmacion", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Matrimonio", {"CodLibro", "Folio"}),
        Indice("Matrimonio", {"InstitucionSolicitud"}),
        Indice("Matrimonio", {"CodNovios"}),
        Indice("Matrimonio", {"CodNovias"}),
        Indice("Matrimonio_Novios", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Matrimonio_Novias", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Defuncion", {"CodLibro", "Folio"}),
        Indice("Donativo", {"CodPersonaDonativo"}),
        Indice("Donativo", {"CodInstitucion"}),
        Indice("Donativo", {"CodTipoDonativo"}),
        Indice("Recibo", {"CodDonativo"}),
        Indice("Recibo", {"CodRemesa"}),
        Indice("Recibo", {"PagoBanco", "Fecha"}),
        Indice("Recibo", {"NumeroRecibo"}),
        Indice("Remesa", {"Fecha"}),
        Indice("Remesa", {"CodPresentador"}),
        Indice("Presentador", {"PrimerApellido", "SegundoApellido", "Nombre"}),
        Indice("Presentador", {"CodSucursal"}),
        Indice("Presentador_Institucion", {"CodInstitucion"}),
        Indice("Presentador_Institucion", {"CodPresentador"}),
        Indice("Tipo_Donativo", {"Descripcion"}),
        Indice("Banco", {"Codigo"}),
        Indice("Sucursal", {"CodBanco"}),
        Indice("Cuenta", {"CodSucursal"}),
        Indice("Institucion_TipoDonativo_Cuenta", {"CodInstitucion"}),
        Indice("Institucion_TipoDonativo_Cuenta", {"CodCuenta"}),
        Indice("PersonaDonativo_TipoDonativo_Cuenta", {"CodPersonaDonativo"}),
        Indice("PersonaDonativo_TipoDonativo_Cuenta", {"CodCuenta"}),
        Indice("ComunidadAutonoma", {"Codigo"}),
        Indice("Deduccion", {"codComunidad", "Deduccion"}),
        Indice("Contab_Enlace_Bancos", {"CodInstitucion"}),
        Indice("Contab_Enlace_Bancos", {"CodBanco"}),
        Indice("Contab_Enlace_Institucion", {"CodInstitucion"}),
        Indice("Contab_Enlace_Padron", {"CodInstitucion"}),
        Indice("Contab_Enlace_Padron", {"CodPadron"}),
    };
}

EsquemaDef Construir()
{
    EsquemaDef e;
    e.version = VERSION_DUZEDIV;
    e.tablas = TablasPrograma() + TablasInstitucionesYPersonas() + TablasLibros() + TablasDonativos();
    e.indices = Indices();
    return e;
}

} // namespace

const EsquemaDef& EsquemaDuzediv()
{
    static const EsquemaDef esquema = Construir();
    return esquema;
}
