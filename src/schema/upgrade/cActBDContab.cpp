#include "schema/upgrade/cActBDContab.h"

#include "schema/upgrade/ActualizarEstructura102.h"
#include "schema/upgrade/AvisoFalloActualizacion.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/EjecucionTolerante.h"
#include "schema/upgrade/OperacionesColumna.h"

#include "platform/db/Connection.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Transaction.h"
#include "platform/vb/Texto.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"

#include <QtDebug>
#include <optional>

namespace {

const QString kVersion101 = QStringLiteral("1.0.1");
const QString kVersion102 = QStringLiteral("1.0.2");

} // namespace

cActBDContab::cActBDContab(db::Connection& conContabilidad, OpcionesActualizacion opciones)
    : m_conContabilidad(conContabilidad), m_opciones(std::move(opciones))
{
}

void cActBDContab::ComprobarVersionBD()
{
    LimpiarTemporalesAbandonados(m_conContabilidad);
    CrearTablaInformacion();
    db::Recordset rs = m_conContabilidad.Execute(QStringLiteral("SELECT Version FROM Informacion"));
    if (rs.RecordCount() == 0)
        return;
    const QString version = vb::Trim(rs.value(QStringLiteral("Version")).toString());
    rs.Close();
    ActualizarVersion(version);
}

// A database without the table, or without its column, is at 1.0.1. The
// statements are passed over one by one when they fail. Every start passes
// here: a complete table is only restated, which writes nothing and waits for
// no other workstation's lock; a table that lacks something is completed in
// one transaction, so it is never left half made. Nothing here may stop the
// start: what fails is logged, and the version query then decides.
void cActBDContab::CrearTablaInformacion()
{
    try {
        std::optional<db::Transaction> transaccion;
        if (!InformacionCompleta())
            transaccion.emplace(m_conContabilidad);
        EjecucionTolerante ejecucion(m_conContabilidad);
        OperacionesColumna columnas(ejecucion);
        columnas.CrearSiFalta(QStringLiteral("Informacion"));
        columnas.AnadirOCambiar(QStringLiteral("Informacion"), QStringLiteral("Version"),
                                QStringLiteral("NVARCHAR(50) DEFAULT \"\""), QLatin1Char('\'') + kVersion101 + QLatin1Char('\''));
        ejecucion.Intentar([&] {
            if (m_conContabilidad.Execute(QStringLiteral("SELECT Version FROM Informacion")).RecordCount() == 0)
                m_conContabilidad.Exec(QStringLiteral("INSERT INTO Informacion (Version) VALUES (?)"), {kVersion101});
        });
        if (transaccion)
            transaccion->Commit();
    } catch (const vb::VbError& error) {
        qWarning().noquote() << "No se ha podido completar la tabla Informacion de la contabilidad:" << error.number()
                             << error.description();
    }
}

bool cActBDContab::InformacionCompleta()
{
    try {
        return m_conContabilidad.Execute(QStringLiteral("SELECT Version FROM Informacion")).RecordCount() > 0;
    } catch (const vb::VbError& error) {
        // The user who gave up waiting for another workstation is not asked
        // again for the same file at once.
        if (error.number() == db::err::Busy)
            throw;
        return false;
    }
}

// 1.0.1 -> 1.0.2 is the only step; any other version is left alone.
void cActBDContab::ActualizarVersion(const QString& version)
{
    if (version != kVersion101)
        return;
    if (!ActualizarA102()) {
        AvisarFalloActualizacion(kVersion102, m_opciones.terminarPrograma);
        return;
    }
    try {
        CrearIndicesQueFalten(m_conContabilidad, EsquemaContabilidad());
    } catch (const vb::VbError& error) {
        qWarning().noquote() << "No se han podido crear los índices:" << error.description();
    }
}

bool cActBDContab::ActualizarA102()
{
    try {
        CopiarBDAntesDeActualizar(m_conContabilidad, QStringLiteral("V102"));
        db::Transaction transaccion(m_conContabilidad);
        ActualizarEstructura102(m_conContabilidad);
        m_conContabilidad.Exec(QStringLiteral("UPDATE Informacion SET Version = ?"), {kVersion102});
        transaccion.Commit();
        return true;
    } catch (const vb::VbError& error) {
        qWarning().noquote() << "Falla la actualización a la versión 1.0.2:" << error.number() << error.description();
        return false;
    }
}
