#include "PVVodidazaz/RecibosCaja.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "platform/widgets/DialogoRegistroFecha.h"
#include "platform/widgets/BotonesDialogo.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace recibos_caja {

addins::ColeccionRecibos RecibosEntre(db::Connection& conLocal, const QDate& desde, const QDate& hasta)
{
    addins::ColeccionRecibos recibos;
    for (db::Recordset rs = conLocal.Query(QStringLiteral("SELECT IDRecibo FROM Recibo WHERE PagoBanco = False "
                                                          "AND Fecha >= ? AND Fecha <= ? ORDER BY Fecha, "
                                                          "NumeroRecibo, IDRecibo"),
                                           {vb::DateAFechaTexto(desde), vb::DateAFechaTexto(hasta)});
         !rs.isEOF(); rs.MoveNext())
        recibos << qint32(rs.value(0).toInt64());
    return recibos;
}

DialogoRecibosCaja::DialogoRecibosCaja(db::Connection& conLocal, QWidget* parent)
    : QDialog(parent), m_con(conLocal)
{
    setObjectName(QStringLiteral("frmRecibosCaja"));
    setWindowTitle(QStringLiteral("Imprimir recibos por caja"));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(new QLabel(QStringLiteral("Se imprimen los recibos por caja de estas fechas:"), this));
    auto* fechas = new QFormLayout;
    m_desde = new widgets::DialogoRegistroFecha(this);
    m_desde->setObjectName(QStringLiteral("txtDesde"));
    m_hasta = new widgets::DialogoRegistroFecha(this);
    m_hasta->setObjectName(QStringLiteral("txtHasta"));
    const QString hoy = vb::DateAFecha(QDate::currentDate());
    m_desde->setText(hoy);
    m_hasta->setText(hoy);
    fechas->addRow(QStringLiteral("&Desde:"), m_desde);
    fechas->addRow(QStringLiteral("&Hasta:"), m_hasta);
    disposicion->addLayout(fechas);

    disposicion->addWidget(widgets::BotonesAceptarCancelar(*this, [this] { Aceptar(); }));
}

bool DialogoRecibosCaja::Aceptar()
{
    const auto rechazar = [](widgets::DialogoRegistroFecha* caja, const QString& texto) {
        widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
        caja->Linea()->setFocus(Qt::OtherFocusReason);
        caja->Linea()->selectAll();
        return false;
    };
    const QDate desde = vb::FechaADate(m_desde->text());
    if (!desde.isValid())
        return rechazar(m_desde, QStringLiteral("¡«Desde» no es una fecha válida! Escríbala como dd/mm/aaaa."));
    const QDate hasta = vb::FechaADate(m_hasta->text());
    if (!hasta.isValid())
        return rechazar(m_hasta, QStringLiteral("¡«Hasta» no es una fecha válida! Escríbala como dd/mm/aaaa."));
    if (hasta < desde)
        return rechazar(m_hasta, QStringLiteral("¡«Hasta» es anterior a «Desde»!"));
    m_recibos = RecibosEntre(m_con, desde, hasta);
    if (m_recibos.isEmpty())
        return rechazar(m_desde, QStringLiteral("¡No hay recibos por caja entre esas fechas!"));
    accept();
    return true;
}

addins::ColeccionRecibos Elegir(db::Connection& conLocal)
{
    DialogoRecibosCaja dialogo(conLocal, QApplication::activeWindow());
    if (widgets::DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
        return {};
    return dialogo.Recibos();
}

} // namespace recibos_caja
