#include "comun/BaseVersionAnterior.h"

#include "platform/os/Paths.h"

#include <QFile>

BaseVersionAnterior ExaminarBaseVersionAnterior(const QString& carpeta)
{
    BaseVersionAnterior base;
    if (carpeta.isEmpty())
        return base;
    base.ruta = os::FindFileCaseInsensitive(os::NormalizeSeparators(carpeta), QStringLiteral("DUZEDIV.MDB"));
    if (base.ruta.isEmpty())
        return base;
    QFile archivo(base.ruta);
    const QByteArray cabecera = archivo.open(QIODevice::ReadOnly) ? archivo.read(32) : QByteArray();
    if (cabecera.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        base.tipo = TipoBaseAnterior::Propia;
    else if (cabecera.mid(4, 15) == "Standard Jet DB" || cabecera.mid(4, 15) == "Standard ACE DB")
        base.tipo = TipoBaseAnterior::Jet;
    else
        base.tipo = TipoBaseAnterior::Desconocida;
    return base;
}

QString BaseVersionAnterior::Explicacion() const
{
    switch (tipo) {
    case TipoBaseAnterior::NoExiste:
        return QStringLiteral("¡La base de datos de Norvia Parvanta 2000 v1 no se ha encontrado en el directorio "
                              "especificado!");
    case TipoBaseAnterior::Jet:
        return QStringLiteral("La base de datos '%1' está guardada en el formato de Microsoft Access (Jet), que "
                              "esta versión del programa no puede leer.")
            .arg(ruta);
    case TipoBaseAnterior::Desconocida:
        return QStringLiteral("El archivo '%1' no es una base de datos de Norvia Parvanta 2000.").arg(ruta);
    case TipoBaseAnterior::Propia:
        break;
    }
    return {};
}
