#pragma once

#include <QString>

struct sqlite3;

namespace db {

// Error numbers raised by this layer. Engine failures carry the Jet engine's
// numbers; misuse of the connection and recordset objects carries ADO's.
namespace err {
inline constexpr long InvalidUseOfNull = 94;
inline constexpr long NoCurrentRecord = 3021;         // ADO: BOF or EOF
inline constexpr long DuplicateKey = 3022;
inline constexpr long FileNotFound = 3024;
inline constexpr long DiskFull = 3026;              // no room left on the disk that holds the file
inline constexpr long ReadOnly = 3027;
inline constexpr long InvalidPassword = 3031;
inline constexpr long NoWriteAccess = 3033;         // the file, or its folder, may not be written on disk
inline constexpr long NoTransaction = 3034;
inline constexpr long DiskError = 3043;
inline constexpr long Busy = 3045;                  // another workstation holds the file's lock
inline constexpr long CannotOpen = 3051;
inline constexpr long TooFewParameters = 3061;
inline constexpr long SyntaxError = 3075;
inline constexpr long TableNotFound = 3078;
inline constexpr long SyntaxErrorFrom = 3131;
inline constexpr long CharactersAfterEnd = 3142;
inline constexpr long FieldTooSmall = 3163;
inline constexpr long AlreadyExists = 3204;
inline constexpr long Locked = 3218;                // a table this connection itself is using
inline constexpr long ItemNotFound = 3265;            // ADO and Jet
inline constexpr long FieldInIndex = 3280;
inline constexpr long DdlSyntaxError = 3290;
inline constexpr long AlterSyntaxError = 3293;
inline constexpr long NotRecognizedFormat = 3343;
inline constexpr long TableDoesNotExist = 3376;
inline constexpr long FieldAlreadyExists = 3380;
inline constexpr long TableAlreadyExists = 3010;
inline constexpr long ConversionError = 3421;
inline constexpr long TypeMismatchInCriteria = 3464;
inline constexpr long ObjectClosed = 3704;            // ADO
inline constexpr long ObjectOpen = 3705;              // ADO
inline constexpr long ConnectionClosed = 3709;        // ADO
inline constexpr long Unexpected = 3000;

// Conditions of the computer rather than faults of the program: another
// workstation using a file, a full disk, a file or folder that may not be
// written. Their descriptions name the file or folder and say what the user
// can do, so they are shown as they are, as a warning.
bool IsConditionOfTheComputer(long number);
} // namespace err

// Sources reported with the errors.
inline constexpr const char16_t* kEngineSource = u"Motor de base de datos Jet";
inline constexpr const char16_t* kRecordsetSource = u"ADODB.Recordset";
inline constexpr const char16_t* kConnectionSource = u"ADODB.Connection";

// Throws vb::VbError(number, Spanish description with %1/%2 filled, source).
[[noreturn]] void Raise(long number, const QString& arg1 = {}, const QString& arg2 = {},
                        const QString& source = QString::fromUtf16(kEngineSource));

// Misuse of a connection or recordset object, raised with that object as the source.
[[noreturn]] void RaiseConnection(long number);
[[noreturn]] void RaiseRecordset(long number);

// The Spanish description of an error number, %1/%2 filled.
QString Description(long number, const QString& arg1 = {}, const QString& arg2 = {});

// Turns the last SQLite failure on db into the matching Jet error and throws it.
[[noreturn]] void RaiseSqlite(sqlite3* db, int rc, const QString& context = {});

} // namespace db
