#include "mantenimiento/cMantenimientoBD.h"

#include "mantenimiento/AccesoExclusivoBD.h"
#include "mantenimiento/DialogosMantenimiento.h"
#include "mantenimiento/FicherosBD.h"
#include "mantenimiento/FusionMunicipios.h"

#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/db/TemporaryFile.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/cActBDContab.h"
#include "schema/upgrade/cActBDDuzediv.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtDebug>

#include <optional>

namespace {

const QString kNoModificados = QStringLiteral("Los datos actuales no se han modificado.");
const QString kTituloCopia = QStringLiteral("Copia de seguridad");
const QString kTituloRestaurar = QStringLiteral("Recuperar copia de seguridad");
const QString kTituloReparar = QStringLiteral("Reparar base de datos");

// The progress bar runs from 0 to this.
constexpr int kPasosProgreso = 100;

// A refusal or failure of a command, told to the user once the work has
// stopped (pointer and progress window put back).
struct Aviso {
    QString texto;
};

void Avisar(const QString& texto)
{
    ui::Beep();
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbExclamation);
}

// What failed, a line break, "Descripción: " and why.
QString ConDescripcion(const QString& paso, const QString& descripcion)
{
    return paso + QStringLiteral("\nDescripción: ") + descripcion;
}

// The shared progress window for the length of a command, closed on every
// path; the bar follows the bytes done out of `total`.
class Progreso {
public:
    Progreso(PVAPI::cDuzediv& servicio, const QString& titulo, quint64 total) : m_servicio(servicio), m_total(total)
    {
        m_servicio.ProgresoLoad(kPasosProgreso, titulo, 0);
    }
    ~Progreso() { m_servicio.ProgresoUnload(); }
    Progreso(const Progreso&) = delete;
    Progreso& operator=(const Progreso&) = delete;

    void Hecho(quint64 hecho)
    {
        const int valor = m_total == 0 ? kPasosProgreso : int(qMin<quint64>(hecho, m_total) * kPasosProgreso / m_total);
        if (valor == m_valor)
            return;
        m_valor = valor;
        m_servicio.ProgresoRefresh(valor);
        ui::DoEvents();
    }
    // Work of `bytes` starts after `base` bytes already done.
    compresor::ZlibTool::Progreso Tramo(quint64 base)
    {
        return [this, base](quint64 consumidos) { Hecho(base + consumidos); };
    }

private:
    PVAPI::cDuzediv& m_servicio;
    quint64 m_total;
    int m_valor = -1;
};

// Releases the entry lock and the locks a command took, whatever ends it. A
// failing release is logged: it must not hide the error on its way out.
class Liberacion {
public:
    ~Liberacion()
    {
        for (auto& acceso : m_accesos) {
            try {
                acceso->LiberarBloqueos();
            } catch (const std::exception& error) {
                qWarning("No se han podido liberar los bloqueos del mantenimiento: %s", error.what());
            }
        }
    }
    void Anadir(std::unique_ptr<IAccesoExclusivoBD> acceso) { m_accesos.push_back(std::move(acceso)); }

private:
    std::vector<std::unique_ptr<IAccesoExclusivoBD>> m_accesos;
};

// One database of a command.
struct Base {
    QString rol;
    QString ruta; // the existing file
    cConexion* conexion = nullptr;
    QString descripcion;
};

QString RolDeConexion(qint16 id)
{
    switch (id) {
    case conexion::Parroquia: return rol::Parroquia;
    case conexion::Informes: return rol::Informes;
    case conexion::Contabilidad: return rol::Contabilidad;
    default: return {};
    }
}

// The databases of the connection list, with the files their connections
// use (the upgrade's lookup: a bare name lives in the program folder).
QList<Base> BasesDeConexiones(ColeccionConexiones& col)
{
    QList<Base> bases;
    for (const auto& c : col) {
        const QString r = RolDeConexion(c->IDConexion);
        if (r.isEmpty() || !c->ConexionBD)
            vb::ThrowInvalidCall(QStringLiteral("cMantenimientoBD"));
        const QString ruta = FicheroDeConexion(*c->ConexionBD);
        if (!QFileInfo(ruta).isFile())
            db::Raise(db::err::FileNotFound, ruta);
        bases.append({r, ruta, c.get(), c->Descripcion});
    }
    return bases;
}

