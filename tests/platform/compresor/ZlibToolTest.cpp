// The compressor's streams: what goes in comes out with its CRC-32, and a
// stream that is damaged, cut short or followed by more bytes is refused.

#include "platform/compresor/ZlibTool.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

using compresor::ErrorCompresion;
using compresor::ZlibTool;

ZlibTool::Lector LectorDe(const QByteArray& datos, qint64 trozo = 1 << 20)
{
    auto pos = std::make_shared<qint64>(0);
    return [datos, pos, trozo](char* destino, qint64 maximo) {
        const qint64 n = qMin(qMin(maximo, trozo), datos.size() - *pos);
        memcpy(destino, datos.constData() + *pos, size_t(n));
        *pos += n;
        return n;
    };
}

ZlibTool::Escritor EscritorA(QByteArray& destino)
{
    return [&destino](const char* datos, qint64 n) { destino.append(datos, n); };
}

QByteArray Muestra(qsizetype bytes)
{
    // Half text that compresses, half noise that does not: several blocks of
    // the compressor's buffers either way.
    QByteArray datos;
    QRandomGenerator azar(7);
    while (datos.size() < bytes / 2)
        datos += "Padrón de la parroquia, fila ";
    while (datos.size() < bytes)
        datos.append(char(azar.bounded(256)));
    return datos;
}

QByteArray Comprimido(const QByteArray& datos, compresor::ResumenFlujo* resumen = nullptr)
{
    QByteArray salida;
    const auto r = ZlibTool().Comprimir(LectorDe(datos, 1000), EscritorA(salida));
    if (resumen)
        *resumen = r;
    return salida;
}

TEST(ZlibTool, IdaYVueltaConTamanosYCrc)
{
    for (qsizetype bytes : {qsizetype(0), qsizetype(1), qsizetype(3 * 256 * 1024 + 17)}) {
        const QByteArray datos = Muestra(bytes);
        compresor::ResumenFlujo ida;
        const QByteArray comprimido = Comprimido(datos, &ida);
        EXPECT_EQ(ida.original, quint64(bytes));
        EXPECT_EQ(ida.comprimido, quint64(comprimido.size()));
        EXPECT_EQ(ida.crc32, quint32(crc32(0, reinterpret_cast<const Bytef*>(datos.constData()), uInt(datos.size()))));

        QByteArray vuelta;
        const auto r = ZlibTool().Descomprimir(LectorDe(comprimido, 333), quint64(comprimido.size()), EscritorA(vuelta));
        EXPECT_EQ(vuelta, datos) << bytes;
        EXPECT_EQ(r.crc32, ida.crc32);
        EXPECT_EQ(r.original, ida.original);
    }
}

TEST(ZlibTool, FlujosMalosSeRechazan)
{
    const QByteArray bueno = Comprimido(Muestra(600000));
    QByteArray danado = bueno;
    danado[danado.size() / 3] = char(danado.at(danado.size() / 3) ^ 0x55);

    struct Caso {
        const char* nombre;
        QByteArray datos;
        quint64 anotado;
    };
    const Caso casos[] = {
        {"cortado", bueno.left(bueno.size() / 2), quint64(bueno.size())},
        {"anotado de menos", bueno, quint64(bueno.size() - 10)},
        {"anotado de más", bueno + QByteArray(10, 'x'), quint64(bueno.size() + 10)},
        {"no es zlib", QByteArray(5000, 'x'), 5000},
        {"un byte cambiado", danado, quint64(danado.size())},
    };
    for (const Caso& caso : casos) {
        QByteArray salida;
        try {
            const auto r = ZlibTool().Descomprimir(LectorDe(caso.datos), caso.anotado, EscritorA(salida));
            // A changed byte that inflate cannot see shows in the CRC.
            const QByteArray esperado = Muestra(600000);
            EXPECT_NE(r.crc32, quint32(crc32(0, reinterpret_cast<const Bytef*>(esperado.constData()),
                                             uInt(esperado.size()))))
                << caso.nombre;
        } catch (const ErrorCompresion& error) {
            EXPECT_NE(error.tipo(), ErrorCompresion::Tipo::Interno) << caso.nombre;
        }
    }
}

TEST(ZlibTool, NivelDentroDeUnoANueve)
{
    ZlibTool compresor;
    EXPECT_EQ(compresor.Nivel(), 6);
    compresor.setNivel(0);
    EXPECT_EQ(compresor.Nivel(), 1);
    compresor.setNivel(12);
    EXPECT_EQ(compresor.Nivel(), 9);
}

} // namespace
