#include "startup/frmEnlaceDatos.h"

#include "core/cConfiguracion.h"
#include "platform/os/Paths.h"
#include "platform/ui/RunHandler.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const char* const kModulo = "frmEnlaceDatos";
const char* const kProyecto = "NorviaParvanta2000.vbp";

} // namespace

frmEnlaceDatos::frmEnlaceDatos(const QString& archivoEnlace, const QString& origenDatos,
                               EjecutarDialogo ejecutarDialogo, QWidget* parent)
    : QDialog(parent),
      m_ejecutarDialogo(std::move(ejecutarDialogo)),
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
    connect(m_cmdExaminar, &QPushButton::clicked, this,
            [this] { Manejar("cmdExaminar_Click()", [this] { cmdExaminar_Click(); }); });
    connect(m_cmdAceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmEnlaceDatos::OrigenDatos() const
{
    return m_txtOrigenDatos->text().trimmed();
}

void frmEnlaceDatos::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, kModulo, kProyecto, cuerpo, this);
}

QString frmEnlaceDatos::OrigenDeArchivo(const QString& archivo)
{
    const QFileInfo elegido(archivo);
    if (elegido.absoluteDir() == QDir(os::AppPath()))
        return elegido.fileName();
    return QDir::cleanPath(elegido.absoluteFilePath());
}

void frmEnlaceDatos::cmdExaminar_Click()
{
    const QString actual = cConfiguracion::RutaOrigenDatos(OrigenDatos(), os::AppPath());
    const QString inicio = actual.isEmpty() ? os::AppPath() : os::FolderOf(actual);
    QFileDialog selector(this, QStringLiteral("Seleccionar base de datos"), inicio,
                         QStringLiteral("Bases de datos (*.mdb *.MDB);;Todos los archivos (*)"));
    selector.setFileMode(QFileDialog::ExistingFile);
    selector.setAcceptMode(QFileDialog::AcceptOpen);
    if (m_ejecutarDialogo(selector) != QDialog::Accepted)
        return;
    const QStringList elegidos = selector.selectedFiles();
    if (!elegidos.isEmpty())
        m_txtOrigenDatos->setText(OrigenDeArchivo(elegidos.first()));
}
