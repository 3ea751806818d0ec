#include "startup/frmEnlaceDatos.h"

#include "platform/os/Paths.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmEnlaceDatos::frmEnlaceDatos(const QString& archivoEnlace, const QString& origenDatos, QWidget* parent)
    : QDialog(parent),
      m_txtOrigenDatos(new QLineEdit(origenDatos, this)),
      m_cmdExaminar(new QPushButton(QStringLiteral("&Examinar..."), this)),
      m_cmdAceptar(new QPushButton(QStringLiteral("&Aceptar"), this)),
      m_cmdCancelar(new QPushButton(QStringLiteral("&Cancelar"), this))
{
    setWindowTitle(QStringLiteral("Propiedades de vínculo de datos"));
    setObjectName(QStringLiteral("frmEnlaceDatos"));
    m_txtOrigenDatos->setObjectName(QStringLiteral("txtOrigenDatos"));
    m_txtOrigenDatos->setMinimumWidth(360);

    auto* archivo = new QLabel(QStringLiteral("Archivo de vínculo de datos: %1").arg(QFileInfo(archivoEnlace).fileName()),
                               this);
    auto* etiqueta = new QLabel(QStringLiteral("&Base de datos:"), this);
    etiqueta->setBuddy(m_txtOrigenDatos);

    auto* campos = new QGridLayout;
    campos->addWidget(etiqueta, 0, 0);
    campos->addWidget(m_txtOrigenDatos, 0, 1);
    campos->addWidget(m_cmdExaminar, 0, 2);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(m_cmdAceptar);
    botones->addWidget(m_cmdCancelar);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(archivo);
    principal->addLayout(campos);
    principal->addLayout(botones);

    m_cmdAceptar->setDefault(true);
    connect(m_cmdExaminar, &QPushButton::clicked, this, &frmEnlaceDatos::cmdExaminar_Click);
    connect(m_cmdAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmEnlaceDatos::OrigenDatos() const
{
    return m_txtOrigenDatos->text().trimmed();
}

void frmEnlaceDatos::cmdExaminar_Click()
{
    const QString actual = os::NormalizeSeparators(OrigenDatos());
    const QString inicio = actual.isEmpty() ? os::AppPath() : os::FolderOf(actual);
    const QString elegido = QFileDialog::getOpenFileName(
        this, QStringLiteral("Seleccionar base de datos"), inicio,
        QStringLiteral("Bases de datos (*.mdb *.MDB);;Todos los archivos (*)"));
    if (!elegido.isEmpty())
        m_txtOrigenDatos->setText(elegido);
}
