#pragma once

#include "TempProgramFolder.h"

#include "addin_doubles/MockGestPar.h"
#include "addin_doubles/MockVodidazaz.h"
#include "import/AsistenteImportar.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "support/ScriptedUi.h"
#include "support/TestEnvironment.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

// The wizard over a fresh program folder whose parish database holds two
// provinces with their towns, three institutions (two of them with a
// donation account, two sharing a name) and the seeded book formats; both
// add-ins installed, as strict mocks. `origen` is an empty source folder.
class AsistenteTest : public ::testing::Test {
public:
    AsistenteTest();
    ~AsistenteTest() override;

    static testsupport::ScriptedUi& pantalla() { return testsupport::scriptedUi(); }

    // Makes the wizard and runs its load and first activation (page 0).
    AsistenteImportar& Abrir();
    // Creates an empty file in the source folder.
    void CrearArchivo(const QString& nombre);
    // Page 0 with the source of `indice` and the source folder, then
    // Siguiente.
    void PasarPagina0(int indice);
    // Marks the lines of a multi-selection list with these texts.
    static void Marcar(PVAPI::ListaControl& lista, const QStringList& textos);
    // The texts of a list's lines.
    static QStringList Lineas(const PVAPI::ListaControl& lista);
    void Siguiente() { a->cmdImportar_Click(3); }
    void Anterior() { a->cmdImportar_Click(2); }
    void Finalizar() { a->cmdImportar_Click(4); }
    // The enabled state of Anterior, Siguiente and Finalizar as "ASF" with
    // "-" for a disabled one.
    QString Botones() const;

    TempProgramFolder carpeta;
    db::Connection con;
    QTemporaryDir origen;
    PVAPI::cInfoConfiguracion config;
    ::testing::StrictMock<dobles::MockVodidazaz> vodidazaz;
    ::testing::StrictMock<dobles::MockGestPar> gestPar;
    ContextoImportar contexto;
    std::unique_ptr<AsistenteImportar> a;

    // Ids given by the fixture.
    qint32 idParroquiaSanJuan = 0;  // "San Juan", towns of Burgos, with an account
    qint32 idCaritas = 0;           // "Cáritas", no account
    qint32 idOtraSanJuan = 0;       // a second "San Juan", with an account
    qint32 idBurgos = 0, idSoria = 0, idAranda = 0, idMiranda = 0, idAlmazan = 0;
};
