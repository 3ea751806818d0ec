#include "core/RegistroComandos.h"

#include "support/ErrorNumber.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ErrorNumberOf;

TEST(RegistroComandos, RunsTheHandlerRegisteredUnderTheName)
{
    RegistroComandos registro;
    QStringList ejecutados;
    registro.Registrar(QStringLiteral("mnuArchivoNuevo"), [&] { ejecutados << "nuevo"; });
    registro.Registrar(QStringLiteral("firstReg"), [&] { ejecutados << "primera"; });
    registro.Ejecutar(QStringLiteral("firstReg"));
    registro.Ejecutar(QStringLiteral("mnuArchivoNuevo"));
    EXPECT_EQ(ejecutados, (QStringList{"primera", "nuevo"}));
}

TEST(RegistroComandos, ReplacingAHandlerKeepsTheNamesPlace)
{
    RegistroComandos registro;
    QString ejecutado;
    for (const char* nombre : {"mnuArchivoNuevo", "mnuArchivoEliminar", "Filtro"})
        registro.Registrar(QString::fromLatin1(nombre), [&ejecutado] { ejecutado = "por defecto"; });
    registro.Registrar(QStringLiteral("mnuArchivoEliminar"), [&ejecutado] { ejecutado = "propio"; });
    registro.Ejecutar(QStringLiteral("mnuArchivoEliminar"));
    EXPECT_EQ(ejecutado, "propio");
    EXPECT_EQ(registro.Nombres(), (QStringList{"mnuArchivoNuevo", "mnuArchivoEliminar", "Filtro"}));
    EXPECT_TRUE(registro.Contiene(QStringLiteral("Filtro")));
}

// A mistyped name must fail where it is used, not connect to nothing.
TEST(RegistroComandos, ANameNeverRegisteredRaisesError5)
{
    RegistroComandos registro;
    registro.Registrar(QStringLiteral("mnuArchivoNuevo"), [] {});
    for (const char* nombre : {"mnuArchivoNuevo_Click", "mnuarchivonuevo", "mnuArchivoNuev", ""})
        EXPECT_EQ(ErrorNumberOf([&] { registro.Ejecutar(QString::fromLatin1(nombre)); }), 5) << nombre;
    EXPECT_FALSE(registro.Contiene(QStringLiteral("mnuarchivonuevo")));
}

TEST(RegistroComandos, AnEmptyNameOrHandlerIsRefused)
{
    RegistroComandos registro;
    EXPECT_EQ(ErrorNumberOf([&] { registro.Registrar(QString(), [] {}); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { registro.Registrar(QStringLiteral("Filtro"), {}); }), 5);
    EXPECT_TRUE(registro.Nombres().isEmpty());
}

TEST(RegistroComandos, WhatAHandlerRaisesReachesTheCaller)
{
    RegistroComandos registro;
    registro.Registrar(QStringLiteral("mnuVerOpciones"), [] { throw vb::VbError(3021, QStringLiteral("Sin registro")); });
    EXPECT_EQ(ErrorNumberOf([&] { registro.Ejecutar(QStringLiteral("mnuVerOpciones")); }), 3021);
}

TEST(RegistroComandos, AHandlerMayReplaceItselfWhileItRuns)
{
    RegistroComandos registro;
    int primera = 0;
    int segunda = 0;
    const QString nombre = QStringLiteral("mnuVerActualizarLista");
    registro.Registrar(nombre, [&, nombre] {
        registro.Registrar(nombre, [&] { ++segunda; });
        ++primera;
    });
    registro.Ejecutar(nombre);
    registro.Ejecutar(nombre);
    EXPECT_EQ(primera, 1);
    EXPECT_EQ(segunda, 1);
}

} // namespace
