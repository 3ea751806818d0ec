#include "startup/AperturaBasesDatos.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cCPassword.h"
#include "platform/locks/LockErrors.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/vb/VbError.h"
#include "startup/App.h"
#include "startup/EnlaceDatos.h"
#include "startup/TerminacionInmediata.h"
#include "core/cConfiguracion.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>
#include <exception>
#include <utility>

#include <unistd.h>

namespace {

struct BaseDatos {
    const char* enlace;            // data-link file in the program folder
    const char* archivoRequerido;  // the data source's file name, upper case
    const char* mensajePassword;
    const char* textoEnlace;
    const char* nombre;            // as listed in the missing-databases message
};

const BaseDatos kBases[] = {
    {"duzediv.udl", "DUZEDIV.MDB", "¡La contraseña de la base de datos 'Duzediv.mdb' no es válida!",
     " del fichero duzediv.udl!", "Duzediv.mdb"},
    {"informes.udl", "INFORMES.MDB", "¡La contraseña de la base de datos 'Informes.mdb' no es válida!",
     " del fichero informes.udl!", "Informes.mdb"},
    {"Contabilidad.udl", "CONTABILIDAD.MDB", "¡La contraseña de la base de datos 'Contabilidad.mdb' no es válida!",
     " del fichero contabilidad.udl!", "Contabilidad.mdb"},
};

constexpr int kDuzediv = frmMensaje::kDuzediv;
constexpr int kInformes = frmMensaje::kInformes;
constexpr int kContabilidad = frmMensaje::kContabilidad;
constexpr int kAyudaBasesDatos = 25;
constexpr long kErrObjetoNoEstablecido = 91;

QString Texto(const char* utf8) { return QString::fromUtf8(utf8); }

QString CarpetaConSeparador(const QString& ruta)
{
    const qsizetype separador = std::max(ruta.lastIndexOf(QLatin1Char('/')), ruta.lastIndexOf(QLatin1Char('\\')));
    return ruta.left(separador + 1);
}

// The file a resolved data source names, as it is on disk ("" when there is
// none).
QString ArchivoExistente(const QString& ruta)
{
    const QString encontrado = os::FindFileCaseInsensitive(os::FolderOf(ruta), os::FileNameOf(ruta));
    return QFileInfo(encontrado).isFile() ? encontrado : QString();
}

// The one message about a database file that cannot be a database of the
// program: what is wrong, where the file is, and the way out.
QString TextoArchivoNoValido(const BaseDatos& base, const QString& archivo, db::DatabaseFileProblem problema)
{
    const QString nombre = Texto(base.nombre);
    QString causa;
    switch (problema) {
    case db::DatabaseFileProblem::Empty:
        causa = QStringLiteral("¡El archivo de la base de datos '%1' está vacío!").arg(nombre);
        break;
    case db::DatabaseFileProblem::Foreign:
        causa = QStringLiteral("¡El archivo '%1' no es una base de datos de la aplicación!").arg(nombre);
        break;
    default:
        causa = QStringLiteral("¡El archivo de la base de datos '%1' está dañado!").arg(nombre);
        break;
    }
    return causa + QStringLiteral("\r\n\r\nArchivo: ") + archivo
           + QStringLiteral("\r\n\r\nLa aplicación no podrá continuar. Restaure una copia de seguridad de la "
                            "base de datos en ese archivo y vuelva a iniciar la aplicación.");
}

// The file's password is not the program's, or it has none: it is no
// database of this installation, whatever its name.
QString TextoPasswordNoValido(const BaseDatos& base, const QString& archivo)
{
    return Texto(base.mensajePassword) + QStringLiteral("\r\n\r\nArchivo: ") + archivo
           + QStringLiteral("\r\n\r\nEse archivo está protegido con otra contraseña, o con ninguna: no es la base "
                            "de datos de esta instalación. Pulse \"Aceptar\" para enlazar la base de datos correcta, "
                            "o \"Cancelar\" para salir de la aplicación.");
}

bool SePuedeEscribir(const QString& ruta)
{
    return ::access(QFile::encodeName(ruta).constData(), W_OK) == 0;
}

// "" when the program may write the file and the folder that holds it (its
// journal and, beside the parish database, the locks shared with other
// workstations go there); otherwise the message that says which may not be
// written and what the user can do.
QString TextoSinEscritura(const BaseDatos& base, const QString& archivo)
{
    const QString carpeta = QFileInfo(archivo).absolutePath();
    const QString salida = QStringLiteral("La aplicación no podrá continuar. ");
    if (!SePuedeEscribir(carpeta))
        return QStringLiteral("¡La carpeta '%1' es de sólo lectura!").arg(carpeta)
               + QStringLiteral("\r\n\r\nLa base de datos '%1' está en esa carpeta, y la aplicación necesita "
                                "escribir en ella para guardar los cambios y para saber qué otros puestos de "
                                "trabajo usan los datos.")
                     .arg(Texto(base.nombre))
               + QStringLiteral("\r\n\r\n") + salida
               + QStringLiteral("Pida permiso de escritura en esa carpeta al administrador del equipo, o copie los "
                                "datos a una carpeta en la que pueda escribir, y vuelva a iniciar la aplicación.");
    if (!SePuedeEscribir(archivo))
        return QStringLiteral("¡El archivo de la base de datos '%1' es de sólo lectura!").arg(Texto(base.nombre))
               + QStringLiteral("\r\n\r\nArchivo: ") + archivo + QStringLiteral("\r\n\r\n") + salida
               + QStringLiteral("Quite el atributo de sólo lectura del archivo o pida permiso de escritura al "
                                "administrador del equipo, y vuelva a iniciar la aplicación.");
    return {};
}

void VerErrorCarga(const App& app)
{
    app.gobjDuzediv->VerError(QStringLiteral("Form_Load"), QStringLiteral("frmSplash"),
                              QStringLiteral("NorviaParvanta2000"));
}

} // namespace

