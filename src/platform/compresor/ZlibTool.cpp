#include "platform/compresor/ZlibTool.h"

#include <QByteArray>
#include <algorithm>
#include <vector>
#include <zlib.h>

namespace compresor {
namespace {

// Large enough that a call into zlib, a read and a write are few per
// megabyte; small enough to stay in the caches.
constexpr qint64 kBloque = 256 * 1024;

// The z_stream released on every path.
class Flujo {
public:
    explicit Flujo(bool comprimir, int nivel) : m_comprimir(comprimir)
    {
        const int rc = comprimir ? deflateInit(&m_z, nivel) : inflateInit(&m_z);
        if (rc != Z_OK)
            throw ErrorCompresion(ErrorCompresion::Tipo::Interno,
                                  QStringLiteral("No se ha podido preparar la compresión (zlib %1).").arg(rc));
    }
    ~Flujo() { m_comprimir ? deflateEnd(&m_z) : inflateEnd(&m_z); }
    Flujo(const Flujo&) = delete;
    Flujo& operator=(const Flujo&) = delete;
    z_stream* operator->() { return &m_z; }
    z_stream* get() { return &m_z; }

private:
    z_stream m_z{};
    bool m_comprimir;
};

} // namespace

ErrorCompresion::ErrorCompresion(Tipo tipo, const QString& descripcion)
    : std::runtime_error(descripcion.toStdString()), m_tipo(tipo), m_descripcion(descripcion)
{
}

void ZlibTool::setNivel(int nivel)
{
    m_nivel = std::clamp(nivel, 1, 9);
}

quint32 ZlibTool::Crc32(quint32 crc, const char* datos, qint64 bytes)
{
    uLong c = crc;
    while (bytes > 0) {
        const uInt trozo = uInt(std::min<qint64>(bytes, 1 << 30));
        c = crc32(c, reinterpret_cast<const Bytef*>(datos), trozo);
        datos += trozo;
        bytes -= trozo;
    }
    return quint32(c);
}

ResumenFlujo ZlibTool::Comprimir(const Lector& leer, const Escritor& escribir, const Progreso& progreso) const
{
    std::vector<char> entrada(kBloque);
    std::vector<char> salida(kBloque);
    Flujo z(true, m_nivel);
    ResumenFlujo resumen;
    int flush = Z_NO_FLUSH;
    while (flush != Z_FINISH) {
        const qint64 leidos = leer(entrada.data(), kBloque);
        if (leidos <= 0)
            flush = Z_FINISH;
        resumen.original += quint64(std::max<qint64>(leidos, 0));
        resumen.crc32 = Crc32(resumen.crc32, entrada.data(), std::max<qint64>(leidos, 0));
        z->next_in = reinterpret_cast<Bytef*>(entrada.data());
        z->avail_in = uInt(std::max<qint64>(leidos, 0));
        do {
            z->next_out = reinterpret_cast<Bytef*>(salida.data());
            z->avail_out = uInt(kBloque);
            const int rc = deflate(z.get(), flush);
            if (rc == Z_STREAM_ERROR)
                throw ErrorCompresion(ErrorCompresion::Tipo::Interno, QStringLiteral("Ha fallado la compresión."));
            const qint64 producidos = kBloque - z->avail_out;
            if (producidos > 0) {
                escribir(salida.data(), producidos);
                resumen.comprimido += quint64(producidos);
            }
        } while (z->avail_out == 0);
        if (progreso)
            progreso(resumen.original);
    }
    return resumen;
}

ResumenFlujo ZlibTool::Descomprimir(const Lector& leer, quint64 comprimido, const Escritor& escribir,
                                    const Progreso& progreso) const
{
    std::vector<char> entrada(kBloque);
    std::vector<char> salida(kBloque);
    Flujo z(false, 0);
    ResumenFlujo resumen;
    quint64 pendientes = comprimido;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (z->avail_in == 0) {
            if (pendientes == 0)
                throw ErrorCompresion(ErrorCompresion::Tipo::DatosIncompletos,
                                      QStringLiteral("Los datos comprimidos terminan antes de tiempo."));
            const qint64 pedir = qint64(std::min<quint64>(pendientes, quint64(kBloque)));
            const qint64 leidos = leer(entrada.data(), pedir);
            if (leidos <= 0)
                throw ErrorCompresion(ErrorCompresion::Tipo::DatosIncompletos,
                                      QStringLiteral("El archivo termina antes de tiempo."));
            pendientes -= quint64(leidos);
            resumen.comprimido += quint64(leidos);
            z->next_in = reinterpret_cast<Bytef*>(entrada.data());
            z->avail_in = uInt(leidos);
        }
        z->next_out = reinterpret_cast<Bytef*>(salida.data());
        z->avail_out = uInt(kBloque);
        rc = inflate(z.get(), Z_NO_FLUSH);
        if (rc == Z_NEED_DICT || rc == Z_DATA_ERROR || rc == Z_STREAM_ERROR)
            throw ErrorCompresion(ErrorCompresion::Tipo::DatosDanados, QStringLiteral("Los datos comprimidos están dañados."));
        if (rc == Z_MEM_ERROR)
            throw ErrorCompresion(ErrorCompresion::Tipo::Interno, QStringLiteral("No hay memoria suficiente para descomprimir."));
        const qint64 producidos = kBloque - z->avail_out;
        if (producidos > 0) {
            escribir(salida.data(), producidos);
            resumen.original += quint64(producidos);
            resumen.crc32 = Crc32(resumen.crc32, salida.data(), producidos);
            if (progreso)
                progreso(resumen.comprimido);
        }
        if (rc == Z_BUF_ERROR && z->avail_in == 0 && pendientes == 0)
            throw ErrorCompresion(ErrorCompresion::Tipo::DatosIncompletos,
                                  QStringLiteral("Los datos comprimidos terminan antes de tiempo."));
    }
    // The stream must use up exactly the bytes it was said to have.
    if (z->avail_in != 0 || pendientes != 0)
        throw ErrorCompresion(ErrorCompresion::Tipo::DatosDanados,
                              QStringLiteral("Los datos comprimidos no tienen el tamaño anotado."));
    return resumen;
}

} // namespace compresor
