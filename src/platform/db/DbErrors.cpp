#include "platform/db/DbErrors.h"

#include "platform/vb/VbError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <sqlite3.h>
#include <unistd.h>

namespace db {
namespace {

const QHash<long, QString>& descriptions()
{
    static const QHash<long, QString> texts = {
        {3001, QStringLiteral("Argumento no válido.")},
        {3283, QStringLiteral("Ya existe una clave principal.")},
        {err::InvalidUseOfNull, QStringLiteral("Uso no válido de Null")},
        {err::NoCurrentRecord, QStringLiteral("BOF o EOF es True, o el actual registro se eliminó; la operación solicitada requiere un registro actual.")},
        {err::DuplicateKey, QStringLiteral("Los cambios solicitados en la tabla no se realizaron correctamente porque crearían valores duplicados en el índice, clave principal o relación. Cambie los datos en el campo o los campos que contienen datos duplicados, quite el índice o vuelva a definirlo para permitir entradas duplicadas e inténtelo de nuevo.")},
        {err::FileNotFound, QStringLiteral("No se pudo encontrar el archivo '%1'.")},
        {err::ReadOnly, QStringLiteral("No se puede actualizar. La base de datos o el objeto es de sólo lectura.")},
        {err::InvalidPassword, QStringLiteral("No es una contraseña válida.")},
        {err::DiskFull, QStringLiteral("No queda espacio en el disco para guardar los cambios en '%1', y no se han "
                                       "guardado. Libere espacio en el disco de la carpeta '%2' (borre los archivos "
                                       "que ya no necesite, por ejemplo copias de seguridad antiguas) y vuelva a "
                                       "intentarlo.")},
        {err::NoWriteAccess, QStringLiteral("No se pueden guardar los cambios en '%1' porque la carpeta '%2' es de "
                                            "sólo lectura. Pida permiso de escritura en esa carpeta al administrador "
                                            "del equipo, o copie los datos a una carpeta en la que pueda escribir, y "
                                            "vuelva a intentarlo.")},
        {err::NoTransaction, QStringLiteral("Intentó confirmar o deshacer una transacción sin antes iniciar una.")},
        {err::DiskError, QStringLiteral("Error de disco o de red.")},
        {err::Busy, QStringLiteral("Otro puesto de trabajo está usando los datos. Inténtelo de nuevo más tarde.")},
        {err::CannotOpen, QStringLiteral("El motor de base de datos no puede abrir el archivo '%1'. Ya está abierto en modo exclusivo por otro usuario o necesita permiso para ver sus datos.")},
        {err::TooFewParameters, QStringLiteral("Pocos parámetros. Se esperaba 1.")},
        {err::SyntaxError, QStringLiteral("Error de sintaxis en la expresión de consulta '%1'.")},
        {err::TableNotFound, QStringLiteral("El motor de base de datos no puede encontrar la tabla o consulta de entrada '%1'. Asegúrese de que existe y que su nombre está escrito correctamente.")},
        {3079, QStringLiteral("El campo especificado '%1' podría hacer referencia a más de una tabla de las enumeradas en la cláusula FROM de la instrucción SQL.")},
        {3085, QStringLiteral("Función '%1' no definida en la expresión.")},
        {err::SyntaxErrorFrom, QStringLiteral("Error de sintaxis en la cláusula FROM.")},
        {err::CharactersAfterEnd, QStringLiteral("Se encontraron caracteres después del final de la instrucción SQL.")},
        {err::FieldTooSmall, QStringLiteral("El campo es demasiado pequeño para aceptar la cantidad de datos que intentó agregar. Intente insertar o pegar menos datos.")},
        {err::AlreadyExists, QStringLiteral("La base de datos ya existe.")},
        {err::Locked, QStringLiteral("No se pudo actualizar; bloqueado actualmente.")},
        {err::ItemNotFound, QStringLiteral("No se encontró el elemento en la colección correspondiente al nombre o al ordinal solicitado.")},
        {err::FieldInIndex, QStringLiteral("No se puede eliminar un campo que forma parte de un índice o que necesitan las relaciones del sistema.")},
        {err::DdlSyntaxError, QStringLiteral("Error de sintaxis en la instrucción CREATE TABLE.")},
        {err::AlterSyntaxError, QStringLiteral("Error de sintaxis en la instrucción ALTER TABLE.")},
        {3314, QStringLiteral("El campo '%1' no puede contener un valor nulo porque la propiedad Requerido para este campo está establecida como True. Escriba un valor en este campo.")},
        {err::NotRecognizedFormat, QStringLiteral("Formato de base de datos '%1' no reconocido.")},
        {err::TableDoesNotExist, QStringLiteral("La tabla '%1' no existe.")},
        {err::FieldAlreadyExists, QStringLiteral("Ya existe un campo llamado '%1' en la tabla '%2'.")},
        {err::TableAlreadyExists, QStringLiteral("La tabla '%1' ya existe.")},
        {err::ConversionError, QStringLiteral("Error de conversión de tipo de datos.")},
        {err::TypeMismatchInCriteria, QStringLiteral("No coinciden los tipos de datos en la expresión de criterios.")},
        {err::ObjectClosed, QStringLiteral("La operación no está permitida si el objeto está cerrado.")},
        {err::ObjectOpen, QStringLiteral("La operación no está permitida si el objeto está abierto.")},
        {err::ConnectionClosed, QStringLiteral("No se puede usar la conexión para realizar esta operación. Está cerrada o no es válida en este contexto.")},
        {err::Unexpected, QStringLiteral("Error del motor de base de datos: %1")},
        {5, QStringLiteral("Llamada a procedimiento o argumento no válido")},
        {6, QStringLiteral("Desbordamiento")},
        {13, QStringLiteral("No coinciden los tipos")},
    };
    return texts;
}

QString fill(QString text, const QString& arg1, const QString& arg2)
{
    text.replace(QLatin1String("%1"), arg1);
    text.replace(QLatin1String("%2"), arg2);
    return text;
}

QString databaseFile(sqlite3* db)
{
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

bool writable(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// SQLite could not write to a connection that was opened for writing: the
// file or its folder (where the journal goes) may not be written on disk. A
// connection opened read-only on purpose keeps Jet's plain read-only error.
[[noreturn]] void raiseReadOnly(sqlite3* db, int extended)
{
    const QString file = databaseFile(db);
    if (!file.isEmpty()) {
        const QFileInfo info(file);
        if (extended == SQLITE_READONLY_DIRECTORY || !writable(info.absolutePath()))
            Raise(err::NoWriteAccess, info.fileName(), info.absolutePath());
        if (!writable(file))
            throw vb::VbError(err::NoWriteAccess,
                              QStringLiteral("No se pueden guardar los cambios porque el archivo '%1' es de sólo "
                                             "lectura. Quite el atributo de sólo lectura del archivo o pida permiso "
                                             "de escritura al administrador del equipo, y vuelva a intentarlo.")
                                  .arg(file),
                              QString::fromUtf16(kEngineSource));
    }
    Raise(err::ReadOnly);
}

[[noreturn]] void raiseDiskFull(sqlite3* db)
{
    const QFileInfo info(databaseFile(db));
    Raise(err::DiskFull, info.fileName(), info.absolutePath());
}

QString captured(const QString& message, const char* pattern)
{
    const QRegularExpression re(QString::fromLatin1(pattern));
    const auto m = re.match(message);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

bool err::IsConditionOfTheComputer(long number)
{
    return number == Busy || number == DiskFull || number == NoWriteAccess;
}

QString Description(long number, const QString& arg1, const QString& arg2)
{
    const auto it = descriptions().constFind(number);
    if (it == descriptions().constEnd())
        return fill(descriptions().value(err::Unexpected), QString::number(number), {});
    return fill(*it, arg1, arg2);
}

void Raise(long number, const QString& arg1, const QString& arg2, const QString& source)
{
    throw vb::VbError(number, Description(number, arg1, arg2), source);
}

void RaiseConnection(long number) { Raise(number, {}, {}, QString::fromUtf16(kConnectionSource)); }

void RaiseRecordset(long number) { Raise(number, {}, {}, QString::fromUtf16(kRecordsetSource)); }

void RaiseSqlite(sqlite3* db, int rc, const QString& context)
{
    const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int extended = db ? sqlite3_extended_errcode(db) : rc;

    // Failures raised by our own SQL functions carry their VB number: "jet:<n>:<text>".
    if (message.startsWith(QLatin1String("jet:"))) {
        const qsizetype colon = message.indexOf(u':', 4);
        const long number = message.mid(4, colon - 4).toLong();
        throw vb::VbError(number, message.mid(colon + 1), QString::fromUtf16(kEngineSource));
    }

    switch (extended) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_ROWID:
        Raise(err::DuplicateKey);
    case SQLITE_CONSTRAINT_CHECK:
        Raise(err::FieldTooSmall);
    case SQLITE_CONSTRAINT_NOTNULL:
        Raise(3314, captured(message, R"(NOT NULL constraint failed: (?:[^.]*\.)?(.*))"));
    default: break;
    }

    switch (rc & 0xFF) {
    case SQLITE_BUSY: Raise(err::Busy);
    case SQLITE_LOCKED: Raise(err::Locked);
    case SQLITE_READONLY: raiseReadOnly(db, extended);
    case SQLITE_FULL: raiseDiskFull(db);
    case SQLITE_IOERR: Raise(err::DiskError);
    case SQLITE_CANTOPEN: Raise(err::CannotOpen, context);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: Raise(err::NotRecognizedFormat, context);
    case SQLITE_MISMATCH: Raise(err::TypeMismatchInCriteria);
    case SQLITE_CONSTRAINT: Raise(err::DuplicateKey);
    default: break;
    }

    if (QString t = captured(message, R"(^no such table: (?:main\.)?(.*)$)"); !t.isEmpty())
        Raise(err::TableNotFound, t);
    if (message.startsWith(QLatin1String("no such column")))
        Raise(err::TooFewParameters);
    if (QString t = captured(message, R"(^ambiguous column name: (.*)$)"); !t.isEmpty())
        Raise(3079, t);
    if (QString t = captured(message, R"(^no such function: (.*)$)"); !t.isEmpty())
        Raise(3085, t);
    if (QString t = captured(message, R"(^table (.*) already exists$)"); !t.isEmpty())
        Raise(err::TableAlreadyExists, t);
    if (message.contains(QLatin1String("syntax error")) || message.startsWith(QLatin1String("near ")))
        Raise(err::SyntaxError, context.isEmpty() ? message : context);
    Raise(err::Unexpected, message);
}

} // namespace db