const QString AperturaBasesDatos::kAvisoBloqueoEntrada = QStringLiteral(
    "¡No es posible iniciar la aplicación en este momento!\r\n\r\n"
    "Desde otro equipo se está realizando una operación que necesita el uso exclusivo "
    "de la base de datos. Inténtelo más tarde.");

AperturaBasesDatos::AperturaBasesDatos(App& app, frmMensaje::EjecutarDialogo ejecutarDialogo)
    : m_app(app),
      m_ejecutarDialogo(std::move(ejecutarDialogo))
{
}

QString AperturaBasesDatos::CadenaApertura(const QString& cadenaConexion, const QString& password)
{
    QString cadena = cadenaConexion.trimmed();
    if (!cadena.isEmpty() && !cadena.endsWith(QLatin1Char(';')))
        cadena += QLatin1Char(';');
    return cadena + db::ConnectionString::kPassword + QLatin1Char('=') + db::ConnectionString::quoted(password);
}

bool AperturaBasesDatos::Interviene(int indice) const
{
    return indice != kContabilidad || m_app.gobjInfoConfig->ContabilidadDLL;
}

db::Connection& AperturaBasesDatos::Conexion(int indice)
{
    switch (indice) {
    case kDuzediv:
        return m_app.den.conLocal;
    case kInformes:
        return m_app.den.conInformes;
    default:
        return m_app.den.conContabilidad;
    }
}

