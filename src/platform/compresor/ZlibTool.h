#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <stdexcept>

namespace compresor {

// A failure of a compressed stream: what went wrong, in Spanish, and whether
// it is the data (damaged or cut short) rather than reading or writing.
class ErrorCompresion : public std::runtime_error {
public:
    enum class Tipo { DatosDanados, DatosIncompletos, Interno };
    ErrorCompresion(Tipo tipo, const QString& descripcion);
    Tipo tipo() const { return m_tipo; }
    const QString& descripcion() const { return m_descripcion; }

private:
    Tipo m_tipo;
    QString m_descripcion;
};

// What one stream held: bytes before compression, bytes of the compressed
// stream and the CRC-32 of the bytes before compression.
struct ResumenFlujo {
    quint64 original = 0;
    quint64 comprimido = 0;
    quint32 crc32 = 0;
};

// The compressor object (`zltCompresor` of the main window): zlib streams
// (deflate with the zlib header) between a reader and a writer that the
// caller gives, so that the caller decides about files, disks and their
// errors. Readers return the bytes read (0 at the end) and throw on failure;
// writers write everything or throw.
class ZlibTool {
public:
    using Lector = std::function<qint64(char* datos, qint64 maximo)>;
    using Escritor = std::function<void(const char* datos, qint64 bytes)>;
    // Told the bytes consumed so far, now and then.
    using Progreso = std::function<void(quint64 consumidos)>;

    // 1 (fastest) .. 9 (smallest); zlib's default balance.
    static constexpr int NivelPredeterminado = 6;

    int Nivel() const { return m_nivel; }
    // Values outside 1..9 are brought into it.
    void setNivel(int nivel);

    // Compresses everything `leer` gives into one stream.
    ResumenFlujo Comprimir(const Lector& leer, const Escritor& escribir, const Progreso& progreso = {}) const;

    // Reads exactly `comprimido` bytes of one stream from `leer` and writes
    // what they hold. A stream that is damaged, ends early, or goes on past
    // those bytes throws ErrorCompresion.
    ResumenFlujo Descomprimir(const Lector& leer, quint64 comprimido, const Escritor& escribir,
                              const Progreso& progreso = {}) const;

    // CRC-32 (the one zlib and zip use), continued from `crc` (0 to start).
    static quint32 Crc32(quint32 crc, const char* datos, qint64 bytes);

private:
    int m_nivel = NivelPredeterminado;
};

} // namespace compresor
