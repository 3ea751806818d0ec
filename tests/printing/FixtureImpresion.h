#pragma once

#include "addin_doubles/MockGestPar.h"
#include "core/denDuzediv.h"
#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/report/DobleControlInforme.h"
#include "printing/ContextoImpresion.h"
#include "support/TestEnvironment.h"

#include <QString>
#include <QStringList>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

// The recording control, which also notes the main window's state at each
// print.
class ControlGrabador : public dobles::DobleControlInforme {
public:
    std::function<void()> alImprimir;
    void PrintReport() override
    {
        if (alImprimir)
            alImprimir();
        DobleControlInforme::PrintReport();
    }
};

// A program folder with its databases open, the shared configuration, a
// recording report control, the parish add-in as a gmock mock and the main
// window's enabled state as a list of the values set.
class FixtureImpresion : public ::testing::Test {
protected:
    void SetUp() override;

    ContextoImpresion Contexto();

    // Statements on "Informes.mdb" / "Duzediv.mdb" that must succeed.
    void Informes(const QStringList& sentencias);
    void Local(const QStringList& sentencias);
    int Filas(const QString& tabla);
    // Rows of every sacrament's work tables together.
    int FilasDocumentos();

    // The user's margin settings of section "Documentos".
    void GuardarMargen(const QString& clave, const QString& valor);
    QString LeerMargen(const QString& clave);

    static QStringList Mensajes() { return testsupport::scriptedUi().messageTexts(); }

    std::unique_ptr<TempProgramFolder> m_carpeta;
    denDuzediv m_den;
    PVAPI::cInfoConfiguracion m_config;
    PVAPI::cDuzediv m_duzediv{QStringLiteral("Norvia Parvanta 2000")};
    ControlGrabador m_control;
    ::testing::NiceMock<dobles::MockGestPar> m_gestPar;
    // Every value given to the main window's `Enabled`, and its state.
    QList<bool> m_habilitar;
    bool m_habilitada = true;
    // The window's state when each print ran.
    QList<bool> m_habilitadaAlImprimir;
    // When set, prints go to this control (the real engine).
    PVAPI::IControlInforme* m_motor = nullptr;
};
