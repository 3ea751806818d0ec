#pragma once

#include <span>

// Fixed rows of the seeded tables, in the order the seeds write them. Texts are
// UTF-8 and hold each value exactly as it goes into the statement; multi-clause
// list queries keep their CR LF between clauses.

struct FilaComunidadAutonoma {
    const char* Nombre;
    const char* Codigo;
};

struct FilaDeduccion {
    int codComunidad;
    int Deduccion;
};

struct FilaNodo {
    int IDNodo;
    const char* Nombre;
    const char* Descripcion;
    int Nivel;
    int CodPadre;
    int Orden;
    const char* NombreInterno;
    int CodImagen;
    const char* SQLSelect;
    int Expandido;
};

struct FilaCampo {
    int IDCampo;
    int CodNodo;
    const char* Nombre;
    const char* Descripcion;
    int Tipo;
    int Orden;
    int Ancho;
};

struct FilaInforme {
    int IDInforme;
    const char* Nombre;
    int Nivel;
    int CodPadre;
    int CodImagen;
    int Expandido;
};

struct FilaCuenta {
    int IDCuenta;
    int codEmpresa;
    int codTipo_Cuenta;
    const char* Codigo;
    const char* Descripcion;
    int Nivel;
};

struct FilaEstructura {
    int IDEstructura;
    int codEmpresa;
    int codDocumento;
    int codNaturaleza;
    const char* CodigoEpigrafe;
    const char* Descripcion;
    const char* OrdenEpigrafe;
    const char* Formula;
};

struct FilaRelEstructuraCuenta {
    int IDRel_Estructura_Cuenta;
    int codEstructura;
    int codCuenta;
    int Desglosar;
};

// The row tables. In the tables written without keys the id fields hold the id
// the emptied table gives each row, which the references of later rows use.
class DatosSemilla {
public:
    static std::span<const FilaComunidadAutonoma> ComunidadesAutonomas();
    static std::span<const FilaDeduccion> Deducciones();
    static std::span<const char* const> TiposVia();

    static std::span<const FilaNodo> NodosV210();
    static std::span<const FilaNodo> NodosV212();
    static std::span<const FilaCampo> CamposV210();
    static std::span<const FilaCampo> CamposV212();

    // Report trees: general edition, Valdena edition, Mirante edition.
    static std::span<const FilaInforme> InformesGeneral();
    static std::span<const FilaInforme> InformesValdena();
    static std::span<const FilaInforme> InformesMirante();

    static std::span<const FilaCuenta> CuentasPredeterminadas();
    static std::span<const FilaEstructura> EstructuraPredeterminada();
    static std::span<const FilaRelEstructuraCuenta> RelEstructuraCuentaPredeterminada();

    // What the 2.2.0 step adds to the lookups: thirteen communities, and the
    // statements writing the form-182 person types and the Modelo182 row.
    static std::span<const FilaComunidadAutonoma> ComunidadesAutonomasV220();
    static std::span<const char* const> SentenciasModelo182();
};
