#include "PVGestionParroquial/ExpedienteFormato3.h"

#include "PVGestionParroquial/DocumentosParroquia.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/BotonesDialogo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace expediente_formato3 {

DialogoPartes::DialogoPartes(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExpedienteFormato3"));
    setWindowTitle(QStringLiteral("Expediente matrimonial (formato 3)"));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(new QLabel(QStringLiteral("Marque las partes del expediente que quiere imprimir:"), this));
    const auto casilla = [this, disposicion](const char* nombre, const QString& texto) {
        auto* c = new QCheckBox(texto, this);
        c->setObjectName(QString::fromLatin1(nombre));
        disposicion->addWidget(c);
        return c;
    };
    m_tramita = casilla("chkTramitaParroquia", QStringLiteral("&Tramitación en la parroquia"));
    m_curia = casilla("chkEnviaCuria", QStringLiteral("&Envío a la curia"));
    m_curiaAntes = casilla("chkEnviaCuriaAntes", QStringLiteral("Envío a la curia a&ntes de la celebración"));

    disposicion->addWidget(widgets::BotonesAceptarCancelar(*this, [this] { Aceptar(); }));
}

Partes DialogoPartes::Elegidas() const
{
    return {m_tramita->isChecked(), m_curia->isChecked(), m_curiaAntes->isChecked()};
}

bool DialogoPartes::Aceptar()
{
    const Partes p = Elegidas();
    if (!p.tramitaParroquia && !p.enviaCuria && !p.enviaCuriaAntes) {
        widgets::DialogoRegistroEjecutor::Mensaje(
            QStringLiteral("¡Marque al menos una de las partes del expediente que quiere imprimir!"),
            ui::vbOKOnly + ui::vbExclamation);
        m_tramita->setFocus(Qt::OtherFocusReason);
        return false;
    }
    accept();
    return true;
}

std::optional<Partes> PedirPartes()
{
    DialogoPartes dialogo(QApplication::activeWindow());
    if (widgets::DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
        return std::nullopt;
    return dialogo.Elegidas();
}

void LlenarExpediente(db::Connection& conLocal, db::Connection& conInformes, const QString& strClave,
                      bool& TramitaParroquia, bool& EnviaCuria, bool& EnviaCuriaAntes)
{
    TramitaParroquia = false;
    EnviaCuria = false;
    EnviaCuriaAntes = false;
    const std::optional<Partes> partes = PedirPartes();
    if (!partes)
        return;
    documentos_parroquia::LlenarMatrimonio(conLocal, conInformes, documentos_parroquia::Alcance::Partida,
                                           strClave.toInt());
    TramitaParroquia = partes->tramitaParroquia;
    EnviaCuria = partes->enviaCuria;
    EnviaCuriaAntes = partes->enviaCuriaAntes;
}

} // namespace expediente_formato3
