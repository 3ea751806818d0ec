// Layout of the accounting database "Contabilidad.mdb" at 1.0.2.
//
// `Informacion`, `Empresa.CodGrupo`, `Grupo` and `Asiento.ConceptoAsiento`
// are declared exactly as the 1.0.2 step declares them. Amounts of entry lines
// are CURRENCY; budgets are texts holding an amount ("0" = no budget), as the
// lists compare them with '0' and read them through CCur. The per-company
// tables and their `Predet_` defaults share one shape.

#include "schema/ConstructorEsquema_p.h"
#include "schema/Estructura.h"

using namespace esquema_p;

namespace {

QList<ColumnaDef> ColumnasCuenta(const char* empresa, const char* tipo)
{
    return {Clave("IDCuenta"), Entero(empresa), Corto(tipo), Texto("Codigo", 12), Texto("Descripcion", 100),
            Corto("Nivel")};
}

QList<ColumnaDef> ColumnasEstructura()
{
    return {
        Clave("IDEstructura"), Entero("codEmpresa"), Entero("codDocumento"), Entero("codNaturaleza"),
        Texto("CodigoEpigrafe", 10), Texto("Descripcion", 100), Texto("OrdenEpigrafe", 2), Texto("Formula", 50),
    };
}

QList<ColumnaDef> ColumnasRelEstructuraCuenta()
{
    return {Clave("IDRel_Estructura_Cuenta"), Entero("codEstructura"), Entero("codCuenta"),
            SiNo("Desglosar").Defecto("False")};
}

QList<ColumnaDef> ImportesApunte()
{
    return {Moneda("CtdadDebe"), Moneda("CtdadHaber"), Moneda("CtdadDebeEuros"), Moneda("CtdadHaberEuros")};
}

QList<TablaDef> Tablas()
{
    QList<ColumnaDef> cuenta = ColumnasCuenta("CodEmpresa", "CodTipo_Cuenta");
    cuenta << Texto("PresupuestoTotal", 30).Defecto("\"0\"") << Texto("PresupuestoTotalEuros", 30).Defecto("\"0\"");

    QList<ColumnaDef> apunte{Clave("IDApunte"), Entero("CodAsiento"), Entero("CodCuenta"), Texto("Concepto", 30)};
    apunte += ImportesApunte();

    QList<ColumnaDef> apuntePredefinido{
        Clave("IDApuntePredefinido"), Entero("CodAsientoPredefinido"), Entero("CodCuenta"), Texto("Concepto", 30),
    };
    apuntePredefinido += ImportesApunte();

    return {
        Tabla("Informacion", {Texto("Version", 50).Defecto("\"\"")}),
        Tabla("Empresa", {
            Clave("IDEmpresa"),
            Texto("Nombre", 100),
            Texto("Abreviatura", 10),
            Corto("AñoEjercicio"),
            SiNo("EjercicioCerrado").Defecto("False"),
            Entero("CodEmpresaAnterior"),
            Entero("CodEmpresaSiguiente"),
            Entero("CodGrupo").Defecto("0"),
        }),
        Tabla("Grupo", {Clave("IDGrupo"), Texto("Nombre", 40).Defecto("\"\"")}),
        Tabla("Cuenta", cuenta),
        Tabla("Asiento", {
            Clave("IDAsiento"), Entero("CodEmpresa"), Entero("Numero"), Fecha("Fecha"),
            Texto("ConceptoAsiento", 30).Defecto("\"\""),
        }),
        Tabla("Apunte", apunte),
        Tabla("AsientoPredefinido", {Clave("IDAsientoPredefinido"), Texto("Nombre", 50), Entero("codEmpresa")}),
        Tabla("ApuntePredefinido", apuntePredefinido),
        Tabla("Naturaleza", {Clave("IDNaturaleza"), Texto("Descripcion", 50)}),
        Tabla("Documento", {Clave("IDDocumento"), Texto("Descripcion", 50)}),
        Tabla("Tipo_Cuenta", {Clave("IDTipo_Cuenta"), Texto("Descripcion", 50)}),
        Tabla("Estructura", ColumnasEstructura()),
        Tabla("Rel_Estructura_Cuenta", ColumnasRelEstructuraCuenta()),
        Tabla("Predet_Cuenta", ColumnasCuenta("codEmpresa", "codTipo_Cuenta")),
        Tabla("Predet_Estructura", ColumnasEstructura()),
        Tabla("Predet_Rel_Estructura_Cuenta", ColumnasRelEstructuraCuenta()),
        Tabla("Errores de pegado", {Clave("IDError"), Texto("Descripcion", 255)}),
    };
}

QList<IndiceDef> Indices()
{
    return {
        Indice("Empresa", {"CodGrupo"}),
        Indice("Empresa", {"AñoEjercicio", "Abreviatura", "Nombre"}),
        Indice("Grupo", {"Nombre"}),
        Indice("Cuenta", {"CodEmpresa", "CodTipo_Cuenta", "Codigo"}),
        Indice("Asiento", {"CodEmpresa", "Numero", "Fecha"}),
        Indice("Apunte", {"CodAsiento"}),
        Indice("Apunte", {"CodCuenta"}),
        Indice("AsientoPredefinido", {"codEmpresa", "Nombre"}),
        Indice("ApuntePredefinido", {"CodAsientoPredefinido"}),
        Indice("Estructura", {"codEmpresa", "codDocumento", "CodigoEpigrafe"}),
        Indice("Rel_Estructura_Cuenta", {"codEstructura"}),
        Indice("Rel_Estructura_Cuenta", {"codCuenta"}),
    };
}

EsquemaDef Construir()
{
    EsquemaDef e;
    e.version = VERSION_CONTABILIDAD;
    e.tablas = Tablas();
    e.indices = Indices();
    return e;
}

} // namespace

const EsquemaDef& EsquemaContabilidad()
{
    static const EsquemaDef esquema = Construir();
    return esquema;
}
