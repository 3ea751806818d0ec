#include "startup/frmMensaje.h"

#include "platform/os/Paths.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"
#include "startup/EnlaceDatos.h"
#include "startup/frmEnlaceDatos.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const char* const kModulo = "frmMensaje";
const char* const kProyecto = "NorviaParvanta2000.vbp";

struct Marco {
    const char* titulo;
    const char* etiqueta;
    const char* archivoBuscado;   // the file that must exist
    const char* archivoEditado;   // the file given to the editor
};

const Marco kMarcos[] = {
    {"Opciones de la base de datos de Duzediv",
     "El acceso a los datos corporativos de Duzediv se hace mediante un enlace de datos", "Duzediv.udl",
     "duzediv.udl"},
    {"Opciones de la base de datos de Informes",
     "El acceso a los datos corporativos de Informes se hace mediante un enlace de datos", "Informes.udl",
     "informes.udl"},
    {"Opciones de la base de datos de Contabilidad",
     "El acceso a los datos corporativos de Contabilidad se hace mediante un enlace de datos", "Contabilidad.udl",
     "Contabilidad.udl"},
};

} // namespace

frmMensaje::frmMensaje(const PVAPI::cInfoConfiguracion& infoConfig, EjecutarDialogo ejecutarDialogo,
                       QWidget* parent)
    : QDialog(parent),
      m_ejecutarDialogo(std::move(ejecutarDialogo))
{
    setObjectName(QStringLiteral("frmMensaje"));
    setWindowTitle(QStringLiteral("Conexión con las bases de datos"));

    auto* principal = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        m_marcos[i] = new QGroupBox(QString::fromUtf8(kMarcos[i].titulo), this);
        m_etiquetas[i] = new QLabel(QString::fromUtf8(kMarcos[i].etiqueta), m_marcos[i]);
        m_etiquetas[i]->setWordWrap(true);
        m_propiedades[i] = new QPushButton(QStringLiteral("Propiedades"), m_marcos[i]);
        m_propiedades[i]->setObjectName(QStringLiteral("cmdMensaje_%1").arg(i));
        auto* fila = new QHBoxLayout(m_marcos[i]);
        fila->addWidget(m_etiquetas[i], 1);
        fila->addWidget(m_propiedades[i]);
        principal->addWidget(m_marcos[i]);
        connect(m_propiedades[i], &QPushButton::clicked, this,
                [this, i] { Manejar("cmdMensaje_Click()", [this, i] { cmdMensaje_Click(i); }); });
    }

    m_cmdAceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_cmdCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cmdAceptar->setDefault(true);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(m_cmdAceptar);
    botones->addWidget(m_cmdCancelar);
    principal->addLayout(botones);
    connect(m_cmdAceptar, &QPushButton::clicked, this,
            [this] { Manejar("cmdAceptar_Click()", [this] { cmdAceptar_Click(); }); });
    connect(m_cmdCancelar, &QPushButton::clicked, this,
            [this] { Manejar("cmdCancelar_Click()", [this] { cmdCancelar_Click(); }); });

    // The reports link is not offered unless a caller asks for it.
    m_marcos[kInformes]->setVisible(false);
    m_marcos[kContabilidad]->setVisible(infoConfig.ContabilidadDLL);

    mblnSalir = false;
    ui::Current().setMousePointer(ui::vbDefault);
    setMinimumWidth(440);
    adjustSize();
}

void frmMensaje::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, kModulo, kProyecto, cuerpo, this);
}

void frmMensaje::MostrarMarcoInformes(bool visible)
{
    m_marcos[kInformes]->setVisible(visible);
    adjustSize();
}

void frmMensaje::cmdAceptar_Click()
{
    mblnSalir = false;
    hide();
}

void frmMensaje::cmdCancelar_Click()
{
    mblnSalir = true;
    hide();
}

void frmMensaje::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape) {
        m_cmdCancelar->click();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmMensaje::reject()
{
    hide();
}

void frmMensaje::cmdMensaje_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    const Marco& marco = kMarcos[index];
    const QString buscado = QString::fromUtf8(marco.archivoBuscado);
    if (os::FindFileCaseInsensitive(os::AppPath(), buscado).isEmpty()) {
        ui::Beep();
        ui::MsgBox(QStringLiteral("¡No se ha encontrado el archivo %1 en el directorio de la aplicación!").arg(buscado),
                   ui::vbOKOnly + ui::vbExclamation, ui::AppTitle());
        return;
    }
    EnlaceDatos enlace(os::JoinPath(os::AppPath(), QString::fromUtf8(marco.archivoEditado)));
    frmEnlaceDatos editor(enlace.Ruta(), enlace.OrigenDatos(), m_ejecutarDialogo, this);
    if (m_ejecutarDialogo(editor) != QDialog::Accepted)
        return;
    enlace.EstablecerOrigenDatos(editor.OrigenDatos());
    enlace.Guardar();
}
