#include "actions/EliminacionBanco.h"
#include "actions/cIActionMenus.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"
#include "startup/App.h"

#include <variant>

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

QString Carpeta(const QString& strDataSource)
{
    const qsizetype separador =
        qMax(strDataSource.lastIndexOf(QLatin1Char('/')), strDataSource.lastIndexOf(QLatin1Char('\\')));
    return strDataSource.left(separador + 1);
}

int Preguntar(const QString& texto, int estilo)
{
    ui::Beep();
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, estilo);
}

void Avisar(const QString& texto)
{
    Preguntar(texto, ui::vbOKOnly + ui::vbExclamation);
}

const QString kNoExiste = L("¡El banco ya no existe: otro puesto lo ha eliminado!");
const QString kEnUso = L("¡No se puede eliminar el banco ahora: otro puesto de trabajo está usando sus datos! "
                         "Inténtelo más tarde.");
const QString kNoEliminado = L("¡No se ha podido eliminar el banco! No se ha cambiado nada.");

// Closes the progress window however the removal ends.
class ProgresoAbierto {
public:
    ProgresoAbierto(PVAPI::cDuzediv& servicio, int maximo) : m_servicio(servicio)
    {
        m_servicio.ProgresoLoad(maximo, L("Eliminando banco ..."), 0);
    }
    ~ProgresoAbierto() { m_servicio.ProgresoUnload(); }
    ProgresoAbierto(const ProgresoAbierto&) = delete;
    ProgresoAbierto& operator=(const ProgresoAbierto&) = delete;

private:
    PVAPI::cDuzediv& m_servicio;
};

// How the part under the locks ended: done, or the text that tells why not.
using Fin = std::variant<std::monostate, QString>;

} // namespace

// The bank goes with everything of the parish database that depends on
// it, or nothing goes. Institutions, donors or presenters that still use it
// stop the removal before the question; they are looked for again under the
// locks, inside the transaction, since another workstation may have linked
// one meanwhile. The banks add-in deletes the bank and its branches inside
// the same transaction, and only a bank row that is gone counts as removed.
// Locks go after the transaction has ended, before any message waits.
void cIActionMenus::DeleteBanco(qint32& lngIDBanco)
{
    PVAPI::cDuzediv servicio(App::Title());
    db::Connection& conLocal = m_app.den.conLocal;
    EliminacionBanco banco(conLocal, lngIDBanco);
    try {
        Fin fin;
        {
            PVAPI::cProcesarBloqueos bloqueos;
            bloqueos.Inicializar(Carpeta(conLocal.Property(L("Data Source"))));
            if (const auto bloqueo = banco.Comprobar(); bloqueo != EliminacionBanco::Bloqueo::Ninguno) {
                Avisar(EliminacionBanco::TextoBloqueo(bloqueo));
                return;
            }
            const std::optional<QString> nombre = banco.Nombre();
            if (!nombre) {
                Avisar(kNoExiste);
                return;
            }
            const QString pregunta = EliminacionBanco::TextoConfirmacion(banco.ContarCuentas(), *nombre);
            if (Preguntar(pregunta, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton1) != ui::vbYes)
                return;
            banco.DeclararBloqueos(bloqueos);
            const qint32 tomados = bloqueos.lngEfectuarBloqueos();
            if (tomados == PVAPI::cProcesarBloqueos::BloqueoRegistroInexistente) {
                fin = kNoExiste;
            } else if (tomados != PVAPI::cProcesarBloqueos::BloqueoConcedido) {
                fin = kEnUso;
            } else {
                db::Transaction transaccion(conLocal);
                if (const auto bloqueo = banco.Comprobar(); bloqueo != EliminacionBanco::Bloqueo::Ninguno) {
                    fin = EliminacionBanco::TextoBloqueo(bloqueo);
                } else {
                    const int maximo = int(banco.ContarDependientes() + 1);
                    ProgresoAbierto progreso(servicio, maximo);
                    banco.EliminarDependientes([&servicio](qint64 hechas) { servicio.ProgresoRefresh(int(hechas)); });
                    qint32 lngID = lngIDBanco;
                    m_app.gobjBancos->EliminaBanco(conLocal, lngID, App::Title());
                    if (banco.Existe()) {
                        fin = kNoEliminado;
                    } else {
                        servicio.ProgresoRefresh(maximo);
                        transaccion.Commit();
                    }
                }
            }
            bloqueos.LiberarBloqueos();
        }
        if (const QString* texto = std::get_if<QString>(&fin))
            Avisar(*texto);
    } catch (...) {
        vb::Err().SetFromException(std::current_exception());
        ui::Current().setMousePointer(ui::vbDefault);
        servicio.VerError(QStringLiteral("DeleteBanco()"), QStringLiteral("cIActionMenus"),
                          QStringLiteral("NorviaParvanta2000"));
    }
}
