#pragma once

#include "VentanaFalsa.h"

#include "fixtures/TempProgramFolder.h"
#include "core/EstadoPrincipal.h"
#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "recordlist/cListaPrincipal.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A seeded program folder with the node model loaded from it, a fake main
// window, a command registry that records the window's commands run, and
// the record list controller over them, as the main window holds them
// after its load.
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
    denDuzediv den;
    PVAPI::cInfoConfiguracion gobjInfoConfig;
    // The window's state the list works on, and its members by their names.
    EstadoPrincipal estado;
    db::Connection& conLocal = den.conLocal;
    db::Connection& conContabilidad = den.conContabilidad;
    ColeccionNodos& gcolNodo = estado.gcolNodo;
    ColeccionRegistros& gcolRegistroDB = estado.gcolRegistroDB;
    qint16& gintNRegMax = estado.gintNRegMax;
    QString& gStrSelItem = estado.gStrSelItem;
    QString& gStrTextItem = estado.gStrTextItem;
    qint16& mintNodoAnterior = estado.mintNodoAnterior;
    QString& mstrNombreNodo = estado.mstrNombreNodo;
    QString& mstrPathNodo = estado.mstrPathNodo;
    qint32& mlngIDNodo = estado.mlngIDNodo;
    QString& mstrDescripcionNodo = estado.mstrDescripcionNodo;
    bool& mblnFiltrado = estado.mblnFiltrado;
    qint32& mlngCodEmpresaSeleccionada = estado.mlngCodEmpresaSeleccionada;
    cConfigContabilidad& mobjConfigContab = estado.mobjConfigContab;

    VentanaFalsa ventana;
    // The window's commands the list may run; each records its name in
    // `ejecutados`. Any other name raises, as in the window.
    RegistroComandos comandos;
    QStringList ejecutados;
    std::unique_ptr<cListaPrincipal> lista;
};
