#include "schema/upgrade/CopiaSeguridadBD.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/db/TemporaryFile.h"
#include "platform/os/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QString kCarpetaCopias = QStringLiteral("CopiasBD");

QString CarpetaDeEtiqueta(const QString& etiqueta)
{
    const QString normalizada = NormalizarEtiqueta(etiqueta);
    if (normalizada.isEmpty())
        db::Raise(db::err::FileNotFound, etiqueta);
    const QString carpeta = os::JoinPath(os::JoinPath(os::AppPath(), kCarpetaCopias), normalizada);
    if (!QDir().mkpath(carpeta))
        db::Raise(db::err::DiskError, carpeta);
    return carpeta;
}

// The copy is written beside its final name and moved over it in one step,
// so an interrupted or failed copy never destroys the previous one. What an
// interrupted copy left in the folder goes first.
class CopiaEnCurso {
public:
    explicit CopiaEnCurso(const QString& destino) : m_destino(destino), m_temporal(destino)
    {
        db::TemporaryFile::RemoveStale(os::FolderOf(destino));
    }
    CopiaEnCurso(const CopiaEnCurso&) = delete;
    CopiaEnCurso& operator=(const CopiaEnCurso&) = delete;

    const QString& Temporal() const { return m_temporal.path(); }

    void Terminar()
    {
        if (std::rename(QFile::encodeName(Temporal()).constData(), QFile::encodeName(m_destino).constData()) != 0)
            db::Raise(db::err::DiskError, m_destino);
        m_temporal.keep();
    }

private:
    QString m_destino;
    db::TemporaryFile m_temporal;
};

} // namespace

QString NormalizarEtiqueta(const QString& etiqueta)
{
    QString t = etiqueta;
    t.remove(QLatin1Char('\\'));
    return t.trimmed();
}

QString RutaCopiaSeguridad(const QString& etiqueta, const QString& fichero)
{
    return os::JoinPath(os::JoinPath(os::JoinPath(os::AppPath(), kCarpetaCopias), NormalizarEtiqueta(etiqueta)),
                        fichero);
}

QString FicheroDeConexion(const db::Connection& con)
{
    const db::ConnectionString cs = db::ConnectionString::parse(con.ConnectionString());
    const QString origen = os::NormalizeSeparators(cs.value(db::ConnectionString::kDataSource));
    QString carpeta = os::FolderOf(origen);
    if (carpeta.trimmed().isEmpty())
        carpeta = os::AppPath();
    const QString encontrado = os::FindFileCaseInsensitive(carpeta, os::FileNameOf(origen));
    return encontrado.isEmpty() ? os::JoinPath(carpeta, os::FileNameOf(origen)) : encontrado;
}

void CopiarBDAntesDeActualizar(db::Connection& con, const QString& etiqueta)
{
    const QString origen = FicheroDeConexion(con);
    if (!QFileInfo(origen).isFile())
        db::Raise(db::err::FileNotFound, origen);
    const QString password = db::ConnectionString::parse(con.ConnectionString()).value(db::ConnectionString::kPassword);
    const QString destino = os::JoinPath(CarpetaDeEtiqueta(etiqueta), os::FileNameOf(origen));

    CopiaEnCurso copia(destino);
    db::BackupDatabase(db::ConnectionString::forFile(origen, password), copia.Temporal());
    copia.Terminar();
}

void LimpiarTemporalesAbandonados(const db::Connection& con)
{
    db::TemporaryFile::RemoveStale(os::FolderOf(FicheroDeConexion(con)));
    const QDir copias(os::JoinPath(os::AppPath(), kCarpetaCopias));
    for (const QString& etiqueta : copias.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        db::TemporaryFile::RemoveStale(copias.filePath(etiqueta));
}

void CopiarCopiaPreparada(db::Connection& con, const QString& etiquetaBase, const QString& etiqueta,
                          const std::function<void(db::Connection&)>& preparar)
{
    const QString fichero = os::FileNameOf(FicheroDeConexion(con));
    const QString base = RutaCopiaSeguridad(etiquetaBase, fichero);
    if (!QFileInfo(base).isFile())
        db::Raise(db::err::FileNotFound, base);
    const QString password = db::ConnectionString::parse(con.ConnectionString()).value(db::ConnectionString::kPassword);
    const QString destino = os::JoinPath(CarpetaDeEtiqueta(etiqueta), fichero);

    CopiaEnCurso copia(destino);
    const db::TemporaryFile trabajo(destino);
    if (!QFile::copy(base, trabajo.path()))
        db::Raise(db::err::DiskError, base);
    {
        db::Connection preparada;
        preparada.Open(db::ConnectionString::forFile(trabajo.path(), password));
        preparar(preparada);
    }
    db::CompactDatabase(db::ConnectionString::forFile(trabajo.path(), password),
                        db::ConnectionString::forFile(copia.Temporal(), password));
    copia.Terminar();
}
