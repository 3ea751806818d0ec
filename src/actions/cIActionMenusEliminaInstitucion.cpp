#include "actions/PunteroEspera.h"
#include "actions/cIActionMenus.h"

#include "dialogs/EliminacionInstitucion.h"
#include "dialogs/ProgresoEliminacion.h"
#include "platform/db/Connection.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "startup/App.h"

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

int Preguntar(const QString& texto, int estilo)
{
    ui::Beep();
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, estilo);
}

// The removal's progress in the shared progress window of the method's own
// service object.
class ProgresoServicio : public ProgresoEliminacion {
public:
    explicit ProgresoServicio(PVAPI::cDuzediv& servicio) : m_servicio(servicio) {}

    void Iniciar(int maximo) override { m_servicio.ProgresoLoad(maximo, L("Eliminando Institución ..."), 0); }
    void Paso(int hechos, const QString&) override { m_servicio.ProgresoRefresh(hechos); }
    void Terminar() override { m_servicio.ProgresoUnload(); }

private:
    PVAPI::cDuzediv& m_servicio;
};

QString Confirmacion(const RecuentoInstitucion& r)
{
    return L("ADVERTENCIA:\rVa a eliminar una Institución. Si lo hace, perderá todos los datos que tenga "
             "relacionados.\r\rEsta institución tiene:\r")
        + QString::number(r.Donantes.value_or(0)) + L(" donantes\r") + QString::number(r.Donativos.value_or(0))
        + L(" donativos\r\r¿Está seguro de querer eliminar la Institución ") + r.Nombre
        + L(" junto con todos sus datos relacionados?");
}

} // namespace

// Only the donations side of the institution goes here, then the
// institution; its books, entries, activities and census members are the
// institution removal dialog's, so an institution that has any is refused
// rather than left with data pointing at nothing.
void cIActionMenus::EliminaInstitucion(qint32& lngCodInstitucion)
{
    PVAPI::cDuzediv servicio(App::Title());
    PunteroEspera puntero;
    const qint32 id = lngCodInstitucion;
    try {
        db::Recordset institucion = m_app.den.conLocal.Query(
            L("SELECT CommError FROM Institucion WHERE IDInstitucion = ?"), {id});
        if (institucion.isEOF()) {
            Preguntar(EliminacionInstitucion::TextoNoExiste(), ui::vbOKOnly + ui::vbExclamation);
            return;
        }
        // An empty flag (older rows) means no mail operation is pending.
        if (!institucion.value(0).isNull() && institucion.value(0).toBool()) {
            Preguntar(L("¡No puede eliminar esta institución!\rTiene operaciones de cuentas de correo erróneas o "
                        "inacabadas.\rEjecute la opción de 'Conexión con el servidor de Trebola' para corregir "
                        "este error."),
                      ui::vbOKOnly + ui::vbExclamation);
            return;
        }
        EliminacionInstitucion eliminacion(m_app.den.conLocal, m_app.den.conContabilidad, id);
        if (eliminacion.TieneDatosFueraDeDonativos()) {
            Preguntar(EliminacionInstitucion::TextoFueraDeAlcance(), ui::vbOKOnly + ui::vbExclamation);
            return;
        }
        const RecuentoInstitucion recuento = eliminacion.LeerRecuento();
        if (recuento.ErrorDeLectura) {
            ui::Current().setMousePointer(ui::vbDefault);
            servicio.VerError(QStringLiteral("EliminaInstitucion()"), QStringLiteral("cIActionMenus"),
                              QStringLiteral("NorviaParvanta2000"));
            return;
        }
        if (Preguntar(Confirmacion(recuento), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton1) != ui::vbYes)
            return;
        ProgresoServicio progreso(servicio);
        eliminacion.Eliminar(EliminacionInstitucion::Alcance::Donativos, {}, progreso);
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        ui::Current().setMousePointer(ui::vbDefault);
        servicio.VerError(QStringLiteral("EliminaInstitucion()"), QStringLiteral("cIActionMenus"),
                          QStringLiteral("NorviaParvanta2000"));
    }
}
