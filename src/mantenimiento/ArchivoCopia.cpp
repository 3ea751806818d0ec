#include "mantenimiento/ArchivoCopia.h"

#include "platform/db/TemporaryFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// "NPV2000-COPIABD\n" then the format number (32 bits, little-endian).
constexpr char kCabecera[] = "NPV2000-COPIABD\n";
constexpr qint64 kLargoMarca = 16;
constexpr qint64 kLargoCabecera = kLargoMarca + 4;
// "FINCOPIA", where the manifest starts (64 bits), its length and its CRC-32
// (32 bits each).
constexpr char kMarcaFinal[] = "FINCOPIA";
constexpr qint64 kLargoFinal = 8 + 8 + 4 + 4;

QByteArray Ruta8(const QString& ruta) { return QFile::encodeName(ruta); }

QString TextoErrno(int numero) { return QString::fromLocal8Bit(std::strerror(numero)); }

ssize_t EscrituraSistema(int fd, const void* datos, size_t bytes) { return ::write(fd, datos, bytes); }

QJsonObject AJson(const FicheroCopia& f)
{
    return QJsonObject{{QStringLiteral("rol"), f.rol},
                       {QStringLiteral("nombre"), f.nombre},
                       {QStringLiteral("tamano"), double(f.tamano)},
                       {QStringLiteral("crc32"), double(f.crc32)},
                       {QStringLiteral("version"), f.version},
                       {QStringLiteral("posicion"), double(f.posicion)},
                       {QStringLiteral("comprimido"), double(f.comprimido)}};
}

QByteArray ManifiestoAJson(const ManifiestoCopia& m)
{
    QJsonArray ficheros;
    for (const FicheroCopia& f : m.ficheros)
        ficheros.append(AJson(f));
    const QJsonObject raiz{{QStringLiteral("formato"), m.formato},
                           {QStringLiteral("programa"), m.programa},
                           {QStringLiteral("fecha"), m.fecha.toString(Qt::ISODate)},
                           {QStringLiteral("edicion"), m.edicion},
                           {QStringLiteral("usuario"), m.usuario},
                           {QStringLiteral("ficheros"), ficheros}};
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented);
}

// A whole number stored in the manifest: never negative, never fractional.
bool Entero(const QJsonValue& v, quint64& n)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (d < 0 || d > 9007199254740992.0 || d != double(quint64(d)))
        return false;
    n = quint64(d);
    return true;
}

} // namespace

const FicheroCopia* ManifiestoCopia::Buscar(const QString& rolBuscado) const
{
    for (const FicheroCopia& f : ficheros)
        if (f.rol == rolBuscado)
            return &f;
    return nullptr;
}

ErrorArchivoCopia::ErrorArchivoCopia(Tipo tipo, QString ruta, QString detalle)
    : std::runtime_error((ruta + QStringLiteral(": ") + detalle).toStdString()), m_tipo(tipo),
      m_ruta(std::move(ruta)), m_detalle(std::move(detalle))
{
}

// ---------------------------------------------------------------- writer

struct EscritorArchivoCopia::Datos {
    Datos(const QString& destino_, const compresor::ZlibTool& compresor_, FuncionEscritura escribir_)
        : destino(destino_), temporal(destino_), compresor(compresor_), escribir(std::move(escribir_))
    {
    }
    ~Datos()
    {
        if (fd >= 0)
            ::close(fd);
    }

    [[noreturn]] void FalloEscritura(int numero) const
    {
        const auto tipo = (numero == ENOSPC || numero == EDQUOT) ? ErrorArchivoCopia::Tipo::DiscoLleno
                                                                 : ErrorArchivoCopia::Tipo::Escritura;
        throw ErrorArchivoCopia(tipo, destino, TextoErrno(numero));
    }

    void Escribir(const char* datos, qint64 bytes)
    {
        while (bytes > 0) {
            const ssize_t n = escribir(fd, datos, size_t(bytes));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                FalloEscritura(errno);
            }
            if (n == 0)
                FalloEscritura(ENOSPC);
            datos += n;
            bytes -= n;
            posicion += quint64(n);
        }
    }

    QString destino;
    db::TemporaryFile temporal;
    const compresor::ZlibTool& compresor;
    FuncionEscritura escribir;
    int fd = -1;
    quint64 posicion = 0;
};

