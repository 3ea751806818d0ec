#include "VentanaPrincipalProvisional.h"

VentanaPrincipalProvisional::VentanaPrincipalProvisional(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Norvia Parvanta 2000"));
    resize(1024, 700);
}

void VentanaPrincipalProvisional::Mostrar()
{
    show();
}
