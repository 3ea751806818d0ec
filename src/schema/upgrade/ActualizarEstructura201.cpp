#include "schema/upgrade/ActualizarEstructura201.h"

#include "platform/db/Connection.h"

namespace {

struct CambioColumna {
    const char* tabla;
    const char* columna;
    const char* tipo;
    qint16 recorte; // 0: no cut before the change
};

constexpr CambioColumna kCambios[] = {
    {"Bautismo", "Padrino", "NVARCHAR(120)", 0},
    {"Bautismo", "Madrina", "NVARCHAR(120)", 0},
    {"Bautismo", "Ministro", "NVARCHAR(120)", 0},
    {"Bautismo", "NotasMarginales", "TEXT", 0},
    {"Bautismo", "Observaciones", "NVARCHAR(255)", 255},
    {"Bautismo_Hijo", "Nombre", "NVARCHAR(40)", 0},
    {"Bautismo_Hijo", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Hijo", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Madres", "Nombre", "NVARCHAR(40)", 0},
    {"Bautismo_Madres", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Madres", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Madres", "Abuelo", "NVARCHAR(120)", 0},
    {"Bautismo_Madres", "Abuela", "NVARCHAR(120)", 0},
    {"Bautismo_Padres", "Nombre", "NVARCHAR(40)", 0},
    {"Bautismo_Padres", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Padres", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Bautismo_Padres", "Abuelo", "NVARCHAR(120)", 0},
    {"Bautismo_Padres", "Abuela", "NVARCHAR(120)", 0},
    {"Confirmacion", "Nombre", "NVARCHAR(40)", 0},
    {"Confirmacion", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Confirmacion", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Confirmacion", "NombrePadre", "NVARCHAR(120)", 0},
    {"Confirmacion", "NombreMadre", "NVARCHAR(120)", 0},
    {"Confirmacion", "NotasMarginales", "TEXT", 0},
    {"Confirmacion", "Observaciones", "NVARCHAR(255)", 255},
    {"Confirmacion_Datos", "Ministro", "NVARCHAR(120)", 0},
    {"Confirmacion_Datos", "Padrino", "NVARCHAR(120)", 0},
    {"Defuncion", "Nombre", "NVARCHAR(40)", 0},
    {"Defuncion", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Defuncion", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Defuncion", "Consorte", "NVARCHAR(120)", 0},
    {"Defuncion", "NombresHijos", "NVARCHAR(240)", 240},
    {"Defuncion", "NombrePadre", "NVARCHAR(120)", 0},
    {"Defuncion", "NombreMadre", "NVARCHAR(120)", 0},
    {"Defuncion", "NotasMarginales", "TEXT", 0},
    {"Defuncion", "Observaciones", "NVARCHAR(255)", 255},
    {"Institucion", "ResponsableNombre", "NVARCHAR(40)", 0},
    {"Institucion", "ResponsablePrimerApellido", "NVARCHAR(40)", 0},
    {"Institucion", "ResponsableSegundoApellido", "NVARCHAR(40)", 0},
    {"Institucion", "Parroco", "NVARCHAR(120)", 0},
    {"Institucion", "EncargadoArchivo", "NVARCHAR(120)", 0},
    {"Institucion_Encargado", "Nombre", "NVARCHAR(120)", 0},
    {"Matrimonio", "NotasMarginales", "TEXT", 0},
    {"Matrimonio", "Observaciones", "NVARCHAR(255)", 255},
    {"Matrimonio_Compromiso", "Padrino", "NVARCHAR(120)", 0},
    {"Matrimonio_Compromiso", "Madrina", "NVARCHAR(120)", 0},
    {"Matrimonio_Compromiso", "Celebrante", "NVARCHAR(120)", 0},
    {"Matrimonio_Expediente", "NombreTestigo1", "NVARCHAR(40)", 0},
    {"Matrimonio_Expediente", "PrimerApellidoTestigo1", "NVARCHAR(40)", 0},
    {"Matrimonio_Expediente", "SegundoApellidoTestigo1", "NVARCHAR(40)", 0},
    {"Matrimonio_Expediente", "NombreTestigo2", "NVARCHAR(40)", 0},
    {"Matrimonio_Expediente", "PrimerApellidoTestigo2", "NVARCHAR(40)", 0},
    {"Matrimonio_Expediente", "SegundoApellidoTestigo2", "NVARCHAR(40)", 0},
    {"Matrimonio_Novias", "Nombre", "NVARCHAR(40)", 0},
    {"Matrimonio_Novias", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Matrimonio_Novias", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Matrimonio_Novios", "Nombre", "NVARCHAR(40)", 0},
    {"Matrimonio_Novios", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Matrimonio_Novios", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Matrimonio_Novias_RegCivil", "NombrePadre", "NVARCHAR(120)", 0},
    {"Matrimonio_Novias_RegCivil", "NombreMadre", "NVARCHAR(120)", 0},
    {"Matrimonio_Novias_RegCivil", "EstadoCivil", "NVARCHAR(100)", 0},
    {"Matrimonio_Novias_RegCivil", "Pagina", "NVARCHAR(10)", 0},
    {"Matrimonio_Novios_RegCivil", "NombrePadre", "NVARCHAR(120)", 0},
    {"Matrimonio_Novios_RegCivil", "NombreMadre", "NVARCHAR(120)", 0},
    {"Matrimonio_Novios_RegCivil", "EstadoCivil", "NVARCHAR(100)", 0},
    {"Matrimonio_Novios_RegCivil", "Pagina", "NVARCHAR(10)", 0},
    {"Padron", "Nombre", "NVARCHAR(40)", 0},
    {"Padron", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Padron", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Padron", "Comentarios", "TEXT", 0},
    {"Padron_Nacimiento", "NombreMadre", "NVARCHAR(120)", 0},
    {"Padron_Nacimiento", "NombrePadre", "NVARCHAR(120)", 0},
    {"Presentador", "Nombre", "NVARCHAR(40)", 0},
    {"Presentador", "PrimerApellido", "NVARCHAR(40)", 0},
    {"Presentador", "SegundoApellido", "NVARCHAR(40)", 0},
    {"Remesa", "ImporteTotal", "FLOAT", 0},
    {"Ultimos", "Encargado", "NVARCHAR(120)", 0},
};

} // namespace

void TruncarColumna(db::Connection& con, const QString& tabla, const QString& columna, qint16 longitud)
{
    con.Execute(QStringLiteral("UPDATE %1 SET %2 = LEFT(%2,%3)").arg(tabla, columna).arg(longitud));
}

void ActualizarEstructura201(db::Connection& conLocal)
{
    for (const CambioColumna& cambio : kCambios) {
        const QString tabla = QString::fromUtf8(cambio.tabla);
        const QString columna = QString::fromUtf8(cambio.columna);
        if (cambio.recorte > 0)
            TruncarColumna(conLocal, tabla, columna, cambio.recorte);
        conLocal.Execute(QStringLiteral("ALTER TABLE [%1] ALTER COLUMN [%2] %3")
                             .arg(tabla, columna, QString::fromUtf8(cambio.tipo)));
    }
}
