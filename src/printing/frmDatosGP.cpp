#include "printing/frmDatosGP.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

MostrarDatosGP& Mostrar()
{
    static MostrarDatosGP mostrar;
    return mostrar;
}

// Row and column of each box in its frame's grid (label above the box).
struct Lugar {
    int fila;
    int columna;
    int ancho;
};

Lugar LugarDe(int indice)
{
    static const Lugar lugares[] = {
        {0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {1, 0, 2}, {1, 2, 1}, {1, 3, 1},
        {0, 0, 1}, {0, 1, 1}, {0, 2, 1}, {0, 3, 1}, {1, 0, 2}, {1, 2, 1}, {1, 3, 1},
        {0, 0, 2}, {0, 2, 2}, {1, 0, 3},
    };
    return lugares[indice];
}

} // namespace

frmDatosGP::frmDatosGP(const QString& mstrDocumento, QWidget* parent) : QDialog(parent)
{
    datos.mstrDocumento = mstrDocumento;
    datos.mblnCancelar = true;
    setWindowTitle(QStringLiteral("Datos necesarios para el informe"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto* principal = new QVBoxLayout(this);
    const QStringList titulos = {QStringLiteral("Datos del contrayente: "), QStringLiteral("Datos de la contrayente: "),
                                 QStringLiteral("Datos del expediente: ")};
    QList<QGridLayout*> rejillas;
    for (int m = 0; m < 3; ++m) {
        auto* marco = new QGroupBox(titulos[m], this);
        marco->setObjectName(QStringLiteral("fraDatos(%1)").arg(m));
        rejillas << new QGridLayout(marco);
        fraDatos << marco;
        principal->addWidget(marco);
    }
    for (const DatosGP::Caja& c : DatosGP::Cajas()) {
        auto* etiqueta = new QLabel(c.etiqueta, fraDatos[c.marco]);
        auto* caja = new QLineEdit(fraDatos[c.marco]);
        caja->setObjectName(QStringLiteral("txtDatos(%1)").arg(c.indice));
        caja->setMaxLength(c.maximo);
        caja->installEventFilter(this);
        etiqueta->setBuddy(caja);
        const Lugar l = LugarDe(c.indice);
        rejillas[c.marco]->addWidget(etiqueta, l.fila * 2, l.columna, 1, l.ancho);
        rejillas[c.marco]->addWidget(caja, l.fila * 2 + 1, l.columna, 1, l.ancho);
        const bool visible = DatosGP::Visible(mstrDocumento, c.indice);
        etiqueta->setVisible(visible);
        caja->setVisible(visible);
        txtDatos << caja;
        lblDatos << etiqueta;
    }
    fraDatos[2]->setVisible(!DatosGP::Reducido(mstrDocumento));
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cmdAceptar->setDefault(true);
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    principal->addLayout(botones);
    connect(cmdAceptar, &QPushButton::clicked, this, &frmDatosGP::Aceptar);
    connect(cmdCancelar, &QPushButton::clicked, this, [this] {
        datos.Cancelar();
        reject();
    });
}

bool frmDatosGP::eventFilter(QObject* objeto, QEvent* evento)
{
    auto* caja = qobject_cast<QLineEdit*>(objeto);
    if (caja && evento->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(evento)->text() == QStringLiteral("\"")) {
        QString texto = caja->text();
        int posicion = caja->cursorPosition();
        const int inicio = caja->hasSelectedText() ? caja->selectionStart() : posicion;
        posicion = inicio;
        DatosGP::TeclearComilla(texto, posicion);
        if (texto.size() <= caja->maxLength()) {
            caja->setText(texto);
            caja->setCursorPosition(posicion);
        }
        return true;
    }
    if (caja && evento->type() == QEvent::FocusIn) {
        // The whole text is selected, so typing replaces it.
        QTimer::singleShot(0, caja, &QLineEdit::selectAll);
    }
    if (caja && evento->type() == QEvent::FocusOut)
        caja->setText(DatosGP::SinComillas(caja->text()));
    return QDialog::eventFilter(objeto, evento);
}

void frmDatosGP::Aceptar()
{
    for (int i = 0; i < txtDatos.size(); ++i)
        datos.txtDatos[i] = txtDatos[i]->text();
    datos.Aceptar();
    for (int i = 0; i < txtDatos.size(); ++i)
        txtDatos[i]->setText(datos.txtDatos[i]);
    accept();
}

void EstablecerMostrarDatosGP(MostrarDatosGP mostrar)
{
    Mostrar() = std::move(mostrar);
}

DatosGP PedirDatosGP(const QString& documento)
{
    if (Mostrar()) {
        DatosGP datos;
        datos.mstrDocumento = documento;
        Mostrar()(datos);
        return datos;
    }
    frmDatosGP dialogo(documento);
    dialogo.exec();
    return dialogo.datos;
}