EscritorArchivoCopia::EscritorArchivoCopia(const QString& destino, const compresor::ZlibTool& compresor,
                                           FuncionEscritura escribir)
    : d(std::make_unique<Datos>(destino, compresor, escribir ? std::move(escribir) : FuncionEscritura(EscrituraSistema)))
{
    d->fd = ::open(Ruta8(d->temporal.path()).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (d->fd < 0)
        d->FalloEscritura(errno);
    char cabecera[kLargoCabecera];
    std::memcpy(cabecera, kCabecera, kLargoMarca);
    qToLittleEndian<quint32>(quint32(kFormatoArchivoCopia), cabecera + kLargoMarca);
    d->Escribir(cabecera, kLargoCabecera);
}

EscritorArchivoCopia::~EscritorArchivoCopia() = default;

void EscritorArchivoCopia::Anadir(FicheroCopia& fichero, const QString& ruta,
                                  const compresor::ZlibTool::Progreso& progreso)
{
    const int origen = ::open(Ruta8(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (origen < 0)
        throw ErrorArchivoCopia(ErrorArchivoCopia::Tipo::Lectura, ruta, TextoErrno(errno));
    struct Cierre {
        int fd;
        ~Cierre() { ::close(fd); }
    } cierre{origen};
    ::posix_fadvise(origen, 0, 0, POSIX_FADV_SEQUENTIAL);

    const auto leer = [&](char* datos, qint64 maximo) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(origen, datos, size_t(maximo));
            if (n >= 0)
                return n;
            if (errno != EINTR)
                throw ErrorArchivoCopia(ErrorArchivoCopia::Tipo::Lectura, ruta, TextoErrno(errno));
        }
    };
    fichero.posicion = d->posicion;
    const compresor::ResumenFlujo resumen =
        d->compresor.Comprimir(leer, [&](const char* datos, qint64 bytes) { d->Escribir(datos, bytes); }, progreso);
    fichero.tamano = resumen.original;
    fichero.crc32 = resumen.crc32;
    fichero.comprimido = resumen.comprimido;
}

void EscritorArchivoCopia::Terminar(const ManifiestoCopia& manifiesto)
{
    const QByteArray json = ManifiestoAJson(manifiesto);
    const quint64 inicio = d->posicion;
    d->Escribir(json.constData(), json.size());
    char final_[kLargoFinal];
    std::memcpy(final_, kMarcaFinal, 8);
    qToLittleEndian<quint64>(inicio, final_ + 8);
    qToLittleEndian<quint32>(quint32(json.size()), final_ + 16);
    qToLittleEndian<quint32>(compresor::ZlibTool::Crc32(0, json.constData(), json.size()), final_ + 20);
    d->Escribir(final_, kLargoFinal);
    if (::fsync(d->fd) != 0)
        d->FalloEscritura(errno);
    const int fd = d->fd;
    d->fd = -1;
    if (::close(fd) != 0)
        d->FalloEscritura(errno);
    if (std::rename(Ruta8(d->temporal.path()).constData(), Ruta8(d->destino).constData()) != 0)
        d->FalloEscritura(errno);
    d->temporal.keep();
    // The new name must reach the disk too.
    const int carpeta = ::open(Ruta8(QFileInfo(d->destino).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (carpeta >= 0) {
        ::fsync(carpeta);
        ::close(carpeta);
    }
}

// ---------------------------------------------------------------- reader

struct LectorArchivoCopia::Datos {
    Datos(const QString& ruta_, const compresor::ZlibTool& compresor_) : ruta(ruta_), compresor(compresor_) {}
    ~Datos()
    {
        if (fd >= 0)
            ::close(fd);
    }

    [[noreturn]] void Fallo(ErrorArchivoCopia::Tipo tipo, const QString& detalle = {}) const
    {
        throw ErrorArchivoCopia(tipo, ruta, detalle);
    }

    // Reads exactly `bytes` at `desde`; false when the file ends first.
    bool LeerEn(quint64 desde, char* datos, qint64 bytes) const
    {
        while (bytes > 0) {
            const ssize_t n = ::pread(fd, datos, size_t(bytes), off_t(desde));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                Fallo(ErrorArchivoCopia::Tipo::Lectura, TextoErrno(errno));
            }
            if (n == 0)
                return false;
            datos += n;
            bytes -= n;
            desde += quint64(n);
        }
        return true;
    }

    void LeerManifiesto(const QByteArray& json);

    QString ruta;
    const compresor::ZlibTool& compresor;
    int fd = -1;
    quint64 tamano = 0;
    quint64 inicioManifiesto = 0;
    ManifiestoCopia manifiesto;
};

void LectorArchivoCopia::Datos::LeerManifiesto(const QByteArray& json)
{
    using T = ErrorArchivoCopia::Tipo;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        Fallo(T::Danada, QStringLiteral("manifiesto"));
    const QJsonObject raiz = doc.object();
    manifiesto.formato = raiz.value(QStringLiteral("formato")).toInt();
    manifiesto.programa = raiz.value(QStringLiteral("programa")).toString();
    manifiesto.fecha = QDateTime::fromString(raiz.value(QStringLiteral("fecha")).toString(), Qt::ISODate);
    manifiesto.edicion = raiz.value(QStringLiteral("edicion")).toString();
    manifiesto.usuario = raiz.value(QStringLiteral("usuario")).toString();
    if (manifiesto.formato > kFormatoArchivoCopia)
        Fallo(T::FormatoPosterior);
    for (const QJsonValue& v : raiz.value(QStringLiteral("ficheros")).toArray()) {
        const QJsonObject o = v.toObject();
        FicheroCopia f;
        f.rol = o.value(QStringLiteral("rol")).toString();
        f.nombre = o.value(QStringLiteral("nombre")).toString();
        f.version = o.value(QStringLiteral("version")).toString();
        quint64 crc = 0;
        const bool numeros = Entero(o.value(QStringLiteral("tamano")), f.tamano)
                             && Entero(o.value(QStringLiteral("crc32")), crc)
                             && Entero(o.value(QStringLiteral("posicion")), f.posicion)
                             && Entero(o.value(QStringLiteral("comprimido")), f.comprimido);
        f.crc32 = quint32(crc);
        // A stream lies between the header and the manifest; a name is a
        // bare file name, never a path that could leave the folder.
        const bool sano = numeros && crc <= 0xFFFFFFFFu && !f.rol.isEmpty() && !f.nombre.isEmpty()
                          && !f.nombre.contains(QLatin1Char('/')) && !f.nombre.contains(QLatin1Char('\\'))
                          && f.nombre != QLatin1String(".") && f.nombre != QLatin1String("..")
                          && f.posicion >= quint64(kLargoCabecera) && f.comprimido > 0
                          && f.posicion + f.comprimido <= inicioManifiesto && manifiesto.Buscar(f.rol) == nullptr;
        if (!sano)
            Fallo(T::Danada, QStringLiteral("manifiesto"));
        manifiesto.ficheros.append(f);
    }
}

LectorArchivoCopia::LectorArchivoCopia(const QString& ruta, const compresor::ZlibTool& compresor)
    : d(std::make_unique<Datos>(ruta, compresor))
{
    using T = ErrorArchivoCopia::Tipo;
    d->fd = ::open(Ruta8(ruta).constData(), O_RDONLY | O_CLOEXEC);
    if (d->fd < 0)
        d->Fallo(T::Lectura, TextoErrno(errno));
    const off_t fin = ::lseek(d->fd, 0, SEEK_END);
    if (fin < 0)
        d->Fallo(T::Lectura, TextoErrno(errno));
    d->tamano = quint64(fin);

    char cabecera[kLargoCabecera];
    if (!d->LeerEn(0, cabecera, kLargoCabecera)) {
        // Shorter than a header: a cut archive when what there is matches.
        const qint64 hay = qint64(d->tamano);
        const bool principio = hay > 0 && d->LeerEn(0, cabecera, hay)
                               && std::memcmp(cabecera, kCabecera, size_t(std::min(hay, kLargoMarca))) == 0;
        d->Fallo(principio ? T::Incompleta : T::NoEsCopia);
    }
    if (std::memcmp(cabecera, kCabecera, kLargoMarca) != 0)
        d->Fallo(T::NoEsCopia);
    if (qFromLittleEndian<quint32>(cabecera + kLargoMarca) > quint32(kFormatoArchivoCopia))
        d->Fallo(T::FormatoPosterior);

    char final_[kLargoFinal];
    if (d->tamano < quint64(kLargoCabecera + kLargoFinal)
        || !d->LeerEn(d->tamano - kLargoFinal, final_, kLargoFinal) || std::memcmp(final_, kMarcaFinal, 8) != 0)
        d->Fallo(T::Incompleta);
    d->inicioManifiesto = qFromLittleEndian<quint64>(final_ + 8);
    const quint32 largo = qFromLittleEndian<quint32>(final_ + 16);
    const quint32 crc = qFromLittleEndian<quint32>(final_ + 20);
    if (d->inicioManifiesto < quint64(kLargoCabecera) || d->inicioManifiesto + largo + kLargoFinal != d->tamano
        || largo > 16u * 1024 * 1024)
        d->Fallo(T::Danada, QStringLiteral("manifiesto"));
    QByteArray json(qsizetype(largo), Qt::Uninitialized);
    if (!d->LeerEn(d->inicioManifiesto, json.data(), largo))
        d->Fallo(T::Incompleta);
    if (compresor::ZlibTool::Crc32(0, json.constData(), json.size()) != crc)
        d->Fallo(T::Danada, QStringLiteral("manifiesto"));
    d->LeerManifiesto(json);
}

LectorArchivoCopia::~LectorArchivoCopia() = default;

const ManifiestoCopia& LectorArchivoCopia::Manifiesto() const
{
    return d->manifiesto;
}

void LectorArchivoCopia::Extraer(const FicheroCopia& fichero, const QString& destino,
                                 const compresor::ZlibTool::Progreso& progreso)
{
    using T = ErrorArchivoCopia::Tipo;
    const int salida = ::open(Ruta8(destino).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (salida < 0) {
        const int numero = errno;
        throw ErrorArchivoCopia(numero == ENOSPC ? T::DiscoLleno : T::Escritura, destino, TextoErrno(numero));
    }
    struct Cierre {
        int fd;
        ~Cierre() { ::close(fd); }
    } cierre{salida};

    quint64 posicion = fichero.posicion;
    const auto leer = [&](char* datos, qint64 maximo) -> qint64 {
        if (!d->LeerEn(posicion, datos, maximo))
            d->Fallo(T::Incompleta);
        posicion += quint64(maximo);
        return maximo;
    };
    const auto escribir = [&](const char* datos, qint64 bytes) {
        while (bytes > 0) {
            const ssize_t n = ::write(salida, datos, size_t(bytes));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int numero = n < 0 ? errno : ENOSPC;
                throw ErrorArchivoCopia(numero == ENOSPC || numero == EDQUOT ? T::DiscoLleno : T::Escritura, destino,
                                        TextoErrno(numero));
            }
            datos += n;
            bytes -= n;
        }
    };
    compresor::ResumenFlujo resumen;
    try {
        resumen = d->compresor.Descomprimir(leer, fichero.comprimido, escribir, progreso);
    } catch (const compresor::ErrorCompresion& error) {
        if (error.tipo() == compresor::ErrorCompresion::Tipo::Interno)
            d->Fallo(T::Lectura, error.descripcion());
        d->Fallo(T::Danada, fichero.nombre);
    }
    if (resumen.original != fichero.tamano || resumen.crc32 != fichero.crc32)
        d->Fallo(T::Danada, fichero.nombre);
    if (::fsync(salida) != 0)
        throw ErrorArchivoCopia(T::Escritura, destino, TextoErrno(errno));
}
