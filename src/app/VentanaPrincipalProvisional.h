#pragma once

#include "startup/IVentanaPrincipal.h"

#include <QMainWindow>

// The main window until the real one takes its place: an empty window with
// the program's title, shown when start-up succeeds.
class VentanaPrincipalProvisional : public QMainWindow, public IVentanaPrincipal {
    Q_OBJECT

public:
    explicit VentanaPrincipalProvisional(QWidget* parent = nullptr);

    void Mostrar() override;
    IEmpresaPrincipal* Empresa() override { return nullptr; }
};
