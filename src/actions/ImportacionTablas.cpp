#include "actions/ImportacionTablas.h"

#include "actions/IAccesoExclusivo.h"
#include "actions/PunteroEspera.h"
#include "platform/db/Connection.h"
#include "platform/ui/Ui.h"
#include "platform/vb/VbError.h"

#include <QtGlobal>

namespace {

// The folder of a database file, up to and including its last separator;
// "" for a bare file name (the working folder).
QString Carpeta(const QString& strDataSource)
{
    const qsizetype separador =
        qMax(strDataSource.lastIndexOf(QLatin1Char('/')), strDataSource.lastIndexOf(QLatin1Char('\\')));
    return strDataSource.left(separador + 1);
}

// Releases what the import took, whatever ends it. A failing release is
// logged: it must not hide the error that may be on its way out.
class LiberacionBloqueos {
public:
    explicit LiberacionBloqueos(IAccesoExclusivo& acceso) : m_acceso(acceso) {}
    ~LiberacionBloqueos()
    {
        try {
            m_acceso.LiberarBloqueos();
        } catch (const std::exception& error) {
            qWarning("No se han podido liberar los bloqueos de la importación: %s", error.what());
        }
    }
    LiberacionBloqueos(const LiberacionBloqueos&) = delete;
    LiberacionBloqueos& operator=(const LiberacionBloqueos&) = delete;

private:
    IAccesoExclusivo& m_acceso;
};

// True when the wizard ran; false when another workstation uses the database.
bool EjecutarConBloqueoEntrada(IAccesoExclusivo& acceso, db::Connection& conLocal,
                               const std::function<void()>& asistente)
{
    const QString strDataSource = conLocal.Property(QStringLiteral("Data Source"));
    acceso.Inicializar(Carpeta(strDataSource));
    LiberacionBloqueos liberacion(acceso);
    acceso.EstablecerBloqueoEntradaAplicacion();
    if (!acceso.blnComprobarAccesoExclusivo(strDataSource, conLocal))
        return false;
    asistente();
    return true;
}

} // namespace

void ImportarTablasConAccesoExclusivo(IAccesoExclusivo& acceso, db::Connection& conLocal,
                                      const std::function<void()>& asistente)
{
    PunteroEspera puntero;
    if (EjecutarConBloqueoEntrada(acceso, conLocal, asistente))
        return;
    puntero.Predeterminado();
    ui::Beep();
    ui::MsgBox(QStringLiteral("Para realizar esta operación necesita acceso exclusivo a la base de datos. "
                              "La base de datos es utilizada en estos momentos por otros usuarios. "
                              "Intentelo más tarde"),
               ui::vbOKOnly + ui::vbExclamation);
}
