#include "schema/upgrade/CopiaSeguridadBD.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
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
// so an interrupted or failed copy never destroys the previous one.
class CopiaEnCurso {
public:
    explicit CopiaEnCurso(const QString& destino)
        : m_destino(destino), m_temporal(os::JoinPath(os::FolderOf(destino), QStringLiteral(".") + os::FileNameOf(destino)
                                                                                    + QStringLiteral(".nueva")))
    {
        QFile::remove(m_temporal); // left by an interrupted run
    }
    ~CopiaEnCurso()
    {
        if (!m_terminada)
            QFile::remove(m_temporal);
    }
    CopiaEnCurso(const CopiaEnCurso&) = delete;
    CopiaEnCurso& operator=(const CopiaEnCurso&) = delete;

    const QString& Temporal() const { return m_temporal; }

    void Terminar()
    {
        if (std::rename(QFile::encodeName(m_temporal).constData(), QFile::encodeName(m_destino).constData()) != 0)
            db::Raise(db::err::DiskError, m_destino);
        m_terminada = true;
    }

private:
    QString m_destino;
    QString m_temporal;
    bool m_terminada = false;
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
    db::CompactDatabase(db::ConnectionString::forFile(origen, password),
                        db::ConnectionString::forFile(copia.Temporal(), password));
    copia.Terminar();
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
    QFile::remove(copia.Temporal() + QStringLiteral(".base"));
    if (!QFile::copy(base, copia.Temporal() + QStringLiteral(".base")))
        db::Raise(db::err::DiskError, base);
    struct Borrar {
        QString ruta;
        ~Borrar() { QFile::remove(ruta); }
    } borrarBase{copia.Temporal() + QStringLiteral(".base")};
    {
        db::Connection trabajo;
        trabajo.Open(db::ConnectionString::forFile(borrarBase.ruta, password));
        preparar(trabajo);
    }
    db::CompactDatabase(db::ConnectionString::forFile(borrarBase.ruta, password),
                        db::ConnectionString::forFile(copia.Temporal(), password));
    copia.Terminar();
}
