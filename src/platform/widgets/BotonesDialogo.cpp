#include "platform/widgets/BotonesDialogo.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace widgets {

QDialogButtonBox* BotonesAceptarCancelar(QDialog& dialogo, std::function<void()> aceptar)
{
    auto* botones = new QDialogButtonBox(&dialogo);
    QPushButton* cmdAceptar = botones->addButton(QStringLiteral("&Aceptar"), QDialogButtonBox::AcceptRole);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdAceptar->setDefault(true);
    QPushButton* cmdCancelar = botones->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    QObject::connect(cmdAceptar, &QPushButton::clicked, &dialogo, std::move(aceptar));
    QObject::connect(cmdCancelar, &QPushButton::clicked, &dialogo, &QDialog::reject);
    return botones;
}

} // namespace widgets
