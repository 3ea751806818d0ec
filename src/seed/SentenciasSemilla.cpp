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

QString Insercion(QLatin1StringView tabla, const QString& columnas, const QStringList& valores)
{
    return QStringLiteral("INSERT INTO ") + tabla + QLatin1Char('(') + columnas + QLatin1String(") VALUES (") +
           valores.join(QLatin1String(", ")) + QLatin1Char(')');
}

// A row written with its id names the key column first; otherwise the
// table's counter gives the id.
QString InsercionConClaveOpcional(QLatin1StringView tabla, QLatin1StringView clave, int id, bool conClave,
                                  QLatin1StringView columnas, QStringList valores)
{
    if (!conClave)
        return Insercion(tabla, columnas, valores);
    valores.prepend(Numero(id));
    return Insercion(tabla, QString(clave) + QLatin1String(", ") + columnas, valores);
}

} // namespace

QString SentenciasSemilla::ComunidadAutonoma(const FilaComunidadAutonoma& fila)
{
    return Insercion(QLatin1StringView("ComunidadAutonoma"), QLatin1StringView("Nombre, Codigo"),
                     {Texto(fila.Nombre), Texto(fila.Codigo)});
}

QString SentenciasSemilla::Deduccion(const FilaDeduccion& fila)
{
    return Insercion(QLatin1StringView("Deduccion"), QLatin1StringView("codComunidad, Deduccion"),
                     {Numero(fila.codComunidad), Numero(fila.Deduccion)});
}

QString SentenciasSemilla::TipoVia(const char* descripcion)
{
    return Insercion(QLatin1StringView("Tipo_Via"), QLatin1StringView("Descripcion"), {Texto(descripcion)});
}

QString SentenciasSemilla::Nodo(const FilaNodo& fila, bool conClave)
{
    return InsercionConClaveOpcional(
        QLatin1StringView("Nodo"), QLatin1StringView("IDNodo"), fila.IDNodo, conClave,
        QLatin1StringView("Nombre, Descripcion, Nivel, CodPadre, Orden, NombreInterno, CodImagen, SQLSelect, "
                          "Expandido"),
        {Texto(fila.Nombre), Texto(fila.Descripcion), Numero(fila.Nivel), Numero(fila.CodPadre), Numero(fila.Orden),
         Texto(fila.NombreInterno), Numero(fila.CodImagen), Texto(fila.SQLSelect), Numero(fila.Expandido)});
}

QString SentenciasSemilla::Campo(const FilaCampo& fila, bool conClave)
{
    return InsercionConClaveOpcional(QLatin1StringView("Campo"), QLatin1StringView("IDCampo"), fila.IDCampo, conClave,
                                     QLatin1StringView("CodNodo, Nombre, Descripcion, Tipo, Orden, Ancho"),
                                     {Numero(fila.CodNodo), Texto(fila.Nombre), Texto(fila.Descripcion),
                                      Numero(fila.Tipo), Numero(fila.Orden), Numero(fila.Ancho)});
}

QString SentenciasSemilla::Informe(const FilaInforme& fila, bool conClave)
{
    return InsercionConClaveOpcional(QLatin1StringView("Informe"), QLatin1StringView("IDInforme"), fila.IDInforme,
                                     conClave, QLatin1StringView("Nombre, Nivel, CodPadre, CodImagen, Expandido"),
                                     {Texto(fila.Nombre), Numero(fila.Nivel), Numero(fila.CodPadre),
                                      Numero(fila.CodImagen), Numero(fila.Expandido)});
}

QString SentenciasSemilla::Cuenta(const FilaCuenta& fila)
{
    return Insercion(QLatin1StringView("Predet_Cuenta"),
                     QLatin1StringView("IDCuenta, codEmpresa, codTipo_Cuenta, Codigo, Descripcion, Nivel"),
                     {Numero(fila.IDCuenta), Numero(fila.codEmpresa), Numero(fila.codTipo_Cuenta), Texto(fila.Codigo),
                      Texto(fila.Descripcion), Numero(fila.Nivel)});
}

QString SentenciasSemilla::Estructura(const FilaEstructura& fila)
{
    return Insercion(QLatin1StringView("Predet_Estructura"),
                     QLatin1StringView("IDEstructura, codEmpresa, codDocumento, codNaturaleza, CodigoEpigrafe, "
                                    "Descripcion, OrdenEpigrafe, Formula"),
                     {Numero(fila.IDEstructura), Numero(fila.codEmpresa), Numero(fila.codDocumento),
                      Numero(fila.codNaturaleza), Texto(fila.CodigoEpigrafe), Texto(fila.Descripcion),
                      Texto(fila.OrdenEpigrafe), Texto(fila.Formula)});
}

QString SentenciasSemilla::RelEstructuraCuenta(const FilaRelEstructuraCuenta& fila)
{
    return Insercion(QLatin1StringView("Predet_Rel_Estructura_Cuenta"),
                     QLatin1StringView("IDRel_Estructura_Cuenta, codEstructura, codCuenta, Desglosar"),
                     {Numero(fila.IDRel_Estructura_Cuenta), Numero(fila.codEstructura), Numero(fila.codCuenta),
                      Numero(fila.Desglosar)});
}