AperturaBasesDatos::Resultado AperturaBasesDatos::Ejecutar()
{
    Resultado resultado{true, false};
    for (;;) {
        if (resultado.salir) {
            resultado.ok = false;
            return resultado;
        }
        std::array<bool, 3> rechazada{};
        for (int i = 0; i < 3; ++i) {
            if (!Interviene(i) || m_abierta[i])
                continue;
            const Apertura apertura = AbrirBase(i);
            if (apertura == Apertura::FinCarga) {
                resultado.ok = false;
                return resultado;
            }
            m_abierta[i] = apertura == Apertura::Abierta;
            rechazada[i] = apertura == Apertura::Rechazada;
        }

        std::array<bool, 3> falta{};
        bool alguna = false;
        QString lista;
        for (int i = 0; i < 3; ++i) {
            falta[i] = Interviene(i) && !m_abierta[i];
            alguna = alguna || falta[i];
            // A database refused for its password was found: the user has
            // been told so, and it is never called missing.
            if (falta[i] && !rechazada[i])
                lista += QLatin1Char('\r') + Texto(kBases[i].nombre);
        }
        if (!alguna)
            return resultado;

        int respuesta = ui::vbOK;
        if (!lista.isEmpty()) {
            ui::Beep();
            respuesta =
                ui::MsgBox(QStringLiteral("No se pudieron encontrar las bases de datos corporativas de:") + lista,
                           ui::vbOKCancel + ui::vbExclamation + ui::vbMsgBoxHelpButton, App::Title(),
                           os::AppFile(QStringLiteral("Duzediv.html")), kAyudaBasesDatos);
        }
        if (respuesta == ui::vbCancel) {
            resultado.ok = false;
            return resultado;
        }
        if (respuesta == ui::vbOK) {
            frmMensaje mensaje(*m_app.gobjInfoConfig, m_ejecutarDialogo);
            for (int i = 0; i < 3; ++i)
                mensaje.cmdMensaje(i)->setEnabled(falta[i]);
            // Otherwise a missing reports database could never be re-linked.
            mensaje.MostrarMarcoInformes(falta[kInformes]);
            m_ejecutarDialogo(mensaje);
            resultado.salir = mensaje.mblnSalir;
        }
    }
}

AperturaBasesDatos::Apertura AperturaBasesDatos::AbrirBase(int indice)
{
    const BaseDatos& base = kBases[indice];
    vb::Err().Clear();

    const QString cadena = cConfiguracion::getConnectionString(os::JoinPath(App::Path(), Texto(base.enlace)));
    const QString origen = cConfiguracion::ObtenerOrigenDatos(cadena);
    if (cadena.isEmpty() || origen.isEmpty())
        return Apertura::NoAbierta;
    const QString archivo = ArchivoExistente(cConfiguracion::RutaOrigenDatos(origen, App::Path()));
    if (archivo.isEmpty() || os::FileNameOf(archivo).toUpper() != Texto(base.archivoRequerido))
        return Apertura::NoAbierta;

    if (!ComprobarArchivo(indice, archivo) || !ComprobarEscritura(indice, archivo))
        return Apertura::FinCarga;
    if (!ComprobarPasswordBD(archivo))
        return AvisarPasswordNoValido(indice, archivo) ? Apertura::Rechazada : Apertura::FinCarga;

    db::Connection& conexion = Conexion(indice);
    bool error = false;
    try {
        // The link's string with its data source resolved, so the connection
        // (and the upgrade's backups, the locks) name the file itself.
        conexion.Open(CadenaApertura(EnlaceDatos::ConOrigenDatos(cadena, archivo), Password(indice)));
    } catch (const vb::VbError& fallo) {
        if (fallo.number() == db::err::InvalidPassword)
            return AvisarPasswordNoValido(indice, archivo) ? Apertura::Rechazada : Apertura::FinCarga;
        vb::Err().SetFromException(std::current_exception());
        VerErrorCarga(m_app);
        // The file is there: another workstation the user chose not to wait
        // for, a full disk or a folder that may not be written is no missing
        // database, and the warning just shown said what to do.
        if (db::err::IsConditionOfTheComputer(fallo.number()))
            return Apertura::FinCarga;
        error = true;
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        VerErrorCarga(m_app);
        error = true;
    }
    if (!TieneOrigenDatos(conexion)) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡No se encontró la propiedad source") + Texto(base.textoEnlace) + QLatin1Char('\t')
                       + QStringLiteral("Tipo: ") + vb::Err().Description,
                   ui::vbOKOnly + ui::vbExclamation, App::Title());
        return Apertura::FinCarga;
    }
    return error ? Apertura::NoAbierta : Apertura::Abierta;
}

