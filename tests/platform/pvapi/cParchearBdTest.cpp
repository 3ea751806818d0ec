#include "platform/pvapi/cParchearBd.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(cParchearBdTest, SucceedsOnAnOpenDatabaseWithoutChangingIt)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("Duzediv.mdb"));
    db::CreateDatabase(ruta);
    db::Connection conexion;
    conexion.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + ruta);
    conexion.Execute(QStringLiteral("CREATE TABLE Bautismo (IDBautismo LONG, Padrino TEXT(120))"));
    conexion.Execute(QStringLiteral("INSERT INTO Bautismo VALUES (1, 'Juan')"));

    conexion.BeginTrans();
    EXPECT_TRUE(PVAPI::cParchearBd().blnCorregirProblemasBautismo(conexion));
    conexion.CommitTrans();
    EXPECT_EQ(conexion.Execute(QStringLiteral("SELECT Padrino FROM Bautismo")).value(0).toString(),
              QStringLiteral("Juan"));
}

TEST(cParchearBdTest, FailsOnAClosedConnection)
{
    db::Connection cerrada;
    EXPECT_FALSE(PVAPI::cParchearBd().blnCorregirProblemasBautismo(cerrada));
}

} // namespace
