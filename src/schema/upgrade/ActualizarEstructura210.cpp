#include "schema/upgrade/ActualizarEstructura210.h"

#include "schema/upgrade/DivisionNombreInstitucion.h"
#include "schema/upgrade/EjecucionTolerante.h"
#include "schema/upgrade/OperacionesColumna.h"

#include <QString>
#include <algorithm>

namespace {

using Op = OperacionEsquema;

#define VACIO "\"\""

constexpr Op kOperaciones[] = {
    {1, Op::CambiarSinSondeo, "Bautismo_Matrimonio", "Parroquia", "NVARCHAR(50) DEFAULT " VACIO, ""},
    {2, Op::BorrarColumna, "ComunidadAutonoma", "CodDeduccion", "", ""},
    {3, Op::CrearTabla, "Contab_Enlace_Bancos", "", "", ""},
    {4, Op::AnadirOCambiar, "Contab_Enlace_Bancos", "CodBanco", "INT", "0"},
    {5, Op::AnadirOCambiar, "Contab_Enlace_Bancos", "CodInstitucion", "INT", "0"},
    {6, Op::AnadirOCambiar, "Contab_Enlace_Bancos", "CodSubcuenta", "INT", "0"},
    {7, Op::CrearTabla, "Contab_Enlace_Institucion", "", "", ""},
    {8, Op::AnadirOCambiar, "Contab_Enlace_Institucion", "CodInstitucion", "INT", "0"},
    {9, Op::AnadirOCambiar, "Contab_Enlace_Institucion", "CodEmpresa", "INT", "0"},
    {10, Op::AnadirOCambiar, "Contab_Enlace_Institucion", "CodSubcuentaCaja", "INT", "0"},
    {11, Op::AnadirOCambiar, "Contab_Enlace_Institucion", "CodSubcuentaGrupo7Caja", "INT", "0"},
    {12, Op::AnadirOCambiar, "Contab_Enlace_Institucion", "CodSubcuentaGrupo7Banco", "INT", "0"},
    {13, Op::CrearTabla, "Contab_Enlace_Padron", "", "", ""},
    {14, Op::AnadirOCambiar, "Contab_Enlace_Padron", "CodPadron", "INT", "0"},
    {15, Op::AnadirOCambiar, "Contab_Enlace_Padron", "CodInstitucion", "INT", "0"},
    {16, Op::AnadirOCambiar, "Contab_Enlace_Padron", "CodSubcuenta", "INT", "0"},
    {17, Op::AnadirOCambiar, "Deduccion", "codComunidad", "INT DEFAULT 0", "0"},
    {18, Op::AnadirOCambiar, "Defuncion", "Parroco", "NVARCHAR(60)", "''"},
    {19, Op::CrearTabla, "Destinatarios", "", "", ""},
    {20, Op::AnadirOCambiar, "Destinatarios", "IDDestinatario", "INT PRIMARY KEY", ""},
    {21, Op::AnadirOCambiar, "Destinatarios", "Cuenta", "NVARCHAR(50) DEFAULT " VACIO, "''"},
    {22, Op::AnadirOCambiar, "Destinatarios", "NombreAdvocacion", "NVARCHAR(50) DEFAULT " VACIO, "''"},
    {23, Op::AnadirOCambiar, "Destinatarios", "CodigoAdvocacion", "INT DEFAULT 0", "0"},
    {24, Op::AnadirOCambiar, "Donativo", "ImporteEur", "FLOAT", "0"},
    {25, Op::AnadirOCambiar, "Informacion", "FechaDestinatarios", "NVARCHAR(14) DEFAULT " VACIO, "''"},
    {26, Op::AnadirOCambiar, "Informacion", "Contabilidad", "BIT DEFAULT False", "0"},
    {27, Op::AnadirOCambiar, "Informacion", "GestionContable", "BIT DEFAULT False", "0"},
    {28, Op::AnadirOCambiar, "Informacion", "TipoAplicacion", "NVARCHAR(100) DEFAULT " VACIO, "''"},
    {29, Op::AnadirOCambiar, "Institucion", "CodAdvocacion", "SMALLINT NULL DEFAULT 0", "0", Op::Ninguna, true},
    {30, Op::AnadirOCambiar, "Institucion", "CodigoIdentificativo", "NVARCHAR(15) NULL DEFAULT " VACIO, "''"},
    {31, Op::AnadirOCambiar, "Institucion", "OperacionCorreo", "NVARCHAR(15) NULL DEFAULT " VACIO, "''"},
    {32, Op::AnadirOCambiar, "Institucion", "CommError", "BIT NULL DEFAULT False", "0"},
    {33, Op::AnadirOCambiar, "Institucion", "Sufijo", "NVARCHAR(3) DEFAULT \"000\"", "'000'"},
    {34, Op::AnadirOCambiar, "Institucion", "InstitucionTipo", "NVARCHAR(16) DEFAULT " VACIO, "''"},
    {35, Op::AnadirOCambiar, "Institucion", "InstitucionNombre", "NVARCHAR(33) DEFAULT " VACIO, "''"},
    {36, Op::DividirNombres, "Institucion", "", "", ""},
    {37, Op::AnadirOCambiar, "Matrimonio_Compromiso", "HoraMatrimonio", "NVARCHAR(5) NULL DEFAULT " VACIO, "''"},
    {38, Op::AnadirOCambiar, "Matrimonio_Novias", "Nacionalidad", "NVARCHAR(30) NULL DEFAULT " VACIO, "''"},
    {39, Op::AnadirOCambiar, "Matrimonio_Novios", "Nacionalidad", "NVARCHAR(30) NULL DEFAULT " VACIO, "''"},
    {40, Op::AnadirOCambiar, "Padron_Defuncion", "ImporteEur", "FLOAT", "0"},
    {41, Op::AnadirOCambiar, "Presentador", "Sufijo", "NVARCHAR(3) DEFAULT \"000\"", "'000'"},
    {42, Op::AnadirOCambiar, "Recibo", "GestionContable", "BIT DEFAULT False", "0"},
    {43, Op::AnadirOCambiar, "Recibo", "ImporteEur", "FLOAT", "0"},
    {44, Op::AnadirOCambiar, "Recibo", "NumCertificado", "NVARCHAR(12) DEFAULT " VACIO, "'0'", Op::NumeroCertificado},
    {45, Op::AnadirOCambiar, "Recibo", "NumeroRecibo", "NVARCHAR(12) DEFAULT " VACIO, "'0'", Op::NumeroRecibo},
    {46, Op::AnadirOCambiar, "Remesa", "ImporteTotalEur", "FLOAT", "0"},
};

#undef VACIO

constexpr int kFilas203[] = {1, 2, 17, 24, 34, 35, 36, 40, 42, 43, 44, 45, 46};

// Old numbers had 10 characters; the new ones move the year and insert "00".
// Characters after the tenth are dropped, so neither result passes 12.
const QString kReescrituraCertificado =
    QStringLiteral("UPDATE Recibo SET NumCertificado = mid(Numcertificado,7,4) & mid(Numcertificado,5,2) & '00' & "
                   "mid(Numcertificado,1,4) WHERE NumCertificado <> '0'");
const QString kReescrituraRecibo =
    QStringLiteral("UPDATE Recibo SET NumeroRecibo = mid(NumeroRecibo,1,6) & '00' & mid(NumeroRecibo,7,4)");

QString Texto(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

std::span<const OperacionEsquema> OperacionesEstructura210()
{
    return kOperaciones;
}

std::span<const int> FilasEstructura203()
{
    return kFilas203;
}

void EjecutarOperacionEsquema(EjecucionTolerante& ejecucion, const OperacionEsquema& op)
{
    OperacionesColumna columnas(ejecucion);
    const QString tabla = Texto(op.tabla);
    switch (op.tipo) {
    case Op::CrearTabla:
        columnas.CrearSiFalta(tabla);
        break;
    case Op::BorrarColumna:
        columnas.BorrarSiExiste(tabla, Texto(op.columna));
        break;
    case Op::CambiarSinSondeo:
        columnas.CambiarSinSondeo(tabla, Texto(op.columna), Texto(op.clausula));
        break;
    case Op::DividirNombres:
        DividirNombresInstituciones(ejecucion);
        break;
    case Op::AnadirOCambiar: {
        const bool estaba = columnas.AnadirOCambiar(tabla, Texto(op.columna), Texto(op.clausula), Texto(op.relleno),
                                                    op.nombreSinCorchetes);
        // Numbers are rewritten only where they were there to rewrite.
        if (estaba && op.reescritura == Op::NumeroCertificado)
            ejecucion.Ejecutar(kReescrituraCertificado);
        else if (estaba && op.reescritura == Op::NumeroRecibo)
            ejecucion.Ejecutar(kReescrituraRecibo);
        break;
    }
    }
}

void ActualizarEstructura210(db::Connection& conLocal)
{
    EjecucionTolerante ejecucion(conLocal);
    for (const OperacionEsquema& op : OperacionesEstructura210())
        EjecutarOperacionEsquema(ejecucion, op);
}

void ActualizarEstructura203(db::Connection& conLocal)
{
    EjecucionTolerante ejecucion(conLocal);
    for (const OperacionEsquema& op : OperacionesEstructura210()) {
        if (std::ranges::find(kFilas203, op.fila) != std::end(kFilas203))
            EjecutarOperacionEsquema(ejecucion, op);
    }
}