bool AperturaBasesDatos::AvisarPasswordNoValido(int indice, const QString& archivo)
{
    vb::Err().Clear();
    ui::Beep();
    const int respuesta = ui::MsgBox(TextoPasswordNoValido(kBases[indice], archivo),
                                     ui::vbOKCancel + ui::vbExclamation, App::Title());
    return respuesta != ui::vbCancel;
}

bool AperturaBasesDatos::ComprobarEscritura(int indice, const QString& archivo)
{
    const QString texto = TextoSinEscritura(kBases[indice], archivo);
    if (texto.isEmpty())
        return true;
    ui::Beep();
    ui::MsgBox(texto, ui::vbOKOnly + ui::vbExclamation, App::Title());
    return false;
}

bool AperturaBasesDatos::ComprobarArchivo(int indice, const QString& archivo)
{
    const db::DatabaseFileProblem problema = db::ExamineDatabaseFile(archivo);
    if (problema == db::DatabaseFileProblem::None)
        return true;
    ui::Beep();
    ui::MsgBox(TextoArchivoNoValido(kBases[indice], archivo, problema), ui::vbOKOnly + ui::vbExclamation,
               App::Title());
    return false;
}

QString AperturaBasesDatos::Password(int indice)
{
    switch (indice) {
    case kDuzediv:
        return PVAPI::cCPassword::PASSWORD_NORVIAPARVANTA();
    case kInformes:
        return PVAPI::cCPassword::PASSWORD_INFORMES();
    default:
        if (!m_app.gobjContabilidad)
            throw vb::VbError(kErrObjetoNoEstablecido,
                              QStringLiteral("Variable de objeto o bloque With no establecido"));
        return m_app.gobjContabilidad->ObtenerPasswordContabilidad(cConstante().Aplicacion());
    }
}

bool AperturaBasesDatos::TieneOrigenDatos(const db::Connection& conexion) const
{
    return conexion.PropertyNames().contains(QStringLiteral("Data Source"));
}

bool AperturaBasesDatos::ComprobarPasswordBD(const QString& ruta)
{
    vb::Err().Clear();
    db::Connection prueba;
    prueba.setProperty(QStringLiteral("Provider"), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    prueba.setProperty(QStringLiteral("Mode"), QStringLiteral("1"));
    prueba.setProperty(QStringLiteral("Data Source"), ruta);
    prueba.setProperty(QStringLiteral("Jet OLEDB:Database Password"), QString());

    ComprobarBloqueoEntrada(ruta);

    bool rechaza = false;
    try {
        prueba.Open();
    } catch (const vb::VbError&) {
        rechaza = true;
    }
    vb::Err().Clear();
    if (prueba.isOpen())
        prueba.Close();
    return rechaza;
}

void AperturaBasesDatos::ComprobarBloqueoEntrada(const QString& ruta)
{
    if (ruta.right(11).toUpper() != QStringLiteral("DUZEDIV.MDB"))
        return;
    bool ocupada = false;
    try {
        PVAPI::cProcesarBloqueos bloqueos;
        bloqueos.Inicializar(CarpetaConSeparador(ruta));
        ocupada = bloqueos.blnComprobarBloqueoEntradaAplicacion();
    } catch (const vb::VbError& error) {
        // A folder that does not exist has nobody inside; any other failure of
        // the lock service leaves it unknown, which is never "free": an
        // exclusive operation may be under way elsewhere.
        if (error.number() != PVAPI::ErrLockFolderNotFound) {
            ui::Beep();
            ui::MsgBox(error.description(), ui::vbOKOnly + ui::vbExclamation, App::Title());
            throw TerminacionInmediata(0);
        }
    }
    if (!ocupada)
        return;
    ui::Beep();
    ui::MsgBox(kAvisoBloqueoEntrada, ui::vbOKOnly + ui::vbExclamation, App::Title());
    throw TerminacionInmediata(0);
}
