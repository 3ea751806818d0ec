#pragma once

#include "mainwindow/frmPrincipal.h"

#include "mainwindow/AccionesGrabadas.h"

#include "fixtures/TempProgramFolder.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "core/denDuzediv.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class ArbolNodos;

// A program folder with its databases open, the shared configuration with
// every add-in present, and a main window made on demand. Errors reported
// through the error reporter are collected in `informes`; the record
// commands' calls in `acciones`.
class VentanaPrueba : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new window over the same folder and settings (a new run).
    frmPrincipal& Ventana(long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion);
    // Makes the window and loads it.
    frmPrincipal& Cargada(long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion);
    void Abrir();

    static AjustesUsuario Ajustes();
    QString Leer(const QString& seccionUsuario, const QString& clave, const QString& defecto = {}) const;
    // The captions of the tree in index order.
    QStringList Captions() const;
    // The navigation tree of the window made last.
    ArbolNodos& Arbol() const;

    TempProgramFolder carpeta;
    PVAPI::cInfoConfiguracion info;
    denDuzediv den;
    std::unique_ptr<frmPrincipal> ventana;
    QStringList informes;
    int liberaciones = 0;
    std::shared_ptr<AccionesGrabadas> acciones = std::make_shared<AccionesGrabadas>();
    // The maintenance services the window runs; null: none (not available).
    std::shared_ptr<IServicioMantenimiento> mantenimiento;
};
