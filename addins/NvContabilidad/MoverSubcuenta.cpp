#include "NvContabilidad/MoverSubcuenta.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/BotonesDialogo.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace addins {

DialogoMoverSubcuenta::DialogoMoverSubcuenta(db::Connection& con, qint64 empresa, QWidget* padre)
    : QDialog(padre ? padre : QApplication::activeWindow()),
      m_origen(new QComboBox(this)),
      m_destino(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Mover apuntes de subcuenta"));
    m_origen->setObjectName(QStringLiteral("cboOrigen"));
    m_destino->setObjectName(QStringLiteral("cboDestino"));
    for (db::Recordset rs = con.Query(QStringLiteral("SELECT IDCuenta, Codigo, Descripcion FROM Cuenta "
                                                     "WHERE CodEmpresa = ? AND CodTipo_Cuenta = 2 ORDER BY Codigo"),
                                      {db::Value(empresa)});
         !rs.isEOF(); rs.MoveNext()) {
        const QString texto = rs.value(1).toString() + QStringLiteral(" - ") + rs.value(2).toString();
        m_origen->addItem(texto, rs.value(0).toInt64());
        m_destino->addItem(texto, rs.value(0).toInt64());
    }
    if (m_destino->count() > 1)
        m_destino->setCurrentIndex(1);

    auto* disposicion = new QVBoxLayout(this);
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("&Pasar los apuntes de:"), m_origen);
    campos->addRow(QStringLiteral("&A la subcuenta:"), m_destino);
    disposicion->addLayout(campos);
    disposicion->addWidget(widgets::BotonesAceptarCancelar(*this, [this] { Aceptar(); }));
}

int DialogoMoverSubcuenta::Subcuentas() const
{
    return m_origen->count();
}

qint64 DialogoMoverSubcuenta::Origen() const
{
    return m_origen->currentData().toLongLong();
}

qint64 DialogoMoverSubcuenta::Destino() const
{
    return m_destino->currentData().toLongLong();
}

QString DialogoMoverSubcuenta::Texto(bool origen) const
{
    return (origen ? m_origen : m_destino)->currentText();
}

void DialogoMoverSubcuenta::Aceptar()
{
    if (Origen() == Destino()) {
        widgets::DialogoRegistroEjecutor::Mensaje(QStringLiteral("¡La subcuenta de destino debe ser otra!"),
                                                  ui::vbOKOnly + ui::vbExclamation);
        m_destino->setFocus();
        return;
    }
    accept();
}

} // namespace addins
