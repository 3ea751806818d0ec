#include "core/ArchivoUdl.h"

#include "platform/os/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Files written by other tools may lack the byte-order mark or be plain
// 8-bit text; the mark or the zero high bytes of ASCII text tell UTF-16LE.
QString Decodificar(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.size() >= 2 && bytes.at(1) == '\0')
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texto = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : texto;
}

} // namespace

QString RutaArchivoUdl(const QString& ruta)
{
    const QString normalizada = os::NormalizeSeparators(ruta);
    const QString encontrada = os::FindFileCaseInsensitive(os::FolderOf(normalizada), os::FileNameOf(normalizada));
    return encontrada.isEmpty() ? normalizada : encontrada;
}

QString LeerArchivoUdl(const QString& ruta)
{
    const QFileInfo info(ruta);
    if (!info.isFile() || info.size() == 0)
        return {};
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    const QString texto = Decodificar(archivo.readAll());

    const qsizetype inicio = texto.indexOf(QLatin1String("Provider"), 0, Qt::CaseInsensitive);
    if (inicio < 0)
        return {};
    qsizetype fin = inicio;
    while (fin < texto.size() && texto.at(fin) != QLatin1Char('\r') && texto.at(fin) != QLatin1Char('\n'))
        ++fin;
    return texto.mid(inicio, fin - inicio);
}

QByteArray ContenidoArchivoUdl(const QString& cadenaConexion)
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

bool EscribirArchivoUdl(const QString& ruta, const QString& cadenaConexion)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return false;
    archivo.write(ContenidoArchivoUdl(cadenaConexion));
    return archivo.commit();
}
