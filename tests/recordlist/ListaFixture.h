#pragma once

#include "VentanaFalsa.h"

#include "fixtures/TempProgramFolder.h"
#include "navigation/cNodo.h"
#include "navigation/cPropiedadesNodo.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "recordlist/cListaPrincipal.h"
#include "core/cConfigContabilidad.h"

#include <gtest/gtest.h>
#include <memory>

// A seeded program folder with the node model loaded from it, a fake main
// window and the record list controller over both, as the main window
// holds them after its load.
class ListaFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // A click on the tree node of `id`, which becomes the tree's selection.
    void Clic(int id);
    // A bank with `codigo` and `nombre`.
    void Banco(const QString& codigo, const QString& nombre);
    // The id of the first node captioned `nombre` (fails the test if none).
    int IdDe(const QString& nombre) const;
    std::shared_ptr<cNodo> Nodo(int id) const;
    cPropiedadesNodo& Registro(int id) const;

    // Rows of the list as shown: the cells of each row.
    QStringList Celdas(int fila) const;

    std::unique_ptr<TempProgramFolder> carpeta;
    db::Connection conLocal;
    db::Connection conContabilidad;

    ColeccionNodos gcolNodo;
    ColeccionRegistros gcolRegistroDB;
    qint16 gintNRegMax = 24;
    QString gStrSelItem;
    QString gStrTextItem;
    qint16 mintNodoAnterior = 0;
    QString mstrNombreNodo;
    QString mstrPathNodo;
    qint32 mlngIDNodo = 0;
    QString mstrDescripcionNodo;
    bool mblnFiltrado = false;
    qint32 mlngCodEmpresaSeleccionada = 0;
    cConfigContabilidad mobjConfigContab;
    PVAPI::cInfoConfiguracion gobjInfoConfig;
    bool consolidacionVisible = false;

    VentanaFalsa ventana;
    std::unique_ptr<cListaPrincipal> lista;
};