// A path of the data-file list as it exists ("\" or "/", any letter case,
// a bare name in the program folder); "" when there is no such file.
QString FicheroExistente(const QString& ruta)
{
    const QString normal = os::NormalizeSeparators(ruta);
    QString carpeta = os::FolderOf(normal);
    if (carpeta.trimmed().isEmpty())
        carpeta = os::AppPath();
    const QString encontrado = os::FindFileCaseInsensitive(carpeta, os::FileNameOf(normal));
    return QFileInfo(encontrado).isFile() ? encontrado : QString();
}

bool ConVersion(const QString& r)
{
    return r == rol::Parroquia || r == rol::Contabilidad;
}

QString VersionActual(const QString& r)
{
    return r == rol::Parroquia ? VERSION_DUZEDIV : VERSION_CONTABILIDAD;
}

quint64 Tamano(const QString& ruta)
{
    return quint64(qMax<qint64>(QFileInfo(ruta).size(), 0));
}

QString Nombre(const QString& ruta)
{
    return os::FileNameOf(ruta);
}

// The user's text for what an archive failure means.
QString TextoArchivo(const ErrorArchivoCopia& e, const QString& archivo)
{
    using T = ErrorArchivoCopia::Tipo;
    switch (e.tipo()) {
    case T::NoEsCopia:
        return QStringLiteral("¡El archivo '%1' no es una copia de seguridad de este programa!").arg(archivo);
    case T::FormatoPosterior:
        return QStringLiteral("¡La copia de seguridad '%1' se hizo con una versión más moderna del programa y esta "
                              "versión no puede recuperarla!")
            .arg(archivo);
    case T::Incompleta:
        return QStringLiteral("¡La copia de seguridad '%1' está incompleta: el archivo se cortó al guardarlo o al "
                              "copiarlo!")
            .arg(archivo);
    case T::Danada:
        return QStringLiteral("¡La copia de seguridad '%1' está dañada: %2 no coincide con lo que se guardó!")
            .arg(archivo, e.detalle() == QLatin1String("manifiesto") ? QStringLiteral("su índice")
                                                                     : QStringLiteral("'%1'").arg(e.detalle()));
    case T::DiscoLleno:
        return QStringLiteral("¡No queda espacio en el disco para escribir '%1'! Libere espacio o elija otra carpeta.")
            .arg(e.ruta());
    case T::Escritura:
        return ConDescripcion(QStringLiteral("¡No se ha podido escribir el archivo '%1'!").arg(e.ruta()), e.detalle());
    case T::Lectura:
        return ConDescripcion(QStringLiteral("¡No se ha podido leer el archivo '%1'!").arg(e.ruta()), e.detalle());
    }
    return {};
}

// Opens a copy of a database with the password of the live one.
db::Connection AbrirCopia(const QString& ruta, const db::Connection& viva)
{
    const QString clave = db::ConnectionString::parse(viva.ConnectionString()).value(db::ConnectionString::kPassword);
    db::Connection con;
    con.Open(db::ConnectionString::forFile(ruta, clave));
    return con;
}

QString CarpetaDe(const QString& ruta)
{
    return os::FolderOf(ruta);
}

// Takes the entry lock and tests exclusive access on the folder of every
// database of the command (one lock object per folder). False when another
// workstation uses one of them.
template <class Fabrica>
bool AccesoExclusivo(const QList<Base>& bases, Liberacion& liberacion, Fabrica nuevoAcceso)
{
    QStringList carpetas;
    for (const Base& b : bases) {
        const QString carpeta = CarpetaDe(b.ruta);
        if (carpetas.contains(carpeta))
            continue;
        carpetas << carpeta;
        std::unique_ptr<IAccesoExclusivoBD> acceso = nuevoAcceso();
        IAccesoExclusivoBD& a = *acceso;
        liberacion.Anadir(std::move(acceso));
        a.Inicializar(carpeta + QLatin1Char('/'));
        // The entry lock first, so no workstation can start between the test
        // and the work.
        a.EstablecerBloqueoEntradaAplicacion();
        if (!a.blnComprobarAccesoExclusivo(b.ruta, *b.conexion->ConexionBD))
            return false;
    }
    return true;
}

