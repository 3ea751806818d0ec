#include "startup/frmPassword.h"

#include "platform/ui/RunHandler.h"
#include "platform/ui/Ui.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kModulo = "frmPassword";
const char* const kProyecto = "NorviaParvanta2000.vbp";

} // namespace

frmPassword::frmPassword(PVAPI::cInfoConfiguracion& infoConfig, const QString& appTitle, QWidget* parent)
    : QDialog(parent),
      m_comprobacion(infoConfig, appTitle),
      m_appTitle(appTitle),
      m_txtPassword(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral("Contraseña"));
    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtPassword->setMaxLength(kLongitudMaxima);

    auto* etiqueta = new QLabel(QStringLiteral("Contraseña :"), this);
    etiqueta->setBuddy(m_txtPassword);
    auto* fila = new QHBoxLayout;
    fila->addWidget(etiqueta);
    fila->addWidget(m_txtPassword, 1);

    m_cmdBotonera[kAceptar] = new QPushButton(QStringLiteral("&Aceptar"), this);
    m_cmdBotonera[kCancelar] = new QPushButton(QStringLiteral("&Cancelar"), this);
    m_cmdBotonera[kAceptar]->setDefault(true);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    for (int i : {kAceptar, kCancelar}) {
        botones->addWidget(m_cmdBotonera[i]);
        connect(m_cmdBotonera[i], &QPushButton::clicked, this,
                [this, i] { Manejar("cmdBotonera_Click()", [this, i] { cmdBotonera_Click(i); }); });
    }

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(fila);
    principal->addLayout(botones);
    mblnOK = false;
}

void frmPassword::Manejar(const char* procedimiento, const std::function<void()>& cuerpo)
{
    ui::RunHandler(procedimiento, kModulo, kProyecto, cuerpo, this);
}

void frmPassword::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    Manejar("Form_Activate()", [this] {
        ui::Current().setMousePointer(ui::vbDefault);
        m_txtPassword->setFocus();
    });
}

void frmPassword::Form_Unload()
{
    ui::Current().setMousePointer(ui::vbHourglass);
}

void frmPassword::cmdBotonera_Click(int index)
{
    if (index == kAceptar) {
        Aceptar();
    } else if (index == kCancelar) {
        mblnOK = false;
        done(QDialog::Rejected);
    }
}

void frmPassword::Aceptar()
{
    if (m_comprobacion.Comprobar(m_txtPassword->text())) {
        mblnOK = true;
        done(QDialog::Accepted);
        return;
    }
    ui::Beep();
    ui::MsgBox(QStringLiteral("¡La contraseña no es valida!"), ui::vbOKOnly + ui::vbExclamation, m_appTitle);
    m_txtPassword->clear();
    m_txtPassword->setFocus();
}
