#include "comun/BaseVersionAnterior.h"
#include "support/TempDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The previous version's database is read only when it is one of this
// program's files; an old Jet file or anything else is explained.
TEST(BaseVersionAnterior, DistingueLaBasePropiaDeUnaDeJet)
{
    QTemporaryDir carpeta;
    EXPECT_EQ(ExaminarBaseVersionAnterior(carpeta.path()).tipo, TipoBaseAnterior::NoExiste);
    EXPECT_EQ(ExaminarBaseVersionAnterior(carpeta.path()).Explicacion(),
              QStringLiteral("¡La base de datos de Norvia Parvanta 2000 v1 no se ha encontrado en el directorio "
                             "especificado!"));

    const QString ruta = carpeta.filePath(QStringLiteral("Duzediv.mdb"));
    auto escribir = [&](const QByteArray& bytes) {
        QFile archivo(ruta);
        ASSERT_TRUE(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
        archivo.write(bytes);
    };
    escribir(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(200, '\0'));
    BaseVersionAnterior base = ExaminarBaseVersionAnterior(carpeta.path());
    EXPECT_EQ(base.tipo, TipoBaseAnterior::Jet);
    EXPECT_EQ(base.Explicacion(), QStringLiteral("La base de datos '%1' está guardada en el formato de Microsoft "
                                                 "Access (Jet), que esta versión del programa no puede leer.")
                                      .arg(ruta));
    escribir("texto");
    EXPECT_EQ(ExaminarBaseVersionAnterior(carpeta.path()).tipo, TipoBaseAnterior::Desconocida);

    testsupport::TempDatabase propia(QStringLiteral("DUZEDIV.MDB"));
    base = ExaminarBaseVersionAnterior(propia.folder());
    EXPECT_EQ(base.tipo, TipoBaseAnterior::Propia);
    EXPECT_EQ(base.ruta, propia.path());
    EXPECT_EQ(base.Explicacion(), QString());
}
