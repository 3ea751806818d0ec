#include "LockTestFolder.h"

#include "platform/locks/LockSession.h"

#include <QDir>
#include <sqlite3.h>

namespace {

constexpr const char* DataSql =
    "CREATE TABLE Empresa(IDEmpresa INTEGER PRIMARY KEY, Nombre TEXT);"
    "INSERT INTO Empresa VALUES(1, 'Parroquia'), (2, 'Cáritas');"
    "CREATE TABLE Padron(IDPadron INTEGER PRIMARY KEY, Nombre TEXT);"
    "INSERT INTO Padron VALUES(1, 'Ana'), (2, 'Luis'), (3, 'Marta');"
    "CREATE TABLE Contab_Enlace_Bancos(codInstitucion INTEGER, CodBanco INTEGER, codSubcuenta INTEGER);"
    "INSERT INTO Contab_Enlace_Bancos VALUES(1, 23, 5), (12, 3, 5);"
    "CREATE TABLE Contab_Enlace_Institucion(CodInstitucion INTEGER, CodEmpresa INTEGER);"
    "INSERT INTO Contab_Enlace_Institucion VALUES(7, NULL);";

} // namespace

LockTestFolder::LockTestFolder()
{
    if (!m_dir.isValid())
        return;
    sqlite3* db = nullptr;
    if (sqlite3_open(dataFile().toUtf8().constData(), &db) == SQLITE_OK)
        m_dataOk = sqlite3_exec(db, DataSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
}

QString LockTestFolder::lockDatabase() const
{
    return QDir(path()).filePath(PVAPI::LockSession::DatabaseFileName);
}
