#pragma once

#include "core/EstadoPrincipal.h"
#include "core/denDuzediv.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/DobleControlInforme.h"
#include "reports/ContextoInformes.h"
#include "support/TestEnvironment.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>
#include <memory>

// A program folder of the edition with its three databases open, the state
// the main window lends the viewer, and a recording report control (or the
// real engine, when a test asks for it).
class FixtureInformes : public ::testing::Test {
protected:
    explicit FixtureInformes(long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion);
    void SetUp() override;

    ContextoInformes Contexto();

    // Statements that must succeed on "Informes.mdb", and its rows.
    void Informes(const QStringList& sentencias);
    int Filas(const QString& tabla);

    // The messages the user was shown, in order.
    static QStringList Mensajes() { return testsupport::scriptedUi().messageTexts(); }

    long m_edicion;
    std::unique_ptr<TempProgramFolder> m_carpeta;
    denDuzediv m_den;
    PVAPI::cInfoConfiguracion m_config;
    EstadoPrincipal m_estado;
    dobles::DobleControlInforme m_control;
    // When set, prints go to this control instead of the recording one.
    PVAPI::IControlInforme* m_motor = nullptr;
};
