#pragma once

#include "printing/DatosGP.h"

#include <QDialog>
#include <QList>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Datos necesarios para el informe": the extra data of a marriage file,
// in three frames (groom, bride, file); "ATESTADO" shows only the two
// parish-membership boxes. The boxes' texts and the answer are `datos`.
class frmDatosGP : public QDialog {
    Q_OBJECT
public:
    explicit frmDatosGP(const QString& mstrDocumento, QWidget* parent = nullptr);

    DatosGP datos;

    QList<QLineEdit*> txtDatos;
    QList<QLabel*> lblDatos;
    QList<QGroupBox*> fraDatos;
    QPushButton* cmdAceptar = nullptr;
    QPushButton* cmdCancelar = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Aceptar();
};

// Shows the dialog modally for `documento`; the answer and the completed
// boxes come back in `datos`. Tests replace the display.
using MostrarDatosGP = std::function<void(DatosGP& datos)>;
void EstablecerMostrarDatosGP(MostrarDatosGP mostrar);
DatosGP PedirDatosGP(const QString& documento);
