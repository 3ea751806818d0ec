#include "seed/SentenciasSemilla.h"

#include <QStringList>

namespace {

QString Texto(const char* valor)
{
    return QLatin1Char('"') + QString::fromUtf8(valor) + QLatin1Char('"');
}

QString Numero(int valor)
{
    return QString::number(valor);
}

QString Sentencia(QLatin1StringView cabecera, const QStringList& valores)
{
    return cabecera + valores.join(QLatin1String(", ")) + QLatin1Char(')');
}

} // namespace

QString SentenciasSemilla::ComunidadAutonoma(const FilaComunidadAutonoma& fila)
{
    return Sentencia(QLatin1StringView("INSERT INTO ComunidadAutonoma(Nombre, Codigo) VALUES ("),
                     {Texto(fila.Nombre), Texto(fila.Codigo)});
}

QString SentenciasSemilla::Deduccion(const FilaDeduccion& fila)
{
    return Sentencia(QLatin1StringView("INSERT INTO Deduccion(codComunidad, Deduccion) VALUES ("),
                     {Numero(fila.codComunidad), Numero(fila.Deduccion)});
}

QString SentenciasSemilla::TipoVia(const char* descripcion)
{
    return Sentencia(QLatin1StringView("INSERT INTO Tipo_Via(Descripcion) VALUES ("), {Texto(descripcion)});
}

QString SentenciasSemilla::Nodo(const FilaNodo& fila, bool conClave)
{
    QStringList valores{Texto(fila.Nombre),        Texto(fila.Descripcion), Numero(fila.Nivel),
                        Numero(fila.CodPadre),     Numero(fila.Orden),      Texto(fila.NombreInterno),
                        Numero(fila.CodImagen),    Texto(fila.SQLSelect),   Numero(fila.Expandido)};
    if (conClave) {
        valores.prepend(Numero(fila.IDNodo));
        return Sentencia(QLatin1StringView("INSERT INTO Nodo(IDNodo, Nombre, Descripcion, Nivel, CodPadre, Orden, "
                                           "NombreInterno, CodImagen, SQLSelect, Expandido) VALUES ("),
                         valores);
    }
    return Sentencia(QLatin1StringView("INSERT INTO Nodo(Nombre, Descripcion, Nivel, CodPadre, Orden, "
                                       "NombreInterno, CodImagen, SQLSelect, Expandido) VALUES ("),
                     valores);
}

QString SentenciasSemilla::Campo(const FilaCampo& fila, bool conClave)
{
    QStringList valores{Numero(fila.CodNodo), Texto(fila.Nombre), Texto(fila.Descripcion),
                        Numero(fila.Tipo),    Numero(fila.Orden), Numero(fila.Ancho)};
    if (conClave) {
        valores.prepend(Numero(fila.IDCampo));
        return Sentencia(QLatin1StringView("INSERT INTO Campo(IDCampo, CodNodo, Nombre, Descripcion, Tipo, Orden, "
                                           "Ancho) VALUES ("),
                         valores);
    }
    return Sentencia(QLatin1StringView("INSERT INTO Campo(CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho) VALUES ("),
                     valores);
}

QString SentenciasSemilla::Informe(const FilaInforme& fila, bool conClave)
{
    QStringList valores{Texto(fila.Nombre), Numero(fila.Nivel), Numero(fila.CodPadre), Numero(fila.CodImagen),
                        Numero(fila.Expandido)};
    if (conClave) {
        valores.prepend(Numero(fila.IDInforme));
        return Sentencia(QLatin1StringView("INSERT INTO Informe(IDInforme, Nombre, Nivel, CodPadre, CodImagen, "
                                           "Expandido) VALUES ("),
                         valores);
    }
    return Sentencia(QLatin1StringView("INSERT INTO Informe(Nombre, Nivel, CodPadre, CodImagen, Expandido) VALUES ("),
                     valores);
}

QString SentenciasSemilla::Cuenta(const FilaCuenta& fila)
{
    return Sentencia(QLatin1StringView("INSERT INTO Predet_Cuenta(IDCuenta, codEmpresa, codTipo_Cuenta, Codigo, "
                                       "Descripcion, Nivel) VALUES ("),
                     {Numero(fila.IDCuenta), Numero(fila.codEmpresa), Numero(fila.codTipo_Cuenta),
                      Texto(fila.Codigo), Texto(fila.Descripcion), Numero(fila.Nivel)});
}

QString SentenciasSemilla::Estructura(const FilaEstructura& fila)
{
    return Sentencia(QLatin1StringView("INSERT INTO Predet_Estructura(IDEstructura, codEmpresa, codDocumento, "
                                       "codNaturaleza, CodigoEpigrafe, Descripcion, OrdenEpigrafe, Formula) VALUES ("),
                     {Numero(fila.IDEstructura), Numero(fila.codEmpresa), Numero(fila.codDocumento),
                      Numero(fila.codNaturaleza), Texto(fila.CodigoEpigrafe), Texto(fila.Descripcion),
                      Texto(fila.OrdenEpigrafe), Texto(fila.Formula)});
}

QString SentenciasSemilla::RelEstructuraCuenta(const FilaRelEstructuraCuenta& fila)
{
    return Sentencia(QLatin1StringView("INSERT INTO Predet_Rel_Estructura_Cuenta(IDRel_Estructura_Cuenta, "
                                       "codEstructura, codCuenta, Desglosar) VALUES ("),
                     {Numero(fila.IDRel_Estructura_Cuenta), Numero(fila.codEstructura), Numero(fila.codCuenta),
                      Numero(fila.Desglosar)});
}
