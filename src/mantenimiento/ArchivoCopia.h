#pragma once

#include "platform/compresor/ZlibTool.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <stdexcept>
#include <sys/types.h>

// The backup archive: one file holding, one after another, a zlib stream per
// database file, then the manifest (which files, their roles, sizes, CRC-32,
// schema versions, where each stream lies) and a fixed trailer that points
// at the manifest. See docs/DESIGN.md, "Database maintenance".

// The roles of the files of an archive.
namespace rol {
inline const QString Parroquia = QStringLiteral("parroquia");
inline const QString Contabilidad = QStringLiteral("contabilidad");
inline const QString Informes = QStringLiteral("informes");
inline const QString Imagenes = QStringLiteral("imagenes");
} // namespace rol

struct FicheroCopia {
    QString rol;
    QString nombre;       // file name in the data folder ("Duzediv.mdb")
    quint64 tamano = 0;   // bytes before compression
    quint32 crc32 = 0;    // of those bytes
    QString version;      // schema version stored in the file ("" when it keeps none)
    quint64 posicion = 0; // where its stream starts in the archive
    quint64 comprimido = 0;
};

struct ManifiestoCopia {
    int formato = 0;
    QString programa;     // version of the program that made it
    QDateTime fecha;
    QString edicion;
    QString usuario;
    QList<FicheroCopia> ficheros;

    // The entry of a role; nullptr when the archive has none.
    const FicheroCopia* Buscar(const QString& rolBuscado) const;
};

// Why an archive cannot be written or read; the service turns each kind into
// its message.
class ErrorArchivoCopia : public std::runtime_error {
public:
    enum class Tipo {
        NoEsCopia,        // not an archive of this program
        FormatoPosterior, // written by a newer program
        Incompleta,       // cut short
        Danada,           // a byte changed: CRC, size or stream wrong
        DiscoLleno,       // no room left while writing
        Escritura,        // another failure to write
        Lectura,          // the archive cannot be read
    };
    ErrorArchivoCopia(Tipo tipo, QString ruta, QString detalle = {});
    Tipo tipo() const { return m_tipo; }
    const QString& ruta() const { return m_ruta; }
    const QString& detalle() const { return m_detalle; }

private:
    Tipo m_tipo;
    QString m_ruta;
    QString m_detalle;
};

// The format this program writes and the newest it reads.
inline constexpr int kFormatoArchivoCopia = 1;

// write(2) as the writer calls it; tests give one that fills the disk.
using FuncionEscritura = std::function<ssize_t(int fd, const void* datos, size_t bytes)>;

// Writes an archive under a hidden temporary name beside `destino`; only a
// complete archive, synced to disk, takes the final name (replacing a file
// of that name). Destroyed unfinished, it leaves nothing behind.
class EscritorArchivoCopia {
public:
    EscritorArchivoCopia(const QString& destino, const compresor::ZlibTool& compresor,
                         FuncionEscritura escribir = {});
    ~EscritorArchivoCopia();
    EscritorArchivoCopia(const EscritorArchivoCopia&) = delete;
    EscritorArchivoCopia& operator=(const EscritorArchivoCopia&) = delete;

    // Compresses the file `ruta` into the archive; `fichero` gets its size,
    // CRC and place. The file must not change meanwhile (a snapshot).
    void Anadir(FicheroCopia& fichero, const QString& ruta, const compresor::ZlibTool::Progreso& progreso = {});

    // Writes the manifest and the trailer, syncs, and gives the archive its
    // name.
    void Terminar(const ManifiestoCopia& manifiesto);

private:
    struct Datos;
    std::unique_ptr<Datos> d;
};

// Opens an archive and checks its frame: header, trailer and manifest.
// Throws ErrorArchivoCopia.
class LectorArchivoCopia {
public:
    explicit LectorArchivoCopia(const QString& ruta, const compresor::ZlibTool& compresor);
    ~LectorArchivoCopia();
    LectorArchivoCopia(const LectorArchivoCopia&) = delete;
    LectorArchivoCopia& operator=(const LectorArchivoCopia&) = delete;

    const ManifiestoCopia& Manifiesto() const;

    // Decompresses one file into `destino` (created, must not exist) and
    // checks its size and CRC-32 against the manifest.
    void Extraer(const FicheroCopia& fichero, const QString& destino,
                 const compresor::ZlibTool::Progreso& progreso = {});

private:
    struct Datos;
    std::unique_ptr<Datos> d;
};
