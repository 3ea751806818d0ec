#include "VinculoDatos.h"

#include <QSaveFile>

QByteArray ContenidoVinculoDatos(const QString& cadenaConexion)
{
    const QString texto = QStringLiteral("[oledb]\r\n"
                                         "; Everything after this line is an OLE DB initstring\r\n")
                          + cadenaConexion + QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE", 2);
    bytes.reserve(2 + texto.size() * 2);
    for (const QChar c : texto) {
        const char16_t u = c.unicode();
        bytes.append(static_cast<char>(u & 0xFF));
        bytes.append(static_cast<char>(u >> 8));
    }
    return bytes;
}

bool EscribirVinculoDatos(const QString& ruta, const QString& cadenaConexion)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return false;
    archivo.write(ContenidoVinculoDatos(cadenaConexion));
    return archivo.commit();
}