const QString kSinAccesoExclusivo =
    QStringLiteral("Para realizar esta operación necesita acceso exclusivo a la base de datos. "
                   "La base de datos es utilizada en estos momentos por otros usuarios. Intentelo más tarde");

} // namespace

cMantenimientoBD::cMantenimientoBD(PVAPI::cDuzediv& servicio, OpcionesMantenimiento opciones)
    : m_servicio(servicio), m_opciones(std::move(opciones))
{
}

cMantenimientoBD::~cMantenimientoBD() = default;

QString cMantenimientoBD::ExtensionCopia()
{
    return QStringLiteral(".copiabd");
}

IDialogosMantenimiento& cMantenimientoBD::Dialogos()
{
    if (!m_opciones.dialogos)
        m_opciones.dialogos = std::make_shared<DialogosMantenimiento>();
    return *m_opciones.dialogos;
}

std::unique_ptr<IAccesoExclusivoBD> cMantenimientoBD::NuevoAcceso()
{
    if (m_opciones.accesoExclusivo)
        return m_opciones.accesoExclusivo();
    return std::make_unique<AccesoExclusivoBD>();
}

// ---------------------------------------------------------------- backup

void cMantenimientoBD::RealizarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                                        std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                                        PVAPI::cInfoConfiguracion& objInfoConfig)
{
    if (!zltCompresor)
        zltCompresor = std::make_shared<compresor::ZlibTool>();
    const QString paso = QStringLiteral("¡No se ha podido realizar la copia de seguridad!");

    QList<Base> bases;
    try {
        bases = BasesDeConexiones(colConexiones);
    } catch (const vb::VbError& error) {
        Avisar(ConDescripcion(paso, error.description()));
        return;
    }
    // The report and picture databases go too when they are there: the
    // archive is the whole data folder, though a restore brings back only the
    // databases of its list.
    const QStringList rolesFichero{rol::Parroquia, rol::Contabilidad, rol::Informes, rol::Imagenes};
    for (qsizetype i = 2; i < qMin<qsizetype>(ficheros.size(), 4); ++i) {
        const QString ruta = FicheroExistente(ficheros.at(i));
        if (!ruta.isEmpty())
            bases.append({rolesFichero.at(i), ruta, nullptr, {}});
    }
    if (bases.isEmpty()) {
        Avisar(QStringLiteral("¡No hay ninguna base de datos de la que hacer una copia de seguridad!"));
        return;
    }

    const QString sugerido = os::JoinPath(
        os::JoinPath(os::AppPath(), QStringLiteral("CopiasBD")),
        QStringLiteral("Copia de seguridad %1%2")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm")), ExtensionCopia()));
    QDir().mkpath(os::FolderOf(sugerido));
    const QString destino = Dialogos().ArchivoCopiaNuevo(sugerido);
    if (destino.isEmpty())
        return;
    // The archive takes its name by a rename: over a database it would
    // replace the data it copies, or another of the program's data files.
    QStringList datos;
    for (const Base& b : bases)
        datos << b.ruta;
    for (const QString& fichero : ficheros)
        datos << FicheroExistente(fichero);
    for (const QString& ruta : datos) {
        if (!ruta.isEmpty() && QFileInfo(destino).canonicalFilePath() == QFileInfo(ruta).canonicalFilePath()) {
            Avisar(QStringLiteral("¡No se puede guardar la copia de seguridad en '%1', que es una de las bases de datos "
                                  "que se copian! Elija otro nombre.")
                       .arg(destino));
            return;
        }
    }

    std::optional<Aviso> aviso;
    {
        ui::HourglassGuard reloj;
        quint64 total = 0;
        for (const Base& b : bases)
            total += Tamano(b.ruta);
        Progreso progreso(m_servicio, kTituloCopia, total);
        try {
            EscritorArchivoCopia escritor(destino, *zltCompresor, m_opciones.escribirArchivo);
            ManifiestoCopia manifiesto;
            manifiesto.formato = kFormatoArchivoCopia;
            manifiesto.programa = VERSION_DUZEDIV;
            manifiesto.fecha = QDateTime::currentDateTime();
            manifiesto.edicion = objInfoConfig.Aplicacion;
            manifiesto.usuario = objInfoConfig.Usuario;
            quint64 hecho = 0;
            for (const Base& b : bases) {
                // One snapshot at a time, removed once compressed: the
                // destination's disk needs room for the archive and one file.
                const db::TemporaryFile instantanea(destino);
                InstantaneaBD(b.ruta, instantanea.path());
                FicheroCopia f;
                f.rol = b.rol;
                f.nombre = Nombre(b.ruta);
                if (ConVersion(b.rol))
                    f.version = VersionAlmacenada(instantanea.path());
                escritor.Anadir(f, instantanea.path(), progreso.Tramo(hecho));
                hecho += f.tamano;
                manifiesto.ficheros.append(f);
            }
            escritor.Terminar(manifiesto);
        } catch (const ErrorArchivoCopia& error) {
            aviso = Aviso{TextoArchivo(error, destino) + QStringLiteral("\n\nNo se ha guardado ninguna copia.")};
        } catch (const compresor::ErrorCompresion& error) {
            aviso = Aviso{ConDescripcion(paso, error.descripcion())};
        } catch (const vb::VbError& error) {
            if (error.number() == db::err::DiskFull)
                aviso = Aviso{QStringLiteral("¡No queda espacio en el disco para la copia de seguridad '%1'! Libere "
                                             "espacio o elija otra carpeta.\n\nNo se ha guardado ninguna copia.")
                                  .arg(destino)};
            else
                aviso = Aviso{ConDescripcion(paso, error.description())};
        }
    }
    if (aviso) {
        Avisar(aviso->texto);
        return;
    }
    ui::MsgBox(QStringLiteral("La copia de seguridad se ha guardado en '%1'.").arg(destino),
               ui::vbOKOnly + ui::vbInformation);
}

// ---------------------------------------------------------------- restore

namespace {

// One database of the list that the archive holds, on its way back.
struct Recuperacion {
    Base base;
    FicheroCopia fichero;
    std::unique_ptr<QTemporaryDir> carpeta;
    QString extraida; // beside the live file, under the same name
    QString version;
    QString cadena;   // the connection's string, to open it again
};

// Brings restored databases of an older version to the current one through
// the upgrade, on the extracted copies. Returns the refusal, if any.
std::optional<Aviso> Actualizar(std::vector<Recuperacion>& plan, long edicion, PVAPI::cDuzediv& servicio,
                                const QString& archivo)
{
    Recuperacion* parroquia = nullptr;
    Recuperacion* contabilidad = nullptr;
    for (Recuperacion& r : plan) {
        if (r.base.rol == rol::Parroquia)
            parroquia = &r;
        else if (r.base.rol == rol::Contabilidad)
            contabilidad = &r;
    }
    const auto antigua = [](const Recuperacion* r) {
        return r && !r->version.isEmpty() && CompararVersiones(r->version, VersionActual(r->base.rol)) < 0;
    };
    if (!antigua(parroquia) && !antigua(contabilidad))
        return std::nullopt;

    bool fallo = false;
    OpcionesActualizacion opciones;
    opciones.edicion = edicion;
    opciones.servicio = &servicio;
    opciones.terminarPrograma = [&fallo] { fallo = true; };
    {
        std::optional<db::Connection> conParroquia;
        std::optional<db::Connection> conContabilidad;
        if (parroquia)
            conParroquia.emplace(AbrirCopia(parroquia->extraida, *parroquia->base.conexion->ConexionBD));
        if (contabilidad)
            conContabilidad.emplace(AbrirCopia(contabilidad->extraida, *contabilidad->base.conexion->ConexionBD));
        if (antigua(parroquia))
            cActBDDuzediv(*conParroquia, conContabilidad ? &*conContabilidad : nullptr, opciones).ComprobarVersionBD();
        if (!fallo && conContabilidad)
            cActBDContab(*conContabilidad, opciones).ComprobarVersionBD();
    }
    for (Recuperacion* r : {parroquia, contabilidad}) {
        if (!r)
            continue;
        const QString antes = r->version;
        r->version = VersionAlmacenada(r->extraida);
        if (fallo || (!antes.isEmpty() && r->version != VersionActual(r->base.rol)))
            return Aviso{QStringLiteral("¡La base de datos '%1' de la copia de seguridad '%2' está en la versión %3 y "
                                        "este programa no ha podido actualizarla a la versión %4!")
                             .arg(r->fichero.nombre, archivo, antes, VersionActual(r->base.rol))};
    }
    return std::nullopt;
}

// Puts the extracted files in the place of the live ones, each in one step;
// the live ones stay beside them until every swap is done. A failed swap
// undoes those before it.
void Intercambiar(std::vector<Recuperacion>& plan)
{
    std::vector<Recuperacion*> hechos;
    try {
        for (Recuperacion& r : plan) {
            // A journal beside the live file would be applied to the restored
            // one at its next opening.
            if (QFileInfo::exists(r.base.ruta + QStringLiteral("-journal")))
                db::Raise(db::err::Busy, r.base.ruta);
            IntercambiarFicheros(r.extraida, r.base.ruta);
            hechos.push_back(&r);
        }
    } catch (...) {
        for (auto it = hechos.rbegin(); it != hechos.rend(); ++it) {
            try {
                IntercambiarFicheros((*it)->extraida, (*it)->base.ruta);
            } catch (const vb::VbError& error) {
                qWarning().noquote() << "No se ha podido deshacer la sustitución de" << (*it)->base.ruta << ":"
                                     << error.description() << "; los datos anteriores están en" << (*it)->extraida;
                (*it)->carpeta->setAutoRemove(false);
            }
        }
        throw;
    }
}

} // namespace

void cMantenimientoBD::RestaurarCopiaSeg(ColeccionConexiones& colConexiones, QStringList& ficheros,
                                         std::shared_ptr<compresor::ZlibTool>& zltCompresor,
                                         PVAPI::cInfoConfiguracion& objInfoConfig)
{
    Q_UNUSED(ficheros);
    Q_UNUSED(objInfoConfig);
    if (!zltCompresor)
        zltCompresor = std::make_shared<compresor::ZlibTool>();
    const QString paso = QStringLiteral("¡No se ha podido recuperar la copia de seguridad!");

    QList<Base> bases;
    try {
        bases = BasesDeConexiones(colConexiones);
    } catch (const vb::VbError& error) {
        Avisar(ConDescripcion(paso, error.description()));
        return;
    }
    const QString archivo = Dialogos().ArchivoCopiaExistente(os::JoinPath(os::AppPath(), QStringLiteral("CopiasBD")));
    if (archivo.isEmpty())
        return;

    std::optional<LectorArchivoCopia> lector;
    try {
        lector.emplace(archivo, *zltCompresor);
    } catch (const ErrorArchivoCopia& error) {
        Avisar(TextoArchivo(error, archivo) + QStringLiteral("\n\n") + kNoModificados);
        return;
    }
    const ManifiestoCopia& manifiesto = lector->Manifiesto();
    std::vector<Recuperacion> plan;
    QStringList descripciones;
    for (const Base& b : bases) {
        if (const FicheroCopia* f = manifiesto.Buscar(b.rol)) {
            plan.push_back({b, *f, nullptr, {}, {}, {}});
            descripciones << b.descripcion;
        }
    }
    if (!manifiesto.Buscar(rol::Parroquia)) {
        Avisar(QStringLiteral("¡La copia de seguridad '%1' no contiene los datos de DUZEDIV!\n\n").arg(archivo)
               + kNoModificados);
        return;
    }
    const QString fecha = manifiesto.fecha.isValid() ? manifiesto.fecha.toString(QStringLiteral("dd/MM/yyyy HH:mm"))
                                                     : QStringLiteral("(sin fecha)");
    if (ui::MsgBox(QStringLiteral("¿Desea recuperar la copia de seguridad del %1?\n\nSe sustituirán los datos "
                                  "actuales (%2) por los de la copia.")
                       .arg(fecha, descripciones.join(QStringLiteral(", "))),
                   ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2)
        != ui::vbYes)
        return;

    Liberacion liberacion;
    if (!AccesoExclusivo(bases, liberacion, [this] { return NuevoAcceso(); })) {
        Avisar(kSinAccesoExclusivo);
        return;
    }

    std::optional<Aviso> aviso;
    bool cerradas = false;
    QStringList sinAbrir;
    {
        ui::HourglassGuard reloj;
        quint64 total = 0;
        for (const Recuperacion& r : plan)
            total += r.fichero.tamano;
        Progreso progreso(m_servicio, kTituloRestaurar, total);
        try {
            quint64 hecho = 0;
            for (Recuperacion& r : plan) {
                // Extracted beside the live file, so that the swap is a rename
                // inside one file system.
                r.carpeta = std::make_unique<QTemporaryDir>(os::JoinPath(CarpetaDe(r.base.ruta),
                                                                         QStringLiteral(".restauracion-XXXXXX")));
                if (!r.carpeta->isValid())
                    db::Raise(db::err::NoWriteAccess, CarpetaDe(r.base.ruta));
                r.extraida = r.carpeta->filePath(Nombre(r.base.ruta));
                lector->Extraer(r.fichero, r.extraida, progreso.Tramo(hecho));
                hecho += r.fichero.tamano;
                if (db::ExamineDatabaseFile(r.extraida) != db::DatabaseFileProblem::None)
                    throw Aviso{QStringLiteral("¡La base de datos '%1' de la copia de seguridad '%2' no es una base de "
                                               "datos de este programa!")
                                    .arg(r.fichero.nombre, archivo)};
                const QString problema = ProblemaIntegridad(r.extraida);
                if (!problema.isEmpty())
                    throw Aviso{ConDescripcion(QStringLiteral("¡La base de datos '%1' de la copia de seguridad '%2' "
                                                              "está dañada!")
                                                   .arg(r.fichero.nombre, archivo),
                                               problema)};
                // A file the program could not open afterwards (another
                // password) is never put in place.
                try {
                    AbrirCopia(r.extraida, *r.base.conexion->ConexionBD).Close();
                } catch (const vb::VbError& error) {
                    throw Aviso{ConDescripcion(QStringLiteral("¡La base de datos '%1' de la copia de seguridad '%2' no "
                                                              "se puede abrir con la contraseña de este programa!")
                                                   .arg(r.fichero.nombre, archivo),
                                               error.description())};
                }
                if (ConVersion(r.base.rol)) {
                    r.version = VersionAlmacenada(r.extraida);
                    if (!r.version.isEmpty() && CompararVersiones(r.version, VersionActual(r.base.rol)) > 0)
                        throw Aviso{QStringLiteral("¡La base de datos '%1' de la copia de seguridad '%2' está en la "
                                                   "versión %3, más moderna que la %4 de este programa! Recupérela "
                                                   "con una versión más moderna del programa.")
                                        .arg(r.fichero.nombre, archivo, r.version, VersionActual(r.base.rol))};
                }
            }
            if (std::optional<Aviso> rechazo = Actualizar(plan, m_opciones.edicion, m_servicio, archivo))
                throw *rechazo;

            for (Recuperacion& r : plan) {
                r.cadena = r.base.conexion->ConexionBD->ConnectionString();
                r.base.conexion->ConexionBD->Close();
            }
            cerradas = true;
            Intercambiar(plan);
            for (Recuperacion& r : plan)
                r.base.conexion->RecuperadaCopiaSeg = true;
        } catch (const Aviso& rechazo) {
            aviso = rechazo;
        } catch (const ErrorArchivoCopia& error) {
            aviso = Aviso{TextoArchivo(error, archivo)};
        } catch (const vb::VbError& error) {
            aviso = Aviso{error.number() == db::err::DiskFull
                              ? QStringLiteral("¡No queda espacio en el disco para extraer la copia de seguridad!")
                              : ConDescripcion(paso, error.description())};
        }
        if (cerradas) {
            for (Recuperacion& r : plan) {
                try {
                    r.base.conexion->ConexionBD->Open(r.cadena);
                } catch (const vb::VbError& error) {
                    sinAbrir << ConDescripcion(r.base.ruta, error.description());
                }
            }
        }
    }
    if (aviso) {
        Avisar(aviso->texto + QStringLiteral("\n\n") + kNoModificados);
        return;
    }
    if (!sinAbrir.isEmpty()) {
        Avisar(QStringLiteral("¡La copia de seguridad se ha recuperado, pero no se ha podido abrir de nuevo la base de "
                              "datos! Cierre el programa y vuelva a abrirlo.\n")
               + sinAbrir.join(QLatin1Char('\n')));
        return;
    }
    ui::MsgBox(QStringLiteral("La copia de seguridad se ha recuperado correctamente."), ui::vbOKOnly + ui::vbInformation);
}

// ---------------------------------------------------------------- repair

void cMantenimientoBD::CompactarRepararBD(ColeccionConexiones& colConexiones, PVAPI::cInfoConfiguracion& objInfoConfig)
{
    Q_UNUSED(objInfoConfig);
    const QString paso = QStringLiteral("¡No se ha podido reparar la base de datos!");
    QList<Base> bases;
    try {
        bases = BasesDeConexiones(colConexiones);
    } catch (const vb::VbError& error) {
        Avisar(ConDescripcion(paso, error.description()));
        return;
    }
    if (bases.isEmpty())
        return;

    Liberacion liberacion;
    if (!AccesoExclusivo(bases, liberacion, [this] { return NuevoAcceso(); })) {
        Avisar(kSinAccesoExclusivo);
        return;
    }

    std::optional<Aviso> aviso;
    {
        ui::HourglassGuard reloj;
        // Two rounds per database: the check, then the compaction.
        Progreso progreso(m_servicio, kTituloReparar, quint64(bases.size()) * 2);
        quint64 hecho = 0;
        // Every database is checked before any is touched: a damaged one
        // stops the whole repair, so the files stay as they were together.
        for (const Base& b : bases) {
            const QString problema = ProblemaIntegridad(*b.conexion->ConexionBD);
            progreso.Hecho(++hecho);
            if (!problema.isEmpty()) {
                aviso = Aviso{ConDescripcion(QStringLiteral("¡La base de datos '%1' (%2) está dañada y no se puede "
                                                            "reparar compactándola!")
                                                 .arg(b.ruta, b.descripcion),
                                             problema)
                              + QStringLiteral("\n\n") + kNoModificados
                              + QStringLiteral(" Recupere una copia de seguridad.")};
                break;
            }
        }
        for (qsizetype i = 0; !aviso && i < bases.size(); ++i) {
            const Base& b = bases.at(i);
            db::Connection& con = *b.conexion->ConexionBD;
            const QString cadena = con.ConnectionString();
            con.Close();
            try {
                // A verified compacted copy takes the live file's name in one
                // step; until then the live file is untouched.
                db::CompactInPlace(cadena);
            } catch (const vb::VbError& error) {
                aviso = Aviso{ConDescripcion(QStringLiteral("¡No se ha podido compactar la base de datos '%1' (%2)!")
                                                 .arg(b.ruta, b.descripcion),
                                             error.description())
                              + QStringLiteral("\n\nEsta base de datos no se ha modificado.")};
            }
            try {
                con.Open(cadena);
            } catch (const vb::VbError& error) {
                aviso = Aviso{ConDescripcion(QStringLiteral("¡No se ha podido abrir de nuevo la base de datos '%1'! "
                                                            "Cierre el programa y vuelva a abrirlo.")
                                                 .arg(b.ruta),
                                             error.description())};
            }
            progreso.Hecho(++hecho);
        }
    }
    if (aviso) {
        Avisar(aviso->texto);
        return;
    }
    ui::MsgBox(QStringLiteral("Las bases de datos se han reparado y compactado correctamente."),
               ui::vbOKOnly + ui::vbInformation);
}

// ---------------------------------------------------------------- towns

namespace {

QString NombreMunicipio(db::Connection& con, qint32 id)
{
    db::Recordset rs = con.Query(QStringLiteral("SELECT m.Nombre, p.Nombre FROM Municipio AS m LEFT JOIN Provincia AS p "
                                                "ON p.IDProvincia = m.CodProvincia WHERE m.IDMunicipio = ?"),
                                 {id});
    if (rs.RecordCount() == 0)
        return {};
    const QString municipio = rs.value(0).toString();
    const QString provincia = rs.value(1).toString();
    return provincia.isEmpty() ? municipio : QStringLiteral("%1 (%2)").arg(municipio, provincia);
}

} // namespace

void cMantenimientoBD::CambiarMunicipios(db::Connection& conLocal)
{
    const qint64 municipios = conLocal.Execute(QStringLiteral("SELECT Count(*) FROM Municipio")).value(0).toInt64();
    if (municipios < 2) {
        Avisar(QStringLiteral("¡Hacen falta al menos dos municipios para sustituir uno por otro!"));
        return;
    }
    const std::optional<IDialogosMantenimiento::EleccionMunicipios> eleccion = Dialogos().ElegirMunicipios(conLocal);
    if (!eleccion)
        return;
    if (eleccion->origen == eleccion->destino) {
        Avisar(QStringLiteral("¡Debe elegir dos municipios distintos!"));
        return;
    }
    const QString origen = NombreMunicipio(conLocal, eleccion->origen);
    const QString destino = NombreMunicipio(conLocal, eleccion->destino);
    const QString noExiste = QStringLiteral("¡Uno de los municipios elegidos ya no existe! Otro usuario lo ha "
                                            "eliminado. No se ha cambiado nada.");
    if (origen.isEmpty() || destino.isEmpty()) {
        Avisar(noExiste);
        return;
    }
    if (ui::MsgBox(QStringLiteral("¿Desea sustituir el municipio '%1' por '%2' en todos los datos?\n\nEl municipio "
                                  "'%1' se eliminará.")
                       .arg(origen, destino),
                   ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2)
        != ui::vbYes)
        return;

    // Every table that refers to a town, whole: nobody may write a reference
    // to the town that goes while it goes.
    PVAPI::cProcesarBloqueos bloqueos;
    bloqueos.Inicializar(CarpetaDe(FicheroDeConexion(conLocal)) + QLatin1Char('/'));
    QStringList tablas = TablasConMunicipio(conLocal);
    tablas << QStringLiteral("Municipio");
    for (const QString& tabla : tablas)
        bloqueos.DefinirBloqueo(tabla, true);
    if (bloqueos.lngEfectuarBloqueos() != PVAPI::cProcesarBloqueos::BloqueoConcedido) {
        Avisar(QStringLiteral("¡Otro usuario está modificando datos con municipios! Inténtelo más tarde."));
        return;
    }
    qint64 cambiadas = 0;
    bool existian = true;
    {
        ui::HourglassGuard reloj;
        try {
            cambiadas = FusionarMunicipios(conLocal, eleccion->origen, eleccion->destino);
        } catch (const vb::VbError& error) {
            if (error.number() != vb::ErrInvalidCall)
                throw;
            existian = false;
        }
    }
    bloqueos.LiberarBloqueos();
    if (!existian) {
        Avisar(noExiste);
        return;
    }
    ui::MsgBox(QStringLiteral("Se ha sustituido el municipio '%1' por '%2' en %3 registros y se ha eliminado '%1'.")
                   .arg(origen, destino)
                   .arg(cambiadas),
               ui::vbOKOnly + ui::vbInformation);
}
