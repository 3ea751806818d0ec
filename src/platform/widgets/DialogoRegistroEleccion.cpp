#include "platform/widgets/DialogoRegistroEleccion.h"

#include "platform/ui/Ui.h"
#include "platform/widgets/DialogoRegistroCombo.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace widgets {

DialogoRegistroEleccion::DialogoRegistroEleccion(db::Connection& con, const QString& consulta, const Textos& textos,
                                                 QWidget* parent)
    : QDialog(parent), m_lista(new DialogoRegistroCombo(false, this)), m_textoNueva(textos.nueva)
{
    setObjectName(QStringLiteral("DialogoRegistroEleccion"));
    setWindowTitle(textos.titulo);
    m_lista->setObjectName(QStringLiteral("lista"));
    m_lista->Llenar(con, consulta);
    m_lista->setMinimumContentsLength(40);
    m_lista->setCurrentIndex(-1);
    m_lista->setEditText(QString());

    auto* raiz = new QVBoxLayout(this);
    auto* pregunta = new QLabel(textos.pregunta, this);
    pregunta->setWordWrap(true);
    raiz->addWidget(pregunta);
    auto* form = new QFormLayout;
    auto* etiqueta = new QLabel(textos.etiqueta + QLatin1Char(':'), this);
    etiqueta->setBuddy(m_lista);
    form->addRow(etiqueta, m_lista);
    raiz->addLayout(form);

    auto* botones = new QDialogButtonBox(this);
    QPushButton* usar = botones->addButton(textos.usar, QDialogButtonBox::AcceptRole);
    usar->setDefault(true);
    connect(usar, &QPushButton::clicked, this, &DialogoRegistroEleccion::Usar);
    setTabOrder(m_lista, usar);
    QWidget* anterior = usar;
    if (!textos.nueva.isEmpty()) {
        QPushButton* nueva = botones->addButton(textos.nueva, QDialogButtonBox::ActionRole);
        nueva->setAutoDefault(false);
        connect(nueva, &QPushButton::clicked, this, &DialogoRegistroEleccion::CrearNueva);
        setTabOrder(usar, nueva);
        anterior = nueva;
    }
    QPushButton* cancelar = botones->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(anterior, cancelar);
    raiz->addWidget(botones);
    m_lista->setFocus();
}

qint64 DialogoRegistroEleccion::Elegir(db::Connection& con, const QString& consulta, const Textos& textos)
{
    DialogoRegistroEleccion dialogo(con, consulta, textos, QApplication::activeWindow());
    if (dialogo.m_lista->count() == 0)
        return Nueva;
    DialogoRegistroEjecutor::Ejecutar(dialogo);
    return dialogo.m_eleccion;
}

void DialogoRegistroEleccion::Usar()
{
    const qint64 clave = m_lista->Clave();
    if (clave <= 0) {
        const QString texto = m_textoNueva.isEmpty()
                                  ? QStringLiteral("¡Elija una de la lista!")
                                  : QStringLiteral("¡Elija una de la lista o pulse «%1»!")
                                        .arg(QString(m_textoNueva).remove(QLatin1Char('&')));
        ui::MsgBox(texto, ui::vbOKOnly + ui::vbExclamation);
        m_lista->setFocus();
        return;
    }
    m_eleccion = clave;
    accept();
}

void DialogoRegistroEleccion::CrearNueva()
{
    m_eleccion = Nueva;
    accept();
}

} // namespace widgets
