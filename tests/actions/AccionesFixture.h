#pragma once

#include "MockRegistrosDuzediv.h"
#include "TempProgramFolder.h"
#include "VentanaAccionesFalsa.h"

#include "actions/cIActionMenus.h"
#include "addin_doubles/MockBancos.h"
#include "addin_doubles/MockContabilidad.h"
#include "addin_doubles/MockGestPar.h"
#include "addin_doubles/MockMensajeria.h"
#include "addin_doubles/MockVodidazaz.h"
#include "startup/App.h"
#include "support/ScriptedUi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

// The program's shared objects as the start-up leaves them, over a fresh
// program folder: the three connections open, every add-in object made by
// its class name as a strict gmock mock (a call nobody expects fails the
// test), the service object with mock record dialogs; the main window as
// the actions see it, with company 12 selected; the actions made for it.
class AccionesTest : public ::testing::Test {
public:
    AccionesTest();
    ~AccionesTest() override;

    static testsupport::ScriptedUi& pantalla();
    // True when something took a lock in the program folder (the locking
    // service keeps its file beside the data).
    bool HayArchivoBloqueos() const;

    TempProgramFolder carpeta;
    App app;
    VentanaAccionesFalsa ventana;
    ::testing::StrictMock<dobles::MockGestPar>* gestPar = nullptr;
    ::testing::StrictMock<dobles::MockVodidazaz>* vodidazaz = nullptr;
    ::testing::StrictMock<dobles::MockBancos>* bancos = nullptr;
    ::testing::StrictMock<dobles::MockMensajeria>* mensajeria = nullptr;
    ::testing::StrictMock<dobles::MockContabilidad>* contabilidad = nullptr;
    ::testing::StrictMock<MockRegistrosDuzediv>* registros = nullptr;
    cIActionMenus acciones{app, &ventana};

    // The command's arguments, the caller's variables.
    QString strTextDescription = QStringLiteral("LibrosBautismo");
    qint32 lngID = 57;
    static constexpr qint32 kEmpresaSeleccionada = 12;
};
